// quellow-dev: runs the game through the test driver for developers.
//
//   quellow-dev capture [--frames N] [--click X,Y@F]... [--text STR@F]... [--key NAME@F]...
//                       [--level I-L | --map | --story N] [--out FILE.png] [--data DIR] [--user DIR] [--show]
//   quellow-dev play [--level I-L | --map] [--seed N] [--specials] [--data DIR] [--user DIR]
//   quellow-dev monsters [--out DIR] [--only KIND] [--data DIR]
//
// capture steps N frames (default 100) from start-up, injecting the scripted input at the
// given frames, and writes the last frame as a PNG. --data points at a game folder (default:
// the build's), --user at a user data folder (default: a fresh temporary one), --show also
// shows the frames in a window. --level skips the opening scenes and starts level L of island I;
// --map skips them and opens the map as the menu's Play button does; --story skips them and
// plays story chapter N (1-6), so frame F of the capture is the chapter's frame F.
//
// play opens a window on level L of island I (default 1-01) and runs the game's own message
// loop and frame timer, so a person plays the round with the mouse as the game runs it (its
// announcement, the round, its result) until the window is closed; how each round ended is
// printed. --seed fixes the gameplay random stream (the same board and refills for the same
// moves). Uni fruits, fruit blasters, hammers, bombs and tools do nothing on the board alone
// yet, so their chances are switched off unless --specials keeps the level's own. --data and
// --user as for capture (a --user folder keeps the window choice, as F11 would); messages the
// game shows are printed when the window closes. play --map opens the map instead, as the
// menu's Play button does, for the --user folder's selected player (a new player with the
// default name when there is none, or without --user), and the game is played on from there.
//
// monsters writes a character sheet of each boss monster (or only of KIND: bird, lizard, kong,
// fish or lion) into DIR (default: the current folder) as <Kind>.png: the monster driven by its
// own class through walking left and right at three bobs, facing, absorbing with its aura at the
// peak and knocked out under its stars, drawn with the game's images.
#include <SDL.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "MonsterSheetClass.h"
#include "RandomClass.h"
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
                 "                           [--level I-L | --map | --story N] [--out FILE.png] [--data DIR]\n"
                 "                           [--user DIR] [--show]\n"
                 "       quellow-dev play [--level I-L | --map] [--seed N] [--specials] [--data DIR] [--user DIR]\n"
                 "       quellow-dev monsters [--out DIR] [--only KIND] [--data DIR]\n");
    return 2;
}

// Reads "I-L" (island and level, both from 1); false for anything else.
bool ParseLevel(const char* Text, int& Island, int& Level) {
    int Used = 0;
    if (std::sscanf(Text, "%d-%d%n", &Island, &Level, &Used) != 2 || Text[Used] != '\0') return false;
    return Island >= 1 && Level >= 1;
}

// Reads a whole unsigned decimal number; false for anything else.
bool ParseSeed(const char* Text, uint64_t& Seed) {
    if (*Text < '0' || *Text > '9') return false;
    char* End = nullptr;
    errno = 0;
    const unsigned long long Value = std::strtoull(Text, &End, 10);
    if (*End != '\0' || errno == ERANGE) return false;
    Seed = Value;
    return true;
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
    int Island = 0, Level = 0, Chapter = 0;
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
        } else if (Arg == "--level" && HasValue) {
            if (!ParseLevel(Argv[++I], Island, Level)) return Usage();
        } else if (Arg == "--map") {
            Setup.PlayMap = true;
        } else if (Arg == "--story" && HasValue) {
            Chapter = std::atoi(Argv[++I]);
            if (Chapter < 1 || Chapter > 6) return Usage();
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
    if (Island > 0) {
        Driver.Form().MainLoadForDevelopment();
        if (!Driver.Form().StartLevel(Island, Level)) {
            for (const auto& Message : Driver.Messages()) std::fprintf(stderr, "message: %s\n", Message.c_str());
            return 1;
        }
    } else if (Chapter > 0) {
        Driver.Form().MainLoadForDevelopment();
        Driver.Form().PlayStoryChapter(Chapter);
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

// The specials and tools that refills would bring never appear (flowers still do).
void SwitchOffSpecialsAndTools(TGameBoard& Board) {
    Board.OneUniFruitEveryProb = 0;
    Board.OneMultiBubbleEveryProb = 0;
    Board.OneFruitBombEveryProb = 0;
    Board.OneHammerEveryProb = 0;
    Board.OneMagicKeyEveryProb = 0;
    Board.OneBroomEveryProb = 0;
    Board.OneAerosolEveryProb = 0;
}

// Prints how each round played in the window ended, as the result or time up shows it.
void ReportRoundEnds(TFormMain& Form) {
    const auto ResultShown = Form.Results.Window->OnShowingComplete;
    Form.Results.Window->OnShowingComplete = [&Form, ResultShown](TObject* Sender) {
        if (ResultShown) ResultShown(Sender);
        static const char* const Medals[] = {"bronze", "silver", "gold", "no"};
        const int32_t Medal = static_cast<int32_t>(Form.Results.Medal->MedalKind());
        std::printf("level %d-%02d won in %s: %s medal, level score %d, money +%d\n", Form.CurrentIsland,
                    Form.CurrentLevel, TResultStats::TimeText(Form.Results.Stats->PlayingTime()).c_str(),
                    Medals[Medal >= 0 && Medal <= 3 ? Medal : 3], Form.Results.Stats->LevelScore(),
                    Form.Results.Stats->MoneyBonus());
        std::fflush(stdout);
    };
    const auto TimeUp = Form.Gauges.TubeTimer->OnTimeUp;
    Form.Gauges.TubeTimer->OnTimeUp = [&Form, TimeUp](TObject* Sender) {
        if (TimeUp) TimeUp(Sender);
        std::printf("level %d-%02d: time up, level score %d\n", Form.CurrentIsland, Form.CurrentLevel,
                    Form.Round.LevelScore);
        std::fflush(stdout);
    };
}

int Play(int Argc, char** Argv) {
    TTestDriverSetup Setup;
    Setup.ShowWindow = true;
    Setup.PlayIsland = 1;
    Setup.PlayLevel = 1;
    bool KeepSpecials = false;
    for (int I = 2; I < Argc; ++I) {
        const std::string Arg = Argv[I];
        const bool HasValue = I + 1 < Argc;
        if (Arg == "--level" && HasValue) {
            if (!ParseLevel(Argv[++I], Setup.PlayIsland, Setup.PlayLevel)) return Usage();
        } else if (Arg == "--map") {
            Setup.PlayMap = true;
        } else if (Arg == "--seed" && HasValue) {
            uint64_t Seed = 0;
            if (!ParseSeed(Argv[++I], Seed)) return Usage();
            // Every reseed of the gameplay stream (the level's start among them) takes this seed.
            SetRandomSeedSource([Seed] { return Seed; });
        } else if (Arg == "--specials") {
            KeepSpecials = true;
        } else if (Arg == "--data" && HasValue) {
            Setup.AppFolder = Argv[++I];
        } else if (Arg == "--user" && HasValue) {
            Setup.UserDataFolder = Argv[++I];
        } else {
            return Usage();
        }
    }

    // The map leads to the levels by the game's own way.
    if (Setup.PlayMap) Setup.PlayIsland = Setup.PlayLevel = 0;
    int ExitCode = 0;
    {
        TTestDriver Driver(Setup);
        if (Driver.Start()) {
            if (!KeepSpecials) SwitchOffSpecialsAndTools(*Driver.Form().GameBoard);
            ReportRoundEnds(Driver.Form());
            ExitCode = Driver.Form().Run();
        } else {
            if (Setup.PlayMap) {
                std::fprintf(stderr, "quellow-dev: the map did not open\n");
            } else {
                std::fprintf(stderr, "quellow-dev: level %d-%02d did not start\n", Setup.PlayIsland, Setup.PlayLevel);
            }
            ExitCode = 1;
        }
        for (const auto& Message : Driver.Messages()) std::fprintf(stderr, "message: %s\n", Message.c_str());
    }
    SDL_Quit();
    return ExitCode;
}

int Monsters(int Argc, char** Argv) {
    TTestDriverSetup Setup;
    std::string Out = ".";
    std::vector<TMonsterKind> Kinds = {mkBird, mkLizard, mkKong, mkFish, mkLion};
    for (int I = 2; I < Argc; ++I) {
        const std::string Arg = Argv[I];
        const bool HasValue = I + 1 < Argc;
        if (Arg == "--out" && HasValue) {
            Out = Argv[++I];
        } else if (Arg == "--data" && HasValue) {
            Setup.AppFolder = Argv[++I];
        } else if (Arg == "--only" && HasValue) {
            const std::string Wanted = Argv[++I];
            std::vector<TMonsterKind> Chosen;
            for (const TMonsterKind Kind : Kinds) {
                std::string Name = TMonsterSheet::KindName(Kind);
                for (char& C : Name) C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
                if (Name == Wanted) Chosen.push_back(Kind);
            }
            if (Chosen.empty()) return Usage();
            Kinds = Chosen;
        } else {
            return Usage();
        }
    }

    int ExitCode = 0;
    {
        TTestDriver Driver(Setup);
        if (!Driver.Start()) {
            std::fprintf(stderr, "quellow-dev: the game did not start\n");
            for (const auto& Message : Driver.Messages()) std::fprintf(stderr, "  %s\n", Message.c_str());
            return 1;
        }
        TMonsterSheet Sheets(Driver.Form());
        for (const TMonsterKind Kind : Kinds) {
            std::vector<std::string> Missing;
            Sheets.LoadImages(Kind, Missing);
            for (const std::string& Name : Missing) std::fprintf(stderr, "quellow-dev: no image %s\n", Name.c_str());
            TPicture Sheet;
            std::string Error;
            const std::string Path = Out + "/" + TMonsterSheet::KindName(Kind) + ".png";
            if (!Sheets.Draw(Kind, Sheet, Error)) {
                std::fprintf(stderr, "quellow-dev: %s\n", Error.c_str());
                ExitCode = 1;
            } else if (!Sheet.SavePng(Path)) {
                std::fprintf(stderr, "quellow-dev: cannot write %s\n", Path.c_str());
                ExitCode = 1;
            } else {
                std::printf("%s\n", Path.c_str());
            }
        }
    }
    SDL_Quit();
    return ExitCode;
}

}  // namespace

int main(int Argc, char** Argv) {
    if (Argc >= 2 && std::strcmp(Argv[1], "capture") == 0) return Capture(Argc, Argv);
    if (Argc >= 2 && std::strcmp(Argv[1], "play") == 0) return Play(Argc, Argv);
    if (Argc >= 2 && std::strcmp(Argv[1], "monsters") == 0) return Monsters(Argc, Argv);
    return Usage();
}
