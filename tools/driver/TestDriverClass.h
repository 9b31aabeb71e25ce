// Runs the whole game without a screen: the main form starts against a data
// folder and a private save folder, frames are stepped one at a time with game
// time per frame, mouse and key input is injected, and every frame can be read
// back as a picture. Tests and developer tools build on it.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "FormMainClass.h"
#include "PictureClass.h"

struct TTestDriverSetup {
    // Folder of the game data; empty: the data the build made beside the game.
    std::string AppFolder;
    // The user's data folder (the saves go in its "Quellow" folder); empty: a fresh temporary folder.
    std::string UserDataFolder;
    // Show frames in a real window as well (for a person watching).
    bool ShowWindow = false;
    // Run the game's logic only: no window, no drawing, no sound.
    bool Headless = false;
    // Start-up goes straight into this island's level (0: the opening scenes, as the game does).
    int32_t PlayIsland = 0;
    int32_t PlayLevel = 0;
    // Start-up goes straight to the map, as the menu's Play button opens it.
    bool PlayMap = false;
    // The window's own mouse events reach the game (a test moving the desktop's pointer);
    // otherwise only the driver's input does.
    bool RealPointer = false;
};

class TTestDriver {
public:
    explicit TTestDriver(TTestDriverSetup Setup = {});
    ~TTestDriver();
    TTestDriver(const TTestDriver&) = delete;
    TTestDriver& operator=(const TTestDriver&) = delete;

    // Saves a player list before start-up, as if these players had played before.
    void WritePlayerList(const std::vector<std::string>& Names);
    // Runs start-up and shows the form; false when start-up stopped.
    bool Start();
    TFormMain& Form() { return *FForm; }

    // Runs whole frames, each one tick of game time.
    void Step(int Frames = 1);
    // Steps until Condition holds or MaxFrames have run; true when it held.
    template <typename F>
    bool StepUntil(F&& Condition, int MaxFrames) {
        for (int I = 0; I < MaxFrames; ++I) {
            if (Condition()) return true;
            Step();
        }
        return Condition();
    }
    int FramesRun() const { return FFrames; }

    // Input in frame pixels, routed as the window's events would be.
    void MouseMove(int X, int Y);
    void MouseDown(int X, int Y, TMouseButton Button = mbLeft);
    void MouseUp(int X, int Y);
    void Click(int X, int Y);
    void KeyDown(SDL_Keycode Key, uint16_t Modifiers = KMOD_NONE);
    void TypeText(const std::string& Utf8);
    void SendEvent(const SDL_Event& Event);
    // With RealPointer: the window's mouse presses so far, and where the last one
    // landed in frame pixels.
    int PointerPresses() const { return FPointerPresses; }
    TPoint LastPointerPress() const { return FLastPointerPress; }

    // The last frame drawn, 800 by 600.
    bool Capture(TPicture& Frame);
    bool SaveFramePng(const std::string& Path);

    const std::string& UserDataFolder() const { return FUserDataFolder; }
    // Messages the game showed since start (they never block a test).
    const std::vector<std::string>& Messages() const { return FMessages; }

    static std::string DefaultGameFolder();

private:
    TTestDriverSetup FSetup;
    std::string FUserDataFolder;
    bool FOwnsUserDataFolder = false;
    std::string FSavedXdgDataHome;
    bool FHadXdgDataHome = false;
    std::unique_ptr<TFormMain> FForm;
    std::vector<std::string> FMessages;
    int FFrames = 0;
    int FPointerPresses = 0;
    TPoint FLastPointerPress{-1, -1};
};
