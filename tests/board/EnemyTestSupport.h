// What the worm and spider tests share: boards for the enemies' copies (only
// their holes matter to the enemies), a record of the sounds asked for, and
// running an enemy frame by frame until something happens.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "BoardDataClass.h"
#include "SFXPlayerClass.h"

namespace enemytest {

// Opened fruits on every tile, no two neighbours alike (colours differ by 1 across and 2 down, mod 5).
inline TBoardData QuietFruits() {
    TBoardData Data;
    for (int X = 1; X <= BoardSize; ++X) {
        for (int Y = 1; Y <= BoardSize; ++Y) {
            TBoardTile& Tile = Data.At(X, Y);
            Tile.Kind = okFruit;
            Tile.Content = static_cast<uint8_t>((X + 2 * Y) % 5 + 1);
        }
    }
    return Data;
}

inline TBoardData WithHoles(TBoardData Board, std::initializer_list<TPoint> Holes) {
    for (TPoint P : Holes) Board[P].Kind = okUnused;
    return Board;
}

// A board whose shape is only these tiles.
inline TBoardData OnlyTiles(std::initializer_list<TPoint> Tiles) {
    TBoardData Board = QuietFruits();
    for (int X = 1; X <= BoardSize; ++X)
        for (int Y = 1; Y <= BoardSize; ++Y) Board.At(X, Y).Kind = okUnused;
    for (TPoint P : Tiles) Board[P].Kind = okFruit;
    return Board;
}

inline TSimpleObjectArray Marked(std::initializer_list<TPoint> Tiles) {
    TSimpleObjectArray Mask;
    for (TPoint P : Tiles) Mask[P] = true;
    return Mask;
}

inline TTileStatusArray FallingAt(std::initializer_list<TPoint> Tiles) {
    TTileStatusArray Statuses;
    for (TPoint P : Tiles) Statuses[P] = tsFalling;
    return Statuses;
}

// Records the sound effects the game asks for while alive.
class TSoundLog {
public:
    TSoundLog() {
        SetSoundEffectListener([this](const std::string& Name) { Names.push_back(Name); });
    }
    ~TSoundLog() { SetSoundEffectListener({}); }
    TSoundLog(const TSoundLog&) = delete;
    TSoundLog& operator=(const TSoundLog&) = delete;
    int Count(const std::string& Name) const {
        int Result = 0;
        for (const std::string& Played : Names) Result += Played == Name ? 1 : 0;
        return Result;
    }
    std::vector<std::string> Names;
};

// Runs Enemy's frames until Done() holds after a frame: the frames run, or -1 past Max.
template <typename TEnemy, typename TDone>
int RunUntil(TEnemy& Enemy, TDone Done, int Max = 2000) {
    for (int Frame = 1; Frame <= Max; ++Frame) {
        Enemy.Frame();
        if (Done()) return Frame;
    }
    return -1;
}

template <typename TEnemy>
void RunFrames(TEnemy& Enemy, int Count) {
    for (int I = 0; I < Count; ++I) Enemy.Frame();
}

}  // namespace enemytest
