// Mirel's garden island as a screen: what entering and leaving it does, its
// frame with the panels it slides in (the island's logo, the money, the two
// corners with the shop and map buttons, the garden gauge at the bottom), the
// pointer on its buttons, and the ways in from the map and the level selection.
#include "CampaignDrawClass.h"
#include "FormMainClass.h"

namespace {
// The garden gauge rides a panel of its own along the bottom edge; hidden, it waits
// below the screen.
constexpr TPoint GaugePanelShown{262, 567};
constexpr TPoint GaugePanelHidden{262, 610};
constexpr TPoint CornerLeftButtonAt{26, 13};
constexpr TPoint CornerRightButtonAt{21, 13};
constexpr TPoint SmallMirelAt{335, 484};
// The general shine sits 11 pixels right of and 17 above the bottom-left panel.
constexpr TPoint GeneralShineFromCorner{11, -17};
constexpr int32_t GardenLogoPattern = 5;
}  // namespace

void TFormMain::CreateGardenScene() {
    Garden.GaugePanel = std::make_unique<TPanelMover>();
    TPanelMover& Gauge = *Garden.GaugePanel;
    Gauge.Left = GaugePanelShown.X;
    Gauge.Top = GaugePanelShown.Y;
    Gauge.HideLeft = GaugePanelHidden.X;
    Gauge.HideTop = GaugePanelHidden.Y;
    ResetGardenPanelSlides();
    Gauge.PutAtHiddenPos();

    Garden.ShopButton = std::make_unique<TGameButton>();
    Garden.ShopButton->OmgImgList = &OmegaImageList1;
    Garden.ShopButton->ImageName = "ShopButton";
    Garden.MapButton = std::make_unique<TGameButton>();
    Garden.MapButton->OmgImgList = &OmegaImageList1;
    Garden.MapButton->ImageName = "LevelSelMapButton";
    Garden.ShopButton->OnClick = [this](TObject*) { OpenShop(); };
    Garden.MapButton->OnClick = [this](TObject*) { StartTransition(gsMap); };
}

// The map's and the level selection's panels are shared with the garden, which may
// have left them with other steps: every garden change starts them from the usual ones.
void TFormMain::ResetGardenPanelSlides() {
    for (TPanelMover* Panel : {Map.IslandLogoPanel.get(), Map.CornerLeftPanel.get(), Map.CornerRightPanel.get(),
                               Panels.MoneyPanel.get(), Garden.GaugePanel.get()}) {
        if (!Panel) continue;
        Panel->HorzStep = 1;
        Panel->VertStep = 1;
    }
}

void TFormMain::EnterGardenFromMap() { StartTransition(gsMirelIsland); }
void TFormMain::EnterGardenFromLevelSel() { StartTransition(gsMirelIsland); }

// --- Entering and leaving -----------------------------------------------------------

void TFormMain::MirelIslandEntryActions(TGameSceneValues OldScene) {
    // The first frame in the garden tests its trophies, whichever way the garden came back.
    Garden.FirstFramePending = true;
    // The shop and a trophy's window open over the garden, which stays as it was.
    if (OldScene == gsShopItems || OldScene == gsNewTrophy) return;
    if (!ImageGroupLoaded(icMirelIsland)) LoadAllPngs(icMirelIsland);
    SizeShopTabs();
    const TPanelMover& Corner = *Map.CornerLeftPanel;
    PlaceGeneralShine(Corner.Left + GeneralShineFromCorner.X, Corner.Top + GeneralShineFromCorner.Y);
    PlaceSmallMirel(SmallMirelAt, spRight);
    PlaceGardenTutorial();
    Map.SmallMirel->StopCheering();
    ResetGardenForEntry();
    if (OldScene == gsStory) {
        CheerSoon();
        GreetFromStory();
    } else if (!GardenTutorialActive()) {
        UpdateGardenProgress();
    }
    for (TPanelMover* Panel : {Map.IslandLogoPanel.get(), Panels.MoneyPanel.get(), Map.CornerLeftPanel.get(),
                               Map.CornerRightPanel.get(), Garden.GaugePanel.get()}) {
        Panel->Show();
    }
    Garden.ShopButton->ClearMouseState();
    Garden.MapButton->ClearMouseState();
    MusicBox->SelectTrack(muMirelIsland);
}

void TFormMain::MirelIslandExitActions(TGameSceneValues NewScene) {
    if (NewScene == gsShopItems || NewScene == gsNewTrophy) return;
    UnloadImageGroup(icMirelIsland - icTrophy);
    ResetGardenBalloon();
    ResetScoringDust();
}

// The panels slide away as the iris starts to close over the garden (the shop keeps them).
void TFormMain::MirelIslandTransitionStarts(TGameSceneValues OldScene, TGameSceneValues NewScene) {
    if (OldScene == gsMirelIsland && NewScene != gsShopItems) {
        ResetGardenPanelSlides();
        for (TPanelMover* Panel : {Map.IslandLogoPanel.get(), Panels.MoneyPanel.get(), Map.CornerLeftPanel.get(),
                                   Map.CornerRightPanel.get(), Garden.GaugePanel.get()}) {
            Panel->Hide();
        }
    }
    if (NewScene == gsMirelIsland) ResetGardenPanelSlides();
}

// --- The frame ----------------------------------------------------------------------

void TFormMain::FrameMirelIsland() {
    // A picture due is taken first, under this frame's drawing.
    if (Scene() == gsMirelIsland) TakeGardenPictureIfDue();
    // Garden trophies are tested once the garden is the current scene, so an
    // announcement can open over it.
    if (Garden.FirstFramePending && Scene() == gsMirelIsland) {
        Garden.FirstFramePending = false;
        TestGardenTrophies();
    }
    Map.IslandLogoPanel->Update();
    Panels.MoneyPanel->Update();
    Map.CornerLeftPanel->Update();
    Map.CornerRightPanel->Update();
    Garden.GaugePanel->Update();
    const TPoint Left = Map.CornerLeftPanel->CurrentPos();
    const TPoint Right = Map.CornerRightPanel->CurrentPos();
    Garden.ShopButton->Left = Left.X + CornerLeftButtonAt.X;
    Garden.ShopButton->Top = Left.Y + CornerLeftButtonAt.Y;
    Garden.MapButton->Left = Right.X + CornerRightButtonAt.X;
    Garden.MapButton->Top = Right.Y + CornerRightButtonAt.Y;

    DrawGardenView();
    const TPoint Logo = Map.IslandLogoPanel->CurrentPos();
    DrawCampaignImage(&OmegaImageList1, "IslandLogo", Logo.X, Logo.Y, GardenLogoPattern);
    DrawMoneyPanel();
    DrawGardenGauge(Garden.GaugePanel->CurrentPos());
    DrawCampaignImage(&OmegaImageList1, "CornerLeftPanel", Left.X, Left.Y, 0);
    DrawCampaignImage(&OmegaImageList1, "CornerRightPanel", Right.X, Right.Y, 0);
    Garden.ShopButton->Draw();
    Garden.MapButton->Draw();
    FrameGeneralShine();
    FrameGardenTutorial();
    FrameScreenDust();
}

// --- The pointer ---------------------------------------------------------------------

void TFormMain::MouseMoveMirelIsland(int32_t X, int32_t Y) {
    Garden.ShopButton->MouseMove(X, Y);
    Garden.MapButton->MouseMove(X, Y);
    Story.Tutorial.MouseMoveAt(X, Y);
}

void TFormMain::MouseDownMirelIsland(TMouseButton Button, int32_t X, int32_t Y) {
    Garden.ShopButton->MouseDown(X, Y, Button);
    Garden.MapButton->MouseDown(X, Y, Button);
    Story.Tutorial.ClickAt(X, Y, Button);
}

void TFormMain::MouseUpMirelIsland(int32_t X, int32_t Y) {
    Garden.ShopButton->MouseUp(X, Y);
    Garden.MapButton->MouseUp(X, Y);
}

