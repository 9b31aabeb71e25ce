// The trophies and the incentives of island 1 in the game: what counts toward a
// trophy, where its window may open and what it holds up while it shows, the
// incentive window before a level's announcement, the tools a won level
// unlocks, and the trophy cabinet the menu opens.
#include "FormMainClass.h"

namespace {

// The cabinet panel slides down into place.
constexpr TPoint CabinetShown{140, 20};
constexpr TPoint CabinetHidden{140, -580};
constexpr int32_t CabinetStep = 20;
constexpr TPoint CabinetBackButtonPos{22, 540};

// A trophy's window may open over the running round, the bonus stage, the round's
// result and the garden, and over another trophy's window as it goes.
bool TrophyWindowAllowed(TGameSceneValues Scene) {
    return Scene == gsMainGame || Scene == gsBonusStage || Scene == gsStageResult || Scene == gsMirelIsland ||
           Scene == gsNewTrophy;
}

}  // namespace

void TFormMain::CreateTrophies() {
    TTrophyParts& T = Trophies;
    T.Manager.OnNewTrophy = [this](TObject*, TTrophyKind Kind, bool& CanAnnounce) {
        CanAnnounce = OpenTrophyWindow(Kind);
    };

    T.Announcer.OmgImgList = &OmegaImageList1;
    T.Announcer.OmgFont = &OmegaFont_Size10;
    T.Announcer.OmgSmallFont = &OmegaFont_Size8;
    T.Announcer.TextStringsComp = TextStrings.get();
    T.Announcer.OnStartShowing = [this](TObject*) {
        PlaySoundEffect("NotifyHigh");
        ScreenDarkener->FadeIn();
        const TPoint Centre{TTrophyAnnouncer::ShownLeft + TTrophyAnnouncer::TrophyOffset.X + 50,
                            TTrophyAnnouncer::ShownTop + TTrophyAnnouncer::TrophyOffset.Y + 50};
        StartTrophyWindowShine(Centre);
        StartConfettiFireworks(Centre);
    };
    T.Announcer.OnStartHiding = [this](TObject*) { ScreenDarkener->FadeOut(); };
    T.Announcer.OnHidingComplete = [this](TObject*) { TrophyWindowGone(); };

    T.IncentiveAnnouncer.OmgImgList = &OmegaImageList1;
    T.IncentiveAnnouncer.OmgFont = &OmegaFont_Size10;
    T.IncentiveAnnouncer.OmgSmallFont = &OmegaFont_Size8;
    T.IncentiveAnnouncer.TextStringsComp = TextStrings.get();
    T.IncentiveAnnouncer.OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    T.IncentiveAnnouncer.OnStartHiding = [this](TObject*) { ScreenDarkener->FadeOut(); };
    T.IncentiveAnnouncer.OnHidingComplete = [this](TObject*) { IncentiveWindowGone(); };

    T.CabinetPanel.Left = CabinetShown.X;
    T.CabinetPanel.Top = CabinetShown.Y;
    T.CabinetPanel.HideLeft = CabinetHidden.X;
    T.CabinetPanel.HideTop = CabinetHidden.Y;
    T.CabinetPanel.HorzStep = CabinetStep;
    T.CabinetPanel.VertStep = CabinetStep;
    T.CabinetPanel.PutAtHiddenPos();
    T.CabinetPanel.OnPosUpdate = [this](TObject*, TPoint Pos) { Trophies.Cabinet.SetPanelPos(Pos); };
    T.Cabinet.OmgImgList = &OmegaImageList1;
    T.Cabinet.OnSelectionChange = [this](TObject*, int32_t TrophyIdx) {
        Trophies.ToolTip.ShowTrophy(TrophyIdx, Trophies.Cabinet.PlaceCentre(TrophyIdx));
    };
    T.ToolTip.OmgImgList = &OmegaImageList1;
    T.ToolTip.OmgFont = &OmegaFont_Size10;
    T.ToolTip.OmgSmallFont = &OmegaFont_Size8;
    T.ToolTip.TextStringsComp = TextStrings.get();
    T.ToolTip.SetTextAdjustment(SettingLoader->ToolTipTextOffset());
    T.BackButton.OmgImgList = &OmegaImageList1;
    T.BackButton.ImageName = "WindowBackButton";
    T.BackButton.Left = CabinetBackButtonPos.X;
    T.BackButton.Top = CabinetBackButtonPos.Y;
    T.BackButton.OnClick = [this](TObject*) { StartTransition(TrophiesReturnScene); };

    // The trophies' flags and counts, the incentives seen and the tools unlocked are
    // the player's. A new player's flags come in before anything else of the record,
    // so the score total set after them is tested against this player's trophies.
    TProgressLoadedEvent Loaded = PlayerProgress->OnProgressLoaded;
    PlayerProgress->OnProgressLoaded = [this, Loaded](TObject* Sender, const TProgressRecord& Record) {
        Trophies.Manager.LoadSaved(Record);
        Trophies.Incentives.LoadSaved(Record);
        Trophies.ResultFlowWaiting = false;
        if (Loaded) Loaded(Sender, Record);
    };
    TProgressCollectEvent Collect = PlayerProgress->OnProgressCollect;
    PlayerProgress->OnProgressCollect = [this, Collect](TObject* Sender, TProgressRecord& Record) {
        if (Collect) Collect(Sender, Record);
        Trophies.Manager.StoreSaved(Record);
        Trophies.Incentives.StoreSaved(Record);
    };
}

void TFormMain::InitTrophyImages() {
    Trophies.Announcer.InitImages();
    Trophies.IncentiveAnnouncer.InitImages();
    Trophies.Cabinet.InitImages();
    Trophies.BackButton.InitImageSize();
}

// --- Counting ----------------------------------------------------------------------

void TFormMain::CountLandedFruitForTrophies() {
    // The bonus stage's animals are no fruits of the trophies.
    if (Round.Objective != goBonusStage) Trophies.Manager.CountFruit();
}
void TFormMain::CountLockerFrameForTrophies() { Trophies.Manager.CountLockerFrame(); }
void TFormMain::CountFlowerForTrophies() { Trophies.Manager.CountFlower(); }
void TFormMain::CountWormForTrophies() { Trophies.Manager.CountWorm(); }
void TFormMain::CountSpiderForTrophies() {
    if (Round.Objective == goSpiderHunt) {
        Trophies.Manager.CountHuntedSpider();
    } else {
        Trophies.Manager.CountSpider();
    }
}
void TFormMain::TestScoreTrophies() { Trophies.Manager.TestScore(Scoring.Score->Value()); }

// Test mode: the medal and all-levels trophies earned, without their windows.
void TFormMain::ApplyTestModeTrophies() { Trophies.Manager.EarnTestModeTrophies(); }

// --- The trophy window ------------------------------------------------------------

// Asked by the trophies' rules before a window opens. The scene holder already
// reports the scene the trophy was earned in.
bool TFormMain::OpenTrophyWindow(TTrophyKind Kind) {
    const TGameSceneValues Now = Scene();
    if (!TrophyWindowAllowed(Now)) return false;
    if (Now != gsNewTrophy) {
        TrophyBackgroundScene = Now;
        GameScene->SetValue(gsNewTrophy);
    }
    // The round's and the bonus stage's clocks stand still while the window shows.
    SetClockPause(prTrophyWindow, true);
    Trophies.Announcer.OKButton().ClearMouseState();
    Trophies.Announcer.Announce(Kind);
    return true;
}

// The window has slid out: the next waiting trophy, else back to where it was
// earned, where a win or a result flow held for it goes on.
void TFormMain::TrophyWindowGone() {
    Trophies.Manager.AnnouncementClosed();
    if (Trophies.Manager.AnnounceNext()) return;
    SetClockPause(prTrophyWindow, false);
    const TGameSceneValues Back = TrophyBackgroundScene;
    GameScene->SetValue(Back);
    if (Back == gsMainGame && Trophies.Manager.RoundWonPending()) {
        Trophies.Manager.SetRoundWonPending(false);
        RoundClear();
    } else if (Back == gsStageResult && Trophies.ResultFlowWaiting) {
        Trophies.ResultFlowWaiting = false;
        LeaveRound();
    }
}

void TFormMain::FrameNewTrophy() {
    SceneFrame(TrophyBackgroundScene);
    ScreenDarkener->UpdateAndDraw();
    FrameTrophyWindowShine();
    Trophies.Announcer.UpdateAndDraw();
    // The round leaves its confetti to this scene, which draws it over the window.
    FrameConfetti();
}

// --- The round's ties ------------------------------------------------------------------

// A level starts: no window shows, no win waits; trophies earned elsewhere keep waiting.
void TFormMain::ResetTrophiesForRound() {
    Trophies.Manager.Reset();
    Trophies.Announcer.Reset();
    Trophies.IncentiveAnnouncer.Reset();
    Trophies.ResultFlowWaiting = false;
}

bool TFormMain::TrophyAnnouncing() const { return Trophies.Manager.Announcing(); }

// The objective was met while a trophy window shows: the round is won once it has gone.
void TFormMain::HoldWinForTrophy() { Trophies.Manager.SetRoundWonPending(true); }

// Time is up: a win waiting for a trophy window is dropped.
void TFormMain::DropPendingWin() { Trophies.Manager.SetRoundWonPending(false); }

// The round starts running, or a bonus stage starts playing: waiting trophies get their chance.
void TFormMain::AnnounceWaitingTrophies() { Trophies.Manager.AnnounceNext(); }

// The result window has slid out: the medals' trophies, and any still waiting. True
// when a window opened; the result flow goes on when the last has gone.
bool TFormMain::TestLevelTrophies() {
    Trophies.Manager.TestLevelTrophies(*Map.LevelDots);
    Trophies.Manager.AnnounceNext();
    Trophies.ResultFlowWaiting = Trophies.Manager.Announcing();
    return Trophies.ResultFlowWaiting;
}

// The garden's first frame: half and whole garden, then anything still waiting.
void TFormMain::TestGardenTrophies() {
    ++Garden.TrophyTestCount;
    Trophies.Manager.TestGarden(Garden.Shop->GardenPercent());
    Trophies.Manager.AnnounceNext();
}

// --- Incentives ---------------------------------------------------------------------

// At level start, once the level's file was read: a new feature of island 1 is
// presented before the objective's announcement, at every start until the level is won.
bool TFormMain::ShowIncentiveForLevel() {
    if (Round.Objective == goBonusStage || !Trophies.Incentives.IsDue(CurrentIsland, CurrentLevel)) return false;
    Trophies.PendingIncentive = TIncentiveManager::IncentiveOf(CurrentIsland, CurrentLevel);
    SetClockPause(prIncentive, true);
    StartTransition(gsNewIncentive);
    return true;
}

// The round's scene is on screen: the window slides in.
void TFormMain::IncentiveEntryActions() {
    Trophies.IncentiveAnnouncer.OKButton().ClearMouseState();
    Trophies.IncentiveAnnouncer.Announce(Trophies.PendingIncentive);
}

// The window has slid out: only now does the objective's announcement begin.
void TFormMain::IncentiveWindowGone() {
    SetClockPause(prIncentive, false);
    GameScene->SetValue(gsObjectiveInfo);
    Gauges.ObjectiveInfo->Start(Round.Objective);
}

void TFormMain::FrameNewIncentive() {
    FrameMainGame();
    ScreenDarkener->UpdateAndDraw();
    Trophies.IncentiveAnnouncer.UpdateAndDraw();
}

// Round won: the level's incentive is shown for good and may unlock a tool.
void TFormMain::MarkIncentiveAndUnlockTools() {
    Trophies.Incentives.MarkShown(CurrentIsland, CurrentLevel);
    Trophies.Incentives.UnlockTools(CurrentIsland, CurrentLevel);
}

// --- The cabinet ----------------------------------------------------------------------

// The menu's Trophies button: the player's trophies in the cabinet, sliding in.
void TFormMain::EnterTrophyCabinet() {
    TTrophyParts& T = Trophies;
    T.Cabinet.Earned = T.Manager.Earned();
    T.Cabinet.Prepare();
    T.CabinetPanel.Show();
    T.ToolTip.Reset();
    T.BackButton.ClearMouseState();
    ResetCabinetShine();
    StartTransition(gsTrophies);
}

// The cabinet's own images are in memory: the tip takes its card's size.
void TFormMain::TrophyCabinetImagesReady() { Trophies.ToolTip.InitImages(); }

void TFormMain::FrameTrophies() {
    TTrophyParts& T = Trophies;
    if (TImageListItem* Background = OmegaImageList1.Find("Help0")) Background->Draw(0, 0, 0);
    T.BackButton.Draw();
    T.CabinetPanel.Update();
    if (TImageListItem* Panel = OmegaImageList1.Find("TrophyBG")) {
        const TPoint At = T.CabinetPanel.CurrentPos();
        Panel->Draw(At.X, At.Y, 0);
    }
    T.Cabinet.UpdateAndDraw();
    FrameCabinetShine();
    T.ToolTip.UpdateAndDraw();
    FrameScreenDust();
}

// Where the cabinet's shine goes next: a random earned trophy's centre, at its scale.
bool TFormMain::CabinetShinePlace(TPoint& Pos, float& Size) const {
    const int32_t TrophyIdx = Trophies.Cabinet.RandomEarnedIdx();
    if (TrophyIdx == 0) return false;
    Pos = Trophies.Cabinet.PlaceCentre(TrophyIdx);
    Size = static_cast<float>(Trophies.Cabinet.PlaceScale(TrophyIdx));
    return true;
}

void TFormMain::MouseMoveTrophies(int32_t X, int32_t Y) {
    Trophies.BackButton.MouseMove(X, Y);
    Trophies.Cabinet.MouseMove(X, Y);
}

void TFormMain::MouseDownTrophies(TMouseButton Button, int32_t X, int32_t Y) {
    Trophies.BackButton.MouseDown(X, Y, Button);
}

void TFormMain::MouseUpTrophies(int32_t X, int32_t Y) { Trophies.BackButton.MouseUp(X, Y); }
