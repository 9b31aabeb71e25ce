// The round's and the garden's ties to the fairy's tips: the events of island
// 1 that explain a feature the first time it turns up (and put back what its
// level held back), the pointer of the first level with its four swaps, the
// hint tip of a stuck player, and the garden's and the shop's first visits.
#include "FormMainClass.h"
#include "TutorialEventsClass.h"

namespace {

// The pointer's spots 1, 3 and 5 are the first level's three lessons.
int32_t PointerLessonEvent(int32_t Spot) {
    switch (Spot) {
        case 1: return 4;
        case 3: return 5;
        case 5: return 6;
        default: return 0;
    }
}

}  // namespace

void TFormMain::CreateTutorial() {
    TTaviTutorial& T = Story.Tutorial;
    T.OmgImgList = &OmegaImageList1;
    T.OmgFont = &OmegaFont_Size8;
    T.TextStringsComp = TextStrings.get();
    T.LoadTexts();
    T.SetTextAdjustment(SettingLoader->TutorialTextOffset());
    T.OnFairyPosUpdateRequest = [this](TObject*) {
        const TFairyRestingPlace Place = Fairy->GetRestingPlace();
        Story.Tutorial.PlaceBesideFairy(Place.Pos, Place.Sitting);
    };

    TTutorialClickHere& P = Story.Pointer;
    P.OmgImgList = &OmegaImageList1;
    P.BoardLeft = GameBoard->Left;
    P.BoardTop = GameBoard->Top;
    P.OnPointSpotIdxChange = [this](TObject*, uint8_t Spot) {
        if (Spot > TTutorialClickHere::SpotCount) {
            Story.Tutorial.CloseBalloon();
            return;
        }
        const int32_t Event = PointerLessonEvent(Spot);
        if (Event != 0 && FairyIsFree()) TutorialEvent(CurrentIsland, CurrentLevel, Event);
    };
    GameBoard->OnObjectTileClick = [this](TObject*) {
        if (Story.Pointer.IsActive()) Story.Pointer.NextSpot();
    };
    GameBoard->OnNoMatchHint = [this](TObject*) {
        if (Fairy->Visible) Story.Tutorial.ShowHintTip();
    };
    GameBoard->OnNoMatchTimerReset = [this](TObject*) {
        Fairy->ClearHintTiles();
        if (Story.Tutorial.IsHintTipShowing()) Story.Tutorial.CloseBalloon();
    };
    Fairy->OnDisplayingTutorialQuestion = [this](TObject*, bool& Displaying) {
        Displaying = Story.Tutorial.IsBalloonShowing();
    };
    Fairy->OnDisplayingClickNeedHintTutorialQuestion = [this](TObject*, bool& Displaying) {
        Displaying = Story.Tutorial.IsHintTipShowing();
    };
    Fairy->OnPerformMagicOrder = [this](TObject*) { Story.Tutorial.CloseBalloon(); };

    TProgressLoadedEvent Loaded = PlayerProgress->OnProgressLoaded;
    PlayerProgress->OnProgressLoaded = [this, Loaded](TObject* Sender, const TProgressRecord& Record) {
        if (Loaded) Loaded(Sender, Record);
        Story.Tutorial.LoadSaved(Record);
    };
    TProgressCollectEvent Collect = PlayerProgress->OnProgressCollect;
    PlayerProgress->OnProgressCollect = [this, Collect](TObject* Sender, TProgressRecord& Record) {
        if (Collect) Collect(Sender, Record);
        Story.Tutorial.StoreSaved(Record);
    };
}

void TFormMain::InitTutorialImages() { Story.Tutorial.TakeBalloonSizes(); }

// A game event of island 1 in its lesson's level: the fairy tells its tip (with the
// tutorial on, once a player), and the feature the level held back comes back
// (tutorial on or off).
void TFormMain::TutorialEvent(int32_t Island, int32_t Level, int32_t Event) {
    const std::optional<TTutorialEventRow> Row = TutorialEventRow(Island, Level, Event);
    if (!Row) return;
    Story.Tutorial.TriggerTip(Island, Level, Row->TipEvent);
    const std::optional<THeldFeature> Feature = TutorialEventPutsBack(Island, Level, Event);
    if (!Feature) return;
    const std::optional<int32_t> Own = ReleaseRoundFeature(RoundLevel, *Feature, *GameBoard);
    if (!Own) return;
    // The board took its own features; the enemies' values are handed on here.
    if (*Feature == hfWormInterval) FruitWorms->FruitsInterval = *Own;
    if (*Feature == hfSpiderInterval) CrawlingSpiders->FruitsInterval = *Own;
}

void TFormMain::ResetTutorialForRound() {
    Story.Tutorial.ResetTutorial();
    Story.Pointer.StopPointer();
}

// Level start: the tutorial's balloon sits left of the board (207, pointer at 126).
void TFormMain::PlaceTutorialForRound() {
    Story.Tutorial.Visible = true;
    Story.Tutorial.PlaceForRound();
}

// The announcement of 1-01 hides: with the tutorial on and its first lesson never
// given, the pointer starts on the lesson's prepared board.
void TFormMain::StartTutorialPointer() {
    if (!Story.Tutorial.Enabled || Story.Tutorial.StepShown(1)) return;
    GameBoard->MakeTutorialBoard();
    Story.Pointer.StartPointer();
}

// The round ends: the balloon closes and the pointer stops.
void TFormMain::CloseTutorial() {
    Story.Tutorial.CloseBalloon();
    Story.Pointer.StopPointer();
}

// Half the fruits of a target-fruits level have landed (1-04's tip about the timer).
void TFormMain::TargetFruitsHalfwayTip() { TutorialEvent(CurrentIsland, CurrentLevel, 15); }

void TFormMain::FrameTutorial() {
    Story.Pointer.UpdateAndDraw();
    Story.Tutorial.UpdateAndDraw();
}

void TFormMain::ApplyPauseToTutorial(bool Visible) {
    Story.Tutorial.Visible = Visible;
    Story.Pointer.Visible = Visible;
}

// While the pointer runs only a left press over the pointed tile reaches the board.
bool TFormMain::TutorialAllowsBoardPress(TMouseButton Button, int32_t X, int32_t Y) {
    if (!Story.Pointer.IsActive()) return true;
    if (Button != mbLeft) return false;
    Story.Pointer.MouseMoveAt(X, Y);
    return Story.Pointer.IsOverSpot();
}

// The lesson's swaps are pressed tile by tile: no dragging while the pointer runs.
bool TFormMain::TutorialAllowsDragging() const { return !Story.Pointer.IsActive(); }

void TFormMain::TutorialMouseDown(TMouseButton Button, int32_t X, int32_t Y) { Story.Tutorial.ClickAt(X, Y, Button); }

void TFormMain::TutorialMouseMove(int32_t X, int32_t Y) {
    Story.Tutorial.MouseMoveAt(X, Y);
    Story.Pointer.MouseMoveAt(X, Y);
}

// --- The garden and the shop ------------------------------------------------------------

// Entering the garden: its tip the first time.
void TFormMain::PlaceGardenTutorial() {
    TTaviTutorial& T = Story.Tutorial;
    T.ResetTutorial();
    T.Visible = true;
    T.PlaceForGarden();
    if (!T.GardenTipShown()) {
        T.ShowGardenTip(0);
        T.SetGardenTipShown(true);
    }
}

bool TFormMain::GardenTutorialActive() const { return Story.Tutorial.IsBalloonShowing(); }

void TFormMain::FrameGardenTutorial() { Story.Tutorial.UpdateAndDraw(); }

// The shop window has slid out for the first time: the shop's tip.
void TFormMain::ShowShopTipIfDue() {
    TTaviTutorial& T = Story.Tutorial;
    if (T.ShopTipShown()) return;
    T.ShowGardenTip(1);
    T.SetShopTipShown(true);
}
