#include "InfoDigitClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"

void TInfoDigit::InitImages() {
    if (const TImageListItem* Digits = EffectImage(OmgImgList, DigitImg)) DigitWidth = Digits->EffectiveTileWidth();
}

int32_t TInfoDigit::DigitsOf(int32_t (&Out)[10]) const {
    int32_t Reversed[10];
    int32_t Count = 0;
    int32_t V = FValue;
    do {
        Reversed[Count++] = V % 10;
        V /= 10;
    } while (V > 0 && Count < 10);
    for (int32_t I = 0; I < Count; ++I) Out[I] = Reversed[Count - 1 - I];
    return Count;
}

void TInfoDigit::Draw() const {
    TImageListItem* Digits = EffectImage(OmgImgList, DigitImg);
    if (!Digits) return;
    int32_t Each[10];
    const int32_t Count = DigitsOf(Each);
    for (int32_t I = 0; I < Count; ++I) Digits->Draw(Left + I * DigitWidth, Top, Each[I]);
}
