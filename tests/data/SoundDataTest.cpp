// Checks of the generated sound effects: everything the game plays exists,
// decodes, starts at once and cleanly, never clips and sits at a sensible level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DecodedAudio.h"
#include "SFXPlayerClass.h"

namespace {

TEST_F(AudioDataTest, EveryEffectTheGamePlaysIsThere) {
    std::set<std::string> Names(GameSoundEffects.begin(), GameSoundEffects.end());
    // Also every name passed literally to PlaySoundEffect anywhere in the game.
    const std::regex Call(R"(PlaySoundEffect\(\s*"([^"]+)\"\s*\))");
    for (const auto& Entry : std::filesystem::recursive_directory_iterator(std::string(QUELLOW_SOURCE_DIR) + "/src")) {
        if (Entry.path().extension() != ".cpp" && Entry.path().extension() != ".h") continue;
        std::ifstream File(Entry.path());
        std::stringstream Text;
        Text << File.rdbuf();
        const std::string Source = Text.str();
        for (std::sregex_iterator It(Source.begin(), Source.end(), Call), End; It != End; ++It) Names.insert((*It)[1]);
    }
    for (const std::string& Name : Names) {
        EXPECT_TRUE(std::filesystem::is_regular_file(GameDir() + "/Sounds/" + Name + ".ogg")) << Name;
    }

    // The folder holds nothing else, and its files fit the sound player's slots.
    int Slots = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(GameDir() + "/Sounds")) {
        const std::string Name = Entry.path().stem().string();
        EXPECT_TRUE(Names.count(Name)) << "unexpected file " << Entry.path();
        Slots += IsBurstEffect(Name) ? SFXBurstCopies : 1;
    }
    EXPECT_LE(Slots, SFXSlotCount);
}

TEST_F(AudioDataTest, EffectsStartCleanlyAndAreBalanced) {
    for (const char* Name : GameSoundEffects) {
        SCOPED_TRACE(Name);
        const TDecoded Sound = Decode(GameDir() + "/Sounds/" + Name + ".ogg");
        if (Sound.Samples.empty()) continue;
        EXPECT_GE(Sound.Seconds(), 0.02);
        EXPECT_LE(Sound.Seconds(), 3.5);
        const int Peak = Sound.Peak();
        EXPECT_LT(Peak, ClipLimit);
        // No click at the start or the end: the first and last samples are near silence ...
        EXPECT_LT(std::abs(Sound.Samples[0]), Peak / 20 + 64);
        EXPECT_LT(std::abs(Sound.Samples[Sound.Samples.size() - 1]), Peak / 50 + 64);
        // ... yet the effect is heard at once: within 30 ms it is no more than 20 dB below its peak.
        const size_t Soon = std::min(Sound.Samples.size(), static_cast<size_t>(GameAudioFrequency * 2 * 30 / 1000));
        const int EarlyPeak = std::abs(*std::max_element(Sound.Samples.begin(), Sound.Samples.begin() + static_cast<std::ptrdiff_t>(Soon),
                                                         [](int16_t A, int16_t B) { return std::abs(A) < std::abs(B); }));
        EXPECT_GE(EarlyPeak, Peak / 10);
        // Levels stay within a window so no effect drowns the others.
        EXPECT_GE(Sound.LoudestDb(), -36.0);
        EXPECT_LE(Sound.LoudestDb(), -12.0);
    }
}

}  // namespace
