// A game as it was played: the level, the seed of the gameplay stream and each
// swap with the frame of the level it was asked for before. Played back on the
// same build it gives the same game, drawn or headless. As text it is a few lines:
//   quellow replay
//   level 1-01
//   seed 7
//   move 120 3,4 4,4
// Frames count from 0, the first frame after the level started.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GameTypesClass.h"

class TFormMain;

struct TReplayMove {
    int32_t Frame = 0;
    TPoint Tile1Pos;
    TPoint Tile2Pos;

    friend bool operator==(const TReplayMove&, const TReplayMove&) = default;
};

struct TReplay {
    int32_t Island = 1;
    int32_t Level = 1;
    uint64_t Seed = 1;
    std::vector<TReplayMove> Moves;  // in frame order

    std::string ToText() const;
    // False on a malformed text, with the reason and its line in Error.
    static bool FromText(const std::string& Text, TReplay& Replay, std::string& Error);

    friend bool operator==(const TReplay&, const TReplay&) = default;
};

// "1-01" or "1-1": island 1, level 1. False for anything else.
bool ParseLevelName(const std::string& Name, int32_t& Island, int32_t& Level);
std::string LevelName(int32_t Island, int32_t Level);

// Plays a replay's moves back into a form, frame by frame.
class TReplayPlayer {
public:
    explicit TReplayPlayer(const TReplay& Replay) : FReplay(Replay) {}
    // Before frame Frame: asks for the swaps recorded for it. False when the
    // board refused one (a busy tile, no group to swap into, the board not shown
    // yet) or a move's frame has passed: the game went another way than recorded.
    bool Act(TFormMain& Form, int32_t Frame);
    bool Finished() const { return FNext >= FReplay.Moves.size(); }

private:
    const TReplay& FReplay;
    size_t FNext = 0;
};
