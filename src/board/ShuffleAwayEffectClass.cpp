#include "ShuffleAwayEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "LockersAwayEffectClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

void TShuffleAwayEffect::Clear() {
    FPhase = 0;
    FTimer = 0;
}

void TShuffleAwayEffect::Start(const TBoardData& OldBoard, const TBoardData& NewBoard) {
    FOldBoard = OldBoard;
    FNewBoard = NewBoard;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TTile& Tile = FTiles[X - 1][Y - 1];
            const TPoint Cell = EffectCellCorner(Left, Top, X, Y);
            Tile.Pos = FloatPoint(Cell.X, Cell.Y);
            // The same points around the screen as the lockers-away ending.
            Tile.Target = TLockersAwayEffect::TargetPoint(Random(TLockersAwayEffect::TargetCount));
            Tile.Speed = AxisSpeeds(Cell, Tile.Target, FlySpeed);
        }
    }
    FPhase = 1;
    FTimer = 0;
}

void TShuffleAwayEffect::UpdateAndDraw() {
    if (!Visible || FPhase == 0) return;
    switch (FPhase) {
        case 1:
            FTimer += FrameStep;
            Draw();
            if (FTimer >= FirstShakeTime) {
                PlaySoundEffect("WhipAway");
                FPhase = 2;
            }
            break;
        case 2: {
            const bool AllOut = Fly();
            Draw();
            if (!AllOut) break;
            // The new tiles come back from where the old ones went.
            for (int32_t X = 1; X <= BoardSize; ++X) {
                for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                    TTile& Tile = FTiles[X - 1][Y - 1];
                    Tile.Target = EffectCellCorner(Left, Top, X, Y);
                    Tile.Speed = AxisSpeeds(Tile.Pos, FloatPoint(Tile.Target.X, Tile.Target.Y), FlySpeed);
                }
            }
            FPhase = 3;
            break;
        }
        case 3: {
            const bool AllIn = Fly();
            Draw();
            if (AllIn) {
                FPhase = 4;
                FTimer = 0;
            }
            break;
        }
        default:
            FTimer += FrameStep;
            Draw();
            if (FTimer >= SecondShakeTime) {
                FPhase = 0;
                // Last: the handler loads the new board and may start anything.
                if (OnFinished) OnFinished(this, FNewBoard);
            }
            break;
    }
}

bool TShuffleAwayEffect::Fly() {
    const TBoardData& Board = ShownBoard();
    bool AllArrived = true;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TTile& Tile = FTiles[X - 1][Y - 1];
            MoveTowards(Tile.Pos.X, Tile.Pos.Y, Tile.Speed.X, Tile.Speed.Y, Tile.Target.X, Tile.Target.Y);
            if (Flies(Board.At(X, Y)) && !SameFloatPoint(Tile.Pos, FloatPoint(Tile.Target.X, Tile.Target.Y)))
                AllArrived = false;
        }
    }
    return AllArrived;
}

void TShuffleAwayEffect::Draw() {
    if (!OmgImgList) return;
    // A shaking board trembles more sideways; the settling new board only slightly.
    const bool Shaking = FPhase == 1 || FPhase == 3 || FPhase == 4;
    const int32_t JitterX = FPhase == 4 ? 2 : 3;
    const int32_t JitterY = 2;
    const TBoardData& Board = ShownBoard();
    for (int32_t X = BoardSize; X >= 1; --X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            if (!Flies(Tile)) continue;
            const TTile& Shown = FTiles[X - 1][Y - 1];
            const int32_t DX = Shaking ? CosmeticRandomInt(JitterX) : 0;
            const int32_t DY = Shaking ? CosmeticRandomInt(JitterY) : 0;
            DrawEffectTile(OmgImgList, Tile, Round(Shown.Pos.X) + DX, Round(Shown.Pos.Y) + DY, UniFruitColorIndex,
                           FlowerIdx);
        }
    }
}
