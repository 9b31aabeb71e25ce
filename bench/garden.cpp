// The cost of a garden frame with every object placed, drawn on the offscreen
// renderer: the garden composed live (the island, every object, the global
// light, the flags, lights and rainbow) and the same garden from the player's
// garden picture (the picture, the top layer and the tall trees' tops). Prints
// the typical and the busiest frame in milliseconds. Figures only; nothing here fails.
//   bench_garden [GAME_FOLDER]
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSetup.h"
#include "RecordBytesClass.h"
#include "TestDriverClass.h"

namespace {

struct TFrameTimes {
    std::vector<double> Ms;
    double Percentile(double P) {
        if (Ms.empty()) return 0;
        std::vector<double> Sorted = Ms;
        std::sort(Sorted.begin(), Sorted.end());
        return Sorted[static_cast<size_t>(P * static_cast<double>(Sorted.size() - 1))];
    }
};

constexpr int FramesTimed = 600;

bool Settled(TTestDriver& Driver, TGameSceneValues Scene) {
    TFormMain& Form = Driver.Form();
    return Driver.StepUntil([&] { return Form.Scene() == Scene && !Form.SceneTransition->Active(); }, 900);
}

void ClickButton(TTestDriver& Driver, const TGameButton& Button) {
    Driver.Click(Button.Left + Button.Width / 2, Button.Top + Button.Height / 2);
}

// A player whose garden holds everything, from the level selection into the garden.
bool EnterFullGarden(TTestDriver& Driver) {
    TProgressRecord Record = InitialProgressRecord();
    Record.BestTimes[0][0] = 60;
    Record.IslandsEntered[0] = 1;
    Record.IslandOpeningShown[0] = 1;
    for (uint8_t& Placed : Record.GardenObjects) Placed = 1;
    Driver.WritePlayerList({"ANNA"});
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    std::ofstream(Driver.UserDataFolder() + "/Quellow/ANNA.sav", std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
    if (!Driver.Start() || !Settled(Driver, gsMap)) return false;
    ClickButton(Driver, *Driver.Form().Map.EnterButton);
    if (!Settled(Driver, gsLevelSel)) return false;
    ClickButton(Driver, *Driver.Form().Map.ShortcutButton);
    if (!Settled(Driver, gsMirelIsland)) return false;
    Driver.Step(60);
    return true;
}

void TimeFrames(TTestDriver& Driver, bool FromPicture, TFrameTimes& Times) {
    TFormMain& Form = Driver.Form();
    Times.Ms.reserve(FramesTimed);
    for (int Frame = 0; Frame < FramesTimed; ++Frame) {
        Form.Garden.Shot.SetCurrent(FromPicture);
        const auto Start = std::chrono::steady_clock::now();
        Driver.Step();
        // One pixel read back makes the renderer finish the frame, so its cost counts.
        SDL_Rect One{0, 0, 1, 1};
        uint32_t Pixel = 0;
        SDL_RenderReadPixels(Form.OmegaScreen1.Renderer(), &One, SDL_PIXELFORMAT_RGBA32, &Pixel, 4);
        Times.Ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
    }
}

}  // namespace

int main(int Argc, char** Argv) {
    const std::string Folder = Argc > 1 ? Argv[1] : QUELLOW_GAME_DIR;
    const TFreshUserFolder UserFolder;
    if (!UserFolder.Made()) return 1;
    UseOffscreenDevices();
    TTestDriverSetup Setup;
    Setup.AppFolder = Folder;
    Setup.PlayMap = true;
    TTestDriver Driver(Setup);
    TFrameTimes Live, Picture;
    if (EnterFullGarden(Driver)) {
        const bool HasPicture = Driver.Form().Garden.Shot.Current();
        TimeFrames(Driver, false, Live);
        if (HasPicture) TimeFrames(Driver, true, Picture);
    } else {
        std::fprintf(stderr, "bench_garden: the garden was not reached\n");
    }
    std::printf("garden frames composed live, every object placed: %zu frames; median %.2f ms, 99th percentile "
                "%.2f ms, busiest %.2f ms\n",
                Live.Ms.size(), Live.Percentile(0.5), Live.Percentile(0.99), Live.Percentile(1.0));
    std::printf("garden frames from the garden picture: %zu frames; median %.2f ms, 99th percentile %.2f ms, "
                "busiest %.2f ms\n",
                Picture.Ms.size(), Picture.Percentile(0.5), Picture.Percentile(0.99), Picture.Percentile(1.0));
    return 0;
}
