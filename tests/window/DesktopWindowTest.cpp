// Full screen and the resizable window on a real X display, read back from the
// display itself: the whole frame shows letterboxed whatever the display's size,
// with or without a window manager (tests/window/displays.sh runs these tests on
// several displays, each with and without one), the desktop's pointer lands on
// the frame pixel under it, and the window's size is kept for the next start.
// Skipped when there is no display.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "DesktopWindowClass.h"
#include "GameOptionsClass.h"
#include "OmegaScreenClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

// The X11 headers come last: their macros would clash with the names above.
#include <SDL_syswm.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr int FrameW = 800;
constexpr int FrameH = 600;

bool HaveDisplay() {
    const char* Display = std::getenv("DISPLAY");
    if (!Display || !*Display) return false;
    unsetenv("SDL_VIDEODRIVER");
    return true;
}

struct TRgb {
    int R = 0, G = 0, B = 0;
};

// The test's own connection to the display: reads the screen and moves the pointer.
class TDisplayProbe {
public:
    TDisplayProbe() : FDisplay(XOpenDisplay(nullptr)) {}
    ~TDisplayProbe() {
        if (FImage) XDestroyImage(FImage);
        if (FDisplay) XCloseDisplay(FDisplay);
    }
    TDisplayProbe(const TDisplayProbe&) = delete;
    TDisplayProbe& operator=(const TDisplayProbe&) = delete;
    bool Open() const { return FDisplay != nullptr; }
    int Width() const { return DisplayWidth(FDisplay, DefaultScreen(FDisplay)); }
    int Height() const { return DisplayHeight(FDisplay, DefaultScreen(FDisplay)); }

    // Where the game's window is on the screen and how large it really is.
    SDL_Rect Geometry(::Window Game) const {
        XWindowAttributes Attributes{};
        if (!XGetWindowAttributes(FDisplay, Game, &Attributes)) return SDL_Rect{0, 0, 0, 0};
        int X = 0, Y = 0;
        ::Window Child = 0;
        XTranslateCoordinates(FDisplay, Game, DefaultRootWindow(FDisplay), 0, 0, &X, &Y, &Child);
        return SDL_Rect{X, Y, Attributes.width, Attributes.height};
    }
    void Resize(::Window Game, int W, int H) const {
        XResizeWindow(FDisplay, Game, static_cast<unsigned>(W), static_cast<unsigned>(H));
        XSync(FDisplay, False);
    }
    // Reads the whole screen as it is shown now.
    void Grab() {
        if (FImage) XDestroyImage(FImage);
        FImage = XGetImage(FDisplay, DefaultRootWindow(FDisplay), 0, 0, static_cast<unsigned>(Width()),
                           static_cast<unsigned>(Height()), AllPlanes, ZPixmap);
    }
    bool Grabbed() const { return FImage != nullptr; }
    TRgb At(int X, int Y) const {
        const unsigned long P = XGetPixel(FImage, X, Y);
        return TRgb{static_cast<int>((P >> 16) & 0xFF), static_cast<int>((P >> 8) & 0xFF), static_cast<int>(P & 0xFF)};
    }
    // A press and release of the left button with the pointer at (X, Y) of the screen.
    void ClickAt(int X, int Y) const {
        XTestFakeMotionEvent(FDisplay, DefaultScreen(FDisplay), X, Y, 0);
        XTestFakeButtonEvent(FDisplay, 1, True, 0);
        XTestFakeButtonEvent(FDisplay, 1, False, 0);
        XSync(FDisplay, False);
    }
    bool ManagerRunning() const {
        const Atom Check = XInternAtom(FDisplay, "_NET_SUPPORTING_WM_CHECK", True);
        if (Check == 0) return false;
        Atom Type = 0;
        int Format = 0;
        unsigned long Count = 0, After = 0;
        unsigned char* Data = nullptr;
        const bool Found = XGetWindowProperty(FDisplay, DefaultRootWindow(FDisplay), Check, 0, 1, False, XA_WINDOW,
                                              &Type, &Format, &Count, &After, &Data) == Success &&
                           Count == 1;
        if (Data) XFree(Data);
        return Found;
    }

private:
    Display* FDisplay = nullptr;
    XImage* FImage = nullptr;
};

::Window XWindowOf(SDL_Window* Window) {
    SDL_SysWMinfo Info;
    SDL_VERSION(&Info.version);
    if (!SDL_GetWindowWMInfo(Window, &Info) || Info.subsystem != SDL_SYSWM_X11) return 0;
    return Info.info.x11.window;
}

// Everything the game sent to the display has been drawn there.
void FlushGameDisplay(SDL_Window* Window) {
    SDL_SysWMinfo Info;
    SDL_VERSION(&Info.version);
    if (SDL_GetWindowWMInfo(Window, &Info) && Info.subsystem == SDL_SYSWM_X11) XSync(Info.info.x11.display, False);
}

struct TComparison {
    double MeanDifference = 0;  // per channel, over the compared points
    double FarOff = 0;          // share of points off by more than 64 in a channel
    int BarPixelsLit = 0;       // points of the black bars that are not black
};

// Compares the screen inside Area (where the frame should be, letterboxed) with the
// frame, at the centre of every 8 x 8 block of the frame; FirstRow/LastRow limit
// the compared rows of the frame. The bars around the frame inside Area must be black.
TComparison CompareWithFrame(const TDisplayProbe& Probe, const SDL_Rect& Area, const TPicture& Frame, int FirstRow = 0,
                             int LastRow = FrameH) {
    TComparison Result;
    const SDL_Rect Box = LetterboxRect(Area.w, Area.h, FrameW, FrameH);
    int Points = 0, Far = 0;
    double Sum = 0;
    for (int FY = FirstRow + 4; FY < LastRow; FY += 8) {
        for (int FX = 4; FX < FrameW; FX += 8) {
            const int SX = Area.x + Box.x + static_cast<int>((FX + 0.5) * Box.w / FrameW);
            const int SY = Area.y + Box.y + static_cast<int>((FY + 0.5) * Box.h / FrameH);
            const TRgb Shown = Probe.At(SX, SY);
            const uint32_t Want = Frame.PixelRGBA(FX, FY);
            const int D[3] = {std::abs(Shown.R - static_cast<int>(Want >> 24)),
                              std::abs(Shown.G - static_cast<int>((Want >> 16) & 0xFF)),
                              std::abs(Shown.B - static_cast<int>((Want >> 8) & 0xFF))};
            Sum += (D[0] + D[1] + D[2]) / 3.0;
            if (D[0] > 64 || D[1] > 64 || D[2] > 64) ++Far;
            ++Points;
        }
    }
    Result.MeanDifference = Points ? Sum / Points : 255;
    Result.FarOff = Points ? static_cast<double>(Far) / Points : 1;
    // The bars: left and right, or top and bottom, a few points in each.
    const auto Lit = [&](int X, int Y) {
        const TRgb P = Probe.At(Area.x + X, Area.y + Y);
        if (P.R + P.G + P.B != 0) ++Result.BarPixelsLit;
    };
    for (int Step = 0; Step < 16; ++Step) {
        if (Box.x > 1) {
            const int Y = Area.h * Step / 16;
            Lit(Box.x / 2, Y);
            Lit(Box.x + Box.w + (Area.w - Box.x - Box.w) / 2, Y);
        }
        if (Box.y > 1) {
            const int X = Area.w * Step / 16;
            Lit(X, Box.y / 2);
            Lit(X, Box.y + Box.h + (Area.h - Box.y - Box.h) / 2);
        }
    }
    return Result;
}

class DesktopWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no X display";
        ASSERT_TRUE(Probe.Open());
        // A window manager started beside the tests may still be coming up.
        if (std::getenv("QUELLOW_EXPECT_WM")) {
            ASSERT_TRUE(WaitFor([&] { return Probe.ManagerRunning(); }, 5000)) << "no window manager came up";
        }
    }

    // Options that ask for a window, as a player who chose one left them.
    static void ChooseWindow(const std::string& UserFolder) {
        std::filesystem::create_directories(UserFolder + "Quellow");
        TGameOptions Options;
        Options.SaveFilePath = UserFolder + "Quellow/";
        Options.FullScreen = false;
        ASSERT_TRUE(Options.Save());
    }

    void StartGame(const std::string& UserFolder) {
        TTestDriverSetup Setup;
        Setup.ShowWindow = true;
        Setup.RealPointer = true;
        Setup.UserDataFolder = UserFolder;
        Driver = std::make_unique<TTestDriver>(Setup);
        Driver->WritePlayerList({"ANNA"});
        ASSERT_TRUE(Driver->Start());
        Game = XWindowOf(Driver->Form().Window());
        ASSERT_NE(Game, 0u);
    }
    // Through the logos to the splash, its images loaded.
    void ReachLoadedSplash() {
        // A click ends each company logo early, as it does for a player.
        int Frames = 0;
        ASSERT_TRUE(Driver->StepUntil(
            [&] {
                if (++Frames % 8 == 0 && Driver->Form().Scene() == gsCompanyLogos) Driver->Click(400, 300);
                return Driver->Form().Scene() == gsSplash;
            },
            1000));
        ASSERT_TRUE(Driver->StepUntil([&] { return Driver->Form().LoadingBar->LoadingFinished(); }, 600));
        Driver->Step(5);
    }

    static bool WaitFor(const std::function<bool()>& Condition, int Milliseconds) {
        const auto End = std::chrono::steady_clock::now() + std::chrono::milliseconds(Milliseconds);
        while (std::chrono::steady_clock::now() < End) {
            if (Condition()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return Condition();
    }
    // Frames run until the game's window really has this place on the screen (and
    // the game knows its size), then a few more so the picture has followed.
    bool SettleAt(const SDL_Rect& Want, bool CheckPosition) {
        const bool Settled = WaitFor(
            [&] {
                Driver->Step();
                const SDL_Rect Real = Probe.Geometry(Game);
                int W = 0, H = 0;
                SDL_GetWindowSize(Driver->Form().Window(), &W, &H);
                return Real.w == Want.w && Real.h == Want.h && W == Want.w && H == Want.h &&
                       (!CheckPosition || (Real.x == Want.x && Real.y == Want.y));
            },
            4000);
        Driver->Step(3);
        FlushGameDisplay(Driver->Form().Window());
        return Settled;
    }
    SDL_Rect DisplayRect() const { return SDL_Rect{0, 0, Probe.Width(), Probe.Height()}; }

    // The screen shows the last frame, scaled into Area and letterboxed.
    void ExpectFrameShownIn(const SDL_Rect& Area, const char* What) {
        TPicture Frame;
        ASSERT_TRUE(Driver->Capture(Frame));
        Probe.Grab();
        ASSERT_TRUE(Probe.Grabbed());
        const TComparison Whole = CompareWithFrame(Probe, Area, Frame);
        EXPECT_LT(Whole.MeanDifference, 12.0) << What;
        EXPECT_LT(Whole.FarOff, 0.03) << What;
        EXPECT_EQ(Whole.BarPixelsLit, 0) << What;
        // The title at the top of the splash is there, not cut off.
        const TComparison Top = CompareWithFrame(Probe, Area, Frame, 0, 150);
        EXPECT_LT(Top.MeanDifference, 12.0) << What << ": the top of the picture";
    }
    // A press of the desktop's pointer on frame pixel (FX, FY) reaches the game there.
    void ExpectClickLandsAt(const SDL_Rect& Area, int FX, int FY, const char* What) {
        const SDL_Rect Box = LetterboxRect(Area.w, Area.h, FrameW, FrameH);
        const int SX = Area.x + Box.x + static_cast<int>((FX + 0.5) * Box.w / FrameW);
        const int SY = Area.y + Box.y + static_cast<int>((FY + 0.5) * Box.h / FrameH);
        const int Before = Driver->PointerPresses();
        Probe.ClickAt(SX, SY);
        ASSERT_TRUE(WaitFor(
            [&] {
                Driver->Step();
                return Driver->PointerPresses() > Before;
            },
            3000))
            << What << ": the press never reached the game";
        const TPoint Landed = Driver->LastPointerPress();
        EXPECT_NEAR(Landed.X, FX, 1) << What;
        EXPECT_NEAR(Landed.Y, FY, 1) << What;
    }
    SDL_Rect CentredWindow(int W, int H) const {
        return SDL_Rect{(Probe.Width() - W) / 2, (Probe.Height() - H) / 2, W, H};
    }

    TDisplayProbe Probe;
    std::unique_ptr<TTestDriver> Driver;
    ::Window Game = 0;
};

TEST_F(DesktopWindow, FullScreenFillsTheDisplayLetterboxedAndTheWindowComesBack) {
    TTempFolder User;
    StartGame(User.Path());
    // A new player's options ask for full screen: the game takes it on the first logo frame.
    ReachLoadedSplash();
    ASSERT_TRUE(Driver->Form().FullScreen());
    ASSERT_TRUE(SettleAt(DisplayRect(), true)) << "full screen does not cover the display";
    ExpectFrameShownIn(DisplayRect(), "full screen at start");
    ExpectClickLandsAt(DisplayRect(), 123, 45, "full screen");

    for (int Round = 1; Round <= 2; ++Round) {
        Driver->Form().SetFullScreen(false, true);
        ASSERT_TRUE(SettleAt(CentredWindow(800, 600), false)) << "round " << Round;
        const SDL_Rect Window = Probe.Geometry(Game);
        ExpectFrameShownIn(Window, "the window");
        ExpectClickLandsAt(Window, 700, 500, "the window");

        Driver->Form().SetFullScreen(true, true);
        ASSERT_TRUE(SettleAt(DisplayRect(), true)) << "round " << Round;
        ExpectFrameShownIn(DisplayRect(), "full screen again");
    }
    ExpectClickLandsAt(DisplayRect(), 799, 0, "full screen, the top right corner");
}

TEST_F(DesktopWindow, AResizedWindowLetterboxesMapsClicksAndOpensAtThatSizeNextTime) {
    TTempFolder User;
    ChooseWindow(User.Path());
    StartGame(User.Path());
    ReachLoadedSplash();
    ASSERT_FALSE(Driver->Form().FullScreen());
    ASSERT_TRUE(SettleAt(CentredWindow(800, 600), false));

    // Wider than the frame: bars at the sides.
    const int W = 720;
    const int H = 360;
    Probe.Resize(Game, W, H);
    ASSERT_TRUE(WaitFor(
        [&] {
            Driver->Step();
            const SDL_Rect Real = Probe.Geometry(Game);
            return Real.w == W && Real.h == H;
        },
        4000));
    SDL_Rect Window = Probe.Geometry(Game);
    ASSERT_TRUE(SettleAt(Window, false));
    Window = Probe.Geometry(Game);
    ExpectFrameShownIn(Window, "the resized window");
    ExpectClickLandsAt(Window, 400, 300, "the resized window");
    ExpectClickLandsAt(Window, 10, 590, "the resized window, bottom left");

    Driver->Form().FormClose();
    Driver.reset();
    StartGame(User.Path());
    int OpenW = 0, OpenH = 0;
    SDL_GetWindowSize(Driver->Form().Window(), &OpenW, &OpenH);
    EXPECT_EQ(OpenW, W);
    EXPECT_EQ(OpenH, H);
    // The options asked for a window when the game closed: it stays one.
    Driver->Step(3);
    EXPECT_FALSE(Driver->Form().FullScreen());
    ASSERT_TRUE(SettleAt(CentredWindow(W, H), false));
    Driver->Form().FormClose();
}

}  // namespace
