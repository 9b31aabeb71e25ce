#include "LevelSelBGPlantsClass.h"

#include "CampaignDrawClass.h"

namespace {
// The rainbow is painted at half size and spans the sky at twice that.
constexpr TPoint RainbowAt{150, 44};
constexpr int32_t RainbowAlpha = 75;
constexpr float RainbowScale = 2.0f;
// Mirel's own screen (and any other) keeps her at the menu's place.
constexpr TPoint DefaultStandingPoint{335, 484};
}  // namespace

void TLevelSelBGPlants::SetIslandKind(TIslandKind Kind) { FKind = Kind; }

TPoint TLevelSelBGPlants::StandingPoint() const {
    switch (FKind) {
        case isTropical: return {540, 499};
        case isRainbow: return {231, 494};
        case isJungle: return {244, 499};
        case isFlower: return {328, 480};
        case isFantasia: return {590, 503};
        default: return DefaultStandingPoint;
    }
}

// Scaled images grow and shrink about their middle, smoothly.
void TLevelSelBGPlants::DrawScaled(const char* Name, int32_t X, int32_t Y, float Scale) const {
    DrawCampaignSmooth(OmgImgList, Name, X, Y, 0.0f, 0.5f, 0.5f, Scale, Scale, 255, 255, 255, 255, 0);
}

void TLevelSelBGPlants::Draw() const {
    if (FKind == isMirel) return;
    if (FKind != isRainbow) {
        DrawCampaignSmooth(OmgImgList, "LevelSelBGRainbow", RainbowAt.X, RainbowAt.Y, 0.0f, 0.5f, 0.5f, RainbowScale,
                           RainbowScale, 255, 255, 255, RainbowAlpha, 0);
    }
    switch (FKind) {
        case isTropical:
            DrawScaled("MirelsFacedOakTree", 0, 150, 0.87f);
            DrawCampaignImage(OmgImgList, "LevelSelBossIcon", 675, 352, 0);
            break;
        case isRainbow:
            // The garden's rainbow, turned the other way and tilted, stands in for the sky's.
            DrawCampaignSmooth(OmgImgList, "MirelsRainbow", 78, 45, 10.0f, 0.5f, 0.5f, -1.0f, 0.85f, 255, 255, 255,
                               160, 0);
            DrawCampaignImage(OmgImgList, "MirelsPalmTree1", 62, 68, 0);
            DrawCampaignImage(OmgImgList, "MirelsBalloonCactus", 436, 326, 0);
            DrawCampaignImage(OmgImgList, "LevelSelBossIcon", 609, 202, 0);
            break;
        case isJungle:
            DrawScaled("MirelsPineTree2", 0, 40, 0.78f);
            DrawCampaignImage(OmgImgList, "MirelsStone1", 487, 532, 0);
            DrawCampaignImage(OmgImgList, "LevelSelBossIcon", 695, 291, 0);
            break;
        case isFlower:
            DrawCampaignImage(OmgImgList, "MirelsSakuraTree2", 155, 259, 0);
            DrawCampaignImage(OmgImgList, "MirelsSunFlowers", 0, 509, 0);
            DrawCampaignImage(OmgImgList, "LevelSelBossIcon", 564, 193, 0);
            break;
        case isFantasia:
            DrawScaled("MirelsSpottedRoot2", 0, 102, 0.86f);
            DrawScaled("MirelsStandingRoot1", 727, 264, 0.81f);
            DrawCampaignImage(OmgImgList, "LevelSelBossIcon", 690, 223, 0);
            break;
        default: break;
    }
}
