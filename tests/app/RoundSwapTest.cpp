// A move in a real round, headless: the main form routes the clicks to the
// board, runs the swap effect in the main-game frame and writes the result
// back; a new level starts with no swap under way.
#include <gtest/gtest.h>

#include "BoardGroupsClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"

namespace {

int PixelX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels + 23; }
int PixelY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels + 23; }

class RoundSwap : public ::testing::Test {
protected:
    void SetUp() override {
        TTestDriverSetup Setup;
        Setup.Headless = true;
        Driver = std::make_unique<TTestDriver>(Setup);
        ASSERT_TRUE(Driver->Start());
        // Without the first level's lesson, whose pointer takes only the tiles it points at.
        Driver->Form().Story.Tutorial.Enabled = false;
        ASSERT_TRUE(EnterRound(*Driver, 1, 1));
        Board = Driver->Form().GameBoard.get();
        // The round's first frame also loads its background, which runs a frame of its own;
        // the board takes clicks once it is shown and at rest.
        Driver->Step(1);
        ASSERT_TRUE(Driver->StepUntil([this] { return Board->CanDraw && Board->IsSettled(); }, 1000));
    }
    // Two neighbouring lockers whose exchange opens a group, or opens nothing.
    bool FindPair(bool Matching, TPoint& A, TPoint& B) const {
        const TBoardData& Data = Board->BoardData();
        for (int X = 1; X <= 10; ++X) {
            for (int Y = 1; Y <= 10; ++Y) {
                A = {X, Y};
                B = {X + 1, Y};
                if (!CanSwapForHint(Data, A, B)) continue;
                TBoardData Swapped = Data;
                SwapWholeTiles(Swapped, A, B);
                if (AnyGroup(Swapped, FruitColorCount) == Matching) return true;
            }
        }
        return false;
    }

    std::unique_ptr<TTestDriver> Driver;
    TGameBoard* Board = nullptr;
};

TEST_F(RoundSwap, TwoClicksSwapTwoLockersThatOpenAGroup) {
    TPoint A, B;
    ASSERT_TRUE(FindPair(true, A, B));
    const TBoardData Before = Board->BoardData();
    Driver->Click(PixelX(A.X), PixelY(A.Y));
    Driver->Click(PixelX(B.X), PixelY(B.Y));
    EXPECT_EQ(Board->TileStatus(A), tsSwapping);
    // 46 pixels at 6 a frame.
    Driver->Step(7);
    EXPECT_EQ(Driver->Form().SwapEffect->ActiveCount(), 1);
    EXPECT_EQ(Board->BoardData().At(A.X, A.Y).LockerKind, Before.At(A.X, A.Y).LockerKind);
    Driver->Step(1);
    EXPECT_EQ(Driver->Form().SwapEffect->ActiveCount(), 0);
    EXPECT_EQ(Board->BoardData().At(A.X, A.Y).LockerKind, Before.At(B.X, B.Y).LockerKind);
    EXPECT_EQ(Board->BoardData().At(B.X, B.Y).LockerKind, Before.At(A.X, A.Y).LockerKind);
    EXPECT_NE(Board->TileStatus(A), tsSwapping);
}

TEST_F(RoundSwap, DraggingOntoANeighbourWithoutAGroupSwapsThereAndBack) {
    TPoint A, B;
    ASSERT_TRUE(FindPair(false, A, B));
    const TBoardData Before = Board->BoardData();
    Driver->MouseMove(PixelX(A.X), PixelY(A.Y));
    Driver->MouseDown(PixelX(A.X), PixelY(A.Y));
    Driver->MouseMove(PixelX(A.X) + 10, PixelY(A.Y));
    Driver->MouseMove(PixelX(B.X), PixelY(B.Y));
    Driver->MouseMove(PixelX(B.X) + 46, PixelY(B.Y));
    Driver->MouseUp(PixelX(B.X) + 46, PixelY(B.Y));
    EXPECT_EQ(Driver->Form().SwapEffect->ActiveCount(), 1) << "one swap for the whole drag";
    Driver->Step(16);
    EXPECT_EQ(Driver->Form().SwapEffect->ActiveCount(), 0);
    EXPECT_EQ(Board->BoardData(), Before);
    EXPECT_TRUE(Board->IsIdle());
    EXPECT_FALSE(Board->Selected());
}

TEST_F(RoundSwap, ANewLevelStartsWithNoSwapUnderWay) {
    TPoint A, B;
    ASSERT_TRUE(FindPair(true, A, B));
    Driver->Click(PixelX(A.X), PixelY(A.Y));
    Driver->Click(PixelX(B.X), PixelY(B.Y));
    Driver->Step(3);
    ASSERT_TRUE(Driver->Form().StartLevel(1, 2));
    EXPECT_EQ(Driver->Form().SwapEffect->ActiveCount(), 0);
    EXPECT_EQ(Driver->Form().GroupedFruitsEffect->ActiveCount(), 0);
    const TBoardData Level = Board->BoardData();
    Driver->Step(20);
    EXPECT_EQ(Board->BoardData(), Level) << "the old swap is never written into the new board";
}

}  // namespace
