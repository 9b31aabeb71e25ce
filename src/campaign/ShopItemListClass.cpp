#include "ShopItemListClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "TextStringsClass.h"

using enum TMirelIslandItemType;

namespace {
// Where the parts of a row sit, from the row's top-left corner (the first row's is
// (FirstSlotLeft, FirstSlotTop), the next ones SlotGap lower); the texts keep left of
// the buy button at + 238.
constexpr TPoint IconAt{9, 13};
constexpr TPoint NameAt{88, 10};
constexpr TPoint AsteriskAt{88, 37};
constexpr TPoint CaptionAt{108, 36};
constexpr TPoint PriceAt{88, 62};
// A waiting item's two lines of explanation take the caption's and the price's place.
constexpr TPoint ExplanationAt{88, 36};
constexpr int32_t ExplanationLineGap = 18;
// The empty page's notice beside its icon.
constexpr TPoint EmptyTextAt{88, 24};
constexpr int32_t EmptyTextLineGap = 20;
// The text's drop shadow: one pixel right and down, black at this opacity.
constexpr int32_t TextShadowAlpha = 130;

// "BuySlotIconMask" over the item's icon.
constexpr int32_t MaskCanBuy = 0;
constexpr int32_t MaskTooDear = 1;
constexpr int32_t MaskWaiting = 2;
constexpr int32_t MaskLocked = 3;
// "BuySlotIcons" pattern of a page with nothing left to buy.
constexpr int32_t EmptyPageIcon = 29;

// The shop texts' lines.
constexpr int32_t LockedPriceLine = 31;
constexpr int32_t EmptyPageLine = 33;
constexpr int32_t RoofAndBridgeWaitLine = 36;
constexpr int32_t TowerWaitLine = 39;
constexpr int32_t LogoAndFlagsWaitLine = 42;
constexpr int32_t FairiesWaitLine = 45;
constexpr int32_t TwoVariantCaptionLine = 48;    // 48, 49
constexpr int32_t ThreeVariantCaptionLine = 51;  // 51, 52, 53
constexpr int32_t FacedOakCaptionLine = 55;

const std::string NoText;

// The level of each island that unlocks a type (island, level, type).
struct TUnlockEntry {
    int8_t Island;
    int8_t Level;
    TMirelIslandItemType ItemType;
};
constexpr TUnlockEntry UnlockTable[] = {
    {1, 1, aiCastleBase},  {1, 2, aiSunFlowers},       {1, 3, aiCastleRoof},      {1, 4, aiRedFlowers},
    {1, 5, aiFacedOakTree}, {1, 6, aiCastleTower},     {1, 7, aiBlueButterflies}, {1, 8, aiBridgePath},
    {1, 9, aiStone},        {1, 10, aiPond},           {1, 11, aiCastleLogo},     {1, 12, aiCastleFlags},
    {1, 13, aiSakuraTree},  {1, 14, aiPinkButterflies},
    {2, 1, aiBerryBush},    {2, 2, aiYellowBush},      {2, 4, aiBonsai},          {2, 7, aiPinkFurballs},
    {2, 11, aiBalloonCactus}, {2, 16, aiBigTree},
    {3, 3, aiAppleTree},    {3, 8, aiSmallFairies},    {3, 15, aiPineTree},
    {4, 5, aiPalmTree},     {4, 11, aiMushroom},       {4, 19, aiStandingRoot},
    {5, 7, aiRainbow},      {5, 13, aiZigzagTree},     {5, 21, aiSpottedRoot},
};

std::string Cut(const std::string& Text, size_t Length) { return Text.substr(0, std::min(Text.size(), Length)); }
}  // namespace

TShopItemList::TShopItemList() {
    BuildCatalogue();
    FormatPrices();
    RecomputeWaiting();
}

void TShopItemList::AddItem(int32_t Page, int32_t Slot, TMirelIslandItemType ItemType, int32_t NameLine,
                            int32_t CaptionLine, uint8_t Variant, uint8_t Group, int32_t Price, uint8_t Points) {
    TShopItem& Item = At(Page, Slot);
    Item.Exists = true;
    Item.ItemType = ItemType;
    Item.NameLine = NameLine;
    Item.CaptionLine = CaptionLine;
    Item.Variant = Variant;
    Item.Group = Group;
    Item.Price = Price;
    Item.Points = Points;
    FTotalPoints += Points;
}

void TShopItemList::BuildCatalogue() {
    FTotalPoints = 0;
    // An item in two or three variants fills that many slots from First, sharing a group.
    auto AddVariants = [this](int32_t Page, int32_t First, int32_t Count, TMirelIslandItemType ItemType,
                              int32_t NameLine, uint8_t Group, int32_t Price, uint8_t Points) {
        const int32_t CaptionLine = Count == 3 ? ThreeVariantCaptionLine : TwoVariantCaptionLine;
        for (int32_t V = 1; V <= Count; ++V) {
            AddItem(Page, First + V - 1, ItemType, NameLine, CaptionLine + V - 1, static_cast<uint8_t>(V), Group,
                    Price, Points);
        }
    };
    AddVariants(1, 1, 2, aiSakuraTree, 1, 3, 650, 4);
    AddVariants(1, 3, 2, aiBerryBush, 2, 6, 450, 3);
    AddVariants(1, 5, 2, aiYellowBush, 3, 7, 500, 3);
    AddVariants(1, 7, 2, aiBigTree, 4, 5, 5000, 4);
    AddVariants(1, 9, 2, aiAppleTree, 5, 4, 1500, 3);
    AddVariants(1, 11, 2, aiPineTree, 6, 1, 3500, 3);
    AddVariants(1, 13, 2, aiPalmTree, 7, 2, 2500, 3);

    AddItem(2, 1, aiSunFlowers, 8, 0, 0, 0, 850, 5);
    AddItem(2, 2, aiRedFlowers, 9, 0, 0, 0, 1000, 4);
    AddItem(2, 3, aiFacedOakTree, 10, FacedOakCaptionLine, 0, 0, 1250, 8);
    AddVariants(2, 4, 2, aiBonsai, 11, 11, 1100, 2);
    AddItem(2, 6, aiPinkFurballs, 12, 0, 0, 0, 3000, 5);
    AddItem(2, 7, aiBalloonCactus, 13, 0, 0, 0, 4000, 5);
    AddVariants(2, 8, 2, aiMushroom, 14, 12, 3000, 2);
    AddVariants(2, 10, 3, aiStandingRoot, 15, 8, 2650, 4);
    AddVariants(2, 13, 2, aiZigzagTree, 16, 9, 3000, 4);
    AddVariants(2, 15, 2, aiSpottedRoot, 17, 10, 4000, 4);

    AddItem(3, 1, aiCastleBase, 18, 0, 0, 0, 900, 3);
    AddItem(3, 2, aiCastleRoof, 19, 0, 0, 0, 750, 3);
    AddVariants(3, 3, 2, aiCastleTower, 20, 13, 500, 3);
    AddItem(3, 5, aiBridgePath, 21, 0, 0, 0, 1050, 4);
    AddVariants(3, 6, 2, aiStone, 22, 14, 400, 2);
    AddItem(3, 8, aiPond, 23, 0, 0, 0, 1250, 5);
    AddItem(3, 9, aiCastleLogo, 24, 0, 0, 0, 850, 3);
    AddItem(3, 10, aiCastleFlags, 25, 0, 0, 0, 750, 3);

    AddItem(4, 1, aiBlueButterflies, 26, 0, 0, 0, 950, 4);
    AddItem(4, 2, aiPinkButterflies, 27, 0, 0, 0, 1000, 4);
    AddItem(4, 3, aiSmallFairies, 28, 0, 0, 0, 5000, 6);
    AddItem(4, 4, aiRainbow, 29, 0, 0, 0, 7000, 6);
}

void TShopItemList::FormatPrices() {
    for (auto& Page : FItems) {
        for (TShopItem& Item : Page) {
            if (Item.Exists) Item.PriceText = MoneyToStr(Item.Price);
        }
    }
}

void TShopItemList::ReadTexts() {
    FormatPrices();
    if (!TextStringsComp) return;
    const TTextStrings& Texts = *TextStringsComp;
    for (auto& Page : FItems) {
        for (TShopItem& Item : Page) {
            if (!Item.Exists) continue;
            Item.Name = Cut(Texts.ShopItems(Item.NameLine), MaxNameLength);
            Item.Caption = Item.CaptionLine > 0 ? Cut(Texts.ShopItems(Item.CaptionLine), MaxCaptionLength) : "";
        }
    }
    FLockedText = Texts.ShopItems(LockedPriceLine);
    FEmptyPageText[0] = Texts.ShopItems(EmptyPageLine);
    FEmptyPageText[1] = Texts.ShopItems(EmptyPageLine + 1);
    const int32_t WaitLines[4] = {RoofAndBridgeWaitLine, TowerWaitLine, LogoAndFlagsWaitLine, FairiesWaitLine};
    for (int32_t I = 0; I < 4; ++I) {
        FWaitingText[I][0] = Texts.ShopItems(WaitLines[I]);
        FWaitingText[I][1] = Texts.ShopItems(WaitLines[I] + 1);
    }
}

TMirelIslandItemType TShopItemList::UnlockedItemType(int32_t Island, int32_t Level) {
    for (const TUnlockEntry& Entry : UnlockTable) {
        if (Entry.Island == Island && Entry.Level == Level) return Entry.ItemType;
    }
    return aiNone;
}

void TShopItemList::Unlock(TMirelIslandItemType ItemType) {
    if (ItemType == aiNone) return;
    for (int32_t P = 1; P <= PageCount; ++P) {
        for (int32_t S = 1; S <= SlotsPerPage; ++S) {
            TShopItem& Item = At(P, S);
            if (!Item.Exists || Item.ItemType != ItemType) continue;
            Item.Unlocked = true;
            FFirstPage = P;
        }
    }
}

void TShopItemList::UnlockForLevel(int32_t Island, int32_t Level) {
    const int32_t LastIsland = std::min(Island, ProgressIslandCount);
    for (int32_t I = 1; I <= LastIsland; ++I) {
        const int32_t LastLevel = I < Island ? ProgressLevelsPerIsland : std::min(Level, ProgressLevelsPerIsland);
        for (int32_t L = 1; L <= LastLevel; ++L) Unlock(UnlockedItemType(I, L));
    }
}

void TShopItemList::UnlockAll() { UnlockForLevel(ProgressIslandCount, ProgressLevelsPerIsland); }

bool TShopItemList::PrerequisitesMet(TMirelIslandItemType ItemType) const {
    switch (ItemType) {
        case aiCastleRoof:
        case aiBridgePath: return AllBought(aiCastleBase);
        case aiCastleTower: return AllBought(aiCastleRoof);
        case aiCastleLogo:
        case aiCastleFlags: return AllBought(aiCastleBase) && AllBought(aiCastleRoof) && AllBought(aiCastleTower);
        case aiSmallFairies: return AllBought(aiFacedOakTree);
        default: return true;
    }
}

void TShopItemList::RecomputeWaiting() {
    for (auto& Page : FItems) {
        for (TShopItem& Item : Page) {
            if (Item.Exists) Item.Waiting = !PrerequisitesMet(Item.ItemType);
        }
    }
}

void TShopItemList::MoneyChanged(int32_t Money) {
    FMoney = Money;
    for (auto& Page : FItems) {
        for (TShopItem& Item : Page) {
            if (Item.Exists) Item.Affordable = Money >= Item.Price;
        }
    }
    RecomputeWaiting();
    RebuildList();
}

void TShopItemList::ShowPage(int32_t Page) {
    FPage = Page >= 1 && Page <= PageCount ? Page : 1;
    RebuildList();
}

void TShopItemList::RebuildList() {
    FListCount = 0;
    FScrollPos = 0;
    FListBuilt = true;
    for (int32_t S = 1; S <= SlotsPerPage; ++S) {
        const TShopItem& Item = At(FPage, S);
        if (!Item.Exists || Item.Bought) continue;
        // Of an item's variants only the first one not yet bought is offered.
        bool Shadowed = false;
        if (Item.Group != 0) {
            for (int32_t Earlier = 1; Earlier < S && !Shadowed; ++Earlier) {
                const TShopItem& Other = At(FPage, Earlier);
                Shadowed = Other.Exists && !Other.Bought && Other.Group == Item.Group;
            }
        }
        if (Shadowed) continue;
        FList[FListCount++] = TRow{FPage, S};
    }
    ReportSlots();
    if (OnListChange) OnListChange(this);
}

void TShopItemList::ReportSlots() {
    if (!OnUpdateSlotButtons) return;
    for (int32_t K = 1; K <= VisibleSlotCount; ++K) {
        const TShopItem* Item = VisibleItem(K);
        if (Item) {
            OnUpdateSlotButtons(this, K, Item->Unlocked, Item->Affordable, Item->Waiting);
        } else {
            OnUpdateSlotButtons(this, K, false, false, false);
        }
    }
}

void TShopItemList::ScrollUp() {
    if (!CanScrollUp()) return;
    --FScrollPos;
    ReportSlots();
    if (OnListChange) OnListChange(this);
}

void TShopItemList::ScrollDown() {
    if (!CanScrollDown()) return;
    ++FScrollPos;
    ReportSlots();
    if (OnListChange) OnListChange(this);
}

const TShopItem* TShopItemList::VisibleItem(int32_t SlotIdx) const {
    if (SlotIdx < 1 || SlotIdx > VisibleSlotCount) return nullptr;
    const int32_t Row = FScrollPos + SlotIdx - 1;
    if (Row >= FListCount) return nullptr;
    return &FItems[FList[Row].Page - 1][FList[Row].Slot - 1];
}

const TShopItem& TShopItemList::Item(int32_t Page, int32_t Slot) const {
    static const TShopItem NoItem;
    if (Page < 1 || Page > PageCount || Slot < 1 || Slot > SlotsPerPage) return NoItem;
    return FItems[Page - 1][Slot - 1];
}

bool TShopItemList::Buy(int32_t SlotIdx) {
    const TShopItem* Shown = VisibleItem(SlotIdx);
    if (!Shown) return false;
    // The flags could be older than the last purchase, so the prerequisites and the
    // price are checked afresh too: a stale button must never give an item away.
    if (!Shown->Unlocked || Shown->Waiting || !PrerequisitesMet(Shown->ItemType)) return false;
    if (!Shown->Affordable || Shown->Price > FMoney) return false;
    const TRow Row = FList[FScrollPos + SlotIdx - 1];
    TShopItem& Item = At(Row.Page, Row.Slot);
    Item.Bought = true;
    FLastBought = &Item;
    // Until the owner tells the new total, the shop counts the price as spent.
    FMoney -= Item.Price;
    if (OnItemBought) OnItemBought(this, Item.ItemType, Item.Group, Item.Price);
    RebuildList();
    return true;
}

bool TShopItemList::AllBought(TMirelIslandItemType ItemType) const {
    bool Any = false;
    for (const auto& Page : FItems) {
        for (const TShopItem& Item : Page) {
            if (!Item.Exists || Item.ItemType != ItemType) continue;
            if (!Item.Bought) return false;
            Any = true;
        }
    }
    return Any;
}

bool TShopItemList::AnyBought(TMirelIslandItemType ItemType) const {
    for (const auto& Page : FItems) {
        for (const TShopItem& Item : Page) {
            if (Item.Exists && Item.ItemType == ItemType && Item.Bought) return true;
        }
    }
    return false;
}

bool TShopItemList::IsUnlocked(TMirelIslandItemType ItemType) const {
    for (const auto& Page : FItems) {
        for (const TShopItem& Item : Page) {
            if (Item.Exists && Item.ItemType == ItemType && Item.Unlocked) return true;
        }
    }
    return false;
}

bool TShopItemList::CompletesSet(const TShopItem& Item) const {
    for (const auto& Page : FItems) {
        for (const TShopItem& Other : Page) {
            if (&Other != &Item && Other.Exists && Other.ItemType == Item.ItemType && !Other.Bought) return false;
        }
    }
    return true;
}

int32_t TShopItemList::BoughtPoints() const {
    int32_t Points = 0;
    for (const auto& Page : FItems) {
        for (const TShopItem& Item : Page) {
            if (Item.Exists && Item.Bought) Points += Item.Points;
        }
    }
    return Points;
}

int32_t TShopItemList::GardenPercent() const { return GardenPercentFor(BoughtPoints(), FTotalPoints); }

int32_t TShopItemList::GardenPercentFor(int32_t Points, int32_t Total) {
    if (Total <= 0) return 0;
    return Points * 100 / Total;
}

void TShopItemList::LoadSaved(const TProgressRecord& Record) {
    for (int32_t P = 1; P <= PageCount; ++P) {
        for (int32_t S = 1; S <= SlotsPerPage; ++S) {
            TShopItem& Item = At(P, S);
            if (!Item.Exists) continue;
            const size_t Idx = static_cast<size_t>(((P - 1) * SlotsPerPage + (S - 1)) * 2);
            Item.Unlocked = Record.ShopBlock[Idx] != 0;
            Item.Bought = Record.ShopBlock[Idx + 1] != 0;
            Item.Affordable = false;
        }
    }
    FFirstPage = Record.ShopPage >= 1 && Record.ShopPage <= PageCount ? Record.ShopPage : 1;
    FPage = FFirstPage;
    FMoney = 0;
    FListCount = 0;
    FScrollPos = 0;
    FListBuilt = false;
    FLastBought = nullptr;
    RecomputeWaiting();
}

void TShopItemList::StoreSaved(TProgressRecord& Record) const {
    for (int32_t P = 1; P <= PageCount; ++P) {
        for (int32_t S = 1; S <= SlotsPerPage; ++S) {
            const TShopItem& Item = FItems[P - 1][S - 1];
            const size_t Idx = static_cast<size_t>(((P - 1) * SlotsPerPage + (S - 1)) * 2);
            Record.ShopBlock[Idx] = Item.Exists && Item.Unlocked ? 1 : 0;
            Record.ShopBlock[Idx + 1] = Item.Exists && Item.Bought ? 1 : 0;
        }
    }
    Record.ShopPage = static_cast<uint8_t>(FFirstPage);
}

void TShopItemList::Reset() {
    for (auto& Page : FItems) {
        for (TShopItem& Item : Page) {
            Item.Unlocked = false;
            Item.Bought = false;
            Item.Affordable = false;
        }
    }
    FFirstPage = 1;
    FPage = 1;
    FMoney = 0;
    FListCount = 0;
    FScrollPos = 0;
    FListBuilt = false;
    FLastBought = nullptr;
    RecomputeWaiting();
}

const std::string& TShopItemList::ExplanationLine(TMirelIslandItemType ItemType, int32_t Which) const {
    switch (ItemType) {
        case aiCastleRoof:
        case aiBridgePath: return FWaitingText[0][Which];
        case aiCastleTower: return FWaitingText[1][Which];
        case aiCastleLogo:
        case aiCastleFlags: return FWaitingText[2][Which];
        case aiSmallFairies: return FWaitingText[3][Which];
        default: return NoText;
    }
}

namespace {
// The rows' texts are white over a soft black copy.
void ShadowedText(TOmegaFont* Font, int32_t X, int32_t Y, const std::string& Text) {
    if (!Font || Text.empty()) return;
    Font->TextOut(X + 1, Y + 1, Text, 0, 0, 0, TextShadowAlpha);
    Font->TextOut(X, Y, Text, 255, 255, 255, 255);
}

void DrawPattern(TOmegaImageList* List, const char* Name, int32_t X, int32_t Y, int32_t Pattern) {
    if (TImageListItem* Image = EffectImage(List, Name)) Image->Draw(X, Y, Pattern);
}
}  // namespace

void TShopItemList::DrawRow(const TShopItem& Item, int32_t X, int32_t Y) const {
    int32_t Mask = MaskCanBuy;
    if (!Item.Unlocked) {
        Mask = MaskLocked;
    } else if (Item.Waiting) {
        Mask = MaskWaiting;
    } else if (!Item.Affordable) {
        Mask = MaskTooDear;
    }
    DrawPattern(OmgImgList, "BuySlotIcons", X + IconAt.X, Y + IconAt.Y, static_cast<int32_t>(Item.ItemType) - 1);
    DrawPattern(OmgImgList, "BuySlotIconMask", X + IconAt.X, Y + IconAt.Y, Mask);
    ShadowedText(OmgFont, X + NameAt.X, Y + NameAt.Y, Item.Name);
    if (Mask == MaskWaiting) {
        // What to buy first, in place of the caption and the price.
        ShadowedText(OmgFont, X + ExplanationAt.X, Y + ExplanationAt.Y, ExplanationLine(Item.ItemType, 0));
        ShadowedText(OmgFont, X + ExplanationAt.X, Y + ExplanationAt.Y + ExplanationLineGap,
                     ExplanationLine(Item.ItemType, 1));
        return;
    }
    if (!Item.Caption.empty()) {
        DrawPattern(OmgImgList, "BuyWindowAsterisk", X + AsteriskAt.X, Y + AsteriskAt.Y, CompletesSet(Item) ? 1 : 0);
        ShadowedText(OmgFont, X + CaptionAt.X, Y + CaptionAt.Y, Item.Caption);
    }
    ShadowedText(OmgFont, X + PriceAt.X, Y + PriceAt.Y, Item.Unlocked ? Item.PriceText : FLockedText);
}

void TShopItemList::DrawEmptyPage(int32_t X, int32_t Y) const {
    DrawPattern(OmgImgList, "BuySlotIcons", X + IconAt.X, Y + IconAt.Y, EmptyPageIcon);
    ShadowedText(OmgFont, X + EmptyTextAt.X, Y + EmptyTextAt.Y, FEmptyPageText[0]);
    ShadowedText(OmgFont, X + EmptyTextAt.X, Y + EmptyTextAt.Y + EmptyTextLineGap, FEmptyPageText[1]);
}

void TShopItemList::Draw(int32_t OffsetX, int32_t OffsetY) const {
    const int32_t X = FirstSlotLeft + OffsetX;
    const int32_t Y = FirstSlotTop + OffsetY;
    if (!FListBuilt) return;
    if (FListCount == 0) {
        DrawEmptyPage(X, Y);
        return;
    }
    for (int32_t K = 1; K <= VisibleSlotCount; ++K) {
        if (const TShopItem* Item = VisibleItem(K)) DrawRow(*Item, X, Y + (K - 1) * SlotGap);
    }
}
