// Sound-effect recipes: a small text format describing an effect as layered
// voices (oscillators, noise, FM, General MIDI notes) with envelopes, pitch
// glides and filters, then a little room, and a loudness to end at.
//
//   # FruitSwap: a quick airy swish as two fruits change places.
//   loudness -20                 loudest 100 ms of the finished effect, dBFS
//   reverb 0.12 0.4              wet mix, room size (optional)
//   voice noise filter=bp cutoff=700..3200 q=1.8 attack=0.05 decay=0.15
//   voice sine pitch=G5..D6 attack=0.01 decay=0.1 gain=-12 at=0.02
//
// Every voice line is "voice <kind>" and key=value settings; times are in
// seconds, pitches in Hz or note names (C4 is middle C), gains in dB.
#pragma once

#include <string>
#include <vector>

#include "Dsp.h"

class TGmSynth;

struct TVoice {
    enum TKind { Sine, Triangle, Square, Saw, Noise, Pink, Gm };
    TKind Kind = Sine;
    double At = 0.0;
    double Pitch0 = 440.0, Pitch1 = 440.0;
    double Glide = -1.0;       // seconds from Pitch0 to Pitch1; -1: the voice's whole length
    bool ExpCurve = true;
    double VibratoRate = 0.0, VibratoCents = 0.0;
    double FmRatio = 0.0, FmIndex0 = 0.0, FmIndex1 = 0.0;
    double Duty = 0.5;
    double Attack = 0.002, Hold = 0.0, Decay = 0.2;
    int Filter = -1;           // TSvf mode, -1 for none
    double Cutoff0 = 1000.0, Cutoff1 = 1000.0, Sweep = -1.0, Q = 0.707;
    double GainDb = 0.0, Pan = 0.0, Drive = 0.0;
    double AmRate = 0.0, AmDepth = 0.0;
    int Repeat = 1;
    double Every = 0.1, FallDb = 0.0, RiseSemitones = 0.0, Jitter = 0.0, Spread = 0.0;
    std::vector<double> Notes;  // one copy of the voice per note (Hz), Step apart
    double Step = 0.08;
    // General MIDI voices
    int Bank = 0, Program = 0, Velocity = 100;
    double Length = 0.3;        // how long each note is held
    std::vector<int> Keys;
};

struct TSoundRecipe {
    std::string Name;
    double LoudnessDb = -18.0;
    double ReverbMix = 0.0, ReverbSize = 0.5;
    double EchoDelay = 0.0, EchoFeedback = 0.0, EchoMix = 0.0;
    double HighpassHz = 40.0, LowpassHz = 0.0;
    std::vector<TVoice> Voices;
};

// Reads a recipe; throws std::runtime_error naming the file and line at fault.
TSoundRecipe ReadSoundRecipe(const std::string& FileName);
// Renders the finished effect: voices mixed, filtered, roomed, brought to its
// loudness (never above -1 dBFS), leading silence trimmed, clean start and end.
TStereo RenderSoundRecipe(const TSoundRecipe& Recipe, TGmSynth& Synth);
