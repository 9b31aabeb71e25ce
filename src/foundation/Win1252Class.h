// Every game string is 8-bit Windows-1252. These conversions are used only at
// the edges where the platform wants UTF-8: drawing with screen fonts, file
// names on disk and typed text.
#pragma once

#include <string>
#include <string_view>

// The Unicode code point of a Windows-1252 byte (undefined bytes map to themselves).
char32_t Win1252ToCodePoint(unsigned char Byte);
// The Windows-1252 byte of a code point, or -1 when the code page cannot hold it.
int CodePointToWin1252(char32_t CodePoint);

std::string Win1252ToUtf8(std::string_view Text);
// Converts UTF-8 to Windows-1252. Characters the code page cannot hold (and
// malformed bytes) are dropped; Ok tells whether anything was dropped.
std::string Utf8ToWin1252(std::string_view Text, bool* Ok = nullptr);
// Decodes one UTF-8 code point from Text at Pos and advances Pos; returns
// U+FFFD for a malformed sequence.
char32_t DecodeUtf8(std::string_view Text, size_t& Pos);

// Upper-cases the letters a to z only, as player names and high scores do.
std::string UpperCaseAscii(std::string_view Text);
