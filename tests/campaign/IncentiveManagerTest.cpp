// Island 1's incentives: which level brings which, due until the level is
// won, and the tools its wins unlock, which only ever grow.
#include <gtest/gtest.h>

#include "IncentiveManagerClass.h"

namespace {

TEST(IncentiveManager, OnlyIslandOnesFirstEightLevelsHaveIncentives) {
    const int32_t Expected[] = {3, 2, 5, 8, 7, 6, 9, 4};
    for (int32_t Level = 1; Level <= 8; ++Level) EXPECT_EQ(TIncentiveManager::IncentiveOf(1, Level), Expected[Level - 1]);
    EXPECT_EQ(TIncentiveManager::IncentiveOf(1, 9), 0);
    EXPECT_EQ(TIncentiveManager::IncentiveOf(2, 1), 0);
    EXPECT_EQ(TIncentiveManager::IncentiveOf(0, 1), 0);
    EXPECT_EQ(TIncentiveManager::IncentiveOf(1, 0), 0);
    TIncentiveManager Manager;
    EXPECT_FALSE(Manager.IsDue(1, 9));
    EXPECT_FALSE(Manager.IsDue(6, 40));
    Manager.MarkShown(6, 40);  // out of range: ignored
}

TEST(IncentiveManager, AnIncentiveIsDueUntilMarkedAndAgainAfterClearing) {
    TIncentiveManager Manager;
    EXPECT_TRUE(Manager.IsDue(1, 1));
    EXPECT_TRUE(Manager.IsDue(1, 1));  // asking does not use it up
    Manager.MarkShown(1, 1);
    EXPECT_FALSE(Manager.IsDue(1, 1));
    EXPECT_TRUE(Manager.IsDue(1, 2));
    Manager.ClearShown();
    EXPECT_TRUE(Manager.IsDue(1, 1));
}

TEST(IncentiveManager, ToolsUnlockInTheirOrderAndAReplayNeverTakesOneAway) {
    struct TStep {
        int32_t Level;
        TToolKind After;
    };
    const TStep Steps[] = {
        {1, toNone},     {4, toBroom},    {4, toBroom},    {5, toMagicKey}, {4, toMagicKey},
        {7, toAerosol},  {5, toAerosol},  {4, toAerosol},  {8, toAerosol},
    };
    TIncentiveManager Manager;
    for (const TStep& Step : Steps) {
        Manager.UnlockTools(1, Step.Level);
        EXPECT_EQ(Manager.MaxUnlockedToolKind, Step.After) << "after winning 1-0" << Step.Level;
    }
    // Winning the key's level first gives the broom with it; the broom's level adds nothing.
    TIncentiveManager Other;
    Other.UnlockTools(1, 5);
    Other.UnlockTools(1, 4);
    EXPECT_EQ(Other.MaxUnlockedToolKind, toMagicKey);
}

TEST(IncentiveManager, TheRecordKeepsShownFlagsAndTheToolLevel) {
    TProgressRecord Record = InitialProgressRecord();
    Record.IncentivesShown[0][3] = 9;  // any non-zero byte is shown
    Record.UnlockedToolLevel = toBroom;
    TIncentiveManager Manager;
    Manager.LoadSaved(Record);
    EXPECT_FALSE(Manager.IsDue(1, 4));
    EXPECT_EQ(Manager.MaxUnlockedToolKind, toBroom);
    Manager.MarkShown(1, 5);
    Manager.UnlockTools(1, 5);
    TProgressRecord Out = InitialProgressRecord();
    Manager.StoreSaved(Out);
    EXPECT_EQ(Out.IncentivesShown[0][3], 1);
    EXPECT_EQ(Out.IncentivesShown[0][4], 1);
    EXPECT_EQ(Out.UnlockedToolLevel, toMagicKey);
    // A tool byte out of range reads as no tool.
    Record.UnlockedToolLevel = 4;
    Manager.LoadSaved(Record);
    EXPECT_EQ(Manager.MaxUnlockedToolKind, toNone);
}

}  // namespace
