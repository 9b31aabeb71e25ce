#include "LockerFillerClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "LevelFileClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

void TLockerFiller::Clear() {
    FRunning = false;
    FCursorDone = true;
    FGapTimer = 0;
    for (auto& Column : FDropY)
        for (int32_t& Y : Column) Y = -1;
    for (auto& Column : FLanded)
        for (bool& Landed : Column) Landed = false;
}

void TLockerFiller::Start(const std::string& LevelFileName) {
    TLevelRecord Record;
    std::string Problem;
    if (ReadLevelFile(LevelFileName, Record, Problem) == TLevelReadResult::Loaded) {
        Start(Record.Tiles);
        return;
    }
    TBoardData Nothing;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) Nothing.At(X, Y).Kind = okUnused;
    Start(Nothing);
}

void TLockerFiller::Start(const TBoardData& Board) {
    Clear();
    FBoard = Board;
    FRunning = true;
    // The snake starts at the last position of the board: the bottom row's
    // rightmost used tile (or the row above, when the bottom row is all holes).
    for (int32_t Y = BoardSize; Y >= 1 && FCursorDone; --Y) {
        for (int32_t X = BoardSize; X >= 1; --X) {
            if (FBoard.At(X, Y).Kind == okUnused) continue;
            FCursor = TPoint{X, Y};
            FCursorDone = false;
            break;
        }
    }
    FDirection = -1;
}

// The next used position along the snake, from the cursor on.
bool TLockerFiller::NextLaunch(TPoint& P) {
    while (!FCursorDone) {
        const TPoint At = FCursor;
        FCursor.X += FDirection;
        if (FCursor.X < 1 || FCursor.X > BoardSize) {
            FDirection = -FDirection;
            FCursor.X = FDirection > 0 ? 1 : BoardSize;
            if (--FCursor.Y < 1) FCursorDone = true;
        }
        if (FBoard[At].Kind != okUnused) {
            P = At;
            return true;
        }
    }
    return false;
}

void TLockerFiller::Launch(TPoint P) { FDropY[P.X - 1][P.Y - 1] = Top; }

bool TLockerFiller::AllLanded() const {
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (FBoard.At(X, Y).Kind != okUnused && !FLanded[X - 1][Y - 1]) return false;
    return true;
}

void TLockerFiller::UpdateAndDraw() {
    if (!Visible || !FRunning) return;
    FGapTimer += FrameStep;
    if (FGapTimer >= GapInterval) {
        FGapTimer = 0;
        TPoint P;
        if (NextLaunch(P)) Launch(P);
    }
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            int32_t& DropY = FDropY[X - 1][Y - 1];
            if (DropY < 0 || FLanded[X - 1][Y - 1]) continue;
            const int32_t Target = Top + (Y - 1) * BoardTilePixels;
            DropY += FallStep;
            if (DropY < Target) continue;
            DropY = Target;
            FLanded[X - 1][Y - 1] = true;
            // Every other landing knocks, in two voices, like a checkerboard.
            if (X % 2 == 1 && Y % 2 == 1) PlaySoundEffect("FruitBounce1");
            if (X % 2 == 0 && Y % 2 == 0) PlaySoundEffect("FruitBounce2");
        }
    }
    Draw();
    if (AllLanded()) {
        FRunning = false;
        if (OnFinish) OnFinish(this);
    }
}

void TLockerFiller::Draw() {
    TImageListItem* Lockers = EffectImage(OmgImgList, "Lockers");
    if (!Lockers) return;
    // In the board's order, so the boxes overlap as they will once the board draws them.
    for (int32_t X = BoardSize; X >= 1; --X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const int32_t DropY = FDropY[X - 1][Y - 1];
            if (DropY < 0) continue;
            const int32_t CellX = Left + (X - 1) * BoardTilePixels;
            Lockers->Draw(CellX - 6, DropY - 2, FBoard.At(X, Y).LockerKind - 1);
        }
    }
}
