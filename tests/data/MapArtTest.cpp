// Checks the map, level-selection and garden art where the game's hit boxes and
// placements depend on its shapes: each island covers the rectangles that select it,
// a level dot's disc sits on its hit box at every size, the best time's colon fits the
// gap before the seconds, the garden shortcut's panel leaves its button showing, the
// land of the level selection leaves the sky to the clouds, and every garden object the
// plant announcer shows is centred where the announcer centres it.
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

// The box round the pixels of a W x H part at (X0, Y0) at least MinAlpha opaque.
struct TBox {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
    bool Empty() const { return Right < Left; }
    double CentreX() const { return (Left + Right + 1) / 2.0; }
    double CentreY() const { return (Top + Bottom + 1) / 2.0; }
};

TBox OpaqueBox(const TPicture& P, int X0, int Y0, int W, int H, int MinAlpha) {
    TBox box;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (Alpha(P, X0 + x, Y0 + y) >= MinAlpha) {
                box.Left = std::min(box.Left, x);
                box.Right = std::max(box.Right, x);
                box.Top = std::min(box.Top, y);
                box.Bottom = std::max(box.Bottom, y);
            }
    return box;
}

// The map lifts every island, name and hit rectangle by this much.
constexpr int MapShiftY = -65;

}  // namespace

// A click selects an island inside either of its rectangles, so the island must be seen
// there: the land covers most of the first rectangle (an island is not a rectangle) and
// its middle, and the name, even at the small scale of an unselected island, lies over
// the middle of the second one.
TEST(MapArt, IslandsAndTheirNamesCoverTheRectanglesThatSelectThem) {
    struct TIsland {
        int X, Y;                  // the island's picture
        int L1, T1, R1, B1;        // its first hit rectangle, inclusive
        int NameX, NameY;          // its name's place
        int L2, T2, R2, B2;        // the second hit rectangle
    };
    const TIsland islands[] = {
        {152, 407, 168, 417, 334, 567, 300, 546, 317, 555, 391, 588},
        {55, 262, 61, 263, 247, 400, 83, 402, 82, 401, 159, 444},
        {321, 254, 336, 251, 483, 366, 345, 342, 375, 350, 437, 383},
        {488, 416, 497, 425, 659, 547, 537, 538, 562, 541, 637, 583},
        {558, 173, 581, 192, 743, 395, 606, 375, 621, 384, 698, 416},
        {338, 391, 348, 392, 471, 467, 354, 459, 383, 468, 447, 502},
    };
    const TPicture names = Load("IslandNames");
    ASSERT_FALSE(names.Empty());
    const int nameW = names.Width, nameH = names.Height / 6;
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE("island " + std::to_string(n));
        const TIsland& k = islands[n - 1];
        const TPicture island = Load("MapIsland" + std::to_string(n));
        ASSERT_FALSE(island.Empty());
        const int px = k.X, py = k.Y + MapShiftY;
        int covered = 0, pixels = 0;
        for (int y = k.T1 + MapShiftY; y <= k.B1 + MapShiftY; ++y)
            for (int x = k.L1; x <= k.R1; ++x, ++pixels)
                if (Alpha(island, x - px, y - py) >= 128) ++covered;
        EXPECT_GE(covered * 100, pixels * 80) << covered << " of " << pixels << " pixels of the rectangle";
        const int midX = (k.L1 + k.R1) / 2, midY = (k.T1 + k.B1) / 2 + MapShiftY;
        EXPECT_EQ(Alpha(island, midX - px, midY - py), 255) << "the rectangle's middle";

        // The name is drawn at its place + (-7, -4) and scaled about its middle, down to 0.83.
        const TBox box = OpaqueBox(names, 0, (n - 1) * nameH, nameW, nameH, 128);
        ASSERT_FALSE(box.Empty());
        const double scale = 0.83, cx = nameW / 2.0, cy = nameH / 2.0;
        const double left = k.NameX - 7 + cx + (box.Left - cx) * scale;
        const double right = k.NameX - 7 + cx + (box.Right + 1 - cx) * scale;
        const double top = k.NameY - 4 + MapShiftY + cy + (box.Top - cy) * scale;
        const double bottom = k.NameY - 4 + MapShiftY + cy + (box.Bottom + 1 - cy) * scale;
        const double rectX = (k.L2 + k.R2) / 2.0, rectY = (k.T2 + k.B2) / 2.0 + MapShiftY;
        EXPECT_TRUE(left <= rectX && rectX <= right && top <= rectY && rectY <= bottom)
            << "the name's lettering (" << left << ", " << top << ")-(" << right << ", " << bottom
            << ") misses the middle of its rectangle (" << rectX << ", " << rectY << ")";
    }
}

// A dot is drawn at its point - (17, 17) and scaled about its middle, and hit at its
// point .. point + 39: the disc must be centred in its pattern, and at the standard
// size (0.7) about as wide as the hit box, so that what the player sees is what he hits.
TEST(LevelSelectionArt, DotsSitOnTheirHitBoxes) {
    const TPicture dots = Load("LevelDot");
    ASSERT_EQ(dots.Width, 3 * 74);
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE("pattern " + std::to_string(p));
        const TBox box = OpaqueBox(dots, p * 74, 0, 74, 74, 128);  // the solid part, not the soft shadow
        ASSERT_FALSE(box.Empty());
        EXPECT_NEAR(box.CentreX(), 37.0, 2.0);
        EXPECT_NEAR(box.CentreY(), 37.0, 2.0);
        if (p < 2) {
            EXPECT_NEAR((box.Right + 1 - box.Left) * 0.7, 39.0, 4.0) << "the disc's width at the standard size";
        }
    }
}

// The minutes' digits end at + 257, the colon's cell starts at + 258 and the seconds at
// + 263: a colon centred in its 10-px cell would sit under the seconds' first digit.
TEST(LevelSelectionArt, TheBestTimesColonFitsTheGapBeforeTheSeconds) {
    const TPicture digits = Load("LevelSelTimeScore");
    ASSERT_EQ(digits.Width, 11 * 10);
    const TBox colon = OpaqueBox(digits, 100, 0, 10, digits.Height, 128);
    ASSERT_FALSE(colon.Empty());
    EXPECT_LE(colon.Right, 5) << "the colon reaches into the seconds";
    for (int d = 0; d < 10; ++d)
        EXPECT_FALSE(OpaqueBox(digits, d * 10, 0, 10, digits.Height, 128).Empty()) << "digit " << d;
}

// The shortcut's panel is drawn over its button (at + (17, 6)), so it must leave the
// button's body open and be solid round it.
TEST(LevelSelectionArt, TheShortcutPanelLeavesItsButtonShowing) {
    const TPicture panel = Load("MirelsShortcutPanel"), button = Load("MirelsShortcutButton");
    ASSERT_FALSE(panel.Empty());
    ASSERT_FALSE(button.Empty());
    const int buttonH = button.Height / 3;
    int covered = 0, bodyPixels = 0;
    for (int y = 0; y < buttonH; ++y)
        for (int x = 0; x < button.Width; ++x) {
            if (Alpha(button, x, y) < 255) continue;
            ++bodyPixels;
            if (Alpha(panel, 17 + x, 6 + y) > 64) ++covered;
        }
    EXPECT_GT(bodyPixels, button.Width * buttonH / 2);
    EXPECT_LT(covered, bodyPixels / 20) << covered << " of the button's " << bodyPixels << " pixels hidden";
    EXPECT_EQ(Alpha(panel, 17 + button.Width / 2, 6 + buttonH + 4), 255) << "below the hole";
    EXPECT_EQ(Alpha(panel, 8, 30), 255) << "left of the hole";
}

// The clouds drift between the level selection's picture and its land: the land must
// leave the sky open and cover the meadow and the ground where Mirel stands.
TEST(LevelSelectionArt, TheLandOverTheCloudsLeavesTheSkyOpen) {
    const TPicture land = Load("LevelSelBGTop");
    ASSERT_EQ(land.Width, 800);
    for (const int x : {60, 400, 740}) {
        EXPECT_EQ(Alpha(land, x, 60), 0) << "sky at x " << x;
        EXPECT_EQ(Alpha(land, x, 400), 255) << "meadow at x " << x;
        EXPECT_EQ(Alpha(land, x, 590), 255) << "ground at x " << x;
    }
}

// The plant announcer draws an item's picture at (ix, iy) of its panel, meaning it to
// be centred near (247, 210): a picture drawn off its middle, or sized otherwise, would
// sit beside the title and the name. Items not drawn yet are skipped; the butterflies
// and the castle flag are animation strips sized by their frames.
TEST(GardenArt, ThePlantAnnouncerCentresEachItemItShows) {
    struct TItem {
        const char* Image;
        int IX, IY;
    };
    const TItem items[] = {
        {"MirelsPineTree1", 182, 138},    {"MirelsPalmTree1", 185, 123},    {"MirelsSakuraTree2", 157, 125},
        {"MirelsAppleTree1", 156, 128},   {"MirelsBigTree2", 151, 95},      {"MirelsBerryBush1", 188, 184},
        {"MirelsYellowBush2", 170, 185},  {"MirelsFacedOakTree", 145, 69},  {"MirelsStandingRoot2", 211, 75},
        {"MirelsZigzagTree1", 127, 111},  {"MirelsRedFlowers", 120, 178},   {"MirelsPinkFurballs", 162, 152},
        {"MirelsSpottedRoot2", 120, 127}, {"MirelsBonsai1", 176, 163},      {"MirelsMushroom1", 197, 174},
        {"MirelsBalloonCactus", 184, 131}, {"MirelsSunFlowers", 57, 167},   {"MirelsCastleBase", 160, 151},
        {"MirelsCastleRoof", 185, 171},   {"MirelsBridgePath", 145, 79},    {"MirelsCastleTower2", 179, 159},
        {"MirelsCastleLogo", 219, 189},   {"MirelsStone1", 161, 191},       {"MirelsPond", 159, 153},
        {"MirelsRainbow", 0, 43},         {"MirelsSmallFairy", 190, 161},
    };
    int checked = 0;
    for (const auto& item : items) {
        TPicture picture;
        if (!LoadPicture(Images + item.Image + ".png", picture)) continue;
        SCOPED_TRACE(item.Image);
        ++checked;
        const TBox box = OpaqueBox(picture, 0, 0, picture.Width, picture.Height, 128);
        ASSERT_FALSE(box.Empty());
        EXPECT_NEAR(item.IX + box.CentreX(), 247.0, 10.0);
        EXPECT_NEAR(item.IY + box.CentreY(), 210.0, 10.0);
    }
    EXPECT_GE(checked, 8) << "the garden objects of the level selection are drawn";
}
