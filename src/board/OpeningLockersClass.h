// Lockers cracking open on the board. Each locker of a batch shows its cracking
// box with the content inside and the doors cracking over it (after the special
// mark, when the batch holds a special); when the doors break it asks for the
// flying pieces, and when its animation ends it hands the tile back to the board
// as opened. The last locker to finish says so, so the fruit check runs once.
#pragma once

#include <cstdint>
#include <functional>

#include "AnimDataClass.h"
#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

using TOpeningEffectPiecesEffectRequest =
    std::function<void(TObject* Sender, TBoardData BoardDataTmp, TSimpleObjectArray LockersToOpen)>;
using TOpeningEffectCompleteEvent =
    std::function<void(TObject* Sender, TSimpleObjectArray LockersToOpen, bool IsLastOpeningEffect)>;

class TOpeningLockers : public TObject {
public:
    // Batches are numbered 1 to 50, round-robin; each plays the break sound once.
    static constexpr int32_t BatchCount = 50;
    static constexpr const char* CrackSequence = "AABBCCDDEEEFF---------";
    static constexpr const char* MarkSequence = "ABBBCDEF---";

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    // What a uni fruit and a flower show inside an opening locker: the board's
    // UniColor and ChosenFlowerIdx, set by the main form before each start.
    int32_t UniColor = 1;
    int32_t FlowerIdx = 1;
    TOpeningEffectPiecesEffectRequest OnPiecesEffectRequest;
    TOpeningEffectCompleteEvent OnOpeningEffectComplete;

    TOpeningLockers();
    // Keeps BoardData and starts every tile of LockersToOpen as the next batch.
    // An empty mask shows nothing and completes nothing.
    void Start(const TBoardData& BoardData, const TSimpleObjectArray& LockersToOpen);
    // Every slot idle (a new level, a shuffle): nothing completes.
    void Clear();
    // Once per frame: advances, draws and reports every opening locker.
    void UpdateAndDraw();

    // Slot state of tile P: 0 idle, 1 showing the special mark, 2 cracking.
    uint8_t SlotState(TPoint P) const { return FSlots[P.X - 1][P.Y - 1].State; }
    bool Active() const;
    int32_t Batch() const { return FBatch; }

private:
    struct TSlot {
        uint8_t State = 0;
        TAnimData Crack{CrackSequence, false};
        TAnimData Mark{MarkSequence, false};
        bool PiecesSent = false;
        int32_t Batch = 0;
    };
    void UpdateSlot(int32_t X, int32_t Y);
    void DrawSlot(int32_t X, int32_t Y, int32_t CrackPattern, int32_t MarkPattern);

    TSlot FSlots[BoardSize][BoardSize];
    TBoardData FBoard;
    int32_t FBatch = 0;
    bool FBreakSoundPlayed[BatchCount + 1] = {};
};
