// A window that slides in from a hidden position to its shown position along
// one axis, stays, and slides back out when asked. The owner darkens the
// screen, places the window's buttons and contents whenever it reports a new
// position, and acts on the answer only once the window has slid out, using
// Tag to remember what the closing means ("RESUME_GAME", "MENU_OPTIONS", ...).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;

enum TShowDir : uint8_t { sdToRight, sdToLeft, sdToDown, sdToUp };

using TGameMenuWindowPosUpdateEvent = std::function<void(TObject* Sender, TPoint NewPos)>;

class TGameMenuWindow : public TObject {
public:
    enum TPhase : uint8_t { phHidden, phShowing, phShown, phHiding };

    TOmegaImageList* OmgImgList = nullptr;
    std::string WindowImg;
    // The shown position.
    int32_t Left = 220;
    int32_t Top = 140;
    // The hidden position; only the coordinate of the moving axis is used by
    // the slides, both by Reset.
    int32_t HidingXPos = -400;
    int32_t HidingYPos = -400;
    int32_t MoveStep = 65;  // pixels per frame
    TShowDir ShowDir = sdToRight;
    // When on, OnShownTimerReached is raised once after the window has been
    // fully shown for ShownTimeToTriggerEvent milliseconds of game time.
    bool ShownTimerEnabled = false;
    int32_t ShownTimeToTriggerEvent = 5000;
    // What closing the window means to its owner; cleared by Reset.
    std::string Tag;

    TGameMenuWindowPosUpdateEvent OnPosUpdate;
    TNotifyEvent OnStartShowing;
    TNotifyEvent OnShowingComplete;
    TNotifyEvent OnShownTimerReached;
    TNotifyEvent OnStartHiding;
    TNotifyEvent OnHidingComplete;

    // Starts sliding in from the hidden coordinate of the moving axis.
    void Show();
    // Starts sliding out. A window that is hidden or already hiding is left
    // alone, so a second request never reports a second closing.
    void Hide();
    // Puts the window away at once: hidden position, hidden, Tag cleared.
    void Reset();
    // One movement step; OnPosUpdate when the position changed.
    void Update();
    // The window image at the current position, unless hidden. Separate from
    // Update so that the owner can draw the window's buttons in between.
    void Draw();

    TPhase Phase() const { return FPhase; }
    TPoint Position() const { return FPos; }
    bool IsHidden() const { return FPhase == phHidden; }
    // Showing or shown: the window is on its way in or waiting for an answer.
    bool IsOpen() const { return FPhase == phShowing || FPhase == phShown; }
    int32_t ShownTime() const { return FShownTime; }

private:
    void MoveStepOnce();
    // The coordinate that moves, and the shown and hidden values of it.
    bool MovesHorizontally() const { return ShowDir == sdToRight || ShowDir == sdToLeft; }
    // +1 when showing moves toward larger coordinates.
    int32_t ShowSign() const { return (ShowDir == sdToRight || ShowDir == sdToDown) ? 1 : -1; }

    TPhase FPhase = phHidden;
    TPoint FPos{-400, -400};
    int32_t FShownTime = 0;
    bool FShownTimerFired = false;
};
