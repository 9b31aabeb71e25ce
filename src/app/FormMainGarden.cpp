// The round's ties to Mirel's garden: the shop's items unlocked by a won level
// and the plant announced after its result. They come with the shop and garden island.
#include "FormMainClass.h"

void TFormMain::ResetPlantAnnouncerForRound() {}
// Round won: every level up to this one unlocks its shop item.
void TFormMain::UnlockShopItemsForLevel() {}
bool TFormMain::AnnouncePlantForLevel() { return false; }
void TFormMain::FramePlantAnnouncer() {}
// Test mode: every shop item available.
void TFormMain::ApplyTestModeShop() {}
// The garden island behind the menu, in the garden and under the shop.
void TFormMain::DrawGardenView() {}
// The map's Enter on Mirel's island and the level selection's shortcut lead to the garden.
void TFormMain::EnterGardenFromMap() {}
void TFormMain::EnterGardenFromLevelSel() {}
// The garden balloon starts afresh (the level selection is left).
void TFormMain::ResetGardenBalloon() {}
