// What a fuzz target asserts about a loader beyond "no crash": a broken
// promise aborts, and libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(Condition)                                                          \
    do {                                                                               \
        if (!(Condition)) {                                                            \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #Condition); \
            std::abort();                                                              \
        }                                                                              \
    } while (0)

// Hands out the fuzzer's bytes one at a time, then zeros.
class TFuzzBytes {
public:
    TFuzzBytes(const unsigned char* Data, size_t Size) : FData(Data), FSize(Size) {}
    bool Empty() const { return FPos >= FSize; }
    unsigned char Byte() { return FPos < FSize ? FData[FPos++] : 0; }
    int Int32() {
        unsigned Value = 0;
        for (int I = 0; I < 4; ++I) Value |= unsigned{Byte()} << (8 * I);
        return static_cast<int>(Value);
    }
    std::string Text(size_t MaxLength) {
        std::string Result;
        const size_t Length = Byte() % (MaxLength + 1);
        for (size_t I = 0; I < Length && !Empty(); ++I) Result += static_cast<char>(Byte());
        return Result;
    }
private:
    const unsigned char* FData;
    size_t FSize;
    size_t FPos = 0;
};
