// The story and the fairy's lessons in the whole game, started as a player
// starts it: a new player's first Play tells the introduction and then shows
// the map, once; the pictures fade as the chapter's clock says; 1-01's pointer
// leads the four swaps of the first lesson with its three balloons; the garden
// and the shop explain themselves once.
#include <gtest/gtest.h>

#include <filesystem>

#include "MenuTestSupport.h"
#include "JpegSupport.h"
#include "PictureClass.h"
#include "RoundDriverClass.h"

namespace {

namespace fs = std::filesystem;

class StoryTutorial : public MenuFixture {
protected:
    void Open(const std::function<void(TProgressRecord&)>& Change, bool Drawn = false) {
        BeforeStart = [this, Change] {
            TProgressRecord Record = InitialProgressRecord();
            Record.RelaxedMode = rmNo;  // the timer's question answered
            Change(Record);
            SaveRecord("ANNA", Record);
        };
        ReachMenu({"ANNA"}, Drawn);
    }
    bool Settled(TGameSceneValues Scene, int MaxFrames = 900) {
        return Until([&] { return Form().Scene() == Scene && !Form().SceneTransition->Active(); }, MaxFrames);
    }
};

TEST_F(StoryTutorial, ANewPlayersFirstPlayTellsTheIntroductionThenTheMapAndOnlyOnce) {
    Open([](TProgressRecord&) {});
    Press(Form().Menus.Main.PlayButton);
    ASSERT_TRUE(Settled(gsStory));
    EXPECT_EQ(Form().Story.Strips.Chapter(), 1);
    EXPECT_TRUE(Form().Story.SkipButton.Visible);
    EXPECT_FALSE(Form().Story.DoneButton.Visible);
    ASSERT_TRUE(Form().SaveProgress());
    EXPECT_EQ(SavedRecord("ANNA").StoryScenesSeen[0], 1) << "seen from its start, skipped or not";
    ASSERT_TRUE(Until([&] { return Form().Story.ButtonPanel.Phase() == TPanelMover::phShown; }, 200));
    Press(Form().Story.SkipButton);
    ASSERT_TRUE(Settled(gsMap));
    Press(*Form().Map.MenuButton);
    ASSERT_TRUE(Settled(gsMenu));
    Press(Form().Menus.Main.PlayButton);
    ASSERT_TRUE(Settled(gsMap));
}

TEST_F(StoryTutorial, AChapterPlayedToItsEndGoesToTheMap) {
    Open([](TProgressRecord&) {});
    Press(Form().Menus.Main.PlayButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsStory; }));
    ASSERT_TRUE(Until([&] { return Form().Story.Strips.Panel() == 8 && Form().Story.Strips.FadingOut(); }, 2000));
    ASSERT_TRUE(Settled(gsMap, 200));
    // Chapters outside the story change nothing.
    Form().PlayStoryChapter(7);
    Form().PlayStoryChapter(0);
    Driver->Step(5);
    EXPECT_EQ(Form().Scene(), gsMap);
}

// With flat panels of one colour each, the picture's centre shows panel 1 coming in
// and going, and panel 2 after it, on the chapter's frames.
TEST_F(StoryTutorial, ThePanelsFadeOnTheChaptersClock) {
    TTempFolder Game;
    const fs::path Real = TTestDriver::DefaultGameFolder();
    for (const char* Sub : {"Sounds", "Music", "Texts", "Levels"})
        fs::create_directory_symlink(Real / Sub, fs::path(Game.Path()) / Sub);
    fs::create_directories(fs::path(Game.Path()) / "Images");
    for (const fs::directory_entry& Entry : fs::directory_iterator(Real / "Images")) {
        if (Entry.path().filename() == "Story") continue;
        fs::create_directory_symlink(Entry.path(), fs::path(Game.Path()) / "Images" / Entry.path().filename());
    }
    const fs::path Story = fs::path(Game.Path()) / "Images" / "Story";
    fs::create_directories(Story / "Scene1");
    for (const fs::directory_entry& Entry : fs::directory_iterator(Real / "Images" / "Story")) {
        if (Entry.is_regular_file()) fs::copy_file(Entry.path(), Story / Entry.path().filename());
    }
    // Panel 1 pure red, panel 2 pure blue.
    ASSERT_TRUE(WriteFlatJpeg((Story / "Scene1" / "Story1-01.jpg").string(), 800, 325, 255, 0, 0));
    ASSERT_TRUE(WriteFlatJpeg((Story / "Scene1" / "Story1-02.jpg").string(), 800, 325, 0, 0, 255));
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    Driver = std::make_unique<TTestDriver>(Setup);
    Driver->WritePlayerList({"ANNA"});
    ASSERT_TRUE(Driver->Start());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsSplash; }, 1000));
    ASSERT_TRUE(Until([&] { return Form().LoadingBar->LoadingFinished(); }, 400));
    Driver->Click(400, 300);
    ASSERT_TRUE(Settled(gsMenu, 200));
    int Frame = 0;
    Press(Form().Menus.Main.PlayButton);
    ASSERT_TRUE(Until([&] { return QuestionShowing(9); })) << "a new player is asked about the timer";
    AnswerAndWait(false);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsStory; }));
    // Count the chapter's frames from its first update.
    ASSERT_TRUE(Until([&] { return Form().Story.Strips.ChapterClock() > 0; }));
    Frame = Form().Story.Strips.ChapterClock() / 30;
    const auto CentreAt = [&](int Wanted) {
        Driver->Step(Wanted - Frame);
        Frame = Wanted;
        TPicture Picture;
        EXPECT_TRUE(Driver->Capture(Picture));
        return Picture.PixelRGBA(400, 113 + 162);
    };
    const auto Red = [](uint32_t P) { return static_cast<int>(P >> 24); };
    const auto Blue = [](uint32_t P) { return static_cast<int>((P >> 8) & 0xFF); };
    const uint32_t Opaque1 = CentreAt(26);
    EXPECT_GE(Red(Opaque1), 250);
    const uint32_t Half = CentreAt(262);
    EXPECT_EQ(Form().Story.Strips.PanelAlpha(), 125);
    // Panel 2 comes in on frame 275, barely there: the backdrop shows.
    const uint32_t Between = CentreAt(275);
    EXPECT_EQ(Form().Story.Strips.Panel(), 2);
    EXPECT_LE(Form().Story.Strips.PanelAlpha(), 10);
    const int Blended = 125 + Red(Between) * (255 - 125) / 255;
    EXPECT_NEAR(Red(Half), Blended, 6) << "panel 1 at alpha 125 over the backdrop";
    const uint32_t Opaque2 = CentreAt(301);
    EXPECT_GE(Blue(Opaque2), 250);
    EXPECT_LE(Red(Opaque2), 5);
}

TEST_F(StoryTutorial, OneOhOnesPointerLeadsTheFirstLessonOnce) {
    Open([](TProgressRecord& Record) {
        Record.StoryScenesSeen[0] = 1;
        Record.IncentivesShown[0][0] = 1;
    });
    ASSERT_TRUE(Form().Story.Tutorial.Enabled);
    Form().GameScene->SetValue(gsLevelSel);
    ASSERT_TRUE(Form().StartLevel(1, 1));
    ASSERT_TRUE(SkipAnnouncement(*Driver));
    TTutorialClickHere& Pointer = Form().Story.Pointer;
    TTaviTutorial& Tips = Form().Story.Tutorial;
    ASSERT_TRUE(Pointer.IsActive());
    std::vector<int32_t> Balloons;
    int32_t LastShown = 0;
    for (int Guard = 0; Guard < 20000 && Pointer.IsActive(); ++Guard) {
        if (Tips.IsBalloonShowing() && Tips.ShownStep() != LastShown) {
            LastShown = Tips.ShownStep();
            Balloons.push_back(LastShown);
        }
        if (BoardTakesMove(Form())) {
            const TPoint Tile = TTutorialClickHere::Spot(Pointer.CurrentSpot()).Tile;
            const TGameBoard& Board = *Form().GameBoard;
            const int32_t X = Board.Left + (Tile.X - 1) * 46 + 23;
            const int32_t Y = Board.Top + (Tile.Y - 1) * 46 + 23;
            // A press beside the pointed tile is refused.
            Driver->Click(X + 46, Y);
            Driver->Click(X, Y);
        }
        Driver->Step();
    }
    EXPECT_FALSE(Pointer.IsActive());
    EXPECT_EQ(Balloons, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(Tips.BalloonTargetAlpha(), 0) << "closed at the last spot";
    ASSERT_TRUE(Form().SaveProgress());
    const TProgressRecord Saved = SavedRecord("ANNA");
    for (int Step = 0; Step < 3; ++Step) EXPECT_EQ(Saved.TutorialStepsShown[Step], 1) << Step + 1;
    // The next start of 1-01 has no pointer.
    Form().GameScene->SetValue(gsLevelSel);
    ASSERT_TRUE(Form().StartLevel(1, 1));
    ASSERT_TRUE(SkipAnnouncement(*Driver));
    EXPECT_FALSE(Pointer.IsActive());
}

TEST_F(StoryTutorial, TheGardenAndTheShopExplainThemselvesOnce) {
    Open([](TProgressRecord& Record) {
        Record.StoryScenesSeen[0] = 1;
        Record.BestTimes[0][0] = 60;
        Record.IslandsEntered[0] = 1;
        Record.IslandOpeningShown[0] = 1;
    });
    TTaviTutorial& Tips = Form().Story.Tutorial;
    Press(Form().Menus.Main.PlayButton);
    ASSERT_TRUE(Settled(gsMap));
    Press(*Form().Map.EnterButton);
    ASSERT_TRUE(Settled(gsLevelSel));
    Press(*Form().Map.ShortcutButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMirelIsland; }));
    EXPECT_TRUE(Tips.IsBalloonShowing());
    EXPECT_EQ(Tips.ShownStep(), TTaviTutorial::GardenStep);
    Driver->Step(60);
    Press(*Form().Garden.ShopButton);
    ASSERT_EQ(Form().Scene(), gsShopItems);
    ASSERT_TRUE(Until([&] { return Form().Garden.ShopWindow.Window.Phase() == TGameMenuWindow::phShown; }, 200));
    Press(Form().Garden.ShopWindow.DoneButton);
    ASSERT_TRUE(Settled(gsMirelIsland));
    EXPECT_EQ(Tips.ShownStep(), TTaviTutorial::ShopStep);
    ASSERT_TRUE(Form().SaveProgress());
    const TProgressRecord Saved = SavedRecord("ANNA");
    EXPECT_EQ(Saved.GardenTipShown, 1);
    EXPECT_EQ(Saved.ShopTipShown, 1);
    // The garden again: no tip.
    Press(*Form().Garden.MapButton);
    ASSERT_TRUE(Settled(gsMap));
    Press(*Form().Map.EnterButton);
    ASSERT_TRUE(Settled(gsLevelSel));
    Press(*Form().Map.ShortcutButton);
    ASSERT_TRUE(Settled(gsMirelIsland));
    EXPECT_FALSE(Tips.IsBalloonShowing());
}

// Coconut Cove's monster beaten with the rest of the island won: its chapter follows the
// result, once; the second victory goes straight to the map.
TEST_F(StoryTutorial, BeatingAnIslandsMonsterTellsItsChapterOnce) {
    Open([](TProgressRecord& Record) {
        Record.StoryScenesSeen[0] = 1;
        for (int32_t Level = 0; Level < 14; ++Level) Record.BestTimes[0][Level] = 60;
        for (int32_t Level = 0; Level < 15; ++Level) Record.IncentivesShown[0][Level] = 1;
        Record.IslandsEntered[0] = 1;
        Record.IslandOpeningShown[0] = 1;
    });
    Form().TestModeObjectivesOfOne = true;  // one hit knocks the bird out
    Press(Form().Menus.Main.PlayButton);
    ASSERT_TRUE(Settled(gsMap));
    for (int Round = 1; Round <= 2; ++Round) {
        SCOPED_TRACE(Round);
        Press(*Form().Map.EnterButton);
        ASSERT_TRUE(Settled(gsLevelSel));
        // The first time the island's first unwon level is chosen; then its dot is clicked.
        if (Round == 2) {
            ASSERT_EQ(Form().Map.LevelDots->IslandIdx(), 1);
            const TPoint Dot = Form().Map.LevelDots->Dot(1, 15).Pos;
            Driver->Click(Dot.X + 20, Dot.Y + 20);
        }
        ASSERT_EQ(Form().Map.LevelDots->SelIslandLevelIdx(), 15);
        Press(*Form().Map.PlayButton);
        ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
        TRoundDriver Bot(*Driver);
        ASSERT_EQ(Bot.Play({}).End, reWon);
        if (Round == 2) break;
        ASSERT_TRUE(Settled(gsStory, 1500));
        EXPECT_EQ(Form().Story.Strips.Chapter(), 2);
        ASSERT_TRUE(Until([&] { return Form().Story.ButtonPanel.Phase() == TPanelMover::phShown; }, 200));
        Press(Form().Story.SkipButton);
        ASSERT_TRUE(Settled(gsMap));
        // The map has gone on to Rainbow Hills: Coconut Cove is clicked on the map.
        EXPECT_EQ(Form().Map.Islands->Selected(), 2);
        const TPoint Cove = Form().Map.Islands->ArrowPoint(1);
        Driver->Click(Cove.X, Cove.Y + 60);
        ASSERT_EQ(Form().Map.Islands->Selected(), 1);
    }
    ASSERT_TRUE(Settled(gsMap, 1500)) << "told once: the island's map again";
    ASSERT_TRUE(Form().SaveProgress());
    EXPECT_EQ(SavedRecord("ANNA").StoryScenesSeen[1], 1);
}

// The ending has no skip: its last line brings the Done button, which leads to the garden.
TEST_F(StoryTutorial, TheEndingsDoneButtonLeadsToTheGarden) {
    Open([](TProgressRecord& Record) { Record.StoryScenesSeen[0] = 1; });
    Form().PlayStoryChapter(6);
    ASSERT_TRUE(Settled(gsStory));
    EXPECT_FALSE(Form().Story.SkipButton.Visible);
    EXPECT_FALSE(Form().Story.DoneButton.Visible);
    ASSERT_TRUE(Until([&] { return Form().Story.DoneButton.Visible; }, 2300));
    ASSERT_TRUE(Until([&] { return Form().Story.ButtonPanel.Phase() == TPanelMover::phShown; }, 200));
    Driver->Step(300);
    EXPECT_EQ(Form().Scene(), gsStory) << "the ending stays until Done";
    Press(Form().Story.DoneButton);
    ASSERT_TRUE(Settled(gsMirelIsland));
}

}  // namespace
