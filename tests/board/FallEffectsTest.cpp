// The effects of falling and lockers without a screen: lockers cracking open
// batch by batch, their pieces, matched fruits thrown to the ground and counted
// there, the level's opening drop, the locker frames, and the lockers-away ending.
// Nothing is drawn; every effect must play out all the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "FallingFruitsClass.h"
#include "GeneralRoutinesClass.h"
#include "LockerFillerClass.h"
#include "LockerFrameEffectClass.h"
#include "LockerFramesClass.h"
#include "LockerPiecesClass.h"
#include "LockersAwayEffectClass.h"
#include "OpeningLockersClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {

// Records the sound effects the game asks for while alive.
class TSoundLog {
public:
    TSoundLog() {
        SetSoundEffectListener([this](const std::string& Name) { Names.push_back(Name); });
    }
    ~TSoundLog() { SetSoundEffectListener({}); }
    int Count(const std::string& Name) const {
        int Result = 0;
        for (const std::string& Played : Names) Result += Played == Name ? 1 : 0;
        return Result;
    }
    std::vector<std::string> Names;
};

TSimpleObjectArray Tiles(std::initializer_list<TPoint> Points) {
    TSimpleObjectArray Mask;
    for (TPoint P : Points) Mask[P] = true;
    return Mask;
}

// ---- Opening lockers ----

struct TOpeningLog {
    struct TEvent {
        int Frame;
        TPoint Tile;
        bool IsLast;
    };
    std::vector<TEvent> Pieces;
    std::vector<TEvent> Completions;
};

TPoint OnlyTile(const TSimpleObjectArray& Mask) {
    EXPECT_EQ(Mask.Count(), 1);
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            if (Mask.At(X, Y)) return {X, Y};
    return {};
}

void Watch(TOpeningLockers& Opening, TOpeningLog& Log, const int& Frame) {
    Opening.OnPiecesEffectRequest = [&](TObject*, TBoardData, TSimpleObjectArray Mask) {
        Log.Pieces.push_back({Frame, OnlyTile(Mask), false});
    };
    Opening.OnOpeningEffectComplete = [&](TObject*, TSimpleObjectArray Mask, bool IsLast) {
        Log.Completions.push_back({Frame, OnlyTile(Mask), IsLast});
    };
}

TEST(OpeningLockers, APlainLockerBreaksAtFrame14AndOpensAtFrame22WithTheLastOfItsBatchSayingSo) {
    TSoundLog Sounds;
    TOpeningLockers Opening;
    TOpeningLog Log;
    int Frame = 0;
    Watch(Opening, Log, Frame);
    Opening.Start(TBoardData{}, Tiles({{2, 3}, {2, 4}, {2, 5}}));
    for (Frame = 1; Frame <= 30; ++Frame) Opening.UpdateAndDraw();

    ASSERT_EQ(Log.Pieces.size(), 3u);
    for (const auto& Event : Log.Pieces) EXPECT_EQ(Event.Frame, 14);
    ASSERT_EQ(Log.Completions.size(), 3u);
    for (const auto& Event : Log.Completions) EXPECT_EQ(Event.Frame, 22);
    EXPECT_FALSE(Log.Completions[0].IsLast);
    EXPECT_FALSE(Log.Completions[1].IsLast);
    EXPECT_TRUE(Log.Completions[2].IsLast) << "only the batch's last completion starts the fruit check";
    EXPECT_EQ(Log.Completions[2].Tile, (TPoint{2, 5}));
    EXPECT_EQ(Sounds.Count("LockerBreak"), 1) << "one break sound per batch";
    EXPECT_FALSE(Opening.Active());
}

TEST(OpeningLockers, ABatchHoldingASpecialShowsTheMarkOnAllItsLockersFirst) {
    TOpeningLockers Opening;
    TOpeningLog Log;
    int Frame = 0;
    Watch(Opening, Log, Frame);
    TBoardData Board;
    Board.At(5, 5).Content = ccBroom;
    Opening.Start(Board, Tiles({{4, 5}, {5, 5}, {6, 5}}));
    EXPECT_EQ(Opening.SlotState({4, 5}), 1) << "a plain locker of the batch waits for the mark too";
    for (Frame = 1; Frame <= 10; ++Frame) Opening.UpdateAndDraw();
    EXPECT_EQ(Opening.SlotState({4, 5}), 1);
    Opening.UpdateAndDraw();  // frame 11: the mark is over
    EXPECT_EQ(Opening.SlotState({4, 5}), 2);
    EXPECT_EQ(Opening.SlotState({5, 5}), 2);
    for (Frame = 12; Frame <= 40; ++Frame) Opening.UpdateAndDraw();
    ASSERT_EQ(Log.Completions.size(), 3u);
    EXPECT_GT(Log.Pieces.front().Frame, 11 + 10);
    EXPECT_GT(Log.Completions.front().Frame, 11 + 20);
    EXPECT_TRUE(Log.Completions.back().IsLast);
}

TEST(OpeningLockers, AnEmptyRequestShowsNothingAndCompletesNothingAndBatchesOverlap) {
    TSoundLog Sounds;
    TOpeningLockers Opening;
    TOpeningLog Log;
    int Frame = 0;
    Watch(Opening, Log, Frame);
    Opening.Start(TBoardData{}, TSimpleObjectArray{});
    for (Frame = 1; Frame <= 30; ++Frame) Opening.UpdateAndDraw();
    EXPECT_TRUE(Log.Completions.empty());
    EXPECT_EQ(Sounds.Count("LockerBreak"), 0);

    // A second batch starting while the first cracks: each ends on its own, the later one last.
    Opening.Start(TBoardData{}, Tiles({{1, 1}, {1, 2}, {1, 3}}));
    for (Frame = 1; Frame <= 5; ++Frame) Opening.UpdateAndDraw();
    Opening.Start(TBoardData{}, Tiles({{9, 1}, {9, 2}, {9, 3}}));
    for (Frame = 6; Frame <= 40; ++Frame) Opening.UpdateAndDraw();
    ASSERT_EQ(Log.Completions.size(), 6u);
    EXPECT_EQ(Log.Completions[2].Frame, 22);
    EXPECT_FALSE(Log.Completions[2].IsLast) << "the second batch is still opening";
    EXPECT_EQ(Log.Completions[5].Frame, 27);
    EXPECT_TRUE(Log.Completions[5].IsLast);
    EXPECT_EQ(Sounds.Count("LockerBreak"), 2);

    // Clearing (a new level) stops everything silently.
    Opening.Start(TBoardData{}, Tiles({{3, 3}}));
    Opening.UpdateAndDraw();
    Opening.Clear();
    for (int I = 0; I < 30; ++I) Opening.UpdateAndDraw();
    EXPECT_EQ(Log.Completions.size(), 6u);
    // And a hidden (paused) effect stands still.
    Opening.Start(TBoardData{}, Tiles({{3, 3}}));
    Opening.Visible = false;
    for (int I = 0; I < 30; ++I) Opening.UpdateAndDraw();
    EXPECT_EQ(Opening.SlotState({3, 3}), 2);
}

TEST(LockerPieces, SixPiecesPerLockerFlyUntilTheyHaveShrunkAway) {
    TLockerPieces Pieces;
    Pieces.Start(TBoardData{}, Tiles({{1, 1}, {10, 10}}));
    EXPECT_EQ(Pieces.ActiveCount(), 12);
    int Frames = 0;
    while (Pieces.ActiveCount() > 0 && Frames < 100) {
        Pieces.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 17) << "30 shrinking by 1.6 a frame is below 4 on the 17th frame";
    // The slots are reused round-robin: more pieces than slots keep the newest.
    for (int I = 0; I < 40; ++I) Pieces.Start(TBoardData{}, Tiles({{5, 5}}));
    EXPECT_EQ(Pieces.ActiveCount(), TLockerPieces::SlotCount);
}

// ---- Falling fruits ----

class FallingFruits : public ::testing::Test {
protected:
    void SetUp() override {
        GameplayRandom().SetSeed(3);
        Fruits.Left = BoardScreenLeft;
        Fruits.Top = BoardScreenTop;
        Fruits.OnGroundHit = [this](TObject*, int32_t Color, int32_t Column) { Hits.push_back({Color, Column}); };
    }
    int RunUntilIdle(int MaxFrames = 200) {
        int Frames = 0;
        while (Fruits.ActiveCount() > 0 && Frames < MaxFrames) {
            Fruits.UpdateAndDraw();
            ++Frames;
        }
        return Frames;
    }
    TFallingFruits Fruits;
    std::vector<TPoint> Hits;  // (colour, column)
};

TEST_F(FallingFruits, MatchedFruitsFallToTheGroundAndAreCountedThereOnce) {
    TBoardData Board;
    for (int Y = 1; Y <= 10; ++Y) Board.At(3, Y).Content = static_cast<uint8_t>(Y % 6 + 1);
    Fruits.Start(Board, Tiles({{3, 1}, {3, 5}, {3, 10}}), FallModeMatched);
    EXPECT_EQ(Fruits.FallingCount(), 3);
    int DustRequests = 0;
    Fruits.OnDustEffectRequest = [&](TObject*, int32_t, int32_t) { ++DustRequests; };
    int Frames = 0;
    while (Fruits.FallingCount() > 0 && Frames < 100) {
        Fruits.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_LT(Frames, 40) << "a thrown fruit reaches the ground within about a second";
    std::multiset<std::pair<int, int>> Got;
    for (TPoint Hit : Hits) Got.insert({Hit.X, Hit.Y});
    EXPECT_EQ(Got, (std::multiset<std::pair<int, int>>{{2, 3}, {6, 3}, {5, 3}}));
    EXPECT_GT(Fruits.ActiveCount(), 0) << "they bounce on after landing";
    EXPECT_LE(RunUntilIdle(), 30);
    EXPECT_EQ(Hits.size(), 3u) << "counted once, whatever the bounce";
    EXPECT_GT(DustRequests, 0);
}

TEST_F(FallingFruits, SpecialsBombsFlowersAndToolsDoNotFallOff) {
    TBoardData Board;
    const uint8_t Contents[] = {ccUniFruit, ccHammer, ccFlower, ccFruitBlaster, ccMagicKey, ccBroom, ccAerosol};
    for (int X = 1; X <= 7; ++X) Board.At(X, 1).Content = Contents[X - 1];
    Board.At(8, 1).Content = 2;
    Board.At(8, 1).Bomb = true;
    Board.At(9, 1).Content = 4;
    Fruits.Start(Board, Tiles({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}}),
                 FallModeMatched);
    EXPECT_EQ(Fruits.FallingCount(), 1);
    RunUntilIdle();
    EXPECT_EQ(Hits, (std::vector<TPoint>{{4, 9}}));
}

TEST_F(FallingFruits, BlownFruitsFlyHarderAndAreCountedLikeMatchedOnes) {
    TBoardData Board;
    TSimpleObjectArray Blown;
    for (int X = 1; X <= 10; ++X) {
        Board.At(X, 5).Content = 1;
        Blown.At(X, 5) = true;
    }
    Fruits.Start(Board, Blown, FallModeBlown);
    RunUntilIdle();
    EXPECT_EQ(Hits.size(), 10u);
}

TEST_F(FallingFruits, AFruitThatHitsTheMonsterIsAskedOnceAndASwallowedOneFadesAway) {
    struct TCase {
        bool Hitting, Absorbing;
        int ExpectedQuestions;  // -1: every falling frame
        bool Disappears;        // gone before its bounce is over
    };
    const TCase Cases[] = {{false, false, -1, false}, {true, false, 1, false}, {true, true, 1, true}};
    for (const TCase& Case : Cases) {
        TFallingFruits Fruit;
        Fruit.Left = BoardScreenLeft;
        Fruit.Top = BoardScreenTop;
        int Questions = 0;
        Fruit.OnMonsterHitCheck = [&](TObject*, TPoint, bool& Hitting, bool& Absorbing) {
            ++Questions;
            Hitting = Case.Hitting;
            Absorbing = Case.Absorbing;
        };
        int Landed = 0;
        Fruit.OnGroundHit = [&](TObject*, int32_t, int32_t) { ++Landed; };
        Fruit.Start(TBoardData{}, Tiles({{5, 1}}), FallModeMatched);
        int FallingFrames = 0;
        int Frames = 0;
        while (Fruit.ActiveCount() > 0 && Frames < 200) {
            if (Fruit.FallingCount() > 0) ++FallingFrames;
            Fruit.UpdateAndDraw();
            ++Frames;
        }
        if (Case.ExpectedQuestions < 0)
            EXPECT_EQ(Questions, FallingFrames);
        else
            EXPECT_EQ(Questions, Case.ExpectedQuestions);
        if (Case.Disappears)
            EXPECT_LE(Frames, 4) << "255 alpha fades at 65 a frame";
        else
            EXPECT_EQ(Landed, 1);
    }
}

TEST(FallingFruitThrows, TheThrowComesFromTheGameplayStreamSoASeedRepeatsTheLandings) {
    const auto Landings = [](uint64_t Seed) {
        GameplayRandom().SetSeed(Seed);
        TFallingFruits Fruits;
        std::vector<int> Frames;
        int Frame = 0;
        Fruits.OnGroundHit = [&](TObject*, int32_t, int32_t) { Frames.push_back(Frame); };
        TSimpleObjectArray Row;
        for (int X = 1; X <= 10; ++X) Row.At(X, 2) = true;
        Fruits.Start(TBoardData{}, Row, FallModeBlown);
        for (Frame = 1; Frame <= 60; ++Frame) Fruits.UpdateAndDraw();
        return Frames;
    };
    const std::vector<int> First = Landings(21);
    EXPECT_EQ(First.size(), 10u);
    CosmeticRandom().SetSeed(12345);  // what is only drawn must not matter
    EXPECT_EQ(Landings(21), First);
    EXPECT_NE(Landings(22), First) << "the throws differ from seed to seed";
}

TEST(FallingFruitPaths, EveryBouncePathStartsAtTheLandingPoint) {
    const int Lengths[] = {22, 21, 25, 22, 20, 21};
    for (int Path = 1; Path <= TFallingFruits::BouncePathCount; ++Path) {
        EXPECT_EQ(TFallingFruits::BouncePathLength(Path), Lengths[Path - 1]) << Path;
        EXPECT_EQ(TFallingFruits::BouncePathPoint(Path, 1), (TPoint{0, 0}));
    }
    EXPECT_EQ(TFallingFruits::BouncePathPoint(3, 25), (TPoint{263, 58}));
    EXPECT_EQ(TFallingFruits::BouncePathPoint(6, 21), (TPoint{-251, 41}));
}

// ---- The level's opening drop ----

TEST(LockerFiller, LockersDropInAlongASnakeFromTheBottomRightOneAFrameAndFinishOnce) {
    TSoundLog Sounds;
    TBoardData Board;
    for (int X = 1; X <= 10; ++X) Board.At(X, 10).Kind = okUnused;  // the bottom row is all holes
    Board.At(10, 9).Kind = okUnused;
    Board.At(5, 8).Kind = okUnused;
    TLockerFiller Filler;
    Filler.Left = BoardScreenLeft;
    Filler.Top = BoardScreenTop;
    int Finishes = 0;
    Filler.OnFinish = [&](TObject*) { ++Finishes; };
    Filler.Start(Board);

    std::vector<TPoint> Launches;
    int Frame = 0;
    while (Finishes == 0 && Frame < 200) {
        Filler.UpdateAndDraw();
        ++Frame;
        for (int X = 1; X <= 10; ++X)
            for (int Y = 1; Y <= 10; ++Y)
                if (Filler.DropY({X, Y}) >= 0 &&
                    std::find(Launches.begin(), Launches.end(), TPoint{X, Y}) == Launches.end())
                    Launches.push_back({X, Y});
    }
    ASSERT_EQ(Finishes, 1);
    ASSERT_EQ(Launches.size(), 88u);
    // Row 9 leftward from (9, 9), row 8 rightward skipping the hole, row 7 leftward...
    EXPECT_EQ(Launches[0], (TPoint{9, 9}));
    EXPECT_EQ(Launches[8], (TPoint{1, 9}));
    EXPECT_EQ(Launches[9], (TPoint{1, 8}));
    EXPECT_EQ(Launches[12], (TPoint{4, 8}));
    EXPECT_EQ(Launches[13], (TPoint{6, 8}));
    EXPECT_EQ(Launches[18], (TPoint{10, 7}));
    EXPECT_EQ(Launches.back(), (TPoint{1, 1}));
    // One launch a frame; the last, in row 1, lands as it launches.
    EXPECT_EQ(Frame, 88);
    for (int I = 0; I < 10; ++I) Filler.UpdateAndDraw();
    EXPECT_EQ(Finishes, 1);
    EXPECT_FALSE(Filler.Running());
    // Landings knock on odd/odd and even/even tiles only.
    int OddOdd = 0, EvenEven = 0;
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 9; ++Y)
            if (Board.At(X, Y).Kind != okUnused) {
                OddOdd += X % 2 == 1 && Y % 2 == 1;
                EvenEven += X % 2 == 0 && Y % 2 == 0;
            }
    EXPECT_EQ(Sounds.Count("FruitBounce1"), OddOdd);
    EXPECT_EQ(Sounds.Count("FruitBounce2"), EvenEven);
}

TEST(LockerFiller, ALockerFallsTwentyPixelsAFrameFromTheTopEdgeToItsRow) {
    TBoardData Board;
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y) Board.At(X, Y).Kind = okUnused;
    Board.At(3, 5).Kind = okLocker;
    TLockerFiller Filler;
    Filler.Top = 90;
    bool Finished = false;
    Filler.OnFinish = [&](TObject*) { Finished = true; };
    Filler.Start(Board);
    std::vector<int> Ys;
    while (!Finished && Ys.size() < 50) {
        Filler.UpdateAndDraw();
        Ys.push_back(Filler.DropY({3, 5}));
    }
    EXPECT_EQ(Ys, (std::vector<int>{110, 130, 150, 170, 190, 210, 230, 250, 270, 274}));

    // Nothing to drop (or a level file that cannot be read): finished on the first frame.
    Finished = false;
    Filler.Start(std::string("/nonexistent/9-99.qel"));
    Filler.UpdateAndDraw();
    EXPECT_TRUE(Finished);
}

// ---- Locker frames ----

TEST(LockerFrames, FramesFlyInToTheirTilesFlyBackOutAndAreClearedOnce) {
    TLockerFrames Frames;
    Frames.Left = BoardScreenLeft;
    Frames.Top = BoardScreenTop;
    std::vector<TPoint> Cleared;
    Frames.OnLockerFrameEffectRequest = [&](TObject*, TPoint P) { Cleared.push_back(P); };
    Frames.Set(Tiles({{1, 1}, {10, 10}, {4, 6}}));
    EXPECT_EQ(Frames.Count(), 3);
    EXPECT_EQ(Frames.State({1, 1}), TLockerFrames::fsHidden);

    Frames.FlyIn();
    EXPECT_EQ(Frames.State({4, 6}), TLockerFrames::fsFlyingIn);
    int Steps = 0;
    while (Frames.State({1, 1}) != TLockerFrames::fsInPlace && Steps < 100) {
        Frames.UpdateAndDraw();
        ++Steps;
    }
    // From (425, 300) to (212, 84): 216 pixels on the longer axis at 18 a frame.
    EXPECT_EQ(Steps, 12);
    EXPECT_EQ(Frames.Position({1, 1}).X, 212.0);
    EXPECT_EQ(Frames.Position({1, 1}).Y, 84.0);
    for (int I = 0; I < 20; ++I) Frames.UpdateAndDraw();
    EXPECT_EQ(Frames.State({10, 10}), TLockerFrames::fsInPlace);
    EXPECT_EQ(Frames.Position({10, 10}).X, 215.0 + 9 * 46 - 3);

    Frames.FlyOut();
    for (int I = 0; I < 20; ++I) Frames.UpdateAndDraw();
    EXPECT_EQ(Frames.State({1, 1}), TLockerFrames::fsHidden);
    EXPECT_EQ(Frames.Position({1, 1}).X, 425.0);
    EXPECT_EQ(Frames.Count(), 3) << "hidden frames are still there";

    // The fruit check reports its mask as it grows: each frame is cleared once.
    Frames.FlyIn();
    Frames.Remove(Tiles({{4, 6}}));
    Frames.Remove(Tiles({{4, 6}, {5, 6}}));
    Frames.Remove(Tiles({{4, 6}, {5, 6}, {10, 10}}));
    EXPECT_EQ(Cleared, (std::vector<TPoint>{{4, 6}, {10, 10}}));
    EXPECT_EQ(Frames.Count(), 1);
    EXPECT_EQ(Frames.State({4, 6}), TLockerFrames::fsNone);
}

TEST(LockerFrames, NowAndThenAStillFrameSpinsOnceAround) {
    CosmeticRandom().SetSeed(4);
    TLockerFrames Frames;
    Frames.RotaterOnePerXProb = 1;  // every interval
    Frames.Set(Tiles({{5, 5}}));
    Frames.FlyIn();
    std::vector<float> Angles;
    for (int Frame = 1; Frame <= 84 + 31; ++Frame) {
        Frames.UpdateAndDraw();
        Angles.push_back(Frames.Angle({5, 5}));
    }
    // 2500 ms is 84 frames: the turn starts at 348 degrees and comes down 12 a frame.
    EXPECT_EQ(Angles[82], 0.0f);
    EXPECT_EQ(Angles[83], 348.0f);
    EXPECT_EQ(Angles[84], 336.0f);
    EXPECT_EQ(Angles[83 + 29], 0.0f);
}

TEST(LockerFrameEffect, AClearedFrameFallsOffTheScreen) {
    TLockerFrameEffect Effect;
    Effect.Left = BoardScreenLeft;
    Effect.Top = BoardScreenTop;
    Effect.Start({5, 1});
    Effect.Start({5, 10});
    EXPECT_EQ(Effect.ActiveCount(), 2);
    int Frames = 0;
    while (Effect.ActiveCount() > 0 && Frames < 100) {
        Effect.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_GT(Frames, 5);
    EXPECT_LT(Frames, 40);
}

// ---- The lockers-away ending ----

TEST(LockersAwayEffect, TheBoardShakesForASecondThenEveryTileFliesToItsPointAndTheEndingIsReported) {
    TSoundLog Sounds;
    GameplayRandom().SetSeed(8);
    TBoardData Board;
    Board.At(2, 2).Kind = okFruit;
    Board.At(3, 3).Kind = okTempBlank;
    Board.At(4, 4).Kind = okUnused;
    TLockersAwayEffect Away;
    Away.Left = BoardScreenLeft;
    Away.Top = BoardScreenTop;
    int Spreading = 0, Finished = 0, SpreadFrame = 0, FinishFrame = 0, Frame = 0;
    Away.OnAboutSpreading = [&](TObject*) {
        ++Spreading;
        SpreadFrame = Frame;
    };
    Away.OnFinished = [&](TObject*) {
        ++Finished;
        FinishFrame = Frame;
    };
    Away.Start(Board);
    EXPECT_EQ(Away.Phase(), 1);
    std::set<std::pair<int, int>> Points;
    for (int I = 0; I < TLockersAwayEffect::TargetCount; ++I)
        Points.insert({TLockersAwayEffect::TargetPoint(I).X, TLockersAwayEffect::TargetPoint(I).Y});
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            EXPECT_TRUE(Points.count({Away.Target({X, Y}).X, Away.Target({X, Y}).Y})) << X << "," << Y;
    EXPECT_TRUE(Points.count({13 - 113, 8 - 83}));

    for (Frame = 1; Frame <= 200 && Finished == 0; ++Frame) {
        Away.UpdateAndDraw();
        if (Frame == 20) {
            EXPECT_EQ(Away.Position({5, 5}).X, 215.0 + 4 * 46) << "tiles shake in place";
        }
    }
    EXPECT_EQ(Spreading, 1);
    EXPECT_EQ(SpreadFrame, 34) << "1000 ms of shaking";
    EXPECT_EQ(Sounds.Count("WhipAway"), 1);
    ASSERT_EQ(Finished, 1);
    // The farthest any tile has to go is under 1000 pixels: at most 29 frames at 35 a frame.
    EXPECT_GT(FinishFrame, SpreadFrame + 5);
    EXPECT_LE(FinishFrame, SpreadFrame + 29);
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            if ((X == 3 && Y == 3) || (X == 4 && Y == 4)) continue;  // not tiles: they stay put
            EXPECT_EQ(Away.Position({X, Y}).X, Away.Target({X, Y}).X) << X << "," << Y;
            EXPECT_EQ(Away.Position({X, Y}).Y, Away.Target({X, Y}).Y) << X << "," << Y;
        }
    }
    EXPECT_EQ(Away.Phase(), 0);
    for (int I = 0; I < 5; ++I) Away.UpdateAndDraw();
    EXPECT_EQ(Finished, 1);
}

}  // namespace
