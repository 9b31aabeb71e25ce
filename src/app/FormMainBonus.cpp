// The bonus stage offered after chosen levels: a minute of ladybugs to click for
// money, tools and the letters of BONUS. It is offered when a won level's result
// has gone, announced like a level, played in its own scene and closed by the
// round's first comment writer, then its figures show on the result window.
#include "FormMainClass.h"
#include "RandomClass.h"

namespace {
// Where the stopwatch hangs, and where the stage's figures sit on the result window.
constexpr TPoint ClockPos{400, 5};
constexpr TPoint BonusStatsOffset{220, 164};
// A player holding this many of a tool is offered no more of it.
constexpr int32_t ToolOfferLimit = 9;

int32_t ToolIdxOfBonus(TBonusKind Kind) {
    switch (Kind) {
        case boMagicKey: return 1;
        case boBroom: return 2;
        case boAerosol: return 3;
        default: return 0;
    }
}
}  // namespace

void TFormMain::CreateBonusStage() {
    Bonus.Manager = std::make_unique<TBonusStageManager>();
    Bonus.Animals = std::make_unique<TBonusAnimals>();
    TBonusAnimals& Animals = *Bonus.Animals;
    Animals.OmgImgList = &OmegaImageList1;
    Animals.AnimalImage = "SpiderWalking";
    Animals.BonusImage = "BonusAnimalBonus";
    Animals.OnHit = [this](TObject*, TPoint HitPos, TBonusKind Kind, int32_t Amount, char Letter) {
        BonusAnimalHit(HitPos, Kind, Amount, Letter);
    };
    Animals.OnMayAddToolQuestion = [this](TObject*, TBonusKind Kind, bool& MayAdd) {
        const int32_t ToolIdx = ToolIdxOfBonus(Kind);
        MayAdd = ToolIdx > 0 && ToolsInOrder()[ToolIdx - 1]->Count() < ToolOfferLimit;
    };
    // A hit ladybug tumbling down raises a puff of dust for a while.
    Animals.OnFallingPosUpdate = [this](TObject*, TPoint Pos) { BounceDustAt(Pos.X + 42, Pos.Y, 1); };

    Bonus.Clock = std::make_unique<TBonusStageTimer>();
    Bonus.Clock->OmgImgList = &OmegaImageList1;
    Bonus.Clock->Left = ClockPos.X;
    Bonus.Clock->Top = ClockPos.Y;
    Bonus.Clock->OnTimeUp = [this](TObject*) {
        Bonus.Animals->StopSpawning();
        Comments.Round().ShowComment(coBonusRoundClear);
    };

    Bonus.Letters = std::make_unique<TAcquiredBonusLetters>();
    Bonus.Letters->OmgImgList = &OmegaImageList1;
    Bonus.Letters->OnComplete = [](TObject*) { PlaySoundEffect("ShuffleNotify"); };
    Bonus.FlyingLetters = std::make_unique<TFlowingBonusLetters>();
    Bonus.FlyingLetters->OmgImgList = &OmegaImageList1;
    Bonus.FlyingLetters->OnArrive = [this](TObject*, char Letter) {
        PlaySoundEffect("BonusLetter");
        Bonus.Letters->AcquireLetter(Letter);
    };
    Bonus.Words = std::make_unique<TSpriteTextEffect>();
    Bonus.Words->OmgImgList = &OmegaImageList1;
    Bonus.Shine = std::make_unique<TShineEffect>();
    Bonus.Shine->OmgImgList = &OmegaImageList1;
    Bonus.Stats = std::make_unique<TBonusResultStats>();
    Bonus.Stats->OmgImgList = &OmegaImageList1;
    Bonus.Stats->OmgFont = &OmegaFont_Size10;

    // The played flags are the bonus stage's part of a player's progress.
    TProgressLoadedEvent Loaded = PlayerProgress->OnProgressLoaded;
    PlayerProgress->OnProgressLoaded = [this, Loaded](TObject* Sender, const TProgressRecord& Record) {
        if (Loaded) Loaded(Sender, Record);
        Bonus.Manager->LoadSaved(Record);
    };
    TProgressCollectEvent Collect = PlayerProgress->OnProgressCollect;
    PlayerProgress->OnProgressCollect = [this, Collect](TObject* Sender, TProgressRecord& Record) {
        if (Collect) Collect(Sender, Record);
        Bonus.Manager->StoreSaved(Record);
    };
}

bool TFormMain::BonusStagePlaying() const {
    return Round.Objective == goBonusStage && Bonus.Manager->Scene == bsPlaying;
}

// The round reset: no ladybug, letter, word or flash is left from an earlier
// stage, not even a letter still flying to its slot.
void TFormMain::ResetBonusForRound() {
    Bonus.Animals->ResetAnimals();
    Bonus.Clock->ResetClock();
    Bonus.Letters->ClearLetters();
    Bonus.FlyingLetters->ClearFlowingLetters();
    Bonus.Words->ClearWords();
    Bonus.Shine->Stop();
}

// Pausing hides the ladybugs, the words and the flash; the clock follows the
// round's pause reasons (SetClockPause).
void TFormMain::ApplyPauseToBonus(bool Visible) {
    Bonus.Animals->Visible = Visible;
    Bonus.Words->Visible = Visible;
    Bonus.Shine->Visible = Visible;
}

// The won level's result has gone: when the level offers a bonus stage not yet
// played, the stage is announced. It counts as played from now on.
bool TFormMain::OfferBonusStage() {
    if (!Bonus.Manager->HasBonusStage(CurrentIsland, CurrentLevel)) return false;
    ResetRoundObjects();
    Round.Objective = goBonusStage;
    Bonus.Clock->SetClockPaused(true);
    Fairy->Visible = false;
    Bonus.Manager->MarkBonusPlayed(CurrentIsland, CurrentLevel);
    Bonus.Animals->UseLadybugStage();
    Bonus.Animals->UseIslandValues(CurrentIsland);
    Bonus.Animals->MaxToolKind = RoundLevel.Start.Tools.MaxToolKind;

    Gauges.ObjectiveLogo->ObjectiveKind = goBonusStage;
    Panels.LeftPanel->Show();
    Panels.MoneyPanel->Show();
    Bonus.Manager->Scene = bsInitialInfo;
    // The announcement and the result draw the stage underneath.
    OverlayBackgroundScene = gsBonusStage;
    StartTransition(gsObjectiveInfo);
    Gauges.ObjectiveInfo->Start(goBonusStage);
    MusicBox->SelectTrack(muBonusStage);
    return true;
}

// The stage's images are in: the click box and the digits take their sizes.
void TFormMain::BonusStageImagesReady() {
    Bonus.Animals->TakeAnimalSize();
    Bonus.Clock->TakeDigitWidth();
}

// The bonus stage's announcement has hidden: the stage starts playing.
void TFormMain::BonusStageHidingComplete() {
    Bonus.Manager->Scene = bsPlaying;
    Bonus.Animals->StartAnimals();
    Bonus.Clock->ResetClock();
    Bonus.Clock->StartClock();
    // Hidden under the in-game menu, the clock waits for it to close.
    Bonus.Clock->SetClockPaused(Round.Clocks.Any());
    AnnounceWaitingTrophies();
}

void TFormMain::BonusAnimalHit(TPoint HitPos, TBonusKind Kind, int32_t Amount, char Letter) {
    const int32_t X = HitPos.X;
    const int32_t Y = HitPos.Y;
    const int32_t MoneyPerAnimal = Bonus.Animals->MoneyPerAnimal;
    Bonus.Shine->Start(X + 15, Y + 15);
    Bonus.Words->AddRandomWord(X, Y);
    Scoring.Score->Add(12);
    Scoring.Money->Add(MoneyPerAnimal);
    if (Kind != boMoney) Scoring.MoneyEffect->Add(MoneyPerAnimal, X + 15, Y + 30);
    switch (Kind) {
        case boMoney:
            Scoring.MoneyEffect->Add(Amount, X, Y + 30);
            Scoring.FlowingMoneyIcon->Start(X, Y, Amount);
            break;
        case boMagicKey:
        case boBroom:
        case boAerosol: {
            const int32_t ToolIdx = ToolIdxOfBonus(Kind);
            Tools.Flying[ToolIdx - 1]->StartAt(X, Y, ToolIdx);
            break;
        }
        case boLetter:
            Bonus.FlyingLetters->LaunchLetter(Letter, HitPos, Bonus.Letters->LetterSlotPos(Letter));
            break;
        case boScore: break;
    }
}

// The stage's closing comment has waved: the clock fades, a full BONUS row pays
// its jackpot, and the result window slides in with the stage's figures.
void TFormMain::BonusStageCommentFinished() {
    Panels.LeftPanel->Hide();
    MusicBox->SelectTrack(muLevelClear);
    Bonus.Clock->FadeOutClock();
    const bool AllLetters = Bonus.Letters->AllLettersAcquired();
    if (AllLetters) TBonusResultStats::PayLettersJackpot(*Scoring.Money, Bonus.Animals->BONUSLettersMoney);
    Bonus.Manager->Scene = bsScoring;
    Bonus.Stats->SetAnimalsHit(Bonus.Animals->AnimalsHit());
    Bonus.Stats->SetAccuracy(Bonus.Animals->HitAccuracy());
    Bonus.Stats->SetAcquiredMoney(Bonus.Animals->MoneyWon());
    Bonus.Stats->SetBONUSMoney(AllLetters ? Bonus.Animals->BONUSLettersMoney : 0);
    GameScene->SetValue(gsStageResult);
    Results.OKButton->ClearMouseState();
    Results.Window->Show();
    // The money won is kept as the result comes in, with the jackpot already paid.
    SaveProgress();
}

// The result window has slid in: a full BONUS row gets the silver shine.
void TFormMain::BonusResultShowingComplete() {
    if (Bonus.Letters->AllLettersAcquired()) {
        StartMedalShine(mdSilver);
        PlaySoundEffect("NotifyHigh");
    } else {
        PlaySoundEffect("NotifyLow");
    }
}

// The bonus stage's figures on the result window.
void TFormMain::DrawBonusResult() {
    const TPoint Pos = Results.Window->Position();
    Bonus.Stats->Left = Pos.X + BonusStatsOffset.X;
    Bonus.Stats->Top = Pos.Y + BonusStatsOffset.Y;
    Bonus.Stats->DrawStats();
}

// --- The scene ----------------------------------------------------------------------

void TFormMain::FrameBonusStage() {
    Panels.MoneyPanel->Update();
    DrawLateLoadImage(FBackgroundImage, 0, 0, true);
    FrameBounceDust();
    Bonus.Animals->UpdateAndDraw();
    Bonus.Shine->UpdateAndDraw();
    Comments.Round().UpdateAndDraw();
    // The tools hang on the panel's wall with their counts but cannot be taken in the stage.
    FrameLeftPanel(false);
    Scoring.MoneyEffect->UpdateAndDraw();
    Bonus.Words->UpdateAndDraw();
    Bonus.FlyingLetters->UpdateAndDraw();
    Bonus.Letters->DrawLetters();
    for (auto& Flying : Tools.Flying) Flying->UpdateAndDraw();
    Bonus.Clock->UpdateAndDraw();
    DrawMoneyPanel();
    Scoring.FlowingMoneyIcon->UpdateAndDraw();
    DrawPausedSign();
    FrameScreenDust();
}

void TFormMain::MouseMoveBonusStage(int32_t X, int32_t Y) { Panels.MenuButton->MouseMove(X, Y); }

// A press ends the start signal's waving and, while the stage plays, is a click
// at the ladybugs: the first clicks count.
void TFormMain::MouseDownBonusStage(TMouseButton Button, int32_t X, int32_t Y) {
    if (Comments.Round().CommentType() == coGo) Comments.Round().SkipWaving();
    if (Bonus.Manager->Scene == bsPlaying && !Round.Paused) Bonus.Animals->ClickAt(X, Y, Button);
    Panels.MenuButton->MouseDown(X, Y, Button);
}

void TFormMain::MouseUpBonusStage(int32_t X, int32_t Y) { Panels.MenuButton->MouseUp(X, Y); }
