// The information window that announces something new: it slides down over the
// darkened screen with a title, a picture, a name and two lines, and an OK
// button that slides it out again. The trophy and the incentive windows are two
// of them, each with its own place, texts and picture; their owner darkens the
// screen and plays the fanfare on the window's events.
#pragma once

#include <cstdint>
#include <string>

#include "GameButtonClass.h"
#include "GameMenuWindowClass.h"
#include "GameTypesClass.h"

class TOmegaFont;
class TOmegaImageList;
class TTextStrings;

class TInfoWindowAnnouncer : public TObject {
public:
    static constexpr int32_t HiddenTop = -350;
    static constexpr int32_t SlideStep = 45;
    static constexpr TPoint OKButtonOffset{119, 259};

    TInfoWindowAnnouncer(const TInfoWindowAnnouncer&) = delete;
    TInfoWindowAnnouncer& operator=(const TInfoWindowAnnouncer&) = delete;

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;       // the medium font: the title and the name
    TOmegaFont* OmgSmallFont = nullptr;  // the small font: the two lines
    const TTextStrings* TextStringsComp = nullptr;
    TNotifyEvent OnStartShowing;
    TNotifyEvent OnStartHiding;
    TNotifyEvent OnHidingComplete;

    // After the main images are loaded: the OK button takes its image's size.
    void InitImages();
    // Put away at once, nothing raised.
    void Reset();
    // Moves the window, then draws the OK button, the window over it and its contents.
    void UpdateAndDraw();
    // The mouse reaches the OK button only while the window is fully shown.
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseUp(int32_t X, int32_t Y);

    const std::string& Title() const { return FTitle; }
    const std::string& Name() const { return FName; }
    const std::string& Line(int32_t Row) const { return FLines[Row == 2 ? 1 : 0]; }
    bool IsHidden() const { return FWindow.IsHidden(); }
    TGameMenuWindow& Window() { return FWindow; }
    TGameButton& OKButton() { return FOKButton; }

protected:
    TInfoWindowAnnouncer(int32_t ShownLeft, int32_t ShownTop);

    // The texts of the next announcement, each measured in the font it is written in.
    void SetTexts(const std::string& Title, const std::string& Name, const std::string& Line1,
                  const std::string& Line2);
    // Slides the window in (from the top again if it was open).
    void Open();
    // Text centred in the field of FieldWidth pixels from FieldLeft; nothing for an empty text.
    static void WriteCentred(TOmegaFont* Font, int32_t FieldLeft, int32_t FieldWidth, int32_t Y,
                             const std::string& Text, int32_t TextWidth, int32_t Red, int32_t Green, int32_t Blue);
    virtual void DrawContents() = 0;

    TGameMenuWindow FWindow;
    std::string FTitle;
    std::string FName;
    std::string FLines[2];
    int32_t FTitleWidth = 0;
    int32_t FNameWidth = 0;
    int32_t FLineWidths[2] = {0, 0};

private:
    bool TakesInput() const { return FWindow.Phase() == TGameMenuWindow::phShown; }
    void SetUpParts();

    TGameButton FOKButton;
};
