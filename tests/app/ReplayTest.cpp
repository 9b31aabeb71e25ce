// Replays as tests: a seeded game the bot plays is the same game every time it
// is played, drawn or headless, and its replay plays it again move for move.
// A difference is reported at the first frame where the board parts ways.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "BotPlayerClass.h"
#include "ReplayClass.h"
#include "TestDriverClass.h"

namespace {

// What a game looked like: a digest of the board's tiles, statuses and the bot's
// counts after every frame, and the board and counts at the end.
struct TGameTrace {
    std::vector<uint64_t> FrameDigests;
    TBoardData FinalBoard;
    TBotCounts Counts;
    std::vector<TReplayMove> MovesMade;
};

void Mix(uint64_t& Hash, const void* Data, size_t Size) {
    const auto* Bytes = static_cast<const uint8_t*>(Data);
    for (size_t I = 0; I < Size; ++I) Hash = (Hash ^ Bytes[I]) * 0x100000001B3ull;
}

uint64_t Digest(const TGameBoard& Board, const TBotCounts& Counts) {
    uint64_t Hash = 0xCBF29CE484222325ull;
    Mix(Hash, &Board.BoardData(), sizeof(TBoardData));
    Mix(Hash, &Board.TileStatuses(), sizeof(TTileStatusArray));
    Mix(Hash, &Counts, sizeof(Counts));
    return Hash;
}

// Plays Frames frames of the replay's level and seed: the bot chooses the moves,
// or, with PlayBack, the replay's moves are played back (drawn or headless).
TGameTrace Play(const TReplay& Game, int32_t Frames, bool Drawn, bool PlayBack) {
    TTestDriverSetup Setup;
    Setup.Headless = !Drawn;
    TTestDriver Driver(Setup);
    TGameTrace Trace;
    if (!Driver.Start()) {
        ADD_FAILURE() << "the game did not start";
        return Trace;
    }
    TFormMain& Form = Driver.Form();
    if (!StartSeededLevel(Form, Game.Seed, Game.Island, Game.Level)) {
        ADD_FAILURE() << "the level did not start";
        return Trace;
    }
    TBotPlayer Bot(Form);
    TReplayPlayer Replayer(Game);
    Trace.FrameDigests.reserve(static_cast<size_t>(Frames));
    for (int32_t Frame = 0; Frame < Frames; ++Frame) {
        if (PlayBack) {
            if (!Replayer.Act(Form, Frame)) {
                ADD_FAILURE() << "the board refused the recorded move before frame " << Frame;
                break;
            }
        } else {
            Bot.Act(Frame);
        }
        Driver.Step();
        Trace.FrameDigests.push_back(Digest(*Form.GameBoard, Bot.Counts()));
    }
    Trace.FinalBoard = Form.GameBoard->BoardData();
    Trace.Counts = Bot.Counts();
    Trace.MovesMade = PlayBack ? Game.Moves : Bot.MovesMade();
    return Trace;
}

// Empty when both games are the same; else where they first part ways.
std::string FirstDifference(const TGameTrace& A, const TGameTrace& B) {
    const size_t Frames = std::min(A.FrameDigests.size(), B.FrameDigests.size());
    for (size_t Frame = 0; Frame < Frames; ++Frame)
        if (A.FrameDigests[Frame] != B.FrameDigests[Frame])
            return "the games part ways at frame " + std::to_string(Frame);
    if (A.FrameDigests.size() != B.FrameDigests.size()) return "one game ran fewer frames";
    if (!(A.FinalBoard == B.FinalBoard)) return "the final boards differ";
    if (!(A.Counts == B.Counts)) return "the counts differ";
    if (A.MovesMade != B.MovesMade) return "the moves made differ";
    return "";
}

TEST(Replay, ASeededGamePlaysTheSameEveryTimeAndFromItsReplay) {
    TReplay Game;
    Game.Seed = 11;
    constexpr int32_t Frames = 12000;  // six minutes of game time
    const TGameTrace First = Play(Game, Frames, false, false);
    EXPECT_GT(First.Counts.Moves, 140) << "the game must be long enough to tell";
    EXPECT_GT(First.Counts.FruitsMatched, 3 * First.Counts.Moves) << "every move matches at least three fruits";
    EXPECT_GT(First.Counts.LockersOpened, 0);
    EXPECT_GT(First.Counts.Cascades, 0);

    const TGameTrace Second = Play(Game, Frames, false, false);
    EXPECT_EQ(FirstDifference(First, Second), "");

    Game.Moves = First.MovesMade;
    const TGameTrace Replayed = Play(Game, Frames, false, true);
    EXPECT_EQ(FirstDifference(First, Replayed), "");

    // Another seed is another game.
    TReplay Other;
    Other.Seed = 12;
    EXPECT_NE(Play(Other, 200, false, false).FinalBoard, First.FinalBoard);
}

TEST(Replay, DrawnAndHeadlessPlayTheSameGame) {
    TReplay Game;
    Game.Seed = 5;
    constexpr int32_t Frames = 1000;
    const TGameTrace Headless = Play(Game, Frames, false, false);
    ASSERT_GT(Headless.Counts.Moves, 10);
    Game.Moves = Headless.MovesMade;
    const TGameTrace Drawn = Play(Game, Frames, true, true);
    EXPECT_EQ(FirstDifference(Headless, Drawn), "");
}

TEST(Replay, AMoveTheBoardCannotTakeStopsThePlayBack) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    ASSERT_TRUE(StartSeededLevel(Form, 3, 1, 1));
    TReplay Game;
    Game.Moves = {{0, {1, 1}, {1, 2}}};
    TReplayPlayer WhileDropping(Game);
    EXPECT_FALSE(WhileDropping.Act(Form, 0)) << "the level is still dropping in";
    EXPECT_TRUE(Form.GameBoard->IsIdle()) << "and nothing was swapped";

    ASSERT_TRUE(Driver.StepUntil([&] { return BoardTakesMove(Form); }, 1000));
    // The bot's swap is under way: the same pair again at once finds its tiles busy.
    TBotPlayer Bot(Form);
    ASSERT_TRUE(Bot.Act(0));
    const TReplayMove Made = Bot.MovesMade().back();
    Game.Moves = {{1, Made.Tile1Pos, Made.Tile2Pos}};
    TReplayPlayer Busy(Game);
    EXPECT_FALSE(Busy.Act(Form, 1)) << "its tiles are still swapping";
    Game.Moves = {{0, Made.Tile1Pos, Made.Tile2Pos}};
    TReplayPlayer Late(Game);
    EXPECT_FALSE(Late.Act(Form, 5)) << "the move's frame has passed";
}

TEST(Replay, TextReadsBackAndRefusesWhatIsNotAReplay) {
    TReplay Game;
    Game.Island = 1;
    Game.Level = 3;
    Game.Seed = 18446744073709551615ull;
    Game.Moves = {{99, {5, 3}, {5, 4}}, {99, {1, 1}, {2, 1}}, {160, {10, 9}, {10, 10}}};
    TReplay Read;
    std::string Error;
    ASSERT_TRUE(TReplay::FromText(Game.ToText(), Read, Error)) << Error;
    EXPECT_EQ(Read, Game);
    ASSERT_TRUE(TReplay::FromText("quellow replay\r\n\r\nlevel 2-7\r\nseed 0\r\n", Read, Error)) << Error;
    EXPECT_EQ(Read.Island, 2);
    EXPECT_EQ(Read.Level, 7);
    EXPECT_TRUE(Read.Moves.empty());

    const struct {
        const char* Text;
        const char* Error;
    } Bad[] = {
        {"", "line 0: empty"},
        {"a replay\nlevel 1-01\nseed 1\n", "line 1: not a replay"},
        {"quellow replay\nseed 1\n", "line 2: the level or the seed is missing"},
        {"quellow replay\nlevel 1\nseed 1\n", "line 2: level wants"},
        {"quellow replay\nlevel 1-01\nseed -3\n", "line 3: seed wants"},
        {"quellow replay\nlevel 1-01\nseed 1\nmove 5 0,1 1,1\n", "line 4: move wants"},
        {"quellow replay\nlevel 1-01\nseed 1\nmove 5 1,1 11,1\n", "line 4: move wants"},
        {"quellow replay\nlevel 1-01\nseed 1\nmove 5 1,1\n", "line 4: move wants"},
        {"quellow replay\nlevel 1-01\nseed 1\nmove 9 1,1 2,1\nmove 8 1,1 2,1\n", "line 5: moves go back"},
        {"quellow replay\nlevel 1-01\nseed 1 2\n", "line 3: seed wants"},
        {"quellow replay\nlevel 1-01\nseed 1\nmove 5 1,1 2,1 3,1\n", "line 4: too many words"},
        {"quellow replay\nlevel 1-01\nspeed 1\n", "line 3: unknown entry"},
    };
    for (const auto& B : Bad) {
        Error.clear();
        TReplay Kept = Game;
        EXPECT_FALSE(TReplay::FromText(B.Text, Kept, Error)) << B.Text;
        EXPECT_EQ(Error.rfind(B.Error, 0), 0u) << B.Text << " -> " << Error;
        EXPECT_EQ(Kept, Game) << "a refused text leaves the replay as it was";
    }
}

}  // namespace
