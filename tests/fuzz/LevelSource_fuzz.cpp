// Any text read as a level source and compiled: problems are reported, never a
// crash, and whatever compiles can be written back and compiled again alike.
#include <cstddef>
#include <cstdint>
#include <string>

#include "LevelCompilerClass.h"
#include "LevelSourceClass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string Text(reinterpret_cast<const char*>(Data), Size);
    TLevelSource Source;
    if (!CompileLevelSource(Text, "2-03.lvl", Source).empty()) return 0;
    std::string Written;
    std::string Error;
    if (!WriteLevelSource(Source.Record, "fuzz", Written, Error)) __builtin_trap();
    TLevelSource Again;
    if (!CompileLevelSource(Written, "2-03.lvl", Again).empty() || !(Again.Record == Source.Record)) __builtin_trap();
    return 0;
}
