// Checks the board enemies' art against the places the game draws it at: worms crawl on
// the grid lines and come out from under the board's edge straight into their crawl,
// an eating worm leaves its fruit to be seen, and spiders sit on their tiles.
#include "PictureClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string Images = std::string(QUELLOW_GAME_DIR) + "/Images/";

TPicture Load(const std::string& Name) {
    TPicture picture;
    EXPECT_TRUE(LoadPicture(Images + Name + ".png", picture)) << Name << " not drawn";
    return picture;
}

int Alpha(const TPicture& P, int X, int Y) { return static_cast<int>(P.PixelRGBA(X, Y) & 0xFF); }

// A strip's pattern geometry.
struct TStrip {
    TPicture Picture;
    int Columns, Rows;
    int W() const { return Picture.Width / Columns; }
    int H() const { return Picture.Height / Rows; }
    int X0(int P) const { return (P % Columns) * W(); }
    int Y0(int P) const { return (P / Columns) * H(); }
    int AlphaAt(int P, int X, int Y) const { return Alpha(Picture, X0(P) + X, Y0(P) + Y); }
};

struct TBox {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
    bool Empty() const { return Right < Left; }
    double CentreX() const { return (Left + Right + 1) / 2.0; }
    double CentreY() const { return (Top + Bottom + 1) / 2.0; }
};

// The box round pattern P's solid pixels, turned over as the game draws it and moved to
// where the game puts the pattern's corner.
TBox SolidBox(const TStrip& S, int P, bool Flip, bool Mirror, int AtX, int AtY) {
    TBox box;
    for (int y = 0; y < S.H(); ++y)
        for (int x = 0; x < S.W(); ++x)
            if (S.AlphaAt(P, x, y) >= 128) {
                const int sx = AtX + (Mirror ? S.W() - 1 - x : x), sy = AtY + (Flip ? S.H() - 1 - y : y);
                box.Left = std::min(box.Left, sx);
                box.Right = std::max(box.Right, sx);
                box.Top = std::min(box.Top, sy);
                box.Bottom = std::max(box.Bottom, sy);
            }
    return box;
}

}  // namespace

// A crawling worm is drawn at its tile's corner + (32, 3) heading up or down and
// + (22, 30) heading sideways, so that it runs along the grid line right of (or below)
// its tile, the tiles that hit it: the body must be centred on that line in every frame.
TEST(WormArt, CrawlingWormsRunOnTheGridLines) {
    const TStrip vert{Load("WormWalkingVert"), 1, 15}, horz{Load("WormWalkingHorz"), 15, 1};
    for (int p = 0; p < 15; ++p) {
        const TBox v = SolidBox(vert, p, false, false, 32, 3), h = SolidBox(horz, p, false, false, 22, 30);
        ASSERT_FALSE(v.Empty() || h.Empty()) << "pattern " << p;
        EXPECT_NEAR(v.CentreX(), 46, 2.5) << "heading down, pattern " << p;
        EXPECT_NEAR(h.CentreY(), 46, 2.5) << "heading right, pattern " << p;
    }
}

// Nothing of a worm touches its pattern's edge: a feeler tip, a tail or the bite's snap
// that runs into the edge is cut off square on the board, and smooth drawing (the
// falling roll) would sample the neighbouring pattern.
TEST(WormArt, NoWormPictureIsCutAtItsPatternsEdges) {
    struct TCase {
        const char* Image;
        int Columns, Rows;
    };
    const TCase cases[] = {{"WormWalkingVert", 1, 15}, {"WormAppearingVert", 1, 15}, {"WormWalkingHorz", 15, 1},
                           {"WormAppearingHorz", 15, 1}, {"WormBiting", 4, 1},          {"WormEating", 1, 8}};
    for (const auto& c : cases) {
        const TStrip strip{Load(c.Image), c.Columns, c.Rows};
        for (int p = 0; p < c.Columns * c.Rows; ++p) {
            int top = 0, bottom = 0, left = 0, right = 0;
            for (int x = 0; x < strip.W(); ++x) {
                top = std::max(top, strip.AlphaAt(p, x, 0));
                bottom = std::max(bottom, strip.AlphaAt(p, x, strip.H() - 1));
            }
            for (int y = 0; y < strip.H(); ++y) {
                left = std::max(left, strip.AlphaAt(p, 0, y));
                right = std::max(right, strip.AlphaAt(p, strip.W() - 1, y));
            }
            EXPECT_LT(std::max({top, bottom, left, right}), 16)
                << c.Image << " pattern " << p << " touches its edge (alpha top " << top << ", bottom " << bottom
                << ", left " << left << ", right " << right << ")";
        }
    }
}

// A worm comes out from under the board's edge (nothing of it shows beyond the edge of
// its entry tile), and where its crawl takes over, the crawl's first pattern lies where
// the last one of its coming out lay: the game's places for the two, from the entry
// tile's corner, are those of the worms' appear offsets and their adjustments.
TEST(WormArt, AWormComesOutFromUnderTheEdgeAndCrawlsOnWithoutAJump) {
    const TStrip appearV{Load("WormAppearingVert"), 1, 15}, appearH{Load("WormAppearingHorz"), 15, 1};
    const TStrip walkV{Load("WormWalkingVert"), 1, 15}, walkH{Load("WormWalkingHorz"), 15, 1};
    struct TCase {
        const char* Heading;
        bool Vertical, Flip, Mirror;
        int AppearX, AppearY;  // the coming out's corner, from the tile's corner
        int WalkX, WalkY;      // the crawl's corner once it takes over
        int WalkPattern;       // where the crawl's animation takes over
    };
    const TCase cases[] = {
        {"up", true, true, false, 31, -11, 34, -12, 8},
        {"down", true, false, false, 31, -16, 35, -16, 8},
        {"left", false, false, true, -6, 31, -6, 28, 1},
        {"right", false, false, false, -18, 30, -16, 32, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Heading);
        const TStrip& appear = c.Vertical ? appearV : appearH;
        const TStrip& walk = c.Vertical ? walkV : walkH;
        for (int p = 0; p < 15; ++p) {
            const TBox b = SolidBox(appear, p, c.Flip, c.Mirror, c.AppearX, c.AppearY);
            ASSERT_FALSE(b.Empty()) << "pattern " << p;
            // The entry tile spans 0-45 from its corner; the edge it comes from is the
            // side it heads away from.
            const std::string heading = c.Heading;
            const int beyond = heading == "down" ? -b.Top : heading == "up" ? b.Bottom - 45
                             : heading == "right" ? -b.Left : b.Right - 45;
            EXPECT_LE(beyond, 0) << "pattern " << p << " shows beyond the edge it comes from";
        }
        const TBox last = SolidBox(appear, 14, c.Flip, c.Mirror, c.AppearX, c.AppearY);
        const TBox next = SolidBox(walk, c.WalkPattern, c.Flip, c.Mirror, c.WalkX, c.WalkY);
        EXPECT_NEAR(last.CentreX(), next.CentreX(), 3.0);
        EXPECT_NEAR(last.CentreY(), next.CentreY(), 3.0);
        EXPECT_NEAR(last.Right - last.Left, next.Right - next.Left, 3.0);
        EXPECT_NEAR(last.Bottom - last.Top, next.Bottom - next.Top, 3.0);
    }
}

// The eating worm is drawn over the fruit it eats; the fruit must stay plain to see.
TEST(WormArt, AnEatingWormLeavesMostOfItsFruitInView) {
    const TStrip fruits{Load("FruitsInside"), 6, 1}, eating{Load("WormEating"), 1, 8};
    for (int f = 0; f < 6; ++f)
        for (int p = 0; p < 8; ++p) {
            int fruit = 0, covered = 0;
            for (int y = 0; y < 46; ++y)
                for (int x = 0; x < 46; ++x)
                    if (fruits.AlphaAt(f, x, y) >= 128) {
                        ++fruit;
                        covered += eating.AlphaAt(p, x, y) >= 128;
                    }
            EXPECT_LE(covered * 100, fruit * 35) << "fruit " << f << ", pattern " << p << ": " << covered << " of "
                                                 << fruit << " pixels hidden";
        }
}

// Spiders are drawn at their tile's corner - (13, 10), their every picture the same size:
// whatever a spider on its tile does, its body covers the tile's centre and its legs
// spread evenly to both sides of it.
TEST(SpiderArt, ASpiderOnItsTileSitsOnTheTilesCentre) {
    struct TCase {
        const char* Image;
        int Rows;
        int Patterns;  // those drawn on the tile (a hit spider curls up and rolls off it)
    };
    const TCase cases[] = {{"SpiderWalking", 9, 9}, {"SpiderAnchoring", 7, 7}, {"SpiderMakingWeb", 4, 4}, {"SpiderHit", 6, 2}};
    const TStrip walking{Load("SpiderWalking"), 1, 9};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Image);
        const TStrip s{Load(c.Image), 1, c.Rows};
        ASSERT_EQ(s.W(), walking.W()) << "every spider picture has the walking one's size";
        ASSERT_EQ(s.H(), walking.H());
        for (int p = 0; p < c.Patterns; ++p) {
            const TBox b = SolidBox(s, p, false, false, -13, -10);
            EXPECT_NEAR(b.CentreX(), 23, 2.0) << "pattern " << p;
            int solid = 0;
            for (int y = -3; y <= 3; ++y)
                for (int x = -3; x <= 3; ++x) solid += s.AlphaAt(p, 13 + 23 + x, 10 + 23 + y) >= 200;
            EXPECT_EQ(solid, 49) << "pattern " << p << ": the tile's centre is not on the spider's body";
        }
    }
}
