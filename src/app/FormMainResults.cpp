// A won round's result: the medal for its time, the money it pays, the best
// time it keeps, the unlocks it brings, the high score and the save; and the
// stage-result screen that shows it.
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"
#include "MessageBoxClass.h"

namespace {
// The result window slides down from above to the place where its medal sits on
// the medal shine's centre.
constexpr TPoint ResultWindowPos{240, 130};
constexpr int32_t ResultWindowHiddenY = -400;
constexpr int32_t ResultWindowStep = 45;
constexpr int32_t ResultShownTime = 15000;
// Where the window carries its button, its medal and its figures.
constexpr TPoint StageResultOKOffset{117, 303};
constexpr TPoint StageResultMedalOffset{127, 75};
constexpr TPoint StageResultStatsOffset{206, 158};
}  // namespace

void TFormMain::CreateRoundResults() {
    Results.Window = std::make_unique<TGameMenuWindow>();
    TGameMenuWindow& Window = *Results.Window;
    Window.OmgImgList = &OmegaImageList1;
    Window.WindowImg = "StageResultWindow";
    Window.Left = ResultWindowPos.X;
    Window.Top = ResultWindowPos.Y;
    Window.HidingXPos = ResultWindowPos.X;
    Window.HidingYPos = ResultWindowHiddenY;
    Window.ShowDir = sdToDown;
    Window.MoveStep = ResultWindowStep;
    Window.ShownTimerEnabled = true;
    Window.ShownTimeToTriggerEvent = ResultShownTime;
    Window.Reset();
    Results.OKButton = std::make_unique<TGameButton>();
    Results.OKButton->OmgImgList = &OmegaImageList1;
    Results.OKButton->ImageName = "WindowOKButton";
    Results.Medal = std::make_unique<TResultMedal>();
    Results.Medal->OmgImgList = &OmegaImageList1;
    Results.Medal->OmgFont = &OmegaFont_Size10;
    Results.Medal->TextStringsComp = TextStrings.get();
    Results.Stats = std::make_unique<TResultStats>();
    Results.Stats->OmgImgList = &OmegaImageList1;
    Results.Stats->OmgFont = &OmegaFont_Size10;
    Window.OnPosUpdate = [this](TObject*, TPoint Pos) {
        Results.OKButton->Left = Pos.X + StageResultOKOffset.X;
        Results.OKButton->Top = Pos.Y + StageResultOKOffset.Y;
        Results.Medal->Left = Pos.X + StageResultMedalOffset.X;
        Results.Medal->Top = Pos.Y + StageResultMedalOffset.Y;
        Results.Stats->Left = Pos.X + StageResultStatsOffset.X;
        Results.Stats->Top = Pos.Y + StageResultStatsOffset.Y;
    };
}

void TFormMain::OfferHighScore() {
    if (!FPlayerLoaded) return;
    HighScores->Offer(LoadedPlayerName, Scoring.Score->Value());
}

bool TFormMain::SaveProgress() {
    if (!FPlayerLoaded) return false;
    return PlayerProgress->Save(LoadedPlayerName);
}

// Done once per won round, in this order.
void TFormMain::RoundWon() {
    const int32_t Elapsed = Gauges.TubeTimer->ElapsedSeconds();
    Results.Medal->SetMedalForTime(Elapsed);
    const TMedalKind Medal = Results.Medal->MedalKind();
    Results.Stats->SetPlayingTime(Elapsed);
    // The best time as it stood before this round: the label and the "-" show a first completion.
    Results.Stats->SetBestTime(StoredBestTime());
    Results.Stats->SetLevelScore(Round.LevelScore);
    const int32_t Reward =
        Results.Stats->MoneyReward(CurrentIsland, Medal, RoundLevel.Record.LevelKind, Round.Objective);
    Results.Stats->SetMoneyBonus(Reward + Scoring.Combos->TotalMoneyBonus);
    Scoring.Money->AddInstant(Results.Stats->MoneyBonus());
    Scoring.Money->RoundToTen();
    RecordLevelTime(Elapsed);
    OpenNextIslandIfEarned();
    MarkIncentiveAndUnlockTools();
    UnlockShopItemsForLevel();

    GameScene->SetValue(gsRoundClear);
    MusicBox->SelectTrack(muLevelClear);
    Comments.Round().ShowComment(Round.Objective == goBeatMonster ? coBossVictory : coGameRoundClear);
    OfferHighScore();
    SaveProgress();
}

// --- The stage-result screen ----------------------------------------------------------

void TFormMain::FrameStageResult() {
    FrameRoundBackground();
    DrawStageResult();
}

void TFormMain::DrawStageResult() {
    Results.Window->Update();
    Results.OKButton->Draw();
    Results.Window->Draw();
    const TPoint Pos = Results.Window->Position();
    if (Round.Objective == goBonusStage) {
        if (TImageListItem* Caps = OmegaImageList1.Find("BonusStageResultCaps")) Caps->Draw(Pos.X + 42, Pos.Y + 87, 0);
        DrawBonusResult();
    } else {
        if (TImageListItem* Caps = OmegaImageList1.Find("StageResultCaps")) Caps->Draw(Pos.X + 46, Pos.Y + 153, 0);
        Results.Medal->Draw();
        Results.Stats->UpdateAndDraw();
    }
    FrameMedalShine();
    FramePlantAnnouncer();
    FrameScoringDust();
    Scoring.TaviScoring->UpdateAndDraw();
}
