// Puts the game's window in full screen on the display it is on, or back to a
// window of a given size centred on that display, on any desktop: under a window
// manager that does full screen, the manager is asked; with none (or one that
// ignores the request) the window itself is made borderless and laid over the
// whole display, so the window's real size always matches what the renderer
// draws into.
#pragma once

#include <SDL.h>

#include <cstdint>

class TDesktopWindow {
public:
    // The window to manage (none: every call does nothing).
    void SetWindow(SDL_Window* Window);
    SDL_Window* Window() const { return FWindow; }

    // Fills the display the window is on.
    bool EnterFullScreen();
    // A Width x Height window centred on its display (cut to the display when smaller).
    bool LeaveFullScreen(int32_t Width, int32_t Height);
    bool InFullScreen() const { return FFullScreen; }
    // True when full screen is the window laid over the display by the game itself.
    bool FullScreenByItself() const { return FByItself; }

    // The bounds of the display the window is on (the first display without a window).
    SDL_Rect DisplayBounds() const;

private:
    SDL_Window* FWindow = nullptr;
    bool FFullScreen = false;
    bool FByItself = false;
};

// True when the window's desktop has a window manager that takes full-screen
// requests. Only the X11 desktop can lack one; elsewhere the answer is true.
bool DesktopDoesFullScreen(SDL_Window* Window);

// A Width x Height window size that fits in Bounds: either side larger than the
// display is cut to it.
void FitWindowSize(const SDL_Rect& Bounds, int32_t& Width, int32_t& Height);
