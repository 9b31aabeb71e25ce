// The trophy cabinet's twenty trophies: each stands on its own place of the
// cabinet panel, drawn as the trophy when earned and as an empty place when
// not. The trophy under the pointer wobbles and glows, and the cabinet tells
// its owner when the pointed trophy changes, so that the tool tip can explain it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "GameTypesClass.h"

class TOmegaImageList;
struct TProgressRecord;

using TTrophySelectionChangeEvent = std::function<void(TObject* Sender, int32_t ATrophyIdx)>;

// A trophy's place: its top-left relative to the cabinet panel (a place is
// PlaceSize pixels square) and the scale its trophy is drawn at.
struct TTrophyPlace {
    int32_t X = 0;
    int32_t Y = 0;
    double Scale = 1.0;
};
// The place of trophy 1..20 (anything else gets place 1).
const TTrophyPlace& TrophyPlace(int32_t TrophyIdx);

class TTrophies : public TObject {
public:
    static constexpr int32_t PlaceSize = 100;
    // The hit box leaves out this much of the trophy's pattern (its transparent rim).
    static constexpr int32_t HitMargin = 28;
    // Pattern of "Trophies" drawn for a trophy not earned yet.
    static constexpr int32_t EmptyPlacePattern = 20;
    static constexpr double MaxWobble = 5.0;       // degrees either way
    static constexpr double WobbleStep = 0.4;      // degrees a frame
    static constexpr double WobbleCalmStep = 0.1;  // the swing's narrowing a frame once the pointer left
    static constexpr int32_t MaxGlow = 100;
    static constexpr int32_t GlowRiseStep = 25;
    static constexpr int32_t GlowFallStep = 9;

    TOmegaImageList* OmgImgList = nullptr;
    // The size of a trophy's pattern (from the "Trophies" image in InitImages).
    int32_t TrophyOrigWidth = 100;
    int32_t TrophyOrigHeight = 100;
    // Which trophies the player has earned, trophy t at [t - 1].
    std::array<bool, TrophyCount> Earned{};
    TTrophySelectionChangeEvent OnSelectionChange;

    void InitImages();
    // The earned trophies as the player's progress keeps them (any non-zero byte is earned).
    void LoadEarned(const TProgressRecord& Record);
    // Nothing pointed at, every trophy still and without glow; the pointer is
    // forgotten until it moves again. Nothing is raised.
    void Prepare();
    // The cabinet panel's top-left on the screen (the owner's panel mover
    // reports it every frame). A still pointer is tested again when the panel moves.
    void SetPanelPos(TPoint APos);
    // The wobbles and glows move one frame on; the trophies are drawn when there are images.
    void UpdateAndDraw();
    void MouseMove(int32_t X, int32_t Y);

    // The trophy whose hit box holds the screen point (the higher number where
    // two boxes overlap), 0 for none.
    int32_t HitTest(int32_t X, int32_t Y) const;
    int32_t HoveredIdx() const { return FHovered; }
    // The centre of trophy 1..20's place on the screen, and its scale.
    TPoint PlaceCentre(int32_t TrophyIdx) const;
    double PlaceScale(int32_t TrophyIdx) const { return TrophyPlace(TrophyIdx).Scale; }
    // An earned trophy picked by the cosmetic stream (for the cabinet's shine); 0 when none is earned.
    int32_t RandomEarnedIdx() const;
    TPoint PanelPos() const { return FPanelPos; }
    double WobbleAngle(int32_t TrophyIdx) const;
    int32_t GlowAlpha(int32_t TrophyIdx) const;

private:
    struct TMotion {
        double Angle = 0.0;
        double Limit = 0.0;  // the swing's current reach, MaxWobble while pointed at
        int8_t Dir = 1;
        int32_t Glow = 0;
    };
    void TestHover();
    void Draw();

    TPoint FPanelPos;
    TPoint FMouse;
    bool FMouseKnown = false;
    int32_t FHovered = 0;
    std::array<TMotion, TrophyCount> FMotions{};
};
