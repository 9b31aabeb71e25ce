// Encoding and decoding the game's image files: PNG (with alpha) through libpng,
// JPEG through libjpeg-turbo. Output is byte-identical for identical pictures.
#pragma once

#include "CanvasClass.h"

#include <string>

std::string EncodePng(const TCanvas& Canvas);
std::string EncodeJpeg(const TCanvas& Canvas, int Quality);
// Writes Bytes to Path unless the file already holds exactly them (so an unchanged
// image keeps its time stamp); creates missing folders. Returns whether it wrote.
bool WriteIfChanged(const std::string& Path, const std::string& Bytes);
// Reads a PNG or JPEG file into a canvas; throws std::runtime_error.
TCanvas ReadImageFile(const std::string& Path);
