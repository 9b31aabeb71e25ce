// The menu screens' tests start the whole game as a player does (logos, splash,
// the click into the menu) and press its buttons with the mouse; this fixture
// holds what they share.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FoldersClass.h"
#include "NameListClass.h"
#include "ProgressRecordClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

inline TPoint Centre(const TGameButton& Button) {
    return {Button.Left + Button.Width / 2, Button.Top + Button.Height / 2};
}

class MenuFixture : public ::testing::Test {
public:
    // Starts the game with these players saved before (none: a first run) and
    // goes through the logos and the splash. Drawn: frames are drawn and can be captured.
    void StartGame(const std::vector<std::string>& Players, bool Drawn = false) {
        TTestDriverSetup Setup;
        Setup.Headless = !Drawn;
        Driver = std::make_unique<TTestDriver>(Setup);
        if (!Players.empty()) Driver->WritePlayerList(Players);
        if (BeforeStart) BeforeStart();
        ASSERT_TRUE(Driver->Start());
        ASSERT_TRUE(Until([&] { return Form().Scene() == gsSplash; }, 1000));
        ASSERT_TRUE(Until([&] { return Form().LoadingBar->LoadingFinished(); }, 400));
    }
    // The splash's click, and the iris opening on the menu.
    void ReachMenu(const std::vector<std::string>& Players = {"ANNA"}, bool Drawn = false) {
        StartGame(Players, Drawn);
        Driver->Click(400, 300);
        ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu && !Form().SceneTransition->Active(); }, 200));
    }
    TFormMain& Form() { return Driver->Form(); }
    bool Until(const std::function<bool()>& Condition, int MaxFrames = 600) {
        return Driver->StepUntil(Condition, MaxFrames);
    }
    void Press(const TGameButton& Button) {
        const TPoint P = Centre(Button);
        Driver->Click(P.X, P.Y);
    }
    // Waits for a window to rest, then presses one of its buttons.
    void PressOn(const TGameMenuWindow& Window, const TGameButton& Button) {
        ASSERT_TRUE(Until([&] { return Window.Phase() == TGameMenuWindow::phShown; }));
        Press(Button);
    }
    // Answers the question on screen once it rests.
    void Answer(bool Positive) {
        TGameConfirmWindow& Confirm = *Form().ConfirmWindow;
        PressOn(Confirm.Window(), Positive ? Confirm.PositiveButton() : Confirm.NegativeButton());
    }
    // Steps until the question on screen has slid out and been acted on (which may ask another).
    void AnswerAndWait(bool Positive) {
        const int Kind = Form().ConfirmWindow->Kind();
        Answer(Positive);
        ASSERT_TRUE(Until([&] { return !QuestionShowing(Kind); }));
    }
    bool QuestionShowing(int Kind) {
        return Form().Scene() == gsConfirmWindow && Form().ConfirmWindow->Kind() == Kind &&
               !Form().ConfirmWindow->IsHidden();
    }
    bool DarkenerAtFull() {
        const TScreenDarkener& D = *Form().ScreenDarkener;
        return D.Active() && !D.FadingOut() && D.Alpha() == D.MaxAlpha;
    }
    // A new player's first Play tells the introduction first: it is skipped with its
    // own button once that has slid in, and the map follows.
    void SkipTheIntroduction() {
        ASSERT_TRUE(Until([&] { return Form().Scene() == gsStory || Form().Scene() == gsMap; }));
        if (Form().Scene() != gsStory) return;
        ASSERT_TRUE(Until([&] { return Form().Story.ButtonPanel.Phase() == TPanelMover::phShown; }, 200));
        Press(Form().Story.SkipButton);
    }
    // The game's save folder (known before start-up too).
    std::string Saves() const { return Driver->UserDataFolder() + "/Quellow/"; }
    std::string SaveOf(const std::string& Name) const { return Saves() + Name + ".sav"; }
    static bool Exists(const std::string& Path) { return std::filesystem::exists(Path); }
    TProgressRecord SavedRecord(const std::string& Name) {
        TProgressRecord Record = InitialProgressRecord();
        const std::string Bytes = ReadWholeFile(SaveOf(Name));
        DecodeProgressRecord(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size()),
                             Record);
        return Record;
    }
    void SaveRecord(const std::string& Name, const TProgressRecord& Record) {
        std::filesystem::create_directories(Saves());
        const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
        WriteWholeFile(SaveOf(Name), std::string(Bytes.begin(), Bytes.end()));
    }

    std::function<void()> BeforeStart;  // runs once the save folder is known, before start-up
    std::unique_ptr<TTestDriver> Driver;
};
