#include "SplashLogoClass.h"

#include <algorithm>
#include <cmath>

#include "DrawRoutinesClass.h"
#include "GeneralRoutinesClass.h"

namespace {
// Smooth start and stop over 0..1.
double EaseInOut(double T) {
    T = std::clamp(T, 0.0, 1.0);
    return T * T * (3.0 - 2.0 * T);
}
}  // namespace

void TSplashLogo::Reset() {
    FFrame = -1;
    FBlurAlpha = 0;
    FSharpAlpha = 0;
    FRiseOffset = RiseDistance;
}

void TSplashLogo::UpdateAndDraw() {
    if (FFrame < 1000000) ++FFrame;
    const double Rise = EaseInOut(static_cast<double>(FFrame) / RiseFrames);
    FRiseOffset = RiseDistance * (1.0 - Rise);
    const double Focus = EaseInOut(static_cast<double>(FFrame - FocusStartFrame) / FocusFrames);
    FSharpAlpha = Round(255.0 * Focus);
    // The blur fades in while rising and fades out as the sharp logo takes over.
    FBlurAlpha = Round(255.0 * std::min(Rise * 1.6, 1.0) * (1.0 - Focus));

    const int32_t Y = Top + Round(FRiseOffset);
    if (FBlurAlpha > 0) {
        const float Scale = static_cast<float>(1.0 + 0.06 * (1.0 - Focus));
        DrawImageSmooth("SplashZorLogoBlur", Left, Y, 0.0f, 0.5f, 0.5f, Scale, Scale, 255, 255, 255,
                        static_cast<uint8_t>(FBlurAlpha), 0);
    }
    if (FSharpAlpha > 0) {
        DrawImageSmooth("SplashZorLogo", Left, Y, 0.0f, 0.5f, 0.5f, 1.0f, 1.0f, 255, 255, 255,
                        static_cast<uint8_t>(FSharpAlpha), 0);
    }
}
