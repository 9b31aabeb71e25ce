// The textured-quad renderer of the sprite layer: every sprite the game draws
// is one quad, four corners with a position, an ARGB colour that multiplies
// the texture, and texture coordinates. Building the quad is a pure function
// (BuildQuad) so that placement, rotation, scaling, flips and colours can be
// checked without a graphics device; TOmegaRenderer holds the one quad of an
// image list and hands it to the screen's renderer.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

struct SDL_Renderer;
struct SDL_Texture;

// Colours are 32-bit ARGB: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
constexpr uint32_t MakeColor(uint8_t Red, uint8_t Green, uint8_t Blue, uint8_t Alpha) {
    return (uint32_t{Alpha} << 24) | (uint32_t{Red} << 16) | (uint32_t{Green} << 8) | uint32_t{Blue};
}
// A value above 0xFFFFFF is already ARGB and is returned as it is (so -1 is
// opaque white); anything else is a colour value 0x00BBGGRR, returned as the
// same colour in ARGB with alpha 255.
constexpr uint32_t ColorToARGB(uint32_t Value) {
    if (Value > 0x00FFFFFFu) return Value;
    const uint32_t Red = Value & 0xFF;
    const uint32_t Green = (Value >> 8) & 0xFF;
    const uint32_t Blue = (Value >> 16) & 0xFF;
    return 0xFF000000u | (Red << 16) | (Green << 8) | Blue;
}

// One corner of a quad: pixel position in the 800x600 frame, ARGB colour,
// texture coordinates (0..1 across the texture).
struct TQuadVertex {
    float X = 0.0f;
    float Y = 0.0f;
    uint32_t Color = 0xFFFFFFFFu;
    float U = 0.0f;
    float V = 0.0f;
};

// Corners in the order top-left, top-right, bottom-right, bottom-left.
struct TQuad {
    TQuadVertex Corners[4];
};

enum TQuadCorner { qcTopLeft = 0, qcTopRight = 1, qcBottomRight = 2, qcBottomLeft = 3 };

// Everything one draw asks for.
struct TQuadRequest {
    float X = 0.0f;                 // top-left of the pattern before rotation and scaling
    float Y = 0.0f;
    float Width = 0.0f;             // size of the quad on screen at scale 1
    float Height = 0.0f;
    float CenterWidth = 0.0f;       // the size the centre fractions refer to
    float CenterHeight = 0.0f;
    float Angle = 0.0f;             // degrees; positive turns clockwise on the screen
    float CenterX = 0.0f;           // centre of rotation and scaling, as fractions
    float CenterY = 0.0f;
    float ScaleX = 1.0f;            // 0 is taken as 1; negative mirrors about the centre
    float ScaleY = 1.0f;
    uint32_t Colors[4] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};  // TL, TR, BR, BL
    float TexLeft = 0.0f;           // texture coordinates of the source rectangle
    float TexTop = 0.0f;
    float TexRight = 1.0f;
    float TexBottom = 1.0f;
    bool FlipVertical = false;      // upside down
    bool MirrorHorizontal = false;  // left and right exchanged
};

// Builds the quad: an unscaled, unrotated quad covers (X, Y)-(X + W, Y + H)
// exactly (pixel centres lie at half pixels, so every texel lands on one
// pixel); scaling, then rotation, both about the centre; the flip flags change
// only texture coordinates.
void BuildQuad(const TQuadRequest& Request, TQuad& Out);

// The screen-wide transform and colour every quad passes through last.
// The game keeps it at identity (the defaults).
struct TScreenTransform {
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
    float Rotation = 0.0f;  // degrees
    int32_t CenterX = 0;
    int32_t CenterY = 0;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    uint8_t Red = 255;
    uint8_t Green = 255;
    uint8_t Blue = 255;
    uint8_t Alpha = 255;
    bool IsIdentity() const;
};

// Multiplies every corner colour by the screen colour (255 leaves it as it
// is) and moves every corner by the screen-wide scale, rotation and offset.
void ApplyScreenTransform(const TScreenTransform& Transform, TQuad& Quad);

// The source rectangle, in image pixels, of pattern Pattern of an image cut
// into TileWidth x TileHeight patterns numbered row by row. A pattern at or
// beyond the count is the last one; a negative pattern is the first one.
TRect PatternSourceRect(int32_t Pattern, int32_t ImageWidth, int32_t ImageHeight, int32_t TileWidth,
                        int32_t TileHeight);
// Number of whole patterns in the image (at least 1).
int32_t PatternCountOf(int32_t ImageWidth, int32_t ImageHeight, int32_t TileWidth, int32_t TileHeight);

// Holds the one quad of an image list and draws it with a texture.
class TOmegaRenderer {
public:
    TQuad& Quad() { return FQuad; }
    const TQuad& Quad() const { return FQuad; }

    // Builds the quad from the request and then applies the screen-wide transform.
    void Build(const TQuadRequest& Request, const TScreenTransform& Transform);
    // Draws the quad with the texture (blend and scale mode already set on it).
    // Returns false when the renderer refused it.
    bool Render(SDL_Renderer* Renderer, SDL_Texture* Texture) const;

private:
    TQuad FQuad;
};
