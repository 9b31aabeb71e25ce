// A screen on the offscreen OpenGL renderer for the campaign's drawing tests:
// flat images made in code, one frame drawn and read back, and the box of the
// pixels a test's condition picks out.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>

#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"

inline TPicture FlatPicture(int32_t Width, int32_t Height, uint32_t RGBA) {
    TPicture Picture;
    Picture.SetSize(Width, Height);
    Picture.FillRect(0, 0, Width, Height, RGBA);
    return Picture;
}

// The red, green and blue of a 0xRRGGBBAA pixel.
struct TPixel {
    int R, G, B;
};
inline TPixel PixelAt(const TPicture& Frame, int32_t X, int32_t Y) {
    const uint32_t P = Frame.PixelRGBA(X, Y);
    return TPixel{int(P >> 24), int((P >> 16) & 0xFF), int((P >> 8) & 0xFF)};
}

struct TPixelBox {
    int32_t Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN;  // inclusive
    bool Empty() const { return Left > Right; }
};
inline TPixelBox BoxOf(const TPicture& Frame, const std::function<bool(TPixel)>& Picked) {
    TPixelBox Box;
    for (int32_t Y = 0; Y < Frame.Height; ++Y) {
        for (int32_t X = 0; X < Frame.Width; ++X) {
            if (!Picked(PixelAt(Frame, X, Y))) continue;
            Box.Left = std::min(Box.Left, X);
            Box.Top = std::min(Box.Top, Y);
            Box.Right = std::max(Box.Right, X);
            Box.Bottom = std::max(Box.Bottom, Y);
        }
    }
    return Box;
}

class CampaignScreen : public ::testing::Test {
protected:
    void SetUp() override {
        Screen = std::make_unique<TOmegaScreen>();
        Screen->ZBuffer = false;
        Screen->PresentToWindow = false;
        ASSERT_TRUE(Screen->Initialize());
        Images = std::make_unique<TOmegaImageList>(Screen.get());
    }
    void TearDown() override {
        Images.reset();
        Screen.reset();
    }
    // One frame on black: the draws, then the frame read back.
    TPicture Frame(const std::function<void()>& Draws) {
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
