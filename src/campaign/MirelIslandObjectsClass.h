// What stands in Mirel's garden: one definition per thing the shop sells that
// has a place on the island (its image and where it goes, in drawing order),
// which of them are placed, the yellow glow that shows the player where a
// purchase has just appeared, and the few living parts of the objects (the
// castle's waving flags, the shimmering rainbow). It draws the garden's objects
// and keeps its part of the player's progress record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GameTypesClass.h"
#include "MirelIslandItemTypeClass.h"
#include "ProgressRecordClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;
class TShopItemList;

struct TGardenObjectDef {
    TMirelIslandItemType ItemType = TMirelIslandItemType::aiNone;
    uint8_t Variant = 0;  // as the shop's item: 0 for items without variants
    const char* Image = "";
    int32_t X = 0;
    int32_t Y = 0;
};

class TMirelIslandObjects : public TObject {
public:
    // Room for 50 definitions in the saved block; 41 are used.
    static constexpr int32_t MaxDefinitions = 50;
    static constexpr int32_t DefinitionCount = 41;
    // The castle flags are four flags on the castle's towers, from the definition's place.
    static constexpr int32_t CastleFlagParts = 4;
    static constexpr TPoint CastleFlagOffsets[CastleFlagParts] = {{0, 0}, {68, 0}, {-16, 21}, {84, 21}};
    // The purchase's glow: an oscillator between 0 and 190 (15 a frame each way)
    // times a factor that fades from 1 (slowly at first, fast below 0.7).
    static constexpr float GlowStep = 15.0f;
    static constexpr float GlowMax = 190.0f;
    static constexpr double FactorSlowStep = 0.0018;
    static constexpr double FactorFastStep = 0.03;
    static constexpr double FactorFastBelow = 0.7;
    static constexpr double FactorEndBelow = 0.05;

    TMirelIslandObjects();

    TOmegaImageList* OmgImgList = nullptr;

    // Definition 1 to 41 (anything else: an empty definition).
    static const TGardenObjectDef& Definition(int32_t DefIdx);
    // The definition of that shop item, or 0 when it has none.
    static int32_t DefinitionIndex(TMirelIslandItemType ItemType, uint8_t Variant);
    // The butterflies and the small fairies have no place of their own: buying them
    // lets the garden's visitors in (the main form switches them on).
    static bool IsGardenVisitor(TMirelIslandItemType ItemType);
    // The image drawn over a garden picture for a tall object ("<image>_Top"), empty for the others.
    static const std::string& TopPartName(int32_t DefIdx);

    bool Placed(int32_t DefIdx) const;
    bool IsPlaced(TMirelIslandItemType ItemType, uint8_t Variant) const;
    // A purchase: the object is placed and glows. False when the item has no definition.
    bool Place(TMirelIslandItemType ItemType, uint8_t Variant);
    // Places, without a glow, every bought item of the shop whose object is not
    // placed yet (a save from before the object existed). Returns how many.
    int32_t PlaceBoughtItems(const TShopItemList& Shop);

    // Ends any glow; what is placed stays placed.
    void Reset();
    // Once a frame: the glow fades, the flags wave, the rainbow shimmers.
    void Frame();

    bool Highlighting() const { return FHighlightIdx != 0; }
    int32_t HighlightIdx() const { return FHighlightIdx; }
    double HighlightFactor() const { return FFactor; }
    float HighlightGlow() const { return FGlow.Value; }
    // The glow's opacity: glow × factor, rounded.
    int32_t HighlightAlpha() const;
    // The pattern each castle flag shows now.
    int32_t CastleFlagPattern(int32_t Part) const;
    // The opacity of the rainbow's corner 0 to 3 (top-left, top-right, bottom-right, bottom-left).
    int32_t RainbowCornerAlpha(int32_t Corner) const;

    // The composed garden's objects: every placed definition in order, except the
    // rainbow (drawn with the animations); the castle flags waving, unless left out
    // (the garden picture is taken without them).
    void DrawStatic(bool WithCastleFlags = true) const;
    // The animated pass: the glow over the object just bought, the flags again,
    // the rainbow. The castle's riffle, the logo's shine and the pond's riffle come
    // between the flags and the rainbow.
    void DrawHighlight() const;
    void DrawCastleFlags() const;
    void DrawRainbow() const;
    // Over a garden picture: the tops of the tall objects placed (pine, palm and
    // zigzag trees, the first standing and spotted roots).
    void DrawTopParts() const;
    std::vector<std::string> PlacedTopPartNames() const;

    // The saved garden block: byte k - 1 for definition k, 0 after the last one.
    void LoadSaved(const TProgressRecord& Record);
    void StoreSaved(TProgressRecord& Record) const;

private:
    void DrawFlags(int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha, int32_t BlendMode) const;

    bool FPlaced[MaxDefinitions]{};
    int32_t FHighlightIdx = 0;
    double FFactor = 0.0;
    TValueUpDown FGlow;
    int32_t FFrameCount = 0;
};
