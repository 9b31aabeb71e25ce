// Matched fruits leaving the board: each is thrown off its tile, falls growing
// toward the player, and when it hits the ground the round counts it; then it
// bounces and rolls away along one of six paths. On its way down a fruit may
// hit (or be swallowed by) the island's monster. Fruits blown by a bomb are
// thrown harder, up or down.
#pragma once

#include <cstdint>
#include <functional>

#include "BoardDataClass.h"
#include "BoardEffectDrawClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

using TOnGroundHitEvent = std::function<void(TObject* Sender, int32_t FruitColorIdx, int32_t HorzTilePos)>;
using TFallingFruitsDustEffectRequest = std::function<void(TObject* Sender, int32_t X, int32_t Y)>;
using TWhileAfterFirstFallEvent = std::function<void(TObject* Sender, TBoardData NewBoardData)>;

// How the fruits leave: matched (a gentle toss) or blown by a bomb.
constexpr int32_t FallModeMatched = 0;
constexpr int32_t FallModeBlown = 1;

class TFallingFruits : public TObject {
public:
    static constexpr int32_t SlotCount = 50;
    static constexpr int32_t BouncePathCount = 6;
    static constexpr int32_t MaxBounceCounter = 30;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t GroundVertPos = 540;  // screen y where a falling fruit hits the ground
    int32_t AdjustX = -3;         // drawing offset of the big fruit
    int32_t AdjustY = -3;
    int32_t RollAngleStep = 15;   // degrees of roll per bouncing frame
    double FallSizeAdd = 0.012;   // growth per falling frame
    int32_t FirstFallTime = 400;  // kept for the level tools; nothing reads it
    TOnGroundHitEvent OnGroundHit;
    TOnMonsterHitCheckEvent OnMonsterHitCheck;
    TFallingFruitsDustEffectRequest OnDustEffectRequest;
    TWhileAfterFirstFallEvent OnWhileAfterFirstFall;  // declared for the round; never raised

    // Throws every fruit of Fruits off the board. Specials, bombs and anything
    // that is not a fruit colour stay out: they leave the board their own way.
    void Start(const TBoardData& BoardData, const TSimpleObjectArray& Fruits, int32_t Mode);
    void Clear();
    void UpdateAndDraw();

    // For the round and the tests: fruits still falling or bouncing.
    int32_t ActiveCount() const;
    int32_t FallingCount() const;
    // Fruits the monster has swallowed that are still fading out.
    int32_t SwallowedCount() const;

    // Offsets of bounce path Path (1 to 6) from the landing point, by bounce counter 1, 2, ...
    static int32_t BouncePathLength(int32_t Path);
    static TPoint BouncePathPoint(int32_t Path, int32_t Counter);

private:
    enum TPhase : uint8_t { fpFalling, fpBouncing, fpGone };
    struct TSlot {
        TPhase Phase = fpGone;
        uint8_t Content = 1;
        TPoint TilePos;
        TThrownFlight Flight;
        double LandX = 0.0;
        double LandY = 0.0;
        int32_t Path = 1;
        bool RollUp = true;  // the roll angle grows (paths 1 to 3) or shrinks (4 to 6)
        int32_t BounceCounter = 0;
        int32_t Angle = 0;
        float Scale = 1.0f;
        bool HitMonster = false;
        bool Absorbed = false;
        int32_t Alpha = 255;
    };
    void Fall(TSlot& Slot);
    void Bounce(TSlot& Slot, double& DrawX, double& DrawY);
    void Draw(const TSlot& Slot, double X, double Y);

    TSlot FSlots[SlotCount];
    int32_t FNext = 0;
    TImageListItem* FImage = nullptr;
};
