// Sound files for the audio players' tests. The mixer recognises a file by its
// contents, not its extension, so a small PCM WAV file stands in for an Ogg
// Vorbis effect or track under the name the game looks for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TestSupport.h"

// A 16-bit stereo WAV file of the given samples (interleaved left, right).
inline std::string WavBytes(const std::vector<int16_t>& Samples, int Frequency) {
    auto U32 = [](std::string& S, uint32_t V) {
        for (int I = 0; I < 4; ++I) S += static_cast<char>((V >> (8 * I)) & 0xFF);
    };
    auto U16 = [](std::string& S, uint16_t V) {
        S += static_cast<char>(V & 0xFF);
        S += static_cast<char>(V >> 8);
    };
    const uint32_t DataBytes = static_cast<uint32_t>(Samples.size() * 2);
    std::string S = "RIFF";
    U32(S, 36 + DataBytes);
    S += "WAVEfmt ";
    U32(S, 16);
    U16(S, 1);  // PCM
    U16(S, 2);  // stereo
    U32(S, static_cast<uint32_t>(Frequency));
    U32(S, static_cast<uint32_t>(Frequency * 4));
    U16(S, 4);
    U16(S, 16);
    S += "data";
    U32(S, DataBytes);
    for (const int16_t Sample : Samples) U16(S, static_cast<uint16_t>(Sample));
    return S;
}

// Silence long enough to still be sounding when a test looks (the mixer plays in real time).
inline void WriteSilence(const std::string& Path, double Seconds) {
    const int Frequency = 11025;
    WriteWholeFile(Path, WavBytes(std::vector<int16_t>(static_cast<size_t>(Seconds * Frequency) * 2, 0), Frequency));
}

// A square wave of the given amplitude at the game's sample rate.
inline void WriteSquareWave(const std::string& Path, double Seconds, int16_t Amplitude) {
    const int Frequency = 44100;
    std::vector<int16_t> Samples;
    const size_t Frames = static_cast<size_t>(Seconds * Frequency);
    for (size_t I = 0; I < Frames; ++I) {
        const int16_t V = (I / 50) % 2 ? Amplitude : static_cast<int16_t>(-Amplitude);
        Samples.push_back(V);
        Samples.push_back(V);
    }
    WriteWholeFile(Path, WavBytes(Samples, Frequency));
}
