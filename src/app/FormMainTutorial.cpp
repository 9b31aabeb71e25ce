// The round's ties to the tutorial and the story. They come with the story,
// narration and tutorial.
#include "FormMainClass.h"
#include "TutorialEventsClass.h"

// A game event of island 1 in its lesson's level: the feature the level held back
// comes back (tutorial on or off); the tip comes with the tutorial's steps.
void TFormMain::TutorialEvent(int32_t Island, int32_t Level, int32_t Event) {
    if (!TutorialEventRow(Island, Level, Event)) return;
    // Still to come here: with the tutorial on and the step not shown yet, the fairy tells its tip.
    const std::optional<THeldFeature> Feature = TutorialEventPutsBack(Island, Level, Event);
    if (!Feature) return;
    const std::optional<int32_t> Own = ReleaseRoundFeature(RoundLevel, *Feature, *GameBoard);
    if (!Own) return;
    // The board took its own features; the enemies' values are handed on here.
    if (*Feature == hfWormInterval) FruitWorms->FruitsInterval = *Own;
    if (*Feature == hfSpiderInterval) CrawlingSpiders->FruitsInterval = *Own;
}

void TFormMain::ResetTutorialForRound() {}
// Level start: the tutorial's balloon sits left of the board (207, pointer at 126).
void TFormMain::PlaceTutorialForRound() {}
// The announcement of 1-01 hides with the tutorial on: the pointer and the lesson's board start.
void TFormMain::StartTutorialPointer() {}
void TFormMain::CloseTutorial() {}
void TFormMain::TargetFruitsHalfwayTip() {}
void TFormMain::FrameTutorial() {}
void TFormMain::ApplyPauseToTutorial(bool /*Visible*/) {}
// While the pointer runs only the pointed tile takes a press.
bool TFormMain::TutorialAllowsBoardPress(TMouseButton /*Button*/, int32_t /*X*/, int32_t /*Y*/) const {
    return true;
}
void TFormMain::TutorialMouseDown(TMouseButton /*Button*/, int32_t /*X*/, int32_t /*Y*/) {}
void TFormMain::TutorialMouseMove(int32_t /*X*/, int32_t /*Y*/) {}
// A monster beaten: the island's story chapter plays (the scene changes to the story).
void TFormMain::PlayStoryChapter(int32_t /*Chapter*/) {}
bool TFormMain::PlayIntroduction() { return false; }
