// The small Tavi who floats beside the small Mirel on the menu, the level
// selection and the garden: she flutters, sways and drifts about a point on
// one side of Mirel, and asks for a trail of fairy dust where she is.
#pragma once

#include <cstdint>

#include "AnimDataClass.h"
#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

enum TSmallTaviSelectedPos : uint8_t { spLeft, spRight };

class TSmallTavi : public TObject {
public:
    TSmallTavi();

    TOmegaImageList* OmgImgList = nullptr;
    // Her place left of Mirel, right of Mirel, and her height.
    int32_t Left1 = 0;
    int32_t Left2 = 0;
    int32_t Top = 0;
    TSmallTaviSelectedPos SelectedPos = spLeft;
    // Where her dust should come, once a frame.
    TCommonPosUpdateEvent OnDustRequest;

    // Beside Mirel standing with her top-left at (MirelLeft, MirelTop).
    void PlaceBeside(int32_t MirelLeft, int32_t MirelTop, TSmallTaviSelectedPos Side);
    // Once a frame: her wings, sway and drift, her figure, and the dust request.
    void UpdateAndDraw();

    float Swing() const { return FSwing.Value; }
    float DriftA() const { return FDriftA.Value; }
    float DriftB() const { return FDriftB.Value; }

private:
    TAnimData FWings;
    TValueUpDown FSwing;
    TValueUpDown FDriftA;
    TValueUpDown FDriftB;
};
