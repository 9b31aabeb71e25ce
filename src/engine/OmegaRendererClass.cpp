#include "OmegaRendererClass.h"

#include <SDL.h>

#include <cmath>
#include <numbers>
#include <utility>

namespace {
// Scaling first, then rotation, both about (Cx, Cy).
void TransformCorners(TQuad& Quad, double Cx, double Cy, double AngleDegrees, double ScaleX, double ScaleY) {
    const double Radians = AngleDegrees * std::numbers::pi / 180.0;
    const double Cos = std::cos(Radians);
    const double Sin = std::sin(Radians);
    for (TQuadVertex& Corner : Quad.Corners) {
        const double Dx = (Corner.X - Cx) * ScaleX;
        const double Dy = (Corner.Y - Cy) * ScaleY;
        Corner.X = static_cast<float>(Cx + Cos * Dx - Sin * Dy);
        Corner.Y = static_cast<float>(Cy + Sin * Dx + Cos * Dy);
    }
}

uint32_t ScaleColor(uint32_t Color, uint8_t Red, uint8_t Green, uint8_t Blue, uint8_t Alpha) {
    const auto Scale = [](uint32_t Component, uint8_t By) { return Component * By / 255u; };
    const uint32_t A = Scale(Color >> 24, Alpha);
    const uint32_t R = Scale((Color >> 16) & 0xFF, Red);
    const uint32_t G = Scale((Color >> 8) & 0xFF, Green);
    const uint32_t B = Scale(Color & 0xFF, Blue);
    return (A << 24) | (R << 16) | (G << 8) | B;
}

constexpr int QuadIndices[6] = {0, 1, 2, 0, 2, 3};
}  // namespace

void BuildQuad(const TQuadRequest& Request, TQuad& Out) {
    const float ScaleX = Request.ScaleX == 0.0f ? 1.0f : Request.ScaleX;
    const float ScaleY = Request.ScaleY == 0.0f ? 1.0f : Request.ScaleY;

    // Pixel centres lie at half pixels, so the quad's edges lie on whole pixels.
    const float Left = Request.X;
    const float Top = Request.Y;
    const float Right = Request.X + Request.Width;
    const float Bottom = Request.Y + Request.Height;
    Out.Corners[qcTopLeft].X = Left;
    Out.Corners[qcTopLeft].Y = Top;
    Out.Corners[qcTopRight].X = Right;
    Out.Corners[qcTopRight].Y = Top;
    Out.Corners[qcBottomRight].X = Right;
    Out.Corners[qcBottomRight].Y = Bottom;
    Out.Corners[qcBottomLeft].X = Left;
    Out.Corners[qcBottomLeft].Y = Bottom;

    for (int I = 0; I < 4; ++I) Out.Corners[I].Color = Request.Colors[I];

    float U[4] = {Request.TexLeft, Request.TexRight, Request.TexRight, Request.TexLeft};
    float V[4] = {Request.TexTop, Request.TexTop, Request.TexBottom, Request.TexBottom};
    if (Request.FlipVertical) {
        std::swap(V[qcTopLeft], V[qcBottomLeft]);
        std::swap(V[qcTopRight], V[qcBottomRight]);
    }
    if (Request.MirrorHorizontal) {
        std::swap(U[qcTopLeft], U[qcTopRight]);
        std::swap(U[qcBottomLeft], U[qcBottomRight]);
    }
    for (int I = 0; I < 4; ++I) {
        Out.Corners[I].U = U[I];
        Out.Corners[I].V = V[I];
    }

    if (Request.Angle != 0.0f || ScaleX != 1.0f || ScaleY != 1.0f) {
        const double Cx = static_cast<double>(Request.X) + static_cast<double>(Request.CenterWidth) * Request.CenterX;
        const double Cy = static_cast<double>(Request.Y) + static_cast<double>(Request.CenterHeight) * Request.CenterY;
        TransformCorners(Out, Cx, Cy, Request.Angle, ScaleX, ScaleY);
    }
}

bool TScreenTransform::IsIdentity() const {
    return ScaleX == 1.0f && ScaleY == 1.0f && Rotation == 0.0f && OffsetX == 0 && OffsetY == 0 && Red == 255 &&
           Green == 255 && Blue == 255 && Alpha == 255;
}

void ApplyScreenTransform(const TScreenTransform& Transform, TQuad& Quad) {
    if (Transform.IsIdentity()) return;
    if (Transform.Red != 255 || Transform.Green != 255 || Transform.Blue != 255 || Transform.Alpha != 255) {
        for (TQuadVertex& Corner : Quad.Corners) {
            Corner.Color = ScaleColor(Corner.Color, Transform.Red, Transform.Green, Transform.Blue, Transform.Alpha);
        }
    }
    const float ScaleX = Transform.ScaleX == 0.0f ? 1.0f : Transform.ScaleX;
    const float ScaleY = Transform.ScaleY == 0.0f ? 1.0f : Transform.ScaleY;
    if (ScaleX != 1.0f || ScaleY != 1.0f || Transform.Rotation != 0.0f) {
        TransformCorners(Quad, Transform.CenterX, Transform.CenterY, Transform.Rotation, ScaleX, ScaleY);
    }
    for (TQuadVertex& Corner : Quad.Corners) {
        Corner.X += static_cast<float>(Transform.OffsetX);
        Corner.Y += static_cast<float>(Transform.OffsetY);
    }
}

int32_t PatternCountOf(int32_t ImageWidth, int32_t ImageHeight, int32_t TileWidth, int32_t TileHeight) {
    const int32_t Columns = TileWidth > 0 ? ImageWidth / TileWidth : 1;
    const int32_t Rows = TileHeight > 0 ? ImageHeight / TileHeight : 1;
    return Columns > 0 && Rows > 0 ? Columns * Rows : 1;
}

TRect PatternSourceRect(int32_t Pattern, int32_t ImageWidth, int32_t ImageHeight, int32_t TileWidth,
                        int32_t TileHeight) {
    if (TileWidth < 1) TileWidth = ImageWidth;
    if (TileHeight < 1) TileHeight = ImageHeight;
    int32_t Columns = TileWidth > 0 ? ImageWidth / TileWidth : 1;
    if (Columns < 1) Columns = 1;
    const int32_t Count = PatternCountOf(ImageWidth, ImageHeight, TileWidth, TileHeight);
    if (Pattern >= Count) Pattern = Count - 1;
    if (Pattern < 0) Pattern = 0;
    const int32_t Left = (Pattern % Columns) * TileWidth;
    const int32_t Top = (Pattern / Columns) * TileHeight;
    return TRect{Left, Top, Left + TileWidth, Top + TileHeight};
}

void TOmegaRenderer::Build(const TQuadRequest& Request, const TScreenTransform& Transform) {
    BuildQuad(Request, FQuad);
    ApplyScreenTransform(Transform, FQuad);
}

bool TOmegaRenderer::Render(SDL_Renderer* Renderer, SDL_Texture* Texture) const {
    SDL_Vertex Vertices[4];
    for (int I = 0; I < 4; ++I) {
        const TQuadVertex& Corner = FQuad.Corners[I];
        Vertices[I].position = SDL_FPoint{Corner.X, Corner.Y};
        Vertices[I].color = SDL_Color{static_cast<Uint8>(Corner.Color >> 16), static_cast<Uint8>(Corner.Color >> 8),
                                      static_cast<Uint8>(Corner.Color), static_cast<Uint8>(Corner.Color >> 24)};
        Vertices[I].tex_coord = SDL_FPoint{Corner.U, Corner.V};
    }
    return SDL_RenderGeometry(Renderer, Texture, Vertices, 4, QuadIndices, 6) == 0;
}
