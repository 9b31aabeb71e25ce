// The illustrated help: two pages over the empty framed board, turned with the
// previous and next buttons and cross-faded, each with its caption ("Page 1 of
// 2") in the sprite font. The three pictures are big, so they are loaded when
// help opens and freed when it closes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;
class TGlobalGameText;

using THelpPagesLoadImageEvent = std::function<void(TObject* Sender, const std::string& FileName)>;

class THelpPages : public TObject {
public:
    static constexpr int32_t PageCount = 2;

    TOmegaImageList* OmgImgList = nullptr;
    const TGlobalGameText* GlobGameText = nullptr;
    int32_t AlphaStep = 20;
    // Asked for "Help0.jpg", "Help1.jpg" and "Help2.jpg" when help opens.
    THelpPagesLoadImageEvent OnLoadAnImage;

    // Help opens: its pictures are loaded, page 1 fades in from nothing.
    void Prepare();
    // The next page (after the last, the first) and the previous one (before the first, the last).
    void NextPage();
    void PrevPage();
    // The empty board, then each page that is still or already visible with its caption.
    void UpdateAndDraw();

    int32_t CurrentPage() const { return FCurrent; }
    int32_t PreviousPage() const { return FPrevious; }
    int32_t PageAlpha(int32_t Page) const { return (Page >= 1 && Page <= PageCount) ? FAlpha[Page - 1] : 0; }
    static const char* Caption(int32_t Page);

private:
    int32_t FCurrent = 1;
    int32_t FPrevious = 1;
    int32_t FAlpha[PageCount] = {0, 0};
};
