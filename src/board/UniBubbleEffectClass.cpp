#include "UniBubbleEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"

void TUniBubbleEffect::Start(TPoint P) {
    const TPoint Cell = EffectCellCorner(Left, Top, P.X, P.Y);
    FPos = TPoint{Cell.X + BubbleAdjustX, Cell.Y + BubbleAdjustY};
    FAnim.Restart();
    FActive = true;
}

void TUniBubbleEffect::UpdateAndDraw() {
    if (!Visible || !FActive) return;
    const int32_t Pattern = FAnim.CurrentPattern();
    if (TImageListItem* Image = EffectImage(OmgImgList, "BlowingBubble")) Image->Draw(FPos.X, FPos.Y, Pattern);
    // The last frame of the sequence shows nothing: the bubble is gone.
    if (FAnim.AtEnd()) {
        FActive = false;
        return;
    }
    FAnim.Advance();
}
