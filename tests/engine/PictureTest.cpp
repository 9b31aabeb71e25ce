// Decoding PNG, JPEG and BMP pictures, and refusing damaged ones.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "EngineTestSupport.h"
#include "JpegSupport.h"
#include "TestSupport.h"

namespace {

std::string EncodeBmp(const TPicture& Picture) {
    SDL_Surface* Surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint8_t*>(Picture.Pixels.data()), Picture.Width, Picture.Height, 32, Picture.Width * 4,
        SDL_PIXELFORMAT_RGBA32);
    SDL_Surface* Opaque = SDL_ConvertSurfaceFormat(Surface, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(Surface);
    std::string Bytes(Picture.Width * Picture.Height * 4 + 1024, '\0');
    SDL_RWops* Stream = SDL_RWFromMem(Bytes.data(), static_cast<int>(Bytes.size()));
    SDL_SaveBMP_RW(Opaque, Stream, 0);
    Bytes.resize(static_cast<size_t>(SDL_RWtell(Stream)));
    SDL_RWclose(Stream);
    SDL_FreeSurface(Opaque);
    return Bytes;
}

TPicture Translucent() {
    TPicture Picture = CoordinatePicture(24, 16);
    Picture.FillRect(0, 0, 6, 4, 0x11223300);
    Picture.FillRect(6, 0, 6, 4, 0xAABBCC80);
    return Picture;
}

// Four flat 8x8 blocks: JPEG keeps flat colours nearly exactly.
TPicture Blocks() {
    TPicture Picture;
    Picture.SetSize(16, 16);
    Picture.FillRect(0, 0, 8, 8, 0xFF0000FF);
    Picture.FillRect(8, 0, 8, 8, 0x00FF00FF);
    Picture.FillRect(0, 8, 8, 8, 0x0000FFFF);
    Picture.FillRect(8, 8, 8, 8, 0x808080FF);
    return Picture;
}

TEST(Picture, PngKeepsEveryPixelAndItsAlpha) {
    TTempFolder Folder;
    const TPicture Original = Translucent();
    ASSERT_TRUE(Original.SavePng(Folder.Path() + "Sprite.png"));
    for (const char* Name : {"Sprite.png"}) {
        TPicture Loaded;
        ASSERT_TRUE(LoadPicture(Folder.Path() + Name, Loaded));
        EXPECT_EQ(Loaded.Width, 24);
        EXPECT_EQ(Loaded.Height, 16);
        EXPECT_EQ(Loaded.Pixels, Original.Pixels);
    }
    // The extension's letter case does not matter.
    std::rename((Folder.Path() + "Sprite.png").c_str(), (Folder.Path() + "Sprite.PNG").c_str());
    TPicture Upper;
    EXPECT_TRUE(LoadPicture(Folder.Path() + "Sprite.PNG", Upper));
    EXPECT_EQ(Upper.Pixels, Original.Pixels);
}

TEST(Picture, JpegAndBmpDecodeToTheirOwnSize) {
    TTempFolder Folder;
    WriteWholeFile(Folder.Path() + "Background.jpg", EncodeJpeg(Blocks()));
    TPicture Jpeg;
    ASSERT_TRUE(LoadPicture(Folder.Path() + "Background.jpg", Jpeg));
    EXPECT_EQ(Jpeg.Width, 16);
    EXPECT_EQ(Jpeg.Height, 16);
    for (const auto& [X, Y] : {std::pair{3, 3}, std::pair{12, 3}, std::pair{3, 12}, std::pair{12, 12}}) {
        const TRgb Got = RgbOf(Jpeg.PixelRGBA(X, Y));
        const TRgb Want = RgbOf(Blocks().PixelRGBA(X, Y));
        EXPECT_NEAR(Got.R, Want.R, 3);
        EXPECT_NEAR(Got.G, Want.G, 3);
        EXPECT_NEAR(Got.B, Want.B, 3);
        EXPECT_EQ(Jpeg.PixelRGBA(X, Y) & 0xFF, 0xFFu);
    }

    const TPicture Garden = CoordinatePicture(30, 20);
    WriteWholeFile(Folder.Path() + "Garden.bmp", EncodeBmp(Garden));
    TPicture Bmp;
    ASSERT_TRUE(LoadPicture(Folder.Path() + "Garden.bmp", Bmp));
    EXPECT_EQ(Bmp.Pixels, Garden.Pixels);
}

TEST(Picture, DamagedFilesAreFailedLoads) {
    TTempFolder Folder;
    const std::string Png = [&] {
        Translucent().SavePng(Folder.Path() + "Good.png");
        return ReadWholeFile(Folder.Path() + "Good.png");
    }();
    const std::string Jpeg = EncodeJpeg(Blocks());
    const std::string Bmp = EncodeBmp(CoordinatePicture(30, 20));
    std::string BitFlippedPng = Png;
    BitFlippedPng[Png.size() / 2] = static_cast<char>(BitFlippedPng[Png.size() / 2] ^ 0x5A);
    std::string HugeBmp = Bmp;
    HugeBmp[18] = '\x7F';  // width far beyond any picture
    HugeBmp[21] = '\x7F';
    const struct {
        const char* Name;
        std::string Bytes;
    } Cases[] = {
        {"Empty.png", ""},
        {"Truncated.png", Png.substr(0, Png.size() / 2)},
        {"Header.png", Png.substr(0, 30)},
        {"Corrupt.png", BitFlippedPng},
        {"Truncated.jpg", Jpeg.substr(0, Jpeg.size() / 2)},
        {"Header.jpg", Jpeg.substr(0, 20)},
        {"Garbage.jpg", std::string(500, '\x55')},
        {"Truncated.bmp", Bmp.substr(0, 60)},
        {"Huge.bmp", HugeBmp},
        {"PngBytes.jpg", Png},
        {"JpegBytes.png", Jpeg},
        {"Other.gif", Png},
    };
    for (const auto& Case : Cases) {
        WriteWholeFile(Folder.Path() + Case.Name, Case.Bytes);
        TPicture Loaded = CoordinatePicture(2, 2);
        EXPECT_FALSE(LoadPicture(Folder.Path() + Case.Name, Loaded)) << Case.Name;
        EXPECT_TRUE(Loaded.Empty()) << Case.Name;
    }
    TPicture Missing;
    EXPECT_FALSE(LoadPicture(Folder.Path() + "Missing.png", Missing));
    EXPECT_FALSE(LoadPicture(Folder.Path(), Missing));  // a folder
}

}  // namespace
