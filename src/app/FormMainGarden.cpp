// Mirel's garden in the game's flow: its objects and the player's progress
// they keep, the items a won level unlocks and the announcement of a new one
// after the result, the garden view the menu and the garden draw (composed, or
// from the player's garden picture), the balloon and the gauge.
#include "DrawRoutinesClass.h"
#include "FormMainClass.h"
#include "PlayerProgressClass.h"

using enum TMirelIslandItemType;

namespace {
// The player's garden picture, while one is current.
const std::string GardenPictureImage = "GardenPicture";
const std::string GardenBackground = "MirelIslandBG";
// The lights over the castle and the pond, each a loop of eight patterns drawn additively
// where its object stands: the walls' shimmer and the pond's ripples run on, the logo's
// glint sweeps once every four seconds.
constexpr TPoint CastleRiffleAt{239, 259};
constexpr TPoint LogoShineAt{297, 282};
constexpr TPoint PondRiffleAt{193, 442};
constexpr int32_t LightPatterns = 8;
constexpr int32_t CastleRiffleFrames = 4;  // frames per pattern
constexpr int32_t PondRiffleFrames = 5;
constexpr int32_t LogoShineFrames = 2;
constexpr int32_t LogoShineEvery = 4000 / FrameStep;
constexpr int32_t CastleRiffleAlpha = 230;
constexpr int32_t PondRiffleAlpha = 255;
constexpr int32_t LogoShineAlpha = 255;
}  // namespace

void TFormMain::CreateGardenObjects() {
    Garden.Shop = std::make_unique<TShopItemList>();
    TShopItemList& Shop = *Garden.Shop;
    Shop.OmgImgList = &OmegaImageList1;
    Shop.OmgFont = &OmegaFont_Size8;
    Shop.TextStringsComp = TextStrings.get();
    Shop.ReadTexts();
    Garden.Objects = std::make_unique<TMirelIslandObjects>();
    Garden.Objects->OmgImgList = &OmegaImageList1;
    Garden.Gauge = std::make_unique<TMirelsProgressTube>();
    Garden.Gauge->OmgImgList = &OmegaImageList1;
    Garden.Balloon = std::make_unique<TMirelBalloon>();
    TMirelBalloon& Balloon = *Garden.Balloon;
    Balloon.OmgImgList = &OmegaImageList1;
    Balloon.TextStringsComp = TextStrings.get();
    Balloon.BalloonTextOffset = SettingLoader->BalloonTextOffset();
    Balloon.OnItemStatusQuestion = [this](TObject*, TMirelIslandItemType Type, bool& Unlocked, bool& AnyBought,
                                          bool& AllBought) {
        Unlocked = Garden.Shop->IsUnlocked(Type);
        AnyBought = Garden.Shop->AnyBought(Type);
        AllBought = Garden.Shop->AllBought(Type);
    };
    Garden.Announcer = std::make_unique<TPlantAnnouncer>();
    TPlantAnnouncer& Announcer = *Garden.Announcer;
    Announcer.OmgImgList = &OmegaImageList1;
    Announcer.OmgFont = &OmegaFont_Size10;
    Announcer.TextStringsComp = TextStrings.get();
    Announcer.OnHidingComplete = [this](TObject*) { PlantAnnouncementGone(); };

    // The shop, the placed objects and the announced levels are the garden's part of a
    // player's progress.
    TProgressLoadedEvent Loaded = PlayerProgress->OnProgressLoaded;
    PlayerProgress->OnProgressLoaded = [this, Loaded](TObject* Sender, const TProgressRecord& Record) {
        if (Loaded) Loaded(Sender, Record);
        Garden.Shop->LoadSaved(Record);
        Garden.Shop->MoneyChanged(Scoring.Money->Value());
        Garden.Objects->LoadSaved(Record);
        Garden.Objects->PlaceBoughtItems(*Garden.Shop);
        Garden.Announcer->LoadSaved(Record);
    };
    TProgressCollectEvent Collect = PlayerProgress->OnProgressCollect;
    PlayerProgress->OnProgressCollect = [this, Collect](TObject* Sender, TProgressRecord& Record) {
        if (Collect) Collect(Sender, Record);
        Garden.Shop->StoreSaved(Record);
        Garden.Objects->StoreSaved(Record);
        Garden.Announcer->StoreSaved(Record);
    };
    CreateGardenScene();
    CreateShopWindow();
}

// After the main image set is in memory: the sizes the garden's parts take from it.
void TFormMain::InitGardenImages() {
    Garden.Gauge->InitImages();
    Garden.Balloon->InitImages();
    Garden.Announcer->InitImages();
    InitShopImages();
}

// --- The round's ties -----------------------------------------------------------------

void TFormMain::ResetPlantAnnouncerForRound() { Garden.Announcer->Reset(); }

// Round won: every level up to this one unlocks its shop items.
void TFormMain::UnlockShopItemsForLevel() {
    Garden.Shop->UnlockForLevel(CurrentIsland, CurrentLevel);
    Garden.Shop->MoneyChanged(Scoring.Money->Value());
}

// After the result: the item this level unlocks, the first time it is won.
bool TFormMain::AnnouncePlantForLevel() { return Garden.Announcer->Announce(CurrentIsland, CurrentLevel); }

void TFormMain::FramePlantAnnouncer() { Garden.Announcer->UpdateAndDraw(); }

// A press on the result screen sends a resting announcement off sooner.
void TFormMain::PlantAnnouncerPressed() {
    if (Garden.Announcer->Active()) Garden.Announcer->RequestHide();
}

// The announcement has gone: a bonus stage, or the money panel leaves with it and the
// round is left.
void TFormMain::PlantAnnouncementGone() {
    if (OfferBonusStage()) return;
    Panels.MoneyPanel->Hide();
    UnloadImageGroup(icBonusStage - icTrophy);
    LeaveRoundByLevelDots();
}

// Test mode: every shop item available.
void TFormMain::ApplyTestModeShop() {
    Garden.Shop->UnlockAll();
    Garden.Shop->MoneyChanged(Scoring.Money->Value());
}

// --- The garden view ------------------------------------------------------------------

// The garden island behind the menu, in the garden and under the shop: the
// island with what the player has placed on it (or the player's garden picture),
// the light over it, its animations, then Mirel, Tavi and the garden's visitors.
void TFormMain::DrawGardenView() {
    Garden.Objects->Frame();
    ++Garden.LightsFrame;
    if (GardenPictureCurrent()) {
        DrawGardenPicture();
    } else {
        DrawLateLoadImage(GardenBackground, 0, 0, true);
        FrameGardenClouds();
        if (TImageListItem* Top = OmegaImageList1.Find("MirelIslandBGTop")) Top->Draw(0, 0, 0);
        DrawGardenObjects();
        DrawGardenLight();
    }
    DrawGardenAnimatedPass();
    FrameSmallMirelAndTavi();
    DrawGardenBalloon();
    FrameGardenBounceDust();
    FrameGardenSmallFairies();
    FrameGardenButterflies();
}

// The global light: shade toward the edges, a warm light from the upper left.
void TFormMain::DrawGardenLight() {
    DrawImageSmoothEx("MirelsGlobalShadow", 0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 120, 0, 0);
    DrawImageSmoothEx("MirelsGlobalShine", 0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 40, 0, 2);
    DrawImageSmoothEx("MirelsGlobalShine", 0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 80, 0, 0);
}

bool TFormMain::GardenPictureCurrent() const {
    return Garden.Shot.Current() && OmegaImageList1.Find(GardenPictureImage) != nullptr;
}

// The picture, the clouds, the ridge (lit below its top rows as the picture is) and the
// tall trees' crowns over it.
void TFormMain::DrawGardenPicture() {
    if (TImageListItem* Picture = OmegaImageList1.Find(GardenPictureImage)) Picture->Draw(0, 0, 0);
    FrameGardenClouds();
    if (TImageListItem* Top = OmegaImageList1.Find("MirelIslandBGTop")) Top->Draw(0, 0, 0);
    if (TImageListItem* Darker = OmegaImageList1.Find("MirelIslandBGTop_Darker")) Darker->Draw(0, 78, 0);
    Garden.Objects->DrawTopParts();
}

// Every placed garden object, in its drawing order.
void TFormMain::DrawGardenObjects() { Garden.Objects->DrawStatic(true); }

// The highlight of the last purchase, the flags, the riffles, the logo's shine and the rainbow.
void TFormMain::DrawGardenAnimatedPass() {
    TMirelIslandObjects& Objects = *Garden.Objects;
    Objects.DrawHighlight();
    Objects.DrawCastleFlags();
    DrawGardenLights();
    Objects.DrawRainbow();
}

void TFormMain::DrawGardenLights() {
    const TMirelIslandObjects& Objects = *Garden.Objects;
    const int32_t Frame = Garden.LightsFrame;
    if (Objects.IsPlaced(aiCastleBase, 0)) {
        DrawImageSmoothEx("MirelsCastleRiffle", CastleRiffleAt.X, CastleRiffleAt.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255,
                          255, 255, CastleRiffleAlpha, (Frame / CastleRiffleFrames) % LightPatterns, 2);
    }
    const int32_t Sweep = Frame % LogoShineEvery;
    if (Objects.IsPlaced(aiCastleLogo, 0) && Sweep < LightPatterns * LogoShineFrames) {
        DrawImageSmoothEx("MirelsCastleLogoShine", LogoShineAt.X, LogoShineAt.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255,
                          255, 255, LogoShineAlpha, Sweep / LogoShineFrames, 2);
    }
    if (Objects.IsPlaced(aiPond, 0)) {
        DrawImageSmoothEx("MirelsPondRiffle", PondRiffleAt.X, PondRiffleAt.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255,
                          255, PondRiffleAlpha, (Frame / PondRiffleFrames) % LightPatterns, 2);
    }
}

void TFormMain::DrawGardenBalloon() { Garden.Balloon->UpdateAndDraw(); }

// --- The garden picture ---------------------------------------------------------------

// A player was chosen: their garden picture, if they have one, becomes the current one;
// one that cannot be read leaves the composed garden.
void TFormMain::LoadGardenPicture() {
    UnloadImage(GardenPictureImage);
    Garden.Shot.Clear();
    if (!FPlayerLoaded) return;
    TPicture Picture;
    if (!TMirelIslandShot::ReadPictureFile(TPlayerProgress::GardenPictureFileName(LoadedPlayerName), Picture)) return;
    TImageListItem* Item = OmegaImageList1.Add(GardenPictureImage);
    Item->AssignPicture(std::move(Picture));
    Item->Restore();
    Garden.Shot.SetCurrent(true);
}

// In the garden, when a picture is due and every image it needs is in: the static
// garden is drawn, read back and written, then the frame is drawn over it as usual,
// so the picture is never seen being taken.
void TFormMain::TakeGardenPictureIfDue() {
    if (!Garden.Shot.ShotDue() || !FPlayerLoaded || !OmegaScreen1.IsReady()) return;
    // The background is read the first time the garden is drawn; the picture waits for it.
    TImageListItem* Background = OmegaImageList1.Find(GardenBackground);
    if (!Background) return;
    Background->Draw(0, 0, 0);
    if (TImageListItem* Top = OmegaImageList1.Find("MirelIslandBGTop")) Top->Draw(0, 0, 0);
    // No castle flags: a frozen flag would show behind the waving one.
    Garden.Objects->DrawStatic(false);
    DrawGardenLight();
    TPicture Picture;
    const bool Read = OmegaScreen1.ReadFrame(Picture);
    // Taken or not, it is not tried again each frame; a failed write has been told.
    Garden.Shot.ShotTaken();
    if (!Read || !TMirelIslandShot::WritePictureFile(TPlayerProgress::GardenPictureFileName(LoadedPlayerName), Picture))
        return;
    UnloadImage(GardenPictureImage);
    TImageListItem* Item = OmegaImageList1.Add(GardenPictureImage);
    Item->AssignPicture(std::move(Picture));
    Item->Restore();
    Garden.Shot.SetCurrent(true);
}

// Deleting a player frees their picture with their files.
void TFormMain::ForgetGardenPicture() {
    UnloadImage(GardenPictureImage);
    Garden.Shot.Clear();
}

// --- The balloon and the gauge --------------------------------------------------------

// The gauge follows the purchases, and the balloon comments on the garden.
void TFormMain::UpdateGardenProgress() {
    const int32_t Percent = Garden.Shop->GardenPercent();
    Garden.Gauge->SetPositionNow(Percent);
    Garden.Balloon->SayGardenComment(TMirelsProgressTube::GardenLevelOf(Percent));
}

// The garden balloon starts afresh (a new player, or the level selection is left).
void TFormMain::ResetGardenBalloon() { Garden.Balloon->Reset(); }
void TFormMain::ResetGardenProgressGauge() { Garden.Gauge->Reset(); }
// A player without progress yet: the balloon welcomes them.
void TFormMain::GreetNewPlayer() { Garden.Balloon->SayNewPlayerWelcome(); }
// Back from the story: Mirel greets the player in her garden.
void TFormMain::GreetFromStory() { Garden.Balloon->SayBackFromStory(); }

// Entering the garden: the balloon and the objects' glow start afresh (the confetti and
// the scoring dust too).
void TFormMain::ResetGardenForEntry() {
    Garden.Balloon->Reset();
    Garden.Objects->Reset();
    ResetConfetti();
    ResetScoringDust();
    // Without a current picture the garden takes one.
    if (!Garden.Shot.Current()) Garden.Shot.RequestShot();
}

void TFormMain::DrawGardenGauge(TPoint At) {
    Garden.Gauge->Left = At.X;
    Garden.Gauge->Top = At.Y;
    Garden.Gauge->UpdateAndDraw();
}
