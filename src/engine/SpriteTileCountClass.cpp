#include "SpriteTileCountClass.h"

#include <iterator>

namespace {
struct TTileCountSeed {
    const char* Name;
    int32_t Columns;
    int32_t Rows;
};

// Every image the game cuts into patterns. "LevelSelTimeScore" holds the ten
// digits and the colon, so it has 11 columns.
constexpr TTileCountSeed TileCountSeeds[] = {
    {"TileShine", 2, 1}, {"ProgressTubeEdgeCovers", 2, 1}, {"TubeBubble", 2, 1}, {"TileSelection", 2, 1},
    {"ShuffleEdgeCover", 2, 1}, {"FairySitLimbs", 2, 1}, {"BuyWindowTracker", 2, 1},
    {"BuyWindowAsterisk", 2, 1}, {"SplashMirelHair", 2, 1}, {"LittleStars", 2, 1}, {"KongLeftWing_Side", 2, 1},
    {"KongRightWing_Side", 2, 1}, {"KongTail_Side", 2, 1}, {"KongLeftArm_Side", 2, 1}, {"KongLeg_Side", 2, 1},
    {"KongLeftHand_Side", 2, 1}, {"KongRightHand_Side", 2, 1}, {"KongBody_Side", 2, 1}, {"FishBody_Side", 2, 1},
    {"FishHair_Side", 2, 1}, {"FishTail_Side", 2, 1}, {"FishLeftWing_Side", 2, 1}, {"FishLeftLeg_Side", 2, 1},
    {"FishLeftThigh_Side", 2, 1}, {"FishRightLeg_Side", 2, 1}, {"FishRightThigh_Side", 2, 1},
    {"FishLeftWhisker_Side", 2, 1}, {"FishRightWhisker_Side", 2, 1}, {"BirdBody_Side", 2, 1},
    {"BirdLeftWing_Side", 2, 1}, {"BirdTail1_Side", 2, 1}, {"BirdTail2_Side", 2, 1}, {"BirdLeftLeg_Side", 2, 1},
    {"BirdRightLeg_Side", 2, 1}, {"BirdRightThigh_Side", 2, 1}, {"BirdLeftThigh_Side", 2, 1},
    {"LionBody_Side", 2, 1}, {"LionTail_Side", 2, 1}, {"LionTailTip_Side", 2, 1}, {"LionLeftThigh_Side", 2, 1},
    {"LionRightThigh_Side", 2, 1}, {"LionLeftLeg_Side", 2, 1}, {"LionRightLeg_Side", 2, 1},
    {"LionLeftUpArm_Side", 2, 1}, {"LionLeftLowArm_Side", 2, 1}, {"LionRightLowArm_Side", 2, 1},
    {"LizardHead_Side", 2, 1}, {"LizardBody_Side", 2, 1}, {"LizardBottom_Side", 2, 1},
    {"LizardRightLowArm_Side", 2, 1}, {"LizardLeftLowArm_Side", 2, 1}, {"LizardLeftLeg_Side", 2, 1},
    {"LizardRightLeg_Side", 2, 1}, {"LizardLeftUpArm_Side", 2, 1}, {"LizardLeftThigh_Side", 2, 1},
    {"ResultMedals", 3, 1}, {"MedalShine", 3, 1}, {"FlowerRoot", 3, 1}, {"MagicKey", 3, 1},
    {"FlowingToolIcons", 3, 1}, {"LockerDoors", 3, 1}, {"SmallToolIcons", 3, 1}, {"ScreenDustEffect", 3, 1},
    {"FairyDust", 3, 1}, {"ScoreBlur", 3, 1}, {"MoneyBlur", 3, 1}, {"ShuffleButton", 3, 1},
    {"FruitGatherNumberBlur", 3, 1}, {"InGameMenuButton", 3, 1}, {"PlayButton", 3, 1},
    {"FairySideBodyWings_Left", 3, 1}, {"FairySideBodyWings_Right", 3, 1}, {"FairyFrontBodyWings", 3, 1},
    {"FairySitBodyWings", 3, 1}, {"LevelDot", 3, 1}, {"LevelSelMedal", 3, 1}, {"LevelSelDotMedal", 3, 1},
    {"MirelIslandTab1", 3, 1}, {"MirelIslandTab2", 3, 1}, {"MirelIslandTab3", 3, 1}, {"MirelIslandTab4", 3, 1},
    {"InGameResumeButton", 1, 3}, {"InGameOptionsButton", 1, 3}, {"InGameHelpButton", 1, 3},
    {"InGameToMapButton", 1, 3}, {"CreditsButton", 1, 3}, {"ExitButton", 1, 3}, {"HelpButton", 1, 3},
    {"HelpPrevButton", 1, 3}, {"HelpNextButton", 1, 3}, {"HighScoresButton", 1, 3}, {"TrophiesButton", 1, 3},
    {"OptionsButton", 1, 3}, {"ChangePlayerLink", 1, 3}, {"WindowBackButton", 1, 3}, {"WindowDoneButton", 1, 3},
    {"WindowYesButton", 1, 3}, {"WindowNoButton", 1, 3}, {"MapEnterButton", 1, 3}, {"MapMenuButton", 1, 3},
    {"LevelSelPlayButton", 1, 3}, {"MirelsShortcutButton", 1, 3}, {"StorySkipButton", 1, 3},
    {"StoryDoneButton", 1, 3}, {"ShopButton", 1, 3}, {"LevelSelMapButton", 1, 3}, {"MirelsProgressTube", 1, 3},
    {"SpecialLockerMark", 6, 1}, {"FlowersBig", 6, 1}, {"SwapEatenFruits", 6, 1}, {"FruitsOutside", 6, 1},
    {"FruitsOutsideBig", 6, 1}, {"Aerosol", 6, 1}, {"FlowersRooted", 6, 1}, {"FruitsFlashVert", 6, 1},
    {"FruitsFlashHorz", 6, 1}, {"FruitBlastersInside", 6, 1}, {"FruitBlasterBlur", 6, 1},
    {"UniFruitInside", 6, 1}, {"FlowersInside", 6, 1}, {"FruitsEaten", 6, 1}, {"FruitsInside", 6, 1},
    {"Web", 6, 1}, {"FruitBomb", 6, 1}, {"LockerCrack", 6, 1}, {"ComboFruit", 6, 1},
    {"MirelsProgressFillEdge", 6, 1}, {"SmallMirel", 6, 1}, {"MirelsCastleFlag", 6, 1}, {"FruitPanel", 1, 4},
    {"InGameRestartButton", 1, 4}, {"SpiderMakingWeb", 1, 4}, {"CheckBoxSound", 1, 4}, {"CheckBoxMusic", 1, 4},
    {"CheckBoxFullscreen", 1, 4}, {"CheckBoxTutorial", 1, 4}, {"WindowOKButton", 1, 4},
    {"WindowCancelButton", 1, 4}, {"LevelSelPanelCaps", 1, 4}, {"BuyItemButton", 1, 4},
    {"BuySlotIconMask", 1, 4}, {"NameListNewButton", 1, 4}, {"NameListDeleteButton", 1, 4},
    {"TaviBalloon", 1, 4}, {"BonusStageDigit", 10, 1}, {"FruitGatherNumber", 10, 1}, {"ToolCount", 10, 1},
    {"LevelInfoDigit", 10, 1}, {"Score", 10, 1}, {"Money", 10, 1}, {"LevelSelTimeScore", 11, 1},
    {"LevelSelLevelInfo", 10, 1}, {"LadyBugHit", 10, 1}, {"SpecialLadyBugHit", 10, 1},
    {"BonusAnimalBonus", 4, 1}, {"WormBiting", 4, 1}, {"Broom", 4, 1}, {"BroomDust", 4, 1},
    {"VolumeMinusButton", 4, 1}, {"VolumePlusButton", 4, 1}, {"BuyWindowUp", 4, 1}, {"BuyWindowDown", 4, 1},
    {"LoadingBarFillEdge", 4, 1}, {"BlowingBubble", 7, 1}, {"PulsingFruits", 7, 1}, {"FruitGather", 7, 1},
    {"FruitBlasterWave", 7, 1}, {"FairySideLimbs_Left", 7, 1}, {"FairySideLimbs_Right", 7, 1},
    {"FairyFrontLimbs", 7, 1}, {"ObjectiveLogo", 7, 1}, {"ObjInfoLogo", 7, 1}, {"ComboText", 1, 5},
    {"AuraSpark", 1, 5}, {"FlowerButterfly1", 1, 5}, {"FlowerButterfly2", 1, 5}, {"FlowerButterfly3", 1, 5},
    {"ShuffleWave", 1, 6}, {"IslandNames", 1, 6}, {"SpiderHit", 1, 6}, {"IslandLogo", 1, 6},
    {"FruitGatherLeftDone", 1, 2}, {"MovingClouds", 1, 2}, {"TubeTimerMask", 1, 2}, {"StoryBGMask", 1, 2},
    {"ToolsWall", 3, 3}, {"Lockers", 3, 3}, {"IncentiveIcons", 3, 3}, {"SpiderAnchoring", 1, 7},
    {"ObjInfoTitle", 1, 7}, {"ObjInfoDesc", 1, 7}, {"BuySlotIcons", 10, 3}, {"LadyBug", 10, 3},
    {"SpecialLadyBug", 10, 3}, {"BonusLetters", 5, 2}, {"BombParticle", 5, 2}, {"LockerFrame", 18, 1},
    {"MapArrow", 18, 1}, {"WormEating", 1, 8}, {"MirelsProgressTubeStatus", 1, 8}, {"WormAppearingHorz", 15, 1},
    {"WormWalkingHorz", 15, 1}, {"WormAppearingVert", 1, 15}, {"WormWalkingVert", 1, 15},
    {"GlobalFontWhite", 57, 1}, {"GlobalFontYellow", 57, 1}, {"MirelsPinkButterfly", 4, 2},
    {"MirelsBlueButterfly", 4, 2}, {"SmallFairy", 6, 2}, {"InGameSmallFairy", 6, 2}, {"TaviScoring", 3, 2},
    {"Confetti", 3, 2}, {"MoneyEffect", 11, 1}, {"LockerPieces", 6, 3}, {"CyanParticle", 5, 1},
    {"DustParticle", 3, 7}, {"HammerHitting", 9, 1}, {"SpiderWalking", 1, 9}, {"CommentFont", 42, 1},
    {"ComicFont", 82, 1}, {"SmallTavi", 8, 1}, {"Trophies", 7, 3}, {"AbsorbedEnergy", 5, 3},
    {"StoryFont", 49, 1}, {"StoryFont_Caps", 26, 1}, {"TutorialIcons", 1, 10}, {"TutorialClickHere", 2, 2},
    // The garden's lights over the castle and the pond.
    {"MirelsCastleRiffle", 8, 1}, {"MirelsCastleLogoShine", 8, 1}, {"MirelsPondRiffle", 8, 1},
    // The splash's living sea and sky, and the map's glints.
    {"SplashClouds", 1, 3}, {"SplashWave", 1, 2}, {"SplashWaterBlinks", 4, 1}, {"MapWaterBlinks", 4, 1},
};
static_assert(std::size(TileCountSeeds) == TSpriteTileCount::EntryCount);
}  // namespace

TSpriteTileCount::TSpriteTileCount() {
    FEntries.reserve(std::size(TileCountSeeds));
    for (const auto& Seed : TileCountSeeds) FEntries.push_back({Seed.Name, Seed.Columns, Seed.Rows, false});
}

TTileCount TSpriteTileCount::GetTileCount(std::string_view Name) {
    for (auto& Entry : FEntries) {
        if (Entry.Name == Name) {
            Entry.Used = true;
            return {Entry.Columns, Entry.Rows};
        }
    }
    return {1, 1};
}

void TSpriteTileCount::GetTileCount(std::string_view Name, int32_t& Columns, int32_t& Rows) {
    const TTileCount Count = GetTileCount(Name);
    Columns = Count.Columns;
    Rows = Count.Rows;
}
