#include "ShuffleButtonClass.h"

#include <algorithm>

#include "FrameCursorClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {

// The waves on the liquid: drawn 27 by 7 pixels, 20 pixels apart, just above the surface.
constexpr int32_t WaveCount = 3;
constexpr int32_t WaveGap = 20;
constexpr float WaveDrawWidth = 27.0f;
constexpr float WaveDrawHeight = 7.0f;
constexpr int32_t WaveRaise = 3;
constexpr int32_t WaveAlpha = 130;

}  // namespace

void TShuffleButton::TakeImageSizes() {
    if (!OmgImgList) return;
    if (const TImageListItem* Button = OmgImgList->Find("ShuffleButton")) {
        Width = Button->EffectiveTileWidth();
        Height = Button->EffectiveTileHeight();
    }
    if (const TImageListItem* Liquid = OmgImgList->Find("ShuffleButtonLiquid")) {
        EnergyWidth = Liquid->EffectiveTileWidth();
        EnergyHeight = Liquid->EffectiveTileHeight();
        MaxPixelProgress = EnergyHeight;
    }
    if (const TImageListItem* Wave = OmgImgList->Find("ShuffleWave")) {
        OrigWaveWidth = Wave->EffectiveTileWidth();
        OrigWaveHeight = Wave->EffectiveTileHeight();
    }
}

void TShuffleButton::AddLandedFruit() { FruitsCounter = std::min(FruitsCounter + 1, FullRequiredFruits); }

void TShuffleButton::Reset() {
    FruitsCounter = 0;
    FPressed = false;
    FFullAnnounced = false;
}

void TShuffleButton::ResetForRound() {
    Reset();
    FEnergy = 0.0;
    FMouseInside = false;
}

// The liquid follows the counter in real steps: a level needing 150 fruits
// rises by 0.75 a frame, which whole numbers would round away.
void TShuffleButton::UpdateEnergy() {
    const double Full = FullRequiredFruits;
    const double Target = FruitsCounter;
    if (FEnergy < Target) {
        const double Step = TempCounterIncDivFactor > 0 ? Full / TempCounterIncDivFactor : Target - FEnergy;
        FEnergy = std::min(FEnergy + Step, Target);
    } else if (FEnergy > Target) {
        const double Step = TempCounterDecDivFactor > 0 ? Full / TempCounterDecDivFactor : FEnergy - Target;
        FEnergy = std::max(FEnergy - Step, Target);
    }
    FEnergy = std::max(FEnergy, 0.0);
    if (!FFullAnnounced && FullRequiredFruits > 0 && FEnergy >= Full) {
        FFullAnnounced = true;
        if (OnFull) OnFull(this);
    }
}

int32_t TShuffleButton::LiquidHeight() const {
    if (FullRequiredFruits <= 0) return MaxPixelProgress;
    const int32_t Pixels = Round(FEnergy / FullRequiredFruits * MaxPixelProgress);
    return std::clamp(Pixels, 0, std::max(MaxPixelProgress, 0));
}

int32_t TShuffleButton::LiquidTop() const { return Top + MaxPixelProgress + LiquidAdjustY - LiquidHeight(); }

void TShuffleButton::UpdateAndDraw() {
    if (!Visible) return;
    if (Enabled) UpdateEnergy();
    if (!OmgImgList) return;
    TImageListItem* Button = OmgImgList->Find("ShuffleButton");
    if (Hovered()) {
        // Full and under the pointer, the lit jar shows instead of the liquid.
        if (Button) Button->Draw(Left, Top, FPressed ? 2 : 1);
        return;
    }
    if (Button) Button->Draw(Left, Top, 0);
    const int32_t Pixels = std::min(LiquidHeight(), EnergyHeight);
    const int32_t SurfaceY = LiquidTop();
    if (TImageListItem* Liquid = OmgImgList->Find("ShuffleButtonLiquid"); Liquid && Pixels > 0) {
        const TRect Bottom = Rect(0, EnergyHeight - Pixels, EnergyWidth, EnergyHeight);
        Liquid->DrawRect(Bottom, Left, SurfaceY, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, 255, false, false, 0,
                         0);
    }
    if (!FFullAnnounced && FEnergy > 0.0) DrawWaves(SurfaceY);
}

void TShuffleButton::DrawWaves(int32_t SurfaceY) {
    TImageListItem* Wave = OmgImgList->Find("ShuffleWave");
    const float ScaleX = OrigWaveWidth > 0 ? WaveDrawWidth / static_cast<float>(OrigWaveWidth) : 1.0f;
    const float ScaleY = OrigWaveHeight > 0 ? WaveDrawHeight / static_cast<float>(OrigWaveHeight) : 1.0f;
    TOmegaScreen* Screen = OmgImgList->OmegaScreen;
    if (Wave && Screen) Screen->SetFiltering(true);
    for (int32_t I = 0; I < WaveCount; ++I) {
        const int32_t Pattern = FWaves[I].CurrentPattern();
        if (Wave)
            Wave->DrawEx(Left + I * WaveGap, SurfaceY - WaveRaise, 0.0f, 0.0f, 0.0f, ScaleX, ScaleY, 255, 255, 255,
                         WaveAlpha, Pattern, 0);
        FWaves[I].Advance();
    }
    if (Wave && Screen) Screen->SetFiltering(false);
}

void TShuffleButton::DrawEdgeCover() {
    if (!Visible || !OmgImgList) return;
    if (TImageListItem* Cover = OmgImgList->Find("ShuffleEdgeCover"))
        Cover->Draw(Left - 3, Top, Hovered() && !FPressed ? 1 : 0);
}

bool TShuffleButton::HitTest(int32_t X, int32_t Y) const {
    return X >= Left && X <= Left + Width && Y >= Top && Y <= Top + Height;
}

void TShuffleButton::MouseMove(int32_t X, int32_t Y) {
    if (!Visible || !Enabled) return;
    FMouseInside = HitTest(X, Y);
    if (FMouseInside) FrameCursor = TFrameCursor::HandPoint;
}

void TShuffleButton::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (!Visible || !Enabled || Button != mbLeft) return;
    if (HitTest(X, Y)) FPressed = true;
}

void TShuffleButton::MouseUp(int32_t X, int32_t Y) {
    if (!Visible || !Enabled) return;
    const bool Clicked = FPressed && HitTest(X, Y);
    FPressed = false;
    if (!Clicked) return;
    // Raised last: the round resets the button in its handler.
    if (FFullAnnounced) {
        if (OnFullClick) OnFullClick(this);
    } else if (OnNotFullClick) {
        OnNotFullClick(this);
    }
}
