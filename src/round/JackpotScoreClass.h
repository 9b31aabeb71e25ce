// A rolling counter: the player's score and money totals, and the remaining
// counts of the fruit panel. The true amount changes at once; the shown amount
// rolls toward it by Increment every third frame, optionally with a counting
// sound, and is written as text in the counter's font. The text is made again
// only when the shown amount changes.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;
class TOmegaFont;

enum TJackpotKind : uint8_t { jkDefault, jkMoney };

class TJackpotScore : public TObject {
public:
    // Frames the shown amount waits between two steps (the stepping frame counts as the first).
    static constexpr int32_t StepPauseFrames = 3;

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;
    TJackpotKind Kind = jkMoney;  // jkDefault: grouped digits; jkMoney: with the currency sign
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Increment = 2;
    uint8_t Digits = 5;  // grows with the value's length
    TNotifyEvent OnValueUpdate;
    // Presentation of a digit roll; only the sizes are read from the images, and none
    // of these changes what is drawn.
    std::string DigitImg;
    std::string DigitBlurImg;
    int32_t DigitWidth = 15;
    int32_t DigitHeight = 20;
    int32_t DigitBlurHeight = 25;
    bool AutoCentered = false;
    bool ShowLeadingZeros = true;
    int32_t BlurAlpha = 150;

    // The digit sizes from DigitImg and DigitBlurImg, when they are loaded.
    void InitImages();

    // Value and shown amount := max(V, 0).
    void Set(int32_t V);
    // Value := max(V, 0); the shown amount rolls there.
    void SetTarget(int32_t V);
    // Value += D, not below 0; the shown amount rolls.
    void Add(int32_t D);
    // Add, with the counting sound on: Sound 0 "ScoreCount", 1 "Click".
    void AddCounted(int32_t D, int32_t Sound);
    // All but the last B of A at once, the last B rolling audibly.
    void AddSplit(int32_t A, int32_t B, int32_t Sound);
    // Add and show at once.
    void AddInstant(int32_t A);
    // The value rounded to a multiple of ten (halves to even: 1225 -> 1220, 1235 -> 1240); it rolls there.
    void RoundToTen();
    // Shows the value at once.
    void Jump();
    // Value and shown amount 0, silently.
    void Reset();

    // One frame: the counting sound, one roll step, the text.
    void UpdateAndDraw();

    int32_t Value() const { return FValue; }
    int32_t Displayed() const { return FDisplayed; }
    bool CountingSound() const { return FCountingSound; }
    // The text of the shown amount, as drawn.
    const std::string& Text();

private:
    void ChangeValue(int32_t V);
    void RefreshText();

    int32_t FValue = 0;
    int32_t FDisplayed = 0;
    int32_t FStepPause = 0;
    bool FCountingSound = false;
    int32_t FSound = 0;
    int32_t FFrameCounter = 0;
    std::string FText;
    int32_t FTextAmount = 0;
    TJackpotKind FTextKind = jkMoney;
    TSettingLoaderLanguage FTextLanguage = laUS;
    bool FTextValid = false;
};
