// The garden shop: the catalogue and its totals, unlocking by won levels, the
// visible list (one variant of an item at a time, three rows, scrolling), the
// buy buttons each slot asks for, buying and its refusals, the prerequisites of
// the castle and the fairies, the garden percentage, and the saved shop block.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "LevelFileClass.h"
#include "PlantAnnouncerClass.h"
#include "ShopItemListClass.h"
#include "TestDriverClass.h"
#include "TextStringsClass.h"

using enum TMirelIslandItemType;

namespace {

// aiNone and the 29 kinds of item.
constexpr int32_t MirelIslandItemTypeCount = 30;
int32_t Ordinal(TMirelIslandItemType Type) { return static_cast<int32_t>(Type); }

const TTextStrings& GameTexts() {
    static TTextStrings Texts(TTestDriver::DefaultGameFolder() + "/Texts/");
    return Texts;
}

// The offset in the progress file of page P, slot S's unlocked byte (the bought byte follows).
size_t ShopByteAt(int32_t Page, int32_t Slot) { return 1207 + static_cast<size_t>(((Page - 1) * 16 + Slot - 1) * 2); }

struct TSlotReport {
    bool Avail = false, Enabled = false, Pending = false;
    int32_t Count = 0;
};

// A shop as the garden scene uses it: a purchase takes its price from the money
// and tells the shop the new total, as the round's handler does.
struct ShopItemList : ::testing::Test {
    TShopItemList Shop;
    int32_t Money = 0;
    TSlotReport Slots[4];
    struct TBought {
        TMirelIslandItemType Type;
        uint8_t Group;
        int32_t Price;
    };
    std::vector<TBought> Bought;
    int32_t ListChanges = 0;

    void SetUp() override {
        Shop.TextStringsComp = &GameTexts();
        Shop.ReadTexts();
        Shop.OnUpdateSlotButtons = [this](TObject* Sender, int32_t SlotIdx, bool Avail, bool Enabled, bool Pending) {
            EXPECT_EQ(Sender, &Shop);
            ASSERT_GE(SlotIdx, 1);
            ASSERT_LE(SlotIdx, 3);
            Slots[SlotIdx] = TSlotReport{Avail, Enabled, Pending, Slots[SlotIdx].Count + 1};
        };
        Shop.OnItemBought = [this](TObject* Sender, TMirelIslandItemType Type, uint8_t Group, int32_t Price) {
            EXPECT_EQ(Sender, &Shop);
            Bought.push_back({Type, Group, Price});
            Money -= Price;
            Shop.MoneyChanged(Money);
        };
        Shop.OnListChange = [this](TObject*) { ++ListChanges; };
    }
    void GiveMoney(int32_t Amount) {
        Money = Amount;
        Shop.MoneyChanged(Money);
    }
    TMirelIslandItemType Shown(int32_t SlotIdx) const {
        const TShopItem* Item = Shop.VisibleItem(SlotIdx);
        return Item ? Item->ItemType : aiNone;
    }
    // Scrolls until the type is in a visible slot; returns the slot (0: not listed).
    int32_t ScrollTo(TMirelIslandItemType Type) {
        for (int32_t Guard = 0; Guard < 16; ++Guard) {
            for (int32_t K = 1; K <= 3; ++K) {
                if (Shown(K) == Type) return K;
            }
            if (!Shop.CanScrollDown()) return 0;
            Shop.ScrollDown();
        }
        return 0;
    }
};

TEST_F(ShopItemList, TheCatalogueHolds44ItemsOf160PointsFor89750Coins) {
    int32_t Items = 0, Points = 0, Prices = 0;
    std::set<TMirelIslandItemType> Types;
    for (int32_t P = 1; P <= 4; ++P) {
        for (int32_t S = 1; S <= 16; ++S) {
            const TShopItem& Item = Shop.Item(P, S);
            if (!Item.Exists) continue;
            ++Items;
            Points += Item.Points;
            Prices += Item.Price;
            Types.insert(Item.ItemType);
            EXPECT_EQ(Item.Name, GameTexts().ShopItems(Item.NameLine));
            EXPECT_FALSE(Item.Name.empty()) << P << "-" << S;
            EXPECT_FALSE(Item.Unlocked || Item.Bought || Item.Affordable);
        }
    }
    EXPECT_EQ(Items, 44);
    EXPECT_EQ(Points, 160);
    EXPECT_EQ(Shop.TotalPoints(), 160);
    EXPECT_EQ(Prices, 89750);
    EXPECT_EQ(Types.size(), 29u);
    EXPECT_EQ(Types.count(aiNone), 0u);
    // The pages fill 14, 16, 10 and 4 slots from the first.
    EXPECT_TRUE(Shop.Item(1, 14).Exists);
    EXPECT_FALSE(Shop.Item(1, 15).Exists);
    EXPECT_TRUE(Shop.Item(2, 16).Exists);
    EXPECT_FALSE(Shop.Item(3, 11).Exists);
    EXPECT_TRUE(Shop.Item(4, 4).Exists);
    EXPECT_FALSE(Shop.Item(4, 5).Exists);
    EXPECT_FALSE(Shop.Item(5, 1).Exists);
    EXPECT_FALSE(Shop.Item(1, 0).Exists);
}

TEST_F(ShopItemList, NamesAndVariantCaptionsComeFromTheShopTexts) {
    const TTextStrings& T = GameTexts();
    const TShopItem& Sakura1 = Shop.Item(1, 1);
    const TShopItem& Sakura2 = Shop.Item(1, 2);
    EXPECT_EQ(Sakura1.ItemType, aiSakuraTree);
    EXPECT_EQ(Sakura1.Name, T.ShopItems(1));
    EXPECT_EQ(Sakura1.Caption, T.ShopItems(48));
    EXPECT_EQ(Sakura2.Caption, T.ShopItems(49));
    EXPECT_EQ(Sakura1.Variant, 1);
    EXPECT_EQ(Sakura2.Variant, 2);
    EXPECT_EQ(Sakura1.Group, 3);
    EXPECT_EQ(Sakura2.Group, 3);
    for (int32_t V = 1; V <= 3; ++V) {
        const TShopItem& Root = Shop.Item(2, 9 + V);
        EXPECT_EQ(Root.ItemType, aiStandingRoot);
        EXPECT_EQ(Root.Variant, V);
        EXPECT_EQ(Root.Caption, T.ShopItems(50 + V));
        EXPECT_EQ(Root.Price, 2650);
    }
    EXPECT_EQ(Shop.Item(2, 3).ItemType, aiFacedOakTree);
    EXPECT_EQ(Shop.Item(2, 3).Caption, T.ShopItems(55));
    EXPECT_EQ(Shop.Item(2, 3).Variant, 0);
    EXPECT_EQ(Shop.Item(3, 8).ItemType, aiPond);
    EXPECT_EQ(Shop.Item(3, 8).Name, T.ShopItems(23));
    EXPECT_TRUE(Shop.Item(3, 8).Caption.empty());
    EXPECT_EQ(Shop.Item(4, 4).ItemType, aiRainbow);
    EXPECT_EQ(Shop.Item(4, 4).Name, T.ShopItems(29));
    EXPECT_EQ(Shop.Item(4, 4).Price, 7000);
}

TEST_F(ShopItemList, EveryTypeIsUnlockedByOneLevelWithinItsIslandsDots) {
    std::set<TMirelIslandItemType> Seen;
    for (int32_t I = 1; I <= 5; ++I) {
        for (int32_t L = 1; L <= 30; ++L) {
            const TMirelIslandItemType Type = TShopItemList::UnlockedItemType(I, L);
            if (Type == aiNone) continue;
            EXPECT_LE(L, IslandLevelCount(I)) << I << "-" << L;
            EXPECT_TRUE(Seen.insert(Type).second) << "unlocked twice: " << int(Type);
        }
    }
    EXPECT_EQ(Seen.size(), 29u);
    EXPECT_EQ(TShopItemList::UnlockedItemType(1, 1), aiCastleBase);
    EXPECT_EQ(TShopItemList::UnlockedItemType(2, 16), aiBigTree);
    EXPECT_EQ(TShopItemList::UnlockedItemType(5, 21), aiSpottedRoot);
    EXPECT_EQ(TShopItemList::UnlockedItemType(2, 3), aiNone);
    EXPECT_EQ(TShopItemList::UnlockedItemType(0, 1), aiNone);
    EXPECT_EQ(TShopItemList::UnlockedItemType(6, 1), aiNone);
}

// The plant announcement names the item a won level unlocks: it must be the one the shop unlocks.
TEST_F(ShopItemList, TheShopAndThePlantAnnouncementAgreeOnEveryLevelsItemAndName) {
    for (int32_t I = 0; I <= 6; ++I) {
        for (int32_t L = 0; L <= 31; ++L) {
            EXPECT_EQ(TShopItemList::UnlockedItemType(I, L), ItemUnlockedByLevel(I, L)) << I << "-" << L;
        }
    }
    for (int32_t P = 1; P <= 4; ++P) {
        for (int32_t S = 1; S <= 16; ++S) {
            const TShopItem& Item = Shop.Item(P, S);
            if (!Item.Exists) continue;
            EXPECT_EQ(Item.NameLine, ShopItemNameLine(Item.ItemType)) << P << "-" << S;
        }
    }
}

TEST_F(ShopItemList, AWinUnlocksEverythingBeforeItAndAnEarlierReplayTakesNothingAway) {
    Shop.UnlockForLevel(2, 5);
    for (int32_t L = 1; L <= 14; ++L) {
        EXPECT_TRUE(Shop.IsUnlocked(TShopItemList::UnlockedItemType(1, L))) << "1-" << L;
    }
    EXPECT_TRUE(Shop.IsUnlocked(aiBerryBush));
    EXPECT_TRUE(Shop.IsUnlocked(aiYellowBush));
    EXPECT_TRUE(Shop.IsUnlocked(aiBonsai));
    EXPECT_FALSE(Shop.IsUnlocked(aiPinkFurballs));  // 2-07
    EXPECT_FALSE(Shop.IsUnlocked(aiAppleTree));     // 3-03
    // Every variant of a type comes together.
    EXPECT_TRUE(Shop.Item(2, 4).Unlocked && Shop.Item(2, 5).Unlocked);
    // The last one unlocked, the bonsai, is on page 2.
    EXPECT_EQ(Shop.FirstPage(), 2);
    TProgressRecord Record = InitialProgressRecord();
    Shop.StoreSaved(Record);
    EXPECT_EQ(EncodeProgressRecord(Record)[1335], 2);

    Shop.UnlockForLevel(1, 3);
    for (int32_t L = 1; L <= 14; ++L) EXPECT_TRUE(Shop.IsUnlocked(TShopItemList::UnlockedItemType(1, L)));
    EXPECT_TRUE(Shop.IsUnlocked(aiBonsai));
    EXPECT_FALSE(Shop.IsUnlocked(aiPinkFurballs));
    // Unlocked last this time: the castle roof of 1-03, on page 3.
    EXPECT_EQ(Shop.FirstPage(), 3);
    Shop.StoreSaved(Record);
    EXPECT_EQ(EncodeProgressRecord(Record)[1335], 3);

    TShopItemList Full;
    Full.UnlockAll();
    for (int32_t T = 1; T < MirelIslandItemTypeCount; ++T) {
        EXPECT_TRUE(Full.IsUnlocked(static_cast<TMirelIslandItemType>(T))) << T;
    }
    EXPECT_EQ(Full.FirstPage(), 2);  // the spotted root of 5-21 comes last
}

TEST_F(ShopItemList, ADearItemShowsADisabledButtonUntilTheMoneySuffices) {
    Shop.Unlock(aiAppleTree);
    Shop.ShowPage(1);
    GiveMoney(1000);
    const int32_t Slot = ScrollTo(aiAppleTree);
    ASSERT_NE(Slot, 0);
    EXPECT_EQ(Shop.VisibleItem(Slot)->Price, 1500);
    EXPECT_TRUE(Slots[Slot].Avail);
    EXPECT_FALSE(Slots[Slot].Enabled);
    EXPECT_FALSE(Slots[Slot].Pending);
    EXPECT_FALSE(Shop.Buy(Slot));
    EXPECT_TRUE(Bought.empty());

    GiveMoney(1600);
    EXPECT_EQ(Shop.ScrollPos(), 0) << "a rebuilt list starts from the top";
    const int32_t Again = ScrollTo(aiAppleTree);
    ASSERT_NE(Again, 0);
    EXPECT_TRUE(Slots[Again].Avail);
    EXPECT_TRUE(Slots[Again].Enabled);
    EXPECT_TRUE(Shop.Buy(Again));
    ASSERT_EQ(Bought.size(), 1u);
    EXPECT_EQ(Bought[0].Type, aiAppleTree);
    EXPECT_EQ(Bought[0].Group, 4);
    EXPECT_EQ(Bought[0].Price, 1500);
    EXPECT_EQ(Money, 100);
}

TEST_F(ShopItemList, BuyingTheFirstSakuraOffersTheSecondThenTheTypeIsComplete) {
    Shop.Unlock(aiSakuraTree);
    Shop.ShowPage(1);
    GiveMoney(5000);
    ASSERT_EQ(Shown(1), aiSakuraTree);
    EXPECT_EQ(Shop.VisibleItem(1)->Variant, 1);
    EXPECT_FALSE(Shop.CompletesSet(*Shop.VisibleItem(1)));
    // One row per item: the second sakura waits behind the first.
    EXPECT_EQ(Shown(2), aiBerryBush);
    EXPECT_EQ(Shop.ListCount(), 7);
    EXPECT_TRUE(Slots[2].Count > 0 && !Slots[2].Avail) << "the berry bush is still locked";

    EXPECT_EQ(Shop.LastBoughtItem(), nullptr);
    ASSERT_TRUE(Shop.Buy(1));
    ASSERT_NE(Shop.LastBoughtItem(), nullptr);
    EXPECT_EQ(Shop.LastBoughtItem()->ItemType, aiSakuraTree);
    EXPECT_EQ(Shop.LastBoughtItem()->Variant, 1);
    EXPECT_TRUE(Shop.AnyBought(aiSakuraTree));
    EXPECT_FALSE(Shop.AllBought(aiSakuraTree));
    ASSERT_EQ(Shown(1), aiSakuraTree);
    EXPECT_EQ(Shop.VisibleItem(1)->Variant, 2);
    EXPECT_EQ(Shop.VisibleItem(1)->Caption, GameTexts().ShopItems(49));
    EXPECT_TRUE(Shop.CompletesSet(*Shop.VisibleItem(1)));
    EXPECT_EQ(Shop.ListCount(), 7);

    ASSERT_TRUE(Shop.Buy(1));
    EXPECT_EQ(Shop.LastBoughtItem()->Variant, 2);
    EXPECT_TRUE(Shop.AllBought(aiSakuraTree));
    EXPECT_EQ(Shown(1), aiBerryBush);
    EXPECT_EQ(Shop.ListCount(), 6);
    EXPECT_EQ(Money, 5000 - 2 * 650);
    EXPECT_EQ(Shop.BoughtPoints(), 8);
}

TEST_F(ShopItemList, TheCastleGoesUpInOrderAndTheFairiesWaitForTheOak) {
    Shop.UnlockForLevel(1, 14);
    Shop.ShowPage(3);
    GiveMoney(100000);
    ASSERT_EQ(Shown(1), aiCastleBase);
    ASSERT_EQ(Shown(2), aiCastleRoof);
    ASSERT_EQ(Shown(3), aiCastleTower);
    EXPECT_FALSE(Slots[1].Pending);
    // The roof shows no buy button while it waits for the base.
    EXPECT_TRUE(Slots[2].Avail);
    EXPECT_TRUE(Slots[2].Enabled);
    EXPECT_TRUE(Slots[2].Pending);
    EXPECT_TRUE(Slots[3].Pending);
    EXPECT_FALSE(Shop.Buy(2));
    EXPECT_FALSE(Shop.Buy(3));
    EXPECT_TRUE(Bought.empty());

    ASSERT_TRUE(Shop.Buy(1));  // the base
    ASSERT_EQ(Shown(1), aiCastleRoof);
    EXPECT_FALSE(Slots[1].Pending);
    EXPECT_TRUE(Slots[2].Pending) << "the tower waits for the roof";
    EXPECT_FALSE(Shop.Item(3, 5).Waiting) << "the bridge only needed the base";
    EXPECT_TRUE(Shop.Item(3, 9).Waiting);
    EXPECT_TRUE(Shop.Item(3, 10).Waiting);
    ASSERT_TRUE(Shop.Buy(1));  // the roof
    ASSERT_TRUE(Shop.Buy(1));  // the first tower
    EXPECT_TRUE(Shop.Item(3, 9).Waiting) << "the logo waits for both towers";
    ASSERT_EQ(Shown(1), aiCastleTower);
    ASSERT_TRUE(Shop.Buy(1));  // the second tower
    EXPECT_FALSE(Shop.Item(3, 9).Waiting);
    EXPECT_FALSE(Shop.Item(3, 10).Waiting);

    // The small fairies (3-08) need every faced oak.
    Shop.UnlockForLevel(3, 8);
    Shop.ShowPage(4);
    GiveMoney(100000);
    ASSERT_EQ(ScrollTo(aiSmallFairies), 3);
    EXPECT_TRUE(Slots[3].Pending);
    EXPECT_FALSE(Shop.Buy(3));
    Shop.ShowPage(2);
    ASSERT_EQ(Shown(3), aiFacedOakTree);
    ASSERT_TRUE(Shop.Buy(3));
    Shop.ShowPage(4);
    ASSERT_EQ(Shown(3), aiSmallFairies);
    EXPECT_FALSE(Slots[3].Pending);
    EXPECT_TRUE(Shop.Buy(3));
}

// A locked, a waiting and a too dear item are refused, and so is a slot with
// nothing in it; none of them is bought or reported.
TEST_F(ShopItemList, BuyRefusesLockedWaitingAndTooDearItems) {
    Shop.Unlock(aiCastleRoof);
    Shop.Unlock(aiPond);
    Shop.ShowPage(3);
    GiveMoney(1000);
    ASSERT_EQ(Shown(1), aiCastleBase);
    ASSERT_EQ(Shown(2), aiCastleRoof);
    EXPECT_FALSE(Slots[1].Avail) << "locked";
    EXPECT_TRUE(Slots[1].Enabled) << "though affordable";
    EXPECT_FALSE(Shop.Buy(1));
    EXPECT_TRUE(Slots[2].Pending);
    EXPECT_FALSE(Shop.Buy(2)) << "waiting";
    const int32_t Pond = ScrollTo(aiPond);
    ASSERT_NE(Pond, 0);
    EXPECT_TRUE(Slots[Pond].Avail);
    EXPECT_FALSE(Slots[Pond].Enabled);
    EXPECT_FALSE(Shop.Buy(Pond)) << "1250 with 1000";
    EXPECT_FALSE(Shop.Buy(0));
    EXPECT_FALSE(Shop.Buy(4));
    EXPECT_TRUE(Bought.empty());
    EXPECT_EQ(Shop.BoughtPoints(), 0);

    // With exactly the price, it sells.
    GiveMoney(1250);
    ASSERT_TRUE(Shop.Buy(ScrollTo(aiPond)));
    EXPECT_EQ(Money, 0);
}

// An owner that has not told the new total yet leaves the old affordable flags in
// place: the price already spent still counts, so a stale button sells nothing.
TEST_F(ShopItemList, APurchaseSpendsItsPriceEvenBeforeTheNewTotalIsTold) {
    Shop.OnItemBought = [this](TObject*, TMirelIslandItemType Type, uint8_t Group, int32_t Price) {
        Bought.push_back({Type, Group, Price});
    };
    Shop.Unlock(aiSakuraTree);
    Shop.ShowPage(1);
    GiveMoney(1000);
    ASSERT_TRUE(Shop.Buy(1));
    EXPECT_EQ(Shop.Money(), 350);
    ASSERT_EQ(Shown(1), aiSakuraTree);
    EXPECT_TRUE(Shop.VisibleItem(1)->Affordable) << "the flags wait for the owner";
    EXPECT_FALSE(Shop.Buy(1)) << "650 with 350 left";
    EXPECT_EQ(Bought.size(), 1u);
}

TEST_F(ShopItemList, BuyingEverythingFillsTheGarden) {
    Shop.UnlockAll();
    GiveMoney(89750);
    for (int32_t P = 1; P <= 4; ++P) {
        Shop.ShowPage(P);
        while (Shop.ListCount() > 0) ASSERT_TRUE(Shop.Buy(1)) << "page " << P << ", " << int(Shown(1));
        EXPECT_FALSE(Slots[1].Avail || Slots[2].Avail || Slots[3].Avail);
    }
    EXPECT_EQ(Bought.size(), 44u);
    EXPECT_EQ(Money, 0);
    EXPECT_EQ(Shop.BoughtPoints(), 160);
    EXPECT_EQ(Shop.GardenPercent(), 100);
    for (int32_t T = 1; T < MirelIslandItemTypeCount; ++T) {
        EXPECT_TRUE(Shop.AllBought(static_cast<TMirelIslandItemType>(T))) << T;
    }
    EXPECT_FALSE(Shop.AllBought(aiNone));
    EXPECT_FALSE(Shop.AnyBought(aiNone));
}

// Points bought through the saved block: a set of items worth exactly Points, found
// by a subset sum over the catalogue.
TProgressRecord RecordWithPoints(const TShopItemList& Shop, int32_t Points) {
    struct TSlot {
        int32_t Page, Slot, Points;
    };
    std::vector<TSlot> Items;
    for (int32_t P = 1; P <= 4; ++P) {
        for (int32_t S = 1; S <= 16; ++S) {
            if (Shop.Item(P, S).Exists) Items.push_back({P, S, Shop.Item(P, S).Points});
        }
    }
    // Taken[I][Sum]: Sum was first reached by adding item I to items before it.
    const size_t Sums = static_cast<size_t>(Points) + 1;
    std::vector<std::vector<bool>> Taken(Items.size(), std::vector<bool>(Sums, false));
    std::vector<bool> Can(Sums, false);
    Can[0] = true;
    for (size_t I = 0; I < Items.size(); ++I) {
        for (int32_t Sum = Points; Sum >= Items[I].Points; --Sum) {
            if (!Can[Sum] && Can[Sum - Items[I].Points]) {
                Can[Sum] = true;
                Taken[I][Sum] = true;
            }
        }
    }
    TProgressRecord Record = InitialProgressRecord();
    EXPECT_TRUE(Can[Points]) << Points;
    int32_t Sum = Points;
    for (size_t I = Items.size(); I-- > 0 && Sum > 0;) {
        if (!Taken[I][Sum]) continue;
        Record.ShopBlock[((Items[I].Page - 1) * 16 + Items[I].Slot - 1) * 2 + 1] = 1;
        Sum -= Items[I].Points;
    }
    EXPECT_EQ(Sum, 0);
    return Record;
}

TEST_F(ShopItemList, TheGardenPercentIsTheTruncatedShareOf160Points) {
    struct TCase {
        int32_t Points, Percent;
    };
    const TCase Cases[] = {{0, 0}, {65, 40}, {66, 41}, {81, 50}, {158, 98}, {159, 99}, {160, 100}};
    for (const TCase& Case : Cases) {
        EXPECT_EQ(TShopItemList::GardenPercentFor(Case.Points, 160), Case.Percent) << Case.Points << " points";
        // No item is worth a single point, so 159 cannot be bought.
        if (Case.Points == 159) continue;
        TShopItemList List;
        List.LoadSaved(RecordWithPoints(List, Case.Points));
        EXPECT_EQ(List.BoughtPoints(), Case.Points);
        EXPECT_EQ(List.GardenPercent(), Case.Percent) << Case.Points << " points";
    }
}

TEST_F(ShopItemList, ThreeRowsScrollOneAtATimeWithinTheList) {
    Shop.ShowPage(2);
    // Sunflowers, red flowers, oak, bonsai, furballs, cactus, mushroom, standing, zigzag and spotted roots.
    ASSERT_EQ(Shop.ListCount(), 10);
    EXPECT_FALSE(Shop.CanScrollUp());
    const int32_t Changes = ListChanges;
    Shop.ScrollUp();
    EXPECT_EQ(ListChanges, Changes) << "nothing to scroll";
    for (int32_t I = 1; I <= 7; ++I) {
        ASSERT_TRUE(Shop.CanScrollDown());
        Shop.ScrollDown();
        EXPECT_EQ(Shop.ScrollPos(), I);
    }
    EXPECT_FALSE(Shop.CanScrollDown());
    Shop.ScrollDown();
    EXPECT_EQ(Shop.ScrollPos(), 7);
    EXPECT_EQ(Shown(1), aiStandingRoot);
    EXPECT_EQ(Shown(3), aiSpottedRoot);
    EXPECT_EQ(ListChanges, Changes + 7);
    Shop.ScrollUp();
    EXPECT_EQ(Shown(1), aiMushroom);
    // A short page leaves the lower slots empty.
    Shop.ShowPage(4);
    EXPECT_EQ(Shop.ListCount(), 4);
    Shop.ScrollDown();
    EXPECT_EQ(Shown(3), aiRainbow);
    Shop.ShowPage(0);
    EXPECT_EQ(Shop.Page(), 1) << "an unknown page is the first";
}

// Page p, slot s is saved as two bytes at ((p - 1) x 16 + (s - 1)) x 2 of the shop
// block, at 1207 in the progress file; the page to show first at 1335.
TEST_F(ShopItemList, TheShopBlockLiesAtItsOffsetsInTheProgressFile) {
    Shop.UnlockForLevel(1, 10);  // the pond last: page 3
    Shop.ShowPage(3);
    GiveMoney(10000);
    ASSERT_EQ(Shown(1), aiCastleBase);
    ASSERT_TRUE(Shop.Buy(1));
    TProgressRecord Record = InitialProgressRecord();
    Shop.StoreSaved(Record);
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    EXPECT_EQ(Bytes[ShopByteAt(3, 1)], 1);      // castle base unlocked
    EXPECT_EQ(Bytes[ShopByteAt(3, 1) + 1], 1);  // and bought
    EXPECT_EQ(Bytes[ShopByteAt(3, 8)], 1);      // the pond unlocked
    EXPECT_EQ(Bytes[ShopByteAt(3, 8) + 1], 0);
    EXPECT_EQ(Bytes[1285], 1) << "the pond's unlocked byte";
    EXPECT_EQ(Bytes[ShopByteAt(1, 1)], 0);      // the sakura (1-13) not yet
    EXPECT_EQ(Bytes[ShopByteAt(3, 9)], 0);      // the logo (1-11) not yet
    EXPECT_EQ(Bytes[1335], 3);

    TProgressRecord Back;
    ASSERT_TRUE(DecodeProgressRecord(Bytes, Back));
    TShopItemList Loaded;
    Loaded.LoadSaved(Back);
    EXPECT_EQ(Loaded.FirstPage(), 3);
    EXPECT_TRUE(Loaded.AllBought(aiCastleBase));
    EXPECT_TRUE(Loaded.IsUnlocked(aiPond));
    EXPECT_FALSE(Loaded.IsUnlocked(aiCastleLogo));
    EXPECT_FALSE(Loaded.Item(3, 2).Waiting) << "the roof's base is bought";
    TProgressRecord Again = InitialProgressRecord();
    Loaded.StoreSaved(Again);
    EXPECT_EQ(EncodeProgressRecord(Again), Bytes);
}

TEST_F(ShopItemList, AnyNonZeroSavedByteIsSetSlotsThatDoNotExistAreIgnoredAndBadPagesOpenPageOne) {
    TProgressRecord Record = InitialProgressRecord();
    Record.ShopBlock[(0 * 16 + 0) * 2] = 2;        // page 1 slot 1 unlocked
    Record.ShopBlock[(0 * 16 + 0) * 2 + 1] = 255;  // and bought
    Record.ShopBlock[(2 * 16 + 7) * 2] = 255;      // the pond unlocked
    // Slots 15 and 16 of page 1, 11 to 16 of page 3 and 5 to 16 of page 4 hold nothing.
    for (int32_t S = 15; S <= 16; ++S) Record.ShopBlock[(0 * 16 + S - 1) * 2 + 1] = 1;
    for (int32_t S = 11; S <= 16; ++S) Record.ShopBlock[(2 * 16 + S - 1) * 2] = 7;
    for (int32_t S = 5; S <= 16; ++S) Record.ShopBlock[(3 * 16 + S - 1) * 2 + 1] = 255;
    for (uint8_t Page : {uint8_t{0}, uint8_t{9}, uint8_t{255}}) {
        Record.ShopPage = Page;
        TShopItemList List;
        List.LoadSaved(Record);
        EXPECT_EQ(List.FirstPage(), 1) << int(Page);
        EXPECT_TRUE(List.Item(1, 1).Unlocked);
        EXPECT_TRUE(List.Item(1, 1).Bought);
        EXPECT_TRUE(List.Item(3, 8).Unlocked);
        EXPECT_FALSE(List.Item(3, 8).Bought);
        EXPECT_EQ(List.BoughtPoints(), 4) << "only the sakura is bought";
        TProgressRecord Out = InitialProgressRecord();
        List.StoreSaved(Out);
        EXPECT_EQ(Out.ShopBlock[0], 1);
        EXPECT_EQ(Out.ShopBlock[1], 1);
        EXPECT_EQ(Out.ShopBlock[(2 * 16 + 7) * 2], 1);
        for (int32_t S = 15; S <= 16; ++S) EXPECT_EQ(Out.ShopBlock[(0 * 16 + S - 1) * 2 + 1], 0);
        for (int32_t S = 11; S <= 16; ++S) EXPECT_EQ(Out.ShopBlock[(2 * 16 + S - 1) * 2], 0);
        for (int32_t S = 5; S <= 16; ++S) EXPECT_EQ(Out.ShopBlock[(3 * 16 + S - 1) * 2 + 1], 0);
        EXPECT_EQ(Out.ShopPage, 1);
    }
    Record.ShopPage = 4;
    TShopItemList List;
    List.LoadSaved(Record);
    EXPECT_EQ(List.FirstPage(), 4);
}

// Two players' shops never mix: a load replaces every flag, and a loaded list sells
// nothing until it is told the player's money.
TEST_F(ShopItemList, ALoadReplacesEveryFlagAndKnowsNoMoneyUntilTold) {
    Shop.UnlockAll();
    GiveMoney(100000);
    Shop.ShowPage(3);
    ASSERT_TRUE(Shop.Buy(1));  // the castle base: the roof is free to buy
    ASSERT_FALSE(Shop.Item(3, 2).Waiting);
    TProgressRecord Other = InitialProgressRecord();
    Other.ShopBlock[(2 * 16 + 1) * 2] = 1;  // only the roof unlocked, nothing bought
    Shop.LoadSaved(Other);
    EXPECT_FALSE(Shop.AnyBought(aiCastleBase));
    EXPECT_TRUE(Shop.Item(3, 2).Waiting) << "the new player has no base";
    EXPECT_FALSE(Shop.IsUnlocked(aiPond));
    Shop.ShowPage(3);
    ASSERT_EQ(Shown(2), aiCastleRoof);
    EXPECT_FALSE(Shop.Buy(2));
    Shop.Unlock(aiPond);
    Shop.ShowPage(3);
    EXPECT_FALSE(Shop.Buy(ScrollTo(aiPond))) << "no money told yet";
    Bought.clear();
    GiveMoney(5000);
    EXPECT_TRUE(Shop.Buy(ScrollTo(aiPond)));
}

}  // namespace

namespace {

// With stand-in pictures: each icon a shade of red by its pattern, each mask pattern
// a shade of blue in its top-right corner only. A row shows its item's icon under the
// mask of its state; an empty page shows the last icon.
TEST(ShopItemListDrawing, EachRowShowsItsIconUnderTheMaskOfItsState) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TOmegaImageList& Images = Driver.Form().OmegaImageList1;
    for (const char* Name : {"BuySlotIcons", "BuySlotIconMask"}) Images.FreeByName(Name);
    constexpr int32_t Cell = 8;
    TPicture Icons;
    Icons.SetSize(10 * Cell, 3 * Cell);
    for (int32_t P = 0; P < 30; ++P) {
        Icons.FillRect(P % 10 * Cell, P / 10 * Cell, Cell, Cell, (static_cast<uint32_t>(8 * P + 8) << 24) | 0xFFu);
    }
    Images.AddImage("BuySlotIcons", Icons, 10, 3);
    TPicture Mask;
    Mask.SetSize(Cell, 4 * Cell);
    Mask.FillRect(0, 0, Cell, 4 * Cell, 0u);
    for (int32_t P = 0; P < 4; ++P) Mask.FillRect(Cell - 2, P * Cell, 2, 2, (0x40u * (P + 1) - 1) << 8 | 0xFFu);
    Images.AddImage("BuySlotIconMask", Mask, 1, 4);

    TShopItemList Shop;
    Shop.OmgImgList = &Images;
    Shop.OmgFont = &Driver.Form().OmegaFont_Size10;
    Shop.TextStringsComp = &GameTexts();
    Shop.ReadTexts();
    Shop.Unlock(aiCastleBase);
    Shop.Unlock(aiCastleRoof);
    Shop.Unlock(aiCastleTower);
    Shop.MoneyChanged(800);
    Shop.ShowPage(3);
    // Base: too dear (900). Roof: waiting. Tower: waiting too (needs the roof).
    TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
    auto Shot = [&] {
        Screen.BeginFrame();
        Screen.Clear(0, 0, 0, 255);
        Shop.Draw();
        Screen.EndFrame();
        TPicture Frame;
        EXPECT_TRUE(Driver.Capture(Frame));
        return Frame;
    };
    // Row k fills 330 x 90 pixels from (250, 154 + 98 k); the icon's and the mask's
    // places inside it are the layout's, so the row is searched for their colours.
    auto Find = [](const TPicture& Frame, int32_t Row, bool Blue) {
        for (int32_t Y = 154 + 98 * Row; Y < 154 + 98 * Row + 90; ++Y) {
            for (int32_t X = 250; X < 250 + 330; ++X) {
                const uint32_t Pixel = Frame.PixelRGBA(X, Y);
                const uint32_t R = Pixel >> 24, B = (Pixel >> 8) & 0xFF;
                if (Blue && B > 0 && R == 0) return static_cast<int32_t>(B) / 0x40;
                if (!Blue && R > 0 && B == 0) return static_cast<int32_t>(R) / 8 - 1;
            }
        }
        return -1;
    };
    auto IconOf = [&](const TPicture& Frame, int32_t Row) { return Find(Frame, Row, false); };
    auto MaskOf = [&](const TPicture& Frame, int32_t Row) { return Find(Frame, Row, true); };
    TPicture Frame = Shot();
    EXPECT_EQ(IconOf(Frame, 0), Ordinal(aiCastleBase) - 1);
    EXPECT_EQ(MaskOf(Frame, 0), 1) << "too dear";
    EXPECT_EQ(IconOf(Frame, 1), Ordinal(aiCastleRoof) - 1);
    EXPECT_EQ(MaskOf(Frame, 1), 2) << "waiting";
    EXPECT_EQ(IconOf(Frame, 2), Ordinal(aiCastleTower) - 1);
    EXPECT_EQ(MaskOf(Frame, 2), 2);
    Shop.MoneyChanged(900);
    Shop.ScrollDown();  // tower, tower's second variant hidden, bridge: locked
    Frame = Shot();
    EXPECT_EQ(IconOf(Frame, 2), Ordinal(aiBridgePath) - 1);
    EXPECT_EQ(MaskOf(Frame, 2), 3) << "a locked item shows its lock, waiting or not";
    Shop.ShowPage(3);
    Frame = Shot();
    EXPECT_EQ(MaskOf(Frame, 0), 0) << "the base can be bought";

    // Page 4 with nothing left: the empty page's icon.
    TProgressRecord AllBought = InitialProgressRecord();
    for (int32_t S = 1; S <= 4; ++S) AllBought.ShopBlock[(3 * 16 + S - 1) * 2 + 1] = 1;
    Shop.LoadSaved(AllBought);
    Shop.ShowPage(4);
    ASSERT_EQ(Shop.ListCount(), 0);
    Frame = Shot();
    EXPECT_EQ(IconOf(Frame, 0), 29);
}

}  // namespace
