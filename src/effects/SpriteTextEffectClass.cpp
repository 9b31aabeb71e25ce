#include "SpriteTextEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

void TSpriteTextEffect::AddWord(int32_t X, int32_t Y, int32_t Kind) {
    FRing = FRing % WordCount + 1;
    TWord& Word = FWords[FRing - 1];
    Word.Image = Kind == 1 ? "Bam" : "Pow";
    Word.X = X;
    Word.Y = Y;
    Word.Alpha = BeginAlphaIdx;
    Word.AlphaStep = MinAlphaStep + CosmeticRandomInt(MaxAlphaStep - MinAlphaStep + 1);
    Word.Active = true;
}

void TSpriteTextEffect::AddRandomWord(int32_t X, int32_t Y) { AddWord(X, Y, CosmeticRandomInt(2)); }

void TSpriteTextEffect::UpdateAndDraw() {
    if (!Visible) return;
    for (TWord& Word : FWords) {
        if (!Word.Active) continue;
        Word.Y -= 1.0;
        Word.Alpha -= Word.AlphaStep;
        if (Word.Alpha < EndAlphaIdx) {
            Word.Active = false;
            continue;
        }
        if (TImageListItem* Image = EffectImage(OmgImgList, Word.Image)) {
            Image->DrawEx(Round(Word.X), Round(Word.Y), 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Round(Word.Alpha),
                          0, 0);
        }
    }
}

void TSpriteTextEffect::ClearWords() {
    for (TWord& Word : FWords) Word = TWord{};
    FRing = 0;
}

int32_t TSpriteTextEffect::ActiveCount() const {
    int32_t Count = 0;
    for (const TWord& Word : FWords) Count += Word.Active ? 1 : 0;
    return Count;
}
