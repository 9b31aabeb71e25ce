// The board's gravity, refill and locker check without a screen: columns
// falling cell by cell, the refill's chances and maxima with a seeded stream,
// the first lesson's refill, the locker check opening exactly the groups, and a
// whole board settling with its effects answering at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "BoardGroupsClass.h"
#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"

namespace {

// Opened fruits with no two neighbours alike (colours differ by 1 across and 2 down, mod 5).
TBoardData QuietFruits() {
    TBoardData Data;
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            TBoardTile& Tile = Data.At(X, Y);
            Tile.Kind = okFruit;
            Tile.LockerKind = 1;
            Tile.Content = static_cast<uint8_t>((X + 2 * Y) % 5 + 1);
        }
    }
    return Data;
}

// Closed lockers whose kinds never touch their own kind, each holding a colour that names its cell.
TBoardData QuietLockers() {
    TBoardData Data;
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            TBoardTile& Tile = Data.At(X, Y);
            Tile.LockerKind = static_cast<uint8_t>((X + Y) % 3 + 1);
            Tile.Content = static_cast<uint8_t>(Y);
            Tile.WormTime = X * 100 + Y;  // a tag that travels with the record
        }
    }
    return Data;
}

class BoardFall : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{11}; });
        GameplayRandom().SetSeed(11);
        FruitColorCount = 5;
        ClearTileBounces();
        NoSpecials();
    }
    void TearDown() override {
        SetRandomSeedSource({});
        FruitColorCount = 5;
        ClearTileBounces();
    }
    void NoSpecials() {
        Board.OneUniFruitEveryProb = 0;
        Board.OneMultiBubbleEveryProb = 0;
        Board.OneHammerEveryProb = 0;
        Board.OneFruitBombEveryProb = 0;
        Board.OneMagicKeyEveryProb = 0;
        Board.OneBroomEveryProb = 0;
        Board.OneAerosolEveryProb = 0;
    }
    void Gravity(int Frames) {
        for (int I = 0; I < Frames; ++I) {
            Board.MarkFalling();
            Board.GravityStep();
        }
    }
    const TBoardTile& Tile(int X, int Y) const { return Board.BoardData().At(X, Y); }
    TTileStatus Status(int X, int Y) const { return Board.TileStatus({X, Y}); }

    TGameBoard Board;
};

TEST_F(BoardFall, AColumnFallsOneCellEveryFiveFramesAndTheTopIsRefilledAsTheHighestTileMoves) {
    Board.CanMatch = false;  // only the movement here
    TBoardData Data = QuietLockers();
    Data.At(4, 9).Kind = okTempBlank;
    Data.At(4, 10).Kind = okTempBlank;
    Board.LoadBoardData(Data);

    for (int Frame = 1; Frame <= 4; ++Frame) {
        Gravity(1);
        for (int Y = 1; Y <= 8; ++Y) {
            ASSERT_EQ(Status(4, Y), tsFalling) << "frame " << Frame << " row " << Y;
            ASSERT_EQ(Tile(4, Y).DropOffset, 10 * Frame);
            ASSERT_EQ(Tile(4, Y).WormTime, 400 + Y) << "nothing has moved a cell yet";
        }
        EXPECT_EQ(Status(3, 5), tsIdle) << "other columns stay";
    }
    Gravity(1);  // frame 5: every tile one cell down, a new locker at the top, still falling
    for (int Y = 2; Y <= 9; ++Y) {
        EXPECT_EQ(Tile(4, Y).WormTime, 400 + Y - 1);
        EXPECT_EQ(Tile(4, Y).DropOffset, 0);
        EXPECT_EQ(Status(4, Y), tsFalling) << "a blank is still below";
    }
    EXPECT_EQ(Tile(4, 1).Kind, okLocker);
    EXPECT_EQ(Tile(4, 1).WormTime, 0) << "the top holds a new locker";
    EXPECT_EQ(Status(4, 1), tsFalling);
    EXPECT_EQ(Tile(4, 10).Kind, okTempBlank);
    EXPECT_EQ(TileBounces[3][5].State, 0) << "no bounce before landing";

    Gravity(5);  // frame 10: the column lands and bounces
    EXPECT_EQ(Tile(4, 10).WormTime, 408);
    EXPECT_EQ(Tile(4, 3).WormTime, 401);
    EXPECT_EQ(Tile(4, 2).Kind, okLocker) << "the first new locker came down";
    EXPECT_EQ(Tile(4, 1).Kind, okLocker) << "and a second one took the top";
    EXPECT_TRUE(Board.IsIdle());
    for (int Y = 0; Y < 10; ++Y) EXPECT_EQ(TileBounces[3][Y].State, 2) << "the whole column bounces";
    EXPECT_EQ(TileBounces[2][5].State, 0);
    const TBoardData Settled = Board.BoardData();
    Gravity(10);
    EXPECT_EQ(Board.BoardData(), Settled) << "nothing moves once landed";
}

TEST_F(BoardFall, AColumnUnderAHoleInTheBoardIsRefilledAtItsFirstUsedPosition) {
    Board.CanMatch = false;
    TBoardData Data = QuietLockers();
    Data.At(6, 1).Kind = okUnused;
    Data.At(6, 2).Kind = okUnused;
    Data.At(6, 5).Kind = okUnused;  // a hole mid-column splits it in two
    Data.At(6, 4).Kind = okTempBlank;
    Board.LoadBoardData(Data);
    Gravity(5);
    EXPECT_EQ(Tile(6, 4).WormTime, 603) << "the tile above the blank came down";
    EXPECT_EQ(Tile(6, 3).Kind, okLocker);
    EXPECT_EQ(Tile(6, 3).WormTime, 0) << "refilled under the hole";
    EXPECT_EQ(Tile(6, 1).Kind, okUnused);
    EXPECT_EQ(Tile(6, 6).WormTime, 606) << "the part below the hole did not move";
    EXPECT_TRUE(Board.IsIdle());
}

TEST_F(BoardFall, TilesAboveALockerThatIsOpeningWaitForItInsteadOfFallingIntoIt) {
    TBoardData Data = QuietFruits();
    for (int X = 3; X <= 5; ++X) {  // three kind-1 lockers in row 9 start opening
        Data.At(X, 9).Kind = okLocker;
        Data.At(X, 9).LockerKind = 1;
    }
    Data.At(4, 9).WormTime = 4242;
    Data.At(4, 8).WormTime = 4848;
    Board.LoadBoardData(Data);
    TSimpleObjectArray Opening;
    Board.OnOpeningLockersEffectRequest = [&](TObject*, TBoardData, TSimpleObjectArray Mask) { Opening = Mask; };
    Board.CheckLockerGroups();
    ASSERT_EQ(Status(4, 9), tsOpening);
    // The fruit under the middle locker is matched away while it opens.
    TSimpleObjectArray Matched;
    Matched.At(4, 10) = true;
    Board.RemoveGroupedTiles(Matched);
    Gravity(20);
    EXPECT_EQ(Tile(4, 9).WormTime, 4242) << "the opening locker keeps its place and record";
    EXPECT_EQ(Tile(4, 8).WormTime, 4848);
    EXPECT_EQ(Status(4, 8), tsIdle) << "the tile above waits";
    EXPECT_EQ(Tile(4, 10).Kind, okTempBlank);
    EXPECT_FALSE(Board.IsSettled()) << "the hole keeps the board from settling";

    Board.LockersOpened(Opening);
    EXPECT_EQ(Tile(4, 9).Kind, okFruit);
    Gravity(5);
    EXPECT_EQ(Tile(4, 10).WormTime, 4242) << "the opened tile falls first";
    EXPECT_EQ(Tile(4, 9).WormTime, 4848);
    EXPECT_TRUE(Board.IsIdle());
}

TEST_F(BoardFall, ALandingStartsTheLockerCheckAndThePostFallDelayRunsTheFruitCheck300MsLater) {
    TBoardData Data = QuietFruits();
    Data.At(2, 10).Kind = okTempBlank;
    // Fruit 4 at (3,9) and (3,10); the fruit falling into (2,10) makes three.
    Data.At(3, 9).Content = 4;
    Data.At(3, 10).Content = 4;
    Data.At(2, 9).Content = 4;
    Data.At(2, 8).Content = 1;
    Board.LoadBoardData(Data);
    int LockerChecks = 0;
    std::vector<TSimpleObjectArray> Matches;
    Board.OnOpeningLockersEffectRequest = [&](TObject*, TBoardData, TSimpleObjectArray Mask) {
        ++LockerChecks;
        EXPECT_FALSE(Mask.Any()) << "no lockers on this board";
    };
    Board.OnGroupedFruitsEffectRequest = [&](TObject*, TBoardData, TSimpleObjectArray Mask, bool, TPoint) {
        Matches.push_back(Mask);
    };
    for (int Frame = 1; Frame <= 4; ++Frame) Board.BoardFrame();
    EXPECT_EQ(LockerChecks, 0);
    Board.BoardFrame();  // frame 5: landed
    EXPECT_EQ(LockerChecks, 1) << "the locker check runs on the landing frame, even with nothing to open";
    EXPECT_TRUE(Board.PostFallPending());
    for (int Frame = 6; Frame <= 13; ++Frame) Board.BoardFrame();
    EXPECT_TRUE(Matches.empty()) << "the fruit check waits 300 ms";
    Board.BoardFrame();  // the tenth frame of the delay
    ASSERT_EQ(Matches.size(), 1u);
    TSimpleObjectArray Expected;
    Expected.At(2, 10) = Expected.At(3, 9) = Expected.At(3, 10) = true;
    EXPECT_EQ(Matches[0], Expected);
    EXPECT_FALSE(Board.PostFallPending());
    EXPECT_EQ(LockerChecks, 1);
}

// ---- Refill ----

struct TRefillTally {
    std::map<int, int> Contents;  // content code -> count
    int Count(int Content) const {
        const auto Found = Contents.find(Content);
        return Found == Contents.end() ? 0 : Found->second;
    }
    std::set<int> Kinds;
    int Opened = 0;
    int Bombs = 0;
};

class BoardRefill : public BoardFall {
protected:
    // Refills (5, 5) of a board of quiet fruits (with Extra placed on it) Count times.
    TRefillTally RefillMany(int Count, const std::vector<std::pair<TPoint, TBoardTile>>& Extra = {}) {
        TBoardData Data = QuietFruits();
        for (const auto& [P, T] : Extra) Data[P] = T;
        Board.LoadBoardData(Data);
        TRefillTally Tally;
        for (int I = 0; I < Count; ++I) {
            Board.Refill({5, 5});
            const TBoardTile& T = Tile(5, 5);
            ++Tally.Contents[T.Content];
            Tally.Kinds.insert(T.LockerKind);
            Tally.Opened += T.Kind == okFruit ? 1 : 0;
            Tally.Bombs += T.Bomb ? 1 : 0;
        }
        return Tally;
    }
    static TBoardTile Opened(uint8_t Content, bool Bomb = false) {
        TBoardTile T;
        T.Kind = okFruit;
        T.Content = Content;
        T.Bomb = Bomb;
        return T;
    }
    // An emptied position still carries the bytes of the tile that left it.
    static TBoardTile Blank(uint8_t Content) {
        TBoardTile T = Opened(Content);
        T.Kind = okTempBlank;
        return T;
    }
    static TBoardTile Locker(uint8_t Content, bool Bomb = false) {
        TBoardTile T;
        T.Content = Content;
        T.Bomb = Bomb;
        return T;
    }
};

TEST_F(BoardRefill, WithoutChancesEveryNewTileIsAPlainClosedLockerOfAnyKindAndColour) {
    TBoardData Data = QuietFruits();
    Data.At(5, 5).Web = true;
    Data.At(5, 5).WormState = WormStateEaten;
    Data.At(5, 5).BlasterColor = 3;
    Data.At(5, 5).DropOffset = 17;
    Board.LoadBoardData(Data);
    Board.Refill({5, 5});
    EXPECT_EQ(Tile(5, 5).Kind, okLocker);
    EXPECT_FALSE(Tile(5, 5).Web);
    EXPECT_EQ(Tile(5, 5).WormState, WormStateNone);
    EXPECT_EQ(Tile(5, 5).BlasterColor, 3) << "left as it was";
    EXPECT_EQ(Tile(5, 5).DropOffset, 17) << "left as it was";

    const TRefillTally Tally = RefillMany(600);
    EXPECT_EQ(Tally.Kinds, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(Tally.Contents.size(), 5u);
    EXPECT_EQ(Tally.Contents.begin()->first, 1);
    EXPECT_EQ(Tally.Contents.rbegin()->first, 5);
    EXPECT_EQ(Tally.Opened, 0);
    EXPECT_EQ(Tally.Bombs, 0);
}

TEST_F(BoardRefill, EachSpecialComesByItsChanceUntilItsMaximumIsOnTheBoard) {
    struct TCase {
        const char* What;
        int32_t TGameBoard::*Chance;
        uint8_t TGameBoard::*Maximum;
        TBoardTile OnBoard;         // one of the kind, already on the board
        TBoardTile NotCounted;      // carries the code but holds nothing that counts
        int ExpectedContent;        // -1: a fruit colour with a bomb
        TNotifyEvent TGameBoard::*Added;
    };
    const TCase Cases[] = {
        {"uni fruit", &TGameBoard::OneUniFruitEveryProb, &TGameBoard::MaxUniFruitOnBoard, Opened(ccUniFruit),
         Blank(ccUniFruit), ccUniFruit, &TGameBoard::OnFruitBubbleAdded},
        {"fruit blaster", &TGameBoard::OneMultiBubbleEveryProb, &TGameBoard::MaxMultiBubbleOnBoard,
         Opened(ccFruitBlaster), Blank(ccFruitBlaster), ccFruitBlaster, &TGameBoard::OnFruitBlasterAdded},
        {"hammer", &TGameBoard::OneHammerEveryProb, &TGameBoard::MaxHammersOnBoard, Opened(ccHammer), Blank(ccHammer),
         ccHammer, &TGameBoard::OnHammerAdded},
        {"fruit bomb", &TGameBoard::OneFruitBombEveryProb, &TGameBoard::MaxFruitBombsOnBoard, Opened(2, true),
         Locker(2, true) /* only opened bombs count */, -1, &TGameBoard::OnFruitBombAdded},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.What);
        NoSpecials();
        Board.*Case.Chance = 1;  // every time
        Board.*Case.Maximum = 2;
        int Added = 0;
        Board.*Case.Added = [&](TObject*) { ++Added; };

        const TRefillTally Placed = RefillMany(10, {{{1, 1}, Case.OnBoard}, {{2, 1}, Case.NotCounted}});
        EXPECT_EQ(Placed.Opened, 10) << "arrives already opened";
        EXPECT_EQ(Added, 10);
        if (Case.ExpectedContent >= 0) {
            EXPECT_EQ(Placed.Contents.at(Case.ExpectedContent), 10);
            EXPECT_EQ(Placed.Bombs, 0);
        } else {
            EXPECT_EQ(Placed.Bombs, 10) << "the fruit keeps its colour and carries the bomb";
            for (const auto& [Content, Count] : Placed.Contents) EXPECT_TRUE(Content >= 1 && Content <= 5);
        }
        if (Case.ExpectedContent == ccFruitBlaster) {
            EXPECT_GE(Tile(5, 5).BlasterColor, 1);
            EXPECT_LE(Tile(5, 5).BlasterColor, 5);
        }

        Added = 0;
        const TRefillTally Capped = RefillMany(10, {{{1, 1}, Case.OnBoard}, {{2, 1}, Case.OnBoard}});
        EXPECT_EQ(Capped.Opened, 0) << "two on the board: the maximum";
        EXPECT_EQ(Capped.Bombs, 0);
        EXPECT_EQ(Added, 0);
        Board.*Case.Added = nullptr;
    }
}

TEST_F(BoardRefill, AChanceOfOneInPComesAboutOnceInPRefills) {
    Board.OneHammerEveryProb = 10;
    Board.MaxHammersOnBoard = 255;
    const TRefillTally Tally = RefillMany(20000);
    EXPECT_NEAR(Tally.Count(ccHammer), 2000, 150);
    EXPECT_EQ(Tally.Opened, Tally.Count(ccHammer));
}

TEST_F(BoardRefill, OneNewTileNeverTakesTwoSpecials) {
    Board.OneUniFruitEveryProb = 1;
    Board.OneHammerEveryProb = 1;
    Board.OneFruitBombEveryProb = 1;
    Board.OneMagicKeyEveryProb = 1;
    Board.Refill({5, 5});
    EXPECT_EQ(Tile(5, 5).Content, ccUniFruit);
    EXPECT_FALSE(Tile(5, 5).Bomb);
}

TEST_F(BoardRefill, ToolsHideInLockersWhileTheBoardHasNoneAndThePlayerMayHoldMore) {
    struct TCase {
        const char* What;
        TToolKind MaxToolKind;
        int HeldKeys;
        bool KeyOnBoard;
        std::set<int> Expected;  // contents that may come
    };
    const TCase Cases[] = {
        {"every tool allowed", toAerosol, 0, false, {ccMagicKey}},
        {"a key on the board: the broom comes next", toAerosol, 0, true, {ccBroom}},
        {"nine keys held", toAerosol, 9, false, {ccBroom}},
        {"eight keys held", toAerosol, 8, false, {ccMagicKey}},
        {"brooms the highest tool: never an aerosol", toBroom, 9, false, {ccBroom}},
        {"no tools yet", toNone, 0, false, {1, 2, 3, 4, 5}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.What);
        Board.OneMagicKeyEveryProb = 1;
        Board.OneBroomEveryProb = 1;
        Board.OneAerosolEveryProb = 1;
        Board.MaxToolKind = Case.MaxToolKind;
        Board.OnAcquiredMagicKeysQuestion = [&](TObject*, int32_t& Held) { Held = Case.HeldKeys; };
        std::vector<std::pair<TPoint, TBoardTile>> Extra;
        if (Case.KeyOnBoard) Extra.push_back({{9, 9}, Locker(ccMagicKey)});
        const TRefillTally Tally = RefillMany(50, Extra);
        std::set<int> Seen;
        for (const auto& [Content, Count] : Tally.Contents) Seen.insert(Content);
        if (Case.MaxToolKind == toNone)
            EXPECT_TRUE(std::includes(Case.Expected.begin(), Case.Expected.end(), Seen.begin(), Seen.end()));
        else
            EXPECT_EQ(Seen, Case.Expected);
        EXPECT_EQ(Tally.Opened, 0) << "tools stay hidden in their lockers";
    }

    // The aerosol only with everything allowed and the other two unavailable.
    Board.MaxToolKind = toAerosol;
    Board.OnAcquiredMagicKeysQuestion = [](TObject*, int32_t& Held) { Held = 9; };
    Board.OnAcquiredBroomsQuestion = [](TObject*, int32_t& Held) { Held = 9; };
    const TRefillTally Aerosols = RefillMany(5);
    EXPECT_EQ(Aerosols.Count(ccAerosol), 5);
    Board.MaxToolKind = toBroom;
    const TRefillTally None = RefillMany(5);
    EXPECT_EQ(None.Contents.count(ccAerosol), 0u);
}

TEST_F(BoardRefill, TheFirstLessonCyclesLockerKindsUpEachColumnAndPlacesNoSpecials) {
    Board.OneUniFruitEveryProb = 1;
    Board.OneMagicKeyEveryProb = 1;
    Board.CanMatch = false;
    TBoardData Data = QuietLockers();
    // Column 2: the bottom emptied; columns 3 to 5: the top emptied over kinds 1, 2, 3.
    Data.At(2, 10).Kind = okTempBlank;
    for (int X = 3; X <= 5; ++X) {
        Data.At(X, 1).Kind = okTempBlank;
        Data.At(X, 2).LockerKind = static_cast<uint8_t>(X - 2);
    }
    // Column 7: a single used position between holes.
    for (int Y = 1; Y <= 10; ++Y) Data.At(7, Y).Kind = okUnused;
    Data.At(7, 5).Kind = okTempBlank;
    Board.LoadBoardData(Data);
    Board.MakeTutorialBoard();
    Gravity(5);
    EXPECT_EQ(Tile(2, 1).LockerKind, 2) << "after kind 1, which came down to row 2";
    EXPECT_EQ(Tile(3, 1).LockerKind, 2);
    EXPECT_EQ(Tile(4, 1).LockerKind, 3);
    EXPECT_EQ(Tile(5, 1).LockerKind, 1);
    EXPECT_EQ(Tile(7, 5).LockerKind, 2) << "nothing usable below: kind 2";
    for (TPoint P : {TPoint{2, 1}, TPoint{3, 1}, TPoint{4, 1}, TPoint{5, 1}, TPoint{7, 5}}) {
        EXPECT_EQ(Board.BoardData()[P].Kind, okLocker);
        EXPECT_GE(Board.BoardData()[P].Content, 1);
        EXPECT_LE(Board.BoardData()[P].Content, 5);
    }
}

// ---- The locker check ----

TEST_F(BoardFall, TheLockerCheckOpensExactlyTheGroupsOfThreeOrMore) {
    TBoardData Data = QuietFruits();
    const auto Place = [&](std::initializer_list<TPoint> Tiles, uint8_t Kind) {
        for (TPoint P : Tiles) {
            Data[P].Kind = okLocker;
            Data[P].LockerKind = Kind;
        }
    };
    Place({{1, 1}, {2, 1}, {2, 2}}, 1);                  // an L of three
    Place({{5, 1}, {6, 1}}, 1);                          // a pair
    Place({{1, 5}, {2, 5}, {3, 5}, {4, 5}}, 3);          // a line of four
    Place({{7, 7}, {8, 7}, {7, 8}, {8, 8}}, 2);          // a square, one of them webbed
    Data.At(8, 8).Web = true;
    Place({{1, 9}, {2, 9}}, 2);                          // two lockers and an opened tile of their kind
    Data.At(3, 9).LockerKind = 2;
    Place({{9, 1}}, 3);                                  // kinds 3 and 1 side by side
    Place({{10, 1}, {10, 2}}, 1);
    Board.LoadBoardData(Data);

    TSimpleObjectArray Requested;
    int Requests = 0;
    std::vector<TPoint> WebsTorn;
    int NoMatchResets = 0;
    Board.OnOpeningLockersEffectRequest = [&](TObject*, TBoardData NewBoardData, TSimpleObjectArray Mask) {
        ++Requests;
        Requested = Mask;
        EXPECT_FALSE(NewBoardData.At(8, 8).Web) << "the request carries the board with the web torn";
    };
    Board.OnWebEffectRequest = [&](TObject*, TPoint P) { WebsTorn.push_back(P); };
    Board.OnNoMatchTimerReset = [&](TObject*) { ++NoMatchResets; };
    Board.CheckLockerGroups();

    TSimpleObjectArray Expected;
    for (TPoint P : {TPoint{1, 1}, TPoint{2, 1}, TPoint{2, 2}, TPoint{1, 5}, TPoint{2, 5}, TPoint{3, 5},
                     TPoint{4, 5}, TPoint{7, 7}, TPoint{8, 7}, TPoint{7, 8}})
        Expected[P] = true;
    EXPECT_EQ(Requests, 1);
    EXPECT_EQ(Requested, Expected);
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            EXPECT_EQ(Status(X, Y), Expected.At(X, Y) ? tsOpening : tsIdle) << X << "," << Y;
    EXPECT_EQ(WebsTorn, (std::vector<TPoint>{{8, 8}}));
    EXPECT_FALSE(Tile(8, 8).Web);
    EXPECT_EQ(Tile(8, 8).Kind, okLocker) << "a webbed locker only loses its web";
    EXPECT_EQ(NoMatchResets, 1);

    // Opening lockers are busy: a second check finds nothing new but still asks.
    Board.CheckLockerGroups();
    EXPECT_EQ(Requests, 2);
    EXPECT_EQ(Requested.Count(), 0);
    EXPECT_EQ(NoMatchResets, 1);

    Board.LockersOpened(Expected);
    for (TPoint P : {TPoint{1, 1}, TPoint{4, 5}, TPoint{7, 8}}) {
        EXPECT_EQ(Board.BoardData()[P].Kind, okFruit);
        EXPECT_EQ(Board.TileStatus(P), tsIdle);
    }
    EXPECT_EQ(Tile(8, 8).Kind, okLocker);

    // A round that is over checks nothing.
    Board.CanMatch = false;
    Board.CheckLockerGroups();
    EXPECT_EQ(Requests, 2);
}

TEST_F(BoardFall, InFindFlowerLevelsTheCountdownPutsAFlowerInTheFirstPlainLockerOfACheck) {
    TBoardData Data = QuietFruits();
    for (TPoint P : {TPoint{3, 3}, TPoint{3, 4}, TPoint{3, 5}}) {
        Data[P].Kind = okLocker;
        Data[P].LockerKind = 2;
    }
    Data.At(3, 3).Content = ccBroom;  // holds a tool: passed over
    Board.LoadBoardData(Data);
    Board.ActiveMode = amFindFlower;
    Board.OneFlowerPerLockersMin = 1;
    Board.OneFlowerPerLockersMax = 1;
    Board.ResetForRound();
    Board.LoadBoardData(Data);
    bool Answer = true;
    int Questions = 0;
    Board.OnCanAddFlowerQuestion = [&](TObject*, bool& CanAdd) {
        ++Questions;
        CanAdd = Answer;
    };
    Board.OnUnobtainedFlowerIdxSetRequest = [](TObject*, TFlowerIdxSet& Set) {
        Set.Include(4);  // flowers 1 to 3, 5 and 6 found already
    };
    TBoardData Requested;
    Board.OnOpeningLockersEffectRequest = [&](TObject*, TBoardData NewBoardData, TSimpleObjectArray) {
        Requested = NewBoardData;
    };
    Board.CheckLockerGroups();
    EXPECT_EQ(Questions, 1);
    EXPECT_EQ(Tile(3, 3).Content, ccBroom);
    EXPECT_EQ(Tile(3, 4).Content, ccFlower);
    EXPECT_NE(Tile(3, 5).Content, ccFlower) << "one flower per check";
    EXPECT_EQ(Requested.At(3, 4).Content, ccFlower) << "the opening shows the flower";
    EXPECT_EQ(Board.ChosenFlowerIdx(), 4);

    // The round says the row is full: no flower.
    Answer = false;
    Data.At(3, 4).Content = 1;
    Board.LoadBoardData(Data);
    Board.CheckLockerGroups();
    EXPECT_EQ(Questions, 2);
    EXPECT_EQ(Tile(3, 4).Content, 1);

    // Not a find-flowers level: the countdown runs but nothing is placed.
    Answer = true;
    Board.ActiveMode = amNormal;
    Board.LoadBoardData(Data);
    Board.CheckLockerGroups();
    EXPECT_EQ(Tile(3, 4).Content, 1);
}

TEST_F(BoardFall, TheFlowerChosenIsOneNotFoundYetElseTheFirst) {
    struct TCase {
        std::vector<uint8_t> Unobtained;
        std::set<int> Possible;
    };
    const TCase Cases[] = {{{2}, {2}}, {{1, 3}, {1, 3}}, {{}, {1}}, {{9, 200}, {1}} /* outside 1 to 6 */};
    for (const TCase& Case : Cases) {
        Board.OnUnobtainedFlowerIdxSetRequest = [&](TObject*, TFlowerIdxSet& Set) {
            for (uint8_t Idx : Case.Unobtained) Set.Include(Idx);
        };
        std::set<int> Seen;
        for (int I = 0; I < 40; ++I) Seen.insert(Board.ChooseFlower());
        EXPECT_EQ(Seen, Case.Possible);
    }
}

// ---- A whole board settling ----

// The board with effects that answer on the next frame, as the main form wires them.
class SettlingBoard : public BoardFall {
protected:
    void SetUp() override {
        BoardFall::SetUp();
        Board.OnOpeningLockersEffectRequest = [this](TObject*, TBoardData, TSimpleObjectArray Mask) {
            if (Mask.Any()) PendingOpen.push_back(Mask);
        };
        Board.OnGroupedFruitsEffectRequest = [this](TObject*, TBoardData, TSimpleObjectArray Mask, bool, TPoint) {
            PendingGrouped.push_back(Mask);
        };
    }
    void Frame() {
        Board.BoardFrame();
        const std::vector<TSimpleObjectArray> Open = std::move(PendingOpen);
        const std::vector<TSimpleObjectArray> Grouped = std::move(PendingGrouped);
        PendingOpen.clear();
        PendingGrouped.clear();
        for (const TSimpleObjectArray& Mask : Open) {
            Board.LockersOpened(Mask);
            Board.CheckFruitGroups();
        }
        for (const TSimpleObjectArray& Mask : Grouped) Board.RemoveGroupedTiles(Mask);
    }
    // Frames until the board has settled; false when it did not within the limit.
    bool Settle(int MaxFrames) {
        for (int I = 0; I < MaxFrames; ++I) {
            Frame();
            if (Board.IsSettled() && PendingOpen.empty() && PendingGrouped.empty()) return true;
        }
        return false;
    }
    std::vector<TSimpleObjectArray> PendingOpen;
    std::vector<TSimpleObjectArray> PendingGrouped;
};

TEST_F(SettlingBoard, GravityAndRefillSettleEveryBoardToNoGroupsWithEveryTileIdle) {
    // Level-like chances: specials and tools arrive too.
    Board.OneUniFruitEveryProb = Board.OneMultiBubbleEveryProb = 40;
    Board.OneHammerEveryProb = Board.OneFruitBombEveryProb = 40;
    Board.OneMagicKeyEveryProb = Board.OneBroomEveryProb = Board.OneAerosolEveryProb = 50;
    for (uint64_t Seed = 1; Seed <= 12; ++Seed) {
        SCOPED_TRACE(Seed);
        SetRandomSeedSource([Seed] { return Seed; });
        TBoardData Data;
        for (int X = 1; X <= 10; ++X)
            for (int Y = 1; Y <= 10; ++Y) Data.At(X, Y).Kind = Seed % 3 == 0 && X == 5 && Y < 3 ? okUnused : okLocker;
        Board.ResetForRound();
        Board.LoadBoardData(Data);
        Board.RandomizeContents();
        // Empty a few positions, as matched fruits would leave them, then let it all play out.
        TSimpleObjectArray Emptied;
        for (int I = 0; I < 6; ++I) {
            const TPoint P{Random(10) + 1, Random(10) + 1};
            if (Board.BoardData()[P].Kind != okUnused) Emptied[P] = true;
        }
        Board.RemoveGroupedTiles(Emptied);
        ASSERT_TRUE(Settle(3000));
        EXPECT_TRUE(Board.IsIdle());
        EXPECT_FALSE(AnyGroup(Board.BoardData(), Board.TileStatuses(), FruitColorCount));
        for (int X = 1; X <= 10; ++X) {
            for (int Y = 1; Y <= 10; ++Y) {
                const TBoardTile& T = Tile(X, Y);
                EXPECT_NE(T.Kind, okTempBlank) << X << "," << Y << ": every hole filled";
                EXPECT_EQ(T.DropOffset, 0);
                if (T.Kind == okFruit) {
                    EXPECT_TRUE(T.Content != ccFlower && (T.Content < ccMagicKey || T.Content > ccAerosol))
                        << X << "," << Y << ": opened tools are collected";
                }
            }
        }
    }
}

TEST_F(SettlingBoard, TheSameSeedSettlesToTheSameBoard) {
    // Every locker of one kind: the whole board opens and cascades.
    const auto Play = [this] {
        Board.ResetForRound();
        Board.LoadBoardData(TBoardData{});
        Board.RandomizeContents();
        Board.CheckLockerGroups();
        EXPECT_TRUE(Settle(3000));
        return Board.BoardData();
    };
    const TBoardData First = Play();
    EXPECT_EQ(Play(), First);
}

}  // namespace
