// The board's side of one move: choosing two neighbouring tiles, asking for
// their swap, writing the swap's outcome back, and the fruit check that turns
// groups of three or more into matched tiles for the grouping effect.
#include <utility>

#include "BoardGroupsClass.h"
#include "GameBoardClass.h"

namespace {

// Uni fruits, hammers and fruit blasters act when clicked instead of being swapped.
bool IsObjectTile(const TBoardTile& Tile) {
    return Tile.Kind == okFruit && !Tile.Web &&
           (Tile.Content == ccUniFruit || Tile.Content == ccHammer || Tile.Content == ccFruitBlaster);
}

// A flower or tool just revealed by an opening locker is collected by the next
// fruit check whatever its neighbours.
bool IsCollectedOnSight(const TBoardTile& Tile) {
    const bool Tool = Tile.Content >= ccMagicKey && Tile.Content <= ccAerosol;
    return Tile.Kind == okFruit && (Tile.Content == ccFlower || Tool);
}

bool AreNeighbours(TPoint A, TPoint B) {
    const int32_t DX = A.X > B.X ? A.X - B.X : B.X - A.X;
    const int32_t DY = A.Y > B.Y ? A.Y - B.Y : B.Y - A.Y;
    return DX + DY == 1;
}

// What the swap effect shows of a tile: the locker's kind, or the opened tile's content.
uint8_t SwapContent(const TBoardTile& Tile) {
    if (Tile.Kind == okLocker) return Tile.LockerKind;
    if (Tile.Kind == okFruit) return Tile.Content;
    return 0;
}

TSwappedObjectsData SwappedObjects(const TBoardData& Board, TPoint First, TPoint Second) {
    const TBoardTile& A = Board[First];
    const TBoardTile& B = Board[Second];
    TSwappedObjectsData Data;
    Data.Object1Pos = First;
    Data.Object2Pos = Second;
    Data.Object1Kind = A.Kind;
    Data.Object2Kind = B.Kind;
    Data.Object1Special = HoldsSpecialObject(A);
    Data.Object2Special = HoldsSpecialObject(B);
    Data.Object1Content = SwapContent(A);
    Data.Object2Content = SwapContent(B);
    Data.Object1Bomb = A.Bomb;
    Data.Object2Bomb = B.Bomb;
    Data.Object1Worm = A.WormState;
    Data.Object2Worm = B.WormState;
    return Data;
}

}  // namespace

void TGameBoard::ClickTile(TPoint P) {
    if (!IsBoardPos(P)) {
        FSelected = false;
        return;
    }
    // A web holds its tile: pressing it only lets go of the selection.
    if (FBoard[P].Web) {
        FSelected = false;
        return;
    }
    // A tile taking part in a phase of play ignores presses.
    if (FStatus[P] != tsIdle) return;
    HideHint();
    FHintIntervalTimer = 0;
    Raise(OnObjectTileClick);

    // A first click selects; clicking the selected tile again keeps it; any other tile is a second click.
    if (!FSelected) {
        FLastClicked = P;
        FSelected = true;
    }
    FSelected = P == FLastClicked;
    FLastClicked = P;

    if (IsObjectTile(FBoard[P])) {
        if (FSelected) ActivateObject(P);
        FDragging = false;
        return;
    }
    if (FSelected) {
        FFirstTile = P;
        FSelectionPattern = 0;
        return;
    }

    FSecondTile = P;
    FDragging = false;
    if (!IsBoardPos(FFirstTile)) return;
    const TBoardTile& First = FBoard[FFirstTile];
    const TBoardTile& Second = FBoard[FSecondTile];
    if (First.Kind != Second.Kind || (First.Kind != okLocker && First.Kind != okFruit)) return;
    if (!AreNeighbours(FFirstTile, FSecondTile)) return;
    // The selected tile may have started falling, opening or been webbed since it
    // was chosen: moving it now would tear it out of that phase, so it is left alone.
    if (FStatus[FFirstTile] != tsIdle || First.Web || IsObjectTile(First)) return;

    TBoardData Swapped = FBoard;
    SwapWholeTiles(Swapped, FFirstTile, FSecondTile);
    const bool MatchOccurs = AnyGroup(Swapped);
    FStatus[FFirstTile] = tsSwapping;
    FStatus[FSecondTile] = tsSwapping;
    Raise(OnSwapEffectRequest, SwappedObjects(FBoard, FFirstTile, FSecondTile), MatchOccurs);
}

bool TGameBoard::SwapTiles(TPoint A, TPoint B) {
    if (!IsBoardPos(A) || !IsBoardPos(B) || FStatus[A] != tsIdle || FStatus[B] != tsIdle) return false;
    FSelected = false;
    ClickTile(A);
    ClickTile(B);
    // Only a swap request makes a tile tsSwapping.
    return FStatus[A] == tsSwapping && FStatus[B] == tsSwapping;
}

TSimpleObjectArray TGameBoard::FindGroups(TTileObjectKind Kind, int32_t Key) const {
    return ::FindGroups(FBoard, FStatus, Kind, Key);
}

bool TGameBoard::AnyGroup(const TBoardData& Board) const { return ::AnyGroup(Board, FStatus, FruitColorCount); }

void TGameBoard::CommitSwap(TPoint A, TPoint B) {
    if (!IsBoardPos(A) || !IsBoardPos(B)) return;
    TBoardTile& TileA = FBoard[A];
    TBoardTile& TileB = FBoard[B];
    // An opened tile's box stays in place and only its content moves; a closed locker moves whole.
    if (TileA.Kind == okLocker) std::swap(TileA.LockerKind, TileB.LockerKind);
    std::swap(TileA.Content, TileB.Content);
    std::swap(TileA.Bomb, TileB.Bomb);
    std::swap(TileA.WormState, TileB.WormState);
    std::swap(TileA.WormTime, TileB.WormTime);
    std::swap(TileA.BlasterColor, TileB.BlasterColor);
    FStatus[A] = tsIdle;
    FStatus[B] = tsIdle;
}

void TGameBoard::ReleaseSwap(TPoint A, TPoint B) {
    if (IsBoardPos(A)) FStatus[A] = tsIdle;
    if (IsBoardPos(B)) FStatus[B] = tsIdle;
}

void TGameBoard::CheckFruitGroups() {
    if (!CanMatch) return;
    bool Found = false;
    TSimpleObjectArray Mask;
    for (int32_t Key = 1; Key <= FruitColorCount; ++Key) {
        const TSimpleObjectArray Group = FindGroups(okFruit, Key);
        for (int32_t X = 1; X <= BoardSize; ++X) {
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                const TPoint P{X, Y};
                TBoardTile& Tile = FBoard[P];
                if (!Group[P] && !IsCollectedOnSight(Tile)) continue;
                if (FStatus[P] != tsIdle) continue;
                if (Tile.Web) {
                    // The match tears the web off; the fruit under it stays.
                    Tile.Web = false;
                    Raise(OnWebEffectRequest, P);
                    continue;
                }
                Found = true;
                Mask[P] = true;
                FStatus[P] = tsGrouped;
                Raise(OnRemoveLockerFrames, Mask);
            }
        }
    }
    if (!Found) return;
    // A worm eating a matched fruit is driven off.
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (Mask.At(X, Y) && FBoard.At(X, Y).WormState == WormStateEating)
                Raise(OnAFruitWormBanRequest, TPoint{X, Y});
    Raise(OnGroupedFruitsEffectRequest, FBoard, Mask, FCheckCombo, FSwappedTilePos);
    FCheckCombo = false;
    ResetNoMatchTimer();
}

void TGameBoard::CheckFruitGroupsAt(TPoint P) {
    FCheckCombo = true;
    FSwappedTilePos = P;
    CheckFruitGroups();
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

void TGameBoard::RemoveTile(TPoint P) {
    if (!IsBoardPos(P)) return;
    TSimpleObjectArray Mask;
    Mask[P] = true;
    RemoveGroupedTiles(Mask);
}

void TGameBoard::ResetNoMatchTimer() {
    FNoMatchTimer = 0;
    Raise(OnNoMatchTimerReset);
}
