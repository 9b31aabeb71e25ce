#include "GameSceneClass.h"

void TGameScene::SetValue(TGameSceneValues NewValue) {
    if (NewValue == FValue) return;
    if (OnChanged) OnChanged(this, FValue, NewValue);
    FValue = NewValue;
}
