// The broom: picked off the tools wall, it follows the mouse over the board; a
// click on a webbed tile sweeps the web away, with a puff of dust. While brooms
// and webs are left it stays in hand for the next web, otherwise it goes back
// to its hook. Each sweep costs one broom.
#pragma once

#include <cstdint>
#include <functional>

#include "ToolInHandClass.h"

using TTileBroomingFinishedEvent = std::function<void(TObject* Sender, TPoint BroomedTilePos)>;
using TBroomWebsLeftQuestionEvent = std::function<void(TObject* Sender, int32_t& AWebsLeft)>;
using TObjectBroomableAskEvent =
    std::function<void(TObject* Sender, TPoint TilePos, bool& Broomable, bool& IsBlankTile)>;
using TBroomTilePosChangeEvent = std::function<void(TObject* Sender, TPoint TilePos, bool Broomable)>;

class TBroom : public TToolInHand {
public:
    TBroom();

    int32_t DustAdjX = -8;   // the dust drawn over the broom, from the broom's corner
    int32_t DustAdjY = -5;
    int32_t DustAlpha = 150;

    // The sweep over BroomedTilePos has ended.
    TTileBroomingFinishedEvent OnTileBroomingFinished;
    // How many webs are left on the board (0 unanswered: the broom goes back).
    TBroomWebsLeftQuestionEvent OnWebsLeftQuestion;
    // Can the broom sweep TilePos, and is TilePos outside the board's tiles?
    TObjectBroomableAskEvent OnObjectBroomableAsk;
    // While held, the tile under the mouse changed.
    TBroomTilePosChangeEvent OnTilePosChange;

    const TAnimData& UseAnim() const { return FAnim; }
    TPoint UsedTile() const { return FUsedTile; }

protected:
    void HeldLeftPress(int32_t X, int32_t Y) override;
    void UsingFrame() override;
    void TileChanged(TPoint Tile) override;

private:
    void Ask(TPoint Tile, bool& Broomable, bool& IsBlankTile);
    TAnimData FAnim{"112233441122334411223344", false};
    TPoint FUsedTile;
};
