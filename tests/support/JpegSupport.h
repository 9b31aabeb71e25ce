// JPEG files made by the tests: a picture encoded as the game's own pictures
// are stored (opaque, best quality, no chroma subsampling).
#pragma once

#include <cstdint>
#include <string>

#include "PictureClass.h"

std::string EncodeJpeg(const TPicture& Picture);
// A picture of one colour, written as a JPEG file; false when it could not be written.
bool WriteFlatJpeg(const std::string& Path, int32_t Width, int32_t Height, uint8_t Red, uint8_t Green, uint8_t Blue);
