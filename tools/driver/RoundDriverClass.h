// Plays whole rounds as a player does, for the bot, the balancing runs, the
// replays and the end-to-end tests: the level is started as the level
// selection starts it, the announcement is clicked away, each move's two tiles
// are pressed through the form's mouse handlers, shuffles are waited out, the
// result's OK is pressed and time up's question answered. Every press it makes
// is recorded, so the round can be played again from its inputs alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FormMainClass.h"
#include "TestDriverClass.h"

// "1-01" or "1-1": island 1, level 1. False for anything else.
bool ParseLevelName(const std::string& Name, int32_t& Island, int32_t& Level);
std::string LevelName(int32_t Island, int32_t Level);

// Seeds the gameplay stream with Seed for every reseed from now on (the level's
// contents, refill, the thrown fruits) and starts level Island-Level. False when
// the level cannot be started.
bool StartSeededLevel(TFormMain& Form, uint64_t Seed, int32_t Island, int32_t Level);

// The round runs, its board is shown and nothing moves or waits to be checked:
// it takes a move now.
bool BoardTakesMove(TFormMain& Form);

// One input as the round received it, at a frame counted from the level's start.
struct TRoundInput {
    enum TKind : uint8_t { riPress, riRelease, riSpace, riEscape };
    int32_t Frame = 0;
    TKind Kind = riPress;
    int32_t X = 0;
    int32_t Y = 0;
    TMouseButton Button = mbLeft;
    friend bool operator==(const TRoundInput&, const TRoundInput&) = default;
};

// A round as it was played: the level, the gameplay seed and every input. As text:
//   quellow round
//   level 1-01
//   seed 7
//   press 120 300,210 left
//   release 120 300,210
//   key 400 space
struct TRoundReplay {
    int32_t Island = 1;
    int32_t Level = 1;
    uint64_t Seed = 1;
    std::vector<TRoundInput> Inputs;  // in frame order

    std::string ToText() const;
    // False on a malformed text, with the reason and its line in Error.
    static bool FromText(const std::string& Text, TRoundReplay& Replay, std::string& Error);
    friend bool operator==(const TRoundReplay&, const TRoundReplay&) = default;
};

enum TRoundEnd : uint8_t {
    reRunning,  // still being played
    reWon,      // the result was shown and taken
    reTimeUp,   // time ran out and the question was answered
    reStuck,    // no end within the frames allowed, or the game went another way than recorded
    reNoStart   // the level could not be started
};

struct TRoundResult {
    TRoundEnd End = reRunning;
    int32_t Seconds = 0;          // the round timer's elapsed seconds at the end
    TMedalKind Medal = mdNone;
    int32_t LevelScore = 0;
    int32_t Score = 0;            // the score total after the round
    int32_t Money = 0;            // the money total after the round
    int64_t Moves = 0;            // swaps asked for
    int64_t Shuffles = 0;         // shuffles played out (the board's own and the button's)
    int64_t Frames = 0;
};

struct TRoundPlayOptions {
    // Frames between two moves of the bot (0: as soon as the board takes one).
    int32_t MoveDelayFrames = 0;
    // Presses the shuffle button once it is full.
    bool UseShuffleButton = true;
    // Time up's question: Yes plays the level again (the driver then stops), No leaves.
    bool RetryAtTimeUp = false;
    int64_t MaxFrames = 200000;
};

// Plays a started level's opening as a player does: the announcement is clicked away
// as soon as it rests. True once the round runs (gsMainGame).
bool SkipAnnouncement(TTestDriver& Driver, int MaxFrames = 2000);
// A level just started: its incentive window, if it has one, is passed with its OK as a
// player passes it. True once the objective's announcement is up and no transition runs.
bool ReachObjectiveAnnouncement(TTestDriver& Driver, int MaxFrames = 2000);
// Starts Island-Level and skips its announcement.
bool EnterRound(TTestDriver& Driver, int32_t Island, int32_t Level, int MaxFrames = 2000);

class TRoundDriver {
public:
    explicit TRoundDriver(TTestDriver& Driver);
    ~TRoundDriver();
    TRoundDriver(const TRoundDriver&) = delete;
    TRoundDriver& operator=(const TRoundDriver&) = delete;

    // Seeds the gameplay stream and starts the level; false when it cannot start.
    bool Start(int32_t Island, int32_t Level, uint64_t Seed);
    // Plays the started round to its end with the greedy bot.
    TRoundResult Play(const TRoundPlayOptions& Options = {});
    // Plays a recorded round back from its inputs alone.
    TRoundResult Replay(const TRoundReplay& Recorded, int64_t MaxFrames = 200000);
    // One frame of the bot's play: decides and sends this frame's input, then steps.
    void BotFrame(const TRoundPlayOptions& Options);
    // Sends the recorded inputs of this frame, from Next on; returns where the next frame's begin.
    size_t SendRecordedInputs(const TRoundReplay& Recorded, size_t Next);
    // One frame with whatever input was sent.
    void StepFrame() { StepAndWatch(); }

    const TRoundReplay& Recorded() const { return FRecorded; }
    bool Finished() const { return FResult.End != reRunning; }
    const TRoundResult& Result() const { return FResult; }
    int64_t Frame() const { return FFrame; }

private:
    void Send(const TRoundInput& Input);
    void Press(int32_t X, int32_t Y);
    void StepAndWatch();
    void CheckEnd();

    TTestDriver& FDriver;
    TFormMain& FForm;
    TRoundReplay FRecorded;
    TRoundResult FResult;
    int64_t FFrame = 0;
    int64_t FLastMoveFrame = -1000000;
    bool FSkipped = false;
    bool FResultTaken = false;
    bool FQuestionAnswered = false;
    bool FWasStageResult = false;
    bool FWasTimeUp = false;
    TGameSceneValues FLastScene = gsCompanyLogos;

    TSwapEffectRequestEvent FOldSwapRequest;
    TShuffleAwayEffectFinishedEvent FOldShuffleFinished;
};
