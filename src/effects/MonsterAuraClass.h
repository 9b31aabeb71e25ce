// The glowing bubble that swells around a boss monster while it absorbs: it
// grows to its peak (where the round timer is drained), breathes and turns
// there with sparks crackling about it, and fades away when the monster stops.
// Its timing runs the same with or without images; the sparks' places come
// from the cosmetic stream.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

// What the aura is doing.
enum TAuraPhase : uint8_t { apOff, apGrowing, apAtPeak, apFading };

class TMonsterAura : public TObject {
public:
    static constexpr int32_t SparkCount = 5;
    // Frames one spark shows: patterns 1, 1, 2, 2, ... 5, 5 of "AuraSpark".
    static constexpr int32_t SparkSteps = 10;

    // One crackle about the bubble.
    struct TAuraSpark {
        int32_t X = 0;
        int32_t Y = 0;
        int32_t Angle = 0;
        int32_t BaseAlpha = 0;
        double Size = 0.0;
        int32_t Step = SparkSteps - 1;  // 0-based place in the sequence; the last one re-places it next frame
        // Pattern of "AuraSpark" drawn at this step (the sequence number - 1).
        int32_t Pattern() const { return Step / 2; }
    };

    TMonsterAura();

    TOmegaImageList* OmgImgList = nullptr;
    // False: the aura neither advances nor draws.
    bool Visible = true;
    // Where "AuraBubble" is drawn (the bubble swells and turns about its middle).
    int32_t Left = 0;
    int32_t Top = 0;
    // Milliseconds at the peak before OnAuraPeakWithDelay.
    int32_t AuraPeakDelayTime = 2000;
    double MaxBubbleSizeRatio = 2.0;
    double MinBubbleSizeRatio = 0.5;
    int32_t MaxBubbleAlpha = 240;
    int32_t MinBubbleAlpha = 10;
    // The sparks fall in a 200-pixel square from (Left, Top) + (SparksAdjX, SparksAdjY).
    int32_t SparksAdjX = -50;
    int32_t SparksAdjY = -35;
    // The bubble has grown to full size: the moment the monster drains the timer.
    TNotifyEvent OnAuraPeak;
    // AuraPeakDelayTime after the peak, once per start.
    TNotifyEvent OnAuraPeakWithDelay;

    // The bubble starts growing from its smallest size and faintest alpha;
    // the sparks are placed about it afresh on its first frame.
    void StartAura();
    // The bubble fades away (an aura that is off stays off).
    void StopAura();
    // Off at once, sparks unlit.
    void ResetAura();
    // Once a frame.
    void UpdateAndDraw();

    TAuraPhase Phase() const { return FPhase; }
    double BubbleSize() const { return FBubbleSize; }
    int32_t BubbleAlpha() const { return FBubbleAlpha; }
    double BubbleAngle() const { return FBubbleAngle; }
    int32_t TimeAtPeak() const { return FTimeAtPeak; }
    double SparksFade() const { return FSparksFade; }
    // The breathing that swells and shrinks the bubble a little about its size.
    float Breathing() const { return FBreathing.Value; }
    const TAuraSpark& Spark(int32_t Index) const { return FSparks[Index]; }

private:
    void StepBubble();
    void StepSpark(TAuraSpark& Spark);
    void PlaceSpark(TAuraSpark& Spark) const;

    TAuraPhase FPhase = apOff;
    double FBubbleSize = 0.5;
    int32_t FBubbleAlpha = 10;
    double FBubbleAngle = 0.0;
    int32_t FTimeAtPeak = 0;
    bool FPeakDelaySent = false;
    double FSparksFade = 0.0;
    TValueUpDown FBreathing;
    TAuraSpark FSparks[SparkCount];
};
