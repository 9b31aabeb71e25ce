// The cost of the bonus stage's frames at their busiest, drawn on the offscreen
// renderer and headless: every one of the 30 ladybug slots kept flying (some
// golden with their letters, some carrying bags and tools), the 20 comic words
// all rising, the flash and the clock running. Prints the typical and the
// busiest frame in milliseconds. Figures only; nothing here fails.
//   bench_bonus [GAME_FOLDER]
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSetup.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"

namespace {

struct TFrameTimes {
    std::vector<double> Ms;
    int32_t MostFlying = 0;
    double Percentile(double P) {
        if (Ms.empty()) return 0;
        std::vector<double> Sorted = Ms;
        std::sort(Sorted.begin(), Sorted.end());
        return Sorted[static_cast<size_t>(P * static_cast<double>(Sorted.size() - 1))];
    }
};

constexpr int FramesTimed = 1500;

TFrameTimes Time(bool Headless, const std::string& Folder) {
    TTestDriverSetup Setup;
    Setup.Headless = Headless;
    Setup.AppFolder = Folder;
    TTestDriver Driver(Setup);
    TFrameTimes Times;
    if (!Driver.Start()) return Times;
    TFormMain& Form = Driver.Form();
    if (!Headless) Form.MainLoadForDevelopment();
    TRoundDriver Round(Driver);
    if (!Round.Start(1, 5, 5)) return Times;
    // The bot wins 1-05, whose stage is offered; its announcement is clicked away as a player does.
    if (Round.Play({}).End != reWon) return Times;
    if (!Driver.StepUntil([&] { return Form.Scene() == gsObjectiveInfo && !Form.SceneTransition->Active(); }, 600))
        return Times;
    Driver.Click(400, 300);
    if (!Driver.StepUntil([&] { return Form.Scene() == gsBonusStage; }, 600)) return Times;
    // Every slot in the air: a spawn every frame, nothing held back.
    TBonusAnimals& Animals = *Form.Bonus.Animals;
    Animals.MaxActiveAnimals = TBonusAnimals::SlotCount;
    Animals.TriggerInterval = 0;
    Animals.SpecialTriggerInterval = 0;
    Animals.Probability = 1.0;
    Animals.OneMoneyPerAnimalsProb = 2;
    Animals.MoveSpeedRatio = 0.2f;
    Times.Ms.reserve(FramesTimed);
    for (int Frame = 0; Frame < FramesTimed && Form.Scene() == gsBonusStage; ++Frame) {
        for (int32_t Word = 0; Word < TSpriteTextEffect::WordCount; ++Word)
            if (Form.Bonus.Words->ActiveCount() < TSpriteTextEffect::WordCount) Form.Bonus.Words->AddWord(300 + 12 * Word, 400, Word % 2);
        if (!Form.Bonus.Shine->Active()) Form.Bonus.Shine->Start(400, 300);
        const auto Start = std::chrono::steady_clock::now();
        Driver.Step();
        if (!Headless) {
            // One pixel read back makes the renderer finish the frame, so its cost counts.
            SDL_Rect One{0, 0, 1, 1};
            uint32_t Pixel = 0;
            SDL_RenderReadPixels(Form.OmegaScreen1.Renderer(), &One, SDL_PIXELFORMAT_RGBA32, &Pixel, 4);
        }
        Times.Ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
        Times.MostFlying = std::max(Times.MostFlying, Animals.FlyingCount());
    }
    return Times;
}

}  // namespace

int main(int Argc, char** Argv) {
    const std::string Folder = Argc > 1 ? Argv[1] : QUELLOW_GAME_DIR;
    const TFreshUserFolder UserFolder;
    if (!UserFolder.Made()) return 1;
    UseOffscreenDevices();
    TFrameTimes Drawn = Time(false, Folder);
    TFrameTimes Logic = Time(true, Folder);
    std::printf("bonus frames drawn offscreen: %zu frames, up to %d ladybugs flying; median %.2f ms, 99th percentile "
                "%.2f ms, busiest %.2f ms\n",
                Drawn.Ms.size(), Drawn.MostFlying, Drawn.Percentile(0.5), Drawn.Percentile(0.99), Drawn.Percentile(1.0));
    std::printf("bonus frames headless (game logic): %zu frames, up to %d ladybugs flying; median %.3f ms, 99th "
                "percentile %.3f ms, busiest %.3f ms\n",
                Logic.Ms.size(), Logic.MostFlying, Logic.Percentile(0.5), Logic.Percentile(0.99), Logic.Percentile(1.0));
    return 0;
}
