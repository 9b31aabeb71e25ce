#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <vector>

#include "AudioMixerClass.h"
#include "AudioTestFiles.h"
#include "MusicBoxClass.h"

namespace {

TEST(MusicNumbers, MapToTracksByTheirLowSevenBits) {
    const struct {
        int Number;
        int Track;
    } Cases[] = {{0, 0},   {1, 1},   {9, 9},   {10, 4},  {11, 10}, {12, 11}, {13, 12}, {14, 13},
                 {15, -1}, {127, -1}, {128, 0}, {128 + 11, 10}, {-1, -1}, {256 + 4, 4}};
    for (const auto& C : Cases) EXPECT_EQ(MusicNumberToTrack(C.Number), C.Track) << C.Number;
}

// The fade arithmetic needs no sound at all: a box without tracks fades the same.
TEST(MusicBoxFades, FrameByFrame) {
    TMusicBox Box;
    EXPECT_EQ(Box.CurrentTrack(), -1);
    EXPECT_EQ(Box.NextTrack(), 0);
    EXPECT_EQ(Box.Level(), 0);
    EXPECT_TRUE(Box.FadingIn());
    EXPECT_EQ(Box.Volume(), 70);

    // Frames run from the first company logo on; nothing plays before the first
    // selection, and that selection starts its track at the very next update.
    Box.SetVolume(100);
    for (int Frame = 0; Frame < 60; ++Frame) Box.Update();
    EXPECT_EQ(Box.CurrentTrack(), -1);
    Box.SelectTrack(muSplash);
    EXPECT_FALSE(Box.FadingIn());
    EXPECT_EQ(Box.NextTrack(), 0);
    Box.Update();
    EXPECT_EQ(Box.CurrentTrack(), 0);
    EXPECT_TRUE(Box.FadingIn());
    EXPECT_EQ(Box.Level(), 2);
    std::vector<int> Levels;
    for (int Frame = 0; Frame < 50; ++Frame) {
        Box.Update();
        Levels.push_back(Box.Level());
    }
    EXPECT_EQ(Levels.front(), 4);
    EXPECT_EQ(Levels[47], 98);
    EXPECT_EQ(Levels[48], 100);
    EXPECT_EQ(Levels[49], 100);  // held at the volume

    // Switching: -5 a frame down to 0 (20 frames), the switch on the 21st.
    Box.SelectTrack(muMap);
    for (int Frame = 1; Frame <= 20; ++Frame) {
        Box.Update();
        EXPECT_EQ(Box.Level(), 100 - 5 * Frame);
        EXPECT_EQ(Box.CurrentTrack(), 0);
        EXPECT_FALSE(Box.FadingIn());
    }
    Box.Update();
    EXPECT_EQ(Box.CurrentTrack(), 2);
    EXPECT_EQ(Box.Level(), 2);

    // Changing the selection while fading out only changes the destination.
    Box.SelectTrack(muTargetFruits);
    Box.Update();
    Box.SelectTrack(muStory);
    while (!Box.FadingIn()) Box.Update();
    EXPECT_EQ(Box.CurrentTrack(), 1);
}

TEST(MusicBoxFades, VolumeChangesAndSelectingTheCurrentTrack) {
    TMusicBox Box;
    Box.SetVolume(150);
    EXPECT_EQ(Box.Volume(), 100);
    Box.SetVolume(-5);
    EXPECT_EQ(Box.Volume(), 0);

    Box.SetVolume(60);
    Box.SelectTrack(muCollectFruits);
    for (int Frame = 0; Frame < 40; ++Frame) Box.Update();
    ASSERT_EQ(Box.CurrentTrack(), 4);
    ASSERT_EQ(Box.Level(), 60);

    // Lowering the volume takes effect at the next update, raising it fades up.
    Box.SetVolume(30);
    EXPECT_EQ(Box.Level(), 60);
    Box.Update();
    EXPECT_EQ(Box.Level(), 30);
    Box.SetVolume(35);
    Box.Update();
    EXPECT_EQ(Box.Level(), 32);
    Box.Update();
    Box.Update();
    EXPECT_EQ(Box.Level(), 35);
    Box.SetVolume(0);
    Box.Update();
    EXPECT_EQ(Box.Level(), 0);
    EXPECT_EQ(Box.CurrentTrack(), 4);

    // Number 10 selects the same track as 4: nothing happens.
    Box.SelectTrack(10);
    Box.SelectTrack(muCollectFruits);
    EXPECT_TRUE(Box.FadingIn());
    // A number that selects no track is ignored.
    Box.SelectTrack(99);
    EXPECT_TRUE(Box.FadingIn());
    EXPECT_EQ(Box.CurrentTrack(), 4);
}

class MusicBoxPlayTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenGameAudio()); }
    void TearDown() override { CloseGameAudio(); }
    // Runs frames until the fade to the selected track has started it.
    static void UpdateUntilSwitched(TMusicBox& Box) {
        for (int Frame = 0; Frame < 100 && !Box.FadingIn(); ++Frame) Box.Update();
        Box.Update();
    }
    // The mixer plays in real time: waits (at most a few seconds) for a short track to end.
    static bool WaitUntilSilent(const TMusicBox& Box) {
        for (int Waited = 0; Waited < 3000 && Box.TrackPlaying(); Waited += 10) SDL_Delay(10);
        return !Box.TrackPlaying();
    }
    TTempFolder Folder;
};

TEST_F(MusicBoxPlayTest, OneShotTrackIsNotReplayedUntilAnotherTrackWasSelected) {
    for (const TMusicTrack& Track : MusicTracks) WriteSilence(Folder.Path() + Track.FileName, 0.15);
    TMusicBox Box;
    Box.SetPath(Folder.Path());
    Box.LoadTracks();
    ASSERT_EQ(Box.Count(), MusicTrackCount);
    for (int Track = 0; Track < MusicTrackCount; ++Track) EXPECT_TRUE(Box.TrackLoaded(Track)) << Track;

    Box.SelectTrack(muLevelClear);
    UpdateUntilSwitched(Box);
    ASSERT_EQ(Box.CurrentTrack(), 10);
    EXPECT_TRUE(Box.TrackPlaying());
    ASSERT_TRUE(WaitUntilSilent(Box));

    Box.SelectTrack(muLevelClear);
    EXPECT_TRUE(Box.FadingIn());
    Box.Update();
    EXPECT_FALSE(Box.TrackPlaying());

    // Changing the destination back to the current track during the fade does
    // not cancel the fade: the finished fanfare still counts as current.
    Box.SelectTrack(muMap);
    Box.SelectTrack(muLevelClear);
    UpdateUntilSwitched(Box);
    EXPECT_EQ(Box.CurrentTrack(), 2);

    Box.SelectTrack(muLevelClear);
    UpdateUntilSwitched(Box);
    EXPECT_EQ(Box.CurrentTrack(), 10);
    EXPECT_TRUE(Box.TrackPlaying());
}

TEST_F(MusicBoxPlayTest, LoopedTracksKeepPlayingEvenAtVolumeZero) {
    for (const TMusicTrack& Track : MusicTracks) WriteSilence(Folder.Path() + Track.FileName, 0.1);
    TMusicBox Box;
    Box.SetPath(Folder.Path());
    Box.LoadTracks();
    Box.SelectTrack(muTimeRun);
    UpdateUntilSwitched(Box);
    ASSERT_EQ(Box.CurrentTrack(), 11);
    Box.SetVolume(0);
    Box.Update();
    EXPECT_EQ(Box.Level(), 0);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    SDL_Delay(400);  // several times the track's length
    EXPECT_TRUE(Box.TrackPlaying());

    Box.StopAll();
    EXPECT_FALSE(Box.TrackPlaying());
    EXPECT_EQ(Box.CurrentTrack(), 11);
}

TEST_F(MusicBoxPlayTest, AppliedLevelFollowsTheFade) {
    WriteSilence(Folder.Path() + "Splash.ogg", 2.0);
    TMusicBox Box;
    Box.SetPath(Folder.Path());
    Box.LoadTracks();
    Box.SetVolume(50);
    Box.SelectTrack(muSplash);
    Box.Update();
    EXPECT_EQ(Mix_VolumeMusic(-1), GameVolumeToMixer(2));
    for (int Frame = 0; Frame < 30; ++Frame) Box.Update();
    EXPECT_EQ(Mix_VolumeMusic(-1), GameVolumeToMixer(50));
}

TEST_F(MusicBoxPlayTest, MissingFileSilencesOnlyItsOwnMusic) {
    for (const TMusicTrack& Track : MusicTracks) {
        if (std::string(Track.FileName) != "Story.ogg") WriteSilence(Folder.Path() + Track.FileName, 2.0);
    }
    TMusicBox Box;
    Box.SetPath(Folder.Path());
    Box.LoadTracks();
    EXPECT_FALSE(Box.TrackLoaded(1));
    EXPECT_TRUE(Box.TrackLoaded(2));

    Box.SelectTrack(muStory);
    UpdateUntilSwitched(Box);
    EXPECT_EQ(Box.CurrentTrack(), 1);
    EXPECT_FALSE(Box.TrackPlaying());

    Box.SelectTrack(muMap);
    UpdateUntilSwitched(Box);
    EXPECT_EQ(Box.CurrentTrack(), 2);
    EXPECT_TRUE(Box.TrackPlaying());
}

}  // namespace
