// The board's side of its two enemies: the worms' eating and the eaten fruits'
// wait for the fairy (step 2 of the board's frame), the questions the worms and
// spiders ask of the board, and the webs they put.
#include "BoardToolsClass.h"
#include "GameBoardClass.h"
#include "TopTileClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"

namespace {

bool HoldsTile(const TBoardTile& Tile) { return Tile.Kind == okLocker || Tile.Kind == okFruit; }

// An eaten fruit or a new web may leave the board without a move.
void LookForMovesLeft(TGameBoard& Board) { Board.CheckNoMoreMoves(); }

int32_t CountFruits(const TBoardData& Board, uint8_t WormState) {
    int32_t Count = 0;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            if (Tile.Kind == okFruit && Tile.WormState == WormState) ++Count;
        }
    return Count;
}

}  // namespace

// Every position is counted by its worm state, whatever it holds or is doing: a
// fruit keeps being eaten while it falls or slides.
void TGameBoard::UpdateWormTimers() {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TBoardTile& Tile = FBoard.At(X, Y);
            bool& Asked = FRestoreAsked[X - 1][Y - 1];
            if (Tile.WormState == WormStateEating) {
                Tile.WormTime += FrameStep;
                if (Tile.WormTime < WormEatingTime) continue;
                Tile.WormTime = 0;
                Tile.WormState = WormStateEaten;
                LookForMovesLeft(*this);
            } else if (Tile.WormState == WormStateEaten && !Asked) {
                Tile.WormTime += FrameStep;
                if (Tile.WormTime < FruitRegenerateTime) continue;
                Tile.WormTime = 0;
                Asked = true;
                Raise(OnFruitRestoreEffectRequest, TPoint{X, Y});
            } else if (Tile.WormState == WormStateEaten) {
                // The fairy may have been busy: she is asked again and again until she comes.
                Tile.WormTime += FrameStep;
                if (Tile.WormTime < WaitingFairyRestoreInterval) continue;
                Tile.WormTime = 0;
                Raise(OnFruitRestoreEffectRequest, TPoint{X, Y});
            }
        }
    }
}

bool TGameBoard::CanWormEat(TPoint P) const {
    if (!IsBoardPos(P)) return false;
    const TBoardTile& Tile = FBoard[P];
    return Tile.Kind == okFruit && !HoldsSpecialObject(Tile) && Tile.WormState == WormStateNone && !Tile.Web;
}

bool TGameBoard::StartEating(TPoint P) {
    if (!CanWormEat(P)) return false;
    FBoard[P].WormState = WormStateEating;
    return true;
}

int32_t TGameBoard::EatingCount() const { return CountFruits(FBoard, WormStateEating); }

int32_t TGameBoard::EatenCount() const { return CountFruits(FBoard, WormStateEaten); }

void TGameBoard::RestoreEatenFruit(TPoint P) {
    if (!IsBoardPos(P)) return;
    TBoardTile& Tile = FBoard[P];
    bool& Asked = FRestoreAsked[P.X - 1][P.Y - 1];
    if (Tile.WormState != WormStateEaten || !Asked) return;
    Tile.WormState = WormStateNone;
    Tile.WormTime = 0;
    Asked = false;
    CheckFruitGroups();
}

bool TGameBoard::CanWebTile(TPoint P) const {
    if (!IsBoardPos(P)) return false;
    const TBoardTile& Tile = FBoard[P];
    return HoldsTile(Tile) && !HoldsSpecialObject(Tile) && Tile.WormState == WormStateNone && !Tile.Web;
}

void TGameBoard::PutWeb(TPoint P) {
    if (IsBoardPos(P)) {
        TBoardTile& Tile = FBoard[P];
        if (HoldsTile(Tile) && !HoldsSpecialObject(Tile)) {
            Tile.Web = true;
            // A webbed tile cannot stay chosen for a swap.
            if (FSelected && FFirstTile == P) FSelected = false;
        }
    }
    LookForMovesLeft(*this);
}

int32_t TGameBoard::WebCount() const { return CountWebs(FBoard); }

TPoint TGameBoard::RandomTopTile() const { return ::RandomTopTile(FBoard); }
