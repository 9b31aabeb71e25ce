#include "CompanyLogosClass.h"

#include <algorithm>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
const char* const LogoNames[TCompanyLogos::MaxLogos] = {"CompanyLogo1", "CompanyLogo2", "CompanyLogo3"};
}

void TCompanyLogos::SetLogoCount(int32_t Count) { FLogoCount = std::clamp(Count, 1, MaxLogos); }

void TCompanyLogos::SkipHold() {
    if (!Finished()) FHoldTimer = HoldTimes[FCurrent - 1];
}

void TCompanyLogos::UpdateAndDraw() {
    if (!Finished() && OmgImgList) {
        if (TImageListItem* White = OmgImgList->Find("WhiteRect")) {
            White->DrawEx(0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 255, 0, 0);
        }
    }
    // The current logo may change inside the loop; the next one starts fading in on the following frame.
    const int32_t Current = FCurrent;
    for (int32_t N = 1; N <= FLogoCount; ++N) {
        int32_t& Alpha = FAlpha[N - 1];
        if (N == Current) {
            Alpha += AlphaInc;
            if (Alpha > 254) {
                Alpha = 255;
                FHoldTimer += FrameStep;
                if (FHoldTimer >= HoldTimes[N - 1]) {
                    FHoldTimer = 0;
                    FCurrent = N + 1;
                }
            }
        } else {
            Alpha = std::max(0, Alpha - AlphaDec);
        }
        if ((N == Current || N == Current - 1) && Alpha > 0 && OmgImgList) {
            if (TImageListItem* Logo = OmgImgList->Find(LogoNames[N - 1])) {
                Logo->DrawEx(0, 0, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, static_cast<uint8_t>(Alpha), 0, 0);
            }
        }
    }
}
