// The player's trophies: twenty milestones, each earned once. The manager keeps
// which are earned and the five counts they rest on (flowers found, locker
// frames cleared, fruits matched, spiders caught, worms removed), tests a
// trophy whenever its count or measure changes, and queues what a test finds.
// A queued trophy is announced when its owner says the screen allows it, the
// lowest number first; until then it waits, across scenes and rounds, but not
// across a change of player.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "GameTypesClass.h"
#include "ProgressRecordClass.h"

class TLevelDots;

// Asked before a trophy is announced: the owner answers whether the current
// screen can show its window now, and opens it when it answers yes.
using TNewTrophyEvent = std::function<void(TObject* Sender, TTrophyKind ATrophyKind, bool& ACanAnnounce)>;

class TTrophyManager : public TObject {
public:
    // The five counts, in the order the player's record keeps them.
    enum TCounter : uint8_t { tcFlowers, tcLockerFrames, tcFruits, tcSpiders, tcWorms };
    static constexpr int32_t CounterCount = 5;

    TNewTrophyEvent OnNewTrophy;

    // A count goes up by one and its trophies are tested.
    void CountFlower();
    void CountLockerFrame();
    void CountFruit();
    // A spider hit outside a spider hunt, and one inside: both add to the same
    // count; each tests its own trophy only.
    void CountSpider();
    void CountHuntedSpider();
    void CountWorm();

    void TestScore(int32_t ScoreTotal);
    void TestGarden(int32_t GardenPercent);
    // The medal and all-levels trophies after a won round, from the level dots'
    // medals: true when one of them was newly found (announced or waiting).
    bool TestLevelTrophies(const TLevelDots& Dots);

    // Announces the lowest waiting trophy if the owner allows it now. True when
    // a window was opened; nothing happens while one is showing.
    bool AnnounceNext();
    // The owner's window has gone: another announcement may start.
    void AnnouncementClosed() { FAnnouncing = false; }

    // A level starts: no window is showing and no win is pending; trophies
    // still waiting keep waiting for their chance.
    void Reset();
    void SetRoundWonPending(bool Value) { FRoundWonPending = Value; }
    bool RoundWonPending() const { return FRoundWonPending; }
    bool Announcing() const { return FAnnouncing; }
    bool AnyWaiting() const;
    bool IsWaiting(TTrophyKind Kind) const;

    // Test mode: the medal trophies and all-levels-completed earned, unannounced.
    void EarnTestModeTrophies();

    bool IsEarned(TTrophyKind Kind) const;
    const std::array<bool, TrophyCount>& Earned() const { return FEarned; }
    int32_t Counter(TCounter Which) const { return FCounters[Which]; }

    // A player's record in: flags and counts taken, nothing waiting or showing.
    void LoadSaved(const TProgressRecord& Record);
    void StoreSaved(TProgressRecord& Record) const;

private:
    int32_t Add(TCounter Which);
    void TestAtLeast(TTrophyKind Kind, int32_t Value, int32_t Threshold);
    // Queues a trophy not yet earned or waiting; true when it was queued now.
    bool Queue(TTrophyKind Kind);

    std::array<bool, TrophyCount> FEarned{};
    std::array<bool, TrophyCount> FWaiting{};
    std::array<int32_t, CounterCount> FCounters{};
    bool FAnnouncing = false;
    bool FRoundWonPending = false;
};
