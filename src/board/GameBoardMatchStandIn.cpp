// The fruit check and its two companions as the fall needs them, so gravity,
// refill and lockers can be played and tested on their own. The swap and match
// code (GameBoardSwapClass.cpp) replaces this file.
#include "BoardGroupsClass.h"
#include "GameBoardClass.h"

void TGameBoard::CheckFruitGroups() {
    if (!CanMatch) return;
    bool Found = false;
    TSimpleObjectArray Mask;
    for (int32_t Key = 1; Key <= FruitColorCount; ++Key) {
        const TSimpleObjectArray Group = ::FindGroups(FBoard, FStatus, okFruit, Key);
        for (int32_t X = 1; X <= BoardSize; ++X) {
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                TBoardTile& Tile = FBoard.At(X, Y);
                const bool Collected =
                    Tile.Kind == okFruit && (Tile.Content == ccFlower || (Tile.Content >= ccMagicKey && Tile.Content <= ccAerosol));
                if (!Group.At(X, Y) && !Collected) continue;
                if (FStatus.At(X, Y) != tsIdle) continue;
                if (Tile.Web) {
                    Tile.Web = false;
                    Raise(OnWebEffectRequest, TPoint{X, Y});
                    continue;
                }
                Found = true;
                Mask.At(X, Y) = true;
                FStatus.At(X, Y) = tsGrouped;
                Raise(OnRemoveLockerFrames, Mask);
            }
        }
    }
    if (!Found) return;
    Raise(OnGroupedFruitsEffectRequest, FBoard, Mask, FCheckCombo, FSwappedTilePos);
    FCheckCombo = false;
    ResetNoMatchTimer();
}

void TGameBoard::ResetNoMatchTimer() {
    FNoMatchTimer = 0;
    Raise(OnNoMatchTimerReset);
}

void TGameBoard::RemoveGroupedTiles(const TSimpleObjectArray& Mask) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!Mask.At(X, Y)) continue;
            FStatus.At(X, Y) = tsFalling;
            FBoard.At(X, Y).Kind = okTempBlank;
        }
    }
    MarkFalling();
}
