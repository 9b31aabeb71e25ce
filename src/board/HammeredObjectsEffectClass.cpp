#include "HammeredObjectsEffectClass.h"

#include "DrawRoutinesClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"
#include "TileLooksClass.h"

namespace {

constexpr float DrawScale = 1.15f;
constexpr int32_t AbsorbedAlphaStep = 95;
constexpr int32_t ShakePixels = 2;
// Each slot is thrown its own way: sideways speed and first throw (upward when negative).
constexpr double Throws[THammeredObjectsEffect::SlotCount][2] = {{4, -18}, {-5, -10}, {7, -10}, {2, 10}};
// The one bounce on the ground, frame by frame.
constexpr TPoint BounceOffsets[THammeredObjectsEffect::BounceFrames] = {
    {0, -10}, {0, -20}, {0, -30}, {0, -40}, {0, -28}, {0, -14}, {0, -2}, {0, 10}, {0, 26}, {0, 40}};

}  // namespace

void THammeredObjectsEffect::Clear() {
    for (TSlot& Slot : FSlots) Slot.Phase = hpGone;
    FFinishRaised = true;
}

bool THammeredObjectsEffect::Active() const {
    for (const TSlot& Slot : FSlots)
        if (Slot.Phase != hpGone) return true;
    return false;
}

void THammeredObjectsEffect::Start(const TBoardData& BoardData, const TSimpleObjectArray& HammeredTiles) {
    Clear();
    int32_t Next = 0;
    for (int32_t Y = 1; Y <= BoardSize && Next < SlotCount; ++Y) {
        for (int32_t X = 1; X <= BoardSize && Next < SlotCount; ++X) {
            if (!HammeredTiles.At(X, Y)) continue;
            TSlot& Slot = FSlots[Next];
            Slot = TSlot{};
            Slot.Phase = hpShaking;
            Slot.Tile = BoardData.At(X, Y);
            Slot.TilePos = TPoint{X, Y};
            const TPoint Cell = EffectCellCorner(Left, Top, X, Y);
            Slot.Flight.X = Cell.X;
            Slot.Flight.Y = Cell.Y;
            Slot.Flight.HorzSpeed = Throws[Next][0];
            Slot.Flight.Impulse = Throws[Next][1];
            ++Next;
        }
    }
    FFinishRaised = false;
    // Nothing to throw: the board must not wait for a shake that never ends.
    if (Next == 0) {
        FFinishRaised = true;
        if (OnFinish) OnFinish(this);
    }
}

void THammeredObjectsEffect::UpdateAndDraw() {
    if (!Visible) return;
    for (TSlot& Slot : FSlots) {
        if (Slot.Phase == hpGone) continue;
        int32_t OffsetX = 0;
        int32_t OffsetY = 0;
        Move(Slot, OffsetX, OffsetY);
        if (Slot.Phase == hpGone) continue;
        Draw(Slot, Round(Slot.Flight.X) + OffsetX, Round(Slot.Flight.Y) + OffsetY);
    }
}

void THammeredObjectsEffect::Move(TSlot& Slot, int32_t& OffsetX, int32_t& OffsetY) {
    switch (Slot.Phase) {
        case hpShaking:
            // The shake only shows: the cosmetic stream, and the flight is untouched.
            OffsetX = CosmeticRandomInt(2 * ShakePixels + 1) - ShakePixels;
            OffsetY = CosmeticRandomInt(2 * ShakePixels + 1) - ShakePixels;
            if (++Slot.Counter >= MaxShakeCounter) {
                Slot.Phase = hpFalling;
                Slot.Counter = 0;
                if (!FFinishRaised) {
                    FFinishRaised = true;
                    if (OnFinish) OnFinish(this);
                }
            }
            break;
        case hpFalling:
            Slot.Flight.Step();
            if (OnMonsterHitCheck && !Slot.Hit) {
                bool Hitting = false;
                bool Absorbing = false;
                OnMonsterHitCheck(this, TPoint{Round(Slot.Flight.X), Round(Slot.Flight.Y)}, Hitting, Absorbing);
                if (Hitting) Slot.Hit = true;
                if (Hitting && Absorbing) Slot.Absorbed = true;
            }
            if (Slot.Flight.Y >= GroundVertPos) {
                PlaySoundEffect("LockerBounce");
                Slot.Phase = hpBouncing;
                Slot.Counter = 0;
            }
            break;
        case hpBouncing:
            if (Slot.Counter >= BounceFrames) {
                Slot.Phase = hpGone;
                return;
            }
            OffsetX = BounceOffsets[Slot.Counter].X;
            OffsetY = BounceOffsets[Slot.Counter].Y;
            ++Slot.Counter;
            break;
        case hpGone: return;
    }
    if (Slot.Absorbed) {
        Slot.Alpha -= AbsorbedAlphaStep;
        if (Slot.Alpha <= 0) {
            Slot.Alpha = 0;
            Slot.Phase = hpGone;
        }
    }
}

void THammeredObjectsEffect::Draw(const TSlot& Slot, int32_t X, int32_t Y) {
    if (!OmgImgList) return;
    const TBoardTile& Tile = Slot.Tile;
    const auto Sprite = [&](const char* Name, int32_t Pattern, int32_t PX, int32_t PY) {
        if (TImageListItem* Image = EffectImage(OmgImgList, Name))
            Image->DrawEx(PX, PY, 0.0f, 0.5f, 0.5f, DrawScale, DrawScale, 255, 255, 255, Slot.Alpha, Pattern, 0);
    };
    SetEffectFiltering(OmgImgList, true);
    const int32_t BoxX = X + LockerXAdjust;
    const int32_t BoxY = Y + LockerYAdjust;
    if (Tile.Kind == okLocker) {
        Sprite("Lockers", Tile.LockerKind - 1, BoxX, BoxY);
        if (IsSpecialLockerContent(Tile)) Sprite("SpecialLockerMark", 0, BoxX + 7, BoxY + 3);
    } else if (Tile.Kind == okFruit) {
        Sprite("Lockers", Tile.LockerKind + 2, BoxX, BoxY);
        // The board's look of the content; a uni fruit in its first colour.
        const TTileLook Look = ContentLook(Tile, 1, 1);
        Sprite(BoardImageName(Look.Image), Look.Pattern, X, Y);
        if (Tile.Bomb) Sprite("FruitBomb", BombFrame, X + 3, Y + 7);
        if (Tile.WormState == WormStateEating) Sprite("WormEating", 0, X, Y);
    }
    if (Tile.Web) DrawWebScaled(OmgImgList, X + 3, Y - 3);
    SetEffectFiltering(OmgImgList, false);
}
