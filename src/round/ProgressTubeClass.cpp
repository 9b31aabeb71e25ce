#include "ProgressTubeClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TProgressTube::InitImages() {
    if (const TImageListItem* Glass = EffectImage(OmgImgList, "ProgressTubeGlass")) {
        TubeGlassWidth = Glass->EffectiveTileWidth();
        TubeGlassHeight = Glass->EffectiveTileHeight();
    }
    if (const TImageListItem* Covers = EffectImage(OmgImgList, "ProgressTubeEdgeCovers")) {
        EdgeCoverWidth = Covers->EffectiveTileWidth();
        EdgeCoverHeight = Covers->EffectiveTileHeight();
    }
}

void TProgressTube::Reset() {
    FSlide = slIdle;
    FX = Left;
    FCounted = 0;
    FShown = 0.0;
    FFull = false;
    FEnergyPixels = 0;
}

void TProgressTube::Show() {
    FX = Left;
    FY = HidingPosY;
    FSlide = slShowing;
}

void TProgressTube::Hide() { FSlide = slHiding; }

void TProgressTube::CountFruit() { FCounted = std::min(FCounted + 1, FruitCountTarget); }

void TProgressTube::UpdateAndDraw() {
    if (!Visible) return;
    if (FSlide == slShowing) {
        FY = std::min(FY + MoveStep, Top);
        if (FY == Top) FSlide = slIdle;
    } else if (FSlide == slHiding) {
        FY = std::max(FY - MoveStep, HidingPosY);
        if (FY == HidingPosY) FSlide = slIdle;
    }
    if (!Paused && FShown < FCounted) FShown = std::min(FShown + EnergyUpdStep, static_cast<double>(FCounted));
    if (!FFull && FShown >= FruitCountTarget) {
        FFull = true;
        if (OnFull) OnFull(this);
    }
    FEnergyPixels = FruitCountTarget > 0 ? Round(FShown / FruitCountTarget * FullEnergyPixel) : FullEnergyPixel;
    FEnergyPixels = std::clamp(FEnergyPixels, 0, FullEnergyPixel);
    Draw();
}

// The fill is the right-hand part of its image, so it seems to flow in from the left.
void TProgressTube::Draw() const {
    if (TImageListItem* Background = EffectImage(OmgImgList, "ProgressTubeBG")) Background->Draw(FX, FY, 0);
    if (FEnergyPixels > 0) {
        if (TImageListItem* Energy = EffectImage(OmgImgList, "ProgressTubeEnergy")) {
            Energy->DrawRect(Rect(FullEnergyPixel - FEnergyPixels, 0, EnergyWidth, EnergyHeight), FX + EnergyAdjustX,
                             FY + EnergyAdjustY, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, 255, false, false, 0, 0);
        }
    }
    if (TImageListItem* Covers = EffectImage(OmgImgList, "ProgressTubeEdgeCovers")) {
        Covers->Draw(FX + LeftCoverAdjX, FY + LeftCoverAdjY, 0);
        Covers->Draw(FX + RightCoverAdjX, FY + RightCoverAdjY, 1);
    }
    if (TImageListItem* Glass = EffectImage(OmgImgList, "ProgressTubeGlass")) {
        Glass->Draw(FX + TubeGlassAdjX, FY + TubeGlassAdjY, 0);
    }
}
