#include "ResultStatsClass.h"

#include <algorithm>
#include <cstdio>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

namespace {
// The new-best badge sits left of the time.
constexpr TPoint BadgeOffset{-52, 9};
// The badge's pulse, in alpha.
constexpr float BadgeMinAlpha = 110.0f;
constexpr float BadgeMaxAlpha = 255.0f;
constexpr float BadgeAlphaStep = 6.0f;

// Money times a single-precision factor, worked out in double and rounded half to even.
int32_t Scaled(int32_t Money, float Factor) { return Round(static_cast<double>(Money) * static_cast<double>(Factor)); }
}  // namespace

TResultStats::TResultStats() {
    FBadgePulse.Setup(BadgeAlphaStep, BadgeAlphaStep, BadgeMaxAlpha, BadgeMinAlpha);
    SetPlayingTime(0);
    SetBestTime(0);
    SetLevelScore(0);
}

int32_t TResultStats::IslandGoldMoney(int32_t Island) const {
    switch (Island) {
        case 1: return Island1GeneralGoldMoney;
        case 2: return Island2GeneralGoldMoney;
        case 3: return Island3GeneralGoldMoney;
        case 4: return Island4GeneralGoldMoney;
        case 5: return Island5GeneralGoldMoney;
        default: return 0;
    }
}

int32_t TResultStats::MoneyReward(int32_t Island, TMedalKind Medal, TLevelKind Kind, TGameObjective Objective) const {
    int32_t Money = IslandGoldMoney(Island);
    switch (Kind) {
        case lkNormal: Money = Scaled(Money, NormalFactor); break;
        case lkAction: Money = Scaled(Money, ActionFactor); break;
        case lkChallenge: Money = Scaled(Money, ChallengeFactor); break;
    }
    switch (Medal) {
        case mdBronze: Money = Scaled(Money, BronzeFactor); break;
        case mdSilver: Money = Scaled(Money, SilverFactor); break;
        case mdGold: Money = Scaled(Money, GoldFactor); break;
        case mdNone: Money = 0; break;
    }
    if (Objective == goBeatMonster) Money = Scaled(Money, BossStageFactor);
    return Money;
}

// A step of 0 would never finish counting, so the step is at least 1 (an island
// without a reward, or a table without island 1's entry).
int32_t TResultStats::MoneyStepForIsland(int32_t Island) const {
    if (Island1GeneralGoldMoney <= 0) return BaseMoneyStep;
    const double Ratio = static_cast<double>(IslandGoldMoney(Island)) / Island1GeneralGoldMoney;
    return std::max(Round(Ratio * BaseMoneyStep), 1);
}

std::string TResultStats::TimeText(int32_t Seconds) {
    const int32_t Shown = std::max(Seconds, 0);
    char Text[32];
    std::snprintf(Text, sizeof Text, "%d:%02d", Shown / 60, Shown % 60);
    return Text;
}

void TResultStats::SetPlayingTime(int32_t Seconds) {
    FPlayingTime = Seconds;
    FPlayingTimeText = TimeText(Seconds);
}

void TResultStats::SetBestTime(int32_t Seconds) {
    FBestTime = Seconds;
    FBestTimeText = Seconds > 0 ? TimeText(Seconds) : "-";
}

void TResultStats::SetLevelScore(int32_t Score) {
    FLevelScore = Score;
    FLevelScoreText = IntToGroupedStr(Score);
    FTextLanguage = GameLanguage;
}

void TResultStats::SetMoneyBonus(int32_t Money) {
    FMoneyBonus = Money;
    FShownMoney = 0;
}

void TResultStats::ShowFinalMoney() { FShownMoney = FMoneyBonus; }

// Made again only when the shown amount (or the language) changes.
const std::string& TResultStats::MoneyText() {
    if (FTextLanguage != GameLanguage) {
        FLevelScoreText = IntToGroupedStr(FLevelScore);
        FTextLanguage = GameLanguage;
        FMoneyTextAmount = -1;
    }
    if (FMoneyTextAmount != FShownMoney) {
        FMoneyText = MoneyToStr(FShownMoney);
        FMoneyTextAmount = FShownMoney;
    }
    return FMoneyText;
}

int32_t TResultStats::BadgeAlpha() const { return std::clamp(FBadgePulse.RoundedValue(), 0, 255); }

void TResultStats::UpdateAndDraw() {
    FBadgePulse.Update();
    ++FFrameCounter;
    if (FShownMoney != FMoneyBonus) {
        MoveTowards(FShownMoney, ProgressingMoneyStep, FMoneyBonus);
        if (FFrameCounter % 2 == 0) PlaySoundEffect("ScoreCount");
    }
    Draw();
}

void TResultStats::Draw() {
    if (NewBestTime()) {
        if (TImageListItem* Badge = EffectImage(OmgImgList, "NewBestTimeText")) {
            Badge->DrawEx(Left + BadgeOffset.X, Top + BadgeOffset.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255,
                          BadgeAlpha(), 0, 0);
        }
    }
    if (!OmgFont) return;
    OmgFont->TextOut(Left, Top, FPlayingTimeText, 255, 255, 255, 255);
    OmgFont->TextOut(Left, Top + RowGap, FBestTimeText, 255, 255, 255, 255);
    OmgFont->TextOut(Left, Top + 2 * RowGap, FLevelScoreText, 255, 255, 255, 255);
    OmgFont->TextOut(Left, Top + 3 * RowGap, MoneyText(), 255, 255, 255, 255);
}
