#include "Win1252Class.h"

namespace {
// Code points of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char32_t HighControlRange[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

void AppendUtf8(std::string& Out, char32_t C) {
    if (C < 0x80) {
        Out += static_cast<char>(C);
    } else if (C < 0x800) {
        Out += static_cast<char>(0xC0 | (C >> 6));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else if (C < 0x10000) {
        Out += static_cast<char>(0xE0 | (C >> 12));
        Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (C >> 18));
        Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    }
}
}  // namespace

char32_t Win1252ToCodePoint(unsigned char Byte) {
    if (Byte >= 0x80 && Byte <= 0x9F) {
        const char32_t C = HighControlRange[Byte - 0x80];
        return C ? C : Byte;
    }
    return Byte;
}

int CodePointToWin1252(char32_t CodePoint) {
    if (CodePoint < 0x80 || (CodePoint >= 0xA0 && CodePoint <= 0xFF)) return static_cast<int>(CodePoint);
    for (int I = 0; I < 32; ++I) {
        if (HighControlRange[I] != 0 && HighControlRange[I] == CodePoint) return 0x80 + I;
    }
    return -1;
}

std::string Win1252ToUtf8(std::string_view Text) {
    std::string Out;
    Out.reserve(Text.size());
    for (unsigned char Byte : Text) AppendUtf8(Out, Win1252ToCodePoint(Byte));
    return Out;
}

char32_t DecodeUtf8(std::string_view Text, size_t& Pos) {
    const auto Byte = [&](size_t I) { return static_cast<unsigned char>(Text[I]); };
    const unsigned char Lead = Byte(Pos);
    int Extra;
    char32_t C;
    if (Lead < 0x80) { ++Pos; return Lead; }
    if ((Lead & 0xE0) == 0xC0) { Extra = 1; C = Lead & 0x1F; }
    else if ((Lead & 0xF0) == 0xE0) { Extra = 2; C = Lead & 0x0F; }
    else if ((Lead & 0xF8) == 0xF0) { Extra = 3; C = Lead & 0x07; }
    else { ++Pos; return 0xFFFD; }
    if (Pos + static_cast<size_t>(Extra) >= Text.size()) {
        Pos = Text.size();
        return 0xFFFD;
    }
    for (int I = 1; I <= Extra; ++I) {
        const unsigned char Next = Byte(Pos + static_cast<size_t>(I));
        if ((Next & 0xC0) != 0x80) { Pos += static_cast<size_t>(I); return 0xFFFD; }
        C = (C << 6) | (Next & 0x3F);
    }
    Pos += static_cast<size_t>(Extra) + 1;
    // Overlong forms, surrogates and values beyond Unicode are malformed.
    static constexpr char32_t MinForLength[4] = {0, 0x80, 0x800, 0x10000};
    if (C < MinForLength[Extra] || (C >= 0xD800 && C <= 0xDFFF) || C > 0x10FFFF) return 0xFFFD;
    return C;
}

std::string Utf8ToWin1252(std::string_view Text, bool* Ok) {
    std::string Out;
    bool AllKept = true;
    size_t Pos = 0;
    while (Pos < Text.size()) {
        const char32_t C = DecodeUtf8(Text, Pos);
        const int Byte = (C == 0xFFFD) ? -1 : CodePointToWin1252(C);
        if (Byte < 0) {
            AllKept = false;
            continue;
        }
        Out += static_cast<char>(Byte);
    }
    if (Ok) *Ok = AllKept;
    return Out;
}

std::string UpperCaseAscii(std::string_view Text) {
    std::string Out(Text);
    for (char& C : Out) {
        if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
    }
    return Out;
}
