#include "GameListTrackerClass.h"

#include <algorithm>

#include "FrameCursorClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TGameListTracker::InitImages() {
    const TImageListItem* Item = OmgImgList ? OmgImgList->Find(ImageName) : nullptr;
    if (!Item) return;
    TrackerWidth = Item->EffectiveTileWidth();
    TrackerHeight = Item->EffectiveTileHeight();
}

int32_t TGameListTracker::OffsetOfIndex(int32_t Index) const {
    const int32_t Length = TrackLength();
    return std::min(Length, Round(Length * StepFraction() * (Index - 1)));
}

int32_t TGameListTracker::IndexForOffset(int32_t D) const {
    int32_t Result = 1;
    for (int32_t I = 1; I <= StepCount + 1; ++I) {
        if (D >= OffsetOfIndex(I)) Result = I;
    }
    return Result;
}

void TGameListTracker::Snap() {
    FThumb.X = Left;
    FThumb.Y = Top + OffsetOfIndex(FIndex);
}

void TGameListTracker::Reset() {
    FThumb = Point(Left, Top);
    FIndex = 1;
    FDragging = false;
    Snap();
}

void TGameListTracker::SetIndex(int32_t Value) {
    FIndex = std::clamp(Value, 1, std::max(1, StepCount + 1));
    Snap();
}

bool TGameListTracker::ThumbHit(int32_t X, int32_t Y) const {
    return X >= FThumb.X && X <= FThumb.X + TrackerWidth && Y >= FThumb.Y && Y <= FThumb.Y + TrackerHeight;
}

void TGameListTracker::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (Button != mbLeft || StepCount <= 0 || !ThumbHit(X, Y)) return;
    FDragging = true;
    FHovered = true;
    FGrab = Point(X - FThumb.X, Y - FThumb.Y);
}

void TGameListTracker::MouseMove(int32_t X, int32_t Y) {
    if (!FDragging) {
        FHovered = ThumbHit(X, Y);
    } else {
        // The lower bound wins on a track shorter than the thumb.
        FThumb.Y = std::max(Top, std::min(Y - FGrab.Y, Bottom - TrackerHeight));
        FIndex = IndexForOffset(FThumb.Y - Top);
        if (OnTrackerDrag) OnTrackerDrag(this, FIndex);
    }
    if (FHovered && StepCount > 0) FrameCursor = TFrameCursor::HandPoint;
}

void TGameListTracker::MouseUp(int32_t /*X*/, int32_t /*Y*/) {
    FDragging = false;
    Snap();
}

void TGameListTracker::Draw() {
    if (StepCount <= 0 || !OmgImgList) return;
    if (TImageListItem* Item = OmgImgList->Find(ImageName)) Item->Draw(FThumb.X, FThumb.Y, FHovered ? 1 : 0);
}
