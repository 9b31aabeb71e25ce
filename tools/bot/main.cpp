// quellow-bot: plays a level headless with greedy moves, for as long a game time
// as asked, and prints what it made of it.
//
//   quellow-bot [--level I-LL] [--seed N] [--frames N] [--data DIR]
//               [--record FILE] [--replay FILE]
//
// The level (default 1-01) drops in with the locker filler; then, whenever the
// board has settled, the bot makes the swap that gathers the most tiles. It runs
// N frames of 30 ms of game time (default 20000, ten minutes), or stops early
// when no swap makes a group. The same seed (default 1) plays the same game.
// --record writes the moves made as a replay; --replay plays one back instead
// of choosing (its level and seed win over --level and --seed). --data points
// at a game folder (default: the build's).
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "BotPlayerClass.h"
#include "ReplayClass.h"
#include "TestDriverClass.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: quellow-bot [--level I-LL] [--seed N] [--frames N] [--data DIR]\n"
                 "                   [--record FILE] [--replay FILE]\n");
    return 2;
}

bool ParseCount(const char* Text, int64_t Max, int64_t& Value) {
    char* End = nullptr;
    const long long V = std::strtoll(Text, &End, 10);
    if (End == Text || *End != '\0' || V < 0 || V > Max) return false;
    Value = V;
    return true;
}

}  // namespace

int main(int Argc, char** Argv) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    TReplay Game;
    int64_t Frames = 20000;
    std::string RecordPath, ReplayPath;
    for (int I = 1; I < Argc; ++I) {
        const std::string Arg = Argv[I];
        const bool HasValue = I + 1 < Argc;
        int64_t Number = 0;
        if (Arg == "--level" && HasValue) {
            if (!ParseLevelName(Argv[++I], Game.Island, Game.Level)) return Usage();
        } else if (Arg == "--seed" && HasValue) {
            if (!ParseCount(Argv[++I], INT64_MAX, Number)) return Usage();
            Game.Seed = static_cast<uint64_t>(Number);
        } else if (Arg == "--frames" && HasValue) {
            if (!ParseCount(Argv[++I], INT32_MAX, Frames)) return Usage();
        } else if (Arg == "--data" && HasValue) {
            Setup.AppFolder = Argv[++I];
        } else if (Arg == "--record" && HasValue) {
            RecordPath = Argv[++I];
        } else if (Arg == "--replay" && HasValue) {
            ReplayPath = Argv[++I];
        } else {
            return Usage();
        }
    }
    if (!ReplayPath.empty()) {
        std::ifstream File(ReplayPath, std::ios::binary);
        std::stringstream Text;
        Text << File.rdbuf();
        std::string Error;
        if (!File || !TReplay::FromText(Text.str(), Game, Error)) {
            std::fprintf(stderr, "quellow-bot: %s: %s\n", ReplayPath.c_str(), File ? Error.c_str() : "cannot read it");
            return 1;
        }
    }

    TTestDriver Driver(Setup);
    if (!Driver.Start()) {
        std::fprintf(stderr, "quellow-bot: the game did not start from %s\n",
                     Setup.AppFolder.empty() ? TTestDriver::DefaultGameFolder().c_str() : Setup.AppFolder.c_str());
        for (const std::string& Message : Driver.Messages()) std::fprintf(stderr, "  %s\n", Message.c_str());
        return 1;
    }
    TFormMain& Form = Driver.Form();
    if (!StartSeededLevel(Form, Game.Seed, Game.Island, Game.Level)) {
        std::fprintf(stderr, "quellow-bot: level %s did not start\n", LevelName(Game.Island, Game.Level).c_str());
        return 1;
    }

    TBotPlayer Bot(Form);
    std::optional<TReplayPlayer> Replayer;
    if (!ReplayPath.empty()) Replayer.emplace(Game);
    int64_t Frame = 0;
    bool Diverged = false;
    const auto Start = std::chrono::steady_clock::now();
    for (; Frame < Frames; ++Frame) {
        if (Replayer) {
            if (!Replayer->Act(Form, static_cast<int32_t>(Frame))) {
                Diverged = true;
                break;
            }
        } else {
            Bot.Act(static_cast<int32_t>(Frame));
            if (Bot.OutOfMoves()) break;
        }
        Driver.Step();
    }
    const double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();

    const TBotCounts& Counts = Bot.Counts();
    const int64_t Moves = Counts.Moves;
    std::printf("level %s, seed %" PRIu64 ": %" PRId64 " frames, %.1f s of game time\n",
                LevelName(Game.Island, Game.Level).c_str(), Game.Seed, Frame, static_cast<double>(Frame) * 0.030);
    if (Bot.OutOfMoves()) std::printf("no swap makes a group any more at frame %" PRId64 "\n", Frame);
    if (Diverged) std::printf("the board refused a recorded move at frame %" PRId64 ": the replay went another way\n", Frame);
    std::printf("moves made: %" PRId64 "   fruits matched: %" PRId64 "   lockers opened: %" PRId64
                "   cascades: %" PRId64 "\n",
                Moves, Counts.FruitsMatched, Counts.LockersOpened, Counts.Cascades);
    const double Real = Seconds > 0 ? Seconds : 1e-9;
    std::printf("real time: %.3f s   moves per second: %.0f   cascades per second: %.0f   "
                "(game time runs %.0fx real time)\n",
                Seconds, static_cast<double>(Moves) / Real, static_cast<double>(Counts.Cascades) / Real,
                static_cast<double>(Frame) * 0.030 / Real);

    if (!RecordPath.empty()) {
        TReplay Made = Game;
        if (!Replayer) Made.Moves = Bot.MovesMade();
        std::ofstream Out(RecordPath, std::ios::binary);
        Out << Made.ToText();
        if (!Out.flush()) {
            std::fprintf(stderr, "quellow-bot: cannot write %s\n", RecordPath.c_str());
            return 1;
        }
    }
    return Diverged ? 1 : 0;
}
