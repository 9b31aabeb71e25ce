#include "DesktopWindowClass.h"

#include <algorithm>

// The X11 headers come last: their macros (None, Status, Bool, ...) would clash with the game's names.
#include <SDL_syswm.h>

namespace {
#if defined(SDL_VIDEO_DRIVER_X11)
bool XRequestFailed = false;

int NoteXError(Display* /*Connection*/, XErrorEvent* /*Error*/) {
    XRequestFailed = true;
    return 0;
}

// One property of a window as a list of 32-bit values; empty when it is missing or of another type.
template <typename T>
bool ReadProperty(Display* Connection, ::Window Owner, Atom Property, Atom Type, T*& Values, unsigned long& Count) {
    Atom ActualType = 0;
    int ActualFormat = 0;
    unsigned long After = 0;
    unsigned char* Data = nullptr;
    Values = nullptr;
    Count = 0;
    if (XGetWindowProperty(Connection, Owner, Property, 0, 1024, False, Type, &ActualType, &ActualFormat, &Count,
                           &After, &Data) != Success) {
        return false;
    }
    if (ActualType != Type || ActualFormat != 32 || Count == 0) {
        if (Data) XFree(Data);
        Count = 0;
        return false;
    }
    Values = reinterpret_cast<T*>(Data);
    return true;
}

// A window manager that follows the desktop conventions names its own check
// window on the root window and on that window itself, and lists full screen
// among the states it supports. A leftover name from a manager that has ended
// points at a window that no longer exists.
bool ManagerDoesFullScreen(Display* Connection) {
    const Atom CheckAtom = XInternAtom(Connection, "_NET_SUPPORTING_WM_CHECK", True);
    const Atom SupportedAtom = XInternAtom(Connection, "_NET_SUPPORTED", True);
    const Atom FullScreenAtom = XInternAtom(Connection, "_NET_WM_STATE_FULLSCREEN", True);
    if (CheckAtom == 0 || SupportedAtom == 0 || FullScreenAtom == 0) return false;
    const ::Window Root = DefaultRootWindow(Connection);

    XSync(Connection, False);
    XRequestFailed = false;
    auto* const PreviousHandler = XSetErrorHandler(NoteXError);
    bool Alive = false;
    ::Window* Named = nullptr;
    unsigned long Count = 0;
    if (ReadProperty(Connection, Root, CheckAtom, XA_WINDOW, Named, Count)) {
        const ::Window Manager = Named[0];
        XFree(Named);
        ::Window* Own = nullptr;
        if (ReadProperty(Connection, Manager, CheckAtom, XA_WINDOW, Own, Count)) {
            Alive = Own[0] == Manager;
            XFree(Own);
        }
    }
    XSync(Connection, False);
    XSetErrorHandler(PreviousHandler);
    if (!Alive || XRequestFailed) return false;

    bool FullScreen = false;
    Atom* Supported = nullptr;
    if (ReadProperty(Connection, Root, SupportedAtom, XA_ATOM, Supported, Count)) {
        FullScreen = std::find(Supported, Supported + Count, FullScreenAtom) != Supported + Count;
        XFree(Supported);
    }
    return FullScreen;
}
#endif
}  // namespace

bool DesktopDoesFullScreen(SDL_Window* Window) {
    if (!Window) return true;
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo Info;
    SDL_VERSION(&Info.version);
    if (SDL_GetWindowWMInfo(Window, &Info) && Info.subsystem == SDL_SYSWM_X11 && Info.info.x11.display) {
        return ManagerDoesFullScreen(Info.info.x11.display);
    }
#endif
    return true;
}

void FitWindowSize(const SDL_Rect& Bounds, int32_t& Width, int32_t& Height) {
    if (Bounds.w > 0) Width = std::min(Width, Bounds.w);
    if (Bounds.h > 0) Height = std::min(Height, Bounds.h);
    Width = std::max(Width, 1);
    Height = std::max(Height, 1);
}

void TDesktopWindow::SetWindow(SDL_Window* Window) {
    if (Window == FWindow) return;
    FWindow = Window;
    FFullScreen = false;
    FByItself = false;
}

SDL_Rect TDesktopWindow::DisplayBounds() const {
    int Display = FWindow ? SDL_GetWindowDisplayIndex(FWindow) : 0;
    if (Display < 0) Display = 0;
    SDL_Rect Bounds{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(Display, &Bounds) != 0) Bounds = SDL_Rect{0, 0, 0, 0};
    return Bounds;
}

bool TDesktopWindow::EnterFullScreen() {
    if (!FWindow) return false;
    if (FFullScreen) return true;
    bool Ok = true;
    if (DesktopDoesFullScreen(FWindow)) {
        FByItself = false;
        Ok = SDL_SetWindowFullscreen(FWindow, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    } else {
        // Asking for full screen here would only make SDL believe the window had
        // grown: the renderer would draw a display-sized picture into the old window.
        FByItself = true;
        const SDL_Rect Bounds = DisplayBounds();
        SDL_SetWindowBordered(FWindow, SDL_FALSE);
        if (Bounds.w > 0 && Bounds.h > 0) {
            SDL_SetWindowPosition(FWindow, Bounds.x, Bounds.y);
            SDL_SetWindowSize(FWindow, Bounds.w, Bounds.h);
        }
        SDL_RaiseWindow(FWindow);
    }
    FFullScreen = true;
    return Ok;
}

bool TDesktopWindow::LeaveFullScreen(int32_t Width, int32_t Height) {
    if (!FWindow) return false;
    bool Ok = true;
    if (FFullScreen && !FByItself) Ok = SDL_SetWindowFullscreen(FWindow, 0) == 0;
    if (FFullScreen && FByItself) SDL_SetWindowBordered(FWindow, SDL_TRUE);
    FFullScreen = false;
    FByItself = false;
    const SDL_Rect Bounds = DisplayBounds();
    FitWindowSize(Bounds, Width, Height);
    SDL_SetWindowSize(FWindow, Width, Height);
    // Centred on its display, or at the display's corner when it fills it.
    SDL_SetWindowPosition(FWindow, Bounds.x + std::max(0, (Bounds.w - Width) / 2),
                          Bounds.y + std::max(0, (Bounds.h - Height) / 2));
    return Ok;
}
