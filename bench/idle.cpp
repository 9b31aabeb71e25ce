// CPU used by the game idling in its real message loop (frames at 33 a second, the
// loop sleeping between them) on the finished splash, the main menu and the map,
// each for the given seconds (default 10), drawn on SDL's offscreen driver (software
// OpenGL unless a display driver is chosen). A figure near 100 % would mean a core held.
//   bench_idle [GAME_FOLDER] [SECONDS]
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "BenchSetup.h"
#include "TestDriverClass.h"

namespace {

enum class TIdleScene { Splash, Menu, Map };

// Brings a fresh game to the scene, then lets its own loop run; returns the CPU share, or -1.
double IdleShare(const std::string& GameFolder, TIdleScene Where, double Seconds) {
    TTestDriverSetup Setup;
    Setup.AppFolder = GameFolder;
    Setup.ShowWindow = true;  // frames are presented, as in the game
    Setup.PlayMap = Where == TIdleScene::Map;
    TTestDriver Driver(Setup);
    Driver.WritePlayerList({"BENCH"});
    if (!Driver.Start()) return -1;
    TFormMain& Form = Driver.Form();
    // In a window: the options of a new player would ask for full screen.
    Form.SetFullScreen(false, true);
    if (Where != TIdleScene::Map) {
        if (!Driver.StepUntil([&] { return Form.Scene() == gsSplash && Form.LoadingBar->LoadingFinished(); }, 3000))
            return -1;
        Driver.Step(60);
    }
    if (Where == TIdleScene::Menu) {
        Driver.Click(400, 300);
        if (!Driver.StepUntil([&] { return Form.Scene() == gsMenu && !Form.SceneTransition->Active(); }, 400)) return -1;
    }
    if (Where == TIdleScene::Map) {
        if (!Driver.StepUntil([&] { return Form.Scene() == gsMap && !Form.SceneTransition->Active(); }, 400)) return -1;
    }
    Driver.Step(30);
    SDL_AddTimer(static_cast<Uint32>(Seconds * 1000), PushQuit, nullptr);
    const double CpuBefore = ProcessCpuSeconds();
    const auto Start = std::chrono::steady_clock::now();
    const int64_t FramesBefore = Form.FramesRun();
    Form.Run();
    const double Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    const double Share = (ProcessCpuSeconds() - CpuBefore) / Wall;
    std::printf("  %lld frames in %.1f s, %.2f ms of CPU a frame\n", static_cast<long long>(Form.FramesRun() - FramesBefore),
                Wall, (ProcessCpuSeconds() - CpuBefore) * 1000 / static_cast<double>(Form.FramesRun() - FramesBefore));
    return Share;
}
}  // namespace

int main(int Argc, char** Argv) {
    const std::string GameFolder = Argc > 1 ? Argv[1] : QUELLOW_GAME_DIR;
    const double Seconds = Argc > 2 ? std::atof(Argv[2]) : 10.0;
    UseOffscreenDevices();
    const TFreshUserFolder UserFolder;
    if (!UserFolder.Made()) return 1;
    const struct {
        const char* Name;
        TIdleScene Where;
    } Scenes[] = {{"finished splash", TIdleScene::Splash}, {"main menu", TIdleScene::Menu}, {"map", TIdleScene::Map}};
    for (const auto& Scene : Scenes) {
        std::printf("%s:\n", Scene.Name);
        const double Share = IdleShare(GameFolder, Scene.Where, Seconds);
        if (Share < 0) {
            std::printf("  could not reach the scene\n");
            continue;
        }
        std::printf("  CPU while idling: %.1f %% of one core\n", Share * 100);
    }
    SDL_Quit();
    return 0;
}
