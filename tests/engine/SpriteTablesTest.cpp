// The tile-count table, the late-loaded image names and the image list's
// bookkeeping: everything about images that needs no graphics device.
#include <gtest/gtest.h>

#include <set>

#include "EngineTestSupport.h"
#include "LoadedImageListClass.h"
#include "SpriteTileCountClass.h"

namespace {

TEST(SpriteTileCount, TheWholeTable) {
    TSpriteTileCount Table;
    ASSERT_EQ(Table.Entries().size(), 234u);
    std::set<std::string> Names;
    for (const auto& Entry : Table.Entries()) {
        EXPECT_TRUE(Names.insert(Entry.Name).second) << "twice: " << Entry.Name;
        EXPECT_GE(Entry.Columns, 1) << Entry.Name;
        EXPECT_GE(Entry.Rows, 1) << Entry.Name;
        EXPECT_FALSE(Entry.Used) << Entry.Name;
        EXPECT_LE(Entry.Name.size(), 80u);
    }
    const struct {
        const char* Name;
        TTileCount Expected;
    } Cases[] = {
        {"LevelSelTimeScore", {11, 1}},  // digits and the colon
        {"TileShine", {2, 1}},           {"LizardLeftThigh_Side", {2, 1}}, {"MirelIslandTab4", {3, 1}},
        {"MirelsProgressTube", {1, 3}},  {"MirelsCastleFlag", {6, 1}},     {"TaviBalloon", {1, 4}},
        {"SpecialLadyBugHit", {10, 1}},  {"LoadingBarFillEdge", {4, 1}},   {"ObjInfoLogo", {7, 1}},
        {"FlowerButterfly3", {1, 5}},    {"IslandLogo", {1, 6}},           {"StoryBGMask", {1, 2}},
        {"IncentiveIcons", {3, 3}},      {"ObjInfoDesc", {1, 7}},          {"SpecialLadyBug", {10, 3}},
        {"BombParticle", {5, 2}},        {"MapArrow", {18, 1}},            {"MirelsProgressTubeStatus", {1, 8}},
        {"WormWalkingHorz", {15, 1}},    {"WormWalkingVert", {1, 15}},     {"GlobalFontYellow", {57, 1}},
        {"MirelsBlueButterfly", {4, 2}}, {"InGameSmallFairy", {6, 2}},     {"Confetti", {3, 2}},
        {"MoneyEffect", {11, 1}},        {"LockerPieces", {6, 3}},         {"DustParticle", {3, 7}},
        {"ComicFont", {82, 1}},          {"Trophies", {7, 3}},             {"AbsorbedEnergy", {5, 3}},
        {"StoryFont_Caps", {26, 1}},     {"TutorialIcons", {1, 10}},       {"TutorialClickHere", {2, 2}},
        {"GameBG1", {1, 1}},             // not in the table: one pattern
        {"tileshine", {1, 1}},           // names are case-sensitive
        {"", {1, 1}},
    };
    for (const auto& Case : Cases) EXPECT_EQ(Table.GetTileCount(Case.Name), Case.Expected) << Case.Name;
    int32_t Columns = 0;
    int32_t Rows = 0;
    Table.GetTileCount("Lockers", Columns, Rows);
    EXPECT_EQ(Columns, 3);
    EXPECT_EQ(Rows, 3);
    const auto Used = [&](const std::string& Name) {
        for (const auto& Entry : Table.Entries()) {
            if (Entry.Name == Name) return Entry.Used;
        }
        return false;
    };
    EXPECT_TRUE(Used("Lockers"));
    EXPECT_TRUE(Used("TileShine"));
    EXPECT_FALSE(Used("FruitBomb"));
}

TEST(LoadedImageList, GroupsUnloadTheirImagesOnly) {
    TOmegaImageList Images;
    TLoadedImageList Loaded;
    for (const char* Name : {"TrophyA", "TrophyB", "MenuA", "Kept"}) Images.AddImage(Name, SolidPicture(2, 2, 0xFF), 1, 1);
    Loaded.AddLoadedName(0, "TrophyA");
    Loaded.AddLoadedName(0, "TrophyB");
    Loaded.AddLoadedName(0, "AlreadyGone");
    Loaded.AddLoadedName(3, "MenuA");
    Loaded.AddLoadedName(5, "Nowhere");
    Loaded.AddLoadedName(-1, "Nowhere");
    EXPECT_EQ(Loaded.Names(0), (std::vector<std::string>{"TrophyA", "TrophyB", "AlreadyGone"}));
    EXPECT_TRUE(Loaded.Names(5).empty());

    Loaded.UnloadGroup(0, Images);
    EXPECT_TRUE(Loaded.Names(0).empty());
    EXPECT_EQ(Images.Find("TrophyA"), nullptr);
    EXPECT_EQ(Images.Find("TrophyB"), nullptr);
    EXPECT_NE(Images.Find("MenuA"), nullptr);
    EXPECT_NE(Images.Find("Kept"), nullptr);
    EXPECT_EQ(Loaded.Names(3).size(), 1u);
    Loaded.ClearGroup(3);
    EXPECT_TRUE(Loaded.Names(3).empty());
    EXPECT_NE(Images.Find("MenuA"), nullptr);
}

TEST(ImageList, FindAddAndFree) {
    TOmegaImageList Images;
    TImageListItem* First = Images.Add("Fruit");
    TImageListItem* Other = Images.Add("Locker");
    TImageListItem* Second = Images.Add("Fruit");
    EXPECT_EQ(Images.Count(), 3);
    EXPECT_EQ(Images.Items(2), Second);
    EXPECT_EQ(Images.Items(3), nullptr);
    EXPECT_EQ(Images.Items(-1), nullptr);
    // The first of a name wins, and names are case-sensitive.
    EXPECT_EQ(Images.Find("Fruit"), First);
    EXPECT_EQ(Images.Find("fruit"), nullptr);
    EXPECT_TRUE(Images.FreeByName("Fruit"));
    EXPECT_EQ(Images.Find("Fruit"), Second);
    EXPECT_EQ(Images.Count(), 2);
    EXPECT_TRUE(Images.FreeItem(Other));
    EXPECT_FALSE(Images.FreeItem(Other));
    EXPECT_FALSE(Images.FreeByName("Locker"));
    EXPECT_EQ(Images.Items(0), Second);
    // An item renamed after it was added is found under its new name only.
    Second->Name = "Bomb";
    EXPECT_EQ(Images.Find("Fruit"), nullptr);
    EXPECT_EQ(Images.Find("Bomb"), Second);
    Images.Clear();
    EXPECT_EQ(Images.Count(), 0);
}

TEST(ImageList, PatternsAndSizes) {
    TOmegaImageList Images;
    TSpriteTileCount Table;
    // As the image loader adds them: cut by the tile-count table.
    const TTileCount WebCut = Table.GetTileCount("Web");
    TImageListItem* Web = Images.AddImage("Web", SolidPicture(276, 46, 0xFFFFFFFF), WebCut.Columns, WebCut.Rows);
    EXPECT_EQ(Web->TileWidth, 46);
    EXPECT_EQ(Web->TileHeight, 46);
    EXPECT_EQ(Web->PatternColumns(), 6);
    EXPECT_EQ(Web->PatternCount(), 6);
    const TTileCount BgCut = Table.GetTileCount("GameBG1");
    TImageListItem* Bg = Images.AddImage("GameBG1", SolidPicture(800, 600, 0xFF), BgCut.Columns, BgCut.Rows);
    EXPECT_EQ(Bg->PatternCount(), 1);
    EXPECT_EQ(Bg->TileWidth, 800);
    EXPECT_EQ(Bg->ImageWidth(), 800);
    EXPECT_EQ(Bg->TextureHeight(), 600);
    // Assigning a picture sets the tile size to the picture's size.
    TImageListItem* Item = Images.Add("Plain");
    Item->AssignPicture(SolidPicture(64, 32, 0xFF));
    EXPECT_EQ(Item->TileWidth, 64);
    EXPECT_EQ(Item->TileHeight, 32);
    Item->TileWidth = 0;
    Item->Restore();
    EXPECT_EQ(Item->TileWidth, 64);
    // The picture stays with the item for later textures.
    EXPECT_EQ(Item->Picture().Width, 64);
}

TEST(ImageList, FilepathLoadsThePictureAtRestore) {
    TTempFolder Folder;
    ASSERT_TRUE(CoordinatePicture(20, 10).SavePng(Folder.Path() + "FromFile.png"));
    TOmegaImageList Images;
    TImageListItem* Item = Images.Add("FromFile");
    Item->Filepath = "  " + Folder.Path() + "FromFile.png ";
    EXPECT_TRUE(Item->Restore());
    EXPECT_EQ(Item->ImageWidth(), 20);
    EXPECT_EQ(Item->TileWidth, 20);
    EXPECT_EQ(Item->Picture().PixelRGBA(3, 2), CoordinatePicture(20, 10).PixelRGBA(3, 2));
}

}  // namespace
