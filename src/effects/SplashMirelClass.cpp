#include "SplashMirelClass.h"

#include <cmath>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TSplashMirel::UpdateAndDraw() {
    ++FFrame;
    // The breeze lifts her hair for a moment every second or so.
    FHairPattern = (FFrame % 40) < 14 ? 1 : 0;
    // She waves for two seconds, then rests for three.
    const int32_t InCycle = FFrame % (WaveFrames + RestFrames);
    FWavingPose = InCycle < WaveFrames && (InCycle / 8) % 2 == 1;
    // A slow breath moves her by a pixel or so.
    const int32_t Breath = Round(1.2 * std::sin(FFrame * 0.07));
    if (!OmgImgList) return;
    const int32_t X = Left;
    const int32_t Y = Top + Breath;
    if (TImageListItem* Hair = OmgImgList->Find("SplashMirelHair")) Hair->Draw(X, Y, FHairPattern);
    if (TImageListItem* Body = OmgImgList->Find("SplashMirelBody")) Body->Draw(X, Y, 0);
    if (TImageListItem* LeftHand = OmgImgList->Find("SplashMirelLeftHand")) LeftHand->Draw(X, Y, 0);
    if (TImageListItem* Hand = OmgImgList->Find(FWavingPose ? "SplashMirelHand2" : "SplashMirelHand1")) {
        Hand->Draw(X, Y, 0);
    }
}
