// The rules of the special objects as pure functions of a board: which tiles a
// hammer smashes, which fruits a bomb blows off, how far a blow or an explosion
// shakes the board, and the rings of the fruit blaster's wave. The board and the
// tests read the same rules; nothing here needs a screen.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"

using TShakeAmplitudes = int32_t[BoardSize][BoardSize];

// The neighbours of P (up, right, down, left) that a hammer blow on P smashes:
// inside the board, part of its shape, and idle. Lockers, opened tiles and
// webbed tiles are smashed alike. P itself is never in the set.
TSimpleObjectArray HammeredNeighbours(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint P);

// A fruit a bomb's blast throws off the board: an opened, idle tile showing a
// plain colour 1 to ColorCount. Lockers, specials and busy tiles stay.
bool BlownByBomb(const TBoardTile& Tile, TTileStatus Status, int32_t ColorCount);

// P and every cell of the bomb's pattern around it inside the board: where
// worms and spiders are banned by an explosion at P.
TSimpleObjectArray BombBannedArea(TPoint P);

// The shake of a hammer blow at P: the whole board 1, then the first 37 ring
// cells around P: 3 for rings 0 and 1, 2 for rings 2 and 3.
void ApplyHammerShake(TShakeAmplitudes& Amplitude, TPoint P);
// The shake of a bomb at P: the whole board 2, then all 57 ring cells around P:
// 7 for rings 0 and 1, 6 for ring 2, 5 for ring 3, 3 for ring 4.
void ApplyBombShake(TShakeAmplitudes& Amplitude, TPoint P);

// The amplitude the blaster's wave leaves on the cells it has reached.
constexpr int32_t BlasterWaveAmplitude = 7;
// The cells at Manhattan distance Ring from Centre inside the board, walked
// clockwise from the top point, each set to BlasterWaveAmplitude.
void MarkBlasterRing(TShakeAmplitudes& Amplitude, TPoint Centre, int32_t Ring);
