// Helpers for the widget tests: a record of the sound effects the game asks
// for, and a record of the events a widget raises.
#pragma once

#include <string>
#include <vector>

#include "FrameCursorClass.h"
#include "SFXPlayerClass.h"

// While alive, every PlaySoundEffect call is recorded.
class TSoundRecorder {
public:
    TSoundRecorder() {
        SetSoundEffectListener([this](const std::string& Name) { Heard.push_back(Name); });
    }
    ~TSoundRecorder() { SetSoundEffectListener(nullptr); }
    TSoundRecorder(const TSoundRecorder&) = delete;
    TSoundRecorder& operator=(const TSoundRecorder&) = delete;
    std::vector<std::string> Heard;
};

// The frame cursor a mouse move leaves, as the main form would show it.
template <typename F>
TFrameCursor CursorAfter(F&& Move) {
    FrameCursor = TFrameCursor::Arrow;
    Move();
    return FrameCursor;
}
