// Whole rounds headless: the round driver plays seeded rounds of island 1 as a
// player does (announcement, moves, shuffles, result), with nothing drawn or
// heard, and the rounds, moves and frames are timed against the wall clock.
//   bench_bot [GAME_FOLDER] [SEEDS]
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSetup.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"

int main(int Argc, char** Argv) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    Setup.AppFolder = Argc > 1 ? Argv[1] : QUELLOW_GAME_DIR;
    const int Seeds = Argc > 2 ? std::atoi(Argv[2]) : 3;
    TTestDriver Driver(Setup);
    if (!Driver.Start()) {
        std::fprintf(stderr, "start-up failed\n");
        return 1;
    }
    int64_t Rounds = 0, Won = 0, Moves = 0, Frames = 0;
    double Seconds = 0;
    for (int32_t Level = 1; Level <= 15; ++Level) {
        for (int Seed = 1; Seed <= Seeds; ++Seed) {
            TRoundDriver Round(Driver);
            if (!Round.Start(1, Level, static_cast<uint64_t>(Seed))) continue;
            TRoundPlayOptions Options;
            Options.MaxFrames = 20000;
            const auto Start = std::chrono::steady_clock::now();
            const TRoundResult Result = Round.Play(Options);
            const double Took = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
            std::printf("level %s seed %d: %-8s %4d s  %4" PRId64 " moves  %3" PRId64 " shuffles  %6" PRId64
                        " frames  %.3f s\n",
                        LevelName(1, Level).c_str(), Seed,
                        Result.End == reWon ? "won" : Result.End == reTimeUp ? "time up" : "stuck", Result.Seconds,
                        Result.Moves, Result.Shuffles, Result.Frames, Took);
            ++Rounds;
            Won += Result.End == reWon;
            Moves += Result.Moves;
            Frames += Result.Frames;
            Seconds += Took;
        }
    }
    if (Seconds <= 0) Seconds = 1e-9;
    std::printf("%" PRId64 " rounds (%" PRId64 " won), %" PRId64 " moves, %" PRId64 " frames in %.3f s\n", Rounds, Won,
                Moves, Frames, Seconds);
    std::printf("rounds per minute: %.0f   moves per second: %.0f   frames per second: %.0f   "
                "(game time runs %.0fx real time)\n",
                static_cast<double>(Rounds) * 60.0 / Seconds, static_cast<double>(Moves) / Seconds,
                static_cast<double>(Frames) / Seconds, static_cast<double>(Frames) * 0.030 / Seconds);
    return 0;
}
