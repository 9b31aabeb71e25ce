// The typewriter text: one character a frame (a line change costs a frame),
// the fade-in from the first drawn alpha to the maximum, the tail event once
// per character where the settings allow it, the fade-out, and the layout's
// limits of eight lines and 100 characters, for the story's, Mirel's balloon's
// and the default settings.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CampaignScreenSupport.h"
#include "MirelBalloonClass.h"
#include "NarrationTextClass.h"
#include "OmegaFontClass.h"

namespace {

struct TNarrationSettings {
    const char* Name;
    int32_t VertSpace;
    int32_t StartingAlpha;
    int32_t AlphaStep;
    int32_t MaxAlpha;
    int32_t AlphaUpdateRepeat;
    int32_t VanishingAlphaStep;
    // The alpha a character is first drawn with, and whether it raises the tail event then.
    int32_t FirstDrawnAlpha;
    bool RaisesTail;
};

void PrintTo(const TNarrationSettings& S, std::ostream* Os) { *Os << S.Name; }

// The story's narration, Mirel's balloon and a narration left at its defaults.
const TNarrationSettings Settings[] = {
    {"story", 26, 10, 14, 255, 1, 6, 24, true},
    {"balloon", 19, 30, 12, 200, 1, 6, 42, true},
    {"defaults", 17, 250, 8, 230, 2, 25, 230, false},
};

class NarrationText : public ::testing::TestWithParam<TNarrationSettings> {
protected:
    void SetUp() override {
        const TNarrationSettings& S = GetParam();
        if (std::string(S.Name) == "balloon") {
            // The balloon's own narration, as it sets it up.
            const TMirelBalloon Balloon;
            const TNarrationText& Own = Balloon.Text();
            ASSERT_TRUE(Own.UseSpriteFont);
            ASSERT_EQ(Own.VertSpace, S.VertSpace);
            ASSERT_EQ(Own.StartingAlpha, S.StartingAlpha);
            ASSERT_EQ(Own.AlphaStep, S.AlphaStep);
            ASSERT_EQ(Own.AlphaUpdateRepeat, S.AlphaUpdateRepeat);
            ASSERT_EQ(Balloon.BalloonMaxAlpha, S.MaxAlpha);
            ASSERT_EQ(Balloon.BalloonAlphaDec, S.VanishingAlphaStep);
        }
        if (std::string(S.Name) != "defaults") {
            Text.VertSpace = S.VertSpace;
            Text.StartingAlpha = S.StartingAlpha;
            Text.AlphaStep = S.AlphaStep;
            Text.MaxAlpha = S.MaxAlpha;
            Text.AlphaUpdateRepeat = S.AlphaUpdateRepeat;
            Text.VanishingAlphaStep = S.VanishingAlphaStep;
        }
        // Widths from the sprite font's table, so positions need no font file.
        Text.UseSpriteFont = true;
        Text.SpriteFontSize = 0.65;
        Text.SpriteWidthAdd = -1;
        Text.OnTailPosUpdate = [this](TObject*, TPoint P) { Tails.push_back(P); };
    }
    int32_t Revealed() const {
        int32_t Count = 0;
        for (int32_t I = 1; I <= Text.Lines(); ++I) {
            for (int32_t C = 1; C <= static_cast<int32_t>(Text.Line(I).size()); ++C) Count += Text.CharAlpha(I, C) > 0;
        }
        return Count;
    }
    TNarrationText Text;
    std::vector<TPoint> Tails;
};

TEST_P(NarrationText, RevealsItsStepsPerFrameAndALineChangeCostsAStep) {
    const TNarrationSettings& S = GetParam();
    Text.StartText(40, 300, "ABC|DE", 255, 255, 255);
    // Reveal steps: A B C, the step past C's line end, then D E.
    const int32_t RevealedAfterStep[] = {0, 1, 2, 3, 3, 4, 5};
    std::vector<int32_t> Seen;
    std::vector<int32_t> Expected;
    for (int32_t Frame = 1; Frame <= 4; ++Frame) {
        Text.UpdateAndDraw();
        Seen.push_back(Revealed());
        Expected.push_back(RevealedAfterStep[std::min(Frame * S.AlphaUpdateRepeat, 6)]);
    }
    EXPECT_EQ(Seen, Expected) << S.Name;
    if (S.AlphaUpdateRepeat == 1) {
        EXPECT_EQ(Seen, (std::vector<int32_t>{1, 2, 3, 3})) << "the fourth frame only moves to line 2";
        EXPECT_EQ(Text.CursorLine(), 2);
        EXPECT_EQ(Text.CursorIndex(), 0);
    }
}

TEST_P(NarrationText, ACharacterFadesInFromItsFirstDrawnAlphaToTheMaximum) {
    const TNarrationSettings& S = GetParam();
    Text.StartText(0, 0, "A", 255, 255, 255);
    const int32_t Max = std::min(S.MaxAlpha, 255);
    std::vector<int32_t> Expected;
    for (int32_t A = S.FirstDrawnAlpha; A < Max; A += S.AlphaStep) Expected.push_back(A);
    Expected.push_back(Max);
    std::vector<int32_t> Seen;
    for (size_t Frame = 0; Frame < Expected.size() + 2; ++Frame) {
        Text.UpdateAndDraw();
        Seen.push_back(Text.CharAlpha(1, 1));
    }
    Expected.push_back(Max);
    Expected.push_back(Max);
    EXPECT_EQ(Seen, Expected) << S.Name;
    EXPECT_EQ(Seen.front(), S.FirstDrawnAlpha);
}

TEST_P(NarrationText, TheTailFollowsEachCharacterOnceWhereTheSettingsReachIt) {
    const TNarrationSettings& S = GetParam();
    Text.StartText(100, 200, "AB|C", 255, 255, 255);
    for (int32_t Frame = 0; Frame < 60; ++Frame) Text.UpdateAndDraw();
    if (!S.RaisesTail) {
        EXPECT_TRUE(Tails.empty()) << "250 + 8 is more than any alpha byte reaches";
        return;
    }
    const int32_t AdvanceA = Text.CharWidth('A');
    ASSERT_EQ(AdvanceA, 8) << "Round((13 - 1) * 0.65)";
    ASSERT_EQ(Tails.size(), 3u) << S.Name;
    EXPECT_EQ(Tails[0], Point(100, 200));
    EXPECT_EQ(Tails[1], Point(100 + AdvanceA, 200));
    EXPECT_EQ(Tails[2], Point(100, 200 + S.VertSpace));
}

TEST_P(NarrationText, AVanishingTextRaisesNoTailAndFadesByItsStep) {
    const TNarrationSettings& S = GetParam();
    Text.StartText(0, 0, "AB", 255, 255, 255);
    for (int32_t Frame = 0; Frame < 40; ++Frame) Text.UpdateAndDraw();
    const int32_t Max = std::min(S.MaxAlpha, 255);
    ASSERT_EQ(Text.CharAlpha(1, 2), Max);
    Tails.clear();
    Text.VanishText();
    Text.UpdateAndDraw();
    EXPECT_EQ(Text.CharAlpha(1, 1), Max - S.VanishingAlphaStep);
    Text.UpdateAndDraw();
    EXPECT_EQ(Text.CharAlpha(1, 1), Max - 2 * S.VanishingAlphaStep);
    for (int32_t Frame = 0; Frame < 60; ++Frame) Text.UpdateAndDraw();
    EXPECT_EQ(Text.CharAlpha(1, 1), 0);
    EXPECT_FALSE(Text.AnyCharShown());

    // Characters typed in while the text vanishes never raise the tail.
    Text.StartText(0, 0, "ABCDEF", 255, 255, 255);
    Text.VanishText();
    for (int32_t Frame = 0; Frame < 20; ++Frame) Text.UpdateAndDraw();
    EXPECT_TRUE(Tails.empty());
}

INSTANTIATE_TEST_SUITE_P(Settings, NarrationText, ::testing::ValuesIn(Settings),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(NarrationTextLayout, KeepsEightLinesOfAtMost100Characters) {
    TNarrationText Text;
    Text.StartText(0, 0, "1|2|3|4|5|6|7|8|9|10", 255, 255, 255);
    EXPECT_EQ(Text.Lines(), 8) << "the ninth line and beyond are dropped";
    EXPECT_EQ(Text.Line(8), "8");
    EXPECT_EQ(Text.Line(9), "");
    EXPECT_EQ(TNarrationText::LineCount("1|2|3|4|5|6|7|8|9|10"), 10) << "the count itself is not cut";

    const std::string Long(120, 'X');
    Text.StartText(0, 0, Long + "|SHORT", 255, 255, 255);
    ASSERT_EQ(Text.Lines(), 2);
    EXPECT_EQ(Text.Line(1), std::string(100, 'X'));
    EXPECT_EQ(Text.Line(2), "SHORT");
    // The cut line reveals its 100 characters, then a frame moves on to line 2.
    Text.AlphaUpdateRepeat = 1;
    for (int32_t Frame = 0; Frame < 101; ++Frame) Text.UpdateAndDraw();
    EXPECT_EQ(Text.CharAlpha(1, 100), 230);
    EXPECT_EQ(Text.CursorLine(), 2);
    EXPECT_EQ(Text.CharAlpha(2, 1), 0);
    Text.UpdateAndDraw();
    EXPECT_GT(Text.CharAlpha(2, 1), 0);
}

TEST(NarrationTextLayout, CountsLinesAndClears) {
    EXPECT_EQ(TNarrationText::LineCount(""), 0);
    EXPECT_EQ(TNarrationText::LineCount("ONE"), 1);
    EXPECT_EQ(TNarrationText::LineCount("ONE|TWO"), 2);
    EXPECT_EQ(TNarrationText::LineCount("|"), 2);
    TNarrationText Text;
    Text.StartText(0, 0, "", 255, 255, 255);
    EXPECT_EQ(Text.Lines(), 0);
    Text.StartText(5, 6, "AB|CD", 255, 255, 255);
    Text.UpdateAndDraw();
    Text.VanishText();
    Text.ClearText();
    EXPECT_EQ(Text.Lines(), 0);
    EXPECT_EQ(Text.CursorLine(), 1);
    EXPECT_EQ(Text.CursorIndex(), 0);
    EXPECT_FALSE(Text.Vanishing());
    EXPECT_FALSE(Text.AnyCharShown());
}

TEST(NarrationTextLayout, AMaximumOf256OrMoreIs255) {
    for (const int32_t Max : {256, 300}) {
        TNarrationText Text;
        Text.StartingAlpha = 200;
        Text.AlphaStep = 50;
        Text.MaxAlpha = Max;
        Text.StartText(0, 0, "A", 255, 255, 255);
        Text.UpdateAndDraw();
        EXPECT_EQ(Text.CharAlpha(1, 1), 250);
        Text.UpdateAndDraw();
        EXPECT_EQ(Text.CharAlpha(1, 1), 255) << Max;
    }
}

// With a screen font the characters advance by the font's own widths, which are
// also what the story centres its lines with.
TEST(NarrationTextLayout, AScreenFontSetsTheAdvances) {
    TOmegaFont Font;
    ASSERT_TRUE(Font.SetupFont("Arial", 10, false)) << "Liberation Sans is needed (fonts-liberation2)";
    TNarrationText Text;
    Text.OmgFont = &Font;
    Text.StartingAlpha = 10;
    Text.AlphaStep = 14;
    Text.AlphaUpdateRepeat = 1;
    std::vector<TPoint> Tails;
    Text.OnTailPosUpdate = [&](TObject*, TPoint P) { Tails.push_back(P); };
    const std::string Line = "Once upon a time";
    EXPECT_EQ(Text.TextWidth(Line), Font.TextWidth(Line));
    Text.StartText(50, 460, Line, 255, 255, 255);
    for (int32_t Frame = 0; Frame < 30; ++Frame) Text.UpdateAndDraw();
    ASSERT_EQ(Tails.size(), Line.size());
    EXPECT_EQ(Tails.back().X, 50 + Font.TextWidth(Line.substr(0, Line.size() - 1)));
    EXPECT_EQ(Tails.back().Y, 460);
}

}  // namespace

namespace {

// The sprite font drawn: each glyph of the sheet in the text's colour at its
// alpha, blanks not drawn, every glyph advancing by its width.
class NarrationTextPixels : public CampaignScreen {};

TEST_F(NarrationTextPixels, SpriteGlyphsAreTintedAndAdvanceByTheirWidths) {
    // 57 glyph cells of 20 x 20 whose left four columns are lit.
    TPicture Sheet = FlatPicture(57 * 20, 20, 0x00000000u);
    for (int32_t Cell = 0; Cell < 57; ++Cell) Sheet.FillRect(Cell * 20, 0, 4, 20, 0xFFFFFFFFu);
    Images->AddImage("GlobalFontWhite", std::move(Sheet), 57, 1);
    TNarrationText Text;
    Text.OmgImgList = Images.get();
    Text.UseSpriteFont = true;
    Text.VertSpace = 26;
    Text.StartingAlpha = 241;
    Text.AlphaStep = 14;
    Text.MaxAlpha = 255;
    Text.AlphaUpdateRepeat = 1;
    Text.StartText(100, 200, "A B|C", 255, 0, 0);
    TPicture Shown;
    for (int32_t N = 0; N < 5; ++N) Shown = Frame([&] { Text.UpdateAndDraw(); });
    // A at 100, the blank (7 wide) at 113, B at 120; C on the next line.
    EXPECT_EQ(PixelAt(Shown, 101, 201).R, 255);
    EXPECT_EQ(PixelAt(Shown, 101, 201).G, 0);
    EXPECT_EQ(PixelAt(Shown, 114, 201).R, 0) << "a blank draws nothing";
    EXPECT_EQ(PixelAt(Shown, 121, 201).R, 255);
    EXPECT_EQ(PixelAt(Shown, 105, 201).R, 0);
    EXPECT_EQ(PixelAt(Shown, 101, 227).R, 255);
}

}  // namespace
