// Cascade figures, headless: the whole game runs with nothing drawn or heard on
// level 1-01; again and again a few tiles are emptied as if matched, and the
// board falls, refills, opens lockers and matches until it has settled. Prints
// the cascades settled and the frames run per second of wall time.
//   bench_cascade [GAME_FOLDER] [CASCADES]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSetup.h"
#include "FormMainClass.h"
#include "RandomClass.h"

int main(int Argc, char** Argv) {
    const std::string GameFolder = Argc > 1 ? Argv[1] : QUELLOW_GAME_DIR;
    const int Cascades = Argc > 2 ? std::atoi(Argv[2]) : 2000;
    const TFreshUserFolder UserFolder;
    if (!UserFolder.Made()) return 1;
    SetRandomSeedSource([] { return uint64_t{1}; });

    TFormMainSetup Setup;
    Setup.AppFolder = GameFolder;
    Setup.Headless = true;
    Setup.PresentFrames = false;
    Setup.ShowWindow = false;
    TFormMain Form(Setup);
    if (!Form.FormCreate()) {
        std::fprintf(stderr, "start-up failed\n");
        return 1;
    }
    Form.FormShow();
    if (!Form.StartLevel(1, 1)) {
        std::fprintf(stderr, "level 1-01 did not start\n");
        return 1;
    }
    TGameBoard& Board = *Form.GameBoard;
    int64_t Matched = 0, Landed = 0, Batches = 0;
    // Matched tiles leave at once (the grouping's eight frames are left out).
    Board.OnGroupedFruitsEffectRequest = [&](TObject*, TBoardData Data, TSimpleObjectArray Mask, bool, TPoint) {
        Board.RemoveGroupedTiles(Mask);
        Form.FallingFruits->Start(Data, Mask, FallModeMatched);
        Matched += Mask.Count();
    };
    const auto Opening = Board.OnOpeningLockersEffectRequest;
    Board.OnOpeningLockersEffectRequest = [&](TObject* Sender, TBoardData Data, TSimpleObjectArray Mask) {
        Batches += Mask.Any() ? 1 : 0;
        Opening(Sender, Data, Mask);
    };
    Form.FallingFruits->OnGroundHit = [&](TObject*, int32_t, int32_t) { ++Landed; };
    int Guard = 0;
    while (!Board.CanDraw && Guard++ < 1000) Form.OmegaTimer1Timer(nullptr);

    int64_t Frames = 0;
    const auto Start = std::chrono::steady_clock::now();
    for (int Cascade = 0; Cascade < Cascades; ++Cascade) {
        TSimpleObjectArray Emptied;
        for (int I = 0; I < 5; ++I) Emptied.At(Random(10) + 1, Random(10) + 1) = true;
        Board.RemoveGroupedTiles(Emptied);
        do {
            Form.OmegaTimer1Timer(nullptr);
            ++Frames;
        } while (!Board.IsSettled() && Frames < int64_t{Cascades} * 2000);
    }
    const double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    std::printf("cascades: %d settled in %lld frames (%.1f frames each), %.3f s\n", Cascades,
                static_cast<long long>(Frames), static_cast<double>(Frames) / Cascades, Seconds);
    std::printf("cascades per second: %.0f   frames per second: %.0f   (game time runs %.0fx real time)\n",
                Cascades / Seconds, static_cast<double>(Frames) / Seconds,
                static_cast<double>(Frames) * 0.030 / Seconds);
    std::printf("lockers batches opened: %lld   tiles matched: %lld   fruits landed: %lld\n",
                static_cast<long long>(Batches), static_cast<long long>(Matched), static_cast<long long>(Landed));
    return 0;
}
