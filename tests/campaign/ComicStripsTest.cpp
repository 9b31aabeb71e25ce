// The story player's clock, without a screen: when each panel becomes current,
// fades and finishes, when each narration line starts and ends, the ending's
// last line and picture, the chapters' lines taken from the narrations table,
// and a chapter number that is not one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComicStripsClass.h"
#include "TextStringsClass.h"

namespace {

const TTextStrings& Texts() {
    static const TTextStrings Strings(std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/");
    return Strings;
}

// What a chapter did, frame by frame (the first update is frame 1).
struct TChapterRun {
    std::vector<int> PanelStarts;  // frame on which each panel became current
    std::vector<int> FadeStarts;   // frame on which each panel began to fade out
    std::vector<int> LineStarts;
    std::vector<int> LineEnds;
    std::vector<int> Finished;
    std::vector<int> LastLine;
    std::vector<std::string> Texts;
};

TChapterRun PlayFrames(TComicStrips& Strips, int32_t Chapter, int Frames) {
    TChapterRun Result;
    int Frame = 0;
    Strips.OnStartNarration = [&](TObject*, std::string_view Text) {
        Result.LineStarts.push_back(Frame);
        Result.Texts.emplace_back(Text);
    };
    Strips.OnEndNarration = [&](TObject*) { Result.LineEnds.push_back(Frame); };
    Strips.OnSceneFinished = [&](TObject*) { Result.Finished.push_back(Frame); };
    Strips.OnEnteringLastNarration = [&](TObject*) { Result.LastLine.push_back(Frame); };
    Strips.PlayChapter(Chapter);
    int Panel = 0;
    bool Fading = false;
    for (Frame = 1; Frame <= Frames; ++Frame) {
        Strips.UpdateAndDraw();
        if (Strips.FadingOut() && !Fading) Result.FadeStarts.push_back(Frame);
        Fading = Strips.FadingOut();
        if (Strips.Panel() != Panel) {
            Panel = Strips.Panel();
            Result.PanelStarts.push_back(Frame);
        }
    }
    return Result;
}

TEST(ComicStrips, ChapterOnesPanelsAndLinesKeepTheirFrames) {
    TComicStrips Strips;
    const TChapterRun R = PlayFrames(Strips, 1, 1600);
    ASSERT_EQ(R.PanelStarts.size(), 8u);
    EXPECT_EQ(R.PanelStarts[0], 1);
    EXPECT_EQ(R.PanelStarts[1], 275) << "panel 1 fades out at 7500 ms and is gone 26 frames later";
    EXPECT_EQ(R.LineStarts.size(), 9u);
    EXPECT_EQ(R.LineStarts[0], 34);
    EXPECT_EQ(R.LineEnds[0], 100);
    EXPECT_EQ(R.Finished, std::vector<int>{1510}) << "raised once";
    EXPECT_TRUE(R.LastLine.empty());
    EXPECT_EQ(Strips.Panel(), 8) << "past the last panel the player stays on it";
    EXPECT_EQ(Strips.PanelAlpha(), 0);
}

TEST(ComicStrips, PanelOneFadesInOverTwentySixFrames) {
    TComicStrips Strips;
    Strips.PlayChapter(1);
    for (int Frame = 1; Frame <= 25; ++Frame) Strips.UpdateAndDraw();
    EXPECT_EQ(Strips.PanelAlpha(), 250);
    Strips.UpdateAndDraw();
    EXPECT_EQ(Strips.PanelAlpha(), 255);
    EXPECT_EQ(Strips.Camera().CX, 0.4f);
    EXPECT_EQ(Strips.PanelImage(), "Story1-01");
}

TEST(ComicStrips, TheEndingsLastPictureAndLineStay) {
    TComicStrips Strips;
    const TChapterRun R = PlayFrames(Strips, 6, 3000);
    ASSERT_EQ(R.PanelStarts.size(), 11u);
    EXPECT_EQ(R.PanelStarts[10], 1961);
    EXPECT_EQ(R.LastLine, std::vector<int>{2154});
    EXPECT_EQ(R.LineStarts.size(), 15u);
    EXPECT_EQ(R.LineStarts.back(), 2154);
    EXPECT_LT(R.LineEnds.back(), 2154) << "the last line never ends";
    EXPECT_TRUE(R.Finished.empty()) << "the ending is never finished";
    EXPECT_TRUE(Strips.FinalPicture());
    EXPECT_EQ(Strips.PanelImage(), "Story6-11");
    EXPECT_EQ(Strips.PanelAlpha(), 255);
}

// Every chapter: as many panels and lines as it has, each line on its start, and the
// panels' fade-outs on the sums of their durations (rounded up to whole frames).
TEST(ComicStrips, EveryChapterPlaysItsPanelsAndLinesOnTime) {
    for (int32_t Chapter = 1; Chapter <= 6; ++Chapter) {
        SCOPED_TRACE(Chapter);
        TComicStrips Strips;
        const TChapterRun R = PlayFrames(Strips, Chapter, 3000);
        EXPECT_EQ(static_cast<int32_t>(R.PanelStarts.size()), TComicStrips::PanelCount(Chapter));
        ASSERT_EQ(static_cast<int32_t>(R.LineStarts.size()), TComicStrips::NarrationCount(Chapter));
        int FadeOut = 0;
        for (int32_t Panel = 1; Panel < TComicStrips::PanelCount(Chapter); ++Panel) {
            FadeOut += (TComicStrips::PanelDuration(Chapter, Panel) + 29) / 30;
            ASSERT_LT(static_cast<size_t>(Panel - 1), R.FadeStarts.size());
            EXPECT_EQ(R.FadeStarts[Panel - 1], FadeOut) << "panel " << Panel;
            // The next comes in once the fade is through: at most 26 frames from full alpha.
            EXPECT_GT(R.PanelStarts[Panel], FadeOut) << "panel " << Panel + 1;
            EXPECT_LE(R.PanelStarts[Panel], FadeOut + 26) << "panel " << Panel + 1;
        }
        for (int32_t Line = 1; Line <= TComicStrips::NarrationCount(Chapter); ++Line) {
            EXPECT_EQ(R.LineStarts[Line - 1], (TComicStrips::NarrationStart(Chapter, Line) + 29) / 30) << Line;
        }
        EXPECT_EQ(R.Finished.size(), Chapter == 6 ? 0u : 1u);
    }
}

TEST(ComicStrips, LinesComeFromTheNarrationsTableChapterByChapter) {
    TComicStrips Strips;
    Strips.TextStringsComp = &Texts();
    Strips.LoadNarrations();
    const std::pair<int32_t, int32_t> FirstLines[] = {{1, 1}, {2, 11}, {3, 18}, {4, 25}, {5, 35}, {6, 42}};
    for (const auto& [Chapter, TableLine] : FirstLines) {
        EXPECT_EQ(Strips.Narration(Chapter, 1), Texts().Narrations(TableLine).substr(0, 100)) << Chapter;
        EXPECT_FALSE(Strips.Narration(Chapter, TComicStrips::NarrationCount(Chapter)).empty()) << Chapter;
    }
    EXPECT_EQ(Strips.Narration(6, 15), Texts().Narrations(56).substr(0, 100));
    EXPECT_TRUE(Strips.Narration(1, 10).empty());
    const TChapterRun R = PlayFrames(Strips, 2, 200);
    ASSERT_FALSE(R.Texts.empty());
    EXPECT_EQ(R.Texts[0], Texts().Narrations(11).substr(0, 100));
}

TEST(ComicStrips, AChapterThatIsNotOneChangesNothing) {
    TComicStrips Strips;
    Strips.PlayChapter(2);
    for (int I = 0; I < 40; ++I) Strips.UpdateAndDraw();
    for (int32_t Chapter : {0, 7, -1}) {
        Strips.PlayChapter(Chapter);
        EXPECT_EQ(Strips.Chapter(), 2);
        EXPECT_TRUE(Strips.Playing());
        EXPECT_EQ(Strips.ChapterClock(), 40 * 30);
    }
    EXPECT_EQ(TComicStrips::PanelCount(7), 0);
    // Not playing: no panel, nothing raised.
    Strips.ResetChapter();
    Strips.UpdateAndDraw();
    EXPECT_EQ(Strips.Panel(), 0);
    EXPECT_FALSE(Strips.FinalPicture());
}

}  // namespace
