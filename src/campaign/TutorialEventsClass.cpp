#include "TutorialEventsClass.h"

#include "FairyClass.h"

namespace {
constexpr int32_t TutorialEventCount = 16;
// Level, tip event, step, for events 1 to 16.
constexpr TTutorialEventRow Rows[TutorialEventCount] = {
    {4, 1, 7},  {7, 1, 11}, {4, 2, 16}, {1, 1, 1},  {1, 2, 2},  {1, 3, 3},  {2, 1, 4},  {6, 1, 6},
    {5, 1, 9},  {8, 1, 13}, {1, 4, 5},  {3, 1, 14}, {2, 2, 10}, {9, 1, 15}, {4, 3, 8},  {7, 2, 12}};
}  // namespace

std::optional<TTutorialEventRow> TutorialEventRow(int32_t Island, int32_t Level, int32_t Event) {
    if (Island != 1 || Event < 1 || Event > TutorialEventCount) return std::nullopt;
    const TTutorialEventRow& Row = Rows[Event - 1];
    if (Row.Level != Level) return std::nullopt;
    return Row;
}

std::optional<THeldFeature> TutorialEventPutsBack(int32_t Island, int32_t Level, int32_t Event) {
    const std::optional<TTutorialEventRow> Row = TutorialEventRow(Island, Level, Event);
    if (!Row) return std::nullopt;
    return FeatureReleasedByTip(Row->Step);
}

bool FairyFreeForTutorial(const TFairy* Fairy) { return !Fairy || Fairy->IsFree(); }
