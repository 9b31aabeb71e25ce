// Tavi's flight over the result screen after a won round: she sweeps in from
// the right, swings round and rises away to the top left, shrinking as she
// goes, her wings beating; her position feeds the trail of dust behind her.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TTaviScoring : public TObject {
public:
    static constexpr int32_t FrameSequenceLength = 11;
    static constexpr int32_t FrameSequence[FrameSequenceLength] = {1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1};

    TOmegaImageList* OmgImgList = nullptr;
    TCommonPosUpdateEvent OnPosUpdate;  // every frame of the flight, the last included

    void Reset();
    void Start();
    void UpdateAndDraw();

    bool Flying() const { return FFlying; }
    TFloatPoint Position() const { return FPos; }
    TFloatPoint Velocity() const { return FVelocity; }
    TFloatPoint Acceleration() const { return FAccel; }
    double Scale() const { return FScale; }
    bool TurningBack() const { return FTurningBack; }
    // The wing frame (1 to 6) and the angle she was last drawn with.
    int32_t Frame() const { return FSequenceIdx < 0 ? FrameSequence[0] : FrameSequence[FSequenceIdx]; }
    double Angle() const { return FAngle; }

private:
    bool FFlying = false;
    TFloatPoint FPos;
    TFloatPoint FVelocity;
    TFloatPoint FAccel;
    double FScale = 1.0;
    bool FTurningBack = false;
    int32_t FSequenceIdx = -1;
    double FAngle = 0.0;
};
