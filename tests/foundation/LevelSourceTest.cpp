#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LevelSourceClass.h"

namespace {

const std::string FullBoard =
    "Board =\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n"
    "  x x x x x x x x x x\n";

// Rows of x cells, as many as asked.
std::string XRows(int Count) {
    std::string Rows;
    for (int I = 0; I < Count; ++I) Rows += "  x x x x x x x x x x\n";
    return Rows;
}

const std::string Header =
    "# a level\n"                      // 1
    "Objective = TargetFruits\n"       // 2
    "FruitColorCount = 4\n"            // 3
    "Time = 120   # seconds\n"         // 4
    "FullRequiredFruits = 60\n";       // 5

std::vector<TLevelProblem> Parse(const std::string& Text, TLevelSource& Source, const std::string& Name = "2-03.lvl") {
    return ParseLevelSource(Text, Name, Source);
}

TEST(LevelSource, ReadsValuesBoardAndLines) {
    const std::string Text = Header +
                             "\n"
                             "LevelKind = Challenge\n"        // 7
                             "MaxHammersOnBoard = 255\n"      // 8
                             "OneWebEveryProb = -3\n"         // 9
                             "Seed = 77\n"                    // 10
                             "Board =\n"                      // 11
                             "  .  1  2  3  x   1o  2w  3f  xowf  x\n"  // 12
                             "  # a comment inside the board\n"
                             "\n" +
                             XRows(9);
    TLevelSource Source;
    const auto Problems = Parse(Text, Source);
    ASSERT_TRUE(Problems.empty()) << Problems[0].Text();
    const TLevelRecord& R = Source.Record;
    EXPECT_EQ(Source.Island, 2);
    EXPECT_EQ(Source.Level, 3);
    EXPECT_EQ(R.Objective, goTargetFruits);
    EXPECT_EQ(R.LevelKind, lkChallenge);
    EXPECT_EQ(R.FruitColorCount, 4);
    EXPECT_EQ(R.Time, 120);
    EXPECT_EQ(R.MaxHammersOnBoard, 255);
    EXPECT_EQ(R.OneWebEveryProb, -3);
    EXPECT_EQ(Source.Seed, 77u);
    EXPECT_EQ(R.FruitCountTarget, TLevelRecord{}.FruitCountTarget) << "left out: the record's default";
    EXPECT_EQ(R.MonsterEnergy, TLevelRecord{}.MonsterEnergy);

    EXPECT_EQ(R.Tiles.At(1, 1).Kind, okUnused);
    EXPECT_EQ(R.Tiles.At(2, 1).LockerKind, 1);
    EXPECT_EQ(R.Tiles.At(4, 1).Kind, okLocker);
    EXPECT_TRUE(Source.ChosenKinds.At(5, 1));
    EXPECT_FALSE(Source.ChosenKinds.At(4, 1));
    EXPECT_EQ(R.Tiles.At(6, 1).Kind, okFruit);
    EXPECT_TRUE(R.Tiles.At(7, 1).Web);
    EXPECT_TRUE(R.LockerFrames.At(8, 1));
    EXPECT_EQ(R.Tiles.At(9, 1).Kind, okFruit);
    EXPECT_TRUE(R.Tiles.At(9, 1).Web);
    EXPECT_TRUE(R.LockerFrames.At(9, 1));
    EXPECT_TRUE(Source.ChosenKinds.At(9, 1));
    EXPECT_EQ(R.LockerFrames.Count(), 2);
    EXPECT_EQ(R.Tiles.At(3, 1).Content, 1) << "contents are written as 1";

    EXPECT_EQ(Source.LineOf("Time"), 4);
    EXPECT_EQ(Source.LineOf("Seed"), 10);
    EXPECT_EQ(Source.LineOf("TargetApples"), 11) << "a value left out points at the board";
    EXPECT_EQ(Source.LineOfRow(1), 12);
    EXPECT_EQ(Source.LineOfRow(2), 15);
    EXPECT_EQ(Source.LineOfRow(10), 23);
}

TEST(LevelSource, SeedDefaultsToIslandAndLevel) {
    TLevelSource Source;
    ASSERT_TRUE(Parse(Header + FullBoard, Source, "levels/3-14.lvl").empty());
    EXPECT_EQ(Source.Seed, 314u);
}

TEST(LevelSource, AcceptsWindowsLineEndsAndAByteOrderMark) {
    std::string Text = "\xEF\xBB\xBF" + Header + FullBoard;
    for (size_t At = Text.find('\n'); At != std::string::npos; At = Text.find('\n', At + 2)) Text.insert(At, "\r");
    TLevelSource Source;
    const auto Problems = Parse(Text, Source);
    ASSERT_TRUE(Problems.empty()) << Problems[0].Text();
    EXPECT_EQ(Source.Record.Time, 120);
    EXPECT_EQ(Source.LineOfRow(10), 16);
}

TEST(LevelSource, SyntaxErrorsPointAtTheirLine) {
    const struct {
        const char* Name;
        std::string Text;
        int32_t Line;
        const char* Says;
    } Cases[] = {
        {"unknown value", Header + "time = 5\n" + FullBoard, 6, "unknown value \"time\"; did you mean \"Time\"?"},
        {"twice", Header + "Time = 5\n" + FullBoard, 6, "\"Time\" is given twice (first on line 4)"},
        {"not a number", Header + "MaxWebs = lots\n" + FullBoard, 6, "MaxWebs needs a whole number"},
        {"too big for an integer", Header + "MaxWebs = 2147483648\n" + FullBoard, 6, "MaxWebs needs a whole number"},
        {"byte", Header + "MaxUniFruitOnBoard = 256\n" + FullBoard, 6, "from 0 to 255"},
        {"objective", "Objective = Win\nFruitColorCount = 4\nTime = 99\nFullRequiredFruits = 5\n" + FullBoard, 1,
         "Objective \"Win\" is none of"},
        {"level kind", Header + "LevelKind = Hard\n" + FullBoard, 6, "LevelKind \"Hard\" is none of"},
        {"no equals", Header + "Time 5\n" + FullBoard, 6, "expected \"Name = value\""},
        {"short row", Header + "Board =\n  x x x x x x x x x\n" + XRows(9), 7,
         "board row 1 has 9 cells, expected 10"},
        {"bad cell", Header + "Board =\n  x x x x y x x x x x\n" + XRows(9), 7,
         "board cell \"y\" at (5, 1) starts with \"y\""},
        {"bad mark", Header + "Board =\n  x x x x 1q x x x x x\n" + XRows(9), 7,
         "board cell \"1q\" at (5, 1) has \"q\""},
        {"mark twice", Header + "Board =\n  x x x x 1ww x x x x x\n" + XRows(9), 7,
         "has \"w\" twice"},
        {"marks off the board", Header + "Board =\n  x x x x .f x x x x x\n" + XRows(9),
         7, "board cell \".f\" at (5, 1)"},
        {"rows missing", Header + "Board =\n  x x x x x x x x x x\n", 7, "the board has 1 rows, expected 10"},
        {"value after Board", Header + "Board = x\n" + XRows(9), 6,
         "the board's rows follow on the next lines"},
        {"no board", Header, 0, "no Board given"},
        {"no time", "Objective = TargetFruits\nFruitColorCount = 4\nFullRequiredFruits = 60\n" + FullBoard, 0,
         "no Time given"},
    };
    for (const auto& C : Cases) {
        TLevelSource Source;
        const auto Problems = Parse(C.Text, Source);
        ASSERT_FALSE(Problems.empty()) << C.Name;
        EXPECT_EQ(Problems[0].Rule, "syntax") << C.Name;
        EXPECT_EQ(Problems[0].Line, C.Line) << C.Name << ": " << Problems[0].Text();
        EXPECT_NE(Problems[0].Message.find(C.Says), std::string::npos) << C.Name << ": " << Problems[0].Text();
    }
}

TEST(LevelSource, ProblemTextNamesFileLineAndRule) {
    EXPECT_EQ((TLevelProblem{"assets/levels/1-04.lvl", 7, "board-move", "no move"}).Text(),
              "assets/levels/1-04.lvl:7: no move [board-move]");
    EXPECT_EQ((TLevelProblem{"1-04.lvl", 0, "numbering", "gap"}).Text(), "1-04.lvl: gap [numbering]");
}

TEST(LevelSource, LevelNumbersFromFileNames) {
    const struct {
        const char* Name;
        bool Ok;
        int32_t Island, Level;
    } Cases[] = {{"1-04.lvl", true, 1, 4},         {"assets/levels/5-25.lvl", true, 5, 25},
                 {"/x/y/3-10.qel", true, 3, 10},   {"1-4.lvl", false, 0, 0},
                 {"01-04.lvl", false, 0, 0},       {"1-04", false, 0, 0},
                 {"a-04.lvl", false, 0, 0},        {"1_04.lvl", false, 0, 0}};
    for (const auto& C : Cases) {
        int32_t Island = 0;
        int32_t Level = 0;
        EXPECT_EQ(LevelNumbersFromName(C.Name, Island, Level), C.Ok) << C.Name;
        if (C.Ok) {
            EXPECT_EQ(Island, C.Island) << C.Name;
            EXPECT_EQ(Level, C.Level) << C.Name;
        }
    }
}

TLevelRecord EveryValueDistinct() {
    TLevelRecord R;
    R.Objective = goSpiderHunt;
    R.LevelKind = lkAction;
    int32_t Next = 11;
    for (int32_t* Field :
         {&R.FruitColorCount, &R.Time, &R.FullRequiredFruits, &R.OneUniFruitEveryProb, &R.OneMultiBubbleEveryProb,
          &R.OneFruitBombEveryProb, &R.OneHammerEveryProb, &R.OneMagicKeyEveryProb, &R.OneBroomEveryProb,
          &R.OneAerosolEveryProb, &R.FruitCountTarget, &R.TargetBananas, &R.TargetStrawberries, &R.TargetApples,
          &R.TargetPlums, &R.TargetGrapes, &R.TargetOranges, &R.TargetSpidersToHunt, &R.MonsterEnergy,
          &R.MonsterRefTimeForAbsorbAttempt, &R.MonsterHitsToCancelAbsorbAttempt, &R.MonsterOneAbsorbedTime,
          &R.MonsterPreparingTime, &R.MonsterFinishingTime, &R.OneFlowerPerLockersMin, &R.OneFlowerPerLockersMax,
          &R.SpiderFruitsInterval, &R.MaxSpidersOnBoard, &R.MaxWebs, &R.OneWebEveryProb, &R.WormFruitsInterval,
          &R.MaxWormsOnBoard, &R.MaxEatenFruits, &R.OneEntryEveryProb})
        *Field = Next++;
    R.FruitColorCount = 6;
    R.FlowerSlots = 5;
    R.OneEntryEveryProb = -4;
    R.MaxUniFruitOnBoard = 0;
    R.MaxMultiBubbleOnBoard = 7;
    R.MaxFruitBombsOnBoard = 255;
    R.MaxHammersOnBoard = 3;
    for (int32_t X = 1; X <= 10; ++X)
        for (int32_t Y = 1; Y <= 10; ++Y) R.Tiles.At(X, Y).LockerKind = static_cast<uint8_t>((X * 7 + Y * 3) % 3 + 1);
    // Positions off the board keep no kind of their own; a source writes them as 1.
    R.Tiles.At(1, 1) = {okUnused, 1};
    R.Tiles.At(10, 1) = {okUnused, 1};
    R.Tiles.At(4, 4).Kind = okFruit;
    R.Tiles.At(5, 9).Web = true;
    R.Tiles.At(6, 6) = {okFruit, 2, 1, true};
    R.LockerFrames.At(6, 6) = true;
    R.LockerFrames.At(2, 10) = true;
    return R;
}

TEST(LevelSource, WrittenSourceReadsBackToTheSameRecord) {
    const TLevelRecord Record = EveryValueDistinct();
    std::string Text;
    std::string Error;
    ASSERT_TRUE(WriteLevelSource(Record, "A test level.", Text, Error)) << Error;
    EXPECT_EQ(Text.rfind("# A test level.\n", 0), 0u);
    TLevelSource Source;
    const auto Problems = Parse(Text, Source);
    ASSERT_TRUE(Problems.empty()) << Problems[0].Text();
    EXPECT_EQ(Source.Record, Record);
    EXPECT_FALSE(Source.ChosenKinds.Any()) << "a written source leaves nothing to choose";
}

TEST(LevelSource, RecordsASourceCannotDrawAreRefused) {
    const struct {
        const char* Name;
        void (*Change)(TLevelRecord&);
        const char* Says;
    } Cases[] = {
        {"bomb", [](TLevelRecord& R) { R.Tiles.At(3, 3).Bomb = true; }, "tile (3, 3) starts with a bomb"},
        {"worm", [](TLevelRecord& R) { R.Tiles.At(3, 4).WormState = WormStateEating; }, "tile (3, 4) starts with"},
        {"falling", [](TLevelRecord& R) { R.Tiles.At(3, 5).DropOffset = 10; }, "tile (3, 5) starts with"},
        {"blank", [](TLevelRecord& R) { R.Tiles.At(2, 2).Kind = okTempBlank; }, "tile (2, 2) is a blank"},
        {"web off the board", [](TLevelRecord& R) { R.Tiles.At(1, 1).Web = true; }, "tile (1, 1) is not on the board"},
        {"damaged", [](TLevelRecord& R) { R.Time = 0; }, "cannot be played: time limit 0"},
    };
    for (const auto& C : Cases) {
        TLevelRecord Record = EveryValueDistinct();
        C.Change(Record);
        std::string Text;
        std::string Error;
        EXPECT_FALSE(WriteLevelSource(Record, "x", Text, Error)) << C.Name;
        EXPECT_NE(Error.find(C.Says), std::string::npos) << C.Name << ": " << Error;
    }
}

}  // namespace
