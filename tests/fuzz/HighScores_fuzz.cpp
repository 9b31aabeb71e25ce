// "HighScores.dat" as any bytes, then offers of names and scores.
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "HighScoresClass.h"
#include "Win1252Class.h"

namespace {
// Highest first and each name once (ignoring case): what offers keep true.
bool WellOrdered(const THighScores& Table) {
    std::string Upper[HighScorePlaceCount];
    for (int I = 0; I < HighScorePlaceCount; ++I) Upper[I] = UpperCaseAscii(Table.Entry(I + 1).Name);
    for (int I = 0; I < HighScorePlaceCount; ++I) {
        if (I + 1 < HighScorePlaceCount && Table.Entry(I + 1).Score < Table.Entry(I + 2).Score) return false;
        for (int J = I + 1; J < HighScorePlaceCount; ++J) {
            if (!Upper[I].empty() && Upper[I] == Upper[J]) return false;
        }
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::span<const uint8_t> Bytes(Data, Size);
    THighScores Table;
    FUZZ_CHECK(Table.ReadRecord(Bytes) == (Size == HighScoresRecordSize));
    size_t Used = 0;
    if (Size >= HighScoresRecordSize) {
        FUZZ_CHECK(Table.ReadRecord(Bytes.first(HighScoresRecordSize)));
        Used = HighScoresRecordSize;
    }
    const THighScoresRecord Written = Table.Record();
    THighScores Again;
    FUZZ_CHECK(Again.ReadRecord(Written));
    FUZZ_CHECK(Again.Record() == Written);

    // A few offers per input: longer sequences find nothing new and slow the search.
    TFuzzBytes Ops(Data + Used, Size - Used);
    for (int Offers = 0; Offers < 12 && !Ops.Empty(); ++Offers) {
        const std::string Name = Ops.Text(300);
        const int32_t Score = Ops.Int32();
        const bool WasOrdered = WellOrdered(Table);
        const int Place = Table.Offer(Name, Score);
        FUZZ_CHECK(Place >= 0 && Place <= HighScorePlaceCount);
        if (Name.empty()) FUZZ_CHECK(Place == 0);
        if (Place) {
            FUZZ_CHECK(Table.Entry(Place).Score == Score);
            FUZZ_CHECK(Table.Entry(Place).Name == UpperCaseAscii(Name).substr(0, HighScoreNameCapacity));
        }
        if (WasOrdered) FUZZ_CHECK(WellOrdered(Table));
        for (int P = 1; P <= HighScorePlaceCount; ++P) FUZZ_CHECK(!Table.DisplayScore(P).empty());
    }
    return 0;
}
