// An SVG drawing (from a file under assets/images or from text a recipe wrote),
// rendered with librsvg into a rectangle of a canvas.
#pragma once

#include "CanvasClass.h"

#include <string>

typedef struct _RsvgHandle RsvgHandle;

class TSvg {
public:
    // Parses SVG text; Origin names it in error messages. Throws std::runtime_error.
    static TSvg FromText(const std::string& Text, const std::string& Origin);
    static TSvg FromFile(const std::string& Path);
    // Reads an SVG source below AssetsDir, replacing every <?include PATH?> by the text
    // of that file (a fragment of SVG elements, PATH below AssetsDir) so that drawings
    // can share pieces.
    static TSvg FromAsset(const std::string& AssetsDir, const std::string& RelativePath);
    TSvg(TSvg&& Other) noexcept;
    TSvg& operator=(TSvg&& Other) noexcept;
    TSvg(const TSvg&) = delete;
    TSvg& operator=(const TSvg&) = delete;
    ~TSvg();

    // Renders the document's viewBox fitted into (X, Y, W, H); with Id ("#name") only
    // that element and its children, still in document coordinates.
    void Render(cairo_t* Cr, double X, double Y, double W, double H, const std::string& Id = "") const;
    void Render(TCanvas& Canvas, double X, double Y, double W, double H, const std::string& Id = "") const;
    bool HasElement(const std::string& Id) const;
    // The document's own size in pixels (its width and height attributes).
    void DocumentSize(double& Width, double& Height) const;
    const std::string& Origin() const { return FOrigin; }

private:
    TSvg(RsvgHandle* Handle, std::string Origin) : FHandle(Handle), FOrigin(std::move(Origin)) {}
    RsvgHandle* FHandle = nullptr;
    std::string FOrigin;
};

// The text of an asset with its includes expanded (see TSvg::FromAsset).
std::string ExpandSvgIncludes(const std::string& AssetsDir, const std::string& RelativePath, int Depth = 0);

// Renders SVG text into a new canvas of the given size.
TCanvas RenderSvgText(const std::string& Text, int Width, int Height, const std::string& Origin);
