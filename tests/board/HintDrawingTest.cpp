// The hint drawn on the real screen (offscreen OpenGL): the two lifted tiles
// breathe apart along the line that joins them, one pixel a frame.
#include <gtest/gtest.h>

#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "TestDriverClass.h"

namespace {

constexpr uint32_t Red = 0xFF0000FFu;    // closed lockers of kind 1
constexpr uint32_t Green = 0x00FF00FFu;  // closed lockers of kind 2, the hinted pair

int CellX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels; }
int CellY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels; }

bool IsGreen(uint32_t Rgba) { return ((Rgba >> 16) & 0xFF) > 128 && (Rgba >> 24) < 64; }

class HintDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Driver.Start());
        ClearTileBounces();
        TPicture Lockers;
        Lockers.SetSize(3 * 58, 3 * 52);
        for (int P = 0; P < 9; ++P) Lockers.FillRect(P % 3 * 58, P / 3 * 52, 58, 52, P == 1 ? Green : Red);
        Driver.Form().OmegaImageList1.AddImage("Lockers", Lockers, 3, 3);
        Board.OmgImgList = &Driver.Form().OmegaImageList1;
        Board.Left = BoardScreenLeft;
        Board.Top = BoardScreenTop;
    }
    TPicture DrawFrame() {
        TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
        Screen.BeginFrame();
        Screen.Clear(0, 0, 0, 255);
        Board.BoardFrame();
        Screen.EndFrame();
        TPicture Frame;
        EXPECT_TRUE(Driver.Capture(Frame));
        return Frame;
    }
    // The first and last green rows in the pixel column X, and the first green column in row Y.
    static int TopGreen(const TPicture& Frame, int X) {
        for (int Y = 0; Y < 600; ++Y)
            if (IsGreen(Frame.PixelRGBA(X, Y))) return Y;
        return -1;
    }
    static int BottomGreen(const TPicture& Frame, int X) {
        for (int Y = 599; Y >= 0; --Y)
            if (IsGreen(Frame.PixelRGBA(X, Y))) return Y;
        return -1;
    }
    static int LeftGreen(const TPicture& Frame, int Y) {
        for (int X = 0; X < 800; ++X)
            if (IsGreen(Frame.PixelRGBA(X, Y))) return X;
        return -1;
    }

    TTestDriver Driver;
    TGameBoard Board;
};

TEST_F(HintDrawing, TwoLockersInOneColumnMoveApartUpAndDown) {
    TBoardData Data;  // closed lockers of kind 1
    Data.At(5, 4).LockerKind = 2;
    Data.At(5, 5).LockerKind = 2;
    Board.LoadBoardData(Data);
    Board.ShowHint({{5, 4}, {5, 5}});
    const TPicture Frame1 = DrawFrame();  // the tiles 1 pixel apart
    DrawFrame();
    DrawFrame();
    const TPicture Frame4 = DrawFrame();  // 4 pixels apart
    const int X = CellX(5) + 20;
    EXPECT_EQ(TopGreen(Frame1, X) - TopGreen(Frame4, X), 3) << "the upper locker rises";
    EXPECT_EQ(BottomGreen(Frame4, X) - BottomGreen(Frame1, X), 3) << "the lower one sinks";
    EXPECT_EQ(LeftGreen(Frame1, CellY(4) + 10), LeftGreen(Frame4, CellY(4) + 10)) << "neither moves sideways";
    // Lifted: the upper box starts above where the board draws a box (2 pixels above its cell).
    EXPECT_LT(TopGreen(Frame1, X), CellY(4) - 2);
}

TEST_F(HintDrawing, LockersSideBySideMoveApartLeftAndRight) {
    TBoardData Data;
    Data.At(5, 4).LockerKind = 2;
    Data.At(6, 4).LockerKind = 2;
    Board.LoadBoardData(Data);
    Board.ShowHint({{6, 4}, {5, 4}});
    const TPicture Frame1 = DrawFrame();
    DrawFrame();
    const TPicture Frame3 = DrawFrame();
    const int Y = CellY(4) + 20;
    EXPECT_EQ(LeftGreen(Frame1, Y) - LeftGreen(Frame3, Y), 2) << "the left locker moves left";
    EXPECT_EQ(TopGreen(Frame1, CellX(5) + 20), TopGreen(Frame3, CellX(5) + 20)) << "and not up or down";
}

}  // namespace
