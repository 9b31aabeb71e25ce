// The board component without a screen: creation, the round reset, loading a
// board, fresh contents, presses, dragging, the tool pointers' selection, and
// the frame routine's timers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"

namespace {

class GameBoard : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{7}; });
        FruitColorCount = 5;
        ClearShake();
        Board.Left = BoardScreenLeft;
        Board.Top = BoardScreenTop;
        Board.OnObjectTileClick = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &Board);
            ++Clicks;
        };
    }
    void TearDown() override {
        SetRandomSeedSource({});
        FruitColorCount = 5;
        ClearShake();
        ClearTileBounces();
    }
    static void ClearShake() {
        for (auto& Column : ShakeAmplitude)
            for (int32_t& Value : Column) Value = 0;
    }
    // Screen pixel in the middle of tile (X, Y).
    static int PixelX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels + 23; }
    static int PixelY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels + 23; }
    void Frames(int Count) {
        for (int I = 0; I < Count; ++I) Board.BoardFrame();
    }

    // A level board: lockers, an opened fruit, a webbed locker and a hole.
    static TBoardData LevelBoard() {
        TBoardData Data;
        for (int X = 1; X <= 10; ++X)
            for (int Y = 1; Y <= 10; ++Y) Data.At(X, Y).LockerKind = static_cast<uint8_t>((X + Y) % 3 + 1);
        Data.At(2, 2).Kind = okFruit;
        Data.At(6, 6).Web = true;
        Data.At(9, 1).Kind = okUnused;
        return Data;
    }

    TGameBoard Board;
    int Clicks = 0;
};

TEST_F(GameBoard, ANewBoardIsFullOfClosedLockersOfRandomKinds) {
    TGameBoard Fresh;
    std::set<int> Kinds;
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            EXPECT_EQ(Fresh.BoardData().At(X, Y).Kind, okLocker);
            EXPECT_EQ(Fresh.TileStatus({X, Y}), tsIdle);
            Kinds.insert(Fresh.BoardData().At(X, Y).LockerKind);
        }
    }
    EXPECT_EQ(Kinds, (std::set<int>{1, 2, 3}));
    EXPECT_TRUE(Fresh.IsIdle());
    EXPECT_EQ(Fresh.UniColor(), 1);
    EXPECT_EQ(Fresh.FlowerCheckTarget(), 6);
    EXPECT_EQ(Fresh.SelectionAlpha(), 50);
    EXPECT_FALSE(Fresh.Selected());
    EXPECT_TRUE(Fresh.Visible);
    EXPECT_TRUE(Fresh.CanDraw);
    EXPECT_TRUE(Fresh.CanMatch);
    EXPECT_EQ(Fresh.ActiveMode, amNormal);
    EXPECT_EQ(Fresh.MaxToolKind, toAerosol);
    EXPECT_EQ(Fresh.Left, 0);
    EXPECT_EQ(Fresh.Top, 0);
}

TEST_F(GameBoard, LoadingABoardMarksItsHolesUnusedAndDropsSelectionDragAndJitter) {
    Board.SelectTile({4, 4}, 0);
    Board.SetDragging(true);
    ShakeAmplitude[3][3] = 5;
    const TBoardData Level = LevelBoard();
    Board.LoadBoardData(Level);
    EXPECT_EQ(Board.BoardData(), Level);
    EXPECT_EQ(Board.TileStatus({9, 1}), tsUnused);
    EXPECT_EQ(Board.TileStatus({2, 2}), tsIdle);
    EXPECT_TRUE(Board.IsIdle());
    EXPECT_FALSE(Board.Selected());
    EXPECT_FALSE(Board.Dragging());
    EXPECT_EQ(ShakeAmplitude[3][3], 0);
}

TEST_F(GameBoard, TheRoundResetClearsWhatTheLastRoundLeft) {
    Board.LoadBoardData(LevelBoard());
    Board.MakeTutorialBoard();
    Board.CanMatch = false;
    Board.SelectTile({4, 4}, 1);
    Board.SetDragging(true);
    ShakeAmplitude[0][9] = 4;
    StartTileBounce(2, 2);
    Board.OneFlowerPerLockersMin = 3;
    Board.OneFlowerPerLockersMax = 3;
    Board.ResetForRound();
    EXPECT_TRUE(Board.CanMatch);
    EXPECT_FALSE(Board.TutorialRefill());
    EXPECT_FALSE(Board.Selected());
    EXPECT_FALSE(Board.Dragging());
    EXPECT_FALSE(Board.HintShowing());
    EXPECT_EQ(ShakeAmplitude[0][9], 0);
    EXPECT_EQ(TileBounces[2][2].State, 0);
    EXPECT_EQ(Board.FlowerCheckCount(), 0);
    EXPECT_EQ(Board.FlowerCheckTarget(), 3);
    // The reset makes every status idle; loading the level's board marks its holes again.
    EXPECT_EQ(Board.TileStatus({9, 1}), tsIdle);
}

TEST_F(GameBoard, FreshContentsReplaceEveryContentAndStartANewFlowerCountdown) {
    TBoardData Level = LevelBoard();
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            Level.At(X, Y).Content = ccHammer;
            Level.At(X, Y).BlasterColor = 4;
        }
    }
    Board.LoadBoardData(Level);
    FruitColorCount = 4;
    Board.OneFlowerPerLockersMin = 4;
    Board.OneFlowerPerLockersMax = 8;
    Board.RandomizeContents();
    std::set<int> Colors;
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            const TBoardTile& Tile = Board.BoardData().At(X, Y);
            EXPECT_GE(Tile.Content, 1);
            EXPECT_LE(Tile.Content, 4);
            EXPECT_EQ(Tile.BlasterColor, 1);
            EXPECT_EQ(Tile.Kind, Level.At(X, Y).Kind);
            EXPECT_EQ(Tile.LockerKind, Level.At(X, Y).LockerKind);
            EXPECT_EQ(Tile.Web, Level.At(X, Y).Web);
            Colors.insert(Tile.Content);
        }
    }
    EXPECT_EQ(Colors.size(), 4u);
    EXPECT_EQ(Board.FlowerCheckCount(), 0);
    EXPECT_GE(Board.FlowerCheckTarget(), 4);
    EXPECT_LE(Board.FlowerCheckTarget(), 8);

    // The gameplay stream is reseeded first, so the same seed gives the same board.
    const TBoardData First = Board.BoardData();
    Board.LoadBoardData(Level);
    Board.RandomizeContents();
    EXPECT_EQ(Board.BoardData(), First);
}

TEST_F(GameBoard, TheFlowerCountdownStaysInsideTheLevelsRangeWhateverTheLevelHolds) {
    struct TCase {
        int32_t Min, Max, Low, High;
    };
    const TCase Cases[] = {{6, 10, 6, 10}, {1, 1, 1, 1}, {9, 3, 9, 9} /* reversed: the minimum */,
                           {-5, INT32_MAX, -5, INT32_MAX}, {INT32_MAX - 1, INT32_MAX, INT32_MAX - 1, INT32_MAX}};
    for (const TCase& Case : Cases) {
        Board.OneFlowerPerLockersMin = Case.Min;
        Board.OneFlowerPerLockersMax = Case.Max;
        for (int I = 0; I < 20; ++I) {
            Board.ResetForRound();
            EXPECT_GE(Board.FlowerCheckTarget(), Case.Low) << Case.Min << ".." << Case.Max;
            EXPECT_LE(Board.FlowerCheckTarget(), Case.High) << Case.Min << ".." << Case.Max;
        }
    }
}

TEST_F(GameBoard, PressesOnTilesAreReportedAndEverythingElseDropsTheSelection) {
    Board.LoadBoardData(LevelBoard());
    struct TCase {
        const char* What;
        int X, Y;
        TMouseButton Button;
        bool Reported;  // the press reached a tile: OnObjectTileClick; otherwise the selection is dropped
    };
    const TCase Cases[] = {
        {"a locker", PixelX(4), PixelY(4), mbLeft, true},
        {"an opened fruit", PixelX(2), PixelY(2), mbLeft, true},
        {"the middle button acts like the left", PixelX(3), PixelY(3), mbMiddle, true},
        {"the board's first pixel", 215, 90, mbLeft, true},
        {"the board's last pixel", 674, 549, mbLeft, true},
        {"the right button, on a tile", PixelX(4), PixelY(4), mbRight, false},
        {"the right button, off the board", 10, 10, mbRight, false},
        {"46 pixels left of the board (column 0)", 170, PixelY(5), mbLeft, false},
        {"just left of the board", 214, PixelY(5), mbLeft, false},
        {"just above the board", PixelX(5), 89, mbLeft, false},
        {"far left of the board", 20, PixelY(5), mbLeft, false},
        {"right of the board", 675, PixelY(5), mbLeft, false},
        {"below the board", PixelX(5), 550, mbLeft, false},
        {"a position outside the level's shape", PixelX(9), PixelY(1), mbLeft, false},
        {"a webbed tile", PixelX(6), PixelY(6), mbLeft, false},
    };
    for (const TCase& Case : Cases) {
        Board.SelectTile({7, 7}, 0);
        Clicks = 0;
        Board.PressAt(Case.X, Case.Y, Case.Button);
        EXPECT_EQ(Clicks, Case.Reported ? 1 : 0) << Case.What;
        if (!Case.Reported) {
            EXPECT_FALSE(Board.Selected()) << Case.What;
        }
    }
}

TEST_F(GameBoard, HitTestFollowsTheBoardsPosition) {
    EXPECT_EQ(Board.HitTest(215, 90), (TPoint{1, 1}));
    EXPECT_EQ(Board.HitTest(214, 89), (TPoint{0, 0}));
    Board.Left = 0;
    Board.Top = 0;
    EXPECT_EQ(Board.HitTest(0, 0), (TPoint{1, 1}));
    EXPECT_EQ(Board.HitTest(46, 91), (TPoint{2, 2}));
    EXPECT_EQ(Board.HitTest(-1, -1), (TPoint{0, 0}));
    EXPECT_TRUE(Board.IsOffBoard({0, 0}));
    EXPECT_FALSE(Board.IsOffBoard({10, 10}));
}

TEST_F(GameBoard, WithoutCanDrawOrVisibleTheBoardNeitherCountsTimeNorTakesPresses) {
    for (bool HideInstead : {false, true}) {
        SCOPED_TRACE(HideInstead ? "invisible" : "CanDraw off");
        TGameBoard Off;
        Off.Left = BoardScreenLeft;
        Off.Top = BoardScreenTop;
        int OffClicks = 0;
        Off.OnObjectTileClick = [&](TObject*) { ++OffClicks; };
        Off.SelectTile({5, 5}, 0);
        ShakeAmplitude[4][4] = 3;
        if (HideInstead)
            Off.Visible = false;
        else
            Off.CanDraw = false;
        for (int I = 0; I < 200; ++I) Off.BoardFrame();
        EXPECT_EQ(Off.UniColor(), 1);
        EXPECT_EQ(ShakeAmplitude[4][4], 3);
        EXPECT_EQ(Off.SelectionAlpha(), 50);
        Off.PressAt(PixelX(4), PixelY(4), mbLeft);
        Off.PressAt(PixelX(4), PixelY(4), mbRight);
        Off.PressAt(10, 10, mbLeft);
        EXPECT_EQ(OffClicks, 0);
        EXPECT_TRUE(Off.Selected());
        ClearShake();
    }
}

TEST_F(GameBoard, DraggingIsStoredOnlyWhileTheBoardIsVisible) {
    Board.SetDragging(true);
    EXPECT_TRUE(Board.Dragging());
    Board.Visible = false;
    Board.SetDragging(false);
    EXPECT_TRUE(Board.Dragging());
    Board.Visible = true;
    Board.SetDragging(false);
    EXPECT_FALSE(Board.Dragging());
}

TEST_F(GameBoard, TheToolPointersFrameOnlyLockersAndFruits) {
    TBoardData Level = LevelBoard();
    Level.At(3, 3).Kind = okTempBlank;
    Board.LoadBoardData(Level);
    Board.SelectTile({4, 4}, 1);
    EXPECT_TRUE(Board.Selected());
    EXPECT_EQ(Board.FirstTile(), (TPoint{4, 4}));
    EXPECT_EQ(Board.SelectionPattern(), 1);
    Board.SelectTile({2, 2}, 0);
    EXPECT_TRUE(Board.Selected());
    EXPECT_EQ(Board.SelectionPattern(), 0);
    for (TPoint Elsewhere : {TPoint{9, 1}, TPoint{3, 3}, TPoint{0, 4}, TPoint{11, 4}}) {
        Board.SelectTile({4, 4}, 0);
        Board.SelectTile(Elsewhere, 0);
        EXPECT_FALSE(Board.Selected()) << Elsewhere.X << "," << Elsewhere.Y;
    }
}

TEST_F(GameBoard, TheUniColourChangesEverySecondOfGameTimeAndWraps) {
    FruitColorCount = 3;
    // 1000 ms at 30 ms a frame: the 34th frame crosses the interval.
    Frames(33);
    EXPECT_EQ(Board.UniColor(), 1);
    Frames(1);
    EXPECT_EQ(Board.UniColor(), 2);
    Frames(34);
    EXPECT_EQ(Board.UniColor(), 3);
    Frames(34);
    EXPECT_EQ(Board.UniColor(), 1);
}

TEST_F(GameBoard, JitterCalmsDownOnePixelEveryHalfSecond) {
    ShakeAmplitude[2][5] = 2;
    ShakeAmplitude[7][0] = 1;
    Frames(16);  // 480 ms
    EXPECT_EQ(ShakeAmplitude[2][5], 2);
    Frames(1);   // 510 ms
    EXPECT_EQ(ShakeAmplitude[2][5], 1);
    EXPECT_EQ(ShakeAmplitude[7][0], 0);
    Frames(17);
    EXPECT_EQ(ShakeAmplitude[2][5], 0);
    Frames(17);
    EXPECT_EQ(ShakeAmplitude[2][5], 0);
}

TEST_F(GameBoard, TheFrameRoutineMovesTheLandingBounces) {
    StartTileBounce(4, 4);
    Frames(1);
    EXPECT_NE(TileBounces[4][4].Offset, 0.0);
    Frames(200);
    EXPECT_EQ(TileBounces[4][4].State, 0);
}

TEST_F(GameBoard, TheSelectionFrameBreathesBetween150And255OnlyWhileSelected) {
    Frames(5);
    EXPECT_EQ(Board.SelectionAlpha(), 50) << "nothing selected: the pulse rests";
    Board.SelectTile({5, 5}, 0);
    int Low = 1000;
    int High = -1;
    Frames(1);
    EXPECT_EQ(Board.SelectionAlpha(), 60);
    for (int I = 0; I < 60; ++I) {
        Frames(1);
        if (I >= 25) {
            Low = std::min(Low, Board.SelectionAlpha());
            High = std::max(High, Board.SelectionAlpha());
        }
    }
    EXPECT_EQ(Low, 150);
    EXPECT_EQ(High, 255);
}

TEST_F(GameBoard, TheTutorialBoardSetsItsRefillRule) {
    Board.LoadBoardData(LevelBoard());
    Board.MakeTutorialBoard();
    EXPECT_TRUE(Board.TutorialRefill());
    EXPECT_EQ(Board.BoardData().At(5, 4).Content, 1);
    EXPECT_EQ(Board.BoardData().At(6, 5).Content, 4);
}

}  // namespace
