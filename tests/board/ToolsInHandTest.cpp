// The three tools without a screen: picking one off the wall (its count, its
// icon areas, the pointer over it), a click in hand (used, refused, put back),
// the use's animation and what it reports, the give-back when the tile has
// nothing left to act on, the broom staying for the next web, the aerosol's
// growing spray with its inverted small reach, the return home, and the tools
// flying to the wall.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AerosolClass.h"
#include "BoardDataClass.h"
#include "BroomClass.h"
#include "FlowingToolClass.h"
#include "FrameCursorClass.h"
#include "MagicKeyClass.h"
#include "SFXPlayerClass.h"

namespace {

struct TSoundLog {
    TSoundLog() {
        SetSoundEffectListener([this](const std::string& Name) { Names.push_back(Name); });
    }
    ~TSoundLog() { SetSoundEffectListener({}); }
    int CountOf(const std::string& Name) const {
        int N = 0;
        for (const std::string& S : Names) N += S == Name ? 1 : 0;
        return N;
    }
    std::vector<std::string> Names;
};

// A pixel in the middle of tile P.
int PX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels + 23; }
int PY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels + 23; }

template <typename TTool>
void PlaceOnBoard(TTool& Tool) {
    Tool.BoardLeft = BoardScreenLeft;
    Tool.BoardTop = BoardScreenTop;
}

// Frames until the tool is back on its hook (at most Max).
int FramesHome(TToolInHand& Tool, int Max = 200) {
    int N = 0;
    while (Tool.State() != thHanging && N < Max) {
        Tool.UpdateAndDraw();
        ++N;
    }
    return N;
}

class MagicKey : public ::testing::Test {
protected:
    void SetUp() override {
        PlaceOnBoard(Key);
        Key.OnObjectOpenableAsk = [this](TObject*, TPoint P, bool& Openable, bool& Blank) {
            Asked.push_back(P);
            Openable = P == Openable1 && StillOpenable;
            Blank = !IsBoardPos(P);
        };
        Key.OnTileClick = [this](TObject*, TPoint P) { Clicked.push_back(P); };
        Key.OnTilePosChange = [this](TObject*, TPoint P, bool Enabled) { Changes.push_back({P, Enabled}); };
    }
    void PickUp() {
        Key.MouseMove(50, 200);
        Key.MouseDown(50, 200, mbLeft);
        ASSERT_EQ(Key.State(), thHeld);
    }
    struct TChange {
        TPoint P;
        bool Enabled;
    };
    TMagicKey Key;
    TSoundLog Sounds;
    TPoint Openable1{3, 4};
    bool StillOpenable = true;
    std::vector<TPoint> Asked;
    std::vector<TPoint> Clicked;
    std::vector<TChange> Changes;
};

TEST_F(MagicKey, PicksUpOnlyFromItsIconAreasWithAKeyLeft) {
    // The key's two areas with its hook at (32, 192): (30,191)-(90,218) and (56,218)-(90,235).
    struct TCase {
        int X, Y;
        bool In;
    };
    const TCase Cases[] = {{30, 191, true}, {90, 218, true}, {29, 200, false}, {91, 200, false}, {56, 235, true},
                           {55, 230, false}, {90, 236, false}, {60, 190, false}};
    for (const TCase& C : Cases) EXPECT_EQ(Key.InIconArea(C.X, C.Y), C.In) << C.X << "," << C.Y;

    Key.MouseDown(100, 300, mbLeft);
    EXPECT_EQ(Key.State(), thHanging);
    Key.SetCount(0);
    Key.MouseDown(50, 200, mbLeft);
    EXPECT_EQ(Key.State(), thHanging) << "no key to take";
    EXPECT_EQ(Key.WallPattern(), 6) << "the empty hook, greyed";
    Key.SetCount(2);
    Key.Available = false;
    Key.MouseDown(50, 200, mbLeft);
    EXPECT_EQ(Key.State(), thHanging) << "a locked tool takes no press";
    Key.Available = true;
    Key.Enabled = false;
    Key.MouseDown(50, 200, mbLeft);
    EXPECT_EQ(Key.State(), thHanging);
    Key.Enabled = true;
    Key.MouseDown(50, 200, mbRight);
    EXPECT_EQ(Key.State(), thHanging);
    Key.MouseDown(50, 200, mbLeft);
    EXPECT_EQ(Key.State(), thHeld);
    EXPECT_EQ(Sounds.CountOf("PickingTool"), 1);
    EXPECT_EQ(Key.Count(), 2) << "taking the key costs nothing";
}

TEST_F(MagicKey, ThePointerShowsAHandOverAPickableIconAndHidesWhileHeld) {
    struct TCase {
        int Count;
        bool Available;
        int X, Y;
        TFrameCursor Expected;
    };
    const TCase Cases[] = {{3, true, 50, 200, TFrameCursor::HandPoint}, {0, true, 50, 200, TFrameCursor::Arrow},
                           {3, false, 50, 200, TFrameCursor::Arrow},    {3, true, 400, 300, TFrameCursor::Arrow}};
    for (const TCase& C : Cases) {
        FrameCursor = TFrameCursor::Arrow;
        Key.SetCount(C.Count);
        Key.Available = C.Available;
        Key.MouseMove(C.X, C.Y);
        EXPECT_EQ(FrameCursor, C.Expected) << C.Count << " " << C.Available << " " << C.X;
        EXPECT_EQ(Key.WallPattern(), C.Count == 0 ? 6 : (Key.MouseOverIcon() ? 3 : 0));
    }
    Key.Available = true;
    Key.SetCount(3);
    PickUp();
    FrameCursor = TFrameCursor::Arrow;
    Key.MouseMove(PX(5), PY(5));
    EXPECT_EQ(FrameCursor, TFrameCursor::Hidden);
    Key.Enabled = false;
    FrameCursor = TFrameCursor::Arrow;
    Key.MouseMove(PX(5), PY(6));
    EXPECT_EQ(FrameCursor, TFrameCursor::Arrow) << "a paused round shows the pointer";
    FrameCursor = TFrameCursor::Arrow;
}

TEST_F(MagicKey, AHeldKeyReportsTheTileUnderTheMouseWhenItChanges) {
    PickUp();
    Changes.clear();
    Key.MouseMove(PX(3), PY(4));
    Key.MouseMove(PX(3) + 10, PY(4) + 5);
    Key.MouseMove(PX(6), PY(4));
    ASSERT_EQ(Changes.size(), 2u);
    EXPECT_EQ(Changes[0].P, (TPoint{3, 4}));
    EXPECT_TRUE(Changes[0].Enabled);
    EXPECT_EQ(Changes[1].P, (TPoint{6, 4}));
    EXPECT_FALSE(Changes[1].Enabled);
    // Put back: nothing stays marked.
    Key.MouseDown(PX(6), PY(4), mbRight);
    EXPECT_EQ(Key.State(), thReturning);
    EXPECT_EQ(Changes.back().P, (TPoint{0, 0}));
}

TEST_F(MagicKey, AClickInHandUsesRefusesOrPutsBack) {
    struct TCase {
        const char* What;
        int X, Y;
        TToolHandState After;
        int Count;
        int Refusals;
    };
    const TCase Cases[] = {
        {"an openable locker", PX(3), PY(4), thUsing, 2, 0},
        {"an opened fruit", PX(5), PY(5), thHeld, 3, 1},
        {"off the board's square", 100, 300, thReturning, 3, 0},
        {"right of the board", BoardScreenLeft + 461, PY(3), thReturning, 3, 0},
        // Inside the square but past the last tile: column 11, a blank tile.
        {"the square's far edge", BoardScreenLeft + 460, PY(3), thReturning, 3, 0},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.What);
        Key.Reset();
        Key.SetCount(3);
        Sounds.Names.clear();
        PickUp();
        Key.MouseMove(C.X, C.Y);
        Key.MouseDown(C.X, C.Y, mbLeft);
        EXPECT_EQ(Key.State(), C.After);
        EXPECT_EQ(Key.Count(), C.Count);
        EXPECT_EQ(Sounds.CountOf("DisabledTile"), C.Refusals);
        EXPECT_EQ(Sounds.CountOf("MagicKey"), C.After == thUsing ? 1 : 0);
    }
}

TEST_F(MagicKey, TheTurnEndsWithTheClickAndTheKeyFliesHomeAfterItsPause) {
    PickUp();
    Key.MouseMove(PX(3), PY(4));
    Key.MouseDown(PX(3), PY(4), mbLeft);
    ASSERT_EQ(Key.State(), thUsing);
    // Presses while turning change nothing.
    Key.MouseDown(PX(3), PY(4), mbRight);
    Key.MouseDown(PX(1), PY(1), mbLeft);
    EXPECT_EQ(Key.State(), thUsing);
    std::vector<int> Patterns;
    int Frames = 0;
    while (Key.State() == thUsing && Frames < 100) {
        TAnimData Anim = Key.UseAnim();
        Patterns.push_back(Anim.CurrentPattern());
        Key.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 13) << "\"1122333332211\"";
    EXPECT_EQ(Patterns, (std::vector<int>{0, 0, 1, 1, 2, 2, 2, 2, 2, 1, 1, 0, 0}));
    EXPECT_EQ(Clicked, std::vector<TPoint>{Openable1});
    EXPECT_EQ(Key.Count(), 2);
    EXPECT_EQ(Key.State(), thReturning);
    // 250 ms where it is, then home along a straight line.
    const TFloatPoint Start = Key.DrawnPos();
    for (int I = 0; I < 9; ++I) Key.UpdateAndDraw();
    EXPECT_EQ(Key.DrawnPos().X, Start.X);
    EXPECT_EQ(Key.DrawnPos().Y, Start.Y);
    EXPECT_GT(FramesHome(Key), 1);
    EXPECT_EQ(Key.State(), thHanging);
    EXPECT_EQ(Key.DrawnPos().X, Key.HangingPosX);
    EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(MagicKey, AKeyWithNothingLeftToOpenIsGivenBack) {
    PickUp();
    Key.MouseMove(PX(3), PY(4));
    Key.MouseDown(PX(3), PY(4), mbLeft);
    ASSERT_EQ(Key.Count(), 2);
    // The locker starts falling while the key turns.
    StillOpenable = false;
    for (int I = 0; I < 13; ++I) Key.UpdateAndDraw();
    EXPECT_TRUE(Clicked.empty());
    EXPECT_EQ(Key.Count(), 3);
    EXPECT_EQ(Sounds.CountOf("DisabledTile"), 1);
    EXPECT_EQ(Key.State(), thReturning);
}

TEST_F(MagicKey, ATurnEndingAfterTheRoundChangesNothing) {
    PickUp();
    Key.MouseMove(PX(3), PY(4));
    Key.MouseDown(PX(3), PY(4), mbLeft);
    // The round's end: the forced return is refused while the key turns, then no tool works.
    Key.MouseDown(0, 0, mbRight);
    Key.Enabled = false;
    for (int I = 0; I < 13; ++I) Key.UpdateAndDraw();
    EXPECT_TRUE(Clicked.empty());
    EXPECT_EQ(Key.Count(), 3);
    EXPECT_EQ(Key.State(), thReturning);
}

TEST_F(MagicKey, ResetHangsItUpAndCountsStayBetweenNoneAndNine) {
    PickUp();
    Key.SetCount(7);
    Key.Reset();
    EXPECT_EQ(Key.State(), thHanging);
    EXPECT_EQ(Key.Count(), 7) << "a level start never touches the counts";
    for (int V : {-5, 0, 4, 9, 10, 1000}) {
        Key.SetCount(V);
        EXPECT_EQ(Key.Count(), V < 0 ? 0 : V > 9 ? 9 : V) << V;
    }
}

class Broom : public ::testing::Test {
protected:
    void SetUp() override {
        PlaceOnBoard(B);
        B.OnObjectBroomableAsk = [this](TObject*, TPoint P, bool& Broomable, bool& Blank) {
            Broomable = Webbed[P.X >= 1 && P.X <= 10 ? P.X - 1 : 0] && IsBoardPos(P);
            Blank = !IsBoardPos(P);
        };
        B.OnTileBroomingFinished = [this](TObject*, TPoint P) {
            Swept.push_back(P);
            Webbed[P.X - 1] = false;
        };
        B.OnWebsLeftQuestion = [this](TObject*, int32_t& Left) {
            Left = 0;
            for (bool W : Webbed) Left += W ? 1 : 0;
        };
    }
    void Sweep(int X) {
        if (B.State() == thHanging) {
            B.MouseMove(40, 250);
            B.MouseDown(40, 250, mbLeft);
        }
        ASSERT_EQ(B.State(), thHeld);
        B.MouseMove(PX(X), PY(2));
        B.MouseDown(PX(X), PY(2), mbLeft);
        ASSERT_EQ(B.State(), thUsing);
        for (int I = 0; I < 24; ++I) B.UpdateAndDraw();
    }
    TBroom B;
    TSoundLog Sounds;
    bool Webbed[10] = {false, true, true, false, false, false, false, false, false, false};
    std::vector<TPoint> Swept;
};

TEST_F(Broom, StaysInHandWhileBroomsAndWebsAreLeft) {
    Sweep(2);
    EXPECT_EQ(Swept, (std::vector<TPoint>{TPoint{2, 2}}));
    EXPECT_EQ(Sounds.CountOf("Sweeping"), 1);
    EXPECT_EQ(B.Count(), 2);
    EXPECT_EQ(B.State(), thHeld) << "one more web to sweep";
    Sweep(3);
    EXPECT_EQ(B.Count(), 1);
    EXPECT_EQ(B.State(), thReturning) << "the last web: back to the wall with a broom left";
}

TEST_F(Broom, GoesBackWhenTheLastBroomIsUsed) {
    B.SetCount(1);
    Sweep(2);
    EXPECT_EQ(B.Count(), 0);
    EXPECT_EQ(B.State(), thReturning);
    EXPECT_EQ(FramesHome(B) > 0, true);
    B.MouseDown(40, 250, mbLeft);
    EXPECT_EQ(B.State(), thHanging) << "no broom left to take";
}

TEST_F(Broom, AWebGoneBeforeTheSweepEndsGivesTheBroomBack) {
    B.MouseMove(40, 250);
    B.MouseDown(40, 250, mbLeft);
    B.MouseMove(PX(2), PY(2));
    B.MouseDown(PX(2), PY(2), mbLeft);
    ASSERT_EQ(B.Count(), 2);
    Webbed[1] = false;  // a locker group tore it meanwhile
    for (int I = 0; I < 24; ++I) B.UpdateAndDraw();
    EXPECT_TRUE(Swept.empty());
    EXPECT_EQ(B.Count(), 3);
    EXPECT_EQ(Sounds.CountOf("DisabledTile"), 1);
    EXPECT_EQ(B.State(), thHeld) << "the web on column 3 is still there";
}

class Aerosol : public ::testing::Test {
protected:
    void SetUp() override {
        PlaceOnBoard(A);
        A.OnSpraySizeChange = [this](TObject*, TRect R) { Reaches.push_back(R); };
        A.OnEnemiesExistQuestion = [this](TObject*, bool& Exist) { Exist = Enemies; };
    }
    void PickUp() {
        A.MouseMove(50, 300);
        A.MouseDown(50, 300, mbLeft);
        ASSERT_EQ(A.State(), thHeld);
    }
    int SprayToEnd() {
        int Frames = 0;
        while (A.State() == thUsing && Frames < 200) {
            A.UpdateAndDraw();
            ++Frames;
        }
        return Frames;
    }
    TAerosol A;
    TSoundLog Sounds;
    bool Enemies = false;
    std::vector<TRect> Reaches;
};

TEST_F(Aerosol, AClickInTheLeftPanelPutsItBackAnywhereElseItSprays) {
    PickUp();
    A.MouseDown(130, 400, mbLeft);
    EXPECT_EQ(A.State(), thReturning);
    EXPECT_EQ(A.Count(), 3);
    FramesHome(A);
    PickUp();
    // Off the board too: the aerosol asks no tile.
    A.MouseMove(700, 50);
    A.MouseDown(700, 50, mbLeft);
    EXPECT_EQ(A.State(), thUsing);
    EXPECT_EQ(A.Count(), 2);
}

TEST_F(Aerosol, TheSprayGrowsRoundThePointerAndReachesLessThanItsSquare) {
    PickUp();
    A.MouseMove(400, 300);
    A.MouseDown(400, 300, mbLeft);
    const int Frames = SprayToEnd();
    // Lifting 4 frames, spraying from 10 to 200 pixels at 10 a frame, lowering 4.
    EXPECT_EQ(Frames, 4 + 20 + 4);
    ASSERT_EQ(Reaches.size(), 20u);
    for (size_t I = 0; I < Reaches.size(); ++I) {
        const int Size = 10 * static_cast<int>(I + 1);
        const TRect& R = Reaches[I];
        EXPECT_EQ(R.Left, 400 - Size / 2 + 15) << Size;
        EXPECT_EQ(R.Right, 400 + Size / 2 - 15) << Size;
        EXPECT_EQ(R.Top, 300 - Size / 2 + 15) << Size;
        EXPECT_EQ(R.Bottom, 300 + Size / 2 - 15) << Size;
        // Below 30 pixels the reach stays inverted: it holds nothing, and is never turned round.
        EXPECT_EQ(R.Left > R.Right, Size < 30) << Size;
    }
    EXPECT_EQ(Sounds.CountOf("Aerosol"), 1);
    EXPECT_EQ(A.State(), thReturning) << "no enemy left";
}

TEST_F(Aerosol, TheSprayFollowsThePointer) {
    PickUp();
    A.MouseMove(400, 300);
    A.MouseDown(400, 300, mbLeft);
    for (int I = 0; I < 5; ++I) A.UpdateAndDraw();
    A.MouseMove(500, 350);
    A.UpdateAndDraw();
    ASSERT_EQ(Reaches.size(), 2u);
    EXPECT_EQ(Reaches[1].Left + Reaches[1].Right, 1000);
    EXPECT_EQ(Reaches[1].Top + Reaches[1].Bottom, 700);
}

TEST_F(Aerosol, StaysInHandOnlyWithAerosolsAndEnemiesLeft) {
    struct TCase {
        int Count;
        bool Enemies;
        TToolHandState After;
    };
    for (const TCase& C : {TCase{3, true, thHeld}, TCase{1, true, thReturning}, TCase{3, false, thReturning}}) {
        A.Reset();
        A.SetCount(C.Count);
        Enemies = C.Enemies;
        PickUp();
        A.MouseMove(400, 300);
        A.MouseDown(400, 300, mbLeft);
        SprayToEnd();
        EXPECT_EQ(A.State(), C.After) << C.Count << " " << C.Enemies;
    }
}

TEST(FlowingTool, FliesToItsHookAndANewFlightLandsTheOldOne) {
    TFlowingTool Tool;
    Tool.BoardLeft = BoardScreenLeft;
    Tool.BoardTop = BoardScreenTop;
    Tool.TargetPosX = 32;
    Tool.TargetPosY = 192;
    int Arrivals = 0;
    std::vector<TPoint> Path;
    Tool.OnArrive = [&](TObject*) { ++Arrivals; };
    Tool.OnPosUpdate = [&](TObject*, TPoint P) { Path.push_back(P); };
    Tool.Start(TPoint{5, 3}, 1);
    EXPECT_EQ(Tool.Position().X, BoardScreenLeft + 4 * 46);
    EXPECT_EQ(Tool.Position().Y, BoardScreenTop + 2 * 46);
    Tool.UpdateAndDraw();
    Tool.StartAt(600, 500, 2);
    EXPECT_EQ(Arrivals, 1) << "the tool under way arrives at once";
    EXPECT_EQ(Tool.ToolIdx(), 2);
    Path.clear();
    int Frames = 0;
    while (Tool.Active() && Frames < 100) {
        Tool.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Arrivals, 2);
    // 568 pixels across at 40 a frame.
    EXPECT_EQ(Frames, 15);
    EXPECT_EQ(Path.back(), (TPoint{32, 192}));
    Tool.Visible = false;
    Tool.StartAt(600, 500, 3);
    Tool.UpdateAndDraw();
    EXPECT_EQ(Tool.Position().X, 600) << "a paused round holds the flight";
}

}  // namespace
