// Opens and closes the mixer that every sound and music track plays through.
// The main form opens it once at start-up, before it creates the sound player
// and the music box, and closes it after both are destroyed. A machine without
// a working sound device still runs the whole game: the mixer then runs on
// SDL's silent "dummy" driver and every audio call keeps working.
#pragma once

// Sample rate, sample format and channel count the game's sounds are made for.
constexpr int GameAudioFrequency = 44100;
constexpr int GameAudioChannels = 2;

// Opens the mixer on the default sound device, or on the silent driver when no
// device can be opened. Returns false only when even the silent driver fails
// (the game then runs without audio: loading sounds fails and plays nothing).
// Calling it again while open does nothing and returns true.
bool OpenGameAudio();
// Closes the mixer and the audio subsystem. Safe to call when not open.
void CloseGameAudio();
// True while the mixer is open (on a real device or on the silent driver).
bool GameAudioOpen();
// True when the mixer had to fall back to the silent driver.
bool GameAudioSilent();

// Mixer volume 0..128 for a game volume 0..100 (linear; out-of-range values are clamped).
int GameVolumeToMixer(int Volume);
