// Drawing of the bonus animals: what each one carries hangs under it on its
// swinging thread, the animal over it; a hit one shows its hit animation and
// then rolls as it falls. An image that is not loaded draws nothing.
#include "BonusAnimalsClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "OmegaRendererClass.h"

namespace {

// The hanging icons and letters turn about a point a third of the way down.
constexpr float IconCentreX = 0.5f;
constexpr float IconCentreY = 0.33f;
constexpr float RollCentreX = 0.65f;
constexpr float RollCentreY = 0.25f;
// A carried letter hangs this far from the animal, over its glow.
constexpr int32_t LetterAdjX = 12;
constexpr int32_t LetterAdjY = 44;
constexpr int32_t LetterShineAlpha = 165;  // of 255, scaled by the animal's own alpha
constexpr int32_t BrightLetterPattern = 5;  // patterns 5..9 of "BonusLetters" are the bright letters
constexpr int32_t AdditiveBlend = 2;        // additive, weighted by alpha

uint32_t WhiteAt(int32_t Alpha) {
    const int32_t A = Alpha < 0 ? 0 : Alpha > 255 ? 255 : Alpha;
    return MakeColor(255, 255, 255, static_cast<uint8_t>(A));
}

int32_t LetterIndex(char Letter) {
    const size_t I = TBonusAnimals::Letters.find(Letter);
    return I == std::string_view::npos ? -1 : static_cast<int32_t>(I);
}

struct TIconPlace {
    int32_t Pattern;
    int32_t AdjX;
    int32_t AdjY;
};

// Pattern of the bonus image and offset from the animal; boScore and boLetter hang no icon.
TIconPlace IconPlace(TBonusKind Kind) {
    switch (Kind) {
        case boMoney: return {0, 10, 51};
        case boMagicKey: return {1, 12, 63};
        case boBroom: return {2, 2, 52};
        case boAerosol: return {3, 12, 57};
        default: return {NoPattern, 0, 0};
    }
}

}  // namespace

void TBonusAnimals::DrawIcon(const TBonusAnimalSlot& S) {
    if (S.Special) {
        const int32_t Letter = LetterIndex(S.BonusLetter);
        if (Letter < 0) return;
        if (TImageListItem* Shine = EffectImage(OmgImgList, "BonusLetterShine"))
            Shine->DrawEx(Round(S.Pos.X + LetterAdjX + BonusShineAdjustX), Round(S.Pos.Y + LetterAdjY + BonusShineAdjustY),
                          0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Round(S.Alpha * LetterShineAlpha / 255.0), 0,
                          AdditiveBlend);
        if (TImageListItem* Letters = EffectImage(OmgImgList, "BonusLetters")) {
            SetEffectFiltering(OmgImgList, true);
            Letters->DrawExColor(Round(S.Pos.X + LetterAdjX), Round(S.Pos.Y + LetterAdjY), FLetterSwing.Value,
                                 IconCentreX, IconCentreY, 1.0f, 1.0f, WhiteAt(S.Alpha), false, false,
                                 Letter + BrightLetterPattern, 0);
            SetEffectFiltering(OmgImgList, false);
        }
        return;
    }
    const TIconPlace Place = IconPlace(S.BonusKind);
    if (Place.Pattern == NoPattern) return;
    TImageListItem* Icons = EffectImage(OmgImgList, BonusImage);
    if (!Icons) return;
    const TValueUpDown& Swing = S.BonusKind == boMoney      ? FMoneySwing
                                : S.BonusKind == boMagicKey ? FKeySwing
                                : S.BonusKind == boBroom    ? FBroomSwing
                                                            : FAerosolSwing;
    SetEffectFiltering(OmgImgList, true);
    Icons->DrawExColor(Round(S.Pos.X + Place.AdjX), Round(S.Pos.Y + Place.AdjY), Swing.Value, IconCentreX, IconCentreY,
                       1.0f, 1.0f, WhiteAt(S.Alpha), false, false, Place.Pattern, 0);
    SetEffectFiltering(OmgImgList, false);
}

void TBonusAnimals::DrawFlying(const TBonusAnimalSlot& S, int32_t Pattern) {
    if (!OmgImgList) return;
    DrawIcon(S);
    if (TImageListItem* Image = EffectImage(OmgImgList, S.Special ? SpecialAnimalImage : AnimalImage))
        Image->DrawExColor(Round(S.Pos.X), Round(S.Pos.Y), 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, WhiteAt(S.Alpha), false,
                           S.FacingRight, Pattern, 0);
}

void TBonusAnimals::DrawHit(TBonusAnimalSlot& S) {
    if (TImageListItem* Image = EffectImage(OmgImgList, S.Special ? SpecialAnimalHitImage : AnimalHitImage))
        Image->DrawExColor(Round(S.Pos.X), Round(S.Pos.Y), 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, WhiteAt(S.Alpha), false,
                           false, S.HitAnim.CurrentPattern(), 0);
}

void TBonusAnimals::DrawFalling(const TBonusAnimalSlot& S) {
    // The last picture of the hit animation, rolling as it falls.
    if (HitAnimSeqStr.empty()) return;
    TImageListItem* Image = EffectImage(OmgImgList, S.Special ? SpecialAnimalHitImage : AnimalHitImage);
    if (!Image) return;
    SetEffectFiltering(OmgImgList, true);
    Image->DrawExColor(Round(S.Pos.X + AnimalRollAdjX), Round(S.Pos.Y + AnimalRollAdjY), static_cast<float>(S.RollAngle),
                       RollCentreX, RollCentreY, 1.0f, 1.0f, WhiteAt(S.Alpha), false, false,
                       static_cast<int32_t>(HitAnimSeqStr.size()) - 1, 0);
    SetEffectFiltering(OmgImgList, false);
}
