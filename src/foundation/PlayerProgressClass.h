// Loads, saves and deletes a player's progress file (the player's name +
// ".sav" in the save folder) and keeps the progress record in memory. The
// game objects that own the blocks of the record are not known here: the main
// form hands the loaded record to them (OnProgressLoaded) and collects their
// blocks before a save (OnProgressCollect). Blocks nobody collects keep the
// bytes that were loaded, so a player's progress is never lost by a part of
// the game that does not use it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "GameTypesClass.h"
#include "ProgressRecordClass.h"

enum TProgressLoadResult : uint8_t {
    lrLoaded,   // the player's file was read
    lrNoFile,   // no file yet: the new-player record is used
    lrDamaged,  // the file is short or unreadable: the new-player record is used
};

using TProgressLoadedEvent = std::function<void(TObject* Sender, const TProgressRecord& Record)>;
using TProgressCollectEvent = std::function<void(TObject* Sender, TProgressRecord& Record)>;

class TPlayerProgress : public TObject {
public:
    // The loaded record is handed to the blocks' owners.
    TProgressLoadedEvent OnProgressLoaded;
    // The owners write their current blocks into the record (before a save, and
    // when the new-player record is taken).
    TProgressCollectEvent OnProgressCollect;

    TPlayerProgress();

    // Takes the new-player record: the initial values, then whatever the freshly
    // created owners report. Called once at start-up after every object exists.
    void MakeBlankRecord();
    const TProgressRecord& BlankRecord() const { return FBlank; }

    // Replaces the whole record in memory: the player's file, or the new-player
    // record when there is none or it is damaged. Then OnProgressLoaded.
    TProgressLoadResult Load(const std::string& PlayerName);
    // Collects the owners' blocks and writes the player's file (crash-safe).
    // False when it could not be written; the player has then been told.
    bool Save(const std::string& PlayerName);
    // Deletes the player's progress file and garden picture. Removing the name
    // from the name list is the caller's next step.
    bool Delete(const std::string& PlayerName);

    // Whether the player has a progress file (the garden gauge and balloon ask).
    static bool HasProgressFile(const std::string& PlayerName);
    // SaveFolder + the name + ".bmp": the player's garden picture.
    static std::string GardenPictureFileName(const std::string& PlayerName);

    // The record in memory.
    const TProgressRecord& Record() const { return FRecord; }
    TProgressRecord& Record() { return FRecord; }

private:
    TProgressRecord FBlank;
    TProgressRecord FRecord;
};
