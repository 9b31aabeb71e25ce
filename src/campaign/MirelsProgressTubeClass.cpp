#include "MirelsProgressTubeClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "CampaignDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

namespace {
// The lowest percentage of stages 1 to 7.
constexpr double StageBounds[] = {9, 19, 29, 41, 56, 76, 100};
// The lowest percentage of edge patterns 1 to 5.
constexpr double EdgeBounds[] = {17, 34, 51, 68, 84};

// Where the parts sit from the tube's corner.
constexpr TPoint FillAt{14, 5};
constexpr int32_t EdgeAdjustX = 7;
constexpr TPoint StatusAt{120, 2};
// The status picture's pop.
constexpr double PopMaxRatio = 1.3;
constexpr double PopUpStep = 0.03;
constexpr double PopDownStep = 0.02;
}  // namespace

TMirelsProgressTube::TMirelsProgressTube() {
    FPopper.MaxRatio = PopMaxRatio;
    FPopper.UpStep = PopUpStep;
    FPopper.DownStep = PopDownStep;
    FPopper.OnDelayedPopHappens = [](TObject*) { PlaySoundEffect("NotifyLow"); };
}

void TMirelsProgressTube::InitImages() {
    if (TImageListItem* Fill = EffectImage(OmgImgList, "MirelsProgressTubeFill")) {
        FillWidth = Fill->EffectiveTileWidth();
        FillHeight = Fill->EffectiveTileHeight();
    }
}

int32_t TMirelsProgressTube::StageOf(double Percent) {
    int32_t Stage = 0;
    for (double Bound : StageBounds) {
        if (Percent >= Bound) ++Stage;
    }
    return Stage;
}

int32_t TMirelsProgressTube::GardenLevelOf(int32_t Position) { return Position <= 0 ? 0 : StageOf(Position) + 1; }

int32_t TMirelsProgressTube::EdgePatternOf(double Percent) {
    int32_t Pattern = 0;
    for (double Bound : EdgeBounds) {
        if (Percent >= Bound) ++Pattern;
    }
    return Pattern;
}

void TMirelsProgressTube::SetPosition(int32_t Value) {
    const int32_t NewPosition = std::clamp(Value, 0, 100);
    const int32_t OldLevel = GardenLevelOf(FPosition);
    const int32_t NewLevel = GardenLevelOf(NewPosition);
    FPosition = NewPosition;
    if (NewLevel != OldLevel && NewLevel > 1) FPopper.DelayedPop(PopDelayMs);
}

void TMirelsProgressTube::SetPositionNow(int32_t Value) {
    FPosition = std::clamp(Value, 0, 100);
    FShown = FPosition;
    FStage = StageOf(FShown);
}

int32_t TMirelsProgressTube::FillPixels() const {
    return FShown > 0.0 ? Round(FShown / 100.0 * FillWidth) : 0;
}

void TMirelsProgressTube::Reset() {
    FPosition = 0;
    FShown = 0.0;
    FStage = 0;
    FPopper.Reset();
}

void TMirelsProgressTube::UpdateAndDraw() {
    MoveTowards(FShown, ShownStep, static_cast<double>(FPosition));
    FStage = StageOf(FShown);
    FPopper.Update();
    Draw();
}

void TMirelsProgressTube::Draw() const {
    const int32_t Fill = FillPixels();
    DrawCampaignImage(OmgImgList, "MirelsProgressTube", Left, Top, 0);
    if (Fill > 0) {
        if (TImageListItem* Image = EffectImage(OmgImgList, "MirelsProgressTubeFill")) {
            Image->DrawRect(TRect{0, 0, Fill, FillHeight}, Left + FillAt.X, Top + FillAt.Y, 0.0f, 0.0f, 0.0f, 1.0f,
                            1.0f, 255, 255, 255, 255, false, false, 0, 0);
        }
    }
    DrawCampaignImage(OmgImgList, "MirelsProgressFillEdge", Left + Fill + EdgeAdjustX, Top + FillAt.Y,
                      EdgePatternOf(FShown));
    DrawCampaignImage(OmgImgList, "MirelsProgressTube", Left, Top, 1);
    DrawCampaignImage(OmgImgList, "MirelsProgressTube", Left, Top, 2);
    const float Scale = static_cast<float>(FPopper.Ratio());
    DrawCampaignSmooth(OmgImgList, "MirelsProgressTubeStatus", Left + StatusAt.X, Top + StatusAt.Y, 0.0f, 0.5f, 0.5f,
                       Scale, Scale, 255, 255, 255, 255, FStage);
}
