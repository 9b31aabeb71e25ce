// The magic key: picked off the tools wall, it follows the mouse over the
// board; a click on a closed locker turns the key in it, the locker opens on
// its own and a web over it is torn off. A click on anything else it cannot
// open sounds refused and keeps the key in hand; a click off the board puts it
// back. Each use costs one key.
#pragma once

#include <cstdint>
#include <functional>

#include "ToolInHandClass.h"

using TMagicKeyTileClickEvent = std::function<void(TObject* Sender, TPoint TilePos)>;
using TMagicKeyTilePosChangeEvent = std::function<void(TObject* Sender, TPoint TilePos, bool SelectionEnabled)>;
using TObjectOpenableAskEvent =
    std::function<void(TObject* Sender, TPoint TilePos, bool& Openable, bool& IsBlankTile)>;

class TMagicKey : public TToolInHand {
public:
    TMagicKey();

    // The key turned in TilePos (its animation has ended).
    TMagicKeyTileClickEvent OnTileClick;
    // While held, the tile under the mouse changed: SelectionEnabled when the key can open it.
    TMagicKeyTilePosChangeEvent OnTilePosChange;
    // Can the key open TilePos, and is TilePos outside the board's tiles? (both false unanswered)
    TObjectOpenableAskEvent OnObjectOpenableAsk;

    // The key turning, as long as it is being used.
    const TAnimData& UseAnim() const { return FAnim; }
    TPoint UsedTile() const { return FUsedTile; }

protected:
    void HeldLeftPress(int32_t X, int32_t Y) override;
    void UsingFrame() override;
    void TileChanged(TPoint Tile) override;

private:
    void Ask(TPoint Tile, bool& Openable, bool& IsBlankTile);
    TAnimData FAnim{"1122333332211", false};
    TPoint FUsedTile;
};
