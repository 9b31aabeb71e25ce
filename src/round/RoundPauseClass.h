// Why a round's clocks stand still. The round timer (and the bonus stage's
// clock) run only while no reason is set: each overlay lifts only its own
// reason when it goes, so a menu opened under the objective announcement gives
// the clock back to the announcement rather than starting it.
#pragma once

#include <cstdint>

enum TRoundPauseReason : uint8_t {
    prAnnouncement,  // the objective announcement has not hidden yet
    prPlayer,        // the player paused (Space, or the in-game menu's pause)
    prMenu,          // the in-game menu or one of its windows is up
    prClearFreeze,   // the round is cleared or lost: its time is over
    prTrophyWindow,  // a trophy window shows over the round
    prIncentive      // an incentive window shows before the round
};

class TRoundPause {
public:
    void Set(TRoundPauseReason Reason, bool On) {
        const uint8_t Bit = static_cast<uint8_t>(1u << Reason);
        FReasons = On ? static_cast<uint8_t>(FReasons | Bit) : static_cast<uint8_t>(FReasons & ~Bit);
    }
    bool Has(TRoundPauseReason Reason) const { return (FReasons >> Reason) & 1u; }
    // Some reason holds the clocks.
    bool Any() const { return FReasons != 0; }
    void Clear() { FReasons = 0; }

private:
    uint8_t FReasons = 0;
};
