#include "PlantAnnouncerClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"
#include "ShopItemListClass.h"
#include "TextStringsClass.h"

namespace {
using enum TMirelIslandItemType;

constexpr double RiseOpacityStep = 0.048;
constexpr double RiseScaleStep = 0.055;
constexpr double RiseSpeedUp = 6.0;
constexpr double LeaveSpeedUp = 3.0;
constexpr double LeaveOpacityStep = 0.12;
constexpr double LeaveScaleStep = 0.04;
constexpr double ShadowAlpha = 180.0;
// Until its pop begins a piece shows at most this much of the panel's opacity.
constexpr double TitleMaxBeforePop = 0.2;
constexpr double DescMaxBeforePop = 0.1;
constexpr double ItemMaxBeforePop = 0.3;
// The item's yellow glow and the name's white over its black copy, as parts of 255.
constexpr double GlowAlpha = 225.0 / 255.0;
constexpr double NameAlpha = 225.0;
constexpr double NameShadowAlpha = 135.0;

constexpr int32_t ItemTypeCount = static_cast<int32_t>(aiSmallFairies) + 1;

// Indexed by the item type's ordinal.
constexpr int8_t NameLines[ItemTypeCount] = {
    0,   // aiNone
    6,   // aiPineTree
    7,   // aiPalmTree
    1,   // aiSakuraTree
    5,   // aiAppleTree
    4,   // aiBigTree
    2,   // aiBerryBush
    3,   // aiYellowBush
    10,  // aiFacedOakTree
    15,  // aiStandingRoot
    16,  // aiZigzagTree
    9,   // aiRedFlowers
    12,  // aiPinkFurballs
    17,  // aiSpottedRoot
    11,  // aiBonsai
    14,  // aiMushroom
    13,  // aiBalloonCactus
    8,   // aiSunFlowers
    18,  // aiCastleBase
    19,  // aiCastleRoof
    21,  // aiBridgePath
    20,  // aiCastleTower
    24,  // aiCastleLogo
    25,  // aiCastleFlags
    22,  // aiStone
    23,  // aiPond
    27,  // aiPinkButterflies
    26,  // aiBlueButterflies
    29,  // aiRainbow
    28,  // aiSmallFairies
};

// Indexed by the item type's ordinal.
constexpr TPlantAnnouncerItem Items[ItemTypeCount] = {
    {"", 0, 0, 1.0},                             // aiNone
    {"MirelsPineTree1", 182, 138, 1.1},          // aiPineTree
    {"MirelsPalmTree1", 185, 123, 0.9},          // aiPalmTree
    {"MirelsSakuraTree2", 157, 125, 0.9},        // aiSakuraTree
    {"MirelsAppleTree1", 156, 128, 1.0},         // aiAppleTree
    {"MirelsBigTree2", 151, 95, 0.74},           // aiBigTree
    {"MirelsBerryBush1", 188, 184, 1.0},         // aiBerryBush
    {"MirelsYellowBush2", 170, 185, 1.0},        // aiYellowBush
    {"MirelsFacedOakTree", 145, 69, 0.62},       // aiFacedOakTree
    {"MirelsStandingRoot2", 211, 75, 0.64},      // aiStandingRoot
    {"MirelsZigzagTree1", 127, 111, 0.75},       // aiZigzagTree
    {"MirelsRedFlowers", 120, 178, 0.88},        // aiRedFlowers
    {"MirelsPinkFurballs", 162, 152, 0.85},      // aiPinkFurballs
    {"MirelsSpottedRoot2", 120, 127, 0.88},      // aiSpottedRoot
    {"MirelsBonsai1", 176, 163, 1.0},            // aiBonsai
    {"MirelsMushroom1", 197, 174, 1.0},          // aiMushroom
    {"MirelsBalloonCactus", 184, 131, 0.9},      // aiBalloonCactus
    {"MirelsSunFlowers", 57, 167, 0.62},         // aiSunFlowers
    {"MirelsCastleBase", 160, 151, 1.0},         // aiCastleBase
    {"MirelsCastleRoof", 185, 171, 1.0},         // aiCastleRoof
    {"MirelsBridgePath", 145, 79, 0.62},         // aiBridgePath
    {"MirelsCastleTower2", 179, 159, 1.0},       // aiCastleTower
    {"MirelsCastleLogo", 219, 189, 1.2},         // aiCastleLogo
    {"MirelsCastleFlag", 240, 182, 1.5},         // aiCastleFlags
    {"MirelsStone1", 161, 191, 1.0},             // aiStone
    {"MirelsPond", 159, 153, 1.0},               // aiPond
    {"MirelsPinkButterfly", 228, 170, 1.5},      // aiPinkButterflies
    {"MirelsBlueButterfly", 228, 170, 1.5},      // aiBlueButterflies
    {"MirelsRainbow", 0, 43, 0.45},              // aiRainbow
    {"MirelsSmallFairy", 190, 161, 1.0},         // aiSmallFairies
};

int32_t Ordinal(TMirelIslandItemType AItemType) {
    const int32_t I = static_cast<int32_t>(AItemType);
    return I < ItemTypeCount ? I : 0;
}

bool InLevelRange(int32_t Island, int32_t Level) {
    return Island >= 1 && Island <= ProgressIslandCount && Level >= 1 && Level <= ProgressLevelsPerIsland;
}
}  // namespace

// The shop keeps which level unlocks what.
TMirelIslandItemType ItemUnlockedByLevel(int32_t Island, int32_t Level) {
    return TShopItemList::UnlockedItemType(Island, Level);
}

int32_t ShopItemNameLine(TMirelIslandItemType AItemType) { return NameLines[Ordinal(AItemType)]; }

const TPlantAnnouncerItem& PlantAnnouncerItem(TMirelIslandItemType AItemType) { return Items[Ordinal(AItemType)]; }

TPlantAnnouncer::TPlantAnnouncer() {
    FTitlePopper.MaxRatio = 1.10;
    FTitlePopper.UpStep = 0.035;
    FTitlePopper.DownStep = 0.02;
    FDescPopper.MaxRatio = 1.05;
    FDescPopper.UpStep = 0.018;
    FDescPopper.DownStep = 0.01;
    FItemPopper.MaxRatio = 1.15;
    FItemPopper.UpStep = 0.05;
    FItemPopper.DownStep = 0.03;
    // Room for a shop name, so an announcement never allocates.
    FName.reserve(MaxTextLineLength + 1);
}

void TPlantAnnouncer::InitImages() {
    if (const TImageListItem* Shadow = EffectImage(OmgImgList, "ObjInfoShadow"))
        ShadowHeight = Shadow->EffectiveTileHeight();
}

void TPlantAnnouncer::Reset() {
    FPhase = paHidden;
    FOpacity = 0.0;
    FScale = 0.0;
    FTimer = 0;
    FTitlePopper.Reset();
    FDescPopper.Reset();
    FItemPopper.Reset();
}

bool TPlantAnnouncer::IsAnnounced(int32_t Island, int32_t Level) const {
    return InLevelRange(Island, Level) && FAnnounced[Island - 1][Level - 1];
}

bool TPlantAnnouncer::Announce(int32_t Island, int32_t Level) {
    const TMirelIslandItemType Type = ItemUnlockedByLevel(Island, Level);
    if (Type == aiNone || IsAnnounced(Island, Level)) return false;
    FAnnounced[Island - 1][Level - 1] = true;
    PlaySoundEffect("NotifyHigh");
    Reset();
    Start(Type);
    if (OnPlantAnnounced) OnPlantAnnounced(this, Type);
    FPhase = paRising;
    return true;
}

void TPlantAnnouncer::Start(TMirelIslandItemType AItemType) {
    FItemType = AItemType;
    FName.assign(TextStringsComp ? TextStringsComp->ShopItems(ShopItemNameLine(AItemType)) : std::string_view());
    FNameWidth = OmgFont ? OmgFont->TextWidth(FName) : 0;
    FPos = FloatPoint(RestLeft, 600 + 2 * ShadowHeight);
    FSpeed = OrigMoveStep;
}

void TPlantAnnouncer::RequestHide() {
    if (FPhase == paShowing) FTimer = ShowingTime;
}

void TPlantAnnouncer::UpdateAndDraw() {
    if (!Visible || FPhase == paHidden) return;
    FTitlePopper.Update();
    FDescPopper.Update();
    FItemPopper.Update();
    switch (FPhase) {
        case paRising: Rise(); break;
        case paShowing:
            if (AutoHiding) FTimer += FrameStep;
            if (FTimer >= ShowingTime) {
                FPhase = paLeaving;
                FSpeed = OrigMoveStep;
                if (OnStartHiding) OnStartHiding(this);
            }
            break;
        case paLeaving: Leave(); break;
        case paHidden: break;
    }
    if (FPhase != paHidden) Draw();
}

void TPlantAnnouncer::Rise() {
    FOpacity = std::min(FOpacity + RiseOpacityStep, 1.0);
    FScale = std::min(FScale + RiseScaleStep, 1.0);
    FSpeed += RiseSpeedUp;
    FPos.Y = std::max(FPos.Y - FSpeed, static_cast<double>(RestTop));
    if (FOpacity >= 1.0 && FScale >= 1.0) FPhase = paShowing;
    // Restarted while the panel waits at rest, so the pops' delays count from the rest's end.
    if (FPos.Y == RestTop) RestartPops();
}

void TPlantAnnouncer::RestartPops() {
    FTitlePopper.DelayedPop(TitlePopDelay);
    FDescPopper.DelayedPop(DescPopDelay);
    FItemPopper.DelayedPop(ItemPopDelay);
}

void TPlantAnnouncer::Leave() {
    FSpeed += LeaveSpeedUp;
    FOpacity = std::max(FOpacity - LeaveOpacityStep, 0.0);
    FScale = std::max(FScale - LeaveScaleStep, 0.0);
    FPos.Y -= FSpeed;
    if (FPos.Y <= -ShadowHeight) {
        FPhase = paHidden;
        if (OnHidingComplete) OnHidingComplete(this);
    }
}

int32_t TPlantAnnouncer::PieceAlpha(const TSpritePopper& Popper, double MaxBeforePop) const {
    const double Cap = (FPhase == paLeaving || Popper.PopBegun()) ? 1.0 : MaxBeforePop;
    return Round(std::min(FOpacity, Cap) * 255.0);
}

void TPlantAnnouncer::Draw() {
    const int32_t X = Round(FPos.X);
    const int32_t Y = Round(FPos.Y);
    SetEffectFiltering(OmgImgList, true);
    // A scale of 0 would be drawn at full size.
    TImageListItem* Shadow = FScale > 0.0 ? EffectImage(OmgImgList, "ObjInfoShadow") : nullptr;
    if (Shadow) {
        const float ShadowScale = static_cast<float>(2.0 * FScale);
        Shadow->DrawEx(X + ShadowHeight / 2, Y, 0.0f, 0.5f, 0.0f, ShadowScale, ShadowScale, 255, 255, 255,
                       Round(FOpacity * ShadowAlpha), 0, 0);
    }
    DrawPiece("PlantAnnouncerTitle", X + 128, Y + 55, FTitlePopper, TitleMaxBeforePop);
    DrawPiece("PlantAnnouncerDesc", X + 144, Y + 95, FDescPopper, DescMaxBeforePop);
    DrawItem(X, Y);
    SetEffectFiltering(OmgImgList, false);
    DrawName(X, Y);
}

void TPlantAnnouncer::DrawPiece(const char* Image, int32_t X, int32_t Y, const TSpritePopper& Popper,
                                double MaxBeforePop) {
    TImageListItem* Item = EffectImage(OmgImgList, Image);
    if (!Item) return;
    const float Scale = static_cast<float>(Popper.Ratio());
    Item->DrawEx(X, Y, 0.0f, 0.5f, 0.5f, Scale, Scale, 255, 255, 255, PieceAlpha(Popper, MaxBeforePop), 0, 0);
}

void TPlantAnnouncer::DrawItem(int32_t X, int32_t Y) {
    const TPlantAnnouncerItem& Look = PlantAnnouncerItem(FItemType);
    TImageListItem* Image = EffectImage(OmgImgList, Look.Image);
    if (!Image) return;
    const float Scale = static_cast<float>(Look.Scale * FItemPopper.Ratio());
    const int32_t Alpha = PieceAlpha(FItemPopper, ItemMaxBeforePop);
    // The yellow glow lies under the item, a little down and to the right.
    Image->DrawEx(X + Look.X + 3, Y + Look.Y + 3, 0.0f, 0.5f, 0.5f, Scale, Scale, 255, 255, 0,
                  Round(Alpha * GlowAlpha), 0, 2);
    Image->DrawEx(X + Look.X, Y + Look.Y, 0.0f, 0.5f, 0.5f, Scale, Scale, 255, 255, 255, Alpha, 0, 0);
}

void TPlantAnnouncer::DrawName(int32_t X, int32_t Y) {
    if (!OmgFont || FName.empty()) return;
    const int32_t NameX = X + NameLeft + (NameWidth - FNameWidth) / 2;
    const int32_t NameY = Y + NameTop;
    OmgFont->TextOut(NameX + 1, NameY + 2, FName, 0, 0, 0, Round(FOpacity * NameShadowAlpha));
    OmgFont->TextOut(NameX, NameY, FName, 255, 255, 255, Round(FOpacity * NameAlpha));
}

void TPlantAnnouncer::LoadSaved(const TProgressRecord& Record) {
    for (int32_t I = 0; I < ProgressIslandCount; ++I) {
        for (int32_t L = 0; L < ProgressLevelsPerIsland; ++L) FAnnounced[I][L] = Record.PlantsAnnounced[I][L] != 0;
    }
}

void TPlantAnnouncer::StoreSaved(TProgressRecord& Record) const {
    for (int32_t I = 0; I < ProgressIslandCount; ++I) {
        for (int32_t L = 0; L < ProgressLevelsPerIsland; ++L) Record.PlantsAnnounced[I][L] = FAnnounced[I][L] ? 1 : 0;
    }
}
