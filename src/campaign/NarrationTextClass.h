// The typewriter text of the story, the tutorial balloon and Mirel's balloon:
// up to eight lines typed in one character after another, each character
// fading in on its own, and the whole text fading away when asked. It writes
// with a screen font, or with the game's normal sprite font at a size and
// spacing of its own. Lines live in fixed buffers, so a frame allocates nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "GameTypesClass.h"

class TOmegaFont;
class TOmegaImageList;

// A character has just appeared at APos (its top-left): the story puts a puff of dust there.
using TNarrationTextTailPosUpdateEvent = std::function<void(TObject* Sender, TPoint APos)>;

class TNarrationText : public TObject {
public:
    static constexpr int32_t MaxLines = 8;
    static constexpr int32_t MaxLineLength = 100;
    // The sheet the sprite font's glyphs are drawn from.
    static constexpr const char* SpriteFontImage = "GlobalFontWhite";

    // The screen font the text is written in, unless UseSpriteFont.
    TOmegaFont* OmgFont = nullptr;
    // The sprite font: glyphs of SpriteFontImage from OmgImgList, scaled by
    // SpriteFontSize, each advancing by its width plus SpriteWidthAdd (scaled too).
    TOmegaImageList* OmgImgList = nullptr;
    bool UseSpriteFont = false;
    double SpriteFontSize = 1.0;
    int32_t SpriteWidthAdd = 0;

    int32_t VertSpace = 17;  // pixels from one line's top to the next
    int32_t StartingAlpha = 250;
    int32_t AlphaStep = 8;
    int32_t MaxAlpha = 230;  // 256 or more is taken as 255
    int32_t AlphaUpdateRepeat = 2;  // reveal steps per frame
    int32_t VanishingAlphaStep = 25;
    // Raised for every character drawn at StartingAlpha + AlphaStep while the
    // text is not vanishing, that is on the frame it appears (when that sum is
    // not above the maximum; with the defaults it never is).
    TNarrationTextTailPosUpdateEvent OnTailPosUpdate;

    // A new text at (X, Y) in that colour, split into lines at each "|": a ninth
    // line and beyond are dropped, each line keeps at most 100 characters.
    void StartText(int32_t X, int32_t Y, std::string_view Text, uint8_t Red, uint8_t Green, uint8_t Blue);
    // Every character fades out from now on (typing goes on underneath).
    void VanishText();
    // No lines, nothing revealed, the cursor at the start, not vanishing.
    void ClearText();
    // 0 for an empty text, else 1 + the number of "|".
    static int32_t LineCount(std::string_view Text);
    // Once a frame: reveal, fade, draw (and the tail events).
    void UpdateAndDraw();

    // The width of Text in the font the narration writes with.
    int32_t TextWidth(std::string_view Text) const;
    // The width of one character as the narration advances after it.
    int32_t CharWidth(char Ch) const;

    // Lines laid out by the last StartText (0 to 8).
    int32_t Lines() const { return FLineCount; }
    // Line I (1-based); empty outside 1..Lines().
    std::string_view Line(int32_t I) const;
    // The alpha of character Index (1-based) of line I (1-based); 0 when not yet revealed or outside.
    int32_t CharAlpha(int32_t I, int32_t Index) const;
    // The reveal cursor: line 1 to 9 (9 = past the last line) and the index of the last character revealed.
    int32_t CursorLine() const { return FCursorLine; }
    int32_t CursorIndex() const { return FCursorIndex; }
    bool Vanishing() const { return FVanishing; }
    TPoint Origin() const { return FOrigin; }
    // Some character is still drawn (revealed and not faded away).
    bool AnyCharShown() const;
    // MaxAlpha as it is applied.
    int32_t EffectiveMaxAlpha() const;

private:
    void Reveal();
    void StepAlphas();
    void Draw();

    char FLines[MaxLines][MaxLineLength] = {};
    uint8_t FLineLength[MaxLines] = {};
    uint8_t FAlpha[MaxLines][MaxLineLength] = {};
    int32_t FLineCount = 0;
    int32_t FCursorLine = 1;
    int32_t FCursorIndex = 0;
    bool FVanishing = false;
    TPoint FOrigin;
    uint8_t FRed = 255;
    uint8_t FGreen = 255;
    uint8_t FBlue = 255;
};
