// The level-selection screen: what entering and leaving it does, its frame,
// the pointer on the level dots and its three buttons, the information panel
// kept on the selected level, and the small Mirel with Tavi beside her.
#include "CampaignDrawClass.h"
#include "FormMainClass.h"

namespace {
// The screen's large background, loaded when first drawn and freed when the screen is left.
const std::string LevelSelBackground = "LevelSelBG";
constexpr TPoint GeneralShineAt{679, 505};
// The shine waits off the screen until the dropping panel brings it along.
constexpr TPoint MedalShineAway{-400, -400};
}  // namespace

void TFormMain::LevelSelEntryActions() {
    TLevelDots& Dots = *Map.LevelDots;
    Map.Plants->SetIslandKind(static_cast<TIslandKind>(Dots.IslandIdx() - 1));
    FillLevelInfoPanel();
    RestartLevelMedalShine();
    PlaceMedalShine(MedalShineAway.X, MedalShineAway.Y);
    Map.InfoPanel->Show();
    PlaceGeneralShine(GeneralShineAt.X, GeneralShineAt.Y);
    // Tavi floats on Mirel's left, or on her right where the dots' path passes on Mirel's
    // left (Coconut Cove, Fantasia Isle).
    const bool TaviOnRight = Dots.IslandIdx() == 1 || Dots.IslandIdx() == 5;
    PlaceSmallMirel(Map.Plants->StandingPoint(), TaviOnRight ? spRight : spLeft);
    Map.SmallMirel->StopCheering();
    Map.IslandLogoPanel->Show();
    Map.CornerLeftPanel->Show();
    Map.CornerRightPanel->Show();
    Map.ShortcutPanel->Show();
    for (TGameButton* Button : {Map.ToMapButton.get(), Map.PlayButton.get(), Map.ShortcutButton.get()}) {
        Button->ClearMouseState();
    }
    MusicBox->SelectTrack(muMap);
}

void TFormMain::LevelSelExitActions() {
    UnloadImage(LevelSelBackground);
    ResetGardenBalloon();
}

void TFormMain::FrameLevelSel() {
    Map.IslandLogoPanel->Update();
    Map.CornerLeftPanel->Update();
    Map.CornerRightPanel->Update();
    Map.ShortcutPanel->Update();

    DrawLateLoadImage(LevelSelBackground, 0, 0, true);
    FrameGardenClouds();
    DrawCampaignImage(&OmegaImageList1, "LevelSelBGTop", 0, 0, 0);
    Map.Plants->Draw();
    Map.LevelDots->UpdateAndDraw();
    const TPoint Logo = Map.IslandLogoPanel->CurrentPos();
    DrawCampaignImage(&OmegaImageList1, "IslandLogo", Logo.X, Logo.Y, Map.LevelDots->IslandIdx() - 1);
    Map.InfoPanel->UpdateAndDraw();
    FrameMedalShine();
    FrameSmallMirelAndTavi();

    const TPoint Left = Map.CornerLeftPanel->CurrentPos();
    const TPoint Right = Map.CornerRightPanel->CurrentPos();
    DrawCampaignImage(&OmegaImageList1, "CornerLeftPanel", Left.X, Left.Y, 0);
    DrawCampaignImage(&OmegaImageList1, "CornerRightPanel", Right.X, Right.Y, 0);
    Map.ToMapButton->Draw();
    Map.PlayButton->Draw();
    FrameGeneralShine();
    // The shortcut's panel frames its button, so it goes over it.
    Map.ShortcutButton->Draw();
    const TPoint Shortcut = Map.ShortcutPanel->CurrentPos();
    DrawCampaignImage(&OmegaImageList1, "MirelsShortcutPanel", Shortcut.X, Shortcut.Y, 0);
    FrameScreenDust();
}

// Mirel, the dust Tavi trails, then Tavi.
void TFormMain::FrameSmallMirelAndTavi() {
    Map.SmallMirel->UpdateAndDraw();
    FairyDust->UpdateAndDraw();
    Map.SmallTavi->UpdateAndDraw();
}

void TFormMain::PlaceSmallMirel(TPoint Pos, TSmallTaviSelectedPos TaviSide) {
    Map.SmallMirel->Left = Pos.X;
    Map.SmallMirel->Top = Pos.Y;
    Map.SmallTavi->PlaceBeside(Pos.X, Pos.Y, TaviSide);
}

// --- The selected level ---------------------------------------------------------------

// The round chooses the next level from other scenes too: only the level selection's own
// shine restarts.
void TFormMain::LevelDotClicked() {
    FillLevelInfoPanel();
    if (Scene() == gsLevelSel) RestartLevelMedalShine();
}

void TFormMain::FillLevelInfoPanel() {
    const TLevelDots& Dots = *Map.LevelDots;
    TLevelInfoPanel::TLevelInfo Info;
    Info.Island = Dots.IslandIdx();
    Info.Level = Dots.SelIslandLevelIdx();
    Info.Completed = Dots.SelPlayed();
    Info.BestTime = Dots.SelBestTime();
    Info.Medal = Dots.SelMedal();
    Info.Objective = Dots.SelObjective();
    Info.LevelKind = Dots.SelLevelKind();
    Map.InfoPanel->SetLevelInfo(Info);
}

// A level not won yet has no medal, and so no shine behind it.
void TFormMain::RestartLevelMedalShine() {
    const TMedalKind Medal = Map.LevelDots->SelMedal();
    if (Medal == mdNone) {
        StopMedalShine();
    } else {
        StartLevelMedalShine(Medal);
    }
}

void TFormMain::PlaySelectedLevel() {
    const TLevelDots& Dots = *Map.LevelDots;
    const int32_t Level = Dots.SelIslandLevelIdx();
    // An island without levels has nothing to play.
    if (!Dots.Dot(Dots.IslandIdx(), Level).Exists || !Dots.Unlocked(Level)) return;
    StartLevel(Dots.IslandIdx(), Level);
}

// --- The pointer ----------------------------------------------------------------------

void TFormMain::MouseMoveLevelSel(int32_t X, int32_t Y) {
    Map.ToMapButton->MouseMove(X, Y);
    Map.PlayButton->MouseMove(X, Y);
    Map.ShortcutButton->MouseMove(X, Y);
    Map.LevelDots->MouseMove(X, Y);
}

void TFormMain::MouseDownLevelSel(TMouseButton Button, int32_t X, int32_t Y) {
    Map.ToMapButton->MouseDown(X, Y, Button);
    Map.PlayButton->MouseDown(X, Y, Button);
    Map.ShortcutButton->MouseDown(X, Y, Button);
    Map.LevelDots->MouseDown(Button);
}

void TFormMain::MouseUpLevelSel(int32_t X, int32_t Y) {
    Map.ToMapButton->MouseUp(X, Y);
    Map.PlayButton->MouseUp(X, Y);
    Map.ShortcutButton->MouseUp(X, Y);
}
