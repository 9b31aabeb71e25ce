// What the round's component tests share: a record of the sound effects the
// game asks for while a test runs.
#pragma once

#include <string>
#include <vector>

#include "SFXPlayerClass.h"

class TSoundLog {
public:
    TSoundLog() {
        SetSoundEffectListener([this](const std::string& Name) { Names.push_back(Name); });
    }
    ~TSoundLog() { SetSoundEffectListener({}); }
    TSoundLog(const TSoundLog&) = delete;
    TSoundLog& operator=(const TSoundLog&) = delete;
    int Count(const std::string& Name) const {
        int Result = 0;
        for (const std::string& Played : Names) Result += Played == Name ? 1 : 0;
        return Result;
    }
    std::vector<std::string> Names;
};
