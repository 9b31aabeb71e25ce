// The game's named images. Every image the game draws is an item of one image
// list, found by its name (the file name without extension) and cut into equal
// rectangular patterns numbered row by row; the draw family puts one pattern
// (or a source rectangle) on the screen, optionally rotated, scaled, tinted,
// made translucent, mirrored or blended. Items keep their decoded picture so
// their texture can be made whenever the screen is (re)started.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "GameTypesClass.h"
#include "OmegaRendererClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"

class TOmegaImageList;

// Pattern value that draws nothing (Draw, DrawEx, DrawExColor).
constexpr int32_t NoPattern = -999;
// Pattern value that draws the whole image.
constexpr int32_t WholeImagePattern = -1;

class TImageListItem {
public:
    explicit TImageListItem(TOmegaImageList* Owner);
    ~TImageListItem();
    TImageListItem(const TImageListItem&) = delete;
    TImageListItem& operator=(const TImageListItem&) = delete;

    std::string Name;
    // Optional file the item loads its picture from at Restore (relative
    // paths are taken from the game's folder). The game leaves it empty.
    std::string Filepath;
    // Size of one pattern in pixels; below 1 means the whole image.
    int32_t TileWidth = 0;
    int32_t TileHeight = 0;
    // With Transparent, pixels of this colour (ARGB or 0x00BBGGRR) are made
    // fully transparent when the texture is made.
    uint32_t TransparentColor = 0;
    bool Transparent = false;

    // Takes the picture and sets the tile size to the picture's size.
    void AssignPicture(TPicture Picture);
    const TPicture& Picture() const { return FPicture; }
    // Makes the texture from the picture when the screen is ready (an item
    // that has one keeps it) and recomputes the sizes. When the texture cannot
    // be made the player is told ("Error creating texture " + Name) and the
    // application is asked to end. Returns false only on that failure.
    bool Restore();
    bool HasTexture() const { return FTexture != nullptr; }
    void DestroyTexture();

    int32_t ImageWidth() const { return FImageWidth; }
    int32_t ImageHeight() const { return FImageHeight; }
    // Textures have the image's exact size.
    int32_t TextureWidth() const { return FImageWidth; }
    int32_t TextureHeight() const { return FImageHeight; }
    int32_t PatternColumns() const;
    int32_t PatternRows() const;
    int32_t PatternCount() const;
    // The tile size in use (the whole image when TileWidth or TileHeight is below 1).
    int32_t EffectiveTileWidth() const { return TileWidth < 1 ? FImageWidth : TileWidth; }
    int32_t EffectiveTileHeight() const { return TileHeight < 1 ? FImageHeight : TileHeight; }

    // The draw family. X, Y: the pattern's top-left pixel before rotation and
    // scaling. Angle: degrees, clockwise. CenterX, CenterY: centre of rotation
    // and scaling as fractions of the pattern (0.5, 0.5 = middle). ScaleX,
    // ScaleY: 0 is taken as 1, negative mirrors. Colour components are clamped
    // to 0..255; colours are ARGB. Pattern: -1 the whole image, -999 nothing
    // (where noted), at or beyond the count the last pattern. BlendMode: -1
    // keeps the screen's current mode.
    void Draw(int32_t X, int32_t Y, int32_t Pattern);  // -999 draws nothing
    void DrawEx(int32_t X, int32_t Y, float Angle, float CenterX, float CenterY, float ScaleX, float ScaleY,
                int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha, int32_t Pattern,
                int32_t BlendMode);  // -999 draws nothing
    void DrawExColor(int32_t X, int32_t Y, float Angle, float CenterX, float CenterY, float ScaleX, float ScaleY,
                     uint32_t Color, bool FlipVertical, bool MirrorHorizontal, int32_t Pattern,
                     int32_t BlendMode);  // -999 draws nothing
    // The four corner colours blend smoothly across the quad.
    void DrawEx4(int32_t X, int32_t Y, float Angle, float CenterX, float CenterY, float ScaleX, float ScaleY,
                 uint32_t ColorTopLeft, uint32_t ColorTopRight, uint32_t ColorBottomRight, uint32_t ColorBottomLeft,
                 bool FlipVertical, bool MirrorHorizontal, int32_t Pattern, int32_t BlendMode);
    // Draws any source rectangle (image pixels, right and bottom exclusive);
    // the centre fractions refer to the rectangle's size. Spare is ignored.
    void DrawRect(const TRect& SourceRect, int32_t X, int32_t Y, float Angle, float CenterX, float CenterY,
                  float ScaleX, float ScaleY, int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha,
                  bool FlipVertical, bool MirrorHorizontal, int32_t Spare, int32_t BlendMode);
    // Draws the part SourceRect of the whole image at (X, Y), unscaled, by
    // clipping the output to (X, Y) and the rectangle's size. The caller's
    // clipping (and its saved rectangle) is left as it was.
    void DrawClipped(const TRect& SourceRect, int32_t X, int32_t Y);

    TOmegaImageList* Owner() const { return FOwner; }

private:
    void DrawQuad(TQuadRequest& Request, int32_t BlendMode);
    void SetPatternTexCoords(TQuadRequest& Request, int32_t Pattern) const;
    void SetRectTexCoords(TQuadRequest& Request, const TRect& Source) const;
    bool LoadFromFilepath();

    TOmegaImageList* FOwner;
    TPicture FPicture;
    SDL_Texture* FTexture = nullptr;
    bool FOpaque = false;  // every texel of the texture has alpha 255
    int32_t FImageWidth = 1;
    int32_t FImageHeight = 1;
};

// The items of an image list in insertion order, with a name index so that
// looking an image up every frame stays cheap (the first item of a name wins).
class TImageListCollection {
public:
    explicit TImageListCollection(TOmegaImageList* Owner) : FOwner(Owner) {}

    // A new item at the end.
    TImageListItem* Add(const std::string& Name);
    // The first item with exactly this name (case-sensitive), or nullptr.
    // Items renamed after they were added are still found.
    TImageListItem* Find(std::string_view Name) const;
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // nullptr outside 0..Count-1.
    TImageListItem* Items(int32_t Index) const;
    int32_t IndexOf(const TImageListItem* Item) const;
    // Frees the item (and its texture). Returns false when it is not in the list.
    bool FreeItem(TImageListItem* Item);
    // Frees the first item of that name. Returns false when there is none.
    bool FreeByName(std::string_view Name);
    void Clear();

private:
    struct TNameHash {
        using is_transparent = void;
        size_t operator()(std::string_view S) const { return std::hash<std::string_view>{}(S); }
    };
    void RebuildIndex() const;

    TOmegaImageList* FOwner;
    std::vector<std::unique_ptr<TImageListItem>> FItems;
    mutable std::unordered_map<std::string, TImageListItem*, TNameHash, std::equal_to<>> FByName;
};

class TOmegaImageList : public TObject, public TTextureKeeper {
public:
    TOmegaImageList() = default;
    explicit TOmegaImageList(TOmegaScreen* Screen) : OmegaScreen(Screen) {}
    ~TOmegaImageList() override;

    // The screen the items draw on.
    TOmegaScreen* OmegaScreen = nullptr;
    TImageListCollection ImageList{this};

    TImageListItem* Find(std::string_view Name) const { return ImageList.Find(Name); }
    int32_t Count() const { return ImageList.Count(); }
    TImageListItem* Items(int32_t Index) const { return ImageList.Items(Index); }
    TImageListItem* Add(const std::string& Name) { return ImageList.Add(Name); }
    bool FreeItem(TImageListItem* Item) { return ImageList.FreeItem(Item); }
    bool FreeByName(std::string_view Name) { return ImageList.FreeByName(Name); }
    void Clear() { ImageList.Clear(); }

    // Adds a decoded image the way the image loader does: a new item of that
    // name takes the picture, is cut into Columns x Rows patterns and gets its
    // texture. Returns the item (also when the texture could not be made).
    TImageListItem* AddImage(const std::string& Name, TPicture Picture, int32_t Columns, int32_t Rows);

    // (Re)makes the item's texture.
    bool Restore(TImageListItem* Item) { return Item ? Item->Restore() : false; }
    // Restores every item (the screen calls it when it starts).
    void RestoreAll();
    // Unbinds the items from the renderer; the textures stay.
    void ReleaseAll() {}

    TOmegaRenderer& Renderer() { return FRenderer; }

    // TTextureKeeper
    TOmegaScreen* KeeperScreen() const override { return OmegaScreen; }
    void MakeTextures() override { RestoreAll(); }
    void DestroyTextures() override;
    void ForgetScreen() override;

private:
    TOmegaRenderer FRenderer;
};
