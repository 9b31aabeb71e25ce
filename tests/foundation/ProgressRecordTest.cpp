#include <gtest/gtest.h>

#include <string>

#include "FuzzSeeds.h"
#include "ProgressRecordClass.h"
#include "RandomClass.h"

namespace {

int32_t IntAt(const TProgressRecordBytes& Bytes, size_t Offset) {
    return static_cast<int32_t>(uint32_t{Bytes[Offset]} | uint32_t{Bytes[Offset + 1]} << 8 |
                                uint32_t{Bytes[Offset + 2]} << 16 | uint32_t{Bytes[Offset + 3]} << 24);
}

// Every field gets a value of its own; the bytes are then checked at the
// offsets of the file format, written out here independently of the code.
TEST(ProgressRecord, EveryBlockAtItsOffset) {
    TProgressRecord R;
    for (int I = 0; I < 5; ++I) {
        for (int J = 0; J < 30; ++J) R.BestTimes[I][J] = 100000 * (I + 1) + J + 1;
    }
    R.ScoreTotal = 123456789;
    R.MoneyTotal = -2;
    for (int I = 0; I < 50; ++I) R.GardenObjects[I] = static_cast<uint8_t>(I + 1);
    for (int I = 0; I < 6; ++I) R.StoryScenesSeen[I] = static_cast<uint8_t>(60 + I);
    for (int I = 0; I < 20; ++I) R.TrophiesEarned[I] = static_cast<uint8_t>(70 + I);
    for (int I = 0; I < 5; ++I) R.TrophyCounters[I] = 9000 + I;
    for (int I = 0; I < 5; ++I) R.IslandsEntered[I] = static_cast<uint8_t>(100 + I);
    for (int I = 0; I < 6; ++I) R.IslandsOpen[I] = static_cast<uint8_t>(110 + I);
    for (int I = 0; I < 5; ++I) R.IslandOpeningShown[I] = static_cast<uint8_t>(120 + I);
    R.LastIsland = 4;
    for (int I = 0; I < 5; ++I) R.LastSelectedLevels[I] = 20 + I;
    R.MagicKeys = 7;
    R.Brooms = 8;
    R.Aerosols = 9;
    for (int I = 0; I < 5; ++I) {
        for (int J = 0; J < 30; ++J) {
            R.BonusStagesPlayed[I][J] = static_cast<uint8_t>(I * 30 + J);
            R.IncentivesShown[I][J] = static_cast<uint8_t>(I * 30 + J + 1);
            R.PlantsAnnounced[I][J] = static_cast<uint8_t>(I * 30 + J + 2);
        }
    }
    R.UnlockedToolLevel = toBroom;
    for (int I = 0; I < 128; ++I) R.ShopBlock[I] = static_cast<uint8_t>(255 - I);
    R.ShopPage = 3;
    for (int I = 0; I < 19; ++I) R.TutorialStepsShown[I] = static_cast<uint8_t>(200 + I);
    R.TutorialEnabled = 1;
    R.GardenTipShown = 2;
    R.ShopTipShown = 3;
    R.RelaxedMode = rmNo;
    R.Padding = 0x5A;

    const TProgressRecordBytes B = EncodeProgressRecord(R);
    AddFuzzSeed("ProgressRecord", B);
    // Best time of island i, level j at 120 (i - 1) + 4 (j - 1).
    EXPECT_EQ(IntAt(B, 0), 100001);
    EXPECT_EQ(IntAt(B, 120 * 2 + 4 * 6), 300007);
    EXPECT_EQ(IntAt(B, 596), 500030);
    EXPECT_EQ(IntAt(B, 600), 123456789);
    EXPECT_EQ(IntAt(B, 604), -2);
    EXPECT_EQ(B[608], 1);
    EXPECT_EQ(B[657], 50);
    EXPECT_EQ(B[658], 60);
    EXPECT_EQ(B[663], 65);
    EXPECT_EQ(B[664], 70);
    EXPECT_EQ(B[683], 89);
    EXPECT_EQ(IntAt(B, 684), 9000);
    EXPECT_EQ(IntAt(B, 700), 9004);
    EXPECT_EQ(B[704], 100);
    EXPECT_EQ(B[708], 104);
    EXPECT_EQ(B[709], 110);
    EXPECT_EQ(B[714], 115);
    EXPECT_EQ(B[715], 120);
    EXPECT_EQ(B[719], 124);
    EXPECT_EQ(IntAt(B, 720), 4);
    EXPECT_EQ(IntAt(B, 724), 20);
    EXPECT_EQ(IntAt(B, 740), 24);
    EXPECT_EQ(IntAt(B, 744), 7);
    EXPECT_EQ(IntAt(B, 748), 8);
    EXPECT_EQ(IntAt(B, 752), 9);
    // Island i, level j at 30 (i - 1) + (j - 1) in each block of 150.
    EXPECT_EQ(B[756 + 30 * 3 + 4], 94);
    EXPECT_EQ(B[906 + 149], 150);
    EXPECT_EQ(B[1056], 2);
    EXPECT_EQ(B[1205], 151);
    EXPECT_EQ(B[1206], toBroom);
    EXPECT_EQ(B[1207], 255);
    EXPECT_EQ(B[1334], 128);
    EXPECT_EQ(B[1335], 3);
    EXPECT_EQ(B[1336], 200);
    EXPECT_EQ(B[1354], 218);
    EXPECT_EQ(B[1355], 1);
    EXPECT_EQ(B[1356], 2);
    EXPECT_EQ(B[1357], 3);
    EXPECT_EQ(B[1358], rmNo);
    EXPECT_EQ(B[1359], 0x5A);

    TProgressRecord Back;
    ASSERT_TRUE(DecodeProgressRecord(B, Back));
    EXPECT_EQ(Back, R);
}

// Whatever the bytes hold (odd flag values, blocks no part of the game reads
// yet, the padding), a record read and written again comes back byte for byte.
TEST(ProgressRecord, AnyBytesRoundTripExactly) {
    TRandomStream Stream(2024);
    for (int Round = 0; Round < 20; ++Round) {
        TProgressRecordBytes Bytes;
        for (auto& Byte : Bytes) Byte = static_cast<uint8_t>(Stream.NextUInt32());
        TProgressRecord Record;
        ASSERT_TRUE(DecodeProgressRecord(Bytes, Record));
        EXPECT_EQ(EncodeProgressRecord(Record), Bytes);
    }
}

TEST(ProgressRecord, ShortBytesAreNoRecordAndExtraBytesAreIgnored) {
    const TProgressRecordBytes Initial = EncodeProgressRecord(InitialProgressRecord());
    TProgressRecord Record;
    Record.ScoreTotal = 55;
    EXPECT_FALSE(DecodeProgressRecord(std::span(Initial).first(ProgressRecordSize - 1), Record));
    EXPECT_EQ(Record.ScoreTotal, 55);

    std::vector<uint8_t> Longer(Initial.begin(), Initial.end());
    Longer.resize(Longer.size() + 40, 0xEE);
    ASSERT_TRUE(DecodeProgressRecord(Longer, Record));
    EXPECT_EQ(Record, InitialProgressRecord());
}

TEST(ProgressRecord, ANewPlayerStartsWithTheOwnersInitialValues) {
    const TProgressRecordBytes B = EncodeProgressRecord(InitialProgressRecord());
    AddFuzzSeed("ProgressRecord", B);
    // Islands 1 and 6 open, island 1 shown, level 1 selected everywhere.
    for (size_t I = 0; I < 6; ++I) EXPECT_EQ(B[709 + I], (I == 0 || I == 5) ? 1 : 0) << I;
    EXPECT_EQ(IntAt(B, 720), 1);
    for (size_t I = 0; I < 5; ++I) EXPECT_EQ(IntAt(B, 724 + 4 * I), 1);
    // Three of each tool, none unlocked; the shop on page 1; the tutorial on; relaxed mode not asked.
    EXPECT_EQ(IntAt(B, 744), 3);
    EXPECT_EQ(IntAt(B, 748), 3);
    EXPECT_EQ(IntAt(B, 752), 3);
    EXPECT_EQ(B[1206], toNone);
    EXPECT_EQ(B[1335], 1);
    EXPECT_EQ(B[1355], 1);
    EXPECT_EQ(B[1358], rmNotInitialized);
    // Everything else is zero: no best times, totals, flags or counters.
    size_t NonZero = 0;
    for (uint8_t Byte : B) NonZero += Byte != 0;
    EXPECT_EQ(NonZero, 2u + 1 + 5 + 3 + 1 + 1);
}

TEST(ProgressRecord, EnumerationsOutOfRangeGiveTheirFirstValue) {
    TProgressRecord R;
    const struct {
        uint8_t Byte;
        TRelaxedMode Mode;
        TToolKind Tool;
    } Cases[] = {{0, rmNotInitialized, toNone}, {2, rmNo, toBroom}, {3, rmNotInitialized, toAerosol},
                 {4, rmNotInitialized, toNone}, {255, rmNotInitialized, toNone}};
    for (const auto& C : Cases) {
        R.RelaxedMode = C.Byte;
        R.UnlockedToolLevel = C.Byte;
        EXPECT_EQ(RelaxedModeOf(R), C.Mode) << int(C.Byte);
        EXPECT_EQ(UnlockedToolKindOf(R), C.Tool) << int(C.Byte);
    }
}

}  // namespace
