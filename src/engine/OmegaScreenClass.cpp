#include "OmegaScreenClass.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "MessageBoxClass.h"

namespace {
const char* const GraphicsInitFailure =
    "Could not initialize the graphics (OpenGL).  Please check that your graphics drivers are installed.";
const char* const GraphicsDeviceFailure = "Could not find a compatible graphics device.";

// Every image list and font of the program, in creation order.
std::vector<TTextureKeeper*>& Keepers() {
    static std::vector<TTextureKeeper*> TheKeepers;
    return TheKeepers;
}

SDL_BlendMode Compose(SDL_BlendFactor Source, SDL_BlendFactor Destination) {
    // The same factors apply to colour and alpha.
    return SDL_ComposeCustomBlendMode(Source, Destination, SDL_BLENDOPERATION_ADD, Source, Destination,
                                      SDL_BLENDOPERATION_ADD);
}

const SDL_BlendMode* BlendModeTable() {
    static const SDL_BlendMode Table[BlendModeCount] = {
        Compose(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA),            // 0 translucent
        Compose(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE),                                  // 1 additive
        Compose(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE),                            // 2 additive by alpha
        Compose(SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR),            // 3
        Compose(SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE),                            // 4
        Compose(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_COLOR),                           // 5 multiply
        Compose(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA),                           // 6
        Compose(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR),                 // 7
        Compose(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA),                 // 8
        Compose(SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR, SDL_BLENDFACTOR_ZERO),                 // 9 invert
        Compose(SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_SRC_COLOR),                      // 10
        Compose(SDL_BLENDFACTOR_DST_COLOR, SDL_BLENDFACTOR_DST_COLOR),                      // 11
        Compose(SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR),  // 12
        Compose(SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR, SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR),  // 13
    };
    return Table;
}

int FindRenderDriver(const char* Name) {
    const int Count = SDL_GetNumRenderDrivers();
    for (int I = 0; I < Count; ++I) {
        SDL_RendererInfo Info;
        if (SDL_GetRenderDriverInfo(I, &Info) == 0 && Info.name && std::strcmp(Info.name, Name) == 0) return I;
    }
    return -1;
}

// Writes a file so that a crash leaves either the old file or the new one.
bool ReplaceWithTemporary(const std::string& Temporary, const std::string& FileName) {
    const int Handle = ::open(Temporary.c_str(), O_RDONLY);
    if (Handle < 0) return false;
    const bool Synced = ::fsync(Handle) == 0;
    ::close(Handle);
    if (!Synced || std::rename(Temporary.c_str(), FileName.c_str()) != 0) {
        std::remove(Temporary.c_str());
        return false;
    }
    return true;
}
}  // namespace

TTextureKeeper::TTextureKeeper() { Keepers().push_back(this); }

TTextureKeeper::~TTextureKeeper() {
    auto& List = Keepers();
    List.erase(std::remove(List.begin(), List.end(), this), List.end());
}

SDL_BlendMode SdlBlendModeFor(int32_t Mode) {
    return BlendModeTable()[(Mode >= 0 && Mode < BlendModeCount) ? Mode : 0];
}

SDL_Rect LetterboxRect(int32_t OutputWidth, int32_t OutputHeight, int32_t FrameWidth, int32_t FrameHeight) {
    if (OutputWidth <= 0 || OutputHeight <= 0 || FrameWidth <= 0 || FrameHeight <= 0) return SDL_Rect{0, 0, 0, 0};
    int64_t W = OutputWidth;
    int64_t H = OutputHeight;
    // Whichever side limits the frame fills the output; the other keeps the proportions.
    if (int64_t{OutputWidth} * FrameHeight <= int64_t{OutputHeight} * FrameWidth) {
        H = int64_t{OutputWidth} * FrameHeight / FrameWidth;
    } else {
        W = int64_t{OutputHeight} * FrameWidth / FrameHeight;
    }
    return SDL_Rect{static_cast<int>((OutputWidth - W) / 2), static_cast<int>((OutputHeight - H) / 2),
                    static_cast<int>(W), static_cast<int>(H)};
}

SDL_ScaleMode LetterboxScaleMode(const SDL_Rect& Target, int32_t FrameWidth, int32_t FrameHeight) {
    // At a whole-number scale every frame pixel becomes the same square of
    // window pixels, and nearest sampling keeps the drawing exactly as sharp as
    // it was made. At any other scale nearest sampling doubles some rows and
    // columns and not others, so outlines and lettering come out unevenly thick
    // and shimmer as things move; bilinear sampling spreads that error evenly
    // over every pixel, and on a high-density display its slight softness is
    // far below what the eye resolves.
    if (FrameWidth <= 0 || FrameHeight <= 0 || Target.w <= 0 || Target.h <= 0) return SDL_ScaleModeNearest;
    const bool Whole = Target.w % FrameWidth == 0 && Target.h % FrameHeight == 0 &&
                       Target.w / FrameWidth == Target.h / FrameHeight;
    return Whole ? SDL_ScaleModeNearest : SDL_ScaleModeLinear;
}

TOmegaScreen::TOmegaScreen() {
    FClipRect = TRect{0, 0, Width, Height};
    FSavedClipRect = FClipRect;
}

TOmegaScreen::~TOmegaScreen() {
    Finalize();
    if (OnDestroy) OnDestroy(this);
    for (TTextureKeeper* Keeper : Keepers()) {
        if (Keeper->KeeperScreen() == this) Keeper->ForgetScreen();
    }
}

void TOmegaScreen::SetWindowHandle(SDL_Window* Window) {
    FPreviousWindow = FWindow;
    FWindow = Window;
    FDesktop.SetWindow(Window);
}

bool TOmegaScreen::FailGraphics(const char* Message) {
    SDL_ShowCursor(SDL_ENABLE);
    ShowMessageBox(Message, "Error", TMessageBoxIcon::Error);
    ShowMessageBox("This application will now exit.", "Error", TMessageBoxIcon::Error);
    std::exit(1);
}

bool TOmegaScreen::Initialize() {
    if (FInitialized) return true;
    if (Width < 1) Width = 800;
    if (Height < 1) Height = 600;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return FailGraphics(GraphicsInitFailure);
    FVideoStarted = true;
    if (!FWindow) {
        FOwnWindow = SDL_CreateWindow("Quellow", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, Width, Height,
                                      SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
        if (!FOwnWindow) return FailGraphics(GraphicsInitFailure);
        FWindow = FOwnWindow;
        FDesktop.SetWindow(FWindow);
    }

    // Only the OpenGL renderers blend in every way the game draws.
    int Driver = FindRenderDriver("opengl");
    if (Driver < 0) Driver = FindRenderDriver("opengles2");
    if (Driver < 0) return FailGraphics(GraphicsInitFailure);
    // SDL batches draws only for renderers it picked itself unless asked to;
    // one call per sprite would cost many times more.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    Uint32 Flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    if (VSYNC) Flags |= SDL_RENDERER_PRESENTVSYNC;
    FRenderer = SDL_CreateRenderer(FWindow, Driver, Flags);
    if (!FRenderer) return FailGraphics(GraphicsInitFailure);

    FFrameTexture = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, Width, Height);
    if (!FFrameTexture) return FailGraphics(GraphicsDeviceFailure);
    for (int32_t Mode = 0; Mode < BlendModeCount; ++Mode) {
        if (SDL_SetTextureBlendMode(FFrameTexture, SdlBlendModeFor(Mode)) != 0) {
            return FailGraphics(GraphicsDeviceFailure);
        }
    }
    // The finished frame replaces what the window showed.
    SDL_SetTextureBlendMode(FFrameTexture, SDL_BLENDMODE_NONE);
    if (SDL_SetRenderTarget(FRenderer, FFrameTexture) != 0) return FailGraphics(GraphicsDeviceFailure);

    FInitialized = true;
    FReady = true;
    FInsideFrame = false;
    FBlendMode = -1;
    FSdlBlendMode = SdlBlendModeFor(0);
    FSmooth = false;
    FClipRect = TRect{0, 0, Width, Height};
    FSavedClipRect = FClipRect;
    ApplyClipRect();
    SDL_ShowCursor(ShowMouseCursor ? SDL_ENABLE : SDL_DISABLE);
    Clear(0, 0, 0, 255);
    RestoreTexturesOfDrawers();
    if (OnInit) OnInit(this);
    return true;
}

bool TOmegaScreen::Reset() {
    if (!FInitialized) return false;
    if (OnUnInit) OnUnInit(this);
    bool Ok = true;
    if (FWindow) Ok = FullScreen ? FDesktop.EnterFullScreen() : FDesktop.LeaveFullScreen(WindowWidth, WindowHeight);
    SDL_ShowCursor(ShowMouseCursor ? SDL_ENABLE : SDL_DISABLE);
    // Textures survive a mode switch; only the drawing target is set again.
    SDL_SetRenderTarget(FRenderer, FFrameTexture);
    ApplyClipRect();
    if (OnInit) OnInit(this);
    return Ok;
}

void TOmegaScreen::Finalize() {
    if (FInitialized) {
        if (OnUnInit) OnUnInit(this);
        ReleaseTexturesOfDrawers();
    }
    if (FFrameTexture) SDL_DestroyTexture(FFrameTexture);
    FFrameTexture = nullptr;
    if (FRenderer) SDL_DestroyRenderer(FRenderer);
    FRenderer = nullptr;
    if (FOwnWindow) {
        SDL_DestroyWindow(FOwnWindow);
        if (FWindow == FOwnWindow) {
            FWindow = nullptr;
            FDesktop.SetWindow(nullptr);
        }
        FOwnWindow = nullptr;
    }
    if (FVideoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    FVideoStarted = false;
    FInitialized = false;
    FReady = false;
    FInsideFrame = false;
}

void TOmegaScreen::RestoreTexturesOfDrawers() {
    for (TTextureKeeper* Keeper : Keepers()) {
        if (Keeper->KeeperScreen() == this) Keeper->MakeTextures();
    }
}

void TOmegaScreen::ReleaseTexturesOfDrawers() {
    for (TTextureKeeper* Keeper : Keepers()) {
        if (Keeper->KeeperScreen() == this) Keeper->DestroyTextures();
    }
}

void TOmegaScreen::Clear(uint8_t R, uint8_t G, uint8_t B, uint8_t A) {
    if (!IsReady()) return;
    SDL_SetRenderDrawBlendMode(FRenderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(FRenderer, R, G, B, A);
    SDL_RenderClear(FRenderer);
}

void TOmegaScreen::BeginFrame() {
    if (IsReady()) FInsideFrame = true;
}

void TOmegaScreen::EndFrame() {
    if (!FInsideFrame) return;
    FInsideFrame = false;
    if (FScreenshotPending && SaveScreenshot(FScreenshotFileName)) FScreenshotPending = false;
    if (PresentToWindow) PresentFrame();
}

void TOmegaScreen::PresentFrame() {
    SDL_SetRenderTarget(FRenderer, nullptr);
    // The whole window, at the size it has now: a resize may have landed since the last frame.
    SDL_RenderSetViewport(FRenderer, nullptr);
    SDL_SetRenderDrawBlendMode(FRenderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(FRenderer, 0, 0, 0, 255);
    SDL_RenderClear(FRenderer);
    int OutputWidth = Width;
    int OutputHeight = Height;
    SDL_GetRendererOutputSize(FRenderer, &OutputWidth, &OutputHeight);
    const SDL_Rect Target = LetterboxRect(OutputWidth, OutputHeight, Width, Height);
    const SDL_ScaleMode Wanted = LetterboxScaleMode(Target, Width, Height);
    SDL_ScaleMode Current = SDL_ScaleModeNearest;
    SDL_GetTextureScaleMode(FFrameTexture, &Current);
    if (Current != Wanted) SDL_SetTextureScaleMode(FFrameTexture, Wanted);
    SDL_RenderCopy(FRenderer, FFrameTexture, nullptr, &Target);
    SDL_RenderPresent(FRenderer);
    SDL_SetRenderTarget(FRenderer, FFrameTexture);
    ApplyClipRect();
}

void TOmegaScreen::SetBlendMode(int32_t Mode) {
    if (Mode == -1 || Mode == FBlendMode) return;
    FBlendMode = Mode;
    FSdlBlendMode = SdlBlendModeFor(Mode);
}

void TOmegaScreen::SetFiltering(bool Smooth) { FSmooth = Smooth; }

void TOmegaScreen::PrepareTexture(SDL_Texture* Texture, bool Covering) {
    const bool NormalMode = FBlendMode <= 0 || FBlendMode >= BlendModeCount;
    SDL_SetTextureBlendMode(Texture, Covering && NormalMode ? SDL_BLENDMODE_NONE : FSdlBlendMode);
    const SDL_ScaleMode Wanted = FSmooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    SDL_ScaleMode Current = SDL_ScaleModeNearest;
    SDL_GetTextureScaleMode(Texture, &Current);
    if (Current != Wanted) {
        // The renderer batches draws and reads the scale mode only when it
        // sends them: earlier draws of this texture must go out first.
        SDL_RenderFlush(FRenderer);
        SDL_SetTextureScaleMode(Texture, Wanted);
    }
}

void TOmegaScreen::SetClipRect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
    FSavedClipRect = FClipRect;
    FClipRect = TRect{Left, Top, Right, Bottom};
    ApplyClipRect();
}

void TOmegaScreen::SetOutputRect(const TRect& Rect) {
    FClipRect = Rect;
    ApplyClipRect();
}

void TOmegaScreen::RestoreClipRect() {
    FClipRect = FSavedClipRect;
    ApplyClipRect();
}

bool TOmegaScreen::ClipIsEmpty() const {
    const int32_t Left = std::max(FClipRect.Left, 0);
    const int32_t Top = std::max(FClipRect.Top, 0);
    const int32_t Right = std::min(FClipRect.Right, Width);
    const int32_t Bottom = std::min(FClipRect.Bottom, Height);
    return Right <= Left || Bottom <= Top;
}

void TOmegaScreen::ApplyClipRect() {
    if (!FRenderer) return;
    if (FClipRect == TRect{0, 0, Width, Height}) {
        SDL_RenderSetClipRect(FRenderer, nullptr);
        return;
    }
    if (ClipIsEmpty()) return;  // draws check ClipIsEmpty and draw nothing
    const int32_t Left = std::max(FClipRect.Left, 0);
    const int32_t Top = std::max(FClipRect.Top, 0);
    const int32_t Right = std::min(FClipRect.Right, Width);
    const int32_t Bottom = std::min(FClipRect.Bottom, Height);
    const SDL_Rect Clip{Left, Top, Right - Left, Bottom - Top};
    SDL_RenderSetClipRect(FRenderer, &Clip);
}

bool TOmegaScreen::CanDraw() const { return FInsideFrame && !ClipIsEmpty(); }

void TOmegaScreen::RequestScreenshot(const std::string& FileName) {
    FScreenshotFileName = FileName;
    FScreenshotPending = true;
}

bool TOmegaScreen::ReadFrame(TPicture& Out) {
    if (!IsReady()) return false;
    if (Out.Width != Width || Out.Height != Height) Out.SetSize(Width, Height);
    if (SDL_RenderReadPixels(FRenderer, nullptr, SDL_PIXELFORMAT_RGBA32, Out.Pixels.data(), Width * 4) != 0) {
        return false;
    }
    // The frame is opaque; blending leaves meaningless values in its alpha.
    for (size_t I = 3; I < Out.Pixels.size(); I += 4) Out.Pixels[I] = 255;
    return true;
}

bool TOmegaScreen::SaveScreenshot(const std::string& FileName) {
    if (FileName.empty() || !ReadFrame(FReadBuffer)) return false;
    SDL_Surface* Frame = SDL_CreateRGBSurfaceWithFormatFrom(FReadBuffer.Pixels.data(), Width, Height, 32, Width * 4,
                                                            SDL_PIXELFORMAT_RGBA32);
    if (!Frame) return false;
    // Without an alpha channel the picture is written as a plain 24-bit BMP.
    SDL_Surface* Opaque = SDL_ConvertSurfaceFormat(Frame, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(Frame);
    if (!Opaque) return false;
    const std::string Temporary = FileName + ".tmp";
    const bool Written = SDL_SaveBMP(Opaque, Temporary.c_str()) == 0;
    SDL_FreeSurface(Opaque);
    if (!Written) {
        std::remove(Temporary.c_str());
        return false;
    }
    return ReplaceWithTemporary(Temporary, FileName);
}

TPoint TOmegaScreen::WindowToFrame(int32_t X, int32_t Y) const {
    int WindowWidth = Width;
    int WindowHeight = Height;
    if (FWindow) SDL_GetWindowSize(FWindow, &WindowWidth, &WindowHeight);
    const SDL_Rect Frame = LetterboxRect(WindowWidth, WindowHeight, Width, Height);
    if (Frame.w <= 0 || Frame.h <= 0) return TPoint{X, Y};
    const double FrameX = std::floor(static_cast<double>(X - Frame.x) * Width / Frame.w);
    const double FrameY = std::floor(static_cast<double>(Y - Frame.y) * Height / Frame.h);
    return TPoint{static_cast<int32_t>(FrameX), static_cast<int32_t>(FrameY)};
}

TScreenTransform TOmegaScreen::Transform() const {
    TScreenTransform Result;
    Result.ScaleX = ScaleX;
    Result.ScaleY = ScaleY;
    Result.Rotation = Rotation;
    Result.CenterX = CenterX;
    Result.CenterY = CenterY;
    Result.OffsetX = OffsetX;
    Result.OffsetY = OffsetY;
    Result.Red = Red;
    Result.Green = Green;
    Result.Blue = Blue;
    Result.Alpha = Alpha;
    return Result;
}
