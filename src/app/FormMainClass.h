// The main form owns every game object for the whole run: the window, the
// sprite layer, the scene holder and transition, the widgets, the board and
// its effects, the players and the audio. It starts the game, runs one frame
// per tick of the frame timer, routes mouse and keys to the current scene,
// switches between window and full screen, reacts to losing the focus, and
// closes the game.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "AnimDataClass.h"
#include "CompanyLogosClass.h"
#include "CrawlingSpidersClass.h"
#include "FairyClass.h"
#include "FairyDustClass.h"
#include "FallingFruitsClass.h"
#include "FormMainBonusParts.h"
#include "FormMainGardenParts.h"
#include "FormMainMapParts.h"
#include "FormMainMenuParts.h"
#include "FormMainMonstersParts.h"
#include "FormMainRoundParts.h"
#include "FormMainStoryParts.h"
#include "FormMainPickupsParts.h"
#include "FormMainToolsParts.h"
#include "FormMainTrophiesParts.h"
#include "FrameCursorClass.h"
#include "FruitWormsClass.h"
#include "GameBoardClass.h"
#include "GameButtonClass.h"
#include "GameConfirmWindowClass.h"
#include "GameMenuWindowClass.h"
#include "GameOptionsClass.h"
#include "HighScoresClass.h"
#include "GameSceneClass.h"
#include "GameTypesClass.h"
#include "GlobalGameTextClass.h"
#include "GroupedFruitsEffectClass.h"
#include "LoadedImageListClass.h"
#include "LoadingBarClass.h"
#include "LockerFillerClass.h"
#include "LockerFrameEffectClass.h"
#include "LockerFramesClass.h"
#include "LockerPiecesClass.h"
#include "LockersAwayEffectClass.h"
#include "MatchedCyanEffectClass.h"
#include "MusicBoxClass.h"
#include "NameListClass.h"
#include "NameInputClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "OmegaTimerClass.h"
#include "OpeningLockersClass.h"
#include "PlayerProgressClass.h"
#include "RoundLevelClass.h"
#include "SFXPlayerClass.h"
#include "ScreenDarkenerClass.h"
#include "SettingLoaderClass.h"
#include "SceneTransitionClass.h"
#include "SplashLogoClass.h"
#include "SplashMirelClass.h"
#include "SpriteTileCountClass.h"
#include "SwapEffectClass.h"
#include "TextStringsClass.h"
#include "WebEffectClass.h"

// The folders the image loader reads, by category.
enum TImageCategory : uint8_t {
    icLogo, icSplash, icMain, icStory, icSaveFolder, icStoryScene, icTrophy, icMirelIsland, icMonster, icMenu,
    icBonusStage
};


// How the form is run: the game takes its defaults; the test driver and tools
// point it at a data folder and keep frames off the screen.
struct TFormMainSetup {
    std::string AppFolder;       // empty: the executable's folder
    bool PresentFrames = true;   // false: frames are drawn and can be read back, but not shown
    bool ShowWindow = true;      // false: the window stays hidden
    // No window, no graphics, no sound: every frame runs the game's logic and effects
    // with nothing drawn (bots and simulations; the same seed plays the same game).
    bool Headless = false;
    // Developers: the island and level to play straight after start-up, in place of the
    // opening scenes and menus (island 0: the game's own opening). The game stays in a window.
    int32_t PlayIsland = 0;
    int32_t PlayLevel = 0;
    // Developers: the map straight after start-up, as the menu's Play button opens it, for
    // the selected player (a new one with the default name when there is none).
    bool PlayMap = false;
};

class TFormMain : public TObject {
public:
    explicit TFormMain(TFormMainSetup Setup = {});
    ~TFormMain() override;
    TFormMain(const TFormMain&) = delete;
    TFormMain& operator=(const TFormMain&) = delete;

    // Start-up: false when it had to stop (the reason was shown to the player).
    bool FormCreate();
    // The window appears and frames start.
    void FormShow();
    // The message loop: events, the frame timer and the focus timer, until the form closes.
    int Run();
    bool Closed() const { return FClosed; }
    bool Headless() const { return FSetup.Headless; }

    // One frame (one tick of the frame timer).
    void OmegaTimer1Timer(TObject* Sender);

    // Input, in frame pixels (0..799, 0..599) whatever the window's size.
    void FormMouseMove(int32_t X, int32_t Y);
    void FormMouseDown(TMouseButton Button, int32_t X, int32_t Y);
    void FormMouseUp(int32_t X, int32_t Y);
    // A typed character (Windows-1252), or 8 (Backspace), 13 (Enter), 27 (Escape).
    void FormKeyPress(char Key);
    // Any window event: translated and routed as the game's input, focus and close handling.
    void HandleEvent(const SDL_Event& Event);

    // Closing: the query may refuse (a round asks first); FormClose saves and stops.
    bool FormCloseQuery();
    void FormClose();

    // Window or full screen; Store writes the result into the options.
    void SetFullScreen(bool Want, bool Store);
    bool FullScreen() const { return OmegaScreen1.FullScreen; }

    // Focus hooks and the one-shot timer that drops a deactivated full-screen game to a window.
    void ApplicationDeactivate();
    void ApplicationActivate();
    void ApplicationRestore();
    void Timer1Timer();
    bool Timer1Enabled() const { return FTimer1Enabled; }

    // The image loader.
    void LoadAllJpegs(TImageCategory Category, int32_t SceneNumber = 0);
    void LoadAllPngs(TImageCategory Category);
    bool LoadImageFile(TImageCategory Category, const std::string& FileName, int32_t SceneNumber, bool LateLoad,
                       bool IsJpeg);
    // The rest of loading one file once its picture is read (Loaded false: it could not be).
    bool AddLoadedImage(TImageCategory Category, const std::string& FileName, const std::string& Path, bool Loaded,
                        TPicture&& Picture);
    // Draws a large background, loading it first when it is not in memory yet.
    void DrawLateLoadImage(const std::string& Name, int32_t X, int32_t Y, bool IsJpeg);
    void UnloadImage(const std::string& Name);
    void UnloadImageGroup(int32_t Group);
    std::string CategoryFolder(TImageCategory Category, int32_t SceneNumber) const;

    TGameSceneValues Scene() const { return GameScene ? GameScene->Value() : gsCompanyLogos; }
    // Goes to NewScene behind the closing and opening iris.
    void StartTransition(TGameSceneValues NewScene);
    // Asks question Kind (0..9) over the scene the question belongs to.
    void ShowConfirm(uint8_t Kind, TPositiveButtonKind Positive, TNegativeButtonKind Negative);

    // Routing between scenes.
    TGameSceneValues OverlayBackgroundScene = gsMainGame;  // under the in-game menu, options and their credits
    TGameSceneValues TrophyBackgroundScene = gsMainGame;   // under a trophy announcement, and returned to
    TGameSceneValues CreditsOrigin = gsOptions;
    TGameSceneValues TrophiesReturnScene = gsMenu;
    TGameSceneValues HelpReturn = gsMenu;
    std::string LoadedPlayerName;       // the player whose progress is in memory
    bool SaveDamaged = false;           // the loaded player's save file could not be read
    // Test mode, switched on by typing its code as a player name.
    bool TestModeMoneyAndShop = false;
    bool TestModeAllLevelsAndTools = false;
    bool TestModeObjectivesOfOne = false;
    bool PlayerLoaded() const { return FPlayerLoaded; }
    // Loads the progress of the player selected in the name list.
    void LoadSelectedPlayer();
    bool MenuImagesToFree = false;      // set when the menu is left for the map or the story
    int32_t ConfirmKind = 0;            // the question on screen in gsConfirmWindow
    int32_t StorySceneNumber = 1;       // the story chapter shown in gsStory
    bool MainImagesLoaded() const { return FMainImagesLoaded; }
    bool NoPlayerYet() const { return FNoPlayerYet; }
    // Every frame run so far, including the nested frames of the main load.
    int64_t FramesRun() const { return FFramesRun; }
    SDL_Window* Window() const { return FWindow; }

    // The sprite layer, made with the form.
    TOmegaScreen OmegaScreen1;
    TOmegaTimer OmegaTimer1;
    TOmegaImageList OmegaImageList1;
    TOmegaFont OmegaFont_Size8;
    TOmegaFont OmegaFont_Size10;
    TOmegaFont OmegaFont_Size18;

    // Game objects, made in start-up order by FormCreate.
    std::unique_ptr<TSettingLoader> SettingLoader;
    std::unique_ptr<TSpriteTileCount> SpriteTileCount;
    std::unique_ptr<TGameScene> GameScene;
    std::unique_ptr<TLoadingBar> LoadingBar;
    std::unique_ptr<TSplashLogo> SplashLogo;
    std::unique_ptr<TSplashMirel> SplashMirel;
    std::unique_ptr<TGameOptions> Options;
    std::unique_ptr<TMusicBox> MusicBox;
    std::unique_ptr<TSFXPlayer> SFXPlayer;
    std::unique_ptr<TTextStrings> TextStrings;
    std::unique_ptr<TSceneTransition> SceneTransition;
    std::unique_ptr<TNameList> NameList;
    std::unique_ptr<TNameInput> NameInput;
    // The window where a player types a new name, with its two buttons.
    std::unique_ptr<TGameMenuWindow> AddNameWindow;
    std::unique_ptr<TGameButton> AddNameOKButton;
    std::unique_ptr<TGameButton> AddNameCancelButton;
    std::unique_ptr<THighScores> HighScores;
    std::unique_ptr<TGameConfirmWindow> ConfirmWindow;
    std::unique_ptr<TLoadedImageList> LoadedImageList;
    std::unique_ptr<TScreenDarkener> ScreenDarkener;
    std::unique_ptr<TGameBoard> GameBoard;
    std::unique_ptr<TPlayerProgress> PlayerProgress;
    // Swap and match: the two tiles of a move sliding, the matched fruits swelling out.
    std::unique_ptr<TSwapEffect> SwapEffect;
    std::unique_ptr<TGroupedFruitsEffect> GroupedFruitsEffect;
    std::unique_ptr<TMatchedCyanEffect> MatchedCyanEffect;

    // Falling and lockers (FormMainFalling.cpp): lockers cracking open and their
    // pieces, matched fruits thrown to the ground, the level's opening drop, the
    // locker frames of clear-tiles levels and the lockers-away ending.
    std::unique_ptr<TOpeningLockers> OpeningLockers;
    std::unique_ptr<TLockerPieces> LockerPieces;
    std::unique_ptr<TFallingFruits> FallingFruits;
    std::unique_ptr<TLockerFiller> LockerFiller;
    std::unique_ptr<TLockerFrames> LockerFrames;
    std::unique_ptr<TLockerFrameEffect> LockerFrameEffect;
    std::unique_ptr<TLockersAwayEffect> LockersAwayEffect;
    // The round is cleared: the board stops drawing and its lockers fly away.
    void StartLockersAway();

    // Fairy dust: the one cloud of sparkles every fairy of the game trails (the round's fairy,
    // the small fairy of the menu, the map and the garden).
    std::unique_ptr<TFairyDust> FairyDust;
    // Tavi, who keeps the player company in the round (FormMainFairy.cpp).
    std::unique_ptr<TFairy> Fairy;
    // The worms that crawl over the board and creep into its fruits (FormMainWorms.cpp).
    std::unique_ptr<TFruitWorms> FruitWorms;
    // The spiders that drop onto the board and spin webs over its tiles, and the
    // tearing of a web (FormMainSpiders.cpp).
    std::unique_ptr<TCrawlingSpiders> CrawlingSpiders;
    std::unique_ptr<TWebEffect> WebEffect;

    // The round (FormMainRound*.cpp): its gauges, scoring, panels, results, comment
    // writers, the shuffle's effects and what the main form knows of the round.
    TRoundGauges Gauges;
    TRoundScoring Scoring;
    TRoundPanels Panels;
    TRoundResults Results;
    TRoundBoardEffects BoardEffects;
    TRoundComments Comments;
    TRoundState Round;
    // The special objects' effects, the flower row and the round's flashes (FormMainPickups.cpp).
    TRoundSpecials Specials;
    // The tools on the left panel's wall and the tools flying to it (FormMainTools.cpp).
    TRoundTools Tools;
    // The boss monsters with their aura, energy and stars (FormMainMonsters.cpp).
    TRoundMonsters Monsters;
    // The bonus stage's ladybugs, clock, letters, words and figures (FormMainBonus.cpp).
    TRoundBonus Bonus;
    // The trophies, their windows and cabinet, and island 1's incentives (FormMainTrophies.cpp).
    TTrophyParts Trophies;
    // The story, the chapters seen, and the fairy's tips (FormMainStory.cpp, FormMainTutorial.cpp).
    TStoryParts Story;

    // The level being played.
    TRoundLevel RoundLevel;
    int32_t CurrentIsland = 1;
    int32_t CurrentLevel = 1;
    // Starts island Island's level Level: the objective is announced behind the iris,
    // then the round runs. Level selection, the map's direct start of 1-01, restart,
    // time up's Yes and developer starts all come here. False when the level file is
    // missing or damaged: the player was told and nothing changed.
    bool StartLevel(int32_t Island, int32_t Level);
    // The objective is met (every gauge's completion comes here): the round clears,
    // once, or waits for a trophy window first. Nothing after time up.
    void ObjectiveMet();
    // The won round's medal, reward, best time, unlocks, high score and save.
    void RoundWon();
    // Writes the loaded player's progress (won rounds, bonus results, purchases). Nothing
    // without a loaded player; a failed write is told once and the game goes on.
    bool SaveProgress();
    // Space and the menu may pause now: in the round, under its announcement, and in a
    // bonus stage while it is played.
    bool PausingAllowed() const;
    void TogglePause();
    // The in-game menu, as its button or Escape opens it.
    void OpenInGameMenu();
    // Loads the main image set at once, as the splash would (for tools that skip the opening).
    void MainLoadForDevelopment();
    // Plays story chapter 1-6 (marks it seen first, so a skipped chapter counts); others are ignored.
    void PlayStoryChapter(int32_t Chapter);

    // The menu screens (FormMainMenu.cpp, FormMainPlayers.cpp, FormMainMenuScreens.cpp):
    // the main menu, the player list, options, high scores, credits and help.
    TMenuScreens Menus;
    // Writes lines in the sprite font (the help pages' captions).
    TGlobalGameText GlobGameText;
    std::unique_ptr<TCompanyLogos> CompanyLogos;

    // The map and the level selection (FormMainMap*.cpp): the islands, the level dots
    // with the player's progress, and what the two screens show and slide.
    TMapParts Map;
    // Mirel's garden island and its shop (FormMainGarden*.cpp).
    TGardenParts Garden;

private:
    // Start-up steps.
    bool FindFolders();
    void CreateSaveFolders();
    bool CreateGameObjects();
    void InitMainImages();
    // The level named by the setup, started at once (its reason shown when it cannot be).
    bool StartPlayLevel();

    // Scenes: the change handler and one frame routine plus mouse handlers per scene.
    void GameSceneChanged(TObject* Sender, TGameSceneValues OldScene, TGameSceneValues NewScene);
    void SceneExitActions(TGameSceneValues OldScene, TGameSceneValues NewScene);
    void SceneEntryActions(TGameSceneValues OldScene, TGameSceneValues NewScene);
    void TransitionStartToSwitch(TObject* Sender, TGameSceneValues OldScene, TGameSceneValues NewScene);
    void TransitionSceneSwitch(TObject* Sender, TGameSceneValues NewScene);
    void SceneFrame(TGameSceneValues Scene);
    void SceneMouseMove(TGameSceneValues Scene, int32_t X, int32_t Y);
    void SceneMouseDown(TGameSceneValues Scene, TMouseButton Button, int32_t X, int32_t Y);
    void SceneMouseUp(TGameSceneValues Scene, int32_t X, int32_t Y);
    void FrameCompanyLogos();
    void FrameSplash();
    void FrameMenu();
    void FramePlayerSelect();
    void FrameStory();
    void FrameMap();
    void FrameMainGame();
    void FrameBonusStage();
    void FrameInGameMenu();
    void FrameOptions();
    void FrameTrophies();
    void FrameHighScores();
    void FrameHelp();
    void FrameLevelSel();
    void FrameObjectiveInfo();
    void FrameRoundBackground();
    void FrameStageResult();
    void FrameMirelIsland();
    void FrameShopItems();
    void FrameNewTrophy();
    void FrameNewIncentive();
    void FrameConfirmWindow();
    void FrameAddPlayer();
    void FrameCredits();
    void ConfirmHidingComplete(bool PositiveAnswer);
    void CreateRoundObjects();
    void CreatePlayerWindows();
    void OpenNameEntry(bool FirstPlayer);
    void AddNameOK();
    void AddNameCancel();
    void AddNameWindowClosed();
    void KeyPressAddPlayer(char Key);
    void MouseMoveAddPlayer(int32_t X, int32_t Y);
    void MouseDownAddPlayer(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpAddPlayer(int32_t X, int32_t Y);
    bool FNameWasInList = false;
    void WireBoardEvents();
    void WireFallingEffects();
    // A level starts: the effects of the last round vanish, the level's frames wait
    // hidden, and the board stays out of sight while the locker filler drops it in.
    void StartFallingForLevel();
    // The main-game frame's layers of falling and lockers, in their places among the round's.
    void FrameFallingPieces();
    void FrameFallingFruits();
    void FrameLockerFrames();
    void FrameLockerFrameEffect();
    // Swap and match (FormMainSwap.cpp): the effects of one move, wired between the board and
    // the effects; cleared when a level starts; drawn in the main-game frame.
    void WireSwapEffects();
    void ClearSwapEffects();
    void SwapComplete(TTileObjectKind Kind, TPoint Object1Pos, TPoint Object2Pos);
    void SwapBackComplete(TTileObjectKind Kind, TPoint Object1Pos, TPoint Object2Pos);
    void GroupedFruitsRequested(const TBoardData& NewBoardData, const TSimpleObjectArray& GroupedFruits,
                                bool CheckCombos, TPoint SwappedTilePos);
    void GroupingComplete(const TBoardData& BoardDataTmp, const TSimpleObjectArray& GroupedFruits);
    void NewToolAcquired(TPoint TilePos, int32_t AToolIdx);
    void NewFlowerAcquired(TPoint TilePos);
    // The matched fruits leave the board and fall to the ground (mode 0 matched, 1 blown by a bomb).
    void StartFallingFruits(const TBoardData& Board, const TSimpleObjectArray& Fruits, int32_t Mode);
    void MouseMoveMainGame(int32_t X, int32_t Y);
    void MouseDownMainGame(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpMainGame(int32_t X, int32_t Y);

    // The round (FormMainRound.cpp: objects, level start, frame, input).
    void CreateRoundGauges();
    void CreateRoundPanels();
    void CreateRoundResults();
    void CreateCommentWriters();
    void WireRoundEvents();
    void InitRoundImages();
    void ResetRoundObjects();
    void ConfigureRoundFromLevel();
    void PlaceLeftPanelParts(TPoint PanelPos);
    void FrameRoundPanels();
    void FrameLeftPanel(bool WithShuffleButton);
    void DrawPausedSign();
    void CountLandedFruit(int32_t FruitColorIdx);
    void LockerFrameCleared(TPoint TilePos);
    // Flowers and spiders count through these (their own parts of the game call them).
    void FlowerFound();
    void SpiderHunted();
    // The round's flow (FormMainRoundFlow.cpp).
    void ObjectiveInfoShowing();
    void ObjectiveInfoStartHiding();
    void ObjectiveInfoHidingComplete();
    void RoundCommentFinished(TGameCommentType CommentType);
    void RoundClear();
    void FreezeRound();
    void ClearCommentFinished();
    void LockersAwayFinished();
    void StageResultShowingComplete();
    void StageResultHidingComplete();
    void LeaveRound();
    void AlmostTimeUp();
    void TimeUp();
    void LostBoardAsksForDialog();
    void TimeUpAnswered(bool Retry);
    void NoMoreMoves();
    void StartShuffle();
    void ShuffleFinished(const TBoardData& NewBoardData);
    void ShuffleButtonFullClick();
    void SetClockPause(TRoundPauseReason Reason, bool On);
    void ApplyPause();
    void SpacePressed();
    // The in-game menu and the round's questions (FormMainInGameMenu.cpp).
    void CreateInGameMenu();
    void InGameMenuButtonClick(const char* Tag);
    void InGameMenuStartHiding();
    void InGameMenuHidingComplete();
    void ConfirmInRound(uint8_t Kind, bool PositiveAnswer);
    void MouseMoveInGameMenu(int32_t X, int32_t Y);
    void MouseDownInGameMenu(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpInGameMenu(int32_t X, int32_t Y);
    void MouseDownObjectiveInfo(TMouseButton Button, int32_t X, int32_t Y);
    void MouseMoveStageResult(int32_t X, int32_t Y);
    void MouseDownStageResult(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpStageResult(int32_t X, int32_t Y);
    // Results (FormMainResults.cpp).
    void DrawStageResult();
    // The loaded player's score goes to the high scores (nobody's when no player is loaded).
    void OfferHighScore();
    // The menu screens reached from the in-game menu (FormMainMenuScreens.cpp).
    void OpenInGameOptions();
    void OpenInGameHelp();
    // The menu screens: objects, scene actions, frames, buttons and questions.
    void CreateMenuScreens();
    void CreateMainMenu();
    void CreateNameListWindow();
    void CreateOptionsWindow();
    void CreateInfoWindows();
    void InitMenuImages();
    void MenuEntryActions(TGameSceneValues OldScene);
    void AddInitialPlayerEntryActions();
    void AddInitialPlayerExitActions();
    void CheerSoon();
    void HideMenuPanelsOnTransition(TGameSceneValues OldScene, TGameSceneValues NewScene);
    void ShowMenuPanels();
    void PlaceMainMenuButtons();
    void PlayButtonClick();
    void GoOnToMap();
    void ChangePlayerClick();
    void UpdateNameListButtons();
    void NameListOKClick();
    void NameListHidingComplete();
    void DeleteSelectedPlayer();
    void FramePlayerList();
    void OpenOptionsWindow(const char* Tag);
    void OptionsOKClick();
    void OptionsStartHiding();
    void OptionsHidingComplete();
    void ReturnFromOptions();
    void SoundBoxClick();
    void MusicBoxClick();
    void StepVolume(bool Music, int32_t Delta);
    void OpenHighScores();
    void OpenCredits();
    void CreditsStartHiding();
    void CreditsHidingComplete();
    void HelpDoneClick();
    // The round goes on after its menu and the screens reached from it: the clocks run
    // again, and the pause is lifted unless the player had paused before the menu.
    void ResumeRoundAfterMenu();
    // Questions 2, 4 and 5 act on the press of their buttons.
    void ConfirmButtonClicked(bool PositiveAnswer);
    bool FullScreenQuestionShowing() const;
    // The full-screen key was pressed: an open options window shows the new state.
    void FullScreenToggledByKey();
    void MouseMoveMenuScreen(TGameSceneValues Scene, int32_t X, int32_t Y);
    void MouseDownMenuScreen(TGameSceneValues Scene, TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpMenuScreen(TGameSceneValues Scene, int32_t X, int32_t Y);
    // Entry points shared between the menus, the map, the garden, the trophies and the story.
    // The play button's way onto the map (the island chosen, the introduction first once).
    void EnterMapFromMenu(bool TellIntroduction = true);
    // Test mode's one-time effects, at the first Play after its code was typed.
    void ApplyTestModeLevels();
    void ApplyTestModeShop();
    void ApplyTestModeTrophies();
    // The menu's Trophies button.
    void EnterTrophyCabinet();
    // The introduction story, the first time the map is entered; false when it did not start.
    bool PlayIntroduction();
    // The garden as the menu, the garden island and the shop show it.
    void DrawGardenView();

    // Steps that later parts of the game fill, each at its place in the round.
    // Special objects (FormMainPickups.cpp).
    void WireSpecialObjects();
    void ResetSpecialsForRound();
    void ConfigureSpecialsForLevel();
    void FrameFlowerRow();
    void FrameHammeredObjects();
    void FrameSpecialShines();
    void FrameHammerBlasterBomb();
    void FrameUniBubble();
    void FrameNewFlowerAndStars();
    void ApplyPauseToSpecials(bool Visible);
    bool SpecialEffectRunning() const;
    // A shine over a tile (a cleared locker frame).
    void ShineAtTile(TPoint TilePos);
    // Tools (FormMainTools.cpp).
    void CreateTools();
    void WireTools();
    std::array<TToolInHand*, 3> ToolsInOrder() const;  // key, broom, aerosol
    void PlaceToolsOnPanel(TPoint PanelPos);
    void ResetToolsForRound();
    void ConfigureToolsForLevel();
    void ApplyPauseToTools(bool Visible);
    void ApplyToolsEnabled();
    void SyncToolCursor();
    void FrameToolIcons();
    void FrameToolsInHand();
    void WithdrawTools();
    bool ToolInHand() const;
    // Presses and moves the tools take first. False: the board then asks ToolInHand.
    bool ToolsMouseDown(TMouseButton Button, int32_t X, int32_t Y);
    void ToolsMouseMove(int32_t X, int32_t Y);
    // A won tool (1 key, 2 broom, 3 aerosol) flies from its tile to the wall, and arrives.
    void StartFlyingTool(TPoint TilePos, int32_t ToolIdx);
    void ToolArrived(int32_t ToolIdx);
    // The fairy (FormMainFairy.cpp).
    void CreateFairy();
    void FairyMagicPerformed(TPoint WandPos, TFairyMagicPurpose Purpose, TPoint EatenFruitTilePos,
                             THintTilesPos HintTiles);
    bool FairyBelongsInRound() const;
    void FairyArrivesWithBoard();
    // Not casting and not on her way to cast: the tutorial may speak.
    bool FairyIsFree() const;
    void ShineAtPoint(int32_t X, int32_t Y);
    void BlasterFlashAtPoint(int32_t X, int32_t Y);
    void StarsAtTile(TPoint TilePos);
    void ResetFairyForRound();
    void ShowFairyForLevel();
    void FrameFairyBehind();
    void FrameFairyInFront();
    void ApplyPauseToFairy(bool Visible);
    void FairyIntroducesHerself();
    void FairyLeavesRound();
    void FairyLeavesBoard();
    bool FairyVisible() const;
    bool FairyMouseDown(TMouseButton Button, int32_t X, int32_t Y);
    void FairyOrderShuffle();
    // The island's monster (FormMainMonsters.cpp).
    void CreateMonsters();
    bool MonsterInRound() const;
    void MonsterHitCheck(TPoint FruitPos, bool& Hitting, bool& Absorbing);
    void SprayMonster(const TRect& SprayRect);
    void SinkKnockedOutMonster();
    void MonsterAuraPeak();
    void MonsterGrounded();
    void ResetMonstersForRound();
    void PrepareMonsterForLevel();
    void FrameMonsters();
    void FrameAbsorbedEnergy();
    void ApplyPauseToMonsters(bool Visible);
    void MonsterRoundBegun();
    void MonsterRoundEnded();
    // The bonus stage (FormMainBonus.cpp).
    void CreateBonusStage();
    bool BonusStagePlaying() const;
    void BonusStageImagesReady();
    void BonusAnimalHit(TPoint HitPos, TBonusKind Kind, int32_t Amount, char Letter);
    void BonusResultShowingComplete();
    void MouseMoveBonusStage(int32_t X, int32_t Y);
    void MouseDownBonusStage(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpBonusStage(int32_t X, int32_t Y);
    void ResetBonusForRound();
    void ApplyPauseToBonus(bool Visible);
    // True when the level offers a bonus stage now: it is started and the round not left.
    bool OfferBonusStage();
    void BonusStageHidingComplete();
    void BonusStageCommentFinished();
    void DrawBonusResult();
    // The garden and the shop (FormMainGarden.cpp).
    void ResetPlantAnnouncerForRound();
    void UnlockShopItemsForLevel();
    // True when a new plant is announced; the flow goes on when its window has gone.
    bool AnnouncePlantForLevel();
    void FramePlantAnnouncer();
    // The map's Enter on Mirel's island, the level selection's shortcut, and the garden
    // balloon's fresh start whenever the level selection is left.
    void EnterGardenFromMap();
    void EnterGardenFromLevelSel();
    // The garden's objects and its view (FormMainGarden.cpp).
    void CreateGardenObjects();
    void InitGardenImages();
    void PlantAnnouncerPressed();
    void PlantAnnouncementGone();
    void DrawGardenLight();
    void DrawGardenLights();
    void TakeGardenPictureIfDue();
    void ForgetGardenPicture();
    // The shop window (FormMainShop.cpp).
    void CreateShopWindow();
    void InitShopImages();
    void PlaceShopWidgets(TPoint Pos);
    void ShowShopPage(int32_t Page);
    void ShopWindowGone();
    void ShopListChanged();
    void ScrollShopTo(int32_t FirstRow);
    void BuyShopSlot(int32_t Slot);
    void ShopItemBought(TMirelIslandItemType Type, int32_t Price);
    void MouseMoveShopItems(int32_t X, int32_t Y);
    void MouseDownShopItems(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpShopItems(int32_t X, int32_t Y);
    void EnableGardenVisitors(TMirelIslandItemType Type);
    void ShowShopTipIfDue();
    // The garden as a screen (FormMainGardenScene.cpp).
    void CreateGardenScene();
    void ResetGardenPanelSlides();
    void MirelIslandEntryActions(TGameSceneValues OldScene);
    void MirelIslandExitActions(TGameSceneValues NewScene);
    void MirelIslandTransitionStarts(TGameSceneValues OldScene, TGameSceneValues NewScene);
    void MouseMoveMirelIsland(int32_t X, int32_t Y);
    void MouseDownMirelIsland(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpMirelIsland(int32_t X, int32_t Y);
    void OpenShop();
    void SizeShopTabs();
    void ResetGardenForEntry();
    void GreetFromStory();
    void DrawGardenGauge(TPoint At);
    // Steps of later features: the garden's trophies and its tutorial.
    void TestGardenTrophies();
    void PlaceGardenTutorial();
    bool GardenTutorialActive() const;
    void FrameGardenTutorial();
    // The garden view's own parts, and the balloon and gauge the menu keeps up to date.
    bool GardenPictureCurrent() const;
    void DrawGardenPicture();
    void DrawGardenObjects();
    void DrawGardenAnimatedPass();
    void DrawGardenBalloon();
    void LoadGardenPicture();
    void UpdateGardenProgress();
    void ResetGardenBalloon();
    void ResetGardenProgressGauge();
    void GreetNewPlayer();
    // Worms and spiders (FormMainWorms.cpp, FormMainSpiders.cpp).
    void CreateWorms();
    void WormsFruitsIntervalReached();
    void ResetWormsForRound();
    void FrameWorms();
    void RemoveWorms();
    void ApplyPauseToWorms(bool Visible);
    void CountLandedFruitForWorms();
    void CountLandedFruitForSpiders();
    void CreateSpiders();
    void InitSpiderImages();
    void SpidersFruitsIntervalReached();
    void SpiderPutWeb(TPoint TilePos);
    void OneSpiderHit();
    void StartSpiderHunt();
    void ResetSpidersForRound();
    void FrameWebsAndSpiders();
    void RemoveSpiders();
    void StopSpiderHunt();
    void RestartSpiderHunt();
    void ApplyPauseToSpiders(bool Visible);
    // Trophies and incentives (FormMainTrophies.cpp).
    void ResetTrophiesForRound();
    bool TrophyAnnouncing() const;
    void HoldWinForTrophy();
    void DropPendingWin();
    // True when an incentive window comes before this level's announcement.
    bool ShowIncentiveForLevel();
    void MarkIncentiveAndUnlockTools();
    // True when a trophy is announced; the result flow goes on when it has gone.
    bool TestLevelTrophies();
    void AnnounceWaitingTrophies();
    void CountLandedFruitForTrophies();
    void CountLockerFrameForTrophies();
    void CountFlowerForTrophies();
    void CountWormForTrophies();
    void CountSpiderForTrophies();
    void TestScoreTrophies();
    void CreateTrophies();
    void InitTrophyImages();
    // The trophies' rules ask to show a window: true when it opened over this scene.
    bool OpenTrophyWindow(TTrophyKind Kind);
    void TrophyWindowGone();
    void IncentiveEntryActions();
    void IncentiveWindowGone();
    void TrophyCabinetImagesReady();
    bool CabinetShinePlace(TPoint& Pos, float& Size) const;
    void MouseMoveTrophies(int32_t X, int32_t Y);
    void MouseDownTrophies(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpTrophies(int32_t X, int32_t Y);
    // The tutorial and the story (FormMainTutorial.cpp).
    // A feature of island 1 arrives in its lesson's level: what it held back is put back.
    void TutorialEvent(int32_t Island, int32_t Level, int32_t Event);
    void ResetTutorialForRound();
    void PlaceTutorialForRound();
    void StartTutorialPointer();
    void CloseTutorial();
    void FrameTutorial();
    void ApplyPauseToTutorial(bool Visible);
    // Half the fruits of a target-fruits level have landed: the level's tip, if the fairy is free.
    void TargetFruitsHalfwayTip();
    bool TutorialAllowsBoardPress(TMouseButton Button, int32_t X, int32_t Y);
    bool TutorialAllowsDragging() const;
    void CreateTutorial();
    void InitTutorialImages();
    void TutorialMouseDown(TMouseButton Button, int32_t X, int32_t Y);
    void TutorialMouseMove(int32_t X, int32_t Y);
    // The story scene (FormMainStory.cpp).
    void CreateStory();
    void InitStoryImages();
    bool StoryChapterSeen(int32_t Chapter) const;
    void StoryEntryActions();
    void StartStoryNarration(std::string_view Text);
    void MouseMoveStory(int32_t X, int32_t Y);
    void MouseDownStory(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpStory(int32_t X, int32_t Y);
    // The map and its level dots (FormMainMap.cpp).
    void RecordLevelTime(int32_t Seconds);
    int32_t StoredBestTime() const;
    void LeaveRoundByLevelDots();
    void CreateMapObjects();
    void CreateMapPanels();
    void WireMapEvents();
    void InitMapImages();
    bool StartPlayMap();
    // The level dots follow the level being played (a developer's start included).
    void SelectPlayedLevel();
    // A won round that completes its island opens the next one (the map selects it
    // when its news is still to come).
    void OpenNextIslandIfEarned();
    // The map (FormMainMapScreens.cpp): its scene's actions, frame and mouse.
    void MapEntryActions();
    void MapExitActions();
    void MapTransitionStarts(TGameSceneValues OldScene);
    void MouseMoveMap(int32_t X, int32_t Y);
    void MouseDownMap(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpMap(int32_t X, int32_t Y);
    void EnterSelectedIsland();
    void DrawMoneyPanel();
    // The level selection (FormMainLevelSel.cpp).
    void LevelSelEntryActions();
    void LevelSelExitActions();
    void MouseMoveLevelSel(int32_t X, int32_t Y);
    void MouseDownLevelSel(TMouseButton Button, int32_t X, int32_t Y);
    void MouseUpLevelSel(int32_t X, int32_t Y);
    void PlaySelectedLevel();
    // A level was selected: the panel tells of it; on screen its medal's shine restarts.
    void LevelDotClicked();
    void FillLevelInfoPanel();
    void RestartLevelMedalShine();
    // The small Mirel with Tavi beside her (on the menu and in the garden too).
    void PlaceSmallMirel(TPoint Pos, TSmallTaviSelectedPos TaviSide);
    void FrameSmallMirelAndTavi();
    // Decorations (FormMainDecorations.cpp).
    void ResetDecorationsForRound();
    void PrepareDecorationsForLevel();
    void FrameDecorationsBack();
    void FrameDecorationsMiddle();
    void FrameDecorationsFront();
    void FrameGlobalShine();
    void StartGlobalShine();
    void FrameBounceDust();
    // A puff of bounce dust of the given kind at (X, Y).
    void BounceDustAt(int32_t X, int32_t Y, int32_t Kind);
    void FrameFlowerButterflies();
    void FrameGardenButterflies();
    void FrameTubeBubbles();
    void FrameShuffleBubbles();
    void FrameShuffleShine();
    void ShuffleButtonFull();
    void FrameScreenDust();
    void FrameConfetti();
    // A knocked-out monster has landed: confetti fireworks rise from a lower corner.
    void StartConfettiFireworks(TPoint From);
    // The rays behind a newly announced trophy, and the cabinet's shine on an earned one.
    void StartTrophyWindowShine(TPoint Centre);
    void FrameTrophyWindowShine();
    // The ending's last picture: a second layer of dust and the small fairies.
    void FrameStoryBounceDust();
    void ShowStorySmallFairies(int32_t Count);
    void FrameStorySmallFairies();
    void ResetCabinetShine();
    void FrameCabinetShine();
    void StartMedalShine(TMedalKind Medal);
    void StopMedalShine();
    void FrameMedalShine();
    void FrameScoringDust();
    // Gold dust along the result fairy's flight.
    void ScoringDustAt(int32_t X, int32_t Y);
    void ResetScoringDust();
    void ResetConfetti();
    void ApplyPauseToDecorations(bool Visible);
    // The map's and the level selection's: the sun's rays, the drifting clouds, the
    // shine round the right-hand corner button, the shine that follows the level
    // panel's medal (at 0.7 of its size there).
    void FrameSunShine();
    void FrameMapClouds();
    void FrameGardenClouds();
    void PlaceGeneralShine(int32_t X, int32_t Y);
    void FrameGeneralShine();
    void StartLevelMedalShine(TMedalKind Medal);
    void PlaceMedalShine(int32_t X, int32_t Y);
    // The splash screen's and the menus' decorations.
    void FrameSplashClouds();
    void FrameSplashWave();
    void FrameSplashWaterBlinks();
    void StartSplashFlorist();
    // Where the florist's dust comes from now; false while she is not flying.
    bool SplashFloristDustPoint(TPoint& Point) const;
    void FrameSplashFlorist();
    void FramePlayShine();
    void FrameGardenBounceDust();
    void FrameGardenSmallFairies();
    void MouseDownCompanyLogos();
    void MouseDownSplash();
    bool ImageGroupLoaded(TImageCategory Category) const;

    // Platform glue.
    void ApplyWindowCursor();
    void UpdateWindowForMode();
    std::string WindowSizeFileName() const;
    void PlaceWindowAtKeptSize();  // start-up: the window at the size it was left at
    void KeepWindowSize();         // closing: that size for the next start
    bool ToggleFullScreenAllowed() const;
    void RunGuarded(const char* What, void (TFormMain::*Handler)());
    void MainLoad();
    void ApplyVolumes();
    void SilenceAudio();
    std::string FDefaultPlayerName;
    std::vector<std::string> FStoryImages;  // the pictures of the story chapter on screen
    std::set<std::string> FFailedLateLoads;  // late images that could not be read: never tried again
    TAnimData FBombAnim;                     // the fuse sparks of the fruit bombs
    std::string FBackgroundImage = "GameBG1";  // the round's background, named once per level

    TFormMainSetup FSetup;
    SDL_Window* FWindow = nullptr;
    SDL_Cursor* FArrowCursor = nullptr;
    SDL_Cursor* FHandCursor = nullptr;
    TFrameCursor FWindowCursor = TFrameCursor::Arrow;
    bool FClosed = false;
    int64_t FFramesRun = 0;
    bool FStartupStopped = false;

    // Main-form state.
    bool FResumeOnActivate = true;
    bool FMinimisePending = false;
    bool FStartupFullScreenDone = false;
    bool FMainImagesLoaded = false;
    int32_t FSplashFrameCounter = 0;
    bool FSplashFloristStarted = false;
    bool FNoPlayerYet = false;
    bool FPlayerLoaded = false;
    bool FTimer1Enabled = false;
    uint32_t FTimer1Due = 0;

};

// The one main form of the running game (set while a form exists).
extern TFormMain* FormMain;
