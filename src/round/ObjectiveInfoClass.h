// The objective announcement before play: a ribbon with the objective's logo,
// title and description rises from below the screen, grows into view and
// settles; its three pieces pop one after the other, it stays a few seconds
// (a click sends it off sooner) and then flies out at the top. The round
// starts when it has gone.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "GeneralRoutinesClass.h"
#include "SpritePopperClass.h"

class TOmegaImageList;

class TObjectiveInfo : public TObject {
public:
    enum TPhase : uint8_t { ipHidden = 0, ipRising = 1, ipShowing = 2, ipLeaving = 3 };
    static constexpr int32_t RestLeft = 192;
    static constexpr int32_t RestTop = 131;
    // Delays of the logo's, title's and description's pops, counted from the panel's rest.
    static constexpr int32_t LogoPopDelay = 1 * FrameStep;
    static constexpr int32_t TitlePopDelay = 10 * FrameStep;
    static constexpr int32_t DescPopDelay = 19 * FrameStep;

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    int32_t ShowingTime = 3000;  // ms at rest; the level start sets it
    int32_t OrigMoveStep = 10;
    int32_t ShadowHeight = 160;  // from "ObjInfoShadow" (InitImages)
    TNotifyEvent OnShowing;
    TNotifyEvent OnStartHiding;
    TNotifyEvent OnHidingComplete;

    TObjectiveInfo();
    void InitImages();
    // Put away at once, nothing raised.
    void Reset();
    // Announces Objective: the panel starts rising from below the screen.
    void Start(TGameObjective Objective);
    // The player's click: at rest the panel leaves at once; while it rises nothing happens.
    void Skip();
    void UpdateAndDraw();

    TPhase Phase() const { return FPhase; }
    TGameObjective Objective() const { return FObjective; }
    TFloatPoint Position() const { return FPos; }
    double Opacity() const { return FOpacity; }
    double Scale() const { return FScale; }
    int32_t ShownTime() const { return FTimer; }
    TSpritePopper& LogoPopper() { return FLogoPopper; }
    TSpritePopper& TitlePopper() { return FTitlePopper; }
    TSpritePopper& DescPopper() { return FDescPopper; }
    // The opacity (0..255) a piece is drawn with: capped at MaxBeforePop until its pop has begun.
    int32_t PieceAlpha(const TSpritePopper& Popper, double MaxBeforePop) const;

private:
    void Rise();
    void Leave();
    void RestartPops();
    void Draw();
    void DrawPiece(const char* Image, int32_t X, int32_t Y, const TSpritePopper& Popper, double MaxBeforePop);

    TPhase FPhase = ipHidden;
    TGameObjective FObjective = goTargetFruits;
    TFloatPoint FPos{RestLeft, 600};
    double FSpeed = 10.0;
    double FOpacity = 0.0;
    double FScale = 0.0;
    int32_t FTimer = 0;
    TSpritePopper FLogoPopper;
    TSpritePopper FTitlePopper;
    TSpritePopper FDescPopper;
};
