// The bonus stage's ladybugs, headless and seeded: which tools they may carry by
// the player's tool level and holdings, the caps on tools won and carried, the
// golden ladybugs' letters, the click's hit test and accuracy, the fall, and the
// ladybugs that fly off the stage. One test draws them on the offscreen screen
// to show that drawing changes nothing they do.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "BonusAnimalsClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"
#include "RandomClass.h"
#include "RoundTestSupport.h"

namespace {

struct THitRecord {
    TPoint Pos;
    TBonusKind Kind;
    int32_t Amount;
    char Letter;
};

// The ladybugs as the bonus stage sets them up on island 1, with a round that
// answers the tool question as the main form does (no once 9 of a tool are held).
class TStageRig {
public:
    explicit TStageRig(uint64_t Seed, TToolKind MaxToolKind = toAerosol) {
        GameplayRandom().SetSeed(Seed);
        CosmeticRandom().SetSeed(Seed + 1000);
        Animals.UseLadybugStage();
        Animals.UseIslandValues(1);
        Animals.MaxToolKind = MaxToolKind;
        Animals.OnMayAddToolQuestion = [this](TObject* Sender, TBonusKind Tool, bool& MayAdd) {
            EXPECT_EQ(Sender, &Animals);
            EXPECT_FALSE(MayAdd);
            ++Asked[Tool];
            MayAdd = Held[Tool] < 9;
        };
        Animals.OnHit = [this](TObject* Sender, TPoint Pos, TBonusKind Kind, int32_t Amount, char Letter) {
            EXPECT_EQ(Sender, &Animals);
            Hits.push_back({Pos, Kind, Amount, Letter});
        };
        Animals.OnFallingPosUpdate = [this](TObject*, TPoint Pos) { Falls.push_back(Pos); };
        Animals.ResetAnimals();
        Animals.StartAnimals();
    }

    void Step() {
        Animals.UpdateAndDraw();
        ++Frame;
    }
    // Steps until Done() holds (true) or the frames run out (false).
    template <typename F>
    bool StepUntil(F&& Done, int MaxFrames = 20000) {
        for (int I = 0; I < MaxFrames; ++I) {
            if (Done()) return true;
            Step();
        }
        return Done();
    }

    // The first flying slot that Match accepts, or 0.
    template <typename F>
    int32_t FindFlying(F&& Match) const {
        for (int32_t N = 1; N <= TBonusAnimals::SlotCount; ++N) {
            const TBonusAnimalSlot& S = Animals.Slot(N);
            if (S.State == asFlying && Match(S)) return N;
        }
        return 0;
    }
    int32_t FindFlyingKind(TBonusKind Kind) const {
        return FindFlying([Kind](const TBonusAnimalSlot& S) { return S.BonusKind == Kind; });
    }
    int32_t CountFlyingKind(TBonusKind Kind) const {
        int32_t Count = 0;
        for (int32_t N = 1; N <= TBonusAnimals::SlotCount; ++N)
            Count += (Animals.Slot(N).State == asFlying && Animals.Slot(N).BonusKind == Kind) ? 1 : 0;
        return Count;
    }
    // The centre of a slot's ladybug, as the player would click it.
    TPoint Centre(int32_t N) const {
        const TBonusAnimalSlot& S = Animals.Slot(N);
        return {Round(S.Pos.X) + Animals.AnimalWidth / 2, Round(S.Pos.Y) + Animals.AnimalHeight / 2};
    }
    void Click(TPoint P, TMouseButton Button = mbLeft) { Animals.ClickAt(P.X, P.Y, Button); }

    TBonusAnimals Animals;
    std::array<int, 6> Asked{};
    std::array<int, 6> Held{};
    std::vector<THitRecord> Hits;
    std::vector<TPoint> Falls;
    int Frame = 0;
};

// The click box of a flying animal: inclusive edges, 30 px deeper when something hangs under it.
bool InBox(const TBonusAnimals& A, const TBonusAnimalSlot& S, TPoint P) {
    const int32_t L = Round(S.Pos.X), T = Round(S.Pos.Y);
    const bool Hangs = S.BonusKind == boMoney || S.BonusKind == boMagicKey || S.BonusKind == boBroom ||
                       S.BonusKind == boAerosol;
    return P.X >= L && P.X <= L + A.AnimalWidth && P.Y >= T && P.Y <= T + A.AnimalHeight + (Hangs ? 30 : 0);
}

bool InFlyingBox(const TFloatPoint& P) { return P.X >= 40 && P.X <= 880 && P.Y >= -80 && P.Y <= 680; }

TEST(BonusAnimals, ToolsAreOfferedInTheUnlockOrderOfThePlayersToolLevel) {
    struct TCase {
        TToolKind Level;
        bool Broom, MagicKey, Aerosol;
    };
    // The unlock order is none < broom < magic key < aerosol, not the kinds' own order.
    const TCase Cases[] = {{toNone, false, false, false},
                           {toBroom, true, false, false},
                           {toMagicKey, true, true, false},
                           {toAerosol, true, true, true}};
    for (const TCase& C : Cases) {
        SCOPED_TRACE(static_cast<int>(C.Level));
        TStageRig Rig(41, C.Level);
        std::set<int> Seen;
        for (int I = 0; I < 20000; ++I) {
            Rig.Step();
            for (int32_t N = 1; N <= TBonusAnimals::SlotCount; ++N)
                if (Rig.Animals.Slot(N).State == asFlying) Seen.insert(Rig.Animals.Slot(N).BonusKind);
        }
        EXPECT_TRUE(Seen.count(boMoney)) << "money bags come at every tool level";
        EXPECT_EQ(Seen.count(boBroom) == 1, C.Broom);
        EXPECT_EQ(Seen.count(boMagicKey) == 1, C.MagicKey);
        EXPECT_EQ(Seen.count(boAerosol) == 1, C.Aerosol);
        EXPECT_EQ(Rig.Animals.RemainingLetters().size(), 5u);
    }
}

TEST(BonusAnimals, APlayerHoldingNineBroomsIsNeverOfferedABroom) {
    TStageRig Rig(42, toAerosol);
    Rig.Held[boBroom] = 9;
    bool BroomSeen = false, KeySeen = false;
    for (int I = 0; I < 20000; ++I) {
        Rig.Step();
        BroomSeen = BroomSeen || Rig.FindFlyingKind(boBroom) != 0;
        KeySeen = KeySeen || Rig.FindFlyingKind(boMagicKey) != 0;
    }
    EXPECT_GT(Rig.Asked[boBroom], 0) << "the round was asked and said no";
    EXPECT_FALSE(BroomSeen);
    EXPECT_TRUE(KeySeen) << "other tools are still offered";
}

TEST(BonusAnimals, ToolsWonStopAtTheirCapsAndNoTwoCarriersOfOneToolFlyAtOnce) {
    // The stage's caps: one broom, two keys, one aerosol. Every tool carrier is
    // caught as soon as it shows.
    TStageRig Rig(43, toAerosol);
    ASSERT_EQ(Rig.Animals.MaxAcqBrooms, 1);
    int BroomCarriersAfterTheFirst = 0;
    for (int I = 0; I < 40000; ++I) {
        Rig.Step();
        for (TBonusKind Tool : {boBroom, boMagicKey, boAerosol}) {
            ASSERT_LE(Rig.CountFlyingKind(Tool), 1) << "frame " << Rig.Frame;
            const int32_t N = Rig.FindFlyingKind(Tool);
            if (N == 0) continue;
            if (Tool == boBroom && Rig.Animals.BroomsWon() > 0) ++BroomCarriersAfterTheFirst;
            Rig.Click(Rig.Centre(N));
        }
    }
    EXPECT_EQ(Rig.Animals.BroomsWon(), 1);
    EXPECT_EQ(Rig.Animals.MagicKeysWon(), 2);
    EXPECT_EQ(Rig.Animals.AerosolsWon(), 1);
    EXPECT_EQ(BroomCarriersAfterTheFirst, 0);
}

TEST(BonusAnimals, GoldenLadybugsCarryOnlyLettersStillToCatchAndNoneTwice) {
    TStageRig Rig(44);
    TSoundLog Sounds;
    std::array<char, TBonusAnimals::SlotCount + 1> Carried{};
    std::string Escaped;
    std::string CarriedAgain;
    int Spawned = 0;
    auto Check = [&] {
        std::string Letters;
        for (int32_t N = 1; N <= TBonusAnimals::SlotCount; ++N) {
            const TBonusAnimalSlot& S = Rig.Animals.Slot(N);
            const bool Flying = S.State == asFlying && S.Special;
            if (Flying) {
                EXPECT_NE(Rig.Animals.RemainingLetters().find(S.BonusLetter), std::string_view::npos)
                    << S.BonusLetter << " was already caught";
                EXPECT_EQ(S.BonusKind, boLetter);
                Letters += S.BonusLetter;
                if (Carried[N] == 0) {
                    ++Spawned;
                    if (Escaped.find(S.BonusLetter) != std::string::npos) CarriedAgain += S.BonusLetter;
                }
            } else if (Carried[N] != 0 && S.State == asFree) {
                // Flown off unhit: its letter is still to catch.
                EXPECT_NE(Rig.Animals.RemainingLetters().find(Carried[N]), std::string_view::npos);
                Escaped += Carried[N];
            }
            Carried[N] = Flying ? S.BonusLetter : 0;
        }
        std::string Sorted = Letters;
        std::sort(Sorted.begin(), Sorted.end());
        EXPECT_EQ(std::unique(Sorted.begin(), Sorted.end()), Sorted.end()) << "two carry " << Letters;
        EXPECT_LE(Letters.size(), 2u);
    };
    // First let them come and go without catching any.
    for (int I = 0; I < 6000; ++I) {
        Rig.Step();
        Check();
    }
    EXPECT_FALSE(Escaped.empty());
    EXPECT_FALSE(CarriedAgain.empty()) << "an escaped letter comes back";
    EXPECT_GT(Spawned, 5);
    EXPECT_GE(Sounds.Count("Ladybug"), Spawned) << "heard at each golden ladybug";
    // Then catch every golden ladybug that shows.
    ASSERT_TRUE(Rig.StepUntil([&] {
        Check();
        if (const int32_t N = Rig.FindFlying([](const TBonusAnimalSlot& S) { return S.Special; })) Rig.Click(Rig.Centre(N));
        return Rig.Animals.RemainingLetters().empty();
    }));
    std::string Caught;
    for (const THitRecord& H : Rig.Hits)
        if (H.Kind == boLetter) Caught += H.Letter;
    std::sort(Caught.begin(), Caught.end());
    EXPECT_EQ(Caught, "BNOSU");
    // With all five caught no golden ladybug comes, and none is heard.
    const int Heard = Sounds.Count("Ladybug");
    for (int I = 0; I < 3000; ++I) {
        Rig.Step();
        EXPECT_EQ(Rig.Animals.FlyingSpecialCount(), 0);
    }
    EXPECT_EQ(Sounds.Count("Ladybug"), Heard);
}

TEST(BonusAnimals, AGoldenLadybugDueWhileItsRingSlotIsBusyIsHeardButNotSpawned) {
    TStageRig Rig(45);
    TSoundLog Sounds;
    // Every frame an ordinary ladybug, up to all thirty slots.
    Rig.Animals.SpecialKindEnabled = false;
    Rig.Animals.MaxActiveAnimals = 30;
    Rig.Animals.TriggerInterval = 30;
    Rig.Animals.Probability = 1.0;
    for (int I = 0; I < 30; ++I) Rig.Step();
    ASSERT_EQ(Rig.Animals.FlyingCount(), 30);
    Rig.Animals.Probability = 0.0;  // and no more
    Rig.Animals.SpecialKindEnabled = true;
    Rig.Animals.SpecialTriggerInterval = 30;
    Rig.Step();
    EXPECT_EQ(Rig.Animals.FlyingSpecialCount(), 0);
    EXPECT_EQ(Sounds.Count("Ladybug"), 1);
    EXPECT_EQ(Rig.Animals.RingIndex(), 1) << "the ring moved on past the busy slot";
}

TEST(BonusAnimals, OneClickHitsEveryLadybugUnderItAndCountsOnce) {
    TStageRig Rig(46);
    TPoint Where{};
    int Under = 0;
    // Wait for two ladybugs whose boxes overlap, and click where they do.
    ASSERT_TRUE(Rig.StepUntil([&] {
        for (int32_t A = 1; A <= TBonusAnimals::SlotCount; ++A)
            for (int32_t B = A + 1; B <= TBonusAnimals::SlotCount; ++B) {
                const TBonusAnimalSlot& SA = Rig.Animals.Slot(A);
                const TBonusAnimalSlot& SB = Rig.Animals.Slot(B);
                if (SA.State != asFlying || SB.State != asFlying) continue;
                const TPoint P{std::max(Round(SA.Pos.X), Round(SB.Pos.X)), std::max(Round(SA.Pos.Y), Round(SB.Pos.Y))};
                if (InBox(Rig.Animals, SA, P) && InBox(Rig.Animals, SB, P)) {
                    Where = P;
                    return true;
                }
            }
        return false;
    }));
    for (int32_t N = 1; N <= TBonusAnimals::SlotCount; ++N)
        Under += (Rig.Animals.Slot(N).State == asFlying && InBox(Rig.Animals, Rig.Animals.Slot(N), Where)) ? 1 : 0;
    ASSERT_GE(Under, 2);
    Rig.Click(Where);
    EXPECT_EQ(Rig.Animals.AnimalsHit(), Under);
    EXPECT_EQ(static_cast<int>(Rig.Hits.size()), Under);
    EXPECT_EQ(Rig.Animals.Clicks(), 1);
    EXPECT_EQ(Rig.Animals.HittingClicks(), 1);
    EXPECT_EQ(Rig.Animals.HitAccuracy(), 100);
}

TEST(BonusAnimals, WhatHangsUnderALadybugCountsAsPartOfItButALetterDoesNot) {
    struct TCase {
        TBonusKind Kind;
        int32_t Below;  // pixels under the ladybug's box
        bool Hit;
    };
    const TCase Cases[] = {{boMagicKey, 20, true},  {boMagicKey, 30, true}, {boMagicKey, 31, false},
                           {boMoney, 20, true},     {boScore, 20, false},   {boScore, 0, true},
                           {boLetter, 20, false},   {boLetter, 0, true}};
    for (const TCase& C : Cases) {
        SCOPED_TRACE(std::to_string(C.Kind) + " at " + std::to_string(C.Below));
        TStageRig Rig(47, toAerosol);
        int32_t N = 0;
        ASSERT_TRUE(Rig.StepUntil([&] { return (N = Rig.FindFlyingKind(C.Kind)) != 0; }));
        const TBonusAnimalSlot& S = Rig.Animals.Slot(N);
        const char Letter = S.BonusLetter;
        const TPoint At{Round(S.Pos.X), Round(S.Pos.Y)};
        // The right-hand edge, so the edges are inclusive on both axes.
        Rig.Click({At.X + Rig.Animals.AnimalWidth, At.Y + Rig.Animals.AnimalHeight + C.Below});
        EXPECT_EQ(S.State == asHit, C.Hit);
        if (!C.Hit) continue;
        const auto Mine = std::find_if(Rig.Hits.begin(), Rig.Hits.end(), [&](const THitRecord& H) { return H.Pos == At; });
        ASSERT_NE(Mine, Rig.Hits.end());
        EXPECT_EQ(Mine->Kind, C.Kind);
        EXPECT_EQ(Mine->Amount, C.Kind == boMoney ? 35 : 0);
        EXPECT_EQ(Mine->Letter, C.Kind == boLetter ? Letter : ' ');
        if (Rig.Hits.size() == 1) {
            EXPECT_EQ(Rig.Animals.MoneyWon(), 4 + (C.Kind == boMoney ? 35 : 0));
        }
        if (C.Kind == boLetter) {
            EXPECT_EQ(Rig.Animals.RemainingLetters().find(Letter), std::string_view::npos) << "caught";
        }
        if (C.Kind == boMagicKey) {
            EXPECT_EQ(Rig.Animals.MagicKeysWon(), 1);
        }
    }
}

TEST(BonusAnimals, ClicksCountOnlyWhileVisibleSpawningAndWithTheLeftButton) {
    TStageRig Rig(48);
    int32_t N = 0;
    ASSERT_TRUE(Rig.StepUntil([&] { return (N = Rig.FindFlyingKind(boScore)) != 0; }));
    const TPoint On = Rig.Centre(N);
    Rig.Click(On, mbRight);
    Rig.Click(On, mbMiddle);
    Rig.Animals.Visible = false;
    Rig.Click(On);
    // Paused, nothing moves either.
    const TFloatPoint Before = Rig.Animals.Slot(N).Pos;
    Rig.Step();
    EXPECT_TRUE(SameFloatPoint(Rig.Animals.Slot(N).Pos, Before));
    Rig.Animals.Visible = true;
    // After time up the ladybugs fly on but cannot be hit.
    Rig.Animals.StopSpawning();
    Rig.Click(On);
    EXPECT_EQ(Rig.Animals.Clicks(), 0);
    EXPECT_EQ(Rig.Animals.AnimalsHit(), 0);
    EXPECT_EQ(Rig.Animals.Slot(N).State, asFlying);
    Rig.Step();
    EXPECT_FALSE(SameFloatPoint(Rig.Animals.Slot(N).Pos, Before));
    // Before the stage starts nothing counts either.
    Rig.Animals.ResetAnimals();
    Rig.Click(On);
    EXPECT_EQ(Rig.Animals.Clicks(), 0);
    EXPECT_TRUE(Rig.Hits.empty());
}

TEST(BonusAnimals, HitAccuracyIsThePerCentOfClicksThatHitRoundedHalfToEven) {
    struct TCase {
        int Clicks, Hits, Accuracy;
    };
    const TCase Cases[] = {{0, 0, 0}, {5, 2, 40}, {8, 1, 12}, {3, 2, 67}, {8, 3, 38}, {2, 2, 100}, {4, 0, 0}};
    for (const TCase& C : Cases) {
        SCOPED_TRACE(std::to_string(C.Clicks) + " clicks, " + std::to_string(C.Hits) + " hits");
        TStageRig Rig(49);
        for (int I = 0; I < C.Hits; ++I) {
            int32_t N = 0;
            ASSERT_TRUE(Rig.StepUntil([&] { return (N = Rig.FindFlying([](const TBonusAnimalSlot&) { return true; })) != 0; }));
            Rig.Click(Rig.Centre(N));
        }
        for (int I = C.Hits; I < C.Clicks; ++I) Rig.Click({0, 0});  // nothing flies left of x 40
        EXPECT_EQ(Rig.Animals.Clicks(), C.Clicks);
        EXPECT_EQ(Rig.Animals.HittingClicks(), C.Hits);
        EXPECT_EQ(Rig.Animals.HitAccuracy(), C.Accuracy);
    }
}

TEST(BonusAnimals, AHitLadybugPlaysItsHitThenFallsOffTheScreenAndFreesItsSlot) {
    TStageRig Rig(50);
    TSoundLog Sounds;
    int32_t N = 0;
    // One high enough on the screen to fall the whole dust range.
    ASSERT_TRUE(Rig.StepUntil([&] {
        return (N = Rig.FindFlying([](const TBonusAnimalSlot& S) { return S.Pos.Y < 400; })) != 0;
    }));
    const TBonusAnimalSlot& S = Rig.Animals.Slot(N);
    const TFloatPoint HitAt = S.Pos;
    Rig.Click(Rig.Centre(N));
    ASSERT_EQ(S.State, asHit);
    EXPECT_EQ(Sounds.Count("AnimalHit1") + Sounds.Count("AnimalHit2") + Sounds.Count("AnimalHit3"), 1);
    EXPECT_EQ(Rig.Hits.back().Pos, (TPoint{Round(HitAt.X), Round(HitAt.Y)}));
    Rig.Falls.clear();
    // Ten frames of the hit animation, in place.
    for (int I = 0; I < 9; ++I) Rig.Step();
    EXPECT_EQ(S.State, asHit);
    EXPECT_TRUE(SameFloatPoint(S.Pos, HitAt));
    Rig.Step();
    EXPECT_EQ(S.State, asFalling);
    // Then 13 px a frame straight down; the dust follows the first 130 px.
    int Frames = 0;
    while (S.State == asFalling && Frames < 100) {
        Rig.Step();
        ++Frames;
        EXPECT_EQ(S.Pos.X, HitAt.X);
    }
    EXPECT_EQ(S.State, asFree);
    EXPECT_GE(S.Pos.Y, 600.0);
    EXPECT_LT(S.Pos.Y - 13, 600.0) << "freed on the frame it reaches the bottom";
    ASSERT_EQ(Rig.Falls.size(), 10u);
    EXPECT_EQ(Rig.Falls.front(), (TPoint{Round(HitAt.X), Round(HitAt.Y + 13)}));
    EXPECT_EQ(Rig.Falls.back(), (TPoint{Round(HitAt.X), Round(HitAt.Y + 130)}));
}

TEST(BonusAnimals, ALadybugLeavingTheStageIsFreedOnTheFrameItLeaves) {
    TStageRig Rig(51);
    int Escapes = 0;
    std::array<bool, TBonusAnimals::SlotCount + 1> WasFlying{};
    for (int I = 0; I < 6000; ++I) {
        Rig.Step();
        for (int32_t N = 1; N <= TBonusAnimals::SlotCount; ++N) {
            const TBonusAnimalSlot& S = Rig.Animals.Slot(N);
            if (S.State == asFlying) {
                ASSERT_TRUE(InFlyingBox(S.Pos)) << "slot " << N << " frame " << Rig.Frame;
            } else if (WasFlying[N]) {
                ASSERT_EQ(S.State, asFree);
                EXPECT_FALSE(InFlyingBox(S.Pos)) << "freed inside the stage";
                ++Escapes;
            }
            WasFlying[N] = S.State == asFlying;
        }
        EXPECT_LE(Rig.Animals.FlyingCount(), 8 + 2);
    }
    EXPECT_GT(Escapes, 20);
    EXPECT_TRUE(Rig.Hits.empty());
}

// Headless play uses the default click box, drawn play the art's pattern size:
// the two must agree, or a seeded stage would play differently drawn.
TEST(BonusAnimals, TheDefaultClickBoxIsTheLadybugArtsPatternSize) {
    const char* FromEnv = std::getenv("QUELLOW_TEST_GAME_DIR");
    const std::string GameDir = FromEnv && *FromEnv ? FromEnv : QUELLOW_GAME_DIR;
    TPicture Bugs;
    if (!LoadPicture(GameDir + "/Images/BonusStage/LadyBug.png", Bugs)) GTEST_SKIP() << "no built game data";
    const TBonusAnimals Animals;
    EXPECT_EQ(Bugs.Width / 10, Animals.AnimalWidth);
    EXPECT_EQ(Bugs.Height / 3, Animals.AnimalHeight);
}

// The ladybugs drawn on the offscreen screen with flat images of the art's sizes.
class BonusAnimalsPixels : public ::testing::Test {
protected:
    static TPicture Sheet(int32_t Columns, int32_t Rows, int32_t W, int32_t H, uint32_t Color) {
        TPicture P;
        P.SetSize(Columns * W, Rows * H);
        P.FillRect(0, 0, Columns * W, Rows * H, Color);
        return P;
    }
    void SetUp() override {
        Screen = std::make_unique<TOmegaScreen>();
        Screen->ZBuffer = false;
        Screen->PresentToWindow = false;
        ASSERT_TRUE(Screen->Initialize());
        Images = std::make_unique<TOmegaImageList>(Screen.get());
        Images->AddImage("LadyBug", Sheet(10, 3, 50, 54, Bug), 10, 3);
        Images->AddImage("LadyBugHit", Sheet(10, 1, 50, 54, Bug), 10, 1);
        Images->AddImage("SpecialLadyBug", Sheet(10, 3, 50, 54, Gold), 10, 3);
        Images->AddImage("SpecialLadyBugHit", Sheet(10, 1, 50, 54, Gold), 10, 1);
        Images->AddImage("BonusAnimalBonus", Sheet(4, 1, 36, 42, Icon), 4, 1);
        Images->AddImage("BonusLetters", Sheet(5, 2, 30, 36, Icon), 5, 2);
        Images->AddImage("BonusLetterShine", Sheet(1, 1, 60, 46, Icon), 1, 1);
    }
    void TearDown() override {
        Images.reset();
        Screen.reset();
    }
    TPicture Shot(TStageRig& Rig) {
        Screen->Clear(0, 0, 0, 255);
        Screen->BeginFrame();
        Rig.Step();
        Screen->EndFrame();
        TPicture Result;
        EXPECT_TRUE(Screen->ReadFrame(Result));
        return Result;
    }

    static constexpr uint32_t Bug = 0xE02020FFu;
    static constexpr uint32_t Gold = 0xE0C020FFu;
    static constexpr uint32_t Icon = 0x2040E0FFu;
    std::unique_ptr<TOmegaScreen> Screen;
    std::unique_ptr<TOmegaImageList> Images;
};

TEST_F(BonusAnimalsPixels, DrawnOrNotTheStagePlaysTheSameAndALadybugShowsAtItsPlace) {
    // The same seeded stage with the same clicks, once drawn and once headless.
    auto Play = [&](bool Drawn, std::vector<TPoint>* BugTopLeft) {
        TStageRig Rig(52);
        Rig.Animals.MaxActiveAnimals = 1;
        if (Drawn) {
            Rig.Animals.OmgImgList = Images.get();
            Rig.Animals.TakeAnimalSize();
        }
        for (int I = 0; I < 400; ++I) {
            if (Drawn) {
                const TPicture P = Shot(Rig);
                // With one ladybug out, its body covers exactly its pattern at its rounded place.
                if (Rig.Animals.FlyingCount() == 1 && BugTopLeft && BugTopLeft->empty()) {
                    const int32_t N = Rig.FindFlying([](const TBonusAnimalSlot& S) { return !S.Special; });
                    const TBonusAnimalSlot& S = Rig.Animals.Slot(N);
                    const int32_t L = Round(S.Pos.X), T = Round(S.Pos.Y);
                    if (S.Alpha == 255 && S.BonusKind == boScore && L >= 0 && T >= 0 && L + 50 < 800 && T + 54 < 600) {
                        BugTopLeft->push_back({L, T});
                        EXPECT_EQ(P.PixelRGBA(L, T), Bug);
                        EXPECT_EQ(P.PixelRGBA(L + 49, T + 53), Bug);
                        EXPECT_NE(P.PixelRGBA(L - 1, T), Bug);
                        EXPECT_NE(P.PixelRGBA(L + 50, T + 54), Bug);
                    }
                }
            } else {
                Rig.Step();
            }
            if (I % 7 == 0) Rig.Click({300 + (I * 37) % 400, 120 + (I * 53) % 380});
        }
        std::vector<double> State;
        for (int32_t N = 1; N <= TBonusAnimals::SlotCount; ++N) {
            const TBonusAnimalSlot& S = Rig.Animals.Slot(N);
            State.insert(State.end(), {double(S.State), S.Pos.X, S.Pos.Y, S.Speed.X, S.Speed.Y, double(S.BonusKind)});
        }
        State.insert(State.end(), {double(Rig.Animals.AnimalsHit()), double(Rig.Animals.MoneyWon()),
                                   double(Rig.Animals.HittingClicks()), double(Rig.Animals.AnimalWidth),
                                   double(Rig.Animals.AnimalHeight)});
        return State;
    };
    std::vector<TPoint> Seen;
    const std::vector<double> Drawn = Play(true, &Seen);
    const std::vector<double> Headless = Play(false, nullptr);
    EXPECT_EQ(Drawn, Headless);
    EXPECT_FALSE(Seen.empty()) << "no frame with a lone ladybug to look at";
}

}  // namespace
