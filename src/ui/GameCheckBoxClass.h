// A check box drawn from the four patterns of one image: 0 unchecked,
// 1 unchecked and hovered, 2 checked, 3 checked and hovered. Unlike a button
// it acts on the press of the left button: the box flips, "Click" plays and
// OnClick is raised; the release does nothing.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;

class TGameCheckBox : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    std::string ImageName;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 30;
    int32_t Height = 15;
    bool Checked = false;

    TNotifyEvent OnClick;

    // Every edge counts as inside.
    bool HitTest(int32_t X, int32_t Y) const;
    void MouseMove(int32_t X, int32_t Y);
    // Acts only with the left button while the pointer hovers the box.
    void MouseDown(int32_t X, int32_t Y, TMouseButton Button);
    void MouseUp(int32_t X, int32_t Y);
    void Draw();

    bool Hovered() const { return FHovered; }
    int32_t CurrentPattern() const { return (Checked ? 2 : 0) + (FHovered ? 1 : 0); }

private:
    bool FHovered = false;
};
