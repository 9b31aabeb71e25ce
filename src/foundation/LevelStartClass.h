// Level start, the decisions that depend only on the level record and the
// player's progress: which values the round's components take, the cut-down
// targets of test mode, the features island 1's first levels hold at an
// introductory value until the tutorial has explained them (and the way back to
// the level's own value), the tools on offer, the money per fruit combo, how long
// the objective is announced and which music plays. The round applies the result
// to its components; nothing here touches a component.
#pragma once

#include <cstdint>
#include <optional>

#include "GameTypesClass.h"
#include "LevelFileClass.h"

// A feature that one of island 1's first nine levels introduces. While held, the
// value named in the comment is replaced by its introductory value.
enum THeldFeature : uint8_t {
    hfUniFruits,       // level 1: board OneUniFruitEveryProb 15
    hfFruitBombs,      // level 2: board OneFruitBombEveryProb 15
    hfMultiBubbles,    // level 3: board OneMultiBubbleEveryProb 15
    hfSpiderInterval,  // level 4: spiders' FruitsInterval 20
    hfBrooms,          // level 5: board OneBroomEveryProb 15
    hfWebs,            // level 5: spiders' OneWebEveryProb 6 (no tip puts it back)
    hfMagicKeys,       // level 6: board OneMagicKeyEveryProb 15
    hfWormInterval,    // level 7: worms' FruitsInterval 20
    hfAerosols,        // level 8: board OneAerosolEveryProb 15
    hfHammers          // level 9: board OneHammerEveryProb 15
};
constexpr int32_t HeldFeatureCount = 10;

class THeldFeatures {
public:
    void Include(THeldFeature Feature) { FBits = static_cast<uint16_t>(FBits | (1u << Feature)); }
    void Exclude(THeldFeature Feature) { FBits = static_cast<uint16_t>(FBits & ~(1u << Feature)); }
    bool Contains(THeldFeature Feature) const { return (FBits >> Feature) & 1u; }
    bool Empty() const { return FBits == 0; }
    friend bool operator==(const THeldFeatures&, const THeldFeatures&) = default;
private:
    uint16_t FBits = 0;
};

// The features a level holds (only island 1, levels 1 to 9, hold any).
THeldFeatures HeldFeaturesOf(int32_t Island, int32_t Level);
int32_t IntroductoryValue(THeldFeature Feature);
// The value of the feature in a record (the level's own value when given the level record).
int32_t FeatureValue(const TLevelRecord& Record, THeldFeature Feature);
void SetFeatureValue(TLevelRecord& Record, THeldFeature Feature, int32_t Value);
// The feature whose own value comes back when the tutorial shows tip Step:
// 5 uni fruits, 6 magic keys, 7 and 16 the spider interval, 9 brooms, 10 fruit bombs,
// 11 the worm interval, 13 aerosols, 14 multi bubbles, 15 hammers; none otherwise.
std::optional<THeldFeature> FeatureReleasedByTip(int32_t Step);

// The order the tools unlock in, which is not the kinds' own order (toMagicKey
// is 1, toBroom 2): none 0, broom 1, magic key 2, aerosol 3; an unknown level 0.
// Everything that asks whether a tool is unlocked goes by this rank: the tool
// buttons, the bonus stage's offers and the rise of the unlocked level.
int32_t ToolUnlockRank(TToolKind Kind);
// Tool is usable at the unlocked tool level Level (toNone is never a tool).
bool ToolUnlocked(TToolKind Level, TToolKind Tool);
// The unlocked tool level after Offered is won: it only rises, never falls back
// (replaying an earlier level takes no tool away).
TToolKind RaisedToolLevel(TToolKind Current, TToolKind Offered);

// Which tools the player may use: the board's and the bonus animals' MaxToolKind and the three tool buttons.
struct TToolAvailability {
    TToolKind MaxToolKind = toNone;
    bool Broom = false;
    bool MagicKey = false;
    bool Aerosol = false;
    friend bool operator==(const TToolAvailability&, const TToolAvailability&) = default;
};
// By the player's unlocked tool level (toAerosol in test mode): the broom comes with
// toBroom, toMagicKey adds the key, toAerosol gives all three. An unknown level gives none.
TToolAvailability ToolAvailability(TToolKind MaxUnlockedToolKind, bool TestMode);

// Money paid per fruit of a combo: 7 on island 1 up to 11 on island 5; 0 elsewhere.
int32_t MoneyPerCombo(int32_t Island);
// Milliseconds the objective is announced: 5000 on island 1's levels 1 and 3, else 4500.
int32_t ObjectiveInfoShowingTime(int32_t Island, int32_t Level, TGameObjective Objective);
// The music number of a round by objective; a bonus stage chooses its own.
constexpr int32_t NoMusicNumber = -1;
int32_t MusicNumberFor(TGameObjective Objective);
// The boss of each island: 1 bird, 2 lizard, 3 kong, 4 fish, 5 lion (the bird anywhere else).
TMonsterKind MonsterOfIsland(int32_t Island);
TGameBoardActiveMode BoardModeFor(TGameObjective Objective);

// In test mode every objective is cut to one item: one fruit, one banana (one
// spider in a hunt), a monster of energy 1, one flower coming at the first locker
// check, and only the first locker frame (rows top to bottom, each left to right).
void ApplyTestModeCuts(TLevelRecord& Values);

struct TLevelStartContext {
    int32_t Island = 1;
    int32_t Level = 1;
    TToolKind MaxUnlockedToolKind = toNone;
    bool TestMode = false;
};

// Everything the round hands its components when a level starts.
struct TLevelStart {
    // The record as the components take it: in a spider hunt the six fruit targets
    // are 0, then test mode cuts the targets, then island 1's held features take
    // their introductory values.
    TLevelRecord Values;
    THeldFeatures Held;
    int32_t SilverReqTime = 0;
    int32_t GoldReqTime = 0;
    TMonsterKind Monster = mkBird;
    TGameBoardActiveMode BoardMode = amNormal;
    TToolAvailability Tools;
    int32_t MoneyPerCombo = 0;
    int32_t ObjectiveInfoShowingTime = 4500;
    int32_t MusicNumber = NoMusicNumber;
};

TLevelStart PrepareLevelStart(const TLevelRecord& Record, const TLevelStartContext& Context);

// The tutorial has explained Feature: if it was held, the level's own value from
// Record comes back into Start.Values and is returned for the component it
// belongs to. Returns nothing when the feature was not held (the tip may come
// again; the level's value stays as it is).
std::optional<int32_t> ReleaseHeldFeature(TLevelStart& Start, const TLevelRecord& Record, THeldFeature Feature);
