// Boards drawn as text for the board tests, row by row (y = 1 first):
// '1'-'3' closed lockers of that kind, 'a'-'f' opened fruits of colour 1-6,
// 'A'-'F' the same fruits under a web, '.' outside the board's shape (also
// every position a short row or a missing row leaves out).
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BoardDataClass.h"

inline TBoardData DrawnBoard(const std::vector<std::string>& Rows) {
    TBoardData Board;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) Board.At(X, Y).Kind = okUnused;
    for (size_t Row = 0; Row < Rows.size(); ++Row) {
        for (size_t Col = 0; Col < Rows[Row].size(); ++Col) {
            const char C = Rows[Row][Col];
            TBoardTile& Tile = Board.At(static_cast<int32_t>(Col) + 1, static_cast<int32_t>(Row) + 1);
            if (C >= '1' && C <= '3') {
                Tile.Kind = okLocker;
                Tile.LockerKind = static_cast<uint8_t>(C - '0');
            } else if (C >= 'a' && C <= 'f') {
                Tile.Kind = okFruit;
                Tile.Content = static_cast<uint8_t>(C - 'a' + 1);
            } else if (C >= 'A' && C <= 'F') {
                Tile.Kind = okFruit;
                Tile.Content = static_cast<uint8_t>(C - 'A' + 1);
                Tile.Web = true;
            }
        }
    }
    return Board;
}

using TTileSet = std::set<std::pair<int, int>>;

inline TTileSet TilesOf(const TSimpleObjectArray& Mask) {
    TTileSet Result;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            if (Mask.At(X, Y)) Result.insert({X, Y});
    return Result;
}

inline TSimpleObjectArray MaskOf(const TTileSet& Tiles) {
    TSimpleObjectArray Mask;
    for (const auto& [X, Y] : Tiles) Mask.At(X, Y) = true;
    return Mask;
}
