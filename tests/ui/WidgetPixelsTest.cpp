// Widgets drawn into real frames of the game's screen (started through the
// test driver), with small images made here in the pattern layouts the game's
// art uses.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <vector>

#include "GameButtonClass.h"
#include "GameCheckBoxClass.h"
#include "GameConfirmWindowClass.h"
#include "ScreenDarkenerClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"
#include "VolumeBarClass.h"

namespace {

constexpr uint32_t Black = 0x000000FFu;
// One colour per pattern.
constexpr uint32_t PatternColors[4] = {0xE02020FFu, 0x20E020FFu, 0x2020E0FFu, 0xE0E020FFu};
constexpr uint32_t WindowColor = 0x805030FFu;

int32_t ImageTileWidthOf(TOmegaImageList* Images, const char* Name) {
    const TImageListItem* Item = Images->Find(Name);
    return Item ? Item->EffectiveTileWidth() : 0;
}
int32_t ImageTileHeightOf(TOmegaImageList* Images, const char* Name) {
    const TImageListItem* Item = Images->Find(Name);
    return Item ? Item->EffectiveTileHeight() : 0;
}

// Patterns of W x H stacked in one column, each filled with its colour.
TPicture PatternStrip(int32_t W, int32_t H, int32_t Count) {
    TPicture P;
    P.SetSize(W, H * Count);
    for (int32_t I = 0; I < Count; ++I) P.FillRect(0, I * H, W, H, PatternColors[I]);
    return P;
}

class WidgetPixels : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(TTestDriver::DefaultGameFolder() + "/Texts", Game.Path() + "Texts",
                              std::filesystem::copy_options::recursive);
        TTestDriverSetup Setup;
        Setup.AppFolder = Game.Path();
        Driver = std::make_unique<TTestDriver>(Setup);
        ASSERT_TRUE(Driver->Start());
        Driver->Step();
    }

    void AddTestImages() {
        TOmegaImageList& Images = Form().OmegaImageList1;
        Images.AddImage("TestButton", PatternStrip(40, 20, 4), 1, 4);
        Images.AddImage("TestCheckBox", PatternStrip(30, 15, 4), 1, 4);
        Images.AddImage("WindowOKButton", PatternStrip(100, 36, 4), 1, 4);
        Images.AddImage("WindowCancelButton", PatternStrip(100, 36, 4), 1, 4);
        // The confirm window with two holes the buttons show through.
        TPicture Window;
        Window.SetSize(330, 150);
        Window.FillRect(0, 0, 330, 150, WindowColor);
        Window.FillRect(55, 102, 100, 36, 0x00000000u);
        Window.FillRect(178, 102, 100, 36, 0x00000000u);
        Images.AddImage("ConfirmWindow", std::move(Window), 1, 1);
        // The volume bar: a frame with a clear middle, and a fill of two rows.
        TPicture Bar;
        Bar.SetSize(160, 30);
        Bar.FillRect(0, 0, 160, 8, WindowColor);
        Images.AddImage("VolumeBar", std::move(Bar), 1, 1);
        TPicture Fill;
        Fill.SetSize(100, 20);
        Fill.FillRect(0, 0, 100, 10, PatternColors[0]);   // disabled row
        Fill.FillRect(0, 10, 100, 10, PatternColors[1]);  // enabled row
        Images.AddImage("VolumeFill", std::move(Fill), 1, 1);
        TPicture Sheet;
        Sheet.SetSize(400, 300);
        Sheet.FillRect(0, 0, 400, 300, Black);
        Images.AddImage("BlackRect", std::move(Sheet), 1, 1);
    }

    // Loads the named images of the game's own art, cut as the game cuts them.
    // False when one of them is not part of the game's data (yet).
    bool AddGameArt(std::initializer_list<const char*> Names) {
        for (const char* Name : Names) {
            TPicture Picture;
            if (!LoadPicture(TTestDriver::DefaultGameFolder() + "/Images/" + Name + ".png", Picture)) return false;
            const TTileCount Count = Form().SpriteTileCount->GetTileCount(Name);
            Form().OmegaImageList1.AddImage(Name, std::move(Picture), Count.Columns, Count.Rows);
        }
        return true;
    }

    TFormMain& Form() { return Driver->Form(); }

    // One frame of our own on the game's screen: cleared to Background, then Draw.
    template <typename F>
    void Run(F&& Draw, uint8_t Background = 0) {
        TOmegaScreen& Screen = Form().OmegaScreen1;
        Screen.Clear(Background, Background, Background, 255);
        Screen.BeginFrame();
        Form().OmegaFont_Size10.BeginText();
        Draw();
        Form().OmegaFont_Size10.EndText();
        Screen.EndFrame();
    }
    // The same, read back.
    template <typename F>
    TPicture Frame(F&& Draw, uint8_t Background = 0) {
        Run(Draw, Background);
        TPicture Picture;
        EXPECT_TRUE(Driver->Capture(Picture));
        return Picture;
    }

    TTempFolder Game;
    std::unique_ptr<TTestDriver> Driver;
};

TEST_F(WidgetPixels, ButtonsAndCheckBoxesDrawTheirStatePatterns) {
    AddTestImages();
    TOmegaImageList* Images = &Form().OmegaImageList1;
    TGameButton Hovered, Disabled, Pushed;
    for (TGameButton* B : {&Hovered, &Disabled, &Pushed}) {
        B->OmgImgList = Images;
        B->ImageName = "TestButton";
        B->InitImageSize();
    }
    EXPECT_EQ(Hovered.Width, 40);
    EXPECT_EQ(Hovered.Height, 20);
    Hovered.Left = 20;
    Hovered.Top = 20;
    Hovered.MouseMove(30, 30);
    Disabled.Left = 20;
    Disabled.Top = 60;
    Disabled.Enabled = false;
    Pushed.Left = 100;
    Pushed.Top = 20;
    Pushed.PushedAdjustEnabled = true;
    Pushed.MouseMove(110, 30);
    Pushed.MouseDown(110, 30, mbLeft);
    TGameCheckBox Box;
    Box.OmgImgList = Images;
    Box.ImageName = "TestCheckBox";
    Box.Left = 20;
    Box.Top = 100;
    Box.Checked = true;

    const TPicture Picture = Frame([&] {
        Hovered.Draw();
        Disabled.Draw();
        Pushed.Draw();
        Box.Draw();
    });
    EXPECT_EQ(Picture.PixelRGBA(20, 20), PatternColors[1]);
    EXPECT_EQ(Picture.PixelRGBA(59, 39), PatternColors[1]);
    EXPECT_EQ(Picture.PixelRGBA(60, 40), Black);
    EXPECT_EQ(Picture.PixelRGBA(30, 70), PatternColors[3]);
    // Pressed with the pushed adjustment: the hovered pattern, two pixels down and right.
    EXPECT_EQ(Picture.PixelRGBA(101, 21), Black);
    EXPECT_EQ(Picture.PixelRGBA(102, 22), PatternColors[1]);
    EXPECT_EQ(Picture.PixelRGBA(141, 41), PatternColors[1]);
    EXPECT_EQ(Picture.PixelRGBA(30, 105), PatternColors[2]);
}

TEST_F(WidgetPixels, TheConfirmWindowSlidesDownWithItsButtonsUnderneathAndItsTexts) {
    AddTestImages();
    TGameConfirmWindow Confirm;
    Confirm.OmgImgList = &Form().OmegaImageList1;
    Confirm.OmgFont = &Form().OmegaFont_Size10;
    Confirm.TextStringsComp = Form().TextStrings.get();
    Confirm.Left = 235;
    Confirm.Top = 226;
    Confirm.Build();
    Confirm.SetTextAdjustment(Form().SettingLoader->ConfirmTextOffset());
    Confirm.Show(1, pbOK, nbCancel);
    ASSERT_FALSE(Confirm.Title().empty());
    int Frames = 0;
    while (Confirm.Window().Phase() != TGameMenuWindow::phShown && Frames++ < 50) Run([&] { Confirm.Draw(); });
    EXPECT_EQ(Frames, 7);  // from y -150 to 226 at 55 a frame, the seventh step overshooting
    Confirm.MouseMove(235 + 178 + 5, 226 + 102 + 5);  // over Cancel

    const TPicture Picture = Frame([&] { Confirm.Draw(); });
    EXPECT_EQ(Picture.PixelRGBA(235, 226), WindowColor);
    EXPECT_EQ(Picture.PixelRGBA(234, 226), Black);
    EXPECT_EQ(Picture.PixelRGBA(235 + 55, 226 + 102), PatternColors[0]);   // OK, through its hole
    EXPECT_EQ(Picture.PixelRGBA(235 + 178, 226 + 102), PatternColors[1]);  // Cancel, hovered
    // The title and the line are written in white on the window.
    const auto LightPixels = [&](int32_t X0, int32_t Y0, int32_t X1, int32_t Y1) {
        int Count = 0;
        for (int32_t Y = Y0; Y < Y1; ++Y)
            for (int32_t X = X0; X < X1; ++X) {
                const uint32_t C = Picture.PixelRGBA(X, Y);
                Count += (C >> 24) > 0xC0 && ((C >> 16) & 0xFF) > 0xC0 && ((C >> 8) & 0xFF) > 0xC0;
            }
        return Count;
    };
    const auto Layout = Confirm.TextLayout();
    const int32_t LineHeight = Form().OmegaFont_Size10.LineHeight();
    EXPECT_GT(LightPixels(Layout.Title.X, Layout.Title.Y, Layout.Title.X + 265, Layout.Title.Y + LineHeight), 20);
    EXPECT_GT(LightPixels(Layout.Lines[0].X, Layout.Lines[0].Y, Layout.Lines[0].X + 280,
                          Layout.Lines[0].Y + LineHeight), 20);
    EXPECT_EQ(LightPixels(235, 226 + 95, 235 + 330, 226 + 150), 0);  // nothing written over the buttons
}

TEST_F(WidgetPixels, TheVolumeFillAndTheDarkener) {
    AddTestImages();
    TVolumeBar Bar;
    Bar.OmgImgList = &Form().OmegaImageList1;
    Bar.InitImages();
    EXPECT_EQ(Bar.FillWidth, 100);
    EXPECT_EQ(Bar.FillHeight, 10);
    Bar.Left = 50;
    Bar.Top = 50;
    Bar.SetPositionSnap(40);
    TVolumeBar Off = Bar;
    Off.Top = 100;
    Off.Enabled = false;
    TPicture Picture = Frame([&] {
        Bar.UpdateAndDraw();
        Off.UpdateAndDraw();
    });
    EXPECT_EQ(Picture.PixelRGBA(66, 58), PatternColors[1]);
    EXPECT_EQ(Picture.PixelRGBA(66 + 39, 58 + 9), PatternColors[1]);
    EXPECT_EQ(Picture.PixelRGBA(66 + 40, 58), Black);
    EXPECT_EQ(Picture.PixelRGBA(66, 58 + 10), Black);
    EXPECT_EQ(Picture.PixelRGBA(66, 108), PatternColors[0]);
    EXPECT_EQ(Picture.PixelRGBA(50, 50), WindowColor);  // the bar's frame on top

    TScreenDarkener Darkener;
    Darkener.OmgImgList = &Form().OmegaImageList1;
    Darkener.ShowAtFull();  // alpha 140 over white: 255 * (255 - 140) / 255 = 115
    Picture = Frame([&] { Darkener.UpdateAndDraw(); }, 255);
    for (const TPoint P : {Point(0, 0), Point(799, 599), Point(400, 300)}) {
        const uint32_t Red = Picture.PixelRGBA(P.X, P.Y) >> 24;
        EXPECT_NEAR(static_cast<int>(Red), 115, 1) << P.X << "," << P.Y;
    }
}

// With the game's own art: the question over the main menu's options, the
// buttons and a check box in their states. Skipped until the art is part of
// the game's data.
TEST_F(WidgetPixels, TheGameArtDrawsEveryState) {
    if (!AddGameArt({"ConfirmWindow", "WindowOKButton", "WindowCancelButton", "WindowYesButton", "WindowNoButton",
                     "CheckBoxSound"}))
        GTEST_SKIP() << "the widgets' art is not in " << TTestDriver::DefaultGameFolder();
    TOmegaImageList* Images = &Form().OmegaImageList1;
    TGameConfirmWindow Confirm;
    Confirm.OmgImgList = Images;
    Confirm.OmgFont = &Form().OmegaFont_Size10;
    Confirm.TextStringsComp = Form().TextStrings.get();
    Confirm.Left = 235;
    Confirm.Top = 226;
    Confirm.Build();
    Confirm.InitButtonImages();
    Confirm.SetTextAdjustment(Form().SettingLoader->ConfirmTextOffset());
    TGameCheckBox Box;
    Box.OmgImgList = Images;
    Box.ImageName = "CheckBoxSound";
    Box.Left = 40;
    Box.Top = 40;
    Box.Width = 118;
    Box.Height = 24;

    for (const uint8_t Kind : {2, 3}) {
        Confirm.Show(Kind, Kind == 2 ? pbYes : pbOK, Kind == 2 ? nbNo : nbCancel);
        for (int I = 0; I < 20 && Confirm.Window().Phase() != TGameMenuWindow::phShown; ++I)
            Run([&] { Confirm.Draw(); });
        ASSERT_EQ(Confirm.Window().Phase(), TGameMenuWindow::phShown);
        const TGameButton& Positive = Confirm.PositiveButton();
        const TPoint Inside = Point(Positive.Left + Positive.Width / 2, Positive.Top + Positive.Height / 2);
        Confirm.MouseMove(0, 0);
        const TPicture Normal = Frame([&] { Confirm.Draw(); });
        Confirm.MouseMove(Inside.X, Inside.Y);
        const TPicture Hovered = Frame([&] { Confirm.Draw(); });
        Driver->SaveFramePng(::testing::TempDir() + "quellow-confirm-" + std::to_string(Kind) + ".png");
        // The window covers its place; the hovered button looks different from the normal one.
        int Covered = 0, Changed = 0;
        for (int32_t Y = 226; Y < 226 + ImageTileHeightOf(Images, "ConfirmWindow"); ++Y)
            for (int32_t X = 235; X < 235 + ImageTileWidthOf(Images, "ConfirmWindow"); ++X)
                Covered += Hovered.PixelRGBA(X, Y) != Black;
        for (int32_t Y = Positive.Top; Y < Positive.Top + Positive.Height; ++Y)
            for (int32_t X = Positive.Left; X < Positive.Left + Positive.Width; ++X)
                Changed += Hovered.PixelRGBA(X, Y) != Normal.PixelRGBA(X, Y);
        EXPECT_GT(Covered, 1000) << int(Kind);
        EXPECT_GT(Changed, 20) << int(Kind);
    }

    std::vector<TPicture> States;
    for (const bool Checked : {false, true}) {
        for (const bool Hover : {false, true}) {
            Box.Checked = Checked;
            Box.MouseMove(Hover ? 50 : 0, Hover ? 50 : 0);
            States.push_back(Frame([&] { Box.Draw(); }));
        }
    }
    // Each of the four patterns is drawn, and no two look alike.
    for (size_t A = 0; A < States.size(); ++A) {
        for (size_t B = A + 1; B < States.size(); ++B) {
            int Differ = 0;
            for (int32_t Y = 40; Y < 64; ++Y)
                for (int32_t X = 40; X < 158; ++X) Differ += States[A].PixelRGBA(X, Y) != States[B].PixelRGBA(X, Y);
            EXPECT_GT(Differ, 0) << A << " " << B;
        }
    }
}

}  // namespace
