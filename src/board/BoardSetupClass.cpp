#include "BoardSetupClass.h"

#include "RandomClass.h"

namespace {

int32_t RandomColor(int32_t ColorCount) { return Random(ColorCount) + 1; }

// Integer division that truncates toward zero, then negative results count as 0.
int32_t TileIndexOf(int32_t Pixel, int32_t Origin) {
    const int32_t Index = (Pixel - Origin + BoardTilePixels) / BoardTilePixels;
    return Index < 0 ? 0 : Index;
}

}  // namespace

const TPoint BombPattern[BombPatternCount] = {
    {0, -2}, {-1, -1}, {0, -1}, {1, -1}, {-2, 0}, {-1, 0}, {1, 0},  {2, 0},  {-1, 1}, {0, 1},
    {1, 1},  {0, 2},   {-1, -2}, {-2, -1}, {2, -1}, {1, -2}, {-2, 1}, {-1, 2}, {1, 2},  {2, 1}};

const TPoint ShakeRings[ShakeRingsCount] = {
    // ring 0
    {0, 0},
    // ring 1
    {-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, 1}, {-1, 1}, {1, -1},
    // ring 2
    {0, -2}, {1, -2}, {2, -1}, {2, 0}, {2, 1}, {1, 2}, {0, 2}, {-1, 2}, {-2, 1}, {-2, 0}, {-2, -1}, {-1, -2},
    // ring 3
    {0, -3}, {1, -3}, {2, -2}, {3, -1}, {3, 0}, {3, 1}, {2, 2}, {1, 3}, {0, 3}, {-1, 3}, {-2, 2}, {-3, 1},
    {-3, 0}, {-3, -1}, {-2, -2}, {-1, -3},
    // ring 4
    {0, -4}, {1, -4}, {2, -3}, {3, -2}, {4, -1}, {4, 0}, {4, 1}, {3, 2}, {2, 3}, {1, 4}, {0, 4}, {-1, 4},
    {-2, 3}, {-3, 2}, {-4, 1}, {-4, 0}, {-4, -1}, {-3, -2}, {-2, -3}, {-1, -4}};

void FillWithRandomLockers(TBoardData& Board, int32_t ColorCount) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TBoardTile Tile;
            Tile.Kind = okLocker;
            Tile.LockerKind = static_cast<uint8_t>(Random(3) + 1);
            Tile.Content = static_cast<uint8_t>(RandomColor(ColorCount));
            Board.At(X, Y) = Tile;
        }
    }
}

void RandomizeBoardContents(TBoardData& Board, int32_t ColorCount) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TBoardTile& Tile = Board.At(X, Y);
            Tile.Content = static_cast<uint8_t>(RandomColor(ColorCount));
            Tile.BlasterColor = 1;
        }
    }
}

void ApplyTutorialContents(TBoardData& Board) {
    struct TScripted {
        int32_t X, Y;
        uint8_t Content;
    };
    static constexpr TScripted Lesson[] = {{3, 4, 2}, {4, 3, 4}, {4, 4, 3}, {4, 5, 2}, {5, 2, 1}, {5, 3, 1},
                                           {5, 4, 1}, {5, 5, 2}, {5, 6, 3}, {6, 4, 2}, {6, 5, 4}};
    for (const TScripted& Tile : Lesson) Board.At(Tile.X, Tile.Y).Content = Tile.Content;
}

TPoint HitTestTile(int32_t Left, int32_t Top, int32_t X, int32_t Y) {
    return TPoint{TileIndexOf(X, Left), TileIndexOf(Y, Top)};
}

bool IsOffBoard(const TBoardData& Board, TPoint P) { return !IsBoardPos(P) || Board[P].Kind == okUnused; }

TPoint TileCellCorner(int32_t Left, int32_t Top, TPoint P) {
    return TPoint{Left + (P.X - 1) * BoardTilePixels, Top + (P.Y - 1) * BoardTilePixels};
}

void DecayShakeAmplitudes(int32_t (&Amplitude)[BoardSize][BoardSize]) {
    for (auto& Column : Amplitude) {
        for (int32_t& Value : Column) {
            if (Value > 0) --Value;
            if (Value < 0) Value = 0;
        }
    }
}
