// The crawling spiders without a screen: waves and hunts, dropping in and
// resting, which states the three kinds of blow reach, the tile a spider is hit
// through, the web quota and webs that cannot be put, clearing away, the falling
// roll, and the board's side: which tiles take a web, putting one, and the
// landing tile of a new spider.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CrawlingSpidersClass.h"
#include "DrawnBoard.h"
#include "EnemyTestSupport.h"
#include "GameBoardClass.h"
#include "RandomClass.h"
#include "WebEffectClass.h"

namespace {

using namespace enemytest;

constexpr int NeverProb = 1000000000;

class Spiders : public ::testing::Test {
protected:
    void SetUp() override {
        FruitColorCount = 5;
        GameplayRandom().SetSeed(9);
        S.TakeBoard(QuietFruits());
        S.OnTopBoardPosRequest = [this](TObject* Sender, TPoint& P) {
            EXPECT_EQ(Sender, &S);
            ++Landings;
            P = Landing;
        };
        S.OnTilePossibleToWebQuestion = [this](TObject*, TPoint, bool& Can) { Can = Webbable; };
        S.OnOneSpiderHit = [this](TObject*) { ++Hits; };
        S.OnPutWeb = [this](TObject*, TPoint P) { Webs.push_back(P); };
    }
    void TearDown() override { FruitColorCount = 5; }
    // A wave of one spider, run until it has been added.
    void AddOne() {
        S.MaxSpidersOnBoard = 1;
        S.StartWave(0);
        ASSERT_GT(RunUntil(S, [&] { return S.Spider(0).State != ssInactive; }, 200), 0);
    }
    // Spider 0 brought to a state, from a fresh start.
    bool BringTo(TSpiderState Wanted) {
        S.Reset();
        S.TakeBoard(QuietFruits());
        S.OneStoppingEveryProb = NeverProb;
        S.OneWebEveryProb = 1;
        Webbable = Wanted == ssAnchoring || Wanted == ssSpinning;
        if (Wanted == ssInactive) return true;
        // Alone on its tile, a spider has nowhere to crawl and leaves.
        if (Wanted == ssDroppingToGround || Wanted == ssWalkingAway) S.TakeBoard(OnlyTiles({Landing}));
        AddOne();
        const TSpiderState Before = Wanted == ssHit || Wanted == ssFalling ? ssStopped : Wanted;
        if (RunUntil(S, [&] { return S.Spider(0).State == Before; }, 500) < 0 && S.Spider(0).State != Before)
            return false;
        if (Before == Wanted) return true;
        S.RemoveAll();
        return Wanted == ssHit || RunUntil(S, [&] { return S.Spider(0).State == Wanted; }, 100) > 0;
    }
    TPoint Centre(const TSpiderSlot& Slot) const {
        return {Slot.PosX + S.SpiderWidth / 2, Slot.PosY + S.SpiderHeight / 2};
    }

    TCrawlingSpiders S;
    TPoint Landing{5, 3};
    bool Webbable = false;
    int Landings = 0;
    int Hits = 0;
    std::vector<TPoint> Webs;
};

TEST_F(Spiders, LandedFruitsBringAWaveAtEveryIntervalButNeverInAHunt) {
    struct TCase {
        int Interval;
        bool Hunt;
        std::vector<int> WavesAt;
    };
    const TCase Cases[] = {{0, false, {}}, {-1, false, {}}, {4, false, {4, 8}}, {4, true, {}}};
    for (const TCase& C : Cases) {
        S.Reset();
        S.FruitsInterval = C.Interval;
        if (C.Hunt) S.StartHunt(0);
        std::vector<int> Waves;
        int Fruit = 0;
        S.OnFruitsIntervalReached = [&](TObject*) { Waves.push_back(Fruit); };
        for (Fruit = 1; Fruit <= 10; ++Fruit) S.CountLandedFruit();
        EXPECT_EQ(Waves, C.WavesAt) << "interval " << C.Interval << (C.Hunt ? " in a hunt" : "");
        if (C.Hunt) {
            EXPECT_EQ(S.LandedFruits(), 0);
        }
    }
}

TEST_F(Spiders, AWaveTopsTheBoardUpAndABoardFullOfWebsGetsNone) {
    AddOne();
    S.MaxSpidersOnBoard = 2;
    S.StartWave(1);
    EXPECT_EQ(S.SpidersToAdd(), 1) << "one is already there";
    EXPECT_EQ(S.WebQuota(), 2);
    ASSERT_GT(RunUntil(S, [&] { return S.PresentCount() == 2; }, 200), 0);

    S.Reset();
    S.MaxWebs = 3;
    Landings = 0;
    S.StartWave(3);
    RunFrames(S, 500);
    EXPECT_EQ(Landings, 0) << "webs spun already at the quota: nobody is added";
    EXPECT_EQ(S.PresentCount(), 0);
}

TEST_F(Spiders, ANewSpiderDropsFromOneOf15HeightsOntoItsTileAndRests14Frames) {
    std::set<int> Heights;
    for (uint64_t Seed = 1; Seed <= 60; ++Seed) {
        S.Reset();
        GameplayRandom().SetSeed(Seed);
        AddOne();
        const TSpiderSlot& Spider = S.Spider(0);
        const TPoint Point = S.SpiderPoint(Landing);
        // The spawn's own frame has already dropped it once.
        const int Start = Spider.PosY - S.FallingMoveStep;
        ASSERT_EQ(Start % 25, 0);
        Heights.insert(Start);
        EXPECT_EQ(Spider.PosX, Point.X);
        EXPECT_EQ(Spider.Tile, Landing);
        ASSERT_GE(RunUntil(S, [&] { return Spider.State == ssStopped; }, 60), 0);
        EXPECT_EQ(Spider.PosY, Point.Y);
        EXPECT_EQ(RunUntil(S, [&] { return Spider.State != ssStopped; }, 60), 14) << "a rest of 400 ms";
    }
    EXPECT_GE(*Heights.begin(), -350);
    EXPECT_LE(*Heights.rbegin(), 0);
    EXPECT_GE(Heights.size(), 10u);
    EXPECT_EQ(S.SpiderPoint({1, 1}), (TPoint{BoardScreenLeft - 2, BoardScreenTop + 12}));
}

TEST_F(Spiders, OnlyWalkingStoppedAnchoringAndSpinningSpidersCanBeHit) {
    TSoundLog Sounds;
    enum THitKind { hkMask, hkStatus, hkRect };
    for (int State = ssWalking; State <= ssFalling; ++State) {
        for (THitKind Kind : {hkMask, hkStatus, hkRect}) {
            const TSpiderState Wanted = static_cast<TSpiderState>(State);
            ASSERT_TRUE(BringTo(Wanted)) << "state " << State;
            ASSERT_EQ(S.Spider(0).State, Wanted);
            const TSpiderSlot& Spider = S.Spider(0);
            const int HitsBefore = Hits;
            const int SoundsBefore = Sounds.Count("SpiderHit");
            const TPoint C = Centre(Spider);
            switch (Kind) {
                case hkMask: S.HitByMask(IsBoardPos(Spider.Tile) ? Marked({Spider.Tile}) : Marked({})); break;
                case hkStatus: S.HitByStatus(IsBoardPos(Spider.Tile) ? FallingAt({Spider.Tile}) : FallingAt({})); break;
                case hkRect: S.HitInRect({C.X, C.Y, C.X, C.Y}); break;
            }
            const bool Expected = State <= ssSpinning;
            EXPECT_EQ(Hits - HitsBefore, Expected ? 1 : 0) << "state " << State << ", blow " << Kind;
            EXPECT_EQ(Sounds.Count("SpiderHit") - SoundsBefore, Expected ? 1 : 0);
            if (Expected) {
                EXPECT_EQ(Spider.State, ssHit);
                EXPECT_EQ(Spider.HitPos, (TPoint{Spider.PosX, Spider.PosY}));
            } else {
                EXPECT_EQ(Spider.State, Wanted) << "state " << State << ", blow " << Kind;
            }
        }
    }
}

TEST_F(Spiders, ASpiderIsHitOnlyThroughTheTileItLastReached) {
    S.OneStoppingEveryProb = NeverProb;
    AddOne();
    const TSpiderSlot& Spider = S.Spider(0);
    ASSERT_GE(RunUntil(S, [&] { return Spider.State == ssWalking; }, 100), 0);
    RunFrames(S, 10);  // on its way from its landing tile to the next
    ASSERT_EQ(Spider.Tile, Landing);
    ASSERT_NE(Spider.NextTile, Landing);
    const TPoint L = Landing;
    S.HitByMask(Marked({Spider.NextTile, {L.X - 1, L.Y}, {L.X + 1, L.Y}, {L.X, L.Y - 1}, {L.X, L.Y + 1},
                        {L.X + 1, L.Y + 1}}));
    S.HitByStatus(FallingAt({Spider.NextTile, {L.X + 1, L.Y}, {L.X, L.Y + 1}}));
    EXPECT_EQ(Hits, 0) << "a blow beside the spider, or on the tile it crawls to, misses";
    S.HitByMask(Marked({Landing}));
    EXPECT_EQ(Hits, 1);
}

TEST_F(Spiders, AMatchThroughASpidersWebbedTileTearsTheWebAndMissesTheSpider) {
    TGameBoard Board;
    TWebEffect Tearing;
    TBoardData Tiles = QuietFruits();
    // Colour 2 across row 3, the middle fruit under a web.
    Tiles.At(4, 3).Content = 2;
    Tiles.At(6, 3).Content = 2;
    Tiles.At(5, 3).Web = true;
    Board.LoadBoardData(Tiles);
    AddOne();
    ASSERT_GE(RunUntil(S, [&] { return S.Spider(0).State == ssStopped; }, 100), 0);
    ASSERT_EQ(S.Spider(0).Tile, (TPoint{5, 3}));

    TTileSet Grouped;
    Board.OnWebEffectRequest = [&](TObject*, TPoint P) { Tearing.Start(P); };
    Board.OnGroupedFruitsEffectRequest = [&](TObject*, TBoardData, TSimpleObjectArray Mask, bool, TPoint) {
        Grouped = TilesOf(Mask);
        S.HitByMask(Mask);
        Board.RemoveGroupedTiles(Mask);
        S.HitByStatus(Board.TileStatuses());
    };
    Board.CheckFruitGroups();
    EXPECT_EQ(Grouped, (TTileSet{{4, 3}, {6, 3}}));
    EXPECT_FALSE(Board.BoardData().At(5, 3).Web);
    EXPECT_EQ(Tearing.ActiveCount(), 1) << "one tearing for the one web";
    EXPECT_EQ(Hits, 0);
    EXPECT_EQ(S.Spider(0).State, ssStopped);
}

TEST_F(Spiders, ASpiderHitWhileAnchoringOrSpinningMakesNoWeb) {
    for (TSpiderState State : {ssAnchoring, ssSpinning}) {
        Webs.clear();
        ASSERT_TRUE(BringTo(State));
        S.HitByMask(Marked({S.Spider(0).Tile}));
        EXPECT_EQ(S.Spider(0).State, ssHit);
        RunFrames(S, 400);
        EXPECT_TRUE(Webs.empty()) << "state " << State;
        EXPECT_EQ(S.WebsSpun(), 0);
        EXPECT_EQ(S.Spider(0).State, ssInactive);
    }
}

TEST_F(Spiders, ASpiderWebbingATileKeepsEveryOtherFromStartingAWebThere) {
    Webbable = true;
    S.OneWebEveryProb = 1;
    S.OneStoppingEveryProb = NeverProb;
    S.MaxSpidersOnBoard = 2;
    int AskedWhileBusy = 0;
    S.OnTilePossibleToWebQuestion = [&](TObject*, TPoint P, bool& Can) {
        Can = true;
        for (int I = 0; I < TCrawlingSpiders::SlotCount; ++I) {
            const TSpiderSlot& Other = S.Spider(I);
            if ((Other.State == ssAnchoring || Other.State == ssSpinning) && Other.Tile == P) ++AskedWhileBusy;
        }
    };
    S.StartWave(0);
    for (int Frame = 0; Frame < 600; ++Frame) {
        S.Frame();
        int Webbers = 0;
        for (int I = 0; I < TCrawlingSpiders::SlotCount; ++I) {
            const TSpiderSlot& Spider = S.Spider(I);
            if ((Spider.State == ssAnchoring || Spider.State == ssSpinning) && Spider.Tile == Landing) ++Webbers;
        }
        ASSERT_LE(Webbers, 1) << "frame " << Frame;
    }
    EXPECT_GE(AskedWhileBusy, 1) << "the second spider reached the tile while the first was at work there";
}

TEST_F(Spiders, WithTheirWebsSpunSpidersDropToTheGroundAndWalkOffRightAndTearingBringsNoneBack) {
    TGameBoard Board;
    Board.LoadBoardData(QuietFruits());
    S.OnTopBoardPosRequest = [&](TObject*, TPoint& P) {
        ++Landings;
        P = Board.RandomTopTile();
    };
    S.OnTilePossibleToWebQuestion = [&](TObject*, TPoint P, bool& Can) { Can = Board.CanWebTile(P); };
    S.OnPutWeb = [&](TObject*, TPoint P) { Board.PutWeb(P); };
    S.OneWebEveryProb = 1;
    S.TakeBoard(Board.BoardData());
    S.StartWave(Board.WebCount());
    EXPECT_EQ(S.WebQuota(), 3);

    std::vector<std::vector<TSpiderState>> Lives(TCrawlingSpiders::SlotCount);
    auto AllGone = [&] {
        for (int I = 0; I < TCrawlingSpiders::SlotCount; ++I)
            if (S.Spider(I).State != ssInactive) return false;
        return Landings > 0;
    };
    for (int Frame = 0; Frame < 3000 && !(S.WebsSpun() >= 3 && AllGone()); ++Frame) {
        S.Frame();
        for (int I = 0; I < TCrawlingSpiders::SlotCount; ++I) {
            const TSpiderSlot& Spider = S.Spider(I);
            if (Lives[I].empty() || Lives[I].back() != Spider.State) Lives[I].push_back(Spider.State);
            if (Spider.State == ssDroppingToGround) {
                EXPECT_EQ(Spider.Target.Y, 565);
            }
            if (Spider.State == ssWalkingAway) {
                EXPECT_EQ(Spider.PosY, 565);
            }
        }
    }
    ASSERT_GE(S.WebsSpun(), 3);
    ASSERT_TRUE(AllGone());
    EXPECT_EQ(Landings, 2);
    EXPECT_EQ(Board.WebCount(), S.WebsSpun()) << "every web finished on a free tile is put";
    for (int I = 0; I < 2; ++I) {
        const std::vector<TSpiderState>& Life = Lives[I];
        ASSERT_GE(Life.size(), 4u);
        EXPECT_EQ(Life[Life.size() - 3], ssDroppingToGround) << "spider " << I;
        EXPECT_EQ(Life[Life.size() - 2], ssWalkingAway);
        EXPECT_EQ(Life.back(), ssInactive);
    }
    EXPECT_GE(S.Spider(0).PosX, 800);

    // The webs torn, the spiders do not come back: the wave's share is spun.
    Board.LoadBoardData(QuietFruits());
    RunFrames(S, 1000);
    EXPECT_EQ(Landings, 2);
    // The next wave has a share of its own.
    S.StartWave(Board.WebCount());
    ASSERT_GT(RunUntil(S, [&] { return Landings == 3; }, 200), 0);
}

TEST_F(Spiders, SpidersAlreadyAtWorkFinishTheirWebsPastTheQuota) {
    Webbable = true;
    S.OneWebEveryProb = 1;
    S.OneStoppingEveryProb = NeverProb;
    S.MaxSpidersOnBoard = 2;
    S.MaxWebs = 1;
    const TPoint Tiles[2] = {{2, 3}, {8, 3}};
    int Next = 0;
    S.OnTopBoardPosRequest = [&](TObject*, TPoint& P) { P = Tiles[Next++ % 2]; };
    S.StartWave(0);
    RunUntil(S, [&] { return S.WebsSpun() >= 2; }, 800);
    EXPECT_EQ(S.WebsSpun(), 2);
    ASSERT_EQ(Webs.size(), 2u);
    const TTileSet Webbed{{Webs[0].X, Webs[0].Y}, {Webs[1].X, Webs[1].Y}};
    EXPECT_EQ(Webbed, (TTileSet{{2, 3}, {8, 3}}));
}

TEST_F(Spiders, AWebFinishedWhereItCannotBePutStillCountsAsSpun) {
    struct TCase {
        const char* What;
        void (*Change)(TBoardTile&);
    };
    const TCase Cases[] = {
        {"a special", [](TBoardTile& T) { T.Content = ccHammer; }},
        {"an emptied position", [](TBoardTile& T) { T.Kind = okTempBlank; }},
    };
    for (const TCase& C : Cases) {
        TGameBoard Board;
        Board.LoadBoardData(QuietFruits());
        S.OnTilePossibleToWebQuestion = [&](TObject*, TPoint P, bool& Can) { Can = Board.CanWebTile(P); };
        S.OnPutWeb = [&](TObject*, TPoint P) { Board.PutWeb(P); };
        ASSERT_TRUE(BringTo(ssSpinning));
        const TPoint Tile = S.Spider(0).Tile;
        TBoardData Changed = QuietFruits();
        C.Change(Changed[Tile]);
        Board.LoadBoardData(Changed);
        RunUntil(S, [&] { return S.Spider(0).State != ssSpinning; }, 300);
        EXPECT_EQ(S.WebsSpun(), 1) << C.What;
        EXPECT_EQ(Board.WebCount(), 0) << C.What;
    }
}

TEST_F(Spiders, AHuntTopsTheBoardUpEvery134To200Frames) {
    S.MaxSpidersOnBoard = 2;
    std::vector<int> TopUps;
    int Frame = 0;
    S.OnTopBoardPosRequest = [&](TObject*, TPoint& P) {
        if (TopUps.empty() || TopUps.back() != Frame) TopUps.push_back(Frame);
        P = Landing;
    };
    S.StartHunt(0);
    for (Frame = 1; Frame <= 1500; ++Frame) {
        S.Frame();
        if (TopUps.empty() || TopUps.back() != Frame) continue;
        EXPECT_EQ(S.PresentCount(), 2) << "topped up to the maximum at frame " << Frame;
        // Knocked off at once, so the next top-up has room again.
        S.RemoveAll();
        EXPECT_TRUE(S.Hunting());
    }
    ASSERT_GE(TopUps.size(), 6u);
    EXPECT_EQ(TopUps[0], 1) << "the hunt's first spiders come at the next frame";
    const std::set<int> Allowed{134, 150, 167, 184, 200};
    for (size_t I = 1; I < TopUps.size(); ++I)
        EXPECT_TRUE(Allowed.count(TopUps[I] - TopUps[I - 1])) << "gap " << TopUps[I] - TopUps[I - 1];
    EXPECT_EQ(Hits, 0);
}

TEST_F(Spiders, AHuntAddsNobodyWhileAShuffleRunsAndStartsAfreshAfterIt) {
    bool Shuffling = true;
    int Asked = 0;
    S.OnCanAddSpiderForHunt = [&](TObject*, bool& Can) {
        ++Asked;
        Can = !Shuffling;
    };
    S.MaxSpidersOnBoard = 2;
    S.StartHunt(0);
    RunFrames(S, 450);
    EXPECT_EQ(Landings, 0);
    EXPECT_GE(Asked, 3) << "every top-up asks, and the timer runs on";
    Shuffling = false;
    S.StartHunt(0);
    S.Frame();
    EXPECT_EQ(Landings, 2);
    EXPECT_EQ(S.PresentCount(), 2);
}

TEST_F(Spiders, AHuntWhoseWebsAreSpunAddsNobodyUntilItStartsAgain) {
    Webbable = true;
    S.OneWebEveryProb = 1;
    S.MaxSpidersOnBoard = 1;
    S.MaxWebs = 1;
    S.StartHunt(0);
    ASSERT_GT(RunUntil(S, [&] { return S.WebsSpun() == 1; }, 400), 0);
    ASSERT_GT(RunUntil(S, [&] { return S.Spider(0).State == ssInactive; }, 400), 0) << "it leaves";
    const int LandingsBefore = Landings;
    RunFrames(S, 800);
    EXPECT_EQ(Landings, LandingsBefore) << "top-ups find the share spun";
    S.StartHunt(0);
    S.Frame();
    EXPECT_EQ(Landings, LandingsBefore + 1);
}

TEST_F(Spiders, ClearingAwayKnocksOffEverySpiderUncountedWithOneSound) {
    TSoundLog Sounds;
    const TPoint Tiles[3] = {{2, 2}, {5, 2}, {8, 2}};
    int Next = 0;
    S.OnTopBoardPosRequest = [&](TObject*, TPoint& P) { P = Tiles[Next++ % 3]; };
    S.MaxSpidersOnBoard = 3;
    S.StartHunt(0);
    S.Frame();
    ASSERT_EQ(S.PresentCount(), 3);
    RunUntil(S, [&] { return S.Spider(0).State == ssStopped; }, 100);
    S.HitByMask(Marked({Tiles[0]}));
    RunUntil(S, [&] { return S.Spider(0).State == ssFalling; }, 30);
    ASSERT_EQ(Hits, 1);
    const int SoundsBefore = Sounds.Count("SpiderHit");

    S.RemoveAll();
    EXPECT_EQ(Hits, 1);
    EXPECT_EQ(Sounds.Count("SpiderHit"), SoundsBefore + 1);
    for (int I = 0; I < 3; ++I) {
        const TSpiderSlot& Spider = S.Spider(I);
        EXPECT_EQ(Spider.State, ssHit) << "spider " << I << ", the falling one too";
        EXPECT_EQ(Spider.HitPos, (TPoint{Spider.PosX, Spider.PosY}));
    }
    EXPECT_EQ(S.SpidersToAdd(), 0);
    EXPECT_TRUE(S.Hunting());
    S.StopHunt();
    RunFrames(S, 100);
    S.RemoveAll();
    EXPECT_EQ(Sounds.Count("SpiderHit"), SoundsBefore + 1) << "no spider, no sound";
}

TEST_F(Spiders, AHitSpiderCurlsUpThenRollsOffRaisingDustOnItsFirstStretch) {
    std::vector<TPoint> Dust;
    S.OnFallingPosUpdate = [&](TObject*, TPoint P) { Dust.push_back(P); };
    AddOne();
    const TSpiderSlot& Spider = S.Spider(0);
    RunUntil(S, [&] { return Spider.State == ssStopped; }, 100);
    S.HitByMask(Marked({Landing}));
    const TPoint HitAt = Spider.HitPos;
    EXPECT_EQ(RunUntil(S, [&] { return Spider.State == ssFalling; }, 30), 16) << "the curling up";
    for (int K = 1; K <= 12; ++K) {
        S.Frame();
        EXPECT_EQ(Spider.Angle, 12 * K % 360);
    }
    ASSERT_EQ(Dust.size(), 11u) << "150 pixels at 13 a frame";
    for (int K = 1; K <= 11; ++K) EXPECT_EQ(Dust[K - 1], (TPoint{HitAt.X, HitAt.Y + 13 * K}));
    RunUntil(S, [&] { return Spider.State == ssInactive; }, 100);
    EXPECT_GE(Spider.PosY, 600);
    EXPECT_LT(Spider.PosY - 13, 600);
}

TEST_F(Spiders, ASpiderWithNowhereToCrawlWalksAwayUncounted) {
    S.TakeBoard(OnlyTiles({Landing}));
    AddOne();
    ASSERT_GT(RunUntil(S, [&] { return S.Spider(0).State == ssInactive; }, 300), 0);
    EXPECT_EQ(Hits, 0);
    EXPECT_GE(S.Spider(0).PosX, 800);
}

// The aerosol aims at the spider's centre from the walking picture's size: a game
// run without images must aim as a drawn one does, so the defaults are the art's size.
TEST(SpiderArt, TheDefaultSizesAreTheSizesOfTheDrawnPictures) {
    std::ifstream Catalogue(std::string(QUELLOW_SOURCE_DIR) + "/assets/images/catalogue.txt");
    ASSERT_TRUE(Catalogue.good());
    const TCrawlingSpiders Spiders;
    const TWebEffect Tearing;
    struct TExpected {
        std::string Name;
        int Width;
        int Height;
        bool Found = false;
    };
    TExpected Images[] = {{"SpiderWalking", Spiders.SpiderWidth, Spiders.SpiderHeight},
                          {"Web", Tearing.OrigWebWidth, Tearing.OrigWebHeight}};
    std::string Line;
    while (std::getline(Catalogue, Line)) {
        std::istringstream Fields(Line);
        std::string Name, Folder, Type, Grid, Size;
        if (!(Fields >> Name >> Folder >> Type >> Grid >> Size) || Name[0] == '#') continue;
        for (TExpected& Image : Images) {
            if (Name != Image.Name) continue;
            Image.Found = true;
            EXPECT_EQ(Size, std::to_string(Image.Width) + "x" + std::to_string(Image.Height)) << Name;
        }
    }
    EXPECT_TRUE(Images[1].Found) << "the web is drawn";
    if (!Images[0].Found) GTEST_SKIP() << "the spider is not drawn yet";
}

// ---- The board's side: webs and landing tiles ----

class SpiderBoard : public ::testing::Test {
protected:
    void SetUp() override {
        FruitColorCount = 5;
        GameplayRandom().SetSeed(4);
    }
    void TearDown() override { FruitColorCount = 5; }
    TGameBoard Board;
};

struct TWebCase {
    const char* What;
    void (*Change)(TBoardTile&);
    bool CanWeb;  // a spider may start one there
    bool Puts;    // a finished web lands there
};

const TWebCase WebCases[] = {
    {"fruit", [](TBoardTile&) {}, true, true},
    {"locker", [](TBoardTile& T) { T.Kind = okLocker; }, true, true},
    {"fruit being eaten", [](TBoardTile& T) { T.WormState = WormStateEating; }, false, true},
    {"eaten fruit", [](TBoardTile& T) { T.WormState = WormStateEaten; }, false, true},
    {"webbed fruit", [](TBoardTile& T) { T.Web = true; }, false, true},
    {"fruit with a bomb", [](TBoardTile& T) { T.Bomb = true; }, false, false},
    {"hammer", [](TBoardTile& T) { T.Content = ccHammer; }, false, false},
    {"flower", [](TBoardTile& T) { T.Content = ccFlower; }, false, false},
    {"uni fruit", [](TBoardTile& T) { T.Content = ccUniFruit; }, false, false},
    {"locker hiding a broom",
     [](TBoardTile& T) {
         T.Kind = okLocker;
         T.Content = ccBroom;
     },
     false, false},
    {"emptied position", [](TBoardTile& T) { T.Kind = okTempBlank; }, false, false},
    {"blocker", [](TBoardTile& T) { T.Kind = okBlocker; }, false, false},
    {"hole", [](TBoardTile& T) { T.Kind = okUnused; }, false, false},
};

TEST_F(SpiderBoard, AWebStartsOnlyOnAFreeLockerOrFruitAndLandsOnAnyWithoutASpecial) {
    for (const TWebCase& C : WebCases) {
        TBoardData Data = QuietFruits();
        C.Change(Data.At(4, 4));
        const bool HadWeb = Data.At(4, 4).Web;
        Board.LoadBoardData(Data);
        EXPECT_EQ(Board.CanWebTile({4, 4}), C.CanWeb) << C.What;
        Board.PutWeb({4, 4});
        EXPECT_EQ(Board.BoardData().At(4, 4).Web, C.Puts || HadWeb) << C.What;
        EXPECT_EQ(Board.WebCount(), C.Puts || HadWeb ? 1 : 0) << C.What;
    }
    EXPECT_FALSE(Board.CanWebTile({0, 4}));
    Board.PutWeb({11, 4});  // off the board: nothing, and no fault
}

TEST_F(SpiderBoard, AWebLandsOnABusyTileAndLetsGoOfTheSelectionOnlyWhereItLands) {
    Board.LoadBoardData(QuietFruits());
    Board.RemoveTile({6, 6});  // (6, 1) to (6, 5) start falling
    ASSERT_EQ(Board.TileStatus({6, 4}), tsFalling);
    EXPECT_TRUE(Board.CanWebTile({6, 4})) << "what the tile is doing is not asked";
    Board.PutWeb({6, 4});
    EXPECT_TRUE(Board.BoardData().At(6, 4).Web);

    Board.ClickTile({2, 2});
    ASSERT_TRUE(Board.Selected());
    Board.PutWeb({3, 3});
    EXPECT_TRUE(Board.Selected()) << "a web elsewhere leaves the selection";
    Board.PutWeb({2, 2});
    EXPECT_FALSE(Board.Selected());
    Board.ClickTile({2, 2});
    EXPECT_FALSE(Board.Selected()) << "a webbed tile cannot be chosen";
}

TEST_F(SpiderBoard, ANewSpiderLandsOnTheTopmostLockerOrFruitOfARandomColumn) {
    struct TCase {
        const char* Column;  // rows 1 to 10: '.' hole, '_' emptied, '#' blocker, '1' locker, 'a' fruit
        int Row;
    };
    const TCase Cases[] = {{"1aaaaaaaaa", 1}, {"..1aaaaaaa", 3}, {"._#_a11111", 5}, {"_________1", 10}};
    for (const TCase& C : Cases) {
        TBoardData Data = OnlyTiles({});
        for (int Y = 1; Y <= 10; ++Y) {
            TBoardTile& Tile = Data.At(7, Y);
            switch (C.Column[Y - 1]) {
                case '_': Tile.Kind = okTempBlank; break;
                case '#': Tile.Kind = okBlocker; break;
                case '1': Tile.Kind = okLocker; break;
                case 'a': Tile.Kind = okFruit; break;
                default: break;
            }
        }
        Board.LoadBoardData(Data);
        for (int I = 0; I < 20; ++I) EXPECT_EQ(Board.RandomTopTile(), (TPoint{7, C.Row})) << C.Column;
    }
    // Nothing to land on anywhere: row 11 of the last column drawn.
    Board.LoadBoardData(OnlyTiles({}));
    TRandomStream Draws = GameplayRandom();
    int Last = 0;
    for (int I = 0; I < 10000; ++I) Last = Draws.Next(10) + 1;
    EXPECT_EQ(Board.RandomTopTile(), (TPoint{Last, 11}));
}

}  // namespace
