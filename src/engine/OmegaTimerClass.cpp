#include "OmegaTimerClass.h"

#include <SDL.h>

#include <algorithm>

TOmegaTimer::TOmegaTimer() {
    // SDL's counter needs no initialisation of SDL itself.
    SetClock([] { return static_cast<uint64_t>(SDL_GetPerformanceCounter()); },
             static_cast<uint64_t>(SDL_GetPerformanceFrequency()));
}

void TOmegaTimer::SetClock(TClock NowFunction, uint64_t NewFrequency) {
    FClock = std::move(NowFunction);
    FFrequency = std::max<uint64_t>(NewFrequency, 1);
    // The frame lengths are counted in the clock's ticks.
    if (FTargetFPS > 0) FTicksPerTarget = TicksPerFrameAt(FTargetFPS);
    FTicksPerMin = TicksPerFrameAt(FMinFPS > 0 ? FMinFPS : 10);
    FTicksPerMax = TicksPerFrameAt(FMaxFPS > 0 ? FMaxFPS : 120);
    RestartMeasurement();
}

uint64_t TOmegaTimer::TicksPerFrameAt(int32_t Rate) const {
    return Rate > 0 ? FFrequency / static_cast<uint64_t>(Rate) : 0;
}

void TOmegaTimer::RestartMeasurement() {
    const uint64_t NowTicks = FClock ? Now() : 0;
    FLastTick = NowTicks;
    FWindowStart = NowTicks;
    FFramesCounted = 0;
    FFrameRate = 0;
}

void TOmegaTimer::SetEnabled(bool Value) {
    if (Value && !FEnabled) RestartMeasurement();
    FEnabled = Value;
}

void TOmegaTimer::SetTargetFPS(int32_t Value) {
    FTargetFPS = Value;
    if (Value > 0) FTicksPerTarget = TicksPerFrameAt(Value);
}

void TOmegaTimer::SetMinFPS(int32_t Value) {
    FMinFPS = Value;
    if (Value > 0) FTicksPerMin = TicksPerFrameAt(Value);
}

void TOmegaTimer::SetMaxFPS(int32_t Value) {
    FMaxFPS = Value;
    if (Value > 0) FTicksPerMax = TicksPerFrameAt(Value);
}

void TOmegaTimer::Fire(uint64_t NowTicks, uint64_t Elapsed, bool DeltaInFrames) {
    const double Seconds = static_cast<double>(Elapsed) / static_cast<double>(FFrequency);
    FDeltaSeconds = static_cast<float>(Seconds);
    FDeltaFrames = DeltaInFrames && FTicksPerTarget > 0
                       ? static_cast<float>(static_cast<double>(Elapsed) / static_cast<double>(FTicksPerTarget))
                       : static_cast<float>(Seconds);
    OnTimer(this);
    FLastTick = NowTicks;
    ++FFramesCounted;
}

void TOmegaTimer::Tick() {
    // Without a handler no tick source is installed at all.
    if (!FEnabled || !OnTimer) return;
    const uint64_t NowTicks = Now();
    if (NowTicks >= FWindowStart && NowTicks - FWindowStart >= FFrequency) {
        FFrameRate = FFramesCounted;
        FFramesCounted = 0;
        FWindowStart = NowTicks;
    }
    uint64_t Elapsed = NowTicks >= FLastTick ? NowTicks - FLastTick : 0;

    if (FLossyMode) {
        // The fixed-interval timer runs only with a target rate.
        if (FTargetFPS > 0) Fire(NowTicks, Elapsed, true);
        return;
    }

    // Time beyond one frame at the slowest counted rate is dropped.
    if (FMinFPS > 0 && Elapsed > FTicksPerMin) {
        Elapsed = FTicksPerMin;
        ++FSlowFrames;
        if (FSlowFrames >= FPSWarningFrames) {
            FLowRateWarning = true;
            FSlowFrames = FPSWarningFrames - 1;
        }
    } else {
        FLowRateWarning = false;
        FSlowFrames = 0;
    }
    if (FMaxFPS > 0 && Elapsed < FTicksPerMax) return;
    if (FTargetFPS > 0) {
        if (Elapsed < FTicksPerTarget) return;
        Fire(NowTicks, Elapsed, true);
    } else {
        Fire(NowTicks, Elapsed, false);
    }
}

int32_t TOmegaTimer::MillisecondsUntilNextTick() const {
    if (!FEnabled || !OnTimer) return -1;
    uint64_t Due = 0;  // ticks after the last tick when the next one may come
    if (FLossyMode) {
        if (FTargetFPS <= 0) return -1;
        Due = static_cast<uint64_t>(1000 / FTargetFPS) * FFrequency / 1000;
    } else {
        if (FTargetFPS > 0) Due = FTicksPerTarget;
        if (FMaxFPS > 0) Due = std::max(Due, FTicksPerMax);
    }
    const uint64_t NowTicks = Now();
    const uint64_t Elapsed = NowTicks >= FLastTick ? NowTicks - FLastTick : 0;
    if (Elapsed >= Due) return 0;
    // Rounded up, so that the loop wakes when the tick is due, not just before it.
    const uint64_t Remaining = Due - Elapsed;
    const uint64_t Milliseconds = (Remaining * 1000 + FFrequency - 1) / FFrequency;
    return static_cast<int32_t>(std::min<uint64_t>(Milliseconds, 1000000));
}
