#include <gtest/gtest.h>

#include <algorithm>

#include "LevelStartClass.h"

namespace {

TLevelRecord CollectLevel() {
    TLevelRecord R;
    R.Objective = goCollectFruits;
    R.TargetStrawberries = 9;
    R.TargetGrapes = 9;
    R.TargetPlums = 4;
    R.TargetSpidersToHunt = 0;
    R.FruitCountTarget = 60;
    R.MonsterEnergy = 40;
    R.FlowerSlots = 3;
    R.OneFlowerPerLockersMin = 4;
    R.OneFlowerPerLockersMax = 8;
    R.OneUniFruitEveryProb = 40;
    R.OneFruitBombEveryProb = 41;
    R.OneMultiBubbleEveryProb = 42;
    R.OneHammerEveryProb = 43;
    R.OneMagicKeyEveryProb = 60;
    R.OneBroomEveryProb = 61;
    R.OneAerosolEveryProb = 62;
    R.SpiderFruitsInterval = 45;
    R.OneWebEveryProb = 12;
    R.WormFruitsInterval = 55;
    R.Time = 120;
    return R;
}

TEST(LevelStart, SpiderHuntPlaysWithoutFruitTargets) {
    TLevelRecord Record = CollectLevel();
    Record.Objective = goSpiderHunt;
    Record.TargetBananas = 5;
    Record.TargetOranges = 3;
    Record.TargetSpidersToHunt = 6;
    const TLevelStart Start = PrepareLevelStart(Record, {2, 5, toAerosol, false});
    const TLevelRecord& V = Start.Values;
    EXPECT_EQ(V.TargetBananas + V.TargetStrawberries + V.TargetApples + V.TargetPlums + V.TargetGrapes +
                  V.TargetOranges, 0);
    EXPECT_EQ(V.TargetSpidersToHunt, 6);
    EXPECT_EQ(Record.TargetBananas, 5) << "the level record itself is kept";
    // Outside a hunt the targets stay.
    EXPECT_EQ(PrepareLevelStart(CollectLevel(), {2, 5, toAerosol, false}).Values, CollectLevel());
}

TEST(LevelStart, TestModeCutsEveryObjectiveToOneItem) {
    TLevelRecord Record = CollectLevel();
    Record.LockerFrames.At(1, 5) = true;  // first in column order
    Record.LockerFrames.At(7, 2) = true;
    Record.LockerFrames.At(3, 2) = true;  // first row by row
    Record.LockerFrames.At(10, 10) = true;

    TLevelRecord Cut = PrepareLevelStart(Record, {2, 3, toNone, true}).Values;
    EXPECT_EQ(Cut.FruitCountTarget, 1);
    EXPECT_EQ(Cut.TargetBananas, 1);
    EXPECT_EQ(Cut.TargetStrawberries + Cut.TargetApples + Cut.TargetPlums + Cut.TargetGrapes + Cut.TargetOranges, 0);
    EXPECT_EQ(Cut.TargetSpidersToHunt, 0);
    EXPECT_EQ(Cut.MonsterEnergy, 1);
    EXPECT_EQ(Cut.FlowerSlots, 1);
    EXPECT_EQ(Cut.OneFlowerPerLockersMin, 1);
    EXPECT_EQ(Cut.OneFlowerPerLockersMax, 1);
    EXPECT_EQ(Cut.LockerFrames.Count(), 1);
    EXPECT_TRUE(Cut.LockerFrames.At(3, 2));
    EXPECT_EQ(Cut.Time, Record.Time);
    EXPECT_EQ(Cut.OneUniFruitEveryProb, Record.OneUniFruitEveryProb);

    Record.Objective = goSpiderHunt;
    Record.TargetSpidersToHunt = 12;
    Cut = PrepareLevelStart(Record, {2, 3, toNone, true}).Values;
    EXPECT_EQ(Cut.TargetSpidersToHunt, 1);
    EXPECT_EQ(Cut.TargetBananas, 0);

    Record.LockerFrames.Clear();
    EXPECT_EQ(PrepareLevelStart(Record, {2, 3, toNone, true}).Values.LockerFrames.Count(), 0);
}

TEST(LevelStart, IslandOneHoldsEachNewFeatureUntilItsTip) {
    const TLevelRecord Record = CollectLevel();
    const struct {
        int32_t Level;
        THeldFeature Feature;
        int32_t TLevelRecord::*Field;
        int32_t Introductory;
    } Cases[] = {
        {1, hfUniFruits, &TLevelRecord::OneUniFruitEveryProb, 15},
        {2, hfFruitBombs, &TLevelRecord::OneFruitBombEveryProb, 15},
        {3, hfMultiBubbles, &TLevelRecord::OneMultiBubbleEveryProb, 15},
        {4, hfSpiderInterval, &TLevelRecord::SpiderFruitsInterval, 20},
        {5, hfBrooms, &TLevelRecord::OneBroomEveryProb, 15},
        {5, hfWebs, &TLevelRecord::OneWebEveryProb, 6},
        {6, hfMagicKeys, &TLevelRecord::OneMagicKeyEveryProb, 15},
        {7, hfWormInterval, &TLevelRecord::WormFruitsInterval, 20},
        {8, hfAerosols, &TLevelRecord::OneAerosolEveryProb, 15},
        {9, hfHammers, &TLevelRecord::OneHammerEveryProb, 15},
    };
    for (const auto& C : Cases) {
        TLevelStart Start = PrepareLevelStart(Record, {1, C.Level, toAerosol, false});
        EXPECT_TRUE(Start.Held.Contains(C.Feature)) << C.Level;
        EXPECT_EQ(Start.Values.*C.Field, C.Introductory) << C.Level;
        // Everything else is the level's own.
        TLevelRecord Expected = Record;
        for (const auto& Other : Cases)
            if (Other.Level == C.Level) Expected.*Other.Field = Other.Introductory;
        EXPECT_EQ(Start.Values, Expected) << C.Level;

        const std::optional<int32_t> Back = ReleaseHeldFeature(Start, Record, C.Feature);
        ASSERT_TRUE(Back.has_value()) << C.Level;
        EXPECT_EQ(*Back, Record.*C.Field);
        EXPECT_EQ(Start.Values.*C.Field, Record.*C.Field);
        EXPECT_FALSE(Start.Held.Contains(C.Feature));
        EXPECT_FALSE(ReleaseHeldFeature(Start, Record, C.Feature).has_value()) << "released once only";
    }
    for (const TLevelStartContext& Context :
         {TLevelStartContext{1, 10, toAerosol, false}, TLevelStartContext{2, 1, toAerosol, false},
          TLevelStartContext{1, 0, toAerosol, false}}) {
        const TLevelStart Start = PrepareLevelStart(Record, Context);
        EXPECT_TRUE(Start.Held.Empty()) << Context.Island << "-" << Context.Level;
        EXPECT_EQ(Start.Values, Record);
    }
}

TEST(LevelStart, LevelSixOffersMagicKeysAtFifteenWhateverTheFileHolds) {
    TLevelRecord Record = CollectLevel();
    for (int32_t FileValue : {0, 60, 1000}) {
        Record.OneMagicKeyEveryProb = FileValue;
        TLevelStart Start = PrepareLevelStart(Record, {1, 6, toMagicKey, false});
        EXPECT_EQ(Start.Values.OneMagicKeyEveryProb, 15);
        // Releasing another feature does not touch it.
        EXPECT_FALSE(ReleaseHeldFeature(Start, Record, hfBrooms).has_value());
        EXPECT_EQ(Start.Values.OneMagicKeyEveryProb, 15);
        EXPECT_EQ(ReleaseHeldFeature(Start, Record, hfMagicKeys), FileValue);
    }
}

TEST(LevelStart, LevelFiveReleasesBroomsButKeepsTheWebsHeld) {
    const TLevelRecord Record = CollectLevel();
    TLevelStart Start = PrepareLevelStart(Record, {1, 5, toBroom, false});
    const std::optional<THeldFeature> Released = FeatureReleasedByTip(9);
    ASSERT_TRUE(Released.has_value());
    EXPECT_EQ(*Released, hfBrooms);
    ReleaseHeldFeature(Start, Record, *Released);
    EXPECT_EQ(Start.Values.OneBroomEveryProb, 61);
    EXPECT_EQ(Start.Values.OneWebEveryProb, 6);
    EXPECT_TRUE(Start.Held.Contains(hfWebs));
}

TEST(LevelStart, TipsThatPutValuesBack) {
    const struct {
        int32_t Step;
        std::optional<THeldFeature> Feature;
    } Cases[] = {{1, std::nullopt},  {4, std::nullopt},  {5, hfUniFruits},    {6, hfMagicKeys},
                 {7, hfSpiderInterval}, {8, std::nullopt}, {9, hfBrooms},     {10, hfFruitBombs},
                 {11, hfWormInterval}, {12, std::nullopt}, {13, hfAerosols},  {14, hfMultiBubbles},
                 {15, hfHammers},    {16, hfSpiderInterval}, {17, std::nullopt}, {19, std::nullopt}};
    for (const auto& C : Cases) EXPECT_EQ(FeatureReleasedByTip(C.Step), C.Feature) << C.Step;
}

TEST(LevelStart, ToolsOnOfferByUnlockedLevel) {
    const struct {
        TToolKind Unlocked;
        bool TestMode;
        TToolAvailability Expected;
    } Cases[] = {
        {toNone, false, {toNone, false, false, false}},
        {toBroom, false, {toBroom, true, false, false}},
        {toMagicKey, false, {toMagicKey, true, true, false}},
        {toAerosol, false, {toAerosol, true, true, true}},
        {toNone, true, {toAerosol, true, true, true}},
        {static_cast<TToolKind>(9), false, {toNone, false, false, false}},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(ToolAvailability(C.Unlocked, C.TestMode), C.Expected) << int(C.Unlocked) << " " << C.TestMode;
        EXPECT_EQ(PrepareLevelStart(CollectLevel(), {3, 2, C.Unlocked, C.TestMode}).Tools, C.Expected);
    }
}

// One order serves every unlock question: none < broom < magic key < aerosol, never the
// kinds' ordinals (toMagicKey 1, toBroom 2). The buttons, the bonus stage's offers and
// the rise of the unlocked level all agree with it at each of the four levels.
TEST(LevelStart, ToolUnlockOrderServesButtonsOffersAndTheRise) {
    const TToolKind Tools[] = {toBroom, toMagicKey, toAerosol};
    const struct {
        TToolKind Level;
        int32_t Rank;
        bool Broom, Key, Aerosol;
    } Cases[] = {
        {toNone, 0, false, false, false},
        {toBroom, 1, true, false, false},
        {toMagicKey, 2, true, true, false},
        {toAerosol, 3, true, true, true},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(int(C.Level));
        EXPECT_EQ(ToolUnlockRank(C.Level), C.Rank);
        // The bonus stage offers exactly the tools the buttons show.
        const TToolAvailability Buttons = ToolAvailability(C.Level, false);
        EXPECT_EQ(ToolUnlocked(C.Level, toBroom), C.Broom);
        EXPECT_EQ(ToolUnlocked(C.Level, toMagicKey), C.Key);
        EXPECT_EQ(ToolUnlocked(C.Level, toAerosol), C.Aerosol);
        EXPECT_EQ(Buttons.Broom, C.Broom);
        EXPECT_EQ(Buttons.MagicKey, C.Key);
        EXPECT_EQ(Buttons.Aerosol, C.Aerosol);
        EXPECT_FALSE(ToolUnlocked(C.Level, toNone));
        for (TToolKind Offered : {toNone, toBroom, toMagicKey, toAerosol}) {
            const TToolKind After = RaisedToolLevel(C.Level, Offered);
            // It only rises: whatever is won, every tool usable before stays usable.
            for (TToolKind Tool : Tools) {
                if (ToolUnlocked(C.Level, Tool)) {
                    EXPECT_TRUE(ToolUnlocked(After, Tool)) << int(Offered);
                }
            }
            EXPECT_EQ(ToolUnlockRank(After), std::max(C.Rank, ToolUnlockRank(Offered))) << int(Offered);
        }
    }
    // Replaying the broom's level after the key's keeps the key; winning the key's after the broom's adds it.
    EXPECT_EQ(RaisedToolLevel(toMagicKey, toBroom), toMagicKey);
    EXPECT_EQ(RaisedToolLevel(toBroom, toMagicKey), toMagicKey);
    EXPECT_EQ(RaisedToolLevel(toAerosol, toMagicKey), toAerosol);
    EXPECT_EQ(ToolUnlockRank(static_cast<TToolKind>(9)), 0);
    EXPECT_EQ(RaisedToolLevel(toBroom, static_cast<TToolKind>(9)), toBroom);
}

TEST(LevelStart, IslandAndObjectiveSettings) {
    for (int32_t Island = 1; Island <= 5; ++Island) EXPECT_EQ(MoneyPerCombo(Island), 6 + Island);
    EXPECT_EQ(MoneyPerCombo(6), 0);

    EXPECT_EQ(ObjectiveInfoShowingTime(1, 1, goTargetFruits), 5000);
    EXPECT_EQ(ObjectiveInfoShowingTime(1, 3, goCollectFruits), 5000);
    EXPECT_EQ(ObjectiveInfoShowingTime(1, 2, goTargetFruits), 4500);
    EXPECT_EQ(ObjectiveInfoShowingTime(2, 1, goTargetFruits), 4500);
    EXPECT_EQ(ObjectiveInfoShowingTime(1, 3, goBonusStage), 4500);

    const struct {
        TGameObjective Objective;
        int32_t Music;
        TGameBoardActiveMode Mode;
    } Cases[] = {
        {goTargetFruits, 3, amNormal}, {goCollectFruits, 4, amNormal}, {goSpiderHunt, 4, amNormal},
        {goBeatMonster, 5, amNormal},  {goFindFlowers, 6, amFindFlower}, {goClearTiles, 7, amNormal},
        {goBonusStage, NoMusicNumber, amNormal},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(MusicNumberFor(C.Objective), C.Music) << int(C.Objective);
        EXPECT_EQ(BoardModeFor(C.Objective), C.Mode) << int(C.Objective);
    }

    const TMonsterKind Monsters[] = {mkBird, mkBird, mkLizard, mkKong, mkFish, mkLion, mkBird};
    for (int32_t Island = 0; Island <= 6; ++Island) EXPECT_EQ(MonsterOfIsland(Island), Monsters[Island]) << Island;

    TLevelRecord Record = CollectLevel();
    Record.Time = 300;
    const TLevelStart Start = PrepareLevelStart(Record, {4, 7, toNone, true});
    EXPECT_EQ(Start.SilverReqTime, 195);
    EXPECT_EQ(Start.GoldReqTime, 120);
    EXPECT_EQ(Start.Monster, mkFish);
    EXPECT_EQ(Start.MoneyPerCombo, 10);
    EXPECT_EQ(Start.MusicNumber, 4);
    EXPECT_EQ(Start.ObjectiveInfoShowingTime, 4500);
}

}  // namespace
