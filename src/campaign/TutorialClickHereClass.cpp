#include "TutorialClickHereClass.h"

#include <algorithm>

#include "CampaignDrawClass.h"
#include "FrameCursorClass.h"

namespace {

// Pairs of neighbouring tiles, one swap each: odd spots point with patterns 0 and 1,
// even spots (the second tile, with the swap arrow) with 2 and 3; 1 and 3 are mirrored.
constexpr TTutorialClickHere::TSpot Spots[TTutorialClickHere::SpotCount] = {
    {{5, 4}, 0, {22, -44}},  {{5, 5}, 2, {22, -44}},  {{4, 5}, 1, {-73, -44}}, {{4, 4}, 3, {-73, -44}},
    {{5, 3}, 1, {-73, -44}}, {{4, 3}, 3, {-73, -44}}, {{4, 3}, 0, {22, -44}},  {{4, 4}, 3, {-73, -44}},
};

constexpr int32_t FrameMs = 30;

}  // namespace

const TTutorialClickHere::TSpot& TTutorialClickHere::Spot(int32_t Idx) {
    return Spots[std::clamp(Idx, 1, SpotCount) - 1];
}

TTutorialClickHere::TTutorialClickHere() {
    FPulse.Min = -0.1f;
    FPulse.Max = 0.1f;
    FPulse.Inc = 0.015f;
    FPulse.Dec = 0.015f;
}

void TTutorialClickHere::StartPointer() {
    FActive = true;
    FSpot = 1;
    FArrowAlpha = StartingArrowAlpha;
    FWaitingTimer = 0;
    if (OnPointSpotIdxChange) OnPointSpotIdxChange(this, 1);
}

void TTutorialClickHere::NextSpot() {
    if (!FActive) return;
    ++FSpot;
    if (FSpot > SpotCount) {
        FActive = false;
        FMouseOver = false;
    }
    FArrowAlpha = StartingArrowAlpha;
    FWaitingTimer = 0;
    if (OnPointSpotIdxChange) OnPointSpotIdxChange(this, static_cast<uint8_t>(FSpot));
}

void TTutorialClickHere::StopPointer() {
    FActive = false;
    FMouseOver = false;
    FWaitingTimer = 0;
}

void TTutorialClickHere::MouseMoveAt(int32_t X, int32_t Y) {
    const auto TileOf = [](int32_t Pixel, int32_t Origin) {
        const int32_t Tile = (Pixel - Origin + TilePixels) / TilePixels;
        return Tile < 0 || Tile > 10 ? 0 : Tile;
    };
    const TPoint Tile{TileOf(X, BoardLeft), TileOf(Y, BoardTop)};
    FMouseOver = FActive && Tile.X == Spot(FSpot).Tile.X && Tile.Y == Spot(FSpot).Tile.Y;
    if (FMouseOver) FrameCursor = TFrameCursor::HandPoint;
}

void TTutorialClickHere::UpdateAndDraw() {
    if (!FActive || !Visible) return;
    FWaitingTimer += FrameMs;
    if (FWaitingTimer < WaitingTime) return;
    FPulse.Update();
    const float V = FPulse.Value;
    FArrowAlpha = std::min(FArrowAlpha + ArrowAlphaStep, MaxArrowAlpha);
    const TSpot& S = Spot(FSpot);
    const int32_t X = BoardLeft + (S.Tile.X - 1) * TilePixels + S.Offset.X;
    const int32_t Y = BoardTop + (S.Tile.Y - 1) * TilePixels + S.Offset.Y;
    const float Scale = 1.0f + V / 4.0f;
    DrawCampaignSmooth(OmgImgList, "TutorialClickHere", X, Y, 360.0f + 4.0f * V, 0.5f, 0.5f, Scale, Scale, 255, 255,
                       255, FArrowAlpha, S.Pattern);
}
