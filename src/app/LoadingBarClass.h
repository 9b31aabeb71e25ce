// The splash screen's loading bar: one step per image of the main set plus a
// last step released by the title logo's entrance; it pulses "loading" while
// the game loads and "click anywhere" once everything is ready.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

class TLoadingBar : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 256;
    int32_t Top = 526;
    int32_t ImageCountToLoad = 1;
    int32_t FillWidth = 0;
    int32_t FillHeight = 0;

    TLoadingBar();
    // Takes the fill size from "LoadingBarFill" once the splash images are loaded.
    void InitImages();
    void StepIt();
    int32_t Steps() const { return FSteps; }
    bool LoadingMinusOneFinished() const { return FSteps >= ImageCountToLoad - 1; }
    bool LoadingFinished() const { return FSteps >= ImageCountToLoad; }
    // The bar slides down 10 pixels and stays there.
    void StartLeaving() { FLeaving = true; }
    bool Leaving() const { return FLeaving; }
    int32_t FilledWidth() const;
    int32_t Percentage() const;
    void UpdateAndDraw();

private:
    int32_t FSteps = 0;
    bool FLeaving = false;
    int32_t FLeaveOffset = 0;
    TValueUpDown FLoadingPulse;
    TValueUpDown FClickPulse;
};
