#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FuzzSeeds.h"
#include "GameOptionsClass.h"
#include "SaveFolderFixture.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

using GameOptionsFile = SaveFolderTest;

TGameOptions OptionsIn(const std::string& Folder) {
    TGameOptions Options;
    Options.SaveFilePath = Folder;
    return Options;
}

TEST_F(GameOptionsFile, MissingFileIsCreatedWithTheDefaults) {
    TGameOptions Options = OptionsIn(SaveFolder);
    Options.Load();
    EXPECT_TRUE(Options.Sound);
    EXPECT_TRUE(Options.Music);
    EXPECT_EQ(Options.SFXVolume, 80);
    EXPECT_EQ(Options.MusicVolume, 70);
    EXPECT_TRUE(Options.FullScreen);
    EXPECT_EQ(Options.PlayerIndex, 1);
    const std::string Bytes = ReadWholeFile(SaveFolder + "Options.dat");
    AddFuzzSeed("GameOptions", Bytes);
    EXPECT_EQ(Bytes, std::string("\x01\x01\0\0" "\x50\0\0\0" "\x46\0\0\0" "\x01\x01\0\0", 16));
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(GameOptionsFile, EveryValueAtItsOffsetAndBack) {
    TGameOptions Options = OptionsIn(SaveFolder);
    Options.Sound = false;
    Options.Music = true;
    Options.SFXVolume = 0;
    Options.MusicVolume = 100;
    Options.FullScreen = false;
    Options.PlayerIndex = 6;
    ASSERT_TRUE(Options.Save());
    const std::string Bytes = ReadWholeFile(SaveFolder + "Options.dat");
    AddFuzzSeed("GameOptions", Bytes);
    EXPECT_EQ(Bytes, std::string("\x00\x01\0\0" "\0\0\0\0" "\x64\0\0\0" "\x00\x06\0\0", 16));

    TGameOptions Again = OptionsIn(SaveFolder);
    Again.Load();
    EXPECT_FALSE(Again.Sound);
    EXPECT_TRUE(Again.Music);
    EXPECT_EQ(Again.SFXVolume, 0);
    EXPECT_EQ(Again.MusicVolume, 100);
    EXPECT_FALSE(Again.FullScreen);
    EXPECT_EQ(Again.PlayerIndex, 6);
}

// Values no options screen can produce are brought back into range.
TEST_F(GameOptionsFile, OutOfRangeValuesAreMadeUsable) {
    const struct {
        std::string Bytes;
        bool Sound;
        int32_t SFX, Music;
        uint8_t Player;
    } Cases[] = {
        {std::string("\x02\x00\0\0" "\xFF\xFF\xFF\xFF" "\xE8\x03\0\0" "\x01\x00\0\0", 16), true, 0, 100, 1},
        {std::string("\x00\x00\0\0" "\0\0\0\x80" "\xFF\xFF\xFF\x7F" "\x01\x07\0\0", 16), false, 0, 100, 1},
        {std::string("\xFF\x00\xAA\xAA" "\x32\0\0\0" "\x00\0\0\0" "\x00\xFF\xAA\xAA", 16), true, 50, 0, 1},
    };
    for (const auto& C : Cases) {
        WriteWholeFile(SaveFolder + "Options.dat", C.Bytes);
        TGameOptions Options = OptionsIn(SaveFolder);
        Options.Load();
        EXPECT_EQ(Options.Sound, C.Sound);
        EXPECT_EQ(Options.SFXVolume, C.SFX);
        EXPECT_EQ(Options.MusicVolume, C.Music);
        EXPECT_EQ(Options.PlayerIndex, C.Player);
    }
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(GameOptionsFile, DamagedFileIsSetAsideAndTheDefaultsWritten) {
    const std::string Name = SaveFolder + "Options.dat";
    for (size_t Size : {0u, 15u, 17u}) {
        Messages.Clear();
        WriteWholeFile(Name, std::string(Size, '\0'));
        TGameOptions Options = OptionsIn(SaveFolder);
        Options.SFXVolume = 3;  // whatever was there before, the defaults come back
        Options.Load();
        EXPECT_EQ(Options.SFXVolume, 80) << Size;
        EXPECT_EQ(fs::file_size(Name + ".damaged"), Size);
        EXPECT_EQ(fs::file_size(Name), 16u);
        ASSERT_EQ(Messages.Messages().size(), 1u);
        EXPECT_NE(Messages.Messages()[0].Text.find(Name), std::string::npos);
    }
}

}  // namespace
