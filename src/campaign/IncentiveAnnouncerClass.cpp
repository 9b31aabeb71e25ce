#include "IncentiveAnnouncerClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"
#include "TextStringsClass.h"

bool TIncentiveAnnouncer::Announce(int32_t Number) {
    if (Number < 1 || Number > IncentiveCount) return false;
    FNumber = Number;
    static const std::string NoText;
    const auto Text = [this](int32_t Line) -> const std::string& {
        return TextStringsComp ? TextStringsComp->NewItems(Line) : NoText;
    };
    SetTexts(Text(1), Text(4 + Number), Text(2), Text(3));
    Open();
    return true;
}

void TIncentiveAnnouncer::DrawContents() {
    const TPoint Pos = FWindow.Position();
    WriteCentred(OmgFont, Pos.X + TitleLeft, TitleWidth, Pos.Y + TitleTop, FTitle, FTitleWidth, 255, 255, 255);
    for (int32_t I = 0; I < 2; ++I)
        WriteCentred(OmgSmallFont, Pos.X + LinesLeft, LinesWidth, Pos.Y + LineTops[I], FLines[I], FLineWidths[I], 255,
                     255, 255);
    if (TImageListItem* Icons = EffectImage(OmgImgList, "IncentiveIcons"))
        Icons->Draw(Pos.X + IconOffset.X, Pos.Y + IconOffset.Y, FNumber - 1);
    WriteCentred(OmgFont, Pos.X + NameLeft, NameWidth, Pos.Y + NameTop, FName, FNameWidth, 255, 255, 255);
}
