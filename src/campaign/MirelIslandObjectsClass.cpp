#include "MirelIslandObjectsClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "ShopItemListClass.h"

using enum TMirelIslandItemType;

namespace {
// The objects in the order they are drawn: the far trees first, the flowers at
// the front last.
constexpr TGardenObjectDef Definitions[TMirelIslandObjects::DefinitionCount] = {
    {aiPalmTree, 2, "MirelsPalmTree2", 640, 18},          {aiPalmTree, 1, "MirelsPalmTree1", 378, 35},
    {aiZigzagTree, 1, "MirelsZigzagTree1", 127, 8},       {aiSpottedRoot, 1, "MirelsSpottedRoot1", 399, 79},
    {aiStandingRoot, 1, "MirelsStandingRoot1", 14, 49},   {aiPineTree, 1, "MirelsPineTree1", 201, 89},
    {aiPineTree, 2, "MirelsPineTree2", 78, 87},           {aiAppleTree, 1, "MirelsAppleTree1", 271, 150},
    {aiSakuraTree, 1, "MirelsSakuraTree1", 105, 171},     {aiSakuraTree, 2, "MirelsSakuraTree2", 5, 180},
    {aiCastleBase, 0, "MirelsCastleBase", 239, 259},      {aiBridgePath, 0, "MirelsBridgePath", 296, 350},
    {aiCastleTower, 1, "MirelsCastleTower1", 271, 203},   {aiCastleRoof, 0, "MirelsCastleRoof", 263, 242},
    {aiCastleTower, 2, "MirelsCastleTower2", 255, 224},   {aiCastleFlags, 0, "MirelsCastleFlag", 287, 180},
    {aiCastleLogo, 0, "MirelsCastleLogo", 297, 282},      {aiStandingRoot, 2, "MirelsStandingRoot2", 698, 80},
    {aiBigTree, 1, "MirelsBigTree1", 495, 165},           {aiBigTree, 2, "MirelsBigTree2", 578, 195},
    {aiAppleTree, 2, "MirelsAppleTree2", 0, 165},         {aiSpottedRoot, 2, "MirelsSpottedRoot2", 41, 259},
    {aiFacedOakTree, 0, "MirelsFacedOakTree", 418, 183},  {aiZigzagTree, 2, "MirelsZigzagTree2", 675, 111},
    {aiStandingRoot, 3, "MirelsStandingRoot3", 613, 167}, {aiBerryBush, 1, "MirelsBerryBush1", 172, 346},
    {aiBerryBush, 2, "MirelsBerryBush2", 0, 377},         {aiBonsai, 1, "MirelsBonsai1", 146, 397},
    {aiBonsai, 2, "MirelsBonsai2", 0, 424},               {aiStone, 1, "MirelsStone1", 439, 415},
    {aiStone, 2, "MirelsStone2", 322, 350},               {aiMushroom, 1, "MirelsMushroom1", 623, 405},
    {aiMushroom, 2, "MirelsMushroom2", 380, 407},         {aiYellowBush, 1, "MirelsYellowBush1", 581, 470},
    {aiYellowBush, 2, "MirelsYellowBush2", 449, 446},     {aiPinkFurballs, 0, "MirelsPinkFurballs", 389, 455},
    {aiBalloonCactus, 0, "MirelsBalloonCactus", 685, 392}, {aiRainbow, 0, "MirelsRainbow", 0, 222},
    {aiPond, 0, "MirelsPond", 193, 442},                  {aiRedFlowers, 0, "MirelsRedFlowers", 548, 518},
    {aiSunFlowers, 0, "MirelsSunFlowers", 0, 508},
};

// The flags wave through their six pictures, each flag a little behind the one before.
constexpr int32_t FlagPatternCount = 6;
constexpr int32_t FlagFramesPerPattern = 3;
constexpr int32_t FlagPhases[TMirelIslandObjects::CastleFlagParts] = {0, 2, 4, 1};
// The rainbow's corners fade between these opacities, a quarter of a cycle apart.
constexpr int32_t RainbowMinAlpha = 100;
constexpr int32_t RainbowMaxAlpha = 255;
constexpr int32_t RainbowAlphaStep = 3;
// The glow's tint: yellow.
constexpr int32_t GlowRed = 255;
constexpr int32_t GlowGreen = 255;
constexpr int32_t GlowBlue = 0;
constexpr int32_t GlowBlendMode = 2;

std::string TopName(int32_t DefIdx) {
    const TGardenObjectDef& Def = Definitions[DefIdx - 1];
    const bool Tall = (Def.ItemType == aiPineTree || Def.ItemType == aiPalmTree || Def.ItemType == aiZigzagTree) ||
                      ((Def.ItemType == aiStandingRoot || Def.ItemType == aiSpottedRoot) && Def.Variant == 1);
    return Tall ? std::string(Def.Image) + "_Top" : std::string();
}

struct TTopNames {
    std::string Names[TMirelIslandObjects::DefinitionCount + 1];
    TTopNames() {
        for (int32_t K = 1; K <= TMirelIslandObjects::DefinitionCount; ++K) Names[K] = TopName(K);
    }
};
const TTopNames& TopNames() {
    static const TTopNames Names;
    return Names;
}

void DrawDef(TOmegaImageList* List, const TGardenObjectDef& Def, int32_t DX, int32_t DY, int32_t Pattern,
             int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha, int32_t BlendMode) {
    TImageListItem* Image = EffectImage(List, Def.Image);
    if (!Image) return;
    Image->DrawEx(Def.X + DX, Def.Y + DY, 0.0f, 0.5f, 0.5f, 1.0f, 1.0f, Red, Green, Blue, Alpha, Pattern, BlendMode);
}

uint32_t WhiteWithAlpha(int32_t Alpha) { return static_cast<uint32_t>(Alpha) << 24 | 0x00FFFFFFu; }
}  // namespace

TMirelIslandObjects::TMirelIslandObjects() { FGlow.Setup(GlowStep, GlowStep, GlowMax, 0.0f); }

const TGardenObjectDef& TMirelIslandObjects::Definition(int32_t DefIdx) {
    static const TGardenObjectDef None;
    if (DefIdx < 1 || DefIdx > DefinitionCount) return None;
    return Definitions[DefIdx - 1];
}

int32_t TMirelIslandObjects::DefinitionIndex(TMirelIslandItemType ItemType, uint8_t Variant) {
    if (ItemType == aiNone) return 0;
    for (int32_t K = 1; K <= DefinitionCount; ++K) {
        if (Definitions[K - 1].ItemType == ItemType && Definitions[K - 1].Variant == Variant) return K;
    }
    return 0;
}

bool TMirelIslandObjects::IsGardenVisitor(TMirelIslandItemType ItemType) {
    return ItemType == aiBlueButterflies || ItemType == aiPinkButterflies || ItemType == aiSmallFairies;
}

const std::string& TMirelIslandObjects::TopPartName(int32_t DefIdx) {
    const TTopNames& Names = TopNames();
    if (DefIdx < 1 || DefIdx > DefinitionCount) return Names.Names[0];
    return Names.Names[DefIdx];
}

bool TMirelIslandObjects::Placed(int32_t DefIdx) const {
    return DefIdx >= 1 && DefIdx <= DefinitionCount && FPlaced[DefIdx - 1];
}

bool TMirelIslandObjects::IsPlaced(TMirelIslandItemType ItemType, uint8_t Variant) const {
    return Placed(DefinitionIndex(ItemType, Variant));
}

bool TMirelIslandObjects::Place(TMirelIslandItemType ItemType, uint8_t Variant) {
    const int32_t DefIdx = DefinitionIndex(ItemType, Variant);
    if (DefIdx == 0) return false;
    FPlaced[DefIdx - 1] = true;
    FHighlightIdx = DefIdx;
    FFactor = 1.0;
    FGlow.Setup(GlowStep, GlowStep, GlowMax, 0.0f);
    FGlow.StartRising();
    return true;
}

int32_t TMirelIslandObjects::PlaceBoughtItems(const TShopItemList& Shop) {
    int32_t Count = 0;
    for (int32_t P = 1; P <= TShopItemList::PageCount; ++P) {
        for (int32_t S = 1; S <= TShopItemList::SlotsPerPage; ++S) {
            const TShopItem& Item = Shop.Item(P, S);
            if (!Item.Exists || !Item.Bought) continue;
            const int32_t DefIdx = DefinitionIndex(Item.ItemType, Item.Variant);
            if (DefIdx == 0 || FPlaced[DefIdx - 1]) continue;
            FPlaced[DefIdx - 1] = true;
            ++Count;
        }
    }
    return Count;
}

void TMirelIslandObjects::Reset() {
    FHighlightIdx = 0;
    FFactor = 0.0;
    FGlow.Setup(GlowStep, GlowStep, GlowMax, 0.0f);
}

void TMirelIslandObjects::Frame() {
    ++FFrameCount;
    if (FHighlightIdx == 0) return;
    FGlow.Update();
    FFactor -= FFactor < FactorFastBelow ? FactorFastStep : FactorSlowStep;
    if (FFactor < FactorEndBelow) Reset();
}

int32_t TMirelIslandObjects::HighlightAlpha() const {
    if (FHighlightIdx == 0) return 0;
    return Round(static_cast<double>(FGlow.Value) * FFactor);
}

int32_t TMirelIslandObjects::CastleFlagPattern(int32_t Part) const {
    const int32_t Phase = Part >= 0 && Part < CastleFlagParts ? FlagPhases[Part] : 0;
    return (FFrameCount / FlagFramesPerPattern + Phase) % FlagPatternCount;
}

int32_t TMirelIslandObjects::RainbowCornerAlpha(int32_t Corner) const {
    // A triangle wave from the lowest opacity up to the highest and back.
    const int32_t Span = RainbowMaxAlpha - RainbowMinAlpha;
    const int32_t Period = 2 * Span;
    const int32_t At = (FFrameCount * RainbowAlphaStep + (Corner & 3) * Period / 4) % Period;
    return RainbowMinAlpha + (At <= Span ? At : Period - At);
}

void TMirelIslandObjects::DrawFlags(int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha,
                                    int32_t BlendMode) const {
    const TGardenObjectDef& Flags = Definition(DefinitionIndex(aiCastleFlags, 0));
    for (int32_t Part = 0; Part < CastleFlagParts; ++Part) {
        DrawDef(OmgImgList, Flags, CastleFlagOffsets[Part].X, CastleFlagOffsets[Part].Y, CastleFlagPattern(Part), Red,
                Green, Blue, Alpha, BlendMode);
    }
}

void TMirelIslandObjects::DrawStatic(bool WithCastleFlags) const {
    for (int32_t K = 1; K <= DefinitionCount; ++K) {
        if (!FPlaced[K - 1]) continue;
        const TGardenObjectDef& Def = Definitions[K - 1];
        if (Def.ItemType == aiRainbow) continue;
        if (Def.ItemType == aiCastleFlags) {
            if (WithCastleFlags) DrawFlags(255, 255, 255, 255, 0);
            continue;
        }
        if (TImageListItem* Image = EffectImage(OmgImgList, Def.Image)) Image->Draw(Def.X, Def.Y, 0);
    }
}

void TMirelIslandObjects::DrawHighlight() const {
    if (FHighlightIdx == 0) return;
    const int32_t Alpha = HighlightAlpha();
    const TGardenObjectDef& Def = Definitions[FHighlightIdx - 1];
    if (Def.ItemType == aiCastleFlags) {
        DrawFlags(GlowRed, GlowGreen, GlowBlue, Alpha, GlowBlendMode);
    } else {
        DrawDef(OmgImgList, Def, 0, 0, 0, GlowRed, GlowGreen, GlowBlue, Alpha, GlowBlendMode);
    }
}

void TMirelIslandObjects::DrawCastleFlags() const {
    if (IsPlaced(aiCastleFlags, 0)) DrawFlags(255, 255, 255, 255, 0);
}

void TMirelIslandObjects::DrawRainbow() const {
    const TGardenObjectDef& Def = Definition(DefinitionIndex(aiRainbow, 0));
    if (!IsPlaced(aiRainbow, 0)) return;
    TImageListItem* Image = EffectImage(OmgImgList, Def.Image);
    if (!Image) return;
    Image->DrawEx4(Def.X, Def.Y, 0.0f, 0.5f, 0.5f, 1.0f, 1.0f, WhiteWithAlpha(RainbowCornerAlpha(0)),
                   WhiteWithAlpha(RainbowCornerAlpha(1)), WhiteWithAlpha(RainbowCornerAlpha(2)),
                   WhiteWithAlpha(RainbowCornerAlpha(3)), false, false, 0, 0);
}

void TMirelIslandObjects::DrawTopParts() const {
    for (int32_t K = 1; K <= DefinitionCount; ++K) {
        if (!FPlaced[K - 1]) continue;
        const std::string& Name = TopPartName(K);
        if (Name.empty()) continue;
        if (TImageListItem* Image = EffectImage(OmgImgList, Name)) {
            Image->Draw(Definitions[K - 1].X, Definitions[K - 1].Y, 0);
        }
    }
}

std::vector<std::string> TMirelIslandObjects::PlacedTopPartNames() const {
    std::vector<std::string> Names;
    for (int32_t K = 1; K <= DefinitionCount; ++K) {
        if (FPlaced[K - 1] && !TopPartName(K).empty()) Names.push_back(TopPartName(K));
    }
    return Names;
}

void TMirelIslandObjects::LoadSaved(const TProgressRecord& Record) {
    Reset();
    for (int32_t K = 1; K <= MaxDefinitions; ++K) {
        FPlaced[K - 1] = K <= DefinitionCount && Record.GardenObjects[K - 1] != 0;
    }
}

void TMirelIslandObjects::StoreSaved(TProgressRecord& Record) const {
    for (int32_t K = 1; K <= MaxDefinitions; ++K) Record.GardenObjects[K - 1] = FPlaced[K - 1] ? 1 : 0;
}
