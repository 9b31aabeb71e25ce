// The cost of a round's frames, drawn on the offscreen renderer and headless:
// seeded rounds of island 1 played by the round driver, with a shuffle forced
// while the combos show, so the busiest frames (cascades, combos, the shuffle
// flying the board away) are among those timed, with the fairy's dust pool kept
// full; a third pass keeps every special object's effect busy as well (bombs
// bursting, stars, the blaster, the uni bubble and the three shines), every worm
// slot (crawling in, biting, rolling off), twenty spiders (dropping in, crawling,
// spinning, hit and rolling off) and twenty tearing webs; a fourth times 1-15's
// bird while its aura is at its peak, with the light from the timer kept flowing into it.
// Prints the busiest and the typical frame in milliseconds. Figures only; nothing here fails.
//   bench_round [GAME_FOLDER]
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
    double Percentile(double P) {
        if (Ms.empty()) return 0;
        std::vector<double> Sorted = Ms;
        std::sort(Sorted.begin(), Sorted.end());
        return Sorted[static_cast<size_t>(P * static_cast<double>(Sorted.size() - 1))];
    }
};

// Every special object's effect at work at once, topped up each frame.
void KeepEffectsBusy(TFormMain& Form, int64_t Frame) {
    TRoundSpecials& Specials = Form.Specials;
    if (Specials.Bomb->ActiveCount() < TBombEffect::SlotCount / 2) {
        Specials.Bomb->Start(300, 200);
        Specials.Bomb->Start(450, 350);
        Specials.Bomb->Start(600, 250);
    }
    if (Specials.Stars->ActiveStars() == 0)
        for (int32_t Column = 1; Column <= 10; Column += 3) Specials.Stars->Burst({Column, 5});
    if (!Specials.Blaster->Active()) Specials.Blaster->Start({5, 5}, 1);
    if (!Specials.UniBubble->Active()) Specials.UniBubble->Start({3, 3});
    for (int32_t Shine = 0; Shine < RoundShineCount; ++Shine)
        if (!Specials.Shines[Shine]->Active()) Specials.Shines[Shine]->Start(250 + Shine * 150, 300);
    // Every worm slot busy: a wave of twenty crawling in, and worms thrown out of fruits.
    TFruitWorms& Worms = *Form.FruitWorms;
    if (Worms.PendingWorms() == 0 && Worms.CrawlerCount() < TFruitWorms::SlotCount / 2) {
        Worms.MaxWormsOnBoard = TFruitWorms::SlotCount;
        Worms.MaxEatenFruits = 2 * TFruitWorms::SlotCount;
        Worms.TakeBoard(Form.GameBoard->BoardData());
        Worms.StartWave();
    }
    if (Worms.DrivenOff(0).State == wsInactive)
        for (int32_t Column = 1; Column <= 10; ++Column) Worms.DriveOffEater({Column, 4});
    // Twenty spiders: a hunt tops the board up every frame, and every second those over
    // one third of the board are hit, so some drop in, crawl and spin while others roll off.
    TCrawlingSpiders& Spiders = *Form.CrawlingSpiders;
    if (!Spiders.Hunting()) {
        Spiders.MaxSpidersOnBoard = TCrawlingSpiders::SlotCount;
        Spiders.MaxWebs = 1000;
        Spiders.MinKeepAddingInterval = FrameStep;
        Spiders.MaxKeepAddingInterval = FrameStep;
        Spiders.TakeBoard(Form.GameBoard->BoardData());
        Spiders.StartHunt(0);
    }
    if (Frame % 33 == 0) {
        const int32_t Third = static_cast<int32_t>(Frame / 33 % 3);
        const int32_t Left = Form.GameBoard->Left + Third * 153;
        Spiders.HitInRect(Rect(Left, 0, Left + 153, 600));
    }
    // Twenty webs tearing at once.
    TWebEffect& Webs = *Form.WebEffect;
    for (int32_t I = Webs.ActiveCount(); I < TWebEffect::SlotCount; ++I) Webs.Start({I % 10 + 1, I / 10 + 4});
}

TFrameTimes Time(bool Headless, const std::string& Folder, bool EffectsFull = false) {
    TTestDriverSetup Setup;
    Setup.Headless = Headless;
    Setup.AppFolder = Folder;
    TTestDriver Driver(Setup);
    TFrameTimes Times;
    if (!Driver.Start()) return Times;
    if (!Headless) Driver.Form().MainLoadForDevelopment();
    Times.Ms.reserve(40000);
    for (int32_t Level : {2, 4, 8, 14}) {
        TRoundDriver Round(Driver);
        if (!Round.Start(1, Level, 5)) continue;
        TFormMain& Form = Driver.Form();
        bool Shuffled = false;
        while (!Round.Finished() && Round.Frame() < 8000) {
            // Once combos are on show, the board is declared dead: the shuffle flies it away.
            if (!Shuffled && Form.Scene() == gsMainGame && Form.Scoring.Combos->SlotActive(1) && Form.GameBoard->IsSettled()) {
                Form.GameBoard->OnNoMoreMoves(Form.GameBoard.get());
                Shuffled = true;
            }
            // Her dust at its fullest: every slot of the pool moves and draws.
            const TPoint Fairy = Form.Fairy->RoundedPosition();
            for (int32_t I = 0; I < TFairyDust::SlotCount && Form.FairyDust->ActiveCount() < TFairyDust::SlotCount; ++I)
                Form.FairyDust->Emit(Fairy.X, Fairy.Y, dkTrail);
            if (EffectsFull) KeepEffectsBusy(Form, Round.Frame());
            const auto Start = std::chrono::steady_clock::now();
            Round.BotFrame({});
            if (!Headless) {
                // One pixel read back makes the renderer finish the frame, so its cost counts.
                SDL_Rect One{0, 0, 1, 1};
                uint32_t Pixel = 0;
                SDL_RenderReadPixels(Form.OmegaScreen1.Renderer(), &One, SDL_PIXELFORMAT_RGBA32, &Pixel, 4);
            }
            Times.Ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
        }
    }
    return Times;
}

// The bird left alone on 1-15 absorbs again and again; only the frames with its aura at
// the peak are timed, and the timer's light is emitted anew whenever a stream has ended.
TFrameTimes TimeMonsterAtPeak(const std::string& Folder) {
    TTestDriverSetup Setup;
    Setup.AppFolder = Folder;
    TTestDriver Driver(Setup);
    TFrameTimes Times;
    if (!Driver.Start()) return Times;
    TFormMain& Form = Driver.Form();
    Form.MainLoadForDevelopment();
    Form.GameScene->SetValue(gsLevelSel);
    if (!EnterRound(Driver, 1, 15)) return Times;
    Times.Ms.reserve(2000);
    TRoundMonsters& Monsters = Form.Monsters;
    for (int32_t Frame = 0; Frame < 6000 && Times.Ms.size() < 600 && Form.Scene() == gsMainGame; ++Frame) {
        const bool AtPeak = Monsters.Aura->Phase() == apAtPeak;
        if (AtPeak && Monsters.Energy->EmitTime() >= Monsters.Energy->AbsorbInterval) Monsters.Energy->StartEmitting();
        const auto Start = std::chrono::steady_clock::now();
        Driver.Step();
        SDL_Rect One{0, 0, 1, 1};
        uint32_t Pixel = 0;
        SDL_RenderReadPixels(Form.OmegaScreen1.Renderer(), &One, SDL_PIXELFORMAT_RGBA32, &Pixel, 4);
        if (AtPeak)
            Times.Ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
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
    TFrameTimes Busy = Time(false, Folder, true);
    TFrameTimes Monster = TimeMonsterAtPeak(Folder);
    std::printf("round frames drawn offscreen: %zu frames; median %.2f ms, 99th percentile %.2f ms, busiest %.2f ms\n",
                Drawn.Ms.size(), Drawn.Percentile(0.5), Drawn.Percentile(0.99), Drawn.Percentile(1.0));
    std::printf("round frames headless (game logic): %zu frames; median %.3f ms, 99th percentile %.3f ms, busiest %.3f ms\n",
                Logic.Ms.size(), Logic.Percentile(0.5), Logic.Percentile(0.99), Logic.Percentile(1.0));
    std::printf("round frames drawn with every special effect busy: %zu frames; median %.2f ms, 99th percentile %.2f ms, "
                "busiest %.2f ms\n",
                Busy.Ms.size(), Busy.Percentile(0.5), Busy.Percentile(0.99), Busy.Percentile(1.0));
    std::printf("monster frames drawn with the aura at its peak and the energy flowing: %zu frames; median %.2f ms, "
                "99th percentile %.2f ms, busiest %.2f ms\n",
                Monster.Ms.size(), Monster.Percentile(0.5), Monster.Percentile(0.99), Monster.Percentile(1.0));
    return 0;
}
