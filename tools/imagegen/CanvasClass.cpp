#include "CanvasClass.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

int HexDigit(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

// One box pass of width 2R+1 over N values spaced Stride apart, per channel, in place.
void BoxPass(uint32_t* Data, int N, int Stride, int R, std::vector<uint32_t>& Scratch) {
    if (R <= 0 || N <= 1) return;
    Scratch.resize(static_cast<size_t>(N));
    for (int i = 0; i < N; ++i) Scratch[static_cast<size_t>(i)] = Data[static_cast<size_t>(i) * static_cast<size_t>(Stride)];
    const int window = 2 * R + 1;
    uint32_t sum[4] = {0, 0, 0, 0};
    auto at = [&](int i) -> uint32_t { return (i < 0 || i >= N) ? 0u : Scratch[static_cast<size_t>(i)]; };
    for (int i = -R; i <= R; ++i) {
        const uint32_t p = at(i);
        for (int c = 0; c < 4; ++c) sum[c] += (p >> (8 * c)) & 0xFFu;
    }
    for (int i = 0; i < N; ++i) {
        uint32_t out = 0;
        for (int c = 0; c < 4; ++c) {
            const uint32_t v = (sum[c] + static_cast<uint32_t>(window / 2)) / static_cast<uint32_t>(window);
            out |= std::min(v, 255u) << (8 * c);
        }
        Data[static_cast<size_t>(i) * static_cast<size_t>(Stride)] = out;
        const uint32_t add = at(i + R + 1), sub = at(i - R);
        for (int c = 0; c < 4; ++c) sum[c] += ((add >> (8 * c)) & 0xFFu) - ((sub >> (8 * c)) & 0xFFu);
    }
}

}  // namespace

TColor TColor::FromHex(const char* Hex) {
    const std::string s = Hex ? Hex : "";
    if ((s.size() != 7 && s.size() != 9) || s[0] != '#') throw std::runtime_error("bad colour '" + s + "'");
    double v[4] = {0, 0, 0, 1};
    for (size_t i = 0; i < (s.size() - 1) / 2; ++i) {
        const int hi = HexDigit(s[1 + 2 * i]), lo = HexDigit(s[2 + 2 * i]);
        if (hi < 0 || lo < 0) throw std::runtime_error("bad colour '" + s + "'");
        v[i] = (hi * 16 + lo) / 255.0;
    }
    return {v[0], v[1], v[2], v[3]};
}

TCanvas::TCanvas(int Width, int Height)
    : FSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Width, Height)), FWidth(Width), FHeight(Height) {
    if (cairo_surface_status(FSurface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot make a " + std::to_string(Width) + "x" + std::to_string(Height) + " canvas");
}

TCanvas::TCanvas(const TCanvas& Other) { *this = Other; }

TCanvas& TCanvas::operator=(const TCanvas& Other) {
    if (this == &Other) return *this;
    if (Other.Empty()) {
        FSurface.reset();
        FWidth = FHeight = 0;
        return *this;
    }
    TCanvas copy(Other.FWidth, Other.FHeight);
    cairo_surface_flush(Other.Surface());
    for (int y = 0; y < Other.FHeight; ++y)
        std::memcpy(copy.Row(y), Other.Row(y), static_cast<size_t>(Other.FWidth) * 4);
    cairo_surface_mark_dirty(copy.Surface());
    *this = std::move(copy);
    return *this;
}

cairo_t* TCanvas::NewContext() const { return cairo_create(FSurface.get()); }

uint32_t* TCanvas::Row(int Y) {
    cairo_surface_flush(FSurface.get());
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(FSurface.get()) +
                                       static_cast<ptrdiff_t>(Y) * cairo_image_surface_get_stride(FSurface.get()));
}

const uint32_t* TCanvas::Row(int Y) const {
    return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(FSurface.get()) +
                                             static_cast<ptrdiff_t>(Y) * cairo_image_surface_get_stride(FSurface.get()));
}

void TCanvas::Draw(const TCanvas& Source, double X, double Y, double Alpha, double Scale) {
    TCairo cr(*this);
    cairo_translate(cr, X, Y);
    cairo_scale(cr, Scale, Scale);
    cairo_set_source_surface(cr, Source.Surface(), 0, 0);
    const bool exact = Scale == 1.0 && X == std::floor(X) && Y == std::floor(Y);
    cairo_pattern_set_filter(cairo_get_source(cr), exact ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint_with_alpha(cr, Alpha);
}

void TCanvas::Fill(TColor Color) {
    TCairo cr(*this);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, Color.R, Color.G, Color.B, Color.A);
    cairo_paint(cr);
}

void TCanvas::Blur(double Radius) {
    if (Radius <= 0 || Empty()) return;
    // Three box passes of this width give a blur close to a Gaussian of sigma = Radius / 2.
    const double sigma = Radius / 2.0;
    const int r = std::max(1, static_cast<int>(std::lround(std::sqrt(12.0 * sigma * sigma / 3.0 + 1.0) / 2.0)));
    cairo_surface_flush(FSurface.get());
    const int stride = cairo_image_surface_get_stride(FSurface.get()) / 4;
    auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(FSurface.get()));
    std::vector<uint32_t> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < FHeight; ++y) BoxPass(data + static_cast<ptrdiff_t>(y) * stride, FWidth, 1, r, scratch);
        for (int x = 0; x < FWidth; ++x) BoxPass(data + x, FHeight, stride, r, scratch);
    }
    cairo_surface_mark_dirty(FSurface.get());
}

TCanvas TCanvas::Mirrored() const {
    TCanvas out(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) {
        const uint32_t* src = Row(y);
        uint32_t* dst = out.Row(y);
        for (int x = 0; x < FWidth; ++x) dst[x] = src[FWidth - 1 - x];
    }
    cairo_surface_mark_dirty(out.Surface());
    return out;
}

TCanvas TCanvas::Flipped() const {
    TCanvas out(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) std::memcpy(out.Row(y), Row(FHeight - 1 - y), static_cast<size_t>(FWidth) * 4);
    cairo_surface_mark_dirty(out.Surface());
    return out;
}

TCanvas TCanvas::Cut(int X, int Y, int W, int H) const {
    TCanvas out(W, H);
    out.Draw(*this, -X, -Y);
    return out;
}

TCanvas TCanvas::Silhouette(TColor Color) const {
    TCanvas out(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) {
        const uint32_t* src = Row(y);
        uint32_t* dst = out.Row(y);
        for (int x = 0; x < FWidth; ++x) {
            const double a = (src[x] >> 24) / 255.0 * Color.A;
            const auto ch = [&](double V) { return static_cast<uint32_t>(std::lround(V * a * 255.0)); };
            dst[x] = (static_cast<uint32_t>(std::lround(a * 255.0)) << 24) | (ch(Color.R) << 16) | (ch(Color.G) << 8) |
                     ch(Color.B);
        }
    }
    cairo_surface_mark_dirty(out.Surface());
    return out;
}

void TCanvas::Fade(double Alpha) {
    TCanvas faded(FWidth, FHeight);
    faded.Draw(*this, 0, 0, Alpha);
    *this = std::move(faded);
}
