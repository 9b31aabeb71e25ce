// What the player's tools may do on a board, as pure functions of the board:
// which tile the magic key can open, which one the broom can sweep, how many
// webs are left, and which worms a spray of the aerosol drives off. The board
// component acts on these rules; the tests and the tools' handlers read them.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"

// P lies on the board (1 to 10 on both axes) and holds a closed locker.
bool IsLockerTile(const TBoardData& Board, TPoint P);
// P lies on the board and a web covers it (nothing off the board has a web).
bool HasWebTile(const TBoardData& Board, TPoint P);
// The broom can be used on P: a locker or an opened tile on the board, under a web.
bool IsBroomableTile(const TBoardData& Board, TPoint P);
// Tiles under a web.
int32_t CountWebs(const TBoardData& Board);
// The spray R (screen pixels, every edge inside) reaches the worm eating the
// opened fruit at P: its cell's centre, cell corner + (23, 23), lies in R. A
// rectangle whose left edge is right of its right edge (or top below bottom)
// holds nothing: a spray still too small to reach past its own margin.
bool WormSprayedAt(const TBoardData& Board, int32_t Left, int32_t Top, TPoint P, const TRect& R);
