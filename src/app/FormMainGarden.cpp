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
