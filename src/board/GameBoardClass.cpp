// The board's model, timers and input. Its drawing layers are in GameBoardDrawClass.cpp.
#include "GameBoardClass.h"

#include <algorithm>
#include <cstdint>

#include "BoardSetupClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"

namespace {

void ClearShakeAmplitudes() {
    for (auto& Column : ShakeAmplitude)
        for (int32_t& Value : Column) Value = 0;
}

}  // namespace

TGameBoard::TGameBoard() {
    ReseedGameplayFromClock();
    FillWithRandomLockers(FBoard, FruitColorCount);
    FStatus = TTileStatusArray{};
    ClearTileBounces();
    ClearRestoreFlags();
}

void TGameBoard::ResetForRound() {
    CanMatch = true;
    FDragging = false;
    FTutorialRefill = false;
    ClearShakeAmplitudes();
    FShakeDecayTimer = 0;
    FSelected = false;
    HideHint();
    FNoMatchTimer = 0;
    FPostFallTimer = 0;
    FPostFallPending = false;
    FCheckCombo = false;
    FSwappedTilePos = TPoint{};
    FHintIntervalTimer = 0;
    FNoMoreMovesTimer = 0;
    FNoMoreMovesRaised = false;
    FStatus = TTileStatusArray{};
    StartFlowerCountdown();
    ClearRestoreFlags();
    // Nothing of the last round may still move on the new board: its landing
    // bounces, a uni fruit half out of its bubble, a blaster wave on its way.
    ClearTileBounces();
    ClearUniPops();
    FBlasterWave.Active = false;
}

void TGameBoard::LoadBoardData(const TBoardData& Board) {
    FBoard = Board;
    FStatus = TTileStatusArray::ForBoard(FBoard);
    ClearShakeAmplitudes();
    FBlasterWave.Active = false;
    FSelected = false;
    FDragging = false;
}

void TGameBoard::RandomizeContents() {
    ReseedGameplayFromClock();
    RandomizeBoardContents(FBoard, FruitColorCount);
    FHintIntervalTimer = 0;
    FNoMoreMovesTimer = 0;
    FNoMoreMovesRaised = false;
    StartFlowerCountdown();
}

void TGameBoard::MakeTutorialBoard() {
    FTutorialRefill = true;
    ApplyTutorialContents(FBoard);
}

bool TGameBoard::IsIdle() const {
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (FStatus.At(X, Y) != tsIdle && FStatus.At(X, Y) != tsUnused) return false;
    return true;
}

void TGameBoard::BoardFrame() {
    if (!CanDraw || !Visible) return;
    ResolveImages();
    UpdateUniColor();
    UpdateWormTimers();
    UpdateBlasterWave();
    UpdateShakeDecay();
    UpdateHintInterval();
    UpdateNoMatchInterval();
    UpdateNoMoreMovesCheck();
    UpdateTileBounces();
    UpdateFalling();
    DrawLockers();
    DrawContents();
    DrawUniPops();
    DrawWebs();
    DrawSelection();
    DrawHint();
    UpdatePostFallDelay();
}

void TGameBoard::UpdateUniColor() {
    FUniColorTimer += FrameStep;
    if (FUniColorTimer < UniFruitInterval) return;
    FUniColorTimer = 0;
    FUniColor = FUniColor >= FruitColorCount ? 1 : FUniColor + 1;
}

// Step 2, the worms' eating and the eaten fruits' wait for the fairy, is in GameBoardEnemiesClass.cpp.

// Step 3, the fruit blaster's wave, is in GameBoardPickupsClass.cpp.

void TGameBoard::UpdateShakeDecay() {
    FShakeDecayTimer += FrameStep;
    if (FShakeDecayTimer < ShakeDecayInterval) return;
    FShakeDecayTimer = 0;
    DecayShakeAmplitudes(ShakeAmplitude);
}

// Steps 5 to 7, the hint interval, the no-match interval and the no-more-moves
// check, and step 15, the hint, are in GameBoardHintClass.cpp.

// Steps 9 and 16, falling and the post-fall delay, are in GameBoardFallClass.cpp.

void TGameBoard::PressAt(int32_t X, int32_t Y, TMouseButton Button) {
    if (!CanDraw || !Visible) return;
    if (Button == mbRight) {
        FSelected = false;
        return;
    }
    const TPoint P = HitTest(X, Y);
    if (IsOffBoard(P)) {
        FSelected = false;
        return;
    }
    ClickTile(P);
}

void TGameBoard::SetDragging(bool Value) {
    if (Visible) FDragging = Value;
}

TPoint TGameBoard::HitTest(int32_t X, int32_t Y) const { return HitTestTile(Left, Top, X, Y); }

bool TGameBoard::IsOffBoard(TPoint P) const { return ::IsOffBoard(FBoard, P); }

void TGameBoard::SelectTile(TPoint P, uint8_t Pattern) {
    if (IsBoardPos(P) && (FBoard[P].Kind == okLocker || FBoard[P].Kind == okFruit)) {
        FSelected = true;
        FFirstTile = P;
        FSelectionPattern = Pattern;
    } else {
        FSelected = false;
    }
}

void TGameBoard::StartFlowerCountdown() {
    FFlowerCheckCount = 0;
    // Level values are not range-checked: a reversed or enormous range must not overflow.
    const int64_t Span = int64_t{OneFlowerPerLockersMax} - OneFlowerPerLockersMin + 1;
    const int32_t Extra = Span > 1 ? Random(static_cast<int32_t>(std::min<int64_t>(Span, INT32_MAX))) : 0;
    FFlowerCheckTarget = static_cast<int32_t>(std::min<int64_t>(int64_t{OneFlowerPerLockersMin} + Extra, INT32_MAX));
}

void TGameBoard::ClearRestoreFlags() {
    for (auto& Column : FRestoreAsked)
        for (bool& Asked : Column) Asked = false;
}

void TGameBoard::ClearUniPops() {
    for (auto& Column : FUniPop)
        for (TUniPop& Pop : Column) Pop = TUniPop{};
}

void TGameBoard::HideHint() {
    FHint.Showing = false;
    FHint.Mask.Clear();
}
