// The main set's decoding ahead on worker threads: every file comes out as the
// one-by-one loader would read it, in the list's order, failures included.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "PictureDecoderClass.h"
#include "TestSupport.h"

namespace {

TEST(PictureDecoder, HandsOutEveryFileInOrderAsTheLoaderReadsIt) {
    TTempFolder Folder;
    std::vector<TPictureFile> Files;
    for (int I = 0; I < 12; ++I) {
        TPicture Picture;
        Picture.SetSize(3 + I, 2);
        Picture.SetPixelRGBA(0, 0, 0x10203000u + static_cast<uint32_t>(I));
        const std::string Path = Folder.Path() + "P" + std::to_string(I) + ".png";
        ASSERT_TRUE(Picture.SavePng(Path));
        Files.push_back(TPictureFile{Path, false});
    }
    // A missing file and one that is not a picture fail in their place; the rest go on.
    Files.insert(Files.begin() + 4, TPictureFile{Folder.Path() + "Missing.png", false});
    {
        std::ofstream Bad(Folder.Path() + "Bad.jpg");
        Bad << "not a picture";
    }
    Files.insert(Files.begin() + 9, TPictureFile{Folder.Path() + "Bad.jpg", true});

    for (int Workers : {1, 3}) {
        TPictureDecoder Decoder;
        Decoder.Start(Files, Workers);
        for (size_t I = 0; I < Files.size(); ++I) {
            TPicture Got;
            const bool Read = Decoder.Take(I, Got);
            TPicture Want;
            const bool WantRead = ReadPictureFile(Files[I], Want);
            ASSERT_EQ(Read, WantRead) << I;
            EXPECT_EQ(Got.Width, Want.Width) << I;
            EXPECT_EQ(Got.Pixels, Want.Pixels) << I;
        }
        TPicture Beyond;
        EXPECT_FALSE(Decoder.Take(Files.size(), Beyond));
    }
}

TEST(PictureDecoder, AStoppedDecoderNeverLeavesATakeWaiting) {
    TTempFolder Folder;
    std::vector<TPictureFile> Files;
    for (int I = 0; I < 50; ++I) Files.push_back(TPictureFile{Folder.Path() + "None" + std::to_string(I) + ".png", false});
    TPictureDecoder Decoder;
    Decoder.Start(Files, 1);
    Decoder.Stop();
    for (size_t I = 0; I < Files.size(); ++I) {
        TPicture Got;
        EXPECT_FALSE(Decoder.Take(I, Got));
    }
}

}  // namespace
