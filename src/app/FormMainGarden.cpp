// The round's ties to Mirel's garden: the shop's items unlocked by a won level
// and the plant announced after its result. They come with the shop and garden island.
#include "DrawRoutinesClass.h"
#include "FormMainClass.h"

void TFormMain::ResetPlantAnnouncerForRound() {}
// Round won: every level up to this one unlocks its shop item.
void TFormMain::UnlockShopItemsForLevel() {}
bool TFormMain::AnnouncePlantForLevel() { return false; }
void TFormMain::FramePlantAnnouncer() {}
// Test mode: every shop item available.
void TFormMain::ApplyTestModeShop() {}
// The garden island behind the menu, in the garden and under the shop: the
// island with what the player has placed on it (or the player's garden picture),
// the light over it, its animations, then Mirel, Tavi and the garden's visitors.
void TFormMain::DrawGardenView() {
    if (GardenPictureCurrent()) {
        DrawGardenPicture();
    } else {
        DrawLateLoadImage("MirelIslandBG", 0, 0, true);
        FrameGardenClouds();
        if (TImageListItem* Top = OmegaImageList1.Find("MirelIslandBGTop")) Top->Draw(0, 0, 0);
        DrawGardenObjects();
        // The global light: shade toward the edges, a warm light from the upper left.
        DrawImageSmoothEx("MirelsGlobalShadow", 0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 120, 0, 0);
        DrawImageSmoothEx("MirelsGlobalShine", 0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 40, 0, 2);
        DrawImageSmoothEx("MirelsGlobalShine", 0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 80, 0, 0);
    }
    DrawGardenAnimatedPass();
    FrameSmallMirelAndTavi();
    DrawGardenBalloon();
    FrameGardenBounceDust();
    FrameGardenSmallFairies();
    FrameGardenButterflies();
}

// Steps of the garden view and of the menu that the garden fills.
// The player's garden picture is shown in place of the composed garden (none yet).
bool TFormMain::GardenPictureCurrent() const { return false; }
// The picture, the clouds, the ridge and the tall trees' crowns over it.
void TFormMain::DrawGardenPicture() {}
// Every placed garden object, in its drawing order.
void TFormMain::DrawGardenObjects() {}
// The highlight of the last purchase, flags, riffles, the logo's shine and the rainbow.
void TFormMain::DrawGardenAnimatedPass() {}
void TFormMain::DrawGardenBalloon() {}
// A player was chosen: their garden picture, if they have one, becomes the current one.
void TFormMain::LoadGardenPicture() {}
// The garden gauge follows the purchases, and the balloon comments on the garden.
void TFormMain::UpdateGardenProgress() {}
// The garden balloon starts afresh (a new player, or the level selection is left).
void TFormMain::ResetGardenBalloon() {}
void TFormMain::ResetGardenProgressGauge() {}
// A player without progress yet: the balloon welcomes them.
void TFormMain::GreetNewPlayer() {}

// The map's Enter on Mirel's island and the level selection's shortcut lead to the garden.
void TFormMain::EnterGardenFromMap() {}
void TFormMain::EnterGardenFromLevelSel() {}
