// The window that presents a new feature before a level of the first island:
// it slides down over the darkened screen with its title, two lines telling
// the player what comes, the feature's icon and its name, and an OK button
// that slides it out again. Its owner darkens the screen on its events and
// starts the level's objective announcement once it has slid out.
#pragma once

#include <cstdint>
#include <string>

#include "GameButtonClass.h"
#include "GameMenuWindowClass.h"
#include "GameTypesClass.h"

class TOmegaFont;
class TOmegaImageList;
class TTextStrings;

// The number of incentives; incentive n's name is NewItems line 4 + n.
constexpr int32_t IncentiveCount = 9;

class TIncentiveAnnouncer : public TObject {
public:
    static constexpr int32_t ShownLeft = 271;
    static constexpr int32_t ShownTop = 130;
    static constexpr int32_t HiddenTop = -350;
    static constexpr int32_t SlideStep = 45;
    static constexpr TPoint OKButtonOffset{119, 259};
    // Offsets from the window's top-left; texts are centred in their field.
    static constexpr TPoint IconOffset{117, 93};
    static constexpr int32_t TitleLeft = 82;
    static constexpr int32_t TitleWidth = 166;
    static constexpr int32_t TitleTop = 14;
    static constexpr int32_t LinesLeft = 55;
    static constexpr int32_t LinesWidth = 226;
    static constexpr int32_t LineTops[2] = {60, 80};
    static constexpr int32_t NameLeft = 56;
    static constexpr int32_t NameWidth = 226;
    static constexpr int32_t NameTop = 202;

    TIncentiveAnnouncer();
    TIncentiveAnnouncer(const TIncentiveAnnouncer&) = delete;
    TIncentiveAnnouncer& operator=(const TIncentiveAnnouncer&) = delete;

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;       // the medium font: title and the feature's name
    TOmegaFont* OmgSmallFont = nullptr;  // the small font: the two fixed lines
    const TTextStrings* TextStringsComp = nullptr;

    TNotifyEvent OnStartShowing;
    TNotifyEvent OnStartHiding;
    TNotifyEvent OnHidingComplete;

    // After the main images are loaded: the OK button takes its image's size.
    void InitImages();
    // Put away at once, nothing raised.
    void Reset();
    // Prepares the texts of incentive Number (1..9) and slides the window in
    // (from the top again if it was open). False for any other number: nothing opens.
    bool Announce(int32_t Number);
    // Moves the window, then draws the OK button, the window over it, the icon and the texts.
    void UpdateAndDraw();

    // The mouse reaches the OK button only while the window is fully shown.
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseUp(int32_t X, int32_t Y);

    int32_t Number() const { return FNumber; }
    const std::string& Title() const { return FTitle; }
    const std::string& Name() const { return FName; }
    const std::string& Line(int32_t Row) const { return FLines[Row == 2 ? 1 : 0]; }
    bool IsHidden() const { return FWindow.IsHidden(); }
    TGameMenuWindow& Window() { return FWindow; }
    TGameButton& OKButton() { return FOKButton; }

private:
    bool TakesInput() const { return FWindow.Phase() == TGameMenuWindow::phShown; }
    void SetUpParts();
    void DrawContents();

    TGameMenuWindow FWindow;
    TGameButton FOKButton;
    int32_t FNumber = 0;
    std::string FTitle;
    std::string FName;
    std::string FLines[2];
    int32_t FTitleWidth = 0;
    int32_t FNameWidth = 0;
    int32_t FLineWidths[2] = {0, 0};
};
