// The trophy cabinet and its tool tip: the hit boxes of the twenty places at
// their edges (the later place winning an overlap), the selection reported
// once per change, the hovered trophy's wobble and glow within their limits,
// the earned trophies drawn and the empty places, the tip's fades and its
// place kept on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "CampaignScreenSupport.h"
#include "OmegaFontClass.h"
#include "ProgressRecordClass.h"
#include "RandomClass.h"
#include "TextStringsClass.h"
#include "TrophiesClass.h"
#include "TrophyToolTipClass.h"

namespace {

const TTextStrings& Texts() {
    static const TTextStrings Strings(std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/");
    return Strings;
}

// The cabinet panel at its shown place.
constexpr TPoint PanelShown{140, 20};

class Trophies : public ::testing::Test {
protected:
    void SetUp() override {
        Cabinet.SetPanelPos(PanelShown);
        Cabinet.OnSelectionChange = [this](TObject* Sender, int32_t Idx) {
            EXPECT_EQ(Sender, &Cabinet);
            Changes.push_back(Idx);
        };
    }
    TTrophies Cabinet;
    std::vector<int32_t> Changes;
};

TEST_F(Trophies, HitBoxesEndWhereTheirScaledSizeSays) {
    // (100 - 28) x scale, centred in the place: the last pixel in and the first out on each side.
    struct TCase {
        int32_t Idx;
        int32_t CentreX, CentreY;
        int32_t InLeft, InRight, InTop, InBottom;
    };
    const TCase Cases[] = {
        {1, 356, 99, 323, 389, 66, 132},     // 0.937: 33.73 either way
        {7, 222, 316, 176, 268, 270, 362},   // 1.305
        {10, 606, 247, 575, 637, 216, 278},  // 0.881
        {13, 213, 421, 182, 244, 390, 452},  // 0.864
        {19, 566, 483, 510, 622, 427, 539},  // 1.57, the largest
    };
    for (const TCase& C : Cases) {
        EXPECT_EQ(Cabinet.PlaceCentre(C.Idx), Point(C.CentreX, C.CentreY)) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.CentreX, C.CentreY), C.Idx) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.InLeft, C.CentreY), C.Idx) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.InRight, C.CentreY), C.Idx) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.CentreX, C.InTop), C.Idx) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.CentreX, C.InBottom), C.Idx) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.InLeft, C.InTop), C.Idx) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.InLeft - 1, C.CentreY), 0) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.InRight + 1, C.CentreY), 0) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.CentreX, C.InTop - 1), 0) << C.Idx;
        EXPECT_EQ(Cabinet.HitTest(C.CentreX, C.InBottom + 1), 0) << C.Idx;
    }
    EXPECT_DOUBLE_EQ(Cabinet.PlaceScale(19), 1.57);
    // The boxes follow the panel.
    Cabinet.SetPanelPos(Point(140, -580));
    EXPECT_EQ(Cabinet.HitTest(356, 99), 0);
    EXPECT_EQ(Cabinet.HitTest(356, 99 - 600), 1);
}

TEST_F(Trophies, WhereTwoHitBoxesOverlapTheLaterPlaceWins) {
    // Trophies drawn larger than the places: the boxes of 2 (x 407.9 to 514.1,
    // y 50.9 to 157.1) and 6 (x 482.9 to 589.1, y 123.9 to 230.1) overlap, and no other.
    Cabinet.TrophyOrigWidth = 130;
    Cabinet.TrophyOrigHeight = 130;
    struct TCase {
        int32_t X, Y, Idx;
    };
    const TCase Cases[] = {{450, 140, 2}, {482, 140, 2}, {483, 140, 6}, {514, 140, 6}, {515, 140, 6},
                           {500, 123, 2}, {500, 124, 6}, {500, 157, 6}, {500, 158, 6}, {540, 200, 6}};
    for (const TCase& C : Cases) EXPECT_EQ(Cabinet.HitTest(C.X, C.Y), C.Idx) << C.X << "," << C.Y;
}

TEST_F(Trophies, TheSelectionIsReportedOncePerChange) {
    Cabinet.MouseMove(356, 99);
    Cabinet.MouseMove(360, 100);
    Cabinet.UpdateAndDraw();
    Cabinet.MouseMove(389, 132);
    EXPECT_EQ(Changes, std::vector<int32_t>{1});
    Cabinet.MouseMove(390, 99);  // off it
    EXPECT_EQ(Changes, (std::vector<int32_t>{1, 0}));
    Cabinet.MouseMove(10, 10);
    Cabinet.MouseMove(222, 316);
    Cabinet.MouseMove(356, 99);  // straight from one trophy to another
    EXPECT_EQ(Changes, (std::vector<int32_t>{1, 0, 7, 1}));
    EXPECT_EQ(Cabinet.HoveredIdx(), 1);
    // Unearned trophies are pointed at like the earned ones.
    EXPECT_FALSE(Cabinet.Earned[0]);
    // The panel sliding away under a still pointer leaves the trophy.
    Cabinet.SetPanelPos(Point(140, -100));
    EXPECT_EQ(Changes, (std::vector<int32_t>{1, 0, 7, 1, 0}));
    Cabinet.SetPanelPos(PanelShown);
    EXPECT_EQ(Changes.back(), 1);
    // Prepare forgets it without a word; the next move finds the trophy again.
    Changes.clear();
    Cabinet.Prepare();
    EXPECT_EQ(Cabinet.HoveredIdx(), 0);
    Cabinet.SetPanelPos(Point(140, 30));
    Cabinet.SetPanelPos(PanelShown);
    EXPECT_TRUE(Changes.empty()) << "no pointer known after Prepare";
    Cabinet.MouseMove(356, 99);
    EXPECT_EQ(Changes, std::vector<int32_t>{1});
}

TEST_F(Trophies, TheHoveredTrophyWobblesAndGlowsWithinItsLimits) {
    Cabinet.MouseMove(222, 316);  // trophy 7
    std::vector<int32_t> Glows;
    double Previous = 0.0, Highest = 0.0, Lowest = 0.0;
    for (int Frame = 0; Frame < 200; ++Frame) {
        Cabinet.UpdateAndDraw();
        if (Frame < 6) Glows.push_back(Cabinet.GlowAlpha(7));
        const double Angle = Cabinet.WobbleAngle(7);
        EXPECT_LE(std::abs(Angle - Previous), 0.4 + 1e-9) << Frame;
        Previous = Angle;
        Highest = std::max(Highest, Angle);
        Lowest = std::min(Lowest, Angle);
        EXPECT_EQ(Cabinet.WobbleAngle(1), 0.0) << "the others stand still";
        EXPECT_EQ(Cabinet.GlowAlpha(1), 0);
    }
    EXPECT_EQ(Glows, (std::vector<int32_t>{25, 50, 75, 100, 100, 100}));
    EXPECT_DOUBLE_EQ(Highest, 5.0);
    EXPECT_DOUBLE_EQ(Lowest, -5.0);
    // Left: the glow fades 9 a frame to nothing, and the swing calms down to rest.
    Cabinet.MouseMove(10, 10);
    Glows.clear();
    double Reach = 5.0;
    int Calm = 0;
    for (int Frame = 0; Frame < 120; ++Frame) {
        Cabinet.UpdateAndDraw();
        Glows.push_back(Cabinet.GlowAlpha(7));
        const double Angle = std::abs(Cabinet.WobbleAngle(7));
        EXPECT_LE(Angle, Reach + 1e-9) << Frame;
        Reach = std::max(Reach - TTrophies::WobbleCalmStep, 0.0);
        if (Angle == 0.0 && !Calm) Calm = Frame + 1;
    }
    EXPECT_EQ(Glows[0], 91);
    EXPECT_EQ(Glows[10], 1);
    EXPECT_EQ(Glows[11], 0);
    EXPECT_EQ(Glows.back(), 0);
    EXPECT_GT(Calm, 1);
    EXPECT_LE(Calm, 51) << "at rest once the reach is gone";
    EXPECT_EQ(Cabinet.WobbleAngle(7), 0.0);
    // Prepare stills everything at once.
    Cabinet.MouseMove(222, 316);
    for (int Frame = 0; Frame < 7; ++Frame) Cabinet.UpdateAndDraw();
    Cabinet.Prepare();
    EXPECT_EQ(Cabinet.WobbleAngle(7), 0.0);
    EXPECT_EQ(Cabinet.GlowAlpha(7), 0);
    Cabinet.UpdateAndDraw();
    EXPECT_EQ(Cabinet.GlowAlpha(7), 0);
}

TEST_F(Trophies, EarnedTrophiesComeFromTheProgressAndOneOfThemGetsTheShine) {
    TProgressRecord Record = InitialProgressRecord();
    EXPECT_EQ(Cabinet.RandomEarnedIdx(), 0) << "none earned";
    Record.TrophiesEarned[3] = 1;
    Record.TrophiesEarned[16] = 7;  // any non-zero byte is earned
    Cabinet.LoadEarned(Record);
    EXPECT_TRUE(Cabinet.Earned[3]);
    EXPECT_TRUE(Cabinet.Earned[16]);
    EXPECT_EQ(std::count(Cabinet.Earned.begin(), Cabinet.Earned.end(), true), 2);
    bool Seen4 = false, Seen17 = false;
    for (int I = 0; I < 64; ++I) {
        const int32_t Idx = Cabinet.RandomEarnedIdx();
        ASSERT_TRUE(Idx == 4 || Idx == 17) << Idx;
        Seen4 |= Idx == 4;
        Seen17 |= Idx == 17;
    }
    EXPECT_TRUE(Seen4 && Seen17);
}

TEST(TrophiesImages, TheTrophySizeComesFromTheImageAndStaysWithoutIt) {
    TTrophies Cabinet;
    Cabinet.InitImages();
    EXPECT_EQ(Cabinet.TrophyOrigWidth, 100);
    EXPECT_EQ(Cabinet.TrophyOrigHeight, 100);
    // Without images the cabinet keeps its timing: wobble and glow go on.
    Cabinet.SetPanelPos(PanelShown);
    Cabinet.MouseMove(356, 99);
    Cabinet.UpdateAndDraw();
    EXPECT_EQ(Cabinet.GlowAlpha(1), 25);
}

class TrophyToolTip : public ::testing::Test {
protected:
    void SetUp() override { Tip.TextStringsComp = &Texts(); }
    void Frames(int N) {
        for (int I = 0; I < N; ++I) Tip.UpdateAndDraw();
    }
    // The opacity of the card of Trophy (0 when no card has it).
    double OpacityOf(int32_t Trophy) const {
        for (int32_t Slot = 0; Slot < 2; ++Slot) {
            if (Tip.Card(Slot).Trophy == Trophy) return Tip.Opacity(Tip.Card(Slot));
        }
        return 0.0;
    }
    TTrophyToolTip Tip;
};

TEST_F(TrophyToolTip, ACardFadesInOverTheEntryTimeWithTheTrophysTexts) {
    Tip.ShowTrophy(11, Point(300, 200));
    EXPECT_EQ(Tip.ShownTrophy(), 11);
    const TTrophyToolTip::TCard& Card = Tip.Card(0);
    EXPECT_EQ(Card.Name, "Fruit Picker");
    EXPECT_EQ(Card.Lines[0], "Match 500 fruits");
    EXPECT_EQ(Card.Lines[1], "on any island.");
    EXPECT_EQ(Card.Pos, Point(300, 200)) << "its top-left at the trophy's centre";
    EXPECT_EQ(OpacityOf(11), 0.0);
    Frames(3);
    EXPECT_DOUBLE_EQ(OpacityOf(11), 0.5) << "90 of 180 ms";
    Frames(3);
    EXPECT_DOUBLE_EQ(OpacityOf(11), 1.0);
    Frames(10);
    EXPECT_DOUBLE_EQ(OpacityOf(11), 1.0);
    // The same trophy again only moves the card.
    Tip.ShowTrophy(11, Point(310, 210));
    EXPECT_EQ(Card.Pos, Point(310, 210));
    EXPECT_DOUBLE_EQ(OpacityOf(11), 1.0);
}

TEST_F(TrophyToolTip, OnAChangeTheOldCardFadesOutWhileTheNewOneFadesIn) {
    Tip.ShowTrophy(3, Point(100, 100));
    Frames(6);
    Tip.ShowTrophy(15, Point(400, 300));
    EXPECT_EQ(Tip.ShownTrophy(), 15);
    EXPECT_EQ(Tip.Card(1).Name, "Spider Catcher");
    Frames(3);
    EXPECT_DOUBLE_EQ(OpacityOf(3), 0.5);
    EXPECT_DOUBLE_EQ(OpacityOf(15), 0.5);
    Frames(3);
    EXPECT_EQ(Tip.Card(0).Trophy, 0) << "faded out, its slot free";
    EXPECT_DOUBLE_EQ(OpacityOf(15), 1.0);
    // Back to a trophy whose card is still fading: it turns round where it is.
    Tip.ShowTrophy(20, Point(500, 300));
    Frames(2);
    Tip.ShowTrophy(15, Point(400, 300));
    EXPECT_NEAR(OpacityOf(15), 4.0 / 6.0, 1e-9);
    Frames(1);
    EXPECT_NEAR(OpacityOf(15), 5.0 / 6.0, 1e-9);
    EXPECT_NEAR(OpacityOf(20), 1.0 / 6.0, 1e-9);
    // Three trophies in quick turns: the newcomer takes the fainter card.
    Tip.ShowTrophy(9, Point(200, 200));
    EXPECT_EQ(Tip.ShownTrophy(), 9);
    EXPECT_NEAR(OpacityOf(15), 5.0 / 6.0, 1e-9) << "the card it replaced fades from where it was";
    EXPECT_EQ(OpacityOf(20), 0.0);
    // Nothing pointed: the card fades out and nothing is left.
    Frames(6);
    Tip.ShowTrophy(0, TPoint{});
    EXPECT_EQ(Tip.ShownTrophy(), 0);
    Frames(5);
    EXPECT_GT(OpacityOf(9), 0.0);
    Frames(1);
    EXPECT_EQ(Tip.Card(0).Trophy, 0);
    EXPECT_EQ(Tip.Card(1).Trophy, 0);
    Tip.ShowTrophy(42, TPoint{});
    EXPECT_EQ(Tip.ShownTrophy(), 0) << "no such trophy";
}

TEST_F(TrophyToolTip, TheCardStaysOnTheScreen) {
    struct TCase {
        TPoint Centre, Pos;
    };
    const TCase Cases[] = {
        {{300, 200}, {300, 200}}, {{602, 493}, {602, 493}}, {{603, 494}, {602, 493}},
        {{750, 580}, {602, 493}}, {{-20, -5}, {0, 0}},      {{700, 10}, {602, 10}},
    };
    for (const TCase& C : Cases) {
        Tip.Reset();
        Tip.ShowTrophy(1, C.Centre);
        EXPECT_EQ(Tip.Card(0).Pos, C.Pos) << C.Centre.X << "," << C.Centre.Y;
    }
}

TEST_F(TrophyToolTip, WithoutAnEntryTimeCardsComeAndGoAtOnce) {
    Tip.EntryTime = 0;
    Tip.ShowTrophy(5, Point(10, 10));
    Frames(1);
    EXPECT_EQ(OpacityOf(5), 1.0);
    Tip.ShowTrophy(6, Point(10, 10));
    Frames(1);
    EXPECT_EQ(OpacityOf(6), 1.0);
    EXPECT_EQ(OpacityOf(5), 0.0);
}

}  // namespace

namespace {

// The cabinet and the tip as drawn.
class TrophiesPixels : public CampaignScreen {};

TEST_F(TrophiesPixels, EarnedTrophiesShowTheirPatternTheOthersTheEmptyPlaceAndTheGlowAddsLight) {
    // Each pattern a grey of its own: pattern p at 4 + 4 p, the empty place 200.
    TPicture Sheet;
    Sheet.SetSize(700, 300);
    for (int32_t P = 0; P < 21; ++P) {
        const uint32_t Grey = P == 20 ? 200u : uint32_t(4 + 4 * P);
        Sheet.FillRect((P % 7) * 100, (P / 7) * 100, 100, 100, Grey << 24 | Grey << 16 | Grey << 8 | 0xFFu);
    }
    Images->AddImage("Trophies", Sheet, 7, 3);
    TTrophies Cabinet;
    Cabinet.OmgImgList = Images.get();
    Cabinet.InitImages();
    Cabinet.Earned[18] = true;  // trophy 19
    Cabinet.SetPanelPos(PanelShown);
    const TPicture Still = Frame([&] { Cabinet.UpdateAndDraw(); });
    EXPECT_NEAR(PixelAt(Still, 566, 483).R, 4 + 4 * 18, 1) << "trophy 19 is earned";
    EXPECT_NEAR(PixelAt(Still, 356, 99).R, 200, 1) << "trophy 1 is not";
    // Scale 1.57: 157 pixels across, centred on (566, 483).
    EXPECT_NEAR(PixelAt(Still, 566 + 76, 483).R, 76, 1);
    EXPECT_EQ(PixelAt(Still, 566 + 80, 483).R, 0);
    EXPECT_NEAR(PixelAt(Still, 566, 483 + 76).R, 76, 1);
    EXPECT_EQ(PixelAt(Still, 566, 483 + 80).R, 0);
    // Pointed at, the trophy wobbles and its glow adds its own light onto it.
    Cabinet.MouseMove(566, 483);
    for (int I = 0; I < 3; ++I) Cabinet.UpdateAndDraw();
    const TPicture Glowing = Frame([&] { Cabinet.UpdateAndDraw(); });
    ASSERT_EQ(Cabinet.GlowAlpha(19), 100);
    EXPECT_NEAR(PixelAt(Glowing, 566, 483).R, 76 + 76 * 100 / 255, 2);
}

TEST_F(TrophiesPixels, TheTipIsDrawnFadingWithDarkWritingAndWithoutItsImageOnlyTheText) {
    TOmegaFont Medium(Screen.get());
    TOmegaFont Small(Screen.get());
    ASSERT_TRUE(Medium.SetupFont("Arial", 10, false));
    ASSERT_TRUE(Small.SetupFont("Arial", 8, false));
    TTrophyToolTip Tip;
    Tip.OmgImgList = Images.get();
    Tip.OmgFont = &Medium;
    Tip.OmgSmallFont = &Small;
    Tip.TextStringsComp = &Texts();
    const auto Drawn = [&] {
        return Frame([&] {
            Medium.BeginText();
            Small.BeginText();
            Tip.UpdateAndDraw();
            Small.EndText();
            Medium.EndText();
        });
    };
    // No tip image yet: the texts alone, nothing broken.
    Tip.ShowTrophy(16, Point(700, 560));
    for (int I = 0; I < 6; ++I) Tip.UpdateAndDraw();
    EXPECT_EQ(Tip.Card(0).Pos, Point(602, 493));
    const TPicture TextOnly = Drawn();
    EXPECT_FALSE(BoxOf(TextOnly, [](TPixel P) { return P.R > 20; }).Empty());
    // A parchment tip: the name in dark ink on it, half faded half way in.
    Images->AddImage("TrophyToolTip", FlatPicture(198, 107, 0xF0E0C0FFu), 1, 1);
    Tip.InitImages();
    Tip.Reset();
    Tip.ShowTrophy(16, Point(100, 100));
    for (int I = 0; I < 5; ++I) Tip.UpdateAndDraw();
    const TPicture Full = Drawn();
    EXPECT_EQ(PixelAt(Full, 100, 100).R, 0xF0);
    EXPECT_EQ(PixelAt(Full, 297, 206).B, 0xC0);
    EXPECT_EQ(PixelAt(Full, 298, 207).R, 0);
    const TPixelBox Ink = BoxOf(Full, [](TPixel P) { return P.R < 160 && P.R > 0; });
    ASSERT_FALSE(Ink.Empty()) << "dark writing on the card";
    EXPECT_GE(Ink.Left, 100);
    EXPECT_LE(Ink.Right, 297);
    EXPECT_NEAR((Ink.Left + Ink.Right + 1) / 2.0, 100 + 99, 3.0);
    Tip.ShowTrophy(0, TPoint{});
    for (int I = 0; I < 2; ++I) Tip.UpdateAndDraw();
    const TPicture Fading = Drawn();
    EXPECT_NEAR(PixelAt(Fading, 100, 100).R, 0xF0 / 2, 2) << "half faded out";
}

}  // namespace
