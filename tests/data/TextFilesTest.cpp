// Checks the twelve text files as the game ships them (the build's Texts
// folder): their bytes and line ends, that every line sits at the number the
// game reads, and that every line fits where the game shows it.
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "GeneralRoutinesClass.h"
#include "TestSupport.h"
#include "TextStringsClass.h"
#include "Win1252Class.h"

namespace {

const std::string TextsFolder = std::string(QUELLOW_GAME_DIR) + "/Texts/";

// How a line is drawn, and so how its width is measured.
enum TLineFont {
    lfNone,        // not measured in pixels
    lfSmall,       // small screen font
    lfMedium,      // medium screen font
    lfComment,     // large bold screen font, one letter at a time (the comment writer)
    lfSpriteFont,  // the garden balloon's sprite font
};

// The rules for lines First..Last of a file.
struct LineRule {
    int First;
    int Last;
    const char* Use;       // what the line is, for the failure message
    int MaxChars;          // the whole line, any "|" included
    TLineFont Font;
    int MaxPixels;         // widest sub-line in Font; 0 = not measured
    int MaxSubLines;       // 1 = a single line, no "|"
    int MaxSubLineChars;   // 0 = only MaxChars applies
    bool MayBeEmpty;
};

struct FileLayout {
    TTextTableKind Table;
    const char* FileName;
    int LineCount;
    std::vector<int> Separators;  // lines the game never reads: kept empty
    std::vector<LineRule> Rules;
};

std::vector<int> Every3rd(int First, int Last) {
    std::vector<int> Lines;
    for (int L = First; L <= Last; L += 3) Lines.push_back(L);
    return Lines;
}

// Where every line of every file is shown and what room it has there. Screen
// fonts without a stated window font are measured in the medium font.
std::vector<FileLayout> Layouts() {
    std::vector<FileLayout> L;
    L.push_back({ttGameTexts, "GameTexts.txt", 26, {2, 4, 11, 17, 19, 21, 25}, {
        {1, 1, "window caption", 40, lfNone, 0, 1, 0, false},
        {3, 3, "default player name", 10, lfMedium, 165, 1, 0, false},
        {5, 10, "flower name (comment writer)", 30, lfComment, 600, 1, 0, false},
        {12, 16, "island message on the map (comment writer)", 30, lfComment, 600, 1, 0, false},
        {18, 18, "high-score window title", 255, lfMedium, 165, 1, 0, false},
        {20, 20, "credits window title", 255, lfMedium, 165, 1, 0, false},
        {22, 24, "medal name", 255, lfMedium, 224, 1, 0, false},
        {26, 26, "name in an empty high-score place", 10, lfMedium, 165, 1, 0, false},
    }});
    L.push_back({ttConfirms, "GameConfirms.txt", 28, {3, 7, 10, 13, 17, 21, 25}, {}});
    for (int Title : {1, 4, 8, 11, 14, 18, 22, 26})
        L.back().Rules.push_back({Title, Title, "confirm title", 255, lfMedium, 265, 1, 0, false});
    for (auto [First, Last] : {std::pair{2, 2}, {5, 6}, {9, 9}, {12, 12}, {15, 16}, {19, 20}, {23, 24}, {27, 28}})
        L.back().Rules.push_back({First, Last, "confirm text", 255, lfMedium, 280, 1, 0, false});
    L.push_back({ttComments, "GameComments.txt", 8, {}, {
        {1, 8, "comment (comment writer)", 30, lfComment, 600, 1, 0, false},
    }});
    L.push_back({ttNarrations, "StoryNarrations.txt", 56, {10, 17, 24, 34, 41}, {}});
    for (auto [First, Last] : {std::pair{1, 9}, {11, 16}, {18, 23}, {25, 33}, {35, 40}, {42, 56}})
        L.back().Rules.push_back({First, Last, "story narration", 100, lfMedium, 760, 2, 0, false});
    L.push_back({ttCredits, "Credits.txt", 27, {}, {
        {1, 27, "credit line", 40, lfSmall, 250, 1, 0, true},
    }});
    L.push_back({ttTutorial, "GameTutorial.txt", 19, {}, {
        {1, 19, "tutorial tip", 255, lfSmall, 170, 4, 100, false},
    }});
    L.push_back({ttBalloon, "MirelBalloon.txt", 54, {10, 16, 22, 36, 41, 52}, {}});
    for (auto [First, Last] : {std::pair{1, 9}, {11, 15}, {17, 21}, {23, 35}, {37, 40}, {42, 51}, {53, 54}})
        L.back().Rules.push_back({First, Last, "garden balloon", 255, lfSpriteFont, 0, 4, 30, false});
    L.push_back({ttShopItems, "ShopItems.txt", 55, {30, 32, 35, 38, 41, 44, 47, 50, 54}, {
        {1, 29, "shop item name", 40, lfMedium, 250, 1, 0, false},
        {31, 31, "shop price of a locked item", 255, lfMedium, 250, 1, 0, false},
        {33, 34, "shop page with nothing left", 255, lfMedium, 250, 1, 0, false},
        {36, 37, "shop waiting item", 255, lfMedium, 250, 1, 0, false},
        {39, 40, "shop waiting item", 255, lfMedium, 250, 1, 0, false},
        {42, 43, "shop waiting item", 255, lfMedium, 250, 1, 0, false},
        {45, 46, "shop waiting item", 255, lfMedium, 250, 1, 0, false},
        {48, 49, "shop variant caption", 80, lfMedium, 250, 1, 0, false},
        {51, 53, "shop variant caption", 80, lfMedium, 250, 1, 0, false},
        {55, 55, "shop item caption", 80, lfMedium, 250, 1, 0, false},
    }});
    L.push_back({ttNewItems, "NewItems.txt", 13, {4}, {
        {1, 1, "incentive window title", 255, lfMedium, 166, 1, 0, false},
        {2, 3, "incentive window text", 255, lfMedium, 226, 1, 0, false},
        {5, 13, "incentive name", 255, lfMedium, 226, 1, 0, false},
    }});
    L.push_back({ttNewTrophies, "NewTrophies.txt", 61, Every3rd(2, 59), {
        {1, 1, "trophy window title", 255, lfMedium, 166, 1, 0, false},
    }});
    for (int T = 1; T <= 20; ++T)
        L.back().Rules.push_back({3 * T, 3 * T + 1, "trophy announcement", 255, lfMedium, 228, 1, 0, false});
    // The tool tip is a 198-pixel picture; its lines keep a 6-pixel margin on each side.
    L.push_back({ttTrophyCommands, "TrophyCommands.txt", 59, Every3rd(3, 57), {}});
    for (int T = 1; T <= 20; ++T)
        L.back().Rules.push_back({3 * T - 2, 3 * T - 1, "trophy tool tip", 255, lfMedium, 186, 1, 0, false});
    L.push_back({ttTrophyNames, "TrophyNames.txt", 13, {}, {
        {1, 13, "trophy name (window and tool tip)", 255, lfMedium, 186, 1, 0, false},
    }});
    return L;
}

// The screen fonts at the sizes the shipped settings give them (8, 10 and 18
// points at 96 dots per inch, in the font that stands in for Arial).
class ScreenFonts {
public:
    ScreenFonts() {
        if (TTF_Init() != 0) return;
        const std::string Dir = "/usr/share/fonts/truetype/liberation2/";
        FSmall = TTF_OpenFontDPI((Dir + "LiberationSans-Regular.ttf").c_str(), 8, 96, 96);
        FMedium = TTF_OpenFontDPI((Dir + "LiberationSans-Regular.ttf").c_str(), 10, 96, 96);
        FLargeBold = TTF_OpenFontDPI((Dir + "LiberationSans-Bold.ttf").c_str(), 18, 96, 96);
    }
    ~ScreenFonts() {
        for (TTF_Font* F : {FSmall, FMedium, FLargeBold})
            if (F) TTF_CloseFont(F);
        TTF_Quit();
    }
    ScreenFonts(const ScreenFonts&) = delete;
    ScreenFonts& operator=(const ScreenFonts&) = delete;
    bool Ready() const { return FSmall && FMedium && FLargeBold; }

    // The width of one sub-line (Windows-1252) as the game lays it out.
    int Width(TLineFont Font, const std::string& Text) const {
        switch (Font) {
            case lfSmall: return TextWidth(FSmall, Text);
            case lfMedium: return TextWidth(FMedium, Text);
            case lfComment: {
                // Each letter is placed on its own, 3 pixels apart.
                int W = 0;
                for (char C : Text) W += TextWidth(FLargeBold, std::string(1, C)) + 3;
                return W;
            }
            case lfSpriteFont: {
                int W = 0;
                for (char C : Text) W += GlyphAdvance(fkAirstripNormal, C, -1, 0.65);
                return W;
            }
            case lfNone: break;
        }
        return 0;
    }

private:
    static int TextWidth(TTF_Font* Font, const std::string& Text) {
        int W = 0, H = 0;
        if (Text.empty() || TTF_SizeUTF8(Font, Win1252ToUtf8(Text).c_str(), &W, &H) != 0) return 0;
        return W;
    }
    TTF_Font* FSmall = nullptr;
    TTF_Font* FMedium = nullptr;
    TTF_Font* FLargeBold = nullptr;
};

std::vector<std::string> SubLines(const std::string& Line) {
    std::vector<std::string> Parts;
    size_t Start = 0;
    for (;;) {
        const size_t Bar = Line.find('|', Start);
        Parts.push_back(Line.substr(Start, Bar == std::string::npos ? std::string::npos : Bar - Start));
        if (Bar == std::string::npos) return Parts;
        Start = Bar + 1;
    }
}

std::vector<std::string> ShippedLines(const char* FileName) {
    return SplitTextLines(ReadWholeFile(TextsFolder + FileName));
}

// Printable Windows-1252: no control characters and none of the five bytes the code page leaves undefined.
bool IsPrintableWin1252(unsigned char B) {
    if (B < 0x20 || B == 0x7F) return false;
    return B != 0x81 && B != 0x8D && B != 0x8F && B != 0x90 && B != 0x9D;
}

TEST(TextFiles, TheGameLoadsTheShippedTexts) {
    try {
        const TTextStrings Texts(TextsFolder);
        EXPECT_EQ(Texts.WindowCaption(), "Quellow");
    } catch (const ETextFileError& E) {
        FAIL() << E.what();
    }
}

TEST(TextFiles, EachFileIsWindows1252WithCrLfAndExactlyItsTablesLines) {
    for (const FileLayout& File : Layouts()) {
        SCOPED_TRACE(File.FileName);
        EXPECT_EQ(TextTableInfo(File.Table).LineCount, File.LineCount);
        EXPECT_STREQ(TextTableInfo(File.Table).FileName, File.FileName);
        const std::string Bytes = ReadWholeFile(TextsFolder + File.FileName);
        ASSERT_FALSE(Bytes.empty());
        EXPECT_TRUE(Bytes.size() >= 2 && Bytes.compare(Bytes.size() - 2, 2, "\r\n") == 0) << "last line needs CR LF";
        int LineNo = 1;
        for (size_t I = 0; I < Bytes.size(); ++I) {
            const auto B = static_cast<unsigned char>(Bytes[I]);
            if (B == '\r') {
                EXPECT_TRUE(I + 1 < Bytes.size() && Bytes[I + 1] == '\n') << "line " << LineNo << ": CR without LF";
            } else if (B == '\n') {
                EXPECT_TRUE(I > 0 && Bytes[I - 1] == '\r') << "line " << LineNo << ": LF without CR";
                ++LineNo;
            } else {
                EXPECT_TRUE(IsPrintableWin1252(B)) << "line " << LineNo << ": byte " << int(B);
            }
        }
        EXPECT_EQ(static_cast<int>(SplitTextLines(Bytes).size()), File.LineCount);
    }
}

// Every line sits where the game reads it: separators are empty, read lines are
// not, and each read line fits its place on the screen.
TEST(TextFiles, EveryLineFitsWhereTheGameShowsIt) {
    const ScreenFonts Fonts;
    ASSERT_TRUE(Fonts.Ready()) << "Liberation Sans is missing (Debian package fonts-liberation2)";
    std::ostringstream Faults;
    for (const FileLayout& File : Layouts()) {
        const std::vector<std::string> Lines = ShippedLines(File.FileName);
        ASSERT_GE(static_cast<int>(Lines.size()), File.LineCount) << File.FileName;
        for (int No = 1; No <= File.LineCount; ++No) {
            const std::string& Line = Lines[No - 1];
            const std::string Where = std::string(File.FileName) + ":" + std::to_string(No) + " \"" + Line + "\": ";
            const bool Separator = std::count(File.Separators.begin(), File.Separators.end(), No) > 0;
            const LineRule* Rule = nullptr;
            for (const LineRule& R : File.Rules)
                if (No >= R.First && No <= R.Last) Rule = &R;
            if (Separator == (Rule != nullptr)) {
                Faults << Where << "the layout must call it either a separator or a read line\n";
                continue;
            }
            if (Separator) {
                if (!Line.empty()) Faults << Where << "separator line must be empty\n";
                continue;
            }
            if (Line.empty()) {
                if (!Rule->MayBeEmpty) Faults << Where << Rule->Use << " is empty\n";
                continue;
            }
            if (static_cast<int>(Line.size()) > Rule->MaxChars)
                Faults << Where << Rule->Use << " has " << Line.size() << " characters, at most " << Rule->MaxChars << "\n";
            const std::vector<std::string> Parts = SubLines(Line);
            if (static_cast<int>(Parts.size()) > Rule->MaxSubLines)
                Faults << Where << Rule->Use << (Rule->MaxSubLines == 1 ? " must not contain \"|\"" : " has too many sub-lines")
                       << "\n";
            for (const std::string& Part : Parts) {
                if (Part.empty()) Faults << Where << "empty sub-line\n";
                if (!Part.empty() && (Part.front() == ' ' || Part.back() == ' '))
                    Faults << Where << "blank at the start or end of \"" << Part << "\" spoils the centring\n";
                if (Rule->MaxSubLineChars && static_cast<int>(Part.size()) > Rule->MaxSubLineChars)
                    Faults << Where << "sub-line \"" << Part << "\" has " << Part.size() << " characters, at most "
                           << Rule->MaxSubLineChars << "\n";
                const int Width = Fonts.Width(Rule->Font, Part);
                if (Rule->MaxPixels && Width > Rule->MaxPixels)
                    Faults << Where << Rule->Use << " \"" << Part << "\" is " << Width << " px wide, room for "
                           << Rule->MaxPixels << "\n";
            }
        }
    }
    EXPECT_TRUE(Faults.str().empty()) << Faults.str();
}

// A narration line is typed at one character a frame and starts fading when its
// time is up; centring goes by its first sub-line, so that one must be the widest.
TEST(TextFiles, StoryLinesAreTypedInTimeAndCentredOnTheirWidestPart) {
    // How long each narration line stays, by file line (0: stays until the player leaves).
    const std::map<int, int> DurationMs = {
        {1, 2000}, {2, 2500}, {3, 2500}, {4, 3000}, {5, 2500}, {6, 3500}, {7, 4500}, {8, 4500}, {9, 2500},
        {11, 3000}, {12, 2500}, {13, 4000}, {14, 4000}, {15, 3500}, {16, 4000},
        {18, 3000}, {19, 3000}, {20, 3000}, {21, 3000}, {22, 3500}, {23, 5500},
        {25, 3500}, {26, 3500}, {27, 3500}, {28, 3500}, {29, 3000}, {30, 3000}, {31, 3500}, {32, 4500}, {33, 2500},
        {35, 3500}, {36, 3500}, {37, 3000}, {38, 5500}, {39, 4000}, {40, 6000},
        {42, 3000}, {43, 3000}, {44, 5000}, {45, 3500}, {46, 2500}, {47, 4500}, {48, 2000}, {49, 4000},
        {50, 2000}, {51, 2000}, {52, 2500}, {53, 2000}, {54, 2000}, {55, 1500}, {56, 0},
    };
    const ScreenFonts Fonts;
    ASSERT_TRUE(Fonts.Ready());
    const std::vector<std::string> Lines = ShippedLines("StoryNarrations.txt");
    ASSERT_GE(Lines.size(), 56u);
    for (const auto& [No, Ms] : DurationMs) {
        const std::string& Line = Lines[No - 1];
        SCOPED_TRACE("StoryNarrations.txt:" + std::to_string(No) + " \"" + Line + "\"");
        // Typed in full well before the fade: in at most 60 % of the time it has.
        if (Ms > 0) {
            EXPECT_LE(static_cast<int>(Line.size()) * FrameStep * 10, Ms * 6);
        }
        const std::vector<std::string> Parts = SubLines(Line);
        for (const std::string& Part : Parts) {
            EXPECT_LE(Fonts.Width(lfMedium, Part), Fonts.Width(lfMedium, Parts.front()));
        }
    }
}

// The balloon's sprite font has capitals, digits and some punctuation only, and
// the balloon is as wide as its first sub-line.
TEST(TextFiles, GardenBalloonUsesTheSpriteFontsGlyphsAndItsFirstLineIsTheWidest) {
    const std::string Glyphs = " !\"#$%&'()*+,-./0123456789:;=?ABCDEFGHIJKLMNOPQRSTUVWXYZ|";
    const ScreenFonts Fonts;
    const std::vector<std::string> Lines = ShippedLines("MirelBalloon.txt");
    ASSERT_GE(Lines.size(), 54u);
    for (size_t No = 1; No <= 54; ++No) {
        const std::string& Line = Lines[No - 1];
        SCOPED_TRACE("MirelBalloon.txt:" + std::to_string(No) + " \"" + Line + "\"");
        for (char C : Line) {
            EXPECT_NE(Glyphs.find(C), std::string::npos) << "no glyph for '" << C << "'";
        }
        const std::vector<std::string> Parts = SubLines(Line);
        for (const std::string& Part : Parts) {
            EXPECT_LE(Fonts.Width(lfSpriteFont, Part), Fonts.Width(lfSpriteFont, Parts.front()));
        }
    }
}

// Tips 4 to 18 stay 120 ms per character; a short tip would vanish before it is read.
TEST(TextFiles, TimedTutorialTipsStayLongEnoughToRead) {
    const std::vector<std::string> Lines = ShippedLines("GameTutorial.txt");
    ASSERT_GE(Lines.size(), 19u);
    for (size_t Step = 4; Step <= 18; ++Step) {
        EXPECT_GE(Lines[Step - 1].size() * 120, 5000u) << "tip " << Step << ": " << Lines[Step - 1];
    }
}

// Names the player meets in several places must read the same everywhere.
TEST(TextFiles, PlayerNamesAndPlaceNamesAgree) {
    const TTextStrings Texts(TextsFolder);

    // The default player name becomes a save file name and a typed name.
    const std::string& Player = Texts.GameTexts(3);
    EXPECT_EQ(Player, UpperCaseAscii(Player));
    EXPECT_EQ(Player.find_first_of("\"*/:<>?\\|"), std::string::npos);
    EXPECT_NE(Player, "GOLD KEY");
    // The empty high-score places hold a name nobody can type, so no player shares it.
    EXPECT_EQ(Texts.GameTexts(26), UpperCaseAscii(Texts.GameTexts(26)));
    EXPECT_NE(Texts.GameTexts(26).find_first_of("\"*/:<>?\\|"), std::string::npos);

    // Each island's name: its message on the map and both texts of its all-gold trophy.
    const char* Islands[5] = {"Coconut Cove", "Rainbow Hills", "Banana Jungle", "Blossom Bay", "Fantasia Isle"};
    for (int I = 1; I <= 5; ++I) {
        SCOPED_TRACE(Islands[I - 1]);
        const int Trophy = 2 + I;
        EXPECT_NE(Texts.GameTexts(11 + I).find(Islands[I - 1]), std::string::npos);
        EXPECT_NE((Texts.NewTrophies(3 * Trophy) + " " + Texts.NewTrophies(3 * Trophy + 1)).find(Islands[I - 1]),
                  std::string::npos);
        EXPECT_NE((Texts.TrophyCommands(3 * Trophy - 2) + " " + Texts.TrophyCommands(3 * Trophy - 1)).find(Islands[I - 1]),
                  std::string::npos);
    }

    // The shop's waiting-item texts name the very items that are missing.
    const struct {
        int TextLine;
        int ItemLine;
    } Waiting[] = {{36, 18}, {39, 19}, {45, 10}};
    for (const auto& W : Waiting) {
        const std::string Text = Texts.ShopItems(W.TextLine) + " " + Texts.ShopItems(W.TextLine + 1);
        std::string Item = Texts.ShopItems(W.ItemLine);
        if (Item.size() > 5 && Item.compare(Item.size() - 5, 5, " Tree") == 0) Item.resize(Item.size() - 5);
        EXPECT_NE(Text.find(Item), std::string::npos) << Text << " / " << Item;
    }
}

}  // namespace
