// Recipes for the boss monsters' body parts. A monster walking right is the same
// drawing as walking left, turned over: its side parts are drawn once, facing left,
// and the right-facing pattern is computed from it.
#include "RecipeClass.h"

#include <cstdio>

namespace {

// side FILE #id@X,Y: a 2x1 side part. Pattern 0 is element #id at full size, cut from
// the drawing with its top-left corner at (X, Y) (the parts of a monster stay in place
// in one drawing); pattern 1 is pattern 0 mirrored, the part facing right.
QUELLOW_RECIPE("side", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    if (e.Columns != 2 || e.Rows != 1) C.Fail("a side part is 2x1: facing left, facing right");
    const std::string& piece = C.Arg(1);
    const auto at = piece.find('@');
    double x = 0, y = 0, w = 0, h = 0;
    if (piece.empty() || piece[0] != '#' || at == std::string::npos ||
        std::sscanf(piece.c_str() + at + 1, "%lf,%lf", &x, &y) != 2)
        C.Fail("bad piece '" + piece + "', want #id@X,Y");
    const TSvg& svg = C.Svg(C.Arg(0));
    svg.DocumentSize(w, h);
    TCanvas left(e.PatternWidth, e.PatternHeight);
    svg.Render(left, -x, -y, w, h, piece.substr(0, at));
    TCanvas canvas = C.NewCanvas();
    canvas.Draw(left, 0, 0);
    canvas.Draw(left.Mirrored(), e.PatternWidth, 0);
    return canvas;
});

}  // namespace
