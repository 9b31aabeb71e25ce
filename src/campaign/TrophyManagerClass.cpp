#include "TrophyManagerClass.h"

#include <algorithm>

#include "LevelDotsClass.h"

namespace {

constexpr int32_t FlowerThreshold = 30;
constexpr int32_t LockerFrameThreshold = 150;
constexpr int32_t FewFruitsThreshold = 500;
constexpr int32_t ManyFruitsThreshold = 10000;
constexpr int32_t FewSpidersThreshold = 40;
constexpr int32_t ManySpidersThreshold = 500;
constexpr int32_t WormThreshold = 100;
constexpr int32_t LowScoreThreshold = 25000;
constexpr int32_t HighScoreThreshold = 75000;
constexpr int32_t HalfGardenPercent = 41;
constexpr int32_t FullGardenPercent = 100;
constexpr int32_t FewGoldsThreshold = 20;
constexpr int32_t ManyGoldsThreshold = 50;

int Slot(TTrophyKind Kind) { return TrophyKindToIdx(Kind) - 1; }
bool Valid(TTrophyKind Kind) { return TrophyKindToIdx(Kind) >= 1 && TrophyKindToIdx(Kind) <= TrophyCount; }

// Every level that has a file shows gold; an island without files never does.
bool IslandAllGold(const TLevelDots& Dots, int32_t Island) {
    const int32_t Levels = Dots.LevelCountOf(Island);
    return Levels > 0 && Dots.GoldCount(Island) == Levels;
}

}  // namespace

int32_t TTrophyManager::Add(TCounter Which) {
    int32_t& Count = FCounters[Which];
    if (Count < INT32_MAX) ++Count;
    return Count;
}

void TTrophyManager::TestAtLeast(TTrophyKind Kind, int32_t Value, int32_t Threshold) {
    if (Value >= Threshold) Queue(Kind);
}

void TTrophyManager::CountFlower() { TestAtLeast(tk30Flowers, Add(tcFlowers), FlowerThreshold); }

void TTrophyManager::CountLockerFrame() { TestAtLeast(tk150Tiles, Add(tcLockerFrames), LockerFrameThreshold); }

void TTrophyManager::CountFruit() {
    const int32_t Fruits = Add(tcFruits);
    TestAtLeast(tk500Fruits, Fruits, FewFruitsThreshold);
    TestAtLeast(tk10000Fruits, Fruits, ManyFruitsThreshold);
}

void TTrophyManager::CountSpider() { TestAtLeast(tk40Spiders, Add(tcSpiders), FewSpidersThreshold); }

void TTrophyManager::CountHuntedSpider() { TestAtLeast(tk500Spiders, Add(tcSpiders), ManySpidersThreshold); }

void TTrophyManager::CountWorm() { TestAtLeast(tk100Worms, Add(tcWorms), WormThreshold); }

void TTrophyManager::TestScore(int32_t ScoreTotal) {
    TestAtLeast(tk25000Score, ScoreTotal, LowScoreThreshold);
    TestAtLeast(tk75000Score, ScoreTotal, HighScoreThreshold);
}

void TTrophyManager::TestGarden(int32_t GardenPercent) {
    TestAtLeast(tkMirelIslandHalf, GardenPercent, HalfGardenPercent);
    TestAtLeast(tkMirelIslandFull, GardenPercent, FullGardenPercent);
}

bool TTrophyManager::TestLevelTrophies(const TLevelDots& Dots) {
    bool Found = false;
    const int32_t Golds = Dots.TotalGoldCount();
    if (Golds >= FewGoldsThreshold) Found |= Queue(tk20GoldMedals);
    if (Golds >= ManyGoldsThreshold) Found |= Queue(tk50GoldMedals);
    bool EveryIslandGold = true;
    bool EveryLevelCompleted = true;
    for (int32_t Island = 1; Island <= TLevelDots::IslandCount; ++Island) {
        const bool AllGold = IslandAllGold(Dots, Island);
        if (AllGold) Found |= Queue(static_cast<TTrophyKind>(tkIsland1AllGold + Island - 1));
        EveryIslandGold = EveryIslandGold && AllGold;
        EveryLevelCompleted = EveryLevelCompleted && Dots.IslandComplete(Island);
    }
    if (EveryIslandGold) Found |= Queue(tkAllGoldMedals);
    if (EveryLevelCompleted) Found |= Queue(tkAllLevelsCompleted);
    return Found;
}

bool TTrophyManager::Queue(TTrophyKind Kind) {
    if (!Valid(Kind) || FEarned[Slot(Kind)] || FWaiting[Slot(Kind)]) return false;
    FWaiting[Slot(Kind)] = true;
    AnnounceNext();
    return true;
}

bool TTrophyManager::AnnounceNext() {
    if (FAnnouncing) return false;
    const auto Next = std::find(FWaiting.begin(), FWaiting.end(), true);
    if (Next == FWaiting.end()) return false;
    const auto Kind = TrophyIdxToKind(static_cast<int>(Next - FWaiting.begin()) + 1);
    bool CanAnnounce = false;
    if (OnNewTrophy) OnNewTrophy(this, Kind, CanAnnounce);
    if (!CanAnnounce) return false;
    FEarned[Slot(Kind)] = true;
    FWaiting[Slot(Kind)] = false;
    FAnnouncing = true;
    return true;
}

void TTrophyManager::Reset() {
    FAnnouncing = false;
    FRoundWonPending = false;
}

bool TTrophyManager::AnyWaiting() const { return std::find(FWaiting.begin(), FWaiting.end(), true) != FWaiting.end(); }

bool TTrophyManager::IsWaiting(TTrophyKind Kind) const { return Valid(Kind) && FWaiting[Slot(Kind)]; }

bool TTrophyManager::IsEarned(TTrophyKind Kind) const { return Valid(Kind) && FEarned[Slot(Kind)]; }

void TTrophyManager::EarnTestModeTrophies() {
    for (TTrophyKind Kind : {tk20GoldMedals, tk50GoldMedals, tkIsland1AllGold, tkIsland2AllGold, tkIsland3AllGold,
                             tkIsland4AllGold, tkIsland5AllGold, tkAllGoldMedals, tkAllLevelsCompleted}) {
        FEarned[Slot(Kind)] = true;
        FWaiting[Slot(Kind)] = false;
    }
}

void TTrophyManager::LoadSaved(const TProgressRecord& Record) {
    for (int I = 0; I < TrophyCount; ++I) FEarned[I] = Record.TrophiesEarned[I] != 0;
    // A damaged count starts again from nothing rather than below it.
    for (int I = 0; I < CounterCount; ++I) FCounters[I] = std::max(Record.TrophyCounters[I], 0);
    FWaiting.fill(false);
    FAnnouncing = false;
    FRoundWonPending = false;
}

void TTrophyManager::StoreSaved(TProgressRecord& Record) const {
    for (int I = 0; I < TrophyCount; ++I) Record.TrophiesEarned[I] = FEarned[I] ? 1 : 0;
    for (int I = 0; I < CounterCount; ++I) Record.TrophyCounters[I] = FCounters[I];
}
