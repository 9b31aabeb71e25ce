#include "HighScoresClass.h"

#include "GeneralRoutinesClass.h"
#include "RecordBytesClass.h"
#include "SaveFileClass.h"
#include "Win1252Class.h"

namespace {
constexpr size_t NameStride = 1 + HighScoreNameCapacity;
constexpr size_t ScoresOffset = NameStride * HighScorePlaceCount;  // 1280
}  // namespace

THighScores::THighScores() { FillWithDefault(); }

void THighScores::FillWithDefault() {
    for (auto& Entry : FEntries) Entry = THighScoreEntry{FDefaultName, 0};
    RefreshDisplay();
}

void THighScores::SetDefaultName(const std::string& Name) {
    FDefaultName = Name.substr(0, HighScoreNameCapacity);
    FillWithDefault();
}

void THighScores::Load() {
    const TSaveFileContent Content = ReadSaveFile(NormalModeFileName, HighScoresRecordSize);
    if (Content.State == sfMissing) {
        Save();
        return;
    }
    if (Content.State == sfRead && ReadRecord(Content.Bytes)) return;
    FillWithDefault();
    SetAsideDamagedFileAndTell(NormalModeFileName);
    Save();
}

bool THighScores::Save() const {
    const THighScoresRecord Bytes = Record();
    return WriteSaveFile(NormalModeFileName, Bytes);
}

int THighScores::Offer(const std::string& Name, int32_t Score) {
    // A score without a name (no player yet) has no place in the table.
    if (Name.empty()) return 0;
    std::string Upper = UpperCaseAscii(Name);
    if (Upper.size() > HighScoreNameCapacity) Upper.resize(HighScoreNameCapacity);
    auto Table = FEntries;

    for (int I = 0; I < HighScorePlaceCount; ++I) {
        if (UpperCaseAscii(Table[I].Name) != Upper) continue;
        if (Score <= Table[I].Score) return 0;
        for (int J = I; J < HighScorePlaceCount - 1; ++J) Table[J] = Table[J + 1];
        Table[HighScorePlaceCount - 1] = THighScoreEntry{};
        break;
    }

    int Place = 0;
    for (int I = 0; I < HighScorePlaceCount; ++I) {
        if (Table[I].Score < Score) {
            Place = I + 1;
            break;
        }
    }
    // A score that earns no place leaves the table as it was, the player's old entry included.
    if (Place == 0) return 0;
    for (int J = HighScorePlaceCount - 1; J >= Place; --J) Table[J] = Table[J - 1];
    Table[Place - 1] = THighScoreEntry{Upper, Score};
    FEntries = Table;
    RefreshDisplay();
    return Place;
}

int THighScores::PlaceIndex(int Place) {
    if (Place < 1) return 0;
    return Place > HighScorePlaceCount ? HighScorePlaceCount - 1 : Place - 1;
}

const THighScoreEntry& THighScores::Entry(int Place) const { return FEntries[PlaceIndex(Place)]; }

const std::string& THighScores::DisplayScore(int Place) const { return FDisplayScores[PlaceIndex(Place)]; }

void THighScores::RefreshDisplay() {
    for (int I = 0; I < HighScorePlaceCount; ++I) FDisplayScores[I] = IntToGroupedStr(FEntries[I].Score);
}

bool THighScores::ReadRecord(std::span<const uint8_t> Bytes) {
    if (Bytes.size() != HighScoresRecordSize) return false;
    for (int I = 0; I < HighScorePlaceCount; ++I) {
        FEntries[I].Name = GetShortString(Bytes, NameStride * I, HighScoreNameCapacity);
        FEntries[I].Score = GetInt32LE(Bytes, ScoresOffset + 4 * I);
    }
    RefreshDisplay();
    return true;
}

THighScoresRecord THighScores::Record() const {
    THighScoresRecord Bytes{};
    for (int I = 0; I < HighScorePlaceCount; ++I) {
        PutShortString(Bytes, NameStride * I, HighScoreNameCapacity, FEntries[I].Name);
        PutInt32LE(Bytes, ScoresOffset + 4 * I, FEntries[I].Score);
    }
    return Bytes;
}
