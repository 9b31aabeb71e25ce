// The shuffle as the player sees it: the old board shakes, every tile flies off
// to a point around the edge of the screen, the new board's tiles fly back in
// from those points to their cells, shake briefly, and the new board is handed
// to the round, which loads it into the board.
#pragma once

#include <cstdint>
#include <functional>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

using TShuffleAwayEffectFinishedEvent = std::function<void(TObject* Sender, TBoardData ANewBoardData)>;

class TShuffleAwayEffect : public TObject {
public:
    static constexpr int32_t FlySpeed = 35;  // pixels per frame on the longer axis

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t FirstShakeTime = 600;   // milliseconds the old board shakes before it flies off
    int32_t SecondShakeTime = 250;  // milliseconds the new board shakes once it is in place
    int32_t UniFruitColorIndex = 1; // the colour uni fruits show meanwhile
    int32_t FlowerIdx = 1;          // the flower an opened flower tile shows
    TShuffleAwayEffectFinishedEvent OnFinished;

    // Takes the old and the new board and starts shaking the old one. Each tile
    // position gets one of the edge points at random (gameplay stream: the points
    // decide when the shuffle ends).
    void Start(const TBoardData& OldBoard, const TBoardData& NewBoard);
    // Stops at once, reporting nothing.
    void Clear();
    void UpdateAndDraw();

    // 0 idle; 1 the old board shakes; 2 it flies off; 3 the new board flies in; 4 it shakes.
    uint8_t Phase() const { return FPhase; }
    bool Active() const { return FPhase != 0; }
    TFloatPoint Position(TPoint P) const { return FTiles[P.X - 1][P.Y - 1].Pos; }
    TPoint Target(TPoint P) const { return FTiles[P.X - 1][P.Y - 1].Target; }
    const TBoardData& NewBoard() const { return FNewBoard; }

private:
    struct TTile {
        TFloatPoint Pos;
        TPoint Target;
        TFloatPoint Speed;
    };
    static bool Flies(const TBoardTile& Tile) { return Tile.Kind == okLocker || Tile.Kind == okFruit; }
    const TBoardData& ShownBoard() const { return FPhase <= 2 ? FOldBoard : FNewBoard; }
    // Every tile of the shown board one step toward its target; true when all are there.
    bool Fly();
    void Draw();

    TBoardData FOldBoard;
    TBoardData FNewBoard;
    TTile FTiles[BoardSize][BoardSize];
    uint8_t FPhase = 0;
    int32_t FTimer = 0;
};
