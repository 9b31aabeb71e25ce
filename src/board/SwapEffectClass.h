// The swap animation: the two tiles of a move slide across each other, lifted
// over the board with their shadows; a swap that makes a match is handed back
// to the main form to be written into the board, one that does not slides back
// to where it started. Up to 20 swaps run at once, in slots reused in turn.
#pragma once

#include <cstdint>
#include <functional>

#include "AnimDataClass.h"
#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;
class TImageListItem;

// Object1Pos is the right or lower tile of the pair, Object2Pos the left or upper one.
using TSwapEffectCompleteEvent =
    std::function<void(TObject* Sender, TTileObjectKind SwapObjKind, TPoint Object1Pos, TPoint Object2Pos)>;

class TSwapEffect : public TObject {
public:
    static constexpr int32_t SlotCount = 20;

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    int32_t Left = BoardScreenLeft;  // the board's top-left tile corner
    int32_t Top = BoardScreenTop;
    int32_t NormalPosShiftStep = 6;     // pixels per frame of a swap
    int32_t QuickPosShiftStep = 8;      // ... of a fruit swap that makes a match
    int32_t SwapBackPosShiftStep = 6;   // ... of the way back
    int32_t BitingWormPosAdjustX = 12;  // a worm biting a moving fruit is drawn this far from its corner
    int32_t BitingWormPosAdjustY = 7;
    int32_t BitingWormWidth = 55;       // kept for the worm's art; drawing does not read them
    int32_t BitingWormHeight = 65;

    // The pair of the move has arrived (MatchOccurs) or has come back (without).
    TSwapEffectCompleteEvent OnEffectComplete;
    TSwapEffectCompleteEvent OnSwapBackComplete;

    // Starts a swap in the next slot. When all 20 are busy, the oldest swap is
    // finished at once (reported as arrived, or as come back) and its slot taken.
    void StartSwap(const TSwappedObjectsData& Data, bool MatchOccurs);
    // Every slot stops, nothing is reported.
    void Clear();
    // Once per frame: moves every swap, reports the finished ones, draws them.
    void Frame();

    // Swaps still moving.
    int32_t ActiveCount() const;

private:
    struct TSlot {
        bool Active = false;
        TPoint FirstPos;   // left or upper tile
        TPoint SecondPos;  // right or lower tile
        bool Vertical = false;
        int32_t Travel = 0;  // pixels, 0 to 46
        int32_t Step = 0;
        bool MatchOccurs = false;
        bool Returning = false;
        TSwappedObjectsData Data;  // Object1 is the object drawn at FirstPos
    };

    // The two objects of a slot change places in its record (not their positions).
    static void ExchangeObjects(TSwappedObjectsData& Data);
    // Moves the slot one frame; true when the swap is over (it is reported after its last drawing).
    bool Advance(TSlot& Slot);
    void Finish(TSlot& Slot);
    void DrawSlot(const TSlot& Slot);
    void DrawObject(const TSlot& Slot, bool First);
    void ResolveImages();
    void DrawScaled(TImageListItem* Image, int32_t Pattern, int32_t X, int32_t Y, bool Shadow);
    void SetSmooth(bool On);

    TSlot FSlots[SlotCount];
    int32_t FLastSlot = -1;
    TAnimData FWormAnim{"AAAABBBBCCCCDDDD", true};

    enum TImage : uint8_t { imLockers, imFruitsOutside, imSwapEatenFruits, imFlashHorz, imFlashVert, imFruitBomb,
                            imWormBiting, imSpecialLockerMark, imSmallToolIcons, imFlowersInside, imCount };
    TImageListItem* FImages[imCount] = {};
};
