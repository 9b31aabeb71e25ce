// The frame loop, the message loop, input routing, full screen and the focus hooks.
#include <algorithm>
#include <cstdio>
#include <exception>

#include "ApplicationClass.h"
#include "FormMainClass.h"
#include "Win1252Class.h"

namespace {
constexpr uint32_t Timer1Interval = 100;  // ms before a deactivated full-screen game drops to a window

// Exceptions that reach an event handler are swallowed; one line says what happened.
template <typename F>
void Guarded(const char* What, F&& Handler) {
    try {
        Handler();
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "Quellow: %s: %s\n", What, Error.what());
    } catch (...) {
        std::fprintf(stderr, "Quellow: %s: unknown error\n", What);
    }
}
}  // namespace

void TFormMain::FormShow() {
    if (FStartupStopped) return;
    if (FSetup.ShowWindow && FWindow) SDL_ShowWindow(FWindow);
    OmegaTimer1.SetEnabled(true);
}

void TFormMain::OmegaTimer1Timer(TObject* /*Sender*/) {
    if (!GameScene) return;
    ++FFramesRun;
    MusicBox->Update();
    if (!OmegaScreen1.IsReady() && !FSetup.Headless) return;
    OmegaScreen1.SetFiltering(false);
    OmegaScreen1.Clear(0, 0, 0, 255);
    OmegaScreen1.BeginFrame();
    OmegaFont_Size8.BeginText();
    OmegaFont_Size10.BeginText();
    OmegaFont_Size18.BeginText();
    SceneFrame(GameScene->Value());
    SceneTransition->UpdateAndDraw();
    OmegaFont_Size18.EndText();
    OmegaFont_Size10.EndText();
    OmegaFont_Size8.EndText();
    OmegaScreen1.EndFrame();
}

int TFormMain::Run() {
    SDL_Event Event;
    while (!FClosed) {
        if (ApplicationTerminateRequested()) {
            FormClose();
            break;
        }
        uint32_t Wait = OmegaTimer1.Enabled() ? static_cast<uint32_t>(std::max(0, OmegaTimer1.MillisecondsUntilNextTick())) : 250;
        if (FTimer1Enabled) {
            const uint32_t Now = SDL_GetTicks();
            const uint32_t Left = SDL_TICKS_PASSED(Now, FTimer1Due) ? 0 : FTimer1Due - Now;
            if (Left < Wait) Wait = Left;
        }
        if (SDL_WaitEventTimeout(&Event, static_cast<int>(Wait))) {
            HandleEvent(Event);
            while (!FClosed && SDL_PollEvent(&Event)) HandleEvent(Event);
        }
        if (FClosed) break;
        if (FTimer1Enabled && SDL_TICKS_PASSED(SDL_GetTicks(), FTimer1Due)) {
            Guarded("focus timer", [this] { Timer1Timer(); });
        }
        Guarded("frame", [this] { OmegaTimer1.Tick(); });
    }
    return 0;
}

void TFormMain::HandleEvent(const SDL_Event& Event) {
    Guarded("event", [&] {
        switch (Event.type) {
            case SDL_QUIT:
                if (FormCloseQuery()) FormClose();
                break;
            case SDL_WINDOWEVENT:
                switch (Event.window.event) {
                    case SDL_WINDOWEVENT_CLOSE:
                        if (FormCloseQuery()) FormClose();
                        break;
                    case SDL_WINDOWEVENT_FOCUS_LOST: ApplicationDeactivate(); break;
                    case SDL_WINDOWEVENT_FOCUS_GAINED: ApplicationActivate(); break;
                    case SDL_WINDOWEVENT_RESTORED: ApplicationRestore(); break;
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                        // The window keeps its 800 by 600 client area outside full screen.
                        if (!OmegaScreen1.FullScreen && FWindow) SDL_SetWindowSize(FWindow, 800, 600);
                        break;
                    default: break;
                }
                break;
            case SDL_MOUSEMOTION: {
                const TPoint P = OmegaScreen1.WindowToFrame(Event.motion.x, Event.motion.y);
                FormMouseMove(P.X, P.Y);
                break;
            }
            case SDL_MOUSEBUTTONDOWN: {
                const TPoint P = OmegaScreen1.WindowToFrame(Event.button.x, Event.button.y);
                const TMouseButton Button = Event.button.button == SDL_BUTTON_LEFT    ? mbLeft
                                            : Event.button.button == SDL_BUTTON_RIGHT ? mbRight
                                                                                      : mbMiddle;
                FormMouseDown(Button, P.X, P.Y);
                break;
            }
            case SDL_MOUSEBUTTONUP: {
                const TPoint P = OmegaScreen1.WindowToFrame(Event.button.x, Event.button.y);
                FormMouseUp(P.X, P.Y);
                break;
            }
            case SDL_KEYDOWN: {
                const SDL_Keycode Key = Event.key.keysym.sym;
                const bool Alt = (Event.key.keysym.mod & KMOD_ALT) != 0;
                if (Key == SDLK_F11 || (Alt && (Key == SDLK_RETURN || Key == SDLK_KP_ENTER))) {
                    if (!Event.key.repeat && ToggleFullScreenAllowed()) {
                        SetFullScreen(!OmegaScreen1.FullScreen, true);
                        FullScreenToggledByKey();
                    }
                } else if (Key == SDLK_BACKSPACE) {
                    FormKeyPress('\b');
                } else if (Key == SDLK_RETURN || Key == SDLK_KP_ENTER) {
                    FormKeyPress('\r');
                } else if (Key == SDLK_ESCAPE) {
                    FormKeyPress('\x1B');
                } else if (Key == SDLK_SPACE && !Event.key.repeat) {
                    // One press pauses or resumes once: held keys repeat, and the press's
                    // text event is not a second press.
                    SpacePressed();
                }
                break;
            }
            case SDL_TEXTINPUT: {
                // Typed text arrives as UTF-8; the game keeps Windows-1252, and what it cannot hold is dropped.
                const std::string Text = Utf8ToWin1252(Event.text.text);
                for (char Ch : Text) FormKeyPress(Ch);
                break;
            }
            default: break;
        }
    });
}

void TFormMain::FormMouseMove(int32_t X, int32_t Y) {
    FrameCursor = TFrameCursor::Arrow;
    if (SceneTransition && SceneTransition->IsCovering()) return;
    SceneMouseMove(Scene(), X, Y);
    ApplyWindowCursor();
}

void TFormMain::FormMouseDown(TMouseButton Button, int32_t X, int32_t Y) {
    if (SceneTransition && SceneTransition->IsCovering()) return;
    SceneMouseDown(Scene(), Button, X, Y);
}

void TFormMain::FormMouseUp(int32_t X, int32_t Y) {
    if (SceneTransition && SceneTransition->IsCovering()) return;
    SceneMouseUp(Scene(), X, Y);
}

void TFormMain::FormKeyPress(char Key) {
    // Keys reach the round (Escape, Space) and the name entry; the other scenes ignore them.
    switch (Scene()) {
        case gsAddPlayer:
        case gsAddInitialPlayer: KeyPressAddPlayer(Key); break;
        case gsMainGame:
        case gsBonusStage:
            if (Key == '\x1B' && Panels.MenuButton->Enabled) OpenInGameMenu();
            break;
        default: break;
    }
}

void TFormMain::ApplyWindowCursor() {
    if (FWindowCursor == FrameCursor) return;
    FWindowCursor = FrameCursor;
    // No pointer at all while a tool in hand stands for it (only a game with a window has one).
    if (FArrowCursor) SDL_ShowCursor(FrameCursor == TFrameCursor::Hidden ? SDL_DISABLE : SDL_ENABLE);
    if (FrameCursor == TFrameCursor::Hidden) return;
    SDL_Cursor* Cursor = FrameCursor == TFrameCursor::HandPoint ? FHandCursor : FArrowCursor;
    if (Cursor) SDL_SetCursor(Cursor);
}

bool TFormMain::ToggleFullScreenAllowed() const {
    if (!GameScene || FStartupStopped) return false;
    if (SceneTransition && SceneTransition->IsCovering()) return false;
    return GameScene->Value() != gsConfirmWindow;
}

void TFormMain::SetFullScreen(bool Want, bool Store) {
    if (Want != OmegaScreen1.FullScreen) {
        OmegaScreen1.FullScreen = !OmegaScreen1.FullScreen;
        if (Want) {
            FrameCursor = TFrameCursor::Arrow;
            ApplyWindowCursor();
        }
        if (!OmegaScreen1.FullScreen && FMinimisePending) {
            FMinimisePending = false;
            if (FWindow) SDL_MinimizeWindow(FWindow);
        }
        OmegaScreen1.SetWindowHandle(FWindow);
        OmegaScreen1.Reset();
        if (!OmegaScreen1.FullScreen && FWindow) {
            SDL_SetWindowSize(FWindow, 800, 600);
            SDL_SetWindowPosition(FWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
    }
    if (Store) Options->FullScreen = OmegaScreen1.FullScreen;
}

void TFormMain::ApplicationDeactivate() {
    // The full-screen question's own switch moves the focus: it must not stop the game.
    if (FullScreenQuestionShowing()) return;
    OmegaTimer1.SetEnabled(false);
    SilenceAudio();
    FResumeOnActivate = true;
    if (OmegaScreen1.FullScreen && Scene() != gsCompanyLogos && !FTimer1Enabled) {
        FResumeOnActivate = false;
        FTimer1Enabled = true;
        FTimer1Due = SDL_GetTicks() + Timer1Interval;
    }
}

void TFormMain::Timer1Timer() {
    FTimer1Enabled = false;
    FMinimisePending = true;
    SetFullScreen(false, false);
}

void TFormMain::ApplicationActivate() {
    if (FullScreenQuestionShowing()) return;
    if (FResumeOnActivate) {
        OmegaTimer1.SetEnabled(true);
        ApplyVolumes();
        if (Scene() != gsCompanyLogos && Options->FullScreen && !OmegaScreen1.FullScreen) SetFullScreen(true, false);
    }
    if (FTimer1Enabled) {
        // Back within the 100 ms: the switch to a window is cancelled and the game resumes at once.
        FTimer1Enabled = false;
        FResumeOnActivate = true;
        OmegaTimer1.SetEnabled(true);
        ApplyVolumes();
    }
}

void TFormMain::ApplicationRestore() {
    if (FullScreenQuestionShowing()) return;
    OmegaTimer1.SetEnabled(true);
    ApplyVolumes();
    if (Scene() != gsCompanyLogos && Options->FullScreen && !OmegaScreen1.FullScreen) SetFullScreen(true, false);
}
