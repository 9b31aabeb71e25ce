// The table of the five best scores, kept in "HighScores.dat": each player's
// best score at most once, highest first, with the scores ready for display.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "GameTypesClass.h"

constexpr int HighScorePlaceCount = 5;
constexpr size_t HighScoreNameCapacity = 255;
// Five short strings of 255 characters, then five scores.
constexpr size_t HighScoresRecordSize = 1300;

using THighScoresRecord = std::array<uint8_t, HighScoresRecordSize>;

struct THighScoreEntry {
    std::string Name;
    int32_t Score = 0;
    friend bool operator==(const THighScoreEntry&, const THighScoreEntry&) = default;
};

class THighScores : public TObject {
public:
    // A new table holds "ANONYMOUS" and 0 in all five places.
    THighScores();

    // Full path of "HighScores.dat".
    std::string NormalModeFileName;

    // Puts Name into all five places with score 0; the name a new table is filled with.
    void SetDefaultName(const std::string& Name);
    // Reads the file; a missing one is created with the current table. A file of
    // another size, or one that cannot be read, is set aside, a new table is used
    // and written, and the player is told once.
    void Load();
    // Writes the table (crash-safe); false when that failed and the player was told.
    bool Save() const;

    // Enters the player's score if it earns a place: a name already in the table
    // (compared ignoring case) keeps only its better score; an equal score ranks
    // below the one already there. An empty name is not entered. Returns the
    // place taken (1 to 5), 0 for none.
    int Offer(const std::string& Name, int32_t Score);

    // Place 1 to 5 (values outside are taken as the nearest place).
    const THighScoreEntry& Entry(int Place) const;
    // The score of a place with the language's thousands separators.
    const std::string& DisplayScore(int Place) const;
    // Formats the display copy again (after the game language changes).
    void RefreshDisplay();

    // Takes the table from a whole record; false (and nothing changed) when Bytes
    // is not one record.
    bool ReadRecord(std::span<const uint8_t> Bytes);
    THighScoresRecord Record() const;

private:
    static int PlaceIndex(int Place);
    void FillWithDefault();

    std::string FDefaultName = "ANONYMOUS";
    std::array<THighScoreEntry, HighScorePlaceCount> FEntries;
    std::array<std::string, HighScorePlaceCount> FDisplayScores;
};
