// The special objects in a real round, through the test driver: on a level
// whose refill brings a hammer at every chance, the greedy player's moves bring
// one, a click swings it, the frame of the blow shows it striking, its
// neighbours are thrown off the board and the board settles again.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "GreedyMoveClass.h"
#include "LevelFileClass.h"
#include "PictureClass.h"
#include "RandomClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

// The build's game data with one level changed as a test needs it.
class TFixtureGame {
public:
    template <typename F>
    TFixtureGame(const char* Level, F&& Change) {
        const fs::path Game = TTestDriver::DefaultGameFolder();
        for (const char* Sub : {"Images", "Sounds", "Music", "Texts"})
            fs::create_directory_symlink(Game / Sub, fs::path(Folder.Path()) / Sub);
        fs::create_directories(Folder.Path() + "Levels");
        TLevelRecord Record;
        std::string Problem;
        Loaded = ReadLevelFile((Game / "Levels" / Level).string(), Record, Problem) == TLevelReadResult::Loaded;
        Record.OneUniFruitEveryProb = 0;
        Record.OneMultiBubbleEveryProb = 0;
        Record.OneFruitBombEveryProb = 0;
        Record.OneHammerEveryProb = 0;
        Change(Record);
        Written = WriteLevelFile(Folder.Path() + "Levels/" + Level, Record, Problem);
    }
    const std::string& Path() const { return Folder.Path(); }
    bool Loaded = false;
    bool Written = false;

private:
    TTempFolder Folder;
};

TPoint TileCentre(TPoint P) {
    return {BoardScreenLeft + (P.X - 1) * BoardTilePixels + 23, BoardScreenTop + (P.Y - 1) * BoardTilePixels + 23};
}

bool FindHammer(const TGameBoard& Board, TPoint& Hammer) {
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y) {
            const TBoardTile& T = Board.BoardData().At(X, Y);
            if (T.Kind == okFruit && T.Content == ccHammer && !T.Web && Board.TileStatus({X, Y}) == tsIdle) {
                Hammer = {X, Y};
                return true;
            }
        }
    return false;
}

int DifferingPixels(const TPicture& A, const TPicture& B, int Left, int Top, int Width, int Height) {
    int Count = 0;
    for (int Y = std::max(Top, 0); Y < std::min(Top + Height, 600); ++Y)
        for (int X = std::max(Left, 0); X < std::min(Left + Width, 800); ++X)
            Count += A.PixelRGBA(X, Y) != B.PixelRGBA(X, Y) ? 1 : 0;
    return Count;
}

TEST(SpecialsRound, AHammerStrikesItsNeighboursLeaveAndTheBoardSettles) {
    // Level 1-12 with a hammer offered at every refill.
    TFixtureGame Game("1-12.qel", [](TLevelRecord& Record) {
        Record.OneHammerEveryProb = 1;
        Record.MaxHammersOnBoard = 2;
    });
    ASSERT_TRUE(Game.Loaded && Game.Written);
    SetRandomSeedSource([] { return uint64_t{41}; });
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    Form.MainLoadForDevelopment();
    ASSERT_TRUE(EnterRound(Driver, 1, 12));
    TGameBoard& Board = *Form.GameBoard;

    // Moves as a quick player makes them until refill has brought a hammer.
    TPoint Hammer;
    for (int Move = 0; Move < 40 && !FindHammer(Board, Hammer); ++Move) {
        ASSERT_TRUE(Driver.StepUntil([&] { return BoardTakesMove(Form); }, 2000));
        if (FindHammer(Board, Hammer)) break;
        TGreedyMove Greedy;
        ASSERT_TRUE(ChooseGreedyMove(Board.BoardData(), Board.TileStatuses(), Greedy));
        Driver.Click(TileCentre(Greedy.Tile1Pos).X, TileCentre(Greedy.Tile1Pos).Y);
        Driver.Click(TileCentre(Greedy.Tile2Pos).X, TileCentre(Greedy.Tile2Pos).Y);
    }
    ASSERT_TRUE(Driver.StepUntil([&] { return BoardTakesMove(Form) && FindHammer(Board, Hammer); }, 2000));
    const TSimpleObjectArray Neighbours = [&] {
        TSimpleObjectArray Set;
        for (const TPoint& N : {TPoint{Hammer.X, Hammer.Y - 1}, TPoint{Hammer.X + 1, Hammer.Y},
                                TPoint{Hammer.X, Hammer.Y + 1}, TPoint{Hammer.X - 1, Hammer.Y}})
            if (IsBoardPos(N) && Board.BoardData()[N].Kind != okUnused) Set[N] = true;
        return Set;
    }();
    ASSERT_TRUE(Neighbours.Any());

    Driver.Click(TileCentre(Hammer).X, TileCentre(Hammer).Y);
    EXPECT_EQ(Board.TileStatus(Hammer), tsHammered);
    ASSERT_TRUE(Form.Specials.Hammer->Active());
    // A press on the board while the hammer swings is not passed on.
    TPoint Other = Hammer.X > 2 ? TPoint{Hammer.X - 2, Hammer.Y} : TPoint{Hammer.X + 2, Hammer.Y};
    Driver.Click(TileCentre(Other).X, TileCentre(Other).Y);
    EXPECT_FALSE(Board.Selected());

    TPicture BeforeBlow;
    TPicture AtBlow;
    ASSERT_TRUE(Driver.StepUntil(
        [&] {
            if (Form.Specials.Hammer->AnimPosition() >= 17) return true;
            Driver.Capture(BeforeBlow);
            return false;
        },
        40));
    ASSERT_TRUE(Driver.Capture(AtBlow));
    Driver.SaveFramePng(::testing::TempDir() + "quellow-hammer-blow.png");
    EXPECT_TRUE(Form.Specials.Shine(rsHammer).Active());
    EXPECT_EQ(ShakeAmplitude[Hammer.X - 1][Hammer.Y - 1], 3);
    const TPoint Cell{BoardScreenLeft + (Hammer.X - 1) * 46, BoardScreenTop + (Hammer.Y - 1) * 46};
    EXPECT_GT(DifferingPixels(BeforeBlow, AtBlow, Cell.X - 44, Cell.Y - 40, 134, 126), 200)
        << "the blow and its flash show over the tile";
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            if (Neighbours.At(X, Y)) {
                EXPECT_EQ(Board.TileStatus({X, Y}), tsHammered) << X << "," << Y;
            }
    ASSERT_TRUE(Form.Specials.HammeredObjects->Active());

    Driver.Step(14);  // the smashed tiles shake 14 frames, then the board lets them go
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y) EXPECT_NE(Board.TileStatus({X, Y}), tsHammered) << X << "," << Y;
    Driver.Step(5);
    Driver.SaveFramePng(::testing::TempDir() + "quellow-hammered-objects.png");

    ASSERT_TRUE(Driver.StepUntil([&] { return BoardTakesMove(Form); }, 3000));
    EXPECT_TRUE(Board.IsIdle());
    EXPECT_FALSE(Form.Specials.HammeredObjects->Active());
    EXPECT_TRUE(Driver.Messages().empty());
    SetRandomSeedSource({});
}

// Plays greedy moves until Done holds.
template <typename F>
bool PlayUntil(TTestDriver& Driver, F&& Done, int MaxMoves) {
    TFormMain& Form = Driver.Form();
    TGameBoard& Board = *Form.GameBoard;
    for (int Move = 0; Move < MaxMoves; ++Move) {
        if (!Driver.StepUntil([&] { return Done() || BoardTakesMove(Form); }, 3000)) return false;
        if (Done()) return true;
        TGreedyMove Greedy;
        if (!ChooseGreedyMove(Board.BoardData(), Board.TileStatuses(), Greedy)) return false;
        Driver.Click(TileCentre(Greedy.Tile1Pos).X, TileCentre(Greedy.Tile1Pos).Y);
        Driver.Click(TileCentre(Greedy.Tile2Pos).X, TileCentre(Greedy.Tile2Pos).Y);
    }
    return Done();
}

TEST(SpecialsRound, AFoundFlowerShowsItsNameFliesIntoTheRowAndTheFullRowWins) {
    // Level 1-07 needing two flowers, one behind every locker check the row allows.
    TFixtureGame Game("1-07.qel", [](TLevelRecord& Record) {
        Record.FlowerSlots = 2;
        Record.OneFlowerPerLockersMin = 1;
        Record.OneFlowerPerLockersMax = 1;
    });
    ASSERT_TRUE(Game.Loaded && Game.Written);
    SetRandomSeedSource([] { return uint64_t{43}; });
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    Setup.Headless = true;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    ASSERT_TRUE(EnterRound(Driver, 1, 7));
    TRoundSpecials& Specials = Form.Specials;
    EXPECT_EQ(Specials.FlowerRow->FlowerSlots(), 2);
    int Named = 0;
    std::string FirstName;
    TNotifyEvent Stars = Specials.NewFlower->OnStretchingStarsEffectRequest;
    Specials.NewFlower->OnStretchingStarsEffectRequest = [&](TObject* Sender) {
        Stars(Sender);
        ++Named;
        if (Named == 1) FirstName = std::string(Form.Comments.Flower().Text());
    };

    ASSERT_TRUE(PlayUntil(Driver, [&] { return Specials.NewFlower->Phase() != TNewFlowerEffect::nfIdle; }, 60));
    const int32_t First = Specials.NewFlower->AcquiredFlowerIdx;
    const int32_t ScoreBefore = Form.Scoring.Score->Value();
    ASSERT_TRUE(Driver.StepUntil([&] { return Named == 1; }, 40));
    EXPECT_EQ(FirstName, Form.TextStrings->GameTexts(4 + First).substr(0, 30));
    EXPECT_EQ(Form.Comments.Flower().CommentType(), coCustomText);
    ASSERT_TRUE(Driver.StepUntil([&] { return Specials.NewFlower->Phase() == TNewFlowerEffect::nfToRoot; }, 100));
    EXPECT_GE(Form.Scoring.Score->Value() - ScoreBefore, 60);
    ASSERT_TRUE(Driver.StepUntil([&] { return Specials.FlowerRow->Obtained(First); }, 200));
    EXPECT_FALSE(Specials.FlowerRow->IsFull());
    EXPECT_NE(Form.Scene(), gsRoundClear);

    ASSERT_TRUE(PlayUntil(Driver, [&] { return Specials.FlowerRow->IsFull(); }, 120));
    EXPECT_TRUE(Specials.FlowerRow->Obtained(3 - First)) << "the second flower is the one missing";
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Scene() == gsRoundClear; }, 100));
    EXPECT_TRUE(Form.Round.RoundCleared);
    EXPECT_EQ(Named, 2) << "each flower showed its name once";
    SetRandomSeedSource({});
}

}  // namespace
