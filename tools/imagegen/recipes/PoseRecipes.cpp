// Recipes for animation strips posed from one drawing: the drawing is an SVG template
// (SvgTemplateClass.h) whose numbers are worked out for each pattern, so a creature's
// or a tool's frames all come from the same parts and move smoothly from one to the next.
#include "RecipeClass.h"
#include "SvgTemplateClass.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// poses FILE [#id] [NAME=EXPR ...]: pattern p is the template FILE expanded with
// p (the pattern's number), n (the pattern count), t = p / n (how far through a loop),
// w and h (the pattern's size) and the NAME=EXPR settings (worked out in order, so they may use p, n and t), its view
// box fitted to the pattern; with #id only that element is drawn. One template can so
// serve several images (a variant switched by a setting, a derived colouring).
QUELLOW_RECIPE("poses", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    const std::string& file = C.Arg(0);
    const TSvgTemplate drawing(ExpandSvgIncludes(C.AssetPath(""), file), file);
    std::string id;
    std::vector<std::pair<std::string, std::string>> settings;
    for (size_t i = 1; i < C.Args().size(); ++i) {
        const std::string& a = C.Args()[i];
        const auto eq = a.find('=');
        if (a[0] == '#' && id.empty()) id = a;
        else if (eq != std::string::npos && eq > 0) settings.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        else C.Fail("unknown argument '" + a + "' (want #id or NAME=EXPR)");
    }
    TCanvas canvas = C.NewCanvas();
    const int n = e.PatternCount();
    for (int p = 0; p < n; ++p) {
        TSvgTemplate::TVariables vars{{"p", p}, {"n", n}, {"t", static_cast<double>(p) / n},
                                       {"w", e.PatternWidth}, {"h", e.PatternHeight}};
        for (const auto& [name, expr] : settings) vars[name] = EvaluateExpression(expr, vars, e.Name);
        const std::string origin = file + " (pattern " + std::to_string(p) + ")";
        const TSvg svg = TSvg::FromText(drawing.Expand(vars), origin);
        // Each pattern is drawn on its own and then put in place, so that two images
        // posing the same frame at different places in their strips match pixel for pixel.
        TCanvas one(e.PatternWidth, e.PatternHeight);
        svg.Render(one, 0, 0, e.PatternWidth, e.PatternHeight, id);
        canvas.Draw(one, C.CellX(p), C.CellY(p));
    }
    return canvas;
});

}  // namespace
