#include "TaviScoringClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
constexpr TFloatPoint StartPos{860.0, 400.0};
constexpr TFloatPoint StartVelocity{-20.0, -12.0};
constexpr double HorzAccelGrowth = 0.09;
constexpr double TurnBackSpeed = 0.1;      // rightward speed that makes her turn back
constexpr double TurnBackFallFast = 0.5;   // while the acceleration is positive
constexpr double TurnBackFallSlow = 0.15;  // once it is not
constexpr double VertAccelGrowth = 0.011;
constexpr double MinRise = -7.0;  // she always rises at least 7 pixels a frame
constexpr double ScaleStep = 0.012;
constexpr double MinScale = 0.65;
constexpr double MaxAngle = 55.0;
// Her torso, the pivot of her turns, in the 110 x 184 pattern.
constexpr float PivotX = 0.3181818f;
constexpr float PivotY = 0.5380435f;
}  // namespace

void TTaviScoring::Reset() { FFlying = false; }

void TTaviScoring::Start() {
    FFlying = true;
    FPos = StartPos;
    FVelocity = StartVelocity;
    FAccel = TFloatPoint{};
    FScale = 1.0;
    FTurningBack = false;
    FSequenceIdx = -1;
    FAngle = 0.0;
}

void TTaviScoring::UpdateAndDraw() {
    if (!FFlying) return;
    const double StartVelocityX = FVelocity.X;
    FPos.X += FVelocity.X;
    FPos.Y += FVelocity.Y;
    // The frame that sets the turn-back switch still adds to the acceleration; it falls from the next one on.
    if (!FTurningBack) {
        FAccel.X += HorzAccelGrowth;
        if (StartVelocityX > TurnBackSpeed) FTurningBack = true;
    } else {
        FAccel.X -= FAccel.X > 0.0 ? TurnBackFallFast : TurnBackFallSlow;
    }
    FAccel.Y += VertAccelGrowth;
    FVelocity.X += FAccel.X;
    FVelocity.Y += FAccel.Y;
    if (FVelocity.Y > MinRise) FVelocity.Y = MinRise;
    FScale = std::max(FScale - ScaleStep, MinScale);
    FSequenceIdx = (FSequenceIdx + 1) % FrameSequenceLength;
    FAngle = std::clamp(FVelocity.X * 1.4 + 2.0, -MaxAngle, MaxAngle);
    const TPoint At{Round(FPos.X), Round(FPos.Y)};
    if (TImageListItem* Tavi = EffectImage(OmgImgList, "TaviScoring")) {
        SetEffectFiltering(OmgImgList, true);
        const float Scale = static_cast<float>(FScale);
        Tavi->DrawEx(At.X, At.Y, static_cast<float>(FAngle), PivotX, PivotY, Scale, Scale, 255, 255, 255, 255,
                     FrameSequence[FSequenceIdx] - 1, 0);
        SetEffectFiltering(OmgImgList, false);
    }
    if (FPos.X < -400.0 || FPos.Y < -200.0) FFlying = false;
    if (OnPosUpdate) OnPosUpdate(this, At.X, At.Y);
}
