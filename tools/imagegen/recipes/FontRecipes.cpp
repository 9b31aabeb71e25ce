// Sprite fonts and digit strips: one glyph per pattern, typeset from Debian font
// files with FreeType and Cairo. The glyph order of each sheet is a .glyphs file
// under assets/images/fonts, named beside the sheet's catalogue line.
#include "FontClass.h"
#include "RecipeClass.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// Advance widths of the normal sprite font ("GlobalFontWhite", "GlobalFontYellow"):
// the game measures typed names with these, so each glyph is fitted into its width.
int NormalFontAdvance(char Ch) {
    static const std::map<char, int> widths = [] {
        std::map<char, int> w;
        const auto set = [&w](const char* Chars, int Width) {
            for (const char* c = Chars; *c; ++c) w[*c] = Width;
        };
        set("|", 5);
        set(" !IL", 7);
        set("'(),.1:;J", 8);
        set("FT", 9);
        set("*-=", 10);
        set("\"/", 11);
        set("+57CEGQS", 12);
        set("0234689?ABDHKNOPRUVYZ", 13);
        set("$%&X", 14);
        set("#", 16);
        set("MW", 18);
        return w;
    }();
    const auto it = widths.find(Ch);
    return it == widths.end() ? 20 : it->second;
}

struct TGlyphStyle {
    TColor Top, Bottom;      // fill, a vertical gradient
    TColor Outline;
    double OutlineWidth;     // 0: none
    bool Shadow;
};

TGlyphStyle StyleNamed(const TRecipeContext& C, const std::string& Name) {
    const auto hex = [](const char* H) { return TColor::FromHex(H); };
    if (Name == "white") return {hex("#ffffff"), hex("#e8f0ff"), hex("#3b2440"), 3.0, true};
    if (Name == "gold") return {hex("#fff38a"), hex("#ffa51c"), hex("#3b2440"), 3.0, true};
    if (Name == "ink") return {hex("#3b2440"), hex("#3b2440"), hex("#3b2440"), 0.0, false};
    if (Name == "story") return {hex("#5a3418"), hex("#3a2010"), hex("#3b2440"), 0.0, false};
    if (Name == "caps") return {hex("#ffe27a"), hex("#e8901a"), hex("#5a2a18"), 2.5, true};
    if (Name == "green") return {hex("#e8ffb0"), hex("#6ad040"), hex("#1f4a22"), 3.0, true};
    C.Fail("unknown glyph style '" + Name + "' (white, gold, ink, story, caps, green)");
}

std::string ReadGlyphs(const TRecipeContext& C, const std::string& File) {
    std::ifstream in(C.AssetPath(File), std::ios::binary);
    if (!in) C.Fail("cannot open " + File);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// glyphs GLYPHFILE FONTFILE SIZE STYLE left|center|normal [left=CHARS]
//   One glyph of GLYPHFILE per pattern, in order, at SIZE px of the font. "left" puts
//   each glyph at the left of its pattern (sprite text advances from there), "center"
//   centres it, "normal" also squeezes it into its advance width of the normal font.
//   "left=CHARS" puts just those glyphs at the left of their patterns (a colon drawn
//   in the gap before the digits that follow it).
QUELLOW_RECIPE("glyphs", [](const TRecipeContext& C) {
    const auto& e = C.Entry();
    const std::string glyphs = ReadGlyphs(C, C.Arg(0));
    if (static_cast<int>(glyphs.size()) != e.PatternCount())
        C.Fail(C.Arg(0) + " holds " + std::to_string(glyphs.size()) + " glyphs for " +
               std::to_string(e.PatternCount()) + " patterns");
    const TFont& font = TFont::Get(C.Arg(1));
    const double size = C.NumberArg(2);
    const TGlyphStyle style = StyleNamed(C, C.Arg(3));
    const std::string& align = C.Arg(4);
    if (align != "left" && align != "center" && align != "normal") C.Fail("alignment must be left, center or normal");
    std::string leftGlyphs;
    if (C.Args().size() > 5) {
        if (C.Arg(5).rfind("left=", 0) != 0) C.Fail("unknown option '" + C.Arg(5) + "' (left=CHARS)");
        leftGlyphs = C.Arg(5).substr(5);
    }

    // One baseline for the whole sheet, so that glyphs line up: capitals and digits
    // sit centred in the pattern height.
    const cairo_text_extents_t cap = font.Measure("H0", size);
    const double baseline = std::round((e.PatternHeight - cap.height) / 2.0 - cap.y_bearing);
    const double pad = style.OutlineWidth / 2.0 + 0.5;

    TCanvas art = C.NewCanvas();
    for (int p = 0; p < e.PatternCount(); ++p) {
        const char ch = glyphs[static_cast<size_t>(p)];
        if (ch == ' ') continue;
        const std::string text(1, ch);
        const cairo_text_extents_t ink = font.Measure(text, size);
        double room = e.PatternWidth - 2 * pad;
        // A glyph may lean up to 3 px into the next one's advance: outlines touch, and the
        // narrow advances of I, L, F, T still leave their letters readable.
        if (align == "normal") room = std::min(room, NormalFontAdvance(ch) + 3 - 2 * pad);
        const double sx = ink.width > room ? room / ink.width : 1.0;
        double x = C.CellX(p) + pad - ink.x_bearing * sx;
        if (align == "center" && leftGlyphs.find(ch) == std::string::npos) x = C.CellX(p) + (e.PatternWidth - ink.width * sx) / 2.0 - ink.x_bearing * sx;
        TCairo cr(art);
        cairo_rectangle(cr, C.CellX(p), C.CellY(p), e.PatternWidth, e.PatternHeight);
        cairo_clip(cr);
        cairo_translate(cr, x, C.CellY(p) + baseline);
        cairo_scale(cr, sx, 1.0);
        font.Use(cr, size);
        cairo_move_to(cr, 0, 0);
        cairo_text_path(cr, text.c_str());
        cairo_identity_matrix(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        if (style.Shadow) {
            cairo_save(cr);
            cairo_translate(cr, 1, 1.5);
            cairo_set_source_rgba(cr, 0.23, 0.14, 0.25, 0.35);
            cairo_set_line_width(cr, style.OutlineWidth);
            cairo_stroke_preserve(cr);
            cairo_fill_preserve(cr);
            cairo_restore(cr);
        }
        if (style.OutlineWidth > 0) {
            cairo_set_source_rgba(cr, style.Outline.R, style.Outline.G, style.Outline.B, style.Outline.A);
            cairo_set_line_width(cr, style.OutlineWidth);
            cairo_stroke_preserve(cr);
        }
        cairo_pattern_t* fill = cairo_pattern_create_linear(0, C.CellY(p) + baseline + cap.y_bearing, 0,
                                                            C.CellY(p) + baseline);
        cairo_pattern_add_color_stop_rgba(fill, 0, style.Top.R, style.Top.G, style.Top.B, style.Top.A);
        cairo_pattern_add_color_stop_rgba(fill, 1, style.Bottom.R, style.Bottom.G, style.Bottom.B, style.Bottom.A);
        cairo_set_source(cr, fill);
        cairo_fill(cr);
        cairo_pattern_destroy(fill);
    }
    return art;
});

}  // namespace
