// The medal of a won round on the result screen, with its name above it. The
// medal comes from the time taken: within 40 percent of the level's time limit
// gold, within 65 percent silver, otherwise bronze.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;
class TOmegaFont;
class TTextStrings;

class TResultMedal : public TObject {
public:
    static constexpr int32_t NameFieldWidth = 224;
    static constexpr int32_t NameFieldAdjustX = -74;
    static constexpr int32_t NameAdjustY = -15;

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    int32_t Left = 0;
    int32_t Top = 0;
    // Seconds; the level start sets both from the level's time limit (SilverReqTimeFor, GoldReqTimeFor).
    int32_t SilverReqTime = 600;
    int32_t GoldReqTime = 400;

    // The medal for a round won in Seconds.
    TMedalKind MedalFor(int32_t Seconds) const;
    // MedalKind := the medal for a round won in Seconds.
    void SetMedalForTime(int32_t Seconds) { FMedalKind = MedalFor(Seconds); }
    void SetMedalKind(TMedalKind Kind) { FMedalKind = Kind; }
    TMedalKind MedalKind() const { return FMedalKind; }
    // Nothing for mdNone.
    void Draw() const;

private:
    TMedalKind FMedalKind = mdBronze;
};
