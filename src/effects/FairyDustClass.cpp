#include "FairyDustClass.h"

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "RandomClass.h"

namespace {

constexpr int32_t AdditiveBlend = 2;
constexpr int32_t PatternCount = 3;
constexpr double SettleStep = 0.05;   // how fast falling dust reaches its sinking speed
constexpr double TwinklePeak = 230.0;
constexpr double SmallestSize = 2.0;

// Where the dust of kinds 0 to 2 starts, from the fairy's reported position:
// about her middle in flight, under her feet while hovering, about her while sitting.
constexpr TPoint TrailAnchor{26, 55};
constexpr TPoint SprinkleAnchor{42, 110};
constexpr TPoint TwinkleAnchor{32, 50};

double Spread(int32_t HalfRange) { return CosmeticRandomInt(2 * HalfRange + 1) - HalfRange; }

}  // namespace

void TFairyDust::Reset() {
    for (TParticle& P : FParticles) P.Active = false;
    FCursor = -1;
    FEmitCount = 0;
}

int32_t TFairyDust::ActiveCount() const {
    int32_t Count = 0;
    for (const TParticle& P : FParticles) Count += P.Active ? 1 : 0;
    return Count;
}

int32_t TFairyDust::ActiveCount(int32_t Kind) const {
    int32_t Count = 0;
    for (const TParticle& P : FParticles) Count += P.Active && P.Kind == Kind ? 1 : 0;
    return Count;
}

void TFairyDust::Emit(int32_t X, int32_t Y, int32_t Kind) {
    if (!Visible) return;
    ++FEmitCount;
    switch (Kind) {
        case dkTrail:
            Add(X + TrailAnchor.X, Y + TrailAnchor.Y, Kind);
            Add(X + TrailAnchor.X, Y + TrailAnchor.Y, Kind);
            break;
        case dkSprinkle:
            if (FEmitCount % 2 == 0) Add(X + SprinkleAnchor.X, Y + SprinkleAnchor.Y, Kind);
            break;
        case dkTwinkle:
            if (FEmitCount % 5 == 0) Add(X + TwinkleAnchor.X, Y + TwinkleAnchor.Y, Kind);
            break;
        case dkSmallFairyTrail: Add(X, Y, Kind); break;
        default: break;
    }
}

// The oldest slot in turn: a full pool gives up its oldest dust for the newest.
TFairyDust::TParticle& TFairyDust::NextSlot() {
    FCursor = (FCursor + 1) % SlotCount;
    return FParticles[FCursor];
}

void TFairyDust::Add(double X, double Y, int32_t Kind) {
    TParticle& P = NextSlot();
    P = TParticle{};
    P.Active = true;
    P.Kind = static_cast<uint8_t>(Kind);
    P.Pattern = static_cast<uint8_t>(CosmeticRandomInt(PatternCount));
    P.Angle = CosmeticRandomInt(360);
    P.Spin = Spread(4);
    switch (Kind) {
        case dkTrail:
            P.X = X + Spread(8);
            P.Y = Y + Spread(10);
            P.SpeedX = Spread(4) * 0.15;
            P.SpeedY = -0.4 - CosmeticRandomInt(4) * 0.1;
            P.Falls = true;
            P.Alpha = 200.0 + CosmeticRandomInt(5) * 10.0;
            P.AlphaStep = 7.0 + CosmeticRandomInt(5);
            P.Size = 10.0 + CosmeticRandomInt(7);
            P.SizeStep = 0.15;
            break;
        case dkSprinkle:
            P.X = X + Spread(14);
            P.Y = Y + Spread(4);
            P.SpeedX = Spread(2) * 0.1;
            P.SpeedY = 0.2;
            P.Falls = true;
            P.Alpha = 180.0 + CosmeticRandomInt(5) * 10.0;
            P.AlphaStep = 4.0 + CosmeticRandomInt(3);
            P.Size = 8.0 + CosmeticRandomInt(5);
            P.SizeStep = 0.1;
            break;
        case dkTwinkle:
            P.X = X + Spread(28);
            P.Y = Y + Spread(30);
            P.Alpha = 0.0;
            P.AlphaStep = 12.0 + CosmeticRandomInt(6) * 2.0;
            P.Brightening = true;
            P.Size = 9.0 + CosmeticRandomInt(6);
            P.SizeStep = 0.05;
            P.Spin = Spread(2) * 0.5;
            break;
        default:  // the small fairy's trail: finer and shorter
            P.X = X + Spread(3);
            P.Y = Y + Spread(3);
            P.SpeedX = Spread(2) * 0.1;
            P.SpeedY = -0.2;
            P.Falls = true;
            P.Alpha = 170.0 + CosmeticRandomInt(4) * 10.0;
            P.AlphaStep = 9.0 + CosmeticRandomInt(4);
            P.Size = 6.0 + CosmeticRandomInt(4);
            P.SizeStep = 0.12;
            break;
    }
}

void TFairyDust::Step(TParticle& P) {
    P.X += P.SpeedX;
    P.Y += P.SpeedY;
    if (P.Falls) MoveTowards(P.SpeedY, SettleStep, Gravity);
    P.Angle += P.Spin;
    P.Size -= P.SizeStep;
    if (P.Brightening) {
        P.Alpha += P.AlphaStep;
        if (P.Alpha >= TwinklePeak) {
            P.Alpha = TwinklePeak;
            P.Brightening = false;
        }
    } else {
        P.Alpha -= P.AlphaStep;
    }
    if ((!P.Brightening && P.Alpha <= 0.0) || P.Size < SmallestSize) P.Active = false;
}

void TFairyDust::UpdateAndDraw() {
    if (!Visible) return;
    TImageListItem* Image = OmgImgList ? OmgImgList->Find("FairyDust") : nullptr;
    TOmegaScreen* Screen = Image ? OmgImgList->OmegaScreen : nullptr;
    if (Image) {
        OrigDustWidth = Image->EffectiveTileWidth();
        OrigDustHeight = Image->EffectiveTileHeight();
    }
    if (Screen) Screen->SetFiltering(true);
    for (TParticle& P : FParticles) {
        if (!P.Active) continue;
        Step(P);
        if (!P.Active || !Image || OrigDustWidth <= 0 || OrigDustHeight <= 0) continue;
        // Scaled and turned about the pattern's centre, so (X, Y) stays the sparkle's centre.
        Image->DrawEx(Round(P.X - OrigDustWidth / 2.0), Round(P.Y - OrigDustHeight / 2.0),
                      static_cast<float>(P.Angle), 0.5f, 0.5f, static_cast<float>(P.Size / OrigDustWidth),
                      static_cast<float>(P.Size / OrigDustHeight), 255, 255, 255, Round(P.Alpha), P.Pattern,
                      AdditiveBlend);
    }
    if (Screen) Screen->SetFiltering(false);
}
