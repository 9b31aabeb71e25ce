#include "BroomClass.h"

#include "SFXPlayerClass.h"

TBroom::TBroom() {
    FWallIndex = 1;
    FImageName = "Broom";
    HangingPosX = 27;
    HangingPosY = 227;
    CountPosX = 85;
    CountPosY = 258;
    CountWidth = 15;
    PointerAdjustX = -3;
    PointerAdjustY = -38;
    IdleReturnTime = 250;
    // (26, 228)-(52, 271), (52, 241)-(64, 273) and (64, 247)-(90, 282) with the broom at (27, 227).
    FIconAreas[0] = {-1, 1, 25, 44};
    FIconAreas[1] = {25, 14, 37, 46};
    FIconAreas[2] = {37, 20, 63, 55};
    FIconAreaCount = 3;
    Reset();
}

void TBroom::Ask(TPoint Tile, bool& Broomable, bool& IsBlankTile) {
    Broomable = false;
    IsBlankTile = false;
    if (OnObjectBroomableAsk) OnObjectBroomableAsk(this, Tile, Broomable, IsBlankTile);
}

void TBroom::TileChanged(TPoint Tile) {
    bool Broomable = false;
    bool IsBlankTile = false;
    if (!(Tile == TPoint{0, 0})) Ask(Tile, Broomable, IsBlankTile);
    if (OnTilePosChange) OnTilePosChange(this, Tile, Broomable);
}

void TBroom::HeldLeftPress(int32_t X, int32_t Y) {
    if (!InBoardSquare(X, Y)) {
        StartReturn(false);
        return;
    }
    bool Broomable = false;
    bool IsBlankTile = false;
    Ask(FTile, Broomable, IsBlankTile);
    if (Broomable && FCount > 0) {
        SetCount(FCount - 1);
        FUsedTile = FTile;
        FAnim.Restart();
        FState = thUsing;
        PlaySoundEffect("Sweeping");
    } else if (!IsBlankTile && !Broomable) {
        PlaySoundEffect("DisabledTile");
    } else {
        StartReturn(false);
    }
}

void TBroom::UsingFrame() {
    const TPoint At = PointerDrawPos();
    const int32_t Pattern = FAnim.CurrentPattern();
    DrawToolAt(At.X, At.Y, Pattern);
    DrawImageAt("BroomDust", At.X + DustAdjX, At.Y + DustAdjY, Pattern, DustAlpha);
    if (!FAnim.AtEnd()) {
        FAnim.Advance();
        return;
    }
    // The web may have gone meanwhile (a locker group tore it): the broom is not spent
    // on it. After the round has ended the sweep changes nothing either.
    bool Broomable = false;
    bool IsBlankTile = false;
    if (Enabled) Ask(FUsedTile, Broomable, IsBlankTile);
    if (Broomable) {
        if (OnTileBroomingFinished) OnTileBroomingFinished(this, FUsedTile);
    } else {
        GiveBack();
    }
    int32_t WebsLeft = 0;
    if (Enabled && OnWebsLeftQuestion) OnWebsLeftQuestion(this, WebsLeft);
    if (Enabled && FCount > 0 && WebsLeft > 0)
        HoldAgain();
    else
        StartReturn(true);
}
