// The worms and spiders drawn on the real screen (offscreen OpenGL) with flat
// fixture images, then read back: where a walking worm lies on its grid line and
// which way up, where a resting spider stands over its tile, and their shadows.
#include <gtest/gtest.h>

#include "CrawlingSpidersClass.h"
#include "EnemyTestSupport.h"
#include "FruitWormsClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "TestDriverClass.h"

namespace {

using namespace enemytest;

constexpr uint32_t Head = 0xFF2020FFu;  // the top half of every fixture picture
constexpr uint32_t Tail = 0x2020FFFFu;  // its bottom half
constexpr int Grey = 128;

int Red(uint32_t Rgba) { return static_cast<int>(Rgba >> 24); }
uint32_t Rgb(uint32_t Rgba) { return Rgba | 0xFFu; }
TPoint Corner(int X, int Y) {
    return {BoardScreenLeft + (X - 1) * BoardTilePixels, BoardScreenTop + (Y - 1) * BoardTilePixels};
}

class EnemyDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Driver.Start());
        GameplayRandom().SetSeed(21);
    }
    // A strip of Count pictures of W x H, each red above and blue below.
    void AddStrip(const std::string& Name, int W, int H, int Columns, int Rows) {
        TPicture Picture;
        Picture.SetSize(W * Columns, H * Rows);
        for (int C = 0; C < Columns; ++C) {
            for (int R = 0; R < Rows; ++R) {
                Picture.FillRect(C * W, R * H, W, H / 2, Head);
                Picture.FillRect(C * W, R * H + H / 2, W, H - H / 2, Tail);
            }
        }
        Driver.Form().OmegaImageList1.AddImage(Name, Picture, Columns, Rows);
    }
    template <typename TDraw>
    TPicture DrawFrame(TDraw&& Draw) {
        TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
        Screen.BeginFrame();
        Screen.Clear(Grey, Grey, Grey, 255);
        Draw();
        Screen.EndFrame();
        TPicture Frame;
        EXPECT_TRUE(Driver.Capture(Frame));
        return Frame;
    }

    TTestDriver Driver;
};

TEST_F(EnemyDrawing, AWalkingWormLiesOnItsTilesRightGridLineHeadFirstOverItsShadow) {
    AddStrip("WormWalkingVert", 28, 60, 1, 15);
    TFruitWorms Worms;
    Worms.OmgImgList = &Driver.Form().OmegaImageList1;
    Worms.TakeBoard(OnlyTiles({{5, 1}, {5, 2}}));
    Worms.MaxWormsOnBoard = 1;
    Worms.StartWave();
    const TWormSlot& Worm = Worms.Crawler(0);
    ASSERT_GT(RunUntil(Worms, [&] { return Worm.State == wsWalking; }, 300), 0);
    // Stand on the walking point of a tile: the frame it arrives there.
    ASSERT_GT(RunUntil(Worms, [&] { return Worm.PosX == Worms.WalkingPoint(Worm.Tile).X &&
                                          Worm.PosY == Worms.WalkingPoint(Worm.Tile).Y; }, 200), 0);
    // Drawn in the next frame after one step of 0.6: find the picture from the position then.
    const TPicture Frame = DrawFrame([&] { Worms.Frame(); });
    const int X = Round(Worm.PosX) + 10;
    const int Y = Round(Worm.PosY) - 19;
    EXPECT_EQ(X - Corner(Worm.Tile.X, Worm.Tile.Y).X, 32) << "the body runs on the column line";
    // Heading down the head is at the top of the picture; heading up the picture is flipped.
    const uint32_t Front = Worm.Direction == cdDown ? Head : Tail;
    const uint32_t Back = Worm.Direction == cdDown ? Tail : Head;
    ASSERT_TRUE(Worm.Direction == cdDown || Worm.Direction == cdUp);
    EXPECT_EQ(Rgb(Frame.PixelRGBA(X + 14, Y + 5)), Front);
    EXPECT_EQ(Rgb(Frame.PixelRGBA(X + 14, Y + 55)), Back);
    EXPECT_EQ(Red(Frame.PixelRGBA(X - 1, Y + 30)), Grey);
    // The shadow, black at alpha 60, four pixels right and down.
    EXPECT_NEAR(Red(Frame.PixelRGBA(X + 30, Y + 30)), Grey * (255 - 60) / 255, 2);
    EXPECT_EQ(Red(Frame.PixelRGBA(X + 33, Y + 30)), Grey);
}

TEST_F(EnemyDrawing, ARestingSpiderStandsOverItsTileWithItsShadowBesideIt) {
    AddStrip("SpiderWalking", 72, 66, 1, 9);
    TCrawlingSpiders Spiders;
    Spiders.OmgImgList = &Driver.Form().OmegaImageList1;
    Spiders.OnTopBoardPosRequest = [](TObject*, TPoint& P) { P = {4, 6}; };
    Spiders.MaxSpidersOnBoard = 1;
    Spiders.StartWave(0);
    const TSpiderSlot& Spider = Spiders.Spider(0);
    ASSERT_GT(RunUntil(Spiders, [&] { return Spider.State == ssStopped; }, 300), 0);
    const TPicture Frame = DrawFrame([&] { Spiders.Frame(); });
    ASSERT_EQ(Spider.State, ssStopped);
    // At the cell corner - (13, 10): the 72 x 66 picture centres on the tile.
    const TPoint At{Corner(4, 6).X - 13, Corner(4, 6).Y - 10};
    EXPECT_EQ(Rgb(Frame.PixelRGBA(At.X, At.Y)), Head);
    EXPECT_EQ(Rgb(Frame.PixelRGBA(At.X + 71, At.Y + 65)), Tail);
    EXPECT_EQ(Red(Frame.PixelRGBA(At.X - 1, At.Y + 30)), Grey);
    EXPECT_EQ(Red(Frame.PixelRGBA(At.X + 30, At.Y - 1)), Grey);
    // The shadow, black at alpha 60, five pixels right and two down.
    EXPECT_NEAR(Red(Frame.PixelRGBA(At.X + 74, At.Y + 30)), Grey * (255 - 60) / 255, 2);
    EXPECT_EQ(Red(Frame.PixelRGBA(At.X + 77, At.Y + 30)), Grey);
}

}  // namespace
