// quellow-dev: runs the game through the test driver for developers.
//
//   quellow-dev capture [--frames N] [--click X,Y@F]... [--text STR@F]... [--key NAME@F]...
//                       [--out FILE.png] [--data DIR] [--user DIR] [--show]
//
// Steps N frames (default 100) from start-up, injecting the scripted input at the given
// frames, and writes the last frame as a PNG. --data points at a game folder (default: the
// build's), --user at a user data folder (default: a fresh temporary one), --show also shows
// the frames in a window.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "TestDriverClass.h"

namespace {

struct TScriptedInput {
    int Frame = 0;
    enum class TKind { Click, Text, Key } Kind = TKind::Click;
    int X = 0, Y = 0;
    std::string Text;
    SDL_Keycode Key = SDLK_UNKNOWN;
};

int Usage() {
    std::fprintf(stderr,
                 "usage: quellow-dev capture [--frames N] [--click X,Y@F] [--text STR@F] [--key NAME@F]\n"
                 "                           [--out FILE.png] [--data DIR] [--user DIR] [--show]\n");
    return 2;
}

// Splits "VALUE@FRAME"; false when the frame is missing or not a number.
bool SplitAtFrame(const std::string& Arg, std::string& Value, int& Frame) {
    const size_t At = Arg.rfind('@');
    if (At == std::string::npos) return false;
    Value = Arg.substr(0, At);
    char* End = nullptr;
    const long F = std::strtol(Arg.c_str() + At + 1, &End, 10);
    if (*End != '\0' || F < 0) return false;
    Frame = static_cast<int>(F);
    return true;
}

int Capture(int Argc, char** Argv) {
    TTestDriverSetup Setup;
    int Frames = 100;
    std::string Out = "frame.png";
    std::vector<TScriptedInput> Script;
    for (int I = 2; I < Argc; ++I) {
        const std::string Arg = Argv[I];
        const bool HasValue = I + 1 < Argc;
        if (Arg == "--frames" && HasValue) {
            Frames = std::atoi(Argv[++I]);
        } else if (Arg == "--out" && HasValue) {
            Out = Argv[++I];
        } else if (Arg == "--data" && HasValue) {
            Setup.AppFolder = Argv[++I];
        } else if (Arg == "--user" && HasValue) {
            Setup.UserDataFolder = Argv[++I];
        } else if (Arg == "--show") {
            Setup.ShowWindow = true;
        } else if ((Arg == "--click" || Arg == "--text" || Arg == "--key") && HasValue) {
            TScriptedInput Input;
            std::string Value;
            if (!SplitAtFrame(Argv[++I], Value, Input.Frame)) return Usage();
            if (Arg == "--click") {
                if (std::sscanf(Value.c_str(), "%d,%d", &Input.X, &Input.Y) != 2) return Usage();
                Input.Kind = TScriptedInput::TKind::Click;
            } else if (Arg == "--text") {
                Input.Kind = TScriptedInput::TKind::Text;
                Input.Text = Value;
            } else {
                Input.Kind = TScriptedInput::TKind::Key;
                Input.Key = SDL_GetKeyFromName(Value.c_str());
                if (Input.Key == SDLK_UNKNOWN) {
                    std::fprintf(stderr, "quellow-dev: unknown key name \"%s\"\n", Value.c_str());
                    return 2;
                }
            }
            Script.push_back(Input);
        } else {
            return Usage();
        }
    }

    TTestDriver Driver(Setup);
    if (!Driver.Start()) {
        std::fprintf(stderr, "quellow-dev: the game did not start\n");
        for (const auto& Message : Driver.Messages()) std::fprintf(stderr, "  %s\n", Message.c_str());
        return 1;
    }
    for (int Frame = 0; Frame < Frames; ++Frame) {
        for (const auto& Input : Script) {
            if (Input.Frame != Frame) continue;
            switch (Input.Kind) {
                case TScriptedInput::TKind::Click: Driver.Click(Input.X, Input.Y); break;
                case TScriptedInput::TKind::Text: Driver.TypeText(Input.Text); break;
                case TScriptedInput::TKind::Key: Driver.KeyDown(Input.Key); break;
            }
        }
        Driver.Step();
    }
    for (const auto& Message : Driver.Messages()) std::fprintf(stderr, "message: %s\n", Message.c_str());
    if (!Driver.SaveFramePng(Out)) {
        std::fprintf(stderr, "quellow-dev: cannot write %s\n", Out.c_str());
        return 1;
    }
    std::printf("%s: frame %d, scene %d\n", Out.c_str(), Driver.FramesRun(), static_cast<int>(Driver.Form().Scene()));
    return 0;
}

}  // namespace

int main(int Argc, char** Argv) {
    if (Argc >= 2 && std::strcmp(Argv[1], "capture") == 0) return Capture(Argc, Argv);
    return Usage();
}
