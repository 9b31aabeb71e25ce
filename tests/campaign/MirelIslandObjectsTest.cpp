// The garden's objects: one definition for every shop item that has a place on
// the island, the glow of a purchase, placing on load what was bought, the tall
// objects' tops, the saved garden block at its offsets, and the composed garden
// drawn with flat stand-in pictures.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "MirelIslandObjectsClass.h"
#include "OmegaImageListClass.h"
#include "ShopItemListClass.h"
#include "TestDriverClass.h"

using enum TMirelIslandItemType;

namespace {

TEST(MirelIslandObjects, EveryShopItemButTheVisitorsHasExactlyOnePlace) {
    const TShopItemList Shop;
    std::set<int32_t> Used;
    for (int32_t P = 1; P <= 4; ++P) {
        for (int32_t S = 1; S <= 16; ++S) {
            const TShopItem& Item = Shop.Item(P, S);
            if (!Item.Exists) continue;
            const int32_t DefIdx = TMirelIslandObjects::DefinitionIndex(Item.ItemType, Item.Variant);
            if (TMirelIslandObjects::IsGardenVisitor(Item.ItemType)) {
                EXPECT_EQ(DefIdx, 0) << int(Item.ItemType);
                continue;
            }
            ASSERT_NE(DefIdx, 0) << P << "-" << S;
            EXPECT_TRUE(Used.insert(DefIdx).second) << DefIdx;
        }
    }
    EXPECT_EQ(Used.size(), 41u);
    EXPECT_TRUE(TMirelIslandObjects::IsGardenVisitor(aiBlueButterflies));
    EXPECT_TRUE(TMirelIslandObjects::IsGardenVisitor(aiPinkButterflies));
    EXPECT_TRUE(TMirelIslandObjects::IsGardenVisitor(aiSmallFairies));
    EXPECT_FALSE(TMirelIslandObjects::IsGardenVisitor(aiRainbow));
    EXPECT_EQ(TMirelIslandObjects::DefinitionIndex(aiNone, 0), 0);
    EXPECT_EQ(TMirelIslandObjects::DefinitionIndex(aiPond, 1), 0) << "the pond has no variants";
}

// The drawing order, row by row of the garden's plan.
TEST(MirelIslandObjects, TheDefinitionsKeepTheDrawingOrder) {
    struct TCase {
        int32_t DefIdx;
        TMirelIslandItemType Type;
        int32_t Variant;
        const char* Image;
        int32_t X, Y;
    };
    const TCase Cases[] = {
        {1, aiPalmTree, 2, "MirelsPalmTree2", 640, 18},     {2, aiPalmTree, 1, "MirelsPalmTree1", 378, 35},
        {3, aiZigzagTree, 1, "MirelsZigzagTree1", 127, 8},  {11, aiCastleBase, 0, "MirelsCastleBase", 239, 259},
        {16, aiCastleFlags, 0, "MirelsCastleFlag", 287, 180}, {23, aiFacedOakTree, 0, "MirelsFacedOakTree", 418, 183},
        {38, aiRainbow, 0, "MirelsRainbow", 0, 222},        {39, aiPond, 0, "MirelsPond", 193, 442},
        {40, aiRedFlowers, 0, "MirelsRedFlowers", 548, 518}, {41, aiSunFlowers, 0, "MirelsSunFlowers", 0, 508},
    };
    for (const TCase& Case : Cases) {
        const TGardenObjectDef& Def = TMirelIslandObjects::Definition(Case.DefIdx);
        EXPECT_EQ(Def.ItemType, Case.Type) << Case.DefIdx;
        EXPECT_EQ(Def.Variant, Case.Variant) << Case.DefIdx;
        EXPECT_EQ(std::string(Def.Image), Case.Image);
        EXPECT_EQ(Def.X, Case.X) << Case.DefIdx;
        EXPECT_EQ(Def.Y, Case.Y) << Case.DefIdx;
        EXPECT_EQ(TMirelIslandObjects::DefinitionIndex(Case.Type, static_cast<uint8_t>(Case.Variant)), Case.DefIdx);
    }
    EXPECT_EQ(TMirelIslandObjects::Definition(42).ItemType, aiNone);
    EXPECT_EQ(TMirelIslandObjects::Definition(0).ItemType, aiNone);
}

TEST(MirelIslandObjects, APurchaseGlowsYellowFadingOutAndAResetEndsOnlyTheGlow) {
    TMirelIslandObjects Garden;
    EXPECT_FALSE(Garden.Place(aiBlueButterflies, 0)) << "visitors have no place";
    EXPECT_FALSE(Garden.Highlighting());
    ASSERT_TRUE(Garden.Place(aiPond, 0));
    EXPECT_TRUE(Garden.IsPlaced(aiPond, 0));
    EXPECT_EQ(Garden.HighlightIdx(), 39);
    EXPECT_EQ(Garden.HighlightAlpha(), 0) << "the glow starts from nothing";

    Garden.Frame();
    EXPECT_FLOAT_EQ(Garden.HighlightGlow(), 15.0f);
    EXPECT_NEAR(Garden.HighlightFactor(), 1.0 - 0.0018, 1e-12);
    EXPECT_EQ(Garden.HighlightAlpha(), 15);  // 15 × 0.9982
    // The glow swings between 0 and 190 while the factor falls, 0.0018 a frame down to
    // 0.7, then 0.03 a frame; below 0.05 the glow is over.
    double Factor = 1.0 - 0.0018;
    float HighestGlow = 0.0f;
    int32_t Frames = 1;
    while (Garden.Highlighting()) {
        Garden.Frame();
        ++Frames;
        Factor -= Factor < 0.7 ? 0.03 : 0.0018;
        if (Garden.Highlighting()) {
            EXPECT_NEAR(Garden.HighlightFactor(), Factor, 1e-9) << Frames;
            EXPECT_LE(Garden.HighlightAlpha(), 190);
            HighestGlow = std::max(HighestGlow, Garden.HighlightGlow());
        }
        ASSERT_LT(Frames, 400);
    }
    EXPECT_LT(Factor, 0.05);
    EXPECT_FLOAT_EQ(HighestGlow, 190.0f);
    // 167 slow frames take it below 0.7, 22 fast ones below 0.05.
    EXPECT_EQ(Frames, 167 + 22);
    EXPECT_EQ(Garden.HighlightAlpha(), 0);
    EXPECT_TRUE(Garden.IsPlaced(aiPond, 0));

    ASSERT_TRUE(Garden.Place(aiSakuraTree, 2));
    Garden.Frame();
    Garden.Reset();
    EXPECT_FALSE(Garden.Highlighting());
    EXPECT_TRUE(Garden.IsPlaced(aiSakuraTree, 2)) << "a reset never takes an object away";
    EXPECT_TRUE(Garden.IsPlaced(aiPond, 0));
}

TEST(MirelIslandObjects, BoughtItemsWhoseObjectsAreMissingArePlacedOnLoadWithoutAGlow) {
    TShopItemList Shop;
    TProgressRecord Record = InitialProgressRecord();
    Record.ShopBlock[(2 * 16 + 7) * 2 + 1] = 1;  // the pond
    Record.ShopBlock[(0 * 16 + 1) * 2 + 1] = 1;  // the second sakura
    Record.ShopBlock[(3 * 16 + 0) * 2 + 1] = 1;  // the blue butterflies: no place
    Record.GardenObjects[9] = 1;                 // the second sakura is placed already
    Shop.LoadSaved(Record);
    TMirelIslandObjects Garden;
    Garden.LoadSaved(Record);
    EXPECT_EQ(Garden.PlaceBoughtItems(Shop), 1);
    EXPECT_TRUE(Garden.IsPlaced(aiPond, 0));
    EXPECT_TRUE(Garden.IsPlaced(aiSakuraTree, 2));
    EXPECT_FALSE(Garden.IsPlaced(aiSakuraTree, 1));
    EXPECT_FALSE(Garden.Highlighting());
    EXPECT_EQ(Garden.PlaceBoughtItems(Shop), 0);
}

// Definition k's placed flag is byte 607 + k of the progress file: the pond (39) at 646.
TEST(MirelIslandObjects, TheGardenBlockLiesAtItsOffsetsAndReadsAnyNonZeroByteAsPlaced) {
    TMirelIslandObjects Garden;
    Garden.Place(aiPalmTree, 2);  // definition 1
    Garden.Place(aiPond, 0);
    Garden.Place(aiSunFlowers, 0);  // definition 41
    TProgressRecord Record = InitialProgressRecord();
    Garden.StoreSaved(Record);
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    for (size_t At = 608; At < 658; ++At) {
        const bool Set = At == 608 || At == 646 || At == 648;
        EXPECT_EQ(Bytes[At], Set ? 1 : 0) << At;
    }

    TProgressRecord Odd = InitialProgressRecord();
    Odd.GardenObjects[38] = 2;    // the pond
    Odd.GardenObjects[0] = 255;   // the far palm tree
    Odd.GardenObjects[41] = 1;    // past the last definition
    Odd.GardenObjects[49] = 255;
    TMirelIslandObjects Loaded;
    Loaded.Place(aiRainbow, 0);   // an earlier player's
    Loaded.LoadSaved(Odd);
    EXPECT_TRUE(Loaded.IsPlaced(aiPond, 0));
    EXPECT_TRUE(Loaded.IsPlaced(aiPalmTree, 2));
    EXPECT_FALSE(Loaded.IsPlaced(aiRainbow, 0)) << "a load replaces every flag";
    EXPECT_FALSE(Loaded.Highlighting());
    TProgressRecord Out = InitialProgressRecord();
    Loaded.StoreSaved(Out);
    EXPECT_EQ(Out.GardenObjects[38], 1);
    EXPECT_EQ(Out.GardenObjects[0], 1);
    for (int32_t K = 42; K <= 50; ++K) EXPECT_EQ(Out.GardenObjects[K - 1], 0) << K;
}

TEST(MirelIslandObjects, TheTallObjectsTopsAreListedWherePlacedInDrawingOrder) {
    TMirelIslandObjects Garden;
    EXPECT_TRUE(Garden.PlacedTopPartNames().empty());
    TProgressRecord All = InitialProgressRecord();
    for (int32_t K = 0; K < 41; ++K) All.GardenObjects[K] = 1;
    Garden.LoadSaved(All);
    const std::vector<std::string> Expected = {
        "MirelsPalmTree2_Top",   "MirelsPalmTree1_Top",     "MirelsZigzagTree1_Top", "MirelsSpottedRoot1_Top",
        "MirelsStandingRoot1_Top", "MirelsPineTree1_Top",   "MirelsPineTree2_Top",   "MirelsZigzagTree2_Top"};
    EXPECT_EQ(Garden.PlacedTopPartNames(), Expected);
    TMirelIslandObjects Few;
    Few.Place(aiPineTree, 2);
    Few.Place(aiStandingRoot, 2);  // only the first standing root is tall
    Few.Place(aiBigTree, 1);
    EXPECT_EQ(Few.PlacedTopPartNames(), std::vector<std::string>{"MirelsPineTree2_Top"});
}

TEST(MirelIslandObjects, TheFlagsWaveOutOfStepAndTheRainbowsCornersStayInTheirRange) {
    TMirelIslandObjects Garden;
    std::set<int32_t> Patterns;
    for (int32_t F = 0; F < 60; ++F) {
        for (int32_t Part = 0; Part < 4; ++Part) {
            const int32_t P = Garden.CastleFlagPattern(Part);
            EXPECT_GE(P, 0);
            EXPECT_LT(P, 6);
            Patterns.insert(P);
        }
        EXPECT_NE(Garden.CastleFlagPattern(0), Garden.CastleFlagPattern(1));
        for (int32_t Corner = 0; Corner < 4; ++Corner) {
            EXPECT_GE(Garden.RainbowCornerAlpha(Corner), 100);
            EXPECT_LE(Garden.RainbowCornerAlpha(Corner), 255);
        }
        Garden.Frame();
    }
    EXPECT_EQ(Patterns.size(), 6u);
}

// Drawn with flat stand-ins for the pictures the artist is still drawing: the pond
// and the rainbow as solid squares, the flag as six shades.
TEST(MirelIslandObjectsDrawing, TheStaticPassLeavesTheRainbowForTheAnimationsAndTheGlowIsYellow) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TOmegaImageList& Images = Driver.Form().OmegaImageList1;
    auto Solid = [](int32_t W, int32_t H, uint32_t RGBA) {
        TPicture Picture;
        Picture.SetSize(W, H);
        Picture.FillRect(0, 0, W, H, RGBA);
        return Picture;
    };
    // The game's own pictures of these, where it has them, make way for the stand-ins.
    for (const char* Name : {"MirelsPond", "MirelsRainbow", "MirelsCastleFlag"}) Images.FreeByName(Name);
    Images.AddImage("MirelsPond", Solid(40, 40, 0x2040C0FFu), 1, 1);
    Images.AddImage("MirelsRainbow", Solid(40, 40, 0xFF00FFFFu), 1, 1);
    TPicture Flag;
    Flag.SetSize(6 * 10, 10);
    for (int32_t P = 0; P < 6; ++P) Flag.FillRect(P * 10, 0, 10, 10, ((0x30u + 0x20u * P) << 24) | 0x00FFu);
    Images.AddImage("MirelsCastleFlag", Flag, 6, 1);

    TMirelIslandObjects Garden;
    Garden.OmgImgList = &Images;
    Garden.Place(aiRainbow, 0);
    Garden.Place(aiCastleFlags, 0);
    Garden.Place(aiPond, 0);
    TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
    auto Shot = [&](auto&& Draw) {
        Screen.BeginFrame();
        Screen.Clear(0, 0, 0, 255);
        Draw();
        Screen.EndFrame();
        TPicture Frame;
        EXPECT_TRUE(Driver.Capture(Frame));
        return Frame;
    };
    const TPicture Static = Shot([&] { Garden.DrawStatic(); });
    EXPECT_EQ(Static.PixelRGBA(193 + 20, 442 + 20) >> 8, 0x2040C0u) << "the pond";
    EXPECT_EQ(Static.PixelRGBA(0 + 20, 222 + 20) >> 8, 0u) << "no rainbow in the static pass";
    // The four flags, each showing its own picture.
    const TPoint Flags[4] = {{287, 180}, {287 + 68, 180}, {287 - 16, 180 + 21}, {287 + 84, 180 + 21}};
    for (int32_t Part = 0; Part < 4; ++Part) {
        const uint32_t Red = Static.PixelRGBA(Flags[Part].X + 5, Flags[Part].Y + 5) >> 24;
        EXPECT_EQ(Red, 0x30u + 0x20u * static_cast<uint32_t>(Garden.CastleFlagPattern(Part))) << Part;
    }
    const TPicture NoFlags = Shot([&] { Garden.DrawStatic(false); });
    EXPECT_EQ(NoFlags.PixelRGBA(287 + 5, 180 + 5) >> 8, 0u) << "the picture is taken without the flags";

    const TPicture Rainbow = Shot([&] { Garden.DrawRainbow(); });
    const uint32_t Middle = Rainbow.PixelRGBA(20, 222 + 20);
    EXPECT_GT(Middle >> 24, 0x40u);
    EXPECT_EQ((Middle >> 16) & 0xFF, 0u);

    // The pond bought last glows: yellow, added over the black.
    for (int32_t F = 0; F < 5; ++F) Garden.Frame();
    ASSERT_EQ(Garden.HighlightIdx(), 39);
    const int32_t Alpha = Garden.HighlightAlpha();
    ASSERT_GT(Alpha, 0);
    const TPicture Glow = Shot([&] { Garden.DrawHighlight(); });
    const uint32_t Lit = Glow.PixelRGBA(193 + 20, 442 + 20);
    EXPECT_NEAR(static_cast<int>(Lit >> 24), 0x20 * Alpha / 255, 2);
    EXPECT_NEAR(static_cast<int>((Lit >> 16) & 0xFF), 0x40 * Alpha / 255, 2);
    EXPECT_EQ((Lit >> 8) & 0xFF, 0u) << "no blue in a yellow glow";
}

}  // namespace
