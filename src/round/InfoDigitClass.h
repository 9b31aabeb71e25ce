// A small number drawn from digit images, such as the island and level numbers
// on the left panel.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;

class TInfoDigit : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    std::string DigitImg;  // patterns 0..9 are the digits
    int32_t DigitWidth = 10;  // from the image's pattern width (InitImages)
    int32_t Left = 0;
    int32_t Top = 0;

    void InitImages();
    // A negative value is kept as 0.
    void SetValue(int32_t V) { FValue = V < 0 ? 0 : V; }
    int32_t Value() const { return FValue; }
    // The decimal digits, left to right, DigitWidth apart.
    void Draw() const;
    // Digits of the value, most significant first, into Out (room for 10); returns how many.
    int32_t DigitsOf(int32_t (&Out)[10]) const;

private:
    int32_t FValue = 0;
};
