#include "ProgressRecordClass.h"

#include <cstring>

#include "RecordBytesClass.h"

namespace {
// Calls Visitor.Ints(offset, first, count) or Visitor.Bytes(offset, first, count)
// for every field of the record, in file order. Encoding and decoding share this
// one list, so the two can never disagree about where a block lives.
template <class TRecord, class TVisitor>
void VisitProgressFields(TRecord& R, TVisitor& V) {
    V.Ints(0, &R.BestTimes[0][0], ProgressIslandCount * ProgressLevelsPerIsland);
    V.Ints(600, &R.ScoreTotal, 1);
    V.Ints(604, &R.MoneyTotal, 1);
    V.Bytes(608, R.GardenObjects, 50);
    V.Bytes(658, R.StoryScenesSeen, 6);
    V.Bytes(664, R.TrophiesEarned, TrophyCount);
    V.Ints(684, R.TrophyCounters, 5);
    V.Bytes(704, R.IslandsEntered, 5);
    V.Bytes(709, R.IslandsOpen, 6);
    V.Bytes(715, R.IslandOpeningShown, 5);
    V.Ints(720, &R.LastIsland, 1);
    V.Ints(724, R.LastSelectedLevels, ProgressIslandCount);
    V.Ints(744, &R.MagicKeys, 1);
    V.Ints(748, &R.Brooms, 1);
    V.Ints(752, &R.Aerosols, 1);
    V.Bytes(756, &R.BonusStagesPlayed[0][0], 150);
    V.Bytes(906, &R.IncentivesShown[0][0], 150);
    V.Bytes(1056, &R.PlantsAnnounced[0][0], 150);
    V.Bytes(1206, &R.UnlockedToolLevel, 1);
    V.Bytes(1207, R.ShopBlock, 128);
    V.Bytes(1335, &R.ShopPage, 1);
    V.Bytes(1336, R.TutorialStepsShown, 19);
    V.Bytes(1355, &R.TutorialEnabled, 1);
    V.Bytes(1356, &R.GardenTipShown, 1);
    V.Bytes(1357, &R.ShopTipShown, 1);
    V.Bytes(1358, &R.RelaxedMode, 1);
    V.Bytes(1359, &R.Padding, 1);
}

struct TEncoder {
    std::span<uint8_t> Out;
    void Ints(size_t Offset, const int32_t* Values, size_t Count) {
        for (size_t I = 0; I < Count; ++I) PutInt32LE(Out, Offset + 4 * I, Values[I]);
    }
    void Bytes(size_t Offset, const uint8_t* Values, size_t Count) {
        if (Offset + Count <= Out.size()) std::memcpy(Out.data() + Offset, Values, Count);
    }
};

struct TDecoder {
    std::span<const uint8_t> In;
    void Ints(size_t Offset, int32_t* Values, size_t Count) {
        for (size_t I = 0; I < Count; ++I) Values[I] = GetInt32LE(In, Offset + 4 * I);
    }
    void Bytes(size_t Offset, uint8_t* Values, size_t Count) {
        if (Offset + Count <= In.size()) std::memcpy(Values, In.data() + Offset, Count);
    }
};
}  // namespace

TProgressRecord InitialProgressRecord() {
    TProgressRecord R;
    // The map: island 1 and the garden island are open; the map shows island 1.
    R.IslandsOpen[0] = 1;
    R.IslandsOpen[5] = 1;
    R.LastIsland = 1;
    // The level dots: level 1 selected on every island.
    for (auto& Level : R.LastSelectedLevels) Level = 1;
    // The tools: three of each at creation.
    R.MagicKeys = 3;
    R.Brooms = 3;
    R.Aerosols = 3;
    R.UnlockedToolLevel = toNone;
    // The shop opens on its first page.
    R.ShopPage = 1;
    // The tutorial is switched on for a new player.
    R.TutorialEnabled = 1;
    R.RelaxedMode = rmNotInitialized;
    return R;
}

TProgressRecordBytes EncodeProgressRecord(const TProgressRecord& Record) {
    TProgressRecordBytes Bytes{};
    TEncoder Encoder{Bytes};
    VisitProgressFields(Record, Encoder);
    return Bytes;
}

bool DecodeProgressRecord(std::span<const uint8_t> Bytes, TProgressRecord& Record) {
    if (Bytes.size() < ProgressRecordSize) return false;
    TDecoder Decoder{Bytes.first(ProgressRecordSize)};
    VisitProgressFields(Record, Decoder);
    return true;
}

TRelaxedMode RelaxedModeOf(const TProgressRecord& Record) {
    return Record.RelaxedMode <= rmNo ? static_cast<TRelaxedMode>(Record.RelaxedMode) : rmNotInitialized;
}

TToolKind UnlockedToolKindOf(const TProgressRecord& Record) {
    return Record.UnlockedToolLevel <= toAerosol ? static_cast<TToolKind>(Record.UnlockedToolLevel) : toNone;
}
