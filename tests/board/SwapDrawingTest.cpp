// The swap and grouping effects drawn on the real screen (offscreen OpenGL)
// with flat fixture images, then read back: where the sliding pair, its shadow
// and the swelling matched fruit land.
#include <gtest/gtest.h>

#include "DrawnBoard.h"
#include "GroupedFruitsEffectClass.h"
#include "OmegaImageListClass.h"
#include "SwapEffectClass.h"
#include "TestDriverClass.h"

namespace {

constexpr uint32_t Grey = 0x808080FFu;
constexpr uint32_t FruitColors[2] = {0xFF2020FFu, 0x20FF20FFu};
constexpr uint32_t BigFruitColor = 0x2020FFFFu;

uint32_t Rgb(uint32_t Rgba) { return Rgba | 0xFFu; }
int Red(uint32_t Rgba) { return static_cast<int>(Rgba >> 24); }
int CellX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels; }
int CellY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels; }

class SwapDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Driver.Start());
        TOmegaImageList& Images = Driver.Form().OmegaImageList1;
        // Fruits are 16-pixel squares in the middle of their 46-pixel pattern.
        TPicture Fruits;
        Fruits.SetSize(6 * 46, 46);
        for (int P = 0; P < 2; ++P) Fruits.FillRect(P * 46 + 15, 15, 16, 16, FruitColors[P]);
        Images.AddImage("FruitsOutside", Fruits, 6, 1);
        TPicture Big;
        Big.SetSize(6 * 52, 52);
        Big.FillRect(0, 0, 2, 2, BigFruitColor);  // only the top-left corner, to find the placement
        Images.AddImage("FruitsOutsideBig", Big, 6, 1);
        Swap.OmgImgList = &Images;
        Grouping.OmgImgList = &Images;
    }
    template <typename TDraw>
    TPicture DrawFrame(TDraw&& Draw) {
        TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
        Screen.BeginFrame();
        Screen.Clear(128, 128, 128, 255);
        Draw();
        Screen.EndFrame();
        TPicture Frame;
        EXPECT_TRUE(Driver.Capture(Frame));
        return Frame;
    }

    TTestDriver Driver;
    TSwapEffect Swap;
    TGroupedFruitsEffect Grouping;
};

TEST_F(SwapDrawing, ThePairSlidesAcrossLiftedOverItsShadow) {
    TSwappedObjectsData Data;
    Data.Object1Pos = {4, 5};
    Data.Object2Pos = {5, 5};
    Data.Object1Kind = Data.Object2Kind = okFruit;
    Data.Object1Content = 1;
    Data.Object2Content = 2;
    Swap.StartSwap(Data, false);
    TPicture Frame;
    for (int I = 0; I < 2; ++I) Frame = DrawFrame([&] { Swap.Frame(); });
    // Two frames at 6 pixels: each fruit 12 pixels toward the other's tile.
    const int Centre = CellY(5) + 23;
    EXPECT_EQ(Rgb(Frame.PixelRGBA(CellX(4) + 23 + 12, Centre)), FruitColors[0]);
    EXPECT_EQ(Rgb(Frame.PixelRGBA(CellX(5) + 23 - 12, Centre)), FruitColors[1]);
    EXPECT_EQ(Rgb(Frame.PixelRGBA(CellX(4) + 23, Centre)), Grey) << "the tile it left is not drawn by the effect";
    // Lifted: 16 pixels at scale 1.15 reach 9 pixels from the centre...
    EXPECT_EQ(Rgb(Frame.PixelRGBA(CellX(4) + 23 + 12 - 8, Centre)), FruitColors[0]);
    // ...and the shadow, 5 pixels lower, darkens the grey just below the fruit.
    const int Shadowed = Red(Frame.PixelRGBA(CellX(4) + 23 + 12 + 2, Centre + 12));
    EXPECT_NEAR(Shadowed, 128 * (255 - 80) / 255, 3);
    EXPECT_EQ(Rgb(Frame.PixelRGBA(CellX(4) + 23 + 12, Centre + 18)), Grey);
}

TEST_F(SwapDrawing, AMatchedFruitSwellsOutThreePixelsUpAndLeftAndShiftsFrameByFrame) {
    const TBoardData Board = DrawnBoard({"", "", "aaa"});
    Grouping.Start(Board, MaskOf({{2, 3}}));
    // The first frames push the fruit by (0, 0), then (1, 0), then (2, 0); a shiver of -1 to 1 comes on top.
    const int Expected[3] = {0, 1, 2};
    for (int Counter = 0; Counter < 3; ++Counter) {
        const TPicture Frame = DrawFrame([&] { Grouping.Frame(); });
        int FoundX = -1000, FoundY = -1000;
        for (int Y = CellY(3) - 8; Y < CellY(3) + 4 && FoundX < -999; ++Y)
            for (int X = CellX(2) - 8; X < CellX(2) + 6; ++X)
                if (Rgb(Frame.PixelRGBA(X, Y)) == BigFruitColor) {
                    FoundX = X - CellX(2);
                    FoundY = Y - CellY(3);
                    break;
                }
        EXPECT_NEAR(FoundX, -3 + Expected[Counter], 1) << "frame " << Counter + 1;
        EXPECT_NEAR(FoundY, -3, 1) << "frame " << Counter + 1;
    }
}

}  // namespace
