// The level bot's figures, headless: the greedy bot plays seeded games on the
// first levels of island 1 through the test driver, with nothing drawn or heard,
// and the moves and cascades it makes are timed against the wall clock.
//   bench_bot [GAME_FOLDER] [FRAMES_PER_GAME]
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BotPlayerClass.h"
#include "TestDriverClass.h"

int main(int Argc, char** Argv) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    Setup.AppFolder = Argc > 1 ? Argv[1] : QUELLOW_GAME_DIR;
    const int32_t FramesPerGame = Argc > 2 ? std::atoi(Argv[2]) : 20000;
    TTestDriver Driver(Setup);
    if (!Driver.Start()) {
        std::fprintf(stderr, "start-up failed\n");
        return 1;
    }
    TFormMain& Form = Driver.Form();

    TBotCounts Total;
    int64_t Frames = 0;
    double Seconds = 0;
    for (int32_t Level = 1; Level <= 3; ++Level) {
        for (uint64_t Seed = 1; Seed <= 3; ++Seed) {
            if (!StartSeededLevel(Form, Seed, 1, Level)) {
                std::fprintf(stderr, "level 1-%02d did not start\n", Level);
                return 1;
            }
            TBotPlayer Bot(Form);
            int32_t Frame = 0;
            const auto Start = std::chrono::steady_clock::now();
            for (; Frame < FramesPerGame; ++Frame) {
                Bot.Act(Frame);
                if (Bot.OutOfMoves()) break;
                Driver.Step();
            }
            const double Took = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
            const TBotCounts& C = Bot.Counts();
            std::printf("level 1-%02d seed %" PRIu64 ": %6d frames%s  %4" PRId64 " moves  %5" PRId64
                        " fruits  %5" PRId64 " lockers  %4" PRId64 " cascades  %.3f s\n",
                        Level, Seed, Frame, Bot.OutOfMoves() ? " (out of moves)" : "               ", C.Moves,
                        C.FruitsMatched, C.LockersOpened, C.Cascades, Took);
            Total.Moves += C.Moves;
            Total.FruitsMatched += C.FruitsMatched;
            Total.LockersOpened += C.LockersOpened;
            Total.Cascades += C.Cascades;
            Frames += Frame;
            Seconds += Took;
        }
    }
    std::printf("bot: %" PRId64 " moves, %" PRId64 " cascades, %" PRId64 " frames in %.3f s\n", Total.Moves,
                Total.Cascades, Frames, Seconds);
    std::printf("moves per second: %.0f   cascades per second: %.0f   frames per second: %.0f   "
                "(game time runs %.0fx real time)\n",
                static_cast<double>(Total.Moves) / Seconds, static_cast<double>(Total.Cascades) / Seconds,
                static_cast<double>(Frames) / Seconds, static_cast<double>(Frames) * 0.030 / Seconds);
    return 0;
}
