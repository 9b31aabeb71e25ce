// Recipes for the board's specials, flowers, tools and effects: strips of SVG
// symbols with an outline of a set width in pixels at any size, the spinning blur
// of the fruit blaster, and pulsing glows computed frame by frame.
#include "RecipeClass.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Options after the fixed arguments: "outline=PX", "box=UNITS", "shadow".
struct TSpriteOptions {
    double Outline = 2;   // the plum outline, in pixels of the drawn image
    double Box = 100;     // width of the symbols' view box, in symbol units
    bool Shadow = false;  // a soft drop shadow down and to the right
};

TSpriteOptions ReadOptions(const TRecipeContext& C, size_t First) {
    TSpriteOptions o;
    for (size_t i = First; i < C.Args().size(); ++i) {
        const std::string& a = C.Args()[i];
        double v = 0;
        if (a == "shadow")
            o.Shadow = true;
        else if (std::sscanf(a.c_str(), "outline=%lf", &v) == 1 && v > 0)
            o.Outline = v;
        else if (std::sscanf(a.c_str(), "box=%lf", &v) == 1 && v > 0)
            o.Box = v;
        else
            C.Fail("unknown option '" + a + "'");
    }
    return o;
}

// SVG of the strip: symbol PREFIX<p+1> centred in pattern p, Size px square. The
// outline width is set on each <use>, so that symbol outlines that leave their
// stroke width unset come out Outline px wide whatever the size.
std::string StripSvg(const TRecipeContext& C, const std::string& Prefix, double Size, const TSpriteOptions& O) {
    const auto& e = C.Entry();
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(e.Width()) +
                      "\" height=\"" + std::to_string(e.Height()) + "\">" + ExpandSvgIncludes(C.AssetPath(""), C.Arg(0));
    const double strokeUnits = O.Outline * O.Box / Size;
    for (int p = 0; p < e.PatternCount(); ++p) {
        char use[320];
        std::snprintf(use, sizeof use,
                      "<use href=\"#%s%d\" x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" stroke-width=\"%.3f\"/>",
                      Prefix.c_str(), p + 1, C.CellX(p) + (e.PatternWidth - Size) / 2,
                      C.CellY(p) + (e.PatternHeight - Size) / 2, Size, Size, strokeUnits);
        svg += use;
    }
    return svg + "</svg>";
}

// Draws the strip, failing on a pattern whose symbol the fragment lacks: a <use> of a
// missing symbol would otherwise draw nothing, silently.
TCanvas RenderStrip(const TRecipeContext& C, const std::string& Prefix, double Size, const TSpriteOptions& O) {
    const auto& e = C.Entry();
    const TSvg svg = TSvg::FromText(StripSvg(C, Prefix, Size, O), e.Name);
    for (int p = 0; p < e.PatternCount(); ++p)
        if (!svg.HasElement("#" + Prefix + std::to_string(p + 1)))
            C.Fail(C.Arg(0) + " has no symbol " + Prefix + std::to_string(p + 1) + " for pattern " + std::to_string(p));
    TCanvas canvas = C.NewCanvas();
    svg.Render(canvas, 0, 0, e.Width(), e.Height());
    return canvas;
}

// A soft plum shadow below and to the right, grown with the size the object is drawn at.
TCanvas WithShadow(const TCanvas& Art, double Size) {
    const double k = std::max(1.0, Size / 46.0);
    TCanvas out(Art.Width(), Art.Height());
    TCanvas shadow = Art.Silhouette(TColor::FromHex("#3b2440"));
    shadow.Blur(3 * k);
    out.Draw(shadow, 1.5 * k, 2.5 * k, 0.45);
    out.Draw(Art, 0, 0);
    return out;
}

// sprites FRAGMENT PREFIX SIZE [outline=PX] [box=UNITS] [shadow]: pattern p shows
// symbol PREFIX<p+1> of the fragment, SIZE px square, centred, with its outline PX
// wide (2 by default, the board's weight).
QUELLOW_RECIPE("sprites", [](const TRecipeContext& C) {
    const double size = C.NumberArg(2);
    const TSpriteOptions o = ReadOptions(C, 3);
    TCanvas art = RenderStrip(C, C.Arg(1), size, o);
    return o.Shadow ? WithShadow(art, size) : art;
});

// spin FRAGMENT PREFIX SIZE DEGREES [outline=PX] [box=UNITS]: the symbols as "sprites"
// draws them, each smeared round its centre over DEGREES as if spinning fast, with a
// glow of its own colours around it.
QUELLOW_RECIPE("spin", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    const double size = C.NumberArg(2), arc = C.NumberArg(3);
    const TSpriteOptions o = ReadOptions(C, 4);
    const TCanvas sharp = RenderStrip(C, C.Arg(1), size, o);
    TCanvas out = C.NewCanvas();
    const int steps = 36;
    for (int p = 0; p < e.PatternCount(); ++p) {
        const int x = static_cast<int>(C.CellX(p)), y = static_cast<int>(C.CellY(p));
        const TCanvas one = sharp.Cut(x, y, e.PatternWidth, e.PatternHeight);
        TCanvas smear(e.PatternWidth, e.PatternHeight);
        {
            TCairo cr(smear);
            const double cx = e.PatternWidth / 2.0, cy = e.PatternHeight / 2.0;
            cairo_set_operator(cr, CAIRO_OPERATOR_ADD);  // the mean of the turned copies
            for (int k = 0; k < steps; ++k) {
                cairo_save(cr);
                cairo_translate(cr, cx, cy);
                cairo_rotate(cr, (arc * k / (steps - 1) - arc / 2) * M_PI / 180);
                cairo_translate(cr, -cx, -cy);
                cairo_set_source_surface(cr, one.Surface(), 0, 0);
                cairo_paint_with_alpha(cr, 1.0 / steps);
                cairo_restore(cr);
            }
        }
        TCanvas glow = smear;
        glow.Blur(size / 10);
        out.Draw(glow, x, y, 0.9);
        out.Draw(smear, x, y);
    }
    return out;
});

// pulse FILE #STEADY #GLOWING: pattern i of N shows element #STEADY with #GLOWING over
// it at opacity i / (N - 1), both fitted to the pattern as the "svg" recipe fits a
// piece: a light that swells from the first pattern to the last.
QUELLOW_RECIPE("pulse", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    const TSvg& svg = C.Svg(C.Arg(0));
    TCanvas steady(e.PatternWidth, e.PatternHeight), glowing(e.PatternWidth, e.PatternHeight);
    svg.Render(steady, 0, 0, e.PatternWidth, e.PatternHeight, C.Arg(1));
    svg.Render(glowing, 0, 0, e.PatternWidth, e.PatternHeight, C.Arg(2));
    TCanvas out = C.NewCanvas();
    const int n = e.PatternCount();
    for (int p = 0; p < n; ++p) {
        const double t = n > 1 ? static_cast<double>(p) / (n - 1) : 1.0;
        out.Draw(steady, C.CellX(p), C.CellY(p));
        out.Draw(glowing, C.CellX(p), C.CellY(p), 0.5 - 0.5 * std::cos(M_PI * t));  // eased swell
    }
    return out;
});

}  // namespace
