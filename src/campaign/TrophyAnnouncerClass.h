// The window that announces a newly earned trophy: it slides down over the
// darkened screen with its title, the trophy itself, the trophy's name and two
// lines saying what was achieved, and an OK button that slides it out again.
// Its owner plays the fanfare and darkens the screen on its events.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"
#include "InfoWindowAnnouncerClass.h"

// The trophy names are shared by some trophies (both gold-medal counts, the five
// islands' all-gold, both scores, both spider counts): the TrophyNames line of
// trophy 1..20, 0 for anything else.
int32_t TrophyNameLine(int32_t TrophyIdx);
// The NewTrophies line of row 1 or 2 of trophy 1..20's announcement (3t and
// 3t + 1); 0 for anything else.
int32_t TrophyAnnouncementLine(int32_t TrophyIdx, int32_t Row);

class TTrophyAnnouncer : public TInfoWindowAnnouncer {
public:
    static constexpr int32_t ShownLeft = 232;
    static constexpr int32_t ShownTop = 146;
    // Offsets from the window's top-left; texts are centred in their field.
    static constexpr TPoint TrophyOffset{104, 55};
    static constexpr int32_t TitleLeft = 82;
    static constexpr int32_t TitleWidth = 166;
    static constexpr int32_t TitleTop = 14;
    static constexpr int32_t TextLeft = 52;
    static constexpr int32_t TextWidth = 228;
    static constexpr int32_t NameTop = 179;
    static constexpr int32_t LineTops[2] = {197, 213};

    TTrophyAnnouncer() : TInfoWindowAnnouncer(ShownLeft, ShownTop) {}

    // Prepares the texts of trophy Kind and slides the window in (from the top
    // again if it was open). False for tkNone: nothing opens.
    bool Announce(TTrophyKind Kind);
    TTrophyKind Trophy() const { return FTrophy; }

private:
    void DrawContents() override;

    TTrophyKind FTrophy = tkNone;
};
