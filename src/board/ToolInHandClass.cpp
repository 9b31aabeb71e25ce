#include "ToolInHandClass.h"

#include <algorithm>
#include <cstdio>

#include "BoardEffectDrawClass.h"
#include "BoardEnemiesClass.h"
#include "BoardSetupClass.h"
#include "FrameCursorClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

namespace {
// An empty hook shows its tool greyed.
constexpr int32_t EmptyWallAlpha = 105;
}  // namespace

TToolInHand::TToolInHand() { Reset(); }

void TToolInHand::Reset() {
    FState = thHanging;
    FOverIcon = false;
    FReturnDelay = 0;
    FReturnPos = FloatPoint(HangingPosX, HangingPosY);
    FReturnSpeeds = TFloatPoint{};
}

void TToolInHand::SetCount(int32_t Value) { FCount = std::clamp(Value, 0, MaxCount); }

bool TToolInHand::InIconArea(int32_t X, int32_t Y) const {
    for (int32_t I = 0; I < FIconAreaCount; ++I) {
        const TToolIconArea& A = FIconAreas[I];
        const TRect R{HangingPosX + A.Left, HangingPosY + A.Top, HangingPosX + A.Right, HangingPosY + A.Bottom};
        if (PointInRect(X, Y, R)) return true;
    }
    return false;
}

bool TToolInHand::Pickable() const {
    return Available && Enabled && FState == thHanging && FOverIcon && FCount > 0;
}

bool TToolInHand::InBoardSquare(int32_t X, int32_t Y) const {
    return X >= BoardLeft && X <= BoardLeft + BoardPixels && Y >= BoardTop && Y <= BoardTop + BoardPixels;
}

void TToolInHand::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (!Available || !Enabled || FState == thUsing) return;
    FMouse = TPoint{X, Y};
    FTile = HitTestTile(BoardLeft, BoardTop, X, Y);
    FOverIcon = InIconArea(X, Y);
    if (Button == mbRight) {
        if (FState == thHeld) StartReturn(false);
        return;
    }
    if (Button != mbLeft) return;
    if (FState == thHanging) {
        if (FOverIcon && FCount >= 1) {
            FState = thHeld;
            PlaySoundEffect("PickingTool");
            TileChanged(FTile);
        }
        return;
    }
    if (FState == thHeld) HeldLeftPress(X, Y);
}

void TToolInHand::MouseMove(int32_t X, int32_t Y) {
    const TPoint Tile = HitTestTile(BoardLeft, BoardTop, X, Y);
    const TPoint OldTile = FTile;
    FMouse = TPoint{X, Y};
    FTile = Tile;
    FOverIcon = InIconArea(X, Y);
    if (!Available || !Enabled) return;
    if (Pickable()) FrameCursor = TFrameCursor::HandPoint;
    if (InHand()) FrameCursor = TFrameCursor::Hidden;
    if (FState == thHeld && !(Tile == OldTile)) TileChanged(Tile);
}

void TToolInHand::StartReturn(bool AfterUse) {
    FState = thReturning;
    const TPoint From = PointerDrawPos();
    FReturnPos = FloatPoint(From.X, From.Y);
    FReturnSpeeds = AxisSpeeds(From, TPoint{HangingPosX, HangingPosY}, ReturnSpeed);
    FReturnDelay = AfterUse ? IdleReturnTime : 0;
    // Nothing stays marked on the board for a tool that has gone.
    TileChanged(TPoint{0, 0});
}

void TToolInHand::HoldAgain() {
    FState = thHeld;
    TileChanged(FTile);
}

void TToolInHand::GiveBack() {
    SetCount(FCount + 1);
    if (Enabled) PlaySoundEffect("DisabledTile");
}

void TToolInHand::UpdateReturn() {
    if (FReturnDelay > 0) {
        FReturnDelay -= FrameStep;
        return;
    }
    MoveTowards(FReturnPos.X, FReturnPos.Y, FReturnSpeeds.X, FReturnSpeeds.Y, HangingPosX, HangingPosY);
    if (FReturnPos.X == HangingPosX && FReturnPos.Y == HangingPosY) FState = thHanging;
}

TFloatPoint TToolInHand::DrawnPos() const {
    switch (FState) {
        case thHeld:
        case thUsing: {
            const TPoint P = PointerDrawPos();
            return FloatPoint(P.X, P.Y);
        }
        case thReturning: return FReturnPos;
        case thHanging: break;
    }
    return FloatPoint(HangingPosX, HangingPosY);
}

void TToolInHand::UpdateAndDraw() {
    if (!Available) return;
    switch (FState) {
        case thHanging: return;
        case thHeld: {
            const TPoint P = PointerDrawPos();
            if (Visible) DrawToolAt(P.X, P.Y, 0);
            return;
        }
        case thUsing:
            if (Visible) UsingFrame();
            return;
        case thReturning: {
            // The flight home goes on while the round is paused only when it is drawn.
            if (!Visible) return;
            const bool Waiting = FReturnDelay > 0;
            const TFloatPoint At = FReturnPos;
            UpdateReturn();
            // A tool that has just reached its hook is drawn by the wall from now on.
            if (FState == thReturning || Waiting) DrawToolAt(Round(At.X), Round(At.Y), 0);
            return;
        }
    }
}

void TToolInHand::DrawToolAt(int32_t X, int32_t Y, int32_t Pattern) {
    if (!Visible) return;
    DrawWithShadow(EffectImage(OmgImgList, FImageName), X, Y, Pattern, false, false, ShadowAdjustX, ShadowAdjustY,
                   ShadowAlpha);
}

void TToolInHand::DrawImageAt(const char* Name, int32_t X, int32_t Y, int32_t Pattern, int32_t Alpha) {
    if (!Visible) return;
    if (TImageListItem* Image = EffectImage(OmgImgList, Name))
        Image->DrawEx(X, Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Alpha, Pattern, 0);
}

int32_t TToolInHand::WallPattern() const {
    if (FCount <= 0) return 6 + FWallIndex;
    return FOverIcon ? 3 + FWallIndex : FWallIndex;
}

void TToolInHand::DrawWall() {
    if (!Available || FState != thHanging) return;
    TImageListItem* Wall = EffectImage(OmgImgList, "ToolsWall");
    if (!Wall) return;
    const int32_t Alpha = FCount <= 0 ? EmptyWallAlpha : 255;
    Wall->DrawEx(HangingPosX, HangingPosY, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Alpha, WallPattern(), 0);
}

void TToolInHand::DrawCount() {
    if (!Available || FCount <= 0) return;
    TImageListItem* Digits = EffectImage(OmgImgList, "ToolCount");
    if (!Digits) return;
    char Text[16];
    std::snprintf(Text, sizeof(Text), "%2.2d", FCount);
    const char* Shown = Text[0] == '0' ? Text + 1 : Text;
    int32_t X = CountPosX;
    for (const char* C = Shown; *C; ++C) {
        Digits->Draw(X, CountPosY, *C - '0');
        X += CountWidth;
    }
}
