// The bonus stage's stopwatch at the top of the screen and its countdown: the
// stage lasts Time seconds of unpaused frames, the seconds left show in the
// dial, and the hand jumps once a second to make one full turn over the stage.
// The watch swings gently and fades in when the stage starts and out at its end.
// OnTimeUp comes once, on the frame the time runs out.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

class TBonusStageTimer : public TObject {
public:
    enum TFade : uint8_t { fdNone, fdIn, fdOut };

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t DigitAdjustX = 26;
    int32_t DigitAdjustY = 103;
    int32_t DigitWidth = 47;  // the digit image's pattern width once it is loaded (TakeDigitWidth)
    int32_t ArrowAdjustX = 39;
    int32_t ArrowAdjustY = 15;
    int32_t Time = 61;  // seconds
    int32_t AlphaStep = 10;
    TNotifyEvent OnTimeUp;

    TBonusStageTimer();

    // Paused, the whole time left, invisible, hand at the top.
    void ResetClock();
    // The countdown runs and the watch fades in.
    void StartClock();
    // The round's pause holds the countdown (the watch still swings and fades).
    void SetClockPaused(bool Paused) { FPaused = Paused; }
    void FadeOutClock() { FFade = fdOut; }
    // DigitWidth from the digit image, when it is loaded.
    void TakeDigitWidth();
    // One frame: fade, swing, countdown, then the watch, its hand and the seconds.
    void UpdateAndDraw();

    int32_t RemainingMiliSecs() const { return FRemaining; }
    bool Paused() const { return FPaused; }
    bool TimeIsUp() const { return FTimeUpRaised; }
    int32_t Alpha() const { return FAlpha; }
    TFade Fade() const { return FFade; }
    // The seconds the dial shows, two digits ("60" .. "00").
    const char* ShownText() const { return FShownText; }
    double TargetAngle() const { return FTargetAngle; }
    double CurrentAngle() const { return FCurrentAngle; }
    float Swing() const { return FSwing.Value; }

private:
    void Draw();

    int32_t FRemaining = 61000;
    bool FPaused = true;
    bool FTimeUpRaised = false;
    TFade FFade = fdNone;
    int32_t FAlpha = 0;
    char FText[12] = "00";
    char FShownText[12] = "00";
    double FTargetAngle = 0.0;
    double FCurrentAngle = 0.0;
    TValueUpDown FSwing;
};
