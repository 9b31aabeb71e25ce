// The main form's menu screens, grouped by screen: the main menu's panels and
// buttons, the player list, the options window, the high scores, the credits
// and the help, with what the form remembers between them. The form owns one
// of each for the whole run.
#pragma once

#include <cstdint>
#include <string>

#include "CreditLinesClass.h"
#include "GameButtonClass.h"
#include "GameCheckBoxClass.h"
#include "GameMenuWindowClass.h"
#include "HelpPagesClass.h"
#include "HighScoresClass.h"
#include "PanelMoverClass.h"
#include "ValueUpDownClass.h"
#include "VolumeBarClass.h"

// The main menu over Mirel's garden: the welcome panel with the player's name and
// the change-player link, the menu panel with its swinging title and six buttons.
struct TMainMenuParts {
    TPanelMover WelcomePanel;
    TPanelMover MenuPanel;
    TValueUpDown MenuSwing;
    TGameButton ChangePlayerLink;
    TGameButton PlayButton;
    TGameButton OptionsButton;
    TGameButton TrophiesButton;
    TGameButton HighScoresButton;
    TGameButton HelpButton;
    TGameButton ExitButton;
    // "ANNA!" for the loaded player, made again only when the name changes.
    std::string WelcomeText;
    std::string WelcomeName;
};

// The player list window and its three buttons.
struct TPlayerSelectParts {
    TGameMenuWindow Window;
    TGameButton NewButton;
    TGameButton DeleteButton;
    TGameButton OKButton;
    // Another player was chosen: the iris is on its way to the menu, which loads them.
    bool PlayerChangePending = false;
};

// The options window: two volume bars with their buttons, four check boxes, OK and Credits.
struct TOptionsParts {
    TGameMenuWindow Window;
    TGameButton CreditsButton;
    TGameButton OKButton;
    TVolumeBar EffectBar;
    TVolumeBar MusicBar;
    TGameButton EffectMinusButton;
    TGameButton EffectPlusButton;
    TGameButton MusicMinusButton;
    TGameButton MusicPlusButton;
    TGameCheckBox SoundBox;
    TGameCheckBox MusicBox;
    TGameCheckBox FullScreenBox;
    TGameCheckBox TutorialBox;
};

// The high-score window; its five rows are written out when it opens.
struct THighScoreParts {
    TGameMenuWindow Window;
    TGameButton OKButton;
    std::string Rows[HighScorePlaceCount];
};

// The credits window with its rising lines.
struct TCreditsParts {
    TGameMenuWindow Window;
    TGameButton DoneButton;
    TCreditLines Lines;
};

// The help screen's pages and its three buttons.
struct THelpParts {
    THelpPages Pages;
    TGameButton PrevButton;
    TGameButton DoneButton;
    TGameButton NextButton;
};

struct TMenuScreens {
    TMainMenuParts Main;
    TPlayerSelectParts Players;
    TOptionsParts Options;
    THighScoreParts HighScores;
    TCreditsParts Credits;
    THelpParts Help;
    // Test mode's code was typed: its one-time effects wait for the next Play that goes on.
    bool TestModePending = false;
};
