// The scene holder: exactly one of the game's 27 scenes is current, and every
// change is announced to the main form before it takes effect, so the handler
// still sees the old scene while it runs the exit and entry actions.
#pragma once

#include <cstdint>
#include <functional>

#include "GameTypesClass.h"

enum TGameSceneValues : uint8_t {
    gsCompanyLogos, gsSplash, gsMenu, gsPlayerSelect, gsStory, gsMap, gsMainGame, gsBonusStage, gsInGameMenu,
    gsInGameOptions, gsTrophies, gsRoundClear, gsTimeUp, gsOptions, gsHighScores, gsHelp, gsLevelSel,
    gsObjectiveInfo, gsStageResult, gsMirelIsland, gsShopItems, gsNewTrophy, gsNewIncentive, gsConfirmWindow,
    gsAddPlayer, gsAddInitialPlayer, gsCredits
};
constexpr int GameSceneCount = 27;

using TOnChangedEvent = std::function<void(TObject* Sender, TGameSceneValues OldScene, TGameSceneValues NewScene)>;

class TGameScene : public TObject {
public:
    TGameSceneValues Value() const { return FValue; }
    // Setting a different value calls OnChanged first, then stores it; the same value does nothing.
    void SetValue(TGameSceneValues NewValue);
    TOnChangedEvent OnChanged;
private:
    TGameSceneValues FValue = gsCompanyLogos;
};
