// An oscillating value that swings between Min and Max, rising by Inc and
// falling by Dec each update: used for pulsing alphas, swings and bobbing.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TValueUpDown : public TObject {
public:
    float Value = 0.0f;
    float Min = 0.0f;
    float Max = 100.0f;
    float Inc = 1.0f;
    float Dec = 1.0f;

    void Setup(float ADec, float AInc, float AMax, float AMin);
    void Update();
    int32_t RoundedValue() const;
    void StartRising() { FRising = true; }
    void RestartFalling();
    // Setting a range limit also switches its clamp on.
    void SetRangeMin(float V);
    void SetRangeMax(float V);
    bool Rising() const { return FRising; }

private:
    void Refresh();

    float FRaw = 0.0f;
    bool FRising = false;
    float FRangeMin = 0.0f;
    float FRangeMax = 0.0f;
    bool FClampMin = false;
    bool FClampMax = false;
};
