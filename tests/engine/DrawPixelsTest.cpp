// Real pixels drawn by the image items on the offscreen OpenGL renderer.
#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"

namespace {

class DrawPixels : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        // 64 x 32 cut into two 32 x 32 patterns; every texel distinct.
        TwoPatterns = AddPicture("TwoPatterns", CoordinatePicture(64, 32), 2, 1);
        ASSERT_TRUE(TwoPatterns->HasTexture());
        Source = TwoPatterns->Picture();
    }

    // Every pixel of the 32 x 32 area at (Left, Top) must be the source texel
    // that Map gives for it, and the one-pixel ring around it background.
    template <typename TMap>
    void ExpectMapped(const TPicture& Frame, int32_t Left, int32_t Top, TMap Map, const char* Label) {
        int Wrong = 0;
        for (int32_t J = 0; J < 32; ++J) {
            for (int32_t I = 0; I < 32; ++I) {
                int32_t SourceX = 0;
                int32_t SourceY = 0;
                Map(I, J, SourceX, SourceY);
                if (Frame.PixelRGBA(Left + I, Top + J) != Source.PixelRGBA(SourceX, SourceY) && ++Wrong <= 3) {
                    ADD_FAILURE() << Label << ": pixel (" << Left + I << ", " << Top + J << ") is " << std::hex
                                  << Frame.PixelRGBA(Left + I, Top + J) << ", texel (" << std::dec << SourceX << ", "
                                  << SourceY << ") is " << std::hex << Source.PixelRGBA(SourceX, SourceY);
                }
            }
        }
        EXPECT_EQ(Wrong, 0) << Label;
        for (int32_t K = -1; K <= 32; ++K) {
            EXPECT_EQ(Frame.PixelRGBA(Left - 1, Top + K), 0x000000FFu) << Label << " left edge";
            EXPECT_EQ(Frame.PixelRGBA(Left + 32, Top + K), 0x000000FFu) << Label << " right edge";
            EXPECT_EQ(Frame.PixelRGBA(Left + K, Top - 1), 0x000000FFu) << Label << " top edge";
            EXPECT_EQ(Frame.PixelRGBA(Left + K, Top + 32), 0x000000FFu) << Label << " bottom edge";
        }
    }

    TImageListItem* TwoPatterns = nullptr;
    TPicture Source;
};

TEST_F(DrawPixels, UnscaledPatternLandsPixelExact) {
    const TPicture Drawn = Frame([&] { TwoPatterns->Draw(100, 50, 1); });
    ExpectMapped(Drawn, 100, 50, [](int32_t I, int32_t J, int32_t& X, int32_t& Y) { X = 32 + I; Y = J; }, "pattern 1");
    const TPicture First = Frame([&] { TwoPatterns->Draw(7, 3, 0); });
    ExpectMapped(First, 7, 3, [](int32_t I, int32_t J, int32_t& X, int32_t& Y) { X = I; Y = J; }, "pattern 0");
}

TEST_F(DrawPixels, PatternBeyondTheCountDrawsTheLastOne) {
    const TPicture Last = Frame([&] { TwoPatterns->Draw(200, 200, 1); });
    for (const int32_t Pattern : {2, 5, 1000}) {
        EXPECT_EQ(CountDifferences(Frame([&] { TwoPatterns->Draw(200, 200, Pattern); }), Last), 0) << Pattern;
    }
    // -1 is the whole image squeezed into one pattern-sized quad: not pattern 0.
    const TPicture Whole = Frame([&] { TwoPatterns->Draw(200, 200, -1); });
    // Each pixel samples on a texel boundary, so either neighbour may show.
    EXPECT_LE(RgbOf(Whole.PixelRGBA(200, 200)).R, 4);
    EXPECT_GE(RgbOf(Whole.PixelRGBA(231, 200)).R, 4 * 62);
    EXPECT_EQ(Whole.PixelRGBA(232, 200), 0x000000FFu);
}

TEST_F(DrawPixels, NothingPatternDrawsNothingAndKeepsTheBlendMode) {
    Screen->SetBlendMode(1);
    const TPicture Frame1 = Frame([&] {
        TwoPatterns->Draw(10, 10, NoPattern);
        TwoPatterns->DrawEx(10, 10, 0, 0, 0, 1, 1, 255, 255, 255, 255, NoPattern, 5);
        TwoPatterns->DrawExColor(10, 10, 0, 0, 0, 1, 1, 0xFFFFFFFF, false, false, NoPattern, 7);
    });
    EXPECT_EQ(Screen->BlendMode(), 1);
    for (int32_t Y = 0; Y < 60; ++Y) {
        for (int32_t X = 0; X < 60; ++X) ASSERT_EQ(Frame1.PixelRGBA(X, Y), 0x000000FFu);
    }
}

TEST_F(DrawPixels, FlipsAndMirrorsOfTheRightHalf) {
    const struct {
        const char* Label;
        bool Flip, Mirror;
        void (*Map)(int32_t, int32_t, int32_t&, int32_t&);
    } Cases[] = {
        {"plain", false, false, [](int32_t I, int32_t J, int32_t& X, int32_t& Y) { X = 32 + I; Y = J; }},
        {"upside down", true, false, [](int32_t I, int32_t J, int32_t& X, int32_t& Y) { X = 32 + I; Y = 31 - J; }},
        {"mirrored", false, true, [](int32_t I, int32_t J, int32_t& X, int32_t& Y) { X = 63 - I; Y = J; }},
        {"half turn", true, true, [](int32_t I, int32_t J, int32_t& X, int32_t& Y) { X = 63 - I; Y = 31 - J; }},
    };
    for (const auto& Case : Cases) {
        const TPicture Drawn = Frame([&] {
            TwoPatterns->DrawExColor(300, 100, 0, 0, 0, 1, 1, 0xFFFFFFFF, Case.Flip, Case.Mirror, 1, 0);
        });
        ExpectMapped(Drawn, 300, 100, Case.Map, Case.Label);
    }
}

TEST_F(DrawPixels, QuarterTurnsAboutTheMiddleAndTheCorner) {
    // Clockwise on the screen: texel (i, j) of pattern 0 goes to (31 - j, i) about the middle.
    const TPicture Middle = Frame([&] { TwoPatterns->DrawEx(400, 300, 90, 0.5f, 0.5f, 1, 1, 255, 255, 255, 255, 0, 0); });
    ExpectMapped(Middle, 400, 300, [](int32_t I, int32_t J, int32_t& X, int32_t& Y) { X = J; Y = 31 - I; }, "middle");
    // About the top-left corner the pattern swings to the left of X.
    const TPicture Corner = Frame([&] { TwoPatterns->DrawEx(400, 300, 90, 0, 0, 1, 1, 255, 255, 255, 255, 0, 0); });
    ExpectMapped(Corner, 368, 300, [](int32_t I, int32_t J, int32_t& X, int32_t& Y) { X = J; Y = 31 - I; }, "corner");
}

TEST_F(DrawPixels, ZeroScaleIsOneAndNegativeScaleMirrors) {
    const TPicture Plain = Frame([&] { TwoPatterns->Draw(50, 60, 1); });
    const TPicture Zero = Frame([&] { TwoPatterns->DrawEx(50, 60, 0, 0.5f, 0.5f, 0, 0, 255, 255, 255, 255, 1, 0); });
    EXPECT_EQ(CountDifferences(Plain, Zero), 0);
    const TPicture Mirrored = Frame([&] {
        TwoPatterns->DrawExColor(50, 60, 0, 0, 0, 1, 1, 0xFFFFFFFF, false, true, 1, 0);
    });
    const TPicture Negative = Frame([&] {
        TwoPatterns->DrawEx(50, 60, 0, 0.5f, 0.5f, -1, 1, 255, 255, 255, 255, 1, 0);
    });
    EXPECT_EQ(CountDifferences(Mirrored, Negative), 0);
    // Doubled about the top-left: every texel covers 2 x 2 pixels.
    const TPicture Doubled = Frame([&] { TwoPatterns->DrawEx(50, 60, 0, 0, 0, 2, 2, 255, 255, 255, 255, 1, 0); });
    for (const auto& [I, J] : {std::pair{0, 0}, std::pair{5, 7}, std::pair{31, 31}}) {
        for (const auto& [Dx, Dy] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}}) {
            EXPECT_EQ(Doubled.PixelRGBA(50 + 2 * I + Dx, 60 + 2 * J + Dy), Source.PixelRGBA(32 + I, J));
        }
    }
}

TEST_F(DrawPixels, TintAndShadowMultiplyTheTexture) {
    TImageListItem* White = AddPicture("White", SolidPicture(8, 8, 0xFFFFFFFF));
    const TPicture Tinted = Frame([&] { White->DrawEx(10, 10, 0, 0, 0, 1, 1, 255, 128, 0, 255, 0, 0); }, 0x000000);
    const TRgb Pixel = RgbOf(Tinted.PixelRGBA(12, 12));
    EXPECT_NEAR(Pixel.R, 255, 1);
    EXPECT_NEAR(Pixel.G, 128, 1);
    EXPECT_NEAR(Pixel.B, 0, 1);
    // A black draw at alpha 64 darkens the background to 191/255 of itself.
    const TPicture Shadow = Frame([&] { White->DrawEx(10, 10, 0, 0, 0, 1, 1, 0, 0, 0, 64, 0, 0); }, 0xC8C8C8);
    EXPECT_NEAR(RgbOf(Shadow.PixelRGBA(12, 12)).R, std::lround(200.0 * 191 / 255), 1);
    // Colour components outside 0..255 are clamped, not wrapped.
    const TPicture Clamped = Frame([&] { White->DrawEx(10, 10, 0, 0, 0, 1, 1, 300, -20, 255, 511, 0, 0); });
    EXPECT_EQ(Clamped.PixelRGBA(12, 12), 0xFF00FFFFu);
}

TEST_F(DrawPixels, CornerColoursBlendAcrossTheQuad) {
    TImageListItem* White = AddPicture("White", SolidPicture(32, 32, 0xFFFFFFFF));
    const TPicture Drawn = Frame([&] {
        White->DrawEx4(100, 100, 0, 0, 0, 1, 1, MakeColor(255, 0, 0, 255), MakeColor(0, 255, 0, 255),
                       MakeColor(0, 0, 255, 255), MakeColor(0, 0, 0, 255), false, false, 0, 0);
    });
    const struct {
        int32_t X, Y;
        TRgb Expected;
    } Cases[] = {
        {100, 100, {255, 0, 0}},
        {131, 100, {0, 255, 0}},
        {131, 131, {0, 0, 255}},
        {100, 131, {0, 0, 0}},
    };
    for (const auto& Case : Cases) {
        const TRgb Pixel = RgbOf(Drawn.PixelRGBA(Case.X, Case.Y));
        EXPECT_NEAR(Pixel.R, Case.Expected.R, 16) << Case.X << "," << Case.Y;
        EXPECT_NEAR(Pixel.G, Case.Expected.G, 16) << Case.X << "," << Case.Y;
        EXPECT_NEAR(Pixel.B, Case.Expected.B, 16) << Case.X << "," << Case.Y;
    }
    // Halfway along the top edge red and green are mixed about evenly.
    const TRgb Top = RgbOf(Drawn.PixelRGBA(116, 100));
    EXPECT_NEAR(Top.R, 127, 20);
    EXPECT_NEAR(Top.G, 127, 20);
}

TEST_F(DrawPixels, ClipRectRestrictsAndRestores) {
    Screen->SetClipRect(110, 60, 120, 70);
    const TPicture Clipped = Frame([&] { TwoPatterns->Draw(100, 50, 0); });
    for (int32_t Y = 50; Y < 82; ++Y) {
        for (int32_t X = 100; X < 132; ++X) {
            const bool Inside = X >= 110 && X < 120 && Y >= 60 && Y < 70;
            const uint32_t Expected = Inside ? Source.PixelRGBA(X - 100, Y - 50) : 0x000000FFu;
            ASSERT_EQ(Clipped.PixelRGBA(X, Y), Expected) << X << "," << Y;
        }
    }
    // Clear ignores clipping.
    EXPECT_EQ(Frame([] {}, 0x102030).PixelRGBA(0, 0), 0x102030FFu);
    Screen->RestoreClipRect();
    EXPECT_EQ(Screen->ClipRect(), (TRect{0, 0, 800, 600}));
    const TPicture Whole = Frame([&] { TwoPatterns->Draw(100, 50, 0); });
    EXPECT_EQ(Whole.PixelRGBA(100, 50), Source.PixelRGBA(0, 0));
    // An empty rectangle lets nothing through.
    Screen->SetClipRect(300, 300, 300, 340);
    const TPicture Empty = Frame([&] { TwoPatterns->Draw(290, 290, 0); });
    EXPECT_EQ(Empty.PixelRGBA(300, 300), 0x000000FFu);
    EXPECT_EQ(Empty.PixelRGBA(291, 291), 0x000000FFu);
    Screen->RestoreClipRect();
}

TEST_F(DrawPixels, DrawClippedShowsOnePartAndKeepsTheCallersClip) {
    const TRect Part{40, 4, 56, 20};
    const TPicture Drawn = Frame([&] { TwoPatterns->DrawClipped(Part, 300, 200); });
    for (int32_t Y = 195; Y < 225; ++Y) {
        for (int32_t X = 295; X < 325; ++X) {
            const bool Inside = X >= 300 && X < 316 && Y >= 200 && Y < 216;
            const uint32_t Expected = Inside ? Source.PixelRGBA(40 + X - 300, 4 + Y - 200) : 0x000000FFu;
            ASSERT_EQ(Drawn.PixelRGBA(X, Y), Expected) << X << "," << Y;
        }
    }
    EXPECT_EQ(Screen->ClipRect(), (TRect{0, 0, 800, 600}));

    // Inside a caller's clip the part is cut by it too, and the caller's
    // rectangle and saved rectangle come back unchanged.
    Screen->SetClipRect(0, 0, 308, 600);
    const TPicture Nested = Frame([&] { TwoPatterns->DrawClipped(Part, 300, 200); });
    EXPECT_EQ(Nested.PixelRGBA(307, 205), Source.PixelRGBA(47, 9));
    EXPECT_EQ(Nested.PixelRGBA(308, 205), 0x000000FFu);
    EXPECT_EQ(Screen->ClipRect(), (TRect{0, 0, 308, 600}));
    Screen->RestoreClipRect();
    EXPECT_EQ(Screen->ClipRect(), (TRect{0, 0, 800, 600}));
}

TEST_F(DrawPixels, DrawRectDrawsAnySourceRectangle) {
    const TPicture Drawn = Frame([&] {
        TwoPatterns->DrawRect(TRect{10, 2, 42, 32}, 500, 400, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, false, 77, 0);
    });
    EXPECT_EQ(Drawn.PixelRGBA(500, 400), Source.PixelRGBA(10, 2));
    EXPECT_EQ(Drawn.PixelRGBA(531, 429), Source.PixelRGBA(41, 31));
    EXPECT_EQ(Drawn.PixelRGBA(531, 430), 0x000000FFu);
    EXPECT_EQ(Drawn.PixelRGBA(532, 400), 0x000000FFu);
    // The centre fractions refer to the rectangle: a half turn about its middle.
    const TPicture Turned = Frame([&] {
        TwoPatterns->DrawRect(TRect{10, 0, 20, 10}, 500, 400, 180, 0.5f, 0.5f, 1, 1, 255, 255, 255, 255, false, false,
                              0, 0);
    });
    EXPECT_EQ(Turned.PixelRGBA(500, 400), Source.PixelRGBA(19, 9));
    EXPECT_EQ(Turned.PixelRGBA(509, 409), Source.PixelRGBA(10, 0));
}

TEST_F(DrawPixels, SmoothFilteringOnlyWhereAsked) {
    // Black and white texels scaled eight times: nearest sampling keeps two
    // colours, bilinear sampling makes greys in between. Both draws in one
    // frame, so a batched draw must not take the other's filtering.
    TPicture Pair;
    Pair.SetSize(2, 1);
    Pair.SetPixelRGBA(0, 0, 0x000000FF);
    Pair.SetPixelRGBA(1, 0, 0xFFFFFFFF);
    TImageListItem* Item = AddPicture("Pair", Pair);
    const TPicture Drawn = Frame([&] {
        Screen->SetFiltering(true);
        Item->DrawEx(100, 100, 0, 0, 0, 8, 8, 255, 255, 255, 255, 0, 0);
        Screen->SetFiltering(false);
        Item->DrawEx(100, 200, 0, 0, 0, 8, 8, 255, 255, 255, 255, 0, 0);
    }, 0x0000FF);
    int SmoothGreys = 0;
    int SharpGreys = 0;
    for (int32_t X = 100; X < 116; ++X) {
        const int Smooth = RgbOf(Drawn.PixelRGBA(X, 104)).R;
        const int Sharp = RgbOf(Drawn.PixelRGBA(X, 204)).R;
        SmoothGreys += Smooth > 8 && Smooth < 247;
        SharpGreys += Sharp > 0 && Sharp < 255;
    }
    EXPECT_GT(SmoothGreys, 4);
    EXPECT_EQ(SharpGreys, 0);
}

TEST_F(DrawPixels, DrawsOutsideAFrameDoNothing) {
    Screen->Clear(0, 0, 0, 255);
    TwoPatterns->Draw(0, 0, 0);  // no frame is open
    TPicture Result;
    ASSERT_TRUE(Screen->ReadFrame(Result));
    EXPECT_EQ(Result.PixelRGBA(0, 0), 0x000000FFu);
}

}  // namespace
