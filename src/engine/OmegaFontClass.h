// A screen font for the game's plain texts (names, numbers, labels): the face
// is drawn once into a glyph atlas texture when the font is set up, and every
// TextOut draws glyph quads from it, so drawing text allocates nothing.
// Text is Windows-1252, one glyph per byte; TextWidth measures exactly the
// advance TextOut draws with.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "GameTypesClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"

class TOmegaFont : public TObject, public TTextureKeeper {
public:
    TOmegaFont() = default;
    explicit TOmegaFont(TOmegaScreen* Screen) : OmegaScreen(Screen) {}
    ~TOmegaFont() override;

    TOmegaScreen* OmegaScreen = nullptr;

    // Sets the font up: FaceName "Arial" (and any face we do not ship) is
    // Liberation Sans; Size is in points at 96 dots per inch. The text colour
    // becomes opaque white. Returns false when no font file could be read;
    // the font then draws and measures nothing.
    bool SetupFont(const std::string& FaceName, int32_t Size, bool Bold);
    const std::string& FaceName() const { return FFaceName; }
    int32_t Size() const { return FSize; }
    bool Bold() const { return FBold; }
    bool IsSetUp() const { return FSetUp; }
    // Height of a line (ascent + descent) in pixels.
    int32_t LineHeight() const { return FAscent + FDescent; }
    int32_t Ascent() const { return FAscent; }

    // The colour TextOut was last given (opaque white after SetupFont).
    uint32_t TextColor = 0xFFFFFFFFu;

    // Bracket the text of one frame.
    void BeginText();
    void EndText();
    // Draws Text with its top-left corner at (X, Y), unclipped, in that colour.
    void TextOut(int32_t X, int32_t Y, std::string_view Text, int32_t Red, int32_t Green, int32_t Blue,
                 int32_t Alpha);
    // The width in pixels of Text in this font (the sum of the advances TextOut uses).
    int32_t TextWidth(std::string_view Text) const;

    // The atlas picture (for tests).
    const TPicture& Atlas() const { return FAtlas; }

    // TTextureKeeper
    TOmegaScreen* KeeperScreen() const override { return OmegaScreen; }
    void MakeTextures() override;
    void DestroyTextures() override;
    void ForgetScreen() override;

private:
    struct TGlyph {
        int16_t AtlasX = 0;   // the glyph's bitmap in the atlas
        int16_t AtlasY = 0;
        int16_t Width = 0;
        int16_t Height = 0;
        int16_t OffsetX = 0;  // from the pen position to the bitmap's left
        int16_t OffsetY = 0;  // from the line's top to the bitmap's top
        int16_t Advance = 0;
    };
    bool BuildAtlas(const std::string& FontFile, int32_t PixelSize);
    void FlushGlyphs(int32_t Count);

    std::string FFaceName;
    int32_t FSize = 0;
    bool FBold = false;
    bool FSetUp = false;
    bool FInText = false;
    int32_t FAscent = 0;
    int32_t FDescent = 0;
    std::array<TGlyph, 256> FGlyphs{};
    TPicture FAtlas;
    SDL_Texture* FTexture = nullptr;
    std::vector<SDL_Vertex> FVertices;  // reserved once: a batch of glyph quads
    std::vector<int> FIndices;
};

// The font file used for a face name and weight (Liberation fonts; the game's
// own Fonts folder is searched before the system's). Empty when none is found.
std::string FontFileFor(const std::string& FaceName, bool Bold);
