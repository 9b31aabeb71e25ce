// Recipes for the round's counters: strips derived from the digit strips, computed
// rather than drawn again.
#include "RecipeClass.h"

#include <cmath>

namespace {

// rollblur SMEAR IMAGE COLUMNS: digits of IMAGE (a strip of COLUMNS patterns in one row)
// caught rolling past, one per pattern: pattern p shows digit pattern (p * 3 + 2) of
// IMAGE, centred in the taller pattern and smeared SMEAR pixels up and down, as a
// counter's digit between two numbers looks.
QUELLOW_RECIPE("rollblur", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    const double smear = C.NumberArg(0);
    const TCanvas& source = C.Image(C.Arg(1));
    const int columns = static_cast<int>(C.NumberArg(2));
    if (columns < 1 || source.Width() % columns != 0) C.Fail("the strip's width is not a multiple of its columns");
    const int w = source.Width() / columns, h = source.Height();
    TCanvas out = C.NewCanvas();
    for (int p = 0; p < e.PatternCount(); ++p) {
        const int digit = (p * 3 + 2) % columns;
        const TCanvas glyph = source.Cut(digit * w, 0, w, h);
        const double x = C.CellX(p) + (e.PatternWidth - w) / 2.0;
        const double y = C.CellY(p) + (e.PatternHeight - h) / 2.0;
        TCanvas cell(out.Width(), out.Height());
        const int steps = 7;
        for (int i = 0; i < steps; ++i) {
            const double t = (i - (steps - 1) / 2.0) / ((steps - 1) / 2.0);  // -1 .. 1
            cell.Draw(glyph, x, y + t * smear, 0.22 + 0.2 * (1.0 - std::fabs(t)));
        }
        cell.Blur(1.0);
        out.Draw(cell, 0, 0);
    }
    return out;
});

}  // namespace
