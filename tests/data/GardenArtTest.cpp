// Checks the empty garden against how the garden view draws it: the top layer, drawn
// over the clouds and over a garden picture, holds only the far ridge and meets the
// background without a seam, and the garden's objects and Mirel stand on the lawn.
#include "PictureClass.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const std::string Images = std::string(QUELLOW_GAME_DIR) + "/Images/";

TPicture Load(const std::string& Path) {
    TPicture picture;
    EXPECT_TRUE(LoadPicture(Images + Path, picture)) << Path << " not drawn";
    return picture;
}

int Channel(uint32_t RGBA, int Shift) { return static_cast<int>((RGBA >> Shift) & 0xFF); }

}  // namespace

TEST(GardenArt, TheTopLayerHoldsOnlyTheFarRidge) {
    const TPicture top = Load("MirelIslandBGTop.png");
    ASSERT_EQ(top.Width, 800);
    ASSERT_EQ(top.Height, 600);
    // Over a garden picture the layer covers the placed objects: apart from the tall
    // trees, whose tops are drawn again over it, every object's place starts at y 150 or
    // lower, and the standing root at (698, 80) stands right of x 690.
    int outside = 0, ridge = 0, topRow = 600;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            if (Channel(top.PixelRGBA(x, y), 0) <= 8) continue;
            if (y >= 150 || x >= 692) ++outside;
            ++ridge;
            if (y < topRow) topRow = y;
        }
    EXPECT_EQ(outside, 0) << "top-layer pixels over the garden's object places";
    EXPECT_GT(ridge, 30000) << "the ridge in front of the clouds is missing";
    EXPECT_GE(topRow, 68) << "the ridge reaches up into the clouds' sky";
}

TEST(GardenArt, TheTopLayerMeetsTheBackgroundWithoutASeam) {
    const TPicture top = Load("MirelIslandBGTop.png"), back = Load("LateLoad/MirelIslandBG.jpg");
    ASSERT_EQ(back.Width, 800);
    ASSERT_EQ(back.Height, 600);
    // Where the layer is solid it must be the background's own picture (within the
    // background's JPEG error), or drawing it over the clouds would show an edge.
    long total = 0;
    int solid = 0, far = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const uint32_t t = top.PixelRGBA(x, y);
            if (Channel(t, 0) < 255) continue;
            const uint32_t b = back.PixelRGBA(x, y);
            int d = 0;
            for (const int shift : {8, 16, 24}) d += std::abs(Channel(t, shift) - Channel(b, shift));
            total += d;
            ++solid;
            if (d > 60) ++far;
        }
    ASSERT_GT(solid, 0);
    EXPECT_LT(static_cast<double>(total) / solid, 9.0);
    EXPECT_LT(far, solid / 200) << far << " of " << solid << " solid pixels differ from the background";
}

TEST(GardenArt, TheObjectsAndMirelStandOnTheLawn) {
    const TPicture back = Load("LateLoad/MirelIslandBG.jpg");
    ASSERT_EQ(back.Width, 800);
    struct TPlace {
        const char* What;
        int X, Y;  // a point of the lawn the place must cover
    };
    // The places of the garden's low objects (a little inside their top-left corner)
    // and the point under Mirel's feet, as the garden view places her at (335, 484).
    const TPlace places[] = {
        {"apple tree 1", 281, 160},   {"sakura tree 1", 115, 181}, {"sakura tree 2", 15, 190},
        {"castle base", 249, 269},    {"bridge path", 306, 360},   {"castle roof", 273, 252},
        {"big tree 1", 505, 175},     {"big tree 2", 588, 205},    {"apple tree 2", 10, 175},
        {"spotted root 2", 51, 269},  {"faced oak", 428, 193},     {"standing root 3", 623, 177},
        {"berry bush 1", 182, 356},   {"berry bush 2", 10, 387},   {"bonsai 1", 156, 407},
        {"bonsai 2", 10, 434},        {"stone 1", 449, 425},       {"stone 2", 332, 360},
        {"mushroom 1", 633, 415},     {"mushroom 2", 390, 417},    {"yellow bush 1", 591, 480},
        {"yellow bush 2", 459, 456},  {"pink furballs", 399, 465}, {"balloon cactus", 695, 402},
        {"pond", 203, 452},           {"red flowers", 558, 528},   {"sun flowers", 10, 518},
        {"Mirel's feet", 355, 560},
    };
    for (const auto& p : places) {
        const uint32_t c = back.PixelRGBA(p.X, p.Y);
        const int r = Channel(c, 24), g = Channel(c, 16), b = Channel(c, 8);
        EXPECT_TRUE(g > r + 10 && g > b + 10) << p.What << " at (" << p.X << ", " << p.Y << ") is not on the lawn";
    }
}

// Over a garden picture the top layer hides everything above y 146 (its lawn band, left of
// x 690) and the eight tall trees are drawn again from their "_Top" crops, each at its
// tree's place. A crop must be its tree's own drawing at full size, in place, and hold all
// of the tree above that line, trunk included, or the top layer would cut the tree there.
TEST(GardenArt, TheTallTreesTopsHoldTheirTreesAboveTheTopLayerAndNothingBelowIt) {
    struct TTree {
        const char* Image;
        int X, Y;  // the garden place
    };
    const TTree trees[] = {
        {"MirelsPineTree1", 201, 89},  {"MirelsPineTree2", 78, 87},      {"MirelsPalmTree1", 378, 35},
        {"MirelsPalmTree2", 640, 18},  {"MirelsZigzagTree1", 127, 8},    {"MirelsZigzagTree2", 675, 111},
        {"MirelsStandingRoot1", 14, 49}, {"MirelsSpottedRoot1", 399, 79},
    };
    for (const auto& tree : trees) {
        SCOPED_TRACE(tree.Image);
        const TPicture whole = Load(std::string(tree.Image) + ".png");
        const TPicture top = Load(std::string(tree.Image) + "_Top.png");
        ASSERT_EQ(top.Width, whole.Width);
        ASSERT_EQ(top.Height, whole.Height);
        int missing = 0, moved = 0, held = 0, below = 0;
        for (int y = 0; y < whole.Height; ++y)
            for (int x = 0; x < whole.Width; ++x) {
                const uint32_t w = whole.PixelRGBA(x, y), t = top.PixelRGBA(x, y);
                // where the crop is solid it is the tree's own picture
                if (Channel(t, 0) == 255 && Channel(w, 0) == 255) {
                    int d = 0;
                    for (const int shift : {8, 16, 24}) d += std::abs(Channel(t, shift) - Channel(w, shift));
                    if (d > 6) ++moved;
                }
                // above the top layer's edge the crop holds all of the tree
                if (tree.Y + y < 146 && Channel(w, 0) > 0) {
                    ++held;
                    if (std::abs(Channel(t, 0) - Channel(w, 0)) > 3) ++missing;
                }
                // below it the picture shows the tree as it stood, under what was drawn after it
                if (tree.Y + y >= 146 && Channel(t, 0) > 0) ++below;
            }
        EXPECT_GT(held, 0) << "the tree does not reach up behind the top layer";
        EXPECT_EQ(moved, 0) << "crop pixels that are not the tree's own";
        EXPECT_EQ(missing, 0) << "pixels of the tree above y 146 that its crop leaves out";
        EXPECT_EQ(below, 0) << "crop pixels below y 146, which would cover what stands in front";
    }
}
