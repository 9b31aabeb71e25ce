// Start-up and splash figures: time to the first presented frame, the main image
// load, CPU per splash frame, CPU use while the finished splash idles in the real
// message loop, and peak memory. Runs on SDL's offscreen driver unless a display
// driver is chosen.
#include <SDL.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchSetup.h"
#include "FormMainClass.h"

namespace {
// The finished game's main set (every image loaded on the splash) counts this many
// files; until all are drawn the load is shorter than it will be.
constexpr int MainSetImages = 276;

int CountMainSetFiles(const std::string& GameFolder) {
    int Count = 0;
    std::error_code Error;
    for (const auto& Entry : std::filesystem::directory_iterator(GameFolder + "/Images", Error)) {
        const std::string Extension = Entry.path().extension().string();
        if (Entry.is_regular_file(Error) && (Extension == ".png" || Extension == ".jpg")) ++Count;
    }
    return Count;
}

double Seconds(std::chrono::steady_clock::time_point From) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - From).count();
}

}  // namespace

int main(int Argc, char** Argv) {
    const std::string GameFolder = Argc > 1 ? Argv[1] : QUELLOW_GAME_DIR;
    const double IdleSeconds = Argc > 2 ? std::atof(Argv[2]) : 5.0;
    UseOffscreenDevices();
    const TFreshUserFolder UserFolder;
    if (!UserFolder.Made()) return 1;

    const auto Start = std::chrono::steady_clock::now();
    double FirstFrame = 0, MainLoad = 0, SplashCpuPerFrame = 0, IdleCpuShare = 0;
    int64_t MainLoadFrames = 0;
    {
        TFormMainSetup Setup;
        Setup.AppFolder = GameFolder;
        TFormMain Form(Setup);
        if (!Form.FormCreate()) {
            std::fprintf(stderr, "start-up failed\n");
            return 1;
        }
        Form.FormShow();
        Form.OmegaTimer1Timer(nullptr);
        FirstFrame = Seconds(Start);

        // Through the logos to the splash, then the frame that loads the main set.
        int Guard = 0;
        while (!Form.MainImagesLoaded() && Guard++ < 2000) {
            const auto FrameStart = std::chrono::steady_clock::now();
            const int64_t Before = Form.FramesRun();
            Form.OmegaTimer1Timer(nullptr);
            if (Form.MainImagesLoaded()) {
                MainLoad = Seconds(FrameStart);
                MainLoadFrames = Form.FramesRun() - Before - 1;
            }
        }
        for (int I = 0; I < 120; ++I) Form.OmegaTimer1Timer(nullptr);  // let loading finish

        const int SplashFrames = 200;
        const double CpuBefore = ProcessCpuSeconds();
        for (int I = 0; I < SplashFrames; ++I) Form.OmegaTimer1Timer(nullptr);
        SplashCpuPerFrame = (ProcessCpuSeconds() - CpuBefore) / SplashFrames;

        // The real loop, idling on the finished splash at 33 frames a second.
        SDL_AddTimer(static_cast<Uint32>(IdleSeconds * 1000), PushQuit, nullptr);
        const double IdleCpuBefore = ProcessCpuSeconds();
        const auto IdleStart = std::chrono::steady_clock::now();
        Form.Run();
        IdleCpuShare = (ProcessCpuSeconds() - IdleCpuBefore) / Seconds(IdleStart);
    }
    rusage Usage{};
    getrusage(RUSAGE_SELF, &Usage);

    std::printf("video driver:                     %s\n", SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "?");
    std::printf("start-up to first presented frame: %.1f ms\n", FirstFrame * 1000);
    std::printf("main image load:                   %.1f ms (%lld images, one frame each)\n", MainLoad * 1000,
                static_cast<long long>(MainLoadFrames));
    const int Present = CountMainSetFiles(GameFolder);
    std::printf("main set present:                  %d of its %d images (a whole set: about %.0f ms)\n", Present,
                MainSetImages, Present > 0 ? MainLoad * 1000 * MainSetImages / Present : 0.0);
    std::printf("CPU per splash frame:              %.2f ms\n", SplashCpuPerFrame * 1000);
    std::printf("CPU while the splash idles:        %.1f %% of one core\n", IdleCpuShare * 100);
    std::printf("peak memory:                       %.1f MB\n", static_cast<double>(Usage.ru_maxrss) / 1024.0);
    SDL_Quit();
    return 0;
}
