// Checks the bonus stage's art where the game's placing and hit tests depend on it: a
// ladybug's pattern is its click box, what it carries hangs right under its feet, the
// stopwatch's hand turns on the dial's centre and its digits fit the plate's window, and
// the result's captions stand level with the figures written beside them.
#include "PictureClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string Images = std::string(QUELLOW_GAME_DIR) + "/Images/BonusStage/";

TPicture Load(const std::string& Name) {
    TPicture picture;
    EXPECT_TRUE(LoadPicture(Images + Name + ".png", picture)) << Name << " not drawn";
    return picture;
}

int Alpha(const TPicture& P, int X, int Y) { return static_cast<int>(P.PixelRGBA(X, Y) & 0xFF); }

bool AnySolid(const TPicture& P, int L, int T, int R, int B) {
    for (int y = T; y <= B; ++y)
        for (int x = L; x <= R; ++x)
            if (Alpha(P, x, y) >= 128) return true;
    return false;
}

}  // namespace

// A click counts when it falls in a ladybug's pattern, so the ladybug fills it: over its
// flight it reaches every side of the pattern (no empty margin that would count clicks
// beside it), and every frame keeps the body on the same spot (the box does not move).
TEST(BonusArt, ALadybugFillsTheBoxItIsClickedIn) {
    for (const char* name : {"LadyBug", "SpecialLadyBug"}) {
        SCOPED_TRACE(name);
        const TPicture bugs = Load(name);
        const int w = bugs.Width / 10, h = bugs.Height / 3;
        int left = w, top = h, right = -1, bottom = -1;
        for (int p = 0; p < 30; ++p) {
            const int x0 = (p % 10) * w, y0 = (p / 10) * h;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (Alpha(bugs, x0 + x, y0 + y) >= 128) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            EXPECT_TRUE(AnySolid(bugs, x0 + w / 2 - 2, y0 + h / 2 - 8, x0 + w / 2 + 2, y0 + h / 2 - 4)) << "frame " << p;
        }
        EXPECT_LE(left, 3);
        EXPECT_LE(top, 3);
        EXPECT_GE(right, w - 1 - 4);
        EXPECT_GE(bottom, h - 1 - 2) << "the legs dangle to the bottom edge";
    }
    const TPicture bug = Load("LadyBug"), hit = Load("LadyBugHit");
    EXPECT_EQ(hit.Width / 10, bug.Width / 10);
    EXPECT_EQ(hit.Height, bug.Height / 3);
}

// The game hangs a bag at the ladybug + (10, 51), a key at + (12, 63), a broom at + (2, 52)
// and an aerosol at + (12, 57): each one's thread starts at the top of its pattern right
// under the ladybug's feet.
TEST(BonusArt, WhatALadybugCarriesHangsUnderItsFeet) {
    const TPicture icons = Load("BonusAnimalBonus"), bug = Load("LadyBug");
    const int w = icons.Width / 4, bh = bug.Height / 3;
    const int offsets[4] = {10, 12, 2, 12};
    // Where the ladybug's feet are: the solid pixels of its lowest rows, over its flight.
    int feetLeft = 1 << 30, feetRight = -1;
    for (int p = 0; p < 30; ++p)
        for (int x = 0; x < bug.Width / 10; ++x)
            if (Alpha(bug, (p % 10) * (bug.Width / 10) + x, (p / 10) * bh + bh - 2) >= 128) {
                feetLeft = std::min(feetLeft, x);
                feetRight = std::max(feetRight, x);
            }
    ASSERT_LE(feetLeft, feetRight);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE("icon " + std::to_string(i));
        int thread = -1;
        for (int x = 0; x < w && thread < 0; ++x)
            if (Alpha(icons, i * w + x, 0) >= 128) thread = x;
        ASSERT_GE(thread, 0) << "no thread at the top of the pattern";
        EXPECT_GE(offsets[i] + thread, feetLeft);
        EXPECT_LE(offsets[i] + thread, feetRight);
    }
}

// The watch is drawn at (400, 5) and its hand at + (39, 15), turned about its pivot
// (4, 24): the pivot's cap must be on the dial's centre, the watch's own turning point
// (43, 39). The seconds' two digits, 1 px apart from + (26, 103), fit the plate's window.
TEST(BonusArt, TheStopwatchsHandTurnsOnTheDialAndItsDigitsFitTheWindow) {
    const TPicture clock = Load("BonusStageClock"), hand = Load("BonusStageClockArrow"), digits = Load("BonusStageDigit");
    ASSERT_EQ(clock.Width, 89);
    ASSERT_EQ(clock.Height, 143);
    int capLeft = 99, capRight = -1;
    for (int x = 0; x < hand.Width; ++x)
        if (Alpha(hand, x, 24) >= 128) {
            capLeft = std::min(capLeft, x);
            capRight = std::max(capRight, x);
        }
    EXPECT_NEAR((capLeft + capRight + 1) / 2.0, 4.5, 1.0) << "the hand's cap is not round its pivot";
    EXPECT_GE(Alpha(hand, 4, 2), 128) << "the hand's tip points up from its pivot";
    const int dw = digits.Width / 10, dh = digits.Height;
    EXPECT_LE(26 + 2 * dw + 1, 64) << "two digits run past the window";
    EXPECT_LE(103 + dh, 128);
    // The window is dark, so that the gold digits read on it.
    long luminance = 0, count = 0;
    for (int y = 105; y <= 125; ++y)
        for (int x = 28; x <= 61; ++x) {
            const uint32_t c = clock.PixelRGBA(x, y);
            luminance += ((c >> 24) & 0xFF) + ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF);
            ++count;
        }
    EXPECT_LT(luminance / count, 3 * 80);
}

// The bonus result's captions are drawn at the window + (42, 87) and the figures at
// + (220, 164), 33 px apart: each caption stands in its row, and none reaches the figures.
TEST(BonusArt, TheResultsCaptionsStandLevelWithTheirFigures) {
    const TPicture caps = Load("BonusStageResultCaps");
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const int top = 164 + 33 * row - 87;  // the figure's top, in the caption image
        EXPECT_TRUE(AnySolid(caps, 0, top + 3, 120, top + 12)) << "no caption beside the figure";
        EXPECT_FALSE(AnySolid(caps, 0, top + 20, 120, top + 26)) << "the caption spills into the gap below";
        EXPECT_FALSE(AnySolid(caps, 220 - 42 - 4, top - 2, caps.Width - 1, std::min(caps.Height - 1, top + 18)))
            << "the caption runs into the figures";
    }
}
