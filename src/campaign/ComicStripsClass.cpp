#include "ComicStripsClass.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "CampaignDrawClass.h"
#include "TextStringsClass.h"

namespace {

constexpr int32_t PanelCounts[TComicStrips::ChapterCount] = {8, 6, 6, 10, 6, 11};
constexpr int32_t NarrationCounts[TComicStrips::ChapterCount] = {9, 6, 6, 9, 6, 15};
// The narrations table holds the chapters one after the other, a blank line between two.
constexpr int32_t FirstNarrationLine[TComicStrips::ChapterCount] = {1, 11, 18, 25, 35, 42};

constexpr int32_t Durations[TComicStrips::ChapterCount][TComicStrips::MaxPanels] = {
    {7500, 7500, 4500, 5000, 5000, 5000, 6000, 4000},
    {4500, 4500, 5500, 5500, 5500, 5500},
    {4500, 5000, 5000, 4500, 5000, 6500},
    {5000, 5000, 4500, 4500, 4500, 5000, 4500, 6000, 1500, 5000},
    {5000, 5500, 5000, 6500, 5500, 7000},
    {5000, 5000, 6500, 5000, 4000, 6500, 2000, 9000, 7500, 7500, 0},
};

constexpr int32_t NarrationStarts[TComicStrips::ChapterCount][TComicStrips::MaxNarrations] = {
    {1000, 4300, 8300, 11800, 15800, 20300, 25300, 35300, 41800},
    {800, 5300, 9800, 15300, 20800, 26300},
    {800, 5300, 10300, 15300, 19800, 24800},
    {800, 5800, 10800, 15300, 19800, 24300, 29300, 33800, 43800},
    {800, 5800, 11300, 16300, 22800, 28300},
    {800, 5800, 10800, 17300, 22300, 26300, 34800, 38300, 43800, 47300, 51300, 54800, 58800, 62100, 64600},
};

constexpr int32_t NarrationDurations[TComicStrips::ChapterCount][TComicStrips::MaxNarrations] = {
    {2000, 2500, 2500, 3000, 2500, 3500, 4500, 4500, 2500},
    {3000, 2500, 4000, 4000, 3500, 4000},
    {3000, 3000, 3000, 3000, 3500, 5500},
    {3500, 3500, 3500, 3500, 3000, 3000, 3500, 4500, 2500},
    {3500, 3500, 3000, 5500, 4000, 6000},
    {3000, 3000, 5000, 3500, 2500, 4500, 2000, 4000, 2000, 2000, 2500, 2000, 2000, 1500, 0},
};

// Scale, step a frame, centre; the top-left is (0, 113) unless a panel says otherwise.
struct TCameraRow {
    float Scale;
    float Step;
    float CX;
    float CY;
    int32_t X = 0;
    int32_t Y = TComicStrips::PictureTop;
};

constexpr TCameraRow Cameras[TComicStrips::ChapterCount][TComicStrips::MaxPanels] = {
    {{1.5f, -0.0012f, 0.4f, 0.6f},
     {1.0f, 0.0012f, 0.65f, 0.5f},
     {1.0f, 0.001f, 0.0f, 0.5f},
     {1.0f, 0.0011f, 0.48f, 0.5f},
     {1.15f, -0.0009f, 1.0f, 1.0f},
     {1.0f, 0.00075f, 0.7f, 0.45f},
     {1.0f, 0.0006f, 0.7f, 0.6f},
     {1.0f, 0.0016f, 0.4f, 0.35f}},
    {{1.2f, -0.0011f, 0.65f, 0.35f},
     {1.0f, 0.0016f, 0.6f, 0.2f},
     {1.0f, 0.001f, 0.8f, 0.4f},
     {1.2f, -0.001f, 0.2f, 0.5f},
     {1.2f, -0.0012f, 0.45f, 0.2f},
     {1.0f, 0.0014f, 1.0f, 0.15f}},
    {{1.0f, 0.0008f, 0.9f, 0.3f},
     {1.2f, -0.00085f, 0.0f, 0.8f},
     {0.95f, 0.0009f, 0.65f, 0.45f},
     {1.0f, 0.0011f, 0.3f, 0.2f},
     {1.0f, 0.0013f, 0.8f, 0.4f},
     {1.0f, 0.0009f, 0.0f, 0.8f, -30, 113}},
    {{1.0f, 0.0009f, 0.35f, 0.5f},
     {1.15f, -0.0008f, 0.75f, 0.6f},
     {1.0f, 0.0015f, 0.65f, 0.35f},
     {1.25f, -0.0018f, 0.5f, 0.0f},
     {1.0f, 0.001f, 0.1f, 0.3f},
     {1.0f, 0.0015f, 0.25f, 0.2f, 0, 123},
     {1.0f, 0.0012f, 0.3f, 0.4f},
     {1.0f, 0.0011f, 0.2f, 0.8f},
     {1.0f, 0.0f, 0.0f, 0.0f},
     {1.0f, 0.00125f, 0.2f, 0.45f}},
    {{1.0f, 0.001f, 0.6f, 0.4f},
     {1.0f, 0.0008f, 0.35f, 0.2f},
     {1.2f, -0.001f, 0.3f, 0.7f, -20, 113},
     {1.0f, 0.001f, 0.5f, 0.3f},
     {1.0f, 0.00085f, 0.4f, 0.7f, -20, 113},
     {1.25f, -0.0011f, 0.8f, 0.2f}},
    {{1.0f, 0.00075f, 0.3f, 0.9f},
     {1.2f, -0.0011f, 0.6f, 0.9f},
     {1.0f, 0.00085f, 0.45f, 0.35f},
     {1.2f, -0.0014f, 0.65f, 0.7f},
     {1.0f, 0.0006f, 0.3f, 1.0f},
     {1.25f, -0.0012f, 0.55f, 0.45f},
     {1.0f, 0.0f, 0.0f, 0.0f},
     {1.0f, 0.001f, 0.5f, 0.65f},
     {1.0f, 0.0018f, 0.4f, 0.65f},
     {1.3f, -0.001f, 0.55f, 0.65f},
     {1.0f, 0.0f, 0.0f, 0.0f, 0, 0}},
};

bool ValidChapter(int32_t Chapter) { return Chapter >= 1 && Chapter <= TComicStrips::ChapterCount; }

}  // namespace

int32_t TComicStrips::PanelCount(int32_t Chapter) { return ValidChapter(Chapter) ? PanelCounts[Chapter - 1] : 0; }

int32_t TComicStrips::NarrationCount(int32_t Chapter) {
    return ValidChapter(Chapter) ? NarrationCounts[Chapter - 1] : 0;
}

TComicCamera TComicStrips::PanelCamera(int32_t Chapter, int32_t Panel) {
    TComicCamera Camera;
    if (Panel < 1 || Panel > PanelCount(Chapter)) return Camera;
    const TCameraRow& Row = Cameras[Chapter - 1][Panel - 1];
    Camera.X = Row.X;
    Camera.Y = Row.Y;
    Camera.Scale = Row.Scale;
    Camera.ScaleStep = Row.Step;
    Camera.CX = Row.CX;
    Camera.CY = Row.CY;
    return Camera;
}

int32_t TComicStrips::PanelDuration(int32_t Chapter, int32_t Panel) {
    return Panel >= 1 && Panel <= PanelCount(Chapter) ? Durations[Chapter - 1][Panel - 1] : 0;
}

int32_t TComicStrips::NarrationStart(int32_t Chapter, int32_t Line) {
    return Line >= 1 && Line <= NarrationCount(Chapter) ? NarrationStarts[Chapter - 1][Line - 1] : 0;
}

int32_t TComicStrips::NarrationDuration(int32_t Chapter, int32_t Line) {
    return Line >= 1 && Line <= NarrationCount(Chapter) ? NarrationDurations[Chapter - 1][Line - 1] : 0;
}

std::string_view TComicStrips::Narration(int32_t Chapter, int32_t Line) const {
    if (Line < 1 || Line > NarrationCount(Chapter)) return {};
    return FNarrations[Chapter - 1][Line - 1];
}

void TComicStrips::LoadNarrations() {
    if (!TextStringsComp) return;
    for (int32_t Chapter = 1; Chapter <= ChapterCount; ++Chapter) {
        for (int32_t Line = 1; Line <= NarrationCount(Chapter); ++Line) {
            const std::string& Text = TextStringsComp->Narrations(FirstNarrationLine[Chapter - 1] + Line - 1);
            const size_t Length = std::min<size_t>(Text.size(), MaxNarrationLength);
            char* Slot = FNarrations[Chapter - 1][Line - 1];
            std::memcpy(Slot, Text.data(), Length);
            Slot[Length] = '\0';
        }
    }
}

void TComicStrips::PlayChapter(int32_t Chapter) {
    if (!ValidChapter(Chapter)) return;
    FChapter = Chapter;
    ResetChapter();
    FPlaying = true;
}

void TComicStrips::ResetChapter() {
    FPlaying = false;
    FPanel = 1;
    FPanelTimer = 0;
    FAlpha = 0;
    FFadingOut = false;
    FSceneFinishedRaised = false;
    StartPanel();
    FLine = 0;
    FLineTimer = 0;
    FChapterClock = 0;
    FFinalPicture = false;
}

// The panel's camera, and its picture's name made once for all its frames.
void TComicStrips::StartPanel() {
    FCamera = PanelCamera(FChapter, FPanel);
    std::snprintf(FPanelImage.data(), FPanelImage.size(), "Story%d-%02d", static_cast<int>(FChapter),
                  static_cast<int>(FPanel));
}

void TComicStrips::UpdateAndDraw() {
    if (FPlaying) {
        AdvancePanel();
    } else {
        FPanel = 0;
    }
    FFinalPicture = FChapter == 6 && FPanel == 11;
    Draw();
    if (FPlaying) AdvanceNarration();
}

// The panel's own clock is never reset when a panel starts: it wraps at the panel's
// duration and counts on through the fade-out, so every panel starts fading out at the
// sum of the durations so far and the pictures keep in step with the narration.
void TComicStrips::AdvancePanel() {
    const int32_t Duration = PanelDuration(FChapter, FPanel);
    if (Duration != 0) {
        FPanelTimer += FrameMs;
        if (FPanelTimer >= Duration) {
            FPanelTimer = 0;
            FFadingOut = true;
        }
    }
    if (FFadingOut) {
        FAlpha -= AlphaStep;
        if (FAlpha < 1) {
            FAlpha = 0;
            if (FPanel + 1 > PanelCount(FChapter)) {
                if (!FSceneFinishedRaised) {
                    FSceneFinishedRaised = true;
                    if (OnSceneFinished) OnSceneFinished(this);
                }
            } else {
                ++FPanel;
                StartPanel();
                FFadingOut = false;
            }
        }
    } else {
        FAlpha = std::min(FAlpha + AlphaStep, 255);
    }
    FCamera.Scale += FCamera.ScaleStep;
}

// At most one new line a frame: the first whose start the chapter clock has reached.
void TComicStrips::AdvanceNarration() {
    FChapterClock += FrameMs;
    for (int32_t Line = FLine + 1; Line <= NarrationCount(FChapter); ++Line) {
        if (FChapterClock < NarrationStart(FChapter, Line)) continue;
        FLine = Line;
        if (FChapter == 6 && Line == 15 && OnEnteringLastNarration) OnEnteringLastNarration(this);
        FLineTimer = 0;
        if (OnStartNarration) OnStartNarration(this, Narration(FChapter, Line));
        break;
    }
    const int32_t Duration = NarrationDuration(FChapter, FLine);
    if (FLine == 0 || Duration == 0) return;
    FLineTimer += FrameMs;
    if (FLineTimer >= Duration) {
        FLineTimer = 0;
        if (OnEndNarration) OnEndNarration(this);
    }
}

void TComicStrips::Draw() {
    DrawCampaignSmooth(OmgImgList, "StoryBG", 0, PictureTop, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, 255, 0);
    if (FPlaying) {
        const int32_t X = FFinalPicture ? 0 : FCamera.X;
        const int32_t Y = FFinalPicture ? 0 : FCamera.Y;
        DrawCampaignSmooth(OmgImgList, PanelImage(), X, Y, 0.0f, FCamera.CX, FCamera.CY, FCamera.Scale, FCamera.Scale,
                           255, 255, 255, FAlpha, 0);
    }
    if (FFinalPicture) return;
    DrawCampaignSmooth(OmgImgList, "StoryBGMask", 0, 0, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 255, 0);
    DrawCampaignSmooth(OmgImgList, "StoryBGMask", 0, BottomMaskTop, 0.0f, 0.0f, 0.0f, 2.0f, 2.0f, 255, 255, 255, 255,
                       1);
}
