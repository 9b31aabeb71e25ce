// The map's islands: what the pointer may touch (closed islands nothing, open
// ones inside either rectangle, lifted by the map's shift), the glows and
// names, the news of islands just opened (once), the island chosen when Play
// is pressed, islands opening after a won round, test mode, and the saved flags.
#include <gtest/gtest.h>

#include "CampaignProgressClass.h"
#include "CampaignTestSupport.h"
#include "FrameCursorClass.h"
#include "MapIslandsClass.h"
#include "TestDriverClass.h"
#include "TextStringsClass.h"

namespace {

TTextStrings& GameTexts() {
    static TTextStrings Texts(TTestDriver::DefaultGameFolder() + "/Texts/");
    return Texts;
}

struct MapIslands : ::testing::Test {
    TMapIslands Map;
    void SetUp() override {
        Map.TextStringsComp = &GameTexts();
        FrameCursor = TFrameCursor::Arrow;
    }
    void TearDown() override { FrameCursor = TFrameCursor::Arrow; }
    int32_t HoverAt(int32_t X, int32_t Y) {
        FrameCursor = TFrameCursor::Arrow;
        Map.MouseMove(X, Y);
        return Map.Hovered();
    }
};

TEST_F(MapIslands, ANewPlayerHasCoconutCoveAndTheGardenOpen) {
    for (int32_t Island = 1; Island <= 6; ++Island) {
        EXPECT_EQ(Map.Opened(Island), Island == 1 || Island == 6) << Island;
    }
    EXPECT_EQ(Map.Selected(), 1);
    EXPECT_EQ(Map.LastEntered(), 1);
}

// Island 1's rectangles (168, 417)-(334, 567) and (317, 555)-(391, 588) lie 65 pixels
// higher on the screen; every edge belongs to them.
TEST_F(MapIslands, IslandsAreHitInsideTheirShiftedRectanglesEdgesIncluded) {
    struct TCase {
        int32_t X, Y, Hovered;
    };
    const TCase Cases[] = {{168, 352, 1}, {334, 502, 1}, {167, 352, 0}, {168, 351, 0}, {335, 420, 0},
                           {200, 503, 0}, {317, 490, 1}, {391, 523, 1}, {392, 523, 0}, {391, 524, 0},
                           {200, 560, 0},  // inside the land's rectangle before the shift
                           {400, 340, 6}};
    for (const TCase& Case : Cases) {
        EXPECT_EQ(HoverAt(Case.X, Case.Y), Case.Hovered) << Case.X << ", " << Case.Y;
        EXPECT_EQ(FrameCursor, Case.Hovered ? TFrameCursor::HandPoint : TFrameCursor::Arrow);
    }
}

TEST_F(MapIslands, ClosedIslandsIgnoreThePointer) {
    // Rainbow Hills' land (61, 263)-(247, 400), shifted.
    EXPECT_EQ(HoverAt(150, 260), 0);
    EXPECT_EQ(FrameCursor, TFrameCursor::Arrow);
    Map.MouseDown(mbLeft);
    EXPECT_EQ(Map.Selected(), 1);
    for (int I = 0; I < 10; ++I) Map.UpdateAndDraw();
    EXPECT_EQ(Map.HoverGlow(2), 0);
    // Open, it lights up under the pointer and any button selects it.
    Map.OpenIsland(2);
    EXPECT_EQ(HoverAt(150, 260), 2);
    EXPECT_EQ(FrameCursor, TFrameCursor::HandPoint);
    Map.MouseDown(mbMiddle);
    EXPECT_EQ(Map.Selected(), 2);
}

TEST_F(MapIslands, TheHoverGlowRisesAndFallsAndTheSelectedNameGrows) {
    HoverAt(250, 420);
    const int32_t Rising[] = {10, 20, 30, 40, 50, 50};
    for (int32_t Expected : Rising) {
        Map.UpdateAndDraw();
        EXPECT_EQ(Map.HoverGlow(1), Expected);
    }
    HoverAt(10, 10);
    const int32_t Falling[] = {42, 34, 26, 18, 10, 2, 0, 0};
    for (int32_t Expected : Falling) {
        Map.UpdateAndDraw();
        EXPECT_EQ(Map.HoverGlow(1), Expected);
    }
    // The selected name stays at full size; the others shrink to 0.83, 0.03 a frame.
    EXPECT_DOUBLE_EQ(Map.NameScale(1), 1.0);
    EXPECT_NEAR(Map.NameScale(3), 0.83, 1e-9);
    Map.OpenIsland(3);
    Map.Select(3);
    Map.UpdateAndDraw();
    EXPECT_NEAR(Map.NameScale(3), 0.875, 1e-9);
    EXPECT_NEAR(Map.NameScale(1), 0.97, 1e-9);
}

TEST_F(MapIslands, NewsOfOpenedIslandsIsToldOnceForTheHighest) {
    EXPECT_EQ(Map.AnnouncementText(), "Welcome to Coconut Cove!");
    EXPECT_EQ(Map.AnnouncementText(), "");
    Map.OpenIsland(2);
    Map.OpenIsland(3);
    EXPECT_EQ(Map.AnnouncementText(), GameTexts().GameTexts(14));
    EXPECT_TRUE(Map.Announced(2));
    EXPECT_TRUE(Map.Announced(3));
    EXPECT_EQ(Map.AnnouncementText(), "");
    // An island the player has gone into needs no news.
    Map.OpenIsland(4);
    Map.Select(4);
    Map.MarkSelectedEntered();
    EXPECT_EQ(Map.AnnouncementText(), "");
    EXPECT_FALSE(Map.Announced(4));
    EXPECT_EQ(Map.LastEntered(), 4);
}

// The garden island is always open and never "the highest open island".
TEST_F(MapIslands, TheHighestOpenIslandIsAmongTheLevelIslands) {
    Map.Select(6);
    Map.SelectHighestOpenIsland();
    EXPECT_EQ(Map.Selected(), 1);
    Map.OpenIsland(2);
    Map.OpenIsland(4);
    Map.SelectHighestOpenIslandNotAbove(3);
    EXPECT_EQ(Map.Selected(), 2);
    Map.SelectHighestOpenIslandNotAbove(6);
    EXPECT_EQ(Map.Selected(), 4);
    Map.OpenIsland(6);  // nothing to open
    struct TCase {
        int32_t Island;
        TIslandKind Kind;
        TMonsterKind Monster;
    };
    for (const TCase Case : {TCase{1, isTropical, mkBird}, TCase{2, isRainbow, mkLizard}, TCase{3, isJungle, mkKong},
                             TCase{4, isFlower, mkFish}, TCase{5, isFantasia, mkLion}, TCase{6, isMirel, mkBird}}) {
        Map.Select(Case.Island);
        EXPECT_EQ(Map.SelectedIslandKind(), Case.Kind) << Case.Island;
        EXPECT_EQ(Map.SelectedMonsterKind(), Case.Monster) << Case.Island;
    }
}

// Any non-zero flag byte is set and written back as 1; a last island outside 1 to 5 reads
// as island 1; the garden is open whatever the file says.
TEST_F(MapIslands, SavedFlagsReadSafely) {
    TProgressRecord Record = InitialProgressRecord();
    Record.IslandsEntered[2] = 7;
    Record.IslandsOpen[3] = 200;
    Record.IslandsOpen[5] = 0;
    Record.IslandOpeningShown[4] = 1;
    for (int32_t Last : {0, -3, 6, 1000}) {
        Record.LastIsland = Last;
        Map.LoadSaved(Record);
        EXPECT_EQ(Map.LastEntered(), 1) << Last;
    }
    Record.LastIsland = 3;
    Map.LoadSaved(Record);
    EXPECT_EQ(Map.LastEntered(), 3);
    EXPECT_TRUE(Map.Entered(3));
    EXPECT_TRUE(Map.Opened(4));
    EXPECT_TRUE(Map.Opened(6));
    EXPECT_TRUE(Map.Announced(5));
    TProgressRecord Stored{};
    Map.StoreSaved(Stored);
    EXPECT_EQ(Stored.IslandsEntered[2], 1);
    EXPECT_EQ(Stored.IslandsOpen[3], 1);
    EXPECT_EQ(Stored.IslandsOpen[5], 1);
    EXPECT_EQ(Stored.IslandsOpen[1], 0);
    EXPECT_EQ(Stored.IslandOpeningShown[4], 1);
    EXPECT_EQ(Stored.LastIsland, 3);
}

// Play from the menu: the island to go on with, opened.
TEST(CampaignProgress, PlayShowsTheIslandToGoOnWith) {
    struct TCase {
        const char* What;
        int32_t CompleteIslands;  // islands 1 .. this one complete
        int32_t OpenUpTo;         // islands 1 .. this one open (0: island 1 closed too)
        int32_t LastEntered;
        int32_t Shown;
    };
    const TCase Cases[] = {
        {"a new player", 0, 1, 1, 1},
        {"island 1 complete, island 2 open", 1, 2, 1, 2},
        {"island 1 complete, island 2 still closed", 1, 1, 1, 1},
        {"islands open beyond the first incomplete one", 1, 4, 3, 2},
        {"every island complete: the one entered last", 5, 5, 3, 3},
        {"an old save with nothing open", 0, 0, 1, 1},
    };
    TFakeIslands Islands;
    for (int32_t& Levels : Islands.Levels) Levels = 2;
    for (const TCase& Case : Cases) {
        TLevelDots Dots;
        Dots.ReadLevelHeaders(Islands);
        for (int32_t Island = 1; Island <= Case.CompleteIslands; ++Island) CompleteLevels(Dots, Island, {1, 2});
        TMapIslands Map;
        TProgressRecord Record = InitialProgressRecord();
        for (int32_t Island = 1; Island <= 5; ++Island) Record.IslandsOpen[Island - 1] = Island <= Case.OpenUpTo;
        Record.LastIsland = Case.LastEntered;
        Map.LoadSaved(Record);
        ChooseIslandForPlay(Map, Dots);
        EXPECT_EQ(Map.Selected(), Case.Shown) << Case.What;
        EXPECT_TRUE(Map.Opened(Case.Shown)) << Case.What;
    }
}

// Completing an island's last level opens the next island, which the map then selects,
// and tells of once; replaying the level later selects nothing.
TEST(CampaignProgress, TheLastLevelOfAnIslandOpensTheNextOne) {
    TFakeIslands Islands;
    Islands.Levels[0] = 3;
    Islands.Levels[1] = 2;
    TLevelDots Dots;
    Dots.ReadLevelHeaders(Islands);
    TMapIslands Map;
    Map.TextStringsComp = &GameTexts();
    EXPECT_FALSE(Map.AnnouncementText().empty());  // the player saw Coconut Cove's welcome

    CompleteLevels(Dots, 1, {1, 2});
    EXPECT_FALSE(OpenNextIslandAfterRound(Map, Dots, 1));
    EXPECT_FALSE(Map.Opened(2));
    CompleteLevels(Dots, 1, {3});
    EXPECT_TRUE(OpenNextIslandAfterRound(Map, Dots, 1));
    EXPECT_TRUE(Map.Opened(2));
    EXPECT_EQ(Map.Selected(), 2);
    EXPECT_EQ(Map.AnnouncementText(), GameTexts().GameTexts(13));
    EXPECT_EQ(Map.AnnouncementText(), "");

    Map.Select(1);
    EXPECT_TRUE(OpenNextIslandAfterRound(Map, Dots, 1));
    EXPECT_EQ(Map.Selected(), 1) << "an island already told of is not selected again";
    // An island without level files never opens the next one.
    EXPECT_FALSE(OpenNextIslandAfterRound(Map, Dots, 3));
    EXPECT_FALSE(Map.Opened(4));
}

TEST(CampaignProgress, TestModeCompletesEveryLevelAndOpensEveryIsland) {
    TFakeIslands Islands;
    Islands.Levels[1] = 4;
    TLevelDots Dots;
    Dots.ReadLevelHeaders(Islands);
    CompleteLevels(Dots, 1, {2}, 77);
    TMapIslands Map;
    ApplyTestModeProgress(Map, Dots);
    for (int32_t Island = 1; Island <= 6; ++Island) EXPECT_TRUE(Map.Opened(Island)) << Island;
    EXPECT_EQ(Dots.Dot(1, 2).BestTime, 1);
    EXPECT_TRUE(Dots.IslandComplete(1));
    EXPECT_TRUE(Dots.IslandComplete(2));
    EXPECT_TRUE(Dots.AllGold(1));
    EXPECT_EQ(Dots.Dot(1, 16).BestTime, 0) << "a level without a file stays as it was";
    EXPECT_FALSE(Dots.IslandComplete(3));
    // Every level of the island on screen is open.
    for (int32_t Level = 1; Level <= 15; ++Level) EXPECT_TRUE(Dots.Unlocked(Level)) << Level;
}

}  // namespace
