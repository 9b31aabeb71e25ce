#include "HelpPagesClass.h"

#include <algorithm>

#include "GlobalGameTextClass.h"
#include "OmegaImageListClass.h"

namespace {
constexpr const char* PageImages[THelpPages::PageCount + 1] = {"Help0", "Help1", "Help2"};
constexpr int32_t CaptionX = 660;
constexpr int32_t CaptionY = 62;
constexpr double CaptionScale = 0.75;
// A page fainter than this is not drawn at all.
constexpr int32_t VisibleAlpha = 10;
}  // namespace

const char* THelpPages::Caption(int32_t Page) { return Page == 2 ? "Page 2 of 2" : "Page 1 of 2"; }

void THelpPages::Prepare() {
    if (OnLoadAnImage) {
        for (const char* Name : PageImages) OnLoadAnImage(this, std::string(Name) + ".jpg");
    }
    FCurrent = 1;
    FPrevious = 1;
    std::fill(std::begin(FAlpha), std::end(FAlpha), 0);
}

void THelpPages::NextPage() {
    FPrevious = FCurrent;
    FCurrent = FCurrent >= PageCount ? 1 : FCurrent + 1;
}

void THelpPages::PrevPage() {
    FPrevious = FCurrent;
    FCurrent = FCurrent <= 1 ? PageCount : FCurrent - 1;
}

void THelpPages::UpdateAndDraw() {
    if (OmgImgList) {
        if (TImageListItem* Board = OmgImgList->Find(PageImages[0])) Board->Draw(0, 0, 0);
    }
    for (int32_t Page = 1; Page <= PageCount; ++Page) {
        int32_t& Alpha = FAlpha[Page - 1];
        Alpha = Page == FCurrent ? std::min(255, Alpha + AlphaStep) : std::max(0, Alpha - AlphaStep);
        if (Alpha <= VisibleAlpha || !OmgImgList) continue;
        if (TImageListItem* Picture = OmgImgList->Find(PageImages[Page])) {
            Picture->DrawEx(0, 0, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Alpha, 0, 0);
        }
        if (GlobGameText) GlobGameText->TextOut(CaptionX, CaptionY, Caption(Page), CaptionScale, Alpha);
    }
}
