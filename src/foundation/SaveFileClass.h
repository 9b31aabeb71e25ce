// The file layer under every save of the game (player list, options, high
// scores, progress, garden picture). A save is written to a temporary file in
// the same folder, flushed to disk and renamed over the old file, so a crash or
// a power cut mid-save leaves either the old file or the new one, never a torn
// one. A save that fails leaves the old file as it was and tells the player
// once, naming the file; the game goes on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Replaces the whole content of FileName with Bytes. Returns false when the file
// could not be written; the player has then been told (once per file until a
// save of that file succeeds again).
bool WriteSaveFile(const std::string& FileName, std::span<const uint8_t> Bytes);

enum TSaveFileState : uint8_t { sfRead, sfMissing, sfUnreadable };

struct TSaveFileContent {
    TSaveFileState State = sfMissing;
    // At most MaxBytes + 1 bytes, so a file longer than its record shows as such
    // without reading a file of any size into memory.
    std::vector<uint8_t> Bytes;
    int Error = 0;  // errno when unreadable
};

// Reads the start of FileName. A folder or anything else that is not a regular
// file counts as unreadable.
TSaveFileContent ReadSaveFile(const std::string& FileName, size_t MaxBytes);

// Renames a damaged FileName to FileName + ".damaged" so the player's data is
// kept for a look later; returns false when that was not possible.
bool SetAsideDamagedFile(const std::string& FileName);
// The name a damaged file is set aside under.
std::string DamagedFileName(const std::string& FileName);

// For a player-list, options or high-score file that cannot be used: sets it
// aside and tells the player once, naming the file; the caller goes on with
// default values.
void SetAsideDamagedFileAndTell(const std::string& FileName);

// Deletes FileName; a file that does not exist counts as deleted. A failure is
// reported to the player like a failed save.
bool DeleteSaveFile(const std::string& FileName);

// True when FileName names an entry directly inside Folder (which ends in "/"):
// no further "/" and no NUL in the rest, and neither "." nor "..". Player names
// become file names; this keeps whatever a name holds inside the save folder.
bool IsFileDirectlyIn(const std::string& Folder, const std::string& FileName);

// Tells the player once that FileName could not be saved, and why.
void ReportSaveFailure(const std::string& FileName, const std::string& Reason);
// Forgets which failures were reported (a new game session, or a test).
void ForgetReportedSaveFailures();

// Removes temporary files that a save interrupted by a crash left in Folder.
// Only safe while no other copy of the game writes there (the single-instance
// lock guarantees it). Returns how many were removed.
int RemoveStaleSaveTemporaries(const std::string& Folder);
