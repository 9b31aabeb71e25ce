#include "TrophyAnnouncerClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"
#include "TextStringsClass.h"

namespace {
// Indexed by the trophy's number 1..20 (0 unused).
constexpr int8_t NameLines[TrophyCount + 1] = {0, 1, 1, 2, 2, 2, 2, 2, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13, 9};

bool IsTrophyIdx(int32_t Idx) { return Idx >= 1 && Idx <= TrophyCount; }
}  // namespace

int32_t TrophyNameLine(int32_t TrophyIdx) { return IsTrophyIdx(TrophyIdx) ? NameLines[TrophyIdx] : 0; }

int32_t TrophyAnnouncementLine(int32_t TrophyIdx, int32_t Row) {
    if (!IsTrophyIdx(TrophyIdx) || (Row != 1 && Row != 2)) return 0;
    return 3 * TrophyIdx + Row - 1;
}

bool TTrophyAnnouncer::Announce(TTrophyKind Kind) {
    const int32_t Idx = TrophyKindToIdx(Kind);
    if (!IsTrophyIdx(Idx)) return false;
    FTrophy = Kind;
    static const std::string NoText;
    const auto Text = [this](int32_t Line) -> const std::string& {
        return TextStringsComp ? TextStringsComp->NewTrophies(Line) : NoText;
    };
    SetTexts(Text(1), TextStringsComp ? TextStringsComp->TrophyNames(TrophyNameLine(Idx)) : NoText,
             Text(TrophyAnnouncementLine(Idx, 1)), Text(TrophyAnnouncementLine(Idx, 2)));
    Open();
    return true;
}

void TTrophyAnnouncer::DrawContents() {
    const TPoint Pos = FWindow.Position();
    if (TImageListItem* Trophies = EffectImage(OmgImgList, "Trophies"))
        Trophies->Draw(Pos.X + TrophyOffset.X, Pos.Y + TrophyOffset.Y, TrophyKindToIdx(FTrophy) - 1);
    WriteCentred(OmgFont, Pos.X + TitleLeft, TitleWidth, Pos.Y + TitleTop, FTitle, FTitleWidth, 255, 255, 255);
    WriteCentred(OmgFont, Pos.X + TextLeft, TextWidth, Pos.Y + NameTop, FName, FNameWidth, 255, 255, 0);
    for (int32_t I = 0; I < 2; ++I) {
        WriteCentred(OmgSmallFont, Pos.X + TextLeft, TextWidth, Pos.Y + LineTops[I], FLines[I], FLineWidths[I], 255,
                     255, 255);
    }
}
