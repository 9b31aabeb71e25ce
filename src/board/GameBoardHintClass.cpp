// The board's hints and its watch for a board without moves: the move search
// from a random tile, the hint that lifts the two tiles of a move and lets them
// breathe apart, the three timers (idle hint, no match, no more moves) and the
// shuffle's board operations.
#include "BoardGroupsClass.h"
#include "BoardMovesClass.h"
#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {

// The lifted tiles are drawn enlarged with a soft shadow below and right of them.
constexpr float LiftScale = 1.15f;
constexpr int32_t ShadowShiftX = 2;
constexpr int32_t ShadowShiftY = 5;
constexpr int32_t ShadowAlpha = 80;

}  // namespace

bool TGameBoard::FindMove(THintTilesPos& Move) {
    const int32_t X = Random(BoardSize) + 1;
    const int32_t Y = Random(BoardSize) + 1;
    return FindMoveFrom(FBoard, FStatus, TPoint{X, Y}, Move);
}

void TGameBoard::StartHint(const THintTilesPos& Tiles) {
    FHint.Tiles = Tiles;
    FHint.Mask.Clear();
    for (TPoint P : {Tiles.Tile1Pos, Tiles.Tile2Pos})
        if (IsBoardPos(P)) FHint.Mask[P] = true;
    FHint.Showing = FHint.Mask.Any();
    FHint.FirstKind = IsBoardPos(Tiles.Tile1Pos) ? FBoard[Tiles.Tile1Pos].Kind : okLocker;
    FHint.Wobble = 0;
    FHint.WobbleDir = 1;
    FHint.ShownTime = 0;
}

bool TGameBoard::ShowHintIfAny() {
    THintTilesPos Move;
    if (FindMove(Move)) {
        StartHint(Move);
        return true;
    }
    FHint.Tiles = THintTilesPos{};
    HideHint();
    return false;
}

void TGameBoard::ShowHint(const THintTilesPos& Tiles) {
    StartHint(Tiles);
    FHintIntervalTimer = 0;
}

bool TGameBoard::MovesExist() {
    const bool Found = ShowHintIfAny();
    HideHint();
    return Found || HasHammerOrBlaster(FBoard);
}

void TGameBoard::CheckNoMoreMoves() {
    FNoMoreMovesTimer = 0;
    // Once reported, the board is not searched again until the shuffle has ended.
    if (FNoMoreMovesRaised || !CanMatch || MovesExist()) return;
    FNoMoreMovesRaised = true;
    Raise(OnNoMoreMoves);
}

void TGameBoard::ResetHintTimers() {
    FHintIntervalTimer = 0;
    FNoMoreMovesRaised = false;
    FNoMoreMovesTimer = 0;
}

TBoardData TGameBoard::MakeShuffledBoard() const { return ::MakeShuffledBoard(FBoard, FruitColorCount); }

void TGameBoard::AddHammerAnywhere() { ::AddHammerAnywhere(FBoard); }

void TGameBoard::OpeningEffectComplete(const TSimpleObjectArray& Lockers, bool IsLast) {
    LockersOpened(Lockers);
    if (!IsLast) return;
    CheckNoMoreMoves();
    CheckFruitGroups();
}

// Every HintInterval without a click the board shows a move; a hint also counts
// as help for a player who keeps clicking without matching.
void TGameBoard::UpdateHintInterval() {
    if (!CanMatch) return;
    FHintIntervalTimer += FrameStep;
    if (FHintIntervalTimer < HintInterval) return;
    FHintIntervalTimer = 0;
    ShowHintIfAny();
    FNoMatchTimer = 0;
}

// A player who clicks on and on without a match is offered the fairy's hint.
void TGameBoard::UpdateNoMatchInterval() {
    FNoMatchTimer += FrameStep;
    if (FNoMatchTimer < NoMatchInterval) return;
    FNoMatchTimer = 0;
    Raise(OnNoMatchHint);
}

// A board at rest is searched for moves every NoMoreMovesInterval, but never
// while a hint shows (a hint is a move).
void TGameBoard::UpdateNoMoreMovesCheck() {
    if (!CanMatch || !IsIdle()) return;
    FNoMoreMovesTimer += FrameStep;
    if (FNoMoreMovesTimer >= NoMoreMovesInterval && !FHint.Showing) CheckNoMoreMoves();
}

void TGameBoard::DrawLifted(TBoardImage Image, int32_t Pattern, int32_t X, int32_t Y) {
    TImageListItem* Item = FImages[Image];
    if (!Item) return;
    TOmegaScreen* Screen = OmgImgList ? OmgImgList->OmegaScreen : nullptr;
    if (Screen) Screen->SetFiltering(true);
    Item->DrawEx(X + ShadowShiftX, Y + ShadowShiftY, 0.0f, 0.5f, 0.5f, LiftScale, LiftScale, 0, 0, 0, ShadowAlpha,
                 Pattern, 0);
    Item->DrawEx(X, Y, 0.0f, 0.5f, 0.5f, LiftScale, LiftScale, 255, 255, 255, 255, Pattern, 0);
    if (Screen) Screen->SetFiltering(false);
}

// The two hint tiles, lifted out of the board (which leaves them out meanwhile),
// breathe apart and back until ShowingHintTime has passed.
void TGameBoard::DrawHint() {
    if (!FHint.Showing) return;
    StepHintWobble(FHint.Wobble, FHint.WobbleDir);
    const int32_t Base = FHint.FirstKind == okLocker ? -6 : -1;
    const int32_t WormPattern = FWormAnim.CurrentPattern();
    for (int32_t X = BoardSize; X >= 1; --X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TPoint P{X, Y};
            if (!FHint.Mask[P]) continue;
            const TPoint Other = P == FHint.Tiles.Tile1Pos ? FHint.Tiles.Tile2Pos : FHint.Tiles.Tile1Pos;
            const TPoint Shift = HintTileShift(P, Other, FHint.Wobble);
            const TPoint Cell = CellCorner(X, Y);
            const int32_t DX = Cell.X + Base + Shift.X;
            const int32_t DY = Cell.Y + Base + Shift.Y + Round(TileBounces[X - 1][Y - 1].Offset);
            const TBoardTile& Tile = FBoard[P];
            const bool Locker = Tile.Kind == okLocker;
            DrawLifted(Locker ? biLockers : biFruitsOutside, Locker ? Tile.LockerKind - 1 : Tile.Content - 1, DX, DY);
            if (Tile.Bomb) DrawImage(biFruitBomb, BombFrame, DX + 3, DY + 7);
            if (Tile.WormState == WormStateEating) DrawImage(biWormEating, WormPattern, DX, DY);
            if (Locker && IsSpecialLockerContent(Tile)) DrawImage(biSpecialLockerMark, 0, DX + 7, DY + 3);
        }
    }
    FHint.ShownTime += FrameStep;
    if (FHint.ShownTime >= ShowingHintTime) HideHint();
}
