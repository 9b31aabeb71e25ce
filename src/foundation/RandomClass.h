// The game's two random streams. The gameplay stream decides everything that
// changes game state (board contents, refill, enemies' choices); the cosmetic
// stream decides what is only drawn (jitter, particles, decorations). Keeping
// them apart means a round with a given seed and the same inputs plays the
// same whether or not anything is drawn.
#pragma once

#include <cstdint>
#include <functional>

class TRandomStream {
public:
    explicit TRandomStream(uint64_t Seed = 1) { SetSeed(Seed); }
    void SetSeed(uint64_t Seed);
    uint32_t NextUInt32();
    // Uniform integer 0..N-1; 0 when N <= 0.
    int32_t Next(int32_t N);
    // Uniform double in [0, 1).
    double NextDouble();
private:
    uint64_t FState[4] = {0, 0, 0, 0};
};

TRandomStream& GameplayRandom();
TRandomStream& CosmeticRandom();

// Random(n) on the gameplay stream: uniform 0..n-1, and a chance of 1 in P is Random(P) = 0.
inline int32_t Random(int32_t N) { return GameplayRandom().Next(N); }
// The same on the cosmetic stream, for anything that is only drawn.
inline int32_t CosmeticRandomInt(int32_t N) { return CosmeticRandom().Next(N); }

// "Reseed from the clock": the seed comes from the seed source, which is the
// clock in the game and a fixed value in tests and replays.
void ReseedGameplayFromClock();
void SetRandomSeedSource(std::function<uint64_t()> Source);  // empty = the clock
