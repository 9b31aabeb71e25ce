// Scene changes and the per-scene frame routines and mouse handlers.
#include "FormMainClass.h"

// --- Scene changes --------------------------------------------------------

void TFormMain::GameSceneChanged(TObject* /*Sender*/, TGameSceneValues OldScene, TGameSceneValues NewScene) {
    SceneExitActions(OldScene, NewScene);
    SceneEntryActions(OldScene, NewScene);
}

void TFormMain::SceneExitActions(TGameSceneValues OldScene, TGameSceneValues /*NewScene*/) {
    switch (OldScene) {
        case gsSplash:
            for (const char* Name : {"CompanyLogo1", "CompanyLogo2", "CompanyLogo3", "SplashZorLogo",
                                     "SplashZorLogoBlur", "SplashMirelBody", "SplashMirelHand1", "SplashMirelHand2",
                                     "SplashMirelLeftHand", "SplashMirelHair", "LoadingBarBG", "LoadingBarFill",
                                     "LoadingBarFillEdge", "LoadingBarCover", "LoadingBarGlass", "LoadingText",
                                     "LoadingClickAnywhere"}) {
                UnloadImage(Name);
            }
            break;
        default: break;
    }
}

void TFormMain::SceneEntryActions(TGameSceneValues /*OldScene*/, TGameSceneValues /*NewScene*/) {}

void TFormMain::TransitionStartToSwitch(TObject* /*Sender*/, TGameSceneValues /*OldScene*/,
                                        TGameSceneValues /*NewScene*/) {}

void TFormMain::TransitionSceneSwitch(TObject* /*Sender*/, TGameSceneValues NewScene) { GameScene->SetValue(NewScene); }

// --- Dispatch ---------------------------------------------------------------

void TFormMain::SceneFrame(TGameSceneValues Scene) {
    switch (Scene) {
        case gsCompanyLogos: FrameCompanyLogos(); break;
        case gsSplash: FrameSplash(); break;
        default: break;
    }
}

void TFormMain::SceneMouseMove(TGameSceneValues /*Scene*/, int32_t /*X*/, int32_t /*Y*/) {}

void TFormMain::SceneMouseDown(TGameSceneValues Scene, TMouseButton /*Button*/, int32_t /*X*/, int32_t /*Y*/) {
    switch (Scene) {
        case gsCompanyLogos: MouseDownCompanyLogos(); break;
        case gsSplash: MouseDownSplash(); break;
        default: break;
    }
}

void TFormMain::SceneMouseUp(TGameSceneValues /*Scene*/, int32_t /*X*/, int32_t /*Y*/) {}

// --- Company logos ------------------------------------------------------------

void TFormMain::FrameCompanyLogos() {
    if (!FStartupFullScreenDone) {
        // The saved full-screen choice is applied on the first logo frame, not earlier.
        FStartupFullScreenDone = true;
        if (FOptions.FullScreen) SetFullScreen(true, true);
    }
    CompanyLogos->UpdateAndDraw();
    if (CompanyLogos->Finished()) {
        MusicBox->SelectTrack(muSplash);
        LoadAllJpegs(icSplash);
        LoadAllPngs(icSplash);
        LoadingBar->InitImages();
        GameScene->SetValue(gsSplash);
    }
}

void TFormMain::MouseDownCompanyLogos() { CompanyLogos->SkipHold(); }

// --- Splash -----------------------------------------------------------------

void TFormMain::FrameSplash() {
    if (TImageListItem* Background = OmegaImageList1.Find("SplashBG")) Background->Draw(0, 0, 0);
    SplashMirel->UpdateAndDraw();
    if (LoadingBar->LoadingMinusOneFinished()) {
        SplashLogo->UpdateAndDraw();
        if (SplashLogo->EntranceComplete() && !LoadingBar->LoadingFinished()) LoadingBar->StepIt();
    }
    LoadingBar->UpdateAndDraw();
    if (!FMainImagesLoaded) {
        ++FSplashFrameCounter;
        if (FSplashFrameCounter >= 33) MainLoad();
    }
    CompanyLogos->UpdateAndDraw();
}

void TFormMain::MouseDownSplash() {
    if (!LoadingBar->LoadingFinished()) return;
    LoadingBar->StartLeaving();
}
