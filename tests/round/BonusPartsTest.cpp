// The bonus stage's parts without a screen: which levels offer a stage and its
// played flags in the progress bytes, the stopwatch's countdown and its single
// time-up, the letters flying into the row, and the result figures with the
// jackpot's payment at the stage's end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AcquiredBonusLettersClass.h"
#include "BonusResultStatsClass.h"
#include "BonusStageManagerClass.h"
#include "BonusStageTimerClass.h"
#include "FlowingBonusLettersClass.h"
#include "GeneralRoutinesClass.h"
#include "JackpotScoreClass.h"
#include "ProgressRecordClass.h"
#include "RoundTestSupport.h"

namespace {

// --- Which levels offer a bonus stage -----------------------------------------

TEST(BonusStageManager, TheFifteenLevelsOfTheTableOfferAStageAndTheirNeighboursDoNot) {
    struct TCase {
        int32_t Island;
        int32_t Level;
        bool Offered;
    };
    const TCase Cases[] = {
        {1, 5, true},   {1, 11, true},  {2, 4, true},   {2, 10, true},  {2, 15, true},  {3, 2, true},
        {3, 9, true},   {3, 16, true},  {4, 5, true},   {4, 13, true},  {4, 21, true},  {5, 4, true},
        {5, 10, true},  {5, 15, true},  {5, 21, true},  {1, 4, false},  {1, 6, false},  {5, 22, false},
        {1, 1, false},  {2, 5, false},  {3, 10, false}, {4, 4, false},  {5, 30, false}, {0, 5, false},
        {6, 5, false},  {6, 4, false},  {1, 0, false},  {1, 31, false}, {-1, 5, false}, {2, -4, false},
    };
    TBonusStageManager Manager;
    for (const TCase& C : Cases) {
        EXPECT_EQ(Manager.HasBonusStage(C.Island, C.Level), C.Offered) << C.Island << "-" << C.Level;
    }
    int32_t Offered = 0;
    for (int32_t Island = 0; Island <= 6; ++Island) {
        for (int32_t Level = 0; Level <= 31; ++Level) Offered += Manager.HasBonusStage(Island, Level) ? 1 : 0;
    }
    EXPECT_EQ(Offered, 15) << "no level outside the table";
}

TEST(BonusStageManager, APlayedStageIsNotOfferedAgainAndMarkingOutsideTheIslandsChangesNothing) {
    TBonusStageManager Manager;
    EXPECT_EQ(Manager.Scene, bsInitialInfo);
    Manager.MarkBonusPlayed(2, 4);
    EXPECT_FALSE(Manager.HasBonusStage(2, 4));
    EXPECT_TRUE(Manager.BonusPlayed(2, 4));
    EXPECT_TRUE(Manager.HasBonusStage(2, 10)) << "only that level's flag";
    EXPECT_TRUE(Manager.HasBonusStage(1, 5));

    // Not every flag need belong to a bonus level; out of range nothing happens.
    for (TPoint P : {TPoint{0, 4}, TPoint{6, 4}, TPoint{2, 0}, TPoint{2, 31}}) Manager.MarkBonusPlayed(P.X, P.Y);
    TProgressRecord Record;
    Manager.StoreSaved(Record);
    int32_t Set = 0;
    for (auto& Island : Record.BonusStagesPlayed) {
        for (uint8_t Flag : Island) Set += Flag;
    }
    EXPECT_EQ(Set, 1);

    Manager.ClearPlayed();
    EXPECT_TRUE(Manager.HasBonusStage(2, 4));
}

TEST(BonusStageManager, TheFlagsTravelThroughTheProgressBytesAndAnySetByteReadsAsPlayed) {
    TBonusStageManager Manager;
    Manager.MarkBonusPlayed(2, 4);
    Manager.MarkBonusPlayed(5, 21);
    TProgressRecord Record = InitialProgressRecord();
    Manager.StoreSaved(Record);
    TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    for (size_t Offset = 756; Offset < 906; ++Offset) {
        const int Expected = (Offset == 789 || Offset == 756 + 120 + 20) ? 1 : 0;
        EXPECT_EQ(Bytes[Offset], Expected) << "byte " << Offset;
    }

    // An edited save: 7 in island 1 level 5's byte, the rest as saved.
    Bytes[756 + 4] = 7;
    TProgressRecord Loaded;
    ASSERT_TRUE(DecodeProgressRecord(Bytes, Loaded));
    TBonusStageManager Other;
    Other.MarkBonusPlayed(3, 9);  // another player's flag, gone after the load
    Other.LoadSaved(Loaded);
    EXPECT_FALSE(Other.HasBonusStage(1, 5));
    EXPECT_FALSE(Other.HasBonusStage(2, 4));
    EXPECT_FALSE(Other.HasBonusStage(5, 21));
    EXPECT_TRUE(Other.HasBonusStage(3, 9)) << "every flag comes from the loaded record";
    EXPECT_TRUE(Other.HasBonusStage(1, 11));

    TProgressRecord Collected;
    Other.StoreSaved(Collected);
    const TProgressRecordBytes Written = EncodeProgressRecord(Collected);
    EXPECT_EQ(Written[760], 1) << "written back as the game's own flag";
    EXPECT_EQ(Written[789], 1);
    EXPECT_EQ(Written[756 + 62], 0);
}

// --- The stopwatch -------------------------------------------------------------

class BonusClock : public ::testing::Test {
protected:
    void SetUp() override {
        Clock.Left = 400;
        Clock.Top = 5;
        Clock.OnTimeUp = [this](TObject*) { TimeUps.push_back(RunningFrames); };
        Clock.ResetClock();
    }
    // One frame; counts the frames on which the clock was running.
    void Frame() {
        if (!Clock.Paused()) ++RunningFrames;
        Clock.UpdateAndDraw();
        Shown.push_back(Clock.ShownText());
    }

    TBonusStageTimer Clock;
    int32_t RunningFrames = 0;
    std::vector<int32_t> TimeUps;
    std::vector<std::string> Shown;
};

TEST_F(BonusClock, TimeRunsOutOnceOnThe2034thRunningFrameWithTheLast34FramesShowingDoubleZero) {
    // Under the announcement the reset clock waits at its full time.
    for (int I = 0; I < 50; ++I) Frame();
    EXPECT_EQ(Clock.RemainingMiliSecs(), 61000);
    EXPECT_EQ(Shown.back(), "61");
    EXPECT_EQ(Clock.Alpha(), 0);
    Shown.clear();

    Clock.StartClock();
    for (int I = 0; I < 1000; ++I) Frame();
    // The player's pause, the menu: the clock stands.
    Clock.SetClockPaused(true);
    for (int I = 0; I < 300; ++I) Frame();
    EXPECT_EQ(Clock.RemainingMiliSecs(), 61000 - 1000 * 30);
    Clock.SetClockPaused(false);
    while (RunningFrames < 2033) Frame();
    EXPECT_TRUE(TimeUps.empty());
    EXPECT_EQ(Clock.RemainingMiliSecs(), 10);
    Frame();
    ASSERT_EQ(TimeUps, (std::vector<int32_t>{2034}));
    EXPECT_EQ(Clock.RemainingMiliSecs(), 0);
    EXPECT_TRUE(Clock.TimeIsUp());
    for (int I = 0; I < 100; ++I) Frame();
    EXPECT_EQ(TimeUps.size(), 1u) << "once only";

    // The running frames' texts: "60" from the first, "00" for the last 34.
    std::vector<std::string> Running;
    for (size_t I = 0; I < Shown.size(); ++I) {
        if (I < 1000 || I >= 1300) Running.push_back(Shown[I]);
    }
    EXPECT_EQ(Running[0], "60");
    EXPECT_EQ(Running[29], "60");
    EXPECT_EQ(Running[33], "59") << "61000 - 34 * 30 = 59980";
    EXPECT_EQ(Running[1999], "01") << "frame 2000 leaves 1000 ms";
    for (int32_t Frame = 2001; Frame <= 2034; ++Frame) EXPECT_EQ(Running[Frame - 1], "00") << Frame;
    int32_t DoubleZero = 0;
    for (int32_t I = 0; I < 2034; ++I) DoubleZero += Running[I] == "00" ? 1 : 0;
    EXPECT_EQ(DoubleZero, 34);
}

TEST_F(BonusClock, TheHandJumpsOnceASecondToAFullTurnAndTheWatchFadesInAndOut) {
    Clock.StartClock();
    Frame();
    const double FirstSecond = 30.0 / 61000.0 * 360.0;
    EXPECT_DOUBLE_EQ(Clock.TargetAngle(), FirstSecond);
    for (int I = 0; I < 32; ++I) Frame();
    EXPECT_DOUBLE_EQ(Clock.TargetAngle(), FirstSecond) << "no new target while \"60\" shows";
    Frame();
    EXPECT_EQ(Shown.back(), "59");
    EXPECT_DOUBLE_EQ(Clock.TargetAngle(), 1020.0 / 61000.0 * 360.0);
    EXPECT_EQ(Clock.Alpha(), 255) << "faded in by 10 a frame";
    EXPECT_EQ(Clock.Fade(), TBonusStageTimer::fdNone);

    while (!Clock.TimeIsUp()) Frame();
    for (int I = 0; I < 10; ++I) Frame();
    EXPECT_DOUBLE_EQ(Clock.TargetAngle(), 360.0);
    EXPECT_DOUBLE_EQ(Clock.CurrentAngle(), 360.0) << "the hand at 2 degrees a frame has caught up";

    Clock.FadeOutClock();
    std::vector<int32_t> Alphas;
    for (int I = 0; I < 27; ++I) {
        Frame();
        Alphas.push_back(Clock.Alpha());
    }
    EXPECT_EQ(Alphas[0], 245);
    EXPECT_EQ(Alphas[24], 5);
    EXPECT_EQ(Alphas[25], 0);
    EXPECT_EQ(Alphas[26], 0);

    // A new stage: the whole time again, and a time-up again.
    Clock.ResetClock();
    EXPECT_EQ(Clock.RemainingMiliSecs(), 61000);
    EXPECT_TRUE(Clock.Paused());
    EXPECT_FALSE(Clock.TimeIsUp());
    EXPECT_STREQ(Clock.ShownText(), "00");
    EXPECT_DOUBLE_EQ(Clock.CurrentAngle(), 0.0);
    Clock.StartClock();
    RunningFrames = 0;
    while (RunningFrames < 2034) Frame();
    EXPECT_EQ(TimeUps, (std::vector<int32_t>{2034, 2034}));
}

// --- The letters ---------------------------------------------------------------

TEST(BonusLetters, EachLetterHasItsSlotAndOtherCharactersHaveNone) {
    const TAcquiredBonusLetters Row;
    struct TCase {
        char Letter;
        TPoint Slot;
    };
    const TCase Cases[] = {{'B', {614, 534}}, {'O', {646, 540}}, {'N', {678, 537}}, {'U', {710, 541}},
                           {'S', {740, 538}}, {'s', {740, 538}}, {'b', {614, 534}}, {'X', {-99, -99}},
                           {' ', {-99, -99}}, {'\0', {-99, -99}}};
    for (const TCase& C : Cases) EXPECT_EQ(Row.LetterSlotPos(C.Letter), C.Slot) << C.Letter;
}

// The stage's wiring of the two: a landed letter lights its slot.
struct TLetterStage {
    TLetterStage() {
        Flying.OnArrive = [this](TObject*, char Letter) {
            Arrived += Letter;
            Row.AcquireLetter(Letter);
        };
        Row.OnComplete = [this](TObject*) { Completed.push_back(static_cast<int32_t>(Arrived.size())); };
    }
    void Catch(char Letter, TPoint From) { Flying.LaunchLetter(Letter, From, Row.LetterSlotPos(Letter)); }
    int32_t RunUntilLanded(int32_t MaxFrames = 200) {
        int32_t Frames = 0;
        while (Flying.FlyingCount() > 0 && Frames < MaxFrames) {
            Flying.UpdateAndDraw();
            Row.DrawLetters();
            ++Frames;
        }
        return Frames;
    }

    TFlowingBonusLetters Flying;
    TAcquiredBonusLetters Row;
    std::string Arrived;
    std::vector<int32_t> Completed;
};

TEST(BonusLetters, ACaughtLetterFliesTwentyPixelsAFrameToItsSlotAndLightsIt) {
    TLetterStage Stage;
    Stage.Catch('O', {300, 200});  // 346 across, 340 down: 18 frames
    for (int I = 0; I < 17; ++I) Stage.Flying.UpdateAndDraw();
    EXPECT_TRUE(Stage.Flying.InFlight('O'));
    EXPECT_DOUBLE_EQ(Stage.Flying.LetterPos('O').X, 300.0 + 17 * 20.0);
    EXPECT_TRUE(Stage.Arrived.empty());
    EXPECT_FALSE(Stage.Row.LetterAcquired('O'));
    Stage.Flying.UpdateAndDraw();
    EXPECT_FALSE(Stage.Flying.InFlight('O'));
    EXPECT_EQ(Stage.Arrived, "O");
    EXPECT_TRUE(Stage.Row.LetterAcquired('O'));
    EXPECT_EQ(Stage.Row.AcquiredCount(), 1);
    EXPECT_TRUE(Stage.Completed.empty());

    // Launched at its slot, a letter lands on the next frame; others are not letters of the row.
    Stage.Flying.LaunchLetter('n', {678, 537}, {678, 537});
    Stage.Flying.LaunchLetter('X', {100, 100}, {678, 537});
    EXPECT_EQ(Stage.Flying.FlyingCount(), 1);
    Stage.Flying.UpdateAndDraw();
    EXPECT_EQ(Stage.Arrived, "ON");
}

TEST(BonusLetters, TheFifthLetterCompletesTheRowOnceAndAClearStartsItAgain) {
    TLetterStage Stage;
    Stage.Catch('S', {250, 120});
    Stage.Catch('B', {700, 100});
    Stage.Catch('U', {400, 300});
    Stage.Catch('N', {820, 640});
    EXPECT_LT(Stage.RunUntilLanded(), 200);
    EXPECT_EQ(Stage.Row.AcquiredCount(), 4);
    EXPECT_FALSE(Stage.Row.AllLettersAcquired());
    Stage.Catch('O', {500, 150});
    Stage.RunUntilLanded();
    EXPECT_TRUE(Stage.Row.AllLettersAcquired());
    EXPECT_EQ(Stage.Completed, (std::vector<int32_t>{5})) << "at the fifth arrival";
    Stage.Row.AcquireLetter('O');
    EXPECT_EQ(Stage.Completed.size(), 1u) << "a letter already lit completes nothing";

    Stage.Row.ClearLetters();
    EXPECT_EQ(Stage.Row.AcquiredCount(), 0);
    EXPECT_FALSE(Stage.Row.LetterAcquired('B'));
}

TEST(BonusLetters, ClearingDropsTheLettersInFlightSoNoneLandsInTheNextStage) {
    TLetterStage Stage;
    Stage.Catch('B', {200, 100});
    Stage.Catch('U', {300, 100});
    for (int I = 0; I < 3; ++I) Stage.Flying.UpdateAndDraw();
    Stage.Flying.ClearFlowingLetters();
    EXPECT_EQ(Stage.Flying.FlyingCount(), 0);
    for (int I = 0; I < 100; ++I) Stage.Flying.UpdateAndDraw();
    EXPECT_TRUE(Stage.Arrived.empty());
    EXPECT_EQ(Stage.Row.AcquiredCount(), 0);

    // The slots work again afterwards.
    Stage.Catch('B', {600, 500});
    Stage.RunUntilLanded();
    EXPECT_EQ(Stage.Arrived, "B");
}

TEST(BonusLetters, TheRowsBobsStartOutOfStep) {
    const TAcquiredBonusLetters Row;
    // B not advanced; O by 6, N by 12, U by 3, S by 9 steps of the same bob.
    const int32_t HeadStart[5] = {0, 6, 12, 3, 9};
    for (int32_t I = 0; I < 5; ++I) {
        TValueUpDown Bob;
        Bob.Setup(0.045f, 0.045f, 0.18f, -0.18f);
        for (int32_t Step = 0; Step < HeadStart[I]; ++Step) Bob.Update();
        EXPECT_FLOAT_EQ(Row.LetterSwing(I), Bob.Value) << BonusLetterOrder[I];
    }
    EXPECT_NE(Row.LetterSwing(1), Row.LetterSwing(3));
}

// --- The result figures and the stage's end ------------------------------------

// The money counter through a stage of island 1: the player holds 1000, and eight
// ladybugs are hit at 4 each.
TJackpotScore MoneyAfterEightHits() {
    TJackpotScore Money;
    Money.Set(1000);
    for (int I = 0; I < 8; ++I) Money.Add(4);
    return Money;
}

TEST(BonusResultStats, WithAllFiveLettersTheJackpotIsPaidAndRoundedAndTheMoneyShowsAtOnce) {
    TSoundLog Sounds;
    TJackpotScore Money = MoneyAfterEightHits();
    EXPECT_EQ(Money.Value(), 1032);
    TJackpotScore Unrounded = Money;
    Unrounded.AddSplit(450, TBonusResultStats::JackpotRolledPart, 0);
    EXPECT_EQ(Unrounded.Value(), 1482);
    TBonusResultStats::PayLettersJackpot(Money, 450);
    EXPECT_EQ(Money.Value(), 1480);

    // Either order of the two money figures.
    for (bool JackpotFirst : {false, true}) {
        TBonusResultStats Stats;
        Stats.ProgressingMoneyStep = 40;
        Stats.SetAnimalsHit(8);
        Stats.SetAccuracy(80);
        if (JackpotFirst) Stats.SetBONUSMoney(450);
        Stats.SetAcquiredMoney(32);
        if (!JackpotFirst) Stats.SetBONUSMoney(450);
        EXPECT_EQ(Stats.ShownMoney(), 32) << JackpotFirst;
        for (int I = 0; I < 10; ++I) Stats.DrawStats();
        EXPECT_EQ(Stats.ShownMoney(), 32);
    }
    EXPECT_EQ(Sounds.Count("ScoreCount"), 0) << "nothing counts";
}

TEST(BonusResultStats, WithoutTheJackpotTheMoneyCountsUpFromZeroByItsStepWithTheCountingSound) {
    TSoundLog Sounds;
    TJackpotScore Money = MoneyAfterEightHits();
    EXPECT_EQ(Money.Value(), 1032) << "four letters: no jackpot, no rounding";

    TBonusResultStats Stats;
    Stats.ProgressingMoneyStep = 40;
    // The previous stage won the jackpot; this one did not, whatever the order.
    Stats.SetBONUSMoney(450);
    Stats.SetAcquiredMoney(32);
    Stats.SetBONUSMoney(0);
    EXPECT_EQ(Stats.ShownMoney(), 0);
    Stats.DrawStats();
    EXPECT_EQ(Stats.ShownMoney(), 32) << "one step of 40 reaches 32";

    Stats.SetBONUSMoney(450);
    Stats.SetAcquiredMoney(130);
    Stats.SetBONUSMoney(0);
    std::vector<int32_t> Shown;
    for (int I = 0; I < 5; ++I) {
        Stats.DrawStats();
        Shown.push_back(Stats.ShownMoney());
    }
    EXPECT_EQ(Shown, (std::vector<int32_t>{40, 80, 120, 130, 130}));
    EXPECT_EQ(Sounds.Count("ScoreCount"), 2) << "every second frame of the four that counted";

    // A step below 1 still finishes.
    Stats.ProgressingMoneyStep = 0;
    Stats.SetAcquiredMoney(3);
    for (int I = 0; I < 3; ++I) Stats.DrawStats();
    EXPECT_EQ(Stats.ShownMoney(), 3);
}

TEST(BonusResultStats, TheRowsReadAsDrawnWithTheFrenchPercentSign) {
    const TSettingLoaderLanguage Saved = GameLanguage;
    TBonusResultStats Stats;
    Stats.SetAnimalsHit(8);
    Stats.SetAccuracy(40);
    Stats.SetAcquiredMoney(32);
    Stats.SetBONUSMoney(450);
    GameLanguage = laUS;
    EXPECT_EQ(Stats.AnimalsHitText(), "8");
    EXPECT_EQ(Stats.AccuracyText(), "40%");
    EXPECT_EQ(Stats.ShownMoneyText(), MoneyToStr(32));
    EXPECT_EQ(Stats.BONUSMoneyText(), MoneyToStr(450));
    GameLanguage = laFR;
    EXPECT_EQ(Stats.AccuracyText(), "40 %");
    EXPECT_EQ(Stats.BONUSMoneyText(), MoneyToStr(450)) << "the money in French money";
    Stats.SetAccuracy(100);
    EXPECT_EQ(Stats.AccuracyText(), "100 %");
    GameLanguage = Saved;
}

}  // namespace
