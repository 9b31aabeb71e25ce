#include "AudioMixerClass.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace {

bool MixerOpen = false;
bool MixerSilent = false;
bool DriverForced = false;

// Short enough for effects to follow clicks closely, long enough not to starve.
constexpr int MixerChunkSamples = 1024;

bool OpenOnCurrentDriver() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(GameAudioFrequency, AUDIO_S16SYS, GameAudioChannels, MixerChunkSamples) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

bool CurrentDriverIs(const char* Name) {
    const char* Driver = SDL_GetCurrentAudioDriver();
    return Driver && SDL_strcmp(Driver, Name) == 0;
}

}  // namespace

bool OpenGameAudio() {
    if (MixerOpen) return true;
    // Ogg Vorbis support is loaded on first use as well; asking early keeps the
    // first track from paying for it in the middle of a frame.
    Mix_Init(MIX_INIT_OGG);
    if (OpenOnCurrentDriver()) {
        MixerOpen = true;
        MixerSilent = CurrentDriverIs("dummy");
        return true;
    }
    // No usable device (no sound card, no sound server): carry on silently. The
    // override outranks an SDL_AUDIODRIVER naming the driver that just failed.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    DriverForced = true;
    if (OpenOnCurrentDriver()) {
        MixerOpen = true;
        MixerSilent = true;
        return true;
    }
    Mix_Quit();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    DriverForced = false;
    return false;
}

void CloseGameAudio() {
    if (!MixerOpen) return;
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    MixerOpen = false;
    MixerSilent = false;
    if (DriverForced) {
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        DriverForced = false;
    }
}

bool GameAudioOpen() { return MixerOpen; }

bool GameAudioSilent() { return MixerSilent; }

int GameVolumeToMixer(int Volume) {
    const int Clamped = std::clamp(Volume, 0, 100);
    return (Clamped * MIX_MAX_VOLUME + 50) / 100;
}
