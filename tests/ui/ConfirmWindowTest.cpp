#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GameConfirmWindowClass.h"
#include "OmegaFontClass.h"
#include "TestSupport.h"
#include "TextStringsClass.h"
#include "UiTestSupport.h"

namespace {

// Text tables whose confirm lines say their own number ("Confirm 12").
std::unique_ptr<TTextStrings> MakeTexts(const TTempFolder& Folder) {
    for (int T = 0; T < TextTableCount; ++T) {
        const TTextTableInfo& Info = TextTableInfo(static_cast<TTextTableKind>(T));
        std::string Bytes;
        for (int L = 1; L <= Info.LineCount; ++L) {
            Bytes += (T == ttConfirms ? "Confirm " : "Line ") + std::to_string(L);
            // A title and a line of clearly different widths.
            if (T == ttConfirms && L == 15) Bytes += ", a much longer first line";
            Bytes += "\r\n";
        }
        WriteWholeFile(Folder.Path() + Info.FileName, Bytes);
    }
    return std::make_unique<TTextStrings>(Folder.Path());
}

class ConfirmWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Texts = MakeTexts(Folder);
        ASSERT_TRUE(Font.SetupFont("Arial", 10, false));
        Confirm.OmgFont = &Font;
        Confirm.TextStringsComp = Texts.get();
        Confirm.Left = 235;
        Confirm.Top = 226;
        Confirm.Build();
        for (auto& B : {&Confirm.PositiveButton(), &Confirm.NegativeButton()}) {
            B->Width = 100;
            B->Height = 40;
        }
        Confirm.OnStartShowing = [this](TObject* S) { Log(S, "start showing"); };
        Confirm.OnStartHiding = [this](TObject* S) { Log(S, "start hiding"); };
        Confirm.OnPositiveButtonClick = [this](TObject* S) { Log(S, "positive"); };
        Confirm.OnNegativeButtonClick = [this](TObject* S) { Log(S, "negative"); };
        Confirm.OnHidingComplete = [this](TObject* S, bool Answer) {
            Log(S, Answer ? "hidden: yes" : "hidden: no");
        };
    }
    void Log(TObject* Sender, const std::string& What) {
        EXPECT_EQ(Sender, &Confirm);
        Events.push_back(What);
    }
    // Draws (and so moves) until the question is fully shown or hidden again.
    void RunUntil(TGameMenuWindow::TPhase Phase) {
        for (int I = 0; I < 100 && Confirm.Window().Phase() != Phase; ++I) Confirm.Draw();
        ASSERT_EQ(Confirm.Window().Phase(), Phase);
    }
    void ClickAt(TPoint P) {
        Confirm.MouseMove(P.X, P.Y);
        Confirm.MouseDown(P.X, P.Y, mbLeft);
        Confirm.MouseUp(P.X, P.Y);
    }
    static TPoint Middle(const TGameButton& B) { return Point(B.Left + B.Width / 2, B.Top + B.Height / 2); }

    TTempFolder Folder;
    std::unique_ptr<TTextStrings> Texts;
    TOmegaFont Font;
    TGameConfirmWindow Confirm;
    std::vector<std::string> Events;
};

TEST_F(ConfirmWindowTest, EveryKindTakesItsLinesAndButtons) {
    struct TCase { uint8_t Kind; const char* Title; const char* Line1; const char* Line2; };
    const TCase Cases[] = {
        {0, "Confirm 1", "Confirm 2", ""},          {1, "Confirm 8", "Confirm 9", ""},
        {2, "Confirm 11", "Confirm 12", ""},        {3, "Confirm 14", "Confirm 15, a much longer first line", "Confirm 16"},
        {4, "Confirm 18", "Confirm 19", "Confirm 20"}, {5, "Confirm 18", "Confirm 19", "Confirm 20"},
        {6, "Confirm 4", "Confirm 5", "Confirm 6"},   {7, "Confirm 4", "Confirm 5", "Confirm 6"},
        {8, "Confirm 22", "Confirm 23", "Confirm 24"}, {9, "Confirm 26", "Confirm 27", "Confirm 28"},
    };
    for (const TCase& C : Cases) {
        Confirm.Show(C.Kind, C.Kind % 2 ? pbOK : pbYes, C.Kind % 2 ? nbCancel : nbNo);
        EXPECT_EQ(Confirm.Kind(), C.Kind);
        EXPECT_EQ(Confirm.Title(), C.Title);
        EXPECT_EQ(Confirm.Line(0), C.Line1);
        EXPECT_EQ(Confirm.Line(1), C.Line2);
        EXPECT_EQ(Confirm.PositiveButton().ImageName, C.Kind % 2 ? "WindowOKButton" : "WindowYesButton");
        EXPECT_EQ(Confirm.NegativeButton().ImageName, C.Kind % 2 ? "WindowCancelButton" : "WindowNoButton");
    }
}

TEST_F(ConfirmWindowTest, OneLineIsCentredAndTwoLinesStraddleItFromTheSameX) {
    Confirm.SetTextAdjustment(Point(3, -2));
    Confirm.Show(2, pbYes, nbNo);
    RunUntil(TGameMenuWindow::phShown);
    const TPoint W = Confirm.Window().Position();
    ASSERT_EQ(W, Point(235, 226));
    auto Layout = Confirm.TextLayout();
    EXPECT_EQ(Layout.LineCount, 1);
    EXPECT_EQ(Layout.Title, Point(W.X + 34 + (265 - Font.TextWidth("Confirm 11")) / 2 + 3, W.Y + 15 - 2));
    EXPECT_EQ(Layout.Lines[0], Point(W.X + 25 + (280 - Font.TextWidth("Confirm 12")) / 2 + 3, W.Y + 60 - 2));

    Confirm.DescsGap = 21;  // an odd gap: each half is 10
    Confirm.Show(3, pbOK, nbCancel);
    RunUntil(TGameMenuWindow::phShown);
    Layout = Confirm.TextLayout();
    EXPECT_EQ(Layout.LineCount, 2);
    const int32_t FirstWidth = Font.TextWidth(Confirm.Line(0));
    ASSERT_GT(FirstWidth, Font.TextWidth(Confirm.Line(1)));
    const int32_t X = W.X + 25 + (280 - FirstWidth) / 2 + 3;
    EXPECT_EQ(Layout.Lines[0], Point(X, W.Y + 60 - 10 - 2));
    EXPECT_EQ(Layout.Lines[1], Point(X, W.Y + 60 + 10 - 2));
}

TEST_F(ConfirmWindowTest, TheAnswerArrivesWhenTheWindowHasSlidOut) {
    for (const bool Positive : {true, false}) {
        Events.clear();
        Confirm.Show(1, pbOK, nbCancel);
        // The window slides down from y -150 to its place; the buttons ride along.
        EXPECT_EQ(Confirm.Window().Position(), Point(235, -150));
        RunUntil(TGameMenuWindow::phShown);
        EXPECT_EQ(Confirm.PositiveButton().Left, 235 + 55);
        EXPECT_EQ(Confirm.PositiveButton().Top, 226 + 102);
        EXPECT_EQ(Confirm.NegativeButton().Left, 235 + 178);
        EXPECT_EQ(Confirm.NegativeButton().Top, 226 + 102);

        ClickAt(Middle(Positive ? Confirm.PositiveButton() : Confirm.NegativeButton()));
        EXPECT_EQ(Confirm.Answer(), Positive);
        EXPECT_EQ(Confirm.Window().Phase(), TGameMenuWindow::phHiding);
        RunUntil(TGameMenuWindow::phHidden);
        EXPECT_EQ(Confirm.Window().Position(), Point(235, -150));
        const std::vector<std::string> Expected = {"start showing", Positive ? "positive" : "negative", "start hiding",
                                                   Positive ? "hidden: yes" : "hidden: no"};
        EXPECT_EQ(Events, Expected);
    }
}

TEST_F(ConfirmWindowTest, AnAnsweredQuestionTakesNoSecondAnswer) {
    // A double click on OK, or a click on Cancel as it slides away, must not
    // act twice or turn the answer round.
    TSoundRecorder Sounds;
    Confirm.Show(2, pbYes, nbNo);
    RunUntil(TGameMenuWindow::phShown);
    const TPoint Yes = Middle(Confirm.PositiveButton());
    const TPoint No = Middle(Confirm.NegativeButton());
    ClickAt(Yes);
    ClickAt(Yes);
    Confirm.Draw();
    ClickAt(Middle(Confirm.NegativeButton()));
    RunUntil(TGameMenuWindow::phHidden);
    EXPECT_EQ(Events, (std::vector<std::string>{"start showing", "positive", "start hiding", "hidden: yes"}));
    EXPECT_EQ(Sounds.Heard, (std::vector<std::string>{"MouseOver", "Click"}));
    // Hidden, it takes nothing either; shown again, it answers afresh.
    ClickAt(No);
    Events.clear();
    Confirm.Show(2, pbYes, nbNo);
    RunUntil(TGameMenuWindow::phShown);
    ClickAt(No);
    RunUntil(TGameMenuWindow::phHidden);
    EXPECT_EQ(Events, (std::vector<std::string>{"start showing", "negative", "start hiding", "hidden: no"}));
}

}  // namespace
