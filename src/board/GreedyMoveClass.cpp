#include "GreedyMoveClass.h"

#include "BoardGroupsClass.h"

namespace {

// Tiles of Group 4-connected to Start (Start included), or 0 when Start is not in it.
int32_t ConnectedCount(const TSimpleObjectArray& Group, TPoint Start, TSimpleObjectArray& Seen) {
    if (!Group[Start] || Seen[Start]) return 0;
    TPoint Stack[BoardSize * BoardSize];
    int32_t Top = 0;
    int32_t Count = 0;
    Stack[Top++] = Start;
    Seen[Start] = true;
    while (Top > 0) {
        const TPoint T = Stack[--Top];
        ++Count;
        for (TPoint D : {TPoint{0, -1}, TPoint{0, 1}, TPoint{-1, 0}, TPoint{1, 0}}) {
            const TPoint N{T.X + D.X, T.Y + D.Y};
            if (IsBoardPos(N) && Group[N] && !Seen[N]) {
                Seen[N] = true;
                Stack[Top++] = N;
            }
        }
    }
    return Count;
}

}  // namespace

bool CanMakeSwap(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint P, TPoint Q) {
    return CanSwapForHint(Board, P, Q) && Statuses[P] == tsIdle && Statuses[Q] == tsIdle;
}

int32_t SwapGroupSize(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint P, TPoint Q) {
    TBoardData Swapped = Board;
    SwapWholeTiles(Swapped, P, Q);
    // Both tiles of a finished swap are idle again when the board checks them.
    TTileStatusArray After = Statuses;
    After[P] = tsIdle;
    After[Q] = tsIdle;
    TSimpleObjectArray Seen;
    int32_t Size = 0;
    for (TPoint At : {P, Q}) {
        const TBoardTile& Tile = Swapped[At];
        if (Seen[At]) continue;
        Size += ConnectedCount(FindGroups(Swapped, After, Tile.Kind, TileKey(Tile)), At, Seen);
    }
    return Size;
}

bool ChooseGreedyMove(const TBoardData& Board, const TTileStatusArray& Statuses, TGreedyMove& Move) {
    bool Found = false;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TPoint P{X, Y};
            for (TPoint Q : {TPoint{X + 1, Y}, TPoint{X, Y + 1}}) {
                if (!CanMakeSwap(Board, Statuses, P, Q)) continue;
                const int32_t Size = SwapGroupSize(Board, Statuses, P, Q);
                if (Size == 0) continue;
                const TTileObjectKind Kind = Board[P].Kind;
                const bool Better = !Found || Size > Move.GroupSize ||
                                    (Size == Move.GroupSize && Kind == okFruit && Move.Kind != okFruit);
                if (!Better) continue;
                Move = {P, Q, Kind, Size};
                Found = true;
            }
        }
    }
    return Found;
}

bool ChooseObjectClick(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint& Tile) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& T = Board.At(X, Y);
            if (T.Kind != okFruit || T.Web || Statuses.At(X, Y) != tsIdle) continue;
            if (T.Content != ccUniFruit && T.Content != ccHammer && T.Content != ccFruitBlaster) continue;
            Tile = TPoint{X, Y};
            return true;
        }
    }
    return false;
}
