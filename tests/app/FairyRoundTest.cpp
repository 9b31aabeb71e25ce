// Tavi in the round, headless, as a player meets her: when she arrives, the
// full shuffle button answered with her wand, the levels she keeps out of, and
// a shuffle that happens on the same frame whether she is drawn or not.
#include <gtest/gtest.h>

#include "RandomClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

class FairyRound : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{7}; });
        TTestDriverSetup Setup;
        Setup.Headless = true;
        Driver = std::make_unique<TTestDriver>(Setup);
        ASSERT_TRUE(Driver->Start());
        Form().GameScene->SetValue(gsLevelSel);
    }
    void TearDown() override { SetRandomSeedSource({}); }
    TFormMain& Form() { return Driver->Form(); }
    TFairy& Fairy() { return *Form().Fairy; }
    bool Until(const std::function<bool()>& Condition, int MaxFrames = 3000) {
        return Driver->StepUntil(Condition, MaxFrames);
    }
    bool AnnouncementResting() {
        return Form().Scene() == gsObjectiveInfo && !Form().SceneTransition->IsCovering() &&
               Form().Gauges.ObjectiveInfo->Phase() == TObjectiveInfo::ipShowing;
    }
    void PressFullShuffleButton() {
        TShuffleButton& Button = *Form().Panels.ShuffleButton;
        for (int32_t I = 0; I < Button.FullRequiredFruits; ++I) Button.AddLandedFruit();
        ASSERT_TRUE(Until([&] { return Button.Full(); }));
        Driver->Click(Button.Left + 40, Button.Top + 40);
    }
    std::unique_ptr<TTestDriver> Driver;
};

TEST_F(FairyRound, OnOneOhOneSheComesWithTheAnnouncementAndNotAgainWithTheBoard) {
    // Without the lesson, whose tips keep her busy.
    Form().Story.Tutorial.Enabled = false;
    ASSERT_TRUE(Form().StartLevel(1, 1));
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Fairy().State() == fsHovering; }));
    EXPECT_EQ(Form().Scene(), gsObjectiveInfo);
    EXPECT_EQ(Fairy().RoundedPosition(), (TPoint{136, 84}));
    ASSERT_TRUE(SkipAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Form().GameBoard->CanDraw; }));
    // A second arrival would have started her idle time again.
    const int32_t IdleBefore = Fairy().IdleTime();
    Driver->Step(10);
    EXPECT_EQ(Fairy().IdleTime(), IdleBefore + 10 * 30);
    EXPECT_EQ(Fairy().State(), fsHovering);
}

TEST_F(FairyRound, ElsewhereSheArrivesWhenTheBoardHasDroppedIn) {
    ASSERT_TRUE(Form().StartLevel(1, 2));
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return AnnouncementResting(); }));
    EXPECT_EQ(Fairy().State(), fsAway);
    ASSERT_TRUE(SkipAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Form().GameBoard->CanDraw; }));
    EXPECT_EQ(Fairy().State(), fsFlying);
    ASSERT_TRUE(Until([&] { return Fairy().State() == fsHovering; }));
    EXPECT_EQ(Fairy().RoundedPosition(), (TPoint{136, 84}));
    EXPECT_GT(Form().FairyDust->ActiveCount(), 0);
}

TEST_F(FairyRound, AFullShuffleButtonIsAnsweredWithHerWandAndTheShuffleComment) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 2));
    ASSERT_TRUE(Until([&] { return Fairy().State() == fsHovering && Form().GameBoard->IsSettled(); }));
    PressFullShuffleButton();
    Driver->Step();
    EXPECT_FALSE(Form().BoardEffects.ShuffleAway->Active()) << "the board waits for her wand";
    ASSERT_TRUE(Until([&] { return Fairy().State() == fsCasting; }));
    EXPECT_EQ(Fairy().RoundedPosition(), (TPoint{347, 260}));
    ASSERT_TRUE(Until([&] { return Form().BoardEffects.ShuffleAway->Active(); }));
    EXPECT_EQ(Form().Comments.Round().CommentType(), coShuffling);
    EXPECT_TRUE(Fairy().Performed());
    // Once waved she flies off to hover, never to sit.
    ASSERT_TRUE(Until([&] { return Fairy().State() != fsCasting; }));
    EXPECT_EQ(Fairy().TargetState(), fsHovering);
}

TEST_F(FairyRound, AHintSheWasGoingToShowIsForgottenWhenAMoveIsMade) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 2));
    ASSERT_TRUE(Until([&] { return Form().GameBoard->IsSettled(); }));
    THintTilesPos Move;
    ASSERT_TRUE(Form().GameBoard->FindMove(Move));
    ASSERT_TRUE(Fairy().OrderMagic(400, 300, mpHint, {}, Move));
    Form().GameBoard->ResetNoMatchTimer();
    EXPECT_EQ(Fairy().HintTiles(), THintTilesPos{});
}

TEST_F(FairyRound, TheIslandOneMonsterLevelIsPlayedWithoutHerEvenAfterAPause) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 15));
    ASSERT_TRUE(Until([&] { return Form().GameBoard->CanDraw; }));
    EXPECT_FALSE(Fairy().Visible);
    Driver->KeyDown(SDLK_SPACE);
    Driver->Step(3);
    Driver->KeyDown(SDLK_SPACE);
    Driver->Step(200);
    EXPECT_FALSE(Fairy().Visible);
    EXPECT_EQ(Form().FairyDust->ActiveCount(), 0);
}

TEST_F(FairyRound, APauseHidesHerAndHerDustAndResumingShowsThemAgain) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 2));
    ASSERT_TRUE(Until([&] { return Fairy().State() == fsHovering; }));
    Driver->KeyDown(SDLK_SPACE);
    Driver->Step();
    EXPECT_FALSE(Fairy().Visible);
    EXPECT_FALSE(Form().FairyDust->Visible);
    const TFloatPoint Held = Fairy().Position();
    Driver->Step(20);
    EXPECT_EQ(Fairy().Position().X, Held.X);
    Driver->KeyDown(SDLK_SPACE);
    Driver->Step();
    EXPECT_TRUE(Fairy().Visible);
    EXPECT_TRUE(Form().FairyDust->Visible);
}

// Drawn: hovering at her first resting place she shows left of the board, and
// nothing of her is left there once she is hidden.
TEST(FairyRoundFrames, SheIsDrawnBesideTheBoard) {
    SetRandomSeedSource([] { return uint64_t{7}; });
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    Form.MainLoadForDevelopment();
    Form.GameScene->SetValue(gsLevelSel);
    ASSERT_TRUE(EnterRound(Driver, 1, 2));
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Fairy->State() == fsHovering; }, 800));
    Driver.Step(10);  // the landing frame still shows her flying
    TPicture WithHer, WithoutHer;
    ASSERT_TRUE(Driver.Capture(WithHer));
    Driver.SaveFramePng(::testing::TempDir() + "quellow-fairy.png");
    Form.Fairy->Visible = false;
    Form.FairyDust->Reset();
    Driver.Step();
    ASSERT_TRUE(Driver.Capture(WithoutHer));
    int Changed = 0;
    for (int Y = 100; Y < 200; ++Y)
        for (int X = 150; X < 210; ++X) Changed += WithHer.PixelRGBA(X, Y) != WithoutHer.PixelRGBA(X, Y);
    EXPECT_GT(Changed, 1500) << "her figure, about 50 x 90 pixels, beside the board";
    // The board itself is the same.
    EXPECT_EQ(WithHer.PixelRGBA(215 + 5 * 46, 90 + 5 * 46), WithoutHer.PixelRGBA(215 + 5 * 46, 90 + 5 * 46));
    SetRandomSeedSource({});
}

}  // namespace
