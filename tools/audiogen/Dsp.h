// Signal building blocks shared by the effect synthesiser and the music
// renderer: stereo buffers, a deterministic noise source, filters, a small
// reverb, and level measurement.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int SampleRate = 44100;
constexpr double Pi = 3.14159265358979323846;

struct TStereo {
    std::vector<float> L;
    std::vector<float> R;
    size_t Frames() const { return L.size(); }
    void Resize(size_t Frames) {
        L.resize(Frames, 0.0f);
        R.resize(Frames, 0.0f);
    }
    // Adds Other into this buffer from frame At on, growing as needed.
    void MixIn(const TStereo& Other, size_t At, float Gain = 1.0f);
    void Scale(float Gain);
};

double DbToGain(double Db);
double GainToDb(double Gain);
double MidiToFrequency(double Midi);
// "C4" (middle C, MIDI 60), "F#5", "Bb3", "c-1"; false when Text is not a note name.
bool ParseNoteName(const std::string& Text, int& Midi);

// Cuts a "#" comment off a source line. A comment's "#" begins a word, so the
// sharp of a note name ("f#4") stays.
void StripComment(std::string& Line);

// xorshift64*: the same sequence on every machine for a given seed.
class TRandom {
public:
    explicit TRandom(uint64_t Seed) : FState(Seed ? Seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t Next();
    double Uniform();        // [0, 1)
    double Symmetric();      // [-1, 1)
private:
    uint64_t FState;
};

// A stable name hash for seeds and stream serial numbers.
uint32_t NameHash(const std::string& Text);

// Zavalishin's state-variable filter; stays stable while its cutoff moves.
class TSvf {
public:
    enum TMode { Lowpass, Highpass, Bandpass };
    void Set(double Cutoff, double Q);
    float Process(float X, TMode Mode);
    void Reset() { FIc1 = FIc2 = 0.0; }
private:
    double FG = 0.0, FK = 1.0, FA1 = 0.0, FA2 = 0.0, FA3 = 0.0;
    double FIc1 = 0.0, FIc2 = 0.0;
};

// A small stereo room (parallel combs into series allpasses, left and right slightly apart).
class TReverb {
public:
    TReverb(double RoomSize, double Damping);
    void Process(TStereo& Buffer, double Mix);
private:
    struct TComb {
        std::vector<float> Line;
        size_t Pos = 0;
        float Store = 0.0f;
    };
    struct TAllpass {
        std::vector<float> Line;
        size_t Pos = 0;
    };
    std::vector<TComb> FCombs[2];
    std::vector<TAllpass> FAllpasses[2];
    float FFeedback;
    float FDamp;
};

struct TLevels {
    double PeakDb = -200.0;
    double RmsDb = -200.0;        // over the whole buffer
    double LoudestDb = -200.0;    // loudest 100 ms window (RMS)
};
TLevels MeasureLevels(const TStereo& Buffer);

// Removes rumble and any offset below Cutoff (second order, per channel).
void Highpass(TStereo& Buffer, double Cutoff);
void Lowpass(TStereo& Buffer, double Cutoff);
// Raised-cosine fades over the first or last Frames frames.
void FadeIn(TStereo& Buffer, size_t Frames);
void FadeOut(TStereo& Buffer, size_t Frames);
// Drops leading frames quieter than ThresholdDb; returns how many were dropped.
size_t TrimLeadingSilence(TStereo& Buffer, double ThresholdDb);
// Drops trailing frames quieter than ThresholdDb.
void TrimTrailingSilence(TStereo& Buffer, double ThresholdDb);

// 16-bit stereo WAV, for listening to or inspecting what the tool made.
void WriteWav(const std::string& Path, const TStereo& Buffer);
