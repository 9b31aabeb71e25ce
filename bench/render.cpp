// Cost of one busy frame of the sprite layer: an 800x600 background and 2,000
// rotated, blended 46x46 sprites, on whatever renderer SDL gives (the
// offscreen OpenGL one in CI). Prints figures; asserts nothing.
#include <SDL.h>

#include <chrono>
#include <cstdio>

#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"

namespace {

TPicture MakeBackground() {
    TPicture Picture;
    Picture.SetSize(800, 600);
    for (int32_t Y = 0; Y < 600; ++Y) {
        for (int32_t X = 0; X < 800; ++X) {
            Picture.SetPixelRGBA(X, Y, (uint32_t(X * 255 / 800) << 24) | (uint32_t(Y * 255 / 600) << 16) | 0x80FF);
        }
    }
    return Picture;
}

TPicture MakeSprites() {
    TPicture Picture;
    Picture.SetSize(46 * 6, 46);
    for (int32_t Pattern = 0; Pattern < 6; ++Pattern) {
        for (int32_t Y = 0; Y < 46; ++Y) {
            for (int32_t X = 0; X < 46; ++X) {
                const int32_t Dx = X - 23;
                const int32_t Dy = Y - 23;
                const bool Inside = Dx * Dx + Dy * Dy < 22 * 22;
                const uint32_t Color = (uint32_t(40 * Pattern) << 24) | (uint32_t(255 - 40 * Pattern) << 16) |
                                       (uint32_t(X * 5) << 8);
                Picture.SetPixelRGBA(Pattern * 46 + X, Y, Inside ? Color | 0xFF : 0);
            }
        }
    }
    return Picture;
}

struct TScenario {
    const char* Label;
    int SmoothEvery;    // every n-th sprite scaled with smooth filtering (0: none)
    int AdditiveEvery;  // every n-th sprite in additive blend mode 2 (0: none)
    bool Present;
};

double MillisecondsPerFrame(TOmegaScreen& Screen, TImageListItem& Background, TImageListItem& Sprites, int Frames,
                            const TScenario& Scenario) {
    Screen.PresentToWindow = Scenario.Present;
    const auto Start = std::chrono::steady_clock::now();
    for (int Frame = 0; Frame < Frames; ++Frame) {
        Screen.SetFiltering(false);
        Screen.Clear(0, 0, 0, 255);
        Screen.BeginFrame();
        Background.Draw(0, 0, 0);
        for (int I = 0; I < 2000; ++I) {
            const int32_t X = (I * 37 + Frame * 3) % 760;
            const int32_t Y = (I * 53) % 560;
            const float Angle = static_cast<float>((I * 7 + Frame * 5) % 360);
            const bool Smooth = Scenario.SmoothEvery > 0 && I % Scenario.SmoothEvery == 0;
            const bool Additive = Scenario.AdditiveEvery > 0 && I % Scenario.AdditiveEvery == 0;
            if (Smooth) Screen.SetFiltering(true);
            Sprites.DrawEx(X, Y, Angle, 0.5f, 0.5f, Smooth ? 1.2f : 1.0f, Smooth ? 1.2f : 1.0f, 255, 255, 255, 200,
                           I % 6, Additive ? 2 : 0);
            if (Smooth) Screen.SetFiltering(false);
        }
        Screen.EndFrame();
        if (!Scenario.Present) {
            // Wait for the frame to be finished, as a present would.
            SDL_Rect One{0, 0, 1, 1};
            uint32_t Pixel = 0;
            SDL_RenderReadPixels(Screen.Renderer(), &One, SDL_PIXELFORMAT_RGBA32, &Pixel, 4);
        }
    }
    const auto Elapsed = std::chrono::steady_clock::now() - Start;
    return std::chrono::duration<double, std::milli>(Elapsed).count() / Frames;
}

}  // namespace

int main() {
    TOmegaScreen Screen;
    Screen.Width = 800;
    Screen.Height = 600;
    Screen.bpp = 32;
    if (!Screen.Initialize()) return 1;
    SDL_RendererInfo Info;
    SDL_GetRendererInfo(Screen.Renderer(), &Info);
    TOmegaImageList Images(&Screen);
    TImageListItem* Background = Images.AddImage("GameBG1", MakeBackground(), 1, 1);
    TImageListItem* Sprites = Images.AddImage("FruitsOutside", MakeSprites(), 6, 1);

    const TScenario Scenarios[] = {
        {"alpha-blended, nearest sampling", 0, 0, false},
        {"the same, shown in the window", 0, 0, true},
        {"every 4th scaled with smooth filtering", 4, 0, false},
        {"every 3rd additive (blend mode 2)", 0, 3, false},
    };
    const int Frames = 40;
    std::printf("renderer %s, video driver %s, %d frames each\n", Info.name, SDL_GetCurrentVideoDriver(), Frames);
    std::printf("800x600 background + 2000 rotated 46x46 sprites at alpha 200 (budget at 33 fps: 30.3 ms):\n");
    MillisecondsPerFrame(Screen, *Background, *Sprites, 3, Scenarios[0]);  // warm up
    for (const TScenario& Scenario : Scenarios) {
        std::printf("  %-42s %7.2f ms per frame\n", Scenario.Label,
                    MillisecondsPerFrame(Screen, *Background, *Sprites, Frames, Scenario));
    }
    return 0;
}
