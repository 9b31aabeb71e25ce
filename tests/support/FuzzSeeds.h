// Seeds for the fuzz targets, made by the tests. When the environment variable
// QUELLOW_FUZZ_SEEDS names a folder, every valid file a test makes with
// AddFuzzSeed lands there under the fuzz target's name (tests/fuzz/<Target>_fuzz.cpp
// reads <folder>/<Target>/). Without the variable nothing is written.
#pragma once

#include <cstdint>
#include <span>
#include <string>

void AddFuzzSeed(const std::string& Target, std::span<const uint8_t> Bytes);
void AddFuzzSeed(const std::string& Target, const std::string& Bytes);
