// Checks the drawn image set against the table of every image the game loads
// (ExpectedImages.txt): names, folders, file types, pattern grids and the pattern
// sizes the game's drawing relies on, and that the generator is repeatable.
#include "SpriteTileCountClass.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TExpected {
    std::string Grid;  // "6x1"
    std::string Size;  // "46x46", "10x?", "-"
};

struct TDeclared {
    std::string Path;  // "Images/Splash/SplashBG.jpg"
    int Columns = 0, Rows = 0, PatternWidth = 0, PatternHeight = 0;
    int Line = 0;
};

std::vector<std::string> Words(const std::string& Line) {
    std::istringstream in(Line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

bool IsComment(const std::string& Line) {
    const auto first = Line.find_first_not_of(" \t");
    return first == std::string::npos || Line[first] == '#';
}

std::string ImagePath(const std::string& Folder, const std::string& File) {
    return Folder == "." ? "Images/" + File : "Images/" + Folder + "/" + File;
}

// Path -> expected grid and size.
std::map<std::string, TExpected> LoadExpected() {
    std::ifstream in(std::string(QUELLOW_SOURCE_DIR) + "/tests/data/ExpectedImages.txt");
    std::map<std::string, TExpected> table;
    for (std::string line; std::getline(in, line);) {
        if (IsComment(line)) continue;
        const auto w = Words(line);
        if (w.size() == 4) table[ImagePath(w[0], w[1])] = {w[2], w[3]};
    }
    return table;
}

std::vector<TDeclared> LoadCatalogue() {
    std::ifstream in(std::string(QUELLOW_SOURCE_DIR) + "/assets/images/catalogue.txt");
    std::vector<TDeclared> entries;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (IsComment(line)) continue;
        const auto w = Words(line);
        if (w.size() < 6) continue;
        TDeclared d;
        d.Path = ImagePath(w[1], w[0] + "." + w[2]);
        d.Line = number;
        std::sscanf(w[3].c_str(), "%dx%d", &d.Columns, &d.Rows);
        std::sscanf(w[4].c_str(), "%dx%d", &d.PatternWidth, &d.PatternHeight);
        entries.push_back(d);
    }
    return entries;
}

// Width and height from a PNG's header or a JPEG's frame marker; {0, 0} if neither.
std::pair<int, int> ImageSize(const std::string& Bytes, bool& IsPng, bool& IsJpeg) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(Bytes[i]); };
    IsPng = Bytes.size() > 24 && Bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0;
    IsJpeg = Bytes.size() > 4 && byte(0) == 0xFF && byte(1) == 0xD8;
    if (IsPng) {
        const auto be32 = [&](size_t i) { return (byte(i) << 24) | (byte(i + 1) << 16) | (byte(i + 2) << 8) | byte(i + 3); };
        return {be32(16), be32(20)};
    }
    if (IsJpeg) {
        size_t i = 2;
        while (i + 9 < Bytes.size() && byte(i) == 0xFF) {
            const int marker = byte(i + 1);
            const size_t length = (byte(i + 2) << 8) | byte(i + 3);
            if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
                return {(byte(i + 7) << 8) | byte(i + 8), (byte(i + 5) << 8) | byte(i + 6)};
            i += 2 + length;
        }
    }
    return {0, 0};
}

bool SideMatches(const std::string& Expected, int Actual) { return Expected == "?" || std::stoi(Expected) == Actual; }

const std::string GameDir = QUELLOW_GAME_DIR;

}  // namespace

TEST(ImageSet, EveryDeclaredImageIsOneTheGameLoadsWithItsGridAndSize) {
    const auto expected = LoadExpected();
    ASSERT_GT(expected.size(), 400u) << "ExpectedImages.txt not found or cut short";
    const auto declared = LoadCatalogue();
    ASSERT_FALSE(declared.empty());
    for (const auto& d : declared) {
        SCOPED_TRACE("catalogue.txt:" + std::to_string(d.Line) + " " + d.Path);
        const auto it = expected.find(d.Path);
        ASSERT_NE(it, expected.end()) << "the game loads no image of this name, folder and type";
        EXPECT_EQ(it->second.Grid, std::to_string(d.Columns) + "x" + std::to_string(d.Rows)) << "pattern grid";
        if (it->second.Size != "-") {
            const auto x = it->second.Size.find('x');
            EXPECT_TRUE(SideMatches(it->second.Size.substr(0, x), d.PatternWidth) &&
                        SideMatches(it->second.Size.substr(x + 1), d.PatternHeight))
                << "pattern size " << d.PatternWidth << "x" << d.PatternHeight << ", the game expects "
                << it->second.Size;
        }
    }
}

// The game cuts an image into patterns by its tile table: an image of several patterns
// missing from it would be drawn whole where one pattern belongs.
TEST(ImageSet, TheGameCutsEveryImageIntoItsGrid) {
    TSpriteTileCount Table;
    for (const auto& [Path, Expected] : LoadExpected()) {
        if (Expected.Grid == "1x1") continue;
        const std::string File = fs::path(Path).stem().string();
        const TTileCount Count = Table.GetTileCount(File);
        EXPECT_EQ(std::to_string(Count.Columns) + "x" + std::to_string(Count.Rows), Expected.Grid) << Path;
    }
}

TEST(ImageSet, EveryDeclaredImageIsDrawnWithItsTypeAndSize) {
    for (const auto& d : LoadCatalogue()) {
        SCOPED_TRACE(d.Path);
        const std::string bytes = ReadWholeFile(GameDir + "/" + d.Path);
        ASSERT_FALSE(bytes.empty()) << "not drawn";
        bool png = false, jpeg = false;
        const auto [w, h] = ImageSize(bytes, png, jpeg);
        const bool wantPng = d.Path.substr(d.Path.size() - 4) == ".png";
        EXPECT_TRUE(wantPng ? png : jpeg) << "file content does not match its extension";
        EXPECT_EQ(w, d.Columns * d.PatternWidth);
        EXPECT_EQ(h, d.Rows * d.PatternHeight);
    }
}

TEST(ImageSet, NoImageFileLiesInTheGameFolderThatTheCatalogueDoesNotDeclare) {
    std::set<std::string> declared;
    for (const auto& d : LoadCatalogue()) declared.insert(d.Path);
    const fs::path images = fs::path(GameDir) / "Images";
    ASSERT_TRUE(fs::exists(images));
    for (const auto& file : fs::recursive_directory_iterator(images)) {
        if (!file.is_regular_file()) continue;
        const std::string relative = fs::relative(file.path(), GameDir).generic_string();
        EXPECT_TRUE(declared.count(relative)) << relative << " is left over from an older build";
    }
}

TEST(ImageSet, ReportsTheImagesStillToDraw) {
    std::set<std::string> declared;
    for (const auto& d : LoadCatalogue()) declared.insert(d.Path);
    int missing = 0;
    for (const auto& [path, e] : LoadExpected())
        if (!declared.count(path)) ++missing;
    std::printf("[ image set ] %zu images drawn, %d of the game's images still to draw\n", declared.size(), missing);
}

// Drawing the same sources twice must give the same bytes: the set is rebuilt on every
// machine, and a changed file would look like changed art.
TEST(ImageSet, DrawingAgainGivesTheSameBytes) {
    const fs::path generator = fs::path(GameDir).parent_path() / "tools" / "imagegen" / "imagegen";
    if (!fs::exists(generator)) GTEST_SKIP() << "image generator not built (data off)";
    TTempFolder temp;
    std::vector<std::string> sample;
    for (const auto& d : LoadCatalogue()) sample.push_back(d.Path);
    std::string names;
    for (const auto& p : sample) names += " " + fs::path(p).stem().string();
    const std::string command = generator.string() + " build " + QUELLOW_SOURCE_DIR + "/assets/images " + temp.Path() +
                                names + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const auto& p : sample)
        EXPECT_TRUE(ReadWholeFile(temp.Path() + p) == ReadWholeFile(GameDir + "/" + p)) << p << " differs between runs";
}
