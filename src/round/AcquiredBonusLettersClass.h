// The row of the five bonus letters B, O, N, U, S at the bottom right of the
// bonus stage: each slot glows faintly until its letter is caught, then shows
// the letter, each bobbing gently; with all five caught the row shines and
// OnComplete tells the stage its jackpot is won.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

constexpr int32_t BonusLetterCount = 5;
// The letters in their order ("BonusLetters" patterns 0-4 dim, 5-9 bright).
constexpr char BonusLetterOrder[BonusLetterCount + 1] = "BONUS";

// The letter's place in BONUS (0 to 4, either case), or -1 for any other character.
int32_t BonusLetterIndex(char Letter);

class TAcquiredBonusLetters : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t ShineAdjX = -20;
    int32_t ShineAdjY = -5;
    // The fifth letter has been caught.
    TNotifyEvent OnComplete;

    TAcquiredBonusLetters();

    // Where the letter sits in the row; (-99, -99) for a character that is not one of the five.
    TPoint LetterSlotPos(char Letter) const;
    // The letter lights in its slot; the one that completes the row raises OnComplete.
    void AcquireLetter(char Letter);
    bool LetterAcquired(char Letter) const;
    bool AllLettersAcquired() const;
    int32_t AcquiredCount() const;
    // Every slot empty again (a new bonus stage).
    void ClearLetters();
    // One frame: the bobbing advances, then the empty slots and the caught letters.
    void DrawLetters();

    float LetterSwing(int32_t Index) const { return FSwings[Index].Value; }

private:
    bool FAcquired[BonusLetterCount]{};
    TValueUpDown FSwings[BonusLetterCount];
};
