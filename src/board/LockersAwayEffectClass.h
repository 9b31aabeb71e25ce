// The ending of a cleared round: the whole board of lockers and opened tiles
// shakes for a moment, then every tile flies off to a point around the edge of
// the screen, and the round goes on to its result.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class TLockersAwayEffect : public TObject {
public:
    static constexpr int32_t TargetCount = 29;
    static constexpr int32_t SpreadSpeed = 35;  // pixels per frame on the longer axis

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t FirstShakeTime = 1000;  // milliseconds of shaking before the tiles fly
    int32_t UniFruitColorIndex = 1; // the colour uni fruits show meanwhile
    int32_t FlowerIdx = 1;          // the flower an opened flower tile shows
    TNotifyEvent OnAboutSpreading;
    TNotifyEvent OnFinished;

    // Takes the board as it is and starts shaking it.
    void Start(const TBoardData& BoardData);
    void Clear();
    void UpdateAndDraw();

    // 0 idle, 1 shaking, 2 spreading.
    uint8_t Phase() const { return FPhase; }
    TFloatPoint Position(TPoint P) const { return FTiles[P.X - 1][P.Y - 1].Pos; }
    TPoint Target(TPoint P) const { return FTiles[P.X - 1][P.Y - 1].Target; }
    // The points tiles fly to, in screen pixels.
    static TPoint TargetPoint(int32_t Index);

private:
    struct TTile {
        TFloatPoint Pos;
        TPoint Target;
        TFloatPoint Speed;
    };
    static bool Flies(const TBoardTile& Tile) { return Tile.Kind == okLocker || Tile.Kind == okFruit; }
    bool Spread();
    void Draw(bool Shaking);

    TBoardData FBoard;
    TTile FTiles[BoardSize][BoardSize];
    uint8_t FPhase = 0;
    int32_t FTimer = 0;
};
