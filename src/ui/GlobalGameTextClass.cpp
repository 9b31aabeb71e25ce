#include "GlobalGameTextClass.h"

#include <cstring>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"

namespace {
// The glyphs of the sheet, in pattern order.
constexpr char GlyphOrder[] = " !\"#$%&'()*+,-./0123456789:;=?ABCDEFGHIJKLMNOPQRSTUVWXYZ|";

char AsCapital(char Ch) { return (Ch >= 'a' && Ch <= 'z') ? static_cast<char>(Ch - 'a' + 'A') : Ch; }
}  // namespace

int32_t TGlobalGameText::GlyphIndex(char Ch) {
    const char Capital = AsCapital(Ch);
    if (Capital == '\0') return -1;
    const char* Found = std::strchr(GlyphOrder, Capital);
    return Found ? static_cast<int32_t>(Found - GlyphOrder) : -1;
}

int32_t TGlobalGameText::TextWidth(std::string_view Text, double Scale) const {
    int32_t Width = 0;
    for (char Ch : Text) Width += GlyphAdvance(fkAirstripNormal, AsCapital(Ch), Spacing, Scale);
    return Width;
}

void TGlobalGameText::TextOut(int32_t X, int32_t Y, std::string_view Text, double Scale, int32_t Alpha,
                              std::string_view Image) const {
    if (!OmgImgList || Alpha <= 0) return;
    TImageListItem* Font = OmgImgList->Find(Image);
    if (!Font) return;
    TOmegaScreen* Screen = Scale != 1.0 ? OmgImgList->OmegaScreen : nullptr;
    if (Screen) Screen->SetFiltering(true);
    int32_t PenX = X;
    for (char Ch : Text) {
        const int32_t Glyph = GlyphIndex(Ch);
        if (Glyph >= 0 && Ch != ' ') {
            Font->DrawEx(PenX, Y, 0.0f, 0.0f, 0.0f, static_cast<float>(Scale), static_cast<float>(Scale), 255, 255,
                         255, Alpha, Glyph, 0);
        }
        PenX += GlyphAdvance(fkAirstripNormal, AsCapital(Ch), Spacing, Scale);
    }
    if (Screen) Screen->SetFiltering(false);
}
