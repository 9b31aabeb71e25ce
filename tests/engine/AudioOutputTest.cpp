// One end-to-end check through a real SDL output: the "disk" driver writes the
// mixed samples to a file, so the test can measure what a player would hear.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "AudioMixerClass.h"
#include "AudioTestFiles.h"
#include "SFXPlayerClass.h"

namespace {

// Peak of the 16-bit samples that reached the output while the effect played.
int PlayAndMeasurePeak(const std::string& Folder, int Volume) {
    const std::string OutputFile = Folder + "output-" + std::to_string(Volume) + ".raw";
    setenv("SDL_DISKAUDIOFILE", OutputFile.c_str(), 1);
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "disk", SDL_HINT_OVERRIDE);
    const bool Opened = OpenGameAudio();
    int Peak = -1;
    if (Opened) {
        TSFXPlayer Player;
        Player.SetPath(Folder);
        Player.LoadAll();
        Player.SetVolume(Volume);
        Player.Play("Tone");
        SDL_Delay(300);
        CloseGameAudio();  // flushes and closes the output file
        const std::string Bytes = ReadWholeFile(OutputFile);
        std::vector<int16_t> Samples(Bytes.size() / 2);
        std::memcpy(Samples.data(), Bytes.data(), Samples.size() * 2);
        Peak = 0;
        for (const int16_t S : Samples) Peak = std::max(Peak, std::abs(static_cast<int>(S)));
    }
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return Peak;
}

TEST(AudioOutput, EffectReachesTheOutputAtItsVolume) {
    TTempFolder Folder;
    WriteSquareWave(Folder.Path() + "Tone.ogg", 1.0, 12000);
    const struct {
        int Volume;
        int Peak;
    } Cases[] = {{100, 12000}, {50, 6000}, {25, 3000}, {0, 0}};
    for (const auto& C : Cases) {
        const int Peak = PlayAndMeasurePeak(Folder.Path(), C.Volume);
        EXPECT_NEAR(Peak, C.Peak, 2) << "volume " << C.Volume;
    }
}

}  // namespace
