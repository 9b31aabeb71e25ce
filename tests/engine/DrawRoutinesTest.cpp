// The shared drawing helpers: smooth drawing by name, the spider web, tile sizes.
#include <gtest/gtest.h>

#include "DrawRoutinesClass.h"
#include "EngineTestSupport.h"

namespace {

class DrawRoutines : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        SetGameImageList(Images.get());
    }
    void TearDown() override {
        SetGameImageList(nullptr);
        ScreenFixture::TearDown();
    }
};

TEST_F(DrawRoutines, TileSizesOfNamedImages) {
    AddPicture("Lockers", SolidPicture(138, 138, 0xFFFFFFFF), 3, 3);
    EXPECT_EQ(ImageTileWidth("Lockers"), 46);
    EXPECT_EQ(ImageTileHeight("Lockers"), 46);
    int32_t W = -1;
    int32_t H = -1;
    GetImageTileSize(W, H, "Lockers");
    EXPECT_EQ(W, 46);
    EXPECT_EQ(H, 46);
    GetImageTileSize(W, H, "NotLoaded");
    EXPECT_EQ(W, 0);
    EXPECT_EQ(H, 0);
    SetGameImageList(nullptr);
    EXPECT_EQ(ImageTileWidth("Lockers"), 0);
    DrawImageSmooth("Lockers", 0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);  // no list: nothing happens
}

TEST_F(DrawRoutines, SmoothDrawsFilterOnlyThemselves) {
    TPicture Pair;
    Pair.SetSize(2, 1);
    Pair.SetPixelRGBA(0, 0, 0x000000FF);
    Pair.SetPixelRGBA(1, 0, 0xFFFFFFFF);
    AddPicture("Pair", Pair);
    const TPicture Drawn = Frame([&] {
        DrawImageSmooth("Pair", 100, 100, 0, 0, 0, 8, 8, 255, 255, 255, 255, 0);
        EXPECT_FALSE(Screen->Filtering());
        DrawImageSmoothEx("Pair", 100, 200, 0, 0, 0, 8, 8, 255, 255, 255, 255, 0, 1);
        EXPECT_EQ(Screen->BlendMode(), 1);
        DrawImageSmooth("Pair", 300, 100, 0, 0, 0, 8, 8, 255, 255, 255, 255, NoPattern);
        Images->Find("Pair")->DrawEx(100, 300, 0, 0, 0, 8, 8, 255, 255, 255, 255, 0, 0);
    }, 0x000000);
    const auto Greys = [&](int32_t Y) {
        int Count = 0;
        for (int32_t X = 100; X < 116; ++X) {
            const int R = RgbOf(Drawn.PixelRGBA(X, Y)).R;
            Count += R > 8 && R < 247;
        }
        return Count;
    };
    EXPECT_GT(Greys(104), 4);
    EXPECT_GT(Greys(204), 4);
    EXPECT_EQ(Greys(304), 0);  // the plain draw after them is sharp again
    EXPECT_EQ(Drawn.PixelRGBA(305, 105), 0x000000FFu);
}

TEST_F(DrawRoutines, WebSitsOverTheTile) {
    TPicture Web = SolidPicture(276, 46, 0x000000FF);
    Web.FillRect(0, 0, 46, 46, 0xFFFFFFFF);  // pattern 0 white, the others black
    AddPicture("Web", Web, 6, 1);
    const TPicture Plain = Frame([&] { DrawWeb(Images.get(), 215, 90); });
    EXPECT_EQ(Plain.PixelRGBA(216, 88), 0xFFFFFFFFu);
    EXPECT_EQ(Plain.PixelRGBA(261, 133), 0xFFFFFFFFu);
    EXPECT_EQ(Plain.PixelRGBA(215, 88), 0x000000FFu);
    EXPECT_EQ(Plain.PixelRGBA(262, 88), 0x000000FFu);
    EXPECT_EQ(Plain.PixelRGBA(216, 134), 0x000000FFu);
    // Scaled 1.13 from the same corner: about 52 pixels instead of 46.
    const TPicture Scaled = Frame([&] { DrawWebScaled(Images.get(), 215, 90); });
    EXPECT_EQ(Scaled.PixelRGBA(216, 88), 0xFFFFFFFFu);
    EXPECT_EQ(RgbOf(Scaled.PixelRGBA(264, 130)).R, 255);
    EXPECT_EQ(Scaled.PixelRGBA(270, 88), 0x000000FFu);
    EXPECT_FALSE(Screen->Filtering());
}

}  // namespace
