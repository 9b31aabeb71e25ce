// What the board's effect objects share: finding an image of their image list
// (an image that is not loaded, as in a game run without a screen, simply draws
// nothing while the effect keeps playing), smooth filtering around scaled and
// turned sprites, and the flight of things thrown off the board.
#pragma once

#include <cstdint>
#include <string_view>

#include "BoardDataClass.h"

class TOmegaImageList;
class TImageListItem;

TImageListItem* EffectImage(TOmegaImageList* List, std::string_view Name);
void SetEffectFiltering(TOmegaImageList* List, bool Smooth);

// Top-left pixel of tile P's cell on a board whose first tile's corner is (Left, Top).
inline TPoint EffectCellCorner(int32_t Left, int32_t Top, int32_t X, int32_t Y) {
    return TPoint{Left + (X - 1) * BoardTilePixels, Top + (Y - 1) * BoardTilePixels};
}

// A locker or opened tile as the board draws it, with (X, Y) standing for its
// cell corner: the box, the content (uni fruits in UniColor, flowers as FlowerIdx),
// the bomb, the worm, a locker's special mark, the web. Effects that carry the
// whole board away (lockers away, shuffle, lost board) draw every tile with it.
void DrawEffectTile(TOmegaImageList* List, const TBoardTile& Tile, int32_t X, int32_t Y, int32_t UniColor,
                    int32_t FlowerIdx);

// A thrown object's flight, once per frame: gravity adds 1.62 pixels a frame to its
// falling speed, while the sideways speed fades by 0.5 and the first throw (the
// impulse, upward when negative) by 1.62, each stopping at 0.
struct TThrownFlight {
    double X = 0.0;
    double Y = 0.0;
    double Speed = 12.0;
    double HorzSpeed = 0.0;
    double Impulse = 0.0;

    static constexpr double Gravity = 1.62;
    static constexpr double HorzFriction = 0.5;

    void Step();
};
