#include "OpeningLockersClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"
#include "TileLooksClass.h"

namespace {
constexpr int32_t CrackAlpha = 120;
}

TOpeningLockers::TOpeningLockers() { Clear(); }

void TOpeningLockers::Clear() {
    for (auto& Column : FSlots)
        for (TSlot& Slot : Column) Slot.State = 0;
}

bool TOpeningLockers::Active() const {
    for (const auto& Column : FSlots)
        for (const TSlot& Slot : Column)
            if (Slot.State != 0) return true;
    return false;
}

void TOpeningLockers::Start(const TBoardData& BoardData, const TSimpleObjectArray& LockersToOpen) {
    if (!LockersToOpen.Any()) return;
    FBoard = BoardData;
    FBatch = FBatch % BatchCount + 1;
    FBreakSoundPlayed[FBatch] = false;
    // One special in the batch makes every locker of it show the mark first.
    bool Special = false;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (LockersToOpen.At(X, Y) && IsSpecialLockerContent(FBoard.At(X, Y))) Special = true;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!LockersToOpen.At(X, Y)) continue;
            TSlot& Slot = FSlots[X - 1][Y - 1];
            Slot.State = Special ? 1 : 2;
            Slot.Crack.Restart();
            Slot.Mark.Restart();
            Slot.PiecesSent = false;
            Slot.Batch = FBatch;
        }
    }
}

void TOpeningLockers::UpdateAndDraw() {
    if (!Visible) return;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (FSlots[X - 1][Y - 1].State != 0) UpdateSlot(X, Y);
}

void TOpeningLockers::UpdateSlot(int32_t X, int32_t Y) {
    TSlot& Slot = FSlots[X - 1][Y - 1];
    if (Slot.State == 1)
        Slot.Mark.Advance();
    else
        Slot.Crack.Advance();
    // While the mark shows, the doors stay closed on the crack's first frame.
    const int32_t CrackPattern = Slot.Crack.CurrentPattern();
    DrawSlot(X, Y, CrackPattern, Slot.Mark.CurrentPattern());
    if (Slot.State == 1 && Slot.Mark.AtEnd()) Slot.State = 2;
    if (CrackPattern == NoPattern && !Slot.PiecesSent) {
        if (!FBreakSoundPlayed[Slot.Batch]) {
            FBreakSoundPlayed[Slot.Batch] = true;
            PlaySoundEffect("LockerBreak");
        }
        Slot.PiecesSent = true;
        TSimpleObjectArray ThisTile;
        ThisTile.At(X, Y) = true;
        if (OnPiecesEffectRequest) OnPiecesEffectRequest(this, FBoard, ThisTile);
    }
    if (Slot.Crack.AtEnd()) {
        Slot.State = 0;
        TSimpleObjectArray ThisTile;
        ThisTile.At(X, Y) = true;
        if (OnOpeningEffectComplete) OnOpeningEffectComplete(this, ThisTile, !Active());
    }
}

void TOpeningLockers::DrawSlot(int32_t X, int32_t Y, int32_t CrackPattern, int32_t MarkPattern) {
    if (!OmgImgList) return;
    const TBoardTile& Tile = FBoard.At(X, Y);
    const TPoint Cell = EffectCellCorner(Left, Top, X, Y);
    if (TImageListItem* Box = EffectImage(OmgImgList, "Lockers")) Box->Draw(Cell.X - 6, Cell.Y - 2, Tile.LockerKind + 5);
    const TTileLook Content = ContentLook(Tile, UniColor, FlowerIdx);
    if (TImageListItem* Image = EffectImage(OmgImgList, BoardImageName(Content.Image)))
        Image->Draw(Cell.X, Cell.Y, Content.Pattern);
    if (Tile.Bomb) {
        if (TImageListItem* Bomb = EffectImage(OmgImgList, "FruitBomb")) Bomb->Draw(Cell.X + 4, Cell.Y + 7, BombFrame);
    }
    if (CrackPattern != NoPattern) {
        if (TImageListItem* Doors = EffectImage(OmgImgList, "LockerDoors"))
            Doors->Draw(Cell.X + 1, Cell.Y - 2, Tile.LockerKind - 1);
        if (TImageListItem* Crack = EffectImage(OmgImgList, "LockerCrack"))
            Crack->DrawEx(Cell.X + 1, Cell.Y - 2, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, CrackAlpha, CrackPattern,
                          -1);
    }
    if (IsSpecialLockerContent(Tile)) {
        if (TImageListItem* Mark = EffectImage(OmgImgList, "SpecialLockerMark")) Mark->Draw(Cell.X, Cell.Y, MarkPattern);
    }
}
