// The game's shared vocabulary: every enumeration, the small records and the
// event types that the components use to talk to the main form.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Base of every game object. Events carry the object that raised them first.
class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A whole-pixel position (screen pixels, or board column/row 1..10).
struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle with inclusive or exclusive edges, as each user states.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int32_t X, int32_t Y) { return TPoint{X, Y}; }
inline TRect Rect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) { return TRect{Left, Top, Right, Bottom}; }

// A sub-pixel position, or a pair of per-axis speeds.
struct TFloatPoint {
    double X = 0.0;
    double Y = 0.0;
};

// One tile's vertical bounce: offset in pixels and the narrowing swing limits.
struct TTileBounce {
    double Offset = 0.0;
    double Low = 0.0;
    double High = 0.0;
    uint8_t State = 0;  // 0 at rest, 1 swinging toward Low, 2 swinging toward High
};

// Enumerations are stored in one byte; ordinals are fixed by the save and level formats.
enum TGameObjective : uint8_t {
    goTargetFruits, goCollectFruits, goBeatMonster, goFindFlowers, goClearTiles, goBonusStage, goSpiderHunt
};
constexpr int GameObjectiveCount = 7;

enum TIslandKind : uint8_t { isTropical, isRainbow, isJungle, isFlower, isFantasia, isMirel };
enum TMonsterKind : uint8_t { mkBird, mkLizard, mkKong, mkFish, mkLion };
enum TLevelKind : uint8_t { lkNormal, lkAction, lkChallenge };
enum TMedalKind : uint8_t { mdBronze, mdSilver, mdGold, mdNone };
enum TTileObjectKind : uint8_t { okLocker, okFruit, okTempBlank, okBlocker, okUnused };
enum TToolKind : uint8_t { toNone, toMagicKey, toBroom, toAerosol };
enum TBonusKind : uint8_t { boScore, boMoney, boMagicKey, boBroom, boAerosol, boLetter };
enum TBonusAnimalKind : uint8_t { anSpiders, anLadybugs };
enum TGameBoardActiveMode : uint8_t { amNormal, amFindFlower };
enum TTrophyKind : uint8_t {
    tkNone, tk20GoldMedals, tk50GoldMedals, tkIsland1AllGold, tkIsland2AllGold, tkIsland3AllGold,
    tkIsland4AllGold, tkIsland5AllGold, tkAllGoldMedals, tk30Flowers, tk150Tiles, tk500Fruits,
    tk10000Fruits, tk25000Score, tk75000Score, tk40Spiders, tk100Worms, tkMirelIslandHalf,
    tkMirelIslandFull, tkAllLevelsCompleted, tk500Spiders
};
constexpr int TrophyCount = 20;
enum TRelaxedMode : uint8_t { rmNotInitialized, rmYes, rmNo };
enum TMoveDir : uint8_t { mdLeft, mdRight };
enum TPositiveButtonKind : uint8_t { pbYes, pbOK };
enum TNegativeButtonKind : uint8_t { nbNo, nbCancel };
enum TGameFontKind : uint8_t { fkAirstripComment, fkAirstripNormal, fkComic, fkBlackadder };
enum TSettingLoaderLanguage : uint8_t { laUS, laDE, laES, laFR, laIT, laNL, laBR, laSE };
constexpr int SettingLoaderLanguageCount = 8;

// Mouse buttons as the game's handlers receive them.
enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// Set of flower indexes (bit n = flower n, 0..255).
class TFlowerIdxSet {
public:
    void Include(uint8_t Idx) { FBits[Idx >> 6] |= uint64_t{1} << (Idx & 63); }
    void Exclude(uint8_t Idx) { FBits[Idx >> 6] &= ~(uint64_t{1} << (Idx & 63)); }
    bool Contains(uint8_t Idx) const { return (FBits[Idx >> 6] >> (Idx & 63)) & 1u; }
    bool Empty() const { return (FBits[0] | FBits[1] | FBits[2] | FBits[3]) == 0; }
    friend bool operator==(const TFlowerIdxSet&, const TFlowerIdxSet&) = default;
private:
    uint64_t FBits[4] = {0, 0, 0, 0};
};

using TCommonPosUpdateEvent = std::function<void(TObject* Sender, int32_t X, int32_t Y)>;
using TOnMonsterHitCheckEvent =
    std::function<void(TObject* Sender, TPoint FruitPos, bool& Hitting, bool& Absorbing)>;

// Ordinal conversions of the trophy kinds (identity on 1..20, tkNone outside).
inline TTrophyKind TrophyIdxToKind(int Idx) {
    return (Idx >= 1 && Idx <= TrophyCount) ? static_cast<TTrophyKind>(Idx) : tkNone;
}
inline int TrophyKindToIdx(TTrophyKind Kind) { return static_cast<int>(Kind); }

// Incentive numbers 1..9 map to icon numbers 1..9; anything else is 0.
inline int IncentiveToIconIdx(int Incentive) { return (Incentive >= 1 && Incentive <= 9) ? Incentive : 0; }
