// A player's ".sav" file as any bytes: a whole record comes back byte for
// byte, anything shorter is refused, and the enumerations stay in range.
#include <cstdint>
#include <cstring>
#include <span>

#include "FuzzCheck.h"
#include "ProgressRecordClass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::span<const uint8_t> Bytes(Data, Size);
    TProgressRecord Record = InitialProgressRecord();
    const bool Decoded = DecodeProgressRecord(Bytes, Record);
    FUZZ_CHECK(Decoded == (Size >= ProgressRecordSize));
    if (!Decoded) {
        FUZZ_CHECK(Record == InitialProgressRecord());
        return 0;
    }
    const TProgressRecordBytes Written = EncodeProgressRecord(Record);
    FUZZ_CHECK(std::memcmp(Written.data(), Data, ProgressRecordSize) == 0);
    FUZZ_CHECK(RelaxedModeOf(Record) <= rmNo);
    FUZZ_CHECK(UnlockedToolKindOf(Record) <= toAerosol);
    return 0;
}
