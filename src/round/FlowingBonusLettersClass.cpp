#include "FlowingBonusLettersClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TFlowingBonusLetters::LaunchLetter(char Letter, TPoint From, TPoint To) {
    const int32_t I = BonusLetterIndex(Letter);
    if (I < 0) return;
    TFlight& Flight = FFlights[I];
    Flight.X = From.X;
    Flight.Y = From.Y;
    Flight.Target = To;
    Flight.Speed = AxisSpeeds(From, To, FlightSpeed);
    Flight.Letter = BonusLetterOrder[I];
    Flight.Active = true;
}

void TFlowingBonusLetters::UpdateAndDraw() {
    for (TFlight& Flight : FFlights) {
        if (!Flight.Active) continue;
        MoveTowards(Flight.X, Flight.Y, Flight.Speed.X, Flight.Speed.Y, Flight.Target.X, Flight.Target.Y);
    }
    TImageListItem* Letters = EffectImage(OmgImgList, "BonusLetters");
    for (int32_t I = 0; I < BonusLetterCount; ++I) {
        TFlight& Flight = FFlights[I];
        if (!Flight.Active) continue;
        if (Letters) {
            Letters->DrawEx(Round(Flight.X), Round(Flight.Y), 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, 255,
                            I + BonusLetterCount, 0);
        }
        if (Flight.X == Flight.Target.X && Flight.Y == Flight.Target.Y) {
            Flight.Active = false;
            if (OnArrive) OnArrive(this, Flight.Letter);
        }
    }
}

void TFlowingBonusLetters::ClearFlowingLetters() {
    for (TFlight& Flight : FFlights) Flight = TFlight{};
}

bool TFlowingBonusLetters::InFlight(char Letter) const {
    const int32_t I = BonusLetterIndex(Letter);
    return I >= 0 && FFlights[I].Active;
}

int32_t TFlowingBonusLetters::FlyingCount() const {
    int32_t Count = 0;
    for (const TFlight& Flight : FFlights) Count += Flight.Active ? 1 : 0;
    return Count;
}

TFloatPoint TFlowingBonusLetters::LetterPos(char Letter) const {
    const int32_t I = BonusLetterIndex(Letter);
    return I < 0 ? TFloatPoint{-99.0, -99.0} : TFloatPoint{FFlights[I].X, FFlights[I].Y};
}
