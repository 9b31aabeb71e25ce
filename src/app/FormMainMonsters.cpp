// The island's boss monster in a beat-the-monster round: what hits it, what its
// absorbing does to the timer, how the round ends when it is knocked out, and
// its place in the frame with its aura, the energy it draws and its stars.
#include "FormMainClass.h"
#include "RandomClass.h"

namespace {
// The energy drawn from the timer starts at the top of its column, higher when
// the column is nearly empty; its colour is the column's.
constexpr int32_t EnergyColumnX = 8;
constexpr int32_t EnergyColumnY = 15;
constexpr int32_t NearlyEmptyRaise = 22;

TEnergyColor EnergyColorFor(int32_t PercentLeft) {
    if (PercentLeft < 41) return ecRed;
    if (PercentLeft <= 77) return ecYellow;
    return ecGreen;
}
}  // namespace

void TFormMain::CreateMonsters() {
    Monsters.Kong = std::make_unique<TKongBoss>();
    Monsters.Fish = std::make_unique<TFishBoss>();
    Monsters.Bird = std::make_unique<TBirdBoss>();
    Monsters.Lion = std::make_unique<TLionBoss>();
    Monsters.Lizard = std::make_unique<TLizardBoss>();
    for (int32_t I = 0; I < TRoundMonsters::Count; ++I) {
        TBossMonster& Monster = *Monsters.InDrawingOrder(I);
        Monster.OmgImgList = &OmegaImageList1;
        Monster.Visible = false;
        // Knocked out mid-frame, inside a fruit's, a smashed tile's or the spray's
        // report: the round's one clear routine ends the round once.
        Monster.OnDead = [this](TObject*) { ObjectiveMet(); };
        Monster.OnDeadGrounded = [this](TObject*) { MonsterGrounded(); };
        Monster.OnStartAbsorbing = [this](TObject*) {
            const TPoint Centre = Monsters.Current->AuraCentre();
            Monsters.Aura->Left = Centre.X;
            Monsters.Aura->Top = Centre.Y;
            Monsters.Aura->StartAura();
        };
        Monster.OnFinishAbsorbing = [this](TObject*) { Monsters.Aura->StopAura(); };
    }
    Monsters.Current = Monsters.Bird.get();

    Monsters.Aura = std::make_unique<TMonsterAura>();
    Monsters.Aura->OmgImgList = &OmegaImageList1;
    Monsters.Aura->OnAuraPeak = [this](TObject*) { MonsterAuraPeak(); };
    Monsters.Energy = std::make_unique<TAbsorbedEnergy>();
    Monsters.Energy->OmgImgList = &OmegaImageList1;
    Monsters.KOStars = std::make_unique<TKOStars>();
    Monsters.KOStars->OmgImgList = &OmegaImageList1;
}

bool TFormMain::MonsterInRound() const {
    return Round.Objective == goBeatMonster && Monsters.Current && Monsters.Current->Visible;
}

void TFormMain::ResetMonstersForRound() {
    for (int32_t I = 0; I < TRoundMonsters::Count; ++I) Monsters.InDrawingOrder(I)->ResetBoss();
    Monsters.Aura->ResetAura();
    Monsters.Energy->ResetEnergy();
    Monsters.KOStars->ResetStars();
    Monsters.FairyFreed = false;
}

// Level start: the island's monster takes the level's monster block first, then
// starts afresh from it (so its energy is the block's, with a full bar).
void TFormMain::PrepareMonsterForLevel() {
    const TLevelRecord& Values = RoundLevel.Start.Values;
    Monsters.Current = Monsters.OfKind(RoundLevel.Start.Monster);
    TBossMonster& Monster = *Monsters.Current;
    Monster.Energy = Values.MonsterEnergy;
    Monster.RefTimeForAbsorbAttempt = Values.MonsterRefTimeForAbsorbAttempt;
    Monster.HitsToCancelAbsorbAttempt = Values.MonsterHitsToCancelAbsorbAttempt;
    Monster.OneAbsorbedTime = Values.MonsterOneAbsorbedTime;
    Monster.PreparingTime = Values.MonsterPreparingTime;
    Monster.FinishingTime = Values.MonsterFinishingTime;
    const bool Fights = Round.Objective == goBeatMonster;
    for (int32_t I = 0; I < TRoundMonsters::Count; ++I) {
        TBossMonster* Each = Monsters.InDrawingOrder(I);
        Each->ResetBoss();
        Each->Visible = Fights && Each == &Monster;
    }
    Monsters.Aura->Visible = Fights;
    Monsters.Energy->Visible = Fights;
}

// The monsters (only the visible one acts), then the aura and the knock-out stars.
void TFormMain::FrameMonsters() {
    for (int32_t I = 0; I < TRoundMonsters::Count; ++I) Monsters.InDrawingOrder(I)->UpdateAndDraw();
    Monsters.Aura->UpdateAndDraw();
    Monsters.KOStars->UpdateAndDraw();
}

// The light streaming from the timer into an absorbing monster.
void TFormMain::FrameAbsorbedEnergy() { Monsters.Energy->UpdateAndDraw(); }

// Pausing hides the monster (a knocked-out one stays), its aura and the energy.
void TFormMain::ApplyPauseToMonsters(bool Visible) {
    if (Round.Objective != goBeatMonster) return;
    if (!Monsters.Current->IsDead()) Monsters.Current->Visible = Visible;
    Monsters.Aura->Visible = Visible;
    Monsters.Energy->Visible = Visible;
}

// The start signal has waved: the monster may begin to absorb.
void TFormMain::MonsterRoundBegun() {
    if (MonsterInRound()) Monsters.Current->SetAbsorbAttempts(true);
}

// Time is up: the monster stops.
void TFormMain::MonsterRoundEnded() { Monsters.Current->SetAbsorbAttempts(false); }

// A falling fruit or smashed tile still in flight: does it touch the monster, and
// is it swallowed?
void TFormMain::MonsterHitCheck(TPoint FruitPos, bool& Hitting, bool& Absorbing) {
    // A round lost by time is over: a fruit still falling passes the monster by.
    if (Round.Objective != goBeatMonster || Round.TimeUp) return;
    if (!Monsters.Current->Hit(FruitPos.X, FruitPos.Y, 0)) return;
    Hitting = true;
    Absorbing = Monsters.Current->IsAbsorbing();
    Specials.Stars->BurstAtPoint(FruitPos);
}

void TFormMain::SprayMonster(const TRect& SprayRect) {
    if (Round.Objective == goBeatMonster && !Round.TimeUp) Monsters.Current->SprayAt(SprayRect);
}

// The cleared board is swept away: the knocked-out monster and its stars sink.
void TFormMain::SinkKnockedOutMonster() {
    if (Round.Objective != goBeatMonster) return;
    Monsters.Current->StartSinking();
    Monsters.KOStars->StartSinking();
}

// The aura is at its peak: the monster swallows time, and the timer's light flows into it.
void TFormMain::MonsterAuraPeak() {
    TTubeTimer& Timer = *Gauges.TubeTimer;
    Timer.Absorb(Monsters.Current->OneAbsorbedTime);
    const int32_t Left = Timer.EnergyLeftPercent();
    const TPoint TimerAt = Timer.Position();
    int32_t SourceY = TimerAt.Y + Timer.EnergyAdjustY + Timer.DrainedPixels() + EnergyColumnY;
    if (Left < 11) SourceY -= NearlyEmptyRaise;
    Monsters.Energy->SetSource(TPoint{TimerAt.X + EnergyColumnX, SourceY});
    Monsters.Energy->SetTarget(Monsters.Current->EnergyTargetPos());
    Monsters.Energy->EnergyColor = EnergyColorFor(Left);
    Monsters.Energy->StartEmitting();
}

// The knocked-out monster has landed: stars circle over it, confetti rises, and
// Tavi comes back (on the bird's island she stays away).
void TFormMain::MonsterGrounded() {
    TBossMonster& Monster = *Monsters.Current;
    const TPoint Stars = Monster.KOStarsPos();
    Monsters.KOStars->DisappearMoveStep = Monster.DisappearMoveStep;
    Monsters.KOStars->Left = Stars.X;
    Monsters.KOStars->Top = Stars.Y;
    Monsters.KOStars->StartStars(false);
    StartConfettiFireworks(CosmeticRandomInt(2) == 0 ? TPoint{0, 550} : TPoint{800, 550});
    if (Monster.Family().FairyAfterKnockOut) {
        Monsters.FairyFreed = true;
        Fairy->Visible = !Round.Paused;
    }
}
