// Errors and numbers of the text sources the audio is made from (sound recipes
// and scores): every error names the file and line, so a typo stops the build
// with a message the author can act on.
#pragma once

#include <string>

[[noreturn]] void FailAt(const std::string& FileName, int Line, const std::string& Message);

// The whole of Text as a number; anything else fails at FileName:Line.
double ParseNumber(const std::string& Text, const std::string& FileName, int Line);
