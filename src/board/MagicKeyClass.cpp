#include "MagicKeyClass.h"

#include "SFXPlayerClass.h"

TMagicKey::TMagicKey() {
    FWallIndex = 0;
    FImageName = "MagicKey";
    HangingPosX = 32;
    HangingPosY = 192;
    CountPosX = 85;
    CountPosY = 208;
    CountWidth = 15;
    PointerAdjustX = -1;
    PointerAdjustY = -10;
    IdleReturnTime = 250;
    // (30, 191)-(90, 218) and (56, 218)-(90, 235) with the key on its hook at (32, 192).
    FIconAreas[0] = {-2, -1, 58, 26};
    FIconAreas[1] = {24, 26, 58, 43};
    FIconAreaCount = 2;
    Reset();
}

void TMagicKey::Ask(TPoint Tile, bool& Openable, bool& IsBlankTile) {
    Openable = false;
    IsBlankTile = false;
    if (OnObjectOpenableAsk) OnObjectOpenableAsk(this, Tile, Openable, IsBlankTile);
}

void TMagicKey::TileChanged(TPoint Tile) {
    bool Openable = false;
    bool IsBlankTile = false;
    if (!(Tile == TPoint{0, 0})) Ask(Tile, Openable, IsBlankTile);
    if (OnTilePosChange) OnTilePosChange(this, Tile, Openable);
}

void TMagicKey::HeldLeftPress(int32_t X, int32_t Y) {
    if (!InBoardSquare(X, Y)) {
        StartReturn(false);
        return;
    }
    bool Openable = false;
    bool IsBlankTile = false;
    Ask(FTile, Openable, IsBlankTile);
    if (Openable && FCount > 0) {
        SetCount(FCount - 1);
        FUsedTile = FTile;
        FAnim.Restart();
        FState = thUsing;
        PlaySoundEffect("MagicKey");
    } else if (!IsBlankTile && !Openable) {
        PlaySoundEffect("DisabledTile");
    } else {
        StartReturn(false);
    }
}

void TMagicKey::UsingFrame() {
    const TPoint At = PointerDrawPos();
    DrawToolAt(At.X, At.Y, FAnim.CurrentPattern());
    if (!FAnim.AtEnd()) {
        FAnim.Advance();
        return;
    }
    // The locker may have started falling or opening meanwhile: the key is not spent
    // on it. After the round has ended the turn changes nothing either.
    bool Openable = false;
    bool IsBlankTile = false;
    if (Enabled) Ask(FUsedTile, Openable, IsBlankTile);
    if (Openable) {
        if (OnTileClick) OnTileClick(this, FUsedTile);
    } else {
        GiveBack();
    }
    StartReturn(true);
}
