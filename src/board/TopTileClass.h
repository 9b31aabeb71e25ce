// Where something may perch on the board: the first locker or fruit from the
// top of a random column. The fairy sits there, and the spiders start their
// crawl down from there. A pure function of the board's tiles.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"

// Columns drawn before giving up on a board with nothing to perch on.
constexpr int32_t TopTileDraws = 10000;

// Up to TopTileDraws times a column 1 to 10 is drawn (gameplay stream) and
// scanned from row 1 down; the first locker or fruit found is the answer. A
// board without any gives row 11 of the last column drawn, which is no tile:
// callers must check it.
TPoint RandomTopTile(const TBoardData& Board);
