// The quad builder without a graphics device: where the corners go, which
// texture coordinates and colours they carry.
#include <gtest/gtest.h>

#include "OmegaRendererClass.h"
#include "OmegaScreenClass.h"

namespace {

TQuadRequest PatternRequest(float X, float Y, float W, float H) {
    TQuadRequest Request;
    Request.X = X;
    Request.Y = Y;
    Request.Width = W;
    Request.Height = H;
    Request.CenterWidth = W;
    Request.CenterHeight = H;
    return Request;
}

struct TCornerPositions {
    float X[4];
    float Y[4];
};

void ExpectCorners(const TQuad& Quad, const TCornerPositions& Expected, const char* Label) {
    for (int I = 0; I < 4; ++I) {
        EXPECT_NEAR(Quad.Corners[I].X, Expected.X[I], 1e-4) << Label << " corner " << I;
        EXPECT_NEAR(Quad.Corners[I].Y, Expected.Y[I], 1e-4) << Label << " corner " << I;
    }
}

TEST(QuadBuilder, UnscaledQuadCoversItsPixelsExactly) {
    TQuadRequest Request = PatternRequest(100, 50, 32, 16);
    Request.Colors[qcTopLeft] = 0x11111111;
    Request.Colors[qcTopRight] = 0x22222222;
    Request.Colors[qcBottomRight] = 0x33333333;
    Request.Colors[qcBottomLeft] = 0x44444444;
    Request.TexLeft = 0.5f;
    Request.TexTop = 0.0f;
    Request.TexRight = 1.0f;
    Request.TexBottom = 0.25f;
    TQuad Quad;
    BuildQuad(Request, Quad);
    ExpectCorners(Quad, {{100, 132, 132, 100}, {50, 50, 66, 66}}, "unscaled");
    const uint32_t Colors[4] = {0x11111111, 0x22222222, 0x33333333, 0x44444444};
    const float U[4] = {0.5f, 1.0f, 1.0f, 0.5f};
    const float V[4] = {0.0f, 0.0f, 0.25f, 0.25f};
    for (int I = 0; I < 4; ++I) {
        EXPECT_EQ(Quad.Corners[I].Color, Colors[I]);
        EXPECT_EQ(Quad.Corners[I].U, U[I]);
        EXPECT_EQ(Quad.Corners[I].V, V[I]);
    }
}

TEST(QuadBuilder, RotationAndScaleAboutTheCentre) {
    const struct {
        const char* Label;
        float Angle, CenterX, CenterY, ScaleX, ScaleY;
        TCornerPositions Expected;
    } Cases[] = {
        // A 32x32 pattern at (100, 100).
        {"scale 0 is 1", 0, 0.5f, 0.5f, 0, 0, {{100, 132, 132, 100}, {100, 100, 132, 132}}},
        {"quarter turn about the middle", 90, 0.5f, 0.5f, 1, 1, {{132, 132, 100, 100}, {100, 132, 132, 100}}},
        {"quarter turn about the top-left", 90, 0, 0, 1, 1, {{100, 100, 68, 68}, {100, 132, 132, 100}}},
        {"half turn about the middle", 180, 0.5f, 0.5f, 1, 1, {{132, 100, 100, 132}, {132, 132, 100, 100}}},
        {"double size about the middle", 0, 0.5f, 0.5f, 2, 2, {{84, 148, 148, 84}, {84, 84, 148, 148}}},
        {"double width about the top-left", 0, 0, 0, 2, 1, {{100, 164, 164, 100}, {100, 100, 132, 132}}},
        {"negative scale mirrors about the middle", 0, 0.5f, 0.5f, -1, 1, {{132, 100, 100, 132}, {100, 100, 132, 132}}},
        {"scale then turn", 90, 0, 0, 2, 1, {{100, 100, 68, 68}, {100, 164, 164, 100}}},
    };
    for (const auto& Case : Cases) {
        TQuadRequest Request = PatternRequest(100, 100, 32, 32);
        Request.Angle = Case.Angle;
        Request.CenterX = Case.CenterX;
        Request.CenterY = Case.CenterY;
        Request.ScaleX = Case.ScaleX;
        Request.ScaleY = Case.ScaleY;
        TQuad Quad;
        BuildQuad(Request, Quad);
        ExpectCorners(Quad, Case.Expected, Case.Label);
    }
}

TEST(QuadBuilder, CentreOfTheWholeImageMayDifferFromTheQuadSize) {
    // Pattern -1 keeps the pattern-sized quad but turns about the image's middle.
    TQuadRequest Request = PatternRequest(0, 0, 32, 32);
    Request.CenterWidth = 64;
    Request.CenterHeight = 32;
    Request.CenterX = 0.5f;
    Request.CenterY = 0.5f;
    Request.Angle = 180;
    TQuad Quad;
    BuildQuad(Request, Quad);
    ExpectCorners(Quad, {{64, 32, 32, 64}, {32, 32, 0, 0}}, "image centre");
}

TEST(QuadBuilder, FlipsChangeOnlyTextureCoordinates) {
    const struct {
        bool Flip, Mirror;
        float U[4], V[4];
    } Cases[] = {
        {false, false, {0, 1, 1, 0}, {0, 0, 1, 1}},
        {true, false, {0, 1, 1, 0}, {1, 1, 0, 0}},   // upside down
        {false, true, {1, 0, 0, 1}, {0, 0, 1, 1}},   // left and right exchanged
        {true, true, {1, 0, 0, 1}, {1, 1, 0, 0}},    // turned by half a turn
    };
    for (const auto& Case : Cases) {
        TQuadRequest Request = PatternRequest(10, 20, 8, 4);
        Request.Colors[qcTopLeft] = 0xFF0000FF;
        Request.FlipVertical = Case.Flip;
        Request.MirrorHorizontal = Case.Mirror;
        TQuad Quad;
        BuildQuad(Request, Quad);
        ExpectCorners(Quad, {{10, 18, 18, 10}, {20, 20, 24, 24}}, "flipped");
        EXPECT_EQ(Quad.Corners[qcTopLeft].Color, 0xFF0000FFu);
        for (int I = 0; I < 4; ++I) {
            EXPECT_EQ(Quad.Corners[I].U, Case.U[I]) << Case.Flip << Case.Mirror << " corner " << I;
            EXPECT_EQ(Quad.Corners[I].V, Case.V[I]) << Case.Flip << Case.Mirror << " corner " << I;
        }
    }
}

TEST(QuadBuilder, PatternsAreNumberedRowByRowAndClamped) {
    const struct {
        int32_t Pattern, ImageW, ImageH, TileW, TileH;
        TRect Expected;
    } Cases[] = {
        {0, 64, 32, 32, 32, {0, 0, 32, 32}},
        {1, 64, 32, 32, 32, {32, 0, 64, 32}},
        {2, 64, 32, 32, 32, {32, 0, 64, 32}},    // beyond the count: the last pattern
        {999, 64, 32, 32, 32, {32, 0, 64, 32}},
        {-5, 64, 32, 32, 32, {0, 0, 32, 32}},     // other negatives: the first
        {4, 30, 20, 10, 10, {10, 10, 20, 20}},    // 3 x 2: pattern 4 is column 1, row 1
        {5, 30, 20, 10, 10, {20, 10, 30, 20}},
        {0, 30, 20, 0, 0, {0, 0, 30, 20}},        // tile size 0: the whole image
        {3, 35, 20, 10, 10, {0, 10, 10, 20}},     // the leftover column is not a pattern
    };
    for (const auto& Case : Cases) {
        EXPECT_EQ(PatternSourceRect(Case.Pattern, Case.ImageW, Case.ImageH, Case.TileW, Case.TileH), Case.Expected)
            << "pattern " << Case.Pattern << " of " << Case.ImageW << "x" << Case.ImageH;
    }
    EXPECT_EQ(PatternCountOf(64, 32, 32, 32), 2);
    EXPECT_EQ(PatternCountOf(35, 20, 10, 10), 6);
    EXPECT_EQ(PatternCountOf(8, 8, 16, 16), 1);  // a tile larger than the image is still one pattern
}

TEST(QuadBuilder, ColourConversions) {
    EXPECT_EQ(MakeColor(0x12, 0x34, 0x56, 0x78), 0x78123456u);
    EXPECT_EQ(MakeColor(255, 0, 0, 255), 0xFFFF0000u);
    const struct {
        uint32_t In, Out;
    } Cases[] = {
        {0xFFFFFFFFu, 0xFFFFFFFFu},                 // -1: opaque white
        {static_cast<uint32_t>(-1), 0xFFFFFFFFu},
        {0x000000FFu, 0xFFFF0000u},                 // a colour value 0x00BBGGRR: red
        {0x00FF0000u, 0xFF0000FFu},                 // blue
        {0x00000000u, 0xFF000000u},                 // black becomes opaque black
        {0x00FFFFFFu, 0xFFFFFFFFu},
        {0x01000000u, 0x01000000u},                 // above 0xFFFFFF: already ARGB
        {0x80123456u, 0x80123456u},
    };
    for (const auto& Case : Cases) EXPECT_EQ(ColorToARGB(Case.In), Case.Out) << std::hex << Case.In;
}

TEST(QuadBuilder, ScreenTransformAtIdentityChangesNothing) {
    TQuadRequest Request = PatternRequest(5, 6, 7, 8);
    Request.Colors[qcTopLeft] = 0xFFFFFFFF;
    TQuad Plain;
    BuildQuad(Request, Plain);
    TQuad Transformed = Plain;
    ApplyScreenTransform(TScreenTransform{}, Transformed);
    for (int I = 0; I < 4; ++I) {
        EXPECT_EQ(Transformed.Corners[I].X, Plain.Corners[I].X);
        EXPECT_EQ(Transformed.Corners[I].Y, Plain.Corners[I].Y);
        EXPECT_EQ(Transformed.Corners[I].Color, Plain.Corners[I].Color);
    }
    TScreenTransform Shifted;
    Shifted.OffsetX = 10;
    Shifted.OffsetY = -2;
    Shifted.Alpha = 127;
    TQuad Moved = Plain;
    ApplyScreenTransform(Shifted, Moved);
    EXPECT_EQ(Moved.Corners[qcTopLeft].X, 15.0f);
    EXPECT_EQ(Moved.Corners[qcTopLeft].Y, 4.0f);
    EXPECT_EQ(Moved.Corners[qcTopLeft].Color, 0x7FFFFFFFu);
}

TEST(QuadBuilder, LetterboxKeepsTheFrameProportions) {
    const struct {
        int32_t OutW, OutH;
        SDL_Rect Expected;
    } Cases[] = {
        {800, 600, {0, 0, 800, 600}},
        {1920, 1080, {240, 0, 1440, 1080}},
        {1280, 1024, {0, 32, 1280, 960}},
        {1600, 1200, {0, 0, 1600, 1200}},
        {400, 300, {0, 0, 400, 300}},
        {0, 600, {0, 0, 0, 0}},
    };
    for (const auto& Case : Cases) {
        const SDL_Rect R = LetterboxRect(Case.OutW, Case.OutH, 800, 600);
        EXPECT_EQ(R.x, Case.Expected.x) << Case.OutW << "x" << Case.OutH;
        EXPECT_EQ(R.y, Case.Expected.y) << Case.OutW << "x" << Case.OutH;
        EXPECT_EQ(R.w, Case.Expected.w) << Case.OutW << "x" << Case.OutH;
        EXPECT_EQ(R.h, Case.Expected.h) << Case.OutW << "x" << Case.OutH;
    }
}

}  // namespace
