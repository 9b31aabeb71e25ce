// The main form's story and tutorial: the story player with its typed
// narration and its button panel, the chapters a player has seen, and the
// fairy's tips with the pointer of the first level. The main form owns one of
// each for the whole run.
#pragma once

#include <array>

#include "ComicStripsClass.h"
#include "GameButtonClass.h"
#include "NarrationTextClass.h"
#include "PanelMoverClass.h"
#include "TaviTutorialClass.h"
#include "TutorialClickHereClass.h"

struct TStoryParts {
    TComicStrips Strips;
    TNarrationText Narration;
    // The corner panel carrying the skip button (chapters 1 to 5) or the ending's done button.
    TPanelMover ButtonPanel;
    TGameButton SkipButton;
    TGameButton DoneButton;
    // Chapter 1 (the introduction) to 6 (the ending) has been shown to the player.
    std::array<bool, 6> ChaptersSeen{};
    TTaviTutorial Tutorial;
    TTutorialClickHere Pointer;
};
