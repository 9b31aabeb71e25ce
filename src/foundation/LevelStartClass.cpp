#include "LevelStartClass.h"

namespace {

using TRecordIntField = int32_t TLevelRecord::*;

TRecordIntField FeatureField(THeldFeature Feature) {
    switch (Feature) {
        case hfUniFruits: return &TLevelRecord::OneUniFruitEveryProb;
        case hfFruitBombs: return &TLevelRecord::OneFruitBombEveryProb;
        case hfMultiBubbles: return &TLevelRecord::OneMultiBubbleEveryProb;
        case hfSpiderInterval: return &TLevelRecord::SpiderFruitsInterval;
        case hfBrooms: return &TLevelRecord::OneBroomEveryProb;
        case hfWebs: return &TLevelRecord::OneWebEveryProb;
        case hfMagicKeys: return &TLevelRecord::OneMagicKeyEveryProb;
        case hfWormInterval: return &TLevelRecord::WormFruitsInterval;
        case hfAerosols: return &TLevelRecord::OneAerosolEveryProb;
        case hfHammers: return &TLevelRecord::OneHammerEveryProb;
    }
    return &TLevelRecord::OneUniFruitEveryProb;
}

}  // namespace

THeldFeatures HeldFeaturesOf(int32_t Island, int32_t Level) {
    THeldFeatures Held;
    if (Island != 1) return Held;
    switch (Level) {
        case 1: Held.Include(hfUniFruits); break;
        case 2: Held.Include(hfFruitBombs); break;
        case 3: Held.Include(hfMultiBubbles); break;
        case 4: Held.Include(hfSpiderInterval); break;
        case 5:
            Held.Include(hfBrooms);
            Held.Include(hfWebs);
            break;
        case 6: Held.Include(hfMagicKeys); break;
        case 7: Held.Include(hfWormInterval); break;
        case 8: Held.Include(hfAerosols); break;
        case 9: Held.Include(hfHammers); break;
        default: break;
    }
    return Held;
}

int32_t IntroductoryValue(THeldFeature Feature) {
    switch (Feature) {
        case hfSpiderInterval:
        case hfWormInterval: return 20;
        case hfWebs: return 6;
        default: return 15;
    }
}

int32_t FeatureValue(const TLevelRecord& Record, THeldFeature Feature) { return Record.*FeatureField(Feature); }

void SetFeatureValue(TLevelRecord& Record, THeldFeature Feature, int32_t Value) { Record.*FeatureField(Feature) = Value; }

std::optional<THeldFeature> FeatureReleasedByTip(int32_t Step) {
    switch (Step) {
        case 5: return hfUniFruits;
        case 6: return hfMagicKeys;
        case 7:
        case 16: return hfSpiderInterval;
        case 9: return hfBrooms;
        case 10: return hfFruitBombs;
        case 11: return hfWormInterval;
        case 13: return hfAerosols;
        case 14: return hfMultiBubbles;
        case 15: return hfHammers;
        default: return std::nullopt;
    }
}

int32_t ToolUnlockRank(TToolKind Kind) {
    switch (Kind) {
        case toBroom: return 1;
        case toMagicKey: return 2;
        case toAerosol: return 3;
        default: return 0;
    }
}

bool ToolUnlocked(TToolKind Level, TToolKind Tool) {
    return ToolUnlockRank(Tool) > 0 && ToolUnlockRank(Tool) <= ToolUnlockRank(Level);
}

TToolKind RaisedToolLevel(TToolKind Current, TToolKind Offered) {
    return ToolUnlockRank(Offered) > ToolUnlockRank(Current) ? Offered : Current;
}

TToolAvailability ToolAvailability(TToolKind MaxUnlockedToolKind, bool TestMode) {
    const TToolKind Level = TestMode ? toAerosol : MaxUnlockedToolKind;
    TToolAvailability Tools;
    Tools.MaxToolKind = ToolUnlockRank(Level) > 0 ? Level : toNone;
    Tools.Broom = ToolUnlocked(Level, toBroom);
    Tools.MagicKey = ToolUnlocked(Level, toMagicKey);
    Tools.Aerosol = ToolUnlocked(Level, toAerosol);
    return Tools;
}

int32_t MoneyPerCombo(int32_t Island) { return Island >= 1 && Island <= LevelIslandCount ? 6 + Island : 0; }

int32_t ObjectiveInfoShowingTime(int32_t Island, int32_t Level, TGameObjective Objective) {
    if (Island == 1 && (Level == 1 || Level == 3) && Objective != goBonusStage) return 5000;
    return 4500;
}

int32_t MusicNumberFor(TGameObjective Objective) {
    switch (Objective) {
        case goTargetFruits: return 3;
        case goCollectFruits:
        case goSpiderHunt: return 4;
        case goBeatMonster: return 5;
        case goFindFlowers: return 6;
        case goClearTiles: return 7;
        default: return NoMusicNumber;
    }
}

TMonsterKind MonsterOfIsland(int32_t Island) {
    switch (Island) {
        case 2: return mkLizard;
        case 3: return mkKong;
        case 4: return mkFish;
        case 5: return mkLion;
        default: return mkBird;
    }
}

TGameBoardActiveMode BoardModeFor(TGameObjective Objective) {
    return Objective == goFindFlowers ? amFindFlower : amNormal;
}

void ApplyTestModeCuts(TLevelRecord& Values) {
    Values.FruitCountTarget = 1;
    Values.TargetBananas = Values.TargetStrawberries = Values.TargetApples = 0;
    Values.TargetPlums = Values.TargetGrapes = Values.TargetOranges = 0;
    if (Values.Objective == goSpiderHunt)
        Values.TargetSpidersToHunt = 1;
    else
        Values.TargetBananas = 1;
    Values.MonsterEnergy = 1;
    Values.FlowerSlots = 1;
    Values.OneFlowerPerLockersMin = 1;
    Values.OneFlowerPerLockersMax = 1;
    // Only the first frame is kept, scanning the rows from the top, each row from the left.
    bool Kept = false;
    for (int32_t Y = 1; Y <= BoardSize; ++Y) {
        for (int32_t X = 1; X <= BoardSize; ++X) {
            bool& Frame = Values.LockerFrames.At(X, Y);
            if (Frame && Kept) Frame = false;
            if (Frame) Kept = true;
        }
    }
}

TLevelStart PrepareLevelStart(const TLevelRecord& Record, const TLevelStartContext& Context) {
    TLevelStart Start;
    Start.Values = Record;
    TLevelRecord& Values = Start.Values;
    if (Values.Objective == goSpiderHunt) {
        Values.TargetBananas = Values.TargetStrawberries = Values.TargetApples = 0;
        Values.TargetPlums = Values.TargetGrapes = Values.TargetOranges = 0;
    }
    if (Context.TestMode) ApplyTestModeCuts(Values);
    Start.Held = HeldFeaturesOf(Context.Island, Context.Level);
    for (int32_t F = 0; F < HeldFeatureCount; ++F) {
        const auto Feature = static_cast<THeldFeature>(F);
        if (Start.Held.Contains(Feature)) SetFeatureValue(Values, Feature, IntroductoryValue(Feature));
    }
    // Medal times always follow the level's own time limit.
    Start.SilverReqTime = SilverReqTimeFor(Record.Time);
    Start.GoldReqTime = GoldReqTimeFor(Record.Time);
    Start.Monster = MonsterOfIsland(Context.Island);
    Start.BoardMode = BoardModeFor(Values.Objective);
    Start.Tools = ToolAvailability(Context.MaxUnlockedToolKind, Context.TestMode);
    Start.MoneyPerCombo = MoneyPerCombo(Context.Island);
    Start.ObjectiveInfoShowingTime = ObjectiveInfoShowingTime(Context.Island, Context.Level, Values.Objective);
    Start.MusicNumber = MusicNumberFor(Values.Objective);
    return Start;
}

std::optional<int32_t> ReleaseHeldFeature(TLevelStart& Start, const TLevelRecord& Record, THeldFeature Feature) {
    if (!Start.Held.Contains(Feature)) return std::nullopt;
    Start.Held.Exclude(Feature);
    const int32_t Own = FeatureValue(Record, Feature);
    SetFeatureValue(Start.Values, Feature, Own);
    return Own;
}
