// The decorations of the level-selection screen, by island: a faint rainbow
// across the sky, a few of Mirel's garden plants that grow on that island, and
// the boss icon beside the island's monster level. It also knows where Mirel
// stands on each island's screen.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TLevelSelBGPlants : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;

    // The island's look; its standing point follows.
    void SetIslandKind(TIslandKind Kind);
    TIslandKind IslandKind() const { return FKind; }
    // Where the small Mirel stands (her Left and Top) on this island's screen.
    TPoint StandingPoint() const;
    // Drawn before the level dots.
    void Draw() const;

private:
    void DrawScaled(const char* Name, int32_t X, int32_t Y, float Scale) const;

    TIslandKind FKind = isTropical;
};
