#include "BotPlayerClass.h"

#include "GreedyMoveClass.h"
#include "RandomClass.h"

bool StartSeededLevel(TFormMain& Form, uint64_t Seed, int32_t Island, int32_t Level) {
    SetRandomSeedSource([Seed] { return Seed; });
    return Form.StartLevel(Island, Level);
}

bool BoardTakesMove(TFormMain& Form) {
    const TGameBoard& Board = *Form.GameBoard;
    return Form.Scene() == gsMainGame && Board.CanDraw && Board.Visible && Board.IsSettled();
}

TBotPlayer::TBotPlayer(TFormMain& Form) : FForm(Form) {
    FMovesMade.reserve(4096);
    TGameBoard& Board = *Form.GameBoard;
    FOldGroundHit = Form.FallingFruits->OnGroundHit;
    FOldOpeningRequest = Board.OnOpeningLockersEffectRequest;
    FOldGroupedRequest = Board.OnGroupedFruitsEffectRequest;
    FOldSwapComplete = Form.SwapEffect->OnEffectComplete;
    FOldSwapRequest = Board.OnSwapEffectRequest;

    Board.OnSwapEffectRequest = [this](TObject* Sender, TSwappedObjectsData Data, bool MatchOccurs) {
        ++FCounts.Moves;
        if (FOldSwapRequest) FOldSwapRequest(Sender, Data, MatchOccurs);
    };

    Form.FallingFruits->OnGroundHit = [this](TObject* Sender, int32_t Color, int32_t Column) {
        ++FCounts.FruitsMatched;
        if (FOldGroundHit) FOldGroundHit(Sender, Color, Column);
    };
    Board.OnOpeningLockersEffectRequest = [this](TObject* Sender, TBoardData Data, TSimpleObjectArray Lockers) {
        FCounts.LockersOpened += Lockers.Count();
        if (Lockers.Any() && !FInSwapCheck) ++FCounts.Cascades;
        if (FOldOpeningRequest) FOldOpeningRequest(Sender, Data, Lockers);
    };
    Board.OnGroupedFruitsEffectRequest = [this](TObject* Sender, TBoardData Data, TSimpleObjectArray Fruits,
                                                bool CheckCombos, TPoint SwappedTilePos) {
        if (Fruits.Any() && !FInSwapCheck) ++FCounts.Cascades;
        if (FOldGroupedRequest) FOldGroupedRequest(Sender, Data, Fruits, CheckCombos, SwappedTilePos);
    };
    // The swap's completion writes it into the board and checks the board at once:
    // what that check finds is the swap's own group.
    Form.SwapEffect->OnEffectComplete = [this](TObject* Sender, TTileObjectKind Kind, TPoint A, TPoint B) {
        FInSwapCheck = true;
        if (FOldSwapComplete) FOldSwapComplete(Sender, Kind, A, B);
        FInSwapCheck = false;
    };
}

TBotPlayer::~TBotPlayer() {
    FForm.FallingFruits->OnGroundHit = FOldGroundHit;
    FForm.GameBoard->OnOpeningLockersEffectRequest = FOldOpeningRequest;
    FForm.GameBoard->OnGroupedFruitsEffectRequest = FOldGroupedRequest;
    FForm.SwapEffect->OnEffectComplete = FOldSwapComplete;
    FForm.GameBoard->OnSwapEffectRequest = FOldSwapRequest;
}

bool TBotPlayer::Act(int32_t Frame) {
    if (!BoardTakesMove(FForm)) return false;
    TGameBoard& Board = *FForm.GameBoard;
    TGreedyMove Move;
    FOutOfMoves = !ChooseGreedyMove(Board.BoardData(), Board.TileStatuses(), Move);
    if (FOutOfMoves || !Board.SwapTiles(Move.Tile1Pos, Move.Tile2Pos)) return false;
    FMovesMade.push_back({Frame, Move.Tile1Pos, Move.Tile2Pos});
    return true;
}
