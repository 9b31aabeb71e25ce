// The story player: a chapter of the story is a row of comic panels, each
// fading in, slowly zooming toward or away from its subject, and fading out
// after its time, between a storybook frame above and below. On a clock of its
// own, independent of the panels, each of the chapter's narration lines starts
// and ends at its moment; the owner types it in under the pictures. The last
// picture of the ending stays until the player leaves.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "GameTypesClass.h"

class TOmegaImageList;
class TTextStrings;

using TComicStripsStartNarrationEvent = std::function<void(TObject* Sender, std::string_view ATextStr)>;

// Where a panel's picture is drawn when it starts: its top-left, its scale and the
// scale's step a frame, and the point (fractions of the picture) it is scaled about.
struct TComicCamera {
    int32_t X = 0;
    int32_t Y = 113;
    float Scale = 1.0f;
    float ScaleStep = 0.0f;
    float CX = 0.0f;
    float CY = 0.0f;
};

class TComicStrips : public TObject {
public:
    static constexpr int32_t ChapterCount = 6;
    static constexpr int32_t MaxPanels = 11;
    static constexpr int32_t MaxNarrations = 15;
    static constexpr int32_t MaxNarrationLength = 100;
    static constexpr int32_t FrameMs = 30;
    static constexpr int32_t AlphaStep = 10;
    static constexpr int32_t PictureTop = 113;
    static constexpr int32_t BottomMaskTop = 438;

    TOmegaImageList* OmgImgList = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    TComicStripsStartNarrationEvent OnStartNarration;
    TNotifyEvent OnEndNarration;
    // The ending's last line starts: the player may now leave.
    TNotifyEvent OnEnteringLastNarration;
    // The chapter's last panel has faded out (raised once a chapter).
    TNotifyEvent OnSceneFinished;

    // Starts chapter 1 to 6 from its first panel; any other number is ignored.
    void PlayChapter(int32_t Chapter);
    // Back to the chapter's start, not playing.
    void ResetChapter();
    // Once a frame: the panels' fades and cameras, the narration clock, then the drawing.
    void UpdateAndDraw();
    // The chapters' narration lines from the text tables (once, at start-up).
    void LoadNarrations();

    static int32_t PanelCount(int32_t Chapter);
    static int32_t NarrationCount(int32_t Chapter);
    // The camera panel Panel of Chapter starts with (panels outside the chapter: the default).
    static TComicCamera PanelCamera(int32_t Chapter, int32_t Panel);
    static int32_t PanelDuration(int32_t Chapter, int32_t Panel);
    static int32_t NarrationStart(int32_t Chapter, int32_t Line);
    static int32_t NarrationDuration(int32_t Chapter, int32_t Line);

    bool Playing() const { return FPlaying; }
    int32_t Chapter() const { return FChapter; }
    // The current panel, 1-based; 0 while not playing.
    int32_t Panel() const { return FPanel; }
    int32_t PanelAlpha() const { return FAlpha; }
    bool FadingOut() const { return FFadingOut; }
    int32_t PanelTimer() const { return FPanelTimer; }
    const TComicCamera& Camera() const { return FCamera; }
    // The narration line now current, 1-based; 0 before the first.
    int32_t NarrationLine() const { return FLine; }
    int32_t ChapterClock() const { return FChapterClock; }
    // The ending's last picture shows: it fills the screen, without the frame.
    bool FinalPicture() const { return FFinalPicture; }
    // "Story<chapter>-<panel as two digits>" of the current panel.
    std::string_view PanelImage() const { return FPanelImage.data(); }
    std::string_view Narration(int32_t Chapter, int32_t Line) const;

private:
    void StartPanel();
    void AdvancePanel();
    void AdvanceNarration();
    void Draw();

    bool FPlaying = false;
    int32_t FChapter = 1;
    int32_t FPanel = 0;
    int32_t FAlpha = 0;
    bool FFadingOut = false;
    int32_t FPanelTimer = 0;
    bool FSceneFinishedRaised = false;
    TComicCamera FCamera;
    int32_t FLine = 0;
    int32_t FLineTimer = 0;
    int32_t FChapterClock = 0;
    bool FFinalPicture = false;
    std::array<char, 32> FPanelImage{};
    char FNarrations[ChapterCount][MaxNarrations][MaxNarrationLength + 1] = {};
};
