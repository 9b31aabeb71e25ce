// The level dots' rules of progress: which levels open, which one the game
// chooses to play next, what a won time keeps and which medal it earns, what
// an island's progress is, what is saved, and what the pointer may touch.
#include <gtest/gtest.h>

#include <vector>

#include "CampaignTestSupport.h"
#include "FrameCursorClass.h"

namespace {

std::vector<int32_t> UnlockedLevels(const TLevelDots& Dots) {
    std::vector<int32_t> Open;
    for (int32_t Level = 1; Level <= TLevelDots::LevelCount; ++Level) {
        if (Dots.Unlocked(Level)) Open.push_back(Level);
    }
    return Open;
}

struct LevelDots : ::testing::Test {
    TFakeIslands Islands;
    TLevelDots Dots;
    int Clicks = 0;
    void SetUp() override {
        Dots.ReadLevelHeaders(Islands);
        Dots.OnDotClick = [this](TObject*) { ++Clicks; };
    }
};

TEST_F(LevelDots, ANewPlayerHasOnlyTheFirstLevelOpenAndPlaysIt) {
    EXPECT_EQ(Dots.LevelCountOf(1), 15);
    EXPECT_EQ(UnlockedLevels(Dots), std::vector<int32_t>{1});
    EXPECT_FALSE(Dots.IslandComplete(1));
    EXPECT_EQ(Dots.CompletionPercentage(1), 0);
    Dots.SelectFirstPlayableLevel();
    EXPECT_EQ(Dots.SelIslandLevelIdx(), 1);
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(Dots.SelPlayed());
    EXPECT_EQ(Dots.SelMedal(), mdNone);
    // Dots lie at their path points moved up and left; a level without a file has none.
    EXPECT_EQ(Dots.Dot(1, 1).Pos.X, 134 - 22);
    EXPECT_EQ(Dots.Dot(1, 1).Pos.Y, 414 - 23);
    EXPECT_EQ(Dots.Dot(1, 16).Pos.X, -99);
    EXPECT_FALSE(Dots.Dot(1, 16).Exists);
}

// Levels open by count: as many from the first as are completed, and one more, so a
// save with gaps does not open "every completed level and the next".
TEST_F(LevelDots, LevelsOpenByTheCountOfCompletedOnes) {
    struct TCase {
        std::initializer_list<int32_t> Completed;
        std::vector<int32_t> Open;
    };
    const TCase Cases[] = {
        {{1}, {1, 2}},
        {{1, 2, 3}, {1, 2, 3, 4}},
        {{1, 3, 5}, {1, 2, 3, 4}},      // level 5 is won but stays locked
        {{9}, {1, 2}},
        {{14, 15}, {1, 2, 3}},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    };
    for (const TCase& Case : Cases) {
        TLevelDots Fresh;
        Fresh.ReadLevelHeaders(Islands);
        CompleteLevels(Fresh, 1, Case.Completed);
        EXPECT_EQ(UnlockedLevels(Fresh), Case.Open) << Case.Completed.size() << " completed";
    }
    // Completing level k opens level k + 1 at once, and never a level without a file.
    CompleteLevels(Dots, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    Dots.SetSelIslandLevelIdx(15);
    Dots.RecordTime(30);
    EXPECT_EQ(UnlockedLevels(Dots).size(), 15u);
}

// Open levels are known for the island on screen only: a change of island opens its own.
TEST_F(LevelDots, OpenLevelsFollowTheIslandOnScreen) {
    Islands.Levels[1] = 18;
    Dots.ReadLevelHeaders(Islands);
    CompleteLevels(Dots, 1, {1, 2, 3});
    EXPECT_EQ(UnlockedLevels(Dots).size(), 4u);
    Dots.SetIslandIdx(2);
    EXPECT_EQ(UnlockedLevels(Dots), std::vector<int32_t>{1});
    Dots.SetIslandIdx(1);
    EXPECT_EQ(UnlockedLevels(Dots).size(), 4u);
}

// The level to play next is never "level + 1": after a loss, a replay or an island's last
// level that may be locked or not exist.
TEST_F(LevelDots, TheLevelToPlayNextIsTheFirstOpenOneNotYetWon) {
    struct TCase {
        const char* What;
        std::initializer_list<int32_t> Completed;
        int32_t SelectedBefore;
        int32_t Chosen;
    };
    const TCase Cases[] = {
        {"after winning level 1", {1}, 1, 2},
        {"after losing level 3", {1, 2}, 3, 3},
        {"after replaying level 1", {1, 2, 3}, 1, 4},
        {"a save with gaps", {2, 3}, 3, 1},
        {"a complete island keeps its level", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 7, 7},
        {"after winning the island's last level", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 15, 15},
    };
    for (const TCase& Case : Cases) {
        TLevelDots Fresh;
        Fresh.ReadLevelHeaders(Islands);
        CompleteLevels(Fresh, 1, Case.Completed);
        Fresh.SetSelIslandLevelIdx(Case.SelectedBefore);
        Fresh.SelectFirstPlayableLevel();
        EXPECT_EQ(Fresh.SelIslandLevelIdx(), Case.Chosen) << Case.What;
    }
    // An island without levels selects its level 1, which has no dot.
    Dots.SetIslandIdx(3);
    Dots.SelectFirstPlayableLevel();
    EXPECT_EQ(Dots.SelIslandLevelIdx(), 1);
    EXPECT_FALSE(Dots.Dot(3, 1).Exists);
}

TEST_F(LevelDots, OnlyAFasterTimeReplacesTheBest) {
    struct TCase {
        int32_t Best, New, Kept;
    };
    const TCase Cases[] = {{0, 90, 90}, {50, 60, 50}, {50, 50, 50}, {50, 49, 49}, {0, 0, 1}};
    for (const TCase& Case : Cases) {
        TLevelDots Fresh;
        Fresh.ReadLevelHeaders(Islands);
        if (Case.Best > 0) CompleteLevels(Fresh, 1, {1}, Case.Best);
        Fresh.SetSelIslandLevelIdx(1);
        Fresh.RecordTime(Case.New);
        EXPECT_EQ(Fresh.Dot(1, 1).BestTime, Case.Kept) << Case.Best << " then " << Case.New;
        // A won level is completed, even one won inside its first second.
        EXPECT_TRUE(Fresh.Dot(1, 1).Completed);
    }
}

// With a time limit of 100 s gold takes 40 s at most and silver 65 s.
TEST_F(LevelDots, MedalsFollowTheLevelsTimeLimit) {
    struct TCase {
        int32_t Seconds;
        TMedalKind Medal;
    };
    for (const TCase Case : {TCase{1, mdGold}, TCase{40, mdGold}, TCase{41, mdSilver}, TCase{65, mdSilver},
                             TCase{66, mdBronze}, TCase{5000, mdBronze}}) {
        TLevelDots Fresh;
        Fresh.ReadLevelHeaders(Islands);
        Fresh.SetSelIslandLevelIdx(1);
        Fresh.RecordTime(Case.Seconds);
        EXPECT_EQ(Fresh.SelMedal(), Case.Medal) << Case.Seconds << " s";
    }
    // Another limit: 150 s gives 98 s for silver and 60 s for gold.
    Islands.Time = 150;
    Dots.ReadLevelHeaders(Islands);
    CompleteLevels(Dots, 1, {1}, 60);
    CompleteLevels(Dots, 1, {2}, 61);
    CompleteLevels(Dots, 1, {3}, 98);
    CompleteLevels(Dots, 1, {4}, 99);
    EXPECT_EQ(Dots.Dot(1, 1).Medal, mdGold);
    EXPECT_EQ(Dots.Dot(1, 2).Medal, mdSilver);
    EXPECT_EQ(Dots.Dot(1, 3).Medal, mdSilver);
    EXPECT_EQ(Dots.Dot(1, 4).Medal, mdBronze);
}

TEST_F(LevelDots, AnIslandsProgressCountsItsLevelFilesOnly) {
    Islands.Levels[1] = 3;
    Islands.Levels[3] = 22;
    Dots.ReadLevelHeaders(Islands);
    CompleteLevels(Dots, 2, {1, 2});
    EXPECT_EQ(Dots.CompletedCount(2), 2);
    EXPECT_EQ(Dots.CompletionPercentage(2), 66);
    EXPECT_FALSE(Dots.IslandComplete(2));
    EXPECT_FALSE(Dots.NextIslandEarned(2));
    CompleteLevels(Dots, 2, {3}, 10);
    EXPECT_TRUE(Dots.IslandComplete(2));
    EXPECT_TRUE(Dots.NextIslandEarned(2));
    EXPECT_EQ(Dots.CompletionPercentage(2), 100);
    EXPECT_EQ(Dots.GoldCount(2), 1);
    EXPECT_FALSE(Dots.AllGold(2));
    // A best time kept for a level without a file counts for nothing.
    CompleteLevels(Dots, 3, {1, 2, 3});
    EXPECT_EQ(Dots.CompletedCount(3), 0);
    // An island without level files is 0 % and never complete, gold or earned.
    EXPECT_EQ(Dots.CompletionPercentage(3), 0);
    EXPECT_FALSE(Dots.IslandComplete(3));
    EXPECT_FALSE(Dots.AllGold(3));
    EXPECT_FALSE(Dots.NextIslandEarned(3));
    EXPECT_EQ(Dots.FirstIncompleteIsland(), 1);
    EXPECT_FALSE(Dots.AllIslandsComplete());
}

TEST_F(LevelDots, TheWholeGameIsDoneOnlyWithEveryIslandsLevels) {
    for (int32_t& Levels : Islands.Levels) Levels = 2;
    Dots.ReadLevelHeaders(Islands);
    for (int32_t Island = 1; Island <= 5; ++Island) CompleteLevels(Dots, Island, {1, 2}, 10);
    EXPECT_TRUE(Dots.AllLevelsGold());
    EXPECT_TRUE(Dots.AllLevelsCompleted());
    EXPECT_TRUE(Dots.AllIslandsComplete());
    EXPECT_EQ(Dots.FirstIncompleteIsland(), 0);
    EXPECT_EQ(Dots.TotalGoldCount(), 10);
    // The last island opens nothing further.
    EXPECT_TRUE(Dots.NextIslandEarned(4));
    EXPECT_FALSE(Dots.NextIslandEarned(5));
    CompleteLevels(Dots, 4, {2}, 90);
    EXPECT_TRUE(Dots.AllLevelsCompleted());
    EXPECT_FALSE(Dots.AllGold(4));
    EXPECT_FALSE(Dots.AllLevelsGold());
}

// A negative best time reads as not completed, so a win can replace it; a selected level
// that is not one of the island's levels reads as level 1.
TEST_F(LevelDots, BadSavedValuesReadAsANewPlayers) {
    TProgressRecord Record = InitialProgressRecord();
    Record.BestTimes[0][0] = -5;
    Record.BestTimes[0][1] = 70;
    Record.BestTimes[2][29] = 33;  // a level without a file
    Record.LastSelectedLevels[0] = 99;
    Record.LastSelectedLevels[1] = 0;
    Record.LastSelectedLevels[2] = 4;  // island 3 has no levels
    Dots.LoadSaved(Record);
    EXPECT_FALSE(Dots.Dot(1, 1).Completed);
    EXPECT_EQ(Dots.Dot(1, 1).BestTime, 0);
    EXPECT_TRUE(Dots.Dot(1, 2).Completed);
    EXPECT_EQ(Dots.SelIslandLevelIdx(), 1);
    Dots.SetSelIslandLevelIdx(1);
    Dots.RecordTime(80);
    EXPECT_EQ(Dots.Dot(1, 1).BestTime, 80);

    TProgressRecord Stored = InitialProgressRecord();
    Dots.StoreSaved(Stored);
    EXPECT_EQ(Stored.BestTimes[0][0], 80);
    EXPECT_EQ(Stored.BestTimes[0][1], 70);
    EXPECT_EQ(Stored.BestTimes[2][29], 33) << "a time kept for a level that has no file yet stays";
    for (int32_t Island = 0; Island < 5; ++Island) EXPECT_EQ(Stored.LastSelectedLevels[Island], 1) << Island;
    // A good value comes back as it was saved.
    Record.LastSelectedLevels[0] = 12;
    Dots.LoadSaved(Record);
    Dots.StoreSaved(Stored);
    EXPECT_EQ(Stored.LastSelectedLevels[0], 12);
}

// The hit box is the dot's point .. point + 39 on both axes, edges included; only open
// dots take the pointer.
TEST_F(LevelDots, OnlyOpenDotsTakeThePointerInsideTheirHitBox) {
    CompleteLevels(Dots, 1, {1});
    const TPoint One = Dots.Dot(1, 1).Pos;  // (112, 391)
    struct TCase {
        int32_t X, Y;
        int32_t Hovered;
    };
    const TCase Cases[] = {{One.X, One.Y, 1},          {One.X + 39, One.Y + 39, 1}, {One.X - 1, One.Y, 0},
                           {One.X + 40, One.Y, 0},     {One.X, One.Y - 1, 0},       {One.X, One.Y + 40, 0},
                           {One.X + 20, One.Y + 20, 1}};
    for (const TCase& Case : Cases) {
        FrameCursor = TFrameCursor::Arrow;
        Dots.MouseMove(Case.X, Case.Y);
        EXPECT_EQ(Dots.HoveredLevel(), Case.Hovered) << Case.X << ", " << Case.Y;
        EXPECT_EQ(FrameCursor, Case.Hovered ? TFrameCursor::HandPoint : TFrameCursor::Arrow);
    }
    // Level 3 is locked: no hover, no hand, and a press selects nothing.
    const TPoint Three = Dots.Dot(1, 3).Pos;
    FrameCursor = TFrameCursor::Arrow;
    Dots.MouseMove(Three.X + 20, Three.Y + 20);
    EXPECT_EQ(Dots.HoveredLevel(), 0);
    EXPECT_EQ(FrameCursor, TFrameCursor::Arrow);
    Dots.MouseDown(mbLeft);
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(Dots.SelIslandLevelIdx(), 1);
    // Any button selects an open dot and tells what it is.
    const TPoint Two = Dots.Dot(1, 2).Pos;
    Dots.MouseMove(Two.X + 5, Two.Y + 5);
    Dots.MouseDown(mbRight);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Dots.SelIslandLevelIdx(), 2);
    FrameCursor = TFrameCursor::Arrow;
}

TEST_F(LevelDots, DotsGrowTowardTheirSizeByHoverAndSelection) {
    CompleteLevels(Dots, 1, {1, 2});
    Dots.SetSelIslandLevelIdx(1);
    const TPoint Two = Dots.Dot(1, 2).Pos;
    Dots.MouseMove(Two.X + 5, Two.Y + 5);
    for (int I = 0; I < 10; ++I) Dots.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Dots.Dot(1, 1).Size, 1.0);
    EXPECT_DOUBLE_EQ(Dots.Dot(1, 2).Size, 0.8);
    EXPECT_DOUBLE_EQ(Dots.Dot(1, 3).Size, 0.7);
    // The selection moves on: the old dot shrinks back, the hovered one grows to full size.
    Dots.MouseDown(mbLeft);
    Dots.MouseMove(0, 0);
    Dots.UpdateAndDraw();
    EXPECT_NEAR(Dots.Dot(1, 1).Size, 0.93, 1e-9);
    for (int I = 0; I < 10; ++I) Dots.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Dots.Dot(1, 1).Size, 0.7);
    EXPECT_DOUBLE_EQ(Dots.Dot(1, 2).Size, 1.0);
}

}  // namespace
