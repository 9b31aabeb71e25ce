#include "SpritePopperClass.h"

#include "GeneralRoutinesClass.h"

void TSpritePopper::Reset() {
    FPhase = ppIdle;
    FRatio = 1.0;
    FDelay = 0;
    FWaited = 0;
    FBegun = false;
}

void TSpritePopper::Pop() {
    FPhase = ppRising;
    FBegun = true;
}

void TSpritePopper::DelayedPop(int32_t DelayMs) {
    FPhase = ppWaiting;
    FRatio = 1.0;
    FDelay = DelayMs;
    FWaited = 0;
    FBegun = false;
}

void TSpritePopper::Update() {
    if (FPhase == ppWaiting) {
        FWaited += FrameStep;
        if (FWaited < FDelay) return;
        Pop();
        if (OnDelayedPopHappens) OnDelayedPopHappens(this);
    }
    Step();
}

void TSpritePopper::Step() {
    if (FPhase == ppRising) {
        FRatio += UpStep;
        if (FRatio >= MaxRatio) {
            FRatio = MaxRatio;
            FPhase = ppFalling;
        }
    } else if (FPhase == ppFalling) {
        FRatio -= DownStep;
        if (FRatio <= 1.0) {
            FRatio = 1.0;
            FPhase = ppIdle;
        }
    }
}
