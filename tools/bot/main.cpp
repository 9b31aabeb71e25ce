// quellow-bot: plays whole rounds headless as a player does, and prints how
// each one went.
//
//   quellow-bot [--level I-LL] [--seed N] [--rounds N] [--delay FRAMES] [--retry]
//               [--data DIR] [--record FILE] [--replay FILE]
//
// The level (default 1-01) is started as the level selection starts it; the
// bot clicks the announcement away, makes the greedy move whenever the board
// has settled (waiting --delay frames between moves), presses the shuffle
// button when it is full, takes the result's OK and answers time up's
// question (No, or Yes with --retry). --rounds plays that many rounds on the
// seeds N, N + 1, ... The same seed plays the same round. --record writes the
// first round's presses as a replay; --replay plays one back instead (its level
// and seed win over --level and --seed). --data points at a game folder
// (default: the build's).
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "RoundDriverClass.h"
#include "TestDriverClass.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: quellow-bot [--level I-LL] [--seed N] [--rounds N] [--delay FRAMES] [--retry]\n"
                 "                   [--data DIR] [--record FILE] [--replay FILE]\n");
    return 2;
}

bool ParseCount(const char* Text, int64_t Max, int64_t& Value) {
    char* End = nullptr;
    const long long V = std::strtoll(Text, &End, 10);
    if (End == Text || *End != '\0' || V < 0 || V > Max) return false;
    Value = V;
    return true;
}

const char* EndName(TRoundEnd End) {
    switch (End) {
        case reWon: return "won";
        case reTimeUp: return "time up";
        case reStuck: return "stuck";
        case reNoStart: return "did not start";
        case reRunning: break;
    }
    return "running";
}

const char* MedalName(TMedalKind Medal) {
    switch (Medal) {
        case mdGold: return "gold";
        case mdSilver: return "silver";
        case mdBronze: return "bronze";
        default: return "none";
    }
}

}  // namespace

int main(int Argc, char** Argv) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    TRoundReplay Game;
    int64_t Rounds = 1;
    TRoundPlayOptions Options;
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
        } else if (Arg == "--rounds" && HasValue) {
            if (!ParseCount(Argv[++I], 100000, Rounds) || Rounds < 1) return Usage();
        } else if (Arg == "--delay" && HasValue) {
            if (!ParseCount(Argv[++I], 100000, Number)) return Usage();
            Options.MoveDelayFrames = static_cast<int32_t>(Number);
        } else if (Arg == "--retry") {
            Options.RetryAtTimeUp = true;
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
    TRoundReplay Recorded;
    if (!ReplayPath.empty()) {
        std::ifstream File(ReplayPath, std::ios::binary);
        std::stringstream Text;
        Text << File.rdbuf();
        std::string Error;
        if (!File || !TRoundReplay::FromText(Text.str(), Recorded, Error)) {
            std::fprintf(stderr, "quellow-bot: %s: %s\n", ReplayPath.c_str(), File ? Error.c_str() : "cannot read it");
            return 1;
        }
        Game.Island = Recorded.Island;
        Game.Level = Recorded.Level;
        Game.Seed = Recorded.Seed;
        Rounds = 1;
    }

    TTestDriver Driver(Setup);
    if (!Driver.Start()) {
        std::fprintf(stderr, "quellow-bot: the game did not start from %s\n",
                     Setup.AppFolder.empty() ? TTestDriver::DefaultGameFolder().c_str() : Setup.AppFolder.c_str());
        for (const std::string& Message : Driver.Messages()) std::fprintf(stderr, "  %s\n", Message.c_str());
        return 1;
    }
    int Failed = 0;
    const auto Begin = std::chrono::steady_clock::now();
    int64_t Frames = 0;
    for (int64_t R = 0; R < Rounds; ++R) {
        const uint64_t Seed = Game.Seed + static_cast<uint64_t>(R);
        TRoundDriver Round(Driver);
        if (!Round.Start(Game.Island, Game.Level, Seed)) {
            std::fprintf(stderr, "quellow-bot: level %s did not start\n", LevelName(Game.Island, Game.Level).c_str());
            for (const std::string& Message : Driver.Messages()) std::fprintf(stderr, "  %s\n", Message.c_str());
            return 1;
        }
        const TRoundResult Result = ReplayPath.empty() ? Round.Play(Options) : Round.Replay(Recorded);
        Frames += Result.Frames;
        std::printf("level %s, seed %" PRIu64 ": %s after %d s (%s medal); level score %d, score %d, money %d; "
                    "%" PRId64 " moves, %" PRId64 " shuffles, %" PRId64 " frames\n",
                    LevelName(Game.Island, Game.Level).c_str(), Seed, EndName(Result.End), Result.Seconds,
                    MedalName(Result.Medal), Result.LevelScore, Result.Score, Result.Money, Result.Moves,
                    Result.Shuffles, Result.Frames);
        if (Result.End == reStuck || Result.End == reNoStart) ++Failed;
        if (R == 0 && !RecordPath.empty()) {
            std::ofstream Out(RecordPath, std::ios::binary);
            Out << Round.Recorded().ToText();
            if (!Out.flush()) {
                std::fprintf(stderr, "quellow-bot: cannot write %s\n", RecordPath.c_str());
                return 1;
            }
        }
    }
    const double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Begin).count();
    std::printf("%" PRId64 " rounds in %.2f s of real time (%.0f rounds a minute); game time ran %.0fx real time\n",
                Rounds, Seconds, static_cast<double>(Rounds) * 60.0 / (Seconds > 0 ? Seconds : 1e-9),
                static_cast<double>(Frames) * 0.030 / (Seconds > 0 ? Seconds : 1e-9));
    return Failed ? 1 : 0;
}
