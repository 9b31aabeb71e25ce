// The objective's medallion on the left panel: which kind of level this is, at a glance.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TObjectiveLogo : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    TGameObjective ObjectiveKind = goTargetFruits;
    int32_t Left = 0;
    int32_t Top = 0;

    // "ObjectiveLogo", the objective's pattern, at (Left, Top).
    void Draw() const;
};
