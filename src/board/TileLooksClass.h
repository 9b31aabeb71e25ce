// What a board tile looks like: which image and pattern its box and its content
// show, and when the board leaves a layer out because an effect is showing that
// tile instead (a swap, a hammer blow, the grouping, a uni pop, a hint). Pure
// rules, so the board's drawing and the tests read the same decisions.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"

// The images the board draws, looked up once per frame by their names.
enum TBoardImage : uint8_t {
    biLockers,
    biSpecialLockerMark,
    biFruitsInside,
    biFruitsEaten,
    biUniFruitInside,
    biFruitBlastersInside,
    biFlowersInside,
    biHammer,
    biSmallToolIcons,
    biFruitBomb,
    biWormEating,
    biTileSelection,
    biFruitsOutside  // the fruit lifted out of its box, as the hint and the swap show it
};
constexpr int32_t BoardImageCount = biFruitsOutside + 1;

// "Lockers", "SpecialLockerMark", ... exactly as the image files are named.
const char* BoardImageName(TBoardImage Image);

struct TTileLook {
    TBoardImage Image = biLockers;
    int32_t Pattern = 0;
    friend bool operator==(const TTileLook&, const TTileLook&) = default;
};

// A closed locker shows its kind's locker (row 0 of "Lockers"); an opened tile
// the open box of the same kind (row 1).
TTileLook BoxLook(const TBoardTile& Tile);

// What an opened tile shows in its box, later rules winning: its fruit; the
// eaten fruit; the uni fruit in the colour it shows now (UniColor); the fruit
// blaster of its colour; the flower found last (FlowerIdx 1 to 6); the hammer;
// the tool.
TTileLook ContentLook(const TBoardTile& Tile, int32_t UniColor, int32_t FlowerIdx);

// The box is drawn for lockers and opened tiles, except a locker being swapped or
// hammered (the effect draws it) and a tile the hint lifts (HintLiftsBox).
bool DrawsBox(const TBoardTile& Tile, TTileStatus Status, bool HintLiftsBox);
// The content is drawn for opened tiles, except while an effect shows it instead:
// swapping, hammered, grouped, popping out of a uni bubble, or lifted by the hint.
bool DrawsContent(const TBoardTile& Tile, TTileStatus Status, bool Popping, bool HintLiftsTile);

// Pixels a tile of this status is drawn below its cell: its landing bounce,
// rounded, and while it falls the distance it has dropped.
int32_t TileVerticalOffset(const TBoardTile& Tile, TTileStatus Status, double BounceOffset);
