#include "ObjectiveLogoClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"

void TObjectiveLogo::Draw() const {
    if (TImageListItem* Logo = EffectImage(OmgImgList, "ObjectiveLogo")) Logo->Draw(Left, Top, ObjectiveKind);
}
