// Checks the drawn pictures against how the game uses them: no pattern is left
// blank by a missing piece, and every board piece the game draws at an offset from
// the cell corner is centred on its tile once drawn there.
#include "PictureClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TCatalogueLine {
    std::string Name, Folder, Type, Recipe;
    int Columns = 0, Rows = 0, PatternWidth = 0, PatternHeight = 0;
    int Line = 0;
};

std::vector<TCatalogueLine> ReadCatalogue() {
    std::ifstream in(std::string(QUELLOW_SOURCE_DIR) + "/assets/images/catalogue.txt");
    std::vector<TCatalogueLine> lines;
    int number = 0;
    for (std::string text; std::getline(in, text);) {
        ++number;
        std::istringstream words(text);
        TCatalogueLine c;
        std::string grid, size;
        if (!(words >> c.Name) || c.Name[0] == '#') continue;
        if (!(words >> c.Folder >> c.Type >> grid >> size >> c.Recipe)) continue;
        if (std::sscanf(grid.c_str(), "%dx%d", &c.Columns, &c.Rows) != 2) continue;
        if (std::sscanf(size.c_str(), "%dx%d", &c.PatternWidth, &c.PatternHeight) != 2) continue;
        c.Line = number;
        lines.push_back(c);
    }
    return lines;
}

std::string PicturePath(const TCatalogueLine& C) {
    const std::string folder = C.Folder == "." ? "" : C.Folder + "/";
    return std::string(QUELLOW_GAME_DIR) + "/Images/" + folder + C.Name + "." + C.Type;
}

// The box round the pixels of pattern P at least MinAlpha opaque; empty when none are.
struct TBox {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
    bool Empty() const { return Right < Left; }
    double CentreX() const { return (Left + Right + 1) / 2.0; }
    double CentreY() const { return (Top + Bottom + 1) / 2.0; }
};

TBox OpaqueBox(const TPicture& Picture, const TCatalogueLine& C, int P, int MinAlpha) {
    TBox box;
    const int x0 = (P % C.Columns) * C.PatternWidth, y0 = (P / C.Columns) * C.PatternHeight;
    for (int y = 0; y < C.PatternHeight; ++y)
        for (int x = 0; x < C.PatternWidth; ++x)
            if (static_cast<int>(Picture.PixelRGBA(x0 + x, y0 + y) & 0xFF) >= MinAlpha) {
                box.Left = std::min(box.Left, x);
                box.Right = std::max(box.Right, x);
                box.Top = std::min(box.Top, y);
                box.Bottom = std::max(box.Bottom, y);
            }
    return box;
}

}  // namespace

// A piece cut from the wrong place of a drawing, or a symbol or frame the drawing
// lacks, leaves its pattern empty without any error: the game would draw nothing.
// Sprite fonts are exempt, as their blank glyph is meant to be empty.
TEST(BoardArt, EveryPatternOfAPictureShowsSomething) {
    const auto catalogue = ReadCatalogue();
    ASSERT_GT(catalogue.size(), 40u);
    for (const auto& c : catalogue) {
        if (c.Type != "png" || c.Recipe == "glyphs") continue;
        SCOPED_TRACE("catalogue.txt:" + std::to_string(c.Line) + " " + c.Name);
        TPicture picture;
        ASSERT_TRUE(LoadPicture(PicturePath(c), picture));
        for (int p = 0; p < c.Columns * c.Rows; ++p)
            EXPECT_FALSE(OpaqueBox(picture, c, p, 16).Empty()) << "pattern " << p << " is blank";
    }
}

// Where the game draws each piece relative to the cell corner decides where its tile's
// centre (the corner + (23, 23)) falls in the pattern; the solid part of every pattern
// must sit round that point, or the piece looks shifted on the board.
TEST(BoardArt, PiecesDrawnAtACellOffsetAreCentredOnTheirTile) {
    struct TCase {
        const char* Name;
        int OffsetX, OffsetY;  // where the game draws the pattern, from the cell corner
        int Patterns;          // how many patterns, from the first, hold the whole piece (0: all)
    };
    const TCase cases[] = {
        {"FruitsInside", 0, 0, 0},         {"UniFruitInside", 0, 0, 0}, {"FruitBlastersInside", 0, 0, 0},
        {"FlowersInside", 0, 0, 0},        {"Hammer", 0, 0, 0},         {"SmallToolIcons", 0, 0, 0},
        {"FruitBlasterBlur", -20, -21, 0}, {"TileSelection", 1, -2, 0}, {"LockerFrame", -3, -6, 0},
        {"FruitsOutsideBig", -3, -3, 0},
        {"BlowingBubble", 3, 3, 2},  // the bubble whole, before it tears
        {"Web", 1, -2, 1},  // the tearing patterns keep only scraps, where the threads broke
    };
    std::map<std::string, TCatalogueLine> byName;
    for (const auto& c : ReadCatalogue()) byName[c.Name] = c;
    for (const auto& k : cases) {
        SCOPED_TRACE(k.Name);
        ASSERT_TRUE(byName.count(k.Name)) << "not in the catalogue";
        const auto& c = byName[k.Name];
        TPicture picture;
        ASSERT_TRUE(LoadPicture(PicturePath(c), picture));
        const double tileX = 23 - k.OffsetX, tileY = 23 - k.OffsetY;
        const int patterns = k.Patterns > 0 ? k.Patterns : c.Columns * c.Rows;
        for (int p = 0; p < patterns; ++p) {
            const TBox box = OpaqueBox(picture, c, p, 128);  // the solid part, not the soft shadow
            ASSERT_FALSE(box.Empty()) << "pattern " << p;
            EXPECT_NEAR(box.CentreX(), tileX, 3.0) << "pattern " << p;
            EXPECT_NEAR(box.CentreY(), tileY, 3.0) << "pattern " << p;
        }
    }
}
