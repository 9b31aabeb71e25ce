// Players: the player list (choosing, adding and deleting players), entering a
// new name (the very first player, or another one), and the test-mode code that
// can be typed instead of a name.
#include "DrawRoutinesClass.h"
#include "FormMainClass.h"
#include "SFXPlayerClass.h"

namespace {
// Typed as a name (in capitals or entirely in small letters), it switches test mode on.
bool IsTestModeCode(const std::string& Entry) { return Entry == "GOLD KEY" || Entry == "gold key"; }

bool IsAllBlanks(const std::string& Text) { return Text.find_first_not_of(' ') == std::string::npos; }
}  // namespace

void TFormMain::CreatePlayerWindows() {
    AddNameWindow = std::make_unique<TGameMenuWindow>();
    AddNameWindow->OmgImgList = &OmegaImageList1;
    AddNameWindow->WindowImg = "AddNameWindow";
    AddNameWindow->Left = 105;
    AddNameWindow->Top = 258;
    AddNameWindow->HidingXPos = -380;
    AddNameWindow->HidingYPos = 258;
    AddNameWindow->ShowDir = sdToRight;
    AddNameWindow->MoveStep = 60;
    AddNameWindow->Reset();
    AddNameOKButton = std::make_unique<TGameButton>();
    AddNameOKButton->OmgImgList = &OmegaImageList1;
    AddNameOKButton->ImageName = "WindowOKButton";
    AddNameOKButton->OnClick = [this](TObject*) { AddNameOK(); };
    AddNameCancelButton = std::make_unique<TGameButton>();
    AddNameCancelButton->OmgImgList = &OmegaImageList1;
    AddNameCancelButton->ImageName = "WindowCancelButton";
    AddNameCancelButton->OnClick = [this](TObject*) { AddNameCancel(); };
    AddNameWindow->OnPosUpdate = [this](TObject*, TPoint P) {
        AddNameOKButton->Left = P.X + 75;
        AddNameOKButton->Top = P.Y + 135;
        AddNameCancelButton->Left = P.X + 209;
        AddNameCancelButton->Top = P.Y + 135;
        NameInput->Left = P.X + 67;
        NameInput->Top = P.Y + 75;
    };
    AddNameWindow->OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    AddNameWindow->OnStartHiding = [this](TObject*) {
        if (Scene() == gsAddInitialPlayer) ScreenDarkener->FadeOut();
    };
    AddNameWindow->OnHidingComplete = [this](TObject*) { AddNameWindowClosed(); };
    NameInput->OnEntryChange = [this](TObject*) { AddNameOKButton->Enabled = !NameInput->AllBlanks(); };
    NameInput->OnEntryConfirmed = [this](TObject*) {
        if (AddNameOKButton->Enabled) AddNameOK();
    };
}

void TFormMain::OpenNameEntry(bool FirstPlayer) {
    NameInput->SetText("");
    AddNameOKButton->Enabled = false;
    // The very first player must give a name: there is no list to go back to.
    AddNameCancelButton->Enabled = !FirstPlayer;
    AddNameWindow->Tag.clear();
    AddNameWindow->Show();
}

void TFormMain::AddNameOK() {
    if (!AddNameWindow->IsOpen()) return;
    std::string Entry = NameInput->Entry();
    if (IsTestModeCode(Entry)) {
        TestModeMoneyAndShop = true;
        TestModeAllLevelsAndTools = true;
        TestModeObjectivesOfOne = true;
        Menus.TestModePending = true;
        PlaySoundEffect("NotifyHigh");
        AddNameWindow->Tag = "ADD_PLAYER_CANCEL";
        AddNameWindow->Hide();
        return;
    }
    if (IsAllBlanks(Entry)) Entry.clear();
    if (Entry.empty() && Scene() == gsAddInitialPlayer) Entry = FDefaultPlayerName;
    if (Entry.empty()) return;  // a blank name is never a player
    AddNameWindow->Tag = "ADD_PLAYER_OK";
    AddNameWindow->Hide();
    FNameWasInList = NameList->Exists(Entry);
    if (!NameList->IsFull() && !FNameWasInList) {
        NameList->Add(Entry);
        // Kept at once, so a crash later in the session never loses the new player.
        NameList->Save();
    }
    UpdateNameListButtons();
}

void TFormMain::AddNameCancel() {
    if (!AddNameWindow->IsOpen()) return;
    AddNameWindow->Tag = "ADD_PLAYER_CANCEL";
    AddNameWindow->Hide();
}

void TFormMain::AddNameWindowClosed() {
    if (AddNameWindow->Tag == "ADD_PLAYER_CANCEL") {
        if (Scene() == gsAddInitialPlayer) {
            // Only the test-mode code closes the first entry this way: ask for the name again.
            OpenNameEntry(true);
        } else {
            GameScene->SetValue(gsPlayerSelect);
            ScreenDarkener->ShowAtFull();
        }
        return;
    }
    if (FNoPlayerYet) {
        FNoPlayerYet = false;
        Options->PlayerIndex = static_cast<uint8_t>(NameList->Selected());
        LoadSelectedPlayer();
        GameScene->SetValue(gsMenu);
    } else if (FNameWasInList) {
        ShowConfirm(3, pbOK, nbCancel);
    } else {
        GameScene->SetValue(gsPlayerSelect);
        ScreenDarkener->ShowAtFull();
    }
}

void TFormMain::FrameAddPlayer() {
    if (Scene() == gsAddPlayer) {
        FramePlayerSelect();
    } else {
        FrameMenu();
    }
    ScreenDarkener->UpdateAndDraw();
    AddNameWindow->Update();
    AddNameOKButton->Draw();
    AddNameCancelButton->Draw();
    AddNameWindow->Draw();
    NameInput->Update();
    if (!AddNameWindow->IsHidden()) {
        OmegaFont_Size10.TextOut(NameInput->Left, NameInput->Top, NameInput->DisplayText(), 255, 255, 255, 250);
    }
}

void TFormMain::KeyPressAddPlayer(char Key) {
    if (Key == '\x1B') {
        if (AddNameCancelButton->Enabled) AddNameCancel();
        return;
    }
    if (AddNameWindow->IsOpen()) NameInput->Key(Key);
}

void TFormMain::MouseMoveAddPlayer(int32_t X, int32_t Y) {
    AddNameOKButton->MouseMove(X, Y);
    AddNameCancelButton->MouseMove(X, Y);
}

void TFormMain::MouseDownAddPlayer(TMouseButton Button, int32_t X, int32_t Y) {
    AddNameOKButton->MouseDown(X, Y, Button);
    AddNameCancelButton->MouseDown(X, Y, Button);
}

void TFormMain::MouseUpAddPlayer(int32_t X, int32_t Y) {
    AddNameOKButton->MouseUp(X, Y);
    AddNameCancelButton->MouseUp(X, Y);
}

// --- The player list --------------------------------------------------------------

void TFormMain::CreateNameListWindow() {
    TPlayerSelectParts& P = Menus.Players;
    P.Window.OmgImgList = &OmegaImageList1;
    P.Window.WindowImg = "NameListWindow";
    P.Window.Left = 80;
    P.Window.Top = 90;
    P.Window.HidingXPos = -380;
    P.Window.HidingYPos = 90;
    P.Window.ShowDir = sdToRight;
    P.Window.MoveStep = 60;
    const struct {
        TGameButton* Button;
        const char* Image;
    } Buttons[] = {{&P.NewButton, "NameListNewButton"}, {&P.DeleteButton, "NameListDeleteButton"},
                   {&P.OKButton, "WindowOKButton"}};
    for (const auto& B : Buttons) {
        B.Button->OmgImgList = &OmegaImageList1;
        B.Button->ImageName = B.Image;
    }
    P.Window.OnPosUpdate = [this](TObject*, TPoint Pos) {
        TPlayerSelectParts& Parts = Menus.Players;
        Parts.NewButton.Left = Pos.X + 52;
        Parts.NewButton.Top = Pos.Y + 261;
        Parts.DeleteButton.Left = Pos.X + 133;
        Parts.DeleteButton.Top = Pos.Y + 261;
        Parts.OKButton.Left = Pos.X + 221;
        Parts.OKButton.Top = Pos.Y + 260;
        NameList->Left = Pos.X + 72;
        NameList->Top = Pos.Y + 65;
    };
    P.Window.OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    P.Window.OnStartHiding = [this](TObject*) { ScreenDarkener->FadeOut(); };
    P.Window.OnHidingComplete = [this](TObject*) { NameListHidingComplete(); };
    P.Window.Reset();
    P.NewButton.OnClick = [this](TObject*) {
        if (Menus.Players.Window.Phase() != TGameMenuWindow::phShown) return;
        GameScene->SetValue(gsAddPlayer);
        OpenNameEntry(false);
    };
    P.DeleteButton.OnClick = [this](TObject*) {
        if (Menus.Players.Window.Phase() != TGameMenuWindow::phShown) return;
        ShowConfirm(2, pbYes, nbNo);
    };
    P.OKButton.OnClick = [this](TObject*) { NameListOKClick(); };
}

// The menu's change-player link: the player's score and progress are kept, then the list opens.
void TFormMain::ChangePlayerClick() {
    if (FPlayerLoaded) {
        OfferHighScore();
        HighScores->Save();
        SaveProgress();
    }
    GameScene->SetValue(gsPlayerSelect);
    UpdateNameListButtons();
    // The list still selects the loaded player (only this list changes the selection),
    // whose garden picture shows while the list is open.
    LoadGardenPicture();
    for (TGameButton* Button : {&Menus.Players.NewButton, &Menus.Players.DeleteButton, &Menus.Players.OKButton}) {
        Button->ClearMouseState();
    }
    Menus.Players.Window.Show();
}

void TFormMain::UpdateNameListButtons() {
    Menus.Players.NewButton.Enabled = !NameList->IsFull();
    Menus.Players.DeleteButton.Enabled = !NameList->IsEmpty();
}

void TFormMain::NameListOKClick() {
    TPlayerSelectParts& P = Menus.Players;
    if (P.Window.Phase() != TGameMenuWindow::phShown) return;
    // With every player deleted, the game goes on with the default name.
    if (NameList->SelectedName().empty()) {
        NameList->Add(FDefaultPlayerName);
        NameList->Save();
    }
    Options->PlayerIndex = static_cast<uint8_t>(NameList->Selected());
    P.Window.Hide();
    const bool SamePlayer = FPlayerLoaded && NameList->SelectedName() == LoadedPlayerName;
    if (!SamePlayer) {
        // The menu's entry loads the chosen player behind the iris.
        P.PlayerChangePending = true;
        StartTransition(gsMenu);
    }
}

void TFormMain::NameListHidingComplete() {
    if (!Menus.Players.PlayerChangePending) GameScene->SetValue(gsMenu);
}

// Yes to deleting: the selected player's files and name go. Nobody is loaded
// then until a player is chosen, so closing the game offers no score and keeps nothing.
void TFormMain::DeleteSelectedPlayer() {
    const std::string Name = NameList->SelectedName();
    if (!Name.empty()) PlayerProgress->Delete(Name);
    ForgetGardenPicture();
    NameList->DeleteSelected();
    NameList->Save();
    LoadedPlayerName.clear();
    FPlayerLoaded = false;
    SaveDamaged = false;
    UpdateNameListButtons();
}

void TFormMain::FramePlayerSelect() {
    FrameMenu();
    ScreenDarkener->UpdateAndDraw();
    FramePlayerList();
}

// The list window with its buttons under it, the selected row's bar and the six names.
void TFormMain::FramePlayerList() {
    TPlayerSelectParts& P = Menus.Players;
    P.Window.Update();
    P.NewButton.Draw();
    P.DeleteButton.Draw();
    P.OKButton.Draw();
    P.Window.Draw();
    if (P.Window.IsHidden()) return;
    const int32_t Gap = NameList->VertGap;
    if (TImageListItem* Bar = OmegaImageList1.Find("NameListSelection")) {
        Bar->DrawEx(NameList->Left - 25, NameList->Top + (NameList->Selected() - 1) * Gap - 10, 0.0f, 0.0f, 0.0f, 1.0f,
                    1.0f, 255, 255, 255, 150, 0, 0);
    }
    for (int32_t Slot = 1; Slot <= NameListSlotCount; ++Slot) {
        const int32_t Alpha = Slot == NameList->Selected() ? 255 : 220;
        OmegaFont_Size10.TextOut(NameList->Left - 7, NameList->Top + (Slot - 1) * Gap + 5, NameList->NameOf(Slot), 255,
                                 255, 255, Alpha);
    }
}
