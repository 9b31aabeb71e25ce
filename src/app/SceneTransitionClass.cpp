#include "SceneTransitionClass.h"

#include "DrawRoutinesClass.h"

void TSceneTransition::Start(TGameSceneValues OldScene, TGameSceneValues NewScene) {
    FTarget = NewScene;
    FClosing = true;
    FActive = true;
    if (OnStartToSwitch) OnStartToSwitch(this, OldScene, NewScene);
}

bool TSceneTransition::IsCovering() const {
    return FActive && (FClosing || FSize < 0.65f * MaxSizeRatioAdd);
}

void TSceneTransition::UpdateAndDraw() {
    if (!FActive) return;
    Update();
    if (FActive || FAlpha > 0) Draw();
}

void TSceneTransition::Update() {
    const float Step = MaxSizeRatioAdd / 255.0f * static_cast<float>(BaseAlphaStep);
    if (FClosing) {
        FAlpha += 4 * BaseAlphaStep;
        if (FAlpha > 255) FAlpha = 255;
        FSize = FSize - Step - 0.3f;
        if (!(FSize > 0.0f)) {
            FSize = 0.0f;
            FClosing = false;
            FAlpha = 255;
            if (OnSceneSwitch) OnSceneSwitch(this, FTarget);
        }
    } else {
        FSize += Step;
        if (FSize > MaxSizeRatioAdd) FSize = MaxSizeRatioAdd;
        if (FSize >= MaxSizeRatioAdd) {
            FAlpha -= 2 * BaseAlphaStep;
            if (!(FAlpha > 0)) {
                FAlpha = 0;
                FActive = false;
            }
        }
    }
    FAngle += AngleAdd;
    while (FAngle >= 360.0f) FAngle -= 360.0f;
}

void TSceneTransition::Draw() const {
    const auto Alpha = static_cast<uint8_t>(FAlpha);
    const float Scale = FSize + 2.0f;
    DrawImageSmooth("TransDark", 145, 45, FAngle, 0.5f, 0.5f, Scale, Scale, 255, 255, 255, Alpha, 0);
    DrawImageSmooth("TransSpin", 315, 215, FAngle, 0.5f, 0.5f, Scale * 0.29f, Scale * 0.29f, 255, 255, 255, Alpha, 0);
}
