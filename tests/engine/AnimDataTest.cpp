// Frame sequences: which pattern each frame shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnimDataClass.h"

namespace {

// The pattern shown at the first frame and after each of Steps advances.
std::vector<int32_t> Shown(TAnimData& Anim, int Steps) {
    std::vector<int32_t> Patterns{Anim.CurrentPattern()};
    for (int I = 0; I < Steps; ++I) {
        Anim.Advance();
        Patterns.push_back(Anim.CurrentPattern());
    }
    return Patterns;
}

TEST(AnimData, SequencesPlayAsWritten) {
    const struct {
        const char* Seq;
        bool Looped;
        int Steps;
        std::vector<int32_t> Expected;
    } Cases[] = {
        {"1-2", false, 2, {0, -999, 1}},
        {"ABC", true, 5, {0, 1, 0, 1, 0, 1}},          // C is never shown when looped
        {"ABC", false, 4, {0, 1, 2, 2, 2}},
        {"abc", false, 2, {0, 1, 2}},                   // stored upper-cased
        {"1", true, 3, {0, 0, 0, 0}},
        {"Z9", false, 1, {25, 8}},
        {"AB", true, 3, {0, 0, 0, 0}},                  // two frames looped: the last never shows
    };
    for (const auto& Case : Cases) {
        TAnimData Anim(Case.Seq, Case.Looped);
        EXPECT_EQ(Shown(Anim, Case.Steps), Case.Expected) << Case.Seq << (Case.Looped ? " looped" : "");
    }
}

TEST(AnimData, AtEndOnlyWhenStoppedOnTheLastFrame) {
    TAnimData Anim("ABC", false);
    EXPECT_FALSE(Anim.AtEnd());
    Anim.CurrentPattern();
    Anim.Advance();
    EXPECT_FALSE(Anim.AtEnd());
    Anim.Advance();
    EXPECT_TRUE(Anim.AtEnd());
    EXPECT_EQ(Anim.CurrentPattern(), 2);
    Anim.Advance();
    EXPECT_TRUE(Anim.AtEnd());
    Anim.Restart();
    EXPECT_EQ(Anim.Position(), 0);
    EXPECT_FALSE(Anim.AtEnd());
    EXPECT_EQ(Anim.CurrentPattern(), 0);
    EXPECT_EQ(Anim.Position(), 1);
}

TEST(AnimData, DefaultsPositionsAndBlanks) {
    TAnimData Anim;
    EXPECT_EQ(Anim.Seq(), "1");
    EXPECT_TRUE(Anim.Looped);
    EXPECT_EQ(Anim.Position(), 0);

    Anim.SetSeq("a-bc");
    EXPECT_EQ(Anim.Seq(), "A-BC");
    Anim.SetPosition(2);
    EXPECT_TRUE(Anim.IsBlank());
    for (const int32_t Refused : {0, -1, 5}) {
        Anim.SetPosition(Refused);
        EXPECT_EQ(Anim.Position(), 2) << Refused;
    }
    Anim.SetPosition(4);
    EXPECT_EQ(Anim.CurrentPattern(), 2);
    // A new sequence leaves the position where it was.
    Anim.SetSeq("XYZW");
    EXPECT_EQ(Anim.Position(), 4);
    EXPECT_EQ(Anim.CurrentPattern(), 'W' - 65);

    Anim.SetSeq(std::string(300, 'A'));
    EXPECT_EQ(Anim.Seq().size(), 255u);

    TAnimData Empty("", true);
    EXPECT_EQ(Empty.CurrentPattern(), -999);
    Empty.Advance();
    EXPECT_EQ(Empty.CurrentPattern(), -999);
}

TEST(AnimData, CharacterPatterns) {
    const struct {
        char Ch;
        int32_t Pattern;
    } Cases[] = {{'-', -999}, {'1', 0}, {'9', 8}, {'A', 0}, {'Z', 25}, {'0', '0' - 65}, {'[', 26}};
    for (const auto& Case : Cases) EXPECT_EQ(TAnimData::PatternOfChar(Case.Ch), Case.Pattern) << Case.Ch;
}

}  // namespace
