#include "TextStringsClass.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <utility>

#include "Win1252Class.h"

namespace {

// Indexed by TTextTableKind.
constexpr TTextTableInfo TableInfos[TextTableCount] = {
    {"GameConfirms.txt", 28},   {"GameComments.txt", 8},  {"StoryNarrations.txt", 56},
    {"Credits.txt", 27},        {"GameTutorial.txt", 19}, {"GameTexts.txt", 26},
    {"MirelBalloon.txt", 54},   {"ShopItems.txt", 55},    {"NewItems.txt", 13},
    {"NewTrophies.txt", 61},    {"TrophyCommands.txt", 59}, {"TrophyNames.txt", 13},
};

const std::string EmptyLine;

// Paths on disk are UTF-8; the player's message is a game string (Windows-1252).
std::string ShownPath(const std::string& Path) { return Utf8ToWin1252(Path); }

struct TFileCloser {
    void operator()(std::FILE* File) const { std::fclose(File); }
};

// The whole file; throws ETextFileError when it is missing or cannot be read.
std::string ReadTextFileBytes(const std::string& Path) {
    errno = 0;
    std::unique_ptr<std::FILE, TFileCloser> File(std::fopen(Path.c_str(), "rb"));
    if (!File) {
        if (errno == ENOENT || errno == ENOTDIR)
            throw ETextFileError("Missing game text file: " + ShownPath(Path) + "\n\nPlease reinstall the game.", Path);
        throw ETextFileError("Could not read game text file: " + ShownPath(Path), Path);
    }
    std::string Bytes;
    char Buffer[16384];
    for (;;) {
        const size_t Got = std::fread(Buffer, 1, sizeof Buffer, File.get());
        Bytes.append(Buffer, Got);
        if (Got < sizeof Buffer) break;
    }
    // A folder opens like a file on Linux but fails on the first read.
    if (std::ferror(File.get())) throw ETextFileError("Could not read game text file: " + ShownPath(Path), Path);
    return Bytes;
}

}  // namespace

const TTextTableKind TextTableLoadOrder[TextTableCount] = {
    ttGameTexts, ttConfirms, ttComments, ttNarrations, ttCredits, ttTutorial,
    ttBalloon, ttShopItems, ttNewItems, ttNewTrophies, ttTrophyCommands, ttTrophyNames,
};

const TTextTableInfo& TextTableInfo(TTextTableKind Table) { return TableInfos[Table]; }

ETextFileError::ETextFileError(const std::string& Message, std::string FileName)
    : std::runtime_error(Message), FFileName(std::move(FileName)) {}

std::vector<std::string> SplitTextLines(std::string_view Bytes) {
    std::vector<std::string> Lines;
    size_t Start = 0;
    while (Start < Bytes.size()) {
        size_t End = Bytes.find('\n', Start);
        const bool HasLineEnd = End != std::string_view::npos;
        if (!HasLineEnd) End = Bytes.size();
        std::string_view Line = Bytes.substr(Start, End - Start);
        if (!Line.empty() && Line.back() == '\r') Line.remove_suffix(1);
        Lines.emplace_back(Line.substr(0, MaxTextLineLength));
        Start = HasLineEnd ? End + 1 : End;
    }
    return Lines;
}

std::vector<std::string> LoadTextFile(const std::string& Path, int LineCount) {
    std::vector<std::string> Lines = SplitTextLines(ReadTextFileBytes(Path));
    const size_t Wanted = LineCount > 0 ? static_cast<size_t>(LineCount) : 0;
    if (Lines.size() < Wanted) {
        throw ETextFileError("Damaged game text file: " + ShownPath(Path) + " has " + std::to_string(Lines.size()) +
                                 " lines, expected " + std::to_string(Wanted) + ".\n\nPlease reinstall the game.",
                             Path);
    }
    Lines.resize(Wanted);
    Lines.shrink_to_fit();
    return Lines;
}

TConfirmMessageLines ConfirmMessageLines(int MessageNumber) {
    switch (MessageNumber) {
        case 0: return {1, {2, 0}, 1};
        case 1: return {8, {9, 0}, 1};
        case 2: return {11, {12, 0}, 1};
        case 3: return {14, {15, 16}, 2};
        case 4:
        case 5: return {18, {19, 20}, 2};
        case 6:
        case 7: return {4, {5, 6}, 2};
        case 8: return {22, {23, 24}, 2};
        case 9: return {26, {27, 28}, 2};
        default: return {};
    }
}

TTextStrings::TTextStrings(const std::string& TextsFolder) {
    for (TTextTableKind Table : TextTableLoadOrder) {
        const TTextTableInfo& Info = TextTableInfo(Table);
        FTables[Table] = LoadTextFile(TextsFolder + Info.FileName, Info.LineCount);
    }
}

const std::string& TTextStrings::Line(TTextTableKind Table, int LineIdx) const {
    if (Table >= TextTableCount) return EmptyLine;
    const std::vector<std::string>& Lines = FTables[Table];
    if (LineIdx < 1 || static_cast<size_t>(LineIdx) > Lines.size()) return EmptyLine;
    return Lines[static_cast<size_t>(LineIdx) - 1];
}
