// The trophies' rules: every threshold at the count below it and at it, the
// shared spider count, the medal trophies from the level dots, the queue of
// waiting trophies and what a player's record carries.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "CampaignTestSupport.h"
#include "TrophyManagerClass.h"

namespace {

// A manager whose owner allows an announcement only while Allowed is set, and
// notes each trophy asked about and each one it let through.
struct TrophyManager : ::testing::Test {
    TTrophyManager Manager;
    bool Allowed = true;
    std::vector<TTrophyKind> Announced;
    void SetUp() override {
        Manager.OnNewTrophy = [this](TObject*, TTrophyKind Kind, bool& CanAnnounce) {
            CanAnnounce = Allowed;
            if (Allowed) Announced.push_back(Kind);
        };
    }
    // Closes every window in turn, as the owner does when each has hidden.
    void CloseAll() {
        while (Manager.Announcing()) {
            Manager.AnnouncementClosed();
            Manager.AnnounceNext();
        }
    }
    void Repeat(int Times, const std::function<void()>& Count) {
        for (int I = 0; I < Times; ++I) Count();
    }
};

TEST_F(TrophyManager, EachCountEarnsItsTrophyAtItsThresholdAndNotBefore) {
    struct TCase {
        const char* What;
        std::function<void(TTrophyManager&)> Count;
        int Threshold;
        TTrophyKind Kind;
    };
    const TCase Cases[] = {
        {"fruits", [](TTrophyManager& M) { M.CountFruit(); }, 500, tk500Fruits},
        {"frames", [](TTrophyManager& M) { M.CountLockerFrame(); }, 150, tk150Tiles},
        {"flowers", [](TTrophyManager& M) { M.CountFlower(); }, 30, tk30Flowers},
        {"worms", [](TTrophyManager& M) { M.CountWorm(); }, 100, tk100Worms},
        {"spiders", [](TTrophyManager& M) { M.CountSpider(); }, 40, tk40Spiders},
        {"hunted spiders", [](TTrophyManager& M) { M.CountHuntedSpider(); }, 500, tk500Spiders},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.What);
        TTrophyManager Fresh;
        Fresh.OnNewTrophy = Manager.OnNewTrophy;
        Announced.clear();
        Repeat(C.Threshold - 1, [&] { C.Count(Fresh); });
        EXPECT_TRUE(Announced.empty());
        C.Count(Fresh);
        ASSERT_EQ(Announced.size(), 1u);
        EXPECT_EQ(Announced[0], C.Kind);
        EXPECT_TRUE(Fresh.IsEarned(C.Kind));
    }
}

TEST_F(TrophyManager, TheBigFruitTrophyComesAtTenThousand) {
    TProgressRecord Record = InitialProgressRecord();
    Record.TrophyCounters[TTrophyManager::tcFruits] = 9998;
    Record.TrophiesEarned[tk500Fruits - 1] = 1;
    Manager.LoadSaved(Record);
    Manager.CountFruit();
    EXPECT_TRUE(Announced.empty());
    Manager.CountFruit();
    EXPECT_EQ(Announced, std::vector<TTrophyKind>{tk10000Fruits});
}

TEST_F(TrophyManager, ScoreAndGardenThresholds) {
    struct TCase {
        std::function<void(TTrophyManager&)> Test;
        std::vector<TTrophyKind> Expected;
    };
    const TCase Cases[] = {
        {[](TTrophyManager& M) { M.TestScore(24999); }, {}},
        {[](TTrophyManager& M) { M.TestScore(25000); }, {tk25000Score}},
        {[](TTrophyManager& M) { M.TestScore(74999); }, {tk25000Score}},
        {[](TTrophyManager& M) { M.TestScore(75000); }, {tk25000Score, tk75000Score}},
        {[](TTrophyManager& M) { M.TestGarden(40); }, {}},
        {[](TTrophyManager& M) { M.TestGarden(41); }, {tkMirelIslandHalf}},
        {[](TTrophyManager& M) { M.TestGarden(100); }, {tkMirelIslandHalf, tkMirelIslandFull}},
    };
    for (const TCase& C : Cases) {
        TTrophyManager Fresh;
        Fresh.OnNewTrophy = Manager.OnNewTrophy;
        Announced.clear();
        C.Test(Fresh);
        while (Fresh.Announcing()) {
            Fresh.AnnouncementClosed();
            Fresh.AnnounceNext();
        }
        EXPECT_EQ(Announced, C.Expected);
    }
}

TEST_F(TrophyManager, HuntedSpidersRaiseTheSharedCountWithoutTestingTheSmallSpiderTrophy) {
    Repeat(45, [&] { Manager.CountHuntedSpider(); });
    EXPECT_EQ(Manager.Counter(TTrophyManager::tcSpiders), 45);
    EXPECT_TRUE(Announced.empty());
    // The next spider outside a hunt finds the count past its threshold.
    Manager.CountSpider();
    EXPECT_EQ(Announced, std::vector<TTrophyKind>{tk40Spiders});
}

TEST_F(TrophyManager, AnEarnedTrophyIsNeverQueuedAgain) {
    Manager.TestScore(30000);
    CloseAll();
    Manager.TestScore(31000);
    Manager.TestScore(32000);
    EXPECT_EQ(Announced, std::vector<TTrophyKind>{tk25000Score});
    EXPECT_FALSE(Manager.AnyWaiting());
}

TEST_F(TrophyManager, TwoTrophiesAtOnceAreAnnouncedLowerFirstOneWindowAtATime) {
    Manager.TestScore(80000);
    EXPECT_EQ(Announced, std::vector<TTrophyKind>{tk25000Score});
    EXPECT_TRUE(Manager.IsWaiting(tk75000Score));
    EXPECT_FALSE(Manager.AnnounceNext());  // a window shows: nothing more yet
    CloseAll();
    EXPECT_EQ(Announced, (std::vector<TTrophyKind>{tk25000Score, tk75000Score}));
    EXPECT_FALSE(Manager.AnnounceNext());
}

TEST_F(TrophyManager, ATrophyEarnedWhereNoWindowCanShowWaitsAcrossALevelStart) {
    Allowed = false;
    Manager.TestGarden(50);
    EXPECT_TRUE(Manager.IsWaiting(tkMirelIslandHalf));
    EXPECT_FALSE(Manager.IsEarned(tkMirelIslandHalf));
    Manager.Reset();
    Manager.TestScore(26000);  // still not allowed: both wait
    Allowed = true;
    EXPECT_TRUE(Manager.AnnounceNext());
    CloseAll();
    EXPECT_EQ(Announced, (std::vector<TTrophyKind>{tk25000Score, tkMirelIslandHalf}));
}

TEST_F(TrophyManager, ALevelStartEndsAWindowAndAPendingWin) {
    Manager.TestScore(26000);
    Manager.SetRoundWonPending(true);
    Manager.Reset();
    EXPECT_FALSE(Manager.Announcing());
    EXPECT_FALSE(Manager.RoundWonPending());
}

TEST_F(TrophyManager, APlayerLoadDropsThePreviousPlayersWaitingTrophies) {
    Allowed = false;
    Manager.TestScore(90000);
    Manager.SetRoundWonPending(true);
    TProgressRecord Record = InitialProgressRecord();
    Manager.LoadSaved(Record);
    EXPECT_FALSE(Manager.AnyWaiting());
    EXPECT_FALSE(Manager.RoundWonPending());
    Allowed = true;
    EXPECT_FALSE(Manager.AnnounceNext());
}

TEST_F(TrophyManager, TheRecordKeepsFlagsAndCountsAndMendsBadOnes) {
    TProgressRecord Record = InitialProgressRecord();
    Record.TrophiesEarned[tk30Flowers - 1] = 7;  // any non-zero byte is earned
    Record.TrophyCounters[TTrophyManager::tcWorms] = -12;
    Record.TrophyCounters[TTrophyManager::tcFruits] = 499;
    Manager.LoadSaved(Record);
    EXPECT_TRUE(Manager.IsEarned(tk30Flowers));
    EXPECT_EQ(Manager.Counter(TTrophyManager::tcWorms), 0);
    Manager.CountFruit();
    Manager.CountWorm();
    TProgressRecord Out = InitialProgressRecord();
    Manager.StoreSaved(Out);
    EXPECT_EQ(Out.TrophiesEarned[tk30Flowers - 1], 1);
    EXPECT_EQ(Out.TrophiesEarned[tk500Fruits - 1], 1);
    EXPECT_EQ(Out.TrophyCounters[TTrophyManager::tcFruits], 500);
    EXPECT_EQ(Out.TrophyCounters[TTrophyManager::tcWorms], 1);
}

TEST_F(TrophyManager, TestModeEarnsTheMedalTrophiesQuietly) {
    Manager.EarnTestModeTrophies();
    EXPECT_TRUE(Announced.empty());
    for (int Idx = 1; Idx <= TrophyCount; ++Idx) {
        const bool Expected = Idx <= 8 || Idx == 19;
        EXPECT_EQ(Manager.IsEarned(TrophyIdxToKind(Idx)), Expected) << Idx;
    }
}

// Level dots over five islands of 30, 20, 20, 20 and 10 levels.
struct MedalTrophies : TrophyManager {
    TFakeIslands Islands;
    TLevelDots Dots;
    void UseIslands(std::initializer_list<int32_t> Levels) {
        int I = 0;
        for (int32_t Count : Levels) Islands.Levels[I++] = Count;
        Dots.ReadLevelHeaders(Islands);
    }
    // Every level of the island completed in the given seconds (gold within 40 s).
    void Complete(int32_t Island, int32_t Count, int32_t Seconds) {
        TProgressRecord Record = InitialProgressRecord();
        Dots.StoreSaved(Record);
        for (int32_t Level = 1; Level <= Count; ++Level) Record.BestTimes[Island - 1][Level - 1] = Seconds;
        Dots.LoadSaved(Record);
    }
    std::vector<TTrophyKind> Test() {
        Announced.clear();
        Manager.TestLevelTrophies(Dots);
        CloseAll();
        return Announced;
    }
};

TEST_F(MedalTrophies, GoldCountsAtTheirThresholds) {
    UseIslands({30, 30, 0, 0, 0});
    Complete(1, 19, 30);
    EXPECT_TRUE(Test().empty());
    Complete(1, 20, 30);
    EXPECT_EQ(Test(), std::vector<TTrophyKind>{tk20GoldMedals});
    Complete(1, 29, 30);  // island 1 short of all gold by one level
    Complete(2, 20, 30);  // 49 golds
    EXPECT_TRUE(Test().empty());
    Complete(2, 21, 30);
    EXPECT_EQ(Test(), std::vector<TTrophyKind>{tk50GoldMedals});
}

TEST_F(MedalTrophies, AnIslandAllGoldNeedsEveryLevelGoldAndAtLeastOneFile) {
    UseIslands({15, 0, 0, 0, 0});
    Complete(1, 15, 60);  // completed, silver only
    EXPECT_TRUE(Test().empty());
    Complete(1, 15, 30);
    // Island 1 all gold; island 2 has no files and earns nothing, nor do the whole-game trophies.
    EXPECT_EQ(Test(), std::vector<TTrophyKind>{tkIsland1AllGold});
    EXPECT_FALSE(Manager.TestLevelTrophies(Dots));  // nothing new the second time
}

TEST_F(MedalTrophies, EverythingGoldOnFiveIslandsEarnsEveryMedalTrophyInOrder) {
    UseIslands({12, 12, 12, 12, 12});
    Complete(1, 12, 60);
    Complete(2, 12, 60);
    Complete(3, 12, 60);
    Complete(4, 12, 60);
    TProgressRecord Record = InitialProgressRecord();
    Dots.StoreSaved(Record);
    for (int I = 0; I < 5; ++I)
        for (int L = 0; L < 12; ++L) Record.BestTimes[I][L] = I < 4 ? 60 : 30;
    Dots.LoadSaved(Record);
    // Every level completed, island 5 alone gold.
    EXPECT_EQ(Test(), (std::vector<TTrophyKind>{tkIsland5AllGold, tkAllLevelsCompleted}));
    for (int I = 0; I < 5; ++I)
        for (int L = 0; L < 12; ++L) Record.BestTimes[I][L] = 30;
    Dots.LoadSaved(Record);
    EXPECT_EQ(Test(), (std::vector<TTrophyKind>{tk20GoldMedals, tk50GoldMedals, tkIsland1AllGold, tkIsland2AllGold,
                                                tkIsland3AllGold, tkIsland4AllGold, tkAllGoldMedals}));
}

}  // namespace
