// The main form's round objects, grouped by what they do for the round: the
// gauges and counters, the panels and the in-game menu, the comment writers,
// the stage result, the board effects of hints and shuffling, and the round's
// own state. The main form owns one of each group for the whole run.
#pragma once

#include <cstdint>
#include <memory>

#include "CombosClass.h"
#include "FlowingMoneyIconClass.h"
#include "FruitGatherClass.h"
#include "GameButtonClass.h"
#include "GameCommentClass.h"
#include "GameMenuWindowClass.h"
#include "GameTypesClass.h"
#include "InfoDigitClass.h"
#include "JackpotScoreClass.h"
#include "LostBoardEffectClass.h"
#include "MoneyEffectClass.h"
#include "ObjectiveInfoClass.h"
#include "ObjectiveLogoClass.h"
#include "PanelMoverClass.h"
#include "ProgressTubeClass.h"
#include "ResultMedalClass.h"
#include "ResultStatsClass.h"
#include "RoundPauseClass.h"
#include "ShuffleAwayEffectClass.h"
#include "ShuffleButtonClass.h"
#include "TaviScoringClass.h"
#include "TubeTimerClass.h"
#include "ValueUpDownClass.h"

// What shows the objective and the time.
struct TRoundGauges {
    std::unique_ptr<TTubeTimer> TubeTimer;
    std::unique_ptr<TProgressTube> ProgressTube;
    std::unique_ptr<TFruitGather> FruitGather;
    std::unique_ptr<TObjectiveLogo> ObjectiveLogo;
    std::unique_ptr<TObjectiveInfo> ObjectiveInfo;
    std::unique_ptr<TInfoDigit> IslandDigit;
    std::unique_ptr<TInfoDigit> LevelDigit;
};

// Points and money: the two totals, the combos and what flies across the screen.
struct TRoundScoring {
    std::unique_ptr<TJackpotScore> Score;
    std::unique_ptr<TJackpotScore> Money;
    std::unique_ptr<TCombos> Combos;
    std::unique_ptr<TMoneyEffect> MoneyEffect;
    std::unique_ptr<TFlowingMoneyIcon> FlowingMoneyIcon;
    std::unique_ptr<TTaviScoring> TaviScoring;
};

// The left panel with what it carries, the money panel, and the in-game menu.
struct TRoundPanels {
    std::unique_ptr<TGameMenuWindow> LeftPanel;
    std::unique_ptr<TPanelMover> MoneyPanel;
    std::unique_ptr<TGameButton> MenuButton;
    std::unique_ptr<TShuffleButton> ShuffleButton;
    std::unique_ptr<TValueUpDown> PausedPulse;
    std::unique_ptr<TGameMenuWindow> InGameMenu;
    std::unique_ptr<TGameButton> ResumeButton;
    std::unique_ptr<TGameButton> RestartButton;
    std::unique_ptr<TGameButton> OptionsButton;
    std::unique_ptr<TGameButton> HelpButton;
    std::unique_ptr<TGameButton> ToMapButton;
};

// The stage result: its window and button, the medal and the figures.
struct TRoundResults {
    std::unique_ptr<TGameMenuWindow> Window;
    std::unique_ptr<TGameButton> OKButton;
    std::unique_ptr<TResultMedal> Medal;
    std::unique_ptr<TResultStats> Stats;
};

// The board's shuffle and the board falling apart at time up.
struct TRoundBoardEffects {
    std::unique_ptr<TShuffleAwayEffect> ShuffleAway;
    std::unique_ptr<TLostBoardEffect> LostBoard;
};

// The three comment writers: the round's words, the flowers' names, the map's news.
constexpr int32_t CommentWriterCount = 3;
struct TRoundComments {
    std::unique_ptr<TGameComment> Writers[CommentWriterCount];
    TGameComment& Round() { return *Writers[0]; }
    TGameComment& Flower() { return *Writers[1]; }
    TGameComment& Island() { return *Writers[2]; }
};

// What the main form knows of the round being played.
struct TRoundState {
    TGameObjective Objective = goTargetFruits;  // goBonusStage while a bonus stage plays
    int32_t BackgroundIsland = 1;
    bool RoundOver = false;     // cleared: no more matching, tools or combo awards
    bool RoundCleared = false;  // the clear has run (it runs once)
    bool TimeUp = false;        // lost by time: nothing completes any more
    bool Paused = false;
    bool PausedBeforeMenu = false;
    bool PausedBeforeClose = false;
    int32_t LevelScore = 0;
    TRoundPause Clocks;         // why the round's clocks stand still
};
