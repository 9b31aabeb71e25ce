// The sprite text writer: writes a line in the game's normal sprite font
// ("GlobalFontWhite" or "GlobalFontYellow"), one glyph pattern per character,
// each advancing by the font's measured width. The font holds no small
// letters, so they are written as their capitals; a character the font lacks
// takes its width but draws nothing. The help pages' captions are written so.
#pragma once

#include <cstdint>
#include <string_view>

#include "GameTypesClass.h"

class TOmegaImageList;

class TGlobalGameText : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    // Extra pixels after every glyph, before scaling.
    int32_t Spacing = 0;

    // The glyph pattern of Ch in the font sheet, -1 when the font has none.
    static int32_t GlyphIndex(char Ch);
    // Pixels the line takes at Scale, as TextOut advances.
    int32_t TextWidth(std::string_view Text, double Scale) const;
    // The line with its top-left at (X, Y), smooth when scaled.
    void TextOut(int32_t X, int32_t Y, std::string_view Text, double Scale, int32_t Alpha,
                 std::string_view Image = "GlobalFontWhite") const;
};
