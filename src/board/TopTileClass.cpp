#include "TopTileClass.h"

#include "RandomClass.h"

namespace {
bool CanPerchOn(const TBoardTile& Tile) { return Tile.Kind == okLocker || Tile.Kind == okFruit; }
}  // namespace

TPoint RandomTopTile(const TBoardData& Board) {
    int32_t Column = BoardSize;
    for (int32_t Draw = 0; Draw < TopTileDraws; ++Draw) {
        Column = Random(BoardSize) + 1;
        for (int32_t Row = 1; Row <= BoardSize; ++Row)
            if (CanPerchOn(Board.At(Column, Row))) return TPoint{Column, Row};
    }
    return TPoint{Column, BoardSize + 1};
}
