#include "BoardGroupsClass.h"

namespace {

// Neighbour order of the group search: up, down, left, right.
constexpr TPoint GroupNeighbours[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
// Neighbour order of the move search: left, right, up, down.
constexpr TPoint MoveNeighbours[4] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

TPoint Offset(TPoint P, TPoint D) { return {P.X + D.X, P.Y + D.Y}; }

// The tiles whose group is still to be found, in board order (X outside, Y inside).
class TGroupSearch {
public:
    TGroupSearch(const TSimpleObjectArray& Mask, const TTileStatusArray& Statuses) : FMask(Mask) {
        for (int32_t X = 1; X <= BoardSize; ++X)
            for (int32_t Y = 1; Y <= BoardSize; ++Y) FEligible.At(X, Y) = Mask.At(X, Y) && Statuses.At(X, Y) == tsIdle;
    }

    TSimpleObjectArray Run() {
        TSimpleObjectArray Result;
        TSimpleObjectArray Done;  // eligible tiles whose connected set was already grown
        for (int32_t X = 1; X <= BoardSize; ++X) {
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                if (!FMask.At(X, Y) || Done.At(X, Y)) continue;
                TSimpleObjectArray Region;
                const int32_t Size = Grow({X, Y}, Region);
                if (FEligible.At(X, Y)) Done.Include(Region);
                if (Size >= 3) Result.Include(Region);
            }
        }
        return Result;
    }

    // Tiles in the region grown from S (S itself counts only when it is eligible).
    int32_t RegionSize(TPoint S) const {
        TSimpleObjectArray Region;
        return Grow(S, Region);
    }

private:
    // Grows the region from S exactly as the board always has: R collects eligible
    // neighbours of the tiles visited so far, the next tile visited is the first
    // unvisited one of R in board order, and the search ends as soon as the visited
    // count reaches the size of R. From an eligible S that is the whole connected
    // set; from a busy S of the key it links S's neighbours and may stop one short.
    int32_t Grow(TPoint S, TSimpleObjectArray& Region) const {
        TSimpleObjectArray Visited;
        int32_t RegionCount = 0;
        int32_t VisitedCount = 0;
        if (FEligible[S]) {
            Region[S] = true;
            RegionCount = 1;
        }
        TPoint T = S;
        do {
            if (FMask[T]) {
                for (TPoint D : GroupNeighbours) {
                    const TPoint N = Offset(T, D);
                    if (IsBoardPos(N) && FEligible[N] && !Region[N]) {
                        Region[N] = true;
                        ++RegionCount;
                    }
                }
            }
            if (!Visited[T]) {
                Visited[T] = true;
                ++VisitedCount;
            }
            T = NextUnvisited(Region, Visited, T);
        } while (VisitedCount < RegionCount);
        return RegionCount;
    }

    static TPoint NextUnvisited(const TSimpleObjectArray& Region, const TSimpleObjectArray& Visited, TPoint Current) {
        for (int32_t X = 1; X <= BoardSize; ++X)
            for (int32_t Y = 1; Y <= BoardSize; ++Y)
                if (Region.At(X, Y) && !Visited.At(X, Y)) return {X, Y};
        return Current;
    }

    const TSimpleObjectArray& FMask;
    TSimpleObjectArray FEligible;
};

bool IsObjectContent(uint8_t Content) {
    return Content == ccUniFruit || Content == ccHammer || Content == ccFlower || Content == ccFruitBlaster;
}

}  // namespace

int32_t TileKey(const TBoardTile& Tile) {
    if (Tile.Kind == okLocker) return Tile.LockerKind;
    if (Tile.Kind == okFruit) return Tile.Content;
    return 0;
}

TSimpleObjectArray KeyMask(const TBoardData& Board, TTileObjectKind Kind, int32_t Key) {
    TSimpleObjectArray Mask;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            if (Kind == okLocker)
                Mask.At(X, Y) = Tile.Kind == okLocker && Tile.LockerKind == Key;
            else if (Kind == okFruit)
                Mask.At(X, Y) = Tile.Kind == okFruit && Tile.Content == Key && Tile.WormState != WormStateEaten;
        }
    }
    return Mask;
}

TSimpleObjectArray FindGroups(const TBoardData& Board, const TTileStatusArray& Statuses, TTileObjectKind Kind,
                              int32_t Key) {
    const TSimpleObjectArray Mask = KeyMask(Board, Kind, Key);
    return TGroupSearch(Mask, Statuses).Run();
}

TSimpleObjectArray FindGroups(const TBoardData& Board, TTileObjectKind Kind, int32_t Key) {
    return FindGroups(Board, TTileStatusArray{}, Kind, Key);
}

int32_t GroupRegionSize(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint S) {
    const TBoardTile& Tile = Board[S];
    if (Tile.Kind != okLocker && Tile.Kind != okFruit) return 0;
    const TSimpleObjectArray Mask = KeyMask(Board, Tile.Kind, TileKey(Tile));
    return TGroupSearch(Mask, Statuses).RegionSize(S);
}

bool AnyGroup(const TBoardData& Board, const TTileStatusArray& Statuses, int32_t ColorCount) {
    for (int32_t Key = 1; Key <= 3; ++Key)
        if (FindGroups(Board, Statuses, okLocker, Key).Any()) return true;
    for (int32_t Key = 1; Key <= ColorCount; ++Key)
        if (FindGroups(Board, Statuses, okFruit, Key).Any()) return true;
    return false;
}

bool AnyGroup(const TBoardData& Board, int32_t ColorCount) { return AnyGroup(Board, TTileStatusArray{}, ColorCount); }

void SwapWholeTiles(TBoardData& Board, TPoint P, TPoint Q) {
    const TBoardTile Kept = Board[P];
    Board[P] = Board[Q];
    Board[Q] = Kept;
}

bool CanSwapForHint(const TBoardData& Board, TPoint P, TPoint Q) {
    if (!IsBoardPos(P) || !IsBoardPos(Q)) return false;
    const TBoardTile& A = Board[P];
    const TBoardTile& B = Board[Q];
    if (A.Kind != B.Kind || (A.Kind != okLocker && A.Kind != okFruit)) return false;
    if (A.Kind == okFruit && (IsObjectContent(A.Content) || IsObjectContent(B.Content))) return false;
    return !A.Web && !B.Web;
}

bool SwapMakesMatch(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint P, TPoint Q) {
    TBoardData Swapped = Board;
    SwapWholeTiles(Swapped, P, Q);
    for (TPoint At : {P, Q}) {
        const TBoardTile& Tile = Swapped[At];
        if (FindGroups(Swapped, Statuses, Tile.Kind, TileKey(Tile)).Any()) return true;
    }
    return false;
}

bool FindMoveFrom(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint Start, THintTilesPos& Move) {
    if (!IsBoardPos(Start)) return false;
    TPoint P = Start;
    do {
        if (++P.X > BoardSize) {
            P.X = 1;
            if (++P.Y > BoardSize) P.Y = 1;
        }
        const TTileObjectKind Kind = Board[P].Kind;
        if (Kind != okLocker && Kind != okFruit) continue;
        for (TPoint D : MoveNeighbours) {
            const TPoint Q = Offset(P, D);
            if (CanSwapForHint(Board, P, Q) && SwapMakesMatch(Board, Statuses, P, Q)) {
                Move = {P, Q};
                return true;
            }
        }
    } while (!(P == Start));
    return false;
}
