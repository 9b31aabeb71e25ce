// Drawing shared by the map, the level selection and the small figures beside
// them: an image of the component's own list found by name, drawn plain or
// smooth. An image that is not loaded (a game run without a screen, a picture
// not drawn yet) simply draws nothing while the component keeps its state.
#pragma once

#include <cstdint>
#include <string_view>

class TOmegaImageList;

// Pattern Pattern of the image at (X, Y), unscaled, white and opaque.
void DrawCampaignImage(TOmegaImageList* List, std::string_view Name, int32_t X, int32_t Y, int32_t Pattern);

// The same turned by Angle (degrees) and scaled about (CenterX, CenterY) (fractions of
// the pattern), tinted and faded, with linear filtering; BlendMode as the screen's.
void DrawCampaignSmooth(TOmegaImageList* List, std::string_view Name, int32_t X, int32_t Y, float Angle,
                        float CenterX, float CenterY, float ScaleX, float ScaleY, int32_t Red, int32_t Green,
                        int32_t Blue, int32_t Alpha, int32_t Pattern, int32_t BlendMode = 0);

// Unfiltered, as DrawEx draws: the islands' silhouettes and glows.
void DrawCampaignEx(TOmegaImageList* List, std::string_view Name, int32_t X, int32_t Y, int32_t Red, int32_t Green,
                    int32_t Blue, int32_t Alpha, int32_t Pattern, int32_t BlendMode);
