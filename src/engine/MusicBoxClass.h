// The music player: holds the game's fourteen music tracks, switches between
// them with a short fade-out and a slower fade-in, and is updated once per
// frame by the frame handler. Music starts only when a track is selected.
#pragma once

#include <array>
#include <string>

#include "GameTypesClass.h"

typedef struct _Mix_Music Mix_Music;

struct TMusicTrack {
    const char* FileName;
    bool Looped;
};

constexpr int MusicTrackCount = 14;

// The tracks in load order; the index is the track number.
constexpr std::array<TMusicTrack, MusicTrackCount> MusicTracks = {{
    {"Splash.ogg", true},       {"Story.ogg", true},         {"Map.ogg", true},
    {"TargetFruits.ogg", true}, {"CollectFruits.ogg", true}, {"BeatMonster.ogg", true},
    {"FindFlowers.ogg", true},  {"ClearTiles.ogg", true},    {"MirelIsland.ogg", true},
    {"BonusStage.ogg", true},   {"LevelClear.ogg", false},   {"TimeRun.ogg", true},
    {"GameOver.ogg", false},    {"Victory.ogg", true},
}};

// Music numbers the game selects (only their low seven bits count).
enum TMusicNumber : int {
    muSplash = 0, muStory = 1, muMap = 2, muTargetFruits = 3, muCollectFruits = 4, muBeatMonster = 5,
    muFindFlowers = 6, muClearTiles = 7, muMirelIsland = 8, muBonusStage = 9, muLevelClear = 11,
    muTimeRun = 12, muGameOver = 13, muVictory = 14
};

// The track a music number selects, or -1 for a number that selects none.
int MusicNumberToTrack(int MusicNumber);

// Per-frame change of the applied level while a track fades out or in.
constexpr int MusicFadeOutStep = 5;
constexpr int MusicFadeInStep = 2;

class TMusicBox : public TObject {
public:
    // No track current, level 0, volume 70; the mixer should already be open (OpenGameAudio).
    TMusicBox();
    ~TMusicBox() override;
    TMusicBox(const TMusicBox&) = delete;
    TMusicBox& operator=(const TMusicBox&) = delete;

    // Frees every track.
    void InitAudio();

    // Folder of the music files, ending in "/".
    const std::string& Path() const { return FPath; }
    void SetPath(const std::string& Value) { FPath = Value; }

    // Target volume 0..100: the setter only clamps and stores; Update applies it.
    int Volume() const { return FVolume; }
    void SetVolume(int Value);

    // Loads the fourteen files of MusicTracks from Path, looped where the table says.
    void LoadTracks();
    // Loads one file into the next track position. A file that cannot be loaded
    // leaves its position empty: selecting it plays nothing.
    void LoadTrack(const std::string& FileName, bool Looped);

    // Starts fading out toward the track of MusicNumber, unless that track is the
    // current one (a finished one-shot track is not restarted).
    void SelectTrack(int MusicNumber);
    // Once per frame: fade out, switch to the next track, fade in, apply the level.
    void Update();
    // Stops every track, makes Index current and plays it from its start (Index >= 0).
    void PlayTrack(int Index);
    void StopAll();

    int Count() const { return FCount; }
    int CurrentTrack() const { return FCurrentTrack; }
    int NextTrack() const { return FNextTrack; }
    int Level() const { return FLevel; }
    bool FadingIn() const { return FFadingIn; }
    bool TrackLoaded(int Index) const;
    // True while the current track is sounding (a one-shot track stops at its end).
    bool TrackPlaying() const;

private:
    void FreeAll();

    std::string FPath;
    int FVolume = 70;
    int FCount = 0;
    int FCurrentTrack = -1;
    int FNextTrack = 0;
    int FLevel = 0;
    bool FFadingIn = true;
    std::array<Mix_Music*, MusicTrackCount> FTracks{};
    std::array<bool, MusicTrackCount> FLooped{};
};
