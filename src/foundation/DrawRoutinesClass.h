// Thin drawing helpers every part of the game shares: smooth-filtered drawing
// of a named image, the spider web over a tile, and tile-size lookups. They
// reach the main form's image list (and through it the screen) through
// SetGameImageList, which the main form calls once at start-up.
#pragma once

#include <cstdint>
#include <string_view>

class TOmegaImageList;

// The image list the helpers draw from (nullptr: they do nothing, sizes are 0).
void SetGameImageList(TOmegaImageList* ImageList);
TOmegaImageList* GameImageList();

// Linear texture filtering when On, nearest-texel sampling (the normal state) otherwise.
void SetSmoothFiltering(bool On);

// Draws pattern Pattern of the named image with filtering switched on for the
// draw (DrawEx, blend mode 0), then off again. Pattern -999 draws nothing.
void DrawImageSmooth(std::string_view Name, int32_t X, int32_t Y, float Angle, float CenterX, float CenterY,
                     float ScaleX, float ScaleY, int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha,
                     int32_t Pattern);
// The same with the given blend mode.
void DrawImageSmoothEx(std::string_view Name, int32_t X, int32_t Y, float Angle, float CenterX, float CenterY,
                       float ScaleX, float ScaleY, int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha,
                       int32_t Pattern, int32_t BlendMode);

// A spider web over the tile whose top-left corner is (X, Y): "Web" pattern 0 at (X + 1, Y - 2).
void DrawWeb(TOmegaImageList* ImageList, int32_t X, int32_t Y);
// The same web drawn smooth at scale 1.13.
void DrawWebScaled(TOmegaImageList* ImageList, int32_t X, int32_t Y);

// Pattern size of the named image of the game's image list (0 when it is not loaded).
int32_t ImageTileWidth(std::string_view Name);
int32_t ImageTileHeight(std::string_view Name);
void GetImageTileSize(int32_t& Width, int32_t& Height, std::string_view Name);
