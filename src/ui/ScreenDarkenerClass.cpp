#include "ScreenDarkenerClass.h"

#include <algorithm>

#include "OmegaImageListClass.h"

void TScreenDarkener::FadeIn() {
    if (FActive && !FFadingOut && FAlpha >= MaxAlpha) return;
    FActive = true;
    FFadingOut = false;
    FAlpha = MinAlpha;
}

void TScreenDarkener::FadeOut() {
    FFadingOut = true;
    FActive = true;
}

void TScreenDarkener::ShowAtFull() {
    FFadingOut = false;
    FAlpha = MaxAlpha;
    FActive = true;
}

void TScreenDarkener::UpdateAndDraw() {
    if (!FActive) return;
    FAlpha = FFadingOut ? std::max(0, FAlpha - AlphaStep) : std::min(MaxAlpha, FAlpha + AlphaStep);
    if (FAlpha <= 0 || !OmgImgList) return;
    // "BlackRect" is a quarter of the frame, drawn twice its size from the top-left corner.
    if (TImageListItem* Sheet = OmgImgList->Find("BlackRect"))
        Sheet->DrawEx(0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, std::min(FAlpha, 255), 0, 0);
}
