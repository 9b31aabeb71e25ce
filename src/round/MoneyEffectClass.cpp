#include "MoneyEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

void TMoneyEffect::InitImages() {
    if (const TImageListItem* Digits = EffectImage(OmgImgList, Image)) DigitWidth = Digits->EffectiveTileWidth();
}

void TMoneyEffect::Reset() {
    for (TEntry& Entry : FEntries) Entry = TEntry{};
    FLast = EntryCount - 1;
}

void TMoneyEffect::Add(int32_t Amount, int32_t X, int32_t Y) {
    FLast = (FLast + 1) % EntryCount;
    TEntry& Entry = FEntries[FLast];
    Entry.Active = true;
    Entry.Amount = Amount < 0 ? 0 : Amount;
    Entry.X = X;
    Entry.Y = Y;
    Entry.Alpha = BeginAlphaIdx;
    // Only drawn: the fade's pace is the cosmetic stream's.
    Entry.AlphaStep = MinAlphaStep + CosmeticRandomInt(MaxAlphaStep - MinAlphaStep + 1);
}

int32_t TMoneyEffect::ActiveCount() const {
    int32_t Count = 0;
    for (const TEntry& Entry : FEntries) Count += Entry.Active ? 1 : 0;
    return Count;
}

void TMoneyEffect::UpdateAndDraw() {
    if (!Visible) return;
    TImageListItem* Digits = EffectImage(OmgImgList, Image);
    if (Digits) SetEffectFiltering(OmgImgList, true);
    for (TEntry& Entry : FEntries) {
        if (!Entry.Active) continue;
        Entry.Y -= 1.0;
        Entry.Alpha -= Entry.AlphaStep;
        if (Entry.Alpha < EndAlphaIdx) {
            Entry.Active = false;
            continue;
        }
        if (Digits) Draw(Entry);
    }
    if (Digits) SetEffectFiltering(OmgImgList, false);
}

// Digit i (counted from 1) at X + i * DigitWidth * ScaleFactor.
void TMoneyEffect::Draw(const TEntry& Entry) const {
    TImageListItem* Digits = EffectImage(OmgImgList, Image);
    int32_t Each[10];
    int32_t Count = 0;
    int32_t V = Entry.Amount;
    do {
        Each[Count++] = V % 10;
        V /= 10;
    } while (V > 0 && Count < 10);
    const int32_t Alpha = Round(Entry.Alpha);
    const int32_t Y = Round(Entry.Y);
    for (int32_t I = 1; I <= Count; ++I) {
        const int32_t X = Round(Entry.X + I * DigitWidth * static_cast<double>(ScaleFactor));
        Digits->DrawEx(X, Y, 0.0f, 0.0f, 0.0f, ScaleFactor, ScaleFactor, 255, 255, 255, Alpha, Each[Count - I], 0);
    }
}
