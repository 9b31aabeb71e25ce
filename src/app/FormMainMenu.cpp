// The main menu over Mirel's garden: its panels and buttons, what entering the
// menu does (from the splash, the player list, the windows over it, the map),
// the panels hidden when an iris leaves it, and Play with its two questions and
// test mode's one-time effects.
#include <array>

#include "DrawRoutinesClass.h"
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"

namespace {
constexpr TPoint WelcomePanelShown{0, 0};
constexpr TPoint WelcomePanelHidden{0, -20};
constexpr TPoint MenuPanelShown{529, 0};
constexpr TPoint MenuPanelHidden{529, 20};
// Mirel stands in her garden here on the menu, with Tavi on her right.
constexpr TPoint SmallMirelPos{335, 484};
// Her cheer comes a second after the menu opens for a player.
constexpr int32_t CheerDelay = 1000;

void SetupButton(TGameButton& Button, TOmegaImageList* Images, const char* Image) {
    Button.OmgImgList = Images;
    Button.ImageName = Image;
    Button.Left = -999;
    Button.Top = -999;
}

void SetupPanel(TPanelMover& Panel, TPoint Shown, TPoint Hidden) {
    Panel.Left = Shown.X;
    Panel.Top = Shown.Y;
    Panel.HideLeft = Hidden.X;
    Panel.HideTop = Hidden.Y;
    Panel.HorzStep = 1;
    Panel.VertStep = 1;
    // A new mover stands at (0, 0): it waits at its hidden place until the menu shows it.
    Panel.PutAtHiddenPos();
}
}  // namespace

void TFormMain::CreateMenuScreens() {
    GlobGameText.OmgImgList = &OmegaImageList1;
    CreateMainMenu();
    CreateNameListWindow();
    CreateOptionsWindow();
    CreateInfoWindows();
    ConfirmWindow->OnPositiveButtonClick = [this](TObject*) { ConfirmButtonClicked(true); };
    ConfirmWindow->OnNegativeButtonClick = [this](TObject*) { ConfirmButtonClicked(false); };
}

void TFormMain::CreateMainMenu() {
    TMainMenuParts& M = Menus.Main;
    SetupPanel(M.WelcomePanel, WelcomePanelShown, WelcomePanelHidden);
    SetupPanel(M.MenuPanel, MenuPanelShown, MenuPanelHidden);
    M.WelcomePanel.OnPosUpdate = [this](TObject*, TPoint) { PlaceMainMenuButtons(); };
    M.MenuPanel.OnPosUpdate = [this](TObject*, TPoint) { PlaceMainMenuButtons(); };
    M.MenuSwing.Setup(0.00036f, 0.00036f, 0.0115f, 0.0f);
    SetupButton(M.ChangePlayerLink, &OmegaImageList1, "ChangePlayerLink");
    SetupButton(M.PlayButton, &OmegaImageList1, "PlayButton");
    SetupButton(M.OptionsButton, &OmegaImageList1, "OptionsButton");
    SetupButton(M.TrophiesButton, &OmegaImageList1, "TrophiesButton");
    SetupButton(M.HighScoresButton, &OmegaImageList1, "HighScoresButton");
    SetupButton(M.HelpButton, &OmegaImageList1, "HelpButton");
    SetupButton(M.ExitButton, &OmegaImageList1, "ExitButton");
    M.WelcomeText.reserve(PlayerNameCapacity + 2);
    M.ChangePlayerLink.OnClick = [this](TObject*) { ChangePlayerClick(); };
    M.PlayButton.OnClick = [this](TObject*) { PlayButtonClick(); };
    M.OptionsButton.OnClick = [this](TObject*) {
        OpenOptionsWindow("MENU_OPTIONS");
        GameScene->SetValue(gsOptions);
    };
    M.HighScoresButton.OnClick = [this](TObject*) { OpenHighScores(); };
    M.TrophiesButton.OnClick = [this](TObject*) {
        TrophiesReturnScene = gsMenu;
        EnterTrophyCabinet();
    };
    M.HelpButton.OnClick = [this](TObject*) {
        HelpReturn = gsMenu;
        StartTransition(gsHelp);
    };
    M.ExitButton.OnClick = [this](TObject*) { ShowConfirm(1, pbOK, nbCancel); };
    PlaceMainMenuButtons();
}

// The buttons ride on their panels.
void TFormMain::PlaceMainMenuButtons() {
    TMainMenuParts& M = Menus.Main;
    const TPoint Welcome = M.WelcomePanel.CurrentPos();
    const TPoint Panel = M.MenuPanel.CurrentPos();
    M.ChangePlayerLink.Left = Welcome.X + 7;
    M.ChangePlayerLink.Top = Welcome.Y + 37;
    const struct {
        TGameButton* Button;
        int32_t X, Y;
    } Places[] = {{&M.PlayButton, 77, 185},       {&M.OptionsButton, 86, 319}, {&M.TrophiesButton, 87, 368},
                  {&M.HighScoresButton, 87, 421}, {&M.HelpButton, 87, 471},    {&M.ExitButton, 87, 542}};
    for (const auto& Place : Places) {
        Place.Button->Left = Panel.X + Place.X;
        Place.Button->Top = Panel.Y + Place.Y;
    }
}

// Buttons of the main set take their sizes once it is loaded; the play button
// lives with the menu's own images and is sized whenever they are loaded.
void TFormMain::InitMenuImages() {
    TMainMenuParts& M = Menus.Main;
    for (TGameButton* Button : {&M.ChangePlayerLink, &M.OptionsButton, &M.TrophiesButton, &M.HighScoresButton,
                                &M.HelpButton, &M.ExitButton, &Menus.Players.NewButton, &Menus.Players.DeleteButton,
                                &Menus.Players.OKButton, &Menus.Options.CreditsButton, &Menus.Options.OKButton,
                                &Menus.Options.EffectMinusButton, &Menus.Options.EffectPlusButton,
                                &Menus.Options.MusicMinusButton, &Menus.Options.MusicPlusButton,
                                &Menus.HighScores.OKButton, &Menus.Credits.DoneButton, &Menus.Help.PrevButton,
                                &Menus.Help.DoneButton, &Menus.Help.NextButton}) {
        Button->InitImageSize();
    }
    Menus.Options.EffectBar.InitImages();
    Menus.Options.MusicBar.InitImages();
}

// --- Entering and leaving the menu ----------------------------------------------

void TFormMain::MenuEntryActions(TGameSceneValues OldScene) {
    // A question or the credits over the menu change nothing underneath.
    if (OldScene == gsConfirmWindow || OldScene == gsCredits) return;
    if (!ImageGroupLoaded(icMenu)) LoadAllPngs(icMenu);
    Menus.Main.PlayButton.InitImageSize();
    MusicBox->SelectTrack(muSplash);
    PlaceSmallMirel(SmallMirelPos, spRight);
    if (OldScene == gsSplash) CheerSoon();
    if (OldScene == gsSplash || OldScene == gsMap) UpdateGardenProgress();
    // The options and the high scores opened over the menu: it stayed as it was.
    if (OldScene == gsOptions || OldScene == gsHighScores) return;
    if (OldScene == gsPlayerSelect) {
        Menus.Players.PlayerChangePending = false;
        const bool SamePlayer = FPlayerLoaded && NameList->SelectedName() == LoadedPlayerName;
        if (SamePlayer) {
            // Straight back over the list: the panels never left and the progress is in memory.
            LoadGardenPicture();
            return;
        }
        LoadSelectedPlayer();
        ResetGardenBalloon();
        if (TPlayerProgress::HasProgressFile(LoadedPlayerName)) {
            UpdateGardenProgress();
        } else {
            ResetGardenProgressGauge();
            GreetNewPlayer();
        }
        CheerSoon();
    }
    // The iris that led here hid the panels (a new player's first menu finds them put away).
    ShowMenuPanels();
    LoadGardenPicture();
}

void TFormMain::ShowMenuPanels() {
    Menus.Main.WelcomePanel.Show();
    Menus.Main.MenuPanel.Show();
}

void TFormMain::HideMenuPanelsOnTransition(TGameSceneValues OldScene, TGameSceneValues NewScene) {
    const bool LeavingMenu = OldScene == gsMenu && NewScene != gsOptions && NewScene != gsHighScores;
    const bool ChangingPlayer = OldScene == gsPlayerSelect && NewScene == gsMenu;
    if (!LeavingMenu && !ChangingPlayer) return;
    Menus.Main.MenuPanel.Hide();
    Menus.Main.WelcomePanel.Hide();
}

// The first name is typed over the menu's garden, without its panels.
void TFormMain::AddInitialPlayerEntryActions() {
    if (!ImageGroupLoaded(icMenu)) LoadAllPngs(icMenu);
    Menus.Main.PlayButton.InitImageSize();
    PlaceSmallMirel(SmallMirelPos, spRight);
    Menus.Main.MenuPanel.PutAtHiddenPos();
    Menus.Main.WelcomePanel.PutAtHiddenPos();
    MusicBox->SelectTrack(muSplash);
}

void TFormMain::AddInitialPlayerExitActions() {
    CheerSoon();
    GreetNewPlayer();
}

// Mirel greets the player she now stands for: a fresh cheer a moment later.
void TFormMain::CheerSoon() {
    Map.SmallMirel->StopCheering();
    Map.SmallMirel->CheerAfterDelay(CheerDelay);
}

// --- The menu's frame ---------------------------------------------------------------

void TFormMain::FrameMenu() {
    TMainMenuParts& M = Menus.Main;
    M.WelcomePanel.Update();
    M.MenuPanel.Update();
    M.MenuSwing.Update();
    DrawGardenView();
    const TPoint Welcome = M.WelcomePanel.CurrentPos();
    const TPoint Panel = M.MenuPanel.CurrentPos();
    if (TImageListItem* Image = OmegaImageList1.Find("WelcomePanel")) Image->Draw(Welcome.X, Welcome.Y, 0);
    for (TGameButton* Button : {&M.ChangePlayerLink, &M.PlayButton, &M.OptionsButton, &M.TrophiesButton,
                                &M.HighScoresButton, &M.HelpButton, &M.ExitButton}) {
        Button->Draw();
    }
    if (TImageListItem* Image = OmegaImageList1.Find("MenuPanel")) Image->Draw(Panel.X + 46, Panel.Y + 169, 0);
    // The title sign hangs from far to its left, so the tiny swing bobs it up and down.
    DrawImageSmooth("MenuPanel_Top", Panel.X - 3, Panel.Y, M.MenuSwing.Value, -50.0f, 0.5f, 1.0f, 1.0f, 255, 255, 255,
                    255, 0);
    FramePlayShine();
    if (M.WelcomeName != LoadedPlayerName) {
        // A player just deleted leaves nobody to greet until the next is chosen.
        M.WelcomeName = LoadedPlayerName;
        M.WelcomeText = LoadedPlayerName;
        if (!M.WelcomeText.empty()) M.WelcomeText += GameLanguage == laFR ? " !" : "!";
    }
    OmegaFont_Size10.TextOut(Welcome.X + 87, Welcome.Y + 17, M.WelcomeText, 255, 255, 255, 250);
    FrameScreenDust();
}

// --- Play -------------------------------------------------------------------------------

void TFormMain::PlayButtonClick() {
    Gauges.TubeTimer->RelaxedMode = rmNo;
    if (SaveDamaged) {
        ShowConfirm(8, pbOK, nbCancel);
        return;
    }
    const TRelaxedMode Mode = RelaxedModeOf(PlayerProgress->Record());
    if (Mode == rmNotInitialized) {
        ShowConfirm(9, pbYes, nbNo);
        return;
    }
    Gauges.TubeTimer->RelaxedMode = Mode;
    GoOnToMap();
}

// Play goes on: the menu's images go when the menu is left, and test mode's code,
// typed since the last Play, takes its one-time effect now.
void TFormMain::GoOnToMap() {
    MenuImagesToFree = true;
    if (Menus.TestModePending) {
        Menus.TestModePending = false;
        Scoring.Money->Set(250000);
        ApplyTestModeLevels();
        ApplyTestModeShop();
        ApplyTestModeTrophies();
    }
    EnterMapFromMenu();
}

// --- Mouse --------------------------------------------------------------------------------

namespace {
constexpr int32_t MaxScreenButtons = 7;
using TScreenButtons = std::array<TGameButton*, MaxScreenButtons>;

// The buttons a menu screen passes the mouse to; returns how many.
int32_t ButtonsOfScreen(TMenuScreens& Menus, TGameSceneValues Scene, TScreenButtons& Buttons) {
    TMainMenuParts& M = Menus.Main;
    TOptionsParts& O = Menus.Options;
    switch (Scene) {
        case gsMenu:
            Buttons = {&M.ChangePlayerLink, &M.PlayButton, &M.OptionsButton, &M.TrophiesButton, &M.HighScoresButton,
                       &M.HelpButton,       &M.ExitButton};
            return 7;
        case gsPlayerSelect:
            Buttons = {&Menus.Players.NewButton, &Menus.Players.DeleteButton, &Menus.Players.OKButton};
            return 3;
        case gsOptions:
        case gsInGameOptions:
            Buttons = {&O.CreditsButton,    &O.OKButton,         &O.EffectMinusButton, &O.EffectPlusButton,
                       &O.MusicMinusButton, &O.MusicPlusButton};
            return 6;
        case gsHighScores: Buttons = {&Menus.HighScores.OKButton}; return 1;
        case gsCredits: Buttons = {&Menus.Credits.DoneButton}; return 1;
        case gsHelp: Buttons = {&Menus.Help.PrevButton, &Menus.Help.DoneButton, &Menus.Help.NextButton}; return 3;
        default: return 0;
    }
}

bool HasOptionsBoxes(TGameSceneValues Scene) { return Scene == gsOptions || Scene == gsInGameOptions; }
}  // namespace

// The player list and the options' check boxes take moves and presses besides the buttons.
void TFormMain::MouseMoveMenuScreen(TGameSceneValues Scene, int32_t X, int32_t Y) {
    TScreenButtons Buttons{};
    const int32_t Count = ButtonsOfScreen(Menus, Scene, Buttons);
    for (int32_t I = 0; I < Count; ++I) Buttons[I]->MouseMove(X, Y);
    if (Scene == gsPlayerSelect) NameList->MouseMove(X, Y);
    if (HasOptionsBoxes(Scene)) {
        TOptionsParts& O = Menus.Options;
        for (TGameCheckBox* Box : {&O.SoundBox, &O.MusicBox, &O.FullScreenBox, &O.TutorialBox}) Box->MouseMove(X, Y);
    }
}

void TFormMain::MouseDownMenuScreen(TGameSceneValues Scene, TMouseButton Button, int32_t X, int32_t Y) {
    TScreenButtons Buttons{};
    const int32_t Count = ButtonsOfScreen(Menus, Scene, Buttons);
    for (int32_t I = 0; I < Count; ++I) Buttons[I]->MouseDown(X, Y, Button);
    if (Scene == gsPlayerSelect && Button == mbLeft && Menus.Players.Window.Phase() == TGameMenuWindow::phShown) {
        NameList->MouseDown(X, Y);
    }
    if (HasOptionsBoxes(Scene) && Menus.Options.Window.Phase() == TGameMenuWindow::phShown) {
        TOptionsParts& O = Menus.Options;
        for (TGameCheckBox* Box : {&O.SoundBox, &O.MusicBox, &O.FullScreenBox, &O.TutorialBox}) {
            Box->MouseDown(X, Y, Button);
        }
    }
}

void TFormMain::MouseUpMenuScreen(TGameSceneValues Scene, int32_t X, int32_t Y) {
    TScreenButtons Buttons{};
    const int32_t Count = ButtonsOfScreen(Menus, Scene, Buttons);
    for (int32_t I = 0; I < Count; ++I) Buttons[I]->MouseUp(X, Y);
}
