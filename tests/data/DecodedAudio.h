// Decoding of the generated sound files for the data checks: the mixer,
// opened on the silent driver, decodes them to 16-bit stereo at the game's rate.
#pragma once

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "AudioMixerClass.h"

// The samples of one decoded file, 16-bit stereo at the game's rate.
struct TDecoded {
    std::vector<int16_t> Samples;
    double Seconds() const { return static_cast<double>(Samples.size()) / 2.0 / GameAudioFrequency; }
    int Peak() const {
        int Peak = 0;
        for (const int16_t S : Samples) Peak = std::max(Peak, std::abs(static_cast<int>(S)));
        return Peak;
    }
    // RMS in dBFS over frames [First, Last).
    double RmsDb(size_t First, size_t Last) const {
        double Sum = 0.0;
        for (size_t I = First * 2; I < Last * 2; ++I) Sum += static_cast<double>(Samples[I]) * Samples[I];
        const double Rms = std::sqrt(Sum / static_cast<double>((Last - First) * 2)) / 32768.0;
        return 20.0 * std::log10(std::max(Rms, 1e-9));
    }
    // The loudest 100 ms, in dBFS.
    double LoudestDb() const {
        const size_t Frames = Samples.size() / 2;
        const size_t Window = GameAudioFrequency / 10;
        if (Frames <= Window) return RmsDb(0, Frames) + 10.0 * std::log10(static_cast<double>(Frames) / Window);
        double Loudest = -200.0;
        for (size_t Start = 0; Start + Window <= Frames; Start += Window / 4) Loudest = std::max(Loudest, RmsDb(Start, Start + Window));
        return Loudest;
    }
};

class AudioDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(OpenGameAudio()); }
    static void TearDownTestSuite() { CloseGameAudio(); }

    static TDecoded Decode(const std::string& Path) {
        int Frequency = 0, Channels = 0;
        Uint16 Format = 0;
        Mix_QuerySpec(&Frequency, &Format, &Channels);
        EXPECT_EQ(Frequency, GameAudioFrequency);
        EXPECT_EQ(Format, AUDIO_S16SYS);
        EXPECT_EQ(Channels, 2);
        TDecoded Decoded;
        Mix_Chunk* Chunk = Mix_LoadWAV(Path.c_str());
        if (!Chunk) {
            ADD_FAILURE() << Path << " does not decode: " << Mix_GetError();
            return Decoded;
        }
        Decoded.Samples.assign(reinterpret_cast<const int16_t*>(Chunk->abuf),
                               reinterpret_cast<const int16_t*>(Chunk->abuf) + Chunk->alen / 2);
        Mix_FreeChunk(Chunk);
        return Decoded;
    }
};

// Nothing anywhere near full scale: every file keeps a decibel of headroom (a
// little more is allowed for the encoder's overshoot).
inline constexpr int ClipLimit = 32000;

inline const std::string& GameDir() {
    static const std::string Dir = QUELLOW_GAME_DIR;
    return Dir;
}
