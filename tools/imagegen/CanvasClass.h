// A picture being drawn: a Cairo image surface (premultiplied ARGB) with the
// pixel operations the recipes share -- blurs, mirrors, tints, shadows, copies.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>

struct TColor {
    double R = 0, G = 0, B = 0, A = 1;
    // "#rrggbb" or "#rrggbbaa"; throws std::runtime_error on anything else.
    static TColor FromHex(const char* Hex);
};

class TCanvas {
public:
    TCanvas() = default;
    TCanvas(int Width, int Height);  // transparent
    TCanvas(const TCanvas& Other);
    TCanvas& operator=(const TCanvas& Other);
    TCanvas(TCanvas&&) noexcept = default;
    TCanvas& operator=(TCanvas&&) noexcept = default;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return !FSurface; }
    cairo_surface_t* Surface() const { return FSurface.get(); }
    // A new drawing context on this canvas; the caller destroys it (see TCairo).
    cairo_t* NewContext() const;

    uint32_t* Row(int Y);
    const uint32_t* Row(int Y) const;
    uint32_t Pixel(int X, int Y) const { return Row(Y)[X]; }

    // Copies Source onto this canvas with its top-left at (X, Y), at Alpha, scaled.
    void Draw(const TCanvas& Source, double X, double Y, double Alpha = 1.0, double Scale = 1.0);
    void Fill(TColor Color);

    // Blurs in place with three box passes (close to a Gaussian of that radius).
    void Blur(double Radius);
    TCanvas Mirrored() const;
    TCanvas Flipped() const;
    TCanvas Cut(int X, int Y, int W, int H) const;
    // Replaces every pixel's colour by Color, keeping its alpha (silhouettes, glows).
    TCanvas Silhouette(TColor Color) const;
    // Multiplies every pixel's alpha.
    void Fade(double Alpha);

private:
    struct TSurfaceFree {
        void operator()(cairo_surface_t* S) const { cairo_surface_destroy(S); }
    };
    std::unique_ptr<cairo_surface_t, TSurfaceFree> FSurface;
    int FWidth = 0, FHeight = 0;
};

// Owns a cairo_t for the length of a scope.
class TCairo {
public:
    explicit TCairo(const TCanvas& Canvas) : FCr(Canvas.NewContext()) {}
    ~TCairo() { cairo_destroy(FCr); }
    TCairo(const TCairo&) = delete;
    TCairo& operator=(const TCairo&) = delete;
    operator cairo_t*() const { return FCr; }
private:
    cairo_t* FCr;
};
