// The map and the level dots in the game's flow: their objects and the
// player's progress they keep, the best time a won level records, the island
// it may open, where the game goes when a round is left, the Play button's way
// onto the map, and test mode's levels and islands.
#include "CampaignProgressClass.h"
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"

namespace {
// The bottom corners carry the two buttons of the map and of the level selection;
// they slide in from 25 pixels further out on both axes.
constexpr TPoint CornerLeftShown{0, 519};
constexpr TPoint CornerRightShown{675, 519};
constexpr int32_t CornerHideDistance = 25;
constexpr TPoint CornerLeftButtonAt{26, 13};
constexpr TPoint CornerRightButtonAt{21, 13};
// The island's logo and the garden shortcut drop in from 20 pixels higher.
constexpr TPoint IslandLogoShown{8, 4};
constexpr TPoint ShortcutShown{292, 0};
constexpr int32_t TopPanelsHideDistance = 20;
constexpr TPoint ShortcutButtonAt{17, 6};
// The arrow bobs once in 18 patterns, two frames each (a looped sequence never shows its
// last character).
constexpr const char* ArrowSequence = "AABBCCDDEEFFGGHHIIJJKKLLMMNNOOPPQQRRA";

std::unique_ptr<TPanelMover> MakePanelMover(TPoint Shown, TPoint Hidden) {
    auto Mover = std::make_unique<TPanelMover>();
    Mover->Left = Shown.X;
    Mover->Top = Shown.Y;
    Mover->HideLeft = Hidden.X;
    Mover->HideTop = Hidden.Y;
    Mover->HorzStep = 1;
    Mover->VertStep = 1;
    Mover->PutAtHiddenPos();
    return Mover;
}

std::unique_ptr<TGameButton> MakeButton(TOmegaImageList* List, const char* Image) {
    auto Button = std::make_unique<TGameButton>();
    Button->OmgImgList = List;
    Button->ImageName = Image;
    return Button;
}

void PlaceButton(TGameButton& Button, TPoint Panel, TPoint Offset) {
    Button.Left = Panel.X + Offset.X;
    Button.Top = Panel.Y + Offset.Y;
}
}  // namespace

// --- Objects -------------------------------------------------------------------------

void TFormMain::CreateMapObjects() {
    Map.Islands = std::make_unique<TMapIslands>();
    Map.Islands->OmgImgList = &OmegaImageList1;
    Map.Islands->TextStringsComp = TextStrings.get();
    Map.LevelDots = std::make_unique<TLevelDots>();
    Map.LevelDots->OmgImgList = &OmegaImageList1;
    Map.LevelDots->ReadLevelHeaders();
    Map.InfoPanel = std::make_unique<TLevelInfoPanel>();
    Map.InfoPanel->OmgImgList = &OmegaImageList1;
    Map.Plants = std::make_unique<TLevelSelBGPlants>();
    Map.Plants->OmgImgList = &OmegaImageList1;
    Map.SmallMirel = std::make_unique<TSmallMirel>();
    Map.SmallMirel->OmgImgList = &OmegaImageList1;
    Map.SmallTavi = std::make_unique<TSmallTavi>();
    Map.SmallTavi->OmgImgList = &OmegaImageList1;
    PlaceSmallMirel(Point(335, 484), spRight);
    Map.ArrowAnim.SetSeq(ArrowSequence);
    Map.ArrowAnim.Looped = true;
    Map.TitleSwing.Setup(0.00032f, 0.00032f, 0.007f, -0.007f);
    CreateMapPanels();
    WireMapEvents();
}

void TFormMain::CreateMapPanels() {
    const int32_t Out = CornerHideDistance;
    Map.CornerLeftPanel = MakePanelMover(CornerLeftShown, Point(CornerLeftShown.X - Out, CornerLeftShown.Y + Out));
    Map.CornerRightPanel =
        MakePanelMover(CornerRightShown, Point(CornerRightShown.X + Out, CornerRightShown.Y + Out));
    Map.IslandLogoPanel =
        MakePanelMover(IslandLogoShown, Point(IslandLogoShown.X, IslandLogoShown.Y - TopPanelsHideDistance));
    Map.ShortcutPanel = MakePanelMover(ShortcutShown, Point(ShortcutShown.X, ShortcutShown.Y - TopPanelsHideDistance));
    Map.MenuButton = MakeButton(&OmegaImageList1, "MapMenuButton");
    Map.EnterButton = MakeButton(&OmegaImageList1, "MapEnterButton");
    Map.ToMapButton = MakeButton(&OmegaImageList1, "LevelSelMapButton");
    Map.PlayButton = MakeButton(&OmegaImageList1, "LevelSelPlayButton");
    Map.ShortcutButton = MakeButton(&OmegaImageList1, "MirelsShortcutButton");

    // Each corner carries the map's button and the level selection's wherever it is.
    Map.CornerLeftPanel->OnPosUpdate = [this](TObject*, TPoint P) {
        PlaceButton(*Map.MenuButton, P, CornerLeftButtonAt);
        PlaceButton(*Map.ToMapButton, P, CornerLeftButtonAt);
    };
    Map.CornerRightPanel->OnPosUpdate = [this](TObject*, TPoint P) {
        PlaceButton(*Map.EnterButton, P, CornerRightButtonAt);
        PlaceButton(*Map.PlayButton, P, CornerRightButtonAt);
    };
    Map.ShortcutPanel->OnPosUpdate = [this](TObject*, TPoint P) {
        PlaceButton(*Map.ShortcutButton, P, ShortcutButtonAt);
    };
    for (TPanelMover* Panel : {Map.CornerLeftPanel.get(), Map.CornerRightPanel.get(), Map.ShortcutPanel.get()}) {
        Panel->OnPosUpdate(Panel, Panel->CurrentPos());
    }

    Map.MenuButton->OnClick = [this](TObject*) { StartTransition(gsMenu); };
    Map.EnterButton->OnClick = [this](TObject*) { EnterSelectedIsland(); };
    Map.ToMapButton->OnClick = [this](TObject*) { StartTransition(gsMap); };
    Map.PlayButton->OnClick = [this](TObject*) { PlaySelectedLevel(); };
    Map.ShortcutButton->OnClick = [this](TObject*) { EnterGardenFromLevelSel(); };
}

void TFormMain::WireMapEvents() {
    Map.LevelDots->OnDotClick = [this](TObject*) { LevelDotClicked(); };
    // The medal's shine hangs on the panel's medal as the panel swings in and out.
    Map.InfoPanel->OnPanelPosUpdate = [this](TObject*, TPoint P) { PlaceMedalShine(P.X + 193, P.Y + 65); };
    Map.SmallTavi->OnDustRequest = [this](TObject*, int32_t X, int32_t Y) {
        // No dust trails a fairy who is not drawn.
        if (OmegaImageList1.Find("SmallTavi")) FairyDust->Emit(X + 6, Y + 9, dkSmallFairyTrail);
    };

    // The islands' flags, the best times and the selected levels are the map's part of a
    // player's progress; the other parts keep their own handlers.
    TProgressLoadedEvent Loaded = PlayerProgress->OnProgressLoaded;
    PlayerProgress->OnProgressLoaded = [this, Loaded](TObject* Sender, const TProgressRecord& Record) {
        if (Loaded) Loaded(Sender, Record);
        Map.Islands->LoadSaved(Record);
        Map.LevelDots->LoadSaved(Record);
    };
    TProgressCollectEvent Collect = PlayerProgress->OnProgressCollect;
    PlayerProgress->OnProgressCollect = [this, Collect](TObject* Sender, TProgressRecord& Record) {
        if (Collect) Collect(Sender, Record);
        Map.Islands->StoreSaved(Record);
        Map.LevelDots->StoreSaved(Record);
    };
}

void TFormMain::InitMapImages() {
    for (TGameButton* Button : {Map.MenuButton.get(), Map.EnterButton.get(), Map.ToMapButton.get(),
                                Map.PlayButton.get(), Map.ShortcutButton.get()}) {
        Button->InitImageSize();
    }
    Map.InfoPanel->InitImages();
}

// --- The round's ties ------------------------------------------------------------------

void TFormMain::SelectPlayedLevel() {
    if (CurrentIsland < 1 || CurrentIsland > TLevelDots::IslandCount) return;
    TLevelDots& Dots = *Map.LevelDots;
    if (Dots.IslandIdx() != CurrentIsland) Dots.SetIslandIdx(CurrentIsland);
    if (Dots.SelIslandLevelIdx() != CurrentLevel) Dots.SetSelIslandLevelIdx(CurrentLevel);
}

// A won level keeps its fastest time; medals and open levels follow.
void TFormMain::RecordLevelTime(int32_t Seconds) {
    SelectPlayedLevel();
    Map.LevelDots->RecordTime(Seconds);
}

// The best time as it stood before this round (0: the level is won for the first time).
int32_t TFormMain::StoredBestTime() const { return Map.LevelDots->Dot(CurrentIsland, CurrentLevel).BestTime; }

void TFormMain::OpenNextIslandIfEarned() { OpenNextIslandAfterRound(*Map.Islands, *Map.LevelDots, CurrentIsland); }

// The island's levels decide: more to play, back to the level selection on the level to
// play next; the island complete, on to the map, or first to the story its monster ends.
void TFormMain::LeaveRoundByLevelDots() {
    SelectPlayedLevel();
    TLevelDots& Dots = *Map.LevelDots;
    const int32_t Island = Dots.IslandIdx();
    if (Dots.IslandComplete(Island)) {
        if (StoryChapterSeen(Island + 1)) {
            StartTransition(gsMap);
            return;
        }
        const bool WonMonsterLevel =
            Round.RoundCleared && !Round.TimeUp && RoundLevel.Record.Objective == goBeatMonster;
        if (WonMonsterLevel) {
            const TGameSceneValues Before = Scene();
            PlayStoryChapter(Island + 1);
            // Where no story can be told, the game goes on to the map.
            if (Scene() == Before && !SceneTransition->Active()) StartTransition(gsMap);
            return;
        }
    }
    Dots.SelectFirstPlayableLevel();
    StartTransition(gsLevelSel);
}

// --- Entry points ----------------------------------------------------------------------

// Play: the map shows the island to go on with; the very first time the introduction
// tells the story first (unless a developer's start asks for the map itself).
void TFormMain::EnterMapFromMenu(bool TellIntroduction) {
    ChooseIslandForPlay(*Map.Islands, *Map.LevelDots);
    if (Scene() == gsMenu) MenuImagesToFree = true;
    if (!TellIntroduction || !PlayIntroduction()) StartTransition(gsMap);
}

// Test mode: every level that has a file completed, every island open. Called once, at
// the first Play after its code was typed.
void TFormMain::ApplyTestModeLevels() { ApplyTestModeProgress(*Map.Islands, *Map.LevelDots); }

// Developers: the map opened from the menu, as Play does, in a window.
bool TFormMain::StartPlayMap() {
    Options->FullScreen = false;
    MainLoad();
    if (NameList->IsEmpty()) {
        NameList->Add(FDefaultPlayerName);
        NameList->Save();
        Options->PlayerIndex = static_cast<uint8_t>(NameList->Selected());
    }
    FNoPlayerYet = false;
    LoadSelectedPlayer();
    GameScene->SetValue(gsMenu);
    // Developers come to the map itself: the introduction is told by the menu's Play.
    EnterMapFromMenu(/*TellIntroduction=*/false);
    return true;
}
