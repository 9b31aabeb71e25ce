// Tavi, the fairy who keeps the player company during a level. She hovers
// beside the board or perches on a top tile and bounces with it, moves when
// clicked, and on the round's order flies to a point and waves her wand to
// shuffle the board, restore an eaten fruit or show a hint. She changes
// nothing herself: when the wand has been waved she says so, and the round
// lets the board do the work. Everything she decides comes from the gameplay
// stream and runs the same whether she is drawn or not.
#pragma once

#include <cstdint>
#include <functional>

#include "BoardDataClass.h"
#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

enum TFairyMagicPurpose : uint8_t { mpShuffle, mpRestoreFruit, mpHint };

// Away: not shown, not updated. Hovering: front view at a resting place beside
// the board. Sitting: on a top tile. Flying: side view, on her way to the
// target. Casting: side view, waving the wand.
enum TFairyState : uint8_t { fsAway, fsHovering, fsSitting, fsFlying, fsCasting };

using TFairyMagicPerformEvent =
    std::function<void(TObject* Sender, TPoint AWandPos, TFairyMagicPurpose AFairyMagicPurpose,
                       TPoint AEatenFruitTilePos, THintTilesPos AHintTilesPos)>;
using TFairyTopTilePosRequestEvent = std::function<void(TObject* Sender, TPoint& TopTilePos)>;
using TFairyPosUpdateEvent = std::function<void(TObject* Sender, TPoint APos)>;
using TFairyDisplayingTutorialQuestionEvent = std::function<void(TObject* Sender, bool& ADisplayingTutorial)>;
using TDisplayingClickNeedHintTutorialQuestion = std::function<void(TObject* Sender, bool& ADisplaying)>;
using THintTilesPosRequestEvent = std::function<void(TObject* Sender, THintTilesPos& AHintTilesPos)>;

// Where she is going to rest: a resting place beside the board, or a seat on a tile.
struct TFairyRestingPlace {
    TPoint Pos;
    bool Sitting = false;
};

class TFairy : public TObject {
public:
    // Resting places 1 to 7 (index 0 to 6): 1 to 3 left of the board, 4 to 7 right of it.
    static constexpr int32_t RestingPlaceCount = 7;
    static constexpr TPoint RestingPlaces[RestingPlaceCount] = {{136, 84},  {130, 212}, {144, 338}, {672, 0},
                                                                {676, 127}, {663, 244}, {672, 364}};
    static constexpr int32_t FlightSpeed = 12;  // pixels a frame along the longer axis
    static constexpr TPoint LeavingPoint{900, -100};
    static constexpr TPoint ShuffleWandPoint{460, 260};
    // Her wand hand is this far from her position: the target of a cast is moved by it.
    static constexpr int32_t WandHandShiftLeft = 10;     // facing left
    static constexpr int32_t WandHandShiftRight = -113;  // facing right
    static constexpr double WandSwingStep = 8.75;  // degrees a frame
    static constexpr double WandOutAngle = -105.0;
    static constexpr double WandBackAngle = -60.0;
    static constexpr double LegSwingStep = 1.6;

    TFairy();

    // Properties.
    TOmegaImageList* OmgImgList = nullptr;
    // False: she is neither updated nor drawn and ignores clicks; orders and
    // flights still change her state and wait until she shows again.
    bool Visible = true;
    int32_t FlyingIdleTime = 45000;  // ms she hovers at one place before choosing again
    int32_t SittingIdleTime = 35000; // ms she sits before choosing again
    int32_t WandingWaitTime = 650;   // ms after the wave before she flies off
    // The board's top-left tile corner, for her seats and the orders' wand points.
    int32_t BoardLeft = BoardScreenLeft;
    int32_t BoardTop = BoardScreenTop;

    // Events (each raised only when assigned).
    TFairyMagicPerformEvent OnMagicPerformed;      // once per order, when the wave is done
    TFairyTopTilePosRequestEvent OnTopTilePosRequest;  // the tile she may sit on
    TFairyPosUpdateEvent OnPosUpdate;              // her rounded position, every frame she is active
    TFairyDisplayingTutorialQuestionEvent OnDisplayingTutorialQuestion;  // a tutorial balloon shows
    TDisplayingClickNeedHintTutorialQuestion OnDisplayingClickNeedHintTutorialQuestion;  // it invites a hint click
    THintTilesPosRequestEvent OnHintTilesPosRequest;  // the board's hint
    TNotifyEvent OnPerformMagicOrder;              // she has accepted an order

    // Away at (0, 0), facing left, in front of the board, no order. At every level start.
    void ResetState();
    // Flies in to resting place 1 (from wherever she is: the top-left corner after a reset).
    void Arrive();
    // Flies off to the top right and is away once there.
    void Leave();
    // Sitting, she gets off the board to hover; still flying to her seat, she flies on.
    void LeaveBoard();
    // Flies to the wand point and waves her wand. Refused (false) while she
    // casts, and for a restore or hint while she is on her way to cast; a
    // shuffle replaces a restore or hint she has not started yet.
    bool OrderMagic(int32_t X, int32_t Y, TFairyMagicPurpose Purpose, TPoint EatenFruitTilePos = {},
                    THintTilesPos HintTilesPos = {});
    // A mouse press. A left click on her while she hovers or sits sends her
    // elsewhere, or, while the tutorial invites it, makes her show a hint.
    void ClickAt(int32_t X, int32_t Y, TMouseButton Button);
    // Not casting and not on her way to cast: the tutorial may show its tips.
    bool IsFree() const;
    TFairyRestingPlace GetRestingPlace() const;
    // Forgets the hint tiles of the last order.
    void ClearHintTiles();

    // One frame of update and drawing in her layer; call both every frame,
    // UpdateBehind before the board and UpdateInFront over it. A flight behind
    // the board that lands this frame is not run again by UpdateInFront.
    void UpdateBehind();
    void UpdateInFront();
    // Whether the pass about to be called runs her (her dust is drawn just
    // before her, in the same pass).
    bool ActsBehind() const { return FLayer == 0; }
    bool ActsInFront() const { return FLayer == 1 && !FRanBehind; }

    // The wand points of the round's orders: over an eaten fruit's tile, and
    // for a hint by its two tiles (false when they share neither row nor column).
    TPoint RestoreWandPoint(TPoint Tile) const;
    bool HintWandPoint(const THintTilesPos& Tiles, TPoint& WandPoint) const;
    // Her position when she sits on Tile.
    TPoint SeatOf(TPoint Tile) const;

    // The tutorial's two questions; false when nobody answers.
    bool IsBalloonShowing();
    bool IsHintTipShowing();

    // What she is doing, for the round and the tests.
    TFairyState State() const { return FState; }
    TFairyState TargetState() const { return FTargetState; }
    TFloatPoint Position() const { return FPos; }
    TPoint RoundedPosition() const;
    TFloatPoint Target() const { return FTarget; }
    TFloatPoint Speeds() const { return FSpeeds; }
    TMoveDir Facing() const { return FFacing; }
    int32_t Layer() const { return FLayer; }
    int32_t IdleTime() const { return FIdleTime; }
    int32_t IdleLimit() const { return FIdleLimit; }
    int32_t HoverSide() const { return FHoverSide; }  // side of the last hover choice: 0 left, 1 right
    TPoint TopTile() const { return FTopTile; }
    TFairyMagicPurpose Purpose() const { return FPurpose; }
    TPoint WandPoint() const { return FWandPoint; }
    TPoint EatenFruitTilePos() const { return FEatenFruitTilePos; }
    THintTilesPos HintTiles() const { return FHintTiles; }
    int32_t WandPhase() const { return FWandPhase; }  // 1 swinging out to -105, 0 back to -60
    double WandAngle() const { return FWandAngle; }
    bool Performed() const { return FPerformed; }
    int32_t WaitedTime() const { return FWaitedTime; }
    double LegAngle() const { return FLegAngle; }
    double LegTargetAngle() const { return FLegTarget; }
    double Bobbing() const { return FBobbing.Value; }

private:
    void Frame();
    void HoverFrame();
    void SitFrame();
    void FlyFrame();
    void CastFrame();
    void CountIdleTime();
    void StepLegs();
    void RestartLegTimer();
    void ChooseIdle(bool AllowSitting);
    void ChooseHover();
    bool ChooseSeat();
    void StartFlight(bool RecomputeFacing);

    // Drawing (FairyDrawClass.cpp).
    void DrawFront();
    void DrawSide(bool WithWand);
    void DrawSitting();

    TFairyState FState = fsAway;
    TFairyState FTargetState = fsAway;
    TFloatPoint FPos;
    TFloatPoint FTarget;
    TFloatPoint FSpeeds;
    TMoveDir FFacing = mdLeft;
    int32_t FLayer = 1;
    bool FRanBehind = false;
    int32_t FIdleTime = 0;
    int32_t FIdleLimit = 0;
    int32_t FHoverSide = 0;
    TPoint FTopTile;

    // The order.
    TFairyMagicPurpose FPurpose = mpShuffle;
    TPoint FWandPoint;
    TPoint FEatenFruitTilePos;
    THintTilesPos FHintTiles;
    int32_t FWandPhase = 1;
    double FWandAngle = 0.0;
    int32_t FWaitedTime = 0;
    bool FPerformed = false;

    // Sitting pose.
    double FLegAngle = 0.0;
    double FLegTarget = 0.0;
    int32_t FLegInterval = 3600;
    int32_t FLegTimer = 0;

    // Her motion.
    TValueUpDown FSitWings;
    TValueUpDown FSitLegs;
    TValueUpDown FHoverWings;
    TValueUpDown FFlyWings;
    TValueUpDown FBobbing;
    TValueUpDown FLimbsSwing;
};
