#include "ResultMedalClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "TextStringsClass.h"

namespace {
// Game texts lines of the medals' names: bronze, silver, gold.
constexpr int32_t FirstMedalNameLine = 22;
}  // namespace

TMedalKind TResultMedal::MedalFor(int32_t Seconds) const { return MedalForTime(Seconds, SilverReqTime, GoldReqTime); }

void TResultMedal::Draw() const {
    if (FMedalKind == mdNone) return;
    if (OmgFont && TextStringsComp) {
        const std::string& Name = TextStringsComp->GameTexts(FirstMedalNameLine + FMedalKind);
        const int32_t X = Left + NameFieldAdjustX + (NameFieldWidth - OmgFont->TextWidth(Name)) / 2;
        OmgFont->TextOut(X, Top + NameAdjustY, Name, 255, 255, 255, 255);
    }
    if (TImageListItem* Medals = EffectImage(OmgImgList, "ResultMedals")) Medals->Draw(Left, Top, FMedalKind);
}
