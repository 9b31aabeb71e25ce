// The fruit panel: which slots a level's targets make and where they lie,
// counting down with its ting, the pulses and reminders, and completion.
#include <gtest/gtest.h>

#include "FruitGatherClass.h"
#include "LevelFileClass.h"
#include "RoundTestSupport.h"

namespace {

using G = TFruitGather;

class FruitGather : public ::testing::Test {
protected:
    void SetUp() override {
        Gather.OnComplete = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &Gather);
            ++Completions;
        };
    }
    void Targets(int32_t Bananas, int32_t Strawberries, int32_t Apples, int32_t Plums, int32_t Grapes,
                 int32_t Oranges, int32_t Spiders) {
        Gather.SetFileTargets(Bananas, Strawberries, Apples, Plums, Grapes, Oranges, Spiders);
        Gather.Reset();
    }
    void Step(int Frames = 1) {
        for (int I = 0; I < Frames; ++I) Gather.UpdateAndDraw();
    }
    TFruitGather Gather;
    int Completions = 0;
};

TEST_F(FruitGather, TheLevelFilesOrderOfTargetsLandsInThePanelsOrderOfSlots) {
    // The file lists plums before grapes and oranges; the panel (and the board's colours) put them last.
    Targets(11, 12, 13, 14, 15, 16, 17);
    EXPECT_EQ(Gather.Target(G::gtBananas), 11);
    EXPECT_EQ(Gather.Target(G::gtStrawberries), 12);
    EXPECT_EQ(Gather.Target(G::gtApples), 13);
    EXPECT_EQ(Gather.Target(G::gtGrapes), 15);
    EXPECT_EQ(Gather.Target(G::gtOranges), 16);
    EXPECT_EQ(Gather.Target(G::gtPlums), 14);
    EXPECT_EQ(Gather.Target(G::gtSpiders), 17);

    TLevelRecord Record;
    Record.TargetBananas = 0;
    Record.TargetStrawberries = 0;
    Record.TargetApples = 0;
    Record.TargetPlums = 6;
    Record.TargetGrapes = 4;
    Record.TargetOranges = 5;
    Record.TargetSpidersToHunt = 0;
    Gather.SetTargets(Record);
    Gather.Reset();
    EXPECT_EQ(Gather.ActiveCount(), 3);
    // A landed fruit counts by its colour: 4 grapes, 5 oranges, 6 plums.
    Gather.CountFruit(6);
    EXPECT_EQ(Gather.Remaining(G::gtPlums), 5);
    EXPECT_EQ(Gather.Remaining(G::gtGrapes), 4);
    EXPECT_EQ(Gather.Remaining(G::gtOranges), 5);
}

TEST_F(FruitGather, TenBananasAndFiveApplesMakeTwoSlotsThatCompleteTogetherOnce) {
    TSoundLog Sounds;
    Targets(10, 0, 5, 0, 0, 0, 0);
    EXPECT_EQ(Gather.ActiveCount(), 2);
    EXPECT_TRUE(Gather.Active(G::gtBananas));
    EXPECT_FALSE(Gather.Active(G::gtStrawberries));
    EXPECT_TRUE(Gather.Active(G::gtApples));
    // Two end slots of 124 centred on x 445.
    EXPECT_EQ(Gather.PanelLeft(), 321);
    EXPECT_EQ(Gather.SlotLeft(G::gtBananas), 321);
    EXPECT_EQ(Gather.SlotLeft(G::gtApples), 445);

    Gather.CountFruit(2);  // a strawberry changes nothing
    EXPECT_EQ(Gather.Remaining(G::gtBananas), 10);
    EXPECT_EQ(Gather.Remaining(G::gtApples), 5);
    EXPECT_EQ(Completions, 0);

    for (int I = 0; I < 10; ++I) Gather.CountFruit(1);
    EXPECT_EQ(Gather.Remaining(G::gtBananas), 0);
    EXPECT_EQ(Sounds.Count("FruitSlotTing"), 1);
    EXPECT_EQ(Completions, 0);
    for (int I = 0; I < 5; ++I) Gather.CountFruit(3);
    EXPECT_EQ(Sounds.Count("FruitSlotTing"), 2);
    EXPECT_EQ(Completions, 1);
    EXPECT_TRUE(Gather.Complete());
    Gather.CountFruit(3);
    Gather.CountFruit(1);
    EXPECT_EQ(Completions, 1);
}

TEST_F(FruitGather, SlotsAreLaidFromCentreWithEndSlotsWiderThanMiddleOnes) {
    struct TCase {
        int32_t Bananas, Strawberries, Apples, Plums, Grapes, Oranges, Spiders;
        int32_t PanelLeft;
        std::vector<std::pair<int32_t, int32_t>> SlotLefts;  // slot, left
    };
    const TCase Cases[] = {
        {0, 0, 0, 0, 0, 0, 12, 383, {{G::gtSpiders, 383}}},
        {3, 3, 3, 0, 0, 0, 0, 261, {{G::gtBananas, 261}, {G::gtStrawberries, 385}, {G::gtApples, 506}}},
        {2, 0, 0, 2, 2, 2, 0, 200, {{G::gtBananas, 200}, {G::gtGrapes, 324}, {G::gtOranges, 445}, {G::gtPlums, 566}}},
        {0, 0, 0, -4, 0, 7, 0, 383, {{G::gtOranges, 383}}},  // a negative target makes no slot
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.PanelLeft);
        Targets(Case.Bananas, Case.Strawberries, Case.Apples, Case.Plums, Case.Grapes, Case.Oranges, Case.Spiders);
        EXPECT_EQ(Gather.ActiveCount(), static_cast<int32_t>(Case.SlotLefts.size()));
        EXPECT_EQ(Gather.PanelLeft(), Case.PanelLeft);
        for (const auto& [Slot, Left] : Case.SlotLefts) EXPECT_EQ(Gather.SlotLeft(Slot), Left) << Slot;
    }
}

TEST_F(FruitGather, ASlotAlreadyAtZeroStaysThereWithoutATingButStillPulses) {
    TSoundLog Sounds;
    Targets(1, 0, 2, 0, 0, 0, 0);
    Gather.CountFruit(1);
    ASSERT_EQ(Sounds.Count("FruitSlotTing"), 1);
    Step(40);
    ASSERT_FALSE(Gather.Pulsing(G::gtBananas));
    Gather.CountFruit(1);
    EXPECT_EQ(Gather.Remaining(G::gtBananas), 0);
    EXPECT_EQ(Sounds.Count("FruitSlotTing"), 1);
    EXPECT_TRUE(Gather.Pulsing(G::gtBananas));
    EXPECT_EQ(Completions, 0);
}

TEST_F(FruitGather, APulseGrowsFromItsSmallestSizeHoldsAtFullSizeThenShrinksAway) {
    Targets(5, 0, 0, 0, 0, 0, 0);
    Gather.CountFruit(1);
    EXPECT_EQ(Gather.PulseSize(G::gtBananas), 30.0);
    std::vector<double> Sizes;
    for (int Frame = 0; Frame < 40 && Gather.Pulsing(G::gtBananas); ++Frame) {
        Step();
        Sizes.push_back(Gather.PulseSize(G::gtBananas));
    }
    // Up by 9 to 45, 450 ms at full size (the frame that reaches it counts), down by 6 to 30.
    std::vector<double> Expected = {39, 45};
    for (int I = 0; I < 14; ++I) Expected.push_back(45);
    for (double Size : {39.0, 33.0, 30.0}) Expected.push_back(Size);
    EXPECT_EQ(Sizes, Expected);
    EXPECT_FALSE(Gather.Pulsing(G::gtBananas));
}

TEST_F(FruitGather, ASlotLeftAloneForFortyFiveSecondsPulsesThreeTimesButADoneSlotDoesNot) {
    Targets(5, 1, 0, 0, 0, 0, 0);
    Gather.CountFruit(2);  // strawberries done
    Step(40);
    // A pulse starts at its smallest size; reminders follow one another without a pause.
    int BananaPulses = 0;
    int StrawberryPulses = 0;
    for (int Frame = 0; Frame < 1500 + 200; ++Frame) {
        Step();
        BananaPulses += Gather.Pulsing(G::gtBananas) && Gather.PulseSize(G::gtBananas) == 30.0;
        StrawberryPulses += Gather.Pulsing(G::gtStrawberries) && Gather.PulseSize(G::gtStrawberries) == 30.0;
    }
    EXPECT_EQ(BananaPulses, 3);
    EXPECT_EQ(StrawberryPulses, 0);

    // A count puts the reminder off again.
    Targets(5, 0, 0, 0, 0, 0, 0);
    Step(1499);
    Gather.CountFruit(1);
    Step(60);
    EXPECT_EQ(Gather.PendingReminders(G::gtBananas), 0);
    EXPECT_FALSE(Gather.Pulsing(G::gtBananas));
}

TEST_F(FruitGather, AResetGivesEverySlotItsTargetAgainAndAllowsANewCompletion) {
    Targets(0, 0, 0, 0, 0, 0, 2);
    Gather.CountSpider();
    Gather.CountSpider();
    ASSERT_EQ(Completions, 1);
    Gather.Reset();
    EXPECT_EQ(Gather.Remaining(G::gtSpiders), 2);
    EXPECT_FALSE(Gather.Complete());
    Gather.CountSpider();
    Gather.CountSpider();
    EXPECT_EQ(Completions, 2);
}

TEST_F(FruitGather, WithNoTargetsTheFirstCountCompletesSoOnlyTheObjectivesGaugeMayBeFed) {
    Targets(0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(Gather.ActiveCount(), 0);
    Gather.CountFruit(1);
    EXPECT_EQ(Completions, 1);
}

TEST_F(FruitGather, TheCountsRollDownByOneEveryThirdFrame) {
    Targets(3, 0, 0, 0, 0, 0, 0);
    Gather.CountFruit(1);
    Gather.CountFruit(1);
    EXPECT_EQ(Gather.Remaining(G::gtBananas), 1);
    EXPECT_EQ(Gather.Display(G::gtBananas).Displayed(), 3);
    Step();
    EXPECT_EQ(Gather.Display(G::gtBananas).Displayed(), 2);
    Step(2);
    EXPECT_EQ(Gather.Display(G::gtBananas).Displayed(), 2);
    Step();
    EXPECT_EQ(Gather.Display(G::gtBananas).Displayed(), 1);
}

}  // namespace
