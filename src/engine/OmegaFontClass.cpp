#include "OmegaFontClass.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <filesystem>

#include "FoldersClass.h"
#include "OmegaRendererClass.h"
#include "Win1252Class.h"

namespace {
// Glyph quads sent to the renderer in one call.
constexpr int32_t GlyphBatch = 128;
constexpr int32_t AtlasWidth = 512;
constexpr int32_t FirstGlyph = 0x20;

struct TRenderedGlyph {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Coverage;
};

const char* FamilyFor(const std::string& FaceName) {
    std::string Lower = FaceName;
    for (char& Ch : Lower) {
        if (Ch >= 'A' && Ch <= 'Z') Ch = static_cast<char>(Ch - 'A' + 'a');
    }
    if (Lower.find("times") != std::string::npos || Lower.find("serif") != std::string::npos) {
        if (Lower.find("sans") == std::string::npos) return "LiberationSerif";
    }
    if (Lower.find("courier") != std::string::npos || Lower.find("mono") != std::string::npos) {
        return "LiberationMono";
    }
    return "LiberationSans";
}
}  // namespace

std::string FontFileFor(const std::string& FaceName, bool Bold) {
    const std::string FileName = std::string(FamilyFor(FaceName)) + (Bold ? "-Bold.ttf" : "-Regular.ttf");
    const std::string Folders[] = {AppFolder.empty() ? std::string() : AppFolder + "Fonts/",
                                   "/usr/share/fonts/truetype/liberation2/", "/usr/share/fonts/truetype/liberation/"};
    for (const std::string& Folder : Folders) {
        if (Folder.empty()) continue;
        std::error_code Ignored;
        if (std::filesystem::is_regular_file(Folder + FileName, Ignored)) return Folder + FileName;
    }
    return {};
}

TOmegaFont::~TOmegaFont() { DestroyTextures(); }

bool TOmegaFont::SetupFont(const std::string& FaceName, int32_t Size, bool Bold) {
    FFaceName = FaceName;
    FSize = Size;
    FBold = Bold;
    TextColor = 0xFFFFFFFFu;
    DestroyTextures();
    FSetUp = false;
    FGlyphs = {};
    FAtlas.Clear();
    if (FVertices.empty()) {
        FVertices.resize(GlyphBatch * 4);
        FIndices.resize(GlyphBatch * 6);
        for (int32_t Quad = 0; Quad < GlyphBatch; ++Quad) {
            const int Corner = Quad * 4;
            const int Indices[6] = {Corner, Corner + 1, Corner + 2, Corner, Corner + 2, Corner + 3};
            std::copy(std::begin(Indices), std::end(Indices), FIndices.begin() + Quad * 6);
        }
    }
    // Sizes are points at 96 dots per inch, rounded to whole pixels of em height.
    const int32_t PixelSize = std::max((Size * 96 + 36) / 72, 1);
    const std::string FontFile = FontFileFor(FaceName, Bold);
    if (FontFile.empty() || !BuildAtlas(FontFile, PixelSize)) return false;
    FSetUp = true;
    MakeTextures();
    return true;
}

bool TOmegaFont::BuildAtlas(const std::string& FontFile, int32_t PixelSize) {
    FT_Library Library = nullptr;
    if (FT_Init_FreeType(&Library) != 0) return false;
    FT_Face Face = nullptr;
    if (FT_New_Face(Library, FontFile.c_str(), 0, &Face) != 0 ||
        FT_Set_Pixel_Sizes(Face, 0, static_cast<FT_UInt>(PixelSize)) != 0) {
        if (Face) FT_Done_Face(Face);
        FT_Done_FreeType(Library);
        return false;
    }
    FAscent = static_cast<int32_t>((Face->size->metrics.ascender + 63) >> 6);
    FDescent = static_cast<int32_t>((-Face->size->metrics.descender + 63) >> 6);

    // Render every glyph of the code page, then pack them in rows.
    std::vector<TRenderedGlyph> Rendered(256);
    int32_t PenX = 1;
    int32_t PenY = 1;
    int32_t RowHeight = 0;
    for (int32_t Byte = FirstGlyph; Byte < 256; ++Byte) {
        const char32_t CodePoint = Win1252ToCodePoint(static_cast<unsigned char>(Byte));
        const FT_UInt Index = FT_Get_Char_Index(Face, CodePoint);
        // Characters the face lacks (and the code page's undefined bytes) take no room.
        if (Index == 0 || FT_Load_Glyph(Face, Index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) continue;
        const FT_GlyphSlot Slot = Face->glyph;
        TGlyph& Glyph = FGlyphs[static_cast<size_t>(Byte)];
        Glyph.Advance = static_cast<int16_t>((Slot->advance.x + 32) >> 6);
        const FT_Bitmap& Bitmap = Slot->bitmap;
        if (Bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || Bitmap.width == 0 || Bitmap.rows == 0) continue;
        TRenderedGlyph& Out = Rendered[static_cast<size_t>(Byte)];
        Out.Width = static_cast<int32_t>(Bitmap.width);
        Out.Height = static_cast<int32_t>(Bitmap.rows);
        Out.Coverage.resize(static_cast<size_t>(Out.Width) * static_cast<size_t>(Out.Height));
        for (int32_t Row = 0; Row < Out.Height; ++Row) {
            const uint8_t* Source = Bitmap.buffer + static_cast<ptrdiff_t>(Row) * Bitmap.pitch;
            std::copy(Source, Source + Out.Width, Out.Coverage.begin() + Row * Out.Width);
        }
        if (PenX + Out.Width + 1 > AtlasWidth) {
            PenX = 1;
            PenY += RowHeight + 1;
            RowHeight = 0;
        }
        Glyph.AtlasX = static_cast<int16_t>(PenX);
        Glyph.AtlasY = static_cast<int16_t>(PenY);
        Glyph.Width = static_cast<int16_t>(Out.Width);
        Glyph.Height = static_cast<int16_t>(Out.Height);
        Glyph.OffsetX = static_cast<int16_t>(Slot->bitmap_left);
        Glyph.OffsetY = static_cast<int16_t>(FAscent - Slot->bitmap_top);
        PenX += Out.Width + 1;
        RowHeight = std::max(RowHeight, Out.Height);
    }
    FT_Done_Face(Face);
    FT_Done_FreeType(Library);

    // White glyphs whose alpha is the coverage: the vertex colour tints them.
    FAtlas.SetSize(AtlasWidth, PenY + RowHeight + 1);
    for (int32_t Byte = FirstGlyph; Byte < 256; ++Byte) {
        const TRenderedGlyph& Source = Rendered[static_cast<size_t>(Byte)];
        const TGlyph& Glyph = FGlyphs[static_cast<size_t>(Byte)];
        for (int32_t Row = 0; Row < Source.Height; ++Row) {
            for (int32_t Column = 0; Column < Source.Width; ++Column) {
                const uint8_t Coverage = Source.Coverage[static_cast<size_t>(Row * Source.Width + Column)];
                FAtlas.SetPixelRGBA(Glyph.AtlasX + Column, Glyph.AtlasY + Row, 0xFFFFFF00u | Coverage);
            }
        }
    }
    return true;
}

void TOmegaFont::MakeTextures() {
    if (!FSetUp || FTexture || !OmegaScreen || !OmegaScreen->IsReady()) return;
    FTexture = SDL_CreateTexture(OmegaScreen->Renderer(), SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                 FAtlas.Width, FAtlas.Height);
    if (!FTexture) return;
    if (SDL_UpdateTexture(FTexture, nullptr, FAtlas.Pixels.data(), FAtlas.Width * 4) != 0) {
        SDL_DestroyTexture(FTexture);
        FTexture = nullptr;
        return;
    }
    SDL_SetTextureScaleMode(FTexture, SDL_ScaleModeNearest);
    SDL_SetTextureBlendMode(FTexture, SdlBlendModeFor(0));
}

void TOmegaFont::DestroyTextures() {
    if (FTexture) SDL_DestroyTexture(FTexture);
    FTexture = nullptr;
}

void TOmegaFont::ForgetScreen() {
    DestroyTextures();
    OmegaScreen = nullptr;
}

void TOmegaFont::BeginText() { FInText = FSetUp && FTexture; }

void TOmegaFont::EndText() { FInText = false; }

void TOmegaFont::FlushGlyphs(int32_t Count) {
    if (Count <= 0) return;
    SDL_RenderGeometry(OmegaScreen->Renderer(), FTexture, FVertices.data(), Count * 4, FIndices.data(), Count * 6);
}

void TOmegaFont::TextOut(int32_t X, int32_t Y, std::string_view Text, int32_t Red, int32_t Green, int32_t Blue,
                         int32_t Alpha) {
    const auto Byte = [](int32_t Value) { return static_cast<Uint8>(std::clamp(Value, 0, 255)); };
    const SDL_Color Color{Byte(Red), Byte(Green), Byte(Blue), Byte(Alpha)};
    TextColor = MakeColor(Color.r, Color.g, Color.b, Color.a);
    if (!FTexture || !OmegaScreen || !OmegaScreen->CanDraw()) return;
    const float AtlasW = static_cast<float>(FAtlas.Width);
    const float AtlasH = static_cast<float>(FAtlas.Height);
    int32_t PenX = X;
    int32_t Queued = 0;
    for (const char Ch : Text) {
        const TGlyph& Glyph = FGlyphs[static_cast<unsigned char>(Ch)];
        if (Glyph.Width > 0) {
            const float Left = static_cast<float>(PenX + Glyph.OffsetX);
            const float Top = static_cast<float>(Y + Glyph.OffsetY);
            const float Right = Left + Glyph.Width;
            const float Bottom = Top + Glyph.Height;
            const float U0 = Glyph.AtlasX / AtlasW;
            const float V0 = Glyph.AtlasY / AtlasH;
            const float U1 = (Glyph.AtlasX + Glyph.Width) / AtlasW;
            const float V1 = (Glyph.AtlasY + Glyph.Height) / AtlasH;
            SDL_Vertex* Quad = &FVertices[static_cast<size_t>(Queued) * 4];
            Quad[0] = SDL_Vertex{SDL_FPoint{Left, Top}, Color, SDL_FPoint{U0, V0}};
            Quad[1] = SDL_Vertex{SDL_FPoint{Right, Top}, Color, SDL_FPoint{U1, V0}};
            Quad[2] = SDL_Vertex{SDL_FPoint{Right, Bottom}, Color, SDL_FPoint{U1, V1}};
            Quad[3] = SDL_Vertex{SDL_FPoint{Left, Bottom}, Color, SDL_FPoint{U0, V1}};
            if (++Queued == GlyphBatch) {
                FlushGlyphs(Queued);
                Queued = 0;
            }
        }
        PenX += Glyph.Advance;
    }
    FlushGlyphs(Queued);
}

int32_t TOmegaFont::TextWidth(std::string_view Text) const {
    if (!FSetUp) return 0;
    int32_t Width = 0;
    for (const char Ch : Text) Width += FGlyphs[static_cast<unsigned char>(Ch)].Advance;
    return Width;
}
