// Trophies and incentives in the whole game, started as a player starts it:
// 1-04's incentive window before its announcement, until the level is won, and
// the broom its win unlocks; a trophy earned by a landed fruit opens its window
// over the running round, whose clock waits for it, and an objective met under
// the window wins the round once it has gone; a trophy earned where no window
// can show waits for the next round; the medals' trophy holds the result flow
// once; the cabinet from the menu explains a trophy under the pointer.
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "PictureClass.h"
#include "RoundDriverClass.h"

namespace {

class TrophiesRound : public MenuFixture {
protected:
    // The menu with ANNA, whose saved progress Change shapes first.
    void Open(const std::function<void(TProgressRecord&)>& Change, bool Drawn = false) {
        BeforeStart = [this, Change] {
            TProgressRecord Record = InitialProgressRecord();
            Change(Record);
            SaveRecord("ANNA", Record);
        };
        ReachMenu({"ANNA"}, Drawn);
        Bot = std::make_unique<TRoundDriver>(*Driver);
    }
    // The bot plays until Condition holds; false when the round ended first.
    bool PlayUntil(const std::function<bool()>& Condition, int MaxFrames = 20000) {
        for (int Frame = 0; Frame < MaxFrames; ++Frame) {
            if (Condition()) return true;
            if (Bot->Finished()) return false;
            Bot->BotFrame({});
        }
        return Condition();
    }
    bool IncentiveResting() {
        return Form().Scene() == gsNewIncentive && !Form().SceneTransition->Active() &&
               Form().Trophies.IncentiveAnnouncer.Window().Phase() == TGameMenuWindow::phShown;
    }
    bool TrophyWindowResting() {
        return Form().Scene() == gsNewTrophy && !Form().SceneTransition->Active() &&
               Form().Trophies.Announcer.Window().Phase() == TGameMenuWindow::phShown;
    }
    void PressTrophyOK() {
        ASSERT_TRUE(Until([&] { return TrophyWindowResting(); }));
        Press(Form().Trophies.Announcer.OKButton());
    }
    std::unique_ptr<TRoundDriver> Bot;
};

// Every incentive but island 1's first levels' seen: the rounds start straight away.
void IncentivesSeen(TProgressRecord& Record) {
    for (auto& Level : Record.IncentivesShown[0]) Level = 1;
}

TEST_F(TrophiesRound, OneOhFourPresentsTheBroomUntilWonAndItsWinUnlocksIt) {
    Open([](TProgressRecord&) {});
    int Showings = 0;
    auto Showing = Form().Gauges.ObjectiveInfo->OnShowing;
    Form().Gauges.ObjectiveInfo->OnShowing = [&, Showing](TObject* Sender) {
        ++Showings;
        if (Showing) Showing(Sender);
    };
    Form().TestModeObjectivesOfOne = true;  // a short round
    ASSERT_TRUE(Bot->Start(1, 4, 3));
    ASSERT_TRUE(Until([&] { return IncentiveResting(); }));
    EXPECT_EQ(Form().Trophies.IncentiveAnnouncer.Number(), TIncentiveManager::BroomIncentive);
    EXPECT_EQ(Showings, 0) << "nothing of the announcement runs under the incentive window";
    EXPECT_FALSE(Form().Gauges.TubeTimer->Running());
    Press(Form().Trophies.IncentiveAnnouncer.OKButton());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsObjectiveInfo; }));
    EXPECT_EQ(Showings, 1);

    // Lost once: the window comes again at the next start.
    ASSERT_TRUE(Bot->Start(1, 4, 3));
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsNewIncentive; }));
    ASSERT_EQ(Bot->Play({}).End, reWon);
    EXPECT_EQ(Form().Trophies.Incentives.MaxUnlockedToolKind, toBroom);
    EXPECT_EQ(SavedRecord("ANNA").UnlockedToolLevel, toBroom);
    EXPECT_EQ(SavedRecord("ANNA").IncentivesShown[0][3], 1);

    // Won: the next start goes straight to the objective.
    ASSERT_TRUE(Bot->Start(1, 4, 3));
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsObjectiveInfo && !Form().SceneTransition->Active(); }));
}

TEST_F(TrophiesRound, TheIncentiveWindowShowsTheBroomIcon) {
    Open([](TProgressRecord&) {}, true);
    ASSERT_TRUE(Bot->Start(1, 4, 3));
    ASSERT_TRUE(Until([&] { return IncentiveResting(); }));
    Driver->Step(2);
    TPicture Frame;
    ASSERT_TRUE(Driver->Capture(Frame));
    // The icons as the game has them: pattern 8 of a 3 by 3 sheet is the broom.
    const std::string Bytes =
        ReadWholeFile((std::filesystem::path(TTestDriver::DefaultGameFolder()) / "Images" / "IncentiveIcons.png").string());
    TPicture Icons;
    ASSERT_TRUE(DecodePng(Bytes.data(), Bytes.size(), Icons));
    const int32_t W = Icons.Width / 3;
    const int32_t H = Icons.Height / 3;
    const TPoint At{TIncentiveAnnouncer::ShownLeft + TIncentiveAnnouncer::IconOffset.X,
                    TIncentiveAnnouncer::ShownTop + TIncentiveAnnouncer::IconOffset.Y};
    int Opaque = 0;
    int Matching = 0;
    for (int32_t Y = 0; Y < H; Y += 3) {
        for (int32_t X = 0; X < W; X += 3) {
            const uint32_t Icon = Icons.PixelRGBA(W * 1 + X, H * 2 + Y);
            if ((Icon & 0xFF) != 0xFF) continue;
            ++Opaque;
            const uint32_t Drawn = Frame.PixelRGBA(At.X + X, At.Y + Y);
            bool Close = true;
            for (int Shift = 8; Shift < 32; Shift += 8) {
                const int Difference = static_cast<int>((Icon >> Shift) & 0xFF) - static_cast<int>((Drawn >> Shift) & 0xFF);
                Close = Close && Difference <= 12 && Difference >= -12;
            }
            Matching += Close ? 1 : 0;
        }
    }
    ASSERT_GT(Opaque, 50);
    EXPECT_GT(Matching * 10, Opaque * 9) << Matching << " of " << Opaque << " opaque icon pixels on screen";
}

TEST_F(TrophiesRound, TheFiveHundredthFruitOpensItsWindowOverTheRoundWhoseClockWaits) {
    Open([](TProgressRecord& Record) {
        IncentivesSeen(Record);
        Record.TrophyCounters[TTrophyManager::tcFruits] = 499;
    });
    ASSERT_TRUE(Bot->Start(1, 14, 5));
    ASSERT_TRUE(PlayUntil([&] { return Form().Scene() == gsNewTrophy; }));
    EXPECT_EQ(Form().TrophyBackgroundScene, gsMainGame);
    EXPECT_TRUE(Form().Trophies.Manager.IsEarned(tk500Fruits));
    EXPECT_EQ(Form().Trophies.Announcer.Trophy(), tk500Fruits);
    ASSERT_TRUE(Until([&] { return TrophyWindowResting(); }));
    const int32_t Elapsed = Form().Gauges.TubeTimer->ElapsedMiliSecs();
    Driver->Step(90);
    EXPECT_EQ(Form().Gauges.TubeTimer->ElapsedMiliSecs(), Elapsed) << "the window holds the round's time";
    // Only the OK button takes the mouse, and Space pauses nothing under the window.
    Driver->Click(400, 300);
    Driver->KeyDown(SDLK_SPACE);
    EXPECT_EQ(Form().Scene(), gsNewTrophy);
    EXPECT_FALSE(Form().Round.Paused);
    PressTrophyOK();
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMainGame; }));
    EXPECT_FALSE(Form().Round.Clocks.Has(prTrophyWindow));
    Driver->Step(60);
    EXPECT_GT(Form().Gauges.TubeTimer->ElapsedMiliSecs(), Elapsed) << "the round goes on";
    ASSERT_TRUE(PlayUntil([&] { return Form().Trophies.Manager.Counter(TTrophyManager::tcFruits) > 520; }));
    EXPECT_NE(Form().Scene(), gsNewTrophy) << "never announced twice";
    ASSERT_TRUE(Form().SaveProgress());
    EXPECT_EQ(SavedRecord("ANNA").TrophiesEarned[tk500Fruits - 1], 1);
}

TEST_F(TrophiesRound, AnObjectiveMetUnderTheWindowWinsTheRoundOnceItHasGone) {
    Open([](TProgressRecord& Record) {
        IncentivesSeen(Record);
        Record.TrophyCounters[TTrophyManager::tcFruits] = 499;
    });
    Form().TestModeObjectivesOfOne = true;  // the first landed fruit also meets the objective
    ASSERT_TRUE(Bot->Start(1, 14, 5));
    ASSERT_TRUE(PlayUntil([&] { return Form().Scene() == gsNewTrophy; }));
    ASSERT_TRUE(Until([&] { return Form().Trophies.Manager.RoundWonPending(); }));
    EXPECT_FALSE(Form().Round.RoundCleared);
    EXPECT_EQ(Form().Scene(), gsNewTrophy);
    PressTrophyOK();
    ASSERT_TRUE(Until([&] { return Form().Scene() != gsNewTrophy; }));
    EXPECT_EQ(Form().Scene(), gsRoundClear);
    EXPECT_TRUE(Form().Round.RoundCleared);
    EXPECT_FALSE(Form().Trophies.Manager.RoundWonPending());
    ASSERT_EQ(Bot->Play({}).End, reWon);
    EXPECT_GT(SavedRecord("ANNA").BestTimes[0][13], 0);
}

TEST_F(TrophiesRound, AScoreTrophyFoundInTheMenuWaitsForTheNextRound) {
    Open([](TProgressRecord& Record) {
        IncentivesSeen(Record);
        Record.ScoreTotal = 30000;
    });
    // The player's score came in on the menu, where no window shows.
    EXPECT_TRUE(Form().Trophies.Manager.IsWaiting(tk25000Score));
    EXPECT_FALSE(Form().Trophies.Manager.IsEarned(tk25000Score));
    ASSERT_TRUE(Bot->Start(1, 14, 5));
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsObjectiveInfo && !Form().SceneTransition->Active(); }));
    EXPECT_TRUE(Form().Trophies.Manager.IsWaiting(tk25000Score)) << "a level start keeps it waiting";
    ASSERT_TRUE(PlayUntil([&] { return Form().Scene() == gsNewTrophy; }, 3000));
    EXPECT_EQ(Form().Trophies.Announcer.Trophy(), tk25000Score);
    EXPECT_EQ(Form().TrophyBackgroundScene, gsMainGame);
}

TEST_F(TrophiesRound, TheIslandsAllGoldTrophyHoldsTheResultFlowOnce) {
    Open([](TProgressRecord& Record) {
        IncentivesSeen(Record);
        for (int Level = 0; Level < 15; ++Level) Record.BestTimes[0][Level] = Level == 13 ? 0 : 5;
    });
    Form().TestModeObjectivesOfOne = true;  // won well within gold
    int Windows = 0;
    TGameSceneValues Last = Form().Scene();
    ASSERT_TRUE(Bot->Start(1, 14, 5));
    while (!Bot->Finished() && Bot->Frame() < 20000) {
        Bot->BotFrame({});
        const TGameSceneValues Now = Form().Scene();
        if (Now != Last && Now == gsNewTrophy) {
            ++Windows;
            EXPECT_EQ(Form().TrophyBackgroundScene, gsStageResult);
            EXPECT_EQ(Form().Trophies.Announcer.Trophy(), tkIsland1AllGold);
        }
        Last = Now;
    }
    ASSERT_EQ(Bot->Result().End, reWon);
    // The round ends only once the flow has gone on past the trophy's window.
    EXPECT_EQ(Windows, 1);
    EXPECT_FALSE(Form().Trophies.ResultFlowWaiting);
    EXPECT_TRUE(Form().Trophies.Manager.IsEarned(tkIsland1AllGold));
    EXPECT_TRUE(Driver->Messages().empty());
}

TEST_F(TrophiesRound, TheCabinetExplainsTheTrophyUnderThePointerAndGoesBack) {
    Open([](TProgressRecord& Record) {
        Record.TrophiesEarned[tk30Flowers - 1] = 1;
        Record.TrophiesEarned[tkAllLevelsCompleted - 1] = 1;
    });
    Press(Form().Menus.Main.TrophiesButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsTrophies && !Form().SceneTransition->Active(); }));
    TTrophyParts& T = Form().Trophies;
    ASSERT_TRUE(Until([&] { return T.CabinetPanel.Phase() == TPanelMover::phShown; }));
    EXPECT_EQ(T.CabinetPanel.CurrentPos(), (TPoint{140, 20}));
    EXPECT_TRUE(T.Cabinet.Earned[tk30Flowers - 1]);
    EXPECT_FALSE(T.Cabinet.Earned[tk500Fruits - 1]);
    // An unearned trophy is explained too.
    for (TTrophyKind Kind : {tk500Fruits, tkAllLevelsCompleted}) {
        const TPoint At = T.Cabinet.PlaceCentre(TrophyKindToIdx(Kind));
        Driver->MouseMove(At.X, At.Y);
        Driver->Step(10);
        EXPECT_EQ(T.Cabinet.HoveredIdx(), TrophyKindToIdx(Kind));
        EXPECT_EQ(T.ToolTip.ShownTrophy(), TrophyKindToIdx(Kind));
    }
    Press(T.BackButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu && !Form().SceneTransition->Active(); }));
}

}  // namespace

// A whole garden bought: the garden's first frame finds both garden trophies, and
// their windows open over the garden one after the other, the half garden first.
TEST(TrophiesGarden, TwoTrophiesAtOnceAreAnnouncedLowerFirstOverTheGarden) {
    TTestDriverSetup Setup;
    Setup.PlayMap = true;
    Setup.Headless = true;
    TTestDriver Driver(Setup);
    TProgressRecord Record = InitialProgressRecord();
    Record.BestTimes[0][0] = 60;
    Record.IslandsEntered[0] = 1;
    Record.IslandOpeningShown[0] = 1;
    for (uint8_t& Byte : Record.ShopBlock) Byte = 1;  // every item unlocked and bought
    Driver.WritePlayerList({"ANNA"});
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    WriteWholeFile(Driver.UserDataFolder() + "/Quellow/ANNA.sav", std::string(Bytes.begin(), Bytes.end()));
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    const auto Settled = [&](TGameSceneValues Scene) {
        return Driver.StepUntil([&] { return Form.Scene() == Scene && !Form.SceneTransition->Active(); }, 900);
    };
    const auto PressOK = [&] {
        TTrophyAnnouncer& Announcer = Form.Trophies.Announcer;
        ASSERT_TRUE(Driver.StepUntil(
            [&] { return Announcer.Window().Phase() == TGameMenuWindow::phShown && !Form.SceneTransition->Active(); },
            300));
        Driver.Click(Centre(Announcer.OKButton()).X, Centre(Announcer.OKButton()).Y);
    };
    ASSERT_TRUE(Settled(gsMap));
    Driver.Click(Centre(*Form.Map.EnterButton).X, Centre(*Form.Map.EnterButton).Y);
    ASSERT_TRUE(Settled(gsLevelSel));
    Driver.Click(Centre(*Form.Map.ShortcutButton).X, Centre(*Form.Map.ShortcutButton).Y);
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Scene() == gsNewTrophy; }, 900));
    EXPECT_EQ(Form.TrophyBackgroundScene, gsMirelIsland);
    EXPECT_EQ(Form.Trophies.Announcer.Trophy(), tkMirelIslandHalf);
    EXPECT_TRUE(Form.Trophies.Manager.IsWaiting(tkMirelIslandFull));
    PressOK();
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Trophies.Announcer.Trophy() == tkMirelIslandFull; }, 300));
    EXPECT_EQ(Form.Scene(), gsNewTrophy);
    PressOK();
    ASSERT_TRUE(Settled(gsMirelIsland));
    EXPECT_EQ(Form.Garden.TrophyTestCount, 1) << "the garden came back as it was, not entered anew";
    EXPECT_TRUE(Form.Trophies.Manager.IsEarned(tkMirelIslandFull));
}
