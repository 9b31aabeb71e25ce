// The drained energy's particles, headless: one born a frame for the absorb
// interval, the ring of 100 reused in order, each flying straight to the target
// and dying when it fades below 5 or arrives, a flight of no length ending at
// once, the colour's row of patterns, and nothing but the cosmetic stream used.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "AbsorbedEnergyClass.h"
#include "RandomClass.h"

namespace {

TEST(AbsorbedEnergy, OneParticleIsBornAFrameUntilTheEmitTimeReachesTheInterval) {
    struct TCase {
        int32_t Interval;
        int32_t Births;
    };
    // Births at emit times 0, 30, ... while below the interval.
    const TCase Cases[] = {{1750, 59}, {30, 1}, {45, 2}, {60, 2}, {0, 0}};
    for (const TCase& Case : Cases) {
        TAbsorbedEnergy Energy;
        Energy.AbsorbInterval = Case.Interval;
        Energy.StartEmitting();
        int32_t Births = 0;
        for (int Frame = 0; Frame < 120; ++Frame) {
            const int32_t Before = Energy.LastBorn();
            Energy.UpdateAndDraw();
            if (Energy.LastBorn() != Before) {
                ++Births;
                EXPECT_EQ(Energy.LastBorn(), Before + 1) << "interval " << Case.Interval;
                EXPECT_EQ(Births, Frame + 1) << "births come one a frame from the start";
            }
        }
        EXPECT_EQ(Births, Case.Births) << "interval " << Case.Interval;
        EXPECT_FALSE(Energy.Emitting()) << "interval " << Case.Interval;
    }
}

TEST(AbsorbedEnergy, BirthsReuseTheRingOfAHundredInOrder) {
    // A long flight: every particle is still on its way when its slot comes round again.
    TAbsorbedEnergy Energy;
    Energy.SetSource({0, 300});
    Energy.SetTarget({3000, 300});
    Energy.AbsorbInterval = 130 * 30;
    Energy.StartEmitting();
    for (int Frame = 0; Frame < 130; ++Frame) {
        Energy.UpdateAndDraw();
        ASSERT_EQ(Energy.LastBorn(), Frame % TAbsorbedEnergy::ParticleCount);
        ASSERT_EQ(Energy.AliveCount(), std::min(Frame + 1, TAbsorbedEnergy::ParticleCount));
        if (Frame == 100) {
            // The 101st takes slot 0 again, fresh from the source after its first step,
            // while slot 1 still holds the second particle, 100 steps along.
            EXPECT_DOUBLE_EQ(Energy.Particle(0).Pos.X, 6.0);
            EXPECT_DOUBLE_EQ(Energy.Particle(0).Pos.Y, 300.0);
            EXPECT_DOUBLE_EQ(Energy.Particle(0).Size, 0.4 + Energy.Particle(0).SizeGrowth);
            EXPECT_DOUBLE_EQ(Energy.Particle(1).Pos.X, 100 * 6.0);
        }
    }
    EXPECT_FALSE(Energy.Emitting());
}

TEST(AbsorbedEnergy, EachParticleFliesStraightAndDiesWhenItFadesBelowFiveOrArrives) {
    CosmeticRandom().SetSeed(2024);
    TAbsorbedEnergy Energy;
    Energy.SetSource({600, 200});
    Energy.SetTarget({200, 450});
    Energy.StartEmitting();
    // d = distance / 433: alpha falls by 1/d and the size grows by 0.029/d a frame.
    const double D = std::hypot(400.0, 250.0) / 433.0;
    int32_t Faded = 0, Arrived = 0;
    int32_t Lived[TAbsorbedEnergy::ParticleCount] = {};
    for (int Frame = 0; Frame < 200; ++Frame) {
        bool WasAlive[TAbsorbedEnergy::ParticleCount];
        for (int I = 0; I < TAbsorbedEnergy::ParticleCount; ++I) WasAlive[I] = Energy.Particle(I).Alive;
        Energy.UpdateAndDraw();
        for (int I = 0; I < TAbsorbedEnergy::ParticleCount; ++I) {
            const TAbsorbedEnergy::TEnergyParticle& P = Energy.Particle(I);
            const bool AtTarget = P.Pos.X == 200.0 && P.Pos.Y == 450.0;
            if (P.Alive) {
                ++Lived[I];
                ASSERT_GE(P.Alpha, 5.0);
                ASSERT_FALSE(AtTarget);
                ASSERT_NEAR(P.AlphaLoss, 1.0 / D, 1e-12);
                ASSERT_NEAR(P.SizeGrowth, 0.029 / D, 1e-12);
                ASSERT_GE(P.Variant, 1);
                ASSERT_LE(P.Variant, 5);
            } else if (WasAlive[I]) {
                ++Lived[I];
                ASSERT_TRUE(P.Alpha < 5.0 || AtTarget) << "particle " << I << " died early";
                if (AtTarget) {
                    ++Arrived;
                    // 400 px at 6 a frame: both axes land on the 67th step.
                    EXPECT_EQ(Lived[I], 67);
                } else {
                    ++Faded;
                }
            }
        }
    }
    EXPECT_EQ(Energy.AliveCount(), 0);
    EXPECT_EQ(Faded + Arrived, 59);
    EXPECT_GT(Faded, 0) << "the faint ones (alpha 60) fade out on the way";
    EXPECT_GT(Arrived, 0);
}

TEST(AbsorbedEnergy, AFlightOfNoLengthArrivesAtOnce) {
    TAbsorbedEnergy Energy;
    Energy.SetSource({300, 300});
    Energy.SetTarget({300, 300});
    Energy.StartEmitting();
    for (int Frame = 0; Frame < 80; ++Frame) {
        Energy.UpdateAndDraw();
        ASSERT_EQ(Energy.AliveCount(), 0) << "frame " << Frame;
    }
    EXPECT_EQ(Energy.LastBorn(), 58) << "the births still happen";
    for (int I = 0; I < TAbsorbedEnergy::ParticleCount; ++I) {
        const TAbsorbedEnergy::TEnergyParticle& P = Energy.Particle(I);
        EXPECT_TRUE(std::isfinite(P.AlphaLoss) && std::isfinite(P.SizeGrowth));
        EXPECT_TRUE(std::isfinite(P.Speed.X) && std::isfinite(P.Speed.Y));
    }
}

TEST(AbsorbedEnergy, EachColourDrawsItsOwnRowOfFivePatterns) {
    struct TCase {
        TEnergyColor Color;
        int32_t Variant;
        int32_t Pattern;
    };
    const TCase Cases[] = {{ecGreen, 1, 0},  {ecGreen, 5, 4},  {ecYellow, 1, 5},
                           {ecYellow, 5, 9}, {ecRed, 1, 10},   {ecRed, 3, 12}};
    TAbsorbedEnergy Energy;
    for (const TCase& Case : Cases) {
        Energy.EnergyColor = Case.Color;
        EXPECT_EQ(Energy.PatternOf(Case.Variant), Case.Pattern)
            << "colour " << int(Case.Color) << " variant " << Case.Variant;
    }
}

TEST(AbsorbedEnergy, AResetEndsEverythingAndAHiddenStreamWaits) {
    GameplayRandom().SetSeed(5);
    TRandomStream Untouched = GameplayRandom();
    TAbsorbedEnergy Energy;
    Energy.StartEmitting();
    for (int Frame = 0; Frame < 10; ++Frame) Energy.UpdateAndDraw();
    ASSERT_EQ(Energy.AliveCount(), 10);

    Energy.Visible = false;
    const TFloatPoint Was = Energy.Particle(0).Pos;
    for (int Frame = 0; Frame < 10; ++Frame) Energy.UpdateAndDraw();
    EXPECT_EQ(Energy.LastBorn(), 9);
    EXPECT_EQ(Energy.EmitTime(), 300);
    EXPECT_DOUBLE_EQ(Energy.Particle(0).Pos.X, Was.X);
    Energy.Visible = true;

    Energy.ResetEnergy();
    EXPECT_EQ(Energy.AliveCount(), 0);
    EXPECT_FALSE(Energy.Emitting());
    for (int Frame = 0; Frame < 10; ++Frame) Energy.UpdateAndDraw();
    EXPECT_EQ(Energy.AliveCount(), 0);
    EXPECT_EQ(GameplayRandom().NextUInt32(), Untouched.NextUInt32()) << "the gameplay stream was drawn from";
}

}  // namespace
