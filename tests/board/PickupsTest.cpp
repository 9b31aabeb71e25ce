// The special objects on the real board, without a screen: a clicked hammer and
// what its blow smashes by the board's edges, busy and unused tiles; a bomb's
// blast, its shake ring by ring and what it leaves; the blaster's wave with
// webbed, eaten and eaten-into fruits; a uni fruit keeping the colour it was
// clicked in; and the flower chosen for a row that has some already.
#include <gtest/gtest.h>

#include <vector>

#include "BoardSetupClass.h"
#include "BoardPickupsClass.h"
#include "FallingFruitsClass.h"
#include "GameBoardClass.h"
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

class Specials : public ::testing::Test {
protected:
    void SetUp() override {
        GameplayRandom().SetSeed(5);
        FruitColorCount = 5;
        ClearTileBounces();
        for (auto& Column : ShakeAmplitude)
            for (int32_t& A : Column) A = 0;
        Board.OneUniFruitEveryProb = 0;
        Board.OneMultiBubbleEveryProb = 0;
        Board.OneHammerEveryProb = 0;
        Board.OneFruitBombEveryProb = 0;
        Board.OneMagicKeyEveryProb = 0;
        Board.OneBroomEveryProb = 0;
        Board.OneAerosolEveryProb = 0;
        Board.Left = 215;
        Board.Top = 90;
        Board.OnGroupedFruitsEffectRequest = [this](TObject*, TBoardData, TSimpleObjectArray Mask, bool Combo,
                                                    TPoint Pos) {
            Grouped.push_back(Mask);
            GroupCombo = Combo;
            GroupPos = Pos;
        };
        Board.OnHammeredObjectsEffectRequest = [this](TObject*, TBoardData, TSimpleObjectArray Mask) {
            Hammered.push_back(Mask);
        };
        Board.OnWebEffectRequest = [this](TObject*, TPoint P) { Webs.push_back(P); };
        Board.OnStarsEffectRequest = [this](TObject*, TPoint P) { Stars.push_back(P); };
    }
    void TearDown() override {
        FruitColorCount = 5;
        ClearTileBounces();
    }
    void Load(const TBoardData& Data) { Board.LoadBoardData(Data); }
    const TBoardTile& Tile(int X, int Y) const { return Board.BoardData().At(X, Y); }
    TTileStatus Status(int X, int Y) const { return Board.TileStatus({X, Y}); }
    // One board frame, as the round runs it.
    void Frames(int N) {
        for (int I = 0; I < N; ++I) Board.BoardFrame();
    }

    TGameBoard Board;
    std::vector<TSimpleObjectArray> Grouped;
    bool GroupCombo = false;
    TPoint GroupPos;
    std::vector<TSimpleObjectArray> Hammered;
    std::vector<TPoint> Webs;
    std::vector<TPoint> Stars;
};

TSimpleObjectArray Cells(std::initializer_list<TPoint> Points) {
    TSimpleObjectArray Mask;
    for (const TPoint& P : Points) Mask[P] = true;
    return Mask;
}

// --- Hammer ---------------------------------------------------------------------

TEST_F(Specials, AClickedHammerIsHammeredAndAsksForItsSwingAfterClearingTheNoMatchTimer) {
    TBoardData Data = QuietFruits();
    Data.At(5, 5).Content = ccHammer;
    Load(Data);
    std::vector<TPoint> Swings;
    int Resets = 0;
    Board.OnHammerEffectRequest = [&](TObject*, TPoint P) { Swings.push_back(P); };
    Board.OnNoMatchTimerReset = [&](TObject*) { ++Resets; };

    Board.ClickTile({2, 2});  // another tile selected: the click on the hammer only drops it
    Board.ClickTile({5, 5});
    EXPECT_TRUE(Swings.empty());
    EXPECT_EQ(Status(5, 5), tsIdle);
    EXPECT_FALSE(Board.Selected());

    Board.ClickTile({5, 5});
    ASSERT_EQ(Swings.size(), 1u);
    EXPECT_EQ(Swings[0], (TPoint{5, 5}));
    EXPECT_EQ(Status(5, 5), tsHammered);
    EXPECT_EQ(Resets, 1);
    EXPECT_FALSE(Board.Selected()) << "the selection is cleared";
    Board.ClickTile({5, 5});
    EXPECT_EQ(Swings.size(), 1u) << "a hammered tile takes no click";
}

TEST_F(Specials, AHammerSmashesItsIdleUsedNeighboursInsideTheBoard) {
    struct TCase {
        const char* Name;
        TPoint Hammer;
        std::vector<TPoint> Unused;
        std::vector<TPoint> Busy;  // swapped pairs' first tiles, made busy before the blow
        std::vector<TPoint> Expected;
    };
    const TCase Cases[] = {
        {"middle", {5, 5}, {}, {}, {{5, 4}, {6, 5}, {5, 6}, {4, 5}}},
        {"top-left corner", {1, 1}, {}, {}, {{2, 1}, {1, 2}}},
        {"right edge", {10, 5}, {}, {}, {{10, 4}, {10, 6}, {9, 5}}},
        {"bottom edge", {4, 10}, {}, {}, {{4, 9}, {5, 10}, {3, 10}}},
        {"an unused neighbour", {5, 5}, {{6, 5}}, {}, {{5, 4}, {5, 6}, {4, 5}}},
        {"a busy neighbour", {5, 5}, {}, {{5, 4}}, {{6, 5}, {5, 6}, {4, 5}}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TBoardData Data = QuietFruits();
        for (const TPoint& P : Case.Unused) Data[P].Kind = okUnused;
        Data[Case.Hammer].Content = ccHammer;
        Data.At(5, 4).Web = Case.Busy.empty();  // a webbed tile is smashed like any other
        Data.At(4, 5).Kind = okLocker;          // so is a locker
        Load(Data);
        Hammered.clear();
        // Busy: the tile and the one left of it are being swapped.
        for (const TPoint& P : Case.Busy) ASSERT_TRUE(Board.SwapTiles(P, {P.X - 1, P.Y}));
        Board.ClickTile(Case.Hammer);
        ASSERT_EQ(Status(Case.Hammer.X, Case.Hammer.Y), tsHammered);
        Board.HammerHit(Case.Hammer);
        ASSERT_EQ(Hammered.size(), 1u);
        TSimpleObjectArray Expected;
        for (const TPoint& P : Case.Expected) Expected[P] = true;
        EXPECT_EQ(Hammered[0], Expected);
        EXPECT_FALSE(Hammered[0][Case.Hammer]) << "the hammer's own tile is not thrown";
        for (const TPoint& P : Case.Expected) EXPECT_EQ(Board.TileStatus(P), tsHammered);

        Board.HammeredDone();
        EXPECT_EQ(Tile(Case.Hammer.X, Case.Hammer.Y).Kind, okTempBlank);
        for (const TPoint& P : Case.Expected) {
            EXPECT_EQ(Board.BoardData()[P].Kind, okTempBlank);
            EXPECT_EQ(Board.TileStatus(P), tsFalling);
        }
        for (const TPoint& P : Case.Busy) EXPECT_EQ(Board.TileStatus(P), tsSwapping) << "the busy tile is left alone";
        if (Case.Hammer.Y > 2 && Case.Busy.empty()) {
            EXPECT_EQ(Status(Case.Hammer.X, 1), tsFalling) << "the column above falls into the gap";
        }
    }
}

TEST_F(Specials, AHammerWithNothingToSmashIsDoneAtOnce) {
    TBoardData Data = QuietFruits();
    Data.At(1, 1).Content = ccHammer;
    Data.At(2, 1).Kind = okUnused;
    Data.At(1, 2).Kind = okUnused;
    Load(Data);
    Board.ClickTile({1, 1});
    Board.HammerHit({1, 1});
    EXPECT_TRUE(Hammered.empty()) << "no effect to wait for";
    EXPECT_EQ(Tile(1, 1).Kind, okTempBlank);
    EXPECT_EQ(Status(1, 1), tsFalling) << "the hammer's tile is not left busy for good";
    ASSERT_TRUE(Board.IsIdle() == false);
    for (int I = 0; I < 10 && !Board.IsIdle(); ++I) Frames(1);
    EXPECT_EQ(Tile(1, 1).Kind, okLocker) << "refilled";
}

TEST_F(Specials, TheHammersShakeIsTheRingTableAroundTheBlow) {
    Load(QuietFruits());
    Board.HammerShake({5, 5});
    const struct {
        TPoint P;
        int32_t Amplitude;
    } Expected[] = {{{5, 5}, 3}, {{4, 4}, 3}, {{6, 5}, 3}, {{5, 3}, 2}, {{7, 4}, 2},
                    {{5, 2}, 2}, {{8, 5}, 2}, {{8, 7}, 1}, {{5, 1}, 1}, {{1, 1}, 1}};
    for (const auto& E : Expected) EXPECT_EQ(ShakeAmplitude[E.P.X - 1][E.P.Y - 1], E.Amplitude) << E.P.X << "," << E.P.Y;
    // The ring cells outside the board are simply left out.
    Board.HammerShake({1, 1});
    EXPECT_EQ(ShakeAmplitude[0][0], 3);
    EXPECT_EQ(ShakeAmplitude[3][0], 2);
    EXPECT_EQ(ShakeAmplitude[9][9], 1);
}

// --- Bomb -----------------------------------------------------------------------

TEST_F(Specials, ABombBlowsOnlyTheIdlePlainFruitsAroundItAndShakesTheBoardByRings) {
    TBoardData Data = QuietFruits();
    Data.At(5, 5).Bomb = true;
    Data.At(5, 7).Kind = okLocker;        // (0, 2): a locker stays
    Data.At(6, 5).Content = ccHammer;     // (1, 0): a special stays
    Data.At(4, 5).Web = true;             // (-1, 0): blown, its web torn off
    Data.At(7, 5).Bomb = true;            // (2, 0): blown with its bomb, which does not go off
    Data.At(4, 6).WormState = WormStateEating;  // (-1, 1): the worm goes with it
    Data.At(3, 3).Content = 2;            // a corner of the square: outside the pattern
    Load(Data);
    std::vector<TPoint> Explosions;
    std::vector<TSimpleObjectArray> Banned;
    std::vector<TSimpleObjectArray> Blown;
    int FramesRemoved = 0;
    Board.OnExplossionEffectRequest = [&](TObject*, TPoint P) { Explosions.push_back(P); };
    Board.OnEnemiesBanned = [&](TObject*, TSimpleObjectArray Area) { Banned.push_back(Area); };
    Board.OnFallingFruitsEffectRequest = [&](TObject*, TBoardData, TSimpleObjectArray Fruits) { Blown.push_back(Fruits); };
    Board.OnRemoveLockerFrames = [&](TObject*, TSimpleObjectArray) { ++FramesRemoved; };

    // The grouping completion: the matched bomb fruit leaves, then explodes.
    const TSimpleObjectArray Matched = Cells({{5, 5}});
    Board.RemoveGroupedTiles(Matched);
    ASSERT_EQ(Status(5, 4), tsFalling) << "the tile above already falls into the gap";
    Board.ExplodeBombs(Matched);

    ASSERT_EQ(Explosions.size(), 1u) << "no chain";
    EXPECT_EQ(Explosions[0], (TPoint{5, 5}));
    ASSERT_EQ(Banned.size(), 1u);
    EXPECT_EQ(Banned[0].Count(), 21);
    EXPECT_TRUE(Banned[0].At(5, 5));
    EXPECT_FALSE(Banned[0].At(3, 3));
    ASSERT_EQ(Blown.size(), 1u);
    const TSimpleObjectArray& Set = Blown[0];
    EXPECT_FALSE(Set.At(5, 4)) << "falling tiles are not blown";
    EXPECT_FALSE(Set.At(5, 3));
    EXPECT_FALSE(Set.At(5, 7)) << "lockers stay";
    EXPECT_FALSE(Set.At(6, 5)) << "specials stay";
    EXPECT_FALSE(Set.At(3, 3));
    EXPECT_FALSE(Set.At(5, 5)) << "the bomb's own tile is not a blown fruit";
    EXPECT_TRUE(Set.At(4, 5));
    EXPECT_TRUE(Set.At(7, 5));
    EXPECT_TRUE(Set.At(4, 6));
    EXPECT_EQ(Set.Count(), 20 - 4) << "the pattern less the two above, the locker and the hammer";
    EXPECT_EQ(Tile(5, 7).Kind, okLocker);
    EXPECT_EQ(Tile(6, 5).Kind, okFruit);
    EXPECT_EQ(Tile(4, 5).Kind, okTempBlank);
    EXPECT_FALSE(Tile(4, 5).Web);
    EXPECT_EQ(Webs, (std::vector<TPoint>{{4, 5}}));
    EXPECT_EQ(Tile(4, 6).WormState, WormStateNone);
    EXPECT_EQ(Status(4, 6), tsFalling);
    EXPECT_EQ(FramesRemoved, 0) << "a blast removes no locker frame";

    const struct {
        TPoint P;
        int32_t Amplitude;
    } Rings[] = {{{5, 5}, 7}, {{4, 4}, 7}, {{6, 5}, 7}, {{5, 3}, 6}, {{7, 6}, 6}, {{5, 2}, 5},
                 {{8, 5}, 5}, {{5, 1}, 3}, {{9, 5}, 3}, {{7, 8}, 3}, {{10, 5}, 2}, {{1, 1}, 2}};
    for (const auto& R : Rings) EXPECT_EQ(ShakeAmplitude[R.P.X - 1][R.P.Y - 1], R.Amplitude) << R.P.X << "," << R.P.Y;

    // The blown fruits fly with the bomb's throw and are counted on landing; the blown bomb vanishes.
    TFallingFruits Falling;
    Falling.Left = 215;
    Falling.Top = 90;
    int Landed = 0;
    Falling.OnGroundHit = [&](TObject*, int32_t, int32_t) { ++Landed; };
    Falling.Start(Board.BoardData(), Set, FallModeBlown);
    for (int I = 0; I < 400 && Falling.ActiveCount() > 0; ++I) Falling.UpdateAndDraw();
    EXPECT_EQ(Landed, Set.Count() - 1);
}

TEST_F(Specials, ABombAtTheEdgeBlowsOnlyWhatIsOnTheBoardAndTwoBombsExplodeInBoardOrder) {
    TBoardData Data = QuietFruits();
    Data.At(1, 1).Bomb = true;
    Data.At(10, 10).Bomb = true;
    Load(Data);
    std::vector<TPoint> Explosions;
    std::vector<int> BlownCounts;
    Board.OnExplossionEffectRequest = [&](TObject*, TPoint P) { Explosions.push_back(P); };
    Board.OnFallingFruitsEffectRequest = [&](TObject*, TBoardData, TSimpleObjectArray F) {
        BlownCounts.push_back(F.Count());
    };
    const TSimpleObjectArray Matched = Cells({{1, 1}, {10, 10}});
    Board.RemoveGroupedTiles(Matched);
    Board.ExplodeBombs(Matched);
    EXPECT_EQ(Explosions, (std::vector<TPoint>{{1, 1}, {10, 10}}));
    // (1,1): (0,1) (0,2) (1,0) (2,0) (1,1) (2,1) (1,2) inside; nothing above it falls.
    EXPECT_EQ(BlownCounts, (std::vector<int>{7, 5})) << "(10,10): the column above falls";
    EXPECT_EQ(ShakeAmplitude[9][9], 7) << "the second bomb's shake is the last";
}

// --- Blaster --------------------------------------------------------------------

TEST_F(Specials, TheBlastersWaveTakesItsColourAtItsEighthRingWithWebbedAndEatenFruitsLeft) {
    TBoardData Data = QuietFruits();
    // Colour 3 lies on every tile with (X + 2Y) % 5 == 2.
    Data.At(5, 5).Content = ccFruitBlaster;
    Data.At(5, 5).BlasterColor = 3;
    ASSERT_EQ(Data.At(1, 3).Content, 3);
    Data.At(1, 3).Web = true;                      // only its web is torn off
    ASSERT_EQ(Data.At(2, 5).Content, 3);
    Data.At(2, 5).WormState = WormStateEaten;      // eaten: left alone
    ASSERT_EQ(Data.At(3, 2).Content, 3);
    Data.At(3, 2).WormState = WormStateEating;     // eaten into: taken, the worm driven off
    Load(Data);
    std::vector<TPoint> Bans;
    std::vector<std::pair<TPoint, int32_t>> Clicked;
    Board.OnAFruitWormBanRequest = [&](TObject*, TPoint P) { Bans.push_back(P); };
    Board.OnMultiBubbleClicked = [&](TObject*, TPoint P, int32_t Colour) { Clicked.push_back({P, Colour}); };

    Board.ClickTile({5, 5});
    ASSERT_EQ(Clicked.size(), 1u);
    EXPECT_EQ(Clicked[0].second, 3);
    EXPECT_EQ(Tile(5, 5).Content, 3) << "the blaster becomes a fruit of its colour";
    Board.StartBlasterWave({5, 5});
    EXPECT_TRUE(Board.BlasterWaveActive());
    EXPECT_EQ(Stars, (std::vector<TPoint>{{5, 5}})) << "ring 0 lights its own tile";
    EXPECT_EQ(ShakeAmplitude[4][4], BlasterWaveAmplitude);

    Stars.clear();
    Frames(6);  // ring 3 reached on frame 6
    EXPECT_EQ(Board.BlasterWaveStep(), 3);
    EXPECT_EQ(ShakeAmplitude[4][1], BlasterWaveAmplitude) << "(5, 2) is three away";
    EXPECT_EQ(ShakeAmplitude[4][0], 0) << "(5, 1) is not reached yet";
    bool StarsOnWeb = false;
    for (const TPoint& P : Stars) StarsOnWeb |= P == TPoint{1, 3};
    EXPECT_FALSE(StarsOnWeb);
    Frames(9);
    EXPECT_TRUE(Grouped.empty()) << "nothing taken before frame 16";
    Frames(1);
    ASSERT_EQ(Grouped.size(), 1u);
    const TSimpleObjectArray& Mask = Grouped[0];
    EXPECT_TRUE(Mask.At(5, 5)) << "the blaster's own tile is in the mask";
    EXPECT_TRUE(Mask.At(3, 2));
    EXPECT_FALSE(Mask.At(1, 3));
    EXPECT_FALSE(Mask.At(2, 5));
    int Colour3 = 0;
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y) Colour3 += Data.At(X, Y).Content == 3 ? 1 : 0;
    EXPECT_EQ(Mask.Count(), Colour3 + 1 - 2);
    EXPECT_EQ(Webs, (std::vector<TPoint>{{1, 3}}));
    EXPECT_FALSE(Tile(1, 3).Web);
    EXPECT_EQ(Bans, (std::vector<TPoint>{{3, 2}}));
    EXPECT_EQ(Status(5, 5), tsGrouped);

    Frames(30);
    EXPECT_FALSE(Board.BlasterWaveActive()) << "the wave ends after ring 20";
    EXPECT_EQ(Grouped.size(), 1u) << "its colour is taken once";
}

TEST_F(Specials, ABlasterWithNoOtherFruitOfItsColourStillTakesItself) {
    TBoardData Data = QuietFruits();
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            if (Data.At(X, Y).Content == 3) Data.At(X, Y).Kind = okLocker;
    Data.At(5, 5) = TBoardTile{okFruit, 1, ccFruitBlaster};
    Data.At(5, 5).BlasterColor = 3;
    Load(Data);
    Board.ClickTile({5, 5});
    Board.StartBlasterWave({5, 5});
    Frames(16);
    ASSERT_EQ(Grouped.size(), 1u);
    EXPECT_EQ(Grouped[0], Cells({{5, 5}}));
}

TEST_F(Specials, ASecondBlasterRestartsTheWaveAndLoadingABoardStopsIt) {
    TBoardData Data = QuietFruits();
    Data.At(2, 2).Content = ccFruitBlaster;
    Data.At(2, 2).BlasterColor = 1;
    Data.At(8, 8).Content = ccFruitBlaster;
    Data.At(8, 8).BlasterColor = 4;
    Load(Data);
    Board.ClickTile({2, 2});
    Board.StartBlasterWave({2, 2});
    Frames(10);
    Board.ClickTile({8, 8});
    Board.StartBlasterWave({8, 8});
    EXPECT_EQ(Board.BlasterWaveStep(), 0);
    Frames(15);
    EXPECT_TRUE(Grouped.empty()) << "the first wave's colour is never taken";
    Frames(1);
    ASSERT_EQ(Grouped.size(), 1u);
    EXPECT_TRUE(Grouped[0].At(8, 8));
    EXPECT_FALSE(Grouped[0].At(2, 2));
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            if (Grouped[0].At(X, Y)) {
                EXPECT_EQ(Tile(X, Y).Content, 4);
            }

    Board.ClickTile({2, 2});  // now a plain fruit of colour 1: only selected
    TBoardData Again = QuietFruits();
    Again.At(3, 3).Content = ccFruitBlaster;
    Load(Again);
    Board.ClickTile({3, 3});
    Board.StartBlasterWave({3, 3});
    Load(Again);
    EXPECT_FALSE(Board.BlasterWaveActive());
    Grouped.clear();
    Frames(20);
    EXPECT_TRUE(Grouped.empty());
}

// --- Uni fruit ------------------------------------------------------------------

TEST_F(Specials, AUniFruitKeepsTheColourItShowedAndIsCheckedTwentyFramesLaterAsAMoveAtTheMiddle) {
    TBoardData Data = QuietFruits();
    Data.At(5, 5).Content = ccUniFruit;
    Load(Data);
    const int32_t Colour = Board.UniColor();
    Data = Board.BoardData();
    Board.LoadBoardData(Data);
    // Its neighbours left and right show the colour it will take.
    TBoardData WithPair = Board.BoardData();
    WithPair.At(4, 5).Content = static_cast<uint8_t>(Colour);
    WithPair.At(6, 5).Content = static_cast<uint8_t>(Colour);
    Load(WithPair);
    std::vector<TPoint> Bubbles;
    Board.OnUniBubbleEffectRequest = [&](TObject*, TPoint P) { Bubbles.push_back(P); };

    Board.ClickTile({5, 5});
    EXPECT_EQ(Bubbles, (std::vector<TPoint>{{5, 5}}));
    EXPECT_EQ(Tile(5, 5).Content, Colour);
    EXPECT_TRUE(Board.UniPopping({5, 5}));
    EXPECT_FALSE(Board.Selected());
    Frames(19);
    EXPECT_TRUE(Grouped.empty()) << "the fruit shows for twenty frames first";
    EXPECT_TRUE(Board.UniPopping({5, 5}));
    Frames(1);
    ASSERT_EQ(Grouped.size(), 1u);
    EXPECT_FALSE(Board.UniPopping({5, 5}));
    EXPECT_TRUE(Grouped[0].At(4, 5) && Grouped[0].At(5, 5) && Grouped[0].At(6, 5));
    EXPECT_TRUE(GroupCombo) << "checked as a player's move";
    EXPECT_EQ(GroupPos, (TPoint{5, 5}));
}

// --- Flowers --------------------------------------------------------------------

TEST_F(Specials, TheFlowerChosenIsOneTheRowHasNotGot) {
    TFlowerIdxSet Missing;
    Missing.Include(2);
    Board.OnUnobtainedFlowerIdxSetRequest = [&](TObject*, TFlowerIdxSet& Set) { Set = Missing; };
    for (int I = 0; I < 20; ++I) EXPECT_EQ(Board.ChooseFlower(), 2);
    Board.OnUnobtainedFlowerIdxSetRequest = [](TObject*, TFlowerIdxSet&) {};
    EXPECT_EQ(Board.ChooseFlower(), 1) << "nothing missing: flower 1";
}

// --- Rules ----------------------------------------------------------------------

TEST(SpecialRules, TheBlastersRingsAreDiamondsWalkedClockwiseFromTheTop) {
    for (int Ring = 0; Ring <= 6; ++Ring) {
        int32_t Amplitude[BoardSize][BoardSize] = {};
        MarkBlasterRing(Amplitude, {5, 5}, Ring);
        int Marked = 0;
        for (int X = 1; X <= 10; ++X) {
            for (int Y = 1; Y <= 10; ++Y) {
                const int Distance = std::abs(X - 5) + std::abs(Y - 5);
                const bool On = Amplitude[X - 1][Y - 1] == BlasterWaveAmplitude;
                EXPECT_EQ(On, Distance == Ring) << Ring << ": " << X << "," << Y;
                Marked += On ? 1 : 0;
            }
        }
        if (Ring <= 4) {
            EXPECT_EQ(Marked, Ring == 0 ? 1 : 4 * Ring);
        }
    }
}

}  // namespace
