// The windows and screens opened from the menu and from the round's in-game
// menu: the options (heard at once, kept with OK, asking before full screen
// changes), the high scores, the credits and the illustrated help, and the
// questions they raise.
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"

namespace {
constexpr const char* MenuOptionsTag = "MENU_OPTIONS";
constexpr const char* InGameOptionsTag = "INGAME_OPTIONS";
constexpr int32_t VolumeButtonStep = 10;

void SetupWindow(TGameMenuWindow& Window, TOmegaImageList* Images, const char* Image, TPoint Shown, TPoint Hidden,
                 TShowDir Direction, int32_t Step) {
    Window.OmgImgList = Images;
    Window.WindowImg = Image;
    Window.Left = Shown.X;
    Window.Top = Shown.Y;
    Window.HidingXPos = Hidden.X;
    Window.HidingYPos = Hidden.Y;
    Window.ShowDir = Direction;
    Window.MoveStep = Step;
}

void SetupButton(TGameButton& Button, TOmegaImageList* Images, const char* Image, TNotifyEvent OnClick) {
    Button.OmgImgList = Images;
    Button.ImageName = Image;
    Button.OnClick = std::move(OnClick);
}

void SetupBox(TGameCheckBox& Box, TOmegaImageList* Images, const char* Image, int32_t Width, TNotifyEvent OnClick) {
    Box.OmgImgList = Images;
    Box.ImageName = Image;
    Box.Width = Width;
    Box.Height = 24;
    Box.OnClick = std::move(OnClick);
}

// Titles of the information windows are centred over their upper band.
int32_t InfoTitleX(int32_t WindowX, int32_t TitleWidth) { return WindowX + 82 + (165 - TitleWidth) / 2; }
}  // namespace

// --- Creation ---------------------------------------------------------------------------

void TFormMain::CreateOptionsWindow() {
    TOptionsParts& O = Menus.Options;
    SetupWindow(O.Window, &OmegaImageList1, "OptionsWindow", {217, 183}, {-360, 183}, sdToRight, 65);
    SetupButton(O.CreditsButton, &OmegaImageList1, "CreditsButton", [this](TObject*) { OpenCredits(); });
    SetupButton(O.OKButton, &OmegaImageList1, "WindowOKButton", [this](TObject*) { OptionsOKClick(); });
    SetupButton(O.EffectMinusButton, &OmegaImageList1, "VolumeMinusButton",
                [this](TObject*) { StepVolume(false, -VolumeButtonStep); });
    SetupButton(O.EffectPlusButton, &OmegaImageList1, "VolumePlusButton",
                [this](TObject*) { StepVolume(false, VolumeButtonStep); });
    SetupButton(O.MusicMinusButton, &OmegaImageList1, "VolumeMinusButton",
                [this](TObject*) { StepVolume(true, -VolumeButtonStep); });
    SetupButton(O.MusicPlusButton, &OmegaImageList1, "VolumePlusButton",
                [this](TObject*) { StepVolume(true, VolumeButtonStep); });
    O.EffectBar.OmgImgList = &OmegaImageList1;
    O.MusicBar.OmgImgList = &OmegaImageList1;
    SetupBox(O.SoundBox, &OmegaImageList1, "CheckBoxSound", 118, [this](TObject*) { SoundBoxClick(); });
    SetupBox(O.MusicBox, &OmegaImageList1, "CheckBoxMusic", 118, [this](TObject*) { MusicBoxClick(); });
    // The full-screen and tutorial boxes only change their own state until OK.
    SetupBox(O.FullScreenBox, &OmegaImageList1, "CheckBoxFullscreen", 118, nullptr);
    SetupBox(O.TutorialBox, &OmegaImageList1, "CheckBoxTutorial", 146, nullptr);
    O.Window.OnPosUpdate = [this](TObject*, TPoint Pos) {
        TOptionsParts& Parts = Menus.Options;
        const auto Place = [Pos](auto& Widget, int32_t X, int32_t Y) {
            Widget.Left = Pos.X + X;
            Widget.Top = Pos.Y + Y;
        };
        Place(Parts.CreditsButton, 67, 155);
        Place(Parts.OKButton, 196, 155);
        Place(Parts.EffectBar, 159, 45);
        Place(Parts.EffectMinusButton, 146, 48);
        Place(Parts.EffectPlusButton, 300, 48);
        Place(Parts.MusicBar, 159, 77);
        Place(Parts.MusicMinusButton, 146, 80);
        Place(Parts.MusicPlusButton, 300, 80);
        Place(Parts.SoundBox, 18, 46);
        Place(Parts.MusicBox, 18, 78);
        Place(Parts.FullScreenBox, 18, 108);
        Place(Parts.TutorialBox, 168, 108);
    };
    O.Window.OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    O.Window.OnStartHiding = [this](TObject*) { OptionsStartHiding(); };
    O.Window.OnHidingComplete = [this](TObject*) { OptionsHidingComplete(); };
    O.Window.Reset();
}

void TFormMain::CreateInfoWindows() {
    THighScoreParts& H = Menus.HighScores;
    SetupWindow(H.Window, &OmegaImageList1, "InfoWindow", {271, 130}, {800, 130}, sdToLeft, 65);
    SetupButton(H.OKButton, &OmegaImageList1, "WindowOKButton", [this](TObject*) {
        if (Menus.HighScores.Window.Phase() == TGameMenuWindow::phShown) Menus.HighScores.Window.Hide();
    });
    H.Window.OnPosUpdate = [this](TObject*, TPoint Pos) {
        Menus.HighScores.OKButton.Left = Pos.X + 119;
        Menus.HighScores.OKButton.Top = Pos.Y + 259;
    };
    H.Window.OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    H.Window.OnStartHiding = [this](TObject*) { ScreenDarkener->FadeOut(); };
    H.Window.OnHidingComplete = [this](TObject*) { GameScene->SetValue(gsMenu); };
    H.Window.Reset();
    for (std::string& Row : H.Rows) Row.reserve(HighScoreNameCapacity + 32);

    TCreditsParts& C = Menus.Credits;
    SetupWindow(C.Window, &OmegaImageList1, "InfoWindow", {232, 145}, {232, -350}, sdToDown, 45);
    SetupButton(C.DoneButton, &OmegaImageList1, "WindowDoneButton", [this](TObject*) {
        if (Menus.Credits.Window.Phase() == TGameMenuWindow::phShown) Menus.Credits.Window.Hide();
    });
    C.Lines.OmgImgList = &OmegaImageList1;
    C.Lines.OmgFont = &OmegaFont_Size8;
    C.Lines.TextStringsComp = TextStrings.get();
    C.Window.OnPosUpdate = [this](TObject*, TPoint Pos) {
        Menus.Credits.DoneButton.Left = Pos.X + 119;
        Menus.Credits.DoneButton.Top = Pos.Y + 259;
        Menus.Credits.Lines.Left = Pos.X + 48;
        Menus.Credits.Lines.Top = Pos.Y + 54;
    };
    C.Window.OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    C.Window.OnStartHiding = [this](TObject*) { CreditsStartHiding(); };
    C.Window.OnHidingComplete = [this](TObject*) { CreditsHidingComplete(); };
    C.Window.Reset();

    THelpParts& Help = Menus.Help;
    Help.Pages.OmgImgList = &OmegaImageList1;
    Help.Pages.GlobGameText = &GlobGameText;
    Help.Pages.OnLoadAnImage = [this](TObject*, const std::string& FileName) {
        const std::string Name = FileName.substr(0, FileName.size() - 4);
        if (!OmegaImageList1.Find(Name)) LoadImageFile(icMain, FileName, 0, true, true);
    };
    SetupButton(Help.PrevButton, &OmegaImageList1, "HelpPrevButton", [this](TObject*) { Menus.Help.Pages.PrevPage(); });
    SetupButton(Help.DoneButton, &OmegaImageList1, "WindowDoneButton", [this](TObject*) { HelpDoneClick(); });
    SetupButton(Help.NextButton, &OmegaImageList1, "HelpNextButton", [this](TObject*) { Menus.Help.Pages.NextPage(); });
    Help.PrevButton.Left = 247;
    Help.DoneButton.Left = 360;
    Help.NextButton.Left = 474;
    for (TGameButton* Button : {&Help.PrevButton, &Help.DoneButton, &Help.NextButton}) Button->Top = 534;
}

// --- Options -------------------------------------------------------------------------------

// The window shows the options as they are kept, and the tutorial's switch.
void TFormMain::OpenOptionsWindow(const char* Tag) {
    TOptionsParts& O = Menus.Options;
    O.SoundBox.Checked = Options->Sound;
    O.MusicBox.Checked = Options->Music;
    O.EffectBar.Enabled = O.SoundBox.Checked;
    O.EffectBar.SetPositionSnap(Options->SFXVolume);
    O.MusicBar.Enabled = O.MusicBox.Checked;
    O.MusicBar.SetPositionSnap(Options->MusicVolume);
    O.FullScreenBox.Checked = Options->FullScreen;
    // The tutorial's switch is the player's own, kept with the progress.
    O.TutorialBox.Checked = Story.Tutorial.Enabled;
    for (TGameButton* Button : {&O.CreditsButton, &O.OKButton, &O.EffectMinusButton, &O.EffectPlusButton,
                                &O.MusicMinusButton, &O.MusicPlusButton}) {
        Button->ClearMouseState();
    }
    O.Window.Tag = Tag;
    O.Window.Show();
}

// The in-game menu's Options: the menu is put away, so that it can open again later.
void TFormMain::OpenInGameOptions() {
    if (Panels.InGameMenu->Phase() != TGameMenuWindow::phShown) return;
    Panels.InGameMenu->Reset();
    OpenOptionsWindow(InGameOptionsTag);
    GameScene->SetValue(gsInGameOptions);
}

void TFormMain::SoundBoxClick() {
    TOptionsParts& O = Menus.Options;
    O.EffectBar.Enabled = O.SoundBox.Checked;
    SFXPlayer->SetVolume(O.SoundBox.Checked ? O.EffectBar.Position() : 0);
}

void TFormMain::MusicBoxClick() {
    TOptionsParts& O = Menus.Options;
    O.MusicBar.Enabled = O.MusicBox.Checked;
    MusicBox->SetVolume(O.MusicBox.Checked ? O.MusicBar.Position() : 0);
}

// A volume button moves its bar, switches its sound on and lets it be heard.
void TFormMain::StepVolume(bool Music, int32_t Delta) {
    TOptionsParts& O = Menus.Options;
    TVolumeBar& Bar = Music ? O.MusicBar : O.EffectBar;
    Bar.SetPosition(Bar.Position() + Delta);
    if (Music) {
        O.MusicBox.Checked = true;
        MusicBoxClick();
    } else {
        O.SoundBox.Checked = true;
        SoundBoxClick();
    }
}

void TFormMain::OptionsOKClick() {
    TOptionsParts& O = Menus.Options;
    if (O.Window.Phase() != TGameMenuWindow::phShown) return;
    Options->Sound = O.SoundBox.Checked;
    Options->Music = O.MusicBox.Checked;
    Options->SFXVolume = O.EffectBar.Position();
    Options->MusicVolume = O.MusicBar.Position();
    Options->FullScreen = O.FullScreenBox.Checked;
    Story.Tutorial.Enabled = O.TutorialBox.Checked;
    Options->Save();
    ApplyVolumes();
    O.Window.Hide();
}

void TFormMain::OptionsStartHiding() {
    ScreenDarkener->FadeOut();
    // Back to the round at once, unless the full-screen question comes first.
    if (Scene() == gsInGameOptions && Options->FullScreen == OmegaScreen1.FullScreen) ResumeRoundAfterMenu();
}

void TFormMain::OptionsHidingComplete() {
    if (Options->FullScreen == OmegaScreen1.FullScreen) {
        ReturnFromOptions();
        return;
    }
    ShowConfirm(Menus.Options.Window.Tag == InGameOptionsTag ? 5 : 4, pbOK, nbCancel);
}

void TFormMain::ReturnFromOptions() {
    GameScene->SetValue(Menus.Options.Window.Tag == InGameOptionsTag ? OverlayBackgroundScene : gsMenu);
}

void TFormMain::FrameOptions() {
    if (Scene() == gsInGameOptions) {
        SceneFrame(OverlayBackgroundScene);
    } else {
        FrameMenu();
    }
    ScreenDarkener->UpdateAndDraw();
    TOptionsParts& O = Menus.Options;
    O.Window.Update();
    if (O.Window.IsHidden()) return;
    O.OKButton.Draw();
    O.CreditsButton.Draw();
    O.Window.Draw();
    O.EffectBar.UpdateAndDraw();
    O.MusicBar.UpdateAndDraw();
    for (TGameButton* Button : {&O.EffectMinusButton, &O.EffectPlusButton, &O.MusicMinusButton, &O.MusicPlusButton}) {
        Button->Draw();
    }
    for (TGameCheckBox* Box : {&O.SoundBox, &O.MusicBox, &O.FullScreenBox, &O.TutorialBox}) Box->Draw();
}

bool TFormMain::FullScreenQuestionShowing() const {
    return Scene() == gsConfirmWindow && (ConfirmKind == 4 || ConfirmKind == 5) && ConfirmWindow &&
           !ConfirmWindow->IsHidden();
}

// While the options are open, the full-screen key also ticks their box, so their OK keeps the new state.
void TFormMain::FullScreenToggledByKey() {
    if ((Scene() == gsOptions || Scene() == gsInGameOptions) && Menus.Options.Window.IsOpen()) {
        Menus.Options.FullScreenBox.Checked = OmegaScreen1.FullScreen;
    }
}

// --- The questions answered on the press -----------------------------------------------

void TFormMain::ConfirmButtonClicked(bool PositiveAnswer) {
    switch (ConfirmWindow->Kind()) {
        case 2:
            if (PositiveAnswer) DeleteSelectedPlayer();
            break;
        case 4:
        case 5:
            if (PositiveAnswer) {
                // The switch takes the focus away and back: the game must come back running.
                FResumeOnActivate = true;
                SetFullScreen(Options->FullScreen, true);
            } else {
                Options->FullScreen = OmegaScreen1.FullScreen;
            }
            Options->Save();
            break;
        default: break;
    }
}

// --- High scores --------------------------------------------------------------------------

void TFormMain::OpenHighScores() {
    THighScoreParts& H = Menus.HighScores;
    for (int32_t Place = 1; Place <= HighScorePlaceCount; ++Place) {
        std::string& Row = H.Rows[Place - 1];
        Row = std::to_string(Place);
        Row += ". ";
        Row += HighScores->Entry(Place).Name;
        Row += " - ";
        Row += HighScores->DisplayScore(Place);
    }
    H.OKButton.ClearMouseState();
    H.Window.Show();
    GameScene->SetValue(gsHighScores);
}

void TFormMain::FrameHighScores() {
    FrameMenu();
    ScreenDarkener->UpdateAndDraw();
    THighScoreParts& H = Menus.HighScores;
    H.Window.Update();
    if (H.Window.IsHidden()) return;
    H.OKButton.Draw();
    H.Window.Draw();
    const TPoint Pos = H.Window.Position();
    const std::string& Title = TextStrings->GameTexts(18);
    OmegaFont_Size10.TextOut(InfoTitleX(Pos.X, OmegaFont_Size10.TextWidth(Title)), Pos.Y + 13, Title, 255, 255, 255,
                             255);
    if (TImageListItem* Line = OmegaImageList1.Find("HighScoreLine")) {
        for (int32_t I = 1; I <= HighScorePlaceCount - 1; ++I) Line->Draw(Pos.X + 49, Pos.Y + 41 + 34 * I, 0);
    }
    for (int32_t Place = 1; Place <= HighScorePlaceCount; ++Place) {
        OmegaFont_Size10.TextOut(Pos.X + 60, Pos.Y + 33 + 34 * Place, H.Rows[Place - 1], 255, 255, 255, 240);
    }
}

// --- Credits ------------------------------------------------------------------------------------

// The credits take the options' place: they return to the menu or the round, not to the options.
void TFormMain::OpenCredits() {
    if (Menus.Options.Window.Phase() != TGameMenuWindow::phShown) return;
    CreditsOrigin = Scene();
    Menus.Options.Window.Reset();
    GameScene->SetValue(gsCredits);
    Menus.Credits.DoneButton.ClearMouseState();
    Menus.Credits.Window.Show();
    Menus.Credits.Lines.Restart();
}

void TFormMain::CreditsStartHiding() {
    ScreenDarkener->FadeOut();
    if (CreditsOrigin == gsInGameOptions) ResumeRoundAfterMenu();
}

void TFormMain::CreditsHidingComplete() {
    GameScene->SetValue(CreditsOrigin == gsInGameOptions ? OverlayBackgroundScene : gsMenu);
}

void TFormMain::FrameCredits() {
    if (CreditsOrigin == gsInGameOptions) {
        SceneFrame(OverlayBackgroundScene);
    } else {
        FrameMenu();
    }
    ScreenDarkener->UpdateAndDraw();
    TCreditsParts& C = Menus.Credits;
    C.Window.Update();
    if (C.Window.IsHidden()) return;
    C.DoneButton.Draw();
    C.Window.Draw();
    const TPoint Pos = C.Window.Position();
    const std::string& Title = TextStrings->GameTexts(20);
    OmegaFont_Size10.TextOut(InfoTitleX(Pos.X, OmegaFont_Size10.TextWidth(Title)), Pos.Y + 13, Title, 255, 255, 255,
                             255);
    C.Lines.UpdateAndDraw();
}

// --- Help ------------------------------------------------------------------------------------------

// The in-game menu's Help: straight to the pages, and straight back to the round.
void TFormMain::OpenInGameHelp() {
    if (Panels.InGameMenu->Phase() != TGameMenuWindow::phShown) return;
    HelpReturn = OverlayBackgroundScene;
    Panels.InGameMenu->Reset();
    // The help covers the whole screen; the round comes back without the menu's shade.
    ScreenDarkener->SwitchOff();
    GameScene->SetValue(gsHelp);
}

void TFormMain::HelpDoneClick() {
    if (HelpReturn != gsMenu) {
        GameScene->SetValue(HelpReturn);
        ResumeRoundAfterMenu();
    } else {
        StartTransition(gsMenu);
    }
}

void TFormMain::FrameHelp() {
    THelpParts& Help = Menus.Help;
    Help.Pages.UpdateAndDraw();
    Help.PrevButton.Draw();
    Help.DoneButton.Draw();
    Help.NextButton.Draw();
    if (TImageListItem* Mask = OmegaImageList1.Find("ButtonMask")) {
        for (int32_t I = 0; I < 3; ++I) Mask->Draw(234 + 113 * I, 522, 0);
    }
    FrameScreenDust();
}

// --- Back to the round ------------------------------------------------------------------------------

void TFormMain::ResumeRoundAfterMenu() {
    SetClockPause(prMenu, false);
    if (!Round.PausedBeforeMenu && Round.Paused) {
        Round.Paused = false;
        ApplyPause();
    }
}
