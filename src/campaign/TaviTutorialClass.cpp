#include "TaviTutorialClass.h"

#include <algorithm>
#include <cstring>

#include "BoardEffectDrawClass.h"
#include "CampaignDrawClass.h"
#include "FrameCursorClass.h"
#include "OmegaImageListClass.h"
#include "TextStringsClass.h"

namespace {

constexpr TTaviTutorial::TStepIcon StepIcons[TTaviTutorial::StepCount] = {
    {TTaviTutorial::ikTutorial, 1},  {TTaviTutorial::ikTutorial, 2},  {TTaviTutorial::ikTutorial, 3},
    {TTaviTutorial::ikTutorial, 6},  {TTaviTutorial::ikIncentive, 1}, {TTaviTutorial::ikIncentive, 7},
    {TTaviTutorial::ikIncentive, 5}, {TTaviTutorial::ikTutorial, 4},  {TTaviTutorial::ikIncentive, 8},
    {TTaviTutorial::ikIncentive, 3}, {TTaviTutorial::ikIncentive, 6}, {TTaviTutorial::ikTutorial, 5},
    {TTaviTutorial::ikIncentive, 9}, {TTaviTutorial::ikIncentive, 2}, {TTaviTutorial::ikIncentive, 4},
    {TTaviTutorial::ikTutorial, 7},  {TTaviTutorial::ikTutorial, 8},  {TTaviTutorial::ikTutorial, 9},
    {TTaviTutorial::ikTutorial, 10},
};

constexpr int32_t FrameMs = 30;

bool ValidStep(int32_t Step) { return Step >= 1 && Step <= TTaviTutorial::StepCount; }

}  // namespace

TTaviTutorial::TTaviTutorial() {
    FText.VertSpace = 19;
    FText.StartingAlpha = 30;
    FText.AlphaStep = 12;
    FText.MaxAlpha = BalloonMaxAlpha;
    FText.AlphaUpdateRepeat = 1;
    FText.VanishingAlphaStep = BalloonAlphaDec;
}

int32_t TTaviTutorial::StepFor(int32_t Island, int32_t Level, int32_t Event) {
    if (Island != 1) return 0;
    switch (Level) {
        case 1:
            switch (Event) {
                case 1: return 1;
                case 2: return 2;
                case 3: return 3;
                case 4: return 5;
                default: return 0;
            }
        case 2: return Event == 1 ? 4 : Event == 2 ? 10 : 0;
        case 3: return 14;
        case 4: return Event == 1 ? 7 : Event == 2 ? 16 : Event == 3 ? 8 : 0;
        case 5: return 9;
        case 6: return 6;
        case 7: return Event == 1 ? 11 : Event == 2 ? 12 : 0;
        case 8: return 13;
        case 9: return 15;
        default: return 0;
    }
}

int32_t TTaviTutorial::ShowTimeFor(int32_t Step, int32_t TextLength, int32_t TimePerChar) {
    if (Step == 1 || Step == 2 || Step == 3 || Step == HintStep) return UntilClosed;
    return TextLength * TimePerChar;
}

TTaviTutorial::TStepIcon TTaviTutorial::IconOf(int32_t Step) {
    return ValidStep(Step) ? StepIcons[Step - 1] : TStepIcon{ikTutorial, 1};
}

void TTaviTutorial::LoadTexts() {
    if (!TextStringsComp) return;
    for (int32_t Step = 1; Step <= StepCount; ++Step) {
        const std::string& Line = TextStringsComp->Tutorial(Step);
        TStep& S = FSteps[Step - 1];
        S.Length = static_cast<int32_t>(std::min(Line.size(), sizeof(S.Text) - 1));
        std::memcpy(S.Text, Line.data(), static_cast<size_t>(S.Length));
        S.Text[S.Length] = '\0';
    }
}

void TTaviTutorial::PlaceBesideFairy(TPoint Pos, bool Sitting) {
    Left = Pos.X;
    BottomBalloonPointerPos = Pos.Y + 47;
    if (Sitting) {
        Left -= 11;
        BottomBalloonPointerPos -= 22;
    }
    Left += Pos.X < 450 ? 72 : -194;
    BalloonDir = Pos.X >= 450 ? mdRight : mdLeft;
}

void TTaviTutorial::PlaceForRound() {
    Left = 207;
    BottomBalloonPointerPos = 126;
    BalloonDir = mdLeft;
}

void TTaviTutorial::PlaceForGarden() {
    Left = 424;
    BottomBalloonPointerPos = 440;
    BalloonDir = mdLeft;
}

void TTaviTutorial::TakeBalloonSizes() {
    if (const TImageListItem* Balloon = EffectImage(OmgImgList, "TaviBalloon")) {
        FRowHeight = Balloon->EffectiveTileHeight();
    }
    if (const TImageListItem* Close = EffectImage(OmgImgList, "TutorialClose")) {
        FCloseWidth = Close->EffectiveTileWidth();
        FCloseHeight = Close->EffectiveTileHeight();
    }
}

void TTaviTutorial::TriggerTip(int32_t Island, int32_t Level, int32_t Event) {
    if (!Enabled) return;
    if (OnFairyPosUpdateRequest) OnFairyPosUpdateRequest(this);
    const int32_t Step = StepFor(Island, Level, Event);
    FCurrentStep = Step;
    if (Step == 0 || FSteps[Step - 1].Shown) return;
    ShowStep(Step);
    FHintTip = false;
}

void TTaviTutorial::ShowGardenTip(int32_t Which) {
    if (!Enabled) return;
    const int32_t Step = Which == 0 ? GardenStep : ShopStep;
    FCurrentStep = Step;
    if (!FSteps[Step - 1].Shown) ShowStep(Step);
}

void TTaviTutorial::ShowHintTip() {
    if (FShowing) return;
    if (OnFairyPosUpdateRequest) OnFairyPosUpdateRequest(this);
    FCurrentStep = HintStep;
    ShowStep(HintStep);
    FHintTip = true;
}

void TTaviTutorial::ShowStep(int32_t Step) {
    TStep& S = FSteps[Step - 1];
    FShowing = true;
    S.Shown = true;
    FShownStep = Step;
    FShowTime = ShowTimeFor(Step, S.Length, TimePerChar);
    FElapsed = 0;
    FAlpha = BalloonStartingAlpha;
    FTargetAlpha = BalloonMaxAlpha;
    FRows = TNarrationText::LineCount(S.Text) + 2;
    FTop = std::max(BottomBalloonPointerPos - BalloonTopHeight - BalloonBottomHeight - FRows * FRowHeight,
                    MinBalloonTopPos);
    FText.OmgFont = OmgFont;
    FText.MaxAlpha = BalloonMaxAlpha;
    FText.VanishingAlphaStep = BalloonAlphaDec;
    FText.StartText(Left + TextOffset.X + FTextAdjustment.X, FTop + TextOffset.Y + IconnedTextVertAdj + FTextAdjustment.Y,
                    S.Text, 0, 0, 0);
}

void TTaviTutorial::CloseBalloon() {
    FTargetAlpha = 0;
    FCloseHover = false;
    FText.VanishText();
}

void TTaviTutorial::ResetTutorial() {
    FShowing = false;
    FHintTip = false;
    FCloseHover = false;
    FAlpha = 0;
    FTargetAlpha = 0;
    FText.ClearText();
}

bool TTaviTutorial::OverCloseButton(int32_t X, int32_t Y) const {
    const int32_t CloseLeft = Left + CloseOffset.X;
    const int32_t CloseTop = FTop + CloseOffset.Y;
    return X >= CloseLeft && X <= CloseLeft + FCloseWidth && Y >= CloseTop && Y <= CloseTop + FCloseHeight;
}

void TTaviTutorial::ClickAt(int32_t X, int32_t Y, TMouseButton /*Button*/) {
    if (!Visible || !FShowing || !OverCloseButton(X, Y)) return;
    if (OnBalloonClose) OnBalloonClose(this);
    CloseBalloon();
}

void TTaviTutorial::MouseMoveAt(int32_t X, int32_t Y) {
    FCloseHover = Visible && FShowing && OverCloseButton(X, Y);
    if (FCloseHover) FrameCursor = TFrameCursor::HandPoint;
}

void TTaviTutorial::UpdateAndDraw() {
    if (!Visible || !FShowing) return;
    FElapsed += FrameMs;
    if (FElapsed >= FShowTime && FTargetAlpha > 0) CloseBalloon();
    Draw();
    if (FAlpha < FTargetAlpha) {
        FAlpha = std::min(FAlpha + BalloonAlphaInc, FTargetAlpha);
    } else if (FAlpha > FTargetAlpha) {
        FAlpha = std::max(FAlpha - BalloonAlphaDec, FTargetAlpha);
    }
    if (FAlpha <= 0) {
        FShowing = false;
        FHintTip = false;
    }
}

// Drawn from the step on show, never from the step last asked for.
void TTaviTutorial::Draw() {
    const int32_t Alpha = std::clamp(FAlpha, 0, 255);
    DrawCampaignSmooth(OmgImgList, "TaviBalloon", Left, FTop, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Alpha, 0);
    for (int32_t Row = 0; Row < FRows; ++Row) {
        DrawCampaignSmooth(OmgImgList, "TaviBalloon", Left, FTop + BalloonTopHeight + Row * FRowHeight, 0.0f, 0.0f,
                           0.0f, 1.0f, 1.0f, 255, 255, 255, Alpha, 1);
    }
    DrawCampaignSmooth(OmgImgList, "TaviBalloon", Left, FTop + BalloonTopHeight + FRows * FRowHeight, 0.0f, 0.0f, 0.0f,
                       1.0f, 1.0f, 255, 255, 255, Alpha, BalloonDir == mdLeft ? 3 : 2);
    const TStepIcon Icon = IconOf(FShownStep);
    if (Icon.Kind == ikTutorial) {
        DrawCampaignSmooth(OmgImgList, "TutorialIcons", Left + TutorialIconOffset.X, FTop + TutorialIconOffset.Y, 0.0f,
                           0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Alpha, Icon.Number - 1);
    } else {
        DrawCampaignSmooth(OmgImgList, "IncentiveIcons", Left + IncentiveIconOffset.X, FTop + IncentiveIconOffset.Y,
                           0.0f, 0.0f, 0.0f, IncentiveIconScale, IncentiveIconScale, 255, 255, 255, Alpha,
                           Icon.Number - 1);
    }
    FText.UpdateAndDraw();
    const double CloseShare = FCloseHover ? 0.32 : 0.18;
    DrawCampaignSmooth(OmgImgList, "TutorialClose", Left + CloseOffset.X, FTop + CloseOffset.Y, 0.0f, 0.0f, 0.0f, 1.0f,
                       1.0f, 255, 255, 255, static_cast<int32_t>(Alpha * CloseShare + 0.5), 0);
}

bool TTaviTutorial::StepShown(int32_t Step) const { return ValidStep(Step) && FSteps[Step - 1].Shown; }

void TTaviTutorial::LoadSaved(const TProgressRecord& Record) {
    for (int32_t Step = 1; Step <= StepCount; ++Step) FSteps[Step - 1].Shown = Record.TutorialStepsShown[Step - 1] != 0;
    Enabled = Record.TutorialEnabled != 0;
    FGardenTipShown = Record.GardenTipShown != 0;
    FShopTipShown = Record.ShopTipShown != 0;
}

void TTaviTutorial::StoreSaved(TProgressRecord& Record) const {
    for (int32_t Step = 1; Step <= StepCount; ++Step)
        Record.TutorialStepsShown[Step - 1] = FSteps[Step - 1].Shown ? 1 : 0;
    Record.TutorialEnabled = Enabled ? 1 : 0;
    Record.GardenTipShown = FGardenTipShown ? 1 : 0;
    Record.ShopTipShown = FShopTipShown ? 1 : 0;
}
