// The opening logo screens: each logo fades in over white, holds, and hands
// over to the next; a click ends the current logo's hold.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TCompanyLogos : public TObject {
public:
    static constexpr int MaxLogos = 3;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t AlphaInc = 6;
    int32_t AlphaDec = 12;
    int32_t HoldTimes[MaxLogos] = {750, 950, 200};

    // Two logos, or three when a third logo file exists.
    void SetLogoCount(int32_t Count);
    int32_t LogoCount() const { return FLogoCount; }
    int32_t CurrentLogo() const { return FCurrent; }
    int32_t LogoAlpha(int32_t Logo) const { return FAlpha[Logo - 1]; }
    bool Finished() const { return FCurrent > FLogoCount; }

    // One frame: the white background while the logos run, then every logo
    // with its fading alpha (so the last one keeps fading out over the splash).
    void UpdateAndDraw();
    // A press: the current logo leaves as soon as it is fully shown.
    void SkipHold();

private:
    int32_t FLogoCount = 2;
    int32_t FCurrent = 1;
    int32_t FAlpha[MaxLogos] = {0, 0, 0};
    int32_t FHoldTimer = 0;
};
