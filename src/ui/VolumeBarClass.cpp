#include "VolumeBarClass.h"

#include <algorithm>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
// Where the fill sits inside the bar's frame.
constexpr int32_t FillOffsetX = 16;
constexpr int32_t FillOffsetY = 8;
constexpr int32_t FillSpeed = 2;  // pixels per frame
}  // namespace

void TVolumeBar::InitImages() {
    const TImageListItem* Fill = OmgImgList ? OmgImgList->Find("VolumeFill") : nullptr;
    if (!Fill) return;
    FillWidth = Fill->EffectiveTileWidth();
    FillHeight = Fill->EffectiveTileHeight() / 2;
    RefreshTarget();
    FShownFill = std::clamp(FShownFill, 0, std::max(FillWidth, 0));
}

void TVolumeBar::SetPosition(int32_t Value) {
    FPosition = std::clamp(Value, 0, 100);
    RefreshTarget();
}

void TVolumeBar::SetPositionSnap(int32_t Value) {
    SetPosition(Value);
    FShownFill = FTargetFill;
}

void TVolumeBar::RefreshTarget() {
    FTargetFill = std::clamp(Round(FPosition / 100.0 * FillWidth), 0, std::max(FillWidth, 0));
}

void TVolumeBar::UpdateAndDraw() {
    MoveTowards(FShownFill, FillSpeed, FTargetFill);
    if (!OmgImgList) return;
    if (FShownFill > 0 && FillHeight > 0) {
        if (TImageListItem* Fill = OmgImgList->Find("VolumeFill")) {
            const int32_t Row = Enabled ? FillHeight : 0;
            Fill->DrawRect(Rect(0, Row, FShownFill, Row + FillHeight), Left + FillOffsetX, Top + FillOffsetY, 0.0f,
                           0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, 255, false, false, 0, 0);
        }
    }
    if (TImageListItem* Bar = OmgImgList->Find("VolumeBar")) Bar->Draw(Left, Top, 0);
}
