#include "TrophiesClass.h"

#include <algorithm>
#include <cmath>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "ProgressRecordClass.h"
#include "RandomClass.h"

namespace {
// Trophy t at [t - 1].
constexpr TTrophyPlace Places[TrophyCount] = {
    {166, 29, 0.937},  {271, 34, 1.041},  {231, 134, 1.129}, {135, 312, 1.089}, {389, 282, 1.14},
    {346, 107, 1.042}, {32, 246, 1.305},  {100, 429, 1.306}, {325, 201, 0.937}, {416, 177, 0.881},
    {294, 320, 0.876}, {48, 30, 1.238},   {23, 351, 0.864},  {377, 12, 0.902},  {120, 125, 1.026},
    {21, 136, 0.895},  {139, 217, 0.832}, {233, 244, 1.072}, {376, 413, 1.57},  {230, 408, 1.30},
};

bool IsTrophyIdx(int32_t Idx) { return Idx >= 1 && Idx <= TrophyCount; }
}  // namespace

const TTrophyPlace& TrophyPlace(int32_t TrophyIdx) { return Places[IsTrophyIdx(TrophyIdx) ? TrophyIdx - 1 : 0]; }

void TTrophies::InitImages() {
    const TImageListItem* Image = EffectImage(OmgImgList, "Trophies");
    if (!Image) return;
    TrophyOrigWidth = Image->EffectiveTileWidth();
    TrophyOrigHeight = Image->EffectiveTileHeight();
}

void TTrophies::LoadEarned(const TProgressRecord& Record) {
    for (int32_t I = 0; I < TrophyCount; ++I) Earned[I] = Record.TrophiesEarned[I] != 0;
}

void TTrophies::Prepare() {
    FHovered = 0;
    FMouseKnown = false;
    FMotions.fill(TMotion{});
}

void TTrophies::SetPanelPos(TPoint APos) {
    if (APos == FPanelPos) return;
    FPanelPos = APos;
    TestHover();
}

void TTrophies::MouseMove(int32_t X, int32_t Y) {
    FMouse = Point(X, Y);
    FMouseKnown = true;
    TestHover();
}

void TTrophies::TestHover() {
    if (!FMouseKnown) return;
    const int32_t Now = HitTest(FMouse.X, FMouse.Y);
    if (Now == FHovered) return;
    FHovered = Now;
    if (OnSelectionChange) OnSelectionChange(this, Now);
}

int32_t TTrophies::HitTest(int32_t X, int32_t Y) const {
    const double HalfWidth = (TrophyOrigWidth - HitMargin) / 2.0;
    const double HalfHeight = (TrophyOrigHeight - HitMargin) / 2.0;
    // The later place lies over the earlier ones.
    for (int32_t Idx = TrophyCount; Idx >= 1; --Idx) {
        const TPoint Centre = PlaceCentre(Idx);
        const double Scale = TrophyPlace(Idx).Scale;
        if (std::abs(X - Centre.X) <= HalfWidth * Scale && std::abs(Y - Centre.Y) <= HalfHeight * Scale) return Idx;
    }
    return 0;
}

TPoint TTrophies::PlaceCentre(int32_t TrophyIdx) const {
    const TTrophyPlace& Place = TrophyPlace(TrophyIdx);
    return Point(FPanelPos.X + Place.X + PlaceSize / 2, FPanelPos.Y + Place.Y + PlaceSize / 2);
}

int32_t TTrophies::RandomEarnedIdx() const {
    const auto Count = static_cast<int32_t>(std::count(Earned.begin(), Earned.end(), true));
    if (Count == 0) return 0;
    int32_t Pick = CosmeticRandomInt(Count);
    for (int32_t I = 0; I < TrophyCount; ++I) {
        if (Earned[I] && Pick-- == 0) return I + 1;
    }
    return 0;
}

double TTrophies::WobbleAngle(int32_t TrophyIdx) const {
    return IsTrophyIdx(TrophyIdx) ? FMotions[TrophyIdx - 1].Angle : 0.0;
}

int32_t TTrophies::GlowAlpha(int32_t TrophyIdx) const {
    return IsTrophyIdx(TrophyIdx) ? FMotions[TrophyIdx - 1].Glow : 0;
}

void TTrophies::UpdateAndDraw() {
    for (int32_t I = 0; I < TrophyCount; ++I) {
        TMotion& M = FMotions[I];
        if (I + 1 == FHovered) {
            M.Limit = MaxWobble;
            M.Glow = std::min(M.Glow + GlowRiseStep, MaxGlow);
        } else {
            M.Limit = std::max(M.Limit - WobbleCalmStep, 0.0);
            M.Glow = std::max(M.Glow - GlowFallStep, 0);
        }
        // The trophy swings to and fro within its reach; a narrowing reach brings it to rest.
        M.Angle += M.Dir * WobbleStep;
        if (M.Angle >= M.Limit) {
            M.Angle = M.Limit;
            M.Dir = -1;
        } else if (M.Angle <= -M.Limit) {
            M.Angle = -M.Limit;
            M.Dir = 1;
        }
    }
    Draw();
}

void TTrophies::Draw() {
    TImageListItem* Image = EffectImage(OmgImgList, "Trophies");
    if (!Image) return;
    SetEffectFiltering(OmgImgList, true);
    for (int32_t Idx = 1; Idx <= TrophyCount; ++Idx) {
        const TMotion& M = FMotions[Idx - 1];
        const TPoint Centre = PlaceCentre(Idx);
        const int32_t X = Centre.X - TrophyOrigWidth / 2;
        const int32_t Y = Centre.Y - TrophyOrigHeight / 2;
        const auto Scale = static_cast<float>(TrophyPlace(Idx).Scale);
        const auto Angle = static_cast<float>(M.Angle);
        const int32_t Pattern = Earned[Idx - 1] ? Idx - 1 : EmptyPlacePattern;
        Image->DrawEx(X, Y, Angle, 0.5f, 0.5f, Scale, Scale, 255, 255, 255, 255, Pattern, 0);
        // The glow is the trophy once more, added onto itself.
        if (M.Glow > 0) Image->DrawEx(X, Y, Angle, 0.5f, 0.5f, Scale, Scale, 255, 255, 255, M.Glow, Pattern, 2);
    }
    SetEffectFiltering(OmgImgList, false);
}
