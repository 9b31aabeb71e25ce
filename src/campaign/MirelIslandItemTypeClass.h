// The kinds of thing the player can buy for Mirel's garden, in their saved order.
#pragma once
#include <cstdint>
enum class TMirelIslandItemType : uint8_t {
    aiNone, aiPineTree, aiPalmTree, aiSakuraTree, aiAppleTree, aiBigTree, aiBerryBush, aiYellowBush,
    aiFacedOakTree, aiStandingRoot, aiZigzagTree, aiRedFlowers, aiPinkFurballs, aiSpottedRoot, aiBonsai,
    aiMushroom, aiBalloonCactus, aiSunFlowers, aiCastleBase, aiCastleRoof, aiBridgePath, aiCastleTower,
    aiCastleLogo, aiCastleFlags, aiStone, aiPond, aiPinkButterflies, aiBlueButterflies, aiRainbow, aiSmallFairies
};
