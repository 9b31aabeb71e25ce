// Recipes for strips of designs kept as SVG symbols (the fruits, the flowers, the
// tool icons): the symbols drawn into the patterns, and the strips derived from
// them -- bitten, with a motion smear -- computed, not drawn again.
#include "RecipeClass.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// The patterns of a strip as SVG: symbol PREFIX<p+1> centred in pattern p at Size px.
std::string StripSvg(const TRecipeContext& C, const std::string& Fragment, const std::string& Prefix, double Size) {
    const auto& e = C.Entry();
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(e.Width()) +
                      "\" height=\"" + std::to_string(e.Height()) + "\">" + ExpandSvgIncludes(C.AssetPath(""), Fragment);
    for (int p = 0; p < e.PatternCount(); ++p) {
        char use[256];
        std::snprintf(use, sizeof use, "<use href=\"#%s%d\" x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\"/>",
                      Prefix.c_str(), p + 1, C.CellX(p) + (e.PatternWidth - Size) / 2,
                      C.CellY(p) + (e.PatternHeight - Size) / 2, Size, Size);
        svg += use;
    }
    return svg + "</svg>";
}

// A soft plum shadow below and to the right, as the light falls from the top left.
TCanvas WithShadow(const TCanvas& Art, double Dx, double Dy, double Blur, double Alpha) {
    TCanvas out(Art.Width(), Art.Height());
    TCanvas shadow = Art.Silhouette(TColor::FromHex("#3b2440"));
    shadow.Blur(Blur);
    out.Draw(shadow, Dx, Dy, Alpha);
    out.Draw(Art, 0, 0);
    return out;
}

// symbols FRAGMENT PREFIX SIZE [shadow]: pattern p shows symbol PREFIX<p+1> of the
// fragment file, SIZE px square, centred; "shadow" adds a soft drop shadow.
QUELLOW_RECIPE("symbols", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    TCanvas art = RenderSvgText(StripSvg(C, C.Arg(0), C.Arg(1), C.NumberArg(2)), e.Width(), e.Height(), e.Name);
    if (C.Args().size() > 3 && C.Arg(3) == "shadow") return WithShadow(art, 1.5, 2.5, 3, 0.45);
    return art;
});

// bitten IMAGE: every pattern of IMAGE with bites taken out of its top right and
// its colours browned, as a fruit a worm has eaten.
QUELLOW_RECIPE("bitten", [](const TRecipeContext& C) {
    const TCanvas& source = C.Image(C.Arg(0));
    const auto& e = C.Entry();
    TCanvas out = source;
    const double w = e.PatternWidth, h = e.PatternHeight;
    for (int p = 0; p < e.PatternCount(); ++p) {
        const double x = C.CellX(p), y = C.CellY(p);
        TCairo cr(out);
        cairo_rectangle(cr, x, y, w, h);
        cairo_clip(cr);
        // Brown the fruit, keeping its shape.
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        cairo_set_source_rgba(cr, 0.55, 0.36, 0.18, 0.55);
        cairo_paint(cr);
        // Three bites out of the top right, with a dark rim where they were taken.
        const double bites[3][3] = {{0.78, 0.30, 0.17}, {0.62, 0.16, 0.13}, {0.86, 0.52, 0.12}};
        for (const auto& b : bites) {
            cairo_new_path(cr);
            cairo_arc(cr, x + b[0] * w, y + b[1] * h, b[2] * w + 1.6, 0, 2 * M_PI);
            cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
            cairo_set_source_rgba(cr, 0.23, 0.14, 0.25, 0.9);
            cairo_fill(cr);
        }
        for (const auto& b : bites) {
            cairo_new_path(cr);
            cairo_arc(cr, x + b[0] * w, y + b[1] * h, b[2] * w, 0, 2 * M_PI);
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_fill(cr);
        }
    }
    return out;
});

// trail IMAGE horizontal|vertical: every pattern of IMAGE smeared along the axis over
// this image's longer side, fading at both ends. The game draws the smear under a
// moving fruit, shifted so that it trails behind whichever way the fruit moves.
QUELLOW_RECIPE("trail", [](const TRecipeContext& C) {
    const TCanvas& source = C.Image(C.Arg(0));
    const bool horizontal = C.Arg(1) == "horizontal";
    if (!horizontal && C.Arg(1) != "vertical") C.Fail("direction must be horizontal or vertical");
    const auto& e = C.Entry();
    const int sw = horizontal ? e.PatternHeight : e.PatternWidth;  // the source pattern is square
    const int length = (horizontal ? e.PatternWidth : e.PatternHeight) - sw;
    TCanvas out = C.NewCanvas();
    for (int p = 0; p < e.PatternCount(); ++p) {
        const TCanvas fruit = source.Cut(p * sw, 0, sw, sw);
        TCanvas smear(e.PatternWidth, e.PatternHeight);
        const int steps = length / 2;
        for (int k = 0; k <= steps; ++k) {
            const double t = static_cast<double>(k) / steps;
            const double alpha = 0.22 * std::sin(M_PI * (0.15 + 0.7 * t));
            smear.Draw(fruit, horizontal ? 2.0 * k : 0, horizontal ? 0 : 2.0 * k, alpha);
        }
        smear.Blur(3);
        out.Draw(smear, C.CellX(p), C.CellY(p));
    }
    return out;
});

}  // namespace
