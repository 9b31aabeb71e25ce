// The garden shop's catalogue: the 44 plants, buildings and living decorations
// Mirel can buy on four pages, which of them won levels have unlocked, which
// the player can afford or must wait for (a castle roof needs its base first),
// what is bought and how far that brings the garden. It keeps the list of the
// page shown, three rows at a time, tells the shop window which buy buttons to
// show, draws the rows, and keeps its part of the player's progress record.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "GameTypesClass.h"
#include "MirelIslandItemTypeClass.h"
#include "ProgressRecordClass.h"

class TOmegaFont;
class TOmegaImageList;
class TTextStrings;

// A visible slot's buy button: shown when BuyAvail and not BuyPending, enabled when BuyEnabled.
using TShopSlotButtonsEvent =
    std::function<void(TObject* Sender, int32_t SlotIdx, bool BuyAvail, bool BuyEnabled, bool BuyPending)>;
using TShopItemBoughtEvent =
    std::function<void(TObject* Sender, TMirelIslandItemType AItemType, uint8_t AGroupIdx, int32_t AItemPrice)>;

struct TShopItem {
    bool Exists = false;
    TMirelIslandItemType ItemType = TMirelIslandItemType::aiNone;
    std::string Name;     // at most 40 characters
    std::string Caption;  // at most 80 characters; empty for items without variants
    int32_t Price = 0;
    uint8_t Group = 0;    // 0: none; the variants of one item share a group
    uint8_t Variant = 0;  // 0: none, else 1 to 3
    uint8_t Points = 0;   // garden points
    bool Unlocked = false;
    bool Affordable = false;
    bool Bought = false;
    bool Waiting = false;  // a prerequisite is not bought yet
    // Lines of the shop texts the name and caption come from (0: none).
    int32_t NameLine = 0;
    int32_t CaptionLine = 0;
    // The price as the shop shows it (money format of the game's language).
    std::string PriceText;
};

class TShopItemList : public TObject {
public:
    static constexpr int32_t PageCount = 4;
    static constexpr int32_t SlotsPerPage = 16;
    static constexpr int32_t VisibleSlotCount = 3;
    static constexpr size_t MaxNameLength = 40;
    static constexpr size_t MaxCaptionLength = 80;

    TShopItemList();

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    int32_t FirstSlotLeft = 250;
    int32_t FirstSlotTop = 154;
    int32_t SlotGap = 98;
    // Raised for each of the three visible slots (1 to 3) whenever the list is
    // rebuilt or scrolled; a slot with no item reports all false.
    TShopSlotButtonsEvent OnUpdateSlotButtons;
    TShopItemBoughtEvent OnItemBought;
    // The visible list was rebuilt or scrolled (the scroll buttons and tracker follow it).
    TNotifyEvent OnListChange;

    // Copies the names, captions and the shop's other lines from TextStringsComp
    // (once it is given) and formats the prices.
    void ReadTexts();

    // The type a won level unlocks (island 1 to 5, level 1 to 30); aiNone for most levels.
    static TMirelIslandItemType UnlockedItemType(int32_t Island, int32_t Level);
    // Every item of the type becomes unlocked; the page of the last one is the page to show first.
    void Unlock(TMirelIslandItemType ItemType);
    // A won level on Island, Level: everything unlocked by the islands before it
    // (all their levels) and by its levels 1 to Level, in ascending order.
    void UnlockForLevel(int32_t Island, int32_t Level);
    // Test mode: everything every level unlocks.
    void UnlockAll();

    // The money the player has now: affordable and waiting flags recomputed, the visible list rebuilt.
    void MoneyChanged(int32_t Money);
    // Page 1 to 4 (others are taken as 1): its visible list from the top.
    void ShowPage(int32_t Page);
    // One slot up or down, within the visible list.
    void ScrollUp();
    void ScrollDown();
    // Buys the item of visible slot 1 to 3. Refused (false) when there is none,
    // or it is locked, waiting or dearer than the money; otherwise it is bought,
    // OnItemBought is raised and the list rebuilt.
    bool Buy(int32_t SlotIdx);

    bool AllBought(TMirelIslandItemType ItemType) const;
    bool AnyBought(TMirelIslandItemType ItemType) const;
    bool IsUnlocked(TMirelIslandItemType ItemType) const;
    // Whether an item of the type may be bought as far as its prerequisites go.
    bool PrerequisitesMet(TMirelIslandItemType ItemType) const;
    int32_t BoughtPoints() const;
    // The points of the whole catalogue (160).
    int32_t TotalPoints() const { return FTotalPoints; }
    // The truncated percentage of the catalogue's points bought.
    int32_t GardenPercent() const;
    // Points × 100 div Total (0 for an empty catalogue).
    static int32_t GardenPercentFor(int32_t Points, int32_t Total);

    // The page to show first when the shop opens (1 to 4).
    int32_t FirstPage() const { return FFirstPage; }
    int32_t Page() const { return FPage; }
    // The visible list of the page shown: its length, the first row shown (0-based).
    int32_t ListCount() const { return FListCount; }
    int32_t ScrollPos() const { return FScrollPos; }
    bool CanScrollUp() const { return FScrollPos > 0; }
    bool CanScrollDown() const { return FScrollPos + VisibleSlotCount < FListCount; }
    // The item shown in visible slot 1 to 3, or nullptr.
    const TShopItem* VisibleItem(int32_t SlotIdx) const;
    // Page 1 to 4, slot 1 to 16 (a slot that does not exist has Exists false).
    const TShopItem& Item(int32_t Page, int32_t Slot) const;
    // The last money told, less what was bought since.
    int32_t Money() const { return FMoney; }
    // The item bought last (already during OnItemBought), or nullptr: its variant
    // tells the garden which object to place.
    const TShopItem* LastBoughtItem() const { return FLastBought; }
    // Buying this item would complete its type (it is the last one not bought).
    bool CompletesSet(const TShopItem& Item) const;

    // The saved shop block and page byte. Unreadable page bytes open page 1; a
    // loaded list knows no money until the next MoneyChanged.
    void LoadSaved(const TProgressRecord& Record);
    void StoreSaved(TProgressRecord& Record) const;

    // The visible rows (or the empty page's notice), moved by the window's offset.
    void Draw(int32_t OffsetX = 0, int32_t OffsetY = 0) const;

    // Nothing unlocked or bought, page 1, no money.
    void Reset();

private:
    // A row of the visible list: the page and slot (1-based) of its item.
    struct TRow {
        int32_t Page = 0;
        int32_t Slot = 0;
    };
    TShopItem& At(int32_t Page, int32_t Slot) { return FItems[Page - 1][Slot - 1]; }
    void AddItem(int32_t Page, int32_t Slot, TMirelIslandItemType ItemType, int32_t NameLine, int32_t CaptionLine,
                 uint8_t Variant, uint8_t Group, int32_t Price, uint8_t Points);
    void BuildCatalogue();
    void FormatPrices();
    void RecomputeWaiting();
    void RebuildList();
    void ReportSlots();
    const std::string& ExplanationLine(TMirelIslandItemType ItemType, int32_t Which) const;
    void DrawRow(const TShopItem& Item, int32_t X, int32_t Y) const;
    void DrawEmptyPage(int32_t X, int32_t Y) const;

    TShopItem FItems[PageCount][SlotsPerPage];
    int32_t FTotalPoints = 0;
    int32_t FFirstPage = 1;
    int32_t FPage = 1;
    int32_t FMoney = 0;
    TRow FList[SlotsPerPage];
    int32_t FListCount = 0;
    int32_t FScrollPos = 0;
    const TShopItem* FLastBought = nullptr;
    // A loaded or reset list draws nothing until a page is shown.
    bool FListBuilt = false;
    // The shop's other lines, copied once: the locked price, the empty page's
    // two lines and the four pairs of waiting explanations.
    std::string FLockedText;
    std::string FEmptyPageText[2];
    std::string FWaitingText[4][2];
};
