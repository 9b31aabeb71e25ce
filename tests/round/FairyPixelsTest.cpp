// The fairy drawn on the real screen (offscreen OpenGL) with flat images made
// here, each view's body a colour of its own: where each view lands, the side
// view's shift toward her back and its wand, the seat that shakes and bounces
// with its tile, when nothing is drawn, and that drawing changes nothing she does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "FairyTestSupport.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"

namespace {

constexpr uint32_t Black = 0x000000FFu;
constexpr uint32_t FrontBody = 0xE04040FFu;
constexpr uint32_t SideLeftBody = 0x40E040FFu;
constexpr uint32_t SideRightBody = 0x4040E0FFu;
constexpr uint32_t SitBody = 0xE0E040FFu;
constexpr uint32_t Wand = 0xE040E0FFu;

// Columns x 1 patterns of W x H, only pattern Coloured filled (-1: none).
TPicture Strip(int32_t Columns, int32_t W, int32_t H, int32_t Coloured, uint32_t Color) {
    TPicture P;
    P.SetSize(Columns * W, H);
    if (Coloured >= 0) P.FillRect(Coloured * W, 0, W, H, Color);
    return P;
}

struct TBounds {
    int32_t Left = 10000, Top = 10000, Right = -1, Bottom = -1;
    bool Empty() const { return Right < 0; }
};

TBounds BoundsOf(const TPicture& Shot, uint32_t Color) {
    TBounds B;
    for (int32_t Y = 0; Y < Shot.Height; ++Y)
        for (int32_t X = 0; X < Shot.Width; ++X) {
            if (Shot.PixelRGBA(X, Y) != Color) continue;
            B.Left = std::min(B.Left, X);
            B.Top = std::min(B.Top, Y);
            B.Right = std::max(B.Right, X);
            B.Bottom = std::max(B.Bottom, Y);
        }
    return B;
}

int CountNotBlack(const TPicture& Shot) {
    int Count = 0;
    for (int32_t Y = 0; Y < Shot.Height; ++Y)
        for (int32_t X = 0; X < Shot.Width; ++X) Count += Shot.PixelRGBA(X, Y) != Black;
    return Count;
}

class FairyPixels : public ::testing::Test {
protected:
    void SetUp() override {
        Screen = std::make_unique<TOmegaScreen>();
        Screen->ZBuffer = false;
        Screen->PresentToWindow = false;
        ASSERT_TRUE(Screen->Initialize());
        Images = std::make_unique<TOmegaImageList>(Screen.get());
        Images->AddImage("FairyFrontBodyWings", Strip(3, 51, 88, 0, FrontBody), 3, 1);
        Images->AddImage("FairyFrontLimbs", Strip(7, 16, 29, -1, 0), 7, 1);
        Images->AddImage("FairySideBodyWings_Left", Strip(3, 64, 89, 0, SideLeftBody), 3, 1);
        Images->AddImage("FairySideLimbs_Left", Strip(7, 26, 28, 6, Wand), 7, 1);
        Images->AddImage("FairySideBodyWings_Right", Strip(3, 64, 89, 0, SideRightBody), 3, 1);
        Images->AddImage("FairySideLimbs_Right", Strip(7, 26, 28, 6, Wand), 7, 1);
        Images->AddImage("FairySitBodyWings", Strip(3, 51, 60, 0, SitBody), 3, 1);
        Images->AddImage("FairySitLimbs", Strip(2, 27, 26, -1, 0), 2, 1);
        Rig = std::make_unique<TFairyRig>();
        Rig->Fairy.OmgImgList = Images.get();
    }
    void TearDown() override {
        Rig.reset();
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
    TPicture StepShot() {
        return Frame([&] { Rig->Step(); });
    }

    std::unique_ptr<TOmegaScreen> Screen;
    std::unique_ptr<TOmegaImageList> Images;
    std::unique_ptr<TFairyRig> Rig;
};

TEST_F(FairyPixels, HoveringSheIsDrawnInTheFrontViewBesideHerPosition) {
    Rig->Land();
    const TPicture Shot = StepShot();
    const TBounds Body = BoundsOf(Shot, FrontBody);
    ASSERT_FALSE(Body.Empty());
    // Drawn at her position + (17, 24); the body's slight turn bobs it a pixel or two.
    EXPECT_LE(std::abs(Body.Left - (136 + 17)), 1);
    EXPECT_LE(std::abs(Body.Top - (84 + 24)), 3);
    EXPECT_LE(std::abs(Body.Right - Body.Left + 1 - 51), 2);
    EXPECT_TRUE(BoundsOf(Shot, SideLeftBody).Empty());
    EXPECT_TRUE(BoundsOf(Shot, SideRightBody).Empty());
}

TEST_F(FairyPixels, TheSideViewShiftsTowardHerBackByWhereSheIsGoingAndShowsTheWandOnlyWhileCasting) {
    TFairy& Fairy = Rig->Fairy;
    // Flying in to hover, facing right: 20 pixels toward her back (left) and 16 down.
    Fairy.Arrive();
    TPicture Shot = StepShot();
    TBounds Body = BoundsOf(Shot, SideRightBody);
    EXPECT_EQ(Body.Left, 12 + 21 - 11 - 20);
    EXPECT_EQ(Body.Top, Round(Fairy.Position().Y + Fairy.Bobbing()) + 17 - 11 + 16);
    EXPECT_EQ(Body.Right - Body.Left + 1, 64);
    EXPECT_TRUE(BoundsOf(Shot, Wand).Empty()) << "no wand in flight";
    Rig->StepUntilState(fsHovering);

    // Casting facing left: no shift, and the wand is out.
    ASSERT_TRUE(Fairy.OrderMagic(100, 84, mpShuffle));
    Rig->StepUntilState(fsCasting);
    Shot = StepShot();
    Body = BoundsOf(Shot, SideLeftBody);
    EXPECT_EQ(Body.Left, 110 - 10 - 11);
    EXPECT_EQ(Body.Top, Round(84 + Fairy.Bobbing()) + 17 - 11);
    EXPECT_FALSE(BoundsOf(Shot, Wand).Empty());
    Rig->StepUntil([&] { return Fairy.IsFree() && Fairy.State() != fsFlying; });

    // On her way to a seat: 16 toward her back and 6 up.
    Rig->SeatAnswer = [] { return Point(3, 2); };
    for (int I = 0; I < 60 && Fairy.TargetState() != fsSitting; ++I) {
        Rig->ClickHer();
        if (Fairy.TargetState() != fsSitting) Rig->StepUntil([&] { return Fairy.State() != fsFlying; });
    }
    ASSERT_EQ(Fairy.TargetState(), fsSitting);
    Shot = StepShot();
    const bool Left = Fairy.Facing() == mdLeft;
    Body = BoundsOf(Shot, Left ? SideLeftBody : SideRightBody);
    const TPoint At = Fairy.RoundedPosition();
    EXPECT_EQ(Body.Left, Left ? At.X - 21 + 16 : At.X + 10 - 16);
    EXPECT_EQ(Body.Top, Round(Fairy.Position().Y + Fairy.Bobbing()) + 6 - 6);
}

TEST_F(FairyPixels, SittingSheShakesAndBouncesWithHerTile) {
    Rig->SeatAnswer = [] { return Point(3, 2); };
    Rig->Land();
    ASSERT_TRUE(Rig->ClickUntilResting(fsSitting));
    TileBounces[2][1].Offset = 3.4;
    TBounds Body = BoundsOf(StepShot(), SitBody);
    EXPECT_EQ(Body.Left, 305 + 7);
    EXPECT_EQ(Body.Top, 75 + 22 + 3);
    EXPECT_EQ(Body.Bottom - Body.Top + 1, 60);

    ShakeAmplitude[2][1] = 4;
    TileBounces[2][1].Offset = -1.6;
    for (int I = 0; I < 12; ++I) {
        Body = BoundsOf(StepShot(), SitBody);
        EXPECT_GE(Body.Left, 312);
        EXPECT_LE(Body.Left, 315);
        EXPECT_EQ(Body.Top, 75 + 22 - 2);
    }
}

TEST_F(FairyPixels, NothingIsDrawnAwayHiddenOrInTheOtherLayersPass) {
    EXPECT_EQ(CountNotBlack(StepShot()), 0) << "away";
    Rig->Fairy.Visible = false;
    Rig->Fairy.Arrive();
    EXPECT_EQ(CountNotBlack(StepShot()), 0) << "hidden";
    Rig->Fairy.Visible = true;
    EXPECT_GT(CountNotBlack(StepShot()), 0);
    EXPECT_EQ(CountNotBlack(Frame([&] { Rig->Fairy.UpdateBehind(); })), 0) << "she is in front of the board";
}

// The same seed and the same clicks and orders, once drawn and once with no
// images at all: she flies, sits and casts on the same frames.
TEST_F(FairyPixels, DrawnOrHeadlessSheDoesTheSameOnTheSameFrames) {
    struct TRun {
        std::vector<TPoint> Trail;
        std::vector<int> PerformedFrames;
        uint32_t NextGameplay = 0;
    };
    auto Play = [&](bool Drawn) {
        Rig = std::make_unique<TFairyRig>(21);
        for (auto& Column : ShakeAmplitude)
            for (int32_t& Amplitude : Column) Amplitude = 3;
        Rig->Fairy.OmgImgList = Drawn ? Images.get() : nullptr;
        auto Run = [&](int Frames) {
            for (int I = 0; I < Frames; ++I) {
                if (Drawn)
                    StepShot();
                else
                    Rig->Step();
            }
        };
        Rig->Fairy.Arrive();
        Run(40);
        for (int I = 0; I < 6; ++I) {
            Rig->ClickHer();
            Run(50);
        }
        Rig->Fairy.OrderMagic(460, 260, mpShuffle);
        Run(100);
        Rig->Fairy.OrderMagic(Rig->Fairy.RestoreWandPoint(Point(2, 9)).X, Rig->Fairy.RestoreWandPoint(Point(2, 9)).Y,
                              mpRestoreFruit, Point(2, 9));
        Run(120);
        TRun Result;
        Result.Trail = Rig->Trail;
        for (const TPerformedMagic& Magic : Rig->Performed) Result.PerformedFrames.push_back(Magic.Frame);
        Result.NextGameplay = GameplayRandom().NextUInt32();
        return Result;
    };
    const TRun Drawn = Play(true);
    const TRun Headless = Play(false);
    ASSERT_EQ(Drawn.PerformedFrames.size(), 2u);
    EXPECT_EQ(Drawn.PerformedFrames, Headless.PerformedFrames);
    EXPECT_EQ(Drawn.Trail, Headless.Trail);
    EXPECT_EQ(Drawn.NextGameplay, Headless.NextGameplay);
}

}  // namespace
