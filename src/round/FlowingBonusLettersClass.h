// The bonus letters caught in the bonus stage, flying from the ladybug that
// carried them to their slot in the letter row at 20 pixels a frame. One
// flight per letter; OnArrive reports each letter as it lands.
#pragma once

#include <cstdint>
#include <functional>

#include "AcquiredBonusLettersClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

using TFlowBonusLetterArriveEvent = std::function<void(TObject* Sender, char ALetter)>;

class TFlowingBonusLetters : public TObject {
public:
    static constexpr int32_t FlightSpeed = 20;

    TOmegaImageList* OmgImgList = nullptr;
    TFlowBonusLetterArriveEvent OnArrive;

    // The letter flies from From to To; a character that is not one of B, O, N, U, S is ignored.
    void LaunchLetter(char Letter, TPoint From, TPoint To);
    // One frame: every letter in flight moves, is drawn, and reports when it has landed.
    void UpdateAndDraw();
    // Every flight dropped: a letter still in the air never lands.
    void ClearFlowingLetters();

    bool InFlight(char Letter) const;
    int32_t FlyingCount() const;
    TFloatPoint LetterPos(char Letter) const;

private:
    struct TFlight {
        bool Active = false;
        double X = 0.0;
        double Y = 0.0;
        TPoint Target;
        TFloatPoint Speed;
        char Letter = ' ';
    };

    TFlight FFlights[BonusLetterCount];
};
