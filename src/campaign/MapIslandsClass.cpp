#include "MapIslandsClass.h"

#include <algorithm>

#include "CampaignDrawClass.h"
#include "FrameCursorClass.h"
#include "GeneralRoutinesClass.h"
#include "TextStringsClass.h"

namespace {

constexpr const char* IslandImages[TMapIslands::IslandCount] = {"MapIsland1", "MapIsland2", "MapIsland3",
                                                                "MapIsland4", "MapIsland5", "MapIsland6"};

// Each island's picture, its name and the two rectangles that select it (before the shift).
struct TIslandPlace {
    TPoint Image;
    TPoint Name;
    TRect Land;
    TRect Label;
    TPoint Arrow;
};
constexpr TIslandPlace Places[TMapIslands::IslandCount] = {
    {{152, 407}, {300, 546}, {168, 417, 334, 567}, {317, 555, 391, 588}, {266, 394}},
    {{55, 262}, {83, 402}, {61, 263, 247, 400}, {82, 401, 159, 444}, {168, 255}},
    {{321, 254}, {345, 342}, {336, 251, 483, 366}, {375, 350, 437, 383}, {413, 234}},
    {{488, 416}, {537, 538}, {497, 425, 659, 547}, {562, 541, 637, 583}, {575, 387}},
    {{558, 173}, {606, 375}, {581, 192, 743, 395}, {621, 384, 698, 416}, {682, 227}},
    {{338, 391}, {354, 459}, {348, 392, 471, 467}, {383, 468, 447, 502}, {401, 343}},
};

// The selected island glows yellow; the one under the pointer lights up on top of that.
constexpr int32_t HoverGlowRise = 10;
constexpr int32_t HoverGlowMax = 50;
constexpr int32_t HoverGlowFall = 8;
// The selected island's name grows to full size, the others shrink back.
constexpr double NameGrow = 0.045;
constexpr double NameShrink = 0.03;
constexpr double NameMinScale = 0.83;

bool ValidIsland(int32_t Island) { return Island >= 1 && Island <= TMapIslands::IslandCount; }
bool LevelIsland(int32_t Island) { return Island >= 1 && Island <= TMapIslands::LevelIslandCount; }

TRect Shifted(const TRect& R, int32_t ShiftY) { return {R.Left, R.Top + ShiftY, R.Right, R.Bottom + ShiftY}; }

}  // namespace

TMapIslands::TMapIslands() { FGlow.Setup(4.0f, 6.0f, 80.0f, -80.0f); }

bool TMapIslands::Opened(int32_t Island) const { return ValidIsland(Island) && FOpened[Island - 1]; }
bool TMapIslands::Entered(int32_t Island) const { return LevelIsland(Island) && FEntered[Island - 1]; }
bool TMapIslands::Announced(int32_t Island) const { return LevelIsland(Island) && FAnnounced[Island - 1]; }

void TMapIslands::SelectHighestOpenIslandNotAbove(int32_t N) {
    FSelected = 1;
    for (int32_t Island = std::min(N, LevelIslandCount); Island >= 1; --Island) {
        if (FOpened[Island - 1]) {
            FSelected = Island;
            return;
        }
    }
}

void TMapIslands::Select(int32_t Island) {
    if (ValidIsland(Island)) FSelected = Island;
}

void TMapIslands::OpenIsland(int32_t Island) {
    if (LevelIsland(Island)) FOpened[Island - 1] = true;
}

void TMapIslands::MarkSelectedEntered() {
    if (!LevelIsland(FSelected)) return;
    FEntered[FSelected - 1] = true;
    FLastEntered = FSelected;
}

std::string TMapIslands::AnnouncementText() {
    int32_t Highest = 0;
    for (int32_t Island = 1; Island <= LevelIslandCount; ++Island) {
        if (!FOpened[Island - 1] || FEntered[Island - 1] || FAnnounced[Island - 1]) continue;
        FAnnounced[Island - 1] = true;
        Highest = Island;
    }
    if (Highest == 0 || !TextStringsComp) return {};
    return TextStringsComp->GameTexts(11 + Highest);
}

TIslandKind TMapIslands::SelectedIslandKind() const { return static_cast<TIslandKind>(FSelected - 1); }

TMonsterKind TMapIslands::SelectedMonsterKind() const {
    return FSelected >= 2 && FSelected <= LevelIslandCount ? static_cast<TMonsterKind>(FSelected - 1) : mkBird;
}

void TMapIslands::SetCompletionPercentages(const int32_t (&Percentages)[LevelIslandCount]) {
    std::copy(std::begin(Percentages), std::end(Percentages), std::begin(FPercentages));
}

int32_t TMapIslands::CompletionPercentage(int32_t Island) const {
    return LevelIsland(Island) ? FPercentages[Island - 1] : 0;
}

void TMapIslands::LoadSaved(const TProgressRecord& Record) {
    for (int32_t I = 0; I < LevelIslandCount; ++I) {
        FEntered[I] = Record.IslandsEntered[I] != 0;
        FAnnounced[I] = Record.IslandOpeningShown[I] != 0;
    }
    for (int32_t I = 0; I < IslandCount; ++I) FOpened[I] = Record.IslandsOpen[I] != 0;
    FOpened[IslandCount - 1] = true;
    FLastEntered = LevelIsland(Record.LastIsland) ? Record.LastIsland : 1;
    FHovered = 0;
}

void TMapIslands::StoreSaved(TProgressRecord& Record) const {
    for (int32_t I = 0; I < LevelIslandCount; ++I) {
        Record.IslandsEntered[I] = FEntered[I] ? 1 : 0;
        Record.IslandOpeningShown[I] = FAnnounced[I] ? 1 : 0;
    }
    for (int32_t I = 0; I < IslandCount; ++I) Record.IslandsOpen[I] = FOpened[I] ? 1 : 0;
    Record.LastIsland = FLastEntered;
}

TPoint TMapIslands::ArrowPoint(int32_t Island) const {
    const TPoint P = Places[(ValidIsland(Island) ? Island : 1) - 1].Arrow;
    return {P.X, P.Y + GlobalShiftY};
}

// --- The pointer --------------------------------------------------------------------

void TMapIslands::MouseMove(int32_t X, int32_t Y) {
    FHovered = 0;
    for (int32_t Island = 1; Island <= IslandCount; ++Island) {
        if (!FOpened[Island - 1]) continue;
        const TIslandPlace& P = Places[Island - 1];
        if (PointInRect(X, Y, Shifted(P.Land, GlobalShiftY)) || PointInRect(X, Y, Shifted(P.Label, GlobalShiftY))) {
            FHovered = Island;
            FrameCursor = TFrameCursor::HandPoint;
            return;
        }
    }
}

void TMapIslands::MouseDown(TMouseButton /*Button*/) {
    if (FHovered > 0) FSelected = FHovered;
}

// --- Drawing ------------------------------------------------------------------------

void TMapIslands::UpdateAndDraw() {
    FGlow.Update();
    for (int32_t Island = 1; Island <= IslandCount; ++Island) DrawIsland(Island);
}

void TMapIslands::DrawIsland(int32_t Island) {
    const int32_t I = Island - 1;
    const TIslandPlace& P = Places[I];
    const bool Open = FOpened[I];
    const bool IsSelected = Island == FSelected;
    const bool IsHovered = Island == FHovered;
    if (IsHovered) {
        FHoverGlow[I] = std::min(FHoverGlow[I] + HoverGlowRise, HoverGlowMax);
    } else {
        FHoverGlow[I] = std::max(FHoverGlow[I] - HoverGlowFall, 0);
    }
    if (IsSelected) {
        FNameScale[I] = std::min(FNameScale[I] + NameGrow, 1.0);
    } else {
        FNameScale[I] = std::max(FNameScale[I] - NameShrink, NameMinScale);
    }

    const int32_t X = P.Image.X, Y = P.Image.Y + GlobalShiftY;
    if (!Open) {
        DrawCampaignEx(OmgImgList, IslandImages[I], X, Y, 0, 0, 0, 255, 0, 0);
    } else {
        DrawCampaignEx(OmgImgList, IslandImages[I], X, Y, 255, 255, 255, 255, 0, 0);
        if (IsSelected) {
            const int32_t Glow = std::max(Round(FGlow.Value), 0);
            DrawCampaignEx(OmgImgList, IslandImages[I], X, Y, 255, 255, 0, Glow, 0, 2);
        }
        DrawCampaignEx(OmgImgList, IslandImages[I], X, Y, 255, 255, 0, FHoverGlow[I], 0, 2);
    }
    const int32_t NameAlpha = !Open ? 55 : (IsHovered || IsSelected) ? 255 : 200;
    const float Scale = static_cast<float>(FNameScale[I]);
    DrawCampaignSmooth(OmgImgList, "IslandNames", P.Name.X - 7, P.Name.Y - 4 + GlobalShiftY, 0.0f, 0.5f, 0.5f, Scale,
                       Scale, 255, 255, 255, NameAlpha, I);
}
