// The garden picture's file: what it writes reads back as it was, and every
// file that is not a picture of ours is turned away, so the live garden shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "MirelIslandShotClass.h"
#include "SaveFileClass.h"
#include "TestSupport.h"

namespace {

TPicture GardenLikePicture(int32_t Width, int32_t Height) {
    TPicture Picture;
    Picture.SetSize(Width, Height);
    for (int32_t Y = 0; Y < Height; ++Y)
        for (int32_t X = 0; X < Width; ++X)
            Picture.SetPixelRGBA(X, Y, (static_cast<uint32_t>(X & 0xFF) << 24) | (static_cast<uint32_t>(Y & 0xFF) << 16) |
                                           (static_cast<uint32_t>((X + Y) & 0xFF) << 8) | 0xFF);
    return Picture;
}

std::string AsString(const std::vector<uint8_t>& Bytes) { return std::string(Bytes.begin(), Bytes.end()); }

}  // namespace

TEST(GardenPictureFile, WrittenPictureReadsBackPixelForPixel) {
    TTempFolder Folder;
    const std::string File = Folder.Path() + "Anna.bmp";
    const TPicture Shot = GardenLikePicture(800, 600);
    ASSERT_TRUE(TMirelIslandShot::WritePictureFile(File, Shot));
    EXPECT_LT(std::filesystem::file_size(File), TMirelIslandShot::MaxFileBytes);
    TPicture Read;
    ASSERT_TRUE(TMirelIslandShot::ReadPictureFile(File, Read));
    ASSERT_EQ(Read.Width, 800);
    ASSERT_EQ(Read.Height, 600);
    for (const auto& [X, Y] : {std::pair{0, 0}, {799, 0}, {0, 599}, {799, 599}, {321, 457}})
        EXPECT_EQ(Read.PixelRGBA(X, Y), Shot.PixelRGBA(X, Y)) << X << "," << Y;
    // Nothing of the temporary file is left beside it.
    int32_t Files = 0;
    for ([[maybe_unused]] const auto& Entry : std::filesystem::directory_iterator(Folder.Path())) ++Files;
    EXPECT_EQ(Files, 1);
}

TEST(GardenPictureFile, FilesThatAreNotOurPicturesAreTurnedAway) {
    TTempFolder Folder;
    const std::string Dir = Folder.Path();
    const std::vector<uint8_t> Good = TMirelIslandShot::EncodeBmp(GardenLikePicture(800, 600));
    std::vector<uint8_t> Truncated(Good.begin(), Good.begin() + static_cast<std::ptrdiff_t>(Good.size() / 2));
    std::vector<uint8_t> Oversized = Good;
    Oversized.resize(TMirelIslandShot::MaxFileBytes + 10, 0);
    struct TCase {
        const char* Name;
        std::string Bytes;  // empty: no file at all
    };
    const TCase Cases[] = {
        {"missing", ""},
        {"empty", std::string()},
        {"not a bmp", "\x89PNG\r\n\x1a\n and some more bytes that are no picture"},
        {"small bmp", AsString(TMirelIslandShot::EncodeBmp(GardenLikePicture(10, 10)))},
        {"screen turned", AsString(TMirelIslandShot::EncodeBmp(GardenLikePicture(600, 800)))},
        {"truncated", AsString(Truncated)},
        {"over 2 MB", AsString(Oversized)},
    };
    for (const TCase& Case : Cases) {
        const std::string File = Dir + Case.Name + ".bmp";
        if (std::string(Case.Name) != "missing") WriteWholeFile(File, Case.Bytes);
        TPicture Read;
        EXPECT_FALSE(TMirelIslandShot::ReadPictureFile(File, Read)) << Case.Name;
        EXPECT_TRUE(Read.Empty()) << Case.Name;
    }
    // A folder where the picture should be.
    std::filesystem::create_directory(Dir + "Folder.bmp");
    TPicture Read;
    EXPECT_FALSE(TMirelIslandShot::ReadPictureFile(Dir + "Folder.bmp", Read));
}

TEST(GardenPictureFile, AFailedWriteIsToldOnceAndLeavesNoFile) {
    TTempFolder Folder;
    TMessageCapture Messages;
    ForgetReportedSaveFailures();
    const std::string File = Folder.Path() + "gone/Anna.bmp";  // its folder does not exist
    EXPECT_FALSE(TMirelIslandShot::WritePictureFile(File, GardenLikePicture(800, 600)));
    EXPECT_FALSE(TMirelIslandShot::WritePictureFile(File, GardenLikePicture(800, 600)));
    EXPECT_EQ(Messages.Messages().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(File));
    ForgetReportedSaveFailures();
}

TEST(GardenPictureFlags, APurchaseMakesThePictureDueAndALoadedPlayerStartsClean) {
    TMirelIslandShot Shot;
    Shot.SetCurrent(true);
    Shot.MarkChanged();
    EXPECT_FALSE(Shot.Current());
    EXPECT_TRUE(Shot.ShotDue());
    Shot.ShotTaken();
    EXPECT_FALSE(Shot.ShotDue());
    Shot.RequestShot();
    Shot.Clear();
    EXPECT_FALSE(Shot.ShotDue());
    EXPECT_FALSE(Shot.Current());
}
