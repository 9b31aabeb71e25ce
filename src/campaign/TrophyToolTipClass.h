// The cabinet's tool tip: a small card at the pointed trophy with the trophy's
// name and two lines on how it is earned, shown for earned and unearned
// trophies alike. When the pointed trophy changes the old card fades out while
// the new one fades in.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaFont;
class TOmegaImageList;
class TTextStrings;

// The TrophyCommands line of row 1 or 2 of trophy 1..20's tip (3t - 2 and
// 3t - 1); 0 for anything else.
int32_t TrophyCommandLine(int32_t TrophyIdx, int32_t Row);

// A colour of the tip's writing.
struct TTipColor {
    int32_t Red, Green, Blue;
};

class TTrophyToolTip : public TObject {
public:
    static constexpr int32_t ScreenWidth = 800;
    static constexpr int32_t ScreenHeight = 600;
    // The card is light parchment: dark ink reads on it.
    static constexpr TTipColor NameColor{110, 45, 10};
    static constexpr TTipColor LineColor{60, 40, 25};
    // Rows of the name and the two lines from the card's top; each is centred in the card's width.
    static constexpr int32_t NameTop = 16;
    static constexpr int32_t LineTops[2] = {48, 66};

    TTrophyToolTip();

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;       // the medium font: the name
    TOmegaFont* OmgSmallFont = nullptr;  // the small font: the two lines
    const TTextStrings* TextStringsComp = nullptr;
    int32_t EntryTime = 180;  // ms a card takes to fade in or out
    // The card's size (from the "TrophyToolTip" image in InitImages).
    int32_t TipWidth = 198;
    int32_t TipHeight = 107;

    void InitImages();
    // Added to every text position (the settings file's tool-tip text offset).
    void SetTextAdjustment(TPoint Adjustment) { FTextAdjustment = Adjustment; }
    // No card at once.
    void Reset();
    // Trophy 1..20 is pointed at, its place's centre at TrophyCentre: its card
    // fades in with its top-left there, kept on the screen, while the card
    // before fades out. The trophy already shown only moves its card. 0 (or any
    // number outside 1..20) lets the shown card fade out.
    void ShowTrophy(int32_t TrophyIdx, TPoint TrophyCentre);
    // The fades move one frame on; the cards are drawn when there are images or fonts.
    void UpdateAndDraw();

    // The trophy of the card fading in or shown (0 for none).
    int32_t ShownTrophy() const;
    // The two cards, for the owner's tests: trophy (0 when free), top-left, opacity 0..1 and texts.
    struct TCard {
        int32_t Trophy = 0;
        bool Entering = false;  // fading in or shown; else fading out
        int32_t Time = 0;       // 0..EntryTime: how far in it is
        TPoint Pos;
        std::string Name;
        std::string Lines[2];
        int32_t NameWidth = 0;
        int32_t LineWidths[2] = {0, 0};
    };
    const TCard& Card(int32_t Slot) const { return FCards[Slot == 1 ? 1 : 0]; }
    double Opacity(const TCard& Card) const;

private:
    void Fill(TCard& Card, int32_t TrophyIdx, TPoint TrophyCentre);
    TPoint Place(TPoint TrophyCentre) const;
    void DrawCard(const TCard& Card);

    std::array<TCard, 2> FCards;
    TPoint FTextAdjustment;
};
