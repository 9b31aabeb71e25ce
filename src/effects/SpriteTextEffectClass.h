// The comic words "Pow" and "Bam" that pop up where a ladybug is hit in the
// bonus stage: each rises a pixel a frame and fades away at its own pace. Up
// to twenty at once, a new word taking the place of the oldest. Decoration only.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TSpriteTextEffect : public TObject {
public:
    static constexpr int32_t WordCount = 20;

    TOmegaImageList* OmgImgList = nullptr;
    // False: the words neither draw nor move; shown again they go on where they stopped.
    bool Visible = true;
    int32_t BeginAlphaIdx = 250;
    int32_t EndAlphaIdx = 50;
    int32_t MinAlphaStep = 6;
    int32_t MaxAlphaStep = 12;

    // A word at (X, Y): Kind 0 "Pow", 1 "Bam". Its fade's pace comes from the cosmetic stream.
    void AddWord(int32_t X, int32_t Y, int32_t Kind);
    // A word of either kind, chosen by the cosmetic stream.
    void AddRandomWord(int32_t X, int32_t Y);
    void UpdateAndDraw();
    // No word showing; the next one takes the first slot.
    void ClearWords();

    bool WordActive(int32_t Idx) const { return FWords[Idx].Active; }
    const char* WordImage(int32_t Idx) const { return FWords[Idx].Image; }
    TFloatPoint WordPos(int32_t Idx) const { return TFloatPoint{FWords[Idx].X, FWords[Idx].Y}; }
    double WordAlpha(int32_t Idx) const { return FWords[Idx].Alpha; }
    double WordAlphaStep(int32_t Idx) const { return FWords[Idx].AlphaStep; }
    int32_t ActiveCount() const;

private:
    struct TWord {
        bool Active = false;
        const char* Image = "";
        double X = 0.0;
        double Y = 0.0;
        double Alpha = 0.0;
        double AlphaStep = 0.0;
    };

    TWord FWords[WordCount];
    int32_t FRing = 0;  // the slot used last, counted from 1; 0 after a reset
};
