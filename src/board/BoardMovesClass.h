// What is left to do on a board, as pure rules of its data: whether the player
// can still act (a swap that makes a group, or a hammer or fruit blaster to
// click), the shuffled board that replaces a board without moves, the hammer
// added when even the shuffled board has none, and how the two hint tiles
// breathe apart. The board, the tests and the level bot call these directly.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"

// The specials a shuffle must keep, counted on lockers and opened tiles.
struct TBoardSpecials {
    int32_t Hammers = 0;
    int32_t Bombs = 0;
    int32_t UniFruits = 0;
    int32_t Blasters = 0;

    friend bool operator==(const TBoardSpecials&, const TBoardSpecials&) = default;
};
TBoardSpecials CountSpecials(const TBoardData& Board);

// Opened tiles, of any content.
int32_t CountOpenedTiles(const TBoardData& Board);

// Some opened tile holds a hammer or a fruit blaster: a click on it still acts.
bool HasHammerOrBlaster(const TBoardData& Board);

// The player still has something to do: a swap that makes a group (judged with
// these statuses), or a hammer or fruit blaster to click.
bool MovesLeft(const TBoardData& Board, const TTileStatusArray& Statuses);

// A new board of the same shape from the old one, which is left alone. Every
// locker and opened tile becomes a closed locker of a random kind and colour,
// without web, bomb or worm; the gameplay stream is then reseeded and as many
// random lockers as the old board had opened tiles are opened with random
// colours. Ready-made groups are broken by recolouring one tile of each (a
// locker that fits no kind becomes an opened tile), and the hammers, uni
// fruits, fruit blasters and bombs are put back on random opened tiles, each
// on a tile of its own, so none is lost and none completes a group.
// Positions outside the shape and emptied positions stay what they are.
//
// The groups are judged as the new board will be played: every tile idle. The
// board hands its new tiles over with all statuses idle, so the statuses the
// old tiles had (a cascade may be running) say nothing about the new ones.
TBoardData MakeShuffledBoard(const TBoardData& Board, int32_t ColorCount);

// Tries up to 1000 random positions until one holds a locker or an opened tile,
// and makes it an opened hammer. Returns that position, (0, 0) when none was hit.
TPoint AddHammerAnywhere(TBoardData& Board);

// One frame of the hint's breathing: the wobble rises to 8, falls to 0, and turns.
// Direction 1 rises, 0 falls.
void StepHintWobble(int32_t& Wobble, int32_t& Direction);
// How far a hint tile is drawn from its cell: away from the other hint tile by the
// wobble, sideways when they are in different columns, up and down in one column.
TPoint HintTileShift(TPoint Tile, TPoint Other, int32_t Wobble);
