// The opening scenes: the company logos and the splash screen with its loading bar.
#include "FormMainClass.h"

void TFormMain::FrameCompanyLogos() {
    if (!FStartupFullScreenDone) {
        // The saved full-screen choice is applied on the first logo frame, not earlier.
        FStartupFullScreenDone = true;
        if (Options->FullScreen) SetFullScreen(true, true);
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

void TFormMain::FrameSplash() {
    if (TImageListItem* Background = OmegaImageList1.Find("SplashBG")) Background->Draw(0, 0, 0);
    FrameSplashClouds();
    FrameSplashWave();
    FrameSplashWaterBlinks();
    SplashMirel->UpdateAndDraw();
    if (LoadingBar->LoadingMinusOneFinished()) {
        if (!FSplashFloristStarted) {
            FSplashFloristStarted = true;
            StartSplashFlorist();
        }
        SplashLogo->UpdateAndDraw();
        if (SplashLogo->EntranceComplete() && !LoadingBar->LoadingFinished()) LoadingBar->StepIt();
    }
    // The florist trails fairy dust from just above and left of her.
    TPoint Florist;
    if (SplashFloristDustPoint(Florist)) FairyDust->Emit(Florist.X - 4, Florist.Y - 22, dkSmallFairyTrail);
    FairyDust->UpdateAndDraw();
    FrameSplashFlorist();
    LoadingBar->UpdateAndDraw();
    FrameScreenDust();
    if (!FMainImagesLoaded) {
        ++FSplashFrameCounter;
        if (FSplashFrameCounter >= 33) MainLoad();
    }
    CompanyLogos->UpdateAndDraw();
}

void TFormMain::MouseDownSplash() {
    if (!LoadingBar->LoadingFinished() || LoadingBar->Leaving()) return;
    LoadingBar->StartLeaving();
    if (FNoPlayerYet) {
        StartTransition(gsAddInitialPlayer);
        OpenNameEntry(true);
    } else {
        LoadSelectedPlayer();
        StartTransition(gsMenu);
    }
}
