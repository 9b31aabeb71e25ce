// The menu screens' own components on their own: the help pages' turning and
// cross-fade, the credits' rising lines and their endless loop, and the sprite
// text writer's glyphs and widths.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CreditLinesClass.h"
#include "GeneralRoutinesClass.h"
#include "GlobalGameTextClass.h"
#include "HelpPagesClass.h"
#include "TestDriverClass.h"
#include "TextStringsClass.h"

namespace {

TEST(HelpPages, OpeningAsksForTheThreePicturesAndFadesPageOneIn) {
    THelpPages Pages;
    std::vector<std::string> Asked;
    Pages.OnLoadAnImage = [&](TObject*, const std::string& FileName) { Asked.push_back(FileName); };
    Pages.Prepare();
    EXPECT_EQ(Asked, (std::vector<std::string>{"Help0.jpg", "Help1.jpg", "Help2.jpg"}));
    EXPECT_EQ(Pages.CurrentPage(), 1);
    EXPECT_EQ(Pages.PageAlpha(1), 0);
    const int Expected[] = {20, 40, 60};
    for (int Step : Expected) {
        Pages.UpdateAndDraw();
        EXPECT_EQ(Pages.PageAlpha(1), Step);
    }
    for (int I = 0; I < 20; ++I) Pages.UpdateAndDraw();
    EXPECT_EQ(Pages.PageAlpha(1), 255);
}

TEST(HelpPages, PagesTurnRoundInBothDirectionsAndCrossFade) {
    THelpPages Pages;
    Pages.Prepare();
    for (int I = 0; I < 13; ++I) Pages.UpdateAndDraw();
    ASSERT_EQ(Pages.PageAlpha(1), 255);
    const struct {
        bool Next;
        int Current, Previous;
    } Turns[] = {{true, 2, 1}, {true, 1, 2}, {false, 2, 1}, {false, 1, 2}};
    for (const auto& Turn : Turns) {
        Turn.Next ? Pages.NextPage() : Pages.PrevPage();
        EXPECT_EQ(Pages.CurrentPage(), Turn.Current);
        EXPECT_EQ(Pages.PreviousPage(), Turn.Previous);
        Pages.UpdateAndDraw();
        EXPECT_EQ(Pages.PageAlpha(Turn.Current), 20);
        EXPECT_EQ(Pages.PageAlpha(Turn.Previous), 235) << "the page left fades while the new one comes";
        for (int I = 0; I < 13; ++I) Pages.UpdateAndDraw();
        EXPECT_EQ(Pages.PageAlpha(Turn.Current), 255);
        EXPECT_EQ(Pages.PageAlpha(Turn.Previous), 0);
    }
    EXPECT_STREQ(THelpPages::Caption(1), "Page 1 of 2");
    EXPECT_STREQ(THelpPages::Caption(2), "Page 2 of 2");
}

class CreditLines : public ::testing::Test {
protected:
    void SetUp() override {
        Texts = std::make_unique<TTextStrings>(TTestDriver::DefaultGameFolder() + "/Texts/");
        Lines.TextStringsComp = Texts.get();
        Lines.Restart();
    }
    void Frames(int N) {
        for (int I = 0; I < N; ++I) Lines.UpdateAndDraw();
    }
    std::unique_ptr<TTextStrings> Texts;
    TCreditLines Lines;
};

TEST_F(CreditLines, ARestartSendsTheFirstLineUpAndTheRestWaitWithTheirTexts) {
    const TCreditLines::TLine& First = Lines.Line(1);
    EXPECT_TRUE(First.Active);
    EXPECT_EQ(First.Position, 175.0f);
    EXPECT_EQ(First.Alpha, 45);
    EXPECT_EQ(First.Text, Texts->Credits(1).substr(0, 40));
    EXPECT_EQ(Lines.ActiveCount(), 1);
    for (int I = 28; I <= 40; ++I) EXPECT_TRUE(Lines.Line(I).SkipDrawing) << "line " << I << " is the pause";
    // Lines fade in by 15 a frame up to 240.
    Frames(1);
    EXPECT_EQ(First.Position, 174.0f);
    EXPECT_EQ(First.Alpha, 60);
    Frames(20);
    EXPECT_EQ(First.Alpha, 240);
}

TEST_F(CreditLines, EachLineSetsOffWhenTheOneBeforeHasRisenEighteenPixels) {
    Frames(17);
    EXPECT_FALSE(Lines.Line(2).Active);
    Frames(1);
    ASSERT_TRUE(Lines.Line(2).Active);
    EXPECT_EQ(Lines.Line(2).Position, 175.0f);
    EXPECT_EQ(Lines.Line(2).Alpha, 45);
    EXPECT_EQ(Lines.Line(1).Position, 157.0f);
    Frames(5 * 18);
    for (int I = 1; I < 7; ++I) EXPECT_EQ(Lines.Line(I).Position - Lines.Line(I + 1).Position, -18.0f) << I;
}

TEST_F(CreditLines, ALineFadesFromTheTopGapAndGoesAtTheTop) {
    const TCreditLines::TLine& First = Lines.Line(1);
    Frames(175 - 19);
    EXPECT_EQ(First.Position, 19.0f);
    EXPECT_EQ(First.Alpha, 240);
    Frames(1);
    EXPECT_EQ(First.Position, 18.0f);
    EXPECT_EQ(First.Alpha, 220) << "at the gap it fades";
    Frames(17);
    EXPECT_TRUE(First.Active);
    Frames(1);
    EXPECT_FALSE(First.Active) << "gone at the top";
}

TEST_F(CreditLines, TheCreditsStartAgainOnceEveryLineHasGoneForAsLongAsTheyRun) {
    // Forty lines a gap apart, the last one rising the whole way.
    const int Run = 39 * 18 + 175;
    int Restarts = 0;
    for (int Frame = 0; Frame < 3 * Run + 10; ++Frame) {
        Lines.UpdateAndDraw();
        if (Lines.Line(1).Active && Lines.Line(1).Position == 175.0f) ++Restarts;
    }
    EXPECT_EQ(Restarts, 3);
    EXPECT_GE(Lines.ActiveCount(), 1);
}

TEST(GlobalGameText, SmallLettersAreWrittenAsCapitalsAndMissingGlyphsKeepTheirPlace) {
    const struct {
        char Ch;
        int32_t Glyph;
    } Glyphs[] = {{' ', 0}, {'!', 1}, {'0', 16}, {'?', 29}, {'A', 30}, {'a', 30}, {'z', 55}, {'|', 56}, {'@', -1},
                  {'<', -1}};
    for (const auto& G : Glyphs) EXPECT_EQ(TGlobalGameText::GlyphIndex(G.Ch), G.Glyph) << G.Ch;
    TGlobalGameText Writer;
    EXPECT_EQ(Writer.TextWidth("Page 1 of 2", 0.75), Writer.TextWidth("PAGE 1 OF 2", 0.75));
    int32_t Expected = 0;
    for (char Ch : std::string("PAGE 1 OF 2")) Expected += GlyphAdvance(fkAirstripNormal, Ch, 0, 0.75);
    EXPECT_EQ(Writer.TextWidth("Page 1 of 2", 0.75), Expected);
    EXPECT_EQ(Writer.TextWidth("@", 1.0), 20) << "a glyph the font lacks still takes its width";
}

}  // namespace
