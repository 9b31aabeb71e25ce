#include "TrophyToolTipClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "TextStringsClass.h"
#include "TrophyAnnouncerClass.h"

namespace {
bool IsTrophyIdx(int32_t Idx) { return Idx >= 1 && Idx <= TrophyCount; }
}  // namespace

int32_t TrophyCommandLine(int32_t TrophyIdx, int32_t Row) {
    if (!IsTrophyIdx(TrophyIdx) || (Row != 1 && Row != 2)) return 0;
    return 3 * TrophyIdx + Row - 3;
}

TTrophyToolTip::TTrophyToolTip() {
    // Room for the longest text line, so changing the card never allocates.
    for (TCard& Card : FCards) {
        for (std::string* Text : {&Card.Name, &Card.Lines[0], &Card.Lines[1]}) Text->reserve(MaxTextLineLength + 1);
    }
}

void TTrophyToolTip::InitImages() {
    const TImageListItem* Image = EffectImage(OmgImgList, "TrophyToolTip");
    if (!Image) return;
    TipWidth = Image->EffectiveTileWidth();
    TipHeight = Image->EffectiveTileHeight();
}

void TTrophyToolTip::Reset() {
    for (TCard& Card : FCards) {
        Card.Trophy = 0;
        Card.Entering = false;
        Card.Time = 0;
    }
}

TPoint TTrophyToolTip::Place(TPoint TrophyCentre) const {
    return Point(std::clamp(TrophyCentre.X, 0, std::max(ScreenWidth - TipWidth, 0)),
                 std::clamp(TrophyCentre.Y, 0, std::max(ScreenHeight - TipHeight, 0)));
}

void TTrophyToolTip::ShowTrophy(int32_t TrophyIdx, TPoint TrophyCentre) {
    if (!IsTrophyIdx(TrophyIdx)) TrophyIdx = 0;
    TCard* Shown = nullptr;
    for (TCard& Card : FCards) {
        if (Card.Trophy != 0 && Card.Entering) Shown = &Card;
    }
    if (Shown && Shown->Trophy == TrophyIdx) {
        Shown->Pos = Place(TrophyCentre);
        return;
    }
    if (Shown) Shown->Entering = false;
    if (TrophyIdx == 0) return;
    // Back to the trophy whose card is still fading out: it turns round where it is.
    for (TCard& Card : FCards) {
        if (Card.Trophy == TrophyIdx) {
            Card.Entering = true;
            Card.Pos = Place(TrophyCentre);
            return;
        }
    }
    // The new card takes the slot the old one does not use: the free one, or
    // else the fainter of two fading cards.
    TCard* Target = nullptr;
    if (Shown) {
        Target = Shown == &FCards[0] ? &FCards[1] : &FCards[0];
    } else if (FCards[0].Trophy == 0) {
        Target = &FCards[0];
    } else if (FCards[1].Trophy == 0) {
        Target = &FCards[1];
    } else {
        Target = FCards[0].Time <= FCards[1].Time ? &FCards[0] : &FCards[1];
    }
    Fill(*Target, TrophyIdx, TrophyCentre);
}

void TTrophyToolTip::Fill(TCard& Card, int32_t TrophyIdx, TPoint TrophyCentre) {
    static const std::string NoText;
    Card.Trophy = TrophyIdx;
    Card.Entering = true;
    Card.Time = 0;
    Card.Pos = Place(TrophyCentre);
    Card.Name.assign(TextStringsComp ? TextStringsComp->TrophyNames(TrophyNameLine(TrophyIdx)) : NoText);
    Card.NameWidth = OmgFont ? OmgFont->TextWidth(Card.Name) : 0;
    for (int32_t I = 0; I < 2; ++I) {
        Card.Lines[I].assign(TextStringsComp ? TextStringsComp->TrophyCommands(TrophyCommandLine(TrophyIdx, I + 1))
                                             : NoText);
        Card.LineWidths[I] = OmgSmallFont ? OmgSmallFont->TextWidth(Card.Lines[I]) : 0;
    }
}

int32_t TTrophyToolTip::ShownTrophy() const {
    for (const TCard& Card : FCards) {
        if (Card.Trophy != 0 && Card.Entering) return Card.Trophy;
    }
    return 0;
}

double TTrophyToolTip::Opacity(const TCard& Card) const {
    if (Card.Trophy == 0) return 0.0;
    if (EntryTime <= 0) return Card.Entering ? 1.0 : 0.0;
    return static_cast<double>(Card.Time) / EntryTime;
}

void TTrophyToolTip::UpdateAndDraw() {
    for (TCard& Card : FCards) {
        if (Card.Trophy == 0) continue;
        if (Card.Entering) {
            Card.Time = std::min(Card.Time + FrameStep, std::max(EntryTime, 0));
        } else {
            Card.Time -= FrameStep;
            if (Card.Time <= 0) {
                Card.Trophy = 0;
                Card.Time = 0;
            }
        }
    }
    // The leaving card lies under the coming one.
    for (const TCard& Card : FCards) {
        if (Card.Trophy != 0 && !Card.Entering) DrawCard(Card);
    }
    for (const TCard& Card : FCards) {
        if (Card.Trophy != 0 && Card.Entering) DrawCard(Card);
    }
}

void TTrophyToolTip::DrawCard(const TCard& Card) {
    const int32_t Alpha = Round(Opacity(Card) * 255.0);
    if (Alpha <= 0) return;
    if (TImageListItem* Image = EffectImage(OmgImgList, "TrophyToolTip"))
        Image->DrawEx(Card.Pos.X, Card.Pos.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Alpha, 0, 0);
    const int32_t X = Card.Pos.X + FTextAdjustment.X;
    const int32_t Y = Card.Pos.Y + FTextAdjustment.Y;
    if (OmgFont && !Card.Name.empty()) {
        OmgFont->TextOut(X + (TipWidth - Card.NameWidth) / 2, Y + NameTop, Card.Name, NameColor.Red, NameColor.Green,
                         NameColor.Blue, Alpha);
    }
    if (!OmgSmallFont) return;
    for (int32_t I = 0; I < 2; ++I) {
        if (Card.Lines[I].empty()) continue;
        OmgSmallFont->TextOut(X + (TipWidth - Card.LineWidths[I]) / 2, Y + LineTops[I], Card.Lines[I], LineColor.Red,
                              LineColor.Green, LineColor.Blue, Alpha);
    }
}
