// A pop-up size for sprites that want to catch the eye: a scale of 1 that, once
// popped, swells by UpStep a frame to MaxRatio and shrinks by DownStep back to 1.
// A pop can wait for a delay first; the popper says when its pop has begun, so
// its owner can, say, show a piece in full only from then on.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TSpritePopper : public TObject {
public:
    double MaxRatio = 1.2;
    double UpStep = 0.01;
    double DownStep = 0.01;
    // A delayed pop has begun.
    TNotifyEvent OnDelayedPopHappens;

    // Back to scale 1 with no pop waiting or running.
    void Reset();
    // Starts swelling at once (the next Update takes the first step).
    void Pop();
    // Starts swelling once DelayMs of game time have passed; the update that
    // ends the wait takes the first step and raises OnDelayedPopHappens.
    void DelayedPop(int32_t DelayMs);
    // One frame.
    void Update();

    double Ratio() const { return FRatio; }
    // The pop is under way or over (false while it waits, or when none was asked for).
    bool PopBegun() const { return FBegun; }
    // Swelling or shrinking.
    bool Popping() const { return FPhase == ppRising || FPhase == ppFalling; }
    bool Waiting() const { return FPhase == ppWaiting; }

private:
    enum TPhase : uint8_t { ppIdle, ppWaiting, ppRising, ppFalling };
    void Step();

    TPhase FPhase = ppIdle;
    double FRatio = 1.0;
    int32_t FDelay = 0;
    int32_t FWaited = 0;
    bool FBegun = false;
};
