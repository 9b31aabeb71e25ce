#include "LockersAwayEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {

// Around the edge of the screen, and beyond it, before the shift below.
constexpr TPoint TargetPoints[TLockersAwayEffect::TargetCount] = {
    {13, 8},     {6, 121},    {10, 235},   {7, 346},    {6, 454},   {7, 567},    {11, 679},  {84, 750},
    {217, 756},  {338, 755},  {454, 755},  {569, 757},  {677, 752}, {797, 757},  {902, 753}, {1010, 691},
    {1016, 581}, {1015, 470}, {1014, 372}, {1011, 255}, {1006, 137}, {1001, 28}, {887, 3},   {769, 1},
    {641, 2},    {488, 8},    {373, 5},    {251, 11},   {130, 8}};
constexpr TPoint TargetShift = {-113, -83};

}  // namespace

TPoint TLockersAwayEffect::TargetPoint(int32_t Index) {
    return TPoint{TargetPoints[Index].X + TargetShift.X, TargetPoints[Index].Y + TargetShift.Y};
}

void TLockersAwayEffect::Clear() {
    FPhase = 0;
    FTimer = 0;
}

void TLockersAwayEffect::Start(const TBoardData& BoardData) {
    FBoard = BoardData;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TTile& Tile = FTiles[X - 1][Y - 1];
            const TPoint Cell = EffectCellCorner(Left, Top, X, Y);
            Tile.Pos = FloatPoint(Cell.X, Cell.Y);
            // Where each tile goes decides when the ending is over: gameplay stream.
            Tile.Target = TargetPoint(Random(TargetCount));
            Tile.Speed = AxisSpeeds(Cell, Tile.Target, SpreadSpeed);
        }
    }
    FPhase = 1;
    FTimer = 0;
}

void TLockersAwayEffect::UpdateAndDraw() {
    if (!Visible || FPhase == 0) return;
    if (FPhase == 1) {
        FTimer += FrameStep;
        Draw(true);
        if (FTimer >= FirstShakeTime) {
            PlaySoundEffect("WhipAway");
            FPhase = 2;
            if (OnAboutSpreading) OnAboutSpreading(this);
        }
        return;
    }
    const bool AllArrived = Spread();
    Draw(false);
    if (AllArrived) {
        FPhase = 0;
        if (OnFinished) OnFinished(this);
    }
}

// Every tile one step toward its point; true when all of them are there.
bool TLockersAwayEffect::Spread() {
    bool AllArrived = true;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!Flies(FBoard.At(X, Y))) continue;
            TTile& Tile = FTiles[X - 1][Y - 1];
            MoveTowards(Tile.Pos.X, Tile.Pos.Y, Tile.Speed.X, Tile.Speed.Y, Tile.Target.X, Tile.Target.Y);
            if (!SameFloatPoint(Tile.Pos, FloatPoint(Tile.Target.X, Tile.Target.Y))) AllArrived = false;
        }
    }
    return AllArrived;
}

void TLockersAwayEffect::Draw(bool Shaking) {
    if (!OmgImgList) return;
    // The board's order: columns right to left, rows top to bottom.
    for (int32_t X = BoardSize; X >= 1; --X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = FBoard.At(X, Y);
            if (!Flies(Tile)) continue;
            const TTile& Away = FTiles[X - 1][Y - 1];
            const int32_t JitterX = Shaking ? CosmeticRandomInt(3) : 0;
            const int32_t JitterY = Shaking ? CosmeticRandomInt(2) : 0;
            DrawEffectTile(OmgImgList, Tile, Round(Away.Pos.X) + JitterX, Round(Away.Pos.Y) + JitterY,
                           UniFruitColorIndex, FlowerIdx);
        }
    }
}
