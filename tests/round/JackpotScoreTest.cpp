// The rolling counter: what each operation does to the value and the shown
// amount, the roll's pace, the counting sound and the text it writes.
#include <gtest/gtest.h>

#include <vector>

#include "GeneralRoutinesClass.h"
#include "JackpotScoreClass.h"
#include "RoundTestSupport.h"

namespace {

std::vector<int32_t> Roll(TJackpotScore& Counter, int Frames) {
    std::vector<int32_t> Shown;
    for (int I = 0; I < Frames; ++I) {
        Counter.UpdateAndDraw();
        Shown.push_back(Counter.Displayed());
    }
    return Shown;
}

TEST(JackpotScore, TheShownAmountStepsByItsIncrementEveryThirdFrameWithoutPassingTheValue) {
    TJackpotScore Score;
    Score.Kind = jkDefault;
    Score.Increment = 9;
    Score.Add(20);
    EXPECT_EQ(Score.Value(), 20);
    EXPECT_EQ(Roll(Score, 8), (std::vector<int32_t>{9, 9, 9, 18, 18, 18, 20, 20}));

    TJackpotScore Money;
    Money.Increment = 3;
    Money.Set(100);
    EXPECT_EQ(Money.Displayed(), 100);
    Money.Add(-5);
    EXPECT_EQ(Roll(Money, 4), (std::vector<int32_t>{97, 97, 97, 95}));
}

TEST(JackpotScore, EachOperationSetsValueAndShownAmountItsOwnWay) {
    struct TCase {
        const char* What;
        int32_t Start;
        void (*Operation)(TJackpotScore&);
        int32_t Value;
        int32_t Displayed;
    };
    const TCase Cases[] = {
        {"Set", 200, [](TJackpotScore& C) { C.Set(350); }, 350, 350},
        {"Set below 0", 200, [](TJackpotScore& C) { C.Set(-1); }, 0, 0},
        {"SetTarget rolls", 200, [](TJackpotScore& C) { C.SetTarget(350); }, 350, 200},
        {"Add(-500) on 200", 200, [](TJackpotScore& C) { C.Add(-500); }, 0, 200},
        {"AddInstant", 200, [](TJackpotScore& C) { C.AddInstant(45); }, 245, 245},
        {"AddSplit rolls only the last part", 200, [](TJackpotScore& C) { C.AddSplit(100, 15, 0); }, 300, 285},
        {"AddSplit smaller than its part", 200, [](TJackpotScore& C) { C.AddSplit(10, 15, 0); }, 210, 200},
        {"RoundToTen 1225", 1225, [](TJackpotScore& C) { C.RoundToTen(); }, 1220, 1225},
        {"RoundToTen 1235", 1235, [](TJackpotScore& C) { C.RoundToTen(); }, 1240, 1235},
        {"RoundToTen 3731", 3731, [](TJackpotScore& C) { C.RoundToTen(); }, 3730, 3731},
        {"Jump", 200, [](TJackpotScore& C) { C.Add(7); C.Jump(); }, 207, 207},
        {"Reset", 200, [](TJackpotScore& C) { C.Reset(); }, 0, 0},
    };
    for (const TCase& Case : Cases) {
        TJackpotScore Counter;
        Counter.Set(Case.Start);
        Case.Operation(Counter);
        EXPECT_EQ(Counter.Value(), Case.Value) << Case.What;
        EXPECT_EQ(Counter.Displayed(), Case.Displayed) << Case.What;
    }
}

TEST(JackpotScore, CountingAudiblyTicksEverySecondFrameUntilTheShownAmountArrives) {
    TSoundLog Sounds;
    TJackpotScore Money;
    Money.Increment = 3;
    Money.AddCounted(9, 0);
    EXPECT_TRUE(Money.CountingSound());
    Roll(Money, 12);
    EXPECT_EQ(Money.Displayed(), 9);
    EXPECT_FALSE(Money.CountingSound());
    EXPECT_EQ(Sounds.Count("ScoreCount"), 3) << "frames 2, 4 and 6 of the seven it took";

    TSoundLog Clicks;
    Money.AddSplit(13, 6, 1);
    EXPECT_EQ(Money.Displayed(), 16);
    Roll(Money, 5);
    EXPECT_EQ(Money.Displayed(), 22);
    EXPECT_GE(Clicks.Count("Click"), 1);
    EXPECT_EQ(Clicks.Count("ScoreCount"), 0);
}

TEST(JackpotScore, EveryChangeIsReportedAndLengthensTheDigits) {
    TJackpotScore Score;
    int Updates = 0;
    Score.OnValueUpdate = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &Score);
        ++Updates;
    };
    Score.Add(3);
    Score.AddInstant(60);
    Score.RoundToTen();
    EXPECT_EQ(Updates, 3);
    EXPECT_EQ(Score.Digits, 5);
    Score.Set(1234567);
    EXPECT_EQ(Score.Digits, 7);
    Score.Set(0);
    EXPECT_EQ(Score.Digits, 7) << "digits only grow";
}

TEST(JackpotScore, ItWritesTheShownAmountAsGroupedDigitsOrMoney) {
    const TSettingLoaderLanguage Saved = GameLanguage;
    GameLanguage = laUS;
    TJackpotScore Score;
    Score.Kind = jkDefault;
    Score.Increment = 9;
    Score.Set(1050);
    EXPECT_EQ(Score.Text(), "1,050");
    Score.Add(9);
    EXPECT_EQ(Score.Text(), "1,050") << "the text follows the shown amount, not the value";
    Score.UpdateAndDraw();
    EXPECT_EQ(Score.Text(), "1,059");

    TJackpotScore Money;
    Money.Set(1500);
    EXPECT_EQ(Money.Text(), "$1,500");
    GameLanguage = laDE;
    EXPECT_EQ(Money.Text(), "1.500 \x80");
    GameLanguage = Saved;
}

}  // namespace
