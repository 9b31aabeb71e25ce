// The fairy's three views, each drawn part by part from its table: the front
// view while she hovers, the side view (one per facing) while she flies or
// casts, and the sitting view on a tile. Wings take their oscillator as the
// horizontal scale; centres are fractions of the pattern. A view whose images
// are not loaded draws nothing; her motion is worked out all the same.
#include "FairyClass.h"

#include <cstddef>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {

enum TSheet : uint8_t { shBody, shLimbs };
// How a part is drawn: smooth at scale 1, smooth with the wing scale, or plainly.
enum TPartScale : uint8_t { psOne, psWing, psPlain };
// What turns a part (times its factor).
enum TPartTurn : uint8_t { ptNone, ptSwing, ptBob, ptWand, ptLegs, ptArm };

struct TViewPart {
    TSheet Sheet;
    int32_t Pattern;
    int32_t X;
    int32_t Y;
    bool Bobs;  // the bobbing value is added to Y
    TPartScale Scale;
    float CentreX;
    float CentreY;
    TPartTurn Turn;
    float Factor;
    bool IsWand;  // left out while she only flies
};

// The values that move the parts this frame.
struct TViewValues {
    float Wing = 1.0f;
    float Bob = 0.0f;
    float Swing = 0.0f;
    float Wand = 0.0f;
    float Legs = 0.0f;
    float Arm = 0.0f;
    bool WithWand = false;
};

constexpr TViewPart FrontView[] = {
    {shBody, 1, -27, -9, true, psWing, 0.902f, 0.398f, ptNone, 0.0f, false},
    {shBody, 2, 21, -9, true, psWing, 0.078f, 0.398f, ptNone, 0.0f, false},
    {shLimbs, 0, 9, 31, true, psOne, 0.375f, 0.069f, ptSwing, 1.0f, false},
    {shLimbs, 3, 27, 32, true, psOne, 0.125f, 0.069f, ptSwing, -1.0f, false},
    // The body turns a little about a point far to its left, so it bobs up and down.
    {shBody, 0, 0, 0, false, psOne, -50.0f, 0.5f, ptBob, 1.0f / 23.0f, false},
    {shLimbs, 1, 2, 42, true, psOne, 0.8f, -0.3f, ptSwing, 1.0f, false},
    {shLimbs, 4, 31, 42, true, psOne, -0.1f, -0.3f, ptSwing, -1.0f, false},
    {shLimbs, 2, -2, 52, true, psOne, -0.8f, 0.6f, ptSwing, -1.0f, false},
    {shLimbs, 5, 37, 51, true, psOne, 1.0f, 1.2f, ptSwing, 13.0f / 20.0f, false},
    {shLimbs, 6, -10, 57, true, psOne, 0.8f, -0.3f, ptSwing, 2.0f, false},
};

constexpr TViewPart SideViewLeft[] = {
    {shBody, 1, 7, -8, false, psWing, 0.34375f, 0.5618f, ptNone, 0.0f, false},
    {shBody, 2, 30, -18, false, psWing, 0.015625f, 0.5730f, ptNone, 0.0f, false},
    {shLimbs, 0, 18, 33, false, psOne, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 1, 18, 44, false, psOne, 0.1538f, 0.0714f, ptWand, 1.0f, false},
    {shLimbs, 2, 14, 55, false, psOne, 0.5f, -0.7f, ptWand, 1.0f, false},
    {shLimbs, 6, 11, 61, false, psOne, 0.7f, -0.9f, ptWand, 1.0f, true},
    {shBody, 0, 0, 0, false, psPlain, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 3, 32, 29, false, psOne, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 4, 40, 38, false, psOne, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 5, 50, 47, false, psOne, 0.0f, 0.0f, ptNone, 0.0f, false},
};

// Facing right, the limbs hang where the left view's hang, mirrored across her 64-px body,
// so they meet it (26-px limbs: x' = 64 - x - 26).
constexpr TViewPart SideViewRight[] = {
    {shBody, 1, -10, -8, false, psWing, 0.640625f, 0.5618f, ptNone, 0.0f, false},
    {shBody, 2, -29, -18, false, psWing, 0.96875f, 0.5730f, ptNone, 0.0f, false},
    {shLimbs, 0, 20, 33, false, psOne, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 1, 20, 44, false, psOne, 0.8462f, 0.0714f, ptWand, 1.0f, false},
    {shLimbs, 2, 24, 55, false, psOne, 0.5f, -0.7f, ptWand, 1.0f, false},
    {shLimbs, 6, 27, 61, false, psOne, 0.3f, -0.9f, ptWand, 1.0f, true},
    {shBody, 0, 0, 0, false, psPlain, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 3, 6, 29, false, psOne, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 4, -2, 38, false, psOne, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 5, -12, 47, false, psOne, 0.0f, 0.0f, ptNone, 0.0f, false},
};

// Sitting, her legs turn about her hip on the seat, just below her body.
constexpr TViewPart SittingView[] = {
    {shBody, 1, -31, -31, false, psWing, 0.902f, 0.517f, ptNone, 0.0f, false},
    {shBody, 2, 18, -31, false, psWing, 0.078f, 0.517f, ptNone, 0.0f, false},
    {shBody, 0, 0, 0, false, psPlain, 0.0f, 0.0f, ptNone, 0.0f, false},
    {shLimbs, 0, 10, 21, false, psOne, 0.2963f, 0.6923f, ptLegs, 1.0f, false},
    {shLimbs, 1, 20, 25, false, psOne, 0.0741f, 0.1154f, ptArm, 1.0f, false},
};

float TurnOf(const TViewPart& Part, const TViewValues& Values) {
    switch (Part.Turn) {
        case ptSwing: return Values.Swing * Part.Factor;
        case ptBob: return Values.Bob * Part.Factor;
        case ptWand: return Values.Wand * Part.Factor;
        case ptLegs: return Values.Legs;
        case ptArm: return Values.Arm;
        case ptNone: break;
    }
    return 0.0f;
}

template <size_t N>
void DrawView(TOmegaImageList* List, const char* BodyName, const char* LimbsName, const TViewPart (&Parts)[N],
              TPoint At, const TViewValues& Values) {
    if (!List) return;
    TImageListItem* Sheets[2] = {List->Find(BodyName), List->Find(LimbsName)};
    if (!Sheets[shBody] && !Sheets[shLimbs]) return;
    TOmegaScreen* Screen = List->OmegaScreen;
    for (const TViewPart& Part : Parts) {
        TImageListItem* Sheet = Sheets[Part.Sheet];
        if (!Sheet || (Part.IsWand && !Values.WithWand)) continue;
        const int32_t X = At.X + Part.X;
        const int32_t Y = At.Y + (Part.Bobs ? Round(Part.Y + Values.Bob) : Part.Y);
        if (Part.Scale == psPlain) {
            Sheet->Draw(X, Y, Part.Pattern);
            continue;
        }
        if (Screen) Screen->SetFiltering(true);
        const float ScaleX = Part.Scale == psWing ? Values.Wing : 1.0f;
        Sheet->DrawEx(X, Y, TurnOf(Part, Values), Part.CentreX, Part.CentreY, ScaleX, 1.0f, 255, 255, 255, 255,
                      Part.Pattern, 0);
        if (Screen) Screen->SetFiltering(false);
    }
}

}  // namespace

void TFairy::DrawFront() {
    TViewValues Values;
    Values.Wing = FHoverWings.Value;
    Values.Bob = FBobbing.Value;
    Values.Swing = FLimbsSwing.Value;
    const TPoint At = RoundedPosition();
    DrawView(OmgImgList, "FairyFrontBodyWings", "FairyFrontLimbs", FrontView, TPoint{At.X + 17, At.Y + 24}, Values);
}

void TFairy::DrawSide(bool WithWand) {
    TViewValues Values;
    Values.Wing = FFlyWings.Value;
    Values.WithWand = WithWand;
    // The arm turns the other way when she faces left.
    const double Wand = WithWand ? FWandAngle : 0.0;
    Values.Wand = static_cast<float>(FFacing == mdLeft ? -Wand : Wand);
    const bool FacingLeft = FFacing == mdLeft;
    // The bobbing value only steps while she hovers: in flight it stays as she left it.
    TPoint At{Round(FPos.X) + (FacingLeft ? -10 - 11 : 21 - 11), Round(FPos.Y + FBobbing.Value) + 17 - 11};
    // On her way to rest she is drawn shifted toward her back, so that the side
    // view meets the front or sitting view where she lands.
    const int32_t Back = FacingLeft ? 1 : -1;
    if (FTargetState == fsHovering) {
        At.X += 20 * Back;
        At.Y += 16;
    } else if (FTargetState == fsSitting) {
        At.X += 16 * Back;
        At.Y -= 6;
    }
    if (FacingLeft)
        DrawView(OmgImgList, "FairySideBodyWings_Left", "FairySideLimbs_Left", SideViewLeft, At, Values);
    else
        DrawView(OmgImgList, "FairySideBodyWings_Right", "FairySideLimbs_Right", SideViewRight, At, Values);
}

void TFairy::DrawSitting() {
    TPoint At{Round(FPos.X) + 7, Round(FPos.Y) + 22};
    // She shakes and bounces with her tile.
    if (IsBoardPos(FTopTile)) {
        const int32_t Amplitude = ShakeAmplitude[FTopTile.X - 1][FTopTile.Y - 1];
        At.X += Amplitude > 0 ? CosmeticRandomInt(Amplitude) : 0;
        At.Y += Round(TileBounces[FTopTile.X - 1][FTopTile.Y - 1].Offset);
    }
    TViewValues Values;
    Values.Wing = FSitWings.Value;
    Values.Legs = static_cast<float>(FLegAngle - 35.0 + FSitLegs.Value * 15.0);
    Values.Arm = FSitLegs.Value * 30.0f - 18.0f;
    DrawView(OmgImgList, "FairySitBodyWings", "FairySitLimbs", SittingView, At, Values);
}
