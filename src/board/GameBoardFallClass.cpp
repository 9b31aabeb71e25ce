// The board's gravity, refill and locker check. Tiles never animate their fall
// here beyond a drop offset: the board moves whole tile records one cell at a
// time and hands lockers to open to the opening effect through the main form.
#include "BoardGroupsClass.h"
#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"

namespace {

// Milliseconds between the end of a fall and the fruit check.
constexpr int32_t PostFallDelay = 300;
// Refill offers no tool the player already holds this many of.
constexpr int32_t MaxToolsHeld = 9;

// A chance of 1 in OnePer; never when OnePer is 0 or less (a level switches a special off that way).
bool Chance(int32_t OnePer) { return OnePer > 0 && Random(OnePer) == 0; }

// Only lockers and opened tiles hold anything: an emptied position still carries
// the bytes of the tile that left it, and they must not count as a special.
bool HoldsTile(const TBoardTile& Tile) { return Tile.Kind == okLocker || Tile.Kind == okFruit; }

int32_t CountContent(const TBoardData& Board, uint8_t Content) {
    int32_t Count = 0;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            if (HoldsTile(Tile) && Tile.Content == Content) ++Count;
        }
    return Count;
}

int32_t CountBombs(const TBoardData& Board) {
    int32_t Count = 0;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            if (Tile.Kind == okFruit && Tile.Bomb) ++Count;
        }
    return Count;
}

// The first lesson's refill cycles the locker kinds up a column (1, 2, 3, 1, ...),
// so a new locker never completes a group by chance while the pointer teaches.
uint8_t NextTutorialLockerKind(uint8_t Below) { return static_cast<uint8_t>(Below % 3 + 1); }

}  // namespace

void TGameBoard::UpdateFalling() {
    MarkFalling();
    GravityStep();
}

void TGameBoard::UpdatePostFallDelay() {
    if (!FPostFallPending) return;
    FPostFallTimer += FrameStep;
    if (FPostFallTimer < PostFallDelay) return;
    FPostFallTimer = 0;
    FPostFallPending = false;
    CheckFruitGroups();
}

void TGameBoard::MarkFalling() {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (FBoard.At(X, Y).Kind != okTempBlank) continue;
            for (int32_t Row = Y; Row >= 1; --Row) {
                TTileStatus& Status = FStatus.At(X, Row);
                if (Status == tsIdle) {
                    FBoard.At(X, Row).DropOffset = 0;
                    Status = tsFalling;
                } else if (Status != tsFalling) {
                    break;
                }
            }
        }
    }
}

bool TGameBoard::BlankBelow(int32_t X, int32_t Y) const {
    for (int32_t Row = Y + 1; Row <= BoardSize; ++Row) {
        const TTileObjectKind Kind = FBoard.At(X, Row).Kind;
        if (Kind == okUnused) return false;
        if (Kind == okTempBlank) return true;
    }
    return false;
}

bool TGameBoard::AnyFalling() const {
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (FStatus.At(X, Y) == tsFalling) return true;
    return false;
}

void TGameBoard::GravityStep() {
    const bool SettledBefore = !AnyFalling();
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = BoardSize; Y >= 1; --Y) {
            if (FStatus.At(X, Y) != tsFalling) continue;
            TBoardTile& Tile = FBoard.At(X, Y);
            Tile.DropOffset += DroppingStep;
            if (Tile.DropOffset < BoardTilePixels) continue;
            Tile.DropOffset = 0;
            if (HoldsTile(Tile)) {
                if (Y == BoardSize) {
                    // Nothing lies below the bottom row: the tile stays where it is.
                    FStatus.At(X, Y) = tsIdle;
                    continue;
                }
                FBoard.At(X, Y + 1) = Tile;
                if (!BlankBelow(X, Y + 1)) {
                    // The column has landed: all of it bounces.
                    for (int32_t Row = 0; Row < BoardSize; ++Row) StartTileBounce(X - 1, Row);
                    FStatus.At(X, Y + 1) = tsIdle;
                }
            }
            Tile.Kind = okTempBlank;
            if (Y == 1 || FBoard.At(X, Y - 1).Kind == okUnused) {
                if (FTutorialRefill)
                    TutorialRefill({X, Y});
                else
                    Refill({X, Y});
                FStatus.At(X, Y) = BlankBelow(X, Y) ? tsFalling : tsIdle;
            }
        }
    }
    if (!SettledBefore && !AnyFalling()) {
        CheckLockerGroups();
        FPostFallTimer = 0;
        FPostFallPending = true;
    }
}

void TGameBoard::Refill(TPoint P) {
    TBoardTile& Tile = FBoard[P];
    Tile.Kind = okLocker;
    Tile.LockerKind = static_cast<uint8_t>(Random(3) + 1);
    Tile.Content = static_cast<uint8_t>(Random(FruitColorCount) + 1);
    Tile.Web = false;
    Tile.Bomb = false;
    Tile.WormState = WormStateNone;
    Tile.WormTime = 0;
    TryRefillSpecial(Tile);
}

// At most one special per new tile, tried in a fixed order; each draws its chance
// only while the tile holds none yet, so the gameplay stream stays in step.
bool TGameBoard::TryRefillSpecial(TBoardTile& Tile) {
    if (Chance(OneUniFruitEveryProb) && CountContent(FBoard, ccUniFruit) < MaxUniFruitOnBoard) {
        Tile.Content = ccUniFruit;
        Tile.Kind = okFruit;
        Raise(OnFruitBubbleAdded);
        return true;
    }
    if (Chance(OneMultiBubbleEveryProb) && CountContent(FBoard, ccFruitBlaster) < MaxMultiBubbleOnBoard) {
        Tile.Content = ccFruitBlaster;
        Tile.BlasterColor = Random(FruitColorCount) + 1;
        Tile.Kind = okFruit;
        Raise(OnFruitBlasterAdded);
        return true;
    }
    if (Chance(OneHammerEveryProb) && CountContent(FBoard, ccHammer) < MaxHammersOnBoard) {
        Tile.Kind = okFruit;
        Tile.Content = ccHammer;
        Raise(OnHammerAdded);
        return true;
    }
    if (Chance(OneFruitBombEveryProb) && CountBombs(FBoard) < MaxFruitBombsOnBoard) {
        Tile.Kind = okFruit;
        Tile.Bomb = true;
        Raise(OnFruitBombAdded);
        return true;
    }
    // Tools stay hidden in the locker. None is offered while one of its kind is on
    // the board or while the player holds nine. MaxToolKind caps the offer by the
    // kinds' ordinals, as refill always has (with toBroom, keys may hide in lockers
    // too): this is the refill's own rule, not a test of which tools are unlocked.
    struct TToolOffer {
        TToolKind Tool;
        int32_t OnePer;
        const TAcquiredToolsQuestionEvent& Question;
    };
    const TToolOffer Offers[] = {{toMagicKey, OneMagicKeyEveryProb, OnAcquiredMagicKeysQuestion},
                                 {toBroom, OneBroomEveryProb, OnAcquiredBroomsQuestion},
                                 {toAerosol, OneAerosolEveryProb, OnAcquiredAerosolsQuestion}};
    for (const TToolOffer& Offer : Offers) {
        if (!Chance(Offer.OnePer)) continue;
        const uint8_t Code = ToolContentCode(Offer.Tool);
        if (CountContent(FBoard, Code) > 0) continue;
        int32_t Held = 0;
        Raise(Offer.Question, Held);
        if (Held >= MaxToolsHeld || MaxToolKind < Offer.Tool) continue;
        Tile.Content = Code;
        return true;
    }
    return false;
}

void TGameBoard::TutorialRefill(TPoint P) {
    const bool ColumnBottom = P.Y == BoardSize || FBoard.At(P.X, P.Y + 1).Kind == okUnused;
    TBoardTile& Tile = FBoard[P];
    Tile.Kind = okLocker;
    Tile.LockerKind = ColumnBottom ? 2 : NextTutorialLockerKind(FBoard.At(P.X, P.Y + 1).LockerKind);
    Tile.Content = static_cast<uint8_t>(Random(FruitColorCount) + 1);
    Tile.Web = false;
    Tile.Bomb = false;
    // The record came down from the tile that fell out of this cell: no worm rides along.
    Tile.WormState = WormStateNone;
    Tile.WormTime = 0;
}

void TGameBoard::CheckLockerGroups() {
    if (!CanMatch) return;
    // Flowers come by a countdown of locker checks; the round says whether the row still has room.
    bool FlowerAllowed = false;
    if (++FFlowerCheckCount >= FFlowerCheckTarget) {
        StartFlowerCountdown();
        Raise(OnCanAddFlowerQuestion, FlowerAllowed);
    }
    TSimpleObjectArray Mask;
    bool AnyFound = false;
    bool FlowerPlaced = false;
    for (int32_t Key = 1; Key <= 3; ++Key) {
        const TSimpleObjectArray Group = ::FindGroups(FBoard, FStatus, okLocker, Key);
        for (int32_t X = 1; X <= BoardSize; ++X) {
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                if (!Group.At(X, Y) || FStatus.At(X, Y) != tsIdle) continue;
                AnyFound = true;
                TBoardTile& Tile = FBoard.At(X, Y);
                if (Tile.Web) {
                    // The group only tears the web; the locker stays closed.
                    Tile.Web = false;
                    Raise(OnWebEffectRequest, TPoint{X, Y});
                    continue;
                }
                Mask.At(X, Y) = true;
                FStatus.At(X, Y) = tsOpening;
                if (ActiveMode == amFindFlower && FlowerAllowed && !FlowerPlaced && !HoldsSpecialObject(Tile)) {
                    Tile.Content = ccFlower;
                    FChosenFlowerIdx = ChooseFlower();
                    FlowerPlaced = true;
                }
            }
        }
    }
    if (AnyFound) ResetNoMatchTimer();
    Raise(OnOpeningLockersEffectRequest, FBoard, Mask);
}

void TGameBoard::LockersOpened(const TSimpleObjectArray& Mask) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!Mask.At(X, Y)) continue;
            FBoard.At(X, Y).Kind = okFruit;
            FStatus.At(X, Y) = tsIdle;
        }
    }
}

int32_t TGameBoard::ChooseFlower() {
    TFlowerIdxSet Unobtained;
    Raise(OnUnobtainedFlowerIdxSetRequest, Unobtained);
    for (int32_t Try = 0; Try < 100; ++Try) {
        const int32_t Idx = Random(6) + 1;
        if (Unobtained.Contains(static_cast<uint8_t>(Idx))) return Idx;
    }
    for (int32_t Idx = 1; Idx <= 6; ++Idx)
        if (Unobtained.Contains(static_cast<uint8_t>(Idx))) return Idx;
    return 1;
}
