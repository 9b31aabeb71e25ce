#include "BonusAnimalsClass.h"

#include <climits>
#include <utility>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "LevelStartClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {

constexpr double StartSpeedStep = 0.35;
constexpr double AccelStep = 0.1;
constexpr int32_t AlphaGrowth = 24;
constexpr int32_t RollStep = 12;

struct TIslandValues {
    int32_t MoneyPerAnimal;
    int32_t MoneyBonusPerAnimal;
    int32_t BONUSLettersMoney;
    float MoveSpeedRatio;
};

// Islands 1 to 5: later islands pay more and their ladybugs fly faster.
constexpr TIslandValues IslandValues[5] = {
    {4, 35, 450, 0.63f}, {5, 40, 550, 0.749f}, {6, 45, 650, 0.861f}, {7, 50, 750, 0.966f}, {8, 55, 850, 1.078f}};

// Two draws, in this order (the operands of a subtraction have no order of their own).
int32_t RandomDifference(int32_t N) {
    const int32_t First = Random(N);
    const int32_t Second = Random(N);
    return First - Second;
}

const std::string SoundLadybug = "Ladybug";
const std::string SoundHit1 = "AnimalHit1";
const std::string SoundHit2 = "AnimalHit2";
const std::string SoundHit3 = "AnimalHit3";

}  // namespace

TBonusAnimals::TBonusAnimals() {
    FMoneySwing.Setup(3.3f, 3.3f, 20.0f, -20.0f);
    FKeySwing.Setup(2.0f, 2.0f, 10.0f, -10.0f);
    FBroomSwing.Setup(1.8f, 1.8f, 8.0f, -8.0f);
    FAerosolSwing.Setup(1.9f, 1.9f, 9.0f, -9.0f);
    FLetterSwing.Setup(1.5f, 1.5f, 6.0f, -6.0f);
    // Creating the animals draws nothing from the gameplay stream; the letters are shuffled at each reset.
    ClearSlots();
}

void TBonusAnimals::UseLadybugStage() {
    AnimalKind = anLadybugs;
    AnimalImage = "LadyBug";
    AnimalHitImage = "LadyBugHit";
    SpecialAnimalImage = "SpecialLadyBug";
    SpecialAnimalHitImage = "SpecialLadyBugHit";
    BonusImage = "BonusAnimalBonus";
    AnimSeqStr.clear();
    HitAnimSeqStr = "ABCDEFGHIJ";
    UseSpecialLongSeqStr = true;
    MaxLongSeqStrIdx = 30;
    CanPauseAnimation = false;
    CanChangeDir = false;
    DirChangeMinInterval = 500;
    OneMoneyPerAnimalsProb = 12;
    OneMagicKeyPerAnimalsProb = 50;
    OneBroomPerAnimalsProb = 70;
    OneAerosolPerAnimalsProb = 60;
    MaxAcqMagicKeys = 2;
    MaxAcqBrooms = 1;
    MaxAcqAerosols = 1;
    MaxActiveAnimals = 8;
    SpecialKindEnabled = true;
    MaxActiveSpecialAnimals = 2;
    TriggerInterval = 250;
    SpecialTriggerInterval = 7000;
    Probability = 0.5;
}

bool TBonusAnimals::UseIslandValues(int32_t Island) {
    if (Island < 1 || Island > 5) return false;
    const TIslandValues& V = IslandValues[Island - 1];
    MoneyPerAnimal = V.MoneyPerAnimal;
    MoneyBonusPerAnimal = V.MoneyBonusPerAnimal;
    BONUSLettersMoney = V.BONUSLettersMoney;
    MoveSpeedRatio = V.MoveSpeedRatio;
    return true;
}

void TBonusAnimals::TakeAnimalSize() {
    if (TImageListItem* Image = EffectImage(OmgImgList, AnimalImage)) {
        AnimalWidth = Image->EffectiveTileWidth();
        AnimalHeight = Image->EffectiveTileHeight();
    }
}

void TBonusAnimals::ClearSlots() {
    for (TBonusAnimalSlot& S : FSlots) {
        S.State = asFree;
        S.Special = false;
        S.Pos = FloatPoint(0.0, 0.0);
        S.PrevPos = FloatPoint(-99.0, -99.0);
        S.Speed = FloatPoint(0.0, 0.0);
        S.Accel = FloatPoint(0.0, 0.0);
        S.FacingRight = false;
        S.DirChangeTimer = 0;
        S.FrameIdx = 0;
        S.LongSeqIdx = 0;
        S.Alpha = 0;
        S.BonusKind = boScore;
        S.BonusAmount = 0;
        S.BonusLetter = ' ';
        S.HitPos = FloatPoint(-99.0, -99.0);
        S.RollAngle = 0;
        S.Fallen = 0;
        S.HitAnim.SetSeq(HitAnimSeqStr);
        S.HitAnim.Looped = false;
        S.HitAnim.Restart();
    }
}

void TBonusAnimals::ResetAnimals() {
    ClearSlots();
    // A new order of the letters: the golden animals take them from the back.
    for (int32_t I = 0; I < LetterCount; ++I) FRemainingLetters[static_cast<size_t>(I)] = Letters[static_cast<size_t>(I)];
    FRemainingCount = LetterCount;
    for (int32_t I = LetterCount - 1; I > 0; --I) {
        const int32_t J = Random(I + 1);
        std::swap(FRemainingLetters[static_cast<size_t>(I)], FRemainingLetters[static_cast<size_t>(J)]);
    }
    FRingIndex = 0;
    FSpawnTimer = 0;
    FSpecialSpawnTimer = 0;
    FMagicKeysWon = 0;
    FBroomsWon = 0;
    FAerosolsWon = 0;
    FClicks = 0;
    FHittingClicks = 0;
    FAnimalsHit = 0;
    FMoneyWon = 0;
    FRunning = false;
    FSpawning = false;
}

void TBonusAnimals::StartAnimals() {
    FRunning = true;
    FSpawning = true;
}

void TBonusAnimals::StopSpawning() { FSpawning = false; }

int32_t TBonusAnimals::FlyingCount() const {
    int32_t Count = 0;
    for (const TBonusAnimalSlot& S : FSlots) Count += S.State == asFlying ? 1 : 0;
    return Count;
}

int32_t TBonusAnimals::FlyingSpecialCount() const {
    int32_t Count = 0;
    for (const TBonusAnimalSlot& S : FSlots) Count += (S.State == asFlying && S.Special) ? 1 : 0;
    return Count;
}

int32_t TBonusAnimals::NextRingSlot() {
    FRingIndex = FRingIndex >= SlotCount ? 1 : FRingIndex + 1;
    return FRingIndex;
}

bool TBonusAnimals::FlyingCarrierOf(TBonusKind Kind) const {
    for (const TBonusAnimalSlot& S : FSlots)
        if (S.State == asFlying && !S.Special && S.BonusKind == Kind) return true;
    return false;
}

bool TBonusAnimals::LetterCarried(char Letter) const {
    for (const TBonusAnimalSlot& S : FSlots)
        if (S.State == asFlying && S.Special && S.BonusLetter == Letter) return true;
    return false;
}

bool TBonusAnimals::ToolOffered(TBonusKind Tool, int32_t Prob, int32_t MaxAcq, int32_t Won) {
    // The chance is drawn first and always, so the stream does not depend on the caps.
    if (Random(Prob) != 0) return false;
    if (MaxAcq <= 0 || Won >= MaxAcq || FlyingCarrierOf(Tool) || !OnMayAddToolQuestion) return false;
    bool MayAdd = false;
    OnMayAddToolQuestion(this, Tool, MayAdd);
    return MayAdd;
}

void TBonusAnimals::ChooseBonus(TBonusAnimalSlot& S) {
    TBonusKind Kind = boScore;
    if (Random(OneMoneyPerAnimalsProb) == 0) Kind = boMoney;
    // Tools only as far as the player has unlocked them; a later roll wins over an earlier one.
    if (ToolOffered(boBroom, OneBroomPerAnimalsProb, MaxAcqBrooms, FBroomsWon) && ToolUnlocked(MaxToolKind, toBroom))
        Kind = boBroom;
    if (ToolOffered(boAerosol, OneAerosolPerAnimalsProb, MaxAcqAerosols, FAerosolsWon) &&
        ToolUnlocked(MaxToolKind, toAerosol))
        Kind = boAerosol;
    if (ToolOffered(boMagicKey, OneMagicKeyPerAnimalsProb, MaxAcqMagicKeys, FMagicKeysWon) &&
        ToolUnlocked(MaxToolKind, toMagicKey))
        Kind = boMagicKey;
    S.BonusKind = Kind;
    S.BonusAmount = Kind == boMoney ? MoneyBonusPerAnimal : 0;
}

void TBonusAnimals::NewAcceleration(TBonusAnimalSlot& S) {
    double Ratio = MoveSpeedRatio;
    if (S.Special) Ratio *= SpecialMoveSpeedRatio;
    const int32_t AX = RandomDifference(9);
    const int32_t AY = RandomDifference(9);
    S.Accel.X = AX * AccelStep * Ratio;
    S.Accel.Y = AY * AccelStep * Ratio;
}

void TBonusAnimals::StartMotion(TBonusAnimalSlot& S) {
    const int32_t SX = RandomDifference(5);
    const int32_t SY = RandomDifference(4);
    if (S.Special) {
        const int32_t PX = Random(11);
        const int32_t PY = Random(10);
        S.Pos = FloatPoint(330 + 20 * PX, 150 + 20 * PY);
    } else {
        const int32_t PX = Random(21);
        const int32_t PY = Random(21);
        S.Pos = FloatPoint(200 + 24 * PX, 100 + 20 * PY);
    }
    NewAcceleration(S);
    double Ratio = MoveSpeedRatio;
    if (S.Special) Ratio *= SpecialMoveSpeedRatio;
    S.Speed.X = SX * StartSpeedStep * Ratio;
    S.Speed.Y = SY * StartSpeedStep * Ratio;
    // A fresh animal starts its own flight: nothing of the slot's last one carries over.
    S.PrevPos = S.Pos;
    S.FacingRight = false;
    S.DirChangeTimer = 0;
}

void TBonusAnimals::SpawnOrdinary() {
    FSpawnTimer += FrameStep;
    if (FSpawnTimer < TriggerInterval) return;
    FSpawnTimer = 0;
    // One chance in Round(1 / Probability); a probability of 0 or less spawns nothing.
    if (!(Probability > 0.0)) return;
    const double Odds = 1.0 / Probability;
    if (Random(Odds >= INT32_MAX ? INT32_MAX : Round(Odds)) != 0) return;
    if (FlyingCount() >= MaxActiveAnimals) return;
    TBonusAnimalSlot& S = FSlots[static_cast<size_t>(NextRingSlot() - 1)];
    if (S.State != asFree) return;
    S.Special = false;
    S.FrameIdx = 0;
    S.LongSeqIdx = 0;
    S.Alpha = 0;
    S.RollAngle = 0;
    S.BonusLetter = ' ';
    S.HitPos = FloatPoint(-99.0, -99.0);
    ChooseBonus(S);
    StartMotion(S);
    S.State = asFlying;
}

void TBonusAnimals::SpawnSpecial() {
    FSpecialSpawnTimer += FrameStep;
    if (FSpecialSpawnTimer < SpecialTriggerInterval) return;
    FSpecialSpawnTimer = 0;
    if (FlyingSpecialCount() >= MaxActiveSpecialAnimals) return;
    // The last remaining letter that no golden animal is carrying now.
    char Letter = 0;
    for (int32_t I = FRemainingCount - 1; I >= 0 && Letter == 0; --I) {
        const char L = FRemainingLetters[static_cast<size_t>(I)];
        if (!LetterCarried(L)) Letter = L;
    }
    if (Letter == 0) return;
    TBonusAnimalSlot& S = FSlots[static_cast<size_t>(NextRingSlot() - 1)];
    if (S.State == asFree) {
        S.Special = true;
        S.BonusKind = boLetter;
        S.BonusAmount = 0;
        S.BonusLetter = Letter;
        S.FrameIdx = 0;
        S.LongSeqIdx = 0;
        S.Alpha = 0;
        S.RollAngle = 0;
        S.HitPos = FloatPoint(-99.0, -99.0);
        StartMotion(S);
        S.State = asFlying;
    }
    if (AnimalKind == anLadybugs) PlaySoundEffect(SoundLadybug);
}

void TBonusAnimals::UpdateAndDraw() {
    if (!Visible || !FRunning) return;
    if (FSpawning) {
        SpawnOrdinary();
        if (SpecialKindEnabled) SpawnSpecial();
    }
    FMoneySwing.Update();
    FKeySwing.Update();
    FBroomSwing.Update();
    FAerosolSwing.Update();
    FLetterSwing.Update();
    for (TBonusAnimalSlot& S : FSlots) {
        S.Alpha = S.Alpha + AlphaGrowth > 255 ? 255 : S.Alpha + AlphaGrowth;
        switch (S.State) {
            case asFlying: FlyFrame(S); break;
            case asHit: HitFrame(S); break;
            case asFalling: FallFrame(S); break;
            case asFree: break;
        }
    }
}

void TBonusAnimals::FlyFrame(TBonusAnimalSlot& S) {
    S.Pos.X += S.Speed.X;
    S.Pos.Y += S.Speed.Y;
    S.Speed.X += S.Accel.X;
    S.Speed.Y += S.Accel.Y;
    if (Random(6) == 0) NewAcceleration(S);
    // Past the limit the acceleration turns; the speed itself is never cut.
    const double Limit = S.Special ? SpecialMoveStepSpeedLimit : MoveStepSpeedLimit;
    if (S.Speed.X > Limit || S.Speed.X < -Limit) S.Accel.X = -S.Accel.X;
    if (S.Speed.Y > Limit || S.Speed.Y < -Limit) S.Accel.Y = -S.Accel.Y;
    // Out of the box it is gone, though it still shows in this frame.
    const bool Left = S.Pos.X < FlyingBoxLeft || S.Pos.X > FlyingBoxRight || S.Pos.Y < FlyingBoxTop ||
                      S.Pos.Y > FlyingBoxBottom;

    const int32_t SeqLength = static_cast<int32_t>(AnimSeqStr.size());
    if (!(CanPauseAnimation && SameFloatPoint(S.Pos, S.PrevPos))) {
        ++S.FrameIdx;
        if (S.FrameIdx > SeqLength) S.FrameIdx = 1;
    }
    S.DirChangeTimer += FrameStep;
    if (S.DirChangeTimer > DirChangeMinInterval) S.DirChangeTimer = DirChangeMinInterval;
    if (CanChangeDir) {
        const bool Right = S.Pos.X > S.PrevPos.X;
        if (Right != S.FacingRight && S.DirChangeTimer >= DirChangeMinInterval) {
            S.DirChangeTimer = 0;
            S.FacingRight = Right;
        }
    }
    S.PrevPos = S.Pos;

    int32_t Pattern = NoPattern;
    if (UseSpecialLongSeqStr) {
        ++S.LongSeqIdx;
        if (S.LongSeqIdx > MaxLongSeqStrIdx) S.LongSeqIdx = 1;
        Pattern = S.LongSeqIdx - 1;
    } else if (S.FrameIdx >= 1 && S.FrameIdx <= SeqLength) {
        Pattern = TAnimData::PatternOfChar(AnimSeqStr[static_cast<size_t>(S.FrameIdx - 1)]);
    }
    DrawFlying(S, Pattern);
    if (Left) S.State = asFree;
}

void TBonusAnimals::HitFrame(TBonusAnimalSlot& S) {
    S.HitAnim.Advance();
    DrawHit(S);
    if (S.HitAnim.AtEnd()) {
        S.RollAngle = 0;
        S.State = asFalling;
    }
}

void TBonusAnimals::FallFrame(TBonusAnimalSlot& S) {
    S.Pos.Y += FallingMoveStep;
    S.Fallen += FallingMoveStep;
    if (S.Pos.Y >= DisappearVertPosY) S.State = asFree;
    if (S.Fallen <= DustEffectAfterHitRange && OnFallingPosUpdate)
        OnFallingPosUpdate(this, TPoint{Round(S.Pos.X), Round(S.Pos.Y)});
    S.RollAngle += RollStep;
    if (S.RollAngle >= 360) S.RollAngle -= 360;
    DrawFalling(S);
}

void TBonusAnimals::RemoveLetter(char Letter) {
    for (int32_t I = 0; I < FRemainingCount; ++I) {
        if (FRemainingLetters[static_cast<size_t>(I)] != Letter) continue;
        for (int32_t J = I; J + 1 < FRemainingCount; ++J)
            FRemainingLetters[static_cast<size_t>(J)] = FRemainingLetters[static_cast<size_t>(J + 1)];
        --FRemainingCount;
        return;
    }
}

void TBonusAnimals::HitAnimal(TBonusAnimalSlot& S) {
    ++FAnimalsHit;
    S.State = asHit;
    S.HitPos = S.Pos;
    S.Fallen = 0;
    S.HitAnim.Restart();
    // Which of the three smacks is heard is only a matter of sound.
    const int32_t Smack = CosmeticRandomInt(7);
    PlaySoundEffect(Smack <= 2 ? SoundHit3 : Smack <= 5 ? SoundHit2 : SoundHit1);
    FMoneyWon += MoneyPerAnimal;
    switch (S.BonusKind) {
        case boMoney: FMoneyWon += S.BonusAmount; break;
        case boMagicKey: ++FMagicKeysWon; break;
        case boBroom: ++FBroomsWon; break;
        case boAerosol: ++FAerosolsWon; break;
        case boLetter: RemoveLetter(S.BonusLetter); break;
        case boScore: break;
    }
    if (OnHit) OnHit(this, TPoint{Round(S.Pos.X), Round(S.Pos.Y)}, S.BonusKind, S.BonusAmount, S.BonusLetter);
}

void TBonusAnimals::ClickAt(int32_t X, int32_t Y, TMouseButton Button) {
    if (!Visible || !FSpawning || Button != mbLeft) return;
    ++FClicks;
    bool AnyHit = false;
    for (TBonusAnimalSlot& S : FSlots) {
        if (S.State != asFlying) continue;
        const int32_t Left = Round(S.Pos.X);
        const int32_t Top = Round(S.Pos.Y);
        // What hangs under the animal counts as part of it; a letter does not.
        const bool Hanging = S.BonusKind == boMoney || S.BonusKind == boMagicKey || S.BonusKind == boBroom ||
                             S.BonusKind == boAerosol;
        const int32_t Bottom = Top + AnimalHeight + (Hanging ? BonusIconAddHeight : 0);
        if (!PointInRect(X, Y, TRect{Left, Top, Left + AnimalWidth, Bottom})) continue;
        HitAnimal(S);
        AnyHit = true;
    }
    if (AnyHit) ++FHittingClicks;
}

int32_t TBonusAnimals::HitAccuracy() const {
    if (FClicks <= 0) return 0;
    const int32_t Accuracy = Round(100.0 * FHittingClicks / FClicks);
    return Accuracy > 100 ? 100 : Accuracy;
}
