#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FuzzSeeds.h"
#include "TestSupport.h"
#include "TextStringsClass.h"

namespace {

// Line k of a fixture table reads "<file name>:<k>", so a line that lands in
// the wrong table or at the wrong number shows at once.
std::string FixtureLine(TTextTableKind Table, int LineIdx) {
    return std::string(TextTableInfo(Table).FileName) + ":" + std::to_string(LineIdx);
}

std::string FixtureFile(TTextTableKind Table, int LineCount, const char* LineEnd = "\r\n") {
    std::string Bytes;
    for (int K = 1; K <= LineCount; ++K) Bytes += FixtureLine(Table, K) + LineEnd;
    return Bytes;
}

// A Texts folder holding all twelve files, each with exactly its table's lines.
class TextFolder {
public:
    TextFolder() {
        for (int T = 0; T < TextTableCount; ++T) {
            const auto Table = static_cast<TTextTableKind>(T);
            Write(Table, FixtureFile(Table, TextTableInfo(Table).LineCount));
        }
    }
    std::string PathOf(TTextTableKind Table) const { return FFolder.Path() + TextTableInfo(Table).FileName; }
    void Write(TTextTableKind Table, const std::string& Bytes) const {
        WriteWholeFile(PathOf(Table), Bytes);
        AddFuzzSeed("TextStrings", Bytes);
    }
    void Remove(TTextTableKind Table) const { std::filesystem::remove(PathOf(Table)); }
    const std::string& Path() const { return FFolder.Path(); }
private:
    TTempFolder FFolder;
};

// What loading the folder throws: the message and the file it names ("" when it loads).
struct LoadFailure {
    std::string Message;
    std::string FileName;
};
LoadFailure LoadFails(const TextFolder& Folder) {
    try {
        TTextStrings Texts(Folder.Path());
    } catch (const ETextFileError& E) {
        return {E.what(), E.FileName()};
    }
    return {};
}

TEST(TextStrings, EveryLineOfEveryTableComesFromItsFile) {
    TextFolder Folder;
    const TTextStrings Texts(Folder.Path());
    for (int T = 0; T < TextTableCount; ++T) {
        const auto Table = static_cast<TTextTableKind>(T);
        const int Count = TextTableInfo(Table).LineCount;
        for (int K = 1; K <= Count; ++K) ASSERT_EQ(Texts.Line(Table, K), FixtureLine(Table, K));
        // Outside its lines a table reads as empty, never out of bounds.
        EXPECT_EQ(Texts.Line(Table, 0), "");
        EXPECT_EQ(Texts.Line(Table, Count + 1), "");
        EXPECT_EQ(Texts.Line(Table, -5), "");
    }
    EXPECT_EQ(Texts.GameTexts(4), FixtureLine(ttGameTexts, 4));
    EXPECT_EQ(Texts.TrophyNames(13), FixtureLine(ttTrophyNames, 13));
    EXPECT_EQ(Texts.WindowCaption(), FixtureLine(ttGameTexts, 1));
    EXPECT_EQ(Texts.DefaultPlayerName(), FixtureLine(ttGameTexts, 3));
}

TEST(TextStrings, LongLinesKeepTheirFirst255BytesAndExtraLinesAreIgnored) {
    TextFolder Folder;
    const std::string Long300 = std::string(250, 'a') + "\x80\xE9xyz" + std::string(45, 'b');
    const std::string Exact255 = std::string(254, 'c') + "\xE9";
    std::string Bytes = "Quellow\r\n" + Long300 + "\r\n" + Exact255 + "\r\n";
    for (int K = 4; K <= 26; ++K) Bytes += "line " + std::to_string(K) + "\r\n";
    Bytes += "extra line 27\r\nextra line 28\r\n";
    Folder.Write(ttGameTexts, Bytes);

    const TTextStrings Texts(Folder.Path());
    EXPECT_EQ(Texts.GameTexts(2), Long300.substr(0, 255));
    EXPECT_EQ(Texts.GameTexts(2).substr(250, 2), "\x80\xE9");  // Windows-1252 bytes are kept as they are
    EXPECT_EQ(Texts.GameTexts(3), Exact255);
    EXPECT_EQ(Texts.GameTexts(26), "line 26");
    EXPECT_EQ(Texts.GameTexts(27), "");
}

TEST(TextStrings, LineEndsCrLfAndLfAreBothAccepted) {
    const struct {
        const char* Name;
        std::string Bytes;
        std::vector<std::string> Lines;
    } Cases[] = {
        {"empty file", "", {}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"mixed", "a\r\nb\nc\r\n", {"a", "b", "c"}},
        {"no line end after the last line", "a\r\nb", {"a", "b"}},
        {"CR at the very end", "a\r\nb\r", {"a", "b"}},
        {"empty lines count", "\r\n\r\nx\r\n\n", {"", "", "x", ""}},
        {"a lone line end", "\n", {""}},
        {"CR inside a line stays", "a\rb\r\n", {"a\rb"}},
        {"only one CR is a line end", "a\r\r\n", {"a\r"}},
    };
    for (const auto& C : Cases) EXPECT_EQ(SplitTextLines(C.Bytes), C.Lines) << C.Name;

    // The same through a whole load: a LF-only file reads like a CR LF one.
    TextFolder Folder;
    Folder.Write(ttComments, FixtureFile(ttComments, 8, "\n"));
    const TTextStrings Texts(Folder.Path());
    EXPECT_EQ(Texts.Comments(8), FixtureLine(ttComments, 8));
}

TEST(TextStrings, AMissingFileStopsLoadingAndIsNamed) {
    for (int T = 0; T < TextTableCount; ++T) {
        const auto Table = static_cast<TTextTableKind>(T);
        TextFolder Folder;
        Folder.Remove(Table);
        const LoadFailure Failure = LoadFails(Folder);
        EXPECT_EQ(Failure.FileName, Folder.PathOf(Table));
        EXPECT_NE(Failure.Message.find("Missing game text file: " + Folder.PathOf(Table)), std::string::npos)
            << Failure.Message;
    }
}

TEST(TextStrings, AShortFileStopsLoadingWithItsLineCount) {
    TextFolder Folder;
    Folder.Write(ttNewTrophies, FixtureFile(ttNewTrophies, 60));
    const LoadFailure Failure = LoadFails(Folder);
    EXPECT_EQ(Failure.FileName, Folder.PathOf(ttNewTrophies));
    EXPECT_NE(Failure.Message.find(Folder.PathOf(ttNewTrophies) + " has 60 lines, expected 61"), std::string::npos)
        << Failure.Message;

    // A file that ends in a line end has no extra empty line to make up the count.
    Folder.Write(ttNewTrophies, FixtureFile(ttNewTrophies, 60) + "\r\n");
    EXPECT_EQ(LoadFails(Folder).FileName, "");
    Folder.Write(ttNewTrophies, FixtureFile(ttNewTrophies, 59) + "\r\n");
    EXPECT_EQ(LoadFails(Folder).FileName, Folder.PathOf(ttNewTrophies));
}

TEST(TextStrings, FilesAreReadGameTextsFirstAndTheFirstFailureIsReported) {
    TextFolder Folder;
    Folder.Remove(ttTrophyNames);
    Folder.Write(ttConfirms, "too short\r\n");
    EXPECT_EQ(LoadFails(Folder).FileName, Folder.PathOf(ttConfirms));
    Folder.Remove(ttGameTexts);
    EXPECT_EQ(LoadFails(Folder).FileName, Folder.PathOf(ttGameTexts));

    EXPECT_EQ(TextTableLoadOrder[0], ttGameTexts);
    EXPECT_EQ(TextTableLoadOrder[TextTableCount - 1], ttTrophyNames);
}

TEST(TextStrings, AFileThatCannotBeReadIsNamed) {
    TextFolder Folder;
    Folder.Remove(ttCredits);
    std::filesystem::create_directory(Folder.PathOf(ttCredits));
    const LoadFailure Failure = LoadFails(Folder);
    EXPECT_EQ(Failure.FileName, Folder.PathOf(ttCredits));
    EXPECT_NE(Failure.Message.find("Could not read game text file: " + Folder.PathOf(ttCredits)), std::string::npos)
        << Failure.Message;

    // A folder that does not exist at all reports the first file as missing.
    try {
        TTextStrings Texts(Folder.Path() + "NoSuchFolder/");
        ADD_FAILURE() << "loaded from a missing folder";
    } catch (const ETextFileError& E) {
        EXPECT_EQ(E.FileName(), Folder.Path() + "NoSuchFolder/GameTexts.txt");
    }
}

TEST(TextStrings, ConfirmMessagesMapToTheirBlocks) {
    const struct {
        int Message;
        int Title;
        int First;
        int Second;
        int Count;
    } Cases[] = {
        {0, 1, 2, 0, 1},    {1, 8, 9, 0, 1},    {2, 11, 12, 0, 1},  {3, 14, 15, 16, 2},
        {4, 18, 19, 20, 2}, {5, 18, 19, 20, 2}, {6, 4, 5, 6, 2},    {7, 4, 5, 6, 2},
        {8, 22, 23, 24, 2}, {9, 26, 27, 28, 2}, {10, 0, 0, 0, 0},   {-1, 0, 0, 0, 0},
    };
    for (const auto& C : Cases) {
        const TConfirmMessageLines Lines = ConfirmMessageLines(C.Message);
        EXPECT_EQ(Lines.TitleLine, C.Title) << C.Message;
        EXPECT_EQ(Lines.TextLines[0], C.First) << C.Message;
        EXPECT_EQ(Lines.TextLines[1], C.Second) << C.Message;
        EXPECT_EQ(Lines.TextLineCount, C.Count) << C.Message;
    }
}

}  // namespace
