// The frame timer that drives the game: each tick is one game frame, produced
// at most TargetFPS times a second. A late frame never causes catch-up ticks,
// and time beyond 1/MinFPS of a second is not counted, so a slow machine runs
// the game slower rather than jumpier. The message loop asks how long it may
// sleep before the next tick is due, so waiting never spins a processor core.
#pragma once

#include <cstdint>
#include <functional>

#include "GameTypesClass.h"

class TOmegaTimer : public TObject {
public:
    // A clock: the current count of ticks of a counter running at a fixed frequency.
    using TClock = std::function<uint64_t()>;

    // Uses SDL's high-resolution counter.
    TOmegaTimer();

    // Replaces the clock (tests); Frequency is its ticks per second (at least 1).
    void SetClock(TClock Now, uint64_t Frequency);
    uint64_t Frequency() const { return FFrequency; }

    // Switching on restarts the measurement from now.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Wanted frames per second; 0 or less means as often as possible.
    int32_t TargetFPS() const { return FTargetFPS; }
    void SetTargetFPS(int32_t Value);
    // Slowest rate for which elapsed time still counts in full.
    int32_t MinFPS() const { return FMinFPS; }
    void SetMinFPS(int32_t Value);
    // Fastest rate allowed; 0 switches the limit off.
    int32_t MaxFPS() const { return FMaxFPS; }
    void SetMaxFPS(int32_t Value);
    // Consecutive slow frames before the low-rate warning.
    int32_t FPSWarningFrames = 10;
    // Ticks from a fixed-interval timer instead of the idle loop: every run ticks.
    bool LossyMode() const { return FLossyMode; }
    void SetLossyMode(bool Value) { FLossyMode = Value; }

    // Called once per tick: one game frame.
    TNotifyEvent OnTimer;

    // One run of the tick routine: calls OnTimer when a frame is due.
    void Tick();
    // How long the message loop may sleep before the next tick is due: 0 when
    // it is due now, -1 when no tick will come (disabled or no handler).
    int32_t MillisecondsUntilNextTick() const;

    // Elapsed time of the last tick, in target frames and in seconds.
    float DeltaFrames() const { return FDeltaFrames; }
    float DeltaSeconds() const { return FDeltaSeconds; }
    // Ticks counted in the last whole second.
    int32_t FrameRate() const { return FFrameRate; }
    bool LowFrameRateWarning() const { return FLowRateWarning; }

private:
    uint64_t Now() const { return FClock(); }
    void RestartMeasurement();
    void Fire(uint64_t NowTicks, uint64_t Elapsed, bool DeltaInFrames);
    uint64_t TicksPerFrameAt(int32_t Rate) const;

    TClock FClock;
    uint64_t FFrequency = 1000;
    bool FEnabled = false;
    int32_t FTargetFPS = 0;
    int32_t FMinFPS = 10;
    int32_t FMaxFPS = 120;
    bool FLossyMode = false;
    uint64_t FLastTick = 0;
    uint64_t FWindowStart = 0;
    int32_t FFramesCounted = 0;
    int32_t FFrameRate = 0;
    uint64_t FTicksPerTarget = 0;
    uint64_t FTicksPerMin = 0;
    uint64_t FTicksPerMax = 0;
    float FDeltaFrames = 0.0f;
    float FDeltaSeconds = 0.0f;
    int32_t FSlowFrames = 0;
    bool FLowRateWarning = false;
};
