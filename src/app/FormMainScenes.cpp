// Scene changes: the exit and entry actions of every scene, the panels hidden
// when a transition starts, and the dispatch of frames and mouse events to the
// current scene's routines.
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"

void TFormMain::StartTransition(TGameSceneValues NewScene) { SceneTransition->Start(Scene(), NewScene); }

bool TFormMain::ImageGroupLoaded(TImageCategory Category) const {
    const int32_t Group = static_cast<int32_t>(Category) - static_cast<int32_t>(icTrophy);
    return LoadedImageList && !LoadedImageList->Names(Group).empty();
}

// --- Scene changes --------------------------------------------------------

void TFormMain::GameSceneChanged(TObject* /*Sender*/, TGameSceneValues OldScene, TGameSceneValues NewScene) {
    if (FairyDust) FairyDust->Visible = true;
    // A tool in hand hides the pointer only in the running round.
    if (FrameCursor == TFrameCursor::Hidden) {
        FrameCursor = TFrameCursor::Arrow;
        ApplyWindowCursor();
    }
    SceneExitActions(OldScene, NewScene);
    SceneEntryActions(OldScene, NewScene);
}

void TFormMain::SceneExitActions(TGameSceneValues OldScene, TGameSceneValues NewScene) {
    switch (OldScene) {
        case gsSplash:
            for (const char* Name : {"CompanyLogo1", "CompanyLogo2", "CompanyLogo3", "SplashZorLogo",
                                     "SplashZorLogoBlur", "SplashMirelBody", "SplashMirelHand1", "SplashMirelHand2",
                                     "SplashMirelLeftHand", "SplashMirelHair", "LoadingBarBG", "LoadingBarFill",
                                     "LoadingBarFillEdge", "LoadingBarCover", "LoadingBarGlass", "LoadingText",
                                     "LoadingClickAnywhere"}) {
                UnloadImage(Name);
            }
            if (FairyDust) FairyDust->Reset();
            break;
        case gsMenu:
            if (MenuImagesToFree) {
                UnloadImageGroup(icMenu - icTrophy);
                MenuImagesToFree = false;
            }
            break;
        case gsStory:
            for (const std::string& Name : FStoryImages) UnloadImage(Name);
            FStoryImages.clear();
            break;
        case gsMap: MapExitActions(); break;
        case gsTrophies:
            UnloadImage("Help0");
            UnloadImageGroup(icTrophy - icTrophy);
            break;
        case gsHelp:
            for (const char* Name : {"Help0", "Help1", "Help2"}) UnloadImage(Name);
            break;
        case gsLevelSel: LevelSelExitActions(); break;
        case gsMirelIsland: MirelIslandExitActions(NewScene); break;
        case gsAddInitialPlayer: AddInitialPlayerExitActions(); break;
        default: break;
    }
}

void TFormMain::SceneEntryActions(TGameSceneValues OldScene, TGameSceneValues NewScene) {
    switch (NewScene) {
        case gsMenu: MenuEntryActions(OldScene); break;
        case gsStory:
            FStoryImages.clear();
            {
                const size_t Before = static_cast<size_t>(OmegaImageList1.Count());
                LoadAllJpegs(icStoryScene, StorySceneNumber);
                for (int32_t I = static_cast<int32_t>(Before); I < OmegaImageList1.Count(); ++I) {
                    FStoryImages.push_back(OmegaImageList1.Items(I)->Name);
                }
            }
            if (OldScene != gsStory) MusicBox->SelectTrack(StorySceneNumber > 5 ? muVictory : muStory);
            StoryEntryActions();
            break;
        case gsMap: MapEntryActions(); break;
        case gsBonusStage:
            // Back from a trophy's window or the in-game menu the stage is as it was.
            if (OldScene == gsNewTrophy || OldScene == gsInGameMenu) break;
            if (!ImageGroupLoaded(icBonusStage)) LoadAllPngs(icBonusStage);
            BonusStageImagesReady();
            Panels.MoneyPanel->Show();
            Scoring.MoneyEffect->ScaleFactor = 1.0f;
            break;
        case gsTrophies:
            if (!OmegaImageList1.Find("Help0")) LoadImageFile(icMain, "Help0.jpg", 0, true, true);
            if (!ImageGroupLoaded(icTrophy)) LoadAllPngs(icTrophy);
            TrophyCabinetImagesReady();
            break;
        case gsNewIncentive: IncentiveEntryActions(); break;
        case gsLevelSel: LevelSelEntryActions(); break;
        case gsMirelIsland: MirelIslandEntryActions(OldScene); break;
        case gsAddInitialPlayer: AddInitialPlayerEntryActions(); break;
        case gsHelp: Menus.Help.Pages.Prepare(); break;
        default: break;
    }
}

void TFormMain::TransitionStartToSwitch(TObject* /*Sender*/, TGameSceneValues OldScene,
                                        TGameSceneValues NewScene) {
    HideMenuPanelsOnTransition(OldScene, NewScene);
    MapTransitionStarts(OldScene);
    MirelIslandTransitionStarts(OldScene, NewScene);
}

void TFormMain::TransitionSceneSwitch(TObject* /*Sender*/, TGameSceneValues NewScene) { GameScene->SetValue(NewScene); }

// --- Dispatch ---------------------------------------------------------------

void TFormMain::SceneFrame(TGameSceneValues Scene) {
    switch (Scene) {
        case gsCompanyLogos: FrameCompanyLogos(); break;
        case gsSplash: FrameSplash(); break;
        case gsMenu: FrameMenu(); break;
        case gsPlayerSelect: FramePlayerSelect(); break;
        case gsStory: FrameStory(); break;
        case gsMap: FrameMap(); break;
        case gsMainGame:
        case gsRoundClear:
        case gsTimeUp: FrameMainGame(); break;
        case gsBonusStage: FrameBonusStage(); break;
        case gsInGameMenu: FrameInGameMenu(); break;
        case gsInGameOptions:
        case gsOptions: FrameOptions(); break;
        case gsTrophies: FrameTrophies(); break;
        case gsHighScores: FrameHighScores(); break;
        case gsHelp: FrameHelp(); break;
        case gsLevelSel: FrameLevelSel(); break;
        case gsObjectiveInfo: FrameObjectiveInfo(); break;
        case gsStageResult: FrameStageResult(); break;
        case gsMirelIsland: FrameMirelIsland(); break;
        case gsShopItems: FrameShopItems(); break;
        case gsNewTrophy: FrameNewTrophy(); break;
        case gsNewIncentive: FrameNewIncentive(); break;
        case gsConfirmWindow: FrameConfirmWindow(); break;
        case gsAddPlayer:
        case gsAddInitialPlayer: FrameAddPlayer(); break;
        case gsCredits: FrameCredits(); break;
    }
}

void TFormMain::SceneMouseMove(TGameSceneValues Scene, int32_t X, int32_t Y) {
    switch (Scene) {
        case gsConfirmWindow: ConfirmWindow->MouseMove(X, Y); break;
        case gsMainGame: MouseMoveMainGame(X, Y); break;
        case gsBonusStage: MouseMoveBonusStage(X, Y); break;
        case gsObjectiveInfo: Panels.MenuButton->MouseMove(X, Y); break;
        case gsTrophies: MouseMoveTrophies(X, Y); break;
        case gsStory: MouseMoveStory(X, Y); break;
        case gsNewTrophy: Trophies.Announcer.MouseMove(X, Y); break;
        case gsNewIncentive: Trophies.IncentiveAnnouncer.MouseMove(X, Y); break;
        case gsInGameMenu: MouseMoveInGameMenu(X, Y); break;
        case gsStageResult: MouseMoveStageResult(X, Y); break;
        case gsMap: MouseMoveMap(X, Y); break;
        case gsLevelSel: MouseMoveLevelSel(X, Y); break;
        case gsMirelIsland: MouseMoveMirelIsland(X, Y); break;
        case gsShopItems: MouseMoveShopItems(X, Y); break;
        case gsAddPlayer:
        case gsAddInitialPlayer: MouseMoveAddPlayer(X, Y); break;
        default: MouseMoveMenuScreen(Scene, X, Y); break;
    }
}

void TFormMain::SceneMouseDown(TGameSceneValues Scene, TMouseButton Button, int32_t X, int32_t Y) {
    switch (Scene) {
        case gsCompanyLogos: MouseDownCompanyLogos(); break;
        case gsSplash: MouseDownSplash(); break;
        case gsConfirmWindow: ConfirmWindow->MouseDown(X, Y, Button); break;
        case gsMainGame: MouseDownMainGame(Button, X, Y); break;
        case gsBonusStage: MouseDownBonusStage(Button, X, Y); break;
        case gsObjectiveInfo: MouseDownObjectiveInfo(Button, X, Y); break;
        case gsTrophies: MouseDownTrophies(Button, X, Y); break;
        case gsStory: MouseDownStory(Button, X, Y); break;
        case gsNewTrophy: Trophies.Announcer.MouseDown(X, Y, Button); break;
        case gsNewIncentive: Trophies.IncentiveAnnouncer.MouseDown(X, Y, Button); break;
        case gsInGameMenu: MouseDownInGameMenu(Button, X, Y); break;
        case gsStageResult: MouseDownStageResult(Button, X, Y); break;
        case gsMap: MouseDownMap(Button, X, Y); break;
        case gsLevelSel: MouseDownLevelSel(Button, X, Y); break;
        case gsMirelIsland: MouseDownMirelIsland(Button, X, Y); break;
        case gsShopItems: MouseDownShopItems(Button, X, Y); break;
        case gsAddPlayer:
        case gsAddInitialPlayer: MouseDownAddPlayer(Button, X, Y); break;
        default: MouseDownMenuScreen(Scene, Button, X, Y); break;
    }
}

void TFormMain::SceneMouseUp(TGameSceneValues Scene, int32_t X, int32_t Y) {
    switch (Scene) {
        case gsConfirmWindow: ConfirmWindow->MouseUp(X, Y); break;
        case gsMainGame: MouseUpMainGame(X, Y); break;
        case gsBonusStage: MouseUpBonusStage(X, Y); break;
        case gsObjectiveInfo: Panels.MenuButton->MouseUp(X, Y); break;
        case gsTrophies: MouseUpTrophies(X, Y); break;
        case gsStory: MouseUpStory(X, Y); break;
        case gsNewTrophy: Trophies.Announcer.MouseUp(X, Y); break;
        case gsNewIncentive: Trophies.IncentiveAnnouncer.MouseUp(X, Y); break;
        case gsInGameMenu: MouseUpInGameMenu(X, Y); break;
        case gsStageResult: MouseUpStageResult(X, Y); break;
        case gsMap: MouseUpMap(X, Y); break;
        case gsLevelSel: MouseUpLevelSel(X, Y); break;
        case gsMirelIsland: MouseUpMirelIsland(X, Y); break;
        case gsShopItems: MouseUpShopItems(X, Y); break;
        case gsAddPlayer:
        case gsAddInitialPlayer: MouseUpAddPlayer(X, Y); break;
        default: MouseUpMenuScreen(Scene, X, Y); break;
    }
}

// --- Scenes built from later objects: what exists is drawn, nothing stands in ----



// The round or the bonus stage, under the announcement and the result.
void TFormMain::FrameRoundBackground() {
    if (Round.Objective == goBonusStage) {
        FrameBonusStage();
    } else {
        FrameMainGame();
    }
}

void TFormMain::FrameObjectiveInfo() {
    FrameRoundBackground();
    Gauges.ObjectiveInfo->UpdateAndDraw();
}

void TFormMain::FrameConfirmWindow() {
    switch (ConfirmKind) {
        case 0:
        case 7: FrameMainGame(); break;
        case 5:
        case 6: SceneFrame(OverlayBackgroundScene); break;
        case 2:
        case 3: FramePlayerSelect(); break;
        default: FrameMenu(); break;
    }
    ScreenDarkener->UpdateAndDraw();
    ConfirmWindow->Draw();
}

void TFormMain::ShowConfirm(uint8_t Kind, TPositiveButtonKind Positive, TNegativeButtonKind Negative) {
    ConfirmKind = Kind;
    GameScene->SetValue(gsConfirmWindow);
    ConfirmWindow->Show(Kind, Positive, Negative);
}

// The question has slid out: the darkener fades first, then the answer is acted on.
void TFormMain::ConfirmHidingComplete(bool PositiveAnswer) {
    ScreenDarkener->FadeOut();
    switch (ConfirmWindow->Kind()) {
        case 0:
        case 6:
        case 7: ConfirmInRound(ConfirmWindow->Kind(), PositiveAnswer); break;
        case 1:
            GameScene->SetValue(gsMenu);
            if (PositiveAnswer) FormClose();
            break;
        case 2:
            // Deleting happened on the press; the list shows what is left.
            GameScene->SetValue(gsPlayerSelect);
            ScreenDarkener->ShowAtFull();
            break;
        case 3:
            // The typed name is taken: type another, or go back to the list.
            ScreenDarkener->ShowAtFull();
            if (PositiveAnswer) {
                GameScene->SetValue(gsAddPlayer);
                OpenNameEntry(false);
            } else {
                GameScene->SetValue(gsPlayerSelect);
            }
            break;
        case 4:
        case 5:
            // Full screen was switched or kept on the press: back where the options were opened.
            ReturnFromOptions();
            if (ConfirmWindow->Kind() == 5) ResumeRoundAfterMenu();
            break;
        case 8:
            // The damaged save was told; OK plays on with a new player's progress.
            GameScene->SetValue(gsMenu);
            if (PositiveAnswer) {
                SaveDamaged = false;
                PlayButtonClick();
            }
            break;
        case 9: {
            // Yes plays without the round timer; the choice is the player's for good.
            const TRelaxedMode Mode = PositiveAnswer ? rmYes : rmNo;
            GameScene->SetValue(gsMenu);
            PlayerProgress->Record().RelaxedMode = Mode;
            Gauges.TubeTimer->RelaxedMode = Mode;
            GoOnToMap();
            break;
        }
        default: GameScene->SetValue(gsMenu); break;
    }
}
