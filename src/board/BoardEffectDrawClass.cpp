#include "BoardEffectDrawClass.h"

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

TImageListItem* EffectImage(TOmegaImageList* List, std::string_view Name) {
    return List ? List->Find(Name) : nullptr;
}

void SetEffectFiltering(TOmegaImageList* List, bool Smooth) {
    if (List && List->OmegaScreen) List->OmegaScreen->SetFiltering(Smooth);
}

void TThrownFlight::Step() {
    Speed += Gravity;
    MoveTowards(HorzSpeed, HorzFriction, 0.0);
    MoveTowards(Impulse, Gravity, 0.0);
    X += HorzSpeed;
    Y += Speed + Impulse;
}
