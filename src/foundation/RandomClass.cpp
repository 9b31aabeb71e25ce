#include "RandomClass.h"

#include <chrono>

namespace {

uint64_t SplitMix64(uint64_t& X) {
    uint64_t Z = (X += 0x9E3779B97F4A7C15ull);
    Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
    Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
    return Z ^ (Z >> 31);
}

uint64_t Rotl(uint64_t X, int K) { return (X << K) | (X >> (64 - K)); }

std::function<uint64_t()>& SeedSource() {
    static std::function<uint64_t()> Source;
    return Source;
}

}  // namespace

void TRandomStream::SetSeed(uint64_t Seed) {
    uint64_t S = Seed;
    for (auto& Word : FState) Word = SplitMix64(S);
}

uint32_t TRandomStream::NextUInt32() {
    // xoshiro256**: small, fast and the same on every machine.
    const uint64_t Result = Rotl(FState[1] * 5, 7) * 9;
    const uint64_t T = FState[1] << 17;
    FState[2] ^= FState[0];
    FState[3] ^= FState[1];
    FState[1] ^= FState[2];
    FState[0] ^= FState[3];
    FState[2] ^= T;
    FState[3] = Rotl(FState[3], 45);
    return static_cast<uint32_t>(Result >> 32);
}

int32_t TRandomStream::Next(int32_t N) {
    if (N <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(NextUInt32()) * static_cast<uint64_t>(N)) >> 32);
}

double TRandomStream::NextDouble() { return NextUInt32() / 4294967296.0; }

TRandomStream& GameplayRandom() {
    static TRandomStream Stream(0x51E110);
    return Stream;
}

TRandomStream& CosmeticRandom() {
    static TRandomStream Stream(0xC0FFEE);
    return Stream;
}

void SetRandomSeedSource(std::function<uint64_t()> Source) { SeedSource() = std::move(Source); }

void ReseedGameplayFromClock() {
    uint64_t Seed;
    if (SeedSource()) {
        Seed = SeedSource()();
    } else {
        Seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    GameplayRandom().SetSeed(Seed);
}
