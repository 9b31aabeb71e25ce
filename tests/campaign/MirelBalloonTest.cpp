// Mirel's balloon: its size and place follow the text's first line in the
// sprite font and its number of lines, what she says waits 800 ms and stays by
// its length, and what she says is chosen from the garden's level, the shop's
// hints and the item just completed, never the text said just before.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "CampaignScreenSupport.h"
#include "MirelBalloonClass.h"
#include "OmegaImageListClass.h"
#include "PictureClass.h"
#include "RandomClass.h"
#include "TextStringsClass.h"

namespace {

using enum TMirelIslandItemType;

const TTextStrings& Texts() {
    static const TTextStrings Strings(std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/");
    return Strings;
}

// The shop's answers, per item type: unlocked, any bought, all bought.
struct TFakeShop {
    struct TState {
        bool Unlocked = false;
        bool AnyBought = false;
        bool AllBought = false;
    };
    std::map<TMirelIslandItemType, TState> States;
    void Unlock(TMirelIslandItemType T) { States[T].Unlocked = true; }
    void Buy(TMirelIslandItemType T) { States[T] = TState{true, true, true}; }
    void Answer(TMirelIslandItemType T, bool& Unlocked, bool& AnyBought, bool& AllBought) const {
        const auto Found = States.find(T);
        const TState S = Found == States.end() ? TState{} : Found->second;
        Unlocked = S.Unlocked;
        AnyBought = S.AnyBought;
        AllBought = S.AllBought;
    }
};

class MirelBalloon : public ::testing::Test {
protected:
    void SetUp() override {
        CosmeticRandom().SetSeed(20261211);
        Balloon.TextStringsComp = &Texts();
        Balloon.OnItemStatusQuestion = [this](TObject*, TMirelIslandItemType T, bool& U, bool& A, bool& All) {
            Shop.Answer(T, U, A, All);
        };
    }
    // Updates until the waiting text shows; the number of updates.
    int ShowSaid() {
        int Frames = 0;
        while (Balloon.SayPending() && Frames < 100) {
            Balloon.UpdateAndDraw();
            ++Frames;
        }
        return Frames;
    }
    std::set<int32_t> GardenCandidates(int32_t GardenLevel) {
        std::set<int32_t> Lines;
        for (int I = 0; I < 400; ++I) Lines.insert(Balloon.ChooseGardenLine(GardenLevel));
        return Lines;
    }
    TMirelBalloon Balloon;
    TFakeShop Shop;
};

TEST_F(MirelBalloon, ItsBoxFitsTheFirstLineInTheSpriteFontAndItsLines) {
    Balloon.BalloonTextOffset = Point(3, -2);
    // M Y _ G A R D E N advance 11 8 4 7 8 8 8 7 8 at 0.65 with one pixel less per glyph.
    Balloon.Say("MY GARDEN");
    ShowSaid();
    EXPECT_EQ(Balloon.FirstLineWidth(), 69);
    EXPECT_EQ(Balloon.TextLines(), 1);
    EXPECT_EQ(Balloon.BoxWidth(), 69 + 56);
    EXPECT_EQ(Balloon.BoxHeight(), 19 + 54);
    // x = 236 + Round(-62 + 69 / 170 * 12) = 236 - 57; y = 431 - 73 div 2.
    EXPECT_EQ(Balloon.BalloonPos(), Point(179, 395));
    // (x + 101 + 3 - 69 div 2, y + 45 - 2 - 19 div 2)
    EXPECT_EQ(Balloon.TextPos(), Point(249, 429));

    // A longer second line changes nothing across: only the first line is measured.
    Balloon.Say("MY GARDEN|IS REALLY VERY PRETTY");
    ShowSaid();
    EXPECT_EQ(Balloon.FirstLineWidth(), 69);
    EXPECT_EQ(Balloon.TextLines(), 2);
    EXPECT_EQ(Balloon.BoxWidth(), 125);
    EXPECT_EQ(Balloon.BoxHeight(), 2 * 19 + 54);
    EXPECT_EQ(Balloon.BalloonPos(), Point(179, 431 - 46));
    EXPECT_EQ(Balloon.TextPos(), Point(249, 385 + 45 - 2 - 19));
    EXPECT_EQ(Balloon.Text().Line(2), "IS REALLY VERY PRETTY");
}

TEST_F(MirelBalloon, TheReferenceSizeIsTheBalloonImagesOnceRead) {
    EXPECT_EQ(Balloon.BalloonRefWidth, 100);
    EXPECT_EQ(Balloon.BalloonRefHeight, 70);
    TOmegaImageList Images;
    TPicture Picture;
    Picture.SetSize(202, 105);
    Images.AddImage("MirelBalloon", std::move(Picture), 1, 1);
    Balloon.OmgImgList = &Images;
    Balloon.InitImages();
    EXPECT_EQ(Balloon.BalloonRefWidth, 202);
    EXPECT_EQ(Balloon.BalloonRefHeight, 105);
}

TEST_F(MirelBalloon, WhatSheSaysShowsAfter800MsAndStaysByItsLength) {
    struct TCase {
        std::string Text;
        int32_t ShowingTime;
    };
    const TCase Cases[] = {
        {"OH, I LOVE IT!", 3000},                                   // 14 x 180 = 2520: the minimum
        {"MY GARDEN IS BLOOMING!|HALF WAY THERE!", 38 * 180},       // the "|" counts too
    };
    for (const TCase& C : Cases) {
        Balloon.Reset();
        Balloon.Say(C.Text);
        EXPECT_TRUE(Balloon.SayPending());
        EXPECT_EQ(ShowSaid(), 27) << "800 ms at 30 ms a frame";
        EXPECT_TRUE(Balloon.Showing());
        EXPECT_EQ(Balloon.ShowingTime(), C.ShowingTime) << C.Text;
        EXPECT_EQ(Balloon.TargetOpacity(), 200);
        int Frames = 1;  // the frame that showed it counts
        while (Balloon.Showing() && Frames < 1000) {
            Balloon.UpdateAndDraw();
            ++Frames;
        }
        EXPECT_EQ(Frames * 30, (C.ShowingTime + 29) / 30 * 30) << C.Text;
        EXPECT_EQ(Balloon.TargetOpacity(), 0);
        EXPECT_TRUE(Balloon.Text().Vanishing());
    }
}

TEST_F(MirelBalloon, ItFadesInAndOutPopsAfter200MsAndBreathes) {
    Balloon.Say("OH, I LOVE IT!");
    ShowSaid();
    EXPECT_EQ(Balloon.Opacity(), 8) << "from 0, 8 a frame";
    for (int I = 0; I < 30; ++I) Balloon.UpdateAndDraw();
    EXPECT_EQ(Balloon.Opacity(), 200);
    Balloon.Reset();
    Balloon.Say("OH, I LOVE IT!");
    ShowSaid();
    int PopFrame = 0;
    double Peak = 1.0;
    for (int Frame = 1; Frame <= 30; ++Frame) {
        Balloon.UpdateAndDraw();
        if (!PopFrame && Balloon.Popper().PopBegun()) PopFrame = Frame;
        Peak = std::max(Peak, Balloon.Popper().Ratio());
    }
    EXPECT_EQ(PopFrame, 6) << "200 ms after the showing frame";
    EXPECT_DOUBLE_EQ(Peak, 1.1);
    EXPECT_GT(Balloon.Breath().Value, -0.015f) << "the breath has left its low point";
    EXPECT_GE(Balloon.Breath().Value, -0.015f);
    EXPECT_LE(Balloon.Breath().Value, 0.015f);
    // At the end of its time it fades 6 a frame.
    while (Balloon.Showing()) Balloon.UpdateAndDraw();
    Balloon.UpdateAndDraw();
    EXPECT_EQ(Balloon.Opacity(), 194);
}

TEST_F(MirelBalloon, SayingAgainFadesTheShownTextAndResetEmptiesIt) {
    Balloon.Say("OH, I LOVE IT!");
    ShowSaid();
    for (int I = 0; I < 40; ++I) Balloon.UpdateAndDraw();
    Balloon.Say("TAVI, COME AND LOOK!");
    EXPECT_TRUE(Balloon.Text().Vanishing());
    EXPECT_EQ(Balloon.TargetOpacity(), 0);
    EXPECT_EQ(ShowSaid(), 27);
    EXPECT_EQ(Balloon.Text().Line(1), "TAVI, COME AND LOOK!");
    EXPECT_FALSE(Balloon.Text().Vanishing());

    // An empty text lets the shown one fade and shows no empty balloon.
    Balloon.Say("");
    EXPECT_FALSE(Balloon.SayPending());
    EXPECT_EQ(Balloon.TargetOpacity(), 0);

    Balloon.Say("OH, I LOVE IT!");
    Balloon.Reset();
    EXPECT_FALSE(Balloon.SayPending());
    EXPECT_EQ(Balloon.Text().Lines(), 0);
    EXPECT_EQ(Balloon.Opacity(), 0);
    EXPECT_EQ(Balloon.ShowingTime(), 10000);
}

TEST_F(MirelBalloon, TheGardenCandidatesAreItsLevelsLineAndEachHintThatApplies) {
    struct TCase {
        const char* Name;
        std::function<void(TFakeShop&)> Shop;
        std::set<int32_t> Lines;
    };
    const TCase Cases[] = {
        {"nothing unlocked", [](TFakeShop&) {}, {4}},
        {"blue butterflies unlocked", [](TFakeShop& S) { S.Unlock(aiBlueButterflies); }, {4, 11, 14}},
        {"blue butterflies and the pond bought",
         [](TFakeShop& S) {
             S.Buy(aiBlueButterflies);
             S.Buy(aiPond);
         },
         {4}},
        {"castle base unlocked", [](TFakeShop& S) { S.Unlock(aiCastleBase); }, {4, 12}},
        {"small fairies without sunflowers", [](TFakeShop& S) { S.Unlock(aiSmallFairies); }, {4}},
        {"small fairies and sunflowers",
         [](TFakeShop& S) {
             S.Unlock(aiSmallFairies);
             S.Unlock(aiSunFlowers);
         },
         {4, 13}},
        {"standing roots unlocked", [](TFakeShop& S) { S.Unlock(aiStandingRoot); }, {4, 15}},
        {"stones without the oak", [](TFakeShop& S) { S.Unlock(aiStone); }, {4}},
        {"stones and the oak bought",
         [](TFakeShop& S) {
             S.Unlock(aiStone);
             S.Buy(aiFacedOakTree);
         },
         {4, 17}},
        {"pink furballs unlocked", [](TFakeShop& S) { S.Unlock(aiPinkFurballs); }, {4, 18, 19}},
        {"pink furballs and an apple tree bought",
         [](TFakeShop& S) {
             S.Unlock(aiPinkFurballs);
             S.Buy(aiAppleTree);
         },
         {4, 18}},
        {"yellow bushes unlocked", [](TFakeShop& S) { S.Unlock(aiYellowBush); }, {4, 20}},
        {"berry bushes unlocked", [](TFakeShop& S) { S.Unlock(aiBerryBush); }, {4, 21}},
    };
    for (const TCase& C : Cases) {
        Shop = TFakeShop{};
        C.Shop(Shop);
        EXPECT_EQ(GardenCandidates(3), C.Lines) << C.Name;
    }
    Shop = TFakeShop{};
    EXPECT_EQ(GardenCandidates(0), std::set<int32_t>{1}) << "an empty garden";
    EXPECT_EQ(GardenCandidates(8), std::set<int32_t>{9}) << "a complete garden";
    // Without the shop's answers no hint applies.
    Balloon.OnItemStatusQuestion = nullptr;
    EXPECT_EQ(GardenCandidates(5), std::set<int32_t>{6});
}

TEST_F(MirelBalloon, SheNeverRepeatsTheTextSaidLast) {
    Shop.Unlock(aiBlueButterflies);  // candidates 4, 11 and 14
    std::set<int32_t> Said;
    int32_t Previous = 0;
    for (int I = 0; I < 200; ++I) {
        Balloon.SayGardenComment(3);
        EXPECT_NE(Balloon.LastLine(), Previous);
        Previous = Balloon.LastLine();
        Said.insert(Previous);
    }
    EXPECT_EQ(Said, (std::set<int32_t>{4, 11, 14}));
    // With a single candidate she says it again.
    Shop = TFakeShop{};
    Balloon.SayGardenComment(3);
    Balloon.SayGardenComment(3);
    EXPECT_EQ(Balloon.LastLine(), 4);
    // Nor after a purchase.
    Previous = 0;
    for (int I = 0; I < 100; ++I) {
        Balloon.SayItemTypeCompleted(aiSakuraTree);
        EXPECT_NE(Balloon.LastLine(), Previous);
        Previous = Balloon.LastLine();
    }
}

TEST_F(MirelBalloon, AfterTheLastItemOfATypeSheSaysItsLine) {
    const std::pair<TMirelIslandItemType, int32_t> Own[] = {
        {aiRainbow, 23},      {aiBalloonCactus, 24},   {aiStandingRoot, 25},    {aiCastleRoof, 26},
        {aiStone, 27},        {aiBonsai, 28},          {aiBerryBush, 29},       {aiPinkFurballs, 30},
        {aiRedFlowers, 31},   {aiBlueButterflies, 32}, {aiPinkButterflies, 33}, {aiFacedOakTree, 34},
        {aiSmallFairies, 35}, {aiCastleTower, 37},
    };
    for (const auto& [Type, Line] : Own) EXPECT_EQ(Balloon.ChooseItemCompletedLine(Type), Line);
    // Any other type: one of 42 to 51.
    std::set<int32_t> Lines;
    for (int I = 0; I < 300; ++I) Lines.insert(Balloon.ChooseItemCompletedLine(aiSakuraTree));
    EXPECT_EQ(Lines.size(), 10u);
    EXPECT_EQ(*Lines.begin(), 42);
    EXPECT_EQ(*Lines.rbegin(), 51);
}

TEST_F(MirelBalloon, TheCastlesCrestAndFlagsAskForEachOther) {
    Shop.Buy(aiCastleLogo);
    EXPECT_EQ(Balloon.ChooseItemCompletedLine(aiCastleLogo), 39) << "the crest, no flags yet";
    Shop = TFakeShop{};
    Shop.Buy(aiCastleFlags);
    EXPECT_EQ(Balloon.ChooseItemCompletedLine(aiCastleFlags), 38) << "the flags, no crest yet";
    Shop.Buy(aiCastleLogo);
    EXPECT_EQ(Balloon.ChooseItemCompletedLine(aiCastleFlags), 40) << "both: the castle is complete";
    EXPECT_EQ(Balloon.ChooseItemCompletedLine(aiCastleLogo), 40);
}

TEST_F(MirelBalloon, TheWelcomeAndTheReturnFromTheStoryHaveTheirLines) {
    Balloon.SayNewPlayerWelcome();
    EXPECT_EQ(Balloon.LastLine(), 54);
    ShowSaid();
    EXPECT_EQ(Balloon.Text().Line(1), Texts().Balloon(54).substr(0, Texts().Balloon(54).find('|')));
    Balloon.SayBackFromStory();
    EXPECT_EQ(Balloon.LastLine(), 53);
    ShowSaid();
    EXPECT_EQ(Balloon.Text().Lines(), TNarrationText::LineCount(Texts().Balloon(53)));
}

}  // namespace

namespace {

// The balloon drawn with an image of its artwork's size: it is scaled to the
// text's box about the point the text is centred on.
class MirelBalloonPixels : public CampaignScreen {};

TEST_F(MirelBalloonPixels, TheBalloonIsScaledToItsBoxAboutTheTextsCentre) {
    Images->AddImage("MirelBalloon", FlatPicture(202, 105, 0xFFFFFFFFu), 1, 1);
    TMirelBalloon Balloon;
    Balloon.OmgImgList = Images.get();
    Balloon.InitImages();
    Balloon.Say("MY GARDEN");
    for (int N = 0; N < 27 + 40; ++N) Balloon.UpdateAndDraw();
    ASSERT_EQ(Balloon.Opacity(), 200);
    ASSERT_FALSE(Balloon.Popper().Popping());
    double Scale = 0.0;
    const TPicture Shown = Frame([&] {
        Balloon.UpdateAndDraw();
        Scale = Balloon.Scale();
    });
    const TPixelBox Box = BoxOf(Shown, [](TPixel P) { return P.R > 100; });
    ASSERT_FALSE(Box.Empty());
    const TPoint At = Balloon.BalloonPos();  // (179, 395) for a 125 x 73 box
    EXPECT_NEAR((Box.Left + Box.Right + 1) / 2.0, At.X + 101, 1.0) << "centred where the text is";
    EXPECT_NEAR(Box.Right - Box.Left + 1, 125 * Scale, 2.0);
    EXPECT_NEAR(Box.Bottom - Box.Top + 1, 73 * Scale, 2.0);
    EXPECT_NEAR(Box.Top, At.Y + 105 * 0.43 - 73 * Scale * 0.43, 1.5);
    EXPECT_NEAR(PixelAt(Shown, At.X + 101, At.Y + 45).R, 200, 2) << "at its opacity over black";
}

}  // namespace
