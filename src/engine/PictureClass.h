// A decoded picture: the pixels an image item keeps so that its texture can be
// made (and made again) at any time, and the pixels a screenshot or test reads
// back. Pixels are 32-bit RGBA bytes in that order, straight (not
// premultiplied) alpha, rows top to bottom without padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TPicture {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Pixels;  // Width * Height * 4 bytes

    bool Empty() const { return Width <= 0 || Height <= 0; }
    // Resizes to Width x Height, every pixel transparent black.
    void SetSize(int32_t NewWidth, int32_t NewHeight);
    void Clear() { SetSize(0, 0); }

    // The pixel at (X, Y) as 0xRRGGBBAA; 0 outside the picture.
    uint32_t PixelRGBA(int32_t X, int32_t Y) const;
    void SetPixelRGBA(int32_t X, int32_t Y, uint32_t RGBA);
    // Fills a rectangle (clipped to the picture) with one 0xRRGGBBAA colour.
    void FillRect(int32_t X, int32_t Y, int32_t W, int32_t H, uint32_t RGBA);

    // Writes the picture as a PNG file (with alpha). Returns success.
    bool SavePng(const std::string& Path) const;
};

// Decoders: each returns false and leaves Out empty when the data is missing,
// truncated or damaged; none of them ever aborts the program.
bool DecodePng(const void* Data, size_t Size, TPicture& Out);
bool DecodeJpeg(const void* Data, size_t Size, TPicture& Out);
bool DecodeBmp(const void* Data, size_t Size, TPicture& Out);

// Loads a picture file, choosing the decoder by the file's extension
// (".png", ".jpg"/".jpeg", ".bmp", any letter case). Path is a file-system path.
bool LoadPicture(const std::string& Path, TPicture& Out);
