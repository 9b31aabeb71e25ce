#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AudioMixerClass.h"
#include "AudioTestFiles.h"
#include "SFXPlayerClass.h"

namespace {

// Channels whose sound was cut off or ended, in order (the mixer reports a
// restart of a sounding channel as the end of its old sound).
std::vector<int> EndedChannels;
void RecordEndedChannel(int Channel) { EndedChannels.push_back(Channel); }

class SFXPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenGameAudio());
        EndedChannels.clear();
    }
    void TearDown() override {
        Mix_ChannelFinished(nullptr);
        CloseGameAudio();
    }
    void AddEffect(const std::string& Name) { WriteSilence(Folder.Path() + Name + ".ogg", 5.0); }
    std::vector<int> PlayingSlots(const TSFXPlayer& Player) const {
        std::vector<int> Slots;
        for (int Slot = 0; Slot < Player.Count(); ++Slot) {
            if (Player.SlotPlaying(Slot)) Slots.push_back(Slot);
        }
        return Slots;
    }
    TTempFolder Folder;
};

TEST_F(SFXPlayerTest, LoadAllGivesBurstEffectsFiveConsecutiveSlots) {
    AddEffect("Zap");
    AddEffect("FruitMatch");
    AddEffect("Click");
    WriteWholeFile(Folder.Path() + "Broken.ogg", "not a sound at all");
    WriteWholeFile(Folder.Path() + "Notes.txt", "not an effect");
    std::filesystem::create_directory(Folder.Path() + "Folder.ogg");

    TSFXPlayer Player;
    EXPECT_EQ(Player.Volume(), 70);
    Player.SetPath(Folder.Path());
    Player.LoadAll();

    // The broken file takes no slot: the next file takes its place.
    const std::vector<std::string> Expected = {"Click",      "FruitMatch", "FruitMatch", "FruitMatch",
                                               "FruitMatch", "FruitMatch", "Zap"};
    ASSERT_EQ(Player.Count(), static_cast<int>(Expected.size()));
    for (int Slot = 0; Slot < Player.Count(); ++Slot) EXPECT_EQ(Player.SlotName(Slot), Expected[static_cast<size_t>(Slot)]);
    EXPECT_EQ(Player.IndexOf("FruitMatch"), 1);
    EXPECT_EQ(Player.IndexOf("Zap"), 6);
    EXPECT_EQ(Player.IndexOf("fruitmatch"), -1);  // names are case-sensitive
    EXPECT_EQ(Player.IndexOf("Broken"), -1);
    EXPECT_GE(Mix_AllocateChannels(-1), SFXSlotCount);
}

TEST_F(SFXPlayerTest, SlotsRunOutInTheMiddleOfABurstEffect) {
    // 40 single effects and the seven burst effects need 75 slots; "ScoreCount"
    // comes last in name order and gets the three slots that are left.
    for (int I = 0; I < 40; ++I) AddEffect("A" + std::to_string(10 + I));
    for (const char* Burst : SFXBurstEffects) AddEffect(Burst);

    TSFXPlayer Player;
    Player.SetPath(Folder.Path());
    Player.LoadAll();
    ASSERT_EQ(Player.Count(), SFXSlotCount);
    ASSERT_EQ(Player.IndexOf("ScoreCount"), 70);
    EXPECT_EQ(Player.SlotName(72), "ScoreCount");

    Mix_ChannelFinished(RecordEndedChannel);
    for (int I = 0; I < 4; ++I) Player.Play("ScoreCount");
    EXPECT_EQ(PlayingSlots(Player), (std::vector<int>{70, 71, 72}));
    EXPECT_EQ(EndedChannels, std::vector<int>{70});  // the fourth play restarted the first copy
}

TEST_F(SFXPlayerTest, BurstEffectTakesTheFirstCopyThatIsNotSounding) {
    AddEffect("Click");
    AddEffect("FruitMatch");
    TSFXPlayer Player;
    Player.SetPath(Folder.Path());
    Player.LoadAll();
    const int First = Player.IndexOf("FruitMatch");
    ASSERT_EQ(First, 1);

    Mix_ChannelFinished(RecordEndedChannel);
    // Six plays within one frame: five copies, then the first restarts.
    for (int I = 0; I < 6; ++I) Player.Play("FruitMatch");
    EXPECT_EQ(PlayingSlots(Player), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(EndedChannels, std::vector<int>{1});

    // With the first two copies sounding, the third one starts.
    Player.StopAll();
    EXPECT_TRUE(PlayingSlots(Player).empty());
    EndedChannels.clear();
    Player.Play("FruitMatch");
    Player.Play("FruitMatch");
    Player.Play("FruitMatch");
    EXPECT_EQ(PlayingSlots(Player), (std::vector<int>{1, 2, 3}));

    // A copy that fell silent is taken before later ones.
    Mix_HaltChannel(1);
    Player.Play("FruitMatch");
    EXPECT_EQ(PlayingSlots(Player), (std::vector<int>{1, 2, 3}));
    Player.Play("FruitMatch");
    EXPECT_EQ(PlayingSlots(Player), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(SFXPlayerTest, SingleEffectRestartsAndUnknownNamesPlayNothing) {
    AddEffect("Click");
    AddEffect("MouseOver");
    TSFXPlayer Player;
    Player.SetPath(Folder.Path());
    Player.LoadAll();

    Mix_ChannelFinished(RecordEndedChannel);
    Player.Play("Nothing");
    Player.Play("");
    EXPECT_TRUE(PlayingSlots(Player).empty());

    Player.Play("MouseOver");
    Player.Play("MouseOver");
    EXPECT_EQ(PlayingSlots(Player), std::vector<int>{1});
    EXPECT_EQ(EndedChannels, std::vector<int>{1});  // restarted from the beginning
}

TEST_F(SFXPlayerTest, VolumeIsClampedAndAppliedToEverySlotAtOnce) {
    AddEffect("Click");
    AddEffect("LockerBreak");
    TSFXPlayer Player;
    Player.SetPath(Folder.Path());
    Player.LoadAll();
    ASSERT_EQ(Player.Count(), 6);

    const struct {
        int Set;
        int Stored;
        int Mixer;
    } Cases[] = {{150, 100, 128}, {-5, 0, 0}, {0, 0, 0}, {100, 100, 128}, {50, 50, 64}, {70, 70, 90}};
    for (const auto& C : Cases) {
        Player.SetVolume(C.Set);
        EXPECT_EQ(Player.Volume(), C.Stored) << C.Set;
        for (int Slot = 0; Slot < Player.Count(); ++Slot) EXPECT_EQ(Mix_Volume(Slot, -1), C.Mixer) << C.Set;
    }
}

TEST_F(SFXPlayerTest, GameWideEntryPointReachesTheRegisteredPlayer) {
    AddEffect("Combo");
    TSFXPlayer Player;
    Player.SetPath(Folder.Path());
    Player.LoadAll();

    std::vector<std::string> Heard;
    SetSoundEffectListener([&](const std::string& Name) { Heard.push_back(Name); });
    PlaySoundEffect("Combo");  // no player registered yet: only the listener hears it
    EXPECT_FALSE(Player.SlotPlaying(0));

    SetGameSoundPlayer(&Player);
    PlaySoundEffect("Combo");
    EXPECT_TRUE(Player.SlotPlaying(0));
    SetSoundEffectListener(nullptr);
    SetGameSoundPlayer(nullptr);
    EXPECT_EQ(Heard, (std::vector<std::string>{"Combo", "Combo"}));
}

TEST(SFXPlayerWithoutMixer, EverythingIsSilentAndSafe) {
    CloseGameAudio();
    TTempFolder Folder;
    WriteSilence(Folder.Path() + "Click.ogg", 0.1);
    TSFXPlayer Player;
    Player.SetPath(Folder.Path());
    Player.LoadAll();
    EXPECT_EQ(Player.Count(), 0);
    Player.Play("Click");
    Player.SetVolume(30);
    Player.StopAll();
    EXPECT_EQ(Player.Volume(), 30);
}

}  // namespace
