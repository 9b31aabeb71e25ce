#include "CatalogueClass.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

bool ParsePair(const std::string& Text, int& A, int& B) {
    const auto x = Text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 >= Text.size()) return false;
    try {
        size_t used = 0;
        A = std::stoi(Text.substr(0, x), &used);
        if (used != x) return false;
        B = std::stoi(Text.substr(x + 1), &used);
        if (used != Text.size() - x - 1) return false;
    } catch (const std::exception&) {
        return false;
    }
    return A > 0 && B > 0;
}

bool ValidName(const std::string& Name) {
    if (Name.empty()) return false;
    return std::all_of(Name.begin(), Name.end(), [](char C) {
        return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '_' || C == '-';
    });
}

}  // namespace

std::string TImageEntry::RelativePath() const {
    return Folder.empty() ? "Images/" + FileName() : "Images/" + Folder + "/" + FileName();
}

TCatalogue TCatalogue::Load(const std::string& Path) {
    std::ifstream in(Path);
    if (!in) throw std::runtime_error(Path + ": cannot open the image catalogue");
    TCatalogue result;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        // Only whole lines are comments: '#' also begins colours and element names.
        if (const auto first = line.find_first_not_of(" \t"); first != std::string::npos && line[first] == '#') continue;
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;
        const auto fail = [&](const std::string& Why) {
            throw std::runtime_error(Path + ":" + std::to_string(number) + ": " + Why);
        };
        if (w.size() < 6) fail("expected: name folder type grid pattern-size recipe [arguments]");
        TImageEntry e;
        e.Line = number;
        e.Name = w[0];
        if (!ValidName(e.Name)) fail("bad image name '" + e.Name + "'");
        e.Folder = w[1] == "." ? "" : w[1];
        if (w[2] == "png") e.Type = TImageType::itPng;
        else if (w[2] == "jpg") e.Type = TImageType::itJpeg;
        else fail("type must be png or jpg, not '" + w[2] + "'");
        if (!ParsePair(w[3], e.Columns, e.Rows)) fail("bad grid '" + w[3] + "' (columns x rows, e.g. 6x1)");
        if (!ParsePair(w[4], e.PatternWidth, e.PatternHeight))
            fail("bad pattern size '" + w[4] + "' (width x height, e.g. 46x46)");
        e.Recipe = w[5];
        e.Args.assign(w.begin() + 6, w.end());
        if (result.Find(e.Name)) fail("image '" + e.Name + "' is declared twice");
        result.FEntries.push_back(std::move(e));
    }
    return result;
}

const TImageEntry* TCatalogue::Find(const std::string& Name) const {
    for (const auto& e : FEntries)
        if (e.Name == Name) return &e;
    return nullptr;
}

std::vector<std::string> TCatalogue::Folders() const {
    std::vector<std::string> folders;
    for (const auto& e : FEntries)
        if (std::find(folders.begin(), folders.end(), e.Folder) == folders.end()) folders.push_back(e.Folder);
    return folders;
}
