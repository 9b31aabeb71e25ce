// The shuffle button on the round's left panel: a jar whose liquid rises as
// matched fruits land, with little waves on its surface. Once the level's
// number of fruits has landed it is full, lights up under the pointer, and a
// click on it shuffles the board; a click before that only tells the player it
// is not ready. The round draws it in two layers, the jar and liquid below its
// bubbles and the rim above them.
#pragma once

#include <cstdint>

#include "AnimDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class TShuffleButton : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // placed by the round on its left panel
    int32_t Top = 0;
    int32_t Width = 89;
    int32_t Height = 87;
    int32_t EnergyWidth = 68;       // the liquid's window, at the button's left
    int32_t EnergyHeight = 62;
    int32_t MaxPixelProgress = 62;  // pixels of liquid when full
    int32_t LiquidAdjustY = 5;      // the window's top below the button's
    int32_t OrigWaveWidth = 28;
    int32_t OrigWaveHeight = 10;
    int32_t FruitsCounter = 0;      // landed fruits toward the next shuffle
    int32_t FullRequiredFruits = 200;  // set per level from the level file
    int32_t TempCounterIncDivFactor = 200;  // the liquid rises FullRequiredFruits / this per frame
    int32_t TempCounterDecDivFactor = 20;   // and drains FullRequiredFruits / this per frame
    // Off while the round is paused: the button keeps its look but neither
    // moves its liquid nor answers the mouse.
    bool Enabled = true;
    bool Visible = true;

    TNotifyEvent OnFull;          // the liquid has reached the top (once until the next full click)
    TNotifyEvent OnFullClick;     // a click on the full button
    TNotifyEvent OnNotFullClick;  // a click before it is full

    // Width, Height, EnergyWidth, EnergyHeight, MaxPixelProgress and the wave size
    // from "ShuffleButton", "ShuffleButtonLiquid" and "ShuffleWave" (kept for an image not loaded).
    void TakeImageSizes();

    // One matched fruit has landed (at most FullRequiredFruits are counted).
    void AddLandedFruit();
    // After a full click: counter, hover, press and the full state cleared; the
    // liquid then drains.
    void Reset();
    // At a level's start: as Reset, with the jar empty at once.
    void ResetForRound();

    // The jar and its liquid: the liquid moves toward the counter, the waves run,
    // and OnFull is raised when the liquid reaches the top. Once per frame.
    void UpdateAndDraw();
    // The rim over the jar's window, drawn after the bubbles.
    void DrawEdgeCover();

    // Mouse input, in screen pixels, as the round passes it on.
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseUp(int32_t X, int32_t Y);

    // The button counts as full from OnFull until Reset.
    bool Full() const { return FFullAnnounced; }
    // Lit under the pointer: only a full button.
    bool Hovered() const { return FMouseInside && FFullAnnounced; }
    bool Pressed() const { return FPressed; }
    // The pointer is over the button (the round shows the pointing hand).
    bool MouseInside() const { return FMouseInside; }
    // Left <= X <= Left + Width and Top <= Y <= Top + Height.
    bool HitTest(int32_t X, int32_t Y) const;
    double DisplayedEnergy() const { return FEnergy; }
    // Pixels of liquid shown now, 0 to MaxPixelProgress, and the screen y of its surface.
    int32_t LiquidHeight() const;
    int32_t LiquidTop() const;

private:
    void UpdateEnergy();
    void DrawWaves(int32_t SurfaceY);

    double FEnergy = 0.0;
    bool FPressed = false;
    bool FFullAnnounced = false;
    bool FMouseInside = false;
    TAnimData FWaves[3] = {TAnimData("1111222233334444555566665555444433332222", true),
                           TAnimData("211111111122223333344444555556666555554444333332222", true),
                           TAnimData("1111222233334444555566665555444433332222", true)};
};
