// The level dots: the path of levels on each island's level-selection screen
// and the player's progress along it. Each existing level has a dot at its
// place on the path; the best times decide which levels are completed, with
// which medal, and how far the path is open (levels open by count: one more
// than the island's completed levels). The dots draw themselves swinging and
// sized by hover and selection, take the pointer, and answer the questions the
// map, the round and the trophies ask about an island's progress.
#pragma once

#include <cstdint>
#include <functional>

#include "GameTypesClass.h"
#include "LevelFileClass.h"
#include "ProgressRecordClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

// What the dots need of a level file: whether it exists, its objective, kind and medal times.
using TLevelScanner = std::function<TLevelSummary(int32_t Island, int32_t Level)>;

class TLevelDots : public TObject {
public:
    static constexpr int32_t IslandCount = ProgressIslandCount;
    static constexpr int32_t LevelCount = ProgressLevelsPerIsland;
    // Every dot is drawn and hit this far up and left of its point on the path.
    static constexpr TPoint DotOffset{-22, -23};

    TLevelDots();

    TOmegaImageList* OmgImgList = nullptr;
    int32_t CursorAreaWidth = 39;
    int32_t CursorAreaHeight = 39;
    double StandardDotSizeRatio = 0.7;
    double HighlightedDotSizeRatio = 0.8;
    double SelectedDotSizeRatio = 1.0;
    double DotSizeRatioStep = 0.07;
    int32_t MinUnlockedDots = 1;
    int32_t AddUnlockedDots = 1;
    // The fraction of an island's levels that must be completed to earn the next island.
    double MinReqPercentageToUnlockNewIsland = 1.0;
    // A level was selected (by the pointer, or by the game choosing the level to play).
    TNotifyEvent OnDotClick;

    // Start-up: which levels exist, their places, objectives, kinds and medal times.
    void ReadLevelHeaders(const TLevelScanner& Scan = ScanLevel);

    // The island whose path is shown (1 to 5): its levels are unlocked anew.
    void SetIslandIdx(int32_t Island);
    int32_t IslandIdx() const { return FIsland; }
    // The selected level of the current island (1 to 30); setting it raises OnDotClick.
    void SetSelIslandLevelIdx(int32_t Level);
    int32_t SelIslandLevelIdx() const { return FSelected[FIsland - 1]; }
    TGameObjective SelObjective() const { return Dot(FIsland, SelIslandLevelIdx()).Objective; }
    TLevelKind SelLevelKind() const { return Dot(FIsland, SelIslandLevelIdx()).LevelKind; }
    TMedalKind SelMedal() const { return Dot(FIsland, SelIslandLevelIdx()).Medal; }
    int32_t SelBestTime() const { return Dot(FIsland, SelIslandLevelIdx()).BestTime; }
    bool SelPlayed() const { return Dot(FIsland, SelIslandLevelIdx()).Completed; }

    // The level the player should play next on the current island: on a complete
    // island the one it last selected, else the first open level not yet completed,
    // else level 1. Selected (OnDotClick).
    void SelectFirstPlayableLevel();
    // A won round's time for the selected level: kept when it beats the best (or
    // there is none yet); medals and open levels follow.
    void RecordTime(int32_t Seconds);
    // Every level that has a file takes this best time (test mode).
    void GiveEveryLevelBestTime(int32_t Seconds);

    // Progress of an island 1 to 5 (0 or false for any other island, and for an
    // island without level files, which is never complete).
    bool IslandComplete(int32_t Island) const;
    // The island is complete with enough levels to open the next island (islands 1 to 4).
    bool NextIslandEarned(int32_t Island) const;
    int32_t LevelCountOf(int32_t Island) const;
    int32_t CompletedCount(int32_t Island) const;
    int32_t CompletionPercentage(int32_t Island) const;  // completed * 100 div levels
    int32_t GoldCount(int32_t Island) const;
    int32_t TotalGoldCount() const;
    bool AllGold(int32_t Island) const;
    // The whole game: every island holds levels and every one of them is gold or completed.
    bool AllLevelsGold() const;
    bool AllLevelsCompleted() const;
    bool AllIslandsComplete() const;
    // The first island 1 to 5 that is not complete; 0 when all are.
    int32_t FirstIncompleteIsland() const;

    // One dot as the player sees it.
    struct TDot {
        bool Exists = false;
        bool Completed = false;
        TGameObjective Objective = goTargetFruits;
        TLevelKind LevelKind = lkNormal;
        TPoint Pos{-99, -99};
        TMedalKind Medal = mdNone;
        int32_t BestTime = 0;
        int32_t SilverReqTime = 0;
        int32_t GoldReqTime = 0;
        double Size = 0.7;
        double TargetSize = 0.7;
    };
    const TDot& Dot(int32_t Island, int32_t Level) const;
    // Open levels are known for the current island only.
    bool Unlocked(int32_t Level) const;
    int32_t HoveredLevel() const { return FHovered; }

    // The saved best times and selected levels. A negative best time reads as not
    // completed, a selected level that is not one of its island's levels as level 1.
    void LoadSaved(const TProgressRecord& Record);
    void StoreSaved(TProgressRecord& Record) const;

    // The pointer: the open dot under it is hovered (the pointing hand); any button
    // on a hovered dot selects it.
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(TMouseButton Button);
    // Once a frame while the level selection shows: sizes, swing, the dots and their medals.
    void UpdateAndDraw();

private:
    TDot& MutableDot(int32_t Island, int32_t Level);
    void DeriveProgress();
    void UnlockLevels();
    void AimSizes();
    void DrawDot(int32_t Level, float Swing) const;

    TDot FDots[IslandCount][LevelCount];
    int32_t FLevelCounts[IslandCount]{};
    int32_t FSelected[IslandCount]{};
    bool FUnlocked[LevelCount]{};
    int32_t FIsland = 1;
    int32_t FHovered = 0;
    TValueUpDown FSwing;
};
