// Checks the tools' art where the game's placing depends on it: a tool in hand is drawn
// with its working point under the pointer and flies home to the wall, where the wall's
// picture takes over, and the wall's pictures must cover the areas a click picks them
// up in.
#include "PictureClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string Images = std::string(QUELLOW_GAME_DIR) + "/Images/";

TPicture Load(const std::string& Name) {
    TPicture picture;
    EXPECT_TRUE(LoadPicture(Images + Name + ".png", picture)) << Name << " not drawn";
    return picture;
}

int Alpha(const TPicture& P, int X, int Y) { return static_cast<int>(P.PixelRGBA(X, Y) & 0xFF); }

struct TTool {
    const char* Image;
    int Frames;
    int WorkX, WorkY;  // the pointer's place in the pattern (minus the pointer adjustment)
    int HangX, HangY;  // where the wall hangs it on the left panel
    struct { int L, T, R, B; } Areas[3];  // where a click picks it up (screen, inclusive)
};

const TTool Tools[] = {
    {"MagicKey", 3, 1, 10, 32, 192, {{30, 191, 90, 218}, {56, 218, 90, 235}, {0, 0, -1, -1}}},
    {"Broom", 4, 3, 38, 27, 227, {{26, 228, 52, 271}, {52, 241, 64, 273}, {64, 247, 90, 282}}},
    {"Aerosol", 6, 16, 8, 26, 278, {{27, 285, 85, 322}, {39, 305, 79, 341}, {0, 0, -1, -1}}},
};

constexpr int WallPattern = 64;

}  // namespace

// A tool flying home is drawn as its first frame until it arrives, then the wall draws
// it: the two pictures must be the same at the same corner, or the tool jumps.
TEST(ToolArt, AToolLandsOnTheWallExactlyAsItFliesHome) {
    const TPicture wall = Load("ToolsWall");
    ASSERT_EQ(wall.Width, 3 * WallPattern);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(Tools[i].Image);
        const TPicture hand = Load(Tools[i].Image);
        const int w = hand.Width / Tools[i].Frames;
        ASSERT_GE(w, WallPattern);
        ASSERT_GE(hand.Height, WallPattern);
        int differing = 0, outside = 0;
        for (int y = 0; y < hand.Height; ++y)
            for (int x = 0; x < w; ++x) {
                if (x >= WallPattern || y >= WallPattern) outside += Alpha(hand, x, y) > 8;
                else differing += hand.PixelRGBA(x, y) != wall.PixelRGBA(i * WallPattern + x, y);
            }
        EXPECT_EQ(differing, 0) << "pixels of the wall's tool that differ from the tool in hand";
        EXPECT_EQ(outside, 0) << "pixels of the tool in hand beyond the wall's pattern";
    }
}

// The game draws a tool in hand so that the pointer falls on its working point: the
// key's tip, the straw's lower end, the nozzle. Every frame must keep something solid
// there, or the tool seems to work beside the pointer.
TEST(ToolArt, EveryFrameOfAToolInHandHasItsWorkingPointUnderThePointer) {
    for (const auto& t : Tools) {
        SCOPED_TRACE(t.Image);
        const TPicture hand = Load(t.Image);
        const int w = hand.Width / t.Frames;
        for (int f = 0; f < t.Frames; ++f) {
            int best = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const int x = t.WorkX + dx, y = t.WorkY + dy;
                    if (x >= 0 && y >= 0 && x < w && y < hand.Height) best = std::max(best, Alpha(hand, f * w + x, y));
                }
            EXPECT_GE(best, 200) << "frame " << f;
        }
    }
}

// A click on any of a tool's wall areas picks it up: each area shows a good part of the
// tool (a broom's stick is thin), in every row of the wall (hanging, lit, none left).
TEST(ToolArt, TheWallsToolsCoverTheAreasThatPickThemUp) {
    const TPicture wall = Load("ToolsWall");
    for (int i = 0; i < 3; ++i) {
        const auto& t = Tools[i];
        for (int row = 0; row < 3; ++row)
            for (const auto& a : t.Areas) {
                if (a.R < a.L) continue;
                SCOPED_TRACE(std::string(t.Image) + " row " + std::to_string(row) + " area at " +
                             std::to_string(a.L) + "," + std::to_string(a.T));
                int solid = 0, all = 0;
                for (int y = a.T; y <= a.B; ++y)
                    for (int x = a.L; x <= a.R; ++x) {
                        const int px = x - t.HangX, py = y - t.HangY;
                        ++all;
                        if (px >= 0 && py >= 0 && px < WallPattern && py < WallPattern)
                            solid += Alpha(wall, i * WallPattern + px, row * WallPattern + py) >= 128;
                    }
                EXPECT_GE(solid * 100, all * 15) << solid << " of " << all << " pixels show the tool";
            }
    }
}
