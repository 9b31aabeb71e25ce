#include "LevelDotsClass.h"

#include <algorithm>
#include <cmath>

#include "CampaignDrawClass.h"
#include "FrameCursorClass.h"
#include "GeneralRoutinesClass.h"

namespace {

// The levels' points along each island's path, in level order.
constexpr TPoint Island1Path[] = {{134, 414}, {174, 470}, {232, 505}, {301, 523}, {366, 519},
                                  {424, 496}, {466, 451}, {481, 386}, {486, 317}, {506, 262},
                                  {553, 222}, {617, 212}, {675, 230}, {714, 271}, {732, 329}};
constexpr TPoint Island2Path[] = {{55, 439},  {48, 376},  {67, 319},  {115, 276}, {174, 258}, {234, 277},
                                  {275, 323}, {302, 379}, {323, 440}, {362, 490}, {421, 519}, {489, 526},
                                  {552, 517}, {616, 492}, {667, 452}, {708, 397}, {723, 339}, {704, 277}};
constexpr TPoint Island3Path[] = {{109, 471}, {73, 415},  {63, 350},  {80, 291},  {118, 241},
                                  {177, 217}, {241, 219}, {296, 246}, {327, 298}, {341, 357},
                                  {358, 417}, {403, 468}, {465, 485}, {526, 464}, {563, 403},
                                  {552, 337}, {562, 273}, {613, 233}, {674, 231}, {726, 263}};
constexpr TPoint Island4Path[] = {{103, 481}, {74, 424},  {59, 362},  {75, 296},  {112, 242}, {165, 206},
                                  {224, 187}, {287, 193}, {345, 212}, {391, 253}, {424, 301}, {438, 361},
                                  {458, 419}, {490, 478}, {545, 511}, {608, 515}, {667, 494}, {719, 455},
                                  {747, 400}, {751, 344}, {732, 290}, {688, 249}};
constexpr TPoint Island5Path[] = {{172, 473}, {238, 499}, {302, 517}, {370, 523}, {433, 522},
                                  {500, 512}, {556, 486}, {588, 436}, {569, 377}, {511, 351},
                                  {447, 354}, {385, 373}, {320, 382}, {254, 384}, {198, 349},
                                  {197, 290}, {240, 250}, {289, 224}, {346, 211}, {410, 209},
                                  {465, 215}, {519, 222}, {574, 235}, {629, 250}, {678, 276}};

struct TPath {
    const TPoint* Points;
    int32_t Count;
};
constexpr TPath Paths[TLevelDots::IslandCount] = {
    {Island1Path, 15}, {Island2Path, 18}, {Island3Path, 20}, {Island4Path, 22}, {Island5Path, 25}};

// A level file beyond the path's points sits at the path's origin.
TPoint PathPoint(int32_t Island, int32_t Level) {
    const TPath& Path = Paths[Island - 1];
    const TPoint P = Level <= Path.Count ? Path.Points[Level - 1] : TPoint{0, 0};
    return {P.X + TLevelDots::DotOffset.X, P.Y + TLevelDots::DotOffset.Y};
}

bool ValidIsland(int32_t Island) { return Island >= 1 && Island <= TLevelDots::IslandCount; }
bool ValidLevel(int32_t Level) { return Level >= 1 && Level <= TLevelDots::LevelCount; }

// The medal hanging from a dot: where it hangs and how large, by the dot's state.
struct TMedalPlace {
    int32_t DX, DY;
    float Scale;
};
constexpr TMedalPlace NormalMedal{-17 + 25, -17 + 30, 0.55f};
constexpr TMedalPlace SelectedMedal{-17 + 28, -17 + 34, 1.0f};
constexpr TMedalPlace HoveredMedal{-17 + 26, -17 + 32, 0.7f};
// The medal swings about its ribbon's knot, against the dot's star and slower.
constexpr float MedalCentreX = 0.42307693f;
constexpr float MedalCentreY = 0.3207547f;
constexpr float MedalSwingDivisor = -3.5f;

const TLevelDots::TDot NoDot{};

}  // namespace

TLevelDots::TLevelDots() {
    FSwing.Setup(1.35f, 1.35f, 28.0f, -28.0f);
    FSwing.SetRangeMin(-26.0f);
    FSwing.SetRangeMax(26.0f);
    for (int32_t& Level : FSelected) Level = 1;
}

void TLevelDots::ReadLevelHeaders(const TLevelScanner& Scan) {
    for (int32_t Island = 1; Island <= IslandCount; ++Island) {
        FLevelCounts[Island - 1] = 0;
        for (int32_t Level = 1; Level <= LevelCount; ++Level) {
            TDot& D = MutableDot(Island, Level);
            const int32_t BestTime = D.BestTime;
            D = TDot{};
            D.BestTime = BestTime;
            D.Size = D.TargetSize = StandardDotSizeRatio;
            const TLevelSummary Summary = Scan(Island, Level);
            if (!Summary.Exists) continue;
            D.Exists = true;
            D.Pos = PathPoint(Island, Level);
            D.Objective = Summary.Objective;
            D.LevelKind = Summary.LevelKind;
            D.SilverReqTime = Summary.SilverReqTime;
            D.GoldReqTime = Summary.GoldReqTime;
            ++FLevelCounts[Island - 1];
        }
    }
    DeriveProgress();
    UnlockLevels();
    AimSizes();
}

const TLevelDots::TDot& TLevelDots::Dot(int32_t Island, int32_t Level) const {
    if (!ValidIsland(Island) || !ValidLevel(Level)) return NoDot;
    return FDots[Island - 1][Level - 1];
}

TLevelDots::TDot& TLevelDots::MutableDot(int32_t Island, int32_t Level) { return FDots[Island - 1][Level - 1]; }

bool TLevelDots::Unlocked(int32_t Level) const { return ValidLevel(Level) && FUnlocked[Level - 1]; }

// --- Progress --------------------------------------------------------------------

// A level is completed once it has a best time; its medal is the one that time earns.
void TLevelDots::DeriveProgress() {
    for (int32_t Island = 1; Island <= IslandCount; ++Island) {
        for (int32_t Level = 1; Level <= LevelCount; ++Level) {
            TDot& D = MutableDot(Island, Level);
            D.Completed = D.Exists && D.BestTime > 0;
            D.Medal = D.Completed ? MedalForTime(D.BestTime, D.SilverReqTime, D.GoldReqTime) : mdNone;
        }
    }
}

// Levels open by count, not by which ones are completed: a save with gaps opens as
// many levels from the first as it has completed, and one more.
void TLevelDots::UnlockLevels() {
    std::fill(std::begin(FUnlocked), std::end(FUnlocked), false);
    const int32_t Open = std::max(MinUnlockedDots, CompletedCount(FIsland) + AddUnlockedDots);
    for (int32_t Level = 1; Level <= std::min(Open, LevelCount); ++Level) {
        FUnlocked[Level - 1] = Dot(FIsland, Level).Exists;
    }
    if (FHovered > 0 && !FUnlocked[FHovered - 1]) FHovered = 0;
}

void TLevelDots::SetIslandIdx(int32_t Island) {
    if (!ValidIsland(Island)) return;
    FIsland = Island;
    FHovered = 0;
    UnlockLevels();
    AimSizes();
}

void TLevelDots::SetSelIslandLevelIdx(int32_t Level) {
    FSelected[FIsland - 1] = ValidLevel(Level) ? Level : 1;
    AimSizes();
    if (OnDotClick) OnDotClick(this);
}

void TLevelDots::SelectFirstPlayableLevel() {
    if (IslandComplete(FIsland)) {
        SetSelIslandLevelIdx(SelIslandLevelIdx());
        return;
    }
    for (int32_t Level = 1; Level <= LevelCount; ++Level) {
        if (FUnlocked[Level - 1] && !Dot(FIsland, Level).Completed) {
            SetSelIslandLevelIdx(Level);
            return;
        }
    }
    SetSelIslandLevelIdx(1);
}

void TLevelDots::RecordTime(int32_t Seconds) {
    TDot& D = MutableDot(FIsland, SelIslandLevelIdx());
    // A best time of 0 means "not completed": a win inside the first second still counts.
    const int32_t Time = std::max(Seconds, 1);
    if (D.BestTime <= 0 || D.BestTime > Time) D.BestTime = Time;
    DeriveProgress();
    UnlockLevels();
    AimSizes();
}

void TLevelDots::GiveEveryLevelBestTime(int32_t Seconds) {
    for (auto& Island : FDots) {
        for (TDot& D : Island) {
            if (D.Exists) D.BestTime = Seconds;
        }
    }
    DeriveProgress();
    UnlockLevels();
    AimSizes();
}

// --- Questions about an island --------------------------------------------------

int32_t TLevelDots::LevelCountOf(int32_t Island) const { return ValidIsland(Island) ? FLevelCounts[Island - 1] : 0; }

int32_t TLevelDots::CompletedCount(int32_t Island) const {
    if (!ValidIsland(Island)) return 0;
    int32_t Count = 0;
    for (int32_t Level = 1; Level <= LevelCount; ++Level) Count += Dot(Island, Level).Completed ? 1 : 0;
    return Count;
}

bool TLevelDots::IslandComplete(int32_t Island) const {
    const int32_t Levels = LevelCountOf(Island);
    return Levels > 0 && CompletedCount(Island) == Levels;
}

bool TLevelDots::NextIslandEarned(int32_t Island) const {
    if (Island < 1 || Island > IslandCount - 1 || !IslandComplete(Island)) return false;
    const int32_t Needed = std::max(1, Trunc(LevelCountOf(Island) * MinReqPercentageToUnlockNewIsland));
    return CompletedCount(Island) >= Needed;
}

int32_t TLevelDots::CompletionPercentage(int32_t Island) const {
    const int32_t Levels = LevelCountOf(Island);
    return Levels > 0 ? CompletedCount(Island) * 100 / Levels : 0;
}

int32_t TLevelDots::GoldCount(int32_t Island) const {
    if (!ValidIsland(Island)) return 0;
    int32_t Count = 0;
    for (int32_t Level = 1; Level <= LevelCount; ++Level) Count += Dot(Island, Level).Medal == mdGold ? 1 : 0;
    return Count;
}

int32_t TLevelDots::TotalGoldCount() const {
    int32_t Count = 0;
    for (int32_t Island = 1; Island <= IslandCount; ++Island) Count += GoldCount(Island);
    return Count;
}

bool TLevelDots::AllGold(int32_t Island) const {
    const int32_t Levels = LevelCountOf(Island);
    return Levels > 0 && GoldCount(Island) == Levels;
}

bool TLevelDots::AllLevelsGold() const {
    for (int32_t Island = 1; Island <= IslandCount; ++Island) {
        if (!AllGold(Island)) return false;
    }
    return true;
}

bool TLevelDots::AllLevelsCompleted() const {
    for (int32_t Island = 1; Island <= IslandCount; ++Island) {
        if (!IslandComplete(Island)) return false;
    }
    return true;
}

bool TLevelDots::AllIslandsComplete() const { return AllLevelsCompleted(); }

int32_t TLevelDots::FirstIncompleteIsland() const {
    for (int32_t Island = 1; Island <= IslandCount; ++Island) {
        if (!IslandComplete(Island)) return Island;
    }
    return 0;
}

// --- Saved values ------------------------------------------------------------------

void TLevelDots::LoadSaved(const TProgressRecord& Record) {
    for (int32_t Island = 1; Island <= IslandCount; ++Island) {
        for (int32_t Level = 1; Level <= LevelCount; ++Level) {
            MutableDot(Island, Level).BestTime = std::max(Record.BestTimes[Island - 1][Level - 1], 0);
        }
        const int32_t Selected = Record.LastSelectedLevels[Island - 1];
        FSelected[Island - 1] = ValidLevel(Selected) && Dot(Island, Selected).Exists ? Selected : 1;
    }
    FHovered = 0;
    DeriveProgress();
    UnlockLevels();
    AimSizes();
}

void TLevelDots::StoreSaved(TProgressRecord& Record) const {
    for (int32_t Island = 1; Island <= IslandCount; ++Island) {
        for (int32_t Level = 1; Level <= LevelCount; ++Level) {
            Record.BestTimes[Island - 1][Level - 1] = Dot(Island, Level).BestTime;
        }
        Record.LastSelectedLevels[Island - 1] = FSelected[Island - 1];
    }
}

// --- The pointer ---------------------------------------------------------------------

void TLevelDots::AimSizes() {
    const int32_t Selected = SelIslandLevelIdx();
    for (int32_t Level = 1; Level <= LevelCount; ++Level) {
        TDot& D = MutableDot(FIsland, Level);
        if (Level == Selected) {
            D.TargetSize = SelectedDotSizeRatio;
        } else if (Level == FHovered) {
            D.TargetSize = HighlightedDotSizeRatio;
        } else {
            D.TargetSize = StandardDotSizeRatio;
        }
    }
}

void TLevelDots::MouseMove(int32_t X, int32_t Y) {
    FHovered = 0;
    for (int32_t Level = 1; Level <= LevelCount; ++Level) {
        if (!FUnlocked[Level - 1]) continue;
        const TPoint P = Dot(FIsland, Level).Pos;
        if (X >= P.X && X <= P.X + CursorAreaWidth && Y >= P.Y && Y <= P.Y + CursorAreaHeight) {
            FHovered = Level;
            FrameCursor = TFrameCursor::HandPoint;
            break;
        }
    }
    AimSizes();
}

void TLevelDots::MouseDown(TMouseButton /*Button*/) {
    if (FHovered > 0) SetSelIslandLevelIdx(FHovered);
}

// --- Drawing ---------------------------------------------------------------------------

void TLevelDots::UpdateAndDraw() {
    for (int32_t Level = 1; Level <= LevelCount; ++Level) {
        TDot& D = MutableDot(FIsland, Level);
        MoveTowards(D.Size, DotSizeRatioStep, D.TargetSize);
    }
    FSwing.Update();
    const float Swing = FSwing.Value;
    for (int32_t Level = 1; Level <= LevelCount; ++Level) DrawDot(Level, Swing);
}

void TLevelDots::DrawDot(int32_t Level, float Swing) const {
    const TDot& D = Dot(FIsland, Level);
    if (!D.Exists) return;
    const bool Open = FUnlocked[Level - 1];
    const float Size = static_cast<float>(D.Size);
    const int32_t X = D.Pos.X - 17, Y = D.Pos.Y - 17;
    DrawCampaignSmooth(OmgImgList, "LevelDot", X, Y, 0.0f, 0.5f, 0.5f, Size, Size, 255, 255, 255, 255, Open ? 1 : 0);
    if (!Open) return;
    DrawCampaignSmooth(OmgImgList, "LevelDot", X, Y, Swing, 0.5f, 0.5f, Size, Size, 255, 255, 255, 255, 2);
    if (!D.Completed) return;
    const TMedalPlace& Place = Level == SelIslandLevelIdx() ? SelectedMedal
                               : Level == FHovered          ? HoveredMedal
                                                            : NormalMedal;
    DrawCampaignSmooth(OmgImgList, "LevelSelDotMedal", D.Pos.X + Place.DX, D.Pos.Y + Place.DY,
                       Swing / MedalSwingDivisor, MedalCentreX, MedalCentreY, Place.Scale, Place.Scale, 255, 255, 255,
                       255, D.Medal);
}
