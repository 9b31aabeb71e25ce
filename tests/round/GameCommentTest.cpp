// The comment writer: which text a comment shows and under which type, where its
// letters line up (from the large font's widths), how they fly in, wave and fade,
// when the end of the waving is reported, and that the fly-in takes the same
// frames in a drawn and a headless game.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GameCommentClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaFontClass.h"
#include "RandomClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"
#include "TextStringsClass.h"

namespace {

const std::string ThirtyFive = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678";  // 35 characters

// Text tables whose comments are "Let's go!", an empty time-up line, a long
// round-clear line and "Comment 4" to "Comment 8".
std::unique_ptr<TTextStrings> MakeTexts(const TTempFolder& Folder) {
    for (int T = 0; T < TextTableCount; ++T) {
        const TTextTableInfo& Info = TextTableInfo(static_cast<TTextTableKind>(T));
        std::string Bytes;
        for (int L = 1; L <= Info.LineCount; ++L) {
            std::string Line = "Line " + std::to_string(L);
            if (T == ttComments && L == 1) Line = "Let's go!";
            if (T == ttComments && L == 2) Line = "";
            if (T == ttComments && L == 3) Line = ThirtyFive;
            if (T == ttComments && L > 3) Line = "Comment " + std::to_string(L);
            Bytes += Line + "\r\n";
        }
        WriteWholeFile(Folder.Path() + Info.FileName, Bytes);
    }
    return std::make_unique<TTextStrings>(Folder.Path());
}

struct TReport {
    int Frame;
    TGameCommentType Type;
};

class GameComment : public ::testing::Test {
protected:
    void SetUp() override {
        Texts = MakeTexts(Folder);
        // The large bold screen font, set up as the game does, with no screen at all.
        ASSERT_TRUE(Font.SetupFont("Arial", 18, true)) << "Liberation Sans is needed (fonts-liberation2)";
        GameplayRandom().SetSeed(5);
        Setup(Comment);
    }
    void Setup(TGameComment& Writer) {
        Writer.OmgFont = &Font;
        Writer.TextStringsComp = Texts.get();
        Writer.AdditionalHorzSpace = 3;
        Writer.CenterAdjustX = 50;
        Writer.CenterAdjustY = -32;
        Writer.OnWavingFinished = [this, &Writer](TObject* Sender, TGameCommentType Type) {
            EXPECT_EQ(Sender, &Writer);
            Reports.push_back({Frame, Type});
        };
    }
    void Frames(int Count) {
        for (int I = 0; I < Count; ++I) {
            ++Frame;
            Comment.UpdateAndDraw();
        }
    }
    // Frames until the letters stand in line (waving), at most Limit.
    int FlyIn(int Limit = 200) {
        for (int I = 1; I <= Limit; ++I) {
            Frames(1);
            if (Comment.Phase() != cpFlyingIn) return I;
        }
        return 0;
    }

    TTempFolder Folder;
    std::unique_ptr<TTextStrings> Texts;
    TOmegaFont Font;
    TGameComment Comment;
    std::vector<TReport> Reports;
    int Frame = 0;
};

TEST_F(GameComment, WhatEachCommentShowsAndUnderWhichType) {
    const struct {
        const char* What;
        TGameCommentType Shown;
        std::string Text;  // set by ShowCommentText when Shown is coCustomText
        TGameCommentType Type;
        std::string Letters;
        TGameCommentPhase Phase;
    } Cases[] = {
        {"a typed comment takes its line and keeps its type", coGo, "", coGo, "Let's go!", cpFlyingIn},
        {"a typed line of 35 characters shows its first 30", coGameRoundClear, "", coGameRoundClear,
         ThirtyFive.substr(0, 30), cpFlyingIn},
        {"the last typed comment reads line 8", coTimeRunningOut, "", coTimeRunningOut, "Comment 8", cpFlyingIn},
        {"a text is a custom comment", coCustomText, "Rose", coCustomText, "Rose", cpFlyingIn},
        {"a text of 35 characters shows its first 30", coCustomText, ThirtyFive, coCustomText,
         ThirtyFive.substr(0, 30), cpFlyingIn},
        {"an empty text shows nothing", coCustomText, "", coNone, "", cpIdle},
        {"another type is only stored", coNone, "", coNone, "", cpIdle},
    };
    for (const auto& C : Cases) {
        TGameComment Writer;
        Setup(Writer);
        if (C.Shown == coCustomText)
            Writer.ShowCommentText(C.Text);
        else
            Writer.ShowComment(C.Shown);
        EXPECT_EQ(Writer.CommentType(), C.Type) << C.What;
        EXPECT_EQ(std::string(Writer.Text()), C.Letters) << C.What;
        EXPECT_EQ(Writer.Phase(), C.Phase) << C.What;
    }
}

TEST_F(GameComment, LettersLineUpByTheFontsWidthsWhereTheRoundsWritersPutThem) {
    // The round's three writers: centred on the board's middle at 250 and 307, and
    // on the screen's at 207 (the letter height is CommentFont's 35).
    const struct {
        int AdjustX, AdjustY, Top;
        double Centre;
    } Writers[] = {{50, -32, 250, 448.5}, {50, 25, 307, 448.5}, {0, -75, 207, 398.5}};
    const std::string Text = "Let's go!";
    for (const auto& W : Writers) {
        TGameComment Writer;
        Setup(Writer);
        Writer.CenterAdjustX = W.AdjustX;
        Writer.CenterAdjustY = W.AdjustY;
        Writer.ShowCommentText(Text);
        int Total = 0;
        for (char Ch : Text) Total += Font.TextWidth(std::string(1, Ch)) + 3;
        int X = (800 - Total) / 2 + W.AdjustX;
        for (size_t I = 0; I < Text.size(); ++I) {
            EXPECT_EQ(Writer.LetterTarget(int(I)).X, X) << Text[I];
            EXPECT_EQ(Writer.LetterTarget(int(I)).Y, W.Top) << Text[I];
            X += Font.TextWidth(std::string(1, Text[I])) + 3;
        }
        // The ink runs from the first letter to the last one's width, without its trailing space.
        const double Left = Writer.LetterTarget(0).X;
        const double Right = X - 3;
        EXPECT_NEAR((Left + Right) / 2, W.Centre, 1.0);
    }

    // Placed at a defined point, the line starts there (moved sideways only).
    TGameComment Placed;
    Setup(Placed);
    Placed.Alignment = alDefined;
    Placed.DefinedLeft = 120;
    Placed.DefinedTop = 80;
    Placed.ShowCommentText("Hi");
    EXPECT_EQ(Placed.LetterTarget(0).X, 170);
    EXPECT_EQ(Placed.LetterTarget(0).Y, 80);
    EXPECT_EQ(Placed.LetterTarget(1).X, 170 + Font.TextWidth("H") + 3);
}

TEST_F(GameComment, LettersFlyInFromTheEdgesWaveAndFadeAndTheWavingsEndIsReportedOnce) {
    Comment.ShowComment(coGo);
    for (int I = 0; I < 9; ++I) {
        const TFloatPoint From = Comment.LetterPos(I);
        bool OnAnEdgeX = false, OnAnEdgeY = false;
        for (int E = 0; E < TGameComment::EdgePointCount; ++E) {
            OnAnEdgeX = OnAnEdgeX || From.X == TGameComment::EdgePoint(E).X;
            OnAnEdgeY = OnAnEdgeY || From.Y == TGameComment::EdgePoint(E).Y;
        }
        EXPECT_TRUE(OnAnEdgeX && OnAnEdgeY) << "letter " << I;
        EXPECT_EQ(Comment.LetterAlpha(I), 0);
    }
    const int Flight = FlyIn();
    ASSERT_GT(Flight, 0);
    // No edge point is 1100 pixels from the middle: at 45 a frame the flight is short.
    EXPECT_LE(Flight, 25);
    EXPECT_EQ(Comment.Phase(), cpWaving);
    for (int I = 0; I < 9; ++I) {
        EXPECT_EQ(Comment.LetterPos(I).X, Comment.LetterTarget(I).X);
        EXPECT_EQ(Comment.LetterPos(I).Y, Comment.LetterTarget(I).Y);
    }
    Frames(49);
    EXPECT_TRUE(Reports.empty()) << "1470 ms of waving";
    Frames(1);
    ASSERT_EQ(Reports.size(), 1u) << "1500 ms";
    EXPECT_EQ(Reports[0].Type, coGo);
    EXPECT_EQ(Comment.Phase(), cpFadingOut);
    Frames(12);  // alphas fall by 20 a frame from 255: 15 left
    EXPECT_EQ(Comment.Phase(), cpFadingOut);
    Frames(1);
    EXPECT_EQ(Comment.Phase(), cpIdle);
    Frames(100);
    EXPECT_EQ(Reports.size(), 1u);
}

TEST_F(GameComment, AReplacedOrHiddenCommentNeverReports) {
    Comment.ShowComment(coGo);
    FlyIn();
    Frames(20);
    ASSERT_EQ(Comment.Phase(), cpWaving);
    // Replaced while waving: the letters start again from the edges.
    Comment.ShowComment(coShuffling);
    EXPECT_EQ(Comment.Phase(), cpFlyingIn);
    EXPECT_EQ(Comment.WavingTimer(), 0);
    EXPECT_EQ(Comment.LetterAlpha(0), 0);
    bool FromAnEdge = false;
    for (int E = 0; E < TGameComment::EdgePointCount; ++E)
        FromAnEdge = FromAnEdge || Comment.LetterPos(0).X == TGameComment::EdgePoint(E).X;
    EXPECT_TRUE(FromAnEdge);
    FlyIn();
    Frames(60);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0].Type, coShuffling) << "only the comment that replaced it";

    Comment.ShowComment(coNoMoreMoves);
    Frames(5);
    Comment.HideComment();
    EXPECT_EQ(Comment.Phase(), cpIdle);
    Frames(200);
    EXPECT_EQ(Reports.size(), 1u);
}

TEST_F(GameComment, WithWaveOnlyTheLettersStandInPlaceUntilTheWavingIsSkipped) {
    Comment.WaveOnly = true;
    Comment.ShowCommentText("Tulip");
    EXPECT_EQ(Comment.Phase(), cpWaving);
    EXPECT_EQ(Comment.LetterPos(0).X, Comment.LetterTarget(0).X);
    EXPECT_EQ(Comment.LetterAlpha(0), 0) << "they fade in where they stand";
    Frames(500);
    EXPECT_TRUE(Reports.empty());
    EXPECT_EQ(Comment.LetterAlpha(0), 255);
    Comment.SkipWaving();
    Frames(1);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0].Type, coCustomText);

    // Skipping means nothing while the letters still fly.
    Comment.WaveOnly = false;
    Comment.ShowComment(coGo);
    Comment.SkipWaving();
    Frames(1);
    EXPECT_EQ(Comment.Phase(), cpFlyingIn);
    FlyIn();
    Comment.SkipWaving();
    Frames(1);
    EXPECT_EQ(Reports.size(), 2u) << "a press during coGo's waving ends it at once";
}

TEST_F(GameComment, ATypedCommentWithNoTextReportsOnTheNextFrame) {
    Comment.ShowComment(coGo);
    Frames(3);
    Comment.ShowComment(coTimeUp);  // its line is empty
    EXPECT_EQ(Comment.Phase(), cpIdle) << "nothing shows, and the comment it replaced is gone";
    EXPECT_EQ(Comment.CommentType(), coTimeUp);
    Frames(1);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0].Frame, 4);
    EXPECT_EQ(Reports[0].Type, coTimeUp);
    Frames(200);
    EXPECT_EQ(Reports.size(), 1u) << "once";

    // Hidden before that frame, it never reports; nor while the writer is hidden.
    Comment.ShowComment(coTimeUp);
    Comment.HideComment();
    Frames(5);
    EXPECT_EQ(Reports.size(), 1u);
    Comment.ShowComment(coTimeUp);
    Comment.Visible = false;
    Frames(5);
    EXPECT_EQ(Reports.size(), 1u);
    Comment.Visible = true;
    Frames(1);
    EXPECT_EQ(Reports.size(), 2u);
}

TEST_F(GameComment, WavePhasesRunOnFromCommentToComment) {
    for (int I = 0; I < TGameComment::MaxLetters; ++I) EXPECT_EQ(Comment.WavePhase(I), I % 8 + 1);
    Comment.ShowCommentText("Ab");
    Frames(3);
    EXPECT_EQ(Comment.WavePhase(0), 4);
    EXPECT_EQ(Comment.WavePhase(1), 5);
    EXPECT_EQ(Comment.WavePhase(2), 3) << "a slot without a letter keeps its phase";
    Comment.ShowCommentText("Cd");
    Comment.Reset();
    Comment.ShowCommentText("Ef");
    Frames(1);
    EXPECT_EQ(Comment.WavePhase(0), 5);
    EXPECT_EQ(Comment.WavePhase(7), 8);
}

TEST_F(GameComment, TheLetterSizeComesFromTheLettersImage) {
    TOmegaImageList Images;
    TPicture Glyphs;
    Glyphs.SetSize(42 * 30, 33);
    Images.AddImage("CommentFont", Glyphs, 42, 1);
    Comment.OmgImgList = &Images;
    Comment.TakeLetterSize();
    EXPECT_EQ(Comment.LetterWidth, 30);
    EXPECT_EQ(Comment.LetterHeight, 33);
    Comment.CenterAdjustY = 0;
    Comment.ShowCommentText("A");
    EXPECT_EQ(Comment.LetterTarget(0).Y, (600 - 33) / 2);
}

// The fly-in decides when the round goes on: with one gameplay seed it takes the
// same frames whether the game draws (a font on a screen) or runs headless (the
// same font with none), however far the cosmetic stream has gone.
TEST_F(GameComment, TheSameSeedFliesInOnTheSameFrameDrawnOrHeadless) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TOmegaFont& Drawn = Driver.Form().OmegaFont_Size18;
    ASSERT_TRUE(Drawn.IsSetUp());
    TOmegaFont Headless;
    ASSERT_TRUE(Headless.SetupFont("Arial", Drawn.Size(), true));
    for (char Ch = ' '; Ch < 127; ++Ch)
        ASSERT_EQ(Headless.TextWidth(std::string(1, Ch)), Drawn.TextWidth(std::string(1, Ch))) << Ch;

    const auto Play = [&](TOmegaFont& Font, uint64_t CosmeticSeed, bool OnScreen) {
        GameplayRandom().SetSeed(2024);
        CosmeticRandom().SetSeed(CosmeticSeed);
        for (uint64_t I = 0; I < CosmeticSeed % 50; ++I) CosmeticRandomInt(10);
        TGameComment Writer;
        Writer.OmgFont = &Font;
        Writer.AdditionalHorzSpace = 3;
        Writer.CenterAdjustX = 50;
        Writer.CenterAdjustY = -32;
        int Count = 0, ReportedAt = 0;
        Writer.OnWavingFinished = [&](TObject*, TGameCommentType) { ReportedAt = Count; };
        Writer.ShowCommentText("Let's go!");
        TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
        for (Count = 1; Count <= 200 && ReportedAt == 0; ++Count) {
            if (OnScreen) {
                Screen.BeginFrame();
                Screen.Clear(0, 0, 0, 255);
                Font.BeginText();
            }
            Writer.UpdateAndDraw();
            if (OnScreen) {
                Font.EndText();
                Screen.EndFrame();
            }
        }
        return ReportedAt;
    };
    const int OnScreen = Play(Drawn, 3, true);
    EXPECT_GT(OnScreen, 50);
    EXPECT_EQ(Play(Headless, 41, false), OnScreen);
    EXPECT_EQ(Play(Drawn, 977, false), OnScreen);
}

}  // namespace
