// What each tile shows, and when the board leaves a layer to an effect.
#include <gtest/gtest.h>

#include "TileLooksClass.h"

namespace {

TBoardTile Opened(uint8_t Content) {
    TBoardTile Tile;
    Tile.Kind = okFruit;
    Tile.LockerKind = 2;
    Tile.Content = Content;
    return Tile;
}

TEST(TileLooks, ContentRulesLaterOnesWin) {
    struct TCase {
        const char* What;
        TBoardTile Tile;
        TTileLook Look;
    };
    TBoardTile Eaten = Opened(3);
    Eaten.WormState = WormStateEaten;
    TBoardTile BeingEaten = Opened(3);
    BeingEaten.WormState = WormStateEating;
    TBoardTile Blaster = Opened(ccFruitBlaster);
    Blaster.BlasterColor = 5;
    TBoardTile EatenUni = Opened(ccUniFruit);
    EatenUni.WormState = WormStateEaten;
    TBoardTile BombFruit = Opened(6);
    BombFruit.Bomb = true;
    const TCase Cases[] = {
        {"plain fruit", Opened(3), {biFruitsInside, 2}},
        {"a fruit with a bomb still shows its fruit", BombFruit, {biFruitsInside, 5}},
        {"a fruit being eaten", BeingEaten, {biFruitsInside, 2}},
        {"an eaten fruit", Eaten, {biFruitsEaten, 2}},
        {"a uni fruit shows the uni colour", Opened(ccUniFruit), {biUniFruitInside, 3}},
        {"the uni rule wins over the eaten rule", EatenUni, {biUniFruitInside, 3}},
        {"a blaster shows its own colour", Blaster, {biFruitBlastersInside, 4}},
        {"a flower shows the flower found last", Opened(ccFlower), {biFlowersInside, 1}},
        {"hammer", Opened(ccHammer), {biHammer, 0}},
        {"magic key", Opened(ccMagicKey), {biSmallToolIcons, 0}},
        {"broom", Opened(ccBroom), {biSmallToolIcons, 1}},
        {"aerosol", Opened(ccAerosol), {biSmallToolIcons, 2}},
    };
    for (const TCase& Case : Cases) {
        EXPECT_EQ(ContentLook(Case.Tile, /*UniColor*/ 4, /*FlowerIdx*/ 2), Case.Look) << Case.What;
    }
}

TEST(TileLooks, ClosedLockersAndOpenBoxesTakeTheirRowOfTheLockersImage) {
    for (uint8_t Kind = 1; Kind <= 3; ++Kind) {
        TBoardTile Locker;
        Locker.LockerKind = Kind;
        TBoardTile Box = Opened(1);
        Box.LockerKind = Kind;
        EXPECT_EQ(BoxLook(Locker), (TTileLook{biLockers, Kind - 1}));
        EXPECT_EQ(BoxLook(Box), (TTileLook{biLockers, Kind + 2}));
    }
}

TEST(TileLooks, LayersAreLeftToTheEffectThatShowsTheTile) {
    TBoardTile Locker;
    const TBoardTile Fruit = Opened(2);
    TBoardTile Blank;
    Blank.Kind = okTempBlank;
    TBoardTile Unused;
    Unused.Kind = okUnused;
    TBoardTile Blocker;
    Blocker.Kind = okBlocker;

    struct TCase {
        const char* What;
        TBoardTile Tile;
        TTileStatus Status;
        bool Popping;
        bool Hint;
        bool Box;
        bool Content;
    };
    const TCase Cases[] = {
        {"idle locker", Locker, tsIdle, false, false, true, false},
        {"falling locker", Locker, tsFalling, false, false, true, false},
        {"opening locker", Locker, tsOpening, false, false, true, false},
        {"swapping locker: the swap draws it", Locker, tsSwapping, false, false, false, false},
        {"hammered locker: the hammer draws it", Locker, tsHammered, false, false, false, false},
        {"locker lifted by the hint", Locker, tsIdle, false, true, false, false},
        {"idle fruit", Fruit, tsIdle, false, false, true, true},
        {"falling fruit", Fruit, tsFalling, false, false, true, true},
        {"swapping fruit keeps its open box", Fruit, tsSwapping, false, false, true, false},
        {"hammered fruit keeps its open box", Fruit, tsHammered, false, false, true, false},
        {"grouped fruit", Fruit, tsGrouped, false, false, true, false},
        {"popping uni fruit", Fruit, tsIdle, true, false, true, false},
        {"fruit lifted by the hint", Fruit, tsIdle, false, true, false, false},
        {"empty position", Blank, tsFalling, false, false, false, false},
        {"not part of the board", Unused, tsUnused, false, false, false, false},
        {"blocker", Blocker, tsIdle, false, false, false, false},
    };
    for (const TCase& Case : Cases) {
        EXPECT_EQ(DrawsBox(Case.Tile, Case.Status, Case.Hint), Case.Box) << Case.What;
        EXPECT_EQ(DrawsContent(Case.Tile, Case.Status, Case.Popping, Case.Hint), Case.Content) << Case.What;
    }
}

TEST(TileLooks, AFallingTileIsDrawnByItsDropAndEveryTileByItsRoundedBounce) {
    TBoardTile Tile;
    Tile.DropOffset = 30;
    EXPECT_EQ(TileVerticalOffset(Tile, tsFalling, 0.0), 30);
    EXPECT_EQ(TileVerticalOffset(Tile, tsIdle, 0.0), 0) << "a drop left over on a tile at rest is not drawn";
    EXPECT_EQ(TileVerticalOffset(Tile, tsFalling, -1.6), 28);
    EXPECT_EQ(TileVerticalOffset(Tile, tsIdle, 1.5), 2) << "halves round to even";
    EXPECT_EQ(TileVerticalOffset(Tile, tsIdle, 0.5), 0);
}

}  // namespace
