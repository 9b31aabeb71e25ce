#include "JackpotScoreClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

namespace {
uint8_t DecimalLength(int32_t V) {
    uint8_t Length = 1;
    for (; V >= 10; V /= 10) ++Length;
    return Length;
}
}  // namespace

void TJackpotScore::InitImages() {
    if (const TImageListItem* Digit = EffectImage(OmgImgList, DigitImg)) {
        DigitWidth = Digit->EffectiveTileWidth();
        DigitHeight = Digit->EffectiveTileHeight();
    }
    if (const TImageListItem* Blur = EffectImage(OmgImgList, DigitBlurImg))
        DigitBlurHeight = Blur->EffectiveTileHeight();
}

void TJackpotScore::ChangeValue(int32_t V) {
    FValue = std::max(V, 0);
    Digits = std::max(Digits, DecimalLength(FValue));
    if (OnValueUpdate) OnValueUpdate(this);
}

void TJackpotScore::Set(int32_t V) {
    FDisplayed = std::max(V, 0);
    ChangeValue(V);
}

void TJackpotScore::SetTarget(int32_t V) { ChangeValue(V); }

void TJackpotScore::Add(int32_t D) { ChangeValue(FValue + D); }

void TJackpotScore::AddCounted(int32_t D, int32_t Sound) {
    Add(D);
    FCountingSound = true;
    FSound = Sound;
}

void TJackpotScore::AddSplit(int32_t A, int32_t B, int32_t Sound) {
    Add(std::max(A - B, 0));
    Jump();
    AddCounted(std::min(A, B), Sound);
}

void TJackpotScore::AddInstant(int32_t A) {
    Add(A);
    Jump();
}

void TJackpotScore::RoundToTen() { SetTarget(Round(FValue / 10.0) * 10); }

void TJackpotScore::Jump() { FDisplayed = FValue; }

void TJackpotScore::Reset() {
    FValue = 0;
    FDisplayed = 0;
    FStepPause = 0;
    FCountingSound = false;
}

void TJackpotScore::UpdateAndDraw() {
    if (FCountingSound) {
        if (FDisplayed == FValue) {
            FCountingSound = false;
        } else if (++FFrameCounter % 2 == 0) {
            PlaySoundEffect(FSound == 1 ? "Click" : "ScoreCount");
        }
    }
    if (FStepPause > 0) --FStepPause;
    if (FStepPause == 0 && FDisplayed != FValue) {
        MoveTowards(FDisplayed, Increment, FValue);
        FStepPause = StepPauseFrames;
    }
    if (OmgFont) OmgFont->TextOut(Left, Top, Text(), 255, 255, 0, 255);
}

const std::string& TJackpotScore::Text() {
    if (!FTextValid || FTextAmount != FDisplayed || FTextKind != Kind || FTextLanguage != GameLanguage) RefreshText();
    return FText;
}

void TJackpotScore::RefreshText() {
    FText = Kind == jkMoney ? MoneyToStr(FDisplayed) : IntToGroupedStr(FDisplayed);
    FTextAmount = FDisplayed;
    FTextKind = Kind;
    FTextLanguage = GameLanguage;
    FTextValid = true;
}
