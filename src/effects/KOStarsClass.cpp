#include "KOStarsClass.h"

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
constexpr int32_t AdditiveBlend = 2;
constexpr double StarStartAngles[TKOStars::StarCount] = {90.0, 180.0, 270.0, 360.0};
constexpr double StarSizeStep = 0.025;
constexpr float StarScale = 0.7f;
constexpr float TrackScale = 1.1f;
constexpr int32_t TrackCycleLength = 50;
constexpr int32_t TrackCycleStep = 2;

uint32_t WhiteWithAlpha(int32_t Alpha) {
    return MakeColor(255, 255, 255, static_cast<uint8_t>(Alpha < 0 ? 0 : (Alpha > 255 ? 255 : Alpha)));
}

void SetSmooth(TOmegaImageList* List, bool Smooth) {
    if (List && List->OmegaScreen) List->OmegaScreen->SetFiltering(Smooth);
}
}  // namespace

TKOStars::TKOStars() { FTrackSwing.Setup(1.4f, 1.4f, 12.0f, -12.0f); }

void TKOStars::StartStars(bool Small) {
    FActive = true;
    FSinking = false;
    FSmall = Small;
    FX = Left;
    FY = Top;
    for (int32_t I = 0; I < StarCount; ++I) {
        FStars[I].Angle = StarStartAngles[I];
        FStars[I].Size = MaxStarSize;
    }
    FCornerAlphas[0] = 255;
    for (int32_t I = 1; I < CornerCount; ++I) FCornerAlphas[I] = 0;
    FTrackCycle = 1;
}

TPoint TKOStars::TrackPosition() const { return TPoint{Round(FX) + TrackAdjX, Round(FY) + TrackAdjY}; }

void TKOStars::StepStar(TKOStar& Star) const {
    Star.Angle += StarAngleStep;
    if (Star.Angle > 360.0) Star.Angle -= 360.0;
    // Over one turn the star swings in, out and in again about its track.
    if (Star.Angle <= 90.0)
        Star.Size += StarSizeStep;
    else if (Star.Angle <= 270.0)
        Star.Size -= StarSizeStep;
    else
        Star.Size += StarSizeStep;
}

void TKOStars::StepTrack() {
    for (int32_t& Alpha : FCornerAlphas) Alpha = Alpha - TrackAlphaDec < 0 ? 0 : Alpha - TrackAlphaDec;
    FTrackCycle += TrackCycleStep;
    if (FTrackCycle > TrackCycleLength) FTrackCycle = 1;
    // A glint runs round the track's corners, one after another.
    if (FTrackCycle >= 1 && FTrackCycle <= 10)
        FCornerAlphas[0] = MaxTrackAlpha;
    else if (FTrackCycle >= 21 && FTrackCycle <= 30)
        FCornerAlphas[1] = MaxTrackAlpha;
    else if (FTrackCycle >= 31 && FTrackCycle <= 40)
        FCornerAlphas[2] = MaxTrackAlpha;
    else if (FTrackCycle >= 41 && FTrackCycle <= 50)
        FCornerAlphas[3] = MaxTrackAlpha;
}

void TKOStars::UpdateAndDraw() {
    if (!Visible || !FActive) return;
    FTrackSwing.Update();
    if (FSinking) {
        FY += DisappearMoveStep;
        if (FY > SunkPos) {
            FActive = false;
            return;
        }
    }
    const int32_t X = Round(FX);
    const int32_t Y = Round(FY);
    const float Half = FSmall ? 0.5f : 1.0f;

    TImageListItem* StarImage = OmgImgList ? OmgImgList->Find("KOStar") : nullptr;
    if (StarImage) SetSmooth(OmgImgList, true);
    for (TKOStar& Star : FStars) {
        StepStar(Star);
        if (!StarImage) continue;
        StarImage->DrawEx(X, Y, static_cast<float>(Star.Angle), 0.5f, static_cast<float>(Star.Size), StarScale * Half,
                          StarScale * Half, 255, 255, 255, StarAlpha, 0, AdditiveBlend);
    }
    if (StarImage) SetSmooth(OmgImgList, false);

    StepTrack();
    TImageListItem* Track = OmgImgList ? OmgImgList->Find("KOStarTrack") : nullptr;
    if (!Track) return;
    const TPoint At = TrackPosition();
    SetSmooth(OmgImgList, true);
    Track->DrawEx4(At.X, At.Y, FTrackSwing.Value, 0.5f, 0.5f, TrackScale * Half, TrackScale * Half,
                   WhiteWithAlpha(FCornerAlphas[0]), WhiteWithAlpha(FCornerAlphas[1]), WhiteWithAlpha(FCornerAlphas[2]),
                   WhiteWithAlpha(FCornerAlphas[3]), false, false, 0, AdditiveBlend);
    SetSmooth(OmgImgList, false);
}
