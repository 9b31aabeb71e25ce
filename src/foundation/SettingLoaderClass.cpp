#include "SettingLoaderClass.h"

#include <array>
#include <charconv>
#include <fstream>
#include <sstream>
#include <vector>

#include "FoldersClass.h"

namespace {

// Splits at CR LF, a bare LF or a bare CR; a final line break ends the last line
// instead of starting an empty one.
std::vector<std::string> SplitLines(const std::string& Text) {
    std::vector<std::string> Lines;
    std::string Line;
    bool Pending = false;
    for (size_t I = 0; I < Text.size(); ++I) {
        const char C = Text[I];
        if (C == '\r' || C == '\n') {
            Lines.push_back(Line);
            Line.clear();
            Pending = false;
            if (C == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
        } else {
            Line += C;
            Pending = true;
        }
    }
    if (Pending) Lines.push_back(Line);
    return Lines;
}

// The text after the first "=" (the whole line when it has none).
std::string ValuePart(const std::string& Line) {
    const size_t Equals = Line.find('=');
    return Equals == std::string::npos ? Line : Line.substr(Equals + 1);
}

std::string Quoted(const std::string& Text) {
    // Control bytes would garble a message box; show them as "?".
    std::string Shown;
    for (const char C : Text) Shown += (static_cast<unsigned char>(C) < 0x20) ? '?' : C;
    return "\"" + Shown + "\"";
}

// A signed decimal 32-bit integer; blanks around it are allowed.
int32_t ToInteger(const std::string& Text, const std::string& FileName, int Line) {
    size_t Begin = Text.find_first_not_of(" \t");
    size_t End = Text.find_last_not_of(" \t");
    if (Begin != std::string::npos) {
        const char* First = Text.data() + Begin;
        const char* Last = Text.data() + End + 1;
        if (*First == '+' && Last - First > 1 && First[1] != '-') ++First;
        int32_t Value = 0;
        const auto [Ptr, Error] = std::from_chars(First, Last, Value);
        if (Error == std::errc() && Ptr == Last) return Value;
    }
    throw ESettingLoaderError(FileName, Line, Quoted(Text) + " is not a valid whole number");
}

constexpr int LanguageLine = 1;  // 0-based positions
constexpr int CharSetLine = 2;
constexpr int SmallFontLine = 5;
constexpr int MediumFontLine = 6;
constexpr int LargeFontLine = 7;
constexpr int FirstOffsetLine = 10;

}  // namespace

ESettingLoaderError::ESettingLoaderError(const std::string& FileName, int Line, const std::string& Problem)
    : std::runtime_error(Line > 0 ? "The settings file " + FileName + ", line " + std::to_string(Line) + ": " + Problem + "."
                                  : "The settings file " + FileName + ": " + Problem + "."),
      FFileName(FileName),
      FLine(Line) {}

int32_t CharSetCodeOf(int32_t SettingNumber) {
    constexpr std::array<int32_t, 19> Codes = {0,   1,   2,   77,  128, 129, 130, 134, 136, 161,
                                               162, 163, 177, 178, 186, 204, 222, 238, 255};
    if (SettingNumber < 1 || SettingNumber > static_cast<int32_t>(Codes.size())) return 1;
    return Codes[static_cast<size_t>(SettingNumber - 1)];
}

TSettingLoaderLanguage LanguageOf(int32_t SettingNumber) {
    if (SettingNumber < 1 || SettingNumber > SettingLoaderLanguageCount) return laUS;
    return static_cast<TSettingLoaderLanguage>(SettingNumber - 1);
}

TSettingLoader::TSettingLoader() : TSettingLoader(TextsFolder + "_settings.txt") {}

TSettingLoader::TSettingLoader(const std::string& FileName) {
    std::ifstream File(FileName, std::ios::binary);
    if (!File) throw ESettingLoaderError(FileName, 0, "cannot be opened (is the game installed completely?)");
    std::ostringstream Bytes;
    Bytes << File.rdbuf();
    ReadText(Bytes.str(), FileName);
}

TSettingLoader TSettingLoader::FromText(const std::string& Text, const std::string& FileName) {
    TSettingLoader Loader{TDefaultsOnly{}};
    Loader.ReadText(Text, FileName);
    return Loader;
}

void TSettingLoader::ReadText(const std::string& Text, const std::string& FileName) {
    const std::vector<std::string> Lines = SplitLines(Text);
    if (static_cast<int>(Lines.size()) < SettingLineCount) {
        throw ESettingLoaderError(FileName, static_cast<int>(Lines.size()) + 1,
                                  "the file ends here, but it needs " + std::to_string(SettingLineCount) +
                                      " lines");
    }
    auto Number = [&](int Index) {
        return ToInteger(ValuePart(Lines[static_cast<size_t>(Index)]), FileName, Index + 1);
    };
    // X is the value part up to its first ","; Y follows the first "," of the whole line.
    auto Point = [&](int Index) {
        const std::string& Line = Lines[static_cast<size_t>(Index)];
        const std::string Value = ValuePart(Line);
        const size_t ValueComma = Value.find(',');
        const size_t LineComma = Line.find(',');
        if (ValueComma == std::string::npos || LineComma == std::string::npos) {
            throw ESettingLoaderError(FileName, Index + 1, Quoted(Value) + " is not a point X,Y");
        }
        return TPoint{ToInteger(Value.substr(0, ValueComma), FileName, Index + 1),
                      ToInteger(Line.substr(LineComma + 1), FileName, Index + 1)};
    };

    FLanguage = LanguageOf(Number(LanguageLine));
    FCharSet = CharSetCodeOf(Number(CharSetLine));
    FSmallFontSize = Number(SmallFontLine);
    FMediumFontSize = Number(MediumFontLine);
    FLargeFontSize = Number(LargeFontLine);
    FBalloonTextOffset = Point(FirstOffsetLine);
    FConfirmTextOffset = Point(FirstOffsetLine + 1);
    FTutorialTextOffset = Point(FirstOffsetLine + 2);
    FShopTextOffset = Point(FirstOffsetLine + 3);
    FNarrationTextOffset = Point(FirstOffsetLine + 4);
    FToolTipTextOffset = Point(FirstOffsetLine + 5);
}
