// Music scores: a readable text format for the game's tracks, turned into timed
// notes for the General MIDI renderer.
//
//   tempo 108                      quarter notes per minute
//   meter 4/4
//   swing 0.6                      where the off-beat eighth falls (0.5 straight)
//   loop yes                       looped tracks loop without a seam
//   tail 3                         seconds of ring-out after the last bar
//   loudness -20                   RMS of the finished track, dBFS
//   instrument flute program 73 volume 100 pan -20 reverb 50
//   instrument kit drums 0 volume 90
//
//   section verse                  (or: section verse2 from verse, tempo 120)
//     chords | C | Am7 | F G | C |
//     flute  e5:4 g5:8 a5 g5:4 e5 | ...        notes: pitch, :duration, ' > ~
//     bass   over c2 1:4. 1:8 3:4 1+:4         chord tones from the root above c2
//     piano  near g3 r:8 [1 2 3]:8' ...        chord tones upward from g3
//     kit    {kick:8 hat snare hat}*2 | ...
//
//   form verse verse2 chorus verse
//
// Durations are 1 2 4 8 16 32 with dots and "t" for triplets, and stay until
// changed; octaves stay until changed. A note ends in ' (short), > (accent) or
// ~ (tied to the next note of the same pitch). "v80" sets the velocity, "x100"
// the expression. "{...}*3" repeats. Chord lines split a bar evenly unless
// their chords carry durations. Pattern lines (over, near) repeat to fill their
// section; note lines must fill it exactly, and bar lines are checked.
#pragma once

#include <string>
#include <vector>

#include "Dsp.h"

class TGmSynth;

struct TScoreInstrument {
    std::string Name;
    int Channel = 0;
    int Bank = 0;
    int Program = 0;
    int Volume = 100;
    int Pan = 0;          // -64..63
    int Reverb = 40;
    int Chorus = 0;
    int Velocity = 90;
    int Transpose = 0;
    double Legato = 0.92;  // part of a note's written length that sounds
    bool Drums = false;
};

struct TTimedNote {
    double Start = 0.0;  // seconds
    double Length = 0.0;
    int Channel = 0;
    int Key = 60;
    int Velocity = 90;
    std::string Instrument;
    // Where the note came from, for the harmony report.
    double Beat = 0.0;
    std::string Section;
    std::string ChordName;
    std::vector<int> ChordPitchClasses;
    int Line = 0;
};

struct TTimedControl {
    double Start = 0.0;
    int Channel = 0;
    int Number = 0;
    int Value = 0;
};

struct TScore {
    std::string Name;
    double Tempo = 120.0;
    int MeterBeats = 4;
    int MeterUnit = 4;
    double Swing = 0.5;
    bool Loop = true;
    double Tail = 3.0;
    double LoudnessDb = -20.0;
    double ReverbRoom = 0.6, ReverbDamp = 0.4, ReverbWidth = 0.9, ReverbLevel = 0.55;
    double ChorusLevel = 1.2;
    double HumanizeTime = 0.004;
    int HumanizeVelocity = 5;
    std::vector<TScoreInstrument> Instruments;
    std::vector<TTimedNote> Notes;
    std::vector<TTimedControl> Controls;
    double Length = 0.0;  // seconds, the part that loops
    std::vector<std::pair<std::string, double>> SectionStarts;
};

// Reads and arranges a score; throws std::runtime_error naming file and line.
TScore ReadScore(const std::string& FileName);
// Renders the whole track: looped tracks come out exactly one loop long with
// their ring-out folded into the start, one-shot tracks end once silent.
// Without Finish the raw mix comes back, not brought to the track's loudness.
TStereo RenderScore(const TScore& Score, TGmSynth& Synth, bool Finish = true);
// Notes that clash with the chord under them (a semitone off a chord tone on a
// strong beat or held long), for the composer's eye.
std::vector<std::string> HarmonyReport(const TScore& Score);
