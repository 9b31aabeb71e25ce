// The figures of a won round on the result screen: the time taken (with a
// pulsing badge when it beats the level's best), the best time before this
// round, the round's score and the money earned, counting up. It also knows the
// money a won level pays: a gold amount per island, scaled by the level's kind
// and the medal, and doubled for a monster.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;
class TOmegaFont;

class TResultStats : public TObject {
public:
    static constexpr int32_t RowGap = 33;
    static constexpr int32_t IslandCount = 5;
    // The money count steps by this much at the reward of island 1 (the level start scales it per island).
    static constexpr int32_t BaseMoneyStep = 40;

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t ProgressingMoneyStep = 20;  // money counted per frame; the level start sets it (MoneyStepForIsland)
    // The gold reward of each island; a level's reward is scaled from it.
    int32_t Island1GeneralGoldMoney = 1050;
    int32_t Island2GeneralGoldMoney = 1050;
    int32_t Island3GeneralGoldMoney = 1050;
    int32_t Island4GeneralGoldMoney = 1050;
    int32_t Island5GeneralGoldMoney = 1050;
    // Single precision, as the rewards were always worked out: 1050 * 0.85f is a hair
    // above 892.5 and pays 893, where an exact 0.85 would pay 892.
    float BronzeFactor = 0.85f;
    float SilverFactor = 0.95f;
    float GoldFactor = 1.0f;
    float NormalFactor = 1.0f;
    float ActionFactor = 0.7f;
    float ChallengeFactor = 1.3f;
    float BossStageFactor = 2.0f;

    TResultStats();

    // The reward table's entry for Island (0 outside islands 1 to 5).
    int32_t IslandGoldMoney(int32_t Island) const;
    // The money a won level pays. Each factor is applied in turn, the product
    // rounded half to even each time: kind, then medal, then the monster's double.
    int32_t MoneyReward(int32_t Island, TMedalKind Medal, TLevelKind Kind, TGameObjective Objective) const;
    // The money count's step for an island: 40 at island 1's reward, in proportion elsewhere (at least 1).
    int32_t MoneyStepForIsland(int32_t Island) const;

    // The round's figures, set when the round is won.
    void SetPlayingTime(int32_t Seconds);
    void SetBestTime(int32_t Seconds);  // 0: the level had no best time
    void SetLevelScore(int32_t Score);
    // The money earned; the count starts again from 0.
    void SetMoneyBonus(int32_t Money);
    // The count jumps to the money earned.
    void ShowFinalMoney();
    int32_t PlayingTime() const { return FPlayingTime; }
    int32_t BestTime() const { return FBestTime; }
    int32_t LevelScore() const { return FLevelScore; }
    int32_t MoneyBonus() const { return FMoneyBonus; }
    int32_t ShownMoney() const { return FShownMoney; }
    // The time beats the best one (or there was none): the badge shows.
    bool NewBestTime() const { return FBestTime == 0 || FPlayingTime < FBestTime; }

    // One frame: the badge's pulse, the money count (ticking while it moves), the four rows.
    void UpdateAndDraw();

    // "2:05" for 125 seconds.
    static std::string TimeText(int32_t Seconds);
    // The rows' texts as drawn.
    const std::string& PlayingTimeText() const { return FPlayingTimeText; }
    const std::string& BestTimeText() const { return FBestTimeText; }
    const std::string& LevelScoreText() const { return FLevelScoreText; }
    const std::string& MoneyText();
    int32_t BadgeAlpha() const;

private:
    void Draw();

    int32_t FPlayingTime = 0;
    int32_t FBestTime = 0;
    int32_t FLevelScore = 0;
    int32_t FMoneyBonus = 0;
    int32_t FShownMoney = 0;
    int32_t FFrameCounter = 0;
    TValueUpDown FBadgePulse;
    std::string FPlayingTimeText;
    std::string FBestTimeText;
    std::string FLevelScoreText;
    std::string FMoneyText;
    int32_t FMoneyTextAmount = -1;
    TSettingLoaderLanguage FTextLanguage = laUS;
};
