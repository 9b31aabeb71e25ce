// A player that never tires, for the level bot, its benchmark and the replay
// tests: on the main-game board of a running form it waits until the level has
// dropped in and the board has settled, then makes the greedy move (the swap
// that gathers the most tiles) as a player would, and counts what follows.
#pragma once

#include <cstdint>
#include <vector>

#include "FormMainClass.h"
#include "ReplayClass.h"

// What a game brought. Fruits are counted as they hit the ground, as the round counts them.
struct TBotCounts {
    int64_t Moves = 0;          // swaps asked for, by the bot or a replay
    int64_t FruitsMatched = 0;  // matched fruits that landed on the ground
    int64_t LockersOpened = 0;
    // Groups the board formed by itself after a swap's own group: each batch of
    // lockers opening or fruits matching that did not come straight from a swap.
    int64_t Cascades = 0;

    friend bool operator==(const TBotCounts&, const TBotCounts&) = default;
};

// Seeds the gameplay stream with Seed for every reseed from now on (the level's
// contents, refill, the thrown fruits) and starts level Island-Level, which drops
// in with the locker filler. False when the level cannot be started.
bool StartSeededLevel(TFormMain& Form, uint64_t Seed, int32_t Island, int32_t Level);

// The board is shown, nothing moves or waits to be checked: it takes a move now.
bool BoardTakesMove(TFormMain& Form);

class TBotPlayer {
public:
    // Counts from now on, chained in front of the form's own handlers.
    explicit TBotPlayer(TFormMain& Form);
    // Gives the form its own handlers back.
    ~TBotPlayer();
    TBotPlayer(const TBotPlayer&) = delete;
    TBotPlayer& operator=(const TBotPlayer&) = delete;

    // Before frame Frame of the level: when the board takes a move, makes the
    // greedy one and notes it in the moves played. True when a swap was asked for.
    bool Act(int32_t Frame);
    // The board took a move and no swap made a group (there is no shuffle yet).
    bool OutOfMoves() const { return FOutOfMoves; }
    const TBotCounts& Counts() const { return FCounts; }
    // The moves made so far, in the order made.
    const std::vector<TReplayMove>& MovesMade() const { return FMovesMade; }

private:
    TFormMain& FForm;
    TBotCounts FCounts;
    std::vector<TReplayMove> FMovesMade;
    bool FOutOfMoves = false;
    // A swap's own check is running: the groups it finds are the move's, not a cascade.
    bool FInSwapCheck = false;

    TOnGroundHitEvent FOldGroundHit;
    TOpeningLockersEffectRequestEvent FOldOpeningRequest;
    TGroupedFruitsEffectRequestEvent FOldGroupedRequest;
    TSwapEffectCompleteEvent FOldSwapComplete;
    TSwapEffectRequestEvent FOldSwapRequest;
};
