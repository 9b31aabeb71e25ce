// The confirm question: a window that slides down with a title, one or two
// lines of text from the confirm texts and two buttons (Yes or OK, No or
// Cancel). Its owner acts on the answer once the window has slid out
// (OnHidingComplete); what each of the ten kinds asks is in ConfirmMessageLines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "GameButtonClass.h"
#include "GameMenuWindowClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;
class TOmegaFont;
class TTextStrings;

using TConfirmWindowHidingCompleteEvent = std::function<void(TObject* Sender, bool APositiveAnswer)>;

// The image of each button kind.
const char* PositiveButtonImage(TPositiveButtonKind Kind);
const char* NegativeButtonImage(TNegativeButtonKind Kind);

class TGameConfirmWindow : public TObject {
public:
    // Where the texts go for the current kind, title and lines (the
    // settings' text adjustment included).
    struct TTextLayout {
        TPoint Title;
        TPoint Lines[2];
        int32_t LineCount = 0;
    };

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    // The shown position of the window.
    int32_t Left = 0;
    int32_t Top = 0;
    // Vertical distance between the two lines of a two-line question.
    int32_t DescsGap = 20;
    TPositiveButtonKind PositiveButtonKind = pbOK;
    TNegativeButtonKind NegativeButtonKind = nbCancel;

    TNotifyEvent OnStartShowing;
    TNotifyEvent OnStartHiding;
    TNotifyEvent OnPositiveButtonClick;
    TNotifyEvent OnNegativeButtonClick;
    TConfirmWindowHidingCompleteEvent OnHidingComplete;

    TGameConfirmWindow();
    TGameConfirmWindow(const TGameConfirmWindow&) = delete;
    TGameConfirmWindow& operator=(const TGameConfirmWindow&) = delete;

    // Sets up the inner window and the two buttons from the properties above
    // (image list, position, button kinds). Call once the properties are set,
    // and again after changing Left or Top.
    void Build();
    // Opens question Kind (0..9) with the given buttons.
    void Show(uint8_t Kind, TPositiveButtonKind PositiveKind, TNegativeButtonKind NegativeKind);
    // Added to every text position (the settings file's confirm text offset).
    void SetTextAdjustment(TPoint Adjustment) { FTextAdjustment = Adjustment; }
    // The buttons take the size of their images (after the main images are loaded).
    void InitButtonImages();

    // Updates the sliding window, then draws the buttons, the window over
    // them and the texts.
    void Draw();
    // The mouse goes to both buttons while the question is open; once it is
    // answered (sliding out) the buttons take nothing more.
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseUp(int32_t X, int32_t Y);

    uint8_t Kind() const { return FKind; }
    bool Answer() const { return FAnswer; }
    bool IsHidden() const { return FWindow.IsHidden(); }
    const std::string& Title() const { return FTitle; }
    const std::string& Line(int Index) const { return FLines[Index == 1 ? 1 : 0]; }
    TTextLayout TextLayout() const;

    TGameMenuWindow& Window() { return FWindow; }
    TGameButton& PositiveButton() { return FPositiveButton; }
    TGameButton& NegativeButton() { return FNegativeButton; }

private:
    void SetButtonKinds(TPositiveButtonKind PositiveKind, TNegativeButtonKind NegativeKind);
    void PlaceButtons(TPoint WindowPos);
    void PositiveClick(TObject* Sender);
    void NegativeClick(TObject* Sender);
    bool TakesInput() const { return FWindow.IsOpen(); }

    TGameMenuWindow FWindow;
    TGameButton FPositiveButton;
    TGameButton FNegativeButton;
    uint8_t FKind = 0;
    std::string FTitle;
    std::string FLines[2];
    bool FAnswer = false;
    TPoint FTextAdjustment;
};
