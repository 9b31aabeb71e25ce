// The end of a round whose time ran out: the board trembles for a moment, then
// falls apart row by row from the bottom, its tiles dropping to the ground (one
// now and then bouncing once) and out of sight. Once most of it has started to
// fall, the round is told it may ask the player about retrying.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class TLostBoardEffect : public TObject {
public:
    static constexpr int32_t BounceFrames = 13;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t ShakingTime = 1000;           // milliseconds of trembling before the fall
    int32_t DroppingTriggerInterval = 90; // milliseconds between two sets of three falling tiles
    int32_t GroundPosY = 550;             // screen y where falling tiles meet the ground
    int32_t OneBounceEveryProb = 10;      // a tile reaching the ground bounces with a chance of 1 in this
    int32_t UniFruitColorIndex = 1;       // the colour uni fruits show meanwhile
    int32_t FlowerIdx = 1;                // the flower an opened flower tile shows
    // Raised once, when 70 % of the board's tiles have started to fall.
    TNotifyEvent OnTimeForDialogWindow;

    // Takes the board as it is: every locker and opened tile rests in its cell.
    void Start(const TBoardData& BoardData);
    void Clear();
    void UpdateAndDraw();

    // 0 idle, 1 shaking, 2 dropping.
    uint8_t Phase() const { return FPhase; }
    // A tile's state: 0 gone, 1 resting, 2 falling, 3 bouncing.
    uint8_t TileState(TPoint P) const { return FTiles[P.X - 1][P.Y - 1].State; }
    TFloatPoint Position(TPoint P) const { return FTiles[P.X - 1][P.Y - 1].Pos; }
    int32_t TileCount() const { return FTileCount; }
    int32_t StartedCount() const { return FStarted; }

private:
    struct TTile {
        TFloatPoint Pos;
        uint8_t State = 0;
        int32_t BounceCounter = 0;
    };
    void TriggerFalls();
    void StartFallInRow(int32_t Row);
    void MoveTiles();
    void Draw();

    TBoardData FBoard;
    TTile FTiles[BoardSize][BoardSize];
    int32_t FTileCount = 0;
    int32_t FStarted = 0;
    bool FDialogRequested = false;
    uint8_t FPhase = 0;
    int32_t FTimer = 0;
};
