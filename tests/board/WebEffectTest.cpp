// The torn web: twelve frames of six tearing pictures, two frames each, growing
// about the tile's web; twenty tearings in slots reused in turn; and, drawn on
// the real screen with a flat fixture image, the picture and growth each frame shows.
#include <gtest/gtest.h>

#include "BoardDataClass.h"
#include "OmegaImageListClass.h"
#include "TestDriverClass.h"
#include "WebEffectClass.h"

namespace {

int CellX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels; }
int CellY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels; }

TEST(WebEffect, ATearingShowsSixPicturesTwoFramesEachGrowingAndEndsAfterTwelveFrames) {
    for (int Counter = 1; Counter <= 12; ++Counter) EXPECT_EQ(TWebEffect::PatternAt(Counter), (Counter - 1) / 2);
    TWebEffect Effect;
    Effect.Start({3, 4});
    const TWebEffect::TSlot& Slot = Effect.Slot(0);
    EXPECT_EQ(Slot.X, CellX(3));
    EXPECT_EQ(Slot.Y, CellY(4));
    EXPECT_EQ(Slot.Size, 45.0);
    for (int Frame = 1; Frame <= 12; ++Frame) {
        Effect.Frame();
        EXPECT_EQ(Slot.Counter, Frame);
        EXPECT_NEAR(Slot.Size, 45.0 + 0.8 * Frame, 1e-9);
        EXPECT_EQ(Slot.Active, Frame < 12) << "frame " << Frame;
    }
    Effect.Frame();
    EXPECT_EQ(Slot.Counter, 12);
    EXPECT_EQ(Effect.ActiveCount(), 0);
}

TEST(WebEffect, TheTwentyFirstTearingTakesTheFirstSlotAgain) {
    TWebEffect Effect;
    for (int I = 0; I < 20; ++I) Effect.Start({1 + I % 10, 1 + I / 10});
    Effect.Frame();
    EXPECT_EQ(Effect.ActiveCount(), 20);
    Effect.Start({9, 9});
    EXPECT_EQ(Effect.Slot(0).Counter, 0);
    EXPECT_EQ(Effect.Slot(0).X, CellX(9));
    EXPECT_EQ(Effect.Slot(0).Y, CellY(9));
    EXPECT_EQ(Effect.Slot(1).Counter, 1) << "the others go on";
    EXPECT_EQ(Effect.ActiveCount(), 20);

    Effect.Visible = false;
    Effect.Frame();
    EXPECT_EQ(Effect.Slot(1).Counter, 1) << "hidden, nothing moves on";
    Effect.Clear();
    EXPECT_EQ(Effect.ActiveCount(), 0);
    Effect.Start({2, 2});
    EXPECT_EQ(Effect.Slot(0).X, CellX(2)) << "after clearing, the first slot comes first";
}

TEST(WebEffectDrawing, EachFrameShowsItsPictureGrowingAboutTheWebsMiddle) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TOmegaImageList& Images = Driver.Form().OmegaImageList1;
    // Six flat 45-pixel pictures, each its own shade of red.
    TPicture Web;
    Web.SetSize(6 * 45, 45);
    for (int P = 0; P < 6; ++P) Web.FillRect(P * 45, 0, 45, 45, ((0x20u + 0x20u * P) << 24) | 0xFFu);
    Images.AddImage("Web", Web, 6, 1);
    TWebEffect Effect;
    Effect.OmgImgList = &Images;
    Effect.Start({4, 5});
    TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
    for (int Frame = 1; Frame <= 12; ++Frame) {
        Screen.BeginFrame();
        Screen.Clear(128, 128, 128, 255);
        Effect.Frame();
        Screen.EndFrame();
        TPicture Shot;
        ASSERT_TRUE(Driver.Capture(Shot));
        const uint32_t Middle = Shot.PixelRGBA(CellX(4) + 22, CellY(5) + 22);
        EXPECT_NEAR(static_cast<int>(Middle >> 24), 0x20 + 0x20 * TWebEffect::PatternAt(Frame), 2) << "frame " << Frame;
        // Grown by 0.8 a frame about its middle: from just over its 45 pixels to past
        // the cell's edge by the last frame.
        const uint32_t Outside = Shot.PixelRGBA(CellX(4) - 3, CellY(5) + 22);
        if (Frame == 1) {
            EXPECT_EQ(Outside >> 24, 128u);
        }
        if (Frame == 12) {
            EXPECT_NE(Outside >> 24, 128u);
        }
    }
}

}  // namespace
