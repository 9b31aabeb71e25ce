#include "MusicBoxClass.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

#include "AudioMixerClass.h"

int MusicNumberToTrack(int MusicNumber) {
    // Number 10 is an old alias of the fruit-collecting music; from 11 on the
    // numbers sit one above their tracks.
    constexpr std::array<int, 15> Tracks = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 4, 10, 11, 12, 13};
    const int Number = MusicNumber & 0x7F;
    return Number < static_cast<int>(Tracks.size()) ? Tracks[static_cast<size_t>(Number)] : -1;
}

TMusicBox::TMusicBox() { InitAudio(); }

TMusicBox::~TMusicBox() { FreeAll(); }

void TMusicBox::InitAudio() { FreeAll(); }

void TMusicBox::FreeAll() {
    if (GameAudioOpen()) Mix_HaltMusic();
    for (auto& Track : FTracks) {
        if (Track) Mix_FreeMusic(Track);
        Track = nullptr;
    }
    FLooped.fill(false);
    FCount = 0;
}

void TMusicBox::SetVolume(int Value) { FVolume = std::clamp(Value, 0, 100); }

void TMusicBox::LoadTracks() {
    for (const TMusicTrack& Track : MusicTracks) LoadTrack(FPath + Track.FileName, Track.Looped);
}

void TMusicBox::LoadTrack(const std::string& FileName, bool Looped) {
    if (FCount >= MusicTrackCount) return;
    const size_t Position = static_cast<size_t>(FCount);
    // Each track keeps its table position even when its file is missing, so a
    // missing file silences its own music instead of shifting every later track.
    ++FCount;
    if (!GameAudioOpen()) return;
    // The mixer knows a track by its contents rather than by its file name's extension.
    FTracks[Position] = Mix_LoadMUS_RW(SDL_RWFromFile(FileName.c_str(), "rb"), 1);
    FLooped[Position] = Looped;
}

bool TMusicBox::TrackLoaded(int Index) const {
    return Index >= 0 && Index < FCount && FTracks[static_cast<size_t>(Index)] != nullptr;
}

void TMusicBox::SelectTrack(int MusicNumber) {
    const int Track = MusicNumberToTrack(MusicNumber);
    if (Track < 0 || Track == FCurrentTrack) return;
    FFadingIn = false;
    FNextTrack = Track;
}

void TMusicBox::Update() {
    if (!FFadingIn) {
        // Before the first track there is nothing to fade out: start at once.
        FLevel = FCurrentTrack < 0 ? -1 : FLevel - MusicFadeOutStep;
        if (FLevel < 0) {
            FLevel = 0;
            FFadingIn = true;
            PlayTrack(FNextTrack);
        }
    }
    // The same update that starts the next track already raises its level.
    if (FFadingIn) FLevel = std::min(FLevel + MusicFadeInStep, FVolume);
    if (GameAudioOpen()) Mix_VolumeMusic(GameVolumeToMixer(FLevel));
}

void TMusicBox::PlayTrack(int Index) {
    StopAll();
    FCurrentTrack = Index;
    if (!TrackLoaded(Index)) return;
    const size_t Position = static_cast<size_t>(Index);
    Mix_PlayMusic(FTracks[Position], FLooped[Position] ? -1 : 1);
}

void TMusicBox::StopAll() {
    if (GameAudioOpen()) Mix_HaltMusic();
}

bool TMusicBox::TrackPlaying() const { return GameAudioOpen() && Mix_PlayingMusic() != 0; }
