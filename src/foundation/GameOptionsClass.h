// The player's options, kept in "Options.dat": sound and music switches, their
// volumes, full screen, and the player selected last time.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "GameTypesClass.h"

constexpr size_t GameOptionsRecordSize = 16;
using TGameOptionsRecord = std::array<uint8_t, GameOptionsRecordSize>;

class TGameOptions : public TObject {
public:
    bool Sound = true;
    bool Music = true;
    int32_t SFXVolume = 80;    // 0 to 100
    int32_t MusicVolume = 70;  // 0 to 100
    bool FullScreen = true;
    uint8_t PlayerIndex = 1;   // the selected player slot, 1 to 6
    std::string SaveFilePath;  // the save folder, ending in "/"
    std::string SaveFileName = "Options.dat";

    std::string FullFileName() const { return SaveFilePath + SaveFileName; }

    // Reads the file. A missing file is created with the current values; a file
    // of another size, or one that cannot be read, is set aside, the defaults are
    // used and written, and the player is told once.
    void Load();
    // Writes the six values (crash-safe); false when that failed and the player was told.
    bool Save() const;

    // Takes the six values from a whole record; false (and nothing changed) when
    // Bytes is not one record. Volumes are kept within 0 to 100 and a player slot
    // outside 1 to 6 becomes 1, so any file gives usable options.
    bool ReadRecord(std::span<const uint8_t> Bytes);
    TGameOptionsRecord Record() const;
    // Back to the values of a first start.
    void SetDefaults();
};
