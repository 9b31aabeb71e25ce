// The board's records: one tile, the 10 by 10 board (also the tile block of a
// level file), tile masks, the swap and hint records, the tile statuses, the
// content codes and the values the whole board engine shares.
//
// Board positions are columns X and rows Y, both 1 to 10; (0, 0) is no tile.
// Every 10 by 10 table is column-major: entry (X, Y) is number (X - 1) * 10 + (Y - 1).
#pragma once

#include <cstddef>
#include <cstdint>

#include "GameTypesClass.h"

constexpr int32_t BoardSize = 10;

// Screen geometry of the board in the 800 by 600 frame.
constexpr int32_t BoardScreenLeft = 215;
constexpr int32_t BoardScreenTop = 90;
constexpr int32_t BoardTilePixels = 46;

inline bool IsBoardPos(int32_t X, int32_t Y) { return X >= 1 && X <= BoardSize && Y >= 1 && Y <= BoardSize; }
inline bool IsBoardPos(TPoint P) { return IsBoardPos(P.X, P.Y); }

// What a locker holds or an opened tile shows, besides the fruit colours 1 to FruitColorCount.
constexpr uint8_t ccUniFruit = 0;
constexpr uint8_t ccHammer = 101;
constexpr uint8_t ccFlower = 102;
constexpr uint8_t ccFruitBlaster = 103;
constexpr uint8_t ccMagicKey = 104;
constexpr uint8_t ccBroom = 105;
constexpr uint8_t ccAerosol = 106;
// Tools hidden in lockers are coded 103 + the tool's ordinal (toMagicKey 104 ... toAerosol 106).
constexpr uint8_t ToolContentCode(TToolKind Tool) { return static_cast<uint8_t>(103 + Tool); }

// A tile's worm: none, a worm eating the fruit, the fruit eaten.
constexpr uint8_t WormStateNone = 0;
constexpr uint8_t WormStateEating = 1;
constexpr uint8_t WormStateEaten = 2;

// One tile. In memory and on disk it is 20 bytes in this order.
struct TBoardTile {
    TTileObjectKind Kind = okLocker;
    uint8_t LockerKind = 1;    // 1 to 3; an opened locker keeps its kind
    uint8_t Content = 1;       // fruit colour 1..N or a cc... code
    bool Web = false;          // a spider web covers the tile
    bool Bomb = false;         // a fruit bomb hangs on the fruit
    uint8_t WormState = WormStateNone;
    uint8_t Reserved[2] = {0, 0};
    int32_t WormTime = 0;      // milliseconds eaten, or waiting to regrow
    int32_t BlasterColor = 1;  // for ccFruitBlaster: the colour it destroys; 1 otherwise
    int32_t DropOffset = 0;    // pixels moved down while falling, 0 to 45

    friend bool operator==(const TBoardTile&, const TBoardTile&) = default;
};

constexpr size_t BoardTileBytes = 20;
static_assert(sizeof(bool) == 1);
static_assert(sizeof(TBoardTile) == BoardTileBytes);
static_assert(offsetof(TBoardTile, Kind) == 0 && offsetof(TBoardTile, LockerKind) == 1 &&
              offsetof(TBoardTile, Content) == 2 && offsetof(TBoardTile, Web) == 3 &&
              offsetof(TBoardTile, Bomb) == 4 && offsetof(TBoardTile, WormState) == 5 &&
              offsetof(TBoardTile, WormTime) == 8 && offsetof(TBoardTile, BlasterColor) == 12 &&
              offsetof(TBoardTile, DropOffset) == 16);

// The whole board, column-major. Copies of it travel with every effect request.
struct TBoardData {
    TBoardTile Tiles[BoardSize][BoardSize];  // [X - 1][Y - 1]

    TBoardTile& At(int32_t X, int32_t Y) { return Tiles[X - 1][Y - 1]; }
    const TBoardTile& At(int32_t X, int32_t Y) const { return Tiles[X - 1][Y - 1]; }
    TBoardTile& operator[](TPoint P) { return At(P.X, P.Y); }
    const TBoardTile& operator[](TPoint P) const { return At(P.X, P.Y); }

    friend bool operator==(const TBoardData&, const TBoardData&) = default;
};

constexpr size_t BoardDataBytes = BoardTileBytes * BoardSize * BoardSize;
static_assert(sizeof(TBoardData) == BoardDataBytes);

// A set of tiles (matched fruits, lockers to open, banned positions, locker frames...).
struct TSimpleObjectArray {
    bool Items[BoardSize][BoardSize] = {};  // [X - 1][Y - 1]

    bool& At(int32_t X, int32_t Y) { return Items[X - 1][Y - 1]; }
    bool At(int32_t X, int32_t Y) const { return Items[X - 1][Y - 1]; }
    bool& operator[](TPoint P) { return At(P.X, P.Y); }
    bool operator[](TPoint P) const { return At(P.X, P.Y); }

    void Clear();
    int32_t Count() const;
    bool Any() const;
    // Adds every tile of Other to this set.
    void Include(const TSimpleObjectArray& Other);

    friend bool operator==(const TSimpleObjectArray&, const TSimpleObjectArray&) = default;
};

static_assert(sizeof(TSimpleObjectArray) == BoardSize * BoardSize);

// What each tile is doing. A tile that is not tsIdle is busy: it takes no clicks and no part in a match.
enum TTileStatus : uint8_t { tsIdle, tsSwapping, tsOpening, tsGrouped, tsFalling, tsHammered, tsUnused };

struct TTileStatusArray {
    TTileStatus Items[BoardSize][BoardSize] = {};  // [X - 1][Y - 1], all tsIdle

    TTileStatus& At(int32_t X, int32_t Y) { return Items[X - 1][Y - 1]; }
    TTileStatus At(int32_t X, int32_t Y) const { return Items[X - 1][Y - 1]; }
    TTileStatus& operator[](TPoint P) { return At(P.X, P.Y); }
    TTileStatus operator[](TPoint P) const { return At(P.X, P.Y); }

    // Every tile idle, except the positions outside the board's shape, which are tsUnused.
    static TTileStatusArray ForBoard(const TBoardData& Board);
};

// The swap the player asked for: two positions, then one byte per object for
// kind, special flag, content (LockerKind of a locker, Content of an opened tile),
// bomb and worm state. The 26 bytes of the record end at offset 26; only the
// struct's alignment adds padding after them.
struct TSwappedObjectsData {
    TPoint Object1Pos;
    TPoint Object2Pos;
    TTileObjectKind Object1Kind = okLocker;
    TTileObjectKind Object2Kind = okLocker;
    bool Object1Special = false;
    bool Object2Special = false;
    uint8_t Object1Content = 0;
    uint8_t Object2Content = 0;
    bool Object1Bomb = false;
    bool Object2Bomb = false;
    uint8_t Object1Worm = WormStateNone;
    uint8_t Object2Worm = WormStateNone;

    friend bool operator==(const TSwappedObjectsData&, const TSwappedObjectsData&) = default;
};

constexpr size_t SwappedObjectsDataBytes = 26;
static_assert(offsetof(TSwappedObjectsData, Object2Pos) == 8 && offsetof(TSwappedObjectsData, Object1Kind) == 16 &&
              offsetof(TSwappedObjectsData, Object1Special) == 18 &&
              offsetof(TSwappedObjectsData, Object1Content) == 20 &&
              offsetof(TSwappedObjectsData, Object1Bomb) == 22 && offsetof(TSwappedObjectsData, Object1Worm) == 24 &&
              offsetof(TSwappedObjectsData, Object2Worm) + 1 == SwappedObjectsDataBytes);

// The two tiles whose swap makes a match.
struct THintTilesPos {
    TPoint Tile1Pos;
    TPoint Tile2Pos;

    friend bool operator==(const THintTilesPos&, const THintTilesPos&) = default;
};

static_assert(sizeof(THintTilesPos) == 16);

// Byte form of the records, little-endian, field by field.
void ReadBoardTile(const uint8_t* Bytes, TBoardTile& Tile);
void WriteBoardTile(uint8_t* Bytes, const TBoardTile& Tile);
// Tile (X, Y) sits at (X - 1) * 200 + (Y - 1) * 20.
void ReadBoardData(const uint8_t* Bytes, TBoardData& Board);
void WriteBoardData(uint8_t* Bytes, const TBoardData& Board);
void ReadSwappedObjectsData(const uint8_t* Bytes, TSwappedObjectsData& Data);
void WriteSwappedObjectsData(uint8_t* Bytes, const TSwappedObjectsData& Data);

// The content marks a special that the board draws with "SpecialLockerMark":
// uni fruit, hammer, fruit blaster, the three tools, or any tile with a bomb (not a flower alone).
bool IsSpecialLockerContent(const TBoardTile& Tile);
// The tile already holds a special, flowers included; refill places no second one there.
bool HoldsSpecialObject(const TBoardTile& Tile);

// Values the whole board engine shares, one instance for the process.
// Number of fruit colours in play; new fruits get colours 1 to it. Set from each level.
extern int32_t FruitColorCount;
// Jitter of each tile in pixels, indexed [X - 1][Y - 1]; hammer hits raise it, the board decays it.
extern int32_t ShakeAmplitude[BoardSize][BoardSize];
// Current pattern of the fruit bomb animation, advanced by the main game scene.
extern int32_t BombFrame;
