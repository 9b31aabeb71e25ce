// Reading and writing the fields of the game's fixed-size binary records at
// their offsets: little-endian 32-bit integers, single bytes and short strings
// (a length byte followed by a fixed capacity of characters). Every read is
// bounded by the record, whatever the bytes hold, so a damaged file can never
// make the game read past what it loaded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

inline int32_t GetInt32LE(std::span<const uint8_t> Record, size_t Offset) {
    if (Offset + 4 > Record.size()) return 0;
    const uint32_t Value = uint32_t{Record[Offset]} | (uint32_t{Record[Offset + 1]} << 8) |
                           (uint32_t{Record[Offset + 2]} << 16) | (uint32_t{Record[Offset + 3]} << 24);
    return static_cast<int32_t>(Value);
}

inline void PutInt32LE(std::span<uint8_t> Record, size_t Offset, int32_t Value) {
    if (Offset + 4 > Record.size()) return;
    const auto Bits = static_cast<uint32_t>(Value);
    for (size_t I = 0; I < 4; ++I) Record[Offset + I] = static_cast<uint8_t>(Bits >> (8 * I));
}

// A short string of Capacity characters occupies 1 + Capacity bytes. The length
// byte is clamped to the capacity: characters beyond it were never part of the string.
inline std::string GetShortString(std::span<const uint8_t> Record, size_t Offset, size_t Capacity) {
    if (Offset + 1 + Capacity > Record.size()) return {};
    size_t Length = Record[Offset];
    if (Length > Capacity) Length = Capacity;
    return std::string(reinterpret_cast<const char*>(Record.data() + Offset + 1), Length);
}

// Writes Text cut to Capacity characters; the unused tail of the field is zero.
inline void PutShortString(std::span<uint8_t> Record, size_t Offset, size_t Capacity, std::string_view Text) {
    if (Offset + 1 + Capacity > Record.size()) return;
    const size_t Length = Text.size() < Capacity ? Text.size() : Capacity;
    Record[Offset] = static_cast<uint8_t>(Length);
    std::memcpy(Record.data() + Offset + 1, Text.data(), Length);
    std::memset(Record.data() + Offset + 1 + Length, 0, Capacity - Length);
}
