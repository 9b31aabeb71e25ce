// The rules that tie the map to the level dots: which island the map shows
// when the player presses Play, when a won round opens the next island, and
// test mode's completion of every level with every island open.
#pragma once

#include <cstdint>

class TLevelDots;
class TMapIslands;

// Play from the menu: with every island complete the island entered last, else the
// highest open island up to the first one not complete; that island is opened.
void ChooseIslandForPlay(TMapIslands& Map, const TLevelDots& Dots);

// After a won round on Island: when the island is complete with enough levels, the
// next island opens, and the map selects the highest open island unless the new one
// was announced before. True when the next island was earned.
bool OpenNextIslandAfterRound(TMapIslands& Map, const TLevelDots& Dots, int32_t Island);

// Test mode: every level that has a file completed in 1 second, islands 1 to 5 open.
void ApplyTestModeProgress(TMapIslands& Map, TLevelDots& Dots);
