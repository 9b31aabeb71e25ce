// The figures on the bonus stage's result window: the ladybugs hit, the
// accuracy of the clicks, the money caught (counting up, or shown at once when
// the BONUS letters won the jackpot) and the jackpot itself. It also pays the
// jackpot into the player's money at the stage's end.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;
class TOmegaFont;
class TJackpotScore;

class TBonusResultStats : public TObject {
public:
    // The last part of the jackpot that rolls audibly into the money total.
    static constexpr int32_t JackpotRolledPart = 90;

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;  // the small font
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t ProgressingMoneyStep = 20;  // money counted per frame (at least 1 is used)

    // Each setter leaves the shown money as both money figures say: straight at the
    // money caught when there is a jackpot, else counting from 0. So their order does not matter.
    void SetAnimalsHit(int32_t Value);
    void SetAccuracy(int32_t Percent);
    void SetAcquiredMoney(int32_t Money);
    void SetBONUSMoney(int32_t Money);

    int32_t AnimalsHit() const { return FAnimalsHit; }
    int32_t Accuracy() const { return FAccuracy; }
    int32_t AcquiredMoney() const { return FAcquiredMoney; }
    int32_t BONUSMoney() const { return FBONUSMoney; }
    int32_t ShownMoney() const { return FShownMoney; }

    // One frame: the money count ("ScoreCount" every second frame while it moves), then the four rows.
    void DrawStats();

    // The rows as drawn: "8", "40%" ("40 %" in French), the shown money, the jackpot.
    const std::string& AnimalsHitText();
    const std::string& AccuracyText();
    const std::string& ShownMoneyText();
    const std::string& BONUSMoneyText();

    // The stage's end with all five letters: the jackpot goes into the money total,
    // all but its last part at once, and the total is rounded to a multiple of ten.
    static void PayLettersJackpot(TJackpotScore& Money, int32_t LettersMoney);

private:
    void RestartMoney();
    void RefreshTexts();

    int32_t FAnimalsHit = 0;
    int32_t FAccuracy = 0;
    int32_t FAcquiredMoney = 0;
    int32_t FBONUSMoney = 0;
    int32_t FShownMoney = 0;
    int32_t FFrameCounter = 0;

    // The texts are made again only when their figure or the language changes.
    std::string FAnimalsHitText;
    std::string FAccuracyText;
    std::string FShownMoneyText;
    std::string FBONUSMoneyText;
    int32_t FTextAnimalsHit = -1;
    int32_t FTextAccuracy = -1;
    int32_t FTextShownMoney = -1;
    int32_t FTextBONUSMoney = -1;
    TSettingLoaderLanguage FTextLanguage = laUS;
    bool FTextsMade = false;
};
