#include "BoardDataClass.h"

#include "ByteOrderClass.h"

int32_t FruitColorCount = 5;
int32_t ShakeAmplitude[BoardSize][BoardSize] = {};
int32_t BombFrame = 0;

void TSimpleObjectArray::Clear() {
    for (auto& Column : Items)
        for (bool& Item : Column) Item = false;
}

int32_t TSimpleObjectArray::Count() const {
    int32_t Result = 0;
    for (const auto& Column : Items)
        for (bool Item : Column) Result += Item ? 1 : 0;
    return Result;
}

bool TSimpleObjectArray::Any() const { return Count() > 0; }

void TSimpleObjectArray::Include(const TSimpleObjectArray& Other) {
    for (int32_t X = 0; X < BoardSize; ++X)
        for (int32_t Y = 0; Y < BoardSize; ++Y) Items[X][Y] = Items[X][Y] || Other.Items[X][Y];
}

TTileStatusArray TTileStatusArray::ForBoard(const TBoardData& Board) {
    TTileStatusArray Result;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            Result.At(X, Y) = Board.At(X, Y).Kind == okUnused ? tsUnused : tsIdle;
    return Result;
}

void ReadBoardTile(const uint8_t* Bytes, TBoardTile& Tile) {
    // Enumeration bytes are kept as stored; the level loader decides whether they make sense.
    Tile.Kind = static_cast<TTileObjectKind>(Bytes[0]);
    Tile.LockerKind = Bytes[1];
    Tile.Content = Bytes[2];
    Tile.Web = Bytes[3] != 0;
    Tile.Bomb = Bytes[4] != 0;
    Tile.WormState = Bytes[5];
    Tile.Reserved[0] = 0;
    Tile.Reserved[1] = 0;
    Tile.WormTime = ReadInt32LE(Bytes + 8);
    Tile.BlasterColor = ReadInt32LE(Bytes + 12);
    Tile.DropOffset = ReadInt32LE(Bytes + 16);
}

void WriteBoardTile(uint8_t* Bytes, const TBoardTile& Tile) {
    Bytes[0] = static_cast<uint8_t>(Tile.Kind);
    Bytes[1] = Tile.LockerKind;
    Bytes[2] = Tile.Content;
    Bytes[3] = Tile.Web ? 1 : 0;
    Bytes[4] = Tile.Bomb ? 1 : 0;
    Bytes[5] = Tile.WormState;
    Bytes[6] = 0;
    Bytes[7] = 0;
    WriteInt32LE(Bytes + 8, Tile.WormTime);
    WriteInt32LE(Bytes + 12, Tile.BlasterColor);
    WriteInt32LE(Bytes + 16, Tile.DropOffset);
}

namespace {
size_t TileOffset(int32_t X, int32_t Y) {
    return static_cast<size_t>((X - 1) * BoardSize + (Y - 1)) * BoardTileBytes;
}
}  // namespace

void ReadBoardData(const uint8_t* Bytes, TBoardData& Board) {
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) ReadBoardTile(Bytes + TileOffset(X, Y), Board.At(X, Y));
}

void WriteBoardData(uint8_t* Bytes, const TBoardData& Board) {
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) WriteBoardTile(Bytes + TileOffset(X, Y), Board.At(X, Y));
}

void ReadSwappedObjectsData(const uint8_t* Bytes, TSwappedObjectsData& Data) {
    Data.Object1Pos = {ReadInt32LE(Bytes + 0), ReadInt32LE(Bytes + 4)};
    Data.Object2Pos = {ReadInt32LE(Bytes + 8), ReadInt32LE(Bytes + 12)};
    Data.Object1Kind = static_cast<TTileObjectKind>(Bytes[16]);
    Data.Object2Kind = static_cast<TTileObjectKind>(Bytes[17]);
    Data.Object1Special = Bytes[18] != 0;
    Data.Object2Special = Bytes[19] != 0;
    Data.Object1Content = Bytes[20];
    Data.Object2Content = Bytes[21];
    Data.Object1Bomb = Bytes[22] != 0;
    Data.Object2Bomb = Bytes[23] != 0;
    Data.Object1Worm = Bytes[24];
    Data.Object2Worm = Bytes[25];
}

void WriteSwappedObjectsData(uint8_t* Bytes, const TSwappedObjectsData& Data) {
    WriteInt32LE(Bytes + 0, Data.Object1Pos.X);
    WriteInt32LE(Bytes + 4, Data.Object1Pos.Y);
    WriteInt32LE(Bytes + 8, Data.Object2Pos.X);
    WriteInt32LE(Bytes + 12, Data.Object2Pos.Y);
    Bytes[16] = static_cast<uint8_t>(Data.Object1Kind);
    Bytes[17] = static_cast<uint8_t>(Data.Object2Kind);
    Bytes[18] = Data.Object1Special ? 1 : 0;
    Bytes[19] = Data.Object2Special ? 1 : 0;
    Bytes[20] = Data.Object1Content;
    Bytes[21] = Data.Object2Content;
    Bytes[22] = Data.Object1Bomb ? 1 : 0;
    Bytes[23] = Data.Object2Bomb ? 1 : 0;
    Bytes[24] = Data.Object1Worm;
    Bytes[25] = Data.Object2Worm;
}

bool IsSpecialLockerContent(const TBoardTile& Tile) {
    switch (Tile.Content) {
        case ccUniFruit:
        case ccHammer:
        case ccFruitBlaster:
        case ccMagicKey:
        case ccBroom:
        case ccAerosol: return true;
        default: return Tile.Bomb;
    }
}

bool HoldsSpecialObject(const TBoardTile& Tile) { return Tile.Content == ccFlower || IsSpecialLockerContent(Tile); }
