#include "CampaignProgressClass.h"

#include "LevelDotsClass.h"
#include "MapIslandsClass.h"

void ChooseIslandForPlay(TMapIslands& Map, const TLevelDots& Dots) {
    if (Dots.AllIslandsComplete()) {
        Map.Select(Map.LastEntered());
    } else {
        Map.SelectHighestOpenIslandNotAbove(Dots.FirstIncompleteIsland());
    }
    Map.OpenIsland(Map.Selected());
}

bool OpenNextIslandAfterRound(TMapIslands& Map, const TLevelDots& Dots, int32_t Island) {
    if (!Dots.NextIslandEarned(Island)) return false;
    Map.OpenIsland(Island + 1);
    if (!Map.Announced(Island + 1)) Map.SelectHighestOpenIsland();
    return true;
}

void ApplyTestModeProgress(TMapIslands& Map, TLevelDots& Dots) {
    Dots.GiveEveryLevelBestTime(1);
    for (int32_t Island = 1; Island <= TMapIslands::LevelIslandCount; ++Island) Map.OpenIsland(Island);
}
