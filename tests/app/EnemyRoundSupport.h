// What the worms' and the spiders' round tests share: a game folder whose one
// level of island 1 is changed for the test, and a player who may use the spray.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "LevelFileClass.h"
#include "RecordBytesClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

// A game folder with the build's data and one level of island 1, changed by Change.
class TEnemyLevelGame {
public:
    TEnemyLevelGame(int32_t Level, const std::function<void(TLevelRecord&)>& Change) {
        namespace fs = std::filesystem;
        const fs::path Game = TTestDriver::DefaultGameFolder();
        for (const char* Sub : {"Images", "Sounds", "Music", "Texts"})
            fs::create_directory_symlink(Game / Sub, fs::path(Folder.Path()) / Sub);
        fs::create_directories(Folder.Path() + "Levels");
        const std::string Name = LevelName(1, Level) + ".qel";
        TLevelRecord Record;
        EXPECT_TRUE(LoadLevelFile((Game / "Levels" / Name).string(), Record));
        Change(Record);
        std::string Error;
        EXPECT_TRUE(WriteLevelFile(Folder.Path() + "Levels/" + Name, Record, Error)) << Error;
    }
    const std::string& Path() const { return Folder.Path(); }

private:
    TTempFolder Folder;
};

// A saved player with every tool unlocked and three sprays.
inline void WriteSaveWithAerosols(TTestDriver& Driver, const std::string& Name) {
    TProgressRecord Record = InitialProgressRecord();
    Record.UnlockedToolLevel = toAerosol;
    Record.Aerosols = 3;
    Driver.WritePlayerList({Name});
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    WriteWholeFile(Driver.UserDataFolder() + "/Quellow/" + Name + ".sav",
                   std::string(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}
