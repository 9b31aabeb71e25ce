// The level's opening: the lockers of the level's board drop in one by one,
// from the bottom row up along a snake (leftward, then rightward on the row
// above, and so on), each falling from the board's top edge to its cell and
// knocking as it lands. When the last one has landed the board takes over.
#pragma once

#include <cstdint>
#include <string>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class TLockerFiller : public TObject {
public:
    static constexpr int32_t FallStep = 20;  // pixels per frame

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t GapInterval = 30;  // milliseconds between two launches
    TNotifyEvent OnFinish;     // every locker has landed (raised once per start)

    // Reads the level's board again from its file and starts the drop. A file
    // that cannot be read any more has nothing to drop: the drop finishes at once.
    void Start(const std::string& LevelFileName);
    void Start(const TBoardData& Board);
    // Nothing drops, nothing is drawn, nothing is reported.
    void Clear();
    void UpdateAndDraw();

    bool Running() const { return FRunning; }
    // Screen y of the locker dropping into tile P; -1 while it has not been launched.
    int32_t DropY(TPoint P) const { return FDropY[P.X - 1][P.Y - 1]; }
    bool Landed(TPoint P) const { return FLanded[P.X - 1][P.Y - 1]; }

private:
    bool NextLaunch(TPoint& P);
    void Launch(TPoint P);
    bool AllLanded() const;
    void Draw();

    TBoardData FBoard;
    int32_t FDropY[BoardSize][BoardSize] = {};
    bool FLanded[BoardSize][BoardSize] = {};
    TPoint FCursor;          // the next position the snake looks at
    int32_t FDirection = -1; // -1 leftward, 1 rightward
    bool FCursorDone = true;
    int32_t FGapTimer = 0;
    bool FRunning = false;
};
