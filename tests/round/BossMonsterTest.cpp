// The boss monsters headless: where each kind is hit in each view, what a hit
// costs, the absorb attempts' timeline, the spray, the hit sounds, the tilt and
// jolt, the energy bar and the knocked-out fall.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "BirdBossClass.h"
#include "FishBossClass.h"
#include "KongBossClass.h"
#include "LionBossClass.h"
#include "LizardBossClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {

std::unique_ptr<TBossMonster> MakeBoss(TMonsterKind Kind) {
    switch (Kind) {
        case mkKong: return std::make_unique<TKongBoss>();
        case mkFish: return std::make_unique<TFishBoss>();
        case mkBird: return std::make_unique<TBirdBoss>();
        case mkLion: return std::make_unique<TLionBoss>();
        case mkLizard: return std::make_unique<TLizardBoss>();
    }
    return nullptr;
}

const TMonsterKind AllKinds[] = {mkKong, mkFish, mkBird, mkLion, mkLizard};

// Frames until Done or a limit (a stuck monster fails the test, not the run).
template <typename F>
int RunUntil(TBossMonster& M, F Done, int Limit = 5000) {
    for (int Frame = 1; Frame <= Limit; ++Frame) {
        M.UpdateAndDraw();
        if (Done()) return Frame;
    }
    return -1;
}

void WalkRight(TBossMonster& M) {
    ASSERT_GT(RunUntil(M, [&] { return M.Direction() == bdRight; }), 0);
}

// Attempts come every frame or so; the monster turns to face the player.
void Face(TBossMonster& M) {
    M.RefTimeForAbsorbAttempt = 30;
    M.SetAbsorbAttempts(true);
    ASSERT_GT(RunUntil(M, [&] { return M.ViewState() == bvFacing; }), 0);
}

void Absorb(TBossMonster& M) {
    Face(M);
    ASSERT_GT(RunUntil(M, [&] { return M.ViewState() == bvAbsorbing; }), 0);
}

struct TSoundLog {
    std::vector<std::string> Names;
    TSoundLog() {
        SetSoundEffectListener([this](const std::string& Name) { Names.push_back(Name); });
    }
    ~TSoundLog() { SetSoundEffectListener({}); }
    int Count(const std::string& Name) const {
        int N = 0;
        for (const std::string& Each : Names) N += Each == Name;
        return N;
    }
    int HitSounds() const { return Count("MonsterHit") + Count("MonsterRoars"); }
};

class BossMonster : public ::testing::Test {
protected:
    void SetUp() override {
        GameplayRandom().SetSeed(77);
        CosmeticRandom().SetSeed(5);
    }
};

}  // namespace

// Zones from the monster's rounded position, A the fruit's size (50): x from,
// x to, lowest y; each bound tested just inside and just outside.
TEST_F(BossMonster, EachKindIsHitInsideItsZoneOfEachViewAndNowhereElse) {
    enum TView { Left, Right, Front };
    struct TCase {
        TMonsterKind Kind;
        TView View;
        int FromX, ToX, MinY;
    };
    const TCase Cases[] = {
        {mkKong, Left, -1, 180, 33},  {mkKong, Right, 11, 190, 33},  {mkKong, Front, 10, 172, 37},
        {mkFish, Left, -2, 145, 18},  {mkFish, Right, 35, 180, 18},  {mkFish, Front, 9, 170, 18},
        {mkBird, Left, -2, 229, 26},  {mkBird, Right, 26, 262, 26},  {mkBird, Front, 3, 257, 30},
        {mkLion, Left, -2, 182, 40},  {mkLion, Right, 7, 190, 40},   {mkLion, Front, 3, 169, 21},
        {mkLizard, Left, -2, 153, 32}, {mkLizard, Right, 0, 153, 32}, {mkLizard, Front, -6, 153, 28},
    };
    for (const TCase& C : Cases) {
        auto M = MakeBoss(C.Kind);
        if (C.View == Right) WalkRight(*M);
        if (C.View == Front) Face(*M);
        const TPoint P = M->RoundedPos();
        const int From = P.X + C.FromX - M->FruitAvgSize;
        const int To = P.X + C.ToX;
        const int Low = P.Y + C.MinY;
        SCOPED_TRACE(testing::Message() << "kind " << int(C.Kind) << " view " << int(C.View));
        EXPECT_TRUE(M->InHitZone(From, Low));
        EXPECT_TRUE(M->InHitZone(To, Low + 400));  // no lower bound
        EXPECT_FALSE(M->InHitZone(From - 1, Low));
        EXPECT_FALSE(M->InHitZone(To + 1, Low));
        EXPECT_FALSE(M->InHitZone(From, Low - 1));
    }
}

TEST_F(BossMonster, AHitCostsOneEnergyAnAbsorbingMonsterSwallowsAndAKnockedOutOneLetsPass) {
    for (TMonsterKind Kind : AllKinds) {
        auto M = MakeBoss(Kind);
        M->Energy = 3;
        M->ResetBoss();
        EXPECT_TRUE(M->Hit(0, 0, 1));
        EXPECT_EQ(M->EnergyLeft(), 2);

        Absorb(*M);
        EXPECT_TRUE(M->Hit(0, 0, 1));
        EXPECT_EQ(M->EnergyLeft(), 2) << "an absorbing monster swallows without harm";

        auto K = MakeBoss(Kind);
        K->Energy = 1;
        K->ResetBoss();
        int Dead = 0;
        K->OnDead = [&](TObject*) { ++Dead; };
        EXPECT_TRUE(K->Hit(0, 0, 1)) << "the knocking blow lands";
        EXPECT_TRUE(K->IsDead());
        EXPECT_EQ(Dead, 1);
        EXPECT_FALSE(K->Hit(0, 0, 1));
        EXPECT_FALSE(K->Hit(K->RoundedPos().X + 60, K->RoundedPos().Y + 100, 0));
        EXPECT_EQ(Dead, 1);

        auto Hidden = MakeBoss(Kind);
        Hidden->Visible = false;
        EXPECT_FALSE(Hidden->Hit(0, 0, 1));
    }
}

TEST_F(BossMonster, AttemptsWaitForTheRoundThenComeAtTheRandomlyIncreasedTimeAndHitsPostponeThem) {
    TKongBoss M;
    M.RefTimeForAbsorbAttempt = 1000;
    M.ResetBoss();
    EXPECT_FALSE(M.AbsorbAttemptsAllowed());
    for (int I = 0; I < 400; ++I) M.UpdateAndDraw();
    EXPECT_EQ(M.ViewState(), bvWalking) << "no attempt before the round allows them";

    int Turned = 0;
    M.OnFinishAbsorbing = [&](TObject*) { ++Turned; };
    M.SetAbsorbAttempts(true);
    const int Next = M.NextAttemptTime();
    EXPECT_TRUE(Next == 1000 || Next == 1100 || Next == 1200 || Next == 1300 || Next == 1400) << Next;
    const int Frames = RunUntil(M, [&] { return M.ViewState() == bvFacing; });
    EXPECT_EQ(Frames, (Next + 29) / 30);
    EXPECT_EQ(M.AttemptPhase(), atPreparing);
    EXPECT_EQ(Turned, 1) << "turning to face the player is announced like the end of absorbing";

    // A hit while walking starts the wait again.
    TKongBoss W;
    W.RefTimeForAbsorbAttempt = 1000;
    W.SetAbsorbAttempts(true);
    for (int I = 0; I < 20; ++I) W.UpdateAndDraw();
    EXPECT_EQ(W.TimeSinceAttempt(), 600);
    W.Hit(0, 0, 1);
    EXPECT_EQ(W.TimeSinceAttempt(), 0);
}

TEST_F(BossMonster, PreparationHitsCancelAtTheLimitPlusOneButHitsWhileFinishingNever) {
    TBirdBoss M;
    M.HitsToCancelAbsorbAttempt = 2;
    M.Energy = 50;
    M.ResetBoss();
    Face(M);
    M.Hit(0, 0, 1);
    M.Hit(0, 0, 1);
    EXPECT_EQ(M.ViewState(), bvFacing);
    M.Hit(0, 0, 1);
    EXPECT_EQ(M.ViewState(), bvWalking) << "the third hit sends it walking again";
    EXPECT_EQ(M.AttemptPhase(), atNone);

    // Zero: the first hit cancels.
    TBirdBoss Z;
    Z.HitsToCancelAbsorbAttempt = 0;
    Face(Z);
    Z.Hit(0, 0, 1);
    EXPECT_EQ(Z.ViewState(), bvWalking);

    TBirdBoss F;
    F.HitsToCancelAbsorbAttempt = 0;
    F.PreparingTime = 30;
    F.AbsorbingTime = 30;
    F.Energy = 50;
    F.ResetBoss();
    Face(F);
    ASSERT_GT(RunUntil(F, [&] { return F.AttemptPhase() == atFinishing; }), 0);
    F.Hit(0, 0, 1);
    F.Hit(0, 0, 1);
    EXPECT_EQ(F.AttemptPhase(), atFinishing);
    EXPECT_EQ(F.EnergyLeft(), 48) << "facing while finishing it still takes hits";
}

TEST_F(BossMonster, ThePhasesRunTheirTimesRaiseTheirEventsAndZeroTimesLastOneFrame) {
    TLionBoss M;
    M.PreparingTime = 0;
    M.AbsorbingTime = 0;
    M.FinishingTime = 0;
    int Started = 0, Finished = 0;
    M.OnStartAbsorbing = [&](TObject*) { ++Started; };
    M.OnFinishAbsorbing = [&](TObject*) { ++Finished; };
    TSoundLog Sounds;
    M.RefTimeForAbsorbAttempt = 30;
    M.SetAbsorbAttempts(true);
    ASSERT_GT(RunUntil(M, [&] { return M.ViewState() != bvWalking; }), 0);
    EXPECT_EQ(M.ViewState(), bvAbsorbing) << "a zero preparation is over in the frame it starts";
    M.UpdateAndDraw();
    EXPECT_EQ(M.AttemptPhase(), atFinishing);
    M.UpdateAndDraw();
    EXPECT_EQ(M.ViewState(), bvWalking);
    EXPECT_EQ(Started, 1);
    EXPECT_EQ(Finished, 2);
    EXPECT_EQ(Sounds.Count("MonsterAbsorbing"), 1);

    // The default times, frame by frame: 3000 ms preparing, 7000 absorbing.
    TKongBoss K;
    Face(K);
    EXPECT_EQ(RunUntil(K, [&] { return K.ViewState() == bvAbsorbing; }), 99);
    K.SetAbsorbAttempts(false);
    EXPECT_EQ(RunUntil(K, [&] { return K.ViewState() == bvFacing; }), 234);
}

TEST_F(BossMonster, EndingAnAttemptNearALimitTurnsItAway) {
    // Kong walking left from 560: after 360 frames it is at 200, less than 160 + 100.
    TKongBoss M;
    M.PreparingTime = 0;
    M.AbsorbingTime = 0;
    M.FinishingTime = 0;
    for (int I = 0; I < 360; ++I) M.UpdateAndDraw();
    ASSERT_DOUBLE_EQ(M.X(), 200.0);
    Face(M);
    ASSERT_GT(RunUntil(M, [&] { return M.ViewState() == bvWalking; }), 0);
    EXPECT_EQ(M.Direction(), bdRight);

    TKongBoss Middle;
    Middle.PreparingTime = Middle.AbsorbingTime = Middle.FinishingTime = 0;
    for (int I = 0; I < 100; ++I) Middle.UpdateAndDraw();
    Face(Middle);
    ASSERT_GT(RunUntil(Middle, [&] { return Middle.ViewState() == bvWalking; }), 0);
    EXPECT_EQ(Middle.Direction(), bdLeft);
}

TEST_F(BossMonster, FiveSprayReportsInTheZoneMakeOneHitAndNoneCountWhileAbsorbing) {
    TKongBoss M;
    const TPoint P = M.RoundedPos();
    const TRect Inside{P.X + 10, P.Y + 10, P.X + 60, P.Y + 60};
    const TRect LeftOut{P.X - 1, P.Y + 10, P.X + 60, P.Y + 60};
    const TRect TooLow{P.X + 10, P.Y + 10, P.X + 60, P.Y + 174};
    for (int I = 0; I < 4; ++I) M.SprayAt(Inside);
    M.SprayAt(LeftOut);
    M.SprayAt(TooLow);
    EXPECT_EQ(M.EnergyLeft(), 60);
    EXPECT_EQ(M.SprayCount(), 4) << "the count survives between sprays";
    M.SprayAt(Inside);
    EXPECT_EQ(M.EnergyLeft(), 59);
    EXPECT_EQ(M.SprayCount(), 0);

    TKongBoss A;
    Absorb(A);
    const TPoint Q = A.RoundedPos();
    for (int I = 0; I < 10; ++I) A.SprayAt(TRect{Q.X + 10, Q.Y + 10, Q.X + 60, Q.Y + 60});
    EXPECT_EQ(A.SprayCount(), 0);
    EXPECT_EQ(A.EnergyLeft(), 60);
}

TEST_F(BossMonster, HitSoundsKeepTheirDistance) {
    TSoundLog Sounds;
    TFishBoss M;
    // The timer starts at 0: 1000 ms of frames before the first hit sound.
    for (int I = 0; I < 34; ++I) M.UpdateAndDraw();
    M.Hit(0, 0, 1);
    EXPECT_EQ(Sounds.HitSounds(), 1);
    for (int I = 0; I < 17; ++I) M.UpdateAndDraw();  // 510 ms later
    M.Hit(0, 0, 1);
    EXPECT_EQ(Sounds.HitSounds(), 1);
    for (int I = 0; I < 17; ++I) M.UpdateAndDraw();  // 1020 ms after the first
    M.Hit(0, 0, 1);
    EXPECT_EQ(Sounds.HitSounds(), 2);
}

TEST_F(BossMonster, TiltAndJoltGrowPerHitUpToTheirMaximaAndTheLionAndLizardDoNotJolt) {
    struct TCase {
        TMonsterKind Kind;
        float TiltOne, TiltFive;
        int JoltOne, JoltFive;
    };
    const TCase Cases[] = {
        {mkKong, 8, 26, 5, 20}, {mkFish, 8, 26, 5, 20}, {mkBird, 8, 26, 5, 20},
        {mkLion, 10, 26, 0, 0}, {mkLizard, 10, 26, 0, 0},
    };
    for (const TCase& C : Cases) {
        auto M = MakeBoss(C.Kind);
        M->Hit(0, 0, 1);
        EXPECT_FLOAT_EQ(M->Tilt(), C.TiltOne) << int(C.Kind);
        EXPECT_EQ(M->Jolt(), C.JoltOne) << int(C.Kind);
        for (int I = 0; I < 4; ++I) M->Hit(0, 0, 1);
        EXPECT_FLOAT_EQ(M->Tilt(), C.TiltFive) << int(C.Kind);
        EXPECT_EQ(M->Jolt(), C.JoltFive) << int(C.Kind);
        M->UpdateAndDraw();
        EXPECT_FLOAT_EQ(M->Tilt(), C.TiltFive - 1.2f) << "it recovers a little each frame";
        EXPECT_EQ(M->Jolt(), std::max(0, C.JoltFive - 1));
    }
}

TEST_F(BossMonster, TheBarsFillRoundsHalvesToEven) {
    TKongBoss M;
    const struct {
        int Left, Width;
    } Cases[] = {{60, 50}, {30, 25}, {45, 38}, {15, 12}, {1, 1}, {0, 0}};
    for (const auto& C : Cases) {
        M.ResetBoss();
        for (int I = 0; I < 60 - C.Left; ++I) M.Hit(0, 0, 1);
        EXPECT_EQ(M.EnergyLeft(), C.Left);
        EXPECT_EQ(M.EnergyFillWidth(), C.Width) << C.Left;
    }
}

TEST_F(BossMonster, KnockedOutItFallsToTheGroundOnceAndSinksOnlyWhenTold) {
    const struct {
        TMonsterKind Kind;
        int Frames;
    } Cases[] = {{mkKong, 25}, {mkFish, 18}, {mkBird, 19}, {mkLion, 15}, {mkLizard, 1}};
    for (const auto& C : Cases) {
        auto M = MakeBoss(C.Kind);
        M->Energy = 1;
        M->ResetBoss();
        int Grounded = 0;
        M->OnDeadGrounded = [&](TObject*) { ++Grounded; };
        M->Hit(0, 0, 1);
        ASSERT_TRUE(M->IsDead());
        EXPECT_EQ(RunUntil(*M, [&] { return Grounded > 0; }), C.Frames) << int(C.Kind);
        EXPECT_DOUBLE_EQ(M->Y(), M->FrontDeadGroundPos);
        for (int I = 0; I < 50; ++I) M->UpdateAndDraw();
        EXPECT_EQ(Grounded, 1);
        EXPECT_DOUBLE_EQ(M->Y(), M->FrontDeadGroundPos) << "nothing sets a sinking speed";
        M->DisappearMoveStep = 50.0f;
        M->StartSinking();
        for (int I = 0; I < 10; ++I) M->UpdateAndDraw();
        EXPECT_DOUBLE_EQ(M->Y(), M->DisappearVertPos);
    }

    TKongBoss Alive;
    Alive.StartSinking();
    EXPECT_FALSE(Alive.Sinking()) << "only a knocked-out monster sinks";
}

TEST_F(BossMonster, ResetStartsAtTheRightLimitWithTheLevelsEnergyAndAttemptsOff) {
    TBirdBoss M;
    M.SetAbsorbAttempts(true);
    M.Energy = 7;
    for (int I = 0; I < 30; ++I) M.UpdateAndDraw();
    M.Hit(0, 0, 1);
    M.ResetBoss();
    EXPECT_EQ(M.EnergyLeft(), 7);
    EXPECT_EQ(M.EnergyFillWidth(), 50);
    EXPECT_DOUBLE_EQ(M.X(), M.MaxRightPos);
    EXPECT_DOUBLE_EQ(M.Y(), M.TopPos);
    EXPECT_EQ(M.Direction(), bdLeft);
    EXPECT_FALSE(M.AbsorbAttemptsAllowed());
    EXPECT_FLOAT_EQ(M.Tilt(), 0.0f);
    EXPECT_EQ(M.Jolt(), 0);
}
