#include "GameCheckBoxClass.h"

#include "FrameCursorClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

bool TGameCheckBox::HitTest(int32_t X, int32_t Y) const {
    return X >= Left && X <= Left + Width && Y >= Top && Y <= Top + Height;
}

void TGameCheckBox::MouseMove(int32_t X, int32_t Y) {
    FHovered = HitTest(X, Y);
    if (FHovered) FrameCursor = TFrameCursor::HandPoint;
}

void TGameCheckBox::MouseDown(int32_t /*X*/, int32_t /*Y*/, TMouseButton Button) {
    if (Button != mbLeft || !FHovered) return;
    Checked = !Checked;
    PlaySoundEffect("Click");
    if (OnClick) OnClick(this);
}

void TGameCheckBox::MouseUp(int32_t /*X*/, int32_t /*Y*/) {}

void TGameCheckBox::Draw() {
    if (!OmgImgList) return;
    if (TImageListItem* Item = OmgImgList->Find(ImageName)) Item->Draw(Left, Top, CurrentPattern());
}
