// The small Mirel who stands on the menu, the level selection and the garden:
// she breathes, blinks, and now and then cheers with her front arm raised high.
// She is drawn from her parts (body, head, three arms), each turned about its
// joint.
#pragma once

#include <cstdint>

#include "AnimDataClass.h"
#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

class TSmallMirel : public TObject {
public:
    TSmallMirel();

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 335;
    int32_t Top = 484;
    // A cheer raises the arm this far; the back arm follows only up to the limit.
    double MaxCheerUpAngle = 150.0;
    double CheerUpAngleLimit = 80.0;

    // A cheer starts once Delay milliseconds of game time have passed.
    void CheerAfterDelay(int32_t Delay);
    void StopCheering();
    // Once a frame: the cheer, the breathing, the blink, and her figure.
    void UpdateAndDraw();

    bool Cheering() const { return FCheering; }
    double ArmAngle() const { return FArmAngle; }
    double ArmTarget() const { return FArmTarget; }
    float Breathing() const { return FBreathing.Value; }

private:
    void Draw();

    bool FCheering = false;
    bool FRaisePending = false;
    double FArmAngle = 0.0;
    double FArmTarget = 0.0;
    int32_t FDelay = 0;
    int32_t FDelayTimer = 0;
    TValueUpDown FBreathing;
    TAnimData FHead;
};
