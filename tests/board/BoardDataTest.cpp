#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "BoardDataClass.h"

namespace {

int32_t Int32At(const std::vector<uint8_t>& Bytes, size_t Offset) {
    return static_cast<int32_t>(static_cast<uint32_t>(Bytes[Offset]) | (static_cast<uint32_t>(Bytes[Offset + 1]) << 8) |
                                (static_cast<uint32_t>(Bytes[Offset + 2]) << 16) |
                                (static_cast<uint32_t>(Bytes[Offset + 3]) << 24));
}

TBoardTile DistinctTile(int32_t Seed) {
    TBoardTile Tile;
    Tile.Kind = okFruit;
    Tile.LockerKind = 3;
    Tile.Content = static_cast<uint8_t>(ccFruitBlaster);
    Tile.Web = true;
    Tile.Bomb = true;
    Tile.WormState = WormStateEaten;
    Tile.WormTime = 25000 + Seed;
    Tile.BlasterColor = -2 - Seed;  // negative: every byte of the integer differs from 0
    Tile.DropOffset = 0x01020304 + Seed;
    return Tile;
}

TEST(BoardData, TileRecordBytesSitAtTheirOffsets) {
    std::vector<uint8_t> Bytes(BoardTileBytes, 0xEE);
    WriteBoardTile(Bytes.data(), DistinctTile(0));
    EXPECT_EQ(Bytes[0], okFruit);
    EXPECT_EQ(Bytes[1], 3);
    EXPECT_EQ(Bytes[2], 103);
    EXPECT_EQ(Bytes[3], 1);
    EXPECT_EQ(Bytes[4], 1);
    EXPECT_EQ(Bytes[5], 2);
    EXPECT_EQ(Bytes[6], 0) << "reserved bytes are always written as 0";
    EXPECT_EQ(Bytes[7], 0);
    EXPECT_EQ(Int32At(Bytes, 8), 25000);
    EXPECT_EQ(Int32At(Bytes, 12), -2);
    EXPECT_EQ(Bytes[16], 0x04) << "little-endian";
    EXPECT_EQ(Bytes[19], 0x01);

    TBoardTile Back;
    ReadBoardTile(Bytes.data(), Back);
    EXPECT_EQ(Back, DistinctTile(0));
}

TEST(BoardData, BooleanBytesReadAsTrueWhenNotZero) {
    std::vector<uint8_t> Bytes(BoardTileBytes, 0);
    Bytes[3] = 7;
    Bytes[4] = 0x80;
    TBoardTile Tile;
    ReadBoardTile(Bytes.data(), Tile);
    EXPECT_TRUE(Tile.Web);
    EXPECT_TRUE(Tile.Bomb);
    WriteBoardTile(Bytes.data(), Tile);
    EXPECT_EQ(Bytes[3], 1);
    EXPECT_EQ(Bytes[4], 1);
}

TEST(BoardData, BoardIsColumnMajor) {
    TBoardData Board;
    for (int32_t X = 1; X <= 10; ++X)
        for (int32_t Y = 1; Y <= 10; ++Y) Board.At(X, Y) = DistinctTile(X * 100 + Y);
    std::vector<uint8_t> Bytes(BoardDataBytes, 0);
    WriteBoardData(Bytes.data(), Board);
    // Tile (x, y) starts at (x - 1) * 200 + (y - 1) * 20.
    for (TPoint P : {Point(1, 1), Point(1, 2), Point(2, 1), Point(7, 3), Point(10, 10)}) {
        const size_t Offset = static_cast<size_t>((P.X - 1) * 200 + (P.Y - 1) * 20);
        EXPECT_EQ(Int32At(Bytes, Offset + 8), 25000 + P.X * 100 + P.Y) << P.X << "," << P.Y;
    }
    TBoardData Back;
    ReadBoardData(Bytes.data(), Back);
    EXPECT_EQ(Back, Board);
    EXPECT_EQ(&Board.At(3, 4), &Board.Tiles[2][3]);
    EXPECT_EQ(&Board[Point(3, 4)], &Board.At(3, 4));
}

TEST(BoardData, SwappedObjectsRecordIs26Bytes) {
    TSwappedObjectsData Data;
    Data.Object1Pos = {4, 5};
    Data.Object2Pos = {-1, 10};
    Data.Object1Kind = okLocker;
    Data.Object2Kind = okFruit;
    Data.Object1Special = true;
    Data.Object2Content = 104;
    Data.Object1Content = 2;
    Data.Object2Bomb = true;
    Data.Object1Worm = WormStateEating;
    Data.Object2Worm = WormStateEaten;
    std::vector<uint8_t> Bytes(SwappedObjectsDataBytes + 1, 0xEE);
    WriteSwappedObjectsData(Bytes.data(), Data);
    EXPECT_EQ(Int32At(Bytes, 0), 4);
    EXPECT_EQ(Int32At(Bytes, 4), 5);
    EXPECT_EQ(Int32At(Bytes, 8), -1);
    EXPECT_EQ(Int32At(Bytes, 12), 10);
    const uint8_t Tail[] = {okLocker, okFruit, 1, 0, 2, 104, 0, 1, 1, 2};
    EXPECT_EQ(std::memcmp(Bytes.data() + 16, Tail, sizeof Tail), 0);
    EXPECT_EQ(Bytes[26], 0xEE) << "nothing is written past the record";
    TSwappedObjectsData Back;
    ReadSwappedObjectsData(Bytes.data(), Back);
    EXPECT_EQ(Back, Data);
}

TEST(BoardData, SpecialContents) {
    // The special mark leaves out a flower alone; HoldsSpecialObject counts flowers too.
    const struct {
        uint8_t Content;
        bool Bomb;
        bool Special;
        bool Holds;
    } Cases[] = {
        {1, false, false, false},   {6, false, false, false},   {ccUniFruit, false, true, true},
        {ccHammer, false, true, true}, {ccFlower, false, false, true}, {ccFruitBlaster, false, true, true},
        {ccMagicKey, false, true, true}, {ccBroom, false, true, true}, {ccAerosol, false, true, true},
        {3, true, true, true},      {ccFlower, true, true, true}, {107, false, false, false},
    };
    for (const auto& C : Cases) {
        TBoardTile Tile;
        Tile.Content = C.Content;
        Tile.Bomb = C.Bomb;
        EXPECT_EQ(IsSpecialLockerContent(Tile), C.Special) << int(C.Content) << " bomb " << C.Bomb;
        EXPECT_EQ(HoldsSpecialObject(Tile), C.Holds) << int(C.Content) << " bomb " << C.Bomb;
    }
    EXPECT_EQ(ToolContentCode(toMagicKey), ccMagicKey);
    EXPECT_EQ(ToolContentCode(toAerosol), ccAerosol);
}

TEST(BoardData, StatusesForABoardMarkItsShape) {
    TBoardData Board;
    Board.At(1, 1).Kind = okUnused;
    Board.At(10, 4).Kind = okUnused;
    const TTileStatusArray Statuses = TTileStatusArray::ForBoard(Board);
    EXPECT_EQ(Statuses.At(1, 1), tsUnused);
    EXPECT_EQ(Statuses.At(10, 4), tsUnused);
    EXPECT_EQ(Statuses.At(4, 10), tsIdle);
}

}  // namespace
