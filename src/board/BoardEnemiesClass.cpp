#include "BoardEnemiesClass.h"

#include "BoardEffectDrawClass.h"
#include "BoardSetupClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {

constexpr float RollCentreX = 0.25f;
constexpr float RollCentreY = 0.65f;
constexpr int32_t RollAngleStep = 12;

}  // namespace

TPoint NeighbourTile(TPoint P, TCrawlDirection D) {
    switch (D) {
        case cdUp: return TPoint{P.X, P.Y - 1};
        case cdDown: return TPoint{P.X, P.Y + 1};
        case cdLeft: return TPoint{P.X - 1, P.Y};
        case cdRight: return TPoint{P.X + 1, P.Y};
    }
    return P;
}

bool CanCrawlOnto(const TBoardData& Board, TPoint P) { return !IsOffBoard(Board, P); }

bool HasWayOut(const TBoardData& Board, TPoint P) {
    for (int32_t D = 0; D < CrawlDirectionCount; ++D)
        if (CanCrawlOnto(Board, NeighbourTile(P, static_cast<TCrawlDirection>(D)))) return true;
    return false;
}

bool OneChanceIn(int32_t P) { return Random(P) == 0; }

int32_t NewWaveInterval() { return 350 + 350 * Random(10); }

void DrawWithShadow(TImageListItem* Image, int32_t X, int32_t Y, int32_t Pattern, bool FlipVertical,
                    bool MirrorHorizontal, int32_t ShadowX, int32_t ShadowY, uint8_t ShadowAlpha) {
    if (!Image) return;
    Image->DrawExColor(X + ShadowX, Y + ShadowY, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, ShadowColor(ShadowAlpha),
                       FlipVertical, MirrorHorizontal, Pattern, 0);
    Image->DrawExColor(X, Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, OpaqueWhite, FlipVertical, MirrorHorizontal, Pattern, 0);
}

void DrawRolling(TOmegaImageList* List, TImageListItem* Image, int32_t X, int32_t Y, int32_t Angle,
                 int32_t Pattern, int32_t ShadowX, int32_t ShadowY, uint8_t ShadowAlpha) {
    if (!Image) return;
    const float Turn = static_cast<float>(Angle);
    SetEffectFiltering(List, true);
    Image->DrawEx(X + ShadowX, Y + ShadowY, Turn, RollCentreX, RollCentreY, 1.0f, 1.0f, 0, 0, 0, ShadowAlpha,
                  Pattern, 0);
    Image->DrawEx(X, Y, Turn, RollCentreX, RollCentreY, 1.0f, 1.0f, 255, 255, 255, 255, Pattern, 0);
    SetEffectFiltering(List, false);
}

int32_t NextRollAngle(int32_t Angle) {
    Angle += RollAngleStep;
    return Angle >= 360 ? Angle - 360 : Angle;
}
