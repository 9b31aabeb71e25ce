#include "TestDriverClass.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "MessageBoxClass.h"
#include "NameListClass.h"

std::string TTestDriver::DefaultGameFolder() {
    if (const char* Folder = std::getenv("QUELLOW_TEST_GAME_DIR"); Folder && *Folder) return Folder;
    return QUELLOW_GAME_DIR;
}

TTestDriver::TTestDriver(TTestDriverSetup Setup) : FSetup(std::move(Setup)) {
    if (FSetup.AppFolder.empty()) FSetup.AppFolder = DefaultGameFolder();
    FUserDataFolder = FSetup.UserDataFolder;
    if (FUserDataFolder.empty()) {
        std::string Template = (std::filesystem::temp_directory_path() / "quellow-driver-XXXXXX").string();
        if (!mkdtemp(Template.data())) throw std::runtime_error("cannot make a temporary folder");
        FUserDataFolder = Template;
        FOwnsUserDataFolder = true;
    }
    // The game finds its save folder through the usual per-user variable.
    if (const char* Old = std::getenv("XDG_DATA_HOME")) {
        FHadXdgDataHome = true;
        FSavedXdgDataHome = Old;
    }
    setenv("XDG_DATA_HOME", FUserDataFolder.c_str(), 1);
    SetMessageBoxSink([this](const std::string& Text, const std::string& /*Caption*/) { FMessages.push_back(Text); });

    TFormMainSetup FormSetup;
    FormSetup.AppFolder = FSetup.AppFolder;
    FormSetup.PresentFrames = FSetup.ShowWindow;
    FormSetup.ShowWindow = FSetup.ShowWindow;
    FormSetup.Headless = FSetup.Headless;
    FormSetup.PlayIsland = FSetup.PlayIsland;
    FormSetup.PlayLevel = FSetup.PlayLevel;
    FormSetup.PlayMap = FSetup.PlayMap;
    FForm = std::make_unique<TFormMain>(FormSetup);
}

TTestDriver::~TTestDriver() {
    FForm.reset();
    SetMessageBoxSink(nullptr);
    if (FHadXdgDataHome) {
        setenv("XDG_DATA_HOME", FSavedXdgDataHome.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
    if (FOwnsUserDataFolder) {
        std::error_code Ignored;
        std::filesystem::remove_all(FUserDataFolder, Ignored);
    }
}

void TTestDriver::WritePlayerList(const std::vector<std::string>& Names) {
    const std::string Folder = FUserDataFolder + "/Quellow/";
    std::filesystem::create_directories(Folder);
    TNameList List;
    List.FileName = Folder + "Names.dat";
    for (const std::string& Name : Names) List.Add(Name);
    List.Save();
}

bool TTestDriver::Start() {
    if (!FForm->FormCreate()) return false;
    FForm->FormShow();
    return true;
}

void TTestDriver::Step(int Frames) {
    for (int I = 0; I < Frames; ++I) {
        // Window events queued by the game itself (focus, size) are handled as the loop would.
        SDL_Event Event;
        while (SDL_PollEvent(&Event)) {
            const bool Mouse =
                Event.type == SDL_MOUSEMOTION || Event.type == SDL_MOUSEBUTTONDOWN || Event.type == SDL_MOUSEBUTTONUP;
            if (Mouse && !FSetup.RealPointer) continue;  // the driver's own input goes in directly
            if (Event.type == SDL_MOUSEBUTTONDOWN) {
                ++FPointerPresses;
                FLastPointerPress = FForm->OmegaScreen1.WindowToFrame(Event.button.x, Event.button.y);
            }
            if (Event.type == SDL_WINDOWEVENT &&
                (Event.window.event == SDL_WINDOWEVENT_FOCUS_LOST || Event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED))
                continue;  // focus is the test's to decide
            FForm->HandleEvent(Event);
        }
        FForm->OmegaTimer1Timer(nullptr);
        ++FFrames;
    }
}

void TTestDriver::MouseMove(int X, int Y) { FForm->FormMouseMove(X, Y); }
void TTestDriver::MouseDown(int X, int Y, TMouseButton Button) { FForm->FormMouseDown(Button, X, Y); }
void TTestDriver::MouseUp(int X, int Y) { FForm->FormMouseUp(X, Y); }

void TTestDriver::Click(int X, int Y) {
    MouseMove(X, Y);
    MouseDown(X, Y);
    MouseUp(X, Y);
}

void TTestDriver::KeyDown(SDL_Keycode Key, uint16_t Modifiers) {
    SDL_Event Event{};
    Event.type = SDL_KEYDOWN;
    Event.key.keysym.sym = Key;
    Event.key.keysym.mod = Modifiers;
    Event.key.state = SDL_PRESSED;
    FForm->HandleEvent(Event);
}

void TTestDriver::TypeText(const std::string& Utf8) {
    SDL_Event Event{};
    Event.type = SDL_TEXTINPUT;
    SDL_strlcpy(Event.text.text, Utf8.c_str(), sizeof(Event.text.text));
    FForm->HandleEvent(Event);
}

void TTestDriver::SendEvent(const SDL_Event& Event) { FForm->HandleEvent(Event); }

bool TTestDriver::Capture(TPicture& Frame) { return FForm->OmegaScreen1.ReadFrame(Frame); }

bool TTestDriver::SaveFramePng(const std::string& Path) {
    TPicture Frame;
    return Capture(Frame) && Frame.SavePng(Path);
}
