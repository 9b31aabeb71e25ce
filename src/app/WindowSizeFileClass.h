// Keeps the size the player gave the game's window between runs, in a small
// file of its own in the save folder ("WindowSize.dat": width and height, two
// 32-bit little-endian integers), so the options file keeps its own format.
// A missing, short, long or unreadable file, or a size that does not fit the
// display, gives the 800 x 600 window (cut to a smaller display) without a word.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

class TWindowSizeFile {
public:
    static constexpr int32_t DefaultWidth = 800;
    static constexpr int32_t DefaultHeight = 600;
    // Smaller windows than this are not kept: the frame would be too small to play.
    static constexpr int32_t MinimumWidth = 320;
    static constexpr int32_t MinimumHeight = 240;
    static constexpr size_t RecordSize = 8;

    std::string FileName;

    // The window size to open with on a display of these bounds.
    void Load(const SDL_Rect& Display, int32_t& Width, int32_t& Height) const;
    // Writes the size safely (a crash leaves the old file or the new one).
    bool Save(int32_t Width, int32_t Height) const;
};
