// The board's side of the player's tools: the magic key opening a locker, the
// broom tearing a web, the aerosol's spray driving worms off their fruits.
#include "BoardToolsClass.h"
#include "GameBoardClass.h"

bool TGameBoard::IsLocker(TPoint P) const { return IsLockerTile(FBoard, P); }

bool TGameBoard::IsOpenableLocker(TPoint P) const { return IsLocker(P) && FStatus[P] == tsIdle; }

void TGameBoard::OpenLocker(TPoint P) {
    if (IsLocker(P) && FStatus[P] == tsIdle) {
        FStatus[P] = tsOpening;
        TSimpleObjectArray Mask;
        Mask[P] = true;
        Raise(OnOpeningLockersEffectRequest, FBoard, Mask);
        ResetNoMatchTimer();
    }
    FSelected = false;
}

bool TGameBoard::HasWeb(TPoint P) const { return HasWebTile(FBoard, P); }

void TGameBoard::SweepWeb(TPoint P) {
    if (!HasWeb(P)) return;
    FBoard[P].Web = false;
    Raise(OnWebEffectRequest, P);
}

bool TGameBoard::IsBroomable(TPoint P) const { return IsBroomableTile(FBoard, P); }

void TGameBoard::SprayWorms(const TRect& R) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TPoint P{X, Y};
            if (!WormSprayedAt(FBoard, Left, Top, P, R)) continue;
            FBoard[P].WormState = WormStateNone;
            Raise(OnAFruitWormBanRequest, P);
        }
    }
}
