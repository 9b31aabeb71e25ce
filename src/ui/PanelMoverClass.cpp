#include "PanelMoverClass.h"

#include "GeneralRoutinesClass.h"

void TPanelMover::Show() {
    FPhase = phShowing;
    FPos = Point(HideLeft, HideTop);
}

void TPanelMover::Hide() { FPhase = phHiding; }

void TPanelMover::PutAtHiddenPos() {
    FPhase = phIdle;
    FPos = Point(HideLeft, HideTop);
}

void TPanelMover::Update() {
    if (FPhase == phShowing) {
        MoveTowards(FPos.X, HorzStep, Left);
        MoveTowards(FPos.Y, VertStep, Top);
        if (FPos.X == Left && FPos.Y == Top) {
            FPhase = phShown;
            if (OnShowingCompleted) OnShowingCompleted(this);
        }
    } else if (FPhase == phHiding) {
        MoveTowards(FPos.X, HorzStep, HideLeft);
        MoveTowards(FPos.Y, VertStep, HideTop);
    }
    if (OnPosUpdate) OnPosUpdate(this, FPos);
}
