#include "GameTabClass.h"

#include "FrameCursorClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TGameTab::InitImages() {
    const TImageListItem* Item = OmgImgList ? OmgImgList->Find(ImageName) : nullptr;
    if (!Item) return;
    TabWidth = Item->EffectiveTileWidth();
    TabHeight = Item->EffectiveTileHeight();
}

bool TGameTab::HitTest(int32_t X, int32_t Y) const {
    return PointInRect(X, Y, Rect(Left + HitRect.Left, Top + HitRect.Top, Left + HitRect.Right, Top + HitRect.Bottom));
}

void TGameTab::MouseMove(int32_t X, int32_t Y) {
    FHovered = HitTest(X, Y);
    if (FHovered && !Active) FrameCursor = TFrameCursor::HandPoint;
}

void TGameTab::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (Button != mbLeft || Active || !HitTest(X, Y)) return;
    Active = true;
    if (OnActivate) OnActivate(this);
}

void TGameTab::Draw() {
    if (!OmgImgList) return;
    if (TImageListItem* Item = OmgImgList->Find(ImageName)) Item->Draw(Left, Top, CurrentPattern());
}
