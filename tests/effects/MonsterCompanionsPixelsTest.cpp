// The monsters' companions drawn on the real screen (offscreen OpenGL) with flat
// images made here, one colour channel each: the aura's bubble about its place
// and nothing from an aura that is off, the energy particles in their colour's
// row and none from a flight of no length, and the knocked-out stars circling
// a point below themselves over their track, 30 left and 30 below, half size
// when small.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "AbsorbedEnergyClass.h"
#include "KOStarsClass.h"
#include "MonsterAuraClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"

namespace {

constexpr uint32_t Red = 0xFF0000FFu;
constexpr uint32_t Green = 0x00FF00FFu;
constexpr uint32_t Blue = 0x0000FFFFu;

enum TChannel { chRed = 24, chGreen = 16, chBlue = 8 };

int32_t ChannelOf(uint32_t RGBA, TChannel Channel) { return static_cast<int32_t>((RGBA >> Channel) & 0xFF); }

// Columns x Rows patterns of W x H, each row filled with its own colour.
TPicture Sheet(int32_t Columns, int32_t W, int32_t H, std::initializer_list<uint32_t> RowColors) {
    TPicture P;
    P.SetSize(Columns * W, static_cast<int32_t>(RowColors.size()) * H);
    int32_t Row = 0;
    for (uint32_t Color : RowColors) P.FillRect(0, H * Row++, Columns * W, H, Color);
    return P;
}

// Where a channel lights the frame: its weighted middle and its extent.
struct TGlow {
    double Weight = 0.0;
    double X = 0.0, Y = 0.0;
    int32_t Left = 10000, Top = 10000, Right = -1, Bottom = -1;
    bool Empty() const { return Weight <= 0.0; }
    int32_t Width() const { return Right - Left + 1; }
};

TGlow GlowOf(const TPicture& Shot, TChannel Channel) {
    TGlow G;
    for (int32_t Y = 0; Y < Shot.Height; ++Y)
        for (int32_t X = 0; X < Shot.Width; ++X) {
            const int32_t V = ChannelOf(Shot.PixelRGBA(X, Y), Channel);
            if (V == 0) continue;
            G.Weight += V;
            G.X += (X + 0.5) * V;
            G.Y += (Y + 0.5) * V;
            G.Left = std::min(G.Left, X);
            G.Top = std::min(G.Top, Y);
            G.Right = std::max(G.Right, X);
            G.Bottom = std::max(G.Bottom, Y);
        }
    if (G.Weight > 0.0) {
        G.X /= G.Weight;
        G.Y /= G.Weight;
    }
    return G;
}

class MonsterCompanionsPixels : public ::testing::Test {
protected:
    void SetUp() override {
        Screen = std::make_unique<TOmegaScreen>();
        Screen->ZBuffer = false;
        Screen->PresentToWindow = false;
        ASSERT_TRUE(Screen->Initialize());
        Images = std::make_unique<TOmegaImageList>(Screen.get());
        Images->AddImage("AuraBubble", Sheet(1, 40, 40, {Green}), 1, 1);
        Images->AddImage("AuraSpark", Sheet(5, 10, 10, {Red}), 5, 1);
        Images->AddImage("AbsorbedEnergy", Sheet(5, 20, 20, {Green, Red, Blue}), 5, 3);
        Images->AddImage("KOStar", Sheet(1, 10, 10, {Red}), 1, 1);
        Images->AddImage("KOStarTrack", Sheet(1, 60, 40, {Blue}), 1, 1);
    }
    void TearDown() override {
        Images.reset();
        Screen.reset();
    }
    template <typename F>
    TPicture Frame(F&& Draws) {
        Screen->Clear(0, 0, 0, 255);
        Screen->BeginFrame();
        Draws();
        Screen->EndFrame();
        TPicture Result;
        EXPECT_TRUE(Screen->ReadFrame(Result));
        return Result;
    }

    std::unique_ptr<TOmegaScreen> Screen;
    std::unique_ptr<TOmegaImageList> Images;
};

TEST_F(MonsterCompanionsPixels, TheBubbleSwellsAboutTheMiddleOfItsPlaceAndAnAuraThatIsOffDrawsNothing) {
    TMonsterAura Aura;
    Aura.OmgImgList = Images.get();
    Aura.Left = 300;
    Aura.Top = 250;
    Aura.StopAura();
    TPicture Shot = Frame([&] { Aura.UpdateAndDraw(); });
    EXPECT_TRUE(GlowOf(Shot, chGreen).Empty());
    EXPECT_TRUE(GlowOf(Shot, chRed).Empty());

    Aura.StartAura();
    for (int I = 0; I < 14; ++I) Aura.UpdateAndDraw();
    Shot = Frame([&] { Aura.UpdateAndDraw(); });
    ASSERT_EQ(Aura.Phase(), apAtPeak);
    const TGlow Bubble = GlowOf(Shot, chGreen);
    ASSERT_FALSE(Bubble.Empty());
    EXPECT_NEAR(Bubble.X, 300 + 20, 1.0);
    EXPECT_NEAR(Bubble.Y, 250 + 20, 1.0);
    // Twice its size, give or take the breathing and the turn.
    EXPECT_GE(Bubble.Width(), 76);
    EXPECT_LE(Bubble.Width(), 40 * 2.05 * std::sqrt(2.0) + 2);
    // The sparks crackle in the square beside it.
    const TGlow Sparks = GlowOf(Shot, chRed);
    ASSERT_FALSE(Sparks.Empty());
    EXPECT_GE(Sparks.Left, 300 - 50 - 10);
    EXPECT_LE(Sparks.Right, 300 - 50 + 190 + 20);
    EXPECT_GE(Sparks.Top, 250 - 35 - 10);
    EXPECT_LE(Sparks.Bottom, 250 - 35 + 190 + 20);
    EXPECT_FALSE(Screen->Filtering());
}

TEST_F(MonsterCompanionsPixels, EnergyParticlesAreDrawnFromTheirColoursRowAndNoneFromAFlightOfNoLength) {
    struct TCase {
        TEnergyColor Color;
        TChannel Lit;
    };
    const TCase Cases[] = {{ecGreen, chGreen}, {ecYellow, chRed}, {ecRed, chBlue}};
    for (const TCase& Case : Cases) {
        TAbsorbedEnergy Energy;
        Energy.OmgImgList = Images.get();
        Energy.EnergyColor = Case.Color;
        Energy.AbsorbInterval = FrameStep;  // one particle
        Energy.SetSource({400, 100});
        Energy.SetTarget({400, 500});
        Energy.StartEmitting();
        const TPicture Shot = Frame([&] { Energy.UpdateAndDraw(); });
        const TGlow Lit = GlowOf(Shot, Case.Lit);
        ASSERT_FALSE(Lit.Empty()) << "colour " << int(Case.Color);
        // At (400, 106) after its first step, scaled about its middle.
        EXPECT_NEAR(Lit.X, 400 + 10, 1.5);
        EXPECT_NEAR(Lit.Y, 106 + 10, 1.5);
        int32_t Others = 0;
        for (TChannel C : {chRed, chGreen, chBlue})
            if (C != Case.Lit) Others += GlowOf(Shot, C).Empty() ? 0 : 1;
        EXPECT_EQ(Others, 0) << "colour " << int(Case.Color);
    }

    TAbsorbedEnergy Still;
    Still.OmgImgList = Images.get();
    Still.SetSource({400, 300});
    Still.SetTarget({400, 300});
    Still.StartEmitting();
    const TPicture Shot = Frame([&] { Still.UpdateAndDraw(); });
    for (TChannel C : {chRed, chGreen, chBlue}) EXPECT_TRUE(GlowOf(Shot, C).Empty());
}

TEST_F(MonsterCompanionsPixels, TheStarsCircleAPointBelowThemOverATrackThirtyLeftAndThirtyDown) {
    TKOStars Stars;
    Stars.OmgImgList = Images.get();
    Stars.Left = 380;
    Stars.Top = 200;
    // Every corner lit and kept lit, so the track shows whole.
    Stars.MaxTrackAlpha = 255;
    Stars.TrackAlphaDec = 0;
    Stars.StartStars(false);
    for (int I = 0; I < 20; ++I) Stars.UpdateAndDraw();
    const TPicture Shot = Frame([&] { Stars.UpdateAndDraw(); });

    const TGlow Track = GlowOf(Shot, chBlue);
    ASSERT_FALSE(Track.Empty());
    // Drawn at (380 - 30, 200 + 30), turned and scaled about its middle.
    EXPECT_NEAR(Track.X, 350 + 30, 1.0);
    EXPECT_NEAR(Track.Y, 230 + 20, 1.0);
    EXPECT_GE(Track.Width(), 60);

    // Four stars about (380 + 5, 200 + 3 x 10), none near the middle itself.
    const TGlow Star = GlowOf(Shot, chRed);
    ASSERT_FALSE(Star.Empty());
    EXPECT_NEAR(Star.X, 385, 2.0);
    EXPECT_NEAR(Star.Y, 230, 2.0);
    for (int32_t Y = 0; Y < Shot.Height; ++Y)
        for (int32_t X = 0; X < Shot.Width; ++X) {
            if (ChannelOf(Shot.PixelRGBA(X, Y), chRed) == 0) continue;
            ASSERT_GT(std::hypot(X + 0.5 - 385, Y + 0.5 - 230), 6.0) << X << ", " << Y;
        }
    EXPECT_FALSE(Screen->Filtering()) << "the smoothing is switched off again";

    // Small: the same places, half the size.
    TKOStars SmallStars;
    SmallStars.OmgImgList = Images.get();
    SmallStars.Left = 380;
    SmallStars.Top = 200;
    SmallStars.MaxTrackAlpha = 255;
    SmallStars.TrackAlphaDec = 0;
    SmallStars.StartStars(true);
    for (int I = 0; I < 20; ++I) SmallStars.UpdateAndDraw();
    const TPicture SmallShot = Frame([&] { SmallStars.UpdateAndDraw(); });
    const TGlow SmallTrack = GlowOf(SmallShot, chBlue);
    ASSERT_FALSE(SmallTrack.Empty());
    EXPECT_NEAR(SmallTrack.X, 380, 1.0);
    EXPECT_NEAR(SmallTrack.Y, 250, 1.0);
    EXPECT_NEAR(SmallTrack.Width(), Track.Width() / 2.0, 2.0);
    const TGlow SmallStar = GlowOf(SmallShot, chRed);
    ASSERT_FALSE(SmallStar.Empty());
    EXPECT_NEAR(SmallStar.Width(), Star.Width() / 2.0, 2.0);
}

}  // namespace
