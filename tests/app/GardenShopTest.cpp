// Mirel's garden through the whole game, drawn on the offscreen screen: a
// player with coins goes from the level selection to the garden, opens the
// shop, buys the castle base (a double click buys once) and sees it stand in the garden; the money, the
// saved progress and the garden's picture follow, the garden's trophies are
// tested once on its first frame back; the picture then stands in for the
// composed garden, behind the menu at the next start too; a picture that is not
// ours is ignored. A won 1-01 announces the castle base once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "FoldersClass.h"
#include "PictureClass.h"
#include "RandomClass.h"
#include "RecordBytesClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

using enum TMirelIslandItemType;

namespace {

constexpr int32_t StartMoney = 2000;
constexpr int32_t CastleBasePrice = 900;
constexpr size_t CastleBaseGardenByte = 607 + 11;  // the castle base is the garden's 11th object

bool Settled(TTestDriver& Driver, TGameSceneValues Scene, int MaxFrames = 900) {
    TFormMain& Form = Driver.Form();
    return Driver.StepUntil([&] { return Form.Scene() == Scene && !Form.SceneTransition->Active(); }, MaxFrames);
}

void ClickButton(TTestDriver& Driver, const TGameButton& Button) {
    Driver.Click(Button.Left + Button.Width / 2, Button.Top + Button.Height / 2);
}

// ANNA has won 1-01, owns coins, and the castle base waits in the shop.
void WriteAnna(TTestDriver& Driver) {
    TProgressRecord Record = InitialProgressRecord();
    Record.BestTimes[0][0] = 60;
    Record.IslandsEntered[0] = 1;
    Record.IslandOpeningShown[0] = 1;
    Record.MoneyTotal = StartMoney;
    Record.ShopBlock[((3 - 1) * 16 + (1 - 1)) * 2] = 1;  // page 3, slot 1: the castle base, unlocked
    Record.ShopPage = 3;
    Driver.WritePlayerList({"ANNA"});
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    WriteWholeFile(Driver.UserDataFolder() + "/Quellow/ANNA.sav",
                   std::string(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

void EnterGardenFromLevelSel(TTestDriver& Driver) {
    ASSERT_TRUE(Driver.Start());
    ASSERT_TRUE(Settled(Driver, gsMap));
    ClickButton(Driver, *Driver.Form().Map.EnterButton);
    ASSERT_TRUE(Settled(Driver, gsLevelSel));
    ClickButton(Driver, *Driver.Form().Map.ShortcutButton);
    ASSERT_TRUE(Settled(Driver, gsMirelIsland));
    // The panels slide in.
    Driver.Step(60);
}

void BuyFirstSlot(TTestDriver& Driver, bool DoubleClick = false) {
    TFormMain& Form = Driver.Form();
    ClickButton(Driver, *Form.Garden.ShopButton);
    ASSERT_EQ(Form.Scene(), gsShopItems);
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Garden.ShopWindow.Window.Phase() == TGameMenuWindow::phShown; }, 200));
    const TGameButton& Buy = Form.Garden.ShopWindow.BuyButtons[0];
    ASSERT_TRUE(Buy.Visible);
    ASSERT_TRUE(Buy.Enabled);
    ClickButton(Driver, Buy);
    if (DoubleClick) {
        Driver.Step();
        ClickButton(Driver, Buy);
    }
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Scene() == gsMirelIsland; }, 200));
}

int32_t Channel(uint32_t Rgba, int Shift) { return static_cast<int32_t>((Rgba >> Shift) & 0xFF); }

int32_t Distance(uint32_t A, uint32_t B) {
    int32_t D = 0;
    for (const int Shift : {8, 16, 24}) D = std::max(D, std::abs(Channel(A, Shift) - Channel(B, Shift)));
    return D;
}

// The share of the castle base's solid pixels at its garden place that the purchase changed.
double ShareChangedUnderBase(TFormMain& Form, const TPicture& Before, const TPicture& After) {
    TImageListItem* Base = Form.OmegaImageList1.Find("MirelsCastleBase");
    if (!Base) return 0;
    const TPicture& Image = Base->Picture();
    int Solid = 0, Changed = 0;
    for (int32_t Y = 0; Y < Image.Height; ++Y)
        for (int32_t X = 0; X < Image.Width; ++X) {
            if (Channel(Image.PixelRGBA(X, Y), 0) < 255) continue;
            ++Solid;
            if (Distance(Before.PixelRGBA(239 + X, 259 + Y), After.PixelRGBA(239 + X, 259 + Y)) > 30) ++Changed;
        }
    return Solid ? static_cast<double>(Changed) / Solid : 0;
}

}  // namespace

TEST(GardenShop, BuyingTheCastleBasePlacesItPaysSavesAndTakesThePicture) {
    TTestDriverSetup Setup;
    Setup.PlayMap = true;
    TTestDriver Driver(Setup);
    WriteAnna(Driver);
    ASSERT_NO_FATAL_FAILURE(EnterGardenFromLevelSel(Driver));
    TFormMain& Form = Driver.Form();
    EXPECT_EQ(Form.Scoring.Money->Value(), StartMoney);
    EXPECT_EQ(Form.Garden.TrophyTestCount, 1) << "tested on the garden's first frame";
    // Without a picture of their own the garden took one on its first frames.
    const std::string PictureFile = SaveFolder + "ANNA.bmp";
    EXPECT_TRUE(std::filesystem::exists(PictureFile));
    EXPECT_TRUE(Form.Garden.Shot.Current());
    TPicture Before;
    ASSERT_TRUE(Driver.Capture(Before));

    // A double click buys once.
    ASSERT_NO_FATAL_FAILURE(BuyFirstSlot(Driver, true));
    EXPECT_EQ(Form.Scoring.Money->Value(), StartMoney - CastleBasePrice);
    EXPECT_TRUE(Form.Garden.Objects->IsPlaced(aiCastleBase, 0));
    EXPECT_TRUE(Form.Garden.Shop->AllBought(aiCastleBase));
    EXPECT_EQ(Form.Garden.Gauge->Position(), 3 * 100 / 160);
    Driver.Step(3);
    EXPECT_EQ(Form.Garden.TrophyTestCount, 2) << "once more, on the first frame after the shop";
    Driver.Step(30);
    EXPECT_EQ(Form.Garden.TrophyTestCount, 2);

    // Saved as the window slid out: the money, the bought item and the placed object.
    const std::string Saved = ReadWholeFile(SaveFolder + "ANNA.sav");
    ASSERT_GT(Saved.size(), CastleBaseGardenByte);
    EXPECT_EQ(static_cast<uint8_t>(Saved[CastleBaseGardenByte]), 1);
    TProgressRecord Record;
    ASSERT_TRUE(DecodeProgressRecord(
        std::span(reinterpret_cast<const uint8_t*>(Saved.data()), Saved.size()), Record));
    EXPECT_EQ(Record.MoneyTotal, StartMoney - CastleBasePrice);
    EXPECT_EQ(Record.ShopBlock[((3 - 1) * 16) * 2 + 1], 1) << "the castle base bought";
    // The picture was taken anew and is the one shown.
    EXPECT_TRUE(Form.Garden.Shot.Current());
    TPicture FromFile;
    ASSERT_TRUE(LoadPicture(PictureFile, FromFile));
    EXPECT_EQ(FromFile.Width, 800);

    // Once its glow has faded the castle base stands at its place in the frame.
    Driver.Step(240);
    TPicture After;
    ASSERT_TRUE(Driver.Capture(After));
    EXPECT_GT(ShareChangedUnderBase(Form, Before, After), 0.8);
    // The picture holds it too.
    EXPECT_GT(ShareChangedUnderBase(Form, Before, FromFile), 0.8);
}

TEST(GardenShop, ThePictureAndTheLiveGardenLookAlikeAndTheNextStartShowsIt) {
    TTestDriverSetup Setup;
    Setup.PlayMap = true;
    TTempFolder User;
    Setup.UserDataFolder = User.Path();
    {
        TTestDriver Driver(Setup);
        WriteAnna(Driver);
        ASSERT_NO_FATAL_FAILURE(EnterGardenFromLevelSel(Driver));
        ASSERT_NO_FATAL_FAILURE(BuyFirstSlot(Driver));
        TFormMain& Form = Driver.Form();
        Driver.Step(240);
        ASSERT_TRUE(Form.Garden.Shot.Current());
        TPicture FromPicture;
        ASSERT_TRUE(Driver.Capture(FromPicture));
        // The same moment composed live: only the animated pass may differ by a frame.
        Form.Garden.Shot.SetCurrent(false);
        Driver.Step(1);
        TPicture Live;
        ASSERT_TRUE(Driver.Capture(Live));
        int Far = 0;
        for (int32_t Y = 0; Y < 600; ++Y)
            for (int32_t X = 0; X < 800; ++X)
                if (Distance(FromPicture.PixelRGBA(X, Y), Live.PixelRGBA(X, Y)) > 12) ++Far;
        EXPECT_LT(Far, 800 * 600 / 100) << "pixels where the picture and the live garden differ";
    }
    // A new start: the menu stands over ANNA's picture.
    Setup.PlayMap = false;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Scene() == gsSplash; }, 2000));
    ASSERT_TRUE(Driver.StepUntil(
        [&] {
            Driver.Click(400, 300);
            return Form.Scene() == gsMenu;
        },
        3000));
    EXPECT_TRUE(Form.Garden.Shot.Current());
    EXPECT_TRUE(Form.Garden.Objects->IsPlaced(aiCastleBase, 0));
}

TEST(GardenShop, APictureThatIsNotOursLeavesTheLiveGarden) {
    TTestDriverSetup Setup;
    Setup.PlayMap = true;
    TTestDriver Driver(Setup);
    WriteAnna(Driver);
    WriteWholeFile(Driver.UserDataFolder() + "/Quellow/ANNA.bmp", "BM and nothing that makes a picture");
    ASSERT_TRUE(Driver.Start());
    ASSERT_TRUE(Settled(Driver, gsMap));
    EXPECT_FALSE(Driver.Form().Garden.Shot.Current());
}

TEST(GardenShop, AWonFirstLevelAnnouncesTheCastleBaseOnce) {
    CosmeticRandom().SetSeed(3);
    GameplayRandom().SetSeed(3);
    TTestDriverSetup Setup;
    Setup.Headless = true;
    Setup.PlayIsland = 1;
    Setup.PlayLevel = 1;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    int Announced = 0;
    TMirelIslandItemType AnnouncedType = aiNone;
    Form.Garden.Announcer->OnPlantAnnounced = [&](TObject*, TMirelIslandItemType Type) {
        ++Announced;
        AnnouncedType = Type;
    };
    TRoundDriver Round(Driver);
    // The round ends once the announcement has gone and the game has left the result.
    ASSERT_EQ(Round.Play({}).End, reWon);
    EXPECT_TRUE(Form.Garden.Shop->IsUnlocked(aiCastleBase));
    EXPECT_EQ(Announced, 1);
    EXPECT_EQ(AnnouncedType, aiCastleBase);
    EXPECT_TRUE(Form.Garden.Announcer->IsAnnounced(1, 1));
    ASSERT_TRUE(Settled(Driver, gsLevelSel, 1200));
    EXPECT_FALSE(Form.Garden.Announcer->Active());
    EXPECT_FALSE(Form.Garden.Announcer->Announce(1, 1)) << "a level announces its item once";
}
