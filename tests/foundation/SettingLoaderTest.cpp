#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FoldersClass.h"
#include "SettingLoaderClass.h"
#include "FuzzSeeds.h"
#include "TestSupport.h"

namespace {

// The sixteen lines of a settings file, with the given lines (1-based) replaced.
std::string SettingsText(std::vector<std::pair<int, std::string>> Changes = {}, const char* LineEnd = "\r\n") {
    std::vector<std::string> Lines = {
        "; text settings", "Language=1", "CharSet=1", "; font sizes", "",
        "SmallFontSize=8", "MediumFontSize=10", "LargeFontSize=18", "; offsets", "",
        "BalloonTextOffset=0,0", "ConfirmTextOffset=0,0", "TutorialTextOffset=0,0",
        "ShopTextOffset=0,0", "NarrationTextOffset=0,0", "ToolTipTextOffset=0,0"};
    for (const auto& [Line, Text] : Changes) Lines[static_cast<size_t>(Line - 1)] = Text;
    std::string Text;
    for (const std::string& Line : Lines) Text += Line + LineEnd;
    return Text;
}

TSettingLoader Load(const std::string& Text) { return TSettingLoader::FromText(Text, "_settings.txt"); }

TEST(SettingLoader, ReadsEveryValueByLinePosition) {
    const TSettingLoader S = Load(SettingsText({{2, "Sprache=4"},
                                                {3, "x=16"},
                                                {6, "=9"},
                                                {7, "any label at all=12"},
                                                {8, "Large = 21"},
                                                {11, "B=1,2"},
                                                {12, "C=-3,4"},
                                                {13, "T=5,-6"},
                                                {14, "ShopTextOffset=-3,2"},
                                                {15, "N=10,-4"},
                                                {16, "P=-7,-8"}}));
    EXPECT_EQ(S.Language(), laFR);
    EXPECT_EQ(S.CharSet(), 204);
    EXPECT_EQ(S.SmallFontSize(), 9);
    EXPECT_EQ(S.MediumFontSize(), 12);
    EXPECT_EQ(S.LargeFontSize(), 21);
    EXPECT_EQ(S.BalloonTextOffset(), Point(1, 2));
    EXPECT_EQ(S.ConfirmTextOffset(), Point(-3, 4));
    EXPECT_EQ(S.TutorialTextOffset(), Point(5, -6));
    EXPECT_EQ(S.ShopTextOffset(), Point(-3, 2));
    EXPECT_EQ(S.NarrationTextOffset(), Point(10, -4));
    EXPECT_EQ(S.ToolTipTextOffset(), Point(-7, -8));
}

TEST(SettingLoader, LanguageAndCharacterSetTables) {
    const struct {
        int Number;
        TSettingLoaderLanguage Language;
    } Languages[] = {{0, laUS}, {1, laUS}, {2, laDE}, {3, laES}, {4, laFR}, {5, laIT},
                     {6, laNL}, {7, laBR}, {8, laSE}, {9, laUS}, {-1, laUS}};
    for (const auto& C : Languages) {
        EXPECT_EQ(Load(SettingsText({{2, "Language=" + std::to_string(C.Number)}})).Language(), C.Language) << C.Number;
    }
    const struct {
        int Number;
        int Code;
    } CharSets[] = {{1, 0},    {2, 1},    {3, 2},    {4, 77},   {5, 128},  {6, 129}, {7, 130},
                    {8, 134},  {9, 136},  {10, 161}, {11, 162}, {12, 163}, {13, 177}, {14, 178},
                    {15, 186}, {16, 204}, {17, 222}, {18, 238}, {19, 255}, {20, 1},  {0, 1}, {-4, 1}};
    for (const auto& C : CharSets) {
        EXPECT_EQ(Load(SettingsText({{3, "CharSet=" + std::to_string(C.Number)}})).CharSet(), C.Code) << C.Number;
    }
}

TEST(SettingLoader, LineEndsAndFinalLine) {
    const TSettingLoader Lf = Load(SettingsText({{7, "M=11"}}, "\n"));
    EXPECT_EQ(Lf.MediumFontSize(), 11);
    const TSettingLoader Cr = Load(SettingsText({{7, "M=13"}}, "\r"));
    EXPECT_EQ(Cr.MediumFontSize(), 13);
    // The last line needs no line end; a line end after it adds no line.
    std::string NoFinalEnd = SettingsText({{16, "P=3,4"}});
    NoFinalEnd.resize(NoFinalEnd.size() - 2);
    EXPECT_EQ(Load(NoFinalEnd).ToolTipTextOffset(), Point(3, 4));
    // Extra lines after the sixteenth are free text.
    EXPECT_EQ(Load(SettingsText() + "more=abc\r\n").LargeFontSize(), 18);
}

// Each broken file names the line at fault.
TEST(SettingLoader, BrokenFilesNameTheLine) {
    std::string Short = SettingsText();
    Short.resize(Short.find("ToolTipTextOffset"));  // 15 lines
    const struct {
        std::string Text;
        int Line;
        const char* Says;
    } Cases[] = {
        {"", 1, "needs 16 lines"},
        {Short, 16, "needs 16 lines"},
        {SettingsText({{2, "Language=English"}}), 2, "\"English\" is not a valid whole number"},
        {SettingsText({{3, "CharSet="}}), 3, "\"\" is not a valid whole number"},
        {SettingsText({{6, "Small=8pt"}}), 6, "\"8pt\" is not a valid whole number"},
        {SettingsText({{7, "Medium=1.5"}}), 7, "not a valid whole number"},
        {SettingsText({{8, "Large=99999999999"}}), 8, "not a valid whole number"},
        {SettingsText({{8, "Large=+-3"}}), 8, "not a valid whole number"},
        {SettingsText({{11, "Balloon=0;0"}}), 11, "\"0;0\" is not a point X,Y"},
        {SettingsText({{12, "Confirm=1,"}}), 12, "\"\" is not a valid whole number"},
        {SettingsText({{13, "Tutorial=,2"}}), 13, "\"\" is not a valid whole number"},
        {SettingsText({{16, "ToolTip=1,2,3"}}), 16, "\"2,3\" is not a valid whole number"},
    };
    for (const auto& C : Cases) {
        try {
            Load(C.Text);
            ADD_FAILURE() << "no error for line " << C.Line;
        } catch (const ESettingLoaderError& E) {
            EXPECT_EQ(E.Line(), C.Line);
            EXPECT_EQ(E.FileName(), "_settings.txt");
            EXPECT_NE(std::string(E.what()).find(C.Says), std::string::npos) << E.what();
            EXPECT_NE(std::string(E.what()).find("line " + std::to_string(C.Line)), std::string::npos) << E.what();
        }
    }
}

TEST(SettingLoader, SignsAndBlanksAroundNumbers) {
    const TSettingLoader S = Load(SettingsText({{6, "S= 7 "}, {7, "M=+9"}, {11, "B= -2 , +3 "}, {12, "C=-0,-0"}}));
    EXPECT_EQ(S.SmallFontSize(), 7);
    EXPECT_EQ(S.MediumFontSize(), 9);
    EXPECT_EQ(S.BalloonTextOffset(), Point(-2, 3));
    EXPECT_EQ(S.ConfirmTextOffset(), Point(0, 0));
}

TEST(SettingLoader, ReadsTheFileInTheTextsFolderAtCreation) {
    TTempFolder Folder;
    const std::string SavedTexts = TextsFolder;
    TextsFolder = Folder.Path();
    try {
        TSettingLoader Missing;
        ADD_FAILURE() << "a missing file must be an error";
    } catch (const ESettingLoaderError& E) {
        EXPECT_EQ(E.FileName(), Folder.Path() + "_settings.txt");
        EXPECT_EQ(E.Line(), 0);
        EXPECT_NE(std::string(E.what()).find("cannot be opened"), std::string::npos);
    }
    WriteWholeFile(Folder.Path() + "_settings.txt", SettingsText({{2, "Language=8"}}));
    const TSettingLoader S;
    EXPECT_EQ(S.Language(), laSE);
    EXPECT_EQ(S.LargeFontSize(), 18);
    TextsFolder = SavedTexts;
}

// The file the game ships with: English, ANSI fonts, sizes 8/10/18, no offsets.
TEST(SettingLoader, ShippedSettingsFile) {
    const TSettingLoader S(std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/_settings.txt");
    EXPECT_EQ(S.Language(), laUS);
    EXPECT_EQ(S.CharSet(), 0);
    EXPECT_EQ(S.SmallFontSize(), 8);
    EXPECT_EQ(S.MediumFontSize(), 10);
    EXPECT_EQ(S.LargeFontSize(), 18);
    for (const TPoint P : {S.BalloonTextOffset(), S.ConfirmTextOffset(), S.TutorialTextOffset(), S.ShopTextOffset(),
                           S.NarrationTextOffset(), S.ToolTipTextOffset()}) {
        EXPECT_EQ(P, Point(0, 0));
    }
    const std::string Bytes = ReadWholeFile(std::string(QUELLOW_SOURCE_DIR) + "/assets/texts/_settings.txt");
    AddFuzzSeed("SettingLoader", Bytes);
    for (size_t I = 0; I < Bytes.size(); ++I) {
        if (Bytes[I] == '\n') {
            ASSERT_TRUE(I > 0 && Bytes[I - 1] == '\r') << "every line ends in CR LF";
        }
    }
}

}  // namespace
