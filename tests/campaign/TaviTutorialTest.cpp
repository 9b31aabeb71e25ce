// The fairy's tips and the first level's pointer, without a screen: which step
// each event of island 1 shows, how long a tip stays, the hint tip that repeats
// and ignores the player's choice, the balloon's size and place beside the
// fairy, its close button, what a player's record keeps, and the pointer's
// spots, wait and tile under the mouse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TaviTutorialClass.h"
#include "TextStringsClass.h"
#include "TutorialClickHereClass.h"

namespace {

const TTextStrings& Texts() {
    static const TTextStrings Strings(std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/");
    return Strings;
}

struct TaviTutorial : ::testing::Test {
    TTaviTutorial Tutorial;
    int PositionRequests = 0;
    int Closes = 0;
    void SetUp() override {
        Tutorial.TextStringsComp = &Texts();
        Tutorial.LoadTexts();
        Tutorial.OnFairyPosUpdateRequest = [this](TObject*) { ++PositionRequests; };
        Tutorial.OnBalloonClose = [this](TObject*) { ++Closes; };
    }
    // Frames until the balloon has gone (at most Limit).
    int FramesUntilGone(int Limit = 100000) {
        int Frames = 0;
        while (Tutorial.IsBalloonShowing() && Frames < Limit) {
            Tutorial.UpdateAndDraw();
            ++Frames;
        }
        return Frames;
    }
};

TEST_F(TaviTutorial, EachEventOfIslandOneShowsItsLevelsStep) {
    struct TCase {
        int32_t Island, Level, Event, Step;
    };
    const TCase Cases[] = {
        {1, 1, 1, 1},  {1, 1, 2, 2},  {1, 1, 3, 3},  {1, 1, 4, 5},  {1, 1, 5, 0}, {1, 2, 1, 4},  {1, 2, 2, 10},
        {1, 2, 3, 0},  {1, 3, 1, 14}, {1, 3, 9, 14}, {1, 4, 1, 7},  {1, 4, 2, 16}, {1, 4, 3, 8},  {1, 4, 4, 0},
        {1, 5, 2, 9},  {1, 6, 1, 6},  {1, 7, 1, 11}, {1, 7, 2, 12}, {1, 7, 3, 0}, {1, 8, 1, 13}, {1, 9, 1, 15},
        {1, 10, 1, 0}, {2, 1, 1, 0},  {0, 4, 1, 0},  {5, 9, 1, 0},
    };
    for (const TCase& C : Cases) {
        EXPECT_EQ(TTaviTutorial::StepFor(C.Island, C.Level, C.Event), C.Step)
            << C.Island << "-" << C.Level << " event " << C.Event;
    }
}

TEST_F(TaviTutorial, ATipShowsOnceAndStaysAsLongAsItTakesToRead) {
    Tutorial.TriggerTip(1, 2, 1);  // the shuffle button's tip
    ASSERT_TRUE(Tutorial.IsBalloonShowing());
    EXPECT_EQ(Tutorial.ShownStep(), 4);
    EXPECT_EQ(PositionRequests, 1);
    const int32_t Length = static_cast<int32_t>(Texts().Tutorial(4).size());
    EXPECT_EQ(Tutorial.ShowTime(), Length * 120);
    const int Frames = FramesUntilGone();
    // Shown for its time; its closing frame and 24 more fade it from 200 to nothing.
    EXPECT_EQ(Frames, (Length * 120 + 29) / 30 + 24);
    EXPECT_TRUE(Tutorial.StepShown(4));
    // Never again for this player; the step asked for is still noted.
    Tutorial.TriggerTip(1, 2, 2);
    EXPECT_EQ(Tutorial.ShownStep(), 10);
    Tutorial.ResetTutorial();
    Tutorial.TriggerTip(1, 2, 1);
    EXPECT_FALSE(Tutorial.IsBalloonShowing());
    EXPECT_EQ(Tutorial.CurrentStep(), 4);
}

TEST_F(TaviTutorial, TheFirstLessonsAndTheHintStayUntilClosed) {
    for (int32_t Step : {1, 2, 3, 19}) EXPECT_EQ(TTaviTutorial::ShowTimeFor(Step, 40, 120), TTaviTutorial::UntilClosed);
    EXPECT_EQ(TTaviTutorial::ShowTimeFor(5, 40, 120), 4800);
    Tutorial.TriggerTip(1, 1, 1);
    for (int I = 0; I < 5000; ++I) Tutorial.UpdateAndDraw();
    EXPECT_TRUE(Tutorial.IsBalloonShowing());
}

TEST_F(TaviTutorial, OffOnlyTheHintTipShowsAndItRepeats) {
    Tutorial.Enabled = false;
    Tutorial.TriggerTip(1, 1, 1);
    Tutorial.ShowGardenTip(0);
    Tutorial.ShowGardenTip(1);
    EXPECT_FALSE(Tutorial.IsBalloonShowing());
    EXPECT_EQ(PositionRequests, 0);
    Tutorial.ShowHintTip();
    EXPECT_TRUE(Tutorial.IsHintTipShowing());
    EXPECT_EQ(Tutorial.ShownStep(), 19);
    // A balloon already showing keeps its place.
    Tutorial.ShowHintTip();
    EXPECT_EQ(PositionRequests, 1);
    Tutorial.CloseBalloon();
    FramesUntilGone();
    EXPECT_FALSE(Tutorial.IsHintTipShowing());
    Tutorial.ShowHintTip();
    EXPECT_TRUE(Tutorial.IsHintTipShowing()) << "the hint tip comes again";
    // Another tip replaces it and is no hint.
    Tutorial.Enabled = true;
    Tutorial.TriggerTip(1, 3, 1);
    EXPECT_EQ(Tutorial.ShownStep(), 14);
    EXPECT_FALSE(Tutorial.IsHintTipShowing());
}

TEST_F(TaviTutorial, AThreeBarTipHasSixRowsAndItsTopIsKeptOnScreen) {
    // Step 11's text has three "|": four lines and the balloon's two extra rows.
    ASSERT_EQ(TNarrationText::LineCount(Texts().Tutorial(11)), 4);
    Tutorial.BottomBalloonPointerPos = 126;
    Tutorial.TriggerTip(1, 7, 1);
    EXPECT_EQ(Tutorial.BalloonRows(), 6);
    EXPECT_EQ(Tutorial.RowHeight(), 80);
    EXPECT_EQ(Tutorial.BalloonTop(), 3);
    EXPECT_EQ(Tutorial.Text().Origin(), (TPoint{200 + 13, 3 + 15 + 50}));
}

TEST_F(TaviTutorial, TheCloseButtonsEdgesBelongToIt) {
    Tutorial.TriggerTip(1, 1, 1);
    const int32_t L = Tutorial.Left + 177;
    const int32_t T = Tutorial.BalloonTop() + 4;
    struct TCase {
        int32_t X, Y;
        bool Over;
    };
    const TCase Cases[] = {{L, T, true},          {L + 20, T + 20, true}, {L - 1, T, false},
                           {L, T - 1, false},      {L + 21, T + 10, false}, {L + 10, T + 21, false}};
    for (const TCase& C : Cases) EXPECT_EQ(Tutorial.OverCloseButton(C.X, C.Y), C.Over) << C.X << "," << C.Y;
    Tutorial.MouseMoveAt(L + 5, T + 5);
    EXPECT_TRUE(Tutorial.CloseHovered());
    Tutorial.ClickAt(L - 1, T, mbLeft);
    EXPECT_EQ(Closes, 0);
    Tutorial.ClickAt(L + 20, T + 20, mbLeft);
    EXPECT_EQ(Closes, 1);
    EXPECT_EQ(Tutorial.BalloonTargetAlpha(), 0);
    EXPECT_FALSE(Tutorial.CloseHovered());
}

TEST_F(TaviTutorial, TheBalloonSitsOnTheFairysFarSide) {
    struct TCase {
        TPoint Pos;
        bool Sitting;
        int32_t Left, Bottom;
        TMoveDir Dir;
    };
    const TCase Cases[] = {{{136, 84}, false, 208, 131, mdLeft},
                           {{676, 127}, false, 482, 174, mdRight},
                           {{136, 84}, true, 197, 109, mdLeft},
                           {{450, 100}, false, 256, 147, mdRight}};
    for (const TCase& C : Cases) {
        Tutorial.PlaceBesideFairy(C.Pos, C.Sitting);
        EXPECT_EQ(Tutorial.Left, C.Left) << C.Pos.X;
        EXPECT_EQ(Tutorial.BottomBalloonPointerPos, C.Bottom) << C.Pos.X;
        EXPECT_EQ(Tutorial.BalloonDir, C.Dir) << C.Pos.X;
    }
    Tutorial.PlaceForRound();
    EXPECT_EQ(Tutorial.Left, 207);
    EXPECT_EQ(Tutorial.BottomBalloonPointerPos, 126);
    Tutorial.PlaceForGarden();
    EXPECT_EQ(Tutorial.Left, 424);
    EXPECT_EQ(Tutorial.BottomBalloonPointerPos, 440);
}

TEST_F(TaviTutorial, APlayersRecordKeepsTheShownStepsTheChoiceAndTheGardenTips) {
    TProgressRecord Record = InitialProgressRecord();
    Record.TutorialStepsShown[3] = 7;  // any non-zero byte is shown
    Record.TutorialEnabled = 0;
    Record.ShopTipShown = 2;
    Tutorial.LoadSaved(Record);
    EXPECT_TRUE(Tutorial.StepShown(4));
    EXPECT_FALSE(Tutorial.Enabled);
    EXPECT_TRUE(Tutorial.ShopTipShown());
    EXPECT_FALSE(Tutorial.GardenTipShown());
    Tutorial.ShowHintTip();
    Tutorial.SetGardenTipShown(true);
    TProgressRecord Out = InitialProgressRecord();
    Tutorial.StoreSaved(Out);
    EXPECT_EQ(Out.TutorialStepsShown[3], 1);
    EXPECT_EQ(Out.TutorialStepsShown[18], 1);
    EXPECT_EQ(Out.TutorialEnabled, 0);
    EXPECT_EQ(Out.GardenTipShown, 1);
    EXPECT_EQ(Out.ShopTipShown, 1);
}

TEST(TutorialClickHere, FourSwapsOfNeighbouringTilesThenItStops) {
    TTutorialClickHere Pointer;
    std::vector<int> Spots;
    Pointer.OnPointSpotIdxChange = [&](TObject*, uint8_t Spot) { Spots.push_back(Spot); };
    Pointer.StartPointer();
    for (int32_t Pair = 0; Pair < 4; ++Pair) {
        const TPoint A = TTutorialClickHere::Spot(2 * Pair + 1).Tile;
        const TPoint B = TTutorialClickHere::Spot(2 * Pair + 2).Tile;
        EXPECT_EQ(std::abs(A.X - B.X) + std::abs(A.Y - B.Y), 1) << "pair " << Pair + 1;
    }
    for (int I = 0; I < 8; ++I) Pointer.NextSpot();
    EXPECT_EQ(Spots, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(Pointer.IsActive());
    Pointer.NextSpot();
    EXPECT_EQ(Spots.size(), 9u) << "nothing after the last";
}

TEST(TutorialClickHere, ItWaitsBeforeEachSpotAndKnowsTheTileUnderTheMouse) {
    TTutorialClickHere Pointer;
    Pointer.BoardLeft = 200;
    Pointer.BoardTop = 100;
    Pointer.StartPointer();
    for (int I = 0; I < 8; ++I) Pointer.UpdateAndDraw();
    EXPECT_EQ(Pointer.ArrowAlpha(), 40) << "nothing before 250 ms";
    Pointer.UpdateAndDraw();
    EXPECT_EQ(Pointer.ArrowAlpha(), 50);
    for (int I = 0; I < 40; ++I) Pointer.UpdateAndDraw();
    EXPECT_EQ(Pointer.ArrowAlpha(), 225);
    // Spot 1 points at tile (5, 4): pixels 200 + 4 * 46 to 200 + 5 * 46 - 1 across.
    struct TCase {
        int32_t X, Y;
        bool Over;
    };
    const TCase Cases[] = {{384, 238, true}, {429, 283, true}, {383, 250, false},
                           {430, 250, false}, {400, 237, false}, {400, 284, false}};
    for (const TCase& C : Cases) {
        Pointer.MouseMoveAt(C.X, C.Y);
        EXPECT_EQ(Pointer.IsOverSpot(), C.Over) << C.X << "," << C.Y;
    }
    Pointer.MouseMoveAt(390, 240);
    Pointer.NextSpot();
    EXPECT_EQ(Pointer.ArrowAlpha(), 40);
    EXPECT_EQ(Pointer.WaitingTimer(), 0);
    Pointer.StopPointer();
    EXPECT_FALSE(Pointer.IsActive());
    EXPECT_FALSE(Pointer.IsOverSpot());
}

}  // namespace
