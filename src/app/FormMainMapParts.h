// The main form's map and level-selection objects: the islands, the level
// dots with the player's progress, the information panel, the decorations,
// the small Mirel and Tavi, the sliding corner, logo and shortcut panels (the
// garden slides the same ones) and the buttons they carry. The main form owns
// one of each for the whole run.
#pragma once

#include <memory>

#include "AnimDataClass.h"
#include "GameButtonClass.h"
#include "LevelDotsClass.h"
#include "LevelInfoPanelClass.h"
#include "LevelSelBGPlantsClass.h"
#include "MapIslandsClass.h"
#include "PanelMoverClass.h"
#include "SmallMirelClass.h"
#include "SmallTaviClass.h"
#include "ValueUpDownClass.h"

struct TMapParts {
    std::unique_ptr<TMapIslands> Islands;
    std::unique_ptr<TLevelDots> LevelDots;
    std::unique_ptr<TLevelInfoPanel> InfoPanel;
    std::unique_ptr<TLevelSelBGPlants> Plants;
    std::unique_ptr<TSmallMirel> SmallMirel;
    std::unique_ptr<TSmallTavi> SmallTavi;
    // Bottom corners (the map, the level selection, the garden), the island's logo and
    // the garden shortcut at the top.
    std::unique_ptr<TPanelMover> CornerLeftPanel;
    std::unique_ptr<TPanelMover> CornerRightPanel;
    std::unique_ptr<TPanelMover> IslandLogoPanel;
    std::unique_ptr<TPanelMover> ShortcutPanel;
    std::unique_ptr<TGameButton> MenuButton;      // the map's way back to the menu
    std::unique_ptr<TGameButton> EnterButton;     // the map's way into the selected island
    std::unique_ptr<TGameButton> ToMapButton;     // the level selection's way back to the map
    std::unique_ptr<TGameButton> PlayButton;      // the level selection's way into the selected level
    std::unique_ptr<TGameButton> ShortcutButton;  // the level selection's way to the garden
    TAnimData ArrowAnim;     // the arrow bobbing over the selected island
    TValueUpDown TitleSwing; // the map's title rocking gently
};
