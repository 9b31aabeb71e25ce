#include "BoardMovesClass.h"

#include <algorithm>

#include "BoardGroupsClass.h"
#include "RandomClass.h"

namespace {

// Placing the opened tiles and the specials gives up after this many random tries.
constexpr int32_t ShuffleTries = 10000;
constexpr int32_t HammerTries = 1000;
// A tile whose key was taken away while the shuffle breaks a ready-made group.
constexpr uint8_t UnsetKey = 255;
constexpr int32_t LockerKinds = 3;

bool HoldsTile(const TBoardTile& Tile) { return Tile.Kind == okLocker || Tile.Kind == okFruit; }

// A uniform column, then a uniform row.
TPoint RandomBoardPos() {
    const int32_t X = Random(BoardSize) + 1;
    const int32_t Y = Random(BoardSize) + 1;
    return TPoint{X, Y};
}

void SetKey(TBoardTile& Tile, uint8_t Key) {
    if (Tile.Kind == okLocker)
        Tile.LockerKind = Key;
    else
        Tile.Content = Key;
}

// Gives an unkeyed tile the first key that leaves the board without a group.
void ChooseKey(TBoardData& Board, const TTileStatusArray& Statuses, TPoint P, int32_t ColorCount) {
    TBoardTile& Tile = Board[P];
    if (Tile.Kind == okFruit) {
        for (int32_t Color = 1; Color <= ColorCount; ++Color) {
            Tile.Content = static_cast<uint8_t>(Color);
            if (!AnyGroup(Board, Statuses, ColorCount)) return;
        }
        Tile.Content = static_cast<uint8_t>(ColorCount);
        return;
    }
    for (int32_t Kind = 1; Kind <= LockerKinds; ++Kind) {
        Tile.LockerKind = static_cast<uint8_t>(Kind);
        if (!AnyGroup(Board, Statuses, ColorCount)) return;
    }
    // No kind of locker fits here: the tile opens, and the next pass colours it.
    Tile.Kind = okFruit;
    Tile.Content = UnsetKey;
}

// The specials go back onto the opened tiles, one each: an opened tile already
// shows what it holds, so a special neither opens a locker (the board keeps its
// number of opened tiles) nor, as a bomb, turns a locker into a fruit that
// completes a group. Only when every opened tile has one may a locker take one.
void PutSpecialsBack(TBoardData& Board, TBoardSpecials Left) {
    TSimpleObjectArray Placed;
    int32_t FreeOpened = CountOpenedTiles(Board);
    for (int32_t Try = 0; Try < ShuffleTries; ++Try) {
        if (Left == TBoardSpecials{}) return;
        const TPoint P = RandomBoardPos();
        TBoardTile& Tile = Board[P];
        const bool Fits = FreeOpened > 0 ? Tile.Kind == okFruit : HoldsTile(Tile);
        if (!Fits || Placed[P]) continue;
        Placed[P] = true;
        if (Tile.Kind == okFruit) --FreeOpened;
        Tile.Kind = okFruit;
        if (Left.Hammers > 0) {
            Tile.Content = ccHammer;
            --Left.Hammers;
        } else if (Left.UniFruits > 0) {
            Tile.Content = ccUniFruit;
            --Left.UniFruits;
        } else if (Left.Blasters > 0) {
            Tile.Content = ccFruitBlaster;
            --Left.Blasters;
        } else {
            Tile.Bomb = true;
            --Left.Bombs;
        }
    }
}

}  // namespace

TBoardSpecials CountSpecials(const TBoardData& Board) {
    TBoardSpecials Specials;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            if (!HoldsTile(Tile)) continue;
            Specials.Hammers += Tile.Content == ccHammer ? 1 : 0;
            Specials.UniFruits += Tile.Content == ccUniFruit ? 1 : 0;
            Specials.Blasters += Tile.Content == ccFruitBlaster ? 1 : 0;
            Specials.Bombs += Tile.Bomb ? 1 : 0;
        }
    }
    return Specials;
}

int32_t CountOpenedTiles(const TBoardData& Board) {
    int32_t Count = 0;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) Count += Board.At(X, Y).Kind == okFruit ? 1 : 0;
    return Count;
}

bool HasHammerOrBlaster(const TBoardData& Board) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            if (Tile.Kind == okFruit && (Tile.Content == ccHammer || Tile.Content == ccFruitBlaster)) return true;
        }
    }
    return false;
}

bool MovesLeft(const TBoardData& Board, const TTileStatusArray& Statuses) {
    THintTilesPos Move;
    return FindMoveFrom(Board, Statuses, TPoint{1, 1}, Move) || HasHammerOrBlaster(Board);
}

TBoardData MakeShuffledBoard(const TBoardData& Board, int32_t ColorCount) {
    const int32_t Colors = std::max(ColorCount, 1);
    const int32_t Opened = CountOpenedTiles(Board);
    const TBoardSpecials Specials = CountSpecials(Board);

    // Everything closes into a fresh locker; webs, bombs and worms are gone.
    TBoardData New = Board;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TBoardTile& Tile = New.At(X, Y);
            if (!HoldsTile(Tile)) continue;
            Tile.Kind = okLocker;
            Tile.LockerKind = static_cast<uint8_t>(Random(LockerKinds) + 1);
            Tile.Content = static_cast<uint8_t>(Random(Colors) + 1);
            Tile.Web = false;
            Tile.Bomb = false;
            Tile.WormState = WormStateNone;
            Tile.WormTime = 0;
        }
    }

    // As many tiles as before stay open, wherever they land.
    ReseedGameplayFromClock();
    for (int32_t I = 0; I < Opened; ++I) {
        for (int32_t Try = 0; Try < ShuffleTries; ++Try) {
            TBoardTile& Tile = New[RandomBoardPos()];
            if (Tile.Kind != okLocker) continue;
            Tile.Kind = okFruit;
            Tile.Content = static_cast<uint8_t>(Random(Colors) + 1);
            break;
        }
    }

    // A tile in a region of three or more loses its key, and the tiles after it are
    // judged without it: a group of three loses one tile, a longer group more.
    const TTileStatusArray Statuses = TTileStatusArray::ForBoard(New);
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!HoldsTile(New.At(X, Y))) continue;
            if (GroupRegionSize(New, Statuses, TPoint{X, Y}) >= 3) SetKey(New.At(X, Y), UnsetKey);
        }
    }
    // Two passes: the second colours the lockers that the first had to open.
    for (int32_t Pass = 0; Pass < 2; ++Pass) {
        for (int32_t X = 1; X <= BoardSize; ++X) {
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                const TBoardTile& Tile = New.At(X, Y);
                if (HoldsTile(Tile) && TileKey(Tile) == UnsetKey) ChooseKey(New, Statuses, TPoint{X, Y}, Colors);
            }
        }
    }

    PutSpecialsBack(New, Specials);
    return New;
}

TPoint AddHammerAnywhere(TBoardData& Board) {
    for (int32_t Try = 0; Try < HammerTries; ++Try) {
        const TPoint P = RandomBoardPos();
        TBoardTile& Tile = Board[P];
        if (!HoldsTile(Tile)) continue;
        Tile.Kind = okFruit;
        Tile.Content = ccHammer;
        return P;
    }
    return TPoint{};
}

void StepHintWobble(int32_t& Wobble, int32_t& Direction) {
    if (Direction == 1) {
        if (++Wobble > 7) {
            Wobble = 8;
            Direction = 0;
        }
    } else if (--Wobble < 1) {
        Wobble = 0;
        Direction = 1;
    }
}

TPoint HintTileShift(TPoint Tile, TPoint Other, int32_t Wobble) {
    if (Tile.X != Other.X) return TPoint{Tile.X < Other.X ? -Wobble : Wobble, 0};
    return TPoint{0, Tile.Y < Other.Y ? -Wobble : Wobble};
}
