// Fruit worms in real rounds, headless, played by the greedy bot: on 1-07 the
// first wave comes after 20 landed fruits and the fairy's lesson puts back the
// level's own 50 (tutorial on or off, and held again at every new start), a
// busy fairy putting it off to the next wave; a worm eats a fruit and the
// fairy mends it; the aerosol knocks a crawling worm off; a shuffle, the pause
// and time up act on the worms.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "LevelFileClass.h"
#include "GeneralRoutinesClass.h"
#include "RecordBytesClass.h"
#include "EnemyRoundSupport.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

// 1-07 as shipped but long and with no flowers to end it early.
void LongFindFlowers(TLevelRecord& Record) {
    Record.Time = 3000;
    Record.OneFlowerPerLockersMin = 5000;
    Record.OneFlowerPerLockersMax = 5000;
}

// 1-10 with one worm a wave after every landed fruit, creeping into a fruit with chance 1 in EntryProb.
std::function<void(TLevelRecord&)> OneWormAtATime(int32_t EntryProb) {
    return [EntryProb](TLevelRecord& Record) {
        Record.Time = 3000;
        Record.WormFruitsInterval = 1;
        Record.MaxWormsOnBoard = 1;
        Record.MaxEatenFruits = 1;
        Record.OneEntryEveryProb = EntryProb;
        Record.OneFruitBombEveryProb = 0;
        Record.OneHammerEveryProb = 0;
    };
}

class WormsRound : public ::testing::Test {
protected:
    void Open(const std::string& AppFolder, bool PlayMap = false) {
        TTestDriverSetup Setup;
        Setup.Headless = true;
        Setup.AppFolder = AppFolder;
        Setup.PlayMap = PlayMap;
        Driver = std::make_unique<TTestDriver>(Setup);
        if (PlayMap) WriteSaveWithAerosols(*Driver, "ANNA");
        ASSERT_TRUE(Driver->Start());
        if (PlayMap) {
            ASSERT_TRUE(Driver->StepUntil(
                [&] { return Form().Scene() == gsMap && !Form().SceneTransition->Active(); }, 600));
        }
        Bot = std::make_unique<TRoundDriver>(*Driver);
    }
    // Counts the landed fruits and notes the count at every wave, and the interval after it.
    void WatchWaves() {
        auto Landed = Form().FallingFruits->OnGroundHit;
        Form().FallingFruits->OnGroundHit = [this, Landed](TObject* Sender, int32_t Colour, int32_t Column) {
            ++LandedFruits;
            Landed(Sender, Colour, Column);
        };
        auto Reached = Form().FruitWorms->OnFruitsIntervalReached;
        Form().FruitWorms->OnFruitsIntervalReached = [this, Reached](TObject* Sender) {
            if (BeforeWave) BeforeWave();
            Reached(Sender);
            Waves.push_back({LandedFruits, Form().FruitWorms->FruitsInterval});
        };
    }
    // The bot plays until Condition holds; false when it did not within MaxFrames or the round ended.
    bool PlayUntil(const std::function<bool()>& Condition, int MaxFrames) {
        for (int Frame = 0; Frame < MaxFrames; ++Frame) {
            if (Condition()) return true;
            if (Bot->Finished()) return false;
            Bot->BotFrame(Options);
        }
        return Condition();
    }
    bool Until(const std::function<bool()>& Condition, int MaxFrames) {
        return Driver->StepUntil(Condition, MaxFrames);
    }
    TFormMain& Form() { return Driver->Form(); }
    TFruitWorms& Worms() { return *Form().FruitWorms; }
    // The live crawler's slot, or -1.
    int Crawler() {
        for (int I = 0; I < TFruitWorms::SlotCount; ++I) {
            const TWormState S = Worms().Crawler(I).State;
            if (S == wsAppearing || S == wsWalking) return I;
        }
        return -1;
    }

    struct TWave {
        int Landed;
        int32_t IntervalAfter;
    };
    std::unique_ptr<TTestDriver> Driver;
    std::unique_ptr<TRoundDriver> Bot;
    TRoundPlayOptions Options;
    int LandedFruits = 0;
    std::vector<TWave> Waves;
    std::function<void()> BeforeWave;
};

TEST_F(WormsRound, OnOneOhSevenTheFirstWaveComesAfterTwentyFruitsAndTheLessonPutsBackFifty) {
    for (bool TutorialOn : {true, false}) {
        SCOPED_TRACE(TutorialOn ? "tutorial on" : "tutorial off");
        TEnemyLevelGame Game(7, LongFindFlowers);
        Open(Game.Path());
        Form().PlayerProgress->Record().TutorialEnabled = TutorialOn ? 1 : 0;
        ASSERT_TRUE(Bot->Start(1, 7, 21));
        EXPECT_EQ(Worms().FruitsInterval, 20) << "held at its introductory interval";
        EXPECT_EQ(Worms().MaxWormsOnBoard, Form().RoundLevel.Record.MaxWormsOnBoard);
        EXPECT_EQ(Worms().MaxEatenFruits, Form().RoundLevel.Record.MaxEatenFruits);
        EXPECT_EQ(Worms().OneEntryEveryProb, Form().RoundLevel.Record.OneEntryEveryProb);
        ASSERT_EQ(Form().RoundLevel.Record.WormFruitsInterval, 50);
        WatchWaves();
        ASSERT_TRUE(PlayUntil([&] { return Waves.size() >= 2; }, 30000)) << Waves.size() << " waves";
        EXPECT_EQ(Waves[0].Landed, 20);
        EXPECT_EQ(Waves[0].IntervalAfter, 50) << "the fairy was free: the level's own interval";
        EXPECT_EQ(Waves[1].Landed, 70);
        EXPECT_EQ(Waves[1].IntervalAfter, 50) << "released once, it stays";
        EXPECT_GT(Worms().CrawlerCount() + Worms().PendingWorms() + Form().GameBoard->EatingCount() +
                      Form().GameBoard->EatenCount(),
                  0)
            << "the wave came";

        // A new start of the level holds the introductory interval again.
        ASSERT_TRUE(Form().StartLevel(1, 7));
        EXPECT_EQ(Worms().FruitsInterval, 20);
        EXPECT_EQ(Worms().CrawlerCount(), 0);
        EXPECT_EQ(Worms().PendingWorms(), 0);
        Bot.reset();
        Driver.reset();
        Waves.clear();
        LandedFruits = 0;
    }
}

TEST_F(WormsRound, WithTheFairyBusyAtTheFirstWaveTheLessonWaitsForTheNextTwentyFruits) {
    TEnemyLevelGame Game(7, LongFindFlowers);
    Open(Game.Path());
    ASSERT_TRUE(Bot->Start(1, 7, 21));
    WatchWaves();
    // She is sent to cast (over a fruit that is not eaten: it changes nothing) just as the first wave is due.
    BeforeWave = [&] {
        if (!Waves.empty()) return;
        TFairy& Fairy = *Form().Fairy;
        const TPoint Wand = Fairy.RestoreWandPoint({5, 5});
        EXPECT_TRUE(Fairy.OrderMagic(Wand.X, Wand.Y, mpRestoreFruit, TPoint{5, 5}));
        EXPECT_FALSE(Fairy.IsFree());
    };
    ASSERT_TRUE(PlayUntil([&] { return Waves.size() >= 3; }, 40000)) << Waves.size() << " waves";
    EXPECT_EQ(Waves[0].Landed, 20);
    EXPECT_EQ(Waves[0].IntervalAfter, 20) << "no lesson while she is busy";
    EXPECT_EQ(Waves[1].Landed, 40);
    EXPECT_EQ(Waves[1].IntervalAfter, 50);
    EXPECT_EQ(Waves[2].Landed, 90);
}

TEST_F(WormsRound, AnotherLevelKeepsItsOwnIntervalAndTheLessonEventChangesNothingThere) {
    TEnemyLevelGame Game(8, [](TLevelRecord& Record) {
        Record.Time = 3000;
        Record.WormFruitsInterval = 20;
    });
    Open(Game.Path());
    ASSERT_TRUE(Bot->Start(1, 8, 5));
    EXPECT_EQ(Worms().FruitsInterval, 20);
    WatchWaves();
    ASSERT_TRUE(PlayUntil([&] { return Waves.size() >= 2; }, 30000)) << Waves.size() << " waves";
    EXPECT_EQ(Waves[0].Landed, 20);
    EXPECT_EQ(Waves[0].IntervalAfter, 20);
    EXPECT_EQ(Waves[1].Landed, 40);
}

// The worm creeps into the first fruit it reaches once the bot has stopped playing
// (a worm the last cascade knocks off is waited out, and the bot plays on for the
// next). Ten seconds later the fruit is eaten, 25 seconds on the fairy is asked,
// flies over it and mends it.
TEST_F(WormsRound, AWormEatsAFruitAndTheFairyRestoresIt) {
    TEnemyLevelGame Game(10, OneWormAtATime(1));
    Open(Game.Path());
    ASSERT_TRUE(Bot->Start(1, 10, 3));
    TGameBoard& Board = *Form().GameBoard;
    TPoint Eating;
    for (int Try = 0; Try < 10 && !IsBoardPos(Eating); ++Try) {
        ASSERT_TRUE(PlayUntil([&] { return Crawler() >= 0; }, 6000)) << "no worm came";
        Until([&] { return Board.EatingCount() == 1 || Crawler() < 0; }, 3000);
        for (int X = 1; X <= BoardSize; ++X)
            for (int Y = 1; Y <= BoardSize; ++Y)
                if (Board.BoardData().At(X, Y).WormState == WormStateEating) Eating = {X, Y};
    }
    ASSERT_TRUE(IsBoardPos(Eating)) << "no worm crept into a fruit";
    EXPECT_EQ(Worms().CrawlerCount(), 0);
    ASSERT_TRUE(Until([&] { return Board.BoardData()[Eating].WormState != WormStateEating; }, 340));
    ASSERT_EQ(Board.BoardData()[Eating].WormState, WormStateEaten);
    EXPECT_EQ(Board.EatenCount(), 1);
    EXPECT_EQ(Worms().CrawlerCount(), 0) << "the cap counts the eaten fruit";
    ASSERT_TRUE(Until([&] { return Board.RestoreAsked(Eating); }, 840));
    bool Cast = false;
    ASSERT_TRUE(Until(
        [&] {
            Cast |= Form().Fairy->State() == fsCasting;
            return Board.BoardData()[Eating].WormState == WormStateNone;
        },
        1500));
    EXPECT_TRUE(Cast) << "she came with her wand";
    EXPECT_FALSE(Board.RestoreAsked(Eating));
    EXPECT_EQ(Board.EatenCount(), 0);
}

// A crawler never enters a fruit here; held over it, the aerosol's spray knocks it off.
TEST_F(WormsRound, TheSprayKnocksACrawlingWormOff) {
    TEnemyLevelGame Game(10, OneWormAtATime(1000000));
    Open(Game.Path(), true);
    ASSERT_TRUE(Bot->Start(1, 10, 3));
    TAerosol& Aerosol = *Form().Tools.Aerosol;
    ASSERT_TRUE(Aerosol.Available);
    ASSERT_TRUE(PlayUntil([&] { return Crawler() >= 0 && Worms().Crawler(Crawler()).State == wsWalking; }, 6000))
        << "no worm came";
    ASSERT_TRUE(Until([&] { return Form().Panels.LeftPanel->Position().X == 0; }, 400));
    const int Slot = Crawler();
    const TWormSlot& Worm = Worms().Crawler(Slot);
    Driver->MouseMove(45, 300);
    Driver->MouseDown(45, 300);
    Driver->MouseUp(45, 300);
    ASSERT_EQ(Aerosol.State(), thHeld);
    const int X = Round(Worm.PosX);
    const int Y = Round(Worm.PosY);
    Driver->MouseMove(X, Y);
    Driver->MouseDown(X, Y);
    Driver->MouseUp(X, Y);
    ASSERT_TRUE(Until([&] { return Worm.State == wsHit || Worm.State == wsFalling; }, 60)) << "the spray missed";
    EXPECT_EQ(Aerosol.Count(), 2);
    ASSERT_TRUE(Until([&] { return Worm.State == wsInactive; }, 200));
}

TEST_F(WormsRound, TheAerosolStaysInHandWhileAWormCrawls) {
    TEnemyLevelGame Game(10, OneWormAtATime(1000000));
    Open(Game.Path(), true);
    ASSERT_TRUE(Bot->Start(1, 10, 3));
    TAerosol& Aerosol = *Form().Tools.Aerosol;
    ASSERT_TRUE(PlayUntil([&] { return Crawler() >= 0 && Worms().Crawler(Crawler()).State == wsWalking; }, 6000));
    ASSERT_TRUE(Until([&] { return Form().Panels.LeftPanel->Position().X == 0; }, 400));
    Driver->MouseMove(45, 300);
    Driver->MouseDown(45, 300);
    Driver->MouseUp(45, 300);
    ASSERT_EQ(Aerosol.State(), thHeld);
    // A spray far from the worm: the worm is still there, so the can stays in hand.
    const TWormSlot& Worm = Worms().Crawler(Crawler());
    const int X = Worm.PosX < 450 ? 660 : 240;
    const int Y = Worm.PosY < 320 ? 520 : 110;
    Driver->MouseMove(X, Y);
    Driver->MouseDown(X, Y);
    Driver->MouseUp(X, Y);
    ASSERT_EQ(Aerosol.State(), thUsing);
    ASSERT_TRUE(Until([&] { return Aerosol.State() != thUsing; }, 200));
    EXPECT_EQ(Worm.State, wsWalking);
    EXPECT_EQ(Aerosol.State(), thHeld);
}

TEST_F(WormsRound, APauseFreezesTheWormsAndTimeUpKnocksThemOffUncounted) {
    TEnemyLevelGame Game(10, [](TLevelRecord& Record) {
        OneWormAtATime(1000000)(Record);
        Record.Time = 60;
    });
    Open(Game.Path());
    ASSERT_TRUE(Bot->Start(1, 10, 3));
    ASSERT_TRUE(PlayUntil([&] { return Crawler() >= 0 && Worms().Crawler(Crawler()).State == wsWalking; }, 1800));
    const TWormSlot& Worm = Worms().Crawler(Crawler());
    Driver->KeyDown(SDLK_SPACE);
    Driver->Step(1);
    ASSERT_FALSE(Worms().Visible);
    const double Y = Worm.PosY;
    const double X = Worm.PosX;
    Driver->Step(50);
    EXPECT_EQ(Worm.PosX, X);
    EXPECT_EQ(Worm.PosY, Y);
    Driver->KeyDown(SDLK_SPACE);
    Driver->Step(1);
    EXPECT_TRUE(Worms().Visible);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsTimeUp; }, 2200));
    EXPECT_NE(Worm.State, wsWalking) << "time up sends every worm off the board";
    EXPECT_EQ(Worms().PendingWorms(), 0);
}

}  // namespace
