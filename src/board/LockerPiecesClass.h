// The broken pieces of opened lockers: six pieces of each locker's box fly up
// and tumble down, shrinking until they vanish. Purely decorative.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"
#include "BoardEffectDrawClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class TLockerPieces : public TObject {
public:
    static constexpr int32_t SlotCount = 200;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t MaxPieceIdx = 6;  // pieces per locker (at most 6)
    int32_t OrigPieceWidth = 26;
    int32_t OrigPieceHeight = 27;

    // Throws the pieces of every locker of Lockers, in slots reused round-robin.
    void Start(const TBoardData& BoardData, const TSimpleObjectArray& Lockers);
    void Clear();
    void UpdateAndDraw();
    int32_t ActiveCount() const;

private:
    struct TPiece {
        bool Active = false;
        int32_t LockerKind = 1;
        int32_t Index = 1;  // 1 to 6: which piece of the box
        TThrownFlight Flight;
        double Size = 30.0;
    };
    TPiece FPieces[SlotCount];
    int32_t FNext = 0;
};
