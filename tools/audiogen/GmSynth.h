// General MIDI instruments from a SoundFont, rendered offline (no audio
// device) with FluidSynth. The effect synthesiser borrows single notes from
// it; the music renderer plays whole scores through it.
#pragma once

#include <memory>
#include <string>

#include "Dsp.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

class TGmSynth {
public:
    // Loads the SoundFont; throws when it cannot.
    explicit TGmSynth(const std::string& SoundFont);
    ~TGmSynth();
    TGmSynth(const TGmSynth&) = delete;
    TGmSynth& operator=(const TGmSynth&) = delete;

    // Silences every voice and returns every channel, controller and effect
    // tail to its start state, so each piece renders the same whatever came before.
    void Reset();
    // Built-in reverb of the synth (room size, damping, width, level 0..1).
    void SetReverb(double RoomSize, double Damping, double Width, double Level);
    void SetChorus(int Voices, double Level, double Speed, double Depth);

    void Program(int Channel, int Bank, int Program);
    void Controller(int Channel, int Number, int Value);
    void PitchBend(int Channel, int Value);
    void NoteOn(int Channel, int Key, int Velocity);
    void NoteOff(int Channel, int Key);
    // Renders Frames frames and appends them to Out.
    void Render(TStereo& Out, size_t Frames);

private:
    fluid_settings_t* FSettings = nullptr;
    fluid_synth_t* FSynth = nullptr;
    size_t FFramesRendered = 0;
};
