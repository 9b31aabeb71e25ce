#include "MessageBoxClass.h"

#include <SDL.h>

#include <cstdio>

#include "Win1252Class.h"

namespace {
TMessageBoxSink& Sink() {
    static TMessageBoxSink TheSink;
    return TheSink;
}
}  // namespace

void SetMessageBoxSink(TMessageBoxSink NewSink) { Sink() = std::move(NewSink); }

void ShowMessageBox(const std::string& Text, const std::string& Caption, TMessageBoxIcon Icon) {
    if (Sink()) {
        Sink()(Text, Caption);
        return;
    }
    const std::string Utf8Text = Win1252ToUtf8(Text);
    const std::string Utf8Caption = Win1252ToUtf8(Caption);
    const Uint32 Flags = Icon == TMessageBoxIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    // Without a display that can show a box, the message still reaches the player's terminal.
    const char* Driver = SDL_GetCurrentVideoDriver();
    const bool Offscreen = Driver && (SDL_strcmp(Driver, "offscreen") == 0 || SDL_strcmp(Driver, "dummy") == 0);
    if (Offscreen || SDL_ShowSimpleMessageBox(Flags, Utf8Caption.c_str(), Utf8Text.c_str(), nullptr) != 0) {
        std::fprintf(stderr, "%s: %s\n", Utf8Caption.c_str(), Utf8Text.c_str());
    }
}
