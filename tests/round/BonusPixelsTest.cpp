// The bonus stage's stopwatch digits and letter row drawn on the real screen
// (offscreen OpenGL) with flat images made here, and read back: the seconds in
// their two cells under the dial, the empty slots as faint additive glows and a
// caught letter in full, and a flying letter at its place.
#include <gtest/gtest.h>

#include <memory>

#include "AcquiredBonusLettersClass.h"
#include "BonusStageTimerClass.h"
#include "FlowingBonusLettersClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"

namespace {

constexpr uint32_t Black = 0x000000FFu;
constexpr int32_t DigitW = 18;
constexpr int32_t DigitH = 24;
constexpr int32_t LetterW = 24;
constexpr int32_t LetterH = 30;

// Each digit its own colour.
uint32_t DigitColor(int32_t D) { return (uint32_t(30 + 20 * D) << 24) | (0x40u << 16) | (0xC0u << 8) | 0xFFu; }
// Dim letters grey, bright letters each their own colour.
constexpr uint32_t DimColor = 0xC8C8C8FFu;
uint32_t BrightColor(int32_t I) { return (0xF0u << 24) | (uint32_t(40 * I + 20) << 16) | (0x30u << 8) | 0xFFu; }

int32_t Red(uint32_t RGBA) { return static_cast<int32_t>(RGBA >> 24); }

class BonusPixels : public ::testing::Test {
protected:
    void SetUp() override {
        Screen = std::make_unique<TOmegaScreen>();
        Screen->ZBuffer = false;
        Screen->PresentToWindow = false;
        ASSERT_TRUE(Screen->Initialize());
        Images = std::make_unique<TOmegaImageList>(Screen.get());

        TPicture Digits;
        Digits.SetSize(10 * DigitW, DigitH);
        for (int32_t D = 0; D < 10; ++D) Digits.FillRect(D * DigitW, 0, DigitW, DigitH, DigitColor(D));
        Images->AddImage("BonusStageDigit", Digits, 10, 1);

        TPicture Letters;
        Letters.SetSize(5 * LetterW, 2 * LetterH);
        Letters.FillRect(0, 0, 5 * LetterW, LetterH, DimColor);
        for (int32_t I = 0; I < 5; ++I) Letters.FillRect(I * LetterW, LetterH, LetterW, LetterH, BrightColor(I));
        Images->AddImage("BonusLetters", Letters, 5, 2);
    }
    void TearDown() override {
        Images.reset();
        Screen.reset();
    }
    template <typename F>
    TPicture Frame(F&& Draws) {
        Screen->SetFiltering(false);
        Screen->Clear(0, 0, 0, 255);
        Screen->BeginFrame();
        Draws();
        Screen->EndFrame();
        TPicture Result;
        EXPECT_TRUE(Screen->ReadFrame(Result));
        return Result;
    }

    std::unique_ptr<TOmegaScreen> Screen;
    std::unique_ptr<TOmegaImageList> Images;
};

TEST_F(BonusPixels, TheSecondsShowInTwoCellsOnePixelApartUnderTheDial) {
    TBonusStageTimer Clock;
    Clock.OmgImgList = Images.get();
    Clock.Left = 400;
    Clock.Top = 5;
    Clock.TakeDigitWidth();
    EXPECT_EQ(Clock.DigitWidth, DigitW);
    Clock.ResetClock();
    Clock.StartClock();
    for (int I = 0; I < 39; ++I) Clock.UpdateAndDraw();
    const TPicture Shot = Frame([&] { Clock.UpdateAndDraw(); });
    ASSERT_STREQ(Clock.ShownText(), "59");
    ASSERT_EQ(Clock.Alpha(), 255);
    // The cells from x + 26 and x + 26 + 19, y + 103; the swing moves them a few pixels at most.
    const int32_t Y = 5 + 103 + DigitH / 2;
    EXPECT_EQ(Shot.PixelRGBA(400 + 26 + DigitW / 2, Y), DigitColor(5));
    EXPECT_EQ(Shot.PixelRGBA(400 + 26 + DigitW + 1 + DigitW / 2, Y), DigitColor(9));
    EXPECT_EQ(Shot.PixelRGBA(400 + 26 + DigitW / 2, 5 + 103 - 6), Black) << "nothing above the cells";
    EXPECT_EQ(Shot.PixelRGBA(400 + 26 + 2 * DigitW + 8, Y), Black) << "nothing past the second";
}

TEST_F(BonusPixels, EmptySlotsGlowFaintlyAndACaughtLetterShowsInFull) {
    TAcquiredBonusLetters Row;
    Row.OmgImgList = Images.get();
    Row.AcquireLetter('N');
    const TPicture Shot = Frame([&] { Row.DrawLetters(); });
    const TPoint B = Row.LetterSlotPos('B');
    const TPoint N = Row.LetterSlotPos('N');
    // 200 added at alpha 80 over black: about 63.
    EXPECT_NEAR(Red(Shot.PixelRGBA(B.X + LetterW / 2, B.Y + LetterH / 2)), 200 * 80 / 255, 2);
    EXPECT_EQ(Shot.PixelRGBA(N.X + LetterW / 2, N.Y + LetterH / 2), BrightColor(2));
}

TEST_F(BonusPixels, AFlyingLetterIsDrawnBrightAtItsRoundedPlace) {
    TFlowingBonusLetters Flying;
    Flying.OmgImgList = Images.get();
    Flying.LaunchLetter('U', {100, 100}, {710, 541});
    const TPicture Shot = Frame([&] { Flying.UpdateAndDraw(); });
    const TFloatPoint P = Flying.LetterPos('U');
    EXPECT_DOUBLE_EQ(P.X, 120.0);
    EXPECT_EQ(Shot.PixelRGBA(120 + 1, static_cast<int32_t>(P.Y) + 2), BrightColor(3));
    EXPECT_EQ(Shot.PixelRGBA(100 + 1, 100 + 1), Black) << "it has left its start";
}

}  // namespace
