// The game's audio data tool: synthesises the sound effects from their
// recipes and renders the music from its scores, both as Ogg Vorbis.
//
//   quellow_audiogen sounds <recipe folder> <output folder> <SoundFont> [options]
//   quellow_audiogen music  <score folder>  <output folder> <SoundFont> [options]
//
// Options: --only <name> makes one file; --wav <folder> also writes WAV copies
// to listen to; --harmony lists melody notes that clash with their chords;
// --stems reports each instrument's level within its track; --quiet prints no
// level report.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "Dsp.h"
#include "GmSynth.h"
#include "OggVorbisWriter.h"
#include "Score.h"
#include "SoundRecipe.h"

namespace fs = std::filesystem;

namespace {

struct TOptions {
    std::string Mode, Sources, Output, SoundFont, Only, WavFolder;
    bool Harmony = false;
    bool Stems = false;
    bool Quiet = false;
};

std::vector<fs::path> SourceFiles(const std::string& Folder, const std::string& Extension) {
    std::vector<fs::path> Files;
    for (const auto& Entry : fs::directory_iterator(Folder)) {
        if (Entry.is_regular_file() && Entry.path().extension() == Extension) Files.push_back(Entry.path());
    }
    std::sort(Files.begin(), Files.end());
    return Files;
}

// Output files whose source is gone would still be loaded by the game.
void RemoveStaleOutputs(const std::string& Output, const std::vector<fs::path>& Sources) {
    std::set<std::string> Names;
    for (const fs::path& Source : Sources) Names.insert(Source.stem().string());
    for (const auto& Entry : fs::directory_iterator(Output)) {
        if (Entry.path().extension() == ".ogg" && !Names.count(Entry.path().stem().string())) fs::remove(Entry.path());
    }
}

void Report(const TOptions& Options, const std::string& Name, const TStereo& Buffer, const std::string& Extra = "") {
    if (Options.Quiet) return;
    const TLevels Levels = MeasureLevels(Buffer);
    std::printf("  %-18s %7.2f s  peak %6.1f dBFS  rms %6.1f  loudest %6.1f%s\n", Name.c_str(),
                static_cast<double>(Buffer.Frames()) / SampleRate, Levels.PeakDb, Levels.RmsDb, Levels.LoudestDb,
                Extra.c_str());
}

void MakeSounds(const TOptions& Options) {
    const std::vector<fs::path> Recipes = SourceFiles(Options.Sources, ".sfx");
    if (Recipes.empty()) throw std::runtime_error(Options.Sources + ": no .sfx recipes");
    TGmSynth Synth(Options.SoundFont);
    for (const fs::path& Path : Recipes) {
        const std::string Name = Path.stem().string();
        if (!Options.Only.empty() && Name != Options.Only) continue;
        const TStereo Sound = RenderSoundRecipe(ReadSoundRecipe(Path.string()), Synth);
        WriteOggVorbis(Options.Output + "/" + Name + ".ogg", Sound, 0.5f);
        if (!Options.WavFolder.empty()) WriteWav(Options.WavFolder + "/" + Name + ".wav", Sound);
        Report(Options, Name, Sound);
    }
    if (Options.Only.empty()) RemoveStaleOutputs(Options.Output, Recipes);
}

// Levels roughly as heard: the ear makes little of the lowest octaves.
TLevels HeardLevels(TStereo Buffer) {
    Highpass(Buffer, 150.0);
    Highpass(Buffer, 150.0);
    return MeasureLevels(Buffer);
}

// Each instrument alone against the whole mix, to balance the parts.
void ReportStems(const TOptions& Options, const TScore& Score) {
    TGmSynth Synth(Options.SoundFont);
    const double MixDb = HeardLevels(RenderScore(Score, Synth, false)).RmsDb;
    std::set<int> Channels;
    for (const TScoreInstrument& I : Score.Instruments) {
        if (!Channels.insert(I.Channel).second) continue;
        TScore Solo = Score;
        std::erase_if(Solo.Notes, [&](const TTimedNote& N) { return N.Channel != I.Channel; });
        TGmSynth SoloSynth(Options.SoundFont);
        const TLevels Levels = HeardLevels(RenderScore(Solo, SoloSynth, false));
        std::printf("  %-14s %-10s %6.1f dB against the mix (loudest %6.1f)\n", Score.Name.c_str(), I.Name.c_str(),
                    Levels.RmsDb - MixDb, Levels.LoudestDb - MixDb);
    }
}

void MakeMusic(const TOptions& Options) {
    const std::vector<fs::path> Scores = SourceFiles(Options.Sources, ".score");
    if (Scores.empty()) throw std::runtime_error(Options.Sources + ": no .score files");
    std::vector<TScore> Parsed;
    for (const fs::path& Path : Scores) {
        if (!Options.Only.empty() && Path.stem() != Options.Only) continue;
        Parsed.push_back(ReadScore(Path.string()));
        if (Options.Harmony) {
            for (const std::string& Line : HarmonyReport(Parsed.back())) std::printf("%s\n", Line.c_str());
        }
        if (Options.Stems) ReportStems(Options, Parsed.back());
    }
    // Two workers. Every track gets a synthesiser of its own: the effects' inner
    // state (modulation phases, echoes) would otherwise carry from one track into
    // the next, and a track must come out the same however it is built.
    std::vector<TStereo> Rendered(Parsed.size());
    std::vector<std::string> Errors(2);
    auto Work = [&](size_t Worker) {
        try {
            for (size_t I = Worker; I < Parsed.size(); I += 2) {
                TGmSynth Synth(Options.SoundFont);
                Rendered[I] = RenderScore(Parsed[I], Synth);
                const std::string Name = Parsed[I].Name;
                std::vector<std::string> Comments = {"TITLE=" + Name};
                WriteOggVorbis(Options.Output + "/" + Name + ".ogg", Rendered[I], 0.4f, Comments);
                if (!Options.WavFolder.empty()) WriteWav(Options.WavFolder + "/" + Name + ".wav", Rendered[I]);
            }
        } catch (const std::exception& E) {
            Errors[Worker] = E.what();
        }
    };
    std::thread Second(Work, 1);
    Work(0);
    Second.join();
    for (const std::string& Error : Errors) {
        if (!Error.empty()) throw std::runtime_error(Error);
    }
    for (size_t I = 0; I < Parsed.size(); ++I) {
        Report(Options, Parsed[I].Name, Rendered[I], Parsed[I].Loop ? "  looped" : "");
    }
    if (Options.Only.empty()) RemoveStaleOutputs(Options.Output, Scores);
}

TOptions ReadOptions(int Argc, char** Argv) {
    if (Argc < 5) {
        throw std::runtime_error("usage: quellow_audiogen sounds|music <sources> <output> <SoundFont> "
                                 "[--only name] [--wav folder] [--harmony] [--quiet]");
    }
    TOptions Options{Argv[1], Argv[2], Argv[3], Argv[4], "", "", false, false, false};
    for (int I = 5; I < Argc; ++I) {
        const std::string Arg = Argv[I];
        if (Arg == "--only" && I + 1 < Argc) Options.Only = Argv[++I];
        else if (Arg == "--wav" && I + 1 < Argc) Options.WavFolder = Argv[++I];
        else if (Arg == "--harmony") Options.Harmony = true;
        else if (Arg == "--stems") Options.Stems = true;
        else if (Arg == "--quiet") Options.Quiet = true;
        else throw std::runtime_error("unknown option " + Arg);
    }
    if (Options.Mode != "sounds" && Options.Mode != "music") throw std::runtime_error("mode is sounds or music");
    return Options;
}

}  // namespace

int main(int Argc, char** Argv) {
    try {
        const TOptions Options = ReadOptions(Argc, Argv);
        const auto Start = std::chrono::steady_clock::now();
        fs::create_directories(Options.Output);
        if (!Options.WavFolder.empty()) fs::create_directories(Options.WavFolder);
        if (Options.Mode == "sounds") MakeSounds(Options);
        else MakeMusic(Options);
        const double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
        if (!Options.Quiet) std::printf("  %s made in %.1f s\n", Options.Mode.c_str(), Seconds);
        return 0;
    } catch (const std::exception& E) {
        std::fprintf(stderr, "quellow_audiogen: %s\n", E.what());
        return 1;
    }
}
