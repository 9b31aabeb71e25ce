// The map of the islands: five level islands and Mirel's garden island on the
// sea. It remembers which islands are open, entered and announced, which one
// is selected and which one the player entered last; it draws the islands
// (closed ones as black silhouettes, the selected one glowing) with their
// names, takes the pointer, and finds the news of islands just opened.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"
#include "ProgressRecordClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;
class TTextStrings;

class TMapIslands : public TObject {
public:
    static constexpr int32_t IslandCount = 6;      // island 6 is Mirel's garden
    static constexpr int32_t LevelIslandCount = 5;

    TMapIslands();

    TOmegaImageList* OmgImgList = nullptr;
    TTextStrings* TextStringsComp = nullptr;
    // Added to every vertical map coordinate: the islands, their names, their hit
    // rectangles and the arrow points (not the title).
    int32_t GlobalShiftY = -65;

    // The selected island (1 to 6) and the hovered one (0: none).
    int32_t Selected() const { return FSelected; }
    int32_t Hovered() const { return FHovered; }
    bool Opened(int32_t Island) const;
    bool Entered(int32_t Island) const;
    bool Announced(int32_t Island) const;
    int32_t LastEntered() const { return FLastEntered; }

    // The highest open island among 1 to min(N, 5) becomes the selected one (island 1
    // when none of them is open). The garden island is always open and never counts.
    void SelectHighestOpenIslandNotAbove(int32_t N);
    void SelectHighestOpenIsland() { SelectHighestOpenIslandNotAbove(LevelIslandCount); }
    // Selects any island 1 to 6, open or not (the island the player entered last).
    void Select(int32_t Island);
    void OpenIsland(int32_t Island);
    // The player goes into the selected island: it is entered and remembered.
    void MarkSelectedEntered();
    // Every open island that was neither entered nor announced is announced now; the
    // news of the highest of them (the game texts' line 11 + island), or "" for none.
    std::string AnnouncementText();
    TIslandKind SelectedIslandKind() const;
    TMonsterKind SelectedMonsterKind() const;
    void SetCompletionPercentages(const int32_t (&Percentages)[LevelIslandCount]);
    int32_t CompletionPercentage(int32_t Island) const;

    // The saved flags. A last entered island outside 1 to 5 reads as island 1; a flag
    // byte is set when it is not 0; the garden island is open whatever the file says.
    void LoadSaved(const TProgressRecord& Record);
    void StoreSaved(TProgressRecord& Record) const;

    // Closed islands are never hovered. The hovered island shows the pointing hand;
    // any button selects it.
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(TMouseButton Button);
    // Once a frame on the map: the glows, the islands and their names.
    void UpdateAndDraw();

    // Where the arrow points at island 1 to 6, with the shift.
    TPoint ArrowPoint(int32_t Island) const;
    int32_t HoverGlow(int32_t Island) const { return FHoverGlow[Island - 1]; }
    double NameScale(int32_t Island) const { return FNameScale[Island - 1]; }

private:
    void DrawIsland(int32_t Island);

    int32_t FSelected = 1;
    int32_t FHovered = 0;
    bool FOpened[IslandCount] = {true, false, false, false, false, true};
    bool FEntered[LevelIslandCount]{};
    bool FAnnounced[LevelIslandCount]{};
    int32_t FLastEntered = 1;
    int32_t FPercentages[LevelIslandCount]{};
    TValueUpDown FGlow;
    int32_t FHoverGlow[IslandCount]{};
    double FNameScale[IslandCount] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
};
