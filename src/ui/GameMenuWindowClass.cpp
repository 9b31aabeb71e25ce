#include "GameMenuWindowClass.h"

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TGameMenuWindow::Show() {
    FPos = MovesHorizontally() ? Point(HidingXPos, Top) : Point(Left, HidingYPos);
    FShownTime = 0;
    FShownTimerFired = false;
    if (OnStartShowing) OnStartShowing(this);
    FPhase = phShowing;
}

void TGameMenuWindow::Hide() {
    if (FPhase == phHidden || FPhase == phHiding) return;
    FPhase = phHiding;
    if (OnStartHiding) OnStartHiding(this);
}

void TGameMenuWindow::Reset() {
    FPos = Point(HidingXPos, HidingYPos);
    FPhase = phHidden;
    Tag.clear();
    FShownTime = 0;
    FShownTimerFired = false;
    if (OnPosUpdate) OnPosUpdate(this, FPos);
}

void TGameMenuWindow::Update() {
    const TPoint Before = FPos;
    MoveStepOnce();
    if (!(FPos == Before) && OnPosUpdate) OnPosUpdate(this, FPos);
}

void TGameMenuWindow::MoveStepOnce() {
    int32_t& Coord = MovesHorizontally() ? FPos.X : FPos.Y;
    switch (FPhase) {
        case phShowing: {
            const int32_t Target = MovesHorizontally() ? Left : Top;
            const int32_t Sign = ShowSign();
            Coord += Sign * MoveStep;
            // Landing exactly on the target is not arrival yet: the next step overshoots and completes.
            if ((Coord - Target) * Sign > 0) {
                Coord = Target;
                FPhase = phShown;
                if (OnShowingComplete) OnShowingComplete(this);
            }
            break;
        }
        case phShown:
            if (ShownTimerEnabled && !FShownTimerFired) {
                FShownTime += FrameStep;
                if (FShownTime >= ShownTimeToTriggerEvent) {
                    FShownTime = ShownTimeToTriggerEvent;
                    FShownTimerFired = true;
                    if (OnShownTimerReached) OnShownTimerReached(this);
                }
            }
            break;
        case phHiding: {
            const int32_t Target = MovesHorizontally() ? HidingXPos : HidingYPos;
            const int32_t Sign = -ShowSign();
            Coord += Sign * MoveStep;
            if ((Coord - Target) * Sign > 0) {
                Coord = Target;
                FPhase = phHidden;
                if (OnHidingComplete) OnHidingComplete(this);
            }
            break;
        }
        case phHidden: break;
    }
}

void TGameMenuWindow::Draw() {
    if (FPhase == phHidden || !OmgImgList) return;
    if (TImageListItem* Item = OmgImgList->Find(WindowImg)) Item->Draw(FPos.X, FPos.Y, 0);
}
