#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FoldersClass.h"
#include "GeneralRoutinesClass.h"
#include "LevelFileClass.h"
#include "TestSupport.h"

namespace {

int32_t Int32At(const std::vector<uint8_t>& Bytes, size_t Offset) {
    return static_cast<int32_t>(static_cast<uint32_t>(Bytes[Offset]) | (static_cast<uint32_t>(Bytes[Offset + 1]) << 8) |
                                (static_cast<uint32_t>(Bytes[Offset + 2]) << 16) |
                                (static_cast<uint32_t>(Bytes[Offset + 3]) << 24));
}

// A record whose every integer holds its own offset plus 100000, so that a field
// written to the wrong place shows at once.
TLevelRecord OffsetStampedRecord() {
    TLevelRecord R;
    R.Objective = goSpiderHunt;
    R.LevelKind = lkChallenge;
    R.FruitColorCount = 102104;
    R.Time = 102108;
    R.FullRequiredFruits = 102112;
    R.OneUniFruitEveryProb = 102124;
    R.OneMultiBubbleEveryProb = 102128;
    R.OneFruitBombEveryProb = 102132;
    R.OneHammerEveryProb = 102136;
    R.MaxUniFruitOnBoard = 201;
    R.MaxMultiBubbleOnBoard = 202;
    R.MaxFruitBombsOnBoard = 203;
    R.MaxHammersOnBoard = 204;
    R.OneMagicKeyEveryProb = 102156;
    R.OneBroomEveryProb = 102160;
    R.OneAerosolEveryProb = 102164;
    R.FruitCountTarget = 102168;
    R.TargetBananas = 102172;
    R.TargetStrawberries = 102176;
    R.TargetApples = 102180;
    R.TargetPlums = 102184;
    R.TargetGrapes = 102188;
    R.TargetOranges = 102192;
    R.TargetSpidersToHunt = 102196;
    R.MonsterEnergy = 102200;
    R.MonsterRefTimeForAbsorbAttempt = 102204;
    R.MonsterHitsToCancelAbsorbAttempt = 102208;
    R.MonsterOneAbsorbedTime = 102212;
    R.MonsterPreparingTime = 102216;
    R.MonsterFinishingTime = 102224;
    R.FlowerSlots = 102228;
    R.OneFlowerPerLockersMin = 102232;
    R.OneFlowerPerLockersMax = 102236;
    R.SpiderFruitsInterval = 102240;
    R.MaxSpidersOnBoard = 102244;
    R.MaxWebs = 102248;
    R.OneWebEveryProb = 102252;
    R.WormFruitsInterval = 102256;
    R.MaxWormsOnBoard = 102260;
    R.MaxEatenFruits = 102264;
    R.OneEntryEveryProb = 102268;
    R.Tiles.At(3, 7).Kind = okUnused;
    R.Tiles.At(3, 7).WormTime = -77;
    R.Tiles.At(10, 10).LockerKind = 3;
    R.LockerFrames.At(2, 9) = true;
    R.LockerFrames.At(10, 1) = true;
    return R;
}

std::vector<uint8_t> Encoded(const TLevelRecord& Record) {
    std::vector<uint8_t> Bytes(LevelRecordBytes, 0xEE);
    EncodeLevelRecord(Record, Bytes.data());
    return Bytes;
}

TEST(LevelFile, EveryFieldSitsAtItsOffset) {
    const std::vector<uint8_t> Bytes = Encoded(OffsetStampedRecord());
    // The integer fields, from the level file's table.
    const size_t IntOffsets[] = {2104, 2108, 2112, 2124, 2128, 2132, 2136, 2156, 2160, 2164, 2168, 2172,
                                 2176, 2180, 2184, 2188, 2192, 2196, 2200, 2204, 2208, 2212, 2216, 2224,
                                 2228, 2232, 2236, 2240, 2244, 2248, 2252, 2256, 2260, 2264, 2268};
    for (size_t Offset : IntOffsets) EXPECT_EQ(Int32At(Bytes, Offset), 100000 + static_cast<int32_t>(Offset)) << Offset;
    // The four maxima: value in the first byte, the other three zero.
    EXPECT_EQ(Int32At(Bytes, 2140), 201);
    EXPECT_EQ(Int32At(Bytes, 2144), 202);
    EXPECT_EQ(Int32At(Bytes, 2148), 203);
    EXPECT_EQ(Int32At(Bytes, 2152), 204);
    EXPECT_EQ(Bytes[0], 6) << "objective";
    EXPECT_EQ(Bytes[2272], 2) << "level kind";
    for (size_t Padding : {1u, 2u, 3u, 2273u, 2274u, 2275u}) EXPECT_EQ(Bytes[Padding], 0) << Padding;
    EXPECT_EQ(Int32At(Bytes, 2116), 0);
    EXPECT_EQ(Int32At(Bytes, 2120), 0);
    EXPECT_EQ(Int32At(Bytes, 2220), 7000);
    // Tile (x, y) at 4 + (x - 1) * 200 + (y - 1) * 20; frame (x, y) at 2004 + (x - 1) * 10 + (y - 1).
    EXPECT_EQ(Bytes[4 + 2 * 200 + 6 * 20], okUnused);
    EXPECT_EQ(Int32At(Bytes, 4 + 2 * 200 + 6 * 20 + 8), -77);
    EXPECT_EQ(Bytes[4 + 9 * 200 + 9 * 20 + 1], 3);
    int Frames = 0;
    for (size_t I = 2004; I < 2104; ++I) Frames += Bytes[I];
    EXPECT_EQ(Frames, 2);
    EXPECT_EQ(Bytes[2004 + 1 * 10 + 8], 1);
    EXPECT_EQ(Bytes[2004 + 9 * 10 + 0], 1);

    TLevelRecord Back;
    ASSERT_TRUE(DecodeLevelRecord(Bytes.data(), Bytes.size(), Back));
    EXPECT_EQ(Back, OffsetStampedRecord());
}

TEST(LevelFile, DecodingNeedsAWholeRecordAndIgnoresWhatFollows) {
    std::vector<uint8_t> Bytes = Encoded(OffsetStampedRecord());
    TLevelRecord Back;
    EXPECT_FALSE(DecodeLevelRecord(Bytes.data(), LevelRecordBytes - 1, Back));
    EXPECT_EQ(Back, TLevelRecord{}) << "a failed decode leaves the record alone";
    Bytes.resize(LevelRecordBytes + 500, 0x55);
    ASSERT_TRUE(DecodeLevelRecord(Bytes.data(), Bytes.size(), Back));
    EXPECT_EQ(Back, OffsetStampedRecord());
}

TEST(LevelFile, DamagedValuesAreNamed) {
    const struct {
        const char* Name;
        void (*Break)(TLevelRecord&);
        const char* Damage;
    } Cases[] = {
        {"objective", [](TLevelRecord& R) { R.Objective = static_cast<TGameObjective>(7); }, "objective 7"},
        {"level kind", [](TLevelRecord& R) { R.LevelKind = static_cast<TLevelKind>(3); }, "level kind 3"},
        {"tile kind", [](TLevelRecord& R) { R.Tiles.At(4, 2).Kind = static_cast<TTileObjectKind>(5); },
         "tile (4, 2) kind 5"},
        {"locker kind 0", [](TLevelRecord& R) { R.Tiles.At(1, 10).LockerKind = 0; }, "tile (1, 10) locker kind 0"},
        {"locker kind 4 opened", [](TLevelRecord& R) { R.Tiles.At(2, 2) = {okFruit, 4}; }, "tile (2, 2) locker kind 4"},
        {"worm state", [](TLevelRecord& R) { R.Tiles.At(9, 9).WormState = 3; }, "tile (9, 9) worm state 3"},
        {"no colours", [](TLevelRecord& R) { R.FruitColorCount = 0; }, "fruit colour count 0"},
        {"seven colours", [](TLevelRecord& R) { R.FruitColorCount = 7; }, "fruit colour count 7"},
        {"no time", [](TLevelRecord& R) { R.Time = 0; }, "time limit 0"},
        {"time overflows", [](TLevelRecord& R) { R.Time = 2147484; }, "time limit 2147484"},
        {"shuffle count", [](TLevelRecord& R) { R.FullRequiredFruits = -1; }, "shuffle fruit count -1"},
        {"fruit target", [](TLevelRecord& R) { R.FruitCountTarget = 0; }, "fruit target 0"},
        {"monster energy", [](TLevelRecord& R) { R.MonsterEnergy = 0; }, "monster energy 0"},
        {"flowers", [](TLevelRecord& R) { R.FlowerSlots = 7; }, "flower count 7"},
    };
    EXPECT_EQ(LevelRecordDamage(TLevelRecord{}), "");
    for (const auto& C : Cases) {
        TLevelRecord Record;
        C.Break(Record);
        EXPECT_EQ(LevelRecordDamage(Record), C.Damage) << C.Name;
    }
    // What the game can live with stays: odd locker kinds off the board, zero or negative chances.
    TLevelRecord Record;
    Record.Tiles.At(5, 5) = {okUnused, 0};
    Record.OneUniFruitEveryProb = -5;
    Record.MaxWebs = 0;
    Record.FlowerSlots = 0;
    Record.Objective = goBonusStage;
    EXPECT_EQ(LevelRecordDamage(Record), "");
}

TEST(LevelFile, MedalTimesRoundHalfToEven) {
    const struct {
        int32_t Time, Silver, Gold;
    } Cases[] = {{300, 195, 120}, {25, 16, 10}, {10, 6, 4}, {30, 20, 12}, {50, 32, 20}, {70, 46, 28}, {1, 1, 0}};
    for (const auto& C : Cases) {
        EXPECT_EQ(SilverReqTimeFor(C.Time), C.Silver) << C.Time;
        EXPECT_EQ(GoldReqTimeFor(C.Time), C.Gold) << C.Time;
    }
}

class LevelFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        SetAppFolder(Folder.Path());
        std::filesystem::create_directories(LevelsFolder);
    }
    void Write(const std::string& Name, const std::string& Bytes) { WriteWholeFile(LevelsFolder + Name, Bytes); }
    static std::string Bytes(const TLevelRecord& Record) {
        const std::vector<uint8_t> B = Encoded(Record);
        return std::string(B.begin(), B.end());
    }

    TTempFolder Folder;
    TMessageCapture Messages;
};

TEST_F(LevelFileOnDisk, LoadsAGoodFile) {
    TLevelRecord Stored;
    Stored.Objective = goFindFlowers;
    Stored.Time = 160;
    Write("1-07.qel", Bytes(Stored));
    TLevelRecord Loaded;
    Loaded.Time = 1;
    EXPECT_TRUE(LoadLevelFile(LevelFileName(1, 7), Loaded));
    EXPECT_EQ(Loaded, Stored);
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(LevelFileOnDisk, FailuresTellThePlayerAndChangeNothing) {
    TLevelRecord Damaged;
    Damaged.FruitColorCount = 9;
    Write("1-02.qel", Bytes(TLevelRecord{}).substr(0, 1000));
    Write("1-03.qel", Bytes(Damaged));
    std::filesystem::create_directories(LevelsFolder + "1-04.qel");
    const struct {
        int32_t Level;
        const char* Message;
    } Cases[] = {
        {1, "Level file not found: "},
        {2, "Level file is too short: "},
        {3, "Level file is damaged: "},
        {4, "Level file cannot be read: "},
    };
    for (const auto& C : Cases) {
        Messages.Clear();
        TLevelRecord Record;
        Record.Time = 4242;
        const std::string Name = LevelFileName(1, C.Level);
        EXPECT_FALSE(LoadLevelFile(Name, Record)) << C.Level;
        EXPECT_EQ(Record.Time, 4242) << "a failed load leaves the level record as it was";
        ASSERT_EQ(Messages.Messages().size(), 1u) << C.Level;
        EXPECT_EQ(Messages.Messages()[0].Text.rfind(std::string(C.Message) + Name, 0), 0u)
            << Messages.Messages()[0].Text;
    }
    Messages.Clear();
    TLevelRecord Record;
    LoadLevelFile(LevelFileName(1, 1), Record);
    EXPECT_EQ(Messages.Messages()[0].Text, "Level file not found: " + LevelFileName(1, 1));
    LoadLevelFile(LevelFileName(1, 2), Record);
    EXPECT_EQ(Messages.Messages()[1].Text, "Level file is too short: " + LevelFileName(1, 2) + " (1000 of 2276 bytes)");
    LoadLevelFile(LevelFileName(1, 3), Record);
    EXPECT_EQ(Messages.Messages()[2].Text, "Level file is damaged: " + LevelFileName(1, 3) + " (fruit colour count 9)");
}

TEST_F(LevelFileOnDisk, ScanShowsEveryFileThatExists) {
    TLevelRecord Record;
    Record.Objective = goClearTiles;
    Record.LevelKind = lkAction;
    Record.Time = 25;
    Write("2-01.qel", Bytes(Record));
    Write("2-02.qel", "short");
    Record.Objective = static_cast<TGameObjective>(200);
    Write("2-03.qel", Bytes(Record));

    const TLevelSummary Good = ScanLevel(2, 1);
    EXPECT_TRUE(Good.Exists);
    EXPECT_TRUE(Good.Playable);
    EXPECT_EQ(Good.Objective, goClearTiles);
    EXPECT_EQ(Good.LevelKind, lkAction);
    EXPECT_EQ(Good.SilverReqTime, 16);
    EXPECT_EQ(Good.GoldReqTime, 10);
    for (int32_t Level : {2, 3}) {
        const TLevelSummary Broken = ScanLevel(2, Level);
        EXPECT_TRUE(Broken.Exists) << Level;
        EXPECT_FALSE(Broken.Playable) << Level;
        EXPECT_EQ(Broken.Objective, goTargetFruits) << "a broken file shows as a safe objective";
    }
    EXPECT_FALSE(ScanLevel(2, 4).Exists);
    EXPECT_TRUE(Messages.Messages().empty()) << "scanning never shows a message";
}

TEST_F(LevelFileOnDisk, WriteReplacesTheWholeFile) {
    Write("3-01.qel", std::string(5000, 'x'));
    TLevelRecord Record;
    Record.Time = 333;
    std::string Error;
    ASSERT_TRUE(WriteLevelFile(LevelFileName(3, 1), Record, Error)) << Error;
    EXPECT_EQ(std::filesystem::file_size(LevelFileName(3, 1)), LevelRecordBytes);
    TLevelRecord Back;
    ASSERT_TRUE(LoadLevelFile(LevelFileName(3, 1), Back));
    EXPECT_EQ(Back, Record);
    EXPECT_FALSE(WriteLevelFile(Folder.Path() + "missing/3-02.qel", Record, Error));
    EXPECT_FALSE(Error.empty());
}

TEST(LevelFile, IslandLevelCounts) {
    EXPECT_EQ(IslandLevelCount(1), 15);
    EXPECT_EQ(IslandLevelCount(2), 18);
    EXPECT_EQ(IslandLevelCount(3), 20);
    EXPECT_EQ(IslandLevelCount(4), 22);
    EXPECT_EQ(IslandLevelCount(5), 25);
    EXPECT_EQ(IslandLevelCount(0), 0);
    EXPECT_EQ(IslandLevelCount(6), 0);
}

}  // namespace
