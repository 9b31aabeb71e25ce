// A push button drawn from the patterns of one image. It reacts only to the
// mouse its owner passes on: a click needs both the press and the release of
// the left button inside it. Hovering it shows the pointing hand and plays
// "MouseOver"; the press plays "Click".
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;

class TGameButton : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    // Patterns without PushedAdjustEnabled: 0 normal, 1 hovered, 2 hovered and
    // pressed, 3 disabled. With it: 0 normal, 1 hovered, 2 disabled, and the
    // pressed button is drawn moved by (PushedAdjX, PushedAdjY).
    std::string ImageName;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 100;
    int32_t Height = 50;
    int32_t Tag = 0;
    int32_t PushedAdjX = 2;
    int32_t PushedAdjY = 2;
    bool PushedAdjustEnabled = false;
    bool Visible = true;
    bool Enabled = true;

    TNotifyEvent OnClick;
    TNotifyEvent OnActivate;    // the pointer entered the button
    TNotifyEvent OnDeactivate;  // the pointer left it

    // Width and Height become the tile size of ImageName (kept when the image is not loaded).
    void InitImageSize();
    // Left <= X <= Left + Width and Top <= Y <= Top + Height.
    bool HitTest(int32_t X, int32_t Y) const;

    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseUp(int32_t X, int32_t Y);
    // Draws the button as it is now (nothing while invisible).
    void Draw();

    // Forgets hover and press, as when the button's scene or window opens anew.
    void ClearMouseState();
    bool Hovered() const { return FHovered; }
    bool Pressed() const { return FPressed; }
    // The pattern Draw uses in the current state.
    int32_t CurrentPattern() const;

private:
    bool FHovered = false;
    bool FPressed = false;
};
