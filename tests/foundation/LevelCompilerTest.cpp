#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "BoardGroupsClass.h"
#include "LevelCompilerClass.h"

namespace {

// A valid level; every rule case below changes a line or two of it.
const std::string BaseSource =
    "Objective = TargetFruits\n"      // 1
    "LevelKind = Normal\n"            // 2
    "FruitColorCount = 5\n"           // 3
    "Time = 120\n"                    // 4
    "FullRequiredFruits = 60\n"       // 5
    "FruitCountTarget = 50\n"         // 6
    "TargetBananas = 0\n"             // 7
    "TargetPlums = 0\n"               // 8
    "TargetSpidersToHunt = 0\n"       // 9
    "FlowerSlots = 3\n"               // 10
    "OneFlowerPerLockersMin = 6\n"    // 11
    "OneFlowerPerLockersMax = 10\n"   // 12
    "OneUniFruitEveryProb = 40\n"     // 13
    "MaxSpidersOnBoard = 2\n"         // 14
    "SpiderFruitsInterval = 60\n"     // 15
    "MaxWebs = 3\n"                   // 16
    "OneWebEveryProb = 15\n"          // 17
    "WormFruitsInterval = 0\n"        // 18
    "MonsterEnergy = 60\n"            // 19
    "OneEntryEveryProb = 8\n"         // 20
    "Board =\n"                       // 21
    "  x x x x x x x x x x\n"         // 22, row 1
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"         // 26, row 5
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n";        // 31, row 10

const std::string XRow = "  x x x x x x x x x x\n";
const std::string EmptyRow = "  . . . . . . . . . .\n";

using TChanges = std::vector<std::pair<std::string, std::string>>;

// The base source with each "from" text replaced once by its "to" text.
std::string Changed(const TChanges& Changes) {
    std::string Text = BaseSource;
    for (const auto& [From, To] : Changes) {
        const size_t At = Text.find(From);
        EXPECT_NE(At, std::string::npos) << From;
        if (At != std::string::npos) Text.replace(At, From.size(), To);
    }
    return Text;
}

// The board part of the base replaced by the given ten rows.
std::string WithBoard(const std::string& Rows) {
    std::string Text = BaseSource;
    return Text.substr(0, Text.find("Board =\n") + 8) + Rows;
}

std::vector<TLevelProblem> Compile(const std::string& Text, const std::string& Name = "2-03.lvl") {
    TLevelSource Source;
    return CompileLevelSource(Text, Name, Source);
}

std::string Listed(const std::vector<TLevelProblem>& Problems) {
    std::string Text;
    for (const auto& P : Problems) Text += "\n  " + P.Text();
    return Text;
}

bool Has(const std::vector<TLevelProblem>& Problems, const std::string& Rule, int32_t Line) {
    for (const auto& P : Problems)
        if (P.Rule == Rule && P.Line == Line) return true;
    return false;
}

TEST(LevelCompiler, TheBaseLevelPasses) {
    const auto Problems = Compile(BaseSource);
    EXPECT_TRUE(Problems.empty()) << Listed(Problems);
}

TEST(LevelCompiler, EachRuleRefusesASourceThatBreaksIt) {
    const std::string Collect = "Objective = CollectFruits";
    const struct {
        const char* Name;
        std::string Text;
        const char* Rule;
        int32_t Line;
    } Cases[] = {
        {"bonus stage", Changed({{"Objective = TargetFruits", "Objective = BonusStage"}}), "objective", 1},
        {"no time", Changed({{"Time = 120", "Time = 0"}}), "divisor", 4},
        {"no shuffle count", Changed({{"FullRequiredFruits = 60", "FullRequiredFruits = 0"}}), "divisor", 5},
        {"no fruit target", Changed({{"FruitCountTarget = 50", "FruitCountTarget = 0"}}), "divisor", 6},
        {"no monster energy", Changed({{"MonsterEnergy = 60", "MonsterEnergy = -1"}}), "divisor", 19},
        {"time runs out at once", Changed({{"Time = 120", "Time = 28"}}), "time-limit", 4},
        {"time too long", Changed({{"Time = 120", "Time = 2147484"}}), "time-limit", 4},
        {"seven colours", Changed({{"FruitColorCount = 5", "FruitColorCount = 7"}}), "colours", 3},
        {"plums not in play", Changed({{"Objective = TargetFruits", Collect}, {"TargetPlums = 0", "TargetPlums = 4"}}),
         "colours", 8},
        {"fruits outside collect", Changed({{"TargetBananas = 0", "TargetBananas = 3"}}), "targets", 7},
        {"collect nothing", Changed({{"Objective = TargetFruits", Collect}}), "targets", 1},
        {"collect too many", Changed({{"Objective = TargetFruits", Collect}, {"TargetBananas = 0", "TargetBananas = 100"}}),
         "targets", 7},
        {"spiders outside a hunt", Changed({{"TargetSpidersToHunt = 0", "TargetSpidersToHunt = 4"}}), "spider-hunt", 9},
        {"hunt for no spider", Changed({{"Objective = TargetFruits", "Objective = SpiderHunt"}}), "spider-hunt", 9},
        {"hunt with no spider on the board",
         Changed({{"Objective = TargetFruits", "Objective = SpiderHunt"},
                  {"TargetSpidersToHunt = 0", "TargetSpidersToHunt = 5"},
                  {"MaxSpidersOnBoard = 2", "MaxSpidersOnBoard = 0"}}),
         "spider-hunt", 14},
        {"seven flowers", Changed({{"FlowerSlots = 3", "FlowerSlots = 7"}}), "flowers", 10},
        {"no flowers", Changed({{"FlowerSlots = 3", "FlowerSlots = 0"}}), "flowers", 10},
        {"no checks between flowers", Changed({{"OneFlowerPerLockersMin = 6", "OneFlowerPerLockersMin = 0"}}), "flowers",
         11},
        {"flower range upside down", Changed({{"OneFlowerPerLockersMax = 10", "OneFlowerPerLockersMax = 5"}}), "flowers",
         12},
        {"frame outside clear tiles", WithBoard("  x x x x x x x x x xf\n" + XRow + XRow + XRow + XRow + XRow + XRow +
                                                XRow + XRow + XRow),
         "frames", 21},
        {"clear tiles without frames", Changed({{"Objective = TargetFruits", "Objective = ClearTiles"}}), "frames", 21},
        {"too many spiders", Changed({{"MaxSpidersOnBoard = 2", "MaxSpidersOnBoard = 21"}}), "range", 14},
        {"negative chance", Changed({{"OneUniFruitEveryProb = 40", "OneUniFruitEveryProb = -1"}}), "range", 13},
        {"web chance zero", Changed({{"OneWebEveryProb = 15", "OneWebEveryProb = 0"}}), "range", 17},
        {"entry chance zero", Changed({{"OneEntryEveryProb = 8", "OneEntryEveryProb = 0"}}), "range", 20},
        {"web quota spun before the start",
         WithBoard("  xw x xw x xw x x x x x\n" + XRow + XRow + XRow + XRow + XRow + XRow + XRow + XRow + XRow),
         "web-quota", 16},
        {"worms at the monster", Changed({{"Objective = TargetFruits", "Objective = BeatMonster"},
                                          {"WormFruitsInterval = 0", "WormFruitsInterval = 50"}}),
         "monster-worms", 18},
        {"no tiles", WithBoard(EmptyRow + EmptyRow + EmptyRow + EmptyRow + EmptyRow + EmptyRow + EmptyRow + EmptyRow +
                               EmptyRow + EmptyRow),
         "board-shape", 21},
        {"lonely tile", WithBoard(XRow + XRow + XRow + XRow + XRow + XRow + XRow + XRow + EmptyRow +
                                  "  . . . . x . . . . .\n"),
         "board-shape", 31},
        {"starting group", WithBoard(XRow + XRow + "  x x x x 2 2 2 x x x\n" + XRow + XRow + XRow + XRow + XRow + XRow +
                                     XRow),
         "board-group", 24},
        {"group around a corner", WithBoard(XRow + XRow + XRow + XRow + XRow + XRow + "  x x x x x x x x 3 3\n" +
                                            "  x x x x x x x x x 3\n" + XRow + XRow),
         "board-group", 28},
        {"opened tiles touch", WithBoard(XRow + XRow + XRow + XRow + "  xo xo x x x x x x x x\n" +
                                         "  x xo x x x x x x x x\n" + XRow + XRow + XRow + XRow),
         "board-opened", 26},
        {"no move", WithBoard("  1 2 3 1 2 3 1 2 3 1\n  2 3 1 2 3 1 2 3 1 2\n  3 1 2 3 1 2 3 1 2 3\n"
                              "  1 2 3 1 2 3 1 2 3 1\n  2 3 1 2 3 1 2 3 1 2\n  3 1 2 3 1 2 3 1 2 3\n"
                              "  1 2 3 1 2 3 1 2 3 1\n  2 3 1 2 3 1 2 3 1 2\n  3 1 2 3 1 2 3 1 2 3\n"
                              "  1 2 3 1 2 3 1 2 3 1\n"),
         "board-move", 21},
        {"no kind fits", WithBoard("  1 x 2 2 . . . . . .\n  1 3 . . . . . . . .\n  . 3 . . . . . . . .\n" + EmptyRow +
                                   EmptyRow + EmptyRow + EmptyRow + EmptyRow + EmptyRow + EmptyRow),
         "board-kinds", 21},
    };
    for (const auto& C : Cases) {
        const auto Problems = Compile(C.Text);
        EXPECT_TRUE(Has(Problems, C.Rule, C.Line)) << C.Name << ": expected [" << C.Rule << "] on line " << C.Line
                                                   << ", got:" << Listed(Problems);
    }
}

TEST(LevelCompiler, RulesThatDependOnWhatComes) {
    // Without spiders nothing needs room for webs.
    EXPECT_TRUE(Compile(Changed({{"SpiderFruitsInterval = 60", "SpiderFruitsInterval = 0"}, {"MaxWebs = 3", "MaxWebs = 0"}}))
                    .empty());
    // A hunt needs a web quota even with the wave interval off.
    EXPECT_TRUE(Has(Compile(Changed({{"Objective = TargetFruits", "Objective = SpiderHunt"},
                                     {"TargetSpidersToHunt = 0", "TargetSpidersToHunt = 5"},
                                     {"SpiderFruitsInterval = 60", "SpiderFruitsInterval = 0"},
                                     {"MaxWebs = 3", "MaxWebs = 0"}})),
                    "web-quota", 16));
    // The fifth island's monster fights with the fairy around: worms may come.
    const std::string MonsterWithWorms =
        Changed({{"Objective = TargetFruits", "Objective = BeatMonster"}, {"WormFruitsInterval = 0", "WormFruitsInterval = 50"}});
    EXPECT_TRUE(Compile(MonsterWithWorms, "5-03.lvl").empty());
    // Island 1's fourth level holds its spider interval at 20, so spiders come even when the file says 0.
    const std::string Level4 = Changed({{"SpiderFruitsInterval = 60", "SpiderFruitsInterval = 0"}, {"MaxWebs = 3", "MaxWebs = 0"}});
    EXPECT_TRUE(Compile(Level4, "2-04.lvl").empty());
    EXPECT_TRUE(Has(Compile(Level4, "1-04.lvl"), "web-quota", 16));
}

TEST(LevelCompiler, IslandOneIntroductions) {
    std::string Tutorial;
    for (const char* Row : TutorialBoardRows) {
        Tutorial += " ";
        for (int X = 0; X < 10; ++X) Tutorial += std::string(" ") + Row[X];
        Tutorial += "\n";
    }
    EXPECT_TRUE(Compile(WithBoard(Tutorial), "1-01.lvl").empty()) << Listed(Compile(WithBoard(Tutorial), "1-01.lvl"));

    const struct {
        const char* Name;
        std::string Text;
        const char* File;
        const char* Rule;
        int32_t Line;
    } Cases[] = {
        {"first lesson on another board", BaseSource, "1-01.lvl", "tutorial-board", 22},
        {"first lesson with three colours",
         WithBoard(Tutorial).replace(WithBoard(Tutorial).find("FruitColorCount = 5"), 19, "FruitColorCount = 3"),
         "1-01.lvl", "tutorial-board", 3},
        {"first lesson with a web", WithBoard(Tutorial).replace(WithBoard(Tutorial).find("  2 1 2 3"), 9, "  2w 1 2 3"),
         "1-01.lvl", "tutorial-board", 22},
        {"shuffle button never fills", Changed({{"FullRequiredFruits = 60", "FullRequiredFruits = 50"}}), "1-02.lvl",
         "introduction", 5},
        {"spiders on a collect level",
         Changed({{"Objective = TargetFruits", "Objective = CollectFruits"}, {"TargetBananas = 0", "TargetBananas = 9"}}),
         "1-04.lvl", "introduction", 1},
        {"no spiders for the first hunt lesson", Changed({{"MaxSpidersOnBoard = 2", "MaxSpidersOnBoard = 0"}}),
         "1-04.lvl", "introduction", 14},
        {"keys before they are unlocked", BaseSource + "OneMagicKeyEveryProb = 60\n", "1-05.lvl", "introduction", 32},
        {"nothing for the key", Changed({{"SpiderFruitsInterval = 60", "SpiderFruitsInterval = 0"}}), "1-06.lvl",
         "introduction", 21},
        // Level 7 holds the worms' interval at 20, so only a worm count of 0 keeps them away.
        {"no worms on level 7", Changed({{"Objective = TargetFruits", "Objective = FindFlowers"}}) + "MaxWormsOnBoard = 0\n",
         "1-07.lvl", "introduction", 32},
        {"level 7 is not find-flowers", BaseSource, "1-07.lvl", "introduction", 1},
        {"no hammers on level 9", BaseSource + "MaxHammersOnBoard = 0\n", "1-09.lvl", "introduction", 32},
    };
    for (const auto& C : Cases) {
        const auto Problems = Compile(C.Text, C.File);
        EXPECT_TRUE(Has(Problems, C.Rule, C.Line)) << C.Name << ": expected [" << C.Rule << "] on line " << C.Line
                                                   << ", got:" << Listed(Problems);
    }
}

TEST(LevelCompiler, ChosenKindsAreSeededAndLeaveAPlayableBoard) {
    const std::string Text = WithBoard("  1 2 x x x x x x x x\n" + XRow + XRow + XRow + "  x xo x x x x x x x x\n" + XRow +
                                       XRow + XRow + XRow + XRow);
    TLevelSource First;
    TLevelSource Again;
    ASSERT_TRUE(CompileLevelSource(Text, "2-03.lvl", First).empty());
    ASSERT_TRUE(CompileLevelSource(Text, "2-03.lvl", Again).empty());
    EXPECT_EQ(First.Record, Again.Record) << "the same seed chooses the same kinds";
    EXPECT_EQ(First.Record.Tiles.At(1, 1).LockerKind, 1) << "kinds drawn by hand stay";
    EXPECT_EQ(First.Record.Tiles.At(2, 1).LockerKind, 2);
    for (int32_t X = 1; X <= 10; ++X)
        for (int32_t Y = 1; Y <= 10; ++Y) {
            EXPECT_GE(First.Record.Tiles.At(X, Y).LockerKind, 1);
            EXPECT_LE(First.Record.Tiles.At(X, Y).LockerKind, 3);
        }
    EXPECT_EQ(First.Record.Tiles.At(2, 5).Kind, okFruit);
    EXPECT_FALSE(AnyGroup(First.Record.Tiles, 0));
    EXPECT_TRUE(HasLockerMove(First.Record.Tiles));

    TLevelSource OtherSeed;
    ASSERT_TRUE(CompileLevelSource(Text + "Seed = 99\n", "2-03.lvl", OtherSeed).empty());
    EXPECT_NE(OtherSeed.Record.Tiles, First.Record.Tiles);
    TLevelSource OtherLevel;
    ASSERT_TRUE(CompileLevelSource(Text, "2-04.lvl", OtherLevel).empty());
    EXPECT_NE(OtherLevel.Record.Tiles, First.Record.Tiles) << "each level has its own seed";
}

TEST(LevelCompiler, WrittenSourceCompilesToTheSameRecord) {
    TLevelSource Compiled;
    ASSERT_TRUE(CompileLevelSource(BaseSource, "2-03.lvl", Compiled).empty());
    std::string Text;
    std::string Error;
    ASSERT_TRUE(WriteLevelSource(Compiled.Record, "2-03", Text, Error)) << Error;
    TLevelSource Again;
    const auto Problems = CompileLevelSource(Text, "2-03.lvl", Again);
    ASSERT_TRUE(Problems.empty()) << Listed(Problems);
    EXPECT_EQ(Again.Record, Compiled.Record);
}

std::vector<TLevelSource> Levels(const std::vector<std::pair<std::string, TGameObjective>>& Names) {
    std::vector<TLevelSource> Result;
    for (const auto& [Name, Objective] : Names) {
        TLevelRecord Record;
        Record.Objective = Objective;
        Result.push_back(SourceFromRecord(Record, Name));
    }
    return Result;
}

std::vector<std::pair<std::string, TGameObjective>> Island(int32_t Number, int32_t Count, TGameObjective Last) {
    std::vector<std::pair<std::string, TGameObjective>> Names;
    for (int32_t Level = 1; Level <= Count; ++Level) {
        char Name[16];
        std::snprintf(Name, sizeof Name, "%d-%02d.lvl", Number, Level);
        Names.push_back({Name, Level == Count ? Last : goTargetFruits});
    }
    return Names;
}

TEST(LevelCompiler, IslandRules) {
    EXPECT_TRUE(CheckIslandRules(Levels(Island(1, 15, goBeatMonster))).empty());
    EXPECT_TRUE(CheckIslandRules(Levels(Island(2, 3, goTargetFruits))).empty()) << "an unfinished island is not ended yet";

    const auto NotEnded = CheckIslandRules(Levels(Island(1, 15, goFindFlowers)));
    ASSERT_EQ(NotEnded.size(), 1u);
    EXPECT_EQ(NotEnded[0].Rule, "island-end");
    EXPECT_EQ(NotEnded[0].File, "1-15.lvl");

    const struct {
        const char* Name;
        std::vector<std::pair<std::string, TGameObjective>> Set;
        const char* File;
        const char* Says;
    } Cases[] = {
        {"gap", {{"3-01.lvl", goTargetFruits}, {"3-02.lvl", goTargetFruits}, {"3-04.lvl", goTargetFruits}}, "3-04.lvl",
         "level 3 of island 3 is missing"},
        {"no first level", {{"4-02.lvl", goTargetFruits}}, "4-02.lvl", "level 1 of island 4 is missing"},
        {"twice", {{"4-01.lvl", goTargetFruits}, {"more/4-01.lvl", goTargetFruits}}, "more/4-01.lvl", "is also 4-01.lvl"},
        {"beyond the map", {{"1-16.lvl", goTargetFruits}}, "1-16.lvl", "level 16 would have no dot"},
        {"island six", {{"6-01.lvl", goTargetFruits}}, "6-01.lvl", "islands 1 to 5"},
        {"bad name", {{"bonus.lvl", goTargetFruits}}, "bonus.lvl", "<island>-<NN>"},
    };
    for (const auto& C : Cases) {
        const auto Problems = CheckIslandRules(Levels(C.Set));
        ASSERT_FALSE(Problems.empty()) << C.Name;
        EXPECT_EQ(Problems[0].Rule, "numbering") << C.Name;
        EXPECT_EQ(Problems[0].File, C.File) << C.Name;
        EXPECT_NE(Problems[0].Message.find(C.Says), std::string::npos) << C.Name << ": " << Problems[0].Text();
    }
}

}  // namespace
