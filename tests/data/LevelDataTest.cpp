// Checks of the level files the build makes: island 1 is complete, every file
// loads, keeps every level rule and is exactly what its source compiles to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FoldersClass.h"
#include "GeneralRoutinesClass.h"
#include "LevelCompilerClass.h"
#include "LevelFileClass.h"
#include "LevelSourceClass.h"
#include "LevelStartClass.h"
#include "TestSupport.h"

namespace {

std::string LevelName(int32_t Island, int32_t Level) {
    char Name[16];
    std::snprintf(Name, sizeof Name, "%d-%02d", Island, Level);
    return Name;
}

class ShippedLevels : public ::testing::Test {
protected:
    void SetUp() override { SetAppFolder(QUELLOW_GAME_DIR); }

    // Every built level of island 1, loaded the way the game loads it.
    std::vector<TLevelSource> IslandOne() {
        std::vector<TLevelSource> Levels;
        for (int32_t Level = 1; Level <= IslandLevelCount(1); ++Level) {
            TLevelRecord Record;
            EXPECT_TRUE(LoadLevelFile(LevelFileName(1, Level), Record)) << LevelName(1, Level);
            Levels.push_back(SourceFromRecord(Record, LevelFileName(1, Level)));
        }
        return Levels;
    }

    TMessageCapture Messages;
};

TEST_F(ShippedLevels, IslandOneHasItsFifteenLevelsAndNoMore) {
    std::vector<std::string> Files;
    for (const auto& Entry : std::filesystem::directory_iterator(LevelsFolder))
        if (Entry.path().extension() == ".qel") Files.push_back(Entry.path().filename().string());
    for (int32_t Level = 1; Level <= 15; ++Level) {
        const std::string Name = LevelName(1, Level) + ".qel";
        EXPECT_NE(std::find(Files.begin(), Files.end(), Name), Files.end()) << Name;
        EXPECT_EQ(std::filesystem::file_size(LevelsFolder + Name), LevelRecordBytes) << Name;
    }
    EXPECT_FALSE(std::filesystem::exists(LevelFileName(1, 16)));
    for (int32_t Level = 1; Level <= 15; ++Level) {
        const TLevelSummary Summary = ScanLevel(1, Level);
        EXPECT_TRUE(Summary.Exists && Summary.Playable) << LevelName(1, Level);
    }
}

TEST_F(ShippedLevels, EveryLevelKeepsTheRules) {
    const std::vector<TLevelSource> Levels = IslandOne();
    for (const TLevelSource& Level : Levels)
        for (const TLevelProblem& Problem : CheckLevelRules(Level)) ADD_FAILURE() << Problem.Text();
    for (const TLevelProblem& Problem : CheckIslandRules(Levels)) ADD_FAILURE() << Problem.Text();
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(ShippedLevels, EachFileIsWhatItsSourceCompilesTo) {
    for (int32_t Level = 1; Level <= 15; ++Level) {
        const std::string Name = LevelName(1, Level);
        const std::string SourcePath = std::string(QUELLOW_SOURCE_DIR) + "/assets/levels/" + Name + ".lvl";
        TLevelSource Source;
        const auto Problems = CompileLevelSource(ReadWholeFile(SourcePath), SourcePath, Source);
        ASSERT_TRUE(Problems.empty()) << Problems[0].Text();
        EXPECT_EQ(ReadWholeFile(LevelFileName(1, Level)), [&] {
            std::string Bytes(LevelRecordBytes, '\0');
            EncodeLevelRecord(Source.Record, reinterpret_cast<uint8_t*>(Bytes.data()));
            return Bytes;
        }()) << Name;

        // And back: the source written from the file compiles to the same bytes.
        std::string Text;
        std::string Error;
        ASSERT_TRUE(WriteLevelSource(Source.Record, Name, Text, Error)) << Error;
        TLevelSource Again;
        ASSERT_TRUE(CompileLevelSource(Text, Name + ".lvl", Again).empty()) << Name;
        EXPECT_EQ(Again.Record, Source.Record) << Name;
    }
}

TEST_F(ShippedLevels, IslandOneIntroducesItsObjectivesAndEndsWithTheBird) {
    const std::vector<TLevelSource> Levels = IslandOne();
    const TGameObjective Expected[] = {goTargetFruits, goTargetFruits, goCollectFruits, goTargetFruits, goCollectFruits,
                                       goClearTiles,   goFindFlowers,  goTargetFruits,  goClearTiles,   goSpiderHunt,
                                       goCollectFruits, goFindFlowers, goClearTiles,    goTargetFruits, goBeatMonster};
    for (size_t I = 0; I < Levels.size(); ++I) EXPECT_EQ(Levels[I].Record.Objective, Expected[I]) << I + 1;
    // Action first on level 8, challenge only from level 14; no holes before level 9.
    for (const TLevelSource& Level : Levels) {
        const TLevelRecord& R = Level.Record;
        if (Level.Level < 8) {
            EXPECT_EQ(R.LevelKind, lkNormal) << Level.Level;
        }
        if (Level.Level < 14) {
            EXPECT_NE(R.LevelKind, lkChallenge) << Level.Level;
        }
        if (Level.Level < 9) {
            int32_t Unused = 0;
            for (int32_t X = 1; X <= 10; ++X)
                for (int32_t Y = 1; Y <= 10; ++Y) Unused += R.Tiles.At(X, Y).Kind == okUnused ? 1 : 0;
            EXPECT_EQ(Unused, 0) << Level.Level;
        }
    }
    // Each feature is brought in by its own level: nothing of it comes before.
    const struct {
        int32_t Level;
        THeldFeature Feature;
    } Firsts[] = {{1, hfUniFruits},  {2, hfFruitBombs},   {3, hfMultiBubbles}, {4, hfSpiderInterval}, {5, hfBrooms},
                  {6, hfMagicKeys},  {7, hfWormInterval}, {8, hfAerosols},     {9, hfHammers}};
    for (const auto& F : Firsts) {
        for (int32_t Level = 1; Level < F.Level; ++Level)
            EXPECT_LE(FeatureValue(Levels[static_cast<size_t>(Level - 1)].Record, F.Feature), 0)
                << "level " << Level << " shows feature " << int(F.Feature) << " before level " << F.Level;
        const TLevelStart Start = PrepareLevelStart(Levels[static_cast<size_t>(F.Level - 1)].Record, {1, F.Level});
        EXPECT_TRUE(Start.Held.Contains(F.Feature));
        EXPECT_GT(FeatureValue(Levels[static_cast<size_t>(F.Level - 1)].Record, F.Feature), 0)
            << "level " << F.Level << " keeps its feature once the tip has put its own value back";
    }
}

}  // namespace
