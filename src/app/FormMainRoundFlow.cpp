// The round's flow: the objective announcement before play, what a landed
// fruit counts, the pause, the one way a round is cleared, time running out,
// a board without moves being shuffled, and where the game goes afterwards.
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"
#include "SFXPlayerClass.h"

// --- Wiring --------------------------------------------------------------------

void TFormMain::WireRoundEvents() {
    TObjectiveInfo& Info = *Gauges.ObjectiveInfo;
    Info.OnShowing = [this](TObject*) { ObjectiveInfoShowing(); };
    Info.OnStartHiding = [this](TObject*) { ObjectiveInfoStartHiding(); };
    Info.OnHidingComplete = [this](TObject*) { ObjectiveInfoHidingComplete(); };
    Comments.Round().OnWavingFinished = [this](TObject*, TGameCommentType Type) { RoundCommentFinished(Type); };

    Gauges.TubeTimer->OnAlmostTimeUp = [this](TObject*) { AlmostTimeUp(); };
    Gauges.TubeTimer->OnTimeUp = [this](TObject*) { TimeUp(); };
    Gauges.ProgressTube->OnFull = [this](TObject*) { ObjectiveMet(); };
    Gauges.FruitGather->OnComplete = [this](TObject*) { ObjectiveMet(); };

    FallingFruits->OnGroundHit = [this](TObject*, int32_t FruitColorIdx, int32_t /*HorzTilePos*/) {
        CountLandedFruit(FruitColorIdx);
    };
    LockerFrames->OnLockerFrameEffectRequest = [this](TObject*, TPoint TilePos) { LockerFrameCleared(TilePos); };
    LockersAwayEffect->OnFinished = [this](TObject*) { LockersAwayFinished(); };

    Scoring.Combos->OnAComboArrive = [this](TObject*, TComboItemKind Kind, uint8_t Count, TPoint Pos) {
        const TComboAward Award = Scoring.Combos->Award(Kind, Count, Round.RoundOver);
        if (Round.RoundOver) return;
        Scoring.Score->Add(Award.Points);
        const TPoint MoneyPos = TCombos::MoneyEffectPos(Kind, Pos);
        Scoring.MoneyEffect->Add(Award.Money, MoneyPos.X, MoneyPos.Y);
    };
    Scoring.FlowingMoneyIcon->OnArrive = [this](TObject*, int32_t Amount) {
        PlaySoundEffect("ToolAcquired");
        Scoring.Money->AddSplit(Amount, 15, 0);
    };
    // Every change of the score total may earn a trophy.
    Scoring.Score->OnValueUpdate = [this](TObject*) { TestScoreTrophies(); };
    // The money counter and the score own the record's totals.
    PlayerProgress->OnProgressLoaded = [this](TObject*, const TProgressRecord& Record) {
        Scoring.Score->Set(Record.ScoreTotal);
        Scoring.Money->Set(Record.MoneyTotal);
    };
    PlayerProgress->OnProgressCollect = [this](TObject*, TProgressRecord& Record) {
        Record.ScoreTotal = Scoring.Score->Value();
        Record.MoneyTotal = Scoring.Money->Value();
    };

    GameBoard->OnNoMoreMoves = [this](TObject*) { NoMoreMoves(); };
    BoardEffects.ShuffleAway->OnFinished = [this](TObject*, TBoardData NewBoardData) { ShuffleFinished(NewBoardData); };
    BoardEffects.LostBoard->OnTimeForDialogWindow = [this](TObject*) { LostBoardAsksForDialog(); };
    Panels.ShuffleButton->OnFull = [this](TObject*) {
        PlaySoundEffect("ShuffleNotify");
        ShuffleButtonFull();
    };
    Panels.ShuffleButton->OnFullClick = [this](TObject*) { ShuffleButtonFullClick(); };
    Panels.ShuffleButton->OnNotFullClick = [](TObject*) { PlaySoundEffect("DisabledTile"); };
    Panels.MenuButton->OnClick = [this](TObject*) { OpenInGameMenu(); };
    Panels.LeftPanel->OnPosUpdate = [this](TObject*, TPoint Pos) { PlaceLeftPanelParts(Pos); };

    Results.Window->OnShowingComplete = [this](TObject*) { StageResultShowingComplete(); };
    Results.Window->OnShownTimerReached = [this](TObject*) {
        StopMedalShine();
        Results.Window->Hide();
    };
    Results.Window->OnHidingComplete = [this](TObject*) { StageResultHidingComplete(); };
    Scoring.TaviScoring->OnPosUpdate = [this](TObject*, int32_t X, int32_t Y) { ScoringDustAt(X, Y); };
    Results.OKButton->OnClick = [this](TObject*) {
        StopMedalShine();
        Results.Window->Hide();
    };
}

// --- Counting ------------------------------------------------------------------

// A matched fruit has landed on the ground: it scores, counts for the objective's
// gauge only, and feeds the fruit rain and the shuffle button.
void TFormMain::CountLandedFruit(int32_t FruitColorIdx) {
    Scoring.Score->Add(3);
    Round.LevelScore += 3;
    if (Round.Objective == goTargetFruits) {
        const int32_t Target = Gauges.ProgressTube->FruitCountTarget;
        const bool BelowHalf = Gauges.ProgressTube->Counted() * 2 < Target;
        Gauges.ProgressTube->CountFruit();
        if (BelowHalf && Gauges.ProgressTube->Counted() * 2 >= Target && FairyIsFree()) TargetFruitsHalfwayTip();
    } else if (Round.Objective == goCollectFruits) {
        Gauges.FruitGather->CountFruit(FruitColorIdx);
    }
    Scoring.Combos->FruitFell(FruitColorIdx);
    Panels.ShuffleButton->AddLandedFruit();
    CountLandedFruitForWorms();
    CountLandedFruitForSpiders();
    CountLandedFruitForTrophies();
}

void TFormMain::LockerFrameCleared(TPoint TilePos) {
    PlaySoundEffect("LockerClear");
    LockerFrameEffect->Start(TilePos);
    ShineAtTile(TilePos);
    Scoring.Score->Add(25);
    CountLockerFrameForTrophies();
    if (LockerFrames->Count() == 0) ObjectiveMet();
}

// A found flower has finished its appearance.
void TFormMain::FlowerFound() { Scoring.Score->Add(60); }

// A hunted spider counts down the gather's spider slot.
void TFormMain::SpiderHunted() {
    if (Round.Objective == goSpiderHunt) Gauges.FruitGather->CountSpider();
}

// --- The announcement --------------------------------------------------------

void TFormMain::ObjectiveInfoShowing() {
    if (CurrentIsland == 1 && CurrentLevel == 1 && Round.Objective != goBonusStage) FairyIntroducesHerself();
}

void TFormMain::ObjectiveInfoStartHiding() {
    Comments.Round().ShowComment(coGo);
    if (CurrentIsland == 1 && CurrentLevel == 1 && Round.Objective != goBonusStage) StartTutorialPointer();
}

void TFormMain::ObjectiveInfoHidingComplete() {
    SetClockPause(prAnnouncement, false);
    const bool OverlayUp = Scene() != gsObjectiveInfo;
    if (Round.Objective == goBonusStage) {
        if (OverlayUp) {
            OverlayBackgroundScene = gsBonusStage;
        } else {
            GameScene->SetValue(gsBonusStage);
        }
        BonusStageHidingComplete();
        return;
    }
    // Under the in-game menu the round waits behind it; closing the menu returns to the round.
    if (OverlayUp) {
        OverlayBackgroundScene = gsMainGame;
    } else {
        GameScene->SetValue(gsMainGame);
    }
    AnnounceWaitingTrophies();
}

void TFormMain::RoundCommentFinished(TGameCommentType CommentType) {
    switch (CommentType) {
        case coGo:
            StartGlobalShine();
            MonsterRoundBegun();
            break;
        case coGameRoundClear:
        case coBossVictory: ClearCommentFinished(); break;
        case coBonusRoundClear: BonusStageCommentFinished(); break;
        default: break;
    }
}

// --- Pause -----------------------------------------------------------------------

bool TFormMain::PausingAllowed() const {
    const TGameSceneValues Current = Scene();
    if (Current == gsMainGame || Current == gsObjectiveInfo) return !Round.RoundOver && !Round.TimeUp;
    // The bonus stage pauses only while its ladybugs can be clicked.
    if (Current == gsBonusStage) return BonusStagePlaying() && !Bonus.Clock->TimeIsUp();
    return false;
}

void TFormMain::TogglePause() {
    Round.Paused = !Round.Paused;
    ApplyPause();
}

void TFormMain::SpacePressed() {
    if (PausingAllowed()) TogglePause();
}

void TFormMain::SetClockPause(TRoundPauseReason Reason, bool On) {
    Round.Clocks.Set(Reason, On);
    Gauges.TubeTimer->Paused = Round.Clocks.Any();
    if (BonusStagePlaying()) Bonus.Clock->SetClockPaused(Round.Clocks.Any());
}

// A paused round shows only its background, its panels and the "Paused" sign.
void TFormMain::ApplyPause() {
    const bool Visible = !Round.Paused;
    GameBoard->Visible = Visible;
    FallingFruits->Visible = Visible;
    SwapEffect->Visible = Visible;
    GroupedFruitsEffect->Visible = Visible;
    OpeningLockers->Visible = Visible;
    LockerPieces->Visible = Visible;
    LockerFrames->Visible = Visible;
    Scoring.Combos->Visible = Visible;
    LockerFiller->Visible = Visible;
    BoardEffects.LostBoard->Visible = Visible;
    BoardEffects.ShuffleAway->Visible = Visible;
    LockersAwayEffect->Visible = Visible;
    for (auto& Writer : Comments.Writers) Writer->Visible = Visible;
    MatchedCyanEffect->Visible = Visible;
    LockerFrameEffect->Visible = Visible;
    Scoring.MoneyEffect->Visible = Visible;
    Gauges.ObjectiveInfo->Visible = Visible;
    ApplyPauseToSpecials(Visible);
    ApplyPauseToTools(Visible);
    ApplyPauseToFairy(Visible);
    ApplyPauseToMonsters(Visible);
    ApplyPauseToWorms(Visible);
    ApplyPauseToSpiders(Visible);
    ApplyPauseToBonus(Visible);
    ApplyPauseToTutorial(Visible);
    ApplyPauseToDecorations(Visible);
    SetClockPause(prPlayer, Round.Paused);
    Gauges.ProgressTube->Paused = Round.Paused;
    Panels.ShuffleButton->Enabled = Visible;
    if (Round.Paused) Panels.PausedPulse->StartRising();
}

// --- Round clear -------------------------------------------------------------------

void TFormMain::ObjectiveMet() {
    // A round lost by time is over: a late fruit or frame changes nothing.
    if (Round.TimeUp || Round.RoundCleared) return;
    if (TrophyAnnouncing()) {
        HoldWinForTrophy();
        return;
    }
    RoundClear();
}

void TFormMain::RoundClear() {
    if (Round.RoundCleared) return;
    Round.RoundCleared = true;
    FreezeRound();
    RoundWon();
}

// The round's time is over: nothing matches, no tool is held, a shuffle under way
// gives the board back.
void TFormMain::FreezeRound() {
    Round.RoundOver = true;
    SetClockPause(prClearFreeze, true);
    GameBoard->CanMatch = false;
    CloseTutorial();
    WithdrawTools();
    if (BoardEffects.ShuffleAway->Active()) {
        BoardEffects.ShuffleAway->Clear();
        GameBoard->CanDraw = true;
    }
    StopSpiderHunt();
}

void TFormMain::ClearCommentFinished() {
    RemoveSpiders();
    RemoveWorms();
    WithdrawTools();
    FairyLeavesRound();
    StartLockersAway();
}

void TFormMain::LockersAwayFinished() {
    GameScene->SetValue(gsStageResult);
    Results.OKButton->ClearMouseState();
    Results.Window->Show();
    StartMedalShine(Results.Medal->MedalKind());
}

void TFormMain::StageResultShowingComplete() {
    if (Round.Objective == goBonusStage) {
        BonusResultShowingComplete();
        return;
    }
    PlaySoundEffect(Results.Medal->MedalKind() == mdGold ? "NotifyHigh" : "NotifyLow");
    const bool IslandOneMonster = CurrentIsland == 1 && Round.Objective == goBeatMonster;
    if (!IslandOneMonster) Scoring.TaviScoring->Start();
}

void TFormMain::StageResultHidingComplete() {
    Scoring.Money->Jump();
    // A trophy announced for the level's new medals holds the flow until it has gone.
    if (TestLevelTrophies()) return;
    LeaveRound();
}

// After the result (and any trophy): a new plant, a bonus stage, or back to the levels.
void TFormMain::LeaveRound() {
    if (Round.Objective != goBonusStage) {
        // The announcement's window, once it has gone, goes on from here (PlantAnnouncementGone).
        if (AnnouncePlantForLevel()) {
            Panels.MoneyPanel->Show();
            return;
        }
        if (OfferBonusStage()) return;
        UnloadImageGroup(icBonusStage - icTrophy);
    }
    LeaveRoundByLevelDots();
}

// --- Time up -------------------------------------------------------------------------

void TFormMain::AlmostTimeUp() {
    if (Round.RoundCleared) return;
    Comments.Round().ShowComment(coTimeRunningOut);
    MusicBox->SelectTrack(muTimeRun);
}

void TFormMain::TimeUp() {
    if (Round.RoundCleared) return;
    Round.TimeUp = true;
    DropPendingWin();
    Round.RoundOver = true;
    SetClockPause(prClearFreeze, true);
    GameScene->SetValue(gsTimeUp);
    MusicBox->SelectTrack(muGameOver);
    RemoveSpiders();
    RemoveWorms();
    WithdrawTools();
    CloseTutorial();
    if (Round.Objective == goClearTiles) LockerFrames->FlyOut();
    MonsterRoundEnded();
    if (BoardEffects.ShuffleAway->Active()) BoardEffects.ShuffleAway->Clear();
    GameBoard->CanDraw = false;
    BoardEffects.LostBoard->UniFruitColorIndex = GameBoard->UniColor();
    BoardEffects.LostBoard->Start(GameBoard->BoardData());
    Comments.Round().ShowComment(coTimeUp);
    OfferHighScore();
}

void TFormMain::LostBoardAsksForDialog() { ShowConfirm(0, pbYes, nbNo); }

// Yes plays the level again; No, or a level file gone meanwhile, leaves the round.
void TFormMain::TimeUpAnswered(bool Retry) {
    GameScene->SetValue(gsMainGame);
    if (Retry && StartLevel(CurrentIsland, CurrentLevel)) return;
    LeaveRoundByLevelDots();
}

// --- No more moves and the shuffle -----------------------------------------------------

void TFormMain::NoMoreMoves() {
    // After time up or the clear the board is over; its last check must not start anything.
    if (Round.TimeUp || Round.RoundCleared) return;
    Comments.Round().ShowComment(coNoMoreMoves);
    FairyLeavesBoard();
    StartShuffle();
}

void TFormMain::StartShuffle() {
    RemoveWorms();
    RemoveSpiders();
    LockerFrames->FlyOut();
    GameBoard->CanDraw = false;
    ClearSwapEffects();
    OpeningLockers->Clear();
    BoardEffects.ShuffleAway->UniFruitColorIndex = GameBoard->UniColor();
    BoardEffects.ShuffleAway->Start(GameBoard->BoardData(), GameBoard->MakeShuffledBoard());
}

void TFormMain::ShuffleFinished(const TBoardData& NewBoardData) {
    GameBoard->LoadBoardData(NewBoardData);
    GameBoard->CanDraw = true;
    LockerFrames->FlyIn();
    GameBoard->ResetHintTimers();
    if (!GameBoard->MovesExist()) GameBoard->AddHammerAnywhere();
    GameBoard->CheckLockerGroups();
    GameBoard->CheckFruitGroups();
    RestartSpiderHunt();
}

void TFormMain::ShuffleButtonFullClick() {
    Panels.ShuffleButton->Reset();
    if (FairyVisible()) {
        FairyOrderShuffle();
        return;
    }
    PlaySoundEffect("Shuffle");
    StartShuffle();
    Comments.Round().ShowComment(coShuffling);
}
