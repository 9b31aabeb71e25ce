// The board's drawing layers. Columns are drawn from right to left and, inside
// a column, rows from top to bottom: a locker's box reaches 6 pixels into the
// cell on its left and 6 below its own, so each box is overdrawn by the boxes of
// its left and lower neighbours, which makes the rows of lockers look stacked.
#include "BoardSetupClass.h"
#include "DrawRoutinesClass.h"
#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {

// The selection frame breathes between these alphas, 10 per frame.
constexpr int32_t SelectionAlphaStep = 10;
constexpr int32_t SelectionAlphaLow = 150;
constexpr int32_t SelectionAlphaHigh = 255;

}  // namespace

void TGameBoard::ResolveImages() {
    for (int32_t I = 0; I < BoardImageCount; ++I) {
        FImages[I] = OmgImgList ? OmgImgList->Find(BoardImageName(static_cast<TBoardImage>(I))) : nullptr;
    }
}

void TGameBoard::DrawImage(TBoardImage Image, int32_t Pattern, int32_t X, int32_t Y) {
    // An image that is not loaded simply draws nothing.
    if (TImageListItem* Item = FImages[Image]) Item->Draw(X, Y, Pattern);
}

void TGameBoard::DrawLook(const TTileLook& Look, int32_t X, int32_t Y) { DrawImage(Look.Image, Look.Pattern, X, Y); }

TPoint TGameBoard::CellCorner(int32_t X, int32_t Y) const { return TileCellCorner(Left, Top, TPoint{X, Y}); }

int32_t TGameBoard::VerticalOffset(int32_t X, int32_t Y) const {
    return TileVerticalOffset(FBoard.At(X, Y), FStatus.At(X, Y), TileBounces[X - 1][Y - 1].Offset);
}

bool TGameBoard::HintLifts(TPoint P) const { return FHint.Showing && FHint.Mask[P]; }

// A shaken tile jitters by 0 to amplitude - 1 pixels on both axes; box and
// content share the tile's jitter so the fruit stays in its box.
void TGameBoard::PickJitter() {
    for (int32_t X = 0; X < BoardSize; ++X) {
        for (int32_t Y = 0; Y < BoardSize; ++Y) {
            const int32_t Amplitude = ShakeAmplitude[X][Y];
            FJitter[X][Y] = Amplitude > 1 ? CosmeticRandomInt(Amplitude) : 0;
        }
    }
}

void TGameBoard::DrawLockers() {
    PickJitter();
    // While the hint lifts two lockers it draws their boxes itself; lifted fruits leave their open boxes here.
    const bool HintTakesBoxes = FHint.FirstKind != okFruit;
    for (int32_t X = BoardSize; X >= 1; --X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = FBoard.At(X, Y);
            const TPoint P{X, Y};
            if (!DrawsBox(Tile, FStatus[P], HintLifts(P) && HintTakesBoxes)) continue;
            const TPoint Cell = CellCorner(X, Y);
            const int32_t J = FJitter[X - 1][Y - 1];
            const int32_t V = VerticalOffset(X, Y);
            DrawLook(BoxLook(Tile), Cell.X - 6 + J, Cell.Y - 2 + J + V);
            if (Tile.Kind == okLocker && IsSpecialLockerContent(Tile))
                DrawImage(biSpecialLockerMark, 0, Cell.X + J, Cell.Y + J + V);
        }
    }
}

void TGameBoard::DrawContents() {
    const int32_t WormPattern = FWormAnim.CurrentPattern();
    for (int32_t X = BoardSize; X >= 1; --X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = FBoard.At(X, Y);
            const TPoint P{X, Y};
            if (!DrawsContent(Tile, FStatus[P], FUniPop[X - 1][Y - 1].Active, HintLifts(P))) continue;
            const TPoint Cell = CellCorner(X, Y);
            const int32_t J = FJitter[X - 1][Y - 1];
            const int32_t V = VerticalOffset(X, Y);
            DrawLook(ContentLook(Tile, FUniColor, FChosenFlowerIdx), Cell.X + J, Cell.Y + J + V);
            if (Tile.Bomb) DrawImage(biFruitBomb, BombFrame, Cell.X + 4 + J, Cell.Y + 7 + J + V);
            if (Tile.WormState == WormStateEating) DrawImage(biWormEating, WormPattern, Cell.X + J, Cell.Y + J + V);
        }
    }
    FWormAnim.Advance();
}

// Step 12, the uni fruits just freed from their bubbles, is in GameBoardPickupsClass.cpp.

void TGameBoard::DrawWebs() {
    // Webs hang still over a shaking tile.
    for (int32_t X = BoardSize; X >= 1; --X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!FBoard.At(X, Y).Web) continue;
            const TPoint Cell = CellCorner(X, Y);
            DrawWeb(OmgImgList, Cell.X, Cell.Y + VerticalOffset(X, Y));
        }
    }
}

void TGameBoard::DrawSelection() {
    if (!FSelected) return;
    if (FSelectionAlphaRising) {
        FSelectionAlpha += SelectionAlphaStep;
        if (FSelectionAlpha > SelectionAlphaHigh) {
            FSelectionAlpha = SelectionAlphaHigh;
            FSelectionAlphaRising = false;
        }
    } else {
        FSelectionAlpha -= SelectionAlphaStep;
        if (FSelectionAlpha < SelectionAlphaLow) {
            FSelectionAlpha = SelectionAlphaLow;
            FSelectionAlphaRising = true;
        }
    }
    if (!IsBoardPos(FFirstTile)) return;
    TImageListItem* Frame = FImages[biTileSelection];
    if (!Frame) return;
    const TPoint Cell = CellCorner(FFirstTile.X, FFirstTile.Y);
    const int32_t Bounce = Round(TileBounces[FFirstTile.X - 1][FFirstTile.Y - 1].Offset);
    Frame->DrawEx(Cell.X + 1, Cell.Y - 2 + Bounce, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, FSelectionAlpha,
                  FSelectionPattern, 0);
}
