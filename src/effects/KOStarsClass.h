// The stars that circle over a knocked-out boss monster on a swinging, shimmering
// track, and sink off the screen with it when the round's board is swept away.
// Decoration only; it runs the same with or without images.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

class TKOStars : public TObject {
public:
    static constexpr int32_t StarCount = 4;
    static constexpr int32_t CornerCount = 4;  // top-left, top-right, bottom-right, bottom-left
    // The stars go once they have sunk below this line.
    static constexpr int32_t SunkPos = 600;
    // The track is drawn this far left of and below the stars' position.
    static constexpr int32_t TrackAdjX = -30;
    static constexpr int32_t TrackAdjY = 30;

    struct TKOStar {
        double Angle = 0.0;  // degrees about the point below it, 0 to 360
        double Size = 3.0;   // how far below itself (in its own heights) it circles
    };

    TKOStars();

    TOmegaImageList* OmgImgList = nullptr;
    // False: the stars neither advance nor draw (as while the round is paused).
    bool Visible = true;
    // Where StartStars puts them.
    int32_t Left = 0;
    int32_t Top = 0;
    // Pixels a frame of the sinking.
    double DisappearMoveStep = 3.0;
    int32_t MaxTrackAlpha = 160;
    int32_t TrackAlphaDec = 15;
    int32_t StarAlpha = 180;
    double MaxStarSize = 3.0;
    double StarAngleStep = 6.0;

    // Stars at (Left, Top), half size when Small.
    void StartStars(bool Small);
    void StartSinking() { FSinking = true; }
    void ResetStars() { FActive = false; }
    // Once a frame.
    void UpdateAndDraw();

    bool Active() const { return FActive; }
    bool Sinking() const { return FSinking; }
    bool Small() const { return FSmall; }
    TFloatPoint Position() const { return TFloatPoint{FX, FY}; }
    // Top-left pixel "KOStarTrack" is drawn at (before its scaling and swing).
    TPoint TrackPosition() const;
    const TKOStar& Star(int32_t Index) const { return FStars[Index]; }
    int32_t CornerAlpha(int32_t Corner) const { return FCornerAlphas[Corner]; }
    int32_t TrackCycle() const { return FTrackCycle; }
    float TrackSwing() const { return FTrackSwing.Value; }

private:
    void StepStar(TKOStar& Star) const;
    void StepTrack();

    bool FActive = false;
    bool FSinking = false;
    bool FSmall = false;
    double FX = 0.0;
    double FY = 0.0;
    TKOStar FStars[StarCount];
    int32_t FCornerAlphas[CornerCount] = {255, 0, 0, 0};
    int32_t FTrackCycle = 1;
    TValueUpDown FTrackSwing;
};
