// The map screen: what entering and leaving it does, its frame, and the
// pointer on the islands and the two corner buttons.
#include "CampaignDrawClass.h"
#include "FormMainClass.h"

namespace {
// The screen's large background, loaded when first drawn and freed when the screen is left.
const std::string MapBackground = "MapBG";
constexpr TPoint MapTitleAt{170, 40};
constexpr float MapTitleCentreX = -30.0f;
constexpr TPoint GeneralShineAt{679, 505};
}  // namespace

void TFormMain::MapEntryActions() {
    Scoring.Money->Jump();
    PlaceGeneralShine(GeneralShineAt.X, GeneralShineAt.Y);
    Panels.MoneyPanel->Show();
    Map.CornerLeftPanel->Show();
    Map.CornerRightPanel->Show();
    Map.MenuButton->ClearMouseState();
    Map.EnterButton->ClearMouseState();
    int32_t Percentages[TMapIslands::LevelIslandCount];
    for (int32_t Island = 1; Island <= TMapIslands::LevelIslandCount; ++Island) {
        Percentages[Island - 1] = Map.LevelDots->CompletionPercentage(Island);
    }
    Map.Islands->SetCompletionPercentages(Percentages);
    // A round paused before the menu led here leaves its writers hidden.
    Comments.Island().Visible = true;
    const std::string News = Map.Islands->AnnouncementText();
    if (!News.empty()) Comments.Island().ShowCommentText(News);
    MusicBox->SelectTrack(muMap);
}

void TFormMain::MapExitActions() {
    Comments.Island().HideComment();
    UnloadImage(MapBackground);
}

// The panels slide away as the iris starts to close over the map or the level selection.
void TFormMain::MapTransitionStarts(TGameSceneValues OldScene) {
    if (OldScene == gsMap) {
        Panels.MoneyPanel->Hide();
        Map.CornerLeftPanel->Hide();
        Map.CornerRightPanel->Hide();
    } else if (OldScene == gsLevelSel) {
        Map.IslandLogoPanel->Hide();
        Map.CornerLeftPanel->Hide();
        Map.CornerRightPanel->Hide();
        Map.ShortcutPanel->Hide();
        Map.InfoPanel->Hide();
    }
}

void TFormMain::FrameMap() {
    Panels.MoneyPanel->Update();
    Map.CornerLeftPanel->Update();
    Map.CornerRightPanel->Update();
    Map.ArrowAnim.Advance();
    Map.TitleSwing.Update();

    DrawLateLoadImage(MapBackground, 0, 0, true);
    FrameSunShine();
    FrameMapClouds();
    Map.Islands->UpdateAndDraw();
    DrawCampaignSmooth(&OmegaImageList1, "MapTitle", MapTitleAt.X, MapTitleAt.Y, Map.TitleSwing.Value,
                       MapTitleCentreX, 0.5f, 1.0f, 1.0f, 255, 255, 255, 255, 0);
    const TPoint Arrow = Map.Islands->ArrowPoint(Map.Islands->Selected());
    DrawCampaignImage(&OmegaImageList1, "MapArrow", Arrow.X, Arrow.Y, Map.ArrowAnim.CurrentPattern());
    Comments.Island().UpdateAndDraw();

    const TPoint Left = Map.CornerLeftPanel->CurrentPos();
    const TPoint Right = Map.CornerRightPanel->CurrentPos();
    DrawCampaignImage(&OmegaImageList1, "CornerLeftPanel", Left.X, Left.Y, 0);
    DrawCampaignImage(&OmegaImageList1, "CornerRightPanel", Right.X, Right.Y, 0);
    DrawMoneyPanel();
    Map.MenuButton->Draw();
    Map.EnterButton->Draw();
    FrameGeneralShine();
    FrameScreenDust();
}

void TFormMain::DrawMoneyPanel() {
    const TPoint P = Panels.MoneyPanel->CurrentPos();
    DrawCampaignImage(&OmegaImageList1, "MoneyPanel", P.X, P.Y, 0);
    Scoring.Money->Left = P.X + 42;
    Scoring.Money->Top = P.Y + 27;
    Scoring.Money->UpdateAndDraw();
}

// --- The pointer ---------------------------------------------------------------------

void TFormMain::MouseMoveMap(int32_t X, int32_t Y) {
    Map.MenuButton->MouseMove(X, Y);
    Map.EnterButton->MouseMove(X, Y);
    Map.Islands->MouseMove(X, Y);
}

void TFormMain::MouseDownMap(TMouseButton Button, int32_t X, int32_t Y) {
    Map.MenuButton->MouseDown(X, Y, Button);
    Map.EnterButton->MouseDown(X, Y, Button);
    Map.Islands->MouseDown(Button);
}

void TFormMain::MouseUpMap(int32_t X, int32_t Y) {
    Map.MenuButton->MouseUp(X, Y);
    Map.EnterButton->MouseUp(X, Y);
}

// Enter: the garden, the island's first level at once for a player new to island 1, or
// the island's level selection on the level to play next.
void TFormMain::EnterSelectedIsland() {
    TMapIslands& Islands = *Map.Islands;
    Map.Plants->SetIslandKind(Islands.SelectedIslandKind());
    if (Islands.Selected() > TMapIslands::LevelIslandCount) {
        EnterGardenFromMap();
        return;
    }
    Islands.MarkSelectedEntered();
    TLevelDots& Dots = *Map.LevelDots;
    Dots.SetIslandIdx(Islands.Selected());
    Dots.SelectFirstPlayableLevel();
    // A level file that cannot be played is told; its dot is then there to try again.
    if (Dots.IslandIdx() == 1 && Dots.CompletionPercentage(1) == 0 && StartLevel(1, Dots.SelIslandLevelIdx())) {
        return;
    }
    StartTransition(gsLevelSel);
}
