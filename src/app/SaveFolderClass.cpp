#include "SaveFolderClass.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FolderExists(const std::string& Folder) {
    struct stat Info;
    return stat(Folder.c_str(), &Info) == 0 && S_ISDIR(Info.st_mode);
}

bool EnsureFolder(const std::string& Folder) {
    if (FolderExists(Folder)) return true;
    return mkdir(Folder.c_str(), 0755) == 0 || FolderExists(Folder);
}

bool SaveFolderUsable(const std::string& Folder) {
    const std::string Names = Folder + "Names.dat";
    struct stat Info;
    if (lstat(Names.c_str(), &Info) != 0) return true;  // no player list yet
    const int Handle = open(Names.c_str(), O_RDWR | O_CLOEXEC);
    if (Handle < 0) return false;
    close(Handle);
    return true;
}

std::string ChooseSaveFolder(const std::string& Folder) {
    if (SaveFolderUsable(Folder)) return Folder;
    for (int Number = 1; Number <= 9999; ++Number) {
        const std::string Candidate = Folder + std::to_string(Number) + "/";
        if (!FolderExists(Candidate)) {
            // Taken whether or not it could be made, as a missing folder holds no locked list.
            EnsureFolder(Candidate);
            return Candidate;
        }
        if (SaveFolderUsable(Candidate)) return Candidate;
    }
    return Folder;
}
