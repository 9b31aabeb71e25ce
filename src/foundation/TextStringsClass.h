// The text tables: every word the player reads (captions, messages, names,
// story, tips, credits, shop and trophy texts) comes from twelve text files in
// the Texts folder. TTextStrings loads all of them once at start-up and hands
// out their lines by table and 1-based line number.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "GameTypesClass.h"

// The twelve tables, in the order they are kept in memory.
enum TTextTableKind : uint8_t {
    ttConfirms, ttComments, ttNarrations, ttCredits, ttTutorial, ttGameTexts,
    ttBalloon, ttShopItems, ttNewItems, ttNewTrophies, ttTrophyCommands, ttTrophyNames
};
constexpr int TextTableCount = 12;

// A table's file in the Texts folder and the number of lines the game reads from it.
struct TTextTableInfo {
    const char* FileName;
    int LineCount;
};
const TTextTableInfo& TextTableInfo(TTextTableKind Table);

// The order in which the files are read at start-up; the first file that is
// missing or short is the one the player is told about.
extern const TTextTableKind TextTableLoadOrder[TextTableCount];

// A line keeps at most this many bytes; the rest of a longer line is dropped.
constexpr size_t MaxTextLineLength = 255;

// A text file that is missing, unreadable or shorter than its table. what() is
// the message for the player (Windows-1252, naming the file); start-up shows it
// and ends.
class ETextFileError : public std::runtime_error {
public:
    ETextFileError(const std::string& Message, std::string FileName);
    // The file's path as it is on disk.
    const std::string& FileName() const { return FFileName; }
private:
    std::string FFileName;
};

// Splits a text file's bytes into its lines. A line ends at LF; a CR right
// before the LF, or at the very end of the file, is not part of the line. A
// final line without a line end still counts; a file that ends with a line end
// has no empty line after it. Each line is cut to MaxTextLineLength bytes.
std::vector<std::string> SplitTextLines(std::string_view Bytes);

// Reads one text file and returns its first LineCount lines.
// Throws ETextFileError when the file is missing, unreadable or has fewer lines.
std::vector<std::string> LoadTextFile(const std::string& Path, int LineCount);

// The confirm question's block in the confirms table: its title line and one or
// two text lines (TextLines[1] is 0 for a single line).
struct TConfirmMessageLines {
    int TitleLine = 0;
    int TextLines[2] = {0, 0};
    int TextLineCount = 0;
};
// The block of confirm message 0..9; any other number gets no lines (all 0).
TConfirmMessageLines ConfirmMessageLines(int MessageNumber);

class TTextStrings : public TObject {
public:
    // Loads all twelve files from TextsFolder (ending in "/").
    // Throws ETextFileError naming the first file that fails.
    explicit TTextStrings(const std::string& TextsFolder);

    // Line LineIdx (1-based) of a table; an empty string outside 1..its line count.
    const std::string& Line(TTextTableKind Table, int LineIdx) const;

    const std::string& Confirms(int LineIdx) const { return Line(ttConfirms, LineIdx); }
    const std::string& Comments(int LineIdx) const { return Line(ttComments, LineIdx); }
    const std::string& Narrations(int LineIdx) const { return Line(ttNarrations, LineIdx); }
    const std::string& Credits(int LineIdx) const { return Line(ttCredits, LineIdx); }
    const std::string& Tutorial(int LineIdx) const { return Line(ttTutorial, LineIdx); }
    const std::string& GameTexts(int LineIdx) const { return Line(ttGameTexts, LineIdx); }
    const std::string& Balloon(int LineIdx) const { return Line(ttBalloon, LineIdx); }
    const std::string& ShopItems(int LineIdx) const { return Line(ttShopItems, LineIdx); }
    const std::string& NewItems(int LineIdx) const { return Line(ttNewItems, LineIdx); }
    const std::string& NewTrophies(int LineIdx) const { return Line(ttNewTrophies, LineIdx); }
    const std::string& TrophyCommands(int LineIdx) const { return Line(ttTrophyCommands, LineIdx); }
    const std::string& TrophyNames(int LineIdx) const { return Line(ttTrophyNames, LineIdx); }

    // The window caption and application title (game texts, line 1).
    const std::string& WindowCaption() const { return GameTexts(1); }
    // The name given to a player whose name was left empty (game texts, line 3), as written.
    const std::string& DefaultPlayerName() const { return GameTexts(3); }

private:
    std::vector<std::string> FTables[TextTableCount];
};
