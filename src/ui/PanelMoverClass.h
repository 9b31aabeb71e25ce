// Moves a panel between a hidden and a shown position, each axis by its own
// step per frame without overshooting. It draws nothing: every frame it
// reports where the panel is, and the owner draws the panel there.
#pragma once

#include <cstdint>
#include <functional>

#include "GameTypesClass.h"

using TPanelMoverPosUpdateEvent = std::function<void(TObject* Sender, TPoint APos)>;

class TPanelMover : public TObject {
public:
    enum TPhase : uint8_t { phIdle, phShowing, phShown, phHiding };

    // The shown position.
    int32_t Left = 0;
    int32_t Top = 0;
    // The hidden position.
    int32_t HideLeft = 0;
    int32_t HideTop = 0;
    // Pixels per frame on each axis.
    int32_t HorzStep = 1;
    int32_t VertStep = 1;

    TPanelMoverPosUpdateEvent OnPosUpdate;
    TNotifyEvent OnShowingCompleted;

    // Starts from the hidden position toward the shown one.
    void Show();
    // Heads for the hidden position from wherever the panel is, and stays there.
    void Hide();
    void PutAtHiddenPos();
    // One step; OnShowingCompleted on arrival; OnPosUpdate every frame, in every phase.
    void Update();

    TPoint CurrentPos() const { return FPos; }
    TPhase Phase() const { return FPhase; }

private:
    TPhase FPhase = phIdle;
    TPoint FPos;
};
