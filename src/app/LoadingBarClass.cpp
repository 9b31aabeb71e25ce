#include "LoadingBarClass.h"

#include <algorithm>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

TLoadingBar::TLoadingBar() {
    FLoadingPulse.Setup(8.0f, 8.0f, 255.0f, 120.0f);
    FClickPulse.Setup(12.0f, 15.0f, 255.0f, 40.0f);
}

void TLoadingBar::InitImages() {
    if (!OmgImgList) return;
    if (TImageListItem* Fill = OmgImgList->Find("LoadingBarFill")) {
        FillWidth = Fill->TileWidth;
        FillHeight = Fill->TileHeight;
    }
}

void TLoadingBar::StepIt() {
    if (FSteps < ImageCountToLoad) ++FSteps;
}

int32_t TLoadingBar::FilledWidth() const {
    if (ImageCountToLoad <= 0) return FillWidth;
    return Round(static_cast<double>(FSteps) / ImageCountToLoad * FillWidth);
}

int32_t TLoadingBar::Percentage() const {
    if (ImageCountToLoad <= 0) return 100;
    return std::min(100, Round(static_cast<double>(FSteps) / ImageCountToLoad * 100.0));
}

void TLoadingBar::UpdateAndDraw() {
    if (FLeaving && FLeaveOffset < 10) ++FLeaveOffset;
    if (!OmgImgList) return;
    const int32_t X = Left;
    const int32_t Y = Top + FLeaveOffset;
    const auto DrawAt = [this](const char* Name, int32_t AtX, int32_t AtY, int32_t Pattern, uint8_t Alpha) {
        if (TImageListItem* Item = OmgImgList->Find(Name)) {
            Item->DrawEx(AtX, AtY, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Alpha, Pattern, 0);
        }
    };
    DrawAt("LoadingBarBG", X, Y, 0, 255);
    const int32_t Filled = FilledWidth();
    if (Filled > 0 && FillHeight > 0) {
        if (TImageListItem* Fill = OmgImgList->Find("LoadingBarFill")) {
            Fill->DrawRect(TRect{0, 0, Filled, FillHeight}, X + 21, Y + 38, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255,
                           255, false, false, 0, 0);
        }
    }
    const int32_t Percent = Percentage();
    const int32_t EdgePattern = Percent <= 25 ? 0 : Percent <= 50 ? 1 : Percent <= 75 ? 2 : 3;
    DrawAt("LoadingBarFillEdge", X + Filled + 15, Y + 38, EdgePattern, 255);
    DrawAt("LoadingBarCover", X + 10, Y + 31, 0, 255);
    DrawAt("LoadingBarGlass", X + 24, Y + 37, 0, 255);
    if (!LoadingFinished()) {
        FLoadingPulse.Update();
        DrawAt("LoadingText", X + 69, Y - 2, 0, static_cast<uint8_t>(std::clamp(FLoadingPulse.RoundedValue(), 0, 255)));
    } else {
        FClickPulse.Update();
        DrawAt("LoadingClickAnywhere", X + 117, Y + 41, 0,
               static_cast<uint8_t>(std::clamp(FClickPulse.RoundedValue(), 0, 255)));
    }
}
