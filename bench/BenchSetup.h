// What every benchmark that starts the main form does first.
#pragma once

#include <SDL.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

// The game's user data in a fresh temporary folder for the benchmark's lifetime,
// so a benchmark never reads or writes a player's saves.
class TFreshUserFolder {
public:
    TFreshUserFolder() {
        FFolder = (std::filesystem::temp_directory_path() / "quellow-bench-XXXXXX").string();
        FMade = mkdtemp(FFolder.data()) != nullptr;
        if (FMade) setenv("XDG_DATA_HOME", FFolder.c_str(), 1);
    }
    ~TFreshUserFolder() {
        std::error_code Ignored;
        if (FMade) std::filesystem::remove_all(FFolder, Ignored);
    }
    TFreshUserFolder(const TFreshUserFolder&) = delete;
    TFreshUserFolder& operator=(const TFreshUserFolder&) = delete;
    bool Made() const { return FMade; }

private:
    std::string FFolder;
    bool FMade = false;
};

// Drawing goes to SDL's offscreen driver and sound to the dummy one, unless chosen otherwise.
inline void UseOffscreenDevices() {
    if (!std::getenv("SDL_VIDEODRIVER")) setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
}

// CPU time the whole process has used, in seconds.
inline double ProcessCpuSeconds() {
    timespec Now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Now);
    return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) / 1e9;
}

// An SDL timer callback that ends the game's loop, for a benchmark that runs it for a while.
inline Uint32 PushQuit(Uint32, void*) {
    SDL_Event Event{};
    Event.type = SDL_QUIT;
    SDL_PushEvent(&Event);
    return 0;
}
