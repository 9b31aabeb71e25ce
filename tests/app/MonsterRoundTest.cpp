// The boss monster in real rounds, as a player meets it: 1-15's bird alone at
// the level's start with its own images and a full bar, waiting for the start
// signal before it absorbs; falling fruits that hit it or are swallowed; the
// aura's drain on the timer and the light flowing from it; the one-hit knock-out
// of the test mode with its round clear, stars and (not) the fairy; the other
// islands' monsters from fixture levels; and the monster drawn in a frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "GreedyMoveClass.h"
#include "PictureClass.h"
#include "RandomClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

// The build's game data, with 1-15 (the bird's level) copied as the first level of
// each of the other four islands, so their monsters come into a round.
class TGameWithMonsterLevels {
public:
    TGameWithMonsterLevels() {
        const fs::path Game = TTestDriver::DefaultGameFolder();
        for (const char* Sub : {"Images", "Sounds", "Music", "Texts"})
            fs::create_directory_symlink(Game / Sub, fs::path(Folder.Path()) / Sub);
        fs::create_directories(Folder.Path() + "Levels");
        for (const char* Level : {"1-14.qel", "1-15.qel"})
            fs::copy_file(Game / "Levels" / Level, Folder.Path() + "Levels/" + Level);
        for (const char* Level : {"2-01.qel", "3-01.qel", "4-01.qel", "5-01.qel"})
            fs::copy_file(Game / "Levels" / "1-15.qel", Folder.Path() + "Levels/" + Level);
    }
    const std::string& Path() const { return Folder.Path(); }

private:
    TTempFolder Folder;
};

TPoint TileCentre(TPoint P) {
    return {BoardScreenLeft + (P.X - 1) * BoardTilePixels + 23, BoardScreenTop + (P.Y - 1) * BoardTilePixels + 23};
}

// Greedy moves, as a quick player makes them, until Done holds (checked every frame).
bool PlayUntil(TTestDriver& Driver, const std::function<bool()>& Done, int MaxMoves) {
    TFormMain& Form = Driver.Form();
    TGameBoard& Board = *Form.GameBoard;
    for (int Move = 0; Move < MaxMoves; ++Move) {
        if (!Driver.StepUntil([&] { return Done() || BoardTakesMove(Form); }, 3000)) return false;
        if (Done()) return true;
        TGreedyMove Greedy;
        if (!ChooseGreedyMove(Board.BoardData(), Board.TileStatuses(), Greedy)) return false;
        Driver.Click(TileCentre(Greedy.Tile1Pos).X, TileCentre(Greedy.Tile1Pos).Y);
        Driver.Click(TileCentre(Greedy.Tile2Pos).X, TileCentre(Greedy.Tile2Pos).Y);
    }
    return Done();
}

// What one falling fruit's touch did, as the round answered it.
struct TTouch {
    bool Swallowed = false;
    TBossViewState ViewBefore = bvWalking;
    int32_t EnergyBefore = 0;
    int32_t EnergyAfter = 0;
    int32_t StarsBefore = 0;
    int32_t StarsAfter = 0;
};

class MonsterRound : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{7}; });
        TTestDriverSetup Setup;
        Setup.Headless = true;
        Setup.AppFolder = Game.Path();
        Driver = std::make_unique<TTestDriver>(Setup);
        ASSERT_TRUE(Driver->Start());
        Form().GameScene->SetValue(gsLevelSel);
    }
    void TearDown() override { SetRandomSeedSource({}); }
    TFormMain& Form() { return Driver->Form(); }
    TBossMonster& Bird() { return *Form().Monsters.Bird; }
    bool Until(const std::function<bool()>& Condition, int MaxFrames = 3000) {
        return Driver->StepUntil(Condition, MaxFrames);
    }
    // Every fruit that touches the monster on its way down is noted with what it did.
    void WatchTouches() {
        TFallingFruits& Falling = *Form().FallingFruits;
        TOnMonsterHitCheckEvent Check = Falling.OnMonsterHitCheck;
        Falling.OnMonsterHitCheck = [this, Check](TObject* Sender, TPoint At, bool& Hitting, bool& Absorbing) {
            TTouch Touch;
            TBossMonster& Monster = *Form().Monsters.Current;
            Touch.ViewBefore = Monster.ViewState();
            Touch.EnergyBefore = Monster.EnergyLeft();
            Touch.StarsBefore = Form().Specials.Stars->ActiveStars();
            Check(Sender, At, Hitting, Absorbing);
            if (!Hitting) return;
            Touch.Swallowed = Absorbing;
            Touch.EnergyAfter = Monster.EnergyLeft();
            Touch.StarsAfter = Form().Specials.Stars->ActiveStars();
            Touches.push_back(Touch);
        };
    }
    TGameWithMonsterLevels Game;
    std::unique_ptr<TTestDriver> Driver;
    std::vector<TTouch> Touches;
};

TEST_F(MonsterRound, OneFifteenShowsTheBirdAloneFullAndItWaitsForTheStartSignal) {
    ASSERT_TRUE(Form().StartLevel(1, 15));
    TRoundMonsters& Monsters = Form().Monsters;
    EXPECT_EQ(Monsters.Current, Monsters.Bird.get());
    for (int32_t I = 0; I < TRoundMonsters::Count; ++I) {
        const TBossMonster* Each = Monsters.InDrawingOrder(I);
        EXPECT_EQ(Each->Visible, Each == Monsters.Bird.get()) << "monster " << I;
    }
    EXPECT_TRUE(Monsters.Aura->Visible);
    EXPECT_EQ(Bird().Energy, 40);
    EXPECT_EQ(Bird().EnergyLeft(), 40);
    EXPECT_EQ(Bird().EnergyFillWidth(), 50);
    EXPECT_EQ(Bird().OneAbsorbedTime, 10);
    const TOmegaImageList& Images = Form().OmegaImageList1;
    EXPECT_NE(Images.Find("BirdBody_Side"), nullptr) << "the bird's images come from its folder";
    EXPECT_NE(Images.Find("BirdBody_Front"), nullptr);
    for (const char* Other : {"KongBody_Front", "FishBody_Front", "LionBody_Front", "LizardBody_Front"})
        EXPECT_EQ(Images.Find(Other), nullptr) << Other;

    // Under the announcement and while "go" waves, the bird only walks.
    ASSERT_TRUE(SkipAnnouncement(*Driver));
    TGameComment& Comment = Form().Comments.Round();
    ASSERT_TRUE(Until([&] { return Comment.CommentType() == coGo && Comment.Phase() == cpWaving; }));
    bool AllowedWhileWaving = false;
    ASSERT_TRUE(Until([&] {
        if (Comment.Phase() == cpWaving) AllowedWhileWaving |= Bird().AbsorbAttemptsAllowed();
        return Comment.Phase() != cpWaving;
    }));
    EXPECT_FALSE(AllowedWhileWaving);
    EXPECT_EQ(Bird().AttemptPhase(), atNone);
    EXPECT_EQ(Bird().ViewState(), bvWalking);
    EXPECT_TRUE(Bird().AbsorbAttemptsAllowed()) << "the waving has finished";
    EXPECT_GE(Bird().NextAttemptTime(), 16000);

    // A later level without a monster hides it and frees its images.
    ASSERT_TRUE(Form().StartLevel(1, 14));
    for (int32_t I = 0; I < TRoundMonsters::Count; ++I) EXPECT_FALSE(Monsters.InDrawingOrder(I)->Visible);
    EXPECT_EQ(Images.Find("BirdBody_Side"), nullptr);
    EXPECT_EQ(Images.Find("BirdBody_Front"), nullptr);
}

TEST_F(MonsterRound, AFruitFallingThroughTheWalkingBirdCostsOneEnergyAndPlaysOneBurst) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 15));
    WatchTouches();
    ASSERT_TRUE(PlayUntil(*Driver, [&] { return !Touches.empty(); }, 80));
    const TTouch& First = Touches.front();
    ASSERT_EQ(First.ViewBefore, bvWalking);
    EXPECT_FALSE(First.Swallowed);
    EXPECT_EQ(First.EnergyAfter, First.EnergyBefore - 1);
    EXPECT_EQ(First.StarsAfter - First.StarsBefore, TStarsEffect::StarsPerBurst);
    // A fruit is asked once: its touch never costs again on the following frames.
    const int32_t Left = Bird().EnergyLeft();
    const size_t Seen = Touches.size();
    Driver->Step(40);
    EXPECT_EQ(Left - Bird().EnergyLeft(), static_cast<int32_t>(Touches.size() - Seen));
    EXPECT_LT(Bird().EnergyLeft(), 40);
}

// The bird is left alone until it absorbs (hits while it prepares would stop it);
// then the fruits it swallows cost nothing and fade, and the aura's peak drains
// the timer by 10 seconds once.
TEST_F(MonsterRound, WhileTheBirdAbsorbsFruitsAreSwallowedAndTheAuraDrainsTheTimerOnce) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 15));
    WatchTouches();
    TTubeTimer& Timer = *Form().Gauges.TubeTimer;
    int32_t Peaks = 0;
    int32_t ElapsedAtPeak = 0;
    TNotifyEvent Peak = Form().Monsters.Aura->OnAuraPeak;
    Form().Monsters.Aura->OnAuraPeak = [&](TObject* Sender) {
        ++Peaks;
        ElapsedAtPeak = Timer.ElapsedMiliSecs();
        Peak(Sender);
    };
    ASSERT_TRUE(Until([&] { return Bird().AttemptPhase() == atPreparing; }, 2000));
    EXPECT_EQ(Bird().ViewState(), bvFacing);
    ASSERT_TRUE(Until([&] { return Bird().IsAbsorbing(); }, 200));
    EXPECT_EQ(Form().Monsters.Aura->Phase(), apGrowing);
    const TPoint AuraAt = Bird().AuraCentre();
    EXPECT_EQ(Form().Monsters.Aura->Left, AuraAt.X);
    EXPECT_EQ(Form().Monsters.Aura->Top, AuraAt.Y);

    ASSERT_TRUE(Until([&] { return Peaks == 1; }, 40));
    EXPECT_TRUE(Timer.Absorbing());
    // The light leaves the top of the timer's column in its colour (most of the time is left).
    TAbsorbedEnergy& Energy = *Form().Monsters.Energy;
    EXPECT_TRUE(Energy.Emitting());
    EXPECT_EQ(Energy.EnergyColor, ecGreen);
    EXPECT_EQ(Energy.Source().X, Timer.Position().X + 8);
    const int32_t ColumnTop = Timer.Position().Y + Timer.EnergyAdjustY + 15;
    EXPECT_GE(Energy.Source().Y, ColumnTop);
    EXPECT_LE(Energy.Source().Y, ColumnTop + Timer.MaxPixelProgress);
    EXPECT_EQ(Energy.Target(), (TPoint{Bird().RoundedPos().X + 180, Bird().RoundedPos().Y - 10}));
    ASSERT_TRUE(Until([&] { return !Timer.Absorbing(); }, 40));
    EXPECT_EQ(Timer.ElapsedMiliSecs(), ElapsedAtPeak + 10000);
    EXPECT_GT(Energy.AliveCount(), 0);

    // Fruits now fall into the absorbing bird.
    const int32_t EnergyBefore = Bird().EnergyLeft();
    bool SawFading = false;
    ASSERT_TRUE(PlayUntil(
        *Driver,
        [&] {
            SawFading |= Form().FallingFruits->SwallowedCount() > 0;
            return !Bird().IsAbsorbing() || (!Touches.empty() && Touches.back().Swallowed && SawFading);
        },
        60));
    ASSERT_TRUE(Bird().IsAbsorbing()) << "no fruit reached the bird while it absorbed";
    const TTouch& Swallow = Touches.back();
    EXPECT_EQ(Swallow.ViewBefore, bvAbsorbing);
    EXPECT_EQ(Swallow.EnergyAfter, Swallow.EnergyBefore);
    EXPECT_EQ(Swallow.StarsAfter - Swallow.StarsBefore, TStarsEffect::StarsPerBurst);
    EXPECT_EQ(Bird().EnergyLeft(), EnergyBefore);
    // A swallowed fruit fades out in four frames.
    ASSERT_TRUE(Until([&] { return Form().FallingFruits->SwallowedCount() == 0; }, 5));

    ASSERT_TRUE(Until([&] { return !Bird().IsAbsorbing(); }, 300));
    EXPECT_EQ(Peaks, 1) << "one drain per absorbing phase";
    EXPECT_EQ(Form().Monsters.Aura->Phase(), apFading);
}

TEST_F(MonsterRound, InRelaxedModeTheAuraPeaksButTheTimerLosesNothing) {
    ASSERT_TRUE(Form().StartLevel(1, 15));
    TTubeTimer& Timer = *Form().Gauges.TubeTimer;
    Timer.RelaxedMode = rmYes;
    ASSERT_TRUE(SkipAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Bird().IsAbsorbing(); }, 2500));
    ASSERT_TRUE(Until([&] { return Form().Monsters.Aura->Phase() == apAtPeak; }, 40));
    const int32_t Elapsed = Timer.ElapsedMiliSecs();
    Driver->Step(20);
    EXPECT_FALSE(Timer.Absorbing());
    EXPECT_EQ(Timer.ElapsedMiliSecs(), Elapsed + 20 * FrameStep);
    EXPECT_TRUE(Form().Monsters.Energy->Emitting()) << "the light still flows";
    Timer.RelaxedMode = rmNo;
}

// Test mode: one hit knocks the bird out and wins the round once, with the
// victory comment; where it lands the stars circle and Tavi stays away.
TEST_F(MonsterRound, InTestModeOneHitKnocksTheBirdOutAndWinsTheRoundOnce) {
    Form().TestModeObjectivesOfOne = true;
    ASSERT_TRUE(EnterRound(*Driver, 1, 15));
    EXPECT_EQ(Bird().EnergyLeft(), 1);
    int32_t RoundClears = 0;
    TGameSceneValues Last = Form().Scene();
    const auto Watch = [&] {
        if (Form().Scene() == gsRoundClear && Last != gsRoundClear) ++RoundClears;
        Last = Form().Scene();
    };
    ASSERT_TRUE(PlayUntil(
        *Driver,
        [&] {
            Watch();
            return Bird().IsDead();
        },
        80));
    EXPECT_EQ(Bird().EnergyLeft(), 0);
    EXPECT_EQ(Bird().EnergyFillWidth(), 0);
    ASSERT_TRUE(Until([&] {
        Watch();
        return Form().Monsters.KOStars->Active();
    }, 400));
    EXPECT_GE(Bird().Y(), Bird().FrontDeadGroundPos);
    const TKOStars& Stars = *Form().Monsters.KOStars;
    EXPECT_EQ(Stars.Position().X, Bird().KOStarsPos().X);
    EXPECT_EQ(Stars.Position().Y, Bird().KOStarsPos().Y);
    EXPECT_FALSE(Stars.Small());
    const TPoint Track = Stars.TrackPosition();
    EXPECT_LT(Track.X, Stars.Position().X) << "the track lies left of the stars";
    EXPECT_GT(Track.Y, Stars.Position().Y) << "and below them";
    Driver->Step(60);
    Watch();
    EXPECT_FALSE(Form().Fairy->Visible) << "on the bird's island she stays away";
    EXPECT_EQ(RoundClears, 1);
    EXPECT_EQ(Form().Comments.Round().CommentType(), coBossVictory);
    EXPECT_TRUE(Form().Round.RoundCleared);
    EXPECT_TRUE(Driver->Messages().empty());
}

TEST_F(MonsterRound, OnAnotherIslandTheFairyComesBackAfterTheKnockOut) {
    Form().TestModeObjectivesOfOne = true;
    ASSERT_TRUE(EnterRound(*Driver, 2, 1));
    TBossMonster& Lizard = *Form().Monsters.Lizard;
    ASSERT_EQ(Form().Monsters.Current, &Lizard);
    EXPECT_FALSE(Form().Fairy->Visible) << "she is away while the monster is up";
    ASSERT_TRUE(PlayUntil(*Driver, [&] { return Lizard.IsDead(); }, 80));
    ASSERT_TRUE(Until([&] { return Form().Monsters.KOStars->Active(); }, 600));
    EXPECT_EQ(Form().Monsters.KOStars->Position().X, Lizard.KOStarsPos().X);
    EXPECT_TRUE(Form().Fairy->Visible);
}

// The other islands' levels of the monster objective bring their own monster,
// with its folder's images and none of the bird's.
TEST_F(MonsterRound, EachIslandsMonsterLevelShowsItsOwnMonsterWithItsImages) {
    const struct {
        int32_t Island;
        TMonsterKind Kind;
        const char* Image;
    } Islands[] = {
        {2, mkLizard, "LizardBody_Front"},
        {3, mkKong, "KongBody_Front"},
        {4, mkFish, "FishBody_Front"},
        {5, mkLion, "LionBody_Front"},
    };
    TRoundMonsters& Monsters = Form().Monsters;
    const TOmegaImageList& Images = Form().OmegaImageList1;
    for (const auto& I : Islands) {
        ASSERT_TRUE(Form().StartLevel(I.Island, 1)) << I.Island;
        ASSERT_EQ(Monsters.Current, Monsters.OfKind(I.Kind)) << I.Island;
        EXPECT_EQ(Monsters.Current->MonsterKind, I.Kind);
        for (int32_t M = 0; M < TRoundMonsters::Count; ++M) {
            const TBossMonster* Each = Monsters.InDrawingOrder(M);
            EXPECT_EQ(Each->Visible, Each == Monsters.Current) << I.Island << ", monster " << M;
        }
        EXPECT_EQ(Monsters.Current->EnergyLeft(), 40);
        EXPECT_NE(Images.Find(I.Image), nullptr) << I.Image;
        EXPECT_EQ(Images.Find("BirdBody_Front"), nullptr) << I.Island;
        ASSERT_TRUE(SkipAnnouncement(*Driver));
        Driver->Step(10);
        EXPECT_LT(Monsters.Current->X(), Monsters.Current->MaxRightPos) << "it walks";
        EXPECT_EQ(Monsters.Current->RoundedPos().Y, Monsters.Current->TopPos);
    }
}

// Drawn: the walking bird and its bar show below the board, where a round with
// the bird hidden shows nothing of it.
TEST(MonsterRoundFrames, TheBirdAndItsBarAreDrawnBelowTheBoard) {
    SetRandomSeedSource([] { return uint64_t{7}; });
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    Form.MainLoadForDevelopment();
    Form.GameScene->SetValue(gsLevelSel);
    ASSERT_TRUE(EnterRound(Driver, 1, 15));
    TBossMonster& Bird = *Form.Monsters.Bird;
    Driver.Step(30);
    TPicture WithBird, WithoutBird;
    ASSERT_TRUE(Driver.Capture(WithBird));
    Driver.SaveFramePng(::testing::TempDir() + "quellow-bird.png");
    const TPoint At = Bird.RoundedPos();
    const TPoint Bar = Bird.EnergyBarPos();
    Bird.Visible = false;
    Driver.Step();
    ASSERT_TRUE(Driver.Capture(WithoutBird));
    // The bird has walked a pixel on; its body is much larger than that.
    int Changed = 0;
    for (int Y = At.Y + 20; Y < std::min(At.Y + 130, 600); ++Y)
        for (int X = At.X + 20; X < At.X + 220; ++X) Changed += WithBird.PixelRGBA(X, Y) != WithoutBird.PixelRGBA(X, Y);
    EXPECT_GT(Changed, 4000) << "the bird's body and wings";
    int BarChanged = 0;
    for (int Y = Bar.Y; Y < Bar.Y + 10; ++Y)
        for (int X = Bar.X; X < Bar.X + 50; ++X)
            BarChanged += WithBird.PixelRGBA(X, Y) != WithoutBird.PixelRGBA(X, Y);
    EXPECT_GT(BarChanged, 200) << "the full energy bar";
    SetRandomSeedSource({});
}

}  // namespace
