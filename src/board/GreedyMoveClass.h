// The greedy choice of a move, as a quick player makes it: of every swap of two
// neighbouring tiles that makes a group, the one that gathers the most tiles.
// Judged by the group rule on the board's data alone, so the level bot, the
// tests and later the balancing tools all choose alike and deterministically.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"

struct TGreedyMove {
    TPoint Tile1Pos;
    TPoint Tile2Pos;
    TTileObjectKind Kind = okLocker;
    // Tiles in the groups the swap forms at its two tiles.
    int32_t GroupSize = 0;

    friend bool operator==(const TGreedyMove&, const TGreedyMove&) = default;
};

// The swap of P and Q can be made now: both idle, both closed lockers or both
// plain opened tiles (no uni fruit, hammer, flower or fruit blaster), no web.
bool CanMakeSwap(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint P, TPoint Q);

// Tiles the swap of P and Q gathers into groups that hold P or Q once exchanged
// (0 when it makes no group). Groups elsewhere on the board are not counted.
int32_t SwapGroupSize(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint P, TPoint Q);

// The swap that gathers the most tiles; on a tie, fruits before lockers (matched
// fruits are what a round counts), then the first in board order (column by
// column, each tile with its right, then its lower neighbour). False when no swap
// the player could make forms a group.
bool ChooseGreedyMove(const TBoardData& Board, const TTileStatusArray& Statuses, TGreedyMove& Move);

// A special object to click, for a player with no swap left: the first idle,
// unwebbed opened uni fruit, hammer or fruit blaster in board order. False when
// the board has none.
bool ChooseObjectClick(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint& Tile);
