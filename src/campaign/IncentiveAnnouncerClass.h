// The window that presents a new feature before a level of the first island:
// it slides down over the darkened screen with its title, two lines telling
// the player what comes, the feature's icon and its name, and an OK button
// that slides it out again. Its owner darkens the screen on its events and
// starts the level's objective announcement once it has slid out.
#pragma once

#include <cstdint>
#include <string>

#include "InfoWindowAnnouncerClass.h"

// The number of incentives; incentive n's name is NewItems line 4 + n.
constexpr int32_t IncentiveCount = 9;

class TIncentiveAnnouncer : public TInfoWindowAnnouncer {
public:
    static constexpr int32_t ShownLeft = 271;
    static constexpr int32_t ShownTop = 130;
    // Offsets from the window's top-left; texts are centred in their field.
    static constexpr TPoint IconOffset{117, 93};
    static constexpr int32_t TitleLeft = 82;
    static constexpr int32_t TitleWidth = 166;
    static constexpr int32_t TitleTop = 14;
    static constexpr int32_t LinesLeft = 55;
    static constexpr int32_t LinesWidth = 226;
    static constexpr int32_t LineTops[2] = {60, 80};
    static constexpr int32_t NameLeft = 56;
    static constexpr int32_t NameWidth = 226;
    static constexpr int32_t NameTop = 202;

    TIncentiveAnnouncer() : TInfoWindowAnnouncer(ShownLeft, ShownTop) {}

    // Prepares the texts of incentive Number (1..9) and slides the window in
    // (from the top again if it was open). False for any other number: nothing opens.
    bool Announce(int32_t Number);
    int32_t Number() const { return FNumber; }

private:
    void DrawContents() override;

    int32_t FNumber = 0;
};
