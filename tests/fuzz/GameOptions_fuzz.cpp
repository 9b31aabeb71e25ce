// "Options.dat" as any bytes: whatever it holds, the options are usable.
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "GameOptionsClass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::span<const uint8_t> Bytes(Data, Size);
    TGameOptions Options;
    FUZZ_CHECK(Options.ReadRecord(Bytes) == (Size == GameOptionsRecordSize));
    if (Size < GameOptionsRecordSize) return 0;
    FUZZ_CHECK(Options.ReadRecord(Bytes.first(GameOptionsRecordSize)));
    FUZZ_CHECK(Options.SFXVolume >= 0 && Options.SFXVolume <= 100);
    FUZZ_CHECK(Options.MusicVolume >= 0 && Options.MusicVolume <= 100);
    FUZZ_CHECK(Options.PlayerIndex >= 1 && Options.PlayerIndex <= 6);

    // Once read, the options are written and read back unchanged.
    const TGameOptionsRecord Written = Options.Record();
    TGameOptions Again;
    FUZZ_CHECK(Again.ReadRecord(Written));
    FUZZ_CHECK(Again.Record() == Written);
    return 0;
}
