// What the fairy's tests share: the real fairy wired to a small fake board
// (a board record she perches on through the top-tile rule, and a hint the
// tests set) and a fake tutorial, with a record of everything she reports.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "BoardDataClass.h"
#include "FairyClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"
#include "TopTileClass.h"

struct TPerformedMagic {
    TPoint WandPos;
    TFairyMagicPurpose Purpose;
    TPoint EatenFruitTilePos;
    THintTilesPos HintTiles;
    int Frame;
};

// A board whose every tile is a closed locker.
inline TBoardData FullBoard() { return TBoardData{}; }

// A board with nothing to perch on.
inline TBoardData BareBoard() {
    TBoardData Board;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) Board.At(X, Y).Kind = Y % 2 ? okUnused : okBlocker;
    return Board;
}

class TFairyRig {
public:
    explicit TFairyRig(uint64_t Seed = 7) {
        GameplayRandom().SetSeed(Seed);
        CosmeticRandom().SetSeed(Seed + 100);
        ClearTileBounces();
        for (auto& Column : ShakeAmplitude)
            for (int32_t& Amplitude : Column) Amplitude = 0;
        Fairy.OnTopTilePosRequest = [this](TObject* Sender, TPoint& Tile) {
            EXPECT_EQ(Sender, &Fairy);
            ++SeatRequests;
            Tile = SeatAnswer ? SeatAnswer() : RandomTopTile(Board);
        };
        Fairy.OnPosUpdate = [this](TObject*, TPoint Pos) {
            ++PosUpdates;
            Trail.push_back(Pos);
        };
        Fairy.OnMagicPerformed = [this](TObject* Sender, TPoint Wand, TFairyMagicPurpose Purpose, TPoint Eaten,
                                        THintTilesPos Hint) {
            EXPECT_EQ(Sender, &Fairy);
            Performed.push_back({Wand, Purpose, Eaten, Hint, FrameNo});
        };
        Fairy.OnPerformMagicOrder = [this](TObject*) { ++OrdersAccepted; };
        Fairy.OnDisplayingTutorialQuestion = [this](TObject*, bool& Showing) { Showing = Balloon; };
        Fairy.OnDisplayingClickNeedHintTutorialQuestion = [this](TObject*, bool& Showing) { Showing = HintTip; };
        Fairy.OnHintTilesPosRequest = [this](TObject*, THintTilesPos& Hint) {
            ++HintRequests;
            Hint = BoardHint;
        };
        Fairy.ResetState();
    }

    // One frame as the round runs her: the pass behind the board, then the one in front.
    void Step(int Frames = 1) {
        for (int I = 0; I < Frames; ++I) {
            Fairy.UpdateBehind();
            Fairy.UpdateInFront();
            ++FrameNo;
        }
    }
    // Frames until Done holds (checked after each frame), or -1 past Limit.
    int StepUntil(const std::function<bool()>& Done, int Limit = 3000) {
        for (int Frames = 1; Frames <= Limit; ++Frames) {
            Step();
            if (Done()) return Frames;
        }
        return -1;
    }
    int StepUntilState(TFairyState State, int Limit = 3000) {
        return StepUntil([this, State] { return Fairy.State() == State; }, Limit);
    }
    // Arrives and lands at resting place 1.
    void Land() {
        Fairy.Arrive();
        StepUntilState(fsHovering);
    }
    // A left click in the middle of her hit box.
    void ClickHer(TMouseButton Button = mbLeft) {
        const TPoint At = Fairy.RoundedPosition();
        if (Fairy.State() == fsSitting)
            Fairy.ClickAt(At.X + 25, At.Y + 40, Button);
        else
            Fairy.ClickAt(At.X + 37, At.Y + 70, Button);
    }
    // Clicks her and lets her land, until she is in State (or Tries clicks are spent).
    bool ClickUntilResting(TFairyState State, int Tries = 60) {
        for (int I = 0; I < Tries; ++I) {
            ClickHer();
            StepUntil([this] { return Fairy.State() != fsFlying; });
            if (Fairy.State() == State) return true;
        }
        return false;
    }

    TFairy Fairy;
    TBoardData Board = FullBoard();
    std::function<TPoint()> SeatAnswer;  // when set, answers instead of the board
    THintTilesPos BoardHint;
    bool Balloon = false;
    bool HintTip = false;
    int SeatRequests = 0;
    int HintRequests = 0;
    int PosUpdates = 0;
    int OrdersAccepted = 0;
    int FrameNo = 0;
    std::vector<TPoint> Trail;
    std::vector<TPerformedMagic> Performed;
};
