// Feeds arbitrary bytes to the text-file parser as one text file and checks
// what every table relies on: no line holds a line end or more than 255 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "TextStringsClass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
    size_t LineEnds = 0;
    for (char C : Bytes) LineEnds += C == '\n';
    const auto Lines = SplitTextLines(Bytes);
    // One line per LF, plus the last one when the file does not end in a LF.
    const size_t Expected = LineEnds + (!Bytes.empty() && Bytes.back() != '\n' ? 1 : 0);
    if (Lines.size() != Expected) std::abort();
    for (const auto& Line : Lines) {
        if (Line.size() > MaxTextLineLength) std::abort();
        if (Line.find('\n') != std::string::npos) std::abort();
    }
    return 0;
}
