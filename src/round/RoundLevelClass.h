// The level a round plays. When the player starts a level its file is found and
// read first: a missing or broken file is reported to the player and changes
// nothing. Then the round's components are reset and set up from the level
// record in the game's order, and the round keeps what the rest of its start
// needs (the music, the medal and announcement times, the tools on offer, the
// money per combo). Later, when the tutorial has explained one of island 1's
// new features, the level's own value for it comes back through here.
#pragma once

#include <cstdint>
#include <optional>

#include "GameBoardClass.h"
#include "LevelFileClass.h"
#include "LevelStartClass.h"

class TMusicBox;

// What the round holds of the level it is playing.
struct TRoundLevel {
    TLevelStartContext Context;  // island, level, the player's tools, test mode
    TLevelRecord Record;         // the level record as the file holds it
    TLevelStart Start;           // the values as the components take them
};

// Level start. Reads the level file of Context's island and level; when it is
// missing, too short or damaged the player is told, false is returned and
// neither Round nor the board changes. Otherwise Round takes the level and the
// board is set up for it (ApplyLevelToBoard).
bool StartRoundLevel(const TLevelStartContext& Context, TGameBoard& Board, TRoundLevel& Round);

// The first half of a level start: reads the level file and prepares the values the
// components take, leaving the board alone. False (Round unchanged) when the file is
// missing, too short or damaged; the player has been told.
bool ReadRoundLevel(const TLevelStartContext& Context, TRoundLevel& Round);

// The board's part of the level start, in this order: reset for the round; the
// level's tiles; the shared fruit colour count; the refill chances and maxima,
// the flower countdown range and the highest tool; the mode (flowers hide in
// lockers in find-flowers levels); fresh random contents for every tile.
void ApplyLevelToBoard(const TLevelStart& Start, TGameBoard& Board);

// The board's tuning values from a record (chances, maxima, flower countdown range).
void ApplyBoardTuning(const TLevelRecord& Values, TGameBoard& Board);

// The tutorial has explained Feature: the level's own value replaces its
// introductory one. Board features take it at once; the value is returned so
// the round can hand the others (spider and worm intervals, webs) to their
// owners. Nothing happens, and nothing is returned, when the level does not hold
// the feature back (or it was already released).
std::optional<int32_t> ReleaseRoundFeature(TRoundLevel& Round, THeldFeature Feature, TGameBoard& Board);

// The round's music: the objective's track, or none for a bonus stage (it chooses its own).
void SelectRoundMusic(const TLevelStart& Start, TMusicBox& MusicBox);
