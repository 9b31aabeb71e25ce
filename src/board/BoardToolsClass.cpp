#include "BoardToolsClass.h"

#include "GeneralRoutinesClass.h"

bool IsLockerTile(const TBoardData& Board, TPoint P) { return IsBoardPos(P) && Board[P].Kind == okLocker; }

bool HasWebTile(const TBoardData& Board, TPoint P) { return IsBoardPos(P) && Board[P].Web; }

bool IsBroomableTile(const TBoardData& Board, TPoint P) {
    if (!IsBoardPos(P)) return false;
    const TBoardTile& Tile = Board[P];
    return (Tile.Kind == okLocker || Tile.Kind == okFruit) && Tile.Web;
}

int32_t CountWebs(const TBoardData& Board) {
    int32_t Count = 0;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) Count += Board.At(X, Y).Web ? 1 : 0;
    return Count;
}

bool WormSprayedAt(const TBoardData& Board, int32_t Left, int32_t Top, TPoint P, const TRect& R) {
    if (!IsBoardPos(P)) return false;
    const TBoardTile& Tile = Board[P];
    if (Tile.Kind != okFruit || Tile.WormState != WormStateEating) return false;
    const int32_t CX = Left + (P.X - 1) * BoardTilePixels + 23;
    const int32_t CY = Top + (P.Y - 1) * BoardTilePixels + 23;
    // PointInRect takes the edges as given: an inverted rectangle contains no point.
    return PointInRect(CX, CY, R);
}
