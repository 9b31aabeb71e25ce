// The scroll thumb of the shop list: dragged up and down its track, it
// reports which list slot should come first (1 .. StepCount + 1) on every
// move, and snaps to that slot's place when released. With StepCount 0 the
// list does not scroll: the thumb is neither drawn nor dragged.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;

using TTrackerDragEvent = std::function<void(TObject* Sender, int32_t ANewFirstSlotIdx)>;

class TGameListTracker : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    // Pattern 0 normal, 1 hovered.
    std::string ImageName;
    int32_t StepCount = 5;
    // The track runs from Top to Bottom.
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Bottom = 100;
    int32_t TrackerWidth = 20;
    int32_t TrackerHeight = 30;

    TTrackerDragEvent OnTrackerDrag;

    // TrackerWidth and TrackerHeight from the image's tile size.
    void InitImages();
    // The thumb at the top, index 1.
    void Reset();
    // Index Value (kept within 1 .. StepCount + 1), thumb at its place.
    void SetIndex(int32_t Value);

    // Only the left button grabs the thumb.
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseMove(int32_t X, int32_t Y);
    void MouseUp(int32_t X, int32_t Y);
    void Draw();

    int32_t Index() const { return FIndex; }
    TPoint ThumbPos() const { return FThumb; }
    bool Dragging() const { return FDragging; }
    bool Hovered() const { return FHovered; }
    // How far the thumb's top can travel.
    int32_t TrackLength() const { return Bottom - Top - TrackerHeight; }
    // The index whose place is the last one at or above the offset D from Top.
    int32_t IndexForOffset(int32_t D) const;

private:
    double StepFraction() const { return StepCount > 1 ? 1.0 / StepCount : 1.0; }
    int32_t OffsetOfIndex(int32_t Index) const;
    bool ThumbHit(int32_t X, int32_t Y) const;
    void Snap();

    TPoint FThumb;
    int32_t FIndex = 1;
    bool FDragging = false;
    bool FHovered = false;
    TPoint FGrab;
};
