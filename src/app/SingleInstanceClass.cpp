#include "SingleInstanceClass.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "FoldersClass.h"

TSingleInstance::~TSingleInstance() { Release(); }

bool TSingleInstance::Acquire(const std::string& LockFolder) {
    Release();
    // Create the folder and its parents as needed.
    for (size_t Pos = 1; Pos <= LockFolder.size(); ++Pos) {
        if (Pos == LockFolder.size() || LockFolder[Pos] == '/') mkdir(LockFolder.substr(0, Pos).c_str(), 0755);
    }
    const std::string Path = LockFolder + "/Quellow.lock";
    const int Handle = open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (Handle < 0) return true;
    if (flock(Handle, LOCK_EX | LOCK_NB) != 0) {
        const bool Busy = errno == EWOULDBLOCK;
        close(Handle);
        return !Busy;
    }
    FHandle = Handle;
    return true;
}

void TSingleInstance::Release() {
    if (FHandle >= 0) {
        close(FHandle);
        FHandle = -1;
    }
}

std::string SingleInstanceLockFolder() {
    const std::string Data = FindApplicationDataFolder();
    if (Data.empty()) return {};
    return Data + "/Quellow";
}
