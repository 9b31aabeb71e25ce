// The fairy's tips: nineteen short lessons in a speech balloon beside her,
// each shown once to a player, mostly on island 1 the first time the feature
// it explains turns up; the garden and the shop explain themselves on a first
// visit, and a stuck player is offered a hint as often as it helps. A tip
// stays as long as it takes to read (the first lessons and the hint until
// closed); the balloon has a close button.
#pragma once

#include <array>
#include <cstdint>

#include "GameTypesClass.h"
#include "NarrationTextClass.h"
#include "ProgressRecordClass.h"

class TOmegaFont;
class TOmegaImageList;
class TTextStrings;

class TTaviTutorial : public TObject {
public:
    static constexpr int32_t StepCount = 19;
    static constexpr int32_t HintStep = 19;
    static constexpr int32_t GardenStep = 17;
    static constexpr int32_t ShopStep = 18;
    static constexpr int32_t UntilClosed = 99999999;
    // Offsets from (Left, balloon top).
    static constexpr TPoint TextOffset{13, 15};
    static constexpr TPoint CloseOffset{177, 4};
    static constexpr TPoint TutorialIconOffset{16, 10};
    static constexpr TPoint IncentiveIconOffset{68, 3};
    static constexpr float IncentiveIconScale = 0.65f;

    enum TIconKind : uint8_t { ikTutorial, ikIncentive };
    struct TStepIcon {
        TIconKind Kind;
        int32_t Number;  // 1-based: the pattern drawn is Number - 1
    };

    TTaviTutorial();

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;  // the small screen font
    const TTextStrings* TextStringsComp = nullptr;
    bool Visible = true;
    // Tips 1 to 18 only while on (the player's choice); the hint tip and the
    // features held back on island 1 do not ask.
    bool Enabled = true;
    int32_t Left = 200;
    int32_t BottomBalloonPointerPos = 200;
    int32_t MinBalloonTopPos = 3;
    int32_t BalloonStartingAlpha = 0;
    int32_t BalloonMaxAlpha = 200;
    int32_t BalloonAlphaInc = 8;
    int32_t BalloonAlphaDec = 8;
    TMoveDir BalloonDir = mdLeft;
    int32_t BalloonTopHeight = 11;
    int32_t BalloonBottomHeight = 10;
    int32_t IconnedTextVertAdj = 50;
    int32_t TimePerChar = 120;  // ms
    // Asked before a tip shows: the owner places the balloon beside the fairy.
    TNotifyEvent OnFairyPosUpdateRequest;
    TNotifyEvent OnBalloonClose;

    // The step an event of island Island's level Level shows (0 for none).
    static int32_t StepFor(int32_t Island, int32_t Level, int32_t Event);
    static int32_t ShowTimeFor(int32_t Step, int32_t TextLength, int32_t TimePerChar);
    static TStepIcon IconOf(int32_t Step);

    // The texts of the steps from the tutorial table (after the text tables are read).
    void LoadTexts();
    void SetTextAdjustment(TPoint Adjustment) { FTextAdjustment = Adjustment; }
    // Beside the fairy resting at Pos (sitting lowers the balloon), on her far side from
    // the screen's edge.
    void PlaceBesideFairy(TPoint Pos, bool Sitting);
    // At a round's start and on entering the garden.
    void PlaceForRound();
    void PlaceForGarden();
    // The balloon's row height and the close button's size from their images.
    void TakeBalloonSizes();

    void TriggerTip(int32_t Island, int32_t Level, int32_t Event);
    // 0: the garden's tip, 1: the shop's.
    void ShowGardenTip(int32_t Which);
    void ShowHintTip();
    bool IsBalloonShowing() const { return FShowing; }
    bool IsHintTipShowing() const { return FShowing && FHintTip; }
    void CloseBalloon();
    // A new round or scene: no balloon, no text.
    void ResetTutorial();
    void ClickAt(int32_t X, int32_t Y, TMouseButton Button);
    void MouseMoveAt(int32_t X, int32_t Y);
    void UpdateAndDraw();

    bool StepShown(int32_t Step) const;
    bool GardenTipShown() const { return FGardenTipShown; }
    bool ShopTipShown() const { return FShopTipShown; }
    void SetGardenTipShown(bool Value) { FGardenTipShown = Value; }
    void SetShopTipShown(bool Value) { FShopTipShown = Value; }
    void LoadSaved(const TProgressRecord& Record);
    void StoreSaved(TProgressRecord& Record) const;

    // The step last asked for (by TriggerTip even when it showed nothing), and the one on show.
    int32_t CurrentStep() const { return FCurrentStep; }
    int32_t ShownStep() const { return FShownStep; }
    int32_t BalloonTop() const { return FTop; }
    int32_t BalloonRows() const { return FRows; }
    int32_t BalloonAlpha() const { return FAlpha; }
    int32_t BalloonTargetAlpha() const { return FTargetAlpha; }
    int32_t ShowTime() const { return FShowTime; }
    int32_t Elapsed() const { return FElapsed; }
    int32_t RowHeight() const { return FRowHeight; }
    bool CloseHovered() const { return FCloseHover; }
    bool OverCloseButton(int32_t X, int32_t Y) const;
    const TNarrationText& Text() const { return FText; }

private:
    void ShowStep(int32_t Step);
    void Draw();

    struct TStep {
        bool Shown = false;
        char Text[256] = {};
        int32_t Length = 0;
    };
    std::array<TStep, StepCount> FSteps{};
    bool FShowing = false;
    bool FHintTip = false;
    bool FCloseHover = false;
    int32_t FAlpha = 0;
    int32_t FTargetAlpha = 0;
    int32_t FElapsed = 0;
    int32_t FShowTime = 0;
    int32_t FTop = 0;
    int32_t FRows = 0;
    int32_t FCurrentStep = 0;
    int32_t FShownStep = 0;
    int32_t FRowHeight = 80;
    int32_t FCloseWidth = 20;
    int32_t FCloseHeight = 20;
    bool FGardenTipShown = false;
    bool FShopTipShown = false;
    TPoint FTextAdjustment;
    TNarrationText FText;
};
