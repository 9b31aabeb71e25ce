#include "ValueUpDownClass.h"

#include "GeneralRoutinesClass.h"

void TValueUpDown::Setup(float ADec, float AInc, float AMax, float AMin) {
    Dec = ADec;
    Inc = AInc;
    Max = AMax;
    Min = AMin;
    FRaw = Min;
    Refresh();
}

void TValueUpDown::Update() {
    if (FRising) {
        FRaw += Inc;
        if (FRaw >= Max) {
            FRaw = Max;
            FRising = false;
        }
    } else {
        FRaw -= Dec;
        if (!(FRaw > Min)) {
            FRaw = Min;
            FRising = true;
        }
    }
    Refresh();
}

int32_t TValueUpDown::RoundedValue() const { return Round(Value); }

void TValueUpDown::RestartFalling() {
    FRaw = Max;
    Refresh();
    FRising = false;
}

void TValueUpDown::SetRangeMin(float V) {
    FRangeMin = V;
    FClampMin = true;
    Refresh();
}

void TValueUpDown::SetRangeMax(float V) {
    FRangeMax = V;
    FClampMax = true;
    Refresh();
}

void TValueUpDown::Refresh() {
    Value = FRaw;
    if (FClampMin && Value < FRangeMin) Value = FRangeMin;
    if (FClampMax && Value > FRangeMax) Value = FRangeMax;
}
