// Shared pieces of the sprite-layer tests: an initialized screen on the
// offscreen OpenGL renderer that draws into its frame without showing it,
// and small pictures made in code.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"
#include "TestSupport.h"

// A picture whose every pixel tells where it came from: red = 4 * x,
// green = 8 * y, blue 255, opaque. Up to 64 x 32 pixels stay distinct.
inline TPicture CoordinatePicture(int32_t Width, int32_t Height) {
    TPicture Picture;
    Picture.SetSize(Width, Height);
    for (int32_t Y = 0; Y < Height; ++Y) {
        for (int32_t X = 0; X < Width; ++X) {
            Picture.SetPixelRGBA(X, Y, (uint32_t(4 * X & 0xFF) << 24) | (uint32_t(8 * Y & 0xFF) << 16) | 0xFFFFu);
        }
    }
    return Picture;
}

inline TPicture SolidPicture(int32_t Width, int32_t Height, uint32_t RGBA) {
    TPicture Picture;
    Picture.SetSize(Width, Height);
    Picture.FillRect(0, 0, Width, Height, RGBA);
    return Picture;
}

// The red, green and blue of a 0xRRGGBBAA pixel.
struct TRgb {
    int R, G, B;
};
inline TRgb RgbOf(uint32_t RGBA) {
    return TRgb{int(RGBA >> 24), int((RGBA >> 16) & 0xFF), int((RGBA >> 8) & 0xFF)};
}

class ScreenFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Screen = std::make_unique<TOmegaScreen>();
        Screen->Width = 800;
        Screen->Height = 600;
        Screen->bpp = 32;
        Screen->ZBuffer = false;
        Screen->PresentToWindow = false;
        ASSERT_TRUE(Screen->Initialize());
        Images = std::make_unique<TOmegaImageList>(Screen.get());
    }
    void TearDown() override {
        Images.reset();
        Screen.reset();
    }

    TImageListItem* AddPicture(const std::string& Name, TPicture Picture, int32_t Columns = 1, int32_t Rows = 1) {
        return Images->AddImage(Name, std::move(Picture), Columns, Rows);
    }

    // One frame on a background colour (0xRRGGBB): the draws, then the frame read back.
    TPicture Frame(const std::function<void()>& Draws, uint32_t Background = 0x000000) {
        Screen->SetFiltering(false);
        Screen->Clear(uint8_t(Background >> 16), uint8_t(Background >> 8), uint8_t(Background), 255);
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

// Counts the pixels that differ between two pictures of the same size.
inline int CountDifferences(const TPicture& A, const TPicture& B) {
    if (A.Width != B.Width || A.Height != B.Height) return -1;
    int Count = 0;
    for (int32_t Y = 0; Y < A.Height; ++Y) {
        for (int32_t X = 0; X < A.Width; ++X) Count += A.PixelRGBA(X, Y) != B.PixelRGBA(X, Y);
    }
    return Count;
}
