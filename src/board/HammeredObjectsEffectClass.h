// The tiles a hammer smashed: each shakes in its cell for a moment, then is
// thrown off the board, falls (it may hit or be swallowed by the island's
// monster on the way), bounces once on the ground and is gone. When the first
// has finished shaking the board lets the tiles above fall into the gaps. The
// shake only moves the drawing, so the flight is the same drawn or headless.
#pragma once

#include <cstdint>
#include <functional>

#include "BoardDataClass.h"
#include "BoardEffectDrawClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class THammeredObjectsEffect : public TObject {
public:
    static constexpr int32_t SlotCount = 4;
    static constexpr int32_t BounceFrames = 10;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t LockerXAdjust = -6;
    int32_t LockerYAdjust = -3;
    int32_t MaxShakeCounter = 14;
    int32_t GroundVertPos = 550;
    int32_t ResizedEatingWormWidth = 50;  // kept for the level tools; nothing reads them
    int32_t ResizedEatingWormHeight = 50;
    TNotifyEvent OnFinish;
    TOnMonsterHitCheckEvent OnMonsterHitCheck;

    // The tiles of HammeredTiles, as BoardData shows them, start shaking. The
    // slots start afresh; with nothing to show the effect is finished at once.
    void Start(const TBoardData& BoardData, const TSimpleObjectArray& HammeredTiles);
    void Clear();
    void UpdateAndDraw();

    bool Active() const;
    // For the round and the tests: what slot I (0 to 3) is doing.
    enum TPhase : uint8_t { hpShaking, hpFalling, hpBouncing, hpGone };
    TPhase Phase(int32_t I) const { return FSlots[I].Phase; }
    TPoint SlotTile(int32_t I) const { return FSlots[I].TilePos; }
    double SlotY(int32_t I) const { return FSlots[I].Flight.Y; }
    bool SlotHit(int32_t I) const { return FSlots[I].Hit; }
    bool SlotAbsorbed(int32_t I) const { return FSlots[I].Absorbed; }
    int32_t SlotAlpha(int32_t I) const { return FSlots[I].Alpha; }

private:
    struct TSlot {
        TPhase Phase = hpGone;
        TBoardTile Tile;
        TPoint TilePos;
        TThrownFlight Flight;
        int32_t Counter = 0;
        bool Hit = false;
        bool Absorbed = false;
        int32_t Alpha = 255;
    };
    void Move(TSlot& Slot, int32_t& OffsetX, int32_t& OffsetY);
    void Draw(const TSlot& Slot, int32_t X, int32_t Y);

    TSlot FSlots[SlotCount];
    bool FFinishRaised = true;
};
