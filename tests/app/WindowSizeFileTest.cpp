// The window's kept size: what a start opens with for every state the file can be in,
// and that a save replaces whatever was there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "OmegaScreenClass.h"
#include "SaveFileClass.h"
#include "TestSupport.h"
#include "WindowSizeFileClass.h"

namespace {

void WriteBytes(const std::string& FileName, const std::vector<uint8_t>& Bytes) {
    std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

std::vector<uint8_t> Record(int32_t W, int32_t H) {
    std::vector<uint8_t> Bytes;
    for (int32_t V : {W, H}) {
        const auto U = static_cast<uint32_t>(V);
        for (int Shift = 0; Shift < 32; Shift += 8) Bytes.push_back(static_cast<uint8_t>(U >> Shift));
    }
    return Bytes;
}

TEST(WindowSizeFile, EachStateOfTheFileGivesTheRightWindow) {
    const SDL_Rect Display{0, 0, 1280, 1024};
    struct TCase {
        const char* What;
        std::vector<uint8_t> Bytes;  // empty with Missing: no file at all
        bool Missing;
        bool Folder;  // a folder of that name: unreadable
        SDL_Rect Display;
        int32_t W, H;
    };
    std::vector<uint8_t> Long = Record(1000, 700);
    Long.push_back(0);
    const std::vector<TCase> Cases = {
        {"missing", {}, true, false, Display, 800, 600},
        {"kept size", Record(1000, 700), false, false, Display, 1000, 700},
        {"exactly the display", Record(1280, 1024), false, false, Display, 1280, 1024},
        {"empty", {}, false, false, Display, 800, 600},
        {"short", {0xE8, 0x03, 0, 0}, false, false, Display, 800, 600},
        {"long", Long, false, false, Display, 800, 600},
        {"unreadable", {}, false, true, Display, 800, 600},
        {"wider than the display", Record(1281, 700), false, false, Display, 800, 600},
        {"taller than the display", Record(1000, 1025), false, false, Display, 800, 600},
        {"negative", Record(-1000, 700), false, false, Display, 800, 600},
        {"too small to play", Record(319, 240), false, false, Display, 800, 600},
        {"smallest kept", Record(320, 240), false, false, Display, 320, 240},
        {"missing, small display", {}, true, false, SDL_Rect{0, 0, 640, 480}, 640, 480},
        {"too big, small display", Record(900, 700), false, false, SDL_Rect{0, 0, 1024, 500}, 800, 500},
    };
    for (const TCase& Case : Cases) {
        TTempFolder Folder;
        TWindowSizeFile File;
        File.FileName = Folder.Path() + "WindowSize.dat";
        if (Case.Folder) {
            std::filesystem::create_directory(File.FileName);
        } else if (!Case.Missing) {
            WriteBytes(File.FileName, Case.Bytes);
        }
        TMessageCapture Messages;
        int32_t W = 0, H = 0;
        File.Load(Case.Display, W, H);
        EXPECT_EQ(W, Case.W) << Case.What;
        EXPECT_EQ(H, Case.H) << Case.What;
        EXPECT_TRUE(Messages.Messages().empty()) << Case.What << ": nothing is told";
    }
}

TEST(WindowSizeFile, ASaveReplacesADamagedFileAndIsReadBack) {
    TTempFolder Folder;
    TWindowSizeFile File;
    File.FileName = Folder.Path() + "WindowSize.dat";
    WriteBytes(File.FileName, {1, 2, 3});
    ASSERT_TRUE(File.Save(1111, 777));
    EXPECT_EQ(std::filesystem::file_size(File.FileName), TWindowSizeFile::RecordSize);
    int32_t W = 0, H = 0;
    File.Load(SDL_Rect{0, 0, 1920, 1080}, W, H);
    EXPECT_EQ(W, 1111);
    EXPECT_EQ(H, 777);
    // Only the file itself is left in the folder: no temporary beside it.
    int Entries = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder.Path())) {
        (void)Entry;
        ++Entries;
    }
    EXPECT_EQ(Entries, 1);
}

TEST(LetterboxScaling, TheFrameIsSampledExactlyOnlyAtWholeScales) {
    struct TCase {
        SDL_Rect Target;
        SDL_ScaleMode Mode;
    };
    const TCase Cases[] = {
        {{0, 0, 800, 600}, SDL_ScaleModeNearest},     {{0, 0, 1600, 1200}, SDL_ScaleModeNearest},
        {{0, 0, 1024, 768}, SDL_ScaleModeLinear},     {{240, 0, 1440, 1080}, SDL_ScaleModeLinear},
        {{0, 0, 1600, 1199}, SDL_ScaleModeLinear},    {{0, 0, 400, 300}, SDL_ScaleModeLinear},
        {{0, 0, 0, 0}, SDL_ScaleModeNearest},
    };
    for (const TCase& Case : Cases) {
        EXPECT_EQ(LetterboxScaleMode(Case.Target, 800, 600), Case.Mode) << Case.Target.w << "x" << Case.Target.h;
    }
}

}  // namespace
