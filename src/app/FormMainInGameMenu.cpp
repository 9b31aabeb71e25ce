// The in-game menu and the round's questions: the menu window with its five
// buttons, what each leads to once the window has slid out, the questions of
// time up, leaving for the map and closing the game during a round, and the
// mouse and keys of the round's overlay scenes.
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"

namespace {
constexpr TPoint InGameMenuPos{320, 73};
constexpr int32_t InGameMenuHiddenY = -300;
constexpr const char* ResumeTag = "RESUME_GAME";
constexpr const char* RestartTag = "RESTART_GAME";
}  // namespace

void TFormMain::CreateInGameMenu() {
    Panels.InGameMenu = std::make_unique<TGameMenuWindow>();
    TGameMenuWindow& Menu = *Panels.InGameMenu;
    Menu.OmgImgList = &OmegaImageList1;
    Menu.WindowImg = "InGameMenuWindow";
    Menu.Left = InGameMenuPos.X;
    Menu.Top = InGameMenuPos.Y;
    Menu.HidingXPos = InGameMenuPos.X;
    Menu.HidingYPos = InGameMenuHiddenY;
    Menu.ShowDir = sdToDown;
    Menu.MoveStep = 45;
    Menu.Reset();
    const auto MakeButton = [this](std::unique_ptr<TGameButton>& Button, const char* Image) {
        Button = std::make_unique<TGameButton>();
        Button->OmgImgList = &OmegaImageList1;
        Button->ImageName = Image;
    };
    MakeButton(Panels.ResumeButton, "InGameResumeButton");
    MakeButton(Panels.RestartButton, "InGameRestartButton");
    MakeButton(Panels.OptionsButton, "InGameOptionsButton");
    MakeButton(Panels.HelpButton, "InGameHelpButton");
    MakeButton(Panels.ToMapButton, "InGameToMapButton");
    Menu.OnPosUpdate = [this](TObject*, TPoint Pos) {
        TGameButton* Rows[4] = {Panels.ResumeButton.get(), Panels.RestartButton.get(), Panels.OptionsButton.get(),
                                Panels.HelpButton.get()};
        for (int32_t I = 0; I < 4; ++I) {
            Rows[I]->Left = Pos.X + 71;
            Rows[I]->Top = Pos.Y + 124 + 51 * I;
        }
        Panels.ToMapButton->Left = Pos.X + 71;
        Panels.ToMapButton->Top = Pos.Y + 347;
    };
    Menu.OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    Menu.OnStartHiding = [this](TObject*) { InGameMenuStartHiding(); };
    Menu.OnHidingComplete = [this](TObject*) { InGameMenuHidingComplete(); };
    Panels.ResumeButton->OnClick = [this](TObject*) { InGameMenuButtonClick(ResumeTag); };
    Panels.RestartButton->OnClick = [this](TObject*) { InGameMenuButtonClick(RestartTag); };
    Panels.OptionsButton->OnClick = [this](TObject*) { OpenInGameOptions(); };
    Panels.HelpButton->OnClick = [this](TObject*) { OpenInGameHelp(); };
    Panels.ToMapButton->OnClick = [this](TObject*) { ShowConfirm(6, pbOK, nbCancel); };
}

void TFormMain::OpenInGameMenu() {
    if (Panels.InGameMenu->IsOpen()) return;
    OverlayBackgroundScene = Scene();
    Panels.RestartButton->Enabled = OverlayBackgroundScene != gsBonusStage;
    if (PausingAllowed()) {
        Round.PausedBeforeMenu = Round.Paused;
        Round.Paused = true;
        ApplyPause();
    }
    SetClockPause(prMenu, true);
    GameScene->SetValue(gsInGameMenu);
    for (TGameButton* Button : {Panels.ResumeButton.get(), Panels.RestartButton.get(), Panels.OptionsButton.get(),
                                Panels.HelpButton.get(), Panels.ToMapButton.get()}) {
        Button->ClearMouseState();
    }
    Panels.InGameMenu->Show();
}

void TFormMain::InGameMenuButtonClick(const char* Tag) {
    if (!Panels.InGameMenu->IsOpen() || Panels.InGameMenu->Phase() != TGameMenuWindow::phShown) return;
    Panels.InGameMenu->Tag = Tag;
    Panels.InGameMenu->Hide();
}

// Sliding out over the round: the screen lightens and the round goes on, unless
// the player had paused it before opening the menu.
void TFormMain::InGameMenuStartHiding() {
    if (Scene() != gsInGameMenu) return;
    ScreenDarkener->FadeOut();
    if (!Round.PausedBeforeMenu && Round.Paused) {
        Round.Paused = false;
        ApplyPause();
    }
    SetClockPause(prMenu, false);
}

void TFormMain::InGameMenuHidingComplete() {
    const bool Restart = Panels.InGameMenu->Tag == RestartTag;
    Panels.InGameMenu->Tag.clear();
    GameScene->SetValue(OverlayBackgroundScene);
    if (Restart) StartLevel(CurrentIsland, CurrentLevel);
}

// The answers of the round's questions, once the confirm window has slid out.
void TFormMain::ConfirmInRound(uint8_t Kind, bool PositiveAnswer) {
    switch (Kind) {
        case 0: TimeUpAnswered(PositiveAnswer); break;
        case 6:
            GameScene->SetValue(OverlayBackgroundScene);
            if (PositiveAnswer) {
                OfferHighScore();
                Panels.InGameMenu->Reset();
                SetClockPause(prMenu, false);
                StartTransition(gsMap);
            } else {
                // Back to the round itself: the menu is put away and the pause lifted
                // unless the player had paused before opening it.
                Panels.InGameMenu->Reset();
                SetClockPause(prMenu, false);
                if (!Round.PausedBeforeMenu && Round.Paused) {
                    Round.Paused = false;
                    ApplyPause();
                }
            }
            break;
        case 7:
            if (PositiveAnswer) {
                FormClose();
                return;
            }
            GameScene->SetValue(gsMainGame);
            if (!Round.PausedBeforeClose && Round.Paused) {
                Round.Paused = false;
                ApplyPause();
            }
            break;
        default: break;
    }
}

// --- Overlay scenes' mouse ------------------------------------------------------------

void TFormMain::MouseMoveInGameMenu(int32_t X, int32_t Y) {
    for (TGameButton* Button : {Panels.ResumeButton.get(), Panels.RestartButton.get(), Panels.OptionsButton.get(),
                                Panels.HelpButton.get(), Panels.ToMapButton.get()}) {
        Button->MouseMove(X, Y);
    }
}

void TFormMain::MouseDownInGameMenu(TMouseButton Button, int32_t X, int32_t Y) {
    for (TGameButton* MenuButton : {Panels.ResumeButton.get(), Panels.RestartButton.get(),
                                    Panels.OptionsButton.get(), Panels.HelpButton.get(), Panels.ToMapButton.get()}) {
        MenuButton->MouseDown(X, Y, Button);
    }
}

void TFormMain::MouseUpInGameMenu(int32_t X, int32_t Y) {
    for (TGameButton* Button : {Panels.ResumeButton.get(), Panels.RestartButton.get(), Panels.OptionsButton.get(),
                                Panels.HelpButton.get(), Panels.ToMapButton.get()}) {
        Button->MouseUp(X, Y);
    }
}

// Under the announcement a press only hurries it on; the menu button still opens the menu.
void TFormMain::MouseDownObjectiveInfo(TMouseButton Button, int32_t X, int32_t Y) {
    if (Panels.MenuButton->HitTest(X, Y)) {
        Panels.MenuButton->MouseDown(X, Y, Button);
        return;
    }
    Gauges.ObjectiveInfo->Skip();
}

void TFormMain::MouseMoveStageResult(int32_t X, int32_t Y) { Results.OKButton->MouseMove(X, Y); }

void TFormMain::MouseDownStageResult(TMouseButton Button, int32_t X, int32_t Y) {
    PlantAnnouncerPressed();
    Results.OKButton->MouseDown(X, Y, Button);
}

void TFormMain::MouseUpStageResult(int32_t X, int32_t Y) { Results.OKButton->MouseUp(X, Y); }

void TFormMain::FrameInGameMenu() {
    SceneFrame(OverlayBackgroundScene);
    ScreenDarkener->UpdateAndDraw();
    Panels.InGameMenu->Update();
    for (TGameButton* Button : {Panels.ResumeButton.get(), Panels.RestartButton.get(), Panels.OptionsButton.get(),
                                Panels.HelpButton.get(), Panels.ToMapButton.get()}) {
        Button->Draw();
    }
    Panels.InGameMenu->Draw();
}
