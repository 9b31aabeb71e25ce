// The round: creating and wiring the board and the round's objects, starting a
// level in the game's order, and the main-game scene's frame and mouse handling.
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"
#include "MessageBoxClass.h"
#include "SFXPlayerClass.h"

namespace {
// The round timer's tube, shown at the right edge of the board.
constexpr int32_t TubeTimerLeft = 741;
constexpr int32_t TubeTimerHideLeft = 800;
constexpr int32_t TubeTimerTop = 111;
// The left panel slides in from the left; the money panel drops from the top.
constexpr int32_t LeftPanelHideX = -170;
constexpr TPoint MoneyPanelShown{643, 0};
constexpr TPoint MoneyPanelHidden{643, -70};
constexpr TPoint PausedSignPos{387, 258};
}  // namespace

void TFormMain::CreateRoundObjects() {
    GameBoard = std::make_unique<TGameBoard>();
    GameBoard->OmgImgList = &OmegaImageList1;
    GameBoard->Left = BoardScreenLeft;
    GameBoard->Top = BoardScreenTop;
    FBombAnim.SetSeq("111222333444555666");
    FBombAnim.Looped = true;
    WireBoardEvents();
    WireSwapEffects();
    WireFallingEffects();
    WireSpecialObjects();
    FairyDust = std::make_unique<TFairyDust>();
    FairyDust->OmgImgList = &OmegaImageList1;
    CreateFairy();
    CreateWorms();
    CreateSpiders();
    CreateMonsters();
    BoardEffects.ShuffleAway = std::make_unique<TShuffleAwayEffect>();
    BoardEffects.LostBoard = std::make_unique<TLostBoardEffect>();
    BoardEffects.ShuffleAway->OmgImgList = &OmegaImageList1;
    BoardEffects.ShuffleAway->Left = GameBoard->Left;
    BoardEffects.ShuffleAway->Top = GameBoard->Top;
    BoardEffects.LostBoard->OmgImgList = &OmegaImageList1;
    BoardEffects.LostBoard->Left = GameBoard->Left;
    BoardEffects.LostBoard->Top = GameBoard->Top;
    CreateRoundGauges();
    CreateRoundPanels();
    CreateInGameMenu();
    CreateRoundResults();
    CreateCommentWriters();
    PlayerProgress = std::make_unique<TPlayerProgress>();
    WireRoundEvents();
    CreateTools();
    // After the round's own progress handlers, which the stage's played flags join.
    CreateBonusStage();
}

// Every event the board raises reaches a handler here; the effects that answer
// them are added with their own parts of the game.
void TFormMain::WireBoardEvents() {
    GameBoard->OnFallingFruitsEffectRequest = [](TObject*, TBoardData, TSimpleObjectArray) {};
}

void TFormMain::CreateRoundGauges() {
    Gauges.TubeTimer = std::make_unique<TTubeTimer>();
    TTubeTimer& Timer = *Gauges.TubeTimer;
    Timer.OmgImgList = &OmegaImageList1;
    Timer.Left = TubeTimerLeft;
    Timer.HideLeft = TubeTimerHideLeft;
    Timer.Top = TubeTimerTop;
    Timer.Paused = true;
    Timer.Reset();
    Gauges.ProgressTube = std::make_unique<TProgressTube>();
    Gauges.ProgressTube->OmgImgList = &OmegaImageList1;
    Gauges.FruitGather = std::make_unique<TFruitGather>();
    Gauges.FruitGather->OmgImgList = &OmegaImageList1;
    Gauges.FruitGather->OmgFont = &OmegaFont_Size10;
    Gauges.ObjectiveLogo = std::make_unique<TObjectiveLogo>();
    Gauges.ObjectiveLogo->OmgImgList = &OmegaImageList1;
    Gauges.ObjectiveInfo = std::make_unique<TObjectiveInfo>();
    Gauges.ObjectiveInfo->OmgImgList = &OmegaImageList1;
    Gauges.IslandDigit = std::make_unique<TInfoDigit>();
    Gauges.IslandDigit->OmgImgList = &OmegaImageList1;
    Gauges.IslandDigit->DigitImg = "LevelInfoDigit";
    Gauges.LevelDigit = std::make_unique<TInfoDigit>();
    Gauges.LevelDigit->OmgImgList = &OmegaImageList1;
    Gauges.LevelDigit->DigitImg = "LevelInfoDigit";

    Scoring.Score = std::make_unique<TJackpotScore>();
    TJackpotScore& Score = *Scoring.Score;
    Score.OmgImgList = &OmegaImageList1;
    Score.OmgFont = &OmegaFont_Size8;
    Score.Kind = jkDefault;
    Score.DigitImg = "Score";
    Score.DigitBlurImg = "ScoreBlur";
    Score.Digits = 6;
    Score.Increment = 9;
    Scoring.Money = std::make_unique<TJackpotScore>();
    TJackpotScore& Money = *Scoring.Money;
    Money.OmgImgList = &OmegaImageList1;
    Money.OmgFont = &OmegaFont_Size10;
    Money.Kind = jkMoney;
    Money.DigitImg = "Money";
    Money.DigitBlurImg = "MoneyBlur";
    Money.Digits = 6;
    Money.Increment = 3;
    Scoring.Combos = std::make_unique<TCombos>();
    Scoring.Combos->OmgImgList = &OmegaImageList1;
    Scoring.MoneyEffect = std::make_unique<TMoneyEffect>();
    Scoring.MoneyEffect->OmgImgList = &OmegaImageList1;
    Scoring.MoneyEffect->Image = "MoneyEffect";
    Scoring.FlowingMoneyIcon = std::make_unique<TFlowingMoneyIcon>();
    Scoring.FlowingMoneyIcon->OmgImgList = &OmegaImageList1;
    Scoring.TaviScoring = std::make_unique<TTaviScoring>();
    Scoring.TaviScoring->OmgImgList = &OmegaImageList1;
}

void TFormMain::CreateRoundPanels() {
    Panels.LeftPanel = std::make_unique<TGameMenuWindow>();
    TGameMenuWindow& Left = *Panels.LeftPanel;
    Left.OmgImgList = &OmegaImageList1;
    Left.WindowImg = "LeftPanel";
    Left.Left = 0;
    Left.Top = 0;
    Left.HidingXPos = LeftPanelHideX;
    Left.HidingYPos = 0;
    Left.ShowDir = sdToRight;
    Left.MoveStep = 3;
    Left.Reset();
    Panels.MoneyPanel = std::make_unique<TPanelMover>();
    TPanelMover& MoneyPanel = *Panels.MoneyPanel;
    MoneyPanel.Left = MoneyPanelShown.X;
    MoneyPanel.Top = MoneyPanelShown.Y;
    MoneyPanel.HideLeft = MoneyPanelHidden.X;
    MoneyPanel.HideTop = MoneyPanelHidden.Y;
    MoneyPanel.HorzStep = 1;
    MoneyPanel.VertStep = 1;
    MoneyPanel.PutAtHiddenPos();
    Panels.MenuButton = std::make_unique<TGameButton>();
    Panels.MenuButton->OmgImgList = &OmegaImageList1;
    Panels.MenuButton->ImageName = "InGameMenuButton";
    Panels.MenuButton->PushedAdjustEnabled = true;
    Panels.ShuffleButton = std::make_unique<TShuffleButton>();
    Panels.ShuffleButton->OmgImgList = &OmegaImageList1;
    // "Paused" breathes between faint and full.
    Panels.PausedPulse = std::make_unique<TValueUpDown>();
    Panels.PausedPulse->Setup(14, 14, 600, 100);
    PlaceLeftPanelParts(Left.Position());
}

void TFormMain::CreateCommentWriters() {
    // The round's words and the flowers' names centre on the board (x about 448, at y 250
    // and 307), the map's news on the screen (about 398, at y 207).
    struct TWriterSettings {
        int32_t AdjustX, AdjustY;
        TShiftAdjListKind Shift;
        int32_t WavingTime;
    };
    const TWriterSettings Settings[CommentWriterCount] = {
        {50, -32, slNormal, 1500}, {50, 25, slShorter, 1500}, {0, -75, slShorter, 3000}};
    for (int32_t I = 0; I < CommentWriterCount; ++I) {
        Comments.Writers[I] = std::make_unique<TGameComment>();
        TGameComment& Writer = *Comments.Writers[I];
        Writer.OmgImgList = &OmegaImageList1;
        Writer.OmgFont = &OmegaFont_Size18;
        Writer.TextStringsComp = TextStrings.get();
        Writer.LettersImg = "CommentFont";
        Writer.AdditionalHorzSpace = 3;
        Writer.CenterAdjustX = Settings[I].AdjustX;
        Writer.CenterAdjustY = Settings[I].AdjustY;
        Writer.ShiftAdjListKind = Settings[I].Shift;
        Writer.WavingTime = Settings[I].WavingTime;
    }
}

// The left panel carries the level's numbers, the objective, the tools, the shuffle
// button, the score and the menu button wherever it is.
void TFormMain::PlaceLeftPanelParts(TPoint P) {
    Gauges.IslandDigit->Left = P.X + 67;
    Gauges.IslandDigit->Top = P.Y + 25;
    Gauges.LevelDigit->Left = P.X + 84;
    Gauges.LevelDigit->Top = P.Y + 25;
    Gauges.ObjectiveLogo->Left = P.X + 10;
    Gauges.ObjectiveLogo->Top = P.Y + 55;
    PlaceToolsOnPanel(P);
    Panels.ShuffleButton->Left = P.X + 29;
    Panels.ShuffleButton->Top = P.Y + 363;
    Scoring.Score->Left = P.X + 36;
    Scoring.Score->Top = P.Y + 480;
    Panels.MenuButton->Left = P.X + 36;
    Panels.MenuButton->Top = P.Y + 529;
    // The shuffle button's shine comes with its part.
}

// After the main image set is in memory: sizes the round's objects read from their images.
void TFormMain::InitRoundImages() {
    Gauges.TubeTimer->InitImages();
    Gauges.ProgressTube->InitImages();
    Gauges.FruitGather->InitImages();
    Gauges.ObjectiveInfo->InitImages();
    Gauges.IslandDigit->InitImages();
    Gauges.LevelDigit->InitImages();
    Scoring.Score->InitImages();
    Scoring.Money->InitImages();
    Scoring.MoneyEffect->InitImages();
    Panels.MenuButton->InitImageSize();
    Panels.ShuffleButton->TakeImageSizes();
    for (TGameButton* Button : {Panels.ResumeButton.get(), Panels.RestartButton.get(), Panels.OptionsButton.get(),
                                Panels.HelpButton.get(), Panels.ToMapButton.get(), Results.OKButton.get()}) {
        Button->InitImageSize();
    }
    for (auto& Writer : Comments.Writers) Writer->TakeLetterSize();
    InitSpiderImages();
}

// --- Level start ------------------------------------------------------------

bool TFormMain::StartLevel(int32_t Island, int32_t Level) {
    TLevelStartContext Context;
    Context.Island = Island;
    Context.Level = Level;
    Context.MaxUnlockedToolKind = Trophies.Incentives.MaxUnlockedToolKind;
    Context.TestMode = TestModeObjectivesOfOne;
    // The file first: a missing or damaged one is told and changes nothing.
    TRoundLevel Read;
    if (!ReadRoundLevel(Context, Read)) return false;
    RoundLevel = Read;
    CurrentIsland = Island;
    CurrentLevel = Level;

    ResetRoundObjects();
    ConfigureRoundFromLevel();
    return true;
}

// Every object of the round back to its start.
void TFormMain::ResetRoundObjects() {
    SceneTransition->Cancel();
    ScreenDarkener->SwitchOff();
    Panels.MoneyPanel->PutAtHiddenPos();
    Gauges.TubeTimer->Reset();
    ResetTutorialForRound();
    ResetWormsForRound();
    ResetSpidersForRound();
    ResetBonusForRound();
    Scoring.MoneyEffect->Reset();
    Gauges.ObjectiveInfo->Reset();
    ResetPlantAnnouncerForRound();
    for (auto& Writer : Comments.Writers) Writer->Reset();
    GameBoard->ResetForRound();
    ClearSwapEffects();
    OpeningLockers->Clear();
    LockerPieces->Clear();
    FallingFruits->Clear();
    LockerFrameEffect->Clear();
    LockersAwayEffect->Clear();
    LockerFiller->Clear();
    BoardEffects.ShuffleAway->Clear();
    BoardEffects.LostBoard->Clear();
    Scoring.Combos->Reset();
    Scoring.TaviScoring->Reset();
    Panels.ShuffleButton->ResetForRound();
    ResetToolsForRound();
    ResetSpecialsForRound();
    Scoring.FlowingMoneyIcon->Reset();
    Gauges.ProgressTube->Reset();
    ResetMonstersForRound();
    Gauges.FruitGather->Reset();
    ResetTrophiesForRound();
    ResetFairyForRound();
    ResetDecorationsForRound();
    Results.Window->Reset();
    Panels.InGameMenu->Reset();
    Round.LevelScore = 0;
    Round.RoundOver = false;
    Round.TimeUp = false;
    Round.Paused = false;
    ApplyPause();
    Round.PausedBeforeMenu = false;
    Round.Clocks.Clear();
    // From the level start until its announcement has hidden, the round's time stands still.
    SetClockPause(prAnnouncement, true);
}

// The level's values go to the round's objects, in the game's order.
void TFormMain::ConfigureRoundFromLevel() {
    const TLevelStart& Start = RoundLevel.Start;
    const TLevelRecord& Values = Start.Values;
    Round.Objective = Values.Objective;
    Gauges.TubeTimer->Time = Values.Time;
    Panels.ShuffleButton->FullRequiredFruits = Values.FullRequiredFruits;
    Results.Medal->SilverReqTime = Start.SilverReqTime;
    Results.Medal->GoldReqTime = Start.GoldReqTime;
    Gauges.ProgressTube->FruitCountTarget = Values.FruitCountTarget;
    Gauges.FruitGather->SetTargets(Values);
    Round.RoundCleared = false;
    Gauges.ObjectiveLogo->ObjectiveKind = Round.Objective;
    Gauges.ProgressTube->Visible = Round.Objective == goTargetFruits;
    Gauges.FruitGather->Visible = Round.Objective == goCollectFruits || Round.Objective == goSpiderHunt;
    ApplyLevelToBoard(Start, *GameBoard);
    Bonus.Animals->MaxToolKind = Start.Tools.MaxToolKind;
    ConfigureSpecialsForLevel();
    ConfigureToolsForLevel();
    Scoring.Combos->MoneyPerFruitCombo = Start.MoneyPerCombo;

    // The board stays out of sight while the locker filler drops it in.
    StartFallingForLevel();
    PrepareDecorationsForLevel();
    Panels.LeftPanel->Show();
    Gauges.TubeTimer->Prepare();
    if (Round.Objective == goTargetFruits) Gauges.ProgressTube->Show();
    if (Gauges.FruitGather->Visible) Gauges.FruitGather->Show();
    SelectRoundMusic(Start, *MusicBox);

    // Monster images are the current island's only; the other islands' backgrounds go.
    UnloadImageGroup(icMonster - icTrophy);
    if (Round.Objective == goBeatMonster) LoadAllPngs(icMonster);
    Round.BackgroundIsland = CurrentIsland;
    FBackgroundImage = "GameBG" + std::to_string(CurrentIsland);
    for (int32_t Island = 1; Island <= 5; ++Island) {
        if (Island != CurrentIsland) UnloadImage("GameBG" + std::to_string(Island));
    }
    Gauges.IslandDigit->SetValue(CurrentIsland);
    Gauges.LevelDigit->SetValue(CurrentLevel);
    ShowFairyForLevel();
    PlaceTutorialForRound();
    Results.Stats->ProgressingMoneyStep = Results.Stats->MoneyStepForIsland(CurrentIsland);
    Bonus.Stats->ProgressingMoneyStep = Results.Stats->ProgressingMoneyStep;
    Gauges.ObjectiveInfo->ShowingTime = Start.ObjectiveInfoShowingTime;
    PrepareMonsterForLevel();
    Scoring.MoneyEffect->ScaleFactor = 0.7f;

    OverlayBackgroundScene = gsMainGame;
    if (!ShowIncentiveForLevel()) {
        StartTransition(gsObjectiveInfo);
        Gauges.ObjectiveInfo->Start(Round.Objective);
    }
}

// --- The frame -----------------------------------------------------------------

void TFormMain::FrameMainGame() {
    BombFrame = FBombAnim.CurrentPattern();
    FBombAnim.Advance();
    Panels.MoneyPanel->Update();
    DrawLateLoadImage(FBackgroundImage, 0, 0, true);
    FrameDecorationsBack();
    FrameFairyBehind();

    GameBoard->BoardFrame();
    LockerFiller->UpdateAndDraw();
    BoardEffects.LostBoard->UpdateAndDraw();
    BoardEffects.ShuffleAway->UpdateAndDraw();
    LockersAwayEffect->UpdateAndDraw();
    OpeningLockers->UpdateAndDraw();

    FrameGlobalShine();
    Gauges.ProgressTube->UpdateAndDraw();
    Gauges.FruitGather->UpdateAndDraw();
    FrameMonsters();
    FrameFlowerRow();
    FrameFairyInFront();

    // Over the board, in the order they stack.
    MatchedCyanEffect->Frame();
    FrameFallingPieces();
    SwapEffect->Frame();
    GroupedFruitsEffect->Frame();
    FrameBounceDust();
    FrameFallingFruits();
    FrameHammeredObjects();
    FrameWorms();
    FrameWebsAndSpiders();
    FrameLockerFrames();
    FrameSpecialShines();
    FrameHammerBlasterBomb();
    FrameLockerFrameEffect();
    FrameUniBubble();
    FrameFlowerButterflies();
    FrameNewFlowerAndStars();

    Comments.Round().UpdateAndDraw();
    FrameGardenButterflies();
    Comments.Flower().UpdateAndDraw();
    FrameDecorationsMiddle();
    Scoring.MoneyEffect->UpdateAndDraw();
    Scoring.Combos->UpdateAndDraw();

    Gauges.TubeTimer->UpdateAndDraw();
    if (Gauges.TubeTimer->RelaxedMode != rmYes) {
        FrameTubeBubbles();
        FrameAbsorbedEnergy();
    }
    FrameRoundPanels();
    FrameDecorationsFront();
    FrameToolsInHand();
    DrawPausedSign();
    FrameTutorial();
    FrameScreenDust();
    if (Scene() != gsNewTrophy) FrameConfetti();
}

// The pulsing "Paused" sign over a paused round or bonus stage.
void TFormMain::DrawPausedSign() {
    if (!Round.Paused) return;
    Panels.PausedPulse->Update();
    if (TImageListItem* Sign = OmegaImageList1.Find("Paused")) {
        const int32_t Alpha = std::min(Panels.PausedPulse->RoundedValue(), 255);
        Sign->DrawEx(PausedSignPos.X, PausedSignPos.Y, 0, 0.5f, 0.5f, 1, 1, 255, 255, 255, Alpha, 0, 0);
    }
}

// The left panel and everything it carries, then the money panel.
void TFormMain::FrameRoundPanels() {
    FrameLeftPanel(true);
    DrawMoneyPanel();
}

// The left panel with its digits, objective logo, tools, score and menu button;
// the bonus stage shows it without the shuffle button.
void TFormMain::FrameLeftPanel(bool WithShuffleButton) {
    Panels.LeftPanel->Update();
    Panels.LeftPanel->Draw();
    Gauges.IslandDigit->Draw();
    Gauges.LevelDigit->Draw();
    Gauges.ObjectiveLogo->Draw();
    FrameToolIcons();
    if (WithShuffleButton) {
        Panels.ShuffleButton->UpdateAndDraw();
        FrameShuffleBubbles();
        Panels.ShuffleButton->DrawEdgeCover();
        FrameShuffleShine();
    }
    Scoring.Score->UpdateAndDraw();
    Panels.MenuButton->Draw();
}

// --- Input -----------------------------------------------------------------------

void TFormMain::MouseMoveMainGame(int32_t X, int32_t Y) {
    Panels.ShuffleButton->MouseMove(X, Y);
    Panels.MenuButton->MouseMove(X, Y);
    ToolsMouseMove(X, Y);
    if (!ToolInHand()) {
        if (GameBoard->Dragging() && !SpecialEffectRunning() && TutorialAllowsBoardPress(mbLeft, X, Y)) {
            GameBoard->PressAt(X, Y, mbLeft);
        }
    }
    TutorialMouseMove(X, Y);
}

void TFormMain::MouseDownMainGame(TMouseButton Button, int32_t X, int32_t Y) {
    if (Button == mbLeft && TutorialAllowsDragging()) GameBoard->SetDragging(true);
    if (Comments.Round().CommentType() == coGo) Comments.Round().SkipWaving();
    Panels.ShuffleButton->MouseDown(X, Y, Button);
    Panels.MenuButton->MouseDown(X, Y, Button);
    if (FairyMouseDown(Button, X, Y)) return;
    if (ToolsMouseDown(Button, X, Y)) return;
    if (!ToolInHand() && !SpecialEffectRunning() && TutorialAllowsBoardPress(Button, X, Y)) {
        GameBoard->PressAt(X, Y, Button);
    }
    TutorialMouseDown(Button, X, Y);
}

void TFormMain::MouseUpMainGame(int32_t X, int32_t Y) {
    GameBoard->SetDragging(false);
    Panels.ShuffleButton->MouseUp(X, Y);
    Panels.MenuButton->MouseUp(X, Y);
}
