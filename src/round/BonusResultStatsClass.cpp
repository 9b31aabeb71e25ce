#include "BonusResultStatsClass.h"

#include <algorithm>
#include <cstdio>

#include "GeneralRoutinesClass.h"
#include "JackpotScoreClass.h"
#include "OmegaFontClass.h"
#include "ResultStatsClass.h"
#include "SFXPlayerClass.h"

void TBonusResultStats::SetAnimalsHit(int32_t Value) { FAnimalsHit = Value; }

void TBonusResultStats::SetAccuracy(int32_t Percent) { FAccuracy = Percent; }

void TBonusResultStats::SetAcquiredMoney(int32_t Money) {
    FAcquiredMoney = Money;
    RestartMoney();
}

void TBonusResultStats::SetBONUSMoney(int32_t Money) {
    FBONUSMoney = Money;
    RestartMoney();
}

// With the jackpot the money caught shows at once; without it, it counts up from 0.
void TBonusResultStats::RestartMoney() { FShownMoney = FBONUSMoney > 0 ? FAcquiredMoney : 0; }

void TBonusResultStats::PayLettersJackpot(TJackpotScore& Money, int32_t LettersMoney) {
    Money.AddSplit(LettersMoney, JackpotRolledPart, 0);
    Money.RoundToTen();
}

void TBonusResultStats::RefreshTexts() {
    if (!FTextsMade || FTextLanguage != GameLanguage) {
        FTextLanguage = GameLanguage;
        FTextsMade = true;
        FTextAnimalsHit = FTextAccuracy = FTextShownMoney = FTextBONUSMoney = -1;
    }
    char Text[32];
    if (FTextAnimalsHit != FAnimalsHit) {
        std::snprintf(Text, sizeof Text, "%d", FAnimalsHit);
        FAnimalsHitText = Text;
        FTextAnimalsHit = FAnimalsHit;
    }
    if (FTextAccuracy != FAccuracy) {
        // French writes a space before the percent sign.
        std::snprintf(Text, sizeof Text, FTextLanguage == laFR ? "%d %%" : "%d%%", FAccuracy);
        FAccuracyText = Text;
        FTextAccuracy = FAccuracy;
    }
    if (FTextShownMoney != FShownMoney) {
        FShownMoneyText = MoneyToStr(FShownMoney);
        FTextShownMoney = FShownMoney;
    }
    if (FTextBONUSMoney != FBONUSMoney) {
        FBONUSMoneyText = MoneyToStr(FBONUSMoney);
        FTextBONUSMoney = FBONUSMoney;
    }
}

const std::string& TBonusResultStats::AnimalsHitText() {
    RefreshTexts();
    return FAnimalsHitText;
}

const std::string& TBonusResultStats::AccuracyText() {
    RefreshTexts();
    return FAccuracyText;
}

const std::string& TBonusResultStats::ShownMoneyText() {
    RefreshTexts();
    return FShownMoneyText;
}

const std::string& TBonusResultStats::BONUSMoneyText() {
    RefreshTexts();
    return FBONUSMoneyText;
}

void TBonusResultStats::DrawStats() {
    ++FFrameCounter;
    if (FShownMoney != FAcquiredMoney) {
        // A step below 1 would never finish counting.
        MoveTowards(FShownMoney, std::max(ProgressingMoneyStep, 1), FAcquiredMoney);
        if (FFrameCounter % 2 == 0) PlaySoundEffect("ScoreCount");
    }
    RefreshTexts();
    if (!OmgFont) return;
    constexpr int32_t Gap = TResultStats::RowGap;
    OmgFont->TextOut(Left, Top, FAnimalsHitText, 255, 255, 0, 255);
    OmgFont->TextOut(Left, Top + Gap, FAccuracyText, 255, 255, 0, 255);
    OmgFont->TextOut(Left, Top + 2 * Gap, FShownMoneyText, 255, 255, 0, 255);
    OmgFont->TextOut(Left, Top + 3 * Gap, FBONUSMoneyText, 255, 255, 0, 255);
}
