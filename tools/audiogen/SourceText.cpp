#include "SourceText.h"

#include <stdexcept>

void FailAt(const std::string& FileName, int Line, const std::string& Message) {
    throw std::runtime_error(FileName + ":" + std::to_string(Line) + ": " + Message);
}

double ParseNumber(const std::string& Text, const std::string& FileName, int Line) {
    size_t Used = 0;
    double Value = 0.0;
    try {
        Value = std::stod(Text, &Used);
    } catch (const std::exception&) {
        Used = 0;
    }
    if (Used == 0 || Used != Text.size()) FailAt(FileName, Line, "\"" + Text + "\" is not a number");
    return Value;
}
