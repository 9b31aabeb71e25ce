// The screen every sprite is drawn on: an 800x600 frame drawn through SDL's
// OpenGL renderer into a frame texture, then copied to the game window at the
// end of each frame, scaled to fit and letterboxed in full screen. It owns the
// blending, filtering and clipping state of the draws, takes screenshots, and
// gives textures to the image lists and fonts that draw on it.
//
// A screen that is never initialized (a headless simulation) makes every draw
// a no-op; image items keep their pictures and get textures when the screen
// initializes.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "DesktopWindowClass.h"
#include "GameTypesClass.h"
#include "OmegaRendererClass.h"
#include "PictureClass.h"

enum TRenderMode : uint8_t { rmHardware, rmReference, rmSoftware };
enum TPoolType : uint8_t { plManaged, plDefault };

class TOmegaScreen;

// Anything that keeps textures made by a screen (the image lists and the
// fonts). Every keeper is known to all screens, the way components of one
// form know each other: a screen gives textures to the keepers that draw on
// it when it starts and takes them back before it releases its renderer.
class TTextureKeeper {
public:
    TTextureKeeper();
    virtual ~TTextureKeeper();
    TTextureKeeper(const TTextureKeeper&) = delete;
    TTextureKeeper& operator=(const TTextureKeeper&) = delete;

    // The screen this keeper draws on, if any.
    virtual TOmegaScreen* KeeperScreen() const = 0;
    // The screen is ready: make the missing textures.
    virtual void MakeTextures() = 0;
    // The screen is about to release its renderer: destroy the textures, keep the pictures.
    virtual void DestroyTextures() = 0;
    // The screen is being destroyed: forget it.
    virtual void ForgetScreen() = 0;
};

// Blend modes: result = source * source factor + destination * destination factor.
constexpr int32_t BlendModeCount = 14;  // 0..13; any other value draws as 0

class TOmegaScreen : public TObject {
public:
    TOmegaScreen();
    ~TOmegaScreen() override;
    TOmegaScreen(const TOmegaScreen&) = delete;
    TOmegaScreen& operator=(const TOmegaScreen&) = delete;

    // Properties, with the defaults of a new screen; the main form sets
    // Width 800, Height 600, bpp 32, ZBuffer false and FullScreen from the
    // options. Width and Height are the frame's size. The OpenGL screen keeps
    // bpp, Frequency, BBCount, ZBuffer, BackBufferAccess, Pool and RenderMode
    // for the game's settings but has no use for them: it always draws 32-bit
    // colour into a frame texture, and full screen is the desktop's own mode.
    int32_t Width = 800;
    int32_t Height = 600;
    int32_t bpp = 16;
    bool FullScreen = false;
    uint32_t Frequency = 0;
    bool VSYNC = false;
    int32_t BBCount = 0;
    bool ZBuffer = true;
    bool BackBufferAccess = false;
    TPoolType Pool = plManaged;
    TRenderMode RenderMode = rmHardware;
    bool ShowMouseCursor = true;
    // The screen-wide transform and colour; the game leaves them at identity.
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
    float Rotation = 0.0f;
    int32_t CenterX = 0;
    int32_t CenterY = 0;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    uint8_t Red = 255;
    uint8_t Green = 255;
    uint8_t Blue = 255;
    uint8_t Alpha = 255;
    // When false, EndFrame finishes the frame (screenshot included) but does
    // not show it in the window: tests step frames and read them back.
    bool PresentToWindow = true;
    // The window's client size outside full screen (the player may resize it).
    int32_t WindowWidth = 800;
    int32_t WindowHeight = 600;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnInit;    // after the renderer is made or reset
    TNotifyEvent OnUnInit;  // before it is reset or released

    // The window to draw into. Without one, Initialize makes its own hidden window.
    void SetWindowHandle(SDL_Window* Window);
    SDL_Window* WindowHandle() const { return FWindow; }
    SDL_Window* PreviousWindowHandle() const { return FPreviousWindow; }

    // Starts SDL's video and the OpenGL renderer and gives textures to every
    // image list and font drawing on this screen. When the graphics cannot
    // start, the player is told and the program ends with exit code 1.
    // Finalize the screen before destroying the window it draws into.
    bool Initialize();
    // Applies FullScreen to the window (the whole display it is on, or back to
    // a WindowWidth x WindowHeight window centred on it), keeping every texture.
    bool Reset();
    // Releases every texture and the renderer. Pictures stay with their items.
    void Finalize();
    bool IsReady() const { return FInitialized && FReady; }
    bool Initialized() const { return FInitialized; }

    // Clears the whole frame to the colour (clipping does not apply).
    void Clear(uint8_t R, uint8_t G, uint8_t B, uint8_t A);
    // Opens a frame; draws outside an opened frame do nothing.
    void BeginFrame();
    // Closes the frame: takes a requested screenshot, then shows the frame in
    // the window (unless PresentToWindow is off).
    void EndFrame();
    bool InsideFrame() const { return FInsideFrame; }

    // Sets the blend mode of the following draws; -1 keeps the current one.
    void SetBlendMode(int32_t Mode);
    // The mode last set (-1 before any), as given.
    int32_t BlendMode() const { return FBlendMode; }
    // Bilinear (true) or nearest-texel (false) sampling for the following draws.
    void SetFiltering(bool Smooth);
    bool Filtering() const { return FSmooth; }
    // Restricts output to (Left, Top)-(Right, Bottom), right and bottom
    // exclusive, saving the current output rectangle; RestoreClipRect sets the
    // saved one back.
    void SetClipRect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
    void RestoreClipRect();
    // Sets the output rectangle without touching the saved one (for draws
    // that clip for themselves and put the caller's rectangle back).
    void SetOutputRect(const TRect& Rect);
    // The current output rectangle (the whole frame when nothing is clipped).
    TRect ClipRect() const { return FClipRect; }

    // The next EndFrame saves the frame to FileName as a BMP file (replacing
    // it safely); a failed attempt is repeated at the following frames.
    void RequestScreenshot(const std::string& FileName);
    bool ScreenshotPending() const { return FScreenshotPending; }

    // The pixels of the last frame drawn (Width x Height, opaque). False when
    // the screen is not ready.
    bool ReadFrame(TPicture& Out);
    // Window coordinates (as mouse events give them) to frame pixels, through
    // the letterbox of full screen. Points in the black bars map outside the frame.
    TPoint WindowToFrame(int32_t X, int32_t Y) const;

    // For the image lists, fonts and tests.
    SDL_Renderer* Renderer() const { return FRenderer; }
    // Inside an opened frame, with an output rectangle that is not empty.
    bool CanDraw() const;
    bool ClipIsEmpty() const;
    // The SDL blend mode of the current blend mode.
    SDL_BlendMode CurrentSdlBlendMode() const { return FSdlBlendMode; }
    // Sets the blend and scale mode of the current state on a texture before it is drawn.
    // Covering: the draw is opaque throughout, so the normal mode may copy instead of blend.
    void PrepareTexture(SDL_Texture* Texture, bool Covering = false);
    TScreenTransform Transform() const;

private:
    [[noreturn]] bool FailGraphics(const char* Message);
    void ApplyClipRect();
    void RestoreTexturesOfDrawers();
    void ReleaseTexturesOfDrawers();
    bool SaveScreenshot(const std::string& FileName);
    void PresentFrame();

    SDL_Window* FWindow = nullptr;
    SDL_Window* FPreviousWindow = nullptr;
    SDL_Window* FOwnWindow = nullptr;  // made by Initialize when no window was given
    TDesktopWindow FDesktop;
    SDL_Renderer* FRenderer = nullptr;
    SDL_Texture* FFrameTexture = nullptr;
    bool FVideoStarted = false;
    bool FInitialized = false;
    bool FReady = false;
    bool FInsideFrame = false;
    int32_t FBlendMode = -1;
    SDL_BlendMode FSdlBlendMode = SDL_BLENDMODE_BLEND;
    bool FSmooth = false;
    TRect FClipRect;
    TRect FSavedClipRect;
    std::string FScreenshotFileName;
    bool FScreenshotPending = false;
    TPicture FReadBuffer;
};

// The SDL blend mode for one of the game's blend modes (any unknown mode is 0).
SDL_BlendMode SdlBlendModeFor(int32_t Mode);
// Where a FrameWidth x FrameHeight frame goes in an OutputWidth x
// OutputHeight area: as large as fits, centred, keeping its proportions.
SDL_Rect LetterboxRect(int32_t OutputWidth, int32_t OutputHeight, int32_t FrameWidth, int32_t FrameHeight);
// The sampling that shows the frame best at that place: exact texels at a
// whole-number scale, bilinear at any other.
SDL_ScaleMode LetterboxScaleMode(const SDL_Rect& Target, int32_t FrameWidth, int32_t FrameHeight);
