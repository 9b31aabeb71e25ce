// A tab of the garden shop: pattern 0 normal, 1 hovered, 2 active. A left
// press inside an inactive tab makes it active and raises OnActivate; a tab
// never deactivates itself, its owner clears the others.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;

class TGameTab : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    std::string ImageName;
    int32_t Tag = 0;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t TabWidth = 100;
    int32_t TabHeight = 50;
    bool Active = false;
    // The part of the tab that takes the mouse, relative to (Left, Top), every edge inside.
    TRect HitRect{0, 0, 80, 40};

    TNotifyEvent OnActivate;

    // TabWidth and TabHeight from the image's tile size.
    void InitImages();
    bool HitTest(int32_t X, int32_t Y) const;
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void Draw();

    bool Hovered() const { return FHovered; }
    int32_t CurrentPattern() const { return Active ? 2 : FHovered ? 1 : 0; }

private:
    bool FHovered = false;
};
