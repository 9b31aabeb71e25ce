// Little-endian reading and writing of the fixed-size binary records the game
// keeps on disk. Records are read and written field by field at their offsets,
// never by copying a struct, so the in-memory layout never leaks into a file.
#pragma once

#include <cstdint>

inline int32_t ReadInt32LE(const uint8_t* P) {
    const uint32_t U = static_cast<uint32_t>(P[0]) | (static_cast<uint32_t>(P[1]) << 8) |
                       (static_cast<uint32_t>(P[2]) << 16) | (static_cast<uint32_t>(P[3]) << 24);
    return static_cast<int32_t>(U);
}

inline void WriteInt32LE(uint8_t* P, int32_t Value) {
    const uint32_t U = static_cast<uint32_t>(Value);
    P[0] = static_cast<uint8_t>(U);
    P[1] = static_cast<uint8_t>(U >> 8);
    P[2] = static_cast<uint8_t>(U >> 16);
    P[3] = static_cast<uint8_t>(U >> 24);
}
