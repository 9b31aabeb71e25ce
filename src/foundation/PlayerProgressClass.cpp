#include "PlayerProgressClass.h"

#include <sys/stat.h>

#include "FoldersClass.h"
#include "GeneralRoutinesClass.h"
#include "SaveFileClass.h"
#include "Win1252Class.h"

namespace {
// A player's file is used only when it lies directly in the save folder. The
// name entry refuses the characters that could lead elsewhere; this holds
// whatever a damaged or edited player list contains.
bool UsableFileName(const std::string& PlayerName, const std::string& FileName) {
    return !PlayerName.empty() && IsFileDirectlyIn(SaveFolder, FileName);
}
}  // namespace

TPlayerProgress::TPlayerProgress() : FBlank(InitialProgressRecord()), FRecord(FBlank) {}

void TPlayerProgress::MakeBlankRecord() {
    FBlank = InitialProgressRecord();
    if (OnProgressCollect) OnProgressCollect(this, FBlank);
    FRecord = FBlank;
}

TProgressLoadResult TPlayerProgress::Load(const std::string& PlayerName) {
    const std::string FileName = ProgressFileName(PlayerName);
    TProgressLoadResult Result = lrNoFile;
    FRecord = FBlank;
    if (UsableFileName(PlayerName, FileName)) {
        const TSaveFileContent Content = ReadSaveFile(FileName, ProgressRecordSize);
        if (Content.State == sfRead && DecodeProgressRecord(Content.Bytes, FRecord)) {
            Result = lrLoaded;
        } else if (Content.State != sfMissing) {
            Result = lrDamaged;
        }
    }
    if (OnProgressLoaded) OnProgressLoaded(this, FRecord);
    return Result;
}

bool TPlayerProgress::Save(const std::string& PlayerName) {
    if (OnProgressCollect) OnProgressCollect(this, FRecord);
    const std::string FileName = ProgressFileName(PlayerName);
    if (!UsableFileName(PlayerName, FileName)) {
        ReportSaveFailure(FileName, "the player's name cannot be used as a file name");
        return false;
    }
    const TProgressRecordBytes Bytes = EncodeProgressRecord(FRecord);
    return WriteSaveFile(FileName, Bytes);
}

bool TPlayerProgress::Delete(const std::string& PlayerName) {
    bool Ok = true;
    for (const std::string& FileName : {ProgressFileName(PlayerName), GardenPictureFileName(PlayerName)}) {
        if (UsableFileName(PlayerName, FileName) && !DeleteSaveFile(FileName)) Ok = false;
    }
    return Ok;
}

bool TPlayerProgress::HasProgressFile(const std::string& PlayerName) {
    const std::string FileName = ProgressFileName(PlayerName);
    struct stat Info {};
    return UsableFileName(PlayerName, FileName) && ::stat(FileName.c_str(), &Info) == 0 && S_ISREG(Info.st_mode);
}

std::string TPlayerProgress::GardenPictureFileName(const std::string& PlayerName) {
    return SaveFolder + Win1252ToUtf8(PlayerName) + ".bmp";
}
