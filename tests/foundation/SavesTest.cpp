// The saved state across two runs of the game, with the calls in the order the
// main form makes them at start-up and at closing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "GameOptionsClass.h"
#include "HighScoresClass.h"
#include "NameListClass.h"
#include "PlayerProgressClass.h"
#include "SaveFolderFixture.h"

namespace fs = std::filesystem;

namespace {

struct TSavedState {
    TGameOptions Options;
    TNameList Names;
    THighScores Scores;
    TPlayerProgress Progress;

    void StartUp() {
        Options.SaveFilePath = SaveFolder;
        Options.Load();
        Names.FileName = SaveFolder + "Names.dat";
        Names.Load();
        Scores.NormalModeFileName = SaveFolder + "HighScores.dat";
        Scores.SetDefaultName("NOBODY");
        Scores.Load();
        Progress.MakeBlankRecord();
        Names.Select(Options.PlayerIndex);
    }
    void Close(const std::string& LoadedPlayer) {
        Scores.Offer(LoadedPlayer, Progress.Record().ScoreTotal);
        Scores.Save();
        if (!LoadedPlayer.empty()) Progress.Save(LoadedPlayer);
        Names.Save();
        Options.Save();
    }
};

using Saves = SaveFolderTest;

TEST_F(Saves, FirstStartMakesTheFilesAndTheNextStartFindsTheSession) {
    {
        TSavedState Game;
        Game.StartUp();
        EXPECT_EQ(fs::file_size(SaveFolder + "Names.dat"), 0u);
        EXPECT_EQ(fs::file_size(SaveFolder + "Options.dat"), 16u);
        EXPECT_EQ(fs::file_size(SaveFolder + "HighScores.dat"), 1300u);
        EXPECT_TRUE(Game.Names.IsEmpty());

        // The first player plays; the second is selected when the game closes.
        Game.Names.Add("anna");
        Game.Progress.Record().ScoreTotal = 4200;
        Game.Progress.Record().MagicKeys = 1;
        ASSERT_TRUE(Game.Progress.Save("ANNA"));
        Game.Names.Add("bob");
        Game.Options.PlayerIndex = static_cast<uint8_t>(Game.Names.Selected());
        Game.Options.Music = false;
        ASSERT_EQ(Game.Progress.Load("BOB"), lrNoFile);
        Game.Progress.Record().ScoreTotal = 300;
        Game.Close("BOB");
    }
    TSavedState Game;
    Game.StartUp();
    EXPECT_EQ(Game.Names.SelectedName(), "BOB");
    EXPECT_FALSE(Game.Options.Music);
    EXPECT_EQ(Game.Scores.Entry(1).Name, "BOB");
    EXPECT_EQ(Game.Scores.Entry(1).Score, 300);
    EXPECT_EQ(Game.Scores.Entry(2).Name, "NOBODY");
    EXPECT_EQ(Game.Progress.Load("BOB"), lrLoaded);
    EXPECT_EQ(Game.Progress.Record().ScoreTotal, 300);
    EXPECT_EQ(Game.Progress.Load("ANNA"), lrLoaded);
    EXPECT_EQ(Game.Progress.Record().ScoreTotal, 4200);
    EXPECT_EQ(Game.Progress.Record().MagicKeys, 1);
    EXPECT_TRUE(Messages.Messages().empty());
}

}  // namespace
