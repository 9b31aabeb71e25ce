// The iris between two scenes: a dark spinning cover closes over the screen,
// the scene switches while everything is hidden, and the cover opens again.
// Input is dropped while the cover hides the screen.
#pragma once

#include <functional>

#include "GameSceneClass.h"

class TOmegaImageList;

using TSceneTransitionStartToSwitchEvent =
    std::function<void(TObject* Sender, TGameSceneValues OldScene, TGameSceneValues NewScene)>;
using TSceneTransitionSceneSwitchEvent = std::function<void(TObject* Sender, TGameSceneValues NewScene)>;

class TSceneTransition : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int BaseAlphaStep = 10;
    float MaxSizeRatioAdd = 26.0f;
    float AngleAdd = 3.0f;
    TSceneTransitionStartToSwitchEvent OnStartToSwitch;
    TSceneTransitionSceneSwitchEvent OnSceneSwitch;

    // Starts closing toward NewScene from wherever the last transition left its size.
    void Start(TGameSceneValues OldScene, TGameSceneValues NewScene);
    // One frame: advances and draws the iris; nothing happens while inactive.
    void UpdateAndDraw();
    // True while the iris hides the screen (closing, or early in the opening).
    bool IsCovering() const;
    void Cancel() { FActive = false; }

    bool Active() const { return FActive; }
    bool Closing() const { return FClosing; }
    int Alpha() const { return FAlpha; }
    float Size() const { return FSize; }
    float Angle() const { return FAngle; }
    TGameSceneValues Target() const { return FTarget; }

private:
    void Update();
    void Draw() const;

    bool FActive = false;
    bool FClosing = true;
    TGameSceneValues FTarget = gsCompanyLogos;
    int FAlpha = 0;
    float FSize = 26.0f;
    float FAngle = 0.0f;
};
