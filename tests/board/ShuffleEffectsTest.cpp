// The effects that carry the whole board: the shuffle-away (old tiles out, new
// tiles in, the new board handed back) and the lost board falling apart at time
// up (the round asked to open its window once 70 % of it falls). Their timing
// comes from game time and the gameplay stream only.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "DrawnBoard.h"
#include "LockersAwayEffectClass.h"
#include "LostBoardEffectClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"
#include "ShuffleAwayEffectClass.h"

namespace {

class TSoundLog {
public:
    TSoundLog() {
        SetSoundEffectListener([this](const std::string& Name) { Names.push_back(Name); });
    }
    ~TSoundLog() { SetSoundEffectListener({}); }
    std::vector<std::string> Names;
};

TFloatPoint Cell(int X, int Y) {
    return TFloatPoint{double(BoardScreenLeft + (X - 1) * BoardTilePixels),
                       double(BoardScreenTop + (Y - 1) * BoardTilePixels)};
}

struct TShuffleRun {
    std::vector<int> PhaseStarts;  // the frame each phase 2, 3, 4 began
    int FinishFrame = 0;
    int Finished = 0;
    TBoardData Handed;
};

// Plays a shuffle-away to its end; Images stands for a drawn game (nothing is
// loaded in it, but the effect then draws and draws its jitter).
TShuffleRun PlayShuffle(const TBoardData& Old, const TBoardData& New, uint64_t GameplaySeed, uint64_t CosmeticSeed,
                        TOmegaImageList* Images) {
    GameplayRandom().SetSeed(GameplaySeed);
    CosmeticRandom().SetSeed(CosmeticSeed);
    TShuffleAwayEffect Effect;
    Effect.OmgImgList = Images;
    Effect.Left = BoardScreenLeft;
    Effect.Top = BoardScreenTop;
    TShuffleRun Run;
    int Frame = 0;
    Effect.OnFinished = [&](TObject* Sender, TBoardData Board) {
        EXPECT_EQ(Sender, &Effect);
        ++Run.Finished;
        Run.FinishFrame = Frame;
        Run.Handed = Board;
    };
    Effect.Start(Old, New);
    EXPECT_EQ(Effect.Phase(), 1);
    uint8_t Phase = 1;
    for (Frame = 1; Frame <= 300 && Effect.Active(); ++Frame) {
        Effect.UpdateAndDraw();
        if (Effect.Phase() != Phase && Effect.Phase() != 0) Run.PhaseStarts.push_back(Frame);
        Phase = Effect.Phase();
    }
    return Run;
}

TEST(ShuffleAwayEffect, TheOldBoardFliesOutTheNewFliesInAndIsHandedBack) {
    TSoundLog Sounds;
    TBoardData Old = DrawnBoard({"1a2b", "3c.1", "", "", "", "", "", "", "", "bbbbbbbbbb"});
    Old.At(3, 2).Kind = okTempBlank;
    TBoardData New = Old;
    New.At(1, 1).LockerKind = 3;
    New.At(2, 1).Content = 4;

    GameplayRandom().SetSeed(4);
    TShuffleAwayEffect Effect;
    Effect.Left = BoardScreenLeft;
    Effect.Top = BoardScreenTop;
    std::vector<TBoardData> Handed;
    Effect.OnFinished = [&](TObject*, TBoardData Board) { Handed.push_back(Board); };
    Effect.Start(Old, New);
    std::set<std::pair<int, int>> Points;
    for (int I = 0; I < TLockersAwayEffect::TargetCount; ++I)
        Points.insert({TLockersAwayEffect::TargetPoint(I).X, TLockersAwayEffect::TargetPoint(I).Y});
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y) {
            ASSERT_TRUE(Points.count({Effect.Target({X, Y}).X, Effect.Target({X, Y}).Y})) << X << "," << Y;
            EXPECT_EQ(Effect.Position({X, Y}).X, Cell(X, Y).X);
        }

    int Frame = 0;
    int Phase3 = 0, Phase4 = 0;
    for (Frame = 1; Frame <= 20; ++Frame) Effect.UpdateAndDraw();
    EXPECT_EQ(Effect.Phase(), 2) << "600 ms of shaking";
    EXPECT_EQ(Sounds.Names, (std::vector<std::string>{"WhipAway"}));
    EXPECT_EQ(Effect.Position({1, 1}).X, Cell(1, 1).X) << "the tiles shook in place";
    for (; Frame <= 200 && Effect.Phase() == 2; ++Frame) Effect.UpdateAndDraw();
    Phase3 = Frame - 1;
    ASSERT_EQ(Effect.Phase(), 3);
    // Every tile stands on its edge point; now they are headed home.
    EXPECT_EQ(Effect.Target({4, 1}).X, Cell(4, 1).X);
    EXPECT_EQ(Effect.Target({4, 1}).Y, Cell(4, 1).Y);
    for (; Frame <= 200 && Effect.Phase() == 3; ++Frame) Effect.UpdateAndDraw();
    Phase4 = Frame - 1;
    ASSERT_EQ(Effect.Phase(), 4);
    for (int X = 1; X <= 10; ++X) {
        for (int Y : {1, 2, 10}) {
            if (Old.At(X, Y).Kind == okUnused || Old.At(X, Y).Kind == okTempBlank) continue;
            EXPECT_EQ(Effect.Position({X, Y}).X, Cell(X, Y).X) << X << "," << Y;
            EXPECT_EQ(Effect.Position({X, Y}).Y, Cell(X, Y).Y) << X << "," << Y;
        }
    }
    // No tile has 1000 pixels to go: each flight is over within 29 frames at 35 a frame.
    EXPECT_GT(Phase3 - 20, 5);
    EXPECT_LE(Phase3 - 20, 29);
    EXPECT_GT(Phase4 - Phase3, 5);
    EXPECT_LE(Phase4 - Phase3, 29);
    EXPECT_TRUE(Handed.empty());
    for (int I = 0; I < 8; ++I) Effect.UpdateAndDraw();
    EXPECT_TRUE(Handed.empty()) << "240 ms of the new board settling";
    Effect.UpdateAndDraw();
    ASSERT_EQ(Handed.size(), 1u) << "250 ms";
    EXPECT_EQ(Handed[0], New);
    EXPECT_FALSE(Effect.Active());
    for (int I = 0; I < 50; ++I) Effect.UpdateAndDraw();
    EXPECT_EQ(Handed.size(), 1u);
    EXPECT_EQ(Sounds.Names.size(), 1u);
}

TEST(ShuffleAwayEffect, TheSameGameplaySeedEndsOnTheSameFrameDrawnOrNot) {
    const TBoardData Old = DrawnBoard({"1a2b3c1a2b", "c1a2b3c1a2", "3c1a2b3c1a"});
    TOmegaImageList Images;
    const TShuffleRun Headless = PlayShuffle(Old, Old, 9, 1, nullptr);
    const TShuffleRun Drawn = PlayShuffle(Old, Old, 9, 12345, &Images);
    ASSERT_EQ(Headless.Finished, 1);
    ASSERT_EQ(Drawn.Finished, 1);
    EXPECT_EQ(Drawn.FinishFrame, Headless.FinishFrame);
    EXPECT_EQ(Drawn.PhaseStarts, Headless.PhaseStarts);
    // Another seed sends the tiles elsewhere.
    bool Differs = false;
    for (uint64_t Seed = 10; Seed < 20 && !Differs; ++Seed)
        Differs = PlayShuffle(Old, Old, Seed, 1, nullptr).PhaseStarts != Headless.PhaseStarts;
    EXPECT_TRUE(Differs);
}

TEST(ShuffleAwayEffect, ClearedItStopsWithoutHandingAnythingBack) {
    TShuffleAwayEffect Effect;
    int Finished = 0;
    Effect.OnFinished = [&](TObject*, TBoardData) { ++Finished; };
    Effect.Start(TBoardData{}, TBoardData{});
    for (int I = 0; I < 30; ++I) Effect.UpdateAndDraw();
    Effect.Clear();
    for (int I = 0; I < 200; ++I) Effect.UpdateAndDraw();
    EXPECT_EQ(Finished, 0);
    EXPECT_FALSE(Effect.Active());
    // While hidden (a paused round) it waits where it is.
    Effect.Start(TBoardData{}, TBoardData{});
    Effect.Visible = false;
    for (int I = 0; I < 200; ++I) Effect.UpdateAndDraw();
    EXPECT_EQ(Effect.Phase(), 1);
}

TBoardData BoardOfTiles(int Count) {
    TBoardData Board;
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            Board.At(X, Y).Kind = (X - 1) * 10 + (Y - 1) < Count ? okLocker : okUnused;
    return Board;
}

TEST(LostBoardEffect, TheBoardTremblesThenFallsFromTheBottomAndTheWindowIsAskedForOnceAt70Percent) {
    const struct {
        int Tiles, Needed;
    } Cases[] = {{100, 70}, {10, 7}, {3, 3}, {1, 1}, {0, 0}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(::testing::Message() << C.Tiles << " tiles");
        GameplayRandom().SetSeed(2);
        TLostBoardEffect Effect;
        Effect.Left = BoardScreenLeft;
        Effect.Top = BoardScreenTop;
        int Asked = 0;
        int StartedWhenAsked = 0;
        Effect.OnTimeForDialogWindow = [&](TObject*) {
            ++Asked;
            StartedWhenAsked = Effect.StartedCount();
        };
        Effect.Start(BoardOfTiles(C.Tiles));
        EXPECT_EQ(Effect.TileCount(), C.Tiles);
        int Frame = 1;
        for (; Frame <= 33; ++Frame) Effect.UpdateAndDraw();
        EXPECT_EQ(Effect.Phase(), 1) << "990 ms";
        EXPECT_EQ(Effect.StartedCount(), 0);
        Effect.UpdateAndDraw();  // 1020 ms: the fall begins
        EXPECT_EQ(Effect.Phase(), 2);
        for (int I = 0; I < 600 && Asked == 0; ++I) Effect.UpdateAndDraw();
        EXPECT_EQ(Asked, 1);
        EXPECT_GE(StartedWhenAsked, C.Needed);
        EXPECT_LT(StartedWhenAsked, C.Needed + 3) << "asked as soon as 70 % have started";
        for (int I = 0; I < 600; ++I) Effect.UpdateAndDraw();
        EXPECT_EQ(Asked, 1);
        EXPECT_EQ(Effect.StartedCount(), C.Tiles) << "every tile fell in the end";
        for (int X = 1; X <= 10; ++X)
            for (int Y = 1; Y <= 10; ++Y) EXPECT_EQ(Effect.TileState({X, Y}), 0) << X << "," << Y;
    }
}

TEST(LostBoardEffect, TheLowestRowFallsFirstWithTheRowsTwoAndFourAbove) {
    GameplayRandom().SetSeed(6);
    TLostBoardEffect Effect;
    Effect.Left = BoardScreenLeft;
    Effect.Top = BoardScreenTop;
    TBoardData Board = BoardOfTiles(100);
    Board.At(4, 10).Kind = okTempBlank;  // an emptied position has nothing to drop
    Effect.Start(Board);
    EXPECT_EQ(Effect.TileCount(), 99);
    for (int I = 0; I < 34 + 3; ++I) Effect.UpdateAndDraw();  // shaking, then one 90 ms interval
    ASSERT_EQ(Effect.StartedCount(), 3);
    std::set<int> Rows;
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            if (Effect.TileState({X, Y}) >= 2) Rows.insert(Y);
    EXPECT_EQ(Rows, (std::set<int>{6, 8, 10}));
    EXPECT_EQ(Effect.TileState({4, 10}), 0);
    EXPECT_EQ(Effect.Position({4, 10}).Y, 90.0 + 9 * 46) << "no tile there to fall";
}

TEST(LostBoardEffect, WhichTilesFallIsGameplayHowTheyFallIsNot) {
    const auto Play = [](uint64_t CosmeticSeed, TOmegaImageList* Images) {
        GameplayRandom().SetSeed(3);
        CosmeticRandom().SetSeed(CosmeticSeed);
        TLostBoardEffect Effect;
        Effect.OmgImgList = Images;
        int Frame = 0, AskedAt = 0;
        Effect.OnTimeForDialogWindow = [&](TObject*) { AskedAt = Frame; };
        Effect.Start(BoardOfTiles(64));
        std::vector<int> Started;
        for (Frame = 1; Frame <= 200; ++Frame) {
            Effect.UpdateAndDraw();
            Started.push_back(Effect.StartedCount());
        }
        return std::make_pair(AskedAt, Started);
    };
    TOmegaImageList Images;
    const auto Headless = Play(1, nullptr);
    const auto Drawn = Play(777, &Images);
    EXPECT_GT(Headless.first, 34);
    EXPECT_EQ(Drawn, Headless);
}

}  // namespace
