// What the player's three tools (magic key, broom, aerosol) have in common: a
// tool hangs on its hook of the left panel's tools wall with its count, a click
// on its icon picks it up, it then follows the mouse (the pointer hidden), a
// click uses it, and afterwards it flies back to its hook. Each tool says what a
// click in hand does and how its use is animated.
#pragma once

#include <cstdint>

#include "AnimDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;
class TImageListItem;

// Where a tool is: on the wall, following the mouse, being used, or flying back.
enum TToolHandState : uint8_t { thHanging, thHeld, thUsing, thReturning };

// An icon area of a tool on the wall, relative to its hanging position (every edge inside).
struct TToolIconArea {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

class TToolInHand : public TObject {
public:
    static constexpr int32_t MaxCount = 9;      // no tool is held more than nine times
    static constexpr int32_t StartCount = 3;    // what a new player has
    static constexpr int32_t ReturnSpeed = 25;  // pixels a frame on the longer axis, flying home
    static constexpr int32_t BoardPixels = 460; // the board square the tools work in
    static constexpr int32_t MaxIconAreas = 3;

    TToolInHand();
    ~TToolInHand() override = default;

    // Properties.
    TOmegaImageList* OmgImgList = nullptr;
    bool Available = true;  // unlocked: an unavailable tool shows nothing and takes no press
    bool Enabled = true;    // false: presses and moves are ignored (paused, round over)
    bool Visible = true;    // false: nothing is drawn in hand (the round is paused)
    int32_t BoardLeft = 0;  // the board's top-left tile corner (the main form's 215, 90)
    int32_t BoardTop = 0;
    int32_t HangingPosX = 0;
    int32_t HangingPosY = 0;
    int32_t CountPosX = 0;
    int32_t CountPosY = 0;
    int32_t CountWidth = 15;
    int32_t PointerAdjustX = 0;  // the tool's working point lies under the pointer
    int32_t PointerAdjustY = 0;
    int32_t IdleReturnTime = 250;  // milliseconds a used tool waits before flying home
    uint8_t ShadowAlpha = 50;
    int32_t ShadowAdjustX = 5;
    int32_t ShadowAdjustY = 7;

    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseMove(int32_t X, int32_t Y);
    // Once per frame: the tool in hand, being used or flying home, with its shadow.
    void UpdateAndDraw();
    // The tool on its hook (only while it hangs there).
    void DrawWall();
    // The count beside the hook: nothing for 0.
    void DrawCount();
    // The count, kept within 0 to 9.
    void SetCount(int32_t Value);
    int32_t Count() const { return FCount; }
    // Back on the hook at once, nothing under way; the count is left alone.
    void Reset();

    TToolHandState State() const { return FState; }
    // Held or being used: the tool is in the player's hand.
    bool InHand() const { return FState == thHeld || FState == thUsing; }
    bool MouseOverIcon() const { return FOverIcon; }
    // A click now would pick the tool up (the pointer shows a hand over it).
    bool Pickable() const;
    // Where the tool is drawn (its top-left pixel, before the shadow).
    TFloatPoint DrawnPos() const;
    TPoint MousePos() const { return FMouse; }
    TPoint MouseTile() const { return FTile; }
    // The "ToolsWall" pattern the hook shows now.
    int32_t WallPattern() const;
    // The screen point is in one of the tool's icon areas.
    bool InIconArea(int32_t X, int32_t Y) const;

protected:
    // The tool's place on the wall: 0 key, 1 broom, 2 aerosol ("ToolsWall" column).
    int32_t FWallIndex = 0;
    TToolIconArea FIconAreas[MaxIconAreas];
    int32_t FIconAreaCount = 0;
    const char* FImageName = "";

    // A left press while the tool is held.
    virtual void HeldLeftPress(int32_t X, int32_t Y) = 0;
    // One frame of the use: animate and draw; ends with FinishUsing or Hold/StartReturn.
    virtual void UsingFrame() = 0;
    // While held the tile under the mouse changed (also when the tool is picked up
    // and when it goes back: (0, 0)).
    virtual void TileChanged(TPoint /*Tile*/) {}

    // The tool in hand at (X, Y) with Pattern, its shadow first.
    void DrawToolAt(int32_t X, int32_t Y, int32_t Pattern);
    void DrawImageAt(const char* Name, int32_t X, int32_t Y, int32_t Pattern, int32_t Alpha);
    // The tool's top-left pixel under the pointer.
    TPoint PointerDrawPos() const { return TPoint{FMouse.X + PointerAdjustX, FMouse.Y + PointerAdjustY}; }
    bool InBoardSquare(int32_t X, int32_t Y) const;
    // Starts flying home from where it is drawn; after a use it waits IdleReturnTime first.
    void StartReturn(bool AfterUse);
    // Held again after a use (more to do): the tile under the mouse is looked at afresh.
    void HoldAgain();
    // A use that found nothing to act on costs nothing.
    void GiveBack();

    TToolHandState FState = thHanging;
    int32_t FCount = StartCount;
    TPoint FMouse;
    TPoint FTile;
    bool FOverIcon = false;

private:
    void UpdateReturn();

    TFloatPoint FReturnPos;
    TFloatPoint FReturnSpeeds;
    int32_t FReturnDelay = 0;
};
