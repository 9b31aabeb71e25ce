// The game's group rule and the move search, as pure functions of a board:
// three or more touching closed lockers of one kind open, three or more touching
// opened fruits of one colour match ("touching" means neighbours up, down, left
// or right; any connected shape counts). The board, the level compiler and the
// tests all use these, so a level is checked by exactly the rule the game plays.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"

// The key a tile matches by: its LockerKind while closed, its Content once opened, 0 otherwise.
int32_t TileKey(const TBoardTile& Tile);

// The tiles of one kind and key: closed lockers of LockerKind Key, or opened tiles
// showing Content Key that are not eaten (a fruit a worm is still eating matches).
TSimpleObjectArray KeyMask(const TBoardData& Board, TTileObjectKind Kind, int32_t Key);

// Union of every 4-connected set of at least 3 eligible tiles of the key mask.
// A tile is eligible when it is in the mask and idle. As the board has always
// played it, a busy tile of the key still links its eligible neighbours into one
// set when the search starts from it.
TSimpleObjectArray FindGroups(const TBoardData& Board, const TTileStatusArray& Statuses, TTileObjectKind Kind,
                              int32_t Key);
// The same with every tile idle (a board at rest, a level's starting board).
TSimpleObjectArray FindGroups(const TBoardData& Board, TTileObjectKind Kind, int32_t Key);

// Tiles in the region the group search grows from S for S's own kind and key
// (0 for a tile that is neither a locker nor an opened tile). S belongs to a
// group when this is 3 or more.
int32_t GroupRegionSize(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint S);

// A group of lockers of any kind 1 to 3, or of fruits of any colour 1 to ColorCount.
bool AnyGroup(const TBoardData& Board, const TTileStatusArray& Statuses, int32_t ColorCount);
bool AnyGroup(const TBoardData& Board, int32_t ColorCount);

// Exchanges the whole tile records at P and Q.
void SwapWholeTiles(TBoardData& Board, TPoint P, TPoint Q);

// P and Q may be offered as a hint: both on the board, both closed lockers or both
// opened tiles, neither a uni fruit, hammer, flower or fruit blaster, neither webbed.
// Statuses are not looked at.
bool CanSwapForHint(const TBoardData& Board, TPoint P, TPoint Q);

// After exchanging P and Q, a group exists for the kind and key now at P or now at Q.
bool SwapMakesMatch(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint P, TPoint Q);

// The move search, row by row from the tile after Start, Start itself examined last;
// each locker or opened tile tries its neighbours left, right, up, down.
// The board picks Start at random; the level compiler walks from a fixed one.
bool FindMoveFrom(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint Start, THintTilesPos& Move);
