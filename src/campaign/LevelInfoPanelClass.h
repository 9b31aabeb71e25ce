// The level information panel of the level selection: the selected level's
// island and number, its objective, whether it is an action or a challenge
// level, and once it is won its best time and medal. It drops in from above
// when the level selection opens and goes back up when it is left, and every
// part of it swings gently together, as if it hung from a point far to its left.
#pragma once

#include <cstdint>
#include <functional>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

using TLevelInfoPanelPosUpdateEvent = std::function<void(TObject* Sender, TPoint APos)>;

class TLevelInfoPanel : public TObject {
public:
    enum TPhase : uint8_t { ipShowing, ipShown, ipHiding, ipHidden };
    // The longest best time the panel shows: 99:59.
    static constexpr int32_t MaxShownSeconds = 99 * 60 + 59;

    TLevelInfoPanel();

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 456;
    int32_t Top = 10;
    int32_t HideYPos = -40;
    int32_t MoveStep = 1;
    // Every frame the panel moves, with its new place.
    TLevelInfoPanelPosUpdateEvent OnPanelPosUpdate;

    // The digits' widths from "LevelSelTimeScore" and "LevelSelLevelInfo" once they are loaded.
    void InitImages();
    // Starts from the hidden place toward the shown one.
    void Show();
    void Hide();
    // What the panel tells of the selected level.
    struct TLevelInfo {
        int32_t Island = 1;
        int32_t Level = 1;
        bool Completed = false;
        int32_t BestTime = 0;  // seconds
        TMedalKind Medal = mdNone;
        TGameObjective Objective = goTargetFruits;
        TLevelKind LevelKind = lkNormal;
    };
    void SetLevelInfo(const TLevelInfo& Info) { FInfo = Info; }
    const TLevelInfo& LevelInfo() const { return FInfo; }

    // Once a frame: the slide, the swing, and the panel unless it is hidden.
    void UpdateAndDraw();

    TPhase Phase() const { return FPhase; }
    TPoint Position() const { return {Left, FY}; }
    float Swing() const { return FSwing.Value; }
    // Where the panel draws the digits, relative to its place: the level number's
    // second digit, and the best time's minutes (a single minute sits next to the colon).
    int32_t SecondLevelDigitX() const;
    struct TTimeDigits {
        int32_t MinuteTens = -1;  // -1: not drawn
        int32_t MinuteUnits = 0;
        int32_t SecondTens = 0;
        int32_t SecondUnits = 0;
    };
    static TTimeDigits TimeDigits(int32_t Seconds);
    int32_t LevelDigitWidth() const { return FLevelDigitWidth; }
    int32_t TimeDigitWidth() const { return FTimeDigitWidth; }

private:
    void Draw() const;
    void DrawPart(const char* Name, int32_t DX, int32_t DY, float CenterX, float Angle, int32_t Pattern,
                  float Scale = 1.0f, int32_t Red = 255, int32_t Green = 255, int32_t Blue = 255,
                  int32_t Alpha = 255, float CenterY = 0.5f) const;

    TPhase FPhase = ipHidden;
    int32_t FY = -40;
    TLevelInfo FInfo;
    int32_t FLevelDigitWidth = 20;
    int32_t FTimeDigitWidth = 10;
    TValueUpDown FSwing;
};
