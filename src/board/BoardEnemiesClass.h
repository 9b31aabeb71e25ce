// What the board's two enemies, the fruit worms and the crawling spiders, share:
// the four directions they crawl in, the tiles of their board copy they may
// crawl onto, their chances and wave timing drawn from the gameplay stream, and
// the way their sprites are drawn (a black shadow first, then the sprite; a
// knocked-off enemy rolling as it falls).
#pragma once

#include <cstdint>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;
class TImageListItem;

enum TCrawlDirection : uint8_t { cdUp, cdDown, cdLeft, cdRight };
constexpr int32_t CrawlDirectionCount = 4;

// How many times an enemy draws a tile or a direction before it gives up.
constexpr int32_t MaxChoiceDraws = 10000;

// Where an enemy is before anything has hit it.
constexpr TPoint NotHitPos{-99, -99};

// The tile one step from P in direction D (it may lie outside the board).
TPoint NeighbourTile(TPoint P, TCrawlDirection D);
// Enemies crawl over every tile of the board's shape, whatever it holds: only
// positions outside 1 to 10 and holes (okUnused) stop them.
bool CanCrawlOnto(const TBoardData& Board, TPoint P);
// Some neighbour of P can be crawled onto.
bool HasWayOut(const TBoardData& Board, TPoint P);

// A chance of 1 in P on the gameplay stream: Random(P) = 0, so it comes every
// time when P is 1 or less (only a hand-made level holds such a value).
bool OneChanceIn(int32_t P);
// Milliseconds between two enemies of a wave: 350 to 3500 in steps of 350.
int32_t NewWaveInterval();

// A shadow of the sprite, black at this alpha.
constexpr uint32_t ShadowColor(uint8_t Alpha) { return static_cast<uint32_t>(Alpha) << 24; }
constexpr uint32_t OpaqueWhite = 0xFFFFFFFFu;

// Draws the pattern with its shadow first, ShadowX, ShadowY pixels away; an
// image that is not loaded draws nothing.
void DrawWithShadow(TImageListItem* Image, int32_t X, int32_t Y, int32_t Pattern, bool FlipVertical,
                    bool MirrorHorizontal, int32_t ShadowX, int32_t ShadowY, uint8_t ShadowAlpha);
// A knocked-off enemy rolling as it falls: the pattern turned by Angle degrees
// about the point at 25 % of its width and 65 % of its height, drawn smooth,
// its shadow first.
void DrawRolling(TOmegaImageList* List, TImageListItem* Image, int32_t X, int32_t Y, int32_t Angle,
                 int32_t Pattern, int32_t ShadowX, int32_t ShadowY, uint8_t ShadowAlpha);
// The roll turns 12 degrees a frame.
int32_t NextRollAngle(int32_t Angle);
