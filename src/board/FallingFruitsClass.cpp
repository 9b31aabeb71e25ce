#include "FallingFruitsClass.h"

#include <iterator>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {

constexpr float BounceSizeAdd = 0.008f;
constexpr int32_t AbsorbedAlphaStep = 65;
constexpr int32_t SecondBounceCounter = 10;

// The six ways a landed fruit bounces and rolls: 1 to 3 to the right, 4 to 6 to the left.
constexpr TPoint Path1[] = {{0, 0},  {0, -10}, {0, -24}, {0, -38}, {1, -60}, {5, -77}, {9, -66}, {11, -52},
                            {11, -38}, {12, -23}, {12, -13}, {12, -2}, {12, -17}, {16, -35}, {21, -41}, {25, -31},
                            {26, -15}, {26, -4}, {26, 11}, {27, 22}, {28, 35}, {29, 50}};
constexpr TPoint Path2[] = {{0, 0},    {2, -16},  {5, -33},  {12, -48}, {22, -61},  {35, -63}, {44, -52},
                            {50, -36}, {52, -23}, {55, -10}, {56, 2},   {60, -15},  {70, -29}, {83, -36},
                            {93, -27}, {100, -16}, {104, -5}, {107, 10}, {108, 25}, {108, 41}, {108, 57}};
constexpr TPoint Path3[] = {{0, 0},     {9, -13},   {18, -27},  {27, -37},  {41, -46},  {57, -49},  {72, -50},
                            {88, -48},  {100, -39}, {111, -27}, {120, -16}, {126, -6},  {129, 2},   {140, -11},
                            {153, -18}, {170, -24}, {184, -23}, {201, -22}, {213, -17}, {223, -9},  {232, 1},
                            {241, 13},  {248, 26},  {255, 42},  {263, 58}};
constexpr TPoint Path4[] = {{0, 0},     {0, -15},   {0, -27},   {0, -43},   {-2, -63},  {-5, -77},
                            {-10, -64}, {-11, -51}, {-13, -38}, {-13, -26}, {-13, -14}, {-13, -2},
                            {-13, -11}, {-15, -25}, {-19, -42}, {-24, -30}, {-27, -13}, {-27, 1},
                            {-29, 17},  {-29, 34},  {-30, 52},  {-30, 70}};
constexpr TPoint Path5[] = {{0, 0},     {-1, -21},  {-8, -38},   {-14, -56},  {-26, -65},  {-40, -61},  {-50, -41},
                            {-55, -23}, {-60, -7},  {-60, 2},    {-62, -13},  {-68, -24},  {-78, -31},  {-91, -26},
                            {-101, -16}, {-106, 0}, {-111, 16},  {-115, 31},  {-120, 50},  {-124, 65}};
constexpr TPoint Path6[] = {{0, 0},      {-6, -15},   {-18, -27},  {-33, -42},  {-50, -49},  {-73, -49},
                            {-95, -45},  {-106, -34}, {-115, -25}, {-124, -10}, {-129, 2},   {-141, -10},
                            {-158, -20}, {-173, -25}, {-190, -23}, {-205, -19}, {-217, -12}, {-227, -1},
                            {-236, 11},  {-243, 25},  {-251, 41}};

struct TPathView {
    const TPoint* Points;
    int32_t Length;
};

TPathView PathOf(int32_t Path) {
    switch (Path) {
        case 1: return {Path1, static_cast<int32_t>(std::size(Path1))};
        case 2: return {Path2, static_cast<int32_t>(std::size(Path2))};
        case 3: return {Path3, static_cast<int32_t>(std::size(Path3))};
        case 4: return {Path4, static_cast<int32_t>(std::size(Path4))};
        case 5: return {Path5, static_cast<int32_t>(std::size(Path5))};
        default: return {Path6, static_cast<int32_t>(std::size(Path6))};
    }
}

void PlayBounce() {
    switch (CosmeticRandomInt(3)) {
        case 0: PlaySoundEffect("FruitBounce1"); break;
        case 1: PlaySoundEffect("FruitBounce2"); break;
        default: PlaySoundEffect("FruitBounce3"); break;
    }
}

// Only plain fruits fly off and are counted; specials and bombs leave their own way,
// and a collected flower or tool never reaches the ground as a fruit.
bool FliesOff(const TBoardTile& Tile) {
    return !IsSpecialLockerContent(Tile) && Tile.Content >= 1 && Tile.Content <= 6;
}

}  // namespace

int32_t TFallingFruits::BouncePathLength(int32_t Path) { return PathOf(Path).Length; }

TPoint TFallingFruits::BouncePathPoint(int32_t Path, int32_t Counter) { return PathOf(Path).Points[Counter - 1]; }

void TFallingFruits::Clear() {
    for (TSlot& Slot : FSlots) Slot.Phase = fpGone;
}

int32_t TFallingFruits::ActiveCount() const {
    int32_t Count = 0;
    for (const TSlot& Slot : FSlots) Count += Slot.Phase != fpGone ? 1 : 0;
    return Count;
}

int32_t TFallingFruits::FallingCount() const {
    int32_t Count = 0;
    for (const TSlot& Slot : FSlots) Count += Slot.Phase == fpFalling ? 1 : 0;
    return Count;
}

int32_t TFallingFruits::SwallowedCount() const {
    int32_t Count = 0;
    for (const TSlot& Slot : FSlots) Count += Slot.Phase != fpGone && Slot.Absorbed ? 1 : 0;
    return Count;
}

void TFallingFruits::Start(const TBoardData& BoardData, const TSimpleObjectArray& Fruits, int32_t Mode) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!Fruits.At(X, Y) || !FliesOff(BoardData.At(X, Y))) continue;
            TSlot& Slot = FSlots[FNext];
            FNext = (FNext + 1) % SlotCount;
            Slot = TSlot{};
            Slot.Phase = fpFalling;
            Slot.Content = BoardData.At(X, Y).Content;
            Slot.TilePos = TPoint{X, Y};
            const TPoint Cell = EffectCellCorner(Left, Top, X, Y);
            Slot.Flight.X = Cell.X;
            Slot.Flight.Y = Cell.Y;
            // The throw decides when and where the fruit lands and whom it hits: gameplay stream.
            if (Mode == FallModeBlown) {
                const int32_t Sideways = 10 + Random(10);
                Slot.Flight.HorzSpeed = Random(2) == 0 ? Sideways : -Sideways;
                const int32_t Throw = 20 + Random(20);
                Slot.Flight.Impulse = Random(2) == 0 ? Throw : -Throw;
            } else {
                const int32_t Sideways = Random(8);
                Slot.Flight.HorzSpeed = Random(2) == 0 ? Sideways : -Sideways;
                Slot.Flight.Impulse = -(20 + Random(8));
            }
            // The bounce after landing is only seen.
            Slot.Path = CosmeticRandomInt(BouncePathCount) + 1;
            Slot.RollUp = Slot.Path <= 3;
        }
    }
}

void TFallingFruits::UpdateAndDraw() {
    if (!Visible) return;
    FImage = EffectImage(OmgImgList, "FruitsOutsideBig");
    if (FImage) SetEffectFiltering(OmgImgList, true);
    for (TSlot& Slot : FSlots) {
        if (Slot.Phase == fpGone) continue;
        double DrawX = 0.0;
        double DrawY = 0.0;
        if (Slot.Phase == fpFalling) {
            Fall(Slot);
            DrawX = Slot.Flight.X;
            DrawY = Slot.Flight.Y;
        } else {
            Bounce(Slot, DrawX, DrawY);
        }
        if (Slot.Absorbed) {
            Slot.Alpha -= AbsorbedAlphaStep;
            if (Slot.Alpha <= 0) {
                Slot.Alpha = 0;
                Slot.Phase = fpGone;
            }
        }
        if (Slot.Phase != fpGone) Draw(Slot, DrawX, DrawY);
    }
    if (FImage) SetEffectFiltering(OmgImgList, false);
}

void TFallingFruits::Fall(TSlot& Slot) {
    Slot.Flight.Step();
    Slot.Scale += static_cast<float>(FallSizeAdd);
    if (OnMonsterHitCheck && !Slot.HitMonster) {
        bool Hitting = false;
        bool Absorbing = false;
        OnMonsterHitCheck(this, TPoint{Round(Slot.Flight.X), Round(Slot.Flight.Y)}, Hitting, Absorbing);
        if (Hitting) Slot.HitMonster = true;
        if (Hitting && Absorbing) Slot.Absorbed = true;
    }
    if (Slot.Flight.Y >= GroundVertPos) {
        Slot.Phase = fpBouncing;
        Slot.LandX = Slot.Flight.X;
        Slot.LandY = Slot.Flight.Y;
        PlayBounce();
        if (OnGroundHit) OnGroundHit(this, Slot.Content, Slot.TilePos.X);
    }
}

void TFallingFruits::Bounce(TSlot& Slot, double& DrawX, double& DrawY) {
    if (Slot.BounceCounter < MaxBounceCounter) ++Slot.BounceCounter;
    if (Slot.BounceCounter >= MaxBounceCounter || Slot.BounceCounter > BouncePathLength(Slot.Path)) {
        Slot.Phase = fpGone;
        return;
    }
    const TPoint Offset = BouncePathPoint(Slot.Path, Slot.BounceCounter);
    DrawX = Slot.LandX + Offset.X;
    DrawY = Slot.LandY + Offset.Y;
    Slot.Scale += BounceSizeAdd;
    Slot.Angle += Slot.RollUp ? RollAngleStep : -RollAngleStep;
    if (Slot.Angle >= 360) Slot.Angle -= 360;
    if (Slot.Angle < 0) Slot.Angle += 360;
    if (Slot.BounceCounter == SecondBounceCounter) PlayBounce();
    if (OnDustEffectRequest) OnDustEffectRequest(this, Round(DrawX), Round(DrawY));
}

void TFallingFruits::Draw(const TSlot& Slot, double X, double Y) {
    if (!FImage) return;
    FImage->DrawEx(Round(X) + AdjustX, Round(Y) + AdjustY, static_cast<float>(Slot.Angle), 0.5f, 0.5f, Slot.Scale,
                   Slot.Scale, 255, 255, 255, Slot.Alpha, Slot.Content - 1, -1);
}
