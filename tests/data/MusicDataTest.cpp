// Checks of the generated music: all fourteen tracks exist and decode, never
// clip, sit at a sensible level, last long enough, and the looped tracks wrap
// around without a jump.
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
#include "MusicBoxClass.h"

namespace {

TEST_F(AudioDataTest, EveryTrackIsThereWithItsLengthAndLevel) {
    for (const TMusicTrack& Track : MusicTracks) {
        SCOPED_TRACE(Track.FileName);
        const TDecoded Music = Decode(GameDir() + "/Music/" + Track.FileName);
        if (Music.Samples.empty()) continue;
        const size_t Frames = Music.Samples.size() / 2;
        EXPECT_LT(Music.Peak(), ClipLimit);
        const double Rms = Music.RmsDb(0, Frames);
        EXPECT_GE(Rms, -28.0);
        EXPECT_LE(Rms, -14.0);
        if (Track.Looped) {
            // Round themes play for minutes: a loop of a minute or more does not grate.
            const std::string Name = Track.FileName;
            const bool Round = Name == "TargetFruits.ogg" || Name == "CollectFruits.ogg" || Name == "BeatMonster.ogg" ||
                               Name == "FindFlowers.ogg" || Name == "ClearTiles.ogg";
            EXPECT_GE(Music.Seconds(), Round ? 60.0 : 20.0);
            EXPECT_LE(Music.Seconds(), 240.0);
        } else {
            EXPECT_GE(Music.Seconds(), 1.5);
            EXPECT_LE(Music.Seconds(), 10.0);
            EXPECT_LT(std::abs(Music.Samples[0]), 200);
            EXPECT_LT(std::abs(Music.Samples[Music.Samples.size() - 1]), 200);
        }
    }
}

// Wrapping from the last sample to the first must be no bigger a step than the
// music itself takes around that point, or the loop clicks.
TEST_F(AudioDataTest, LoopedTracksWrapWithoutAJump) {
    for (const TMusicTrack& Track : MusicTracks) {
        if (!Track.Looped) continue;
        SCOPED_TRACE(Track.FileName);
        const TDecoded Music = Decode(GameDir() + "/Music/" + Track.FileName);
        if (Music.Samples.size() < 44100 * 2) continue;
        const size_t N = Music.Samples.size();
        const size_t Around = 4410 * 2;  // 100 ms each side of the seam
        for (size_t Channel = 0; Channel < 2; ++Channel) {
            std::vector<int> Steps;
            for (size_t I = N - Around + Channel; I + 2 < N; I += 2) Steps.push_back(std::abs(Music.Samples[I + 2] - Music.Samples[I]));
            for (size_t I = Channel; I + 2 < Around; I += 2) Steps.push_back(std::abs(Music.Samples[I + 2] - Music.Samples[I]));
            std::sort(Steps.begin(), Steps.end());
            const int Usual = Steps[Steps.size() * 99 / 100];
            const int Seam = std::abs(Music.Samples[Channel] - Music.Samples[N - 2 + Channel]);
            EXPECT_LE(Seam, Usual + 64) << "channel " << Channel;
        }
    }
}

}  // namespace
