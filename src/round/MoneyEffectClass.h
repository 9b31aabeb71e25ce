// Floating money: an amount just earned rises from where it was won and fades
// away, drawn in small digit images. Up to 20 float at once; a new one takes
// the place of the oldest.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;

class TMoneyEffect : public TObject {
public:
    static constexpr int32_t EntryCount = 20;

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    std::string Image = "MoneyEffect";  // digits 0..9 are its patterns 0..9
    int32_t DigitWidth = 10;            // from the image's pattern width (InitImages)
    float ScaleFactor = 1.0f;           // 0.7 during a round, 1.0 in the bonus stage
    int32_t BeginAlphaIdx = 225;
    int32_t EndAlphaIdx = 80;
    int32_t MinAlphaStep = 2;
    int32_t MaxAlphaStep = 4;

    void InitImages();
    void Reset();
    // Amount starts floating up from (X, Y), in the next entry round the ring.
    void Add(int32_t Amount, int32_t X, int32_t Y);
    void UpdateAndDraw();

    bool EntryActive(int32_t Idx) const { return FEntries[Idx].Active; }
    int32_t EntryAmount(int32_t Idx) const { return FEntries[Idx].Amount; }
    TFloatPoint EntryPos(int32_t Idx) const { return TFloatPoint{FEntries[Idx].X, FEntries[Idx].Y}; }
    double EntryAlpha(int32_t Idx) const { return FEntries[Idx].Alpha; }
    int32_t ActiveCount() const;

private:
    struct TEntry {
        bool Active = false;
        int32_t Amount = 0;
        double X = 0.0;
        double Y = 0.0;
        double Alpha = 0.0;
        double AlphaStep = 0.0;
    };
    void Draw(const TEntry& Entry) const;

    TEntry FEntries[EntryCount];
    int32_t FLast = EntryCount - 1;  // the entry used last; the next one is taken after it
};
