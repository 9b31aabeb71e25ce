#include "FuzzSeeds.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

void AddFuzzSeed(const std::string& Target, std::span<const uint8_t> Bytes) {
    const char* Root = std::getenv("QUELLOW_FUZZ_SEEDS");
    if (!Root || !*Root) return;
    // Named after the content, so the same seed made twice is one file.
    uint64_t Hash = 1469598103934665603ull;
    for (uint8_t Byte : Bytes) Hash = (Hash ^ Byte) * 1099511628211ull;
    char Name[32];
    std::snprintf(Name, sizeof(Name), "%016llx", static_cast<unsigned long long>(Hash));
    const std::filesystem::path Folder = std::filesystem::path(Root) / Target;
    std::error_code Ignored;
    std::filesystem::create_directories(Folder, Ignored);
    std::ofstream File(Folder / Name, std::ios::binary | std::ios::trunc);
    File.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

void AddFuzzSeed(const std::string& Target, const std::string& Bytes) {
    AddFuzzSeed(Target, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size()));
}
