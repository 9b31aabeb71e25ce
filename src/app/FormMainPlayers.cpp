// Players: entering a new name (the very first player, or another one), and the
// test-mode code that can be typed instead of a name.
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
