// Encodes a stereo buffer as an Ogg Vorbis file. The same samples always give
// the same bytes: the stream's serial number comes from the file's name.
#pragma once

#include <string>
#include <vector>

#include "Dsp.h"

// Quality -0.1..1.0 as libvorbisenc takes it. Comments are "TAG=value" lines.
void WriteOggVorbis(const std::string& Path, const TStereo& Buffer, float Quality,
                    const std::vector<std::string>& Comments = {});
