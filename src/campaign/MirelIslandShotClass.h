// The player's garden picture: a still of their garden, taken when something
// new is placed in it (and when the garden is entered without one), kept in
// the save folder as "<player>.bmp" and shown behind the menu and in the
// garden in place of drawing every object. This keeps the file's rules and
// the flags of when a picture is current or due; the main form draws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "PictureClass.h"

class TMirelIslandShot {
public:
    static constexpr int32_t PictureWidth = 800;
    static constexpr int32_t PictureHeight = 600;
    // Anything longer is not one of ours (an 800 x 600 24-bit picture is 1.44 MB).
    static constexpr size_t MaxFileBytes = 2 * 1024 * 1024;

    // Reads a picture file. False, leaving Out empty, for a file that is missing,
    // unreadable, not a BMP, of another size than the screen or over 2 MB.
    static bool ReadPictureFile(const std::string& FileName, TPicture& Out);
    // The picture as a 24-bit BMP file's bytes (alpha dropped).
    static std::vector<uint8_t> EncodeBmp(const TPicture& Picture);
    // Writes the picture safely over FileName; a failure is told to the player
    // once, as a failed save is. Returns success.
    static bool WritePictureFile(const std::string& FileName, const TPicture& Picture);

    // A picture of the garden as it is now is loaded and shown.
    bool Current() const { return FCurrent; }
    void SetCurrent(bool Value) { FCurrent = Value; }
    // Something new stands in the garden: the picture is out of date and a new one is due.
    void MarkChanged() {
        FCurrent = false;
        FShotDue = true;
    }
    // A new picture is due, to be taken once every image the garden needs is loaded.
    bool ShotDue() const { return FShotDue; }
    void RequestShot() { FShotDue = true; }
    // The picture was taken (or could not be written: it is not tried again each frame).
    void ShotTaken() { FShotDue = false; }
    // A player was loaded: nothing of the last player's is current or due.
    void Clear() {
        FCurrent = false;
        FShotDue = false;
    }

private:
    bool FCurrent = false;
    bool FShotDue = false;
};
