// A torn spider web: wherever a web is torn off a tile (by a match, a locker
// group, a bomb, the blaster, the key or the broom), the web bursts in six
// tearing pictures, two frames each, growing a little as it goes. Twenty
// tearings can show at once, in slots reused in turn.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class TWebEffect : public TObject {
public:
    static constexpr int32_t SlotCount = 20;
    static constexpr int32_t TearingFrames = 12;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = BoardScreenLeft;  // the board's top-left tile corner
    int32_t Top = BoardScreenTop;
    bool Visible = true;
    // The size of one "Web" pattern; the main form sets it from the loaded image,
    // and the defaults are that image's size.
    int32_t OrigWebWidth = 45;
    int32_t OrigWebHeight = 45;

    // A web was torn off tile P: it takes the next slot, whatever that slot shows.
    void Start(TPoint TilePos);
    // Every tearing stops.
    void Clear();
    // Once per frame: every tearing moves on one frame and is drawn.
    void Frame();

    struct TSlot {
        bool Active = false;
        int32_t X = 0;  // the tile's cell corner
        int32_t Y = 0;
        int32_t Counter = 0;
        double Size = 0.0;
    };
    const TSlot& Slot(int32_t Index) const { return FSlots[Index]; }  // 0 to 19
    int32_t ActiveCount() const;
    // The "Web" pattern a tearing shows on its frame 1 to 12.
    static int32_t PatternAt(int32_t Counter);

private:
    TSlot FSlots[SlotCount];
    int32_t FNext = 0;  // the slot the next tearing takes
};
