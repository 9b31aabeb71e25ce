#include "GmSynth.h"

#include <fluidsynth.h>

#include <stdexcept>

namespace {
void QuietLog(int, const char*, void*) {}
}  // namespace

TGmSynth::TGmSynth(const std::string& SoundFont) {
    // Only real failures matter here; they surface as exceptions.
    for (const int Level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
        fluid_set_log_function(Level, QuietLog, nullptr);
    }
    FSettings = new_fluid_settings();
    fluid_settings_setnum(FSettings, "synth.sample-rate", SampleRate);
    fluid_settings_setint(FSettings, "synth.polyphony", 512);
    fluid_settings_setint(FSettings, "synth.cpu-cores", 1);
    fluid_settings_setint(FSettings, "synth.reverb.active", 1);
    fluid_settings_setint(FSettings, "synth.chorus.active", 1);
    fluid_settings_setnum(FSettings, "synth.gain", 0.5);
    // Only the instruments a piece selects are read from the SoundFont.
    fluid_settings_setint(FSettings, "synth.dynamic-sample-loading", 1);
    FSynth = new_fluid_synth(FSettings);
    if (!FSynth || fluid_synth_sfload(FSynth, SoundFont.c_str(), 1) == FLUID_FAILED) {
        if (FSynth) delete_fluid_synth(FSynth);
        delete_fluid_settings(FSettings);
        throw std::runtime_error("cannot load the SoundFont " + SoundFont);
    }
}

TGmSynth::~TGmSynth() {
    delete_fluid_synth(FSynth);
    delete_fluid_settings(FSettings);
}

void TGmSynth::Reset() {
    fluid_synth_system_reset(FSynth);
    // The synth works in blocks of 64 frames and applies events at block starts:
    // line the blocks up again so a piece's timing never depends on what came before.
    const size_t Misaligned = FFramesRendered % 64;
    if (Misaligned != 0) {
        TStereo Discard;
        Render(Discard, 64 - Misaligned);
    }
    SetReverb(0.5, 0.4, 0.8, 0.6);
    SetChorus(3, 1.2, 0.3, 8.0);
}

void TGmSynth::SetReverb(double RoomSize, double Damping, double Width, double Level) {
    fluid_synth_set_reverb_group_roomsize(FSynth, -1, RoomSize);
    fluid_synth_set_reverb_group_damp(FSynth, -1, Damping);
    fluid_synth_set_reverb_group_width(FSynth, -1, Width);
    fluid_synth_set_reverb_group_level(FSynth, -1, Level);
}

void TGmSynth::SetChorus(int Voices, double Level, double Speed, double Depth) {
    fluid_synth_set_chorus_group_nr(FSynth, -1, Voices);
    fluid_synth_set_chorus_group_level(FSynth, -1, Level);
    fluid_synth_set_chorus_group_speed(FSynth, -1, Speed);
    fluid_synth_set_chorus_group_depth(FSynth, -1, Depth);
}

void TGmSynth::Program(int Channel, int Bank, int Program) {
    fluid_synth_bank_select(FSynth, Channel, static_cast<unsigned>(Bank));
    fluid_synth_program_change(FSynth, Channel, Program);
}

void TGmSynth::Controller(int Channel, int Number, int Value) { fluid_synth_cc(FSynth, Channel, Number, Value); }

void TGmSynth::PitchBend(int Channel, int Value) { fluid_synth_pitch_bend(FSynth, Channel, Value); }

void TGmSynth::NoteOn(int Channel, int Key, int Velocity) { fluid_synth_noteon(FSynth, Channel, Key, Velocity); }

void TGmSynth::NoteOff(int Channel, int Key) { fluid_synth_noteoff(FSynth, Channel, Key); }

void TGmSynth::Render(TStereo& Out, size_t Frames) {
    const size_t Start = Out.Frames();
    Out.Resize(Start + Frames);
    size_t Done = 0;
    while (Done < Frames) {
        const int Count = static_cast<int>(std::min<size_t>(Frames - Done, 8192));
        fluid_synth_write_float(FSynth, Count, Out.L.data() + Start + Done, 0, 1, Out.R.data() + Start + Done, 0, 1);
        Done += static_cast<size_t>(Count);
    }
    FFramesRendered += Frames;
}
