// What a won round is worth: the medal for the time taken, the money reward for
// island, medal, kind and objective, the money count's step, the rounding of the
// money total, and the result panel's figures.
#include <gtest/gtest.h>

#include "JackpotScoreClass.h"
#include "LevelFileClass.h"
#include "ResultMedalClass.h"
#include "ResultStatsClass.h"
#include "RoundTestSupport.h"

namespace {

TEST(Reward, EveryCellOfTheRewardTable) {
    struct TCase {
        TLevelKind Kind;
        int32_t Bronze, Silver, Gold, BronzeMonster, SilverMonster, GoldMonster;
    };
    // Single-precision factors, each product rounded half to even in turn: normal
    // bronze is 893 and silver 997 (exact factors would give 892 and 998).
    const TCase Cases[] = {
        {lkNormal, 893, 997, 1050, 1786, 1994, 2100},
        {lkAction, 625, 698, 735, 1250, 1396, 1470},
        {lkChallenge, 1160, 1297, 1365, 2320, 2594, 2730},
    };
    const TResultStats Stats;
    for (int32_t Island = 1; Island <= 5; ++Island) {
        for (const TCase& Case : Cases) {
            SCOPED_TRACE(testing::Message() << "island " << Island << ", kind " << int(Case.Kind));
            EXPECT_EQ(Stats.MoneyReward(Island, mdBronze, Case.Kind, goTargetFruits), Case.Bronze);
            EXPECT_EQ(Stats.MoneyReward(Island, mdSilver, Case.Kind, goCollectFruits), Case.Silver);
            EXPECT_EQ(Stats.MoneyReward(Island, mdGold, Case.Kind, goClearTiles), Case.Gold);
            EXPECT_EQ(Stats.MoneyReward(Island, mdBronze, Case.Kind, goBeatMonster), Case.BronzeMonster);
            EXPECT_EQ(Stats.MoneyReward(Island, mdSilver, Case.Kind, goBeatMonster), Case.SilverMonster);
            EXPECT_EQ(Stats.MoneyReward(Island, mdGold, Case.Kind, goBeatMonster), Case.GoldMonster);
            EXPECT_EQ(Stats.MoneyReward(Island, mdNone, Case.Kind, goBeatMonster), 0);
        }
    }
    EXPECT_EQ(Stats.MoneyReward(0, mdGold, lkNormal, goTargetFruits), 0);
    EXPECT_EQ(Stats.MoneyReward(6, mdGold, lkChallenge, goBeatMonster), 0);
}

TEST(Reward, TheMedalForTheTimeOfAThreeHundredSecondLevel) {
    TResultMedal Medal;
    Medal.SilverReqTime = SilverReqTimeFor(300);
    Medal.GoldReqTime = GoldReqTimeFor(300);
    ASSERT_EQ(Medal.SilverReqTime, 195);
    ASSERT_EQ(Medal.GoldReqTime, 120);
    struct TCase {
        int32_t Seconds;
        TMedalKind Medal;
    };
    for (const TCase& Case : {TCase{0, mdGold}, TCase{120, mdGold}, TCase{121, mdSilver}, TCase{195, mdSilver},
                              TCase{196, mdBronze}, TCase{300, mdBronze}}) {
        EXPECT_EQ(Medal.MedalFor(Case.Seconds), Case.Medal) << Case.Seconds;
        Medal.SetMedalForTime(Case.Seconds);
        EXPECT_EQ(Medal.MedalKind(), Case.Medal) << Case.Seconds;
    }
}

TEST(Reward, TheMoneyTotalIsRoundedToTenHalvesToEvenAndNeverFallsBelowZero) {
    struct TCase {
        int32_t Money;
        int32_t Award;
        int32_t Total;
    };
    const TCase Cases[] = {
        {1225, 0, 1220}, {1235, 0, 1240}, {1001, 2730, 3730}, {1000, 893, 1890}, {5, 0, 0}, {15, 0, 20},
    };
    for (const TCase& Case : Cases) {
        TJackpotScore Money;
        Money.Set(Case.Money);
        Money.AddInstant(Case.Award);
        Money.RoundToTen();
        EXPECT_EQ(Money.Value(), Case.Total) << Case.Money << " + " << Case.Award;
    }
    TJackpotScore Money;
    Money.Set(200);
    Money.Add(-500);
    EXPECT_EQ(Money.Value(), 0);
}

TEST(Reward, TheMoneyCountsAtFortyAFrameAtIslandOnesRewardAndInProportionElsewhere) {
    TResultStats Stats;
    for (int32_t Island = 1; Island <= 5; ++Island) EXPECT_EQ(Stats.MoneyStepForIsland(Island), 40) << Island;
    Stats.Island4GeneralGoldMoney = 2100;
    Stats.Island5GeneralGoldMoney = 1365;
    EXPECT_EQ(Stats.MoneyStepForIsland(4), 80);
    EXPECT_EQ(Stats.MoneyStepForIsland(5), 52);
    EXPECT_EQ(Stats.MoneyStepForIsland(9), 1) << "an island without a reward still finishes counting";
}

TEST(Reward, AFirstCompletionShowsItsTimeADashForTheBestAndTheBadge) {
    TResultStats Stats;
    Stats.SetPlayingTime(125);
    Stats.SetBestTime(0);
    Stats.SetLevelScore(4530);
    EXPECT_EQ(Stats.PlayingTimeText(), "2:05");
    EXPECT_EQ(Stats.BestTimeText(), "-");
    EXPECT_EQ(Stats.LevelScoreText(), "4,530");
    EXPECT_TRUE(Stats.NewBestTime());

    struct TCase {
        int32_t Playing, Best;
        bool NewBest;
    };
    for (const TCase& Case : {TCase{125, 126, true}, TCase{125, 125, false}, TCase{200, 125, false}}) {
        Stats.SetPlayingTime(Case.Playing);
        Stats.SetBestTime(Case.Best);
        EXPECT_EQ(Stats.NewBestTime(), Case.NewBest) << Case.Playing << " against " << Case.Best;
    }
    EXPECT_EQ(Stats.BestTimeText(), "2:05");
    EXPECT_EQ(TResultStats::TimeText(59), "0:59");
    EXPECT_EQ(TResultStats::TimeText(600), "10:00");
}

TEST(Reward, TheMoneyEarnedCountsUpFromZeroTickingEverySecondFrame) {
    TSoundLog Sounds;
    TResultStats Stats;
    Stats.ProgressingMoneyStep = 40;
    Stats.SetMoneyBonus(893);
    EXPECT_EQ(Stats.ShownMoney(), 0);
    int Frames = 0;
    while (Stats.ShownMoney() != 893 && Frames < 100) {
        Stats.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 23) << "22 steps of 40, then the last 13";
    EXPECT_EQ(Sounds.Count("ScoreCount"), 11);
    EXPECT_EQ(Stats.MoneyText(), "$893");
    for (int I = 0; I < 10; ++I) Stats.UpdateAndDraw();
    EXPECT_EQ(Sounds.Count("ScoreCount"), 11) << "silent once counted";

    Stats.SetMoneyBonus(500);
    EXPECT_EQ(Stats.ShownMoney(), 0) << "a new amount counts from 0 again";
    Stats.ShowFinalMoney();
    EXPECT_EQ(Stats.ShownMoney(), 500);
}

}  // namespace
