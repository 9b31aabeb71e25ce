// Recipes every family can use: plain fills, SVG sources drawn whole or one per
// pattern, and images derived from other images (blurs, mirrors).
#include "RecipeClass.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// fill COLOUR: the whole image one colour ("#ffffff").
QUELLOW_RECIPE("fill", [](const TRecipeContext& C) {
    TCanvas canvas = C.NewCanvas();
    canvas.Fill(TColor::FromHex(C.Arg(0).c_str()));
    return canvas;
});

// svg FILE: the drawing's view box fitted to the whole image (for one-pattern images,
// or sheets drawn at their full size with every pattern in place).
// svg FILE PIECE0 PIECE1 ...: one piece per pattern, each one of
//   #id        element #id alone, the drawing's view box fitted to the pattern;
//   #id@X,Y    element #id alone at full size, the pattern cut from the drawing with
//              its top-left corner at (X, Y) of the drawing;
//   @X,Y       the whole drawing, cut the same way.
// svg FILE @X,Y: the whole image, all its patterns, cut at (X, Y) of the drawing.
// Cut pieces let one drawing hold a whole composition (a loading bar and its parts)
// in place, so that it can be seen and checked as a whole.
QUELLOW_RECIPE("svg", [](const TRecipeContext& C) {
    const TSvg& svg = C.Svg(C.Arg(0));
    TCanvas canvas = C.NewCanvas();
    const auto& e = C.Entry();
    if (C.Args().size() == 1) {
        svg.Render(canvas, 0, 0, e.Width(), e.Height());
        return canvas;
    }
    if (C.Args().size() == 2 && C.Arg(1).front() == '@') {
        // svg FILE @X,Y: the whole image cut from the drawing at (X, Y), at full size.
        double x = 0, y = 0, w = 0, h = 0;
        if (std::sscanf(C.Arg(1).c_str() + 1, "%lf,%lf", &x, &y) != 2) C.Fail("bad cut '" + C.Arg(1) + "'");
        svg.DocumentSize(w, h);
        svg.Render(canvas, -x, -y, w, h);
        return canvas;
    }
    if (static_cast<int>(C.Args().size()) - 1 != e.PatternCount())
        C.Fail("names " + std::to_string(C.Args().size() - 1) + " pieces for " + std::to_string(e.PatternCount()) +
               " patterns");
    for (int p = 0; p < e.PatternCount(); ++p) {
        const std::string& piece = C.Args()[static_cast<size_t>(p) + 1];
        const auto at = piece.find('@');
        const std::string id = piece.substr(0, at);
        if (at == std::string::npos) {
            svg.Render(canvas, C.CellX(p), C.CellY(p), e.PatternWidth, e.PatternHeight, id);
            continue;
        }
        double x = 0, y = 0, w = 0, h = 0;
        if (std::sscanf(piece.c_str() + at + 1, "%lf,%lf", &x, &y) != 2) C.Fail("bad piece '" + piece + "'");
        svg.DocumentSize(w, h);
        TCairo cr(canvas);
        cairo_rectangle(cr, C.CellX(p), C.CellY(p), e.PatternWidth, e.PatternHeight);
        cairo_clip(cr);
        svg.Render(cr, C.CellX(p) - x, C.CellY(p) - y, w, h, id);
    }
    return canvas;
});

// cells FILE0 FILE1 ...: pattern i is drawn from its own SVG file.
QUELLOW_RECIPE("cells", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    if (static_cast<int>(C.Args().size()) != e.PatternCount())
        C.Fail("names " + std::to_string(C.Args().size()) + " files for " + std::to_string(e.PatternCount()) + " patterns");
    TCanvas canvas = C.NewCanvas();
    for (int p = 0; p < e.PatternCount(); ++p)
        C.Svg(C.Args()[static_cast<size_t>(p)]).Render(canvas, C.CellX(p), C.CellY(p), e.PatternWidth, e.PatternHeight);
    return canvas;
});

// blur RADIUS IMAGE: a blurred copy of another image of the same size.
QUELLOW_RECIPE("blur", [](const TRecipeContext& C) {
    TCanvas canvas = C.Image(C.Arg(1));
    canvas.Blur(C.NumberArg(0));
    return canvas;
});

// mirror IMAGE: every pattern of another image mirrored left to right in its place.
QUELLOW_RECIPE("mirror", [](const TRecipeContext& C) {
    const TCanvas& source = C.Image(C.Arg(0));
    const auto& e = C.Entry();
    TCanvas canvas = C.NewCanvas();
    for (int p = 0; p < e.PatternCount(); ++p) {
        const int x = static_cast<int>(C.CellX(p)), y = static_cast<int>(C.CellY(p));
        canvas.Draw(source.Cut(x, y, e.PatternWidth, e.PatternHeight).Mirrored(), x, y);
    }
    return canvas;
});


// thumbs MARGIN PIECE0 PIECE1 ...: pattern i is a small picture of another image, scaled
// to fit its pattern less MARGIN pixels on every side, proportions kept, centred (icons
// made from the pictures they stand for, so nothing is drawn twice). A piece is
//   NAME            the whole of another catalogue image;
//   NAME@X,Y,W,H    the part of it with its top-left corner at (X, Y), W x H (one pattern);
//   svg:FILE        an SVG drawing, its view box fitted the same way.
// A picture is never enlarged more than twice, so small ones stay crisp.
QUELLOW_RECIPE("thumbs", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    if (static_cast<int>(C.Args().size()) - 1 != e.PatternCount())
        C.Fail("names " + std::to_string(C.Args().size() - 1) + " pieces for " + std::to_string(e.PatternCount()) +
               " patterns");
    const double margin = C.NumberArg(0);
    const double boxW = e.PatternWidth - 2 * margin, boxH = e.PatternHeight - 2 * margin;
    if (boxW < 1 || boxH < 1) C.Fail("a margin that leaves no room");
    TCanvas canvas = C.NewCanvas();
    for (int p = 0; p < e.PatternCount(); ++p) {
        const std::string& piece = C.Args()[static_cast<size_t>(p) + 1];
        if (piece.rfind("svg:", 0) == 0) {
            C.Svg(piece.substr(4)).Render(canvas, C.CellX(p) + margin, C.CellY(p) + margin, boxW, boxH);
            continue;
        }
        const auto at = piece.find('@');
        const TCanvas& whole = C.Image(piece.substr(0, at));
        TCanvas part = whole;
        if (at != std::string::npos) {
            int x = 0, y = 0, w = 0, h = 0;
            if (std::sscanf(piece.c_str() + at + 1, "%d,%d,%d,%d", &x, &y, &w, &h) != 4 || w < 1 || h < 1 ||
                x < 0 || y < 0 || x + w > whole.Width() || y + h > whole.Height())
                C.Fail("bad piece '" + piece + "'");
            part = whole.Cut(x, y, w, h);
        }
        const double scale = std::min({boxW / part.Width(), boxH / part.Height(), 2.0});
        const double x = C.CellX(p) + (e.PatternWidth - part.Width() * scale) / 2;
        const double y = C.CellY(p) + (e.PatternHeight - part.Height() * scale) / 2;
        canvas.Draw(part, x, y, 1.0, scale);
    }
    return canvas;
});


// rowsabove ROWS IMAGE: another image's rows above ROWS, the rest left clear (the part of a
// picture that a layer drawn over it covers, to be drawn again on top of that layer).
QUELLOW_RECIPE("rowsabove", [](const TRecipeContext& C) {
    const int rows = static_cast<int>(C.NumberArg(0));
    TCanvas canvas = C.Image(C.Arg(1));
    if (rows < 0 || rows > canvas.Height()) C.Fail("rows outside the image");
    TCairo cr(canvas);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 0, rows, canvas.Width(), canvas.Height() - rows);
    cairo_fill(cr);
    return canvas;
});

}  // namespace
