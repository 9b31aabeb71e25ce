#include "ObjectiveInfoClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
constexpr double RiseOpacityStep = 0.048;
constexpr double RiseScaleStep = 0.055;
constexpr double RiseSpeedUp = 6.0;
constexpr double LeaveSpeedUp = 3.0;
constexpr double LeaveOpacityStep = 0.12;
constexpr double LeaveScaleStep = 0.04;
constexpr double ShadowAlpha = 160.0;
// Until its pop begins a piece shows at most this much of the panel's opacity.
constexpr double LogoMaxBeforePop = 0.3;
constexpr double TitleMaxBeforePop = 0.2;
constexpr double DescMaxBeforePop = 0.1;
}  // namespace

TObjectiveInfo::TObjectiveInfo() {
    FLogoPopper.MaxRatio = 1.15;
    FLogoPopper.UpStep = 0.05;
    FLogoPopper.DownStep = 0.03;
    FTitlePopper.MaxRatio = 1.10;
    FTitlePopper.UpStep = 0.035;
    FTitlePopper.DownStep = 0.02;
    FDescPopper.MaxRatio = 1.05;
    FDescPopper.UpStep = 0.018;
    FDescPopper.DownStep = 0.01;
}

void TObjectiveInfo::InitImages() {
    if (const TImageListItem* Shadow = EffectImage(OmgImgList, "ObjInfoShadow"))
        ShadowHeight = Shadow->EffectiveTileHeight();
}

void TObjectiveInfo::Reset() {
    FPhase = ipHidden;
    FOpacity = 0.0;
    FScale = 0.0;
    FTimer = 0;
    FLogoPopper.Reset();
    FTitlePopper.Reset();
    FDescPopper.Reset();
}

void TObjectiveInfo::Start(TGameObjective Objective) {
    FObjective = Objective;
    FPos = FloatPoint(RestLeft, 600 + 2 * ShadowHeight);
    FSpeed = OrigMoveStep;
    FOpacity = 0.0;
    FScale = 0.0;
    FTimer = 0;
    FLogoPopper.Reset();
    FTitlePopper.Reset();
    FDescPopper.Reset();
    FPhase = ipRising;
    if (OnShowing) OnShowing(this);
}

void TObjectiveInfo::Skip() {
    if (FPhase == ipShowing) FTimer = ShowingTime;
}

void TObjectiveInfo::UpdateAndDraw() {
    if (!Visible || FPhase == ipHidden) return;
    FLogoPopper.Update();
    FTitlePopper.Update();
    FDescPopper.Update();
    switch (FPhase) {
        case ipRising: Rise(); break;
        case ipShowing:
            FTimer += FrameStep;
            if (FTimer >= ShowingTime) {
                FPhase = ipLeaving;
                FSpeed = OrigMoveStep;
                if (OnStartHiding) OnStartHiding(this);
            }
            break;
        case ipLeaving: Leave(); break;
        case ipHidden: break;
    }
    if (FPhase != ipHidden) Draw();
}

void TObjectiveInfo::Rise() {
    FOpacity = std::min(FOpacity + RiseOpacityStep, 1.0);
    FScale = std::min(FScale + RiseScaleStep, 1.0);
    FSpeed += RiseSpeedUp;
    FPos.Y = std::max(FPos.Y - FSpeed, static_cast<double>(RestTop));
    if (FOpacity >= 1.0 && FScale >= 1.0) FPhase = ipShowing;
    // Restarted while the panel waits at rest, so the pops' delays count from the rest's end.
    if (FPos.Y == RestTop) RestartPops();
}

void TObjectiveInfo::RestartPops() {
    FLogoPopper.DelayedPop(LogoPopDelay);
    FTitlePopper.DelayedPop(TitlePopDelay);
    FDescPopper.DelayedPop(DescPopDelay);
}

void TObjectiveInfo::Leave() {
    FSpeed += LeaveSpeedUp;
    FOpacity = std::max(FOpacity - LeaveOpacityStep, 0.0);
    FScale = std::max(FScale - LeaveScaleStep, 0.0);
    FPos.Y -= FSpeed;
    if (FPos.Y <= -ShadowHeight) {
        FPhase = ipHidden;
        if (OnHidingComplete) OnHidingComplete(this);
    }
}

int32_t TObjectiveInfo::PieceAlpha(const TSpritePopper& Popper, double MaxBeforePop) const {
    const double Cap = (FPhase == ipLeaving || Popper.PopBegun()) ? 1.0 : MaxBeforePop;
    return Round(std::min(FOpacity, Cap) * 255.0);
}

void TObjectiveInfo::Draw() {
    const int32_t X = Round(FPos.X);
    const int32_t Y = Round(FPos.Y);
    SetEffectFiltering(OmgImgList, true);
    // A scale of 0 would be drawn at full size.
    TImageListItem* Shadow = FScale > 0.0 ? EffectImage(OmgImgList, "ObjInfoShadow") : nullptr;
    if (Shadow) {
        const float ShadowScale = static_cast<float>(2.0 * FScale);
        Shadow->DrawEx(X + ShadowHeight / 2, Y, 0.0f, 0.5f, 0.0f, ShadowScale, ShadowScale, 255, 255, 255,
                       Round(FOpacity * ShadowAlpha), 0, 0);
    }
    DrawPiece("ObjInfoLogo", X + 204, Y + 26, FLogoPopper, LogoMaxBeforePop);
    DrawPiece("ObjInfoTitle", X + 101, Y + 121, FTitlePopper, TitleMaxBeforePop);
    DrawPiece("ObjInfoDesc", X + 102, Y + 160, FDescPopper, DescMaxBeforePop);
    SetEffectFiltering(OmgImgList, false);
}

void TObjectiveInfo::DrawPiece(const char* Image, int32_t X, int32_t Y, const TSpritePopper& Popper,
                               double MaxBeforePop) {
    TImageListItem* Item = EffectImage(OmgImgList, Image);
    if (!Item) return;
    const float Scale = static_cast<float>(Popper.Ratio());
    Item->DrawEx(X, Y, 0.0f, 0.5f, 0.5f, Scale, Scale, 255, 255, 255, PieceAlpha(Popper, MaxBeforePop), FObjective,
                 0);
}
