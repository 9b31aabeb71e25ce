// The grouping animation: matched fruits swell out of their boxes and shiver
// for eight frames, then each one is handed to the main form to leave the
// board (it becomes an empty position and its fruit falls to the ground). A
// flower or tool among them leaves through its own event, to be collected.
#pragma once

#include <cstdint>
#include <functional>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;
class TImageListItem;

using TGroupingEffectCompleteEvent =
    std::function<void(TObject* Sender, TBoardData BoardDataTmp, TSimpleObjectArray GroupedFruits)>;
using TNewFlowerAcquiredEvent = std::function<void(TObject* Sender, TPoint TilePos)>;
// AToolIdx is the tool's content code, 104 to 106.
using TNewToolAcquiredEvent = std::function<void(TObject* Sender, TPoint TilePos, int32_t AToolIdx)>;

class TGroupedFruitsEffect : public TObject {
public:
    // Frames a matched tile is shown before it leaves.
    static constexpr int32_t GroupingFrames = 8;

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    int32_t Left = BoardScreenLeft;  // the board's top-left tile corner
    int32_t Top = BoardScreenTop;
    // The flower a collected flower tile shows (1 to 6): the board's chosen flower.
    int32_t FlowerIdx = 1;

    // Each matched tile, one by one, with the board as it was handed over.
    TGroupingEffectCompleteEvent OnGroupingEffectComplete;
    TNewFlowerAcquiredEvent OnNewFlowerAcquired;
    TNewToolAcquiredEvent OnNewToolAcquired;

    // Keeps BoardData (replacing the earlier copy) and starts every tile of
    // GroupedFruits from its first frame; tiles already showing keep counting.
    void Start(const TBoardData& BoardData, const TSimpleObjectArray& GroupedFruits);
    // Every tile stops, nothing is reported.
    void Clear();
    // Once per frame: counts, draws, and hands over the tiles that are done.
    void Frame();

    bool Active(TPoint P) const { return FTiles[P.X - 1][P.Y - 1].Active; }
    int32_t ActiveCount() const;

private:
    struct TTile {
        bool Active = false;
        int32_t Counter = 0;
    };

    void ResolveImages();
    void DrawTile(int32_t X, int32_t Y, int32_t Counter);
    // The counter of the tile at (X, Y) reached the last frame: tools, then flowers, then the tile itself leave.
    void HandOver(int32_t X, int32_t Y);

    TBoardData FBoard;
    TTile FTiles[BoardSize][BoardSize];

    enum TImage : uint8_t { imFruitsOutsideBig, imFlowingToolIcons, imFlowersRooted, imFruitBomb, imCount };
    TImageListItem* FImages[imCount] = {};
};
