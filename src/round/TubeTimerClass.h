// The round timer: a tube at the screen's right edge whose energy column drains
// from the top as the level's time runs. At level start it slides in, fills up
// and waits for the round to let it run; a few seconds before the end it warns,
// and at the end it tells the round that time is up. The monster can make it
// swallow seconds. In relaxed mode it counts the time (for the medal) but never
// runs out and is not drawn.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TTubeTimer : public TObject {
public:
    enum TPhase : uint8_t { tpHidden = 0, tpSlidingIn = 1, tpSlidingOut = 2, tpFillingUp = 3, tpRunning = 4 };

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;        // shown x
    int32_t HideLeft = 800;  // hidden x
    int32_t Top = 0;
    int32_t EnergyWidth = 24;   // from "TubeTimerEnergy" (InitImages)
    int32_t EnergyHeight = 332;
    int32_t MaxPixelProgress = 332;
    int32_t EnergyAdjustX = 23;
    int32_t EnergyAdjustY = 16;
    int32_t TubeAdjustX = 22;  // where the tube's inside starts, for the bubbles
    int32_t TubeAdjustY = 16;
    int32_t Time = 300;  // the level's time limit, seconds
    // Set by Play from the player's choice; a reset leaves it alone.
    TRelaxedMode RelaxedMode = rmNotInitialized;
    int32_t AbsorbedMiliSecsPerUpdate = 1500;
    int32_t AlmostTimeUpTimeLeft = 28;  // seconds
    // The clock runs only when the round lets it (sliding and filling go on regardless).
    bool Paused = true;
    int32_t MoveStep = 1;
    int32_t FillingUpStepFactor = 50;  // frames the fill-up takes
    TNotifyEvent OnAlmostTimeUp;
    TNotifyEvent OnTimeUp;

    TTubeTimer() { Reset(); }
    // The energy column's size from its image, when it is loaded.
    void InitImages();
    // Hidden, at the hidden place, stopped, no warning given, nothing being swallowed, paused.
    void Reset();
    // Level start: an empty gauge that slides in and then fills up.
    void Prepare();
    // Slides back out to the hidden place.
    void Hide();
    // The monster swallows Seconds: the clock jumps ahead by AbsorbedMiliSecsPerUpdate
    // each update until Seconds more have passed, never beyond the time limit.
    // Ignored in relaxed mode.
    void Absorb(int32_t Seconds);
    void UpdateAndDraw();

    TPhase Phase() const { return FPhase; }
    bool Running() const { return FRunning; }
    bool Absorbing() const { return FAbsorbing; }
    int32_t ElapsedMiliSecs() const { return FElapsedMs; }
    // The round's playing time (and the medal's), also in relaxed mode.
    int32_t ElapsedSeconds() const { return FElapsedSecs; }
    // Where the tube is (sliding included), and how far its energy has drained, as
    // the last frame worked them out (also when nothing was drawn).
    TPoint Position() const { return TPoint{FX, Top}; }
    int32_t DrainedPixels() const { return FDrainedPixels; }
    int32_t EnergyLeftPercent() const { return FEnergyLeftPercent; }

private:
    int32_t TimeLimitMs() const { return Time * 1000; }
    void Run();
    void Measure();
    void Draw() const;

    TPhase FPhase = tpHidden;
    int32_t FX = 800;
    int32_t FElapsedMs = 0;
    int32_t FElapsedSecs = 0;
    int32_t FFillUpStep = 0;
    bool FRunning = false;
    bool FAlmostTimeUpRaised = false;
    bool FAbsorbing = false;
    int32_t FAbsorbTarget = 0;
    int32_t FDrainedPixels = 0;
    int32_t FEnergyLeftPercent = 0;
};
