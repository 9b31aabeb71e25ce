#include "NarrationTextClass.h"

#include <algorithm>
#include <cstring>

#include "BoardEffectDrawClass.h"
#include "GlobalGameTextClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"

void TNarrationText::StartText(int32_t X, int32_t Y, std::string_view Text, uint8_t Red, uint8_t Green,
                               uint8_t Blue) {
    ClearText();
    FOrigin = Point(X, Y);
    FRed = Red;
    FGreen = Green;
    FBlue = Blue;
    if (Text.empty()) return;
    size_t Start = 0;
    while (FLineCount < MaxLines) {
        const size_t Bar = Text.find('|', Start);
        const std::string_view Piece = Text.substr(Start, Bar == std::string_view::npos ? Text.size() - Start
                                                                                        : Bar - Start);
        const size_t Kept = std::min(Piece.size(), static_cast<size_t>(MaxLineLength));
        std::memcpy(FLines[FLineCount], Piece.data(), Kept);
        FLineLength[FLineCount] = static_cast<uint8_t>(Kept);
        ++FLineCount;
        if (Bar == std::string_view::npos) break;
        Start = Bar + 1;
    }
}

void TNarrationText::VanishText() { FVanishing = true; }

void TNarrationText::ClearText() {
    std::memset(FLineLength, 0, sizeof(FLineLength));
    std::memset(FAlpha, 0, sizeof(FAlpha));
    FLineCount = 0;
    FCursorLine = 1;
    FCursorIndex = 0;
    FVanishing = false;
}

int32_t TNarrationText::LineCount(std::string_view Text) {
    if (Text.empty()) return 0;
    return 1 + static_cast<int32_t>(std::count(Text.begin(), Text.end(), '|'));
}

int32_t TNarrationText::EffectiveMaxAlpha() const { return std::clamp(MaxAlpha, 0, 255); }

std::string_view TNarrationText::Line(int32_t I) const {
    if (I < 1 || I > FLineCount) return {};
    return std::string_view(FLines[I - 1], FLineLength[I - 1]);
}

int32_t TNarrationText::CharAlpha(int32_t I, int32_t Index) const {
    if (I < 1 || I > FLineCount || Index < 1 || Index > FLineLength[I - 1]) return 0;
    return FAlpha[I - 1][Index - 1];
}

bool TNarrationText::AnyCharShown() const {
    for (int32_t I = 0; I < FLineCount; ++I) {
        for (int32_t C = 0; C < FLineLength[I]; ++C) {
            if (FAlpha[I][C] != 0) return true;
        }
    }
    return false;
}

int32_t TNarrationText::CharWidth(char Ch) const {
    if (UseSpriteFont) {
        TGlobalGameText Writer;
        Writer.Spacing = SpriteWidthAdd;
        return Writer.TextWidth(std::string_view(&Ch, 1), SpriteFontSize);
    }
    return OmgFont ? OmgFont->TextWidth(std::string_view(&Ch, 1)) : 0;
}

int32_t TNarrationText::TextWidth(std::string_view Text) const {
    int32_t Width = 0;
    for (const char Ch : Text) Width += CharWidth(Ch);
    return Width;
}

void TNarrationText::UpdateAndDraw() {
    Reveal();
    StepAlphas();
    Draw();
}

void TNarrationText::Reveal() {
    const uint8_t Starting = static_cast<uint8_t>(std::clamp(StartingAlpha, 0, 255));
    for (int32_t Step = 0; Step < AlphaUpdateRepeat; ++Step) {
        if (FCursorLine > MaxLines) return;
        ++FCursorIndex;
        // The step that passes a line's end only moves on to the next line.
        if (FCursorIndex > FLineLength[FCursorLine - 1]) {
            ++FCursorLine;
            FCursorIndex = 0;
        } else {
            FAlpha[FCursorLine - 1][FCursorIndex - 1] = Starting;
        }
    }
}

void TNarrationText::StepAlphas() {
    const int32_t Max = EffectiveMaxAlpha();
    for (int32_t I = 0; I < FLineCount; ++I) {
        for (int32_t C = 0; C < FLineLength[I]; ++C) {
            uint8_t& Alpha = FAlpha[I][C];
            if (FVanishing) {
                Alpha = static_cast<uint8_t>(std::max(Alpha - VanishingAlphaStep, 0));
            } else if (Alpha != 0) {
                Alpha = static_cast<uint8_t>(std::clamp(Alpha + AlphaStep, 0, Max));
            }
        }
    }
}

void TNarrationText::Draw() {
    const int32_t TailAlpha = StartingAlpha + AlphaStep;
    TImageListItem* Glyphs = UseSpriteFont ? EffectImage(OmgImgList, SpriteFontImage) : nullptr;
    const bool Smooth = Glyphs && SpriteFontSize != 1.0;
    if (Smooth) SetEffectFiltering(OmgImgList, true);
    const float Scale = static_cast<float>(SpriteFontSize);
    for (int32_t I = 0; I < FLineCount; ++I) {
        const int32_t Y = FOrigin.Y + I * VertSpace;
        int32_t X = FOrigin.X;
        for (int32_t C = 0; C < FLineLength[I]; ++C) {
            const char Ch = FLines[I][C];
            const int32_t Alpha = FAlpha[I][C];
            if (Alpha > 0) {
                if (UseSpriteFont) {
                    const int32_t Glyph = TGlobalGameText::GlyphIndex(Ch);
                    if (Glyphs && Glyph >= 0 && Ch != ' ')
                        Glyphs->DrawEx(X, Y, 0.0f, 0.0f, 0.0f, Scale, Scale, FRed, FGreen, FBlue, Alpha, Glyph, 0);
                } else if (OmgFont) {
                    OmgFont->TextOut(X, Y, std::string_view(&FLines[I][C], 1), FRed, FGreen, FBlue, Alpha);
                }
            }
            if (Alpha == TailAlpha && !FVanishing && OnTailPosUpdate) OnTailPosUpdate(this, Point(X, Y));
            X += CharWidth(Ch);
        }
    }
    if (Smooth) SetEffectFiltering(OmgImgList, false);
}
