// The window that announces a newly earned trophy: it slides down over the
// darkened screen with its title, the trophy itself, the trophy's name and two
// lines saying what was achieved, and an OK button that slides it out again.
// Its owner plays the fanfare and darkens the screen on its events.
#pragma once

#include <cstdint>
#include <string>

#include "GameButtonClass.h"
#include "GameMenuWindowClass.h"
#include "GameTypesClass.h"

class TOmegaFont;
class TOmegaImageList;
class TTextStrings;

// The trophy names are shared by some trophies (both gold-medal counts, the five
// islands' all-gold, both scores, both spider counts): the TrophyNames line of
// trophy 1..20, 0 for anything else.
int32_t TrophyNameLine(int32_t TrophyIdx);
// The NewTrophies line of row 1 or 2 of trophy 1..20's announcement (3t and
// 3t + 1); 0 for anything else.
int32_t TrophyAnnouncementLine(int32_t TrophyIdx, int32_t Row);

class TTrophyAnnouncer : public TObject {
public:
    static constexpr int32_t ShownLeft = 232;
    static constexpr int32_t ShownTop = 146;
    static constexpr int32_t HiddenTop = -350;
    static constexpr int32_t SlideStep = 45;
    static constexpr TPoint OKButtonOffset{119, 259};
    // Offsets from the window's top-left; texts are centred in their field.
    static constexpr TPoint TrophyOffset{104, 55};
    static constexpr int32_t TitleLeft = 82;
    static constexpr int32_t TitleWidth = 166;
    static constexpr int32_t TitleTop = 14;
    static constexpr int32_t TextLeft = 52;
    static constexpr int32_t TextWidth = 228;
    static constexpr int32_t NameTop = 179;
    static constexpr int32_t LineTops[2] = {197, 213};

    TTrophyAnnouncer();
    TTrophyAnnouncer(const TTrophyAnnouncer&) = delete;
    TTrophyAnnouncer& operator=(const TTrophyAnnouncer&) = delete;

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;       // the medium font: title and name
    TOmegaFont* OmgSmallFont = nullptr;  // the small font: the two lines
    const TTextStrings* TextStringsComp = nullptr;

    TNotifyEvent OnStartShowing;
    TNotifyEvent OnStartHiding;
    TNotifyEvent OnHidingComplete;

    // After the main images are loaded: the OK button takes its image's size.
    void InitImages();
    // Put away at once, nothing raised.
    void Reset();
    // Prepares the texts of trophy Kind and slides the window in (from the top
    // again if it was open). False for tkNone: nothing opens.
    bool Announce(TTrophyKind Kind);
    // Moves the window, then draws the OK button, the window over it, the trophy and the texts.
    void UpdateAndDraw();

    // The mouse reaches the OK button only while the window is fully shown.
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseUp(int32_t X, int32_t Y);

    TTrophyKind Trophy() const { return FTrophy; }
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
    TTrophyKind FTrophy = tkNone;
    std::string FTitle;
    std::string FName;
    std::string FLines[2];
    int32_t FTitleWidth = 0;
    int32_t FNameWidth = 0;
    int32_t FLineWidths[2] = {0, 0};
};
