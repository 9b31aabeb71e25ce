#include "LostBoardEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"

namespace {

// How a bouncing tile's y changes on each of its frames: up, then down and away.
constexpr int32_t BounceSteps[TLostBoardEffect::BounceFrames] = {-10, -20, -30, -40, -28, -14, -2,
                                                                 10,  26,  40,  60,  80,  100};
// A falling tile drops this many pixels a frame, plus up to 9 more.
constexpr int32_t FallStep = 25;
constexpr int32_t FallStepSpread = 10;
// Below this a falling tile is out of sight.
constexpr double ScreenBottom = 600.0;
// Tries at random columns for a resting tile in a row.
constexpr int32_t ColumnTries = 99;

enum : uint8_t { lsGone, lsResting, lsFalling, lsBouncing };

}  // namespace

void TLostBoardEffect::Clear() {
    FPhase = 0;
    FTimer = 0;
}

void TLostBoardEffect::Start(const TBoardData& BoardData) {
    FBoard = BoardData;
    FTileCount = 0;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TTile& Tile = FTiles[X - 1][Y - 1];
            const TTileObjectKind Kind = FBoard.At(X, Y).Kind;
            const TPoint Cell = EffectCellCorner(Left, Top, X, Y);
            Tile = TTile{};
            Tile.Pos = FloatPoint(Cell.X, Cell.Y);
            if (Kind == okLocker || Kind == okFruit) {
                Tile.State = lsResting;
                ++FTileCount;
            }
        }
    }
    FStarted = 0;
    FDialogRequested = false;
    FPhase = 1;
    FTimer = 0;
}

void TLostBoardEffect::UpdateAndDraw() {
    if (!Visible || FPhase == 0) return;
    FTimer += FrameStep;
    if (FPhase == 1) {
        if (FTimer >= ShakingTime) {
            FPhase = 2;
            FTimer = 0;
        }
    } else if (FTimer >= DroppingTriggerInterval) {
        FTimer = 0;
        TriggerFalls();
    }
    MoveTiles();
    Draw();
    // Which tiles fall decides when the round asks the player: the picks are gameplay.
    if (FPhase == 2 && !FDialogRequested && FStarted * 10 >= FTileCount * 7) {
        FDialogRequested = true;
        if (OnTimeForDialogWindow) OnTimeForDialogWindow(this);
    }
}

// Three tiles start to fall: one in the lowest row that still has a resting
// tile, one two rows above it and one four rows above.
void TLostBoardEffect::TriggerFalls() {
    int32_t Lowest = 0;
    for (int32_t Y = BoardSize; Y >= 1 && Lowest == 0; --Y)
        for (int32_t X = 1; X <= BoardSize; ++X)
            if (FTiles[X - 1][Y - 1].State == lsResting) {
                Lowest = Y;
                break;
            }
    if (Lowest == 0) return;
    for (int32_t Row : {Lowest, Lowest - 2, Lowest - 4})
        if (Row >= 1) StartFallInRow(Row);
}

void TLostBoardEffect::StartFallInRow(int32_t Row) {
    for (int32_t Try = 0; Try < ColumnTries; ++Try) {
        TTile& Tile = FTiles[Random(BoardSize)][Row - 1];
        if (Tile.State != lsResting) continue;
        Tile.State = lsFalling;
        ++FStarted;
        return;
    }
}

// How the tiles fall and bounce is only seen, never counted: the cosmetic stream.
void TLostBoardEffect::MoveTiles() {
    for (auto& Column : FTiles) {
        for (TTile& Tile : Column) {
            if (Tile.State == lsFalling) {
                const bool Above = Tile.Pos.Y < GroundPosY;
                Tile.Pos.Y += FallStep + CosmeticRandomInt(FallStepSpread);
                if (Above && Tile.Pos.Y >= GroundPosY && CosmeticRandomInt(OneBounceEveryProb) == 0) {
                    Tile.State = lsBouncing;
                    Tile.BounceCounter = 0;
                } else if (Tile.Pos.Y >= ScreenBottom) {
                    Tile.State = lsGone;
                }
            } else if (Tile.State == lsBouncing) {
                Tile.Pos.Y += BounceSteps[Tile.BounceCounter];
                if (++Tile.BounceCounter >= BounceFrames) Tile.State = lsGone;
            }
        }
    }
}

void TLostBoardEffect::Draw() {
    if (!OmgImgList) return;
    for (int32_t X = BoardSize; X >= 1; --X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TTile& Tile = FTiles[X - 1][Y - 1];
            if (Tile.State == lsGone) continue;
            const int32_t DX = CosmeticRandomInt(3);
            const int32_t DY = CosmeticRandomInt(3);
            DrawEffectTile(OmgImgList, FBoard.At(X, Y), Round(Tile.Pos.X) + DX, Round(Tile.Pos.Y) + DY,
                           UniFruitColorIndex, FlowerIdx);
        }
    }
}
