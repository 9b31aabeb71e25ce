// The game events the tutorial listens to on island 1: each belongs to one
// level, where it leads to a tip of the fairy and may put back the level's own
// value of a feature the level held at an introductory value until it was
// explained. Tips come only while the fairy is free to give them.
#pragma once

#include <cstdint>
#include <optional>

#include "LevelStartClass.h"

class TFairy;

// One row of the table: the level the event belongs to, the tip event it is for
// that level's tips, and the tutorial step it shows.
struct TTutorialEventRow {
    int32_t Level = 0;
    int32_t TipEvent = 0;
    int32_t Step = 0;
};

// Events 1 to 16: 1 spiders' fruit interval, 2 worms' fruit interval, 3 spiders' first
// web, 4 to 6 the pointer's spots, 7 a full shuffle button, 8 to 10 a won magic key,
// broom or aerosol arriving on the wall, 11 to 14 a uni fruit, fruit blaster, fruit bomb
// or hammer placed, 15 half the target fruits, 16 a found flower rooted.
// The row of Event when it happens on island Island's level Level; nothing on any
// other island or level, or for an unknown event.
std::optional<TTutorialEventRow> TutorialEventRow(int32_t Island, int32_t Level, int32_t Event);

// What the event puts back when it happens where its row says, tutorial on or off.
std::optional<THeldFeature> TutorialEventPutsBack(int32_t Island, int32_t Level, int32_t Event);

// Events are raised only while the fairy is free (not busy with her magic); until
// the round has a fairy (none given) she always is.
bool FairyFreeForTutorial(const TFairy* Fairy);
