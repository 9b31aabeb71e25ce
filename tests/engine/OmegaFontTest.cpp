// Screen fonts: where TextOut puts its pixels and that TextWidth measures
// exactly what it draws.
#include <gtest/gtest.h>

#include <climits>

#include "EngineTestSupport.h"
#include "OmegaFontClass.h"

namespace {

struct TBounds {
    int32_t Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN;  // inclusive
    bool Empty() const { return Left > Right; }
};

TBounds LitBounds(const TPicture& Frame) {
    TBounds Bounds;
    for (int32_t Y = 0; Y < Frame.Height; ++Y) {
        for (int32_t X = 0; X < Frame.Width; ++X) {
            if (Frame.PixelRGBA(X, Y) == 0x000000FFu) continue;
            Bounds.Left = std::min(Bounds.Left, X);
            Bounds.Top = std::min(Bounds.Top, Y);
            Bounds.Right = std::max(Bounds.Right, X);
            Bounds.Bottom = std::max(Bounds.Bottom, Y);
        }
    }
    return Bounds;
}

class ScreenFont : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        Font = std::make_unique<TOmegaFont>(Screen.get());
        ASSERT_TRUE(Font->SetupFont("Arial", 10, false)) << "Liberation Sans is needed (fonts-liberation2)";
    }
    void TearDown() override {
        Font.reset();
        ScreenFixture::TearDown();
    }
    TPicture Text(int32_t X, int32_t Y, std::string_view Line) {
        return Frame([&] {
            Font->BeginText();
            Font->TextOut(X, Y, Line, 255, 255, 255, 255);
            Font->EndText();
        });
    }
    std::unique_ptr<TOmegaFont> Font;
};

TEST_F(ScreenFont, TextSitsInItsBoxFromTheTopLeftCorner) {
    for (const std::string_view Line : {std::string_view("Hg"), std::string_view("Quellow 1,234,567 $")}) {
        const TBounds At = LitBounds(Text(10, 20, Line));
        ASSERT_FALSE(At.Empty());
        EXPECT_GE(At.Left, 10) << Line;
        EXPECT_LE(At.Left, 12) << Line;
        EXPECT_GE(At.Top, 20) << Line;
        EXPECT_LE(At.Top, 20 + Font->Ascent() / 2) << Line;
        EXPECT_LT(At.Right, 10 + Font->TextWidth(Line) + 1) << Line;
        EXPECT_LT(At.Bottom, 20 + Font->LineHeight()) << Line;
        // Moving the text moves every pixel by the same amount.
        const TBounds Moved = LitBounds(Text(300, 207, Line));
        EXPECT_EQ(Moved.Left - At.Left, 290);
        EXPECT_EQ(Moved.Top - At.Top, 187);
        EXPECT_EQ(Moved.Right - At.Right, 290);
    }
}

TEST_F(ScreenFont, WidthIsTheAdvanceTextOutDrawsWith) {
    // Drawing two pieces, the second at the first's width, gives exactly the
    // picture of the whole text.
    const std::string_view First = "Level 12: ";
    const std::string_view Second = "Tropical\x80 AVAW";
    const TPicture Whole = Text(50, 60, std::string(First) + std::string(Second));
    const TPicture Pieces = Frame([&] {
        Font->TextOut(50, 60, First, 255, 255, 255, 255);
        Font->TextOut(50 + Font->TextWidth(First), 60, Second, 255, 255, 255, 255);
    });
    EXPECT_EQ(CountDifferences(Whole, Pieces), 0);
    EXPECT_EQ(Font->TextWidth(""), 0);
    EXPECT_EQ(Font->TextWidth("AB"), Font->TextWidth("A") + Font->TextWidth("B"));
    EXPECT_GT(Font->TextWidth("\x80"), 0);  // the euro sign of Windows-1252
    EXPECT_EQ(Font->TextWidth("\x81"), 0);  // a byte the code page leaves undefined
}

TEST_F(ScreenFont, NothingIsClippedAtTheRightEdge) {
    const std::string_view Line = "A long line of text that runs past the edge";
    const TBounds Bounds = LitBounds(Text(700, 100, Line));
    EXPECT_EQ(Bounds.Right, 799);
}

TEST_F(ScreenFont, ColourAndTranslucency) {
    const TPicture Drawn = Frame([&] { Font->TextOut(10, 10, "EEEE", 255, 0, 0, 255); });
    bool SawRed = false;
    for (int32_t Y = 10; Y < 10 + Font->LineHeight(); ++Y) {
        for (int32_t X = 10; X < 10 + Font->TextWidth("EEEE"); ++X) {
            const TRgb P = RgbOf(Drawn.PixelRGBA(X, Y));
            EXPECT_EQ(P.G, 0);
            EXPECT_EQ(P.B, 0);
            SawRed = SawRed || P.R >= 240;  // antialiased bars reach about 253
        }
    }
    EXPECT_TRUE(SawRed);
    const TPicture Faint = Frame([&] { Font->TextOut(10, 10, "EEEE", 255, 255, 255, 64); });
    int Brightest = 0;
    for (int32_t Y = 10; Y < 30; ++Y) {
        for (int32_t X = 10; X < 40; ++X) Brightest = std::max(Brightest, RgbOf(Faint.PixelRGBA(X, Y)).R);
    }
    EXPECT_NEAR(Brightest, 64, 2);
}

TEST_F(ScreenFont, SizesAreWindowsPointsAndBoldIsWider) {
    TOmegaFont Small(Screen.get());
    TOmegaFont Large(Screen.get());
    TOmegaFont LargeBold(Screen.get());
    ASSERT_TRUE(Small.SetupFont("Arial", 8, false));
    ASSERT_TRUE(Large.SetupFont("Arial", 18, false));
    ASSERT_TRUE(LargeBold.SetupFont("Arial", 18, true));
    // 8, 10 and 18 points at 96 dots per inch are 11, 13 and 24 pixels of em height.
    const struct {
        const TOmegaFont* Font;
        int Em;
    } Cases[] = {{&Small, 11}, {Font.get(), 13}, {&Large, 24}};
    for (const auto& Case : Cases) {
        EXPECT_GE(Case.Font->LineHeight(), Case.Em) << Case.Em;
        EXPECT_LE(Case.Font->LineHeight(), Case.Em * 13 / 10 + 1) << Case.Em;
        // A capital M of Liberation Sans is about 0.83 em wide.
        EXPECT_NEAR(Case.Font->TextWidth("MMMMMMMMMM"), Case.Em * 8.33, Case.Em * 0.6) << Case.Em;
    }
    EXPECT_GT(LargeBold.TextWidth("Quellow"), Large.TextWidth("Quellow"));
    EXPECT_TRUE(LargeBold.Bold());
    EXPECT_EQ(LargeBold.Size(), 18);
}

TEST(ScreenFontHeadless, MeasuresWithoutAScreenAndDrawsNothing) {
    TOmegaFont Font;
    ASSERT_TRUE(Font.SetupFont("Arial", 10, false));
    EXPECT_GT(Font.TextWidth("Quellow"), 0);
    Font.BeginText();
    Font.TextOut(0, 0, "Quellow", 255, 255, 255, 255);
    Font.EndText();
    TOmegaFont NotSetUp;
    EXPECT_EQ(NotSetUp.TextWidth("Quellow"), 0);
}

}  // namespace
