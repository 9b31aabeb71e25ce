// The announcement of a new garden item after a won round: when a level
// unlocks a plant, building or decoration for Mirel's garden the first time,
// a panel with a title, a line of description, the item itself glowing and its
// shop name rises into view, pops its pieces one after the other, rests a
// few seconds (a press sends it off sooner) and flies out at the top. It keeps
// which levels have announced their item, with the player's progress.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "GameTypesClass.h"
#include "GeneralRoutinesClass.h"
#include "MirelIslandItemTypeClass.h"
#include "ProgressRecordClass.h"
#include "SpritePopperClass.h"

class TOmegaFont;
class TOmegaImageList;
class TTextStrings;

// The item type that completing a level unlocks (islands 1 to 5, levels 1 to
// 30); aiNone for a level that unlocks nothing, or outside those ranges.
TMirelIslandItemType ItemUnlockedByLevel(int32_t Island, int32_t Level);
// The shop items' line with the item's name (0 for aiNone).
int32_t ShopItemNameLine(TMirelIslandItemType AItemType);

// How the announcement shows an item: the garden image, its top-left in the panel and its scale.
struct TPlantAnnouncerItem {
    const char* Image = "";
    int32_t X = 0;
    int32_t Y = 0;
    double Scale = 1.0;
};
const TPlantAnnouncerItem& PlantAnnouncerItem(TMirelIslandItemType AItemType);

using TPlantAnnouncedEvent = std::function<void(TObject* Sender, TMirelIslandItemType AItemType)>;

class TPlantAnnouncer : public TObject {
public:
    enum TPhase : uint8_t { paHidden = 0, paRising = 1, paShowing = 2, paLeaving = 3 };
    static constexpr int32_t RestLeft = 152;
    static constexpr int32_t RestTop = 55;
    // Delays of the title's, description's and item's pops, counted from the panel's rest.
    static constexpr int32_t TitlePopDelay = 1 * FrameStep;
    static constexpr int32_t DescPopDelay = 7 * FrameStep;
    static constexpr int32_t ItemPopDelay = 14 * FrameStep;
    // The shop name is centred in this field of the panel.
    static constexpr int32_t NameLeft = 89;
    static constexpr int32_t NameWidth = 316;
    static constexpr int32_t NameTop = 314;

    TPlantAnnouncer();

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;  // the medium screen font, for the shop name
    const TTextStrings* TextStringsComp = nullptr;
    bool Visible = true;
    // The panel leaves by itself after ShowingTime at rest; without it only a hide request sends it off.
    bool AutoHiding = true;
    int32_t ShowingTime = 3000;  // ms
    int32_t OrigMoveStep = 10;
    int32_t ShadowHeight = 160;  // from "ObjInfoShadow" (InitImages)
    TPlantAnnouncedEvent OnPlantAnnounced;
    TNotifyEvent OnStartHiding;
    TNotifyEvent OnHidingComplete;

    void InitImages();
    // Put away at once, nothing raised.
    void Reset();
    // Announces what the level unlocks, the first time only. False when there is
    // nothing to announce (no item, or announced before): the caller goes on at once.
    bool Announce(int32_t Island, int32_t Level);
    // A press: at rest the panel leaves now; while it rises nothing happens.
    void RequestHide();
    void UpdateAndDraw();

    bool IsAnnounced(int32_t Island, int32_t Level) const;
    void LoadSaved(const TProgressRecord& Record);
    void StoreSaved(TProgressRecord& Record) const;

    TPhase Phase() const { return FPhase; }
    bool Active() const { return FPhase != paHidden; }
    TMirelIslandItemType ItemType() const { return FItemType; }
    TFloatPoint Position() const { return FPos; }
    double Opacity() const { return FOpacity; }
    double Scale() const { return FScale; }
    int32_t ShownTime() const { return FTimer; }
    const std::string& ItemName() const { return FName; }
    TSpritePopper& TitlePopper() { return FTitlePopper; }
    TSpritePopper& DescPopper() { return FDescPopper; }
    TSpritePopper& ItemPopper() { return FItemPopper; }
    // The opacity (0..255) a piece is drawn with: capped at MaxBeforePop until its pop has begun.
    int32_t PieceAlpha(const TSpritePopper& Popper, double MaxBeforePop) const;

private:
    void Start(TMirelIslandItemType AItemType);
    void Rise();
    void Leave();
    void RestartPops();
    void Draw();
    void DrawPiece(const char* Image, int32_t X, int32_t Y, const TSpritePopper& Popper, double MaxBeforePop);
    void DrawItem(int32_t X, int32_t Y);
    void DrawName(int32_t X, int32_t Y);

    bool FAnnounced[ProgressIslandCount][ProgressLevelsPerIsland] = {};
    TPhase FPhase = paHidden;
    TMirelIslandItemType FItemType = TMirelIslandItemType::aiNone;
    std::string FName;
    int32_t FNameWidth = 0;
    TFloatPoint FPos{RestLeft, 600};
    double FSpeed = 10.0;
    double FOpacity = 0.0;
    double FScale = 0.0;
    int32_t FTimer = 0;
    TSpritePopper FTitlePopper;
    TSpritePopper FDescPopper;
    TSpritePopper FItemPopper;
};
