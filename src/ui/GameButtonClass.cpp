#include "GameButtonClass.h"

#include "FrameCursorClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

void TGameButton::InitImageSize() {
    const TImageListItem* Item = OmgImgList ? OmgImgList->Find(ImageName) : nullptr;
    if (!Item) return;
    Width = Item->EffectiveTileWidth();
    Height = Item->EffectiveTileHeight();
}

bool TGameButton::HitTest(int32_t X, int32_t Y) const {
    return X >= Left && X <= Left + Width && Y >= Top && Y <= Top + Height;
}

void TGameButton::MouseMove(int32_t X, int32_t Y) {
    if (!Visible || !Enabled) return;
    const bool WasHovered = FHovered;
    FHovered = HitTest(X, Y);
    if (FHovered) FrameCursor = TFrameCursor::HandPoint;
    if (FHovered && !WasHovered) {
        PlaySoundEffect("MouseOver");
        if (OnActivate) OnActivate(this);
    } else if (!FHovered && WasHovered) {
        if (OnDeactivate) OnDeactivate(this);
    }
}

void TGameButton::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (!Visible || !Enabled || Button != mbLeft) return;
    FPressed = false;
    FHovered = HitTest(X, Y);
    if (FHovered) {
        FPressed = true;
        PlaySoundEffect("Click");
    }
}

void TGameButton::MouseUp(int32_t X, int32_t Y) {
    if (!Visible || !Enabled) return;
    FHovered = HitTest(X, Y);
    const bool Clicked = FHovered && FPressed;
    FPressed = false;
    if (Clicked) {
        FHovered = false;
        // Raised last: the handler may hide, disable or move this very button.
        if (OnClick) OnClick(this);
    }
}

void TGameButton::ClearMouseState() {
    FHovered = false;
    FPressed = false;
}

int32_t TGameButton::CurrentPattern() const {
    if (PushedAdjustEnabled) {
        if (!Enabled) return 2;
        return FHovered ? 1 : 0;
    }
    if (!Enabled) return 3;
    if (FHovered) return FPressed ? 2 : 1;
    return 0;
}

void TGameButton::Draw() {
    if (!Visible || !OmgImgList) return;
    TImageListItem* Item = OmgImgList->Find(ImageName);
    if (!Item) return;
    int32_t X = Left;
    int32_t Y = Top;
    if (PushedAdjustEnabled && Enabled && FPressed) {
        X += PushedAdjX;
        Y += PushedAdjY;
    }
    Item->Draw(X, Y, CurrentPattern());
}
