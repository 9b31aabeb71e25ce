#include "DrawRoutinesClass.h"

#include "OmegaImageListClass.h"

namespace {
TOmegaImageList* TheGameImageList = nullptr;

TOmegaScreen* ScreenOf(TOmegaImageList* ImageList) { return ImageList ? ImageList->OmegaScreen : nullptr; }

void SetFilteringOf(TOmegaImageList* ImageList, bool On) {
    if (TOmegaScreen* Screen = ScreenOf(ImageList)) Screen->SetFiltering(On);
}

// Draws with smooth filtering on for this one draw.
void DrawSmoothFrom(TOmegaImageList* ImageList, std::string_view Name, int32_t X, int32_t Y, float Angle,
                    float CenterX, float CenterY, float ScaleX, float ScaleY, int32_t Red, int32_t Green, int32_t Blue,
                    int32_t Alpha, int32_t Pattern, int32_t BlendMode) {
    if (!ImageList || Pattern == NoPattern) return;
    TImageListItem* Item = ImageList->Find(Name);
    if (!Item) return;
    SetFilteringOf(ImageList, true);
    Item->DrawEx(X, Y, Angle, CenterX, CenterY, ScaleX, ScaleY, Red, Green, Blue, Alpha, Pattern, BlendMode);
    SetFilteringOf(ImageList, false);
}
}  // namespace

void SetGameImageList(TOmegaImageList* ImageList) { TheGameImageList = ImageList; }

TOmegaImageList* GameImageList() { return TheGameImageList; }

void SetSmoothFiltering(bool On) { SetFilteringOf(TheGameImageList, On); }

void DrawImageSmooth(std::string_view Name, int32_t X, int32_t Y, float Angle, float CenterX, float CenterY,
                     float ScaleX, float ScaleY, int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha,
                     int32_t Pattern) {
    DrawSmoothFrom(TheGameImageList, Name, X, Y, Angle, CenterX, CenterY, ScaleX, ScaleY, Red, Green, Blue, Alpha,
                   Pattern, 0);
}

void DrawImageSmoothEx(std::string_view Name, int32_t X, int32_t Y, float Angle, float CenterX, float CenterY,
                       float ScaleX, float ScaleY, int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha,
                       int32_t Pattern, int32_t BlendMode) {
    DrawSmoothFrom(TheGameImageList, Name, X, Y, Angle, CenterX, CenterY, ScaleX, ScaleY, Red, Green, Blue, Alpha,
                   Pattern, BlendMode);
}

void DrawWeb(TOmegaImageList* ImageList, int32_t X, int32_t Y) {
    if (!ImageList) return;
    if (TImageListItem* Web = ImageList->Find("Web")) Web->Draw(X + 1, Y - 2, 0);
}

void DrawWebScaled(TOmegaImageList* ImageList, int32_t X, int32_t Y) {
    DrawSmoothFrom(ImageList, "Web", X + 1, Y - 2, 0.0f, 0.0f, 0.0f, 1.13f, 1.13f, 255, 255, 255, 255, 0, 0);
}

int32_t ImageTileWidth(std::string_view Name) {
    const TImageListItem* Item = TheGameImageList ? TheGameImageList->Find(Name) : nullptr;
    return Item ? Item->EffectiveTileWidth() : 0;
}

int32_t ImageTileHeight(std::string_view Name) {
    const TImageListItem* Item = TheGameImageList ? TheGameImageList->Find(Name) : nullptr;
    return Item ? Item->EffectiveTileHeight() : 0;
}

void GetImageTileSize(int32_t& Width, int32_t& Height, std::string_view Name) {
    Width = ImageTileWidth(Name);
    Height = ImageTileHeight(Name);
}
