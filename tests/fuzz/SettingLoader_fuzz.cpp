// Any bytes as a settings file: the loader either reads values or reports an
// ESettingLoaderError naming a line inside the file; nothing else may happen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "SettingLoaderClass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string Text(reinterpret_cast<const char*>(Data), Size);
    try {
        const TSettingLoader Settings = TSettingLoader::FromText(Text, "_settings.txt");
        if (Settings.CharSet() < 0 || Settings.CharSet() > 255) std::abort();
    } catch (const ESettingLoaderError& Error) {
        if (Error.Line() < 1 || Error.Line() > SettingLineCount) std::abort();
    }
    return 0;
}
