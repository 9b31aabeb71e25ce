// The fruit worms without a screen: waves and the caps on spawning, where worms
// come in and which way they crawl, the end of their appearing, the blows that
// reach them on the grid lines (through the real board and grouping too), worms
// thrown out of fruits, the falling roll, clearing them away, and their slots.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "DrawnBoard.h"
#include "EnemyTestSupport.h"
#include "FruitWormsClass.h"
#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "GroupedFruitsEffectClass.h"
#include "RandomClass.h"

namespace {

using namespace enemytest;

// Frames a spawn interval of 350 * K milliseconds lasts at 30 a frame.
int IntervalFrames(int K) { return (350 * K + 29) / 30; }

class Worms : public ::testing::Test {
protected:
    void SetUp() override {
        GameplayRandom().SetSeed(5);
        W.TakeBoard(QuietFruits());
        W.OnOneWormHit = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &W);
            ++Hits;
        };
        W.OnParametersRequest = [this](TObject*, int32_t& E, int32_t& F) {
            ++Requests;
            E = Eating;
            F = Eaten;
        };
    }
    // Runs to the next spawn (or refused spawn); the frames it took, -1 when none came.
    int UntilSpawnAttempt() {
        const int Before = Requests;
        return RunUntil(W, [&] { return Requests > Before; }, 200);
    }
    // The slot a spawn of this frame took, or -1.
    int FreshSlot() const {
        for (int I = 0; I < TFruitWorms::SlotCount; ++I) {
            const TWormSlot& Slot = W.Crawler(I);
            if (Slot.State == wsAppearing && Slot.AppearAnim.Position() == 1) return I;
        }
        return -1;
    }
    // Starts a wave of one worm and runs until it has come in.
    void SpawnOne(const TBoardData& Copy) {
        W.TakeBoard(Copy);
        W.MaxWormsOnBoard = 1;
        W.StartWave();
        ASSERT_GT(UntilSpawnAttempt(), 0);
        ASSERT_EQ(W.CrawlerCount(), 1);
    }
    TPoint RoundedPos(int Index) const { return {Round(W.Crawler(Index).PosX), Round(W.Crawler(Index).PosY)}; }

    TFruitWorms W;
    int Hits = 0;
    int Requests = 0;
    int32_t Eating = 0;
    int32_t Eaten = 0;
};

// Two tiles in column 5, rows 1 and 2: a worm in this copy stays high on the board.
TBoardData Corridor() { return OnlyTiles({{5, 1}, {5, 2}}); }

TEST_F(Worms, LandedFruitsStartAWaveAtEveryIntervalAndNeverWithTheIntervalOff) {
    struct TCase {
        int Interval;
        int Fruits;
        std::vector<int> WavesAt;
    };
    const TCase Cases[] = {{0, 100, {}}, {-5, 100, {}}, {5, 12, {5, 10}}, {1, 3, {1, 2, 3}}};
    for (const TCase& C : Cases) {
        W.Reset();
        W.FruitsInterval = C.Interval;
        std::vector<int> Waves;
        int Fruit = 0;
        W.OnFruitsIntervalReached = [&](TObject*) { Waves.push_back(Fruit); };
        for (Fruit = 1; Fruit <= C.Fruits; ++Fruit) W.CountLandedFruit();
        EXPECT_EQ(Waves, C.WavesAt) << "interval " << C.Interval;
    }
    // An interval put back below the count already reached is due at the next fruit.
    W.Reset();
    W.FruitsInterval = 50;
    int Waves = 0;
    W.OnFruitsIntervalReached = [&](TObject*) { ++Waves; };
    for (int I = 0; I < 30; ++I) W.CountLandedFruit();
    W.FruitsInterval = 20;
    W.CountLandedFruit();
    EXPECT_EQ(Waves, 1);
    EXPECT_EQ(W.LandedFruits(), 0);
}

TEST_F(Worms, AWaveSpendsOneWormPerIntervalOf350To3500MillisecondsAndNoneWithoutWorms) {
    std::set<int> Allowed;
    for (int K = 1; K <= 10; ++K) Allowed.insert(IntervalFrames(K));
    W.MaxWormsOnBoard = 3;
    W.StartWave();
    for (int I = 0; I < 3; ++I) {
        const int Frames = UntilSpawnAttempt();
        EXPECT_TRUE(Allowed.count(Frames)) << "spawn " << I << " after " << Frames << " frames";
    }
    EXPECT_EQ(W.CrawlerCount(), 3);
    EXPECT_EQ(UntilSpawnAttempt(), -1) << "the wave is spent";

    W.Reset();
    W.MaxWormsOnBoard = 0;
    W.StartWave();
    RunFrames(W, 300);
    EXPECT_EQ(Requests, 3) << "a wave of no worms asks nothing";
    EXPECT_EQ(W.CrawlerCount(), 0);
}

TEST_F(Worms, TheCapsCountCrawlersEatingWormsAndEatenFruits) {
    struct TCase {
        int Crawlers;
        int32_t Eating;
        int32_t Eaten;
        int32_t MaxWorms;
        int32_t MaxEaten;
        bool Comes;
    };
    const TCase Cases[] = {
        {0, 0, 0, 4, 4, true},  {0, 2, 2, 4, 4, false}, {0, 3, 0, 4, 4, true},  {0, 4, 0, 4, 4, false},
        {0, 0, 4, 4, 4, false}, {0, 0, 3, 4, 4, true},  {1, 3, 0, 4, 4, false}, {1, 2, 0, 4, 4, true},
        {1, 1, 2, 4, 4, false}, {1, 1, 1, 4, 4, true},  {0, 0, 0, 0, 4, false}, {0, 0, 0, 4, 0, false},
        {0, 0, 0, -1, 4, false}, {2, 0, 0, 3, 9, true},  {2, 0, 0, 2, 9, false},
    };
    for (const TCase& C : Cases) {
        W.Reset();
        W.MaxWormsOnBoard = 20;
        W.MaxEatenFruits = 20;
        Eating = 0;
        Eaten = 0;
        W.StartWave();
        for (int I = 0; I < C.Crawlers; ++I) ASSERT_GT(UntilSpawnAttempt(), 0);
        ASSERT_EQ(W.CrawlerCount(), C.Crawlers);
        W.MaxWormsOnBoard = C.MaxWorms;
        W.MaxEatenFruits = C.MaxEaten;
        Eating = C.Eating;
        Eaten = C.Eaten;
        ASSERT_GT(UntilSpawnAttempt(), 0);
        EXPECT_EQ(W.CrawlerCount(), C.Crawlers + (C.Comes ? 1 : 0))
            << "crawlers " << C.Crawlers << ", eating " << C.Eating << ", eaten " << C.Eaten << ", caps "
            << C.MaxWorms << "/" << C.MaxEaten;
    }
}

TEST_F(Worms, AWormTheCapsKeepAwayIsSpentAllTheSame) {
    W.MaxWormsOnBoard = 1;
    Eating = 4;
    W.StartWave();
    ASSERT_GT(UntilSpawnAttempt(), 0);
    EXPECT_EQ(W.PendingWorms(), 0);
    Eating = 0;
    RunFrames(W, 400);
    EXPECT_EQ(Requests, 1);
    EXPECT_EQ(W.CrawlerCount(), 0);
}

TEST_F(Worms, WormsComeInOnTheEdgeOrBesideAHoleHeadingInward) {
    struct TCase {
        TPoint Tile;
        std::vector<TPoint> Holes;
        bool Found;
        TCrawlDirection Heading;
    };
    const TCase Cases[] = {
        {{1, 5}, {}, true, cdRight},
        {{10, 5}, {}, true, cdLeft},
        {{5, 1}, {}, true, cdDown},
        {{5, 10}, {}, true, cdUp},
        {{1, 1}, {}, true, cdDown},  // in a corner the vertical heading wins
        {{10, 1}, {}, true, cdDown},
        {{1, 10}, {}, true, cdUp},
        {{10, 10}, {}, true, cdUp},
        {{5, 5}, {}, false, cdUp},  // inside, away from holes: no way in
        {{5, 5}, {{4, 5}}, true, cdRight},
        {{5, 5}, {{6, 5}}, true, cdLeft},
        {{5, 5}, {{5, 4}}, true, cdDown},
        {{5, 5}, {{5, 6}}, true, cdUp},
        {{5, 5}, {{4, 5}, {5, 4}}, true, cdDown},  // the later rule wins
        {{1, 5}, {{2, 5}}, true, cdLeft},          // a hole beside the edge overrides the edge
        {{5, 1}, {{5, 2}}, true, cdUp},            // ... even heading off the board
        {{5, 5}, {{4, 4}, {6, 6}}, false, cdUp},   // diagonal holes do not count
    };
    for (const TCase& C : Cases) {
        TBoardData Board = QuietFruits();
        for (TPoint Hole : C.Holes) Board[Hole].Kind = okUnused;
        TCrawlDirection Heading = cdLeft;
        const bool Found = TFruitWorms::EntryDirection(Board, C.Tile, Heading);
        EXPECT_EQ(Found, C.Found) << "tile " << C.Tile.X << "," << C.Tile.Y;
        if (Found && C.Found) {
            EXPECT_EQ(Heading, C.Heading) << "tile " << C.Tile.X << "," << C.Tile.Y;
        }
    }
}

TEST_F(Worms, AnEntryIsDrawnUntilATileWithAWayInAndAnEmptyBoardBringsNoWorm) {
    TPoint Tile;
    TCrawlDirection Heading = cdLeft;
    ASSERT_TRUE(TFruitWorms::ChooseEntry(OnlyTiles({{5, 5}}), Tile, Heading));
    EXPECT_EQ(Tile, (TPoint{5, 5}));
    EXPECT_EQ(Heading, cdUp);

    TBoardData Empty = OnlyTiles({});
    EXPECT_FALSE(TFruitWorms::ChooseEntry(Empty, Tile, Heading));
    W.TakeBoard(Empty);
    W.StartWave();
    ASSERT_GT(UntilSpawnAttempt(), 0);
    EXPECT_EQ(W.CrawlerCount(), 0);
}

TEST_F(Worms, ADirectionNeverLeadsOffTheBoardOrIntoAHole) {
    const TBoardData Board = WithHoles(QuietFruits(), {{3, 3}, {3, 4}, {4, 3}, {7, 7}, {8, 8}, {1, 9}, {10, 2}});
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            if (Board.At(X, Y).Kind == okUnused) continue;
            for (int Current = 0; Current < 4; ++Current) {
                for (int Turn : {1, 4}) {
                    for (bool Forced : {false, true}) {
                        TCrawlDirection D = cdUp;
                        ASSERT_TRUE(TFruitWorms::ChooseDirection(Board, {X, Y}, static_cast<TCrawlDirection>(Current),
                                                                 Turn, Forced, D));
                        const TPoint Next = NeighbourTile({X, Y}, D);
                        EXPECT_TRUE(CanCrawlOnto(Board, Next)) << X << "," << Y << " -> " << Next.X << "," << Next.Y;
                    }
                }
            }
        }
    }
    TCrawlDirection D = cdUp;
    EXPECT_FALSE(TFruitWorms::ChooseDirection(OnlyTiles({{5, 5}}), {5, 5}, cdUp, 4, false, D))
        << "no way out";
}

TEST_F(Worms, ADirectionDrawsTwiceATryAndGoesStraightUnlessItsTurnComes) {
    const TBoardData Board = QuietFruits();
    TCrawlDirection D = cdDown;
    // Forced with straight ahead open: one try, both draws taken.
    for (int I = 0; I < 50; ++I) {
        TRandomStream Expected = GameplayRandom();
        ASSERT_TRUE(TFruitWorms::ChooseDirection(Board, {5, 5}, cdLeft, 4, true, D));
        EXPECT_EQ(D, cdLeft);
        Expected.Next(4);
        Expected.Next(4);
        ASSERT_EQ(Expected.NextUInt32(), GameplayRandom().NextUInt32()) << "two draws per try";
    }
    struct TCase {
        int Turn;
        bool Forced;
        bool OnlyStraight;
    };
    // A chance of 1 in 1 (or less) comes every time; a huge one practically never.
    const TCase Cases[] = {{1, false, false}, {0, false, false}, {1000000, false, true}, {1, true, true}};
    for (const TCase& C : Cases) {
        std::set<int> Seen;
        for (int I = 0; I < 400; ++I) {
            ASSERT_TRUE(TFruitWorms::ChooseDirection(Board, {5, 5}, cdUp, C.Turn, C.Forced, D));
            Seen.insert(D);
        }
        if (C.OnlyStraight) {
            EXPECT_EQ(Seen, (std::set<int>{cdUp})) << "turn 1 in " << C.Turn;
        } else {
            EXPECT_TRUE(Seen.count(cdDown)) << "the way back is a turn like any other";
            EXPECT_EQ(Seen.size(), 4u) << "turn 1 in " << C.Turn;
        }
    }
    // Straight ahead blocked: a forced call turns.
    for (int I = 0; I < 100; ++I) {
        ASSERT_TRUE(TFruitWorms::ChooseDirection(Board, {5, 1}, cdUp, 4, true, D));
        EXPECT_NE(D, cdUp);
    }
}

TEST_F(Worms, AppearingEndsWhereTheEntryLeftTheWormAndTheWalkGoesOnFromThere) {
    struct TCase {
        TCrawlDirection CameWith;
        bool StraightBlocked;
        TPoint Adjust;
        int WalkPosition;
    };
    const TCase Cases[] = {
        {cdDown, true, {-6, 19}, 44}, {cdDown, false, {-6, 19}, 44}, {cdUp, true, {-7, 18}, 44},
        {cdLeft, true, {0, -11}, 8},  {cdRight, false, {2, -6}, 8},
    };
    for (const TCase& C : Cases) {
        bool Tried = false;
        for (uint64_t Seed = 1; Seed < 300 && !Tried; ++Seed) {
            W.Reset();
            GameplayRandom().SetSeed(Seed);
            SpawnOne(QuietFruits());
            const TWormSlot& Worm = W.Crawler(0);
            if (Worm.Direction != C.CameWith) continue;
            Tried = true;
            const double AppearX = Worm.PosX;
            const double AppearY = Worm.PosY;
            if (C.StraightBlocked) W.TakeBoard(WithHoles(QuietFruits(), {NeighbourTile(Worm.Tile, C.CameWith)}));
            const int Frames = RunUntil(W, [&] { return Worm.State != wsAppearing; }, 100);
            EXPECT_EQ(Frames, 44) << "45 frames of appearing, the first in the spawn's frame";
            ASSERT_EQ(Worm.State, wsWalking);
            EXPECT_EQ(Worm.PosX, AppearX + C.Adjust.X) << "came with " << int(C.CameWith);
            EXPECT_EQ(Worm.PosY, AppearY + C.Adjust.Y) << "came with " << int(C.CameWith);
            EXPECT_EQ(Worm.WalkAnim.Position(), C.WalkPosition);
            if (C.StraightBlocked) {
                EXPECT_NE(Worm.Direction, C.CameWith);
            } else {
                EXPECT_EQ(Worm.Direction, C.CameWith) << "a worm goes on straight ahead when it can";
            }
            EXPECT_EQ(Worm.Target, W.WalkingPoint(Worm.NextTile));
        }
        EXPECT_TRUE(Tried) << "no seed brought a worm heading " << int(C.CameWith);
    }
}

TEST_F(Worms, AWormAsksAtEveryTileItReachesAndMayCreepOnlyIntoThose) {
    std::vector<std::pair<int, TPoint>> Asked;
    int Frame = 0;
    W.OnIfTileIsFruitQuestion = [&](TObject*, TPoint P, bool& IsFruit) {
        Asked.push_back({Frame, P});
        IsFruit = false;
    };
    SpawnOne(QuietFruits());
    const TPoint Entry = W.Crawler(0).Tile;
    for (Frame = 1; Frame <= 400; ++Frame) W.Frame();
    ASSERT_GE(Asked.size(), 3u);
    EXPECT_NE(Asked[0].second, Entry) << "the entry tile is never asked about";
    for (size_t I = 1; I < Asked.size(); ++I) EXPECT_EQ(Asked[I].first - Asked[I - 1].first, 77) << "frames a tile";

    // With every fruit offered and a chance of 1 in P for P of 1 or less, it creeps into the first one.
    for (int32_t Prob : {1, 0, -3}) {
        W.Reset();
        W.OneEntryEveryProb = Prob;
        std::vector<TPoint> Selected;
        W.OnIfTileIsFruitQuestion = [](TObject*, TPoint, bool& IsFruit) { IsFruit = true; };
        W.OnAFruitTileSelected = [&](TObject*, TPoint P) { Selected.push_back(P); };
        SpawnOne(QuietFruits());
        const TPoint EntryTile = W.Crawler(0).Tile;
        RunUntil(W, [&] { return !Selected.empty(); }, 400);
        ASSERT_EQ(Selected.size(), 1u) << "1 in " << Prob;
        EXPECT_NE(Selected[0], EntryTile);
        EXPECT_EQ(W.Crawler(0).State, wsInactive);
        EXPECT_EQ(W.CrawlerCount(), 0);
    }
}

TEST_F(Worms, ABlowReachesAWormOnItsTileAndOnTheGridLineItCrawlsAlong) {
    struct TCase {
        TCrawlDirection Heading;
        TPoint Marked;
        bool Hit;
    };
    const TPoint T{5, 5};
    const TCase Cases[] = {
        {cdUp, {5, 5}, true},    {cdUp, {6, 5}, true},    {cdUp, {5, 6}, false},   {cdUp, {4, 5}, false},
        {cdUp, {5, 4}, false},   {cdDown, {6, 5}, true},  {cdDown, {5, 6}, false}, {cdLeft, {5, 5}, true},
        {cdLeft, {5, 6}, true},  {cdLeft, {6, 5}, false}, {cdLeft, {4, 5}, false}, {cdRight, {5, 6}, true},
        {cdRight, {6, 5}, false}, {cdRight, {6, 6}, false},
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(TFruitWorms::CrawlerHitBy(T, C.Heading, C.Marked), C.Hit)
            << "heading " << int(C.Heading) << ", marked " << C.Marked.X << "," << C.Marked.Y;
}

TEST_F(Worms, AnAppearingOrWalkingWormIsHitOnceAndBitesThenNothingHitsItAgain) {
    TSoundLog Sounds;
    SpawnOne(QuietFruits());
    const TWormSlot& Worm = W.Crawler(0);
    ASSERT_EQ(Worm.State, wsAppearing);
    // Its own tile and its grid-line tile both marked: still one hit.
    const bool Vertical = Worm.Direction == cdUp || Worm.Direction == cdDown;
    const TPoint GridLineTile = Vertical ? TPoint{Worm.Tile.X + 1, Worm.Tile.Y} : TPoint{Worm.Tile.X, Worm.Tile.Y + 1};
    W.HitByMask(Marked({Worm.Tile, GridLineTile}));
    EXPECT_EQ(Hits, 1);
    EXPECT_EQ(Sounds.Count("WormHit"), 1);
    EXPECT_EQ(Worm.State, wsHit);
    EXPECT_EQ(Worm.HitPos, RoundedPos(0));
    W.HitByMask(Marked({Worm.Tile}));
    W.HitInRect({0, 0, 800, 600});
    RunUntil(W, [&] { return Worm.State == wsFalling; }, 20);
    W.HitInRect({0, 0, 800, 600});
    W.HitByStatus(FallingAt({Worm.Tile}));
    EXPECT_EQ(Hits, 1) << "a biting or falling worm is not hit again";

    // A walking worm in a rectangle, its edges included; the status hit takes only falling tiles.
    W.Reset();
    SpawnOne(QuietFruits());
    RunUntil(W, [&] { return Worm.State == wsWalking; }, 100);
    RunFrames(W, 10);
    const TPoint At = RoundedPos(0);
    W.HitInRect({At.X + 1, At.Y, At.X + 9, At.Y + 9});
    W.HitByStatus([&] {
        TTileStatusArray S;
        S[Worm.Tile] = tsGrouped;
        return S;
    }());
    EXPECT_EQ(Hits, 1);
    W.HitInRect({At.X - 9, At.Y - 9, At.X, At.Y});
    EXPECT_EQ(Hits, 2);
}

TEST_F(Worms, AWormOnATileThatFallsAfterAMatchBelowItIsHit) {
    FruitColorCount = 5;
    TGameBoard Board;
    TGroupedFruitsEffect Grouping;
    TBoardData Tiles = QuietFruits();
    // Three of colour 2 in row 3, under column 5's first two tiles.
    Tiles.At(4, 3).Content = 2;
    Tiles.At(6, 3).Content = 2;
    Board.LoadBoardData(Tiles);
    ASSERT_EQ(TilesOf(Board.FindGroups(okFruit, 2)), (TTileSet{{4, 3}, {5, 3}, {6, 3}}));

    SpawnOne(Corridor());
    RunUntil(W, [&] { return W.Crawler(0).State == wsWalking; }, 100);
    Board.OnGroupedFruitsEffectRequest = [&](TObject*, TBoardData Data, TSimpleObjectArray Mask, bool, TPoint) {
        W.HitByMask(Mask);
        Grouping.Start(Data, Mask);
    };
    Grouping.OnGroupingEffectComplete = [&](TObject*, TBoardData, TSimpleObjectArray Mask) {
        Board.RemoveGroupedTiles(Mask);
        W.HitByStatus(Board.TileStatuses());
    };
    Board.CheckFruitGroups();
    EXPECT_EQ(Hits, 0) << "the match itself is two rows lower";
    for (int I = 0; I < TGroupedFruitsEffect::GroupingFrames; ++I) Grouping.Frame();
    EXPECT_EQ(Board.TileStatus({5, 2}), tsFalling);
    EXPECT_EQ(Hits, 1);
    EXPECT_EQ(W.Crawler(0).State, wsHit);
    FruitColorCount = 5;
}

TEST_F(Worms, AMatchedFruitThrowsItsWormOutAndAtMostTwentyAreShown) {
    TSoundLog Sounds;
    FruitColorCount = 5;
    TGameBoard Board;
    TBoardData Tiles = QuietFruits();
    Tiles.At(4, 3).Content = 2;
    Tiles.At(6, 3).Content = 2;
    Board.LoadBoardData(Tiles);
    ASSERT_TRUE(Board.StartEating({5, 3}));
    Board.OnAFruitWormBanRequest = [&](TObject*, TPoint P) { W.DriveOffEater(P); };
    int Dust = 0;
    W.OnFallingPosUpdate = [&](TObject*, TPoint) { ++Dust; };
    Board.CheckFruitGroups();

    const TWormSlot& Worm = W.DrivenOff(0);
    EXPECT_EQ(Hits, 1);
    EXPECT_EQ(Sounds.Count("WormHit"), 1);
    ASSERT_EQ(Worm.State, wsHit);
    EXPECT_EQ(Worm.Tile, (TPoint{5, 3}));
    EXPECT_EQ(Worm.PosX, W.WalkingPoint({5, 3}).X);
    EXPECT_EQ(Worm.PosY, W.WalkingPoint({5, 3}).Y);
    EXPECT_EQ(RunUntil(W, [&] { return Worm.State == wsFalling; }, 20), 8) << "one bite of eight frames";
    RunUntil(W, [&] { return Worm.State == wsInactive; }, 100);
    EXPECT_GE(Worm.PosY, 600.0);
    EXPECT_EQ(Dust, 0) << "only crawlers raise dust";

    for (int I = 0; I < 21; ++I) W.DriveOffEater({1 + I % 10, 1 + I / 10});
    EXPECT_EQ(Hits, 1 + 20) << "a worm without a free slot is neither shown nor counted";
    FruitColorCount = 5;
}

TEST_F(Worms, AHitCrawlerRollsOffTheScreenRaisingDustOnItsFirstStretch) {
    std::vector<TPoint> Dust;
    W.OnFallingPosUpdate = [&](TObject*, TPoint P) { Dust.push_back(P); };
    SpawnOne(Corridor());
    const TWormSlot& Worm = W.Crawler(0);
    RunUntil(W, [&] { return Worm.State == wsWalking; }, 100);
    RunFrames(W, 5);
    W.HitInRect({0, 0, 800, 600});
    const double HitY = Worm.PosY;
    RunUntil(W, [&] { return Worm.State == wsFalling; }, 20);
    EXPECT_EQ(Worm.Angle, 0);
    for (int K = 1; K <= 12; ++K) {
        W.Frame();
        EXPECT_EQ(Worm.Angle, 12 * K % 360);
    }
    ASSERT_EQ(Dust.size(), 10u) << "135 pixels at 13 a frame";
    for (int K = 1; K <= 10; ++K) EXPECT_EQ(Dust[K - 1].Y, Round(HitY + 13 * K));
    RunUntil(W, [&] { return Worm.State == wsInactive; }, 100);
    EXPECT_GE(Worm.PosY, 600.0);
    EXPECT_LT(Worm.PosY - 13, 600.0);
}

TEST_F(Worms, ClearingAwayRestartsEveryCrawlersBiteCountsNothingAndEndsTheWave) {
    TSoundLog Sounds;
    W.TakeBoard(Corridor());
    W.MaxWormsOnBoard = 9;
    W.MaxEatenFruits = 9;
    W.StartWave();
    for (int I = 0; I < 3; ++I) ASSERT_GT(UntilSpawnAttempt(), 0);
    // The first worm is knocked off and falling, another thrown out of a fruit.
    W.HitInRect({RoundedPos(0).X, RoundedPos(0).Y, RoundedPos(0).X, RoundedPos(0).Y});
    RunUntil(W, [&] { return W.Crawler(0).State == wsFalling; }, 20);
    W.DriveOffEater({5, 5});
    W.Frame();
    const int HitsBefore = Hits;
    const int SoundsBefore = Sounds.Count("WormHit");
    const TWormSlot DrivenBefore = W.DrivenOff(0);
    ASSERT_EQ(W.Crawler(0).State, wsFalling);

    W.RemoveAll();
    EXPECT_EQ(Hits, HitsBefore) << "nothing is counted";
    EXPECT_EQ(Sounds.Count("WormHit"), SoundsBefore + 1) << "one sound for all";
    int Biting = 0;
    for (int I = 0; I < TFruitWorms::SlotCount; ++I) {
        const TWormSlot& Slot = W.Crawler(I);
        if (Slot.State == wsInactive) continue;
        ++Biting;
        EXPECT_EQ(Slot.State, wsHit);
        EXPECT_EQ(Slot.HitPos, RoundedPos(I));
    }
    EXPECT_GE(Biting, 3) << "the falling worm bites again too";
    EXPECT_EQ(W.DrivenOff(0).State, DrivenBefore.State);
    EXPECT_EQ(W.DrivenOff(0).HitPos, DrivenBefore.HitPos);
    EXPECT_EQ(W.PendingWorms(), 0);
    const int RequestsBefore = Requests;
    RunFrames(W, 400);
    EXPECT_EQ(Requests, RequestsBefore) << "the wave is over";
    EXPECT_EQ(W.CrawlerCount(), 0);

    W.RemoveAll();
    EXPECT_EQ(Sounds.Count("WormHit"), SoundsBefore + 1) << "no worm, no sound";
}

TEST_F(Worms, ANewWormTakesTheNextFreeSlotAndNeverOneStillInUse) {
    W.MaxWormsOnBoard = 60;
    W.MaxEatenFruits = 60;
    W.StartWave();
    for (int I = 0; I < TFruitWorms::SlotCount; ++I) {
        ASSERT_GT(UntilSpawnAttempt(), 0);
        EXPECT_EQ(FreshSlot(), I);
    }
    ASSERT_EQ(W.CrawlerCount(), 20);
    for (int I = 0; I < 2; ++I) {
        ASSERT_GT(UntilSpawnAttempt(), 0);
        EXPECT_EQ(FreshSlot(), -1) << "every slot holds a live worm";
    }
    EXPECT_EQ(W.CrawlerCount(), 20);

    // Knock off the worm of slot 8 (and any sharing its point); once gone, its slot is the next taken.
    const TPoint At = RoundedPos(8);
    W.HitInRect({At.X, At.Y, At.X, At.Y});
    std::set<int> Knocked;
    for (int I = 0; I < TFruitWorms::SlotCount; ++I)
        if (W.Crawler(I).State == wsHit) Knocked.insert(I);
    ASSERT_TRUE(Knocked.count(8));
    RunUntil(W, [&] { return W.Crawler(8).State == wsInactive; }, 200);
    int Fresh = -1;
    for (int I = 0; I < 3 && Fresh < 0; ++I) {
        ASSERT_GT(UntilSpawnAttempt(), 0);
        Fresh = FreshSlot();
    }
    EXPECT_EQ(Fresh, *Knocked.begin());
}

TEST_F(Worms, AWormWithNowhereToCrawlDropsOffUncounted) {
    TSoundLog Sounds;
    // A lone tile: the worm comes in beside the holes but cannot leave it.
    SpawnOne(OnlyTiles({{5, 5}}));
    const TWormSlot& Worm = W.Crawler(0);
    ASSERT_EQ(RunUntil(W, [&] { return Worm.State != wsAppearing; }, 100), 44);
    EXPECT_EQ(Worm.State, wsHit);
    EXPECT_EQ(Worm.HitPos, RoundedPos(0));
    EXPECT_EQ(Hits, 0) << "nobody knocked it off";
    RunUntil(W, [&] { return Worm.State == wsInactive; }, 200);
    EXPECT_EQ(Worm.State, wsInactive);
    EXPECT_EQ(Hits, 0);
}

TEST_F(Worms, NothingMovesOrComesWhileHidden) {
    SpawnOne(QuietFruits());
    W.MaxWormsOnBoard = 4;
    W.StartWave();
    const TWormSlot Before = W.Crawler(0);
    W.Visible = false;
    RunFrames(W, 300);
    EXPECT_EQ(Requests, 1);
    EXPECT_EQ(W.Crawler(0).PosX, Before.PosX);
    EXPECT_EQ(W.Crawler(0).AppearAnim.Position(), Before.AppearAnim.Position());
}

// ---- The board's side: eating, eaten fruits waiting for the fairy ----

class WormBoard : public ::testing::Test {
protected:
    void SetUp() override {
        FruitColorCount = 5;
        GameplayRandom().SetSeed(3);
        Board.LoadBoardData(QuietFruits());
        Board.OnFruitRestoreEffectRequest = [this](TObject*, TPoint P) { RestoreRequests.push_back({Frame, P}); };
    }
    void TearDown() override { FruitColorCount = 5; }
    void Frames(int Count) {
        for (int I = 0; I < Count; ++I) {
            ++Frame;
            Board.BoardFrame();
        }
    }
    const TBoardTile& Tile(TPoint P) const { return Board.BoardData()[P]; }

    TGameBoard Board;
    int Frame = 0;
    std::vector<std::pair<int, TPoint>> RestoreRequests;
};

TEST_F(WormBoard, AWormMayEatOnlyAPlainFruitWithoutAWormOrAWebWhateverTheTileIsDoing) {
    struct TCase {
        const char* What;
        TBoardTile Tile;
        TTileStatus Status;
        bool CanEat;
    };
    auto Fruit = [](uint8_t Content) {
        TBoardTile T;
        T.Kind = okFruit;
        T.Content = Content;
        return T;
    };
    auto With = [](TBoardTile T, auto Change) {
        Change(T);
        return T;
    };
    const TCase Cases[] = {
        {"plain fruit", Fruit(3), tsIdle, true},
        {"falling fruit", Fruit(3), tsFalling, true},
        {"swapping fruit", Fruit(3), tsSwapping, true},
        {"locker", With(Fruit(3), [](TBoardTile& T) { T.Kind = okLocker; }), tsIdle, false},
        {"emptied position", With(Fruit(3), [](TBoardTile& T) { T.Kind = okTempBlank; }), tsIdle, false},
        {"webbed fruit", With(Fruit(3), [](TBoardTile& T) { T.Web = true; }), tsIdle, false},
        {"fruit with a bomb", With(Fruit(3), [](TBoardTile& T) { T.Bomb = true; }), tsIdle, false},
        {"being eaten", With(Fruit(3), [](TBoardTile& T) { T.WormState = WormStateEating; }), tsIdle, false},
        {"eaten", With(Fruit(3), [](TBoardTile& T) { T.WormState = WormStateEaten; }), tsIdle, false},
        {"uni fruit", Fruit(ccUniFruit), tsIdle, false},
        {"hammer", Fruit(ccHammer), tsIdle, false},
        {"flower", Fruit(ccFlower), tsIdle, false},
        {"fruit blaster", Fruit(ccFruitBlaster), tsIdle, false},
        {"magic key", Fruit(ccMagicKey), tsIdle, false},
        {"broom", Fruit(ccBroom), tsIdle, false},
        {"aerosol", Fruit(ccAerosol), tsIdle, false},
    };
    for (const TCase& C : Cases) {
        TBoardData Data = QuietFruits();
        Data.At(4, 4) = C.Tile;
        Board.LoadBoardData(Data);
        if (C.Status != tsIdle) {
            // Make the tile busy the way the board does: a swap of it with its neighbour.
            if (C.Status == tsSwapping) {
                ASSERT_TRUE(Board.SwapTiles({4, 4}, {4, 5}));
            } else {
                Board.RemoveTile({4, 5});
            }
            ASSERT_EQ(Board.TileStatus({4, 4}), C.Status) << C.What;
        }
        EXPECT_EQ(Board.CanWormEat({4, 4}), C.CanEat) << C.What;
        const int32_t TimeBefore = Tile({4, 4}).WormTime;
        EXPECT_EQ(Board.StartEating({4, 4}), C.CanEat) << C.What;
        EXPECT_EQ(Tile({4, 4}).WormState, C.CanEat ? WormStateEating : C.Tile.WormState) << C.What;
        EXPECT_EQ(Tile({4, 4}).WormTime, TimeBefore);
    }
    EXPECT_FALSE(Board.CanWormEat({0, 0}));
    EXPECT_FALSE(Board.CanWormEat({11, 3}));
}

TEST_F(WormBoard, AFruitIsEatenAfter334FramesAndAsksForTheFairy834FramesLaterThenEvery117) {
    TBoardData Data = QuietFruits();
    // A locker with a worm state (only a damaged level holds one) keeps its timer but is not counted.
    Data.At(2, 2).Kind = okLocker;
    Data.At(2, 2).WormState = WormStateEating;
    Board.LoadBoardData(Data);
    ASSERT_TRUE(Board.StartEating({6, 7}));
    EXPECT_EQ(Board.EatingCount(), 1);
    EXPECT_EQ(Board.EatenCount(), 0);
    Frames(333);
    EXPECT_EQ(Tile({6, 7}).WormState, WormStateEating);
    Frames(1);
    EXPECT_EQ(Tile({6, 7}).WormState, WormStateEaten);
    EXPECT_EQ(Tile({6, 7}).WormTime, 0);
    EXPECT_EQ(Tile({2, 2}).WormState, WormStateEaten);
    EXPECT_EQ(Board.EatingCount(), 0);
    EXPECT_EQ(Board.EatenCount(), 1);
    Frames(834 + 117 * 2);
    std::vector<int> Fruit67;
    for (const auto& [At, P] : RestoreRequests)
        if (P == TPoint{6, 7}) Fruit67.push_back(At);
    EXPECT_EQ(Fruit67, (std::vector<int>{334 + 834, 334 + 834 + 117, 334 + 834 + 234}));
    EXPECT_TRUE(Board.RestoreAsked({6, 7}));
    EXPECT_EQ(Tile({6, 7}).WormState, WormStateEaten) << "an eaten fruit never regrows by itself";
}

TEST_F(WormBoard, AFruitTurningEatenLooksForMovesLeft) {
    // The quiet board with a few moves: colour 2 at (3, 5), (4, 5) and (5, 6).
    TBoardData Data = QuietFruits();
    for (TPoint P : {TPoint{3, 5}, TPoint{4, 5}, TPoint{5, 6}}) Data[P].Content = 2;
    int NoMoves = 0;
    Board.OnNoMoreMoves = [&](TObject*) { ++NoMoves; };
    Board.LoadBoardData(Data);
    TPoint Eat{0, 0};
    THintTilesPos Move;
    ASSERT_TRUE(Board.FindMove(Move));
    // Eat both tiles of every move until none is left; the last eaten fruit reports it.
    for (int Guard = 0; Guard < 100 && Board.FindMove(Move); ++Guard) {
        for (TPoint P : {Move.Tile1Pos, Move.Tile2Pos}) {
            if (!Board.StartEating(P)) continue;
            Eat = P;
            Frames(334);
            ASSERT_EQ(Tile(P).WormState, WormStateEaten);
        }
    }
    ASSERT_TRUE(IsBoardPos(Eat));
    ASSERT_FALSE(Board.MovesExist());
    EXPECT_EQ(NoMoves, 1);
}

TEST_F(WormBoard, TheRestoreFlagStaysWithThePositionUntilARestoreOrANewRound) {
    Board.WormEatingTime = 300;
    ASSERT_TRUE(Board.StartEating({3, 3}));
    Frames(10 + 834);
    ASSERT_EQ(RestoreRequests.size(), 1u);
    ASSERT_TRUE(Board.RestoreAsked({3, 3}));

    // A shuffle brings another eaten fruit to the flagged position: it asks at once, every 117 frames.
    TBoardData Shuffled = QuietFruits();
    Shuffled.At(3, 3).WormState = WormStateEaten;
    Board.LoadBoardData(Shuffled);
    RestoreRequests.clear();
    const int Start = Frame;
    Frames(117);
    ASSERT_EQ(RestoreRequests.size(), 1u);
    EXPECT_EQ(RestoreRequests[0].first - Start, 117);

    Board.ResetForRound();
    Board.LoadBoardData(Shuffled);
    EXPECT_FALSE(Board.RestoreAsked({3, 3}));
    RestoreRequests.clear();
    Frames(834);
    ASSERT_EQ(RestoreRequests.size(), 1u);
    EXPECT_EQ(RestoreRequests[0].first - Frame, 0) << "the long wait again";
}

TEST_F(WormBoard, ARestoredFruitIsWholeAgainAndMatchesAtOnceButOnlyOnceItHasAsked) {
    TBoardData Data = QuietFruits();
    // Colour 5 at (3, 5) and (5, 5) beside an eaten colour-5 fruit at (4, 5).
    Data.At(3, 5).Content = 5;
    Data.At(5, 5).Content = 5;
    Data.At(4, 5).WormState = WormStateEaten;
    Board.LoadBoardData(Data);
    std::vector<TTileSet> Grouped;
    Board.OnGroupedFruitsEffectRequest = [&](TObject*, TBoardData, TSimpleObjectArray Mask, bool, TPoint) {
        Grouped.push_back(TilesOf(Mask));
    };
    Board.CheckFruitGroups();
    EXPECT_TRUE(Grouped.empty()) << "an eaten fruit never matches";

    Board.RestoreEatenFruit({4, 5});
    EXPECT_EQ(Tile({4, 5}).WormState, WormStateEaten) << "not before the fairy was asked";
    Frames(834);
    ASSERT_TRUE(Board.RestoreAsked({4, 5}));
    Board.RestoreEatenFruit({4, 5});
    EXPECT_EQ(Tile({4, 5}).WormState, WormStateNone);
    EXPECT_EQ(Tile({4, 5}).WormTime, 0);
    EXPECT_FALSE(Board.RestoreAsked({4, 5}));
    ASSERT_EQ(Grouped.size(), 1u);
    EXPECT_EQ(Grouped[0], (TTileSet{{3, 5}, {4, 5}, {5, 5}}));

    Board.RestoreEatenFruit({3, 5});  // not eaten: nothing
    Board.RestoreEatenFruit({0, 0});
    EXPECT_EQ(Grouped.size(), 1u);
}

TEST_F(WormBoard, AFruitFreedEarlierKeepsTheTimeAlreadyEaten) {
    TBoardData Data = QuietFruits();
    // What a spray leaves: no worm any more, 6 seconds eaten.
    Data.At(5, 5).WormTime = 6000;
    Board.LoadBoardData(Data);
    ASSERT_TRUE(Board.StartEating({5, 5}));
    EXPECT_EQ(Tile({5, 5}).WormTime, 6000);
    Frames(133);
    EXPECT_EQ(Tile({5, 5}).WormState, WormStateEating);
    Frames(1);
    EXPECT_EQ(Tile({5, 5}).WormState, WormStateEaten);
}

}  // namespace
