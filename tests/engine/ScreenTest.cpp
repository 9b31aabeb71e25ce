// The screen's life: screenshots, a headless screen, restarting, mode
// switches, mapping window positions, and the graphics failures the player sees.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ApplicationClass.h"
#include "EngineTestSupport.h"
#include "MessageBoxClass.h"
#include "OmegaFontClass.h"
#include "TestSupport.h"

namespace {

class ScreenLife : public ScreenFixture {};

TEST_F(ScreenLife, ScreenshotIsTheFrameAsABmpFile) {
    TTempFolder Folder;
    TImageListItem* Item = AddPicture("Coordinates", CoordinatePicture(64, 32));
    const std::string FileName = Folder.Path() + "Island.bmp";
    Screen->RequestScreenshot(FileName);
    const TPicture Drawn = Frame([&] { Item->Draw(700, 500, 0); }, 0x336699);
    EXPECT_FALSE(Screen->ScreenshotPending());
    TPicture Saved;
    ASSERT_TRUE(LoadPicture(FileName, Saved));
    EXPECT_EQ(Saved.Width, 800);
    EXPECT_EQ(Saved.Height, 600);
    EXPECT_EQ(CountDifferences(Saved, Drawn), 0);
    EXPECT_EQ(Saved.PixelRGBA(0, 0), 0x336699FFu);
    EXPECT_EQ(Saved.PixelRGBA(763, 531), Item->Picture().PixelRGBA(63, 31));
    EXPECT_FALSE(std::filesystem::exists(FileName + ".tmp"));
}

TEST_F(ScreenLife, FailedScreenshotIsRetriedAtTheNextFrame) {
    TTempFolder Folder;
    const std::string FileName = Folder.Path() + "later/Island.bmp";
    Screen->RequestScreenshot(FileName);
    Frame([] {});
    EXPECT_TRUE(Screen->ScreenshotPending());
    EXPECT_FALSE(std::filesystem::exists(FileName));
    std::filesystem::create_directory(Folder.Path() + "later");
    Frame([] {}, 0x112233);
    EXPECT_FALSE(Screen->ScreenshotPending());
    TPicture Saved;
    ASSERT_TRUE(LoadPicture(FileName, Saved));
    EXPECT_EQ(Saved.PixelRGBA(400, 300), 0x112233FFu);
}

TEST_F(ScreenLife, TexturesSurviveAModeSwitchAndARestart) {
    TImageListItem* Item = AddPicture("Coordinates", CoordinatePicture(64, 32));
    const TPicture Before = Frame([&] { Item->Draw(10, 10, 0); });
    Screen->FullScreen = true;
    Screen->Reset();
    Screen->FullScreen = false;
    Screen->Reset();
    EXPECT_TRUE(Item->HasTexture());
    EXPECT_EQ(CountDifferences(Frame([&] { Item->Draw(10, 10, 0); }), Before), 0);

    // A restarted screen makes the textures again from the kept pictures.
    Screen->Finalize();
    EXPECT_FALSE(Item->HasTexture());
    EXPECT_FALSE(Screen->IsReady());
    ASSERT_TRUE(Screen->Initialize());
    EXPECT_TRUE(Item->HasTexture());
    EXPECT_EQ(CountDifferences(Frame([&] { Item->Draw(10, 10, 0); }), Before), 0);
}

TEST_F(ScreenLife, WindowPositionsMapThroughTheLetterbox) {
    EXPECT_EQ(Screen->WindowToFrame(0, 0), (TPoint{0, 0}));
    EXPECT_EQ(Screen->WindowToFrame(799, 599), (TPoint{799, 599}));
    SDL_SetWindowSize(Screen->WindowHandle(), 1600, 900);
    int W = 0;
    int H = 0;
    SDL_GetWindowSize(Screen->WindowHandle(), &W, &H);
    if (W != 1600 || H != 900) GTEST_SKIP() << "this video driver does not resize windows";
    // 1600 x 900 shows the frame as 1200 x 900 from x = 200.
    EXPECT_EQ(Screen->WindowToFrame(200, 0), (TPoint{0, 0}));
    EXPECT_EQ(Screen->WindowToFrame(800, 450), (TPoint{400, 300}));
    EXPECT_EQ(Screen->WindowToFrame(1399, 899), (TPoint{799, 599}));
    EXPECT_LT(Screen->WindowToFrame(199, 10).X, 0);
    EXPECT_GE(Screen->WindowToFrame(1400, 10).X, 800);
}

TEST_F(ScreenLife, TextureThatCannotBeMadeEndsTheGame) {
    ResetApplicationTerminate();
    TMessageCapture Messages;
    SDL_RendererInfo Info;
    ASSERT_EQ(SDL_GetRendererInfo(Screen->Renderer(), &Info), 0);
    ASSERT_GT(Info.max_texture_width, 0);
    TImageListItem* Item = AddPicture("TooWide", SolidPicture(Info.max_texture_width + 1, 1, 0xFFFFFFFF));
    EXPECT_FALSE(Item->HasTexture());
    ASSERT_EQ(Messages.Messages().size(), 1u);
    EXPECT_EQ(Messages.Messages()[0].Text, "Error creating texture TooWide");
    EXPECT_EQ(Messages.Messages()[0].Caption, "Error");
    EXPECT_TRUE(ApplicationTerminateRequested());
    // Drawing the item is harmless; a second failure does not repeat the message.
    Frame([&] { Item->Draw(0, 0, 0); });
    AddPicture("TooWideToo", SolidPicture(Info.max_texture_width + 1, 1, 0xFFFFFFFF));
    EXPECT_EQ(Messages.Messages().size(), 1u);
    ResetApplicationTerminate();
}

TEST_F(ScreenLife, ListsAndFontsAttachedLaterStillDraw) {
    // Items added before the list knew its screen, which was already running.
    TOmegaImageList Late;
    TImageListItem* Item = Late.AddImage("Late", CoordinatePicture(64, 32), 2, 1);
    TOmegaFont Font;
    ASSERT_TRUE(Font.SetupFont("Arial", 10, false));
    Late.OmegaScreen = Screen.get();
    Font.OmegaScreen = Screen.get();
    const TPicture Drawn = Frame([&] {
        Item->Draw(40, 30, 1);
        Font.TextOut(200, 200, "EEE", 255, 255, 255, 255);
    });
    EXPECT_EQ(Drawn.PixelRGBA(40, 30), Item->Picture().PixelRGBA(32, 0));
    int Lit = 0;
    for (int32_t Y = 200; Y < 200 + Font.LineHeight(); ++Y) {
        for (int32_t X = 200; X < 200 + Font.TextWidth("EEE"); ++X) Lit += Drawn.PixelRGBA(X, Y) != 0x000000FFu;
    }
    EXPECT_GT(Lit, 10);
}

TEST(ScreenHeadless, NeverInitializedScreenDrawsNothingAndKeepsPictures) {
    TOmegaScreen Headless;
    TOmegaImageList Images(&Headless);
    TImageListItem* Item = Images.AddImage("TwoPatterns", CoordinatePicture(64, 32), 2, 1);
    EXPECT_FALSE(Headless.IsReady());
    EXPECT_FALSE(Item->HasTexture());
    EXPECT_EQ(Item->PatternCount(), 2);
    EXPECT_EQ(Item->TileWidth, 32);
    Headless.Clear(0, 0, 0, 255);
    Headless.BeginFrame();
    EXPECT_FALSE(Headless.InsideFrame());
    Item->Draw(0, 0, 0);
    Item->DrawEx(0, 0, 45, 0.5f, 0.5f, 2, 2, 255, 255, 255, 255, 1, 2);
    Headless.EndFrame();
    TPicture Frame;
    EXPECT_FALSE(Headless.ReadFrame(Frame));

    // When the screen starts later, the items get their textures.
    Headless.PresentToWindow = false;
    ASSERT_TRUE(Headless.Initialize());
    EXPECT_TRUE(Item->HasTexture());
    Headless.Clear(0, 0, 0, 255);
    Headless.BeginFrame();
    Item->Draw(5, 5, 1);
    Headless.EndFrame();
    ASSERT_TRUE(Headless.ReadFrame(Frame));
    EXPECT_EQ(Frame.PixelRGBA(5, 5), Item->Picture().PixelRGBA(32, 0));
}

TEST(ScreenHeadless, ScreenDestroyedBeforeItsImageList) {
    auto Screen = std::make_unique<TOmegaScreen>();
    Screen->PresentToWindow = false;
    ASSERT_TRUE(Screen->Initialize());
    TOmegaImageList Images(Screen.get());
    TImageListItem* Item = Images.AddImage("Solid", SolidPicture(4, 4, 0xFF0000FF), 1, 1);
    EXPECT_TRUE(Item->HasTexture());
    Screen.reset();
    EXPECT_EQ(Images.OmegaScreen, nullptr);
    EXPECT_FALSE(Item->HasTexture());
    Item->Draw(0, 0, 0);  // no screen: nothing happens
    EXPECT_TRUE(Images.FreeByName("Solid"));
}

TEST(ScreenDeathTest, GraphicsThatCannotStartEndTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
            // Never a real message box in a test, even with a display at hand.
            SetMessageBoxSink([](const std::string& Text, const std::string& Caption) {
                std::fprintf(stderr, "%s: %s\n", Caption.c_str(), Text.c_str());
            });
            TOmegaScreen Broken;
            Broken.Initialize();
        },
        ::testing::ExitedWithCode(1),
        "Error: Could not initialize the graphics \\(OpenGL\\)\\.  Please check that your graphics drivers are "
        "installed\\.\nError: This application will now exit\\.");
}

}  // namespace
