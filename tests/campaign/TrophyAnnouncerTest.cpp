// The windows that announce a new trophy and a new feature of the first
// island: the texts each trophy and incentive takes, the slide in and out with
// the OK button, the order of their events, and what they draw where (a
// missing image or an empty text line draws nothing and breaks nothing).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CampaignScreenSupport.h"
#include "IncentiveAnnouncerClass.h"
#include "OmegaFontClass.h"
#include "TestSupport.h"
#include "TextStringsClass.h"
#include "TrophyAnnouncerClass.h"
#include "TrophyToolTipClass.h"

namespace {

const TTextStrings& Texts() {
    static const TTextStrings Strings(std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/");
    return Strings;
}

TEST(TrophyTexts, EachTrophyTakesItsNameAndItsLines) {
    // Trophy t: its TrophyNames line (13 names, some shared), its announcement
    // lines 3t and 3t + 1 and its tip lines 3t - 2 and 3t - 1.
    const int32_t NameLines[TrophyCount + 1] = {0, 1, 1, 2, 2, 2, 2, 2, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13, 9};
    for (int32_t T = 1; T <= TrophyCount; ++T) {
        EXPECT_EQ(TrophyNameLine(T), NameLines[T]) << T;
        EXPECT_EQ(TrophyAnnouncementLine(T, 1), 3 * T) << T;
        EXPECT_EQ(TrophyAnnouncementLine(T, 2), 3 * T + 1) << T;
        EXPECT_EQ(TrophyCommandLine(T, 1), 3 * T - 2) << T;
        EXPECT_EQ(TrophyCommandLine(T, 2), 3 * T - 1) << T;
    }
    for (int32_t Outside : {0, -1, 21, 255}) {
        EXPECT_EQ(TrophyNameLine(Outside), 0) << Outside;
        EXPECT_EQ(TrophyAnnouncementLine(Outside, 1), 0) << Outside;
        EXPECT_EQ(TrophyCommandLine(Outside, 2), 0) << Outside;
    }
    EXPECT_EQ(TrophyAnnouncementLine(5, 3), 0);
    EXPECT_EQ(TrophyCommandLine(5, 0), 0);
    // The last lines of each file are in reach, and none of them is a separator.
    EXPECT_EQ(Texts().NewTrophies(TrophyAnnouncementLine(20, 2)), "in the spider hunts!");
    EXPECT_EQ(Texts().TrophyCommands(TrophyCommandLine(20, 2)), "in the spider hunts.");
    EXPECT_EQ(Texts().TrophyNames(TrophyNameLine(19)), "Hero of the Islands");
    for (int32_t T = 1; T <= TrophyCount; ++T) {
        EXPECT_FALSE(Texts().TrophyNames(TrophyNameLine(T)).empty()) << T;
        for (int32_t Row = 1; Row <= 2; ++Row) {
            EXPECT_FALSE(Texts().NewTrophies(TrophyAnnouncementLine(T, Row)).empty()) << T << "/" << Row;
            EXPECT_FALSE(Texts().TrophyCommands(TrophyCommandLine(T, Row)).empty()) << T << "/" << Row;
        }
    }
}

// Press and release of the left button at (X, Y), with the pointer moved there first.
template <typename TWindow>
void ClickAt(TWindow& Window, int32_t X, int32_t Y) {
    Window.MouseMove(X, Y);
    Window.MouseDown(X, Y, mbLeft);
    Window.MouseUp(X, Y);
}

template <typename TWindow>
int32_t FramesWhile(TWindow& Window, TGameMenuWindow::TPhase Phase) {
    int32_t Frames = 0;
    while (Window.Window().Phase() == Phase && Frames < 100) {
        Window.UpdateAndDraw();
        ++Frames;
    }
    return Frames;
}

class TrophyAnnouncer : public ::testing::Test {
protected:
    void SetUp() override {
        Announcer.TextStringsComp = &Texts();
        Announcer.OnStartShowing = [this](TObject* S) { Events.push_back(S == &Announcer ? "showing" : "?"); };
        Announcer.OnStartHiding = [this](TObject* S) { Events.push_back(S == &Announcer ? "hiding" : "?"); };
        Announcer.OnHidingComplete = [this](TObject* S) { Events.push_back(S == &Announcer ? "hidden" : "?"); };
    }
    TTrophyAnnouncer Announcer;
    std::vector<std::string> Events;
};

TEST_F(TrophyAnnouncer, ItPreparesTheTrophysTextsWhenAnnounced) {
    ASSERT_TRUE(Announcer.Announce(tk500Fruits));
    EXPECT_EQ(Announcer.Trophy(), tk500Fruits);
    EXPECT_EQ(Announcer.Title(), "New Trophy!");
    EXPECT_EQ(Announcer.Name(), "Fruit Picker");
    EXPECT_EQ(Announcer.Line(1), "You have matched 500 fruits.");
    EXPECT_EQ(Announcer.Line(2), "Yummy!");
    // A shared name: the lines tell the two spider trophies apart.
    ASSERT_TRUE(Announcer.Announce(tk500Spiders));
    EXPECT_EQ(Announcer.Name(), "Spider Catcher");
    EXPECT_EQ(Announcer.Line(1), "You have caught 500 spiders");
    ASSERT_TRUE(Announcer.Announce(tk20GoldMedals));
    EXPECT_EQ(Announcer.Name(), "Gold Collector");
    EXPECT_EQ(Announcer.Line(2), "in 20 levels!");
}

TEST_F(TrophyAnnouncer, NoTrophyOpensNothing) {
    EXPECT_FALSE(Announcer.Announce(tkNone));
    EXPECT_FALSE(Announcer.Announce(static_cast<TTrophyKind>(21)));
    EXPECT_TRUE(Events.empty());
    EXPECT_TRUE(Announcer.IsHidden());
    Announcer.UpdateAndDraw();
    EXPECT_TRUE(Announcer.IsHidden());
}

TEST_F(TrophyAnnouncer, ItSlidesDownOKSlidesItOutAndItsEventsComeInOrder) {
    ASSERT_TRUE(Announcer.Announce(tk30Flowers));
    EXPECT_EQ(Events, std::vector<std::string>{"showing"});
    EXPECT_EQ(Announcer.Window().Position(), Point(232, -350));
    // -350 by 45 a frame: past 146 on the twelfth frame.
    EXPECT_EQ(FramesWhile(Announcer, TGameMenuWindow::phShowing), 12);
    EXPECT_EQ(Announcer.Window().Position(), Point(232, 146));
    EXPECT_EQ(Announcer.OKButton().Left, 232 + 119);
    EXPECT_EQ(Announcer.OKButton().Top, 146 + 259);
    // A press outside the button does nothing; one on it slides the window out.
    ClickAt(Announcer, 340, 400);
    for (int I = 0; I < 30; ++I) Announcer.UpdateAndDraw();
    EXPECT_EQ(Announcer.Window().Phase(), TGameMenuWindow::phShown);
    ClickAt(Announcer, 351 + 10, 405 + 10);
    EXPECT_EQ(Events, (std::vector<std::string>{"showing", "hiding"}));
    ClickAt(Announcer, 351 + 10, 405 + 10 - 45);
    EXPECT_EQ(FramesWhile(Announcer, TGameMenuWindow::phHiding), 12);
    EXPECT_EQ(Events, (std::vector<std::string>{"showing", "hiding", "hidden"})) << "one closing only";
    EXPECT_TRUE(Announcer.IsHidden());
}

TEST_F(TrophyAnnouncer, TheOKButtonTakesNoClickWhileTheWindowSlidesIn) {
    ASSERT_TRUE(Announcer.Announce(tk100Worms));
    for (int I = 0; I < 11; ++I) Announcer.UpdateAndDraw();
    ASSERT_EQ(Announcer.Window().Phase(), TGameMenuWindow::phShowing);
    const TGameButton& OK = Announcer.OKButton();
    ClickAt(Announcer, OK.Left + 10, OK.Top + 10);
    EXPECT_EQ(Events, std::vector<std::string>{"showing"});
    Announcer.UpdateAndDraw();
    ClickAt(Announcer, OK.Left + 10, OK.Top + 10);
    EXPECT_EQ(Events, (std::vector<std::string>{"showing", "hiding"}));
}

TEST_F(TrophyAnnouncer, ResetPutsItAwayWithoutEvents) {
    ASSERT_TRUE(Announcer.Announce(tk150Tiles));
    for (int I = 0; I < 20; ++I) Announcer.UpdateAndDraw();
    Events.clear();
    Announcer.Reset();
    EXPECT_TRUE(Announcer.IsHidden());
    EXPECT_TRUE(Events.empty());
    // Announced again, it comes from the top once more.
    ASSERT_TRUE(Announcer.Announce(tk150Tiles));
    EXPECT_EQ(Announcer.Window().Position(), Point(232, -350));
}

class IncentiveAnnouncer : public ::testing::Test {
protected:
    void SetUp() override {
        Announcer.TextStringsComp = &Texts();
        Announcer.OnStartShowing = [this](TObject* S) { Events.push_back(S == &Announcer ? "showing" : "?"); };
        Announcer.OnStartHiding = [this](TObject* S) { Events.push_back(S == &Announcer ? "hiding" : "?"); };
        Announcer.OnHidingComplete = [this](TObject* S) { Events.push_back(S == &Announcer ? "hidden" : "?"); };
    }
    TIncentiveAnnouncer Announcer;
    std::vector<std::string> Events;
};

TEST_F(IncentiveAnnouncer, EachNumberNamesItsFeature) {
    const char* Names[IncentiveCount + 1] = {"",       "Uni Fruits", "Fruit Blasters", "Fruit Bombs",
                                             "Hammers", "Spiders",    "Worms",          "Magic Keys",
                                             "Brooms",  "Magic Sprays"};
    for (int32_t N = 1; N <= IncentiveCount; ++N) {
        ASSERT_TRUE(Announcer.Announce(N));
        EXPECT_EQ(Announcer.Number(), N);
        EXPECT_EQ(Announcer.Name(), Names[N]) << N;
        EXPECT_EQ(Announcer.Title(), "Something New!");
        EXPECT_EQ(Announcer.Line(1), "Complete this level and");
        EXPECT_EQ(Announcer.Line(2), "you will soon meet:");
    }
    Events.clear();
    for (int32_t Outside : {0, -3, 10}) EXPECT_FALSE(Announcer.Announce(Outside)) << Outside;
    EXPECT_TRUE(Events.empty());
    EXPECT_EQ(Announcer.Number(), 9) << "the last one stays";
}

TEST_F(IncentiveAnnouncer, ItSlidesDownOKSlidesItOutAndItsEventsComeInOrder) {
    ASSERT_TRUE(Announcer.Announce(8));
    EXPECT_EQ(Announcer.Window().Position(), Point(271, -350));
    // -350 by 45 a frame: past 130 on the eleventh frame.
    EXPECT_EQ(FramesWhile(Announcer, TGameMenuWindow::phShowing), 11);
    EXPECT_EQ(Announcer.Window().Position(), Point(271, 130));
    const TGameButton& OK = Announcer.OKButton();
    EXPECT_EQ(OK.Left, 271 + 119);
    EXPECT_EQ(OK.Top, 130 + 259);
    // Press on the button, slide off it and release: no click.
    Announcer.MouseDown(OK.Left + 5, OK.Top + 5, mbLeft);
    Announcer.MouseUp(OK.Left - 5, OK.Top + 5);
    Announcer.MouseDown(OK.Left + 5, OK.Top + 5, mbRight);
    Announcer.MouseUp(OK.Left + 5, OK.Top + 5);
    EXPECT_EQ(Events, std::vector<std::string>{"showing"});
    ClickAt(Announcer, OK.Left + 5, OK.Top + 5);
    EXPECT_EQ(FramesWhile(Announcer, TGameMenuWindow::phHiding), 11);
    EXPECT_EQ(Events, (std::vector<std::string>{"showing", "hiding", "hidden"}));
}

TEST(AnnouncersWithoutParts, NoImagesFontsOrTextsStillSlideAndClose) {
    TTrophyAnnouncer Trophy;
    TIncentiveAnnouncer Incentive;
    Trophy.InitImages();
    Incentive.InitImages();
    ASSERT_TRUE(Trophy.Announce(tkAllLevelsCompleted));
    ASSERT_TRUE(Incentive.Announce(1));
    EXPECT_EQ(Trophy.Name(), "");
    EXPECT_EQ(Incentive.Title(), "");
    for (int I = 0; I < 15; ++I) {
        Trophy.UpdateAndDraw();
        Incentive.UpdateAndDraw();
    }
    ClickAt(Trophy, Trophy.OKButton().Left + 1, Trophy.OKButton().Top + 1);
    ClickAt(Incentive, Incentive.OKButton().Left + 1, Incentive.OKButton().Top + 1);
    for (int I = 0; I < 15; ++I) {
        Trophy.UpdateAndDraw();
        Incentive.UpdateAndDraw();
    }
    EXPECT_TRUE(Trophy.IsHidden());
    EXPECT_TRUE(Incentive.IsHidden());
}

}  // namespace

namespace {

// The windows as drawn: the contents follow the window, the texts centred in
// their fields, in their colours and rows.
class AnnouncerPixels : public CampaignScreen {
protected:
    void SetUp() override {
        CampaignScreen::SetUp();
        MediumFont = std::make_unique<TOmegaFont>(Screen.get());
        SmallFont = std::make_unique<TOmegaFont>(Screen.get());
        ASSERT_TRUE(Medium().SetupFont("Arial", 10, false));
        ASSERT_TRUE(Small().SetupFont("Arial", 8, false));
        // A dark window, so that every text and picture on it stands out.
        Images->AddImage("InfoWindow", FlatPicture(330, 310, 0x102040FFu), 1, 1);
    }
    // The 21 patterns of "Trophies", each 100 by 100 of its own blue (pattern p: blue 10 + 10 p).
    void AddTrophyPatterns() {
        TPicture Sheet;
        Sheet.SetSize(700, 300);
        for (int32_t P = 0; P < 21; ++P)
            Sheet.FillRect((P % 7) * 100, (P / 7) * 100, 100, 100, 0x000000FFu | uint32_t(10 + 10 * P) << 8);
        Images->AddImage("Trophies", Sheet, 7, 3);
    }
    TPicture Drawn(const std::function<void()>& Draws) {
        return Frame([&] {
            Medium().BeginText();
            Small().BeginText();
            Draws();
            Small().EndText();
            Medium().EndText();
        });
    }
    // The box of the pixels picked in rows Top .. Top + Height - 1 only.
    static TPixelBox RowBox(const TPicture& Shown, int32_t Top, int32_t Height, const std::function<bool(TPixel)>& P) {
        TPicture Rows = FlatPicture(800, 600, 0x000000FFu);
        for (int32_t Y = Top; Y < Top + Height; ++Y) {
            for (int32_t X = 0; X < 800; ++X) Rows.SetPixelRGBA(X, Y, Shown.PixelRGBA(X, Y));
        }
        return BoxOf(Rows, P);
    }
    static bool White(TPixel P) { return P.R > 150 && P.G > 150 && P.B > 150; }
    static bool Yellow(TPixel P) { return P.R > 150 && P.G > 150 && P.B < 100; }
    void TearDown() override {
        SmallFont.reset();
        MediumFont.reset();
        CampaignScreen::TearDown();
    }
    TOmegaFont& Medium() { return *MediumFont; }
    TOmegaFont& Small() { return *SmallFont; }
    std::unique_ptr<TOmegaFont> MediumFont;
    std::unique_ptr<TOmegaFont> SmallFont;
};

TEST_F(AnnouncerPixels, TheTrophyWindowShowsItsPatternNameAndLinesInPlace) {
    AddTrophyPatterns();
    TTrophyAnnouncer Announcer;
    Announcer.OmgImgList = Images.get();
    Announcer.OmgFont = &Medium();
    Announcer.OmgSmallFont = &Small();
    Announcer.TextStringsComp = &Texts();
    Announcer.InitImages();
    ASSERT_TRUE(Announcer.Announce(tk25000Score));
    for (int I = 0; I < 14; ++I) Announcer.UpdateAndDraw();
    const TPicture Shown = Drawn([&] { Announcer.UpdateAndDraw(); });
    const int32_t X = 232, Y = 146;
    // Trophy 13 is pattern 12, its 100 by 100 at (+104, +55).
    EXPECT_EQ(PixelAt(Shown, X + 104, Y + 55).B, 130);
    EXPECT_EQ(PixelAt(Shown, X + 203, Y + 154).B, 130);
    EXPECT_EQ(PixelAt(Shown, X + 204, Y + 154).B, 0x40) << "the window beside it";
    const TPixelBox Title = RowBox(Shown, Y + 14, Medium().LineHeight(), White);
    ASSERT_FALSE(Title.Empty());
    EXPECT_NEAR((Title.Left + Title.Right + 1) / 2.0, X + 82 + 166 / 2.0, 2.0);
    EXPECT_NEAR(Title.Right - Title.Left + 1, Medium().TextWidth("New Trophy!"), 3.0);
    const TPixelBox Name = RowBox(Shown, Y + 179, Medium().LineHeight(), Yellow);
    ASSERT_FALSE(Name.Empty()) << "the name is yellow";
    EXPECT_NEAR((Name.Left + Name.Right + 1) / 2.0, X + 52 + 228 / 2.0, 2.0);
    EXPECT_NEAR(Name.Right - Name.Left + 1, Medium().TextWidth("Star Scorer"), 3.0);
    const TPixelBox First = RowBox(Shown, Y + 197, 16, White);
    const TPixelBox Second = RowBox(Shown, Y + 213, Small().LineHeight(), White);
    ASSERT_FALSE(First.Empty());
    ASSERT_FALSE(Second.Empty());
    EXPECT_NEAR(First.Right - First.Left + 1, Small().TextWidth("Your score has reached"), 3.0) << "small font";
    EXPECT_NEAR((Second.Left + Second.Right + 1) / 2.0, X + 52 + 228 / 2.0, 2.0);
    EXPECT_GE(First.Top, Y + 197);
    EXPECT_GE(Second.Top, Y + 213);
}

TEST_F(AnnouncerPixels, AnEmptyNameLeavesItsRowBlankAndAMissingTrophyImageDrawsNothing) {
    // The game's texts with the name of trophy 11 blanked.
    TTempFolder Folder;
    const std::string Source = std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/";
    for (int T = 0; T < TextTableCount; ++T) {
        const std::string File = TextTableInfo(static_cast<TTextTableKind>(T)).FileName;
        WriteWholeFile(Folder.Path() + File, ReadWholeFile(Source + File));
    }
    std::string Names = ReadWholeFile(Source + "TrophyNames.txt");
    const size_t At = Names.find("Fruit Picker");
    ASSERT_NE(At, std::string::npos);
    Names.erase(At, std::string("Fruit Picker").size());
    WriteWholeFile(Folder.Path() + "TrophyNames.txt", Names);
    const TTextStrings Blanked(Folder.Path());
    ASSERT_EQ(Blanked.TrophyNames(6), "");

    TTrophyAnnouncer Announcer;
    Announcer.OmgImgList = Images.get();
    Announcer.OmgFont = &Medium();
    Announcer.OmgSmallFont = &Small();
    Announcer.TextStringsComp = &Blanked;
    ASSERT_TRUE(Announcer.Announce(tk500Fruits));
    for (int I = 0; I < 14; ++I) Announcer.UpdateAndDraw();
    const TPicture Shown = Drawn([&] { Announcer.UpdateAndDraw(); });
    const int32_t X = 232, Y = 146;
    EXPECT_TRUE(RowBox(Shown, Y + 179, Medium().LineHeight() - 2, [](TPixel P) { return P.R > 60; }).Empty())
        << "nothing in the name's row";
    EXPECT_FALSE(RowBox(Shown, Y + 197, 14, White).Empty()) << "the lines are still written";
    EXPECT_EQ(PixelAt(Shown, X + 150, Y + 100).B, 0x40) << "no \"Trophies\" image: just the window";
}

TEST_F(AnnouncerPixels, TheIncentiveWindowShowsItsIconAndTexts) {
    TPicture Icons;
    Icons.SetSize(300, 300);
    for (int32_t P = 0; P < 9; ++P)
        Icons.FillRect((P % 3) * 100, (P / 3) * 100, 100, 100, 0x000000FFu | uint32_t(20 + 20 * P) << 8);
    Images->AddImage("IncentiveIcons", Icons, 3, 3);
    TIncentiveAnnouncer Announcer;
    Announcer.OmgImgList = Images.get();
    Announcer.OmgFont = &Medium();
    Announcer.OmgSmallFont = &Small();
    Announcer.TextStringsComp = &Texts();
    ASSERT_TRUE(Announcer.Announce(8));
    for (int I = 0; I < 14; ++I) Announcer.UpdateAndDraw();
    const TPicture Shown = Drawn([&] { Announcer.UpdateAndDraw(); });
    const int32_t X = 271, Y = 130;
    // Incentive 8 is pattern 7 at (+117, +93).
    EXPECT_EQ(PixelAt(Shown, X + 117, Y + 93).B, 160);
    EXPECT_EQ(PixelAt(Shown, X + 116, Y + 93).B, 0x40);
    const TPixelBox Title = RowBox(Shown, Y + 14, Medium().LineHeight(), White);
    ASSERT_FALSE(Title.Empty());
    EXPECT_NEAR((Title.Left + Title.Right + 1) / 2.0, X + 82 + 166 / 2.0, 2.0);
    for (const auto& [Top, Text] : {std::pair{60, "Complete this level and"}, {80, "you will soon meet:"}}) {
        const TPixelBox Line = RowBox(Shown, Y + Top, Small().LineHeight(), White);
        ASSERT_FALSE(Line.Empty()) << Text;
        EXPECT_NEAR((Line.Left + Line.Right + 1) / 2.0, X + 55 + 226 / 2.0, 2.0) << Text;
        EXPECT_NEAR(Line.Right - Line.Left + 1, Small().TextWidth(Text), 3.0) << Text;
    }
    const TPixelBox Name = RowBox(Shown, Y + 202, Medium().LineHeight(), White);
    ASSERT_FALSE(Name.Empty());
    EXPECT_NEAR((Name.Left + Name.Right + 1) / 2.0, X + 56 + 226 / 2.0, 2.0);
    EXPECT_NEAR(Name.Right - Name.Left + 1, Medium().TextWidth("Brooms"), 3.0);
}

}  // namespace
