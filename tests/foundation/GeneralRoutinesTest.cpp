#include <gtest/gtest.h>

#include "FoldersClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"
#include "Win1252Class.h"

namespace {

struct LanguageGuard {
    explicit LanguageGuard(TSettingLoaderLanguage L) { GameLanguage = L; }
    ~LanguageGuard() { GameLanguage = laUS; }
};

TEST(GeneralRoutines, RoundIsHalfToEven) {
    const struct { double In; int Out; } Cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}};
    for (const auto& C : Cases) EXPECT_EQ(Round(C.In), C.Out) << C.In;
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(2.9), 2);
}

TEST(GeneralRoutines, GroupedNumbersAndMoneyByLanguage) {
    const struct {
        TSettingLoaderLanguage Language;
        int32_t Value;
        const char* Grouped;
        const char* Money;
    } Cases[] = {
        {laUS, 0, "0", "$0"},
        {laUS, 999, "999", "$999"},
        {laUS, 1234567, "1,234,567", "$1,234,567"},
        {laUS, 1500, "1,500", "$1,500"},
        {laDE, 1000000, "1.000.000", "1.000.000 \x80"},
        {laDE, 1500, "1.500", "1.500 \x80"},
        {laES, 1500, "1.500", "1.500 \x80"},
        {laFR, 1000, "1 000", "1 000 \x80"},
        {laIT, 1500, "1.500", "\x80 1.500"},
        {laNL, 1500, "1.500", "\x80 1.500"},
        {laBR, 1500, "1.500", "R$ 1.500"},
        {laSE, 1500, "1 500", "1 500 kr"},
        {laSE, 123, "123", "123 kr"},
        {laUS, -100, "-100", "$-100"},
        {laUS, -1234, "-1,234", "$-1,234"},
    };
    for (const auto& C : Cases) {
        LanguageGuard Guard(C.Language);
        EXPECT_EQ(IntToGroupedStr(C.Value), C.Grouped);
        EXPECT_EQ(MoneyToStr(C.Value), C.Money);
    }
}

TEST(GeneralRoutines, MedalRuleBoundaries) {
    EXPECT_EQ(MedalForTime(100, 200, 100), mdGold);
    EXPECT_EQ(MedalForTime(101, 101, 100), mdSilver);
    EXPECT_EQ(MedalForTime(102, 101, 100), mdBronze);
}

TEST(GeneralRoutines, LevelAndProgressFileNames) {
    SetAppFolder("/games/quellow");
    EXPECT_EQ(LevelFileName(5, 25), "/games/quellow/Levels/5-25.qel");
    EXPECT_EQ(LevelFileName(1, 3), "/games/quellow/Levels/1-03.qel");
    SaveFolder = "/home/p/.local/share/Quellow/";
    // The name's Windows-1252 bytes become UTF-8 on disk ("Zoë").
    EXPECT_EQ(ProgressFileName("ZO\xCB"), "/home/p/.local/share/Quellow/ZO\xC3\x8B.sav");
}

TEST(GeneralRoutines, MovementNeverOvershoots) {
    double V = 10.0;
    MoveTowards(V, 7.0, 12.0);
    EXPECT_EQ(V, 12.0);
    MoveTowards(V, 5.0, 0.0);
    EXPECT_EQ(V, 7.0);
    MoveTowards(V, 50.0, 0.0);
    EXPECT_EQ(V, 0.0);
    int32_t I = -3;
    MoveTowards(I, 10, 4);
    EXPECT_EQ(I, 4);
    MoveTowardsCapped(I, 10, 9);
    EXPECT_EQ(I, 9);

    const TFloatPoint Same = AxisSpeeds(TPoint{5, 5}, TPoint{5, 5}, 4);
    EXPECT_EQ(Same.X, 0.0);
    EXPECT_EQ(Same.Y, 0.0);
    const TFloatPoint S = AxisSpeeds(TPoint{0, 0}, TPoint{100, 50}, 4);
    EXPECT_DOUBLE_EQ(S.X, 4.0);
    EXPECT_DOUBLE_EQ(S.Y, 2.0);

    // A straight move arrives on both axes on the same frame.
    double X = 0, Y = 0;
    int Frames = 0;
    while ((X != 100 || Y != 50) && Frames < 100) {
        MoveTowards(X, Y, S.X, S.Y, 100, 50);
        ++Frames;
    }
    EXPECT_EQ(Frames, 25);
}

TEST(GeneralRoutines, PointInRectIncludesEveryEdge) {
    const TRect R{10, 20, 30, 40};
    for (auto P : {TPoint{10, 20}, TPoint{30, 40}, TPoint{10, 40}, TPoint{30, 20}}) EXPECT_TRUE(PointInRect(P.X, P.Y, R));
    for (auto P : {TPoint{9, 20}, TPoint{31, 40}, TPoint{20, 19}, TPoint{20, 41}}) EXPECT_FALSE(PointInRect(P.X, P.Y, R));
}

TEST(GeneralRoutines, RandomlyIncreasedStaysInItsFiveValues) {
    GameplayRandom().SetSeed(7);
    bool Seen[5] = {};
    for (int I = 0; I < 500; ++I) {
        const int32_t V = RandomlyIncreased(10);
        ASSERT_GE(V, 10);
        ASSERT_LE(V, 14);
        Seen[V - 10] = true;
    }
    for (bool S : Seen) EXPECT_TRUE(S);
}

TEST(GeneralRoutines, TileBounceNarrowsUntilItRests) {
    ClearTileBounces();
    StartTileBounce(3, 4);
    int Frames = 0;
    double MaxOffset = 0;
    while (TileBounces[3][4].State != 0 && Frames < 1000) {
        UpdateTileBounces();
        MaxOffset = std::max(MaxOffset, std::abs(TileBounces[3][4].Offset));
        ++Frames;
    }
    EXPECT_LT(Frames, 1000);
    EXPECT_GT(Frames, 5);
    EXPECT_LE(MaxOffset, 2.0);
    EXPECT_EQ(TileBounces[0][0].State, 0);
    EXPECT_EQ(TileBounces[0][0].Offset, 0.0);
}

TEST(GeneralRoutines, GlyphAdvanceUsesTheNormalFontWidths) {
    EXPECT_EQ(GlyphAdvance(fkAirstripNormal, 'M', 2, 1.0), 20);
    EXPECT_EQ(GlyphAdvance(fkAirstripNormal, 'I', 0, 1.0), 7);
    EXPECT_EQ(GlyphAdvance(fkAirstripNormal, 'x', 0, 0.5), 10);
    EXPECT_EQ(GlyphAdvance(fkAirstripNormal, '|', 0, 1.0), 5);
}

TEST(Random, StreamsAreSeparateAndRepeatable) {
    GameplayRandom().SetSeed(42);
    int32_t First[20];
    for (auto& V : First) V = Random(1000);
    GameplayRandom().SetSeed(42);
    for (int I = 0; I < 20; ++I) {
        (void)CosmeticRandomInt(50);  // cosmetic draws never disturb the gameplay stream
        EXPECT_EQ(Random(1000), First[I]);
    }
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-4), 0);
    SetRandomSeedSource([] { return uint64_t{99}; });
    ReseedGameplayFromClock();
    const int32_t A = Random(1 << 30);
    ReseedGameplayFromClock();
    EXPECT_EQ(Random(1 << 30), A);
    SetRandomSeedSource(nullptr);
}

TEST(Win1252, RoundTripsAndRefusesWhatItCannotHold) {
    EXPECT_EQ(Win1252ToUtf8("\x80"), "\xE2\x82\xAC");
    bool Ok = true;
    EXPECT_EQ(Utf8ToWin1252("\xE2\x82\xAC" "A\xC3\xA9", &Ok), "\x80" "A\xE9");
    EXPECT_TRUE(Ok);
    EXPECT_EQ(Utf8ToWin1252("a\xE4\xB8\xAD" "b", &Ok), "ab");  // a CJK character is dropped
    EXPECT_FALSE(Ok);
    EXPECT_EQ(Utf8ToWin1252("\xC3", &Ok), "");  // truncated sequence
    EXPECT_FALSE(Ok);
    EXPECT_EQ(UpperCaseAscii("anna \xE9z"), "ANNA \xE9Z");
}

}  // namespace
