// The plant announcement after a won round: each level that unlocks a garden
// item announces it once, a level without one lets the result flow go on, the
// panel rises to its rest row, stays three seconds (or until a press) and
// flies out, and the announced levels go with the player's progress.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CampaignScreenSupport.h"
#include "OmegaFontClass.h"
#include "PlantAnnouncerClass.h"
#include "SFXPlayerClass.h"
#include "TextStringsClass.h"

namespace {

using enum TMirelIslandItemType;

const TTextStrings& Texts() {
    static const TTextStrings Strings(std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/");
    return Strings;
}

class PlantAnnouncer : public ::testing::Test {
protected:
    void SetUp() override {
        SetSoundEffectListener([this](const std::string& Name) { Events.push_back("sound " + Name); });
        Announcer.TextStringsComp = &Texts();
        Announcer.ShadowHeight = 160;
        Announcer.OnPlantAnnounced = [this](TObject*, TMirelIslandItemType T) {
            Announced.push_back(T);
            Events.push_back("announced");
        };
        Announcer.OnStartHiding = [this](TObject*) { Events.push_back("start hiding"); };
        Announcer.OnHidingComplete = [this](TObject*) { Events.push_back("hidden"); };
    }
    void TearDown() override { SetSoundEffectListener({}); }
    int RiseToRest() {
        int Frames = 0;
        while (Announcer.Phase() == TPlantAnnouncer::paRising && Frames < 200) {
            Announcer.UpdateAndDraw();
            ++Frames;
        }
        return Frames;
    }
    int UpdateWhile(TPlantAnnouncer::TPhase Phase, int MaxFrames = 2000) {
        int Frames = 0;
        while (Announcer.Phase() == Phase && Frames < MaxFrames) {
            Announcer.UpdateAndDraw();
            ++Frames;
        }
        return Frames;
    }
    TPlantAnnouncer Announcer;
    std::vector<TMirelIslandItemType> Announced;
    std::vector<std::string> Events;
};

TEST(PlantUnlocks, EveryGardenItemIsUnlockedByExactlyOneLevel) {
    std::multiset<TMirelIslandItemType> Types;
    for (int32_t Island = 1; Island <= 5; ++Island) {
        for (int32_t Level = 1; Level <= 30; ++Level) {
            const TMirelIslandItemType T = ItemUnlockedByLevel(Island, Level);
            if (T != aiNone) Types.insert(T);
        }
    }
    EXPECT_EQ(Types.size(), 29u);
    for (int32_t T = 1; T <= static_cast<int32_t>(aiSmallFairies); ++T)
        EXPECT_EQ(Types.count(static_cast<TMirelIslandItemType>(T)), 1u) << T;
    struct TCase {
        int32_t Island, Level;
        TMirelIslandItemType Type;
    };
    const TCase Cases[] = {
        {1, 1, aiCastleBase},     {1, 14, aiPinkButterflies}, {1, 15, aiNone},       {2, 1, aiBerryBush},
        {2, 3, aiNone},           {2, 16, aiBigTree},         {3, 8, aiSmallFairies}, {4, 19, aiStandingRoot},
        {5, 21, aiSpottedRoot},   {5, 30, aiNone},            {0, 1, aiNone},        {6, 1, aiNone},
        {1, 0, aiNone},           {1, 31, aiNone},
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(ItemUnlockedByLevel(C.Island, C.Level), C.Type) << C.Island << "-" << C.Level;
}

TEST(PlantUnlocks, EachItemHasItsShopNameAndItsLook) {
    EXPECT_EQ(Texts().ShopItems(ShopItemNameLine(aiCastleBase)), "Castle Base");
    EXPECT_EQ(ShopItemNameLine(aiSakuraTree), 1);
    EXPECT_EQ(ShopItemNameLine(aiRainbow), 29);
    EXPECT_EQ(ShopItemNameLine(aiSmallFairies), 28);
    EXPECT_EQ(ShopItemNameLine(aiNone), 0);
    std::set<int32_t> NameLines;
    for (int32_t T = 1; T <= static_cast<int32_t>(aiSmallFairies); ++T) {
        const auto Type = static_cast<TMirelIslandItemType>(T);
        NameLines.insert(ShopItemNameLine(Type));
        EXPECT_NE(std::string(PlantAnnouncerItem(Type).Image), "") << T;
    }
    EXPECT_EQ(NameLines.size(), 29u) << "lines 1 to 29, one per type";
    EXPECT_EQ(*NameLines.begin(), 1);
    EXPECT_EQ(*NameLines.rbegin(), 29);
    const TPlantAnnouncerItem& Flags = PlantAnnouncerItem(aiCastleFlags);
    EXPECT_EQ(std::string(Flags.Image), "MirelsCastleFlag");
    EXPECT_EQ(Flags.X, 240);
    EXPECT_EQ(Flags.Y, 182);
    EXPECT_DOUBLE_EQ(Flags.Scale, 1.5);
}

TEST_F(PlantAnnouncer, EachLevelAnnouncesItsItemOnce) {
    EXPECT_TRUE(Announcer.Announce(1, 1));
    EXPECT_EQ(Events, (std::vector<std::string>{"sound NotifyHigh", "announced"}));
    EXPECT_EQ(Announced, std::vector<TMirelIslandItemType>{aiCastleBase});
    EXPECT_EQ(Announcer.ItemName(), "Castle Base");
    EXPECT_EQ(Announcer.Phase(), TPlantAnnouncer::paRising);
    EXPECT_TRUE(Announcer.IsAnnounced(1, 1));
    Events.clear();
    UpdateWhile(TPlantAnnouncer::paRising);
    Announcer.Reset();
    EXPECT_FALSE(Announcer.Announce(1, 1)) << "announced before";
    EXPECT_TRUE(Events.empty());
    EXPECT_FALSE(Announcer.Active());
}

TEST_F(PlantAnnouncer, ALevelWithoutAnItemAnnouncesNothing) {
    for (const auto& [Island, Level] : {std::pair{1, 15}, {2, 3}, {5, 30}, {0, 1}, {6, 1}, {1, 31}}) {
        EXPECT_FALSE(Announcer.Announce(Island, Level)) << Island << "-" << Level;
        EXPECT_FALSE(Announcer.IsAnnounced(Island, Level));
    }
    EXPECT_TRUE(Events.empty()) << "no sound, no event";
    EXPECT_FALSE(Announcer.Active());
}

TEST_F(PlantAnnouncer, ItRisesToRow55RestsThreeSecondsAndFliesOut) {
    ASSERT_TRUE(Announcer.Announce(3, 15));
    EXPECT_EQ(Announced.back(), aiPineTree);
    EXPECT_EQ(Announcer.Position().X, 152.0);
    EXPECT_EQ(Announcer.Position().Y, 920.0) << "600 + twice the shadow's height";
    Announcer.UpdateAndDraw();
    EXPECT_EQ(Announcer.Position().Y, 904.0) << "its speed grows by 6 before it moves";
    const int Rising = 1 + RiseToRest();
    EXPECT_EQ(Rising, 21) << "opacity 0.048 and scale 0.055 a frame, both up to 1";
    EXPECT_EQ(Announcer.Position().Y, 55.0);
    EXPECT_EQ(Announcer.Opacity(), 1.0);
    EXPECT_EQ(Announcer.Scale(), 1.0);
    Events.clear();
    const int Resting = UpdateWhile(TPlantAnnouncer::paShowing);
    EXPECT_EQ(Resting * 30, 3000);
    EXPECT_EQ(Events, std::vector<std::string>{"start hiding"});
    const int Leaving = UpdateWhile(TPlantAnnouncer::paLeaving);
    EXPECT_LE(Announcer.Position().Y, -160.0);
    EXPECT_GT(Leaving, 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"start hiding", "hidden"}));
    EXPECT_FALSE(Announcer.Active());
}

TEST_F(PlantAnnouncer, ThePiecesPop30210And420MsIntoTheRest) {
    ASSERT_TRUE(Announcer.Announce(1, 2));
    RiseToRest();
    EXPECT_EQ(Announcer.PieceAlpha(Announcer.ItemPopper(), 0.3), 76) << "faint until its pop";
    int TitleAt = 0, DescAt = 0, ItemAt = 0;
    for (int Frame = 1; Frame <= 20; ++Frame) {
        Announcer.UpdateAndDraw();
        if (!TitleAt && Announcer.TitlePopper().PopBegun()) TitleAt = Frame;
        if (!DescAt && Announcer.DescPopper().PopBegun()) DescAt = Frame;
        if (!ItemAt && Announcer.ItemPopper().PopBegun()) ItemAt = Frame;
    }
    EXPECT_EQ(TitleAt * 30, 30);
    EXPECT_EQ(DescAt * 30, 210);
    EXPECT_EQ(ItemAt * 30, 420);
    EXPECT_EQ(Announcer.PieceAlpha(Announcer.ItemPopper(), 0.3), 255);
}

TEST_F(PlantAnnouncer, APressSendsItOffOnlyOnceItRests) {
    ASSERT_TRUE(Announcer.Announce(2, 7));
    Announcer.UpdateAndDraw();
    Announcer.RequestHide();
    RiseToRest();
    EXPECT_EQ(Announcer.ShownTime(), 0) << "a press while it rises is ignored";
    for (int I = 0; I < 10; ++I) Announcer.UpdateAndDraw();
    Announcer.RequestHide();
    Events.clear();
    Announcer.UpdateAndDraw();
    EXPECT_EQ(Announcer.Phase(), TPlantAnnouncer::paLeaving);
    EXPECT_EQ(Events, std::vector<std::string>{"start hiding"});
}

TEST_F(PlantAnnouncer, WithoutAutoHidingItWaitsForThePress) {
    Announcer.AutoHiding = false;
    ASSERT_TRUE(Announcer.Announce(1, 10));
    RiseToRest();
    for (int I = 0; I < 500; ++I) Announcer.UpdateAndDraw();
    EXPECT_EQ(Announcer.Phase(), TPlantAnnouncer::paShowing);
    Announcer.RequestHide();
    Announcer.UpdateAndDraw();
    EXPECT_EQ(Announcer.Phase(), TPlantAnnouncer::paLeaving);
}

TEST_F(PlantAnnouncer, TheAnnouncedLevelsGoWithTheProgressRecord) {
    ASSERT_TRUE(Announcer.Announce(2, 7));
    ASSERT_TRUE(Announcer.Announce(5, 21));
    TProgressRecord Record = InitialProgressRecord();
    Record.PlantsAnnounced[3][4] = 9;  // a stray byte of an older file
    Announcer.StoreSaved(Record);
    EXPECT_EQ(Record.PlantsAnnounced[1][6], 1);
    EXPECT_EQ(Record.PlantsAnnounced[4][20], 1);
    EXPECT_EQ(Record.PlantsAnnounced[3][4], 0) << "written as the announcer's own state";

    TProgressRecord Read;
    ASSERT_TRUE(DecodeProgressRecord(EncodeProgressRecord(Record), Read));
    Read.PlantsAnnounced[3][4] = 7;  // any non-zero byte reads as announced
    TPlantAnnouncer Next;
    Next.LoadSaved(Read);
    EXPECT_TRUE(Next.IsAnnounced(2, 7));
    EXPECT_TRUE(Next.IsAnnounced(5, 21));
    EXPECT_TRUE(Next.IsAnnounced(4, 5));
    EXPECT_FALSE(Next.IsAnnounced(1, 1));
    EXPECT_FALSE(Next.Announce(2, 7));
    EXPECT_FALSE(Next.Announce(4, 5)) << "4-5's palm tree was announced";
    EXPECT_TRUE(Next.Announce(1, 1));
    TProgressRecord Again = InitialProgressRecord();
    Next.StoreSaved(Again);
    EXPECT_EQ(Again.PlantsAnnounced[3][4], 1);
    EXPECT_EQ(Again.PlantsAnnounced[0][0], 1);
}

}  // namespace

namespace {

// The panel at rest: the item over its yellow glow, and the shop name centred
// in its field with a black copy under it.
class PlantAnnouncerPixels : public CampaignScreen {};

TEST_F(PlantAnnouncerPixels, TheItemGlowsYellowUnderneathAndItsNameIsCentred) {
    Images->AddImage("MirelsCastleBase", FlatPicture(40, 40, 0xFFFFFFFFu), 1, 1);
    TOmegaFont Font(Screen.get());
    ASSERT_TRUE(Font.SetupFont("Arial", 10, false));
    TPlantAnnouncer Announcer;
    Announcer.OmgImgList = Images.get();
    Announcer.OmgFont = &Font;
    Announcer.TextStringsComp = &Texts();
    ASSERT_TRUE(Announcer.Announce(1, 1));
    for (int N = 0; N < 60; ++N) Announcer.UpdateAndDraw();
    ASSERT_EQ(Announcer.Phase(), TPlantAnnouncer::paShowing);
    ASSERT_FALSE(Announcer.ItemPopper().Popping());
    const TPicture Shown = Frame([&] {
        Font.BeginText();
        Announcer.UpdateAndDraw();
        Font.EndText();
    });
    // A white castle base sits at (152 + 160, 55 + 151), its glow 3 pixels down and right.
    const TPixel Item = PixelAt(Shown, 320, 215);
    EXPECT_EQ(Item.B, 255) << "the glow is under the item";
    EXPECT_EQ(Item.R, 255);
    const TPixel Glow = PixelAt(Shown, 353, 247);
    EXPECT_NEAR(Glow.R, 225, 2);
    EXPECT_NEAR(Glow.G, 225, 2);
    EXPECT_EQ(Glow.B, 0);
    EXPECT_EQ(PixelAt(Shown, 356, 250).R, 0) << "the glow is the item's size";
    // "Castle Base" in white, centred in the 316 pixels from x + 89, row y + 314.
    TPicture NameRows = FlatPicture(800, 600, 0x000000FFu);
    for (int32_t Y = 55 + 314; Y < 55 + 314 + 24; ++Y) {
        for (int32_t X = 0; X < 800; ++X) NameRows.SetPixelRGBA(X, Y, Shown.PixelRGBA(X, Y));
    }
    const TPixelBox Name = BoxOf(NameRows, [](TPixel P) { return P.R > 150 && P.G > 150 && P.B > 150; });
    ASSERT_FALSE(Name.Empty());
    EXPECT_NEAR((Name.Left + Name.Right + 1) / 2.0, 152 + 89 + 158, 2.0);
    EXPECT_NEAR(Name.Right - Name.Left + 1, Font.TextWidth("Castle Base"), 3.0);
}

}  // namespace
