#include "AcquiredBonusLettersClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"

namespace {
constexpr TPoint SlotPositions[BonusLetterCount] = {{614, 534}, {646, 540}, {678, 537}, {710, 541}, {740, 538}};
// The bobs start out of step, so the row never moves as one.
constexpr int32_t SwingHeadStart[BonusLetterCount] = {0, 6, 12, 3, 9};
constexpr int32_t AdditiveBlend = 2;
constexpr int32_t EmptySlotAlpha = 80;
constexpr int32_t RowShineAlpha = 30;
// The letters turn about a point far to their left, so their tiny turn reads as a bob.
constexpr float LetterCenterX = -10.0f;
constexpr float LetterCenterY = 0.5f;
}  // namespace

int32_t BonusLetterIndex(char Letter) {
    const char Upper = (Letter >= 'a' && Letter <= 'z') ? static_cast<char>(Letter - 'a' + 'A') : Letter;
    for (int32_t I = 0; I < BonusLetterCount; ++I) {
        if (BonusLetterOrder[I] == Upper) return I;
    }
    return -1;
}

TAcquiredBonusLetters::TAcquiredBonusLetters() {
    for (int32_t I = 0; I < BonusLetterCount; ++I) {
        FSwings[I].Setup(0.045f, 0.045f, 0.18f, -0.18f);
        for (int32_t Step = 0; Step < SwingHeadStart[I]; ++Step) FSwings[I].Update();
    }
}

TPoint TAcquiredBonusLetters::LetterSlotPos(char Letter) const {
    const int32_t I = BonusLetterIndex(Letter);
    return I < 0 ? TPoint{-99, -99} : SlotPositions[I];
}

void TAcquiredBonusLetters::AcquireLetter(char Letter) {
    const int32_t I = BonusLetterIndex(Letter);
    if (I < 0 || FAcquired[I]) return;
    FAcquired[I] = true;
    if (AllLettersAcquired() && OnComplete) OnComplete(this);
}

bool TAcquiredBonusLetters::LetterAcquired(char Letter) const {
    const int32_t I = BonusLetterIndex(Letter);
    return I >= 0 && FAcquired[I];
}

bool TAcquiredBonusLetters::AllLettersAcquired() const { return AcquiredCount() == BonusLetterCount; }

int32_t TAcquiredBonusLetters::AcquiredCount() const {
    int32_t Count = 0;
    for (bool Acquired : FAcquired) Count += Acquired ? 1 : 0;
    return Count;
}

void TAcquiredBonusLetters::ClearLetters() {
    for (bool& Acquired : FAcquired) Acquired = false;
}

void TAcquiredBonusLetters::DrawLetters() {
    for (TValueUpDown& Swing : FSwings) Swing.Update();
    TImageListItem* Letters = EffectImage(OmgImgList, "BonusLetters");
    if (!Letters) return;
    for (int32_t I = 0; I < BonusLetterCount; ++I) {
        Letters->DrawEx(SlotPositions[I].X, SlotPositions[I].Y, FSwings[I].Value, LetterCenterX, LetterCenterY, 1.0f,
                        1.0f, 255, 255, 255, EmptySlotAlpha, I, AdditiveBlend);
    }
    const bool Complete = AllLettersAcquired();
    TImageListItem* Shine = Complete ? EffectImage(OmgImgList, "BonusLetterShine") : nullptr;
    for (int32_t I = 0; I < BonusLetterCount; ++I) {
        if (!FAcquired[I]) continue;
        if (Shine) {
            Shine->DrawEx(SlotPositions[I].X + ShineAdjX, SlotPositions[I].Y + ShineAdjY, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f,
                          255, 255, 255, RowShineAlpha, 0, AdditiveBlend);
        }
        Letters->DrawEx(SlotPositions[I].X, SlotPositions[I].Y, FSwings[I].Value, LetterCenterX, LetterCenterY, 1.0f,
                        1.0f, 255, 255, 255, 255, I + BonusLetterCount, 0);
    }
}
