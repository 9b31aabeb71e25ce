#include "SoundRecipe.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "GmSynth.h"
#include "SourceText.h"

namespace {

// A pitch in Hz ("440") or a note name ("A4").
double ParsePitch(const std::string& Text, const std::string& FileName, int Line) {
    int Midi = 0;
    if (ParseNoteName(Text, Midi)) return MidiToFrequency(Midi);
    const double Hz = ParseNumber(Text, FileName, Line);
    if (Hz <= 0.0 || Hz > 20000.0) FailAt(FileName, Line, "pitch " + Text + " is outside 0..20000 Hz");
    return Hz;
}

int ParseKey(const std::string& Text, const std::string& FileName, int Line) {
    int Midi = 0;
    if (ParseNoteName(Text, Midi)) return Midi;
    const double Key = ParseNumber(Text, FileName, Line);
    if (Key < 0 || Key > 127 || Key != std::floor(Key)) FailAt(FileName, Line, "key " + Text + " is not 0..127");
    return static_cast<int>(Key);
}

// "a..b" gives both ends; "a" gives a twice.
std::pair<std::string, std::string> Range(const std::string& Text) {
    const size_t Dots = Text.find("..");
    if (Dots == std::string::npos) return {Text, Text};
    return {Text.substr(0, Dots), Text.substr(Dots + 2)};
}

std::vector<std::string> SplitList(const std::string& Text, char Separator) {
    std::vector<std::string> Items;
    std::stringstream Stream(Text);
    std::string Item;
    while (std::getline(Stream, Item, Separator)) Items.push_back(Item);
    return Items;
}

TVoice ReadVoice(std::istringstream& Words, const std::string& FileName, int Line) {
    static const std::map<std::string, TVoice::TKind> Kinds = {
        {"sine", TVoice::Sine},   {"triangle", TVoice::Triangle}, {"square", TVoice::Square},
        {"saw", TVoice::Saw},     {"noise", TVoice::Noise},       {"pink", TVoice::Pink},
        {"gm", TVoice::Gm}};
    std::string KindName;
    Words >> KindName;
    const auto Kind = Kinds.find(KindName);
    if (Kind == Kinds.end()) FailAt(FileName, Line, "unknown voice kind \"" + KindName + "\"");
    TVoice V;
    V.Kind = Kind->second;
    std::string Setting;
    while (Words >> Setting) {
        const size_t Equals = Setting.find('=');
        if (Equals == std::string::npos) FailAt(FileName, Line, "\"" + Setting + "\" is not key=value");
        const std::string Key = Setting.substr(0, Equals);
        const std::string Value = Setting.substr(Equals + 1);
        auto Num = [&](const std::string& T) { return ParseNumber(T, FileName, Line); };
        auto Pair = [&](double& A, double& B) {
            const auto Parts = SplitList(Value, ',');
            if (Parts.size() != 2) FailAt(FileName, Line, Key + " needs two values a,b");
            A = Num(Parts[0]);
            B = Num(Parts[1]);
        };
        if (Key == "at") V.At = Num(Value);
        else if (Key == "pitch") {
            const auto [A, B] = Range(Value);
            V.Pitch0 = ParsePitch(A, FileName, Line);
            V.Pitch1 = ParsePitch(B, FileName, Line);
        } else if (Key == "glide") V.Glide = Num(Value);
        else if (Key == "curve") {
            if (Value != "exp" && Value != "lin") FailAt(FileName, Line, "curve is exp or lin");
            V.ExpCurve = Value == "exp";
        } else if (Key == "vibrato") Pair(V.VibratoRate, V.VibratoCents);
        else if (Key == "fm") {
            const auto Parts = SplitList(Value, ',');
            if (Parts.size() != 2) FailAt(FileName, Line, "fm needs ratio,index");
            V.FmRatio = Num(Parts[0]);
            const auto [A, B] = Range(Parts[1]);
            V.FmIndex0 = Num(A);
            V.FmIndex1 = Num(B);
        } else if (Key == "duty") V.Duty = std::clamp(Num(Value), 0.05, 0.95);
        else if (Key == "attack") V.Attack = Num(Value);
        else if (Key == "hold") V.Hold = Num(Value);
        else if (Key == "decay") V.Decay = Num(Value);
        else if (Key == "filter") {
            if (Value == "lp") V.Filter = TSvf::Lowpass;
            else if (Value == "hp") V.Filter = TSvf::Highpass;
            else if (Value == "bp") V.Filter = TSvf::Bandpass;
            else FailAt(FileName, Line, "filter is lp, hp or bp");
        } else if (Key == "cutoff") {
            const auto [A, B] = Range(Value);
            V.Cutoff0 = ParsePitch(A, FileName, Line);
            V.Cutoff1 = ParsePitch(B, FileName, Line);
        } else if (Key == "sweep") V.Sweep = Num(Value);
        else if (Key == "q") V.Q = Num(Value);
        else if (Key == "gain") V.GainDb = Num(Value);
        else if (Key == "pan") V.Pan = std::clamp(Num(Value), -1.0, 1.0);
        else if (Key == "drive") V.Drive = Num(Value);
        else if (Key == "am") Pair(V.AmRate, V.AmDepth);
        else if (Key == "repeat") V.Repeat = std::max(1, static_cast<int>(Num(Value)));
        else if (Key == "every") V.Every = Num(Value);
        else if (Key == "fall") V.FallDb = Num(Value);
        else if (Key == "rise") V.RiseSemitones = Num(Value);
        else if (Key == "jitter") V.Jitter = Num(Value);
        else if (Key == "spread") V.Spread = Num(Value);
        else if (Key == "step") V.Step = Num(Value);
        else if (Key == "notes") {
            for (const std::string& Note : SplitList(Value, ',')) {
                V.Notes.push_back(ParsePitch(Note, FileName, Line));
                V.Keys.push_back(ParseKey(Note, FileName, Line));
            }
        } else if (Key == "program") V.Program = static_cast<int>(Num(Value));
        else if (Key == "bank") V.Bank = static_cast<int>(Num(Value));
        else if (Key == "velocity") V.Velocity = std::clamp(static_cast<int>(Num(Value)), 1, 127);
        else if (Key == "length") V.Length = Num(Value);
        else if (Key == "key") {
            V.Keys = {ParseKey(Value, FileName, Line)};
            V.Notes = {MidiToFrequency(V.Keys.front())};
        } else FailAt(FileName, Line, "unknown setting \"" + Key + "\"");
    }
    if (V.Kind == TVoice::Gm && V.Keys.empty()) FailAt(FileName, Line, "a gm voice needs key= or notes=");
    if (V.Attack < 0 || V.Hold < 0 || V.Decay <= 0) FailAt(FileName, Line, "attack and hold must be >= 0, decay > 0");
    V.Attack = std::max(V.Attack, 0.0005);  // no voice starts with a click
    return V;
}

// Band-limited step correction (polyBLEP) for the saw and square edges.
double PolyBlep(double T, double Dt) {
    if (T < Dt) {
        T /= Dt;
        return T + T - T * T - 1.0;
    }
    if (T > 1.0 - Dt) {
        T = (T - 1.0) / Dt;
        return T * T + T + T + 1.0;
    }
    return 0.0;
}

double Interpolate(double A, double B, double X, bool Exponential) {
    X = std::clamp(X, 0.0, 1.0);
    if (Exponential && A > 0.0 && B > 0.0) return A * std::pow(B / A, X);
    return A + (B - A) * X;
}

// One copy of an oscillator or noise voice, mono, from its own start.
std::vector<float> RenderSynthVoice(const TVoice& V, double PitchScale, TRandom& Random) {
    const double Duration = V.Attack + V.Hold + V.Decay;
    const size_t Frames = static_cast<size_t>(Duration * SampleRate) + 1;
    std::vector<float> Out(Frames, 0.0f);
    const double Glide = V.Glide > 0.0 ? V.Glide : Duration;
    const double Sweep = V.Sweep > 0.0 ? V.Sweep : Duration;
    double Phase = 0.0, ModPhase = 0.0;
    double Pink[7] = {0, 0, 0, 0, 0, 0, 0};
    TSvf Filter;
    for (size_t I = 0; I < Frames; ++I) {
        const double T = static_cast<double>(I) / SampleRate;
        double Frequency = Interpolate(V.Pitch0, V.Pitch1, T / Glide, V.ExpCurve) * PitchScale;
        if (V.VibratoCents != 0.0) Frequency *= std::pow(2.0, V.VibratoCents / 1200.0 * std::sin(2.0 * Pi * V.VibratoRate * T));
        const double Dt = std::min(Frequency / SampleRate, 0.5);
        double Sample = 0.0;
        const double Index = Interpolate(V.FmIndex0, V.FmIndex1, T / Duration, false);
        const double Modulation = V.FmRatio > 0.0 ? Index * std::sin(2.0 * Pi * ModPhase) / (2.0 * Pi) : 0.0;
        double P = Phase + Modulation;
        P -= std::floor(P);
        switch (V.Kind) {
            case TVoice::Sine: Sample = std::sin(2.0 * Pi * P); break;
            case TVoice::Triangle: Sample = 1.0 - 4.0 * std::fabs(P - 0.5); break;
            case TVoice::Saw: Sample = 2.0 * P - 1.0 - PolyBlep(P, Dt); break;
            case TVoice::Square: {
                double Q = P + 1.0 - V.Duty;
                Q -= std::floor(Q);
                Sample = (P < V.Duty ? 1.0 : -1.0) + PolyBlep(P, Dt) - PolyBlep(Q, Dt);
                break;
            }
            case TVoice::Noise: Sample = Random.Symmetric(); break;
            case TVoice::Pink: {
                const double White = Random.Symmetric();
                Pink[0] = 0.99886 * Pink[0] + White * 0.0555179;
                Pink[1] = 0.99332 * Pink[1] + White * 0.0750759;
                Pink[2] = 0.96900 * Pink[2] + White * 0.1538520;
                Pink[3] = 0.86650 * Pink[3] + White * 0.3104856;
                Pink[4] = 0.55000 * Pink[4] + White * 0.5329522;
                Pink[5] = -0.7616 * Pink[5] - White * 0.0168980;
                Sample = (Pink[0] + Pink[1] + Pink[2] + Pink[3] + Pink[4] + Pink[5] + Pink[6] + White * 0.5362) * 0.2;
                Pink[6] = White * 0.115926;
                break;
            }
            case TVoice::Gm: break;
        }
        Phase += Frequency / SampleRate;
        Phase -= std::floor(Phase);
        ModPhase += Frequency * V.FmRatio / SampleRate;
        ModPhase -= std::floor(ModPhase);
        if (V.Filter >= 0) {
            if ((I & 15) == 0) Filter.Set(Interpolate(V.Cutoff0, V.Cutoff1, T / Sweep, true) * (V.Kind == TVoice::Noise || V.Kind == TVoice::Pink ? 1.0 : PitchScale), V.Q);
            Sample = Filter.Process(static_cast<float>(Sample), static_cast<TSvf::TMode>(V.Filter));
        }
        if (V.Drive > 0.0) Sample = std::tanh(V.Drive * Sample) / std::tanh(V.Drive);
        if (V.AmDepth > 0.0) Sample *= 1.0 - V.AmDepth * (0.5 - 0.5 * std::cos(2.0 * Pi * V.AmRate * T));
        double Envelope;
        if (T < V.Attack) Envelope = T / V.Attack;
        else if (T < V.Attack + V.Hold) Envelope = 1.0;
        else Envelope = std::exp(-6.907755 * (T - V.Attack - V.Hold) / V.Decay);
        Out[I] = static_cast<float>(Sample * Envelope);
    }
    // The last few milliseconds fall to exact silence.
    const size_t Tail = std::min<size_t>(Frames, SampleRate / 200);
    for (size_t I = 0; I < Tail; ++I) Out[Frames - Tail + I] *= static_cast<float>(Tail - I) / static_cast<float>(Tail);
    return Out;
}

// One note of a General MIDI instrument, held for Length and left to ring out.
TStereo RenderGmNote(TGmSynth& Synth, const TVoice& V, int Key, int Velocity) {
    Synth.Reset();
    Synth.SetReverb(0.2, 0.5, 0.5, 0.0);
    const int Channel = V.Bank == 128 ? 9 : 0;
    Synth.Program(Channel, V.Bank, V.Program);
    Synth.Controller(Channel, 91, 0);  // our own room is added later
    Synth.Controller(Channel, 93, 0);
    TStereo Out;
    Synth.NoteOn(Channel, Key, Velocity);
    Synth.Render(Out, static_cast<size_t>(V.Length * SampleRate));
    Synth.NoteOff(Channel, Key);
    Synth.Render(Out, static_cast<size_t>(2.5 * SampleRate));
    TrimTrailingSilence(Out, -90.0);
    return Out;
}

void PlaceMono(TStereo& Mix, const std::vector<float>& Voice, size_t At, double Gain, double Pan) {
    const double Angle = (Pan + 1.0) * Pi / 4.0;  // constant power
    const float GainL = static_cast<float>(Gain * std::cos(Angle) * std::sqrt(2.0));
    const float GainR = static_cast<float>(Gain * std::sin(Angle) * std::sqrt(2.0));
    if (Mix.Frames() < At + Voice.size()) Mix.Resize(At + Voice.size());
    for (size_t I = 0; I < Voice.size(); ++I) {
        Mix.L[At + I] += Voice[I] * GainL;
        Mix.R[At + I] += Voice[I] * GainR;
    }
}

}  // namespace

TSoundRecipe ReadSoundRecipe(const std::string& FileName) {
    std::ifstream File(FileName);
    if (!File) throw std::runtime_error(FileName + ": cannot be opened");
    TSoundRecipe Recipe;
    Recipe.Name = std::filesystem::path(FileName).stem().string();
    std::string Text;
    int Line = 0;
    while (std::getline(File, Text)) {
        ++Line;
        StripComment(Text);
        std::istringstream Words(Text);
        std::string Command;
        if (!(Words >> Command)) continue;
        auto Next = [&]() {
            std::string Word;
            if (!(Words >> Word)) FailAt(FileName, Line, Command + " needs more values");
            return ParseNumber(Word, FileName, Line);
        };
        if (Command == "voice") Recipe.Voices.push_back(ReadVoice(Words, FileName, Line));
        else if (Command == "loudness") Recipe.LoudnessDb = Next();
        else if (Command == "reverb") {
            Recipe.ReverbMix = Next();
            Recipe.ReverbSize = Next();
        } else if (Command == "echo") {
            Recipe.EchoDelay = Next();
            Recipe.EchoFeedback = Next();
            Recipe.EchoMix = Next();
        } else if (Command == "highpass") Recipe.HighpassHz = Next();
        else if (Command == "lowpass") Recipe.LowpassHz = Next();
        else FailAt(FileName, Line, "unknown command \"" + Command + "\"");
        std::string Extra;
        if (Command != "voice" && (Words >> Extra)) FailAt(FileName, Line, "unexpected \"" + Extra + "\"");
    }
    if (Recipe.Voices.empty()) FailAt(FileName, Line, "the recipe has no voice");
    return Recipe;
}

TStereo RenderSoundRecipe(const TSoundRecipe& Recipe, TGmSynth& Synth) {
    TStereo Mix;
    TRandom Random(NameHash(Recipe.Name));
    for (const TVoice& V : Recipe.Voices) {
        const int Copies = V.Notes.empty() ? V.Repeat : static_cast<int>(V.Notes.size()) * V.Repeat;
        for (int Copy = 0; Copy < Copies; ++Copy) {
            const int NoteIdx = V.Notes.empty() ? 0 : Copy % static_cast<int>(V.Notes.size());
            const int Round = V.Notes.empty() ? Copy : Copy / static_cast<int>(V.Notes.size());
            double Start = V.At + (V.Notes.empty() ? Copy * V.Every : NoteIdx * V.Step + Round * V.Every);
            if (V.Jitter > 0.0) Start = std::max(0.0, Start + V.Jitter * Random.Symmetric());
            const double FallDb = -V.FallDb * Copy;
            double PitchScale = std::pow(2.0, (V.RiseSemitones * Copy + V.Spread * Random.Symmetric()) / 12.0);
            if (!V.Notes.empty() && V.Kind != TVoice::Gm) PitchScale *= V.Notes[static_cast<size_t>(NoteIdx)] / V.Pitch0;
            const size_t At = static_cast<size_t>(Start * SampleRate);
            if (V.Kind == TVoice::Gm) {
                const int Key = V.Keys[static_cast<size_t>(NoteIdx)];
                const int Velocity = std::clamp(static_cast<int>(V.Velocity * DbToGain(FallDb)), 1, 127);
                TStereo Note = RenderGmNote(Synth, V, Key, Velocity);
                const double Angle = (V.Pan + 1.0) * Pi / 4.0;
                for (size_t I = 0; I < Note.Frames(); ++I) {
                    Note.L[I] *= static_cast<float>(std::cos(Angle) * std::sqrt(2.0));
                    Note.R[I] *= static_cast<float>(std::sin(Angle) * std::sqrt(2.0));
                }
                Mix.MixIn(Note, At, static_cast<float>(DbToGain(V.GainDb)));
            } else {
                PlaceMono(Mix, RenderSynthVoice(V, PitchScale, Random), At, DbToGain(V.GainDb + FallDb), V.Pan);
            }
        }
    }
    if (Recipe.HighpassHz > 0.0) Highpass(Mix, Recipe.HighpassHz);
    if (Recipe.LowpassHz > 0.0) Lowpass(Mix, Recipe.LowpassHz);
    if (Recipe.EchoDelay > 0.0 && Recipe.EchoMix > 0.0) {
        const size_t Delay = static_cast<size_t>(Recipe.EchoDelay * SampleRate);
        const size_t Repeats = static_cast<size_t>(std::ceil(std::log(0.001) / std::log(std::max(Recipe.EchoFeedback, 0.01))));
        TStereo Dry = Mix;
        double Gain = Recipe.EchoMix;
        for (size_t N = 1; N <= Repeats; ++N, Gain *= Recipe.EchoFeedback) {
            // Echoes alternate sides a little, which keeps them from smearing the effect.
            TStereo Echo = Dry;
            const float Left = static_cast<float>(N % 2 ? 0.7 : 1.0);
            const float Right = static_cast<float>(N % 2 ? 1.0 : 0.7);
            for (size_t I = 0; I < Echo.Frames(); ++I) {
                Echo.L[I] *= Left;
                Echo.R[I] *= Right;
            }
            Mix.MixIn(Echo, Delay * N, static_cast<float>(Gain));
        }
    }
    if (Recipe.ReverbMix > 0.0) {
        Mix.Resize(Mix.Frames() + static_cast<size_t>(SampleRate * (0.6 + 2.0 * Recipe.ReverbSize)));
        TReverb Room(Recipe.ReverbSize, 0.5);
        Room.Process(Mix, Recipe.ReverbMix);
    }
    const TLevels Levels = MeasureLevels(Mix);
    double Gain = Recipe.LoudnessDb - Levels.LoudestDb;
    Gain = std::min(Gain, -1.0 - Levels.PeakDb);  // never closer than 1 dB to full scale
    Mix.Scale(static_cast<float>(DbToGain(Gain)));
    // The effect starts the moment it is played and stops once inaudible.
    TrimLeadingSilence(Mix, -80.0);
    TrimTrailingSilence(Mix, -72.0);
    FadeIn(Mix, SampleRate * 3 / 2000);
    FadeOut(Mix, std::min<size_t>(Mix.Frames() / 4, SampleRate / 100));
    // Two milliseconds of silence in front give the encoder room for a sharp
    // attack, which would otherwise smear into a click on the very first sample.
    TStereo Padded;
    Padded.Resize(SampleRate / 500);
    Padded.MixIn(Mix, Padded.Frames());
    return Padded;
}
