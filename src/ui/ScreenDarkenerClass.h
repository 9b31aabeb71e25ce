// Darkens everything drawn before it with a translucent black sheet while a
// window shows: it fades in from MinAlpha to MaxAlpha when the window starts
// sliding in and fades out to nothing when it starts sliding out.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TScreenDarkener : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t AlphaStep = 20;
    int32_t MinAlpha = 20;
    int32_t MaxAlpha = 140;

    // Starts fading in from MinAlpha, unless it is already fully dark and fading in.
    void FadeIn();
    // Fades out; it stays active (drawing nothing visible at alpha 0).
    void FadeOut();
    // Fully dark at once.
    void ShowAtFull();
    void SwitchOff() { FActive = false; }
    // One fade step, then "BlackRect" over the whole frame at that alpha.
    void UpdateAndDraw();

    bool Active() const { return FActive; }
    bool FadingOut() const { return FFadingOut; }
    int32_t Alpha() const { return FAlpha; }

private:
    bool FActive = false;
    bool FFadingOut = false;
    int32_t FAlpha = 0;
};
