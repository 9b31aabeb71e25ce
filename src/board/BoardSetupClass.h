// How a board is set up and where a press lands, as pure functions of the board:
// the placeholder of closed lockers a new board shows before any level, the
// fresh contents every tile gets when a level starts (so a level file never
// decides what hides in a locker), the scripted contents of the first lesson,
// the press-to-tile rule and the jitter decay. The board component, the tests
// and the level bot call these directly; nothing here needs a screen.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"

// Every tile becomes a closed locker of a random kind 1 to 3 holding a random
// colour 1 to ColorCount, with nothing else on it. Draws from the gameplay
// stream, tile by tile (columns outside, rows inside), kind before colour.
void FillWithRandomLockers(TBoardData& Board, int32_t ColorCount);

// Every tile gets a random colour 1 to ColorCount and BlasterColor 1; kinds,
// locker kinds, webs and everything else stay as the level gave them.
void RandomizeBoardContents(TBoardData& Board, int32_t ColorCount);

// The contents of the first lesson's board: the eleven tiles the pointer's four
// swaps need (the rest of the board is left alone).
void ApplyTutorialContents(TBoardData& Board);

// The tile under a screen pixel of a board whose top-left tile corner is
// (Left, Top): column (X - Left + 46) div 46, row likewise, each 0 when negative.
// So anything left of or above the board gives 0, and past the last tile 11 or more.
TPoint HitTestTile(int32_t Left, int32_t Top, int32_t X, int32_t Y);

// P is not a tile of this level's board: outside 1 to 10 on either axis, or unused.
bool IsOffBoard(const TBoardData& Board, TPoint P);

// Top-left pixel of tile P's cell.
TPoint TileCellCorner(int32_t Left, int32_t Top, TPoint P);

// The jitter of every tile calms down: one pixel less for each, never below 0.
void DecayShakeAmplitudes(int32_t (&Amplitude)[BoardSize][BoardSize]);
constexpr int32_t ShakeDecayInterval = 500;  // milliseconds of game time per step of decay

// Offsets around a tile used by the specials, fixed for the game's life.
// The 5 by 5 square without its centre and corners: the cells a fruit bomb blows.
constexpr int32_t BombPatternCount = 20;
extern const TPoint BombPattern[BombPatternCount];
// Five rings around a tile (ring 0 is the tile itself), in walking order: how far a hit shakes.
constexpr int32_t ShakeRingsCount = 57;
constexpr int32_t ShakeRingStarts[] = {0, 1, 9, 21, 37, ShakeRingsCount};  // first entry of ring 0..4, then the end
extern const TPoint ShakeRings[ShakeRingsCount];
