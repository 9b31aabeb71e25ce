// Checks the pictures of Tavi and Mirel that the game puts together from parts and
// draws smoothly, turned and narrowed: each part turns about a point on itself, and no
// part reaches the edge it shares with the next pattern, where smooth drawing would
// pick up a line of its neighbour.
#include "PictureClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const std::string Images = std::string(QUELLOW_GAME_DIR) + "/Images/";

int Alpha(const TPicture& P, int X, int Y) { return static_cast<int>(P.PixelRGBA(X, Y) & 0xFF); }

struct TStrip {
    const char* Name;
    int Columns, Rows;
};

}  // namespace

TEST(CharacterArt, PartsDrawnSmoothlyKeepClearOfTheEdgesTheyShare) {
    const TStrip strips[] = {
        {"FairyFrontBodyWings", 3, 1},      {"FairyFrontLimbs", 7, 1},       {"FairySideBodyWings_Left", 3, 1},
        {"FairySideLimbs_Left", 7, 1},      {"FairySideBodyWings_Right", 3, 1}, {"FairySideLimbs_Right", 7, 1},
        {"FairySitBodyWings", 3, 1},        {"FairySitLimbs", 2, 1},         {"SmallMirel", 6, 1},
        {"SmallTavi", 8, 1},                {"TaviScoring", 3, 2},           {"ObjInfoLogo", 7, 1},
    };
    for (const auto& s : strips) {
        SCOPED_TRACE(s.Name);
        TPicture p;
        ASSERT_TRUE(LoadPicture(Images + s.Name + ".png", p)) << "not drawn";
        const int w = p.Width / s.Columns, h = p.Height / s.Rows;
        for (int row = 0; row < s.Rows; ++row)
            for (int col = 0; col + 1 < s.Columns; ++col) {
                const int left = (col + 1) * w - 1, right = left + 1;
                int worst = 0;
                for (int y = row * h; y < (row + 1) * h; ++y)
                    worst = std::max({worst, Alpha(p, left, y), Alpha(p, right, y)});
                EXPECT_LE(worst, 64) << "patterns " << row * s.Columns + col << " and " << row * s.Columns + col + 1
                                     << " meet at drawn pixels";
            }
        for (int row = 0; row + 1 < s.Rows; ++row)
            for (int col = 0; col < s.Columns; ++col) {
                const int top = (row + 1) * h - 1, bottom = top + 1;
                int worst = 0;
                for (int x = col * w; x < (col + 1) * w; ++x)
                    worst = std::max({worst, Alpha(p, x, top), Alpha(p, x, bottom)});
                EXPECT_LE(worst, 64) << "pattern " << row * s.Columns + col << " meets the one below at drawn pixels";
            }
    }
}

// A wing is narrowed about its root and Tavi's scoring flight turns about her torso; a
// part drawn away from that point would swing about empty air.
TEST(CharacterArt, WingsAndTheScoringFlightTurnAboutPointsOnThemselves) {
    struct TJoint {
        const char* Name;
        int Columns, Rows, Pattern;
        double CentreX, CentreY;  // the fraction of the pattern the game turns it about
    };
    const TJoint joints[] = {
        {"FairyFrontBodyWings", 3, 1, 1, 0.902, 0.398},        {"FairyFrontBodyWings", 3, 1, 2, 0.078, 0.398},
        {"FairySideBodyWings_Left", 3, 1, 1, 0.34375, 0.5618}, {"FairySideBodyWings_Left", 3, 1, 2, 0.015625, 0.5730},
        {"FairySideBodyWings_Right", 3, 1, 1, 0.640625, 0.5618}, {"FairySideBodyWings_Right", 3, 1, 2, 0.96875, 0.5730},
        {"FairySitBodyWings", 3, 1, 1, 0.902, 0.517},          {"FairySitBodyWings", 3, 1, 2, 0.078, 0.517},
        {"TaviScoring", 3, 2, 0, 0.3181818, 0.5380435},         {"TaviScoring", 3, 2, 3, 0.3181818, 0.5380435},
        {"TaviScoring", 3, 2, 5, 0.3181818, 0.5380435},
    };
    for (const auto& j : joints) {
        SCOPED_TRACE(std::string(j.Name) + " pattern " + std::to_string(j.Pattern));
        TPicture p;
        ASSERT_TRUE(LoadPicture(Images + std::string(j.Name) + ".png", p)) << "not drawn";
        const int w = p.Width / j.Columns, h = p.Height / j.Rows;
        const int x0 = (j.Pattern % j.Columns) * w, y0 = (j.Pattern / j.Columns) * h;
        const int cx = x0 + static_cast<int>(std::lround(j.CentreX * w)), cy = y0 + static_cast<int>(std::lround(j.CentreY * h));
        int best = 0;
        for (int y = std::max(y0, cy - 2); y <= std::min(y0 + h - 1, cy + 2); ++y)
            for (int x = std::max(x0, cx - 2); x <= std::min(x0 + w - 1, cx + 2); ++x) best = std::max(best, Alpha(p, x, y));
        EXPECT_GE(best, 128) << "nothing drawn at the point it turns about (" << cx - x0 << ", " << cy - y0 << ")";
    }
}
