#include "LevelInfoPanelClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "CampaignDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
// Every part turns about a point far to its left, each at its own distance, so that a
// tiny angle moves the whole panel up and down together.
constexpr float PanelCentreX = -10.0f;
constexpr float NumberCentreX = -36.5f;
constexpr float CaptionCentreX = -42.0f;
constexpr float TimeCentreX = -37.0f;
constexpr float MedalCentreX = -57.0f;
constexpr float MedalCentreY = 0.3f;
constexpr float ObjectiveCentreX = -37.0f;
constexpr float KindCentreX = -47.0f;
// The digits are drawn a hair larger than their cells, and swing ten times as far.
constexpr float DigitScale = 1.01f;
constexpr float DigitSwingFactor = 10.0f;

constexpr TPoint IslandDigitAt{165, 12};
constexpr TPoint LevelDigitsAt{190, 12};
constexpr TPoint CaptionAt{151, 54};
constexpr TPoint MinutesAt{237, 52};
constexpr TPoint ColonAt{258, 52};
constexpr TPoint SecondsAt{263, 52};
constexpr TPoint MedalShadowAt{219, 86};
constexpr TPoint MedalAt{216, 83};
constexpr TPoint ObjectiveAt{36, 54};
constexpr TPoint KindAt{138, 115};
constexpr int32_t ColonPattern = 10;
}  // namespace

TLevelInfoPanel::TLevelInfoPanel() {
    FSwing.Setup(0.0025f, 0.0025f, 0.1f, 0.0f);
    FSwing.SetRangeMin(0.005f);
    FSwing.SetRangeMax(0.09f);
    FY = HideYPos;
}

void TLevelInfoPanel::InitImages() {
    if (TImageListItem* Digits = EffectImage(OmgImgList, "LevelSelTimeScore")) {
        FTimeDigitWidth = Digits->EffectiveTileWidth();
    }
    if (TImageListItem* Digits = EffectImage(OmgImgList, "LevelSelLevelInfo")) {
        FLevelDigitWidth = Digits->EffectiveTileWidth();
    }
}

void TLevelInfoPanel::Show() {
    FY = HideYPos;
    FPhase = ipShowing;
}

void TLevelInfoPanel::Hide() {
    if (FPhase == ipShowing || FPhase == ipShown) FPhase = ipHiding;
}

void TLevelInfoPanel::UpdateAndDraw() {
    if (FPhase == ipShowing || FPhase == ipHiding) {
        const int32_t Target = FPhase == ipShowing ? Top : HideYPos;
        MoveTowards(FY, MoveStep, Target);
        if (FY == Target) FPhase = FPhase == ipShowing ? ipShown : ipHidden;
        if (OnPanelPosUpdate) OnPanelPosUpdate(this, Position());
    }
    FSwing.Update();
    if (FPhase != ipHidden) Draw();
}

int32_t TLevelInfoPanel::SecondLevelDigitX() const {
    const int32_t FirstDigit = FInfo.Level / 10;
    return LevelDigitsAt.X + (FirstDigit == 1 ? 10 : FLevelDigitWidth + 3);
}

TLevelInfoPanel::TTimeDigits TLevelInfoPanel::TimeDigits(int32_t Seconds) {
    const int32_t Shown = std::clamp(Seconds, 0, MaxShownSeconds);
    const int32_t Minutes = Shown / 60, Rest = Shown % 60;
    TTimeDigits Digits;
    Digits.MinuteTens = Minutes >= 10 ? Minutes / 10 : -1;
    Digits.MinuteUnits = Minutes % 10;
    Digits.SecondTens = Rest / 10;
    Digits.SecondUnits = Rest % 10;
    return Digits;
}

void TLevelInfoPanel::DrawPart(const char* Name, int32_t DX, int32_t DY, float CenterX, float Angle, int32_t Pattern,
                               float Scale, int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha,
                               float CenterY) const {
    DrawCampaignSmooth(OmgImgList, Name, Left + DX, FY + DY, Angle, CenterX, CenterY, Scale, Scale, Red, Green, Blue,
                       Alpha, Pattern);
}

void TLevelInfoPanel::Draw() const {
    const float Angle = FSwing.Value;
    const float DigitAngle = Angle * DigitSwingFactor;
    DrawPart("LevelSelInfoPanel", 0, 0, PanelCentreX, Angle, 0);

    DrawPart("LevelSelLevelInfo", IslandDigitAt.X, IslandDigitAt.Y, NumberCentreX, DigitAngle, FInfo.Island,
             DigitScale);
    if (FInfo.Level >= 10) {
        DrawPart("LevelSelLevelInfo", LevelDigitsAt.X, LevelDigitsAt.Y, NumberCentreX, DigitAngle, FInfo.Level / 10,
                 DigitScale);
        DrawPart("LevelSelLevelInfo", SecondLevelDigitX(), LevelDigitsAt.Y, NumberCentreX, DigitAngle,
                 FInfo.Level % 10, DigitScale);
    } else {
        DrawPart("LevelSelLevelInfo", LevelDigitsAt.X, LevelDigitsAt.Y, NumberCentreX, DigitAngle, FInfo.Level,
                 DigitScale);
    }

    DrawPart("LevelSelPanelCaps", CaptionAt.X, CaptionAt.Y, CaptionCentreX, Angle, FInfo.Completed ? 1 : 0);
    if (FInfo.Completed) {
        const TTimeDigits Time = TimeDigits(FInfo.BestTime);
        const int32_t W = FTimeDigitWidth;
        if (Time.MinuteTens >= 0) {
            DrawPart("LevelSelTimeScore", MinutesAt.X, MinutesAt.Y, TimeCentreX, DigitAngle, Time.MinuteTens);
        }
        DrawPart("LevelSelTimeScore", MinutesAt.X + W, MinutesAt.Y, TimeCentreX, DigitAngle, Time.MinuteUnits);
        DrawPart("LevelSelTimeScore", ColonAt.X, ColonAt.Y, TimeCentreX, DigitAngle, ColonPattern);
        DrawPart("LevelSelTimeScore", SecondsAt.X, SecondsAt.Y, TimeCentreX, DigitAngle, Time.SecondTens);
        DrawPart("LevelSelTimeScore", SecondsAt.X + W, SecondsAt.Y, TimeCentreX, DigitAngle, Time.SecondUnits);
        if (FInfo.Medal != mdNone) {
            DrawPart("LevelSelMedal", MedalShadowAt.X, MedalShadowAt.Y, MedalCentreX, Angle, FInfo.Medal, 1.0f, 0,
                     0, 0, 110, MedalCentreY);
            DrawPart("LevelSelMedal", MedalAt.X, MedalAt.Y, MedalCentreX, Angle, FInfo.Medal, 1.0f, 255, 255, 255,
                     225, MedalCentreY);
        }
    }
    const int32_t ObjectivePattern = FInfo.Objective == goBonusStage ? 0 : FInfo.Objective;
    DrawPart("ObjectiveLogo", ObjectiveAt.X, ObjectiveAt.Y, ObjectiveCentreX, Angle, ObjectivePattern);
    if (FInfo.LevelKind == lkAction || FInfo.LevelKind == lkChallenge) {
        DrawPart("LevelSelPanelCaps", KindAt.X, KindAt.Y, KindCentreX, Angle, FInfo.LevelKind == lkAction ? 2 : 3);
    }
}
