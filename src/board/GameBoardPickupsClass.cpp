// The board's side of the special objects: a clicked uni fruit takes the colour
// it shows and is revealed for a moment before the board looks for matches; a
// clicked hammer smashes its neighbours; a matched fruit carrying a bomb blows
// up the plain fruits around it; a clicked fruit blaster sends a wave over the
// board that takes every fruit of its colour. The board only changes its tiles
// and raises requests; the effects show what happens.
#include "BoardSetupClass.h"
#include "BoardPickupsClass.h"
#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

namespace {

// Frames a uni fruit shows its colour before the board looks for matches.
constexpr int32_t UniPopFrames = 20;
// A freed uni fruit's match is checked as a player's move at the board's middle.
constexpr TPoint UniPopComboPos{5, 5};
// The wave moves on one ring every 60 milliseconds; the colour is taken after ring 7.
constexpr int32_t BlasterWaveStepTime = 60;
constexpr int32_t BlasterWaveGroupStep = 7;
constexpr int32_t BlasterWaveLastStep = 20;

}  // namespace

void TGameBoard::ActivateObject(TPoint P) {
    if (!IsBoardPos(P)) return;
    ResetNoMatchTimer();
    TBoardTile& Tile = FBoard[P];
    switch (Tile.Content) {
        case ccUniFruit:
            PlaySoundEffect("BubblePop");
            Raise(OnUniBubbleEffectRequest, P);
            Tile.Content = static_cast<uint8_t>(FUniColor);
            FUniPop[P.X - 1][P.Y - 1] = TUniPop{true, 0};
            break;
        case ccHammer:
            PlaySoundEffect("ItemActivate");
            FStatus[P] = tsHammered;
            Raise(OnHammerEffectRequest, P);
            break;
        case ccFruitBlaster: {
            PlaySoundEffect("ItemActivate");
            // The blaster becomes a plain fruit of its colour, and the wave takes that colour.
            const int32_t Colour = Tile.BlasterColor;
            Tile.Content = static_cast<uint8_t>(Colour);
            FBlasterWave.Color = Colour;
            Raise(OnMultiBubbleClicked, P, Colour);
            break;
        }
        default: break;
    }
    FSelected = false;
}

// Step 12: each freed uni fruit counts its frames (headless too) and is drawn
// here, in its box, until the board looks for its match.
void TGameBoard::DrawUniPops() {
    TImageListItem* Fruits = FImages[biFruitsInside];
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TUniPop& Pop = FUniPop[X - 1][Y - 1];
            if (!Pop.Active) continue;
            ++Pop.Counter;
            const TBoardTile& Tile = FBoard.At(X, Y);
            const TTileStatus Status = FStatus.At(X, Y);
            if (Fruits && Tile.Kind == okFruit && Status != tsSwapping && Status != tsHammered) {
                const TPoint Cell = CellCorner(X, Y);
                const int32_t J = FJitter[X - 1][Y - 1];
                Fruits->Draw(Cell.X + J, Cell.Y + J + VerticalOffset(X, Y), Tile.Content - 1);
            }
            if (Pop.Counter >= UniPopFrames) {
                Pop.Active = false;
                CheckFruitGroupsAt(UniPopComboPos);
                CheckNoMoreMoves();
            }
        }
    }
}

void TGameBoard::HammerHit(TPoint P) {
    if (!IsBoardPos(P)) return;
    const TSimpleObjectArray Hammered = HammeredNeighbours(FBoard, FStatus, P);
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (Hammered.At(X, Y)) FStatus.At(X, Y) = tsHammered;
    // A hammer in a corner of a shaped board may have nothing to smash: its own
    // tile would otherwise stay hammered for good.
    if (!Hammered.Any()) {
        HammeredDone();
        return;
    }
    Raise(OnHammeredObjectsEffectRequest, FBoard, Hammered);
}

void TGameBoard::HammeredDone() {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (FStatus.At(X, Y) != tsHammered) continue;
            FBoard.At(X, Y).Kind = okTempBlank;
            FStatus.At(X, Y) = tsFalling;
        }
    }
    MarkFalling();
}

void TGameBoard::ExplodeBombs(const TSimpleObjectArray& Mask) {
    for (int32_t BX = 1; BX <= BoardSize; ++BX) {
        for (int32_t BY = 1; BY <= BoardSize; ++BY) {
            const TPoint P{BX, BY};
            if (!Mask[P] || !FBoard[P].Bomb) continue;
            Raise(OnExplossionEffectRequest, P);
            PlaySoundEffect("FruitBomb");
            Raise(OnEnemiesBanned, BombBannedArea(P));

            TSimpleObjectArray Blown;
            for (const TPoint& Offset : BombPattern) {
                const TPoint Cell{P.X + Offset.X, P.Y + Offset.Y};
                if (!IsBoardPos(Cell)) continue;
                TBoardTile& Tile = FBoard[Cell];
                if (!BlownByBomb(Tile, FStatus[Cell], FruitColorCount)) continue;
                Blown[Cell] = true;
                // A worm eating a blown fruit goes with it. A bomb on a blown fruit
                // does not go off: it leaves with its fruit (no chain).
                Tile.WormState = WormStateNone;
                Tile.Kind = okTempBlank;
                Tile.DropOffset = 0;
                FStatus[Cell] = tsFalling;
                if (Tile.Web) {
                    Tile.Web = false;
                    Raise(OnWebEffectRequest, Cell);
                }
            }
            TBoardTile& Own = FBoard[P];
            Own.Kind = okTempBlank;
            Own.DropOffset = 0;
            FStatus[P] = tsFalling;
            // The main form always takes the blown fruits: they are counted on the ground.
            if (Blown.Any()) Raise(OnFallingFruitsEffectRequest, FBoard, Blown);
            BombShake(P);
        }
    }
    MarkFalling();
}

void TGameBoard::HammerShake(TPoint P) {
    ApplyHammerShake(ShakeAmplitude, P);
    FShakeDecayTimer = 0;
}

void TGameBoard::BombShake(TPoint P) {
    ApplyBombShake(ShakeAmplitude, P);
    FShakeDecayTimer = 0;
}

void TGameBoard::StartBlasterWave(TPoint P) {
    FBlasterWave.Active = true;
    FBlasterWave.Timer = 0;
    FBlasterWave.Step = 0;
    FBlasterWave.Centre = P;
    FBlasterWave.GroupDone = false;
    MarkWaveRing(0);
}

// Step 3: the wave spreads one ring every second frame; after ring 7 its colour is taken.
void TGameBoard::UpdateBlasterWave() {
    if (!FBlasterWave.Active) return;
    FBlasterWave.Timer += FrameStep;
    if (FBlasterWave.Timer < BlasterWaveStepTime) return;
    FBlasterWave.Timer = 0;
    ++FBlasterWave.Step;
    if (FBlasterWave.Step >= BlasterWaveLastStep) FBlasterWave.Active = false;
    MarkWaveRing(FBlasterWave.Step);
    if (FBlasterWave.Step > BlasterWaveGroupStep && !FBlasterWave.GroupDone) {
        FBlasterWave.GroupDone = true;
        GroupColour(FBlasterWave.Color);
    }
}

// The ring lights up; every fruit of the wave's colour still shaking at the
// wave's amplitude, anywhere on the board, twinkles.
void TGameBoard::MarkWaveRing(int32_t Ring) {
    MarkBlasterRing(ShakeAmplitude, FBlasterWave.Centre, Ring);
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = FBoard.At(X, Y);
            if (Tile.Kind != okFruit || Tile.Web || Tile.Content != FBlasterWave.Color) continue;
            if (ShakeAmplitude[X - 1][Y - 1] != BlasterWaveAmplitude) continue;
            Raise(OnStarsEffectRequest, TPoint{X, Y});
        }
    }
}

void TGameBoard::GroupColour(int32_t Colour) {
    // A finished round matches nothing more.
    if (!CanMatch) return;
    TSimpleObjectArray Mask;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TPoint P{X, Y};
            TBoardTile& Tile = FBoard[P];
            if (Tile.Kind != okFruit || Tile.Content != Colour || Tile.WormState == WormStateEaten) continue;
            if (FStatus[P] != tsIdle) continue;
            if (Tile.Web) {
                Tile.Web = false;
                Raise(OnWebEffectRequest, P);
                continue;
            }
            Mask[P] = true;
            FStatus[P] = tsGrouped;
            Raise(OnRemoveLockerFrames, Mask);
        }
    }
    if (!Mask.Any()) return;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (Mask.At(X, Y) && FBoard.At(X, Y).WormState == WormStateEating)
                Raise(OnAFruitWormBanRequest, TPoint{X, Y});
    Raise(OnGroupedFruitsEffectRequest, FBoard, Mask, FCheckCombo, FSwappedTilePos);
    FCheckCombo = false;
    ResetNoMatchTimer();
}
