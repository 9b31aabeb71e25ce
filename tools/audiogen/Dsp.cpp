#include "Dsp.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <stdexcept>

void TStereo::MixIn(const TStereo& Other, size_t At, float Gain) {
    if (Frames() < At + Other.Frames()) Resize(At + Other.Frames());
    for (size_t I = 0; I < Other.Frames(); ++I) {
        L[At + I] += Other.L[I] * Gain;
        R[At + I] += Other.R[I] * Gain;
    }
}

void TStereo::Scale(float Gain) {
    for (auto& V : L) V *= Gain;
    for (auto& V : R) V *= Gain;
}

double DbToGain(double Db) { return std::pow(10.0, Db / 20.0); }

double GainToDb(double Gain) { return Gain > 1e-10 ? 20.0 * std::log10(Gain) : -200.0; }

double MidiToFrequency(double Midi) { return 440.0 * std::pow(2.0, (Midi - 69.0) / 12.0); }

bool ParseNoteName(const std::string& Text, int& Midi) {
    if (Text.size() < 2) return false;
    static const int Steps[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    const char Letter = static_cast<char>(std::tolower(static_cast<unsigned char>(Text[0])));
    if (Letter < 'a' || Letter > 'g') return false;
    int Semitone = Steps[Letter - 'a'];
    size_t Pos = 1;
    while (Pos < Text.size() && (Text[Pos] == '#' || Text[Pos] == 'b')) {
        Semitone += Text[Pos] == '#' ? 1 : -1;
        ++Pos;
    }
    if (Pos >= Text.size()) return false;
    bool Negative = false;
    if (Text[Pos] == '-') {
        Negative = true;
        ++Pos;
    }
    if (Pos >= Text.size()) return false;
    int Octave = 0;
    for (; Pos < Text.size(); ++Pos) {
        if (!std::isdigit(static_cast<unsigned char>(Text[Pos]))) return false;
        Octave = Octave * 10 + (Text[Pos] - '0');
        if (Octave > 10) return false;
    }
    if (Negative) Octave = -Octave;
    Midi = (Octave + 1) * 12 + Semitone;
    return Midi >= 0 && Midi <= 127;
}

void StripComment(std::string& Line) {
    for (size_t I = 0; I < Line.size(); ++I) {
        if (Line[I] == '#' && (I == 0 || std::isspace(static_cast<unsigned char>(Line[I - 1])))) {
            Line.resize(I);
            return;
        }
    }
}

uint64_t TRandom::Next() {
    FState ^= FState >> 12;
    FState ^= FState << 25;
    FState ^= FState >> 27;
    return FState * 0x2545F4914F6CDD1Dull;
}

double TRandom::Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

double TRandom::Symmetric() { return Uniform() * 2.0 - 1.0; }

uint32_t NameHash(const std::string& Text) {
    uint32_t Hash = 2166136261u;  // FNV-1a
    for (const unsigned char C : Text) {
        Hash ^= C;
        Hash *= 16777619u;
    }
    return Hash;
}

void TSvf::Set(double Cutoff, double Q) {
    const double Limited = std::clamp(Cutoff, 10.0, SampleRate * 0.45);
    FG = std::tan(Pi * Limited / SampleRate);
    FK = 1.0 / std::max(Q, 0.05);
    FA1 = 1.0 / (1.0 + FG * (FG + FK));
    FA2 = FG * FA1;
    FA3 = FG * FA2;
}

float TSvf::Process(float X, TMode Mode) {
    const double V3 = X - FIc2;
    const double V1 = FA1 * FIc1 + FA2 * V3;
    const double V2 = FIc2 + FA2 * FIc1 + FA3 * V3;
    FIc1 = 2.0 * V1 - FIc1;
    FIc2 = 2.0 * V2 - FIc2;
    switch (Mode) {
        case Lowpass: return static_cast<float>(V2);
        case Highpass: return static_cast<float>(X - FK * V1 - V2);
        case Bandpass: return static_cast<float>(V1);
    }
    return 0.0f;
}

TReverb::TReverb(double RoomSize, double Damping)
    : FFeedback(static_cast<float>(0.70 + 0.28 * std::clamp(RoomSize, 0.0, 1.0))),
      FDamp(static_cast<float>(std::clamp(Damping, 0.0, 1.0) * 0.4)) {
    // Delay lengths (at 44.1 kHz) chosen mutually prime; the right side is a little longer.
    static const int CombLengths[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int AllpassLengths[4] = {556, 441, 341, 225};
    for (int Side = 0; Side < 2; ++Side) {
        for (const int Length : CombLengths) {
            TComb Comb;
            Comb.Line.assign(static_cast<size_t>(Length + Side * 23), 0.0f);
            FCombs[Side].push_back(Comb);
        }
        for (const int Length : AllpassLengths) {
            TAllpass Allpass;
            Allpass.Line.assign(static_cast<size_t>(Length + Side * 23), 0.0f);
            FAllpasses[Side].push_back(Allpass);
        }
    }
}

void TReverb::Process(TStereo& Buffer, double Mix) {
    const float Wet = static_cast<float>(Mix);
    for (size_t I = 0; I < Buffer.Frames(); ++I) {
        const float Input = (Buffer.L[I] + Buffer.R[I]) * 0.015f;
        float Out[2] = {0.0f, 0.0f};
        for (int Side = 0; Side < 2; ++Side) {
            for (TComb& Comb : FCombs[Side]) {
                const float Delayed = Comb.Line[Comb.Pos];
                Comb.Store = Delayed * (1.0f - FDamp) + Comb.Store * FDamp;
                Comb.Line[Comb.Pos] = Input + Comb.Store * FFeedback;
                Comb.Pos = (Comb.Pos + 1) % Comb.Line.size();
                Out[Side] += Delayed;
            }
            for (TAllpass& Allpass : FAllpasses[Side]) {
                const float Delayed = Allpass.Line[Allpass.Pos];
                const float Value = Out[Side];
                Allpass.Line[Allpass.Pos] = Value + Delayed * 0.5f;
                Allpass.Pos = (Allpass.Pos + 1) % Allpass.Line.size();
                Out[Side] = Delayed - Value;
            }
        }
        Buffer.L[I] += Out[0] * Wet;
        Buffer.R[I] += Out[1] * Wet;
    }
}

TLevels MeasureLevels(const TStereo& Buffer) {
    TLevels Levels;
    double Peak = 0.0;
    double Sum = 0.0;
    for (size_t I = 0; I < Buffer.Frames(); ++I) {
        Peak = std::max({Peak, std::fabs(static_cast<double>(Buffer.L[I])), std::fabs(static_cast<double>(Buffer.R[I]))});
        Sum += 0.5 * (Buffer.L[I] * Buffer.L[I] + Buffer.R[I] * Buffer.R[I]);
    }
    Levels.PeakDb = GainToDb(Peak);
    if (Buffer.Frames() == 0) return Levels;
    Levels.RmsDb = GainToDb(std::sqrt(Sum / static_cast<double>(Buffer.Frames())));
    // Loudest 100 ms, in steps of 10 ms.
    const size_t Window = SampleRate / 10;
    const size_t Step = SampleRate / 100;
    double Loudest = 0.0;
    for (size_t Start = 0; Start == 0 || Start + Window <= Buffer.Frames(); Start += Step) {
        const size_t End = std::min(Start + Window, Buffer.Frames());
        double WindowSum = 0.0;
        for (size_t I = Start; I < End; ++I) WindowSum += 0.5 * (Buffer.L[I] * Buffer.L[I] + Buffer.R[I] * Buffer.R[I]);
        Loudest = std::max(Loudest, WindowSum / static_cast<double>(Window));
        if (End == Buffer.Frames()) break;
    }
    Levels.LoudestDb = GainToDb(std::sqrt(Loudest));
    return Levels;
}

namespace {
void FilterBoth(TStereo& Buffer, double Cutoff, TSvf::TMode Mode) {
    for (std::vector<float>* Channel : {&Buffer.L, &Buffer.R}) {
        TSvf Filter;
        Filter.Set(Cutoff, 0.7071);
        for (float& V : *Channel) V = Filter.Process(V, Mode);
    }
}
}  // namespace

void Highpass(TStereo& Buffer, double Cutoff) { FilterBoth(Buffer, Cutoff, TSvf::Highpass); }

void Lowpass(TStereo& Buffer, double Cutoff) { FilterBoth(Buffer, Cutoff, TSvf::Lowpass); }

void FadeIn(TStereo& Buffer, size_t Frames) {
    const size_t N = std::min(Frames, Buffer.Frames());
    for (size_t I = 0; I < N; ++I) {
        const float G = static_cast<float>(0.5 - 0.5 * std::cos(Pi * static_cast<double>(I) / static_cast<double>(N)));
        Buffer.L[I] *= G;
        Buffer.R[I] *= G;
    }
}

void FadeOut(TStereo& Buffer, size_t Frames) {
    const size_t N = std::min(Frames, Buffer.Frames());
    const size_t Start = Buffer.Frames() - N;
    for (size_t I = 0; I < N; ++I) {
        const float G = static_cast<float>(0.5 + 0.5 * std::cos(Pi * static_cast<double>(I + 1) / static_cast<double>(N)));
        Buffer.L[Start + I] *= G;
        Buffer.R[Start + I] *= G;
    }
}

size_t TrimLeadingSilence(TStereo& Buffer, double ThresholdDb) {
    const float Threshold = static_cast<float>(DbToGain(ThresholdDb));
    size_t First = 0;
    while (First < Buffer.Frames() && std::fabs(Buffer.L[First]) < Threshold && std::fabs(Buffer.R[First]) < Threshold) ++First;
    Buffer.L.erase(Buffer.L.begin(), Buffer.L.begin() + static_cast<std::ptrdiff_t>(First));
    Buffer.R.erase(Buffer.R.begin(), Buffer.R.begin() + static_cast<std::ptrdiff_t>(First));
    return First;
}

void TrimTrailingSilence(TStereo& Buffer, double ThresholdDb) {
    const float Threshold = static_cast<float>(DbToGain(ThresholdDb));
    size_t End = Buffer.Frames();
    while (End > 0 && std::fabs(Buffer.L[End - 1]) < Threshold && std::fabs(Buffer.R[End - 1]) < Threshold) --End;
    Buffer.Resize(End);
}

void WriteWav(const std::string& Path, const TStereo& Buffer) {
    std::ofstream File(Path, std::ios::binary);
    if (!File) throw std::runtime_error("cannot write " + Path);
    auto U32 = [&](uint32_t V) { File.write(reinterpret_cast<const char*>(&V), 4); };
    auto U16 = [&](uint16_t V) { File.write(reinterpret_cast<const char*>(&V), 2); };
    const uint32_t DataBytes = static_cast<uint32_t>(Buffer.Frames() * 4);
    File.write("RIFF", 4);
    U32(36 + DataBytes);
    File.write("WAVEfmt ", 8);
    U32(16);
    U16(1);
    U16(2);
    U32(SampleRate);
    U32(SampleRate * 4);
    U16(4);
    U16(16);
    File.write("data", 4);
    U32(DataBytes);
    for (size_t I = 0; I < Buffer.Frames(); ++I) {
        for (const float V : {Buffer.L[I], Buffer.R[I]}) {
            U16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(V, -1.0f, 1.0f) * 32767.0f))));
        }
    }
}
