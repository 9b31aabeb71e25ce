#include "BoardPickupsClass.h"

#include "BoardSetupClass.h"

namespace {

void FillAmplitudes(TShakeAmplitudes& Amplitude, int32_t Value) {
    for (auto& Column : Amplitude)
        for (int32_t& Cell : Column) Cell = Value;
}

// Ring number of ShakeRings entry I (0-based).
int32_t RingOfEntry(int32_t I) {
    int32_t Ring = 0;
    while (Ring + 1 < 5 && I >= ShakeRingStarts[Ring + 1]) ++Ring;
    return Ring;
}

void ApplyRings(TShakeAmplitudes& Amplitude, TPoint P, int32_t Entries, const int32_t (&ByRing)[5]) {
    for (int32_t I = 0; I < Entries; ++I) {
        const TPoint Cell{P.X + ShakeRings[I].X, P.Y + ShakeRings[I].Y};
        if (IsBoardPos(Cell)) Amplitude[Cell.X - 1][Cell.Y - 1] = ByRing[RingOfEntry(I)];
    }
}

}  // namespace

TSimpleObjectArray HammeredNeighbours(const TBoardData& Board, const TTileStatusArray& Statuses, TPoint P) {
    TSimpleObjectArray Hammered;
    const TPoint Around[] = {{P.X, P.Y - 1}, {P.X + 1, P.Y}, {P.X, P.Y + 1}, {P.X - 1, P.Y}};
    for (const TPoint& N : Around) {
        if (!IsBoardPos(N) || Board[N].Kind == okUnused || Statuses[N] != tsIdle) continue;
        Hammered[N] = true;
    }
    return Hammered;
}

bool BlownByBomb(const TBoardTile& Tile, TTileStatus Status, int32_t ColorCount) {
    return Tile.Kind == okFruit && Tile.Content >= 1 && Tile.Content <= ColorCount && Status == tsIdle;
}

TSimpleObjectArray BombBannedArea(TPoint P) {
    TSimpleObjectArray Banned;
    if (IsBoardPos(P)) Banned[P] = true;
    for (const TPoint& Offset : BombPattern) {
        const TPoint Cell{P.X + Offset.X, P.Y + Offset.Y};
        if (IsBoardPos(Cell)) Banned[Cell] = true;
    }
    return Banned;
}

void ApplyHammerShake(TShakeAmplitudes& Amplitude, TPoint P) {
    FillAmplitudes(Amplitude, 1);
    constexpr int32_t ByRing[5] = {3, 3, 2, 2, 0};
    ApplyRings(Amplitude, P, ShakeRingStarts[4], ByRing);
}

void ApplyBombShake(TShakeAmplitudes& Amplitude, TPoint P) {
    FillAmplitudes(Amplitude, 2);
    constexpr int32_t ByRing[5] = {7, 7, 6, 5, 3};
    ApplyRings(Amplitude, P, ShakeRingsCount, ByRing);
}

void MarkBlasterRing(TShakeAmplitudes& Amplitude, TPoint Centre, int32_t Ring) {
    const auto Mark = [&](int32_t DX, int32_t DY) {
        const TPoint Cell{Centre.X + DX, Centre.Y + DY};
        if (IsBoardPos(Cell)) Amplitude[Cell.X - 1][Cell.Y - 1] = BlasterWaveAmplitude;
    };
    if (Ring <= 0) {
        Mark(0, 0);
        return;
    }
    // Four sides of the diamond, from the top point clockwise.
    for (int32_t T = 0; T < Ring; ++T) Mark(T, -Ring + T);
    for (int32_t T = 0; T < Ring; ++T) Mark(Ring - T, T);
    for (int32_t T = 0; T < Ring; ++T) Mark(-T, Ring - T);
    for (int32_t T = 0; T < Ring; ++T) Mark(-Ring + T, -T);
}
