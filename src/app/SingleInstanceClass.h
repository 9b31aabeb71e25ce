// One running game per user: an advisory lock on a file in the user's data
// folder. The kernel drops the lock when the process ends, so a crash never
// leaves the game unable to start.
#pragma once

#include <string>

class TSingleInstance {
public:
    TSingleInstance() = default;
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // Takes the lock on LockFolder + "/Quellow.lock" (the folder is created when missing).
    // False only when another process holds it. A folder or file that cannot be made
    // does not count as another copy running: start-up reports save-folder problems itself.
    bool Acquire(const std::string& LockFolder);
    void Release();
    bool Held() const { return FHandle >= 0; }

private:
    int FHandle = -1;
};

// The folder the lock lives in: the user's application-data folder + "/Quellow".
std::string SingleInstanceLockFolder();
