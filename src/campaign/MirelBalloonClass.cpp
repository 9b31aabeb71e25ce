#include "MirelBalloonClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "TextStringsClass.h"

namespace {
constexpr const char* BalloonImage = "MirelBalloon";
// The balloon's text starts faint and types in a character a frame.
constexpr int32_t TextStartingAlpha = 30;
constexpr int32_t TextAlphaStep = 12;
// Mirel's words keep the lettering's own white with its plum rim, which reads on the
// cream balloon (a dark tint would fill the rim in and run the letters together).
constexpr uint8_t TextRed = 255;
constexpr uint8_t TextGreen = 255;
constexpr uint8_t TextBlue = 255;
// Where the text's centre sits in the balloon's artwork, from its top-left.
constexpr int32_t TextCentreX = 101;
constexpr int32_t TextCentreY = 45;
// The balloon leans toward Mirel's side by this much per 170 pixels of text.
constexpr double LeanPer170 = 12.0;
constexpr float ScaleCentreX = 0.5f;
constexpr float ScaleCentreY = 0.43f;
constexpr int32_t ResetShowingTime = 10000;
constexpr int32_t GardenLevelCount = 9;  // levels 0 to 8 have lines 1 to 9
}  // namespace

TMirelBalloon::TMirelBalloon() {
    FText.UseSpriteFont = true;
    FText.SpriteFontSize = FontSize;
    FText.SpriteWidthAdd = FontWidthAdd;
    FText.VertSpace = LineSpacing;
    FText.StartingAlpha = TextStartingAlpha;
    FText.AlphaStep = TextAlphaStep;
    FText.AlphaUpdateRepeat = 1;
    FPopper.MaxRatio = 1.1;
    FPopper.UpStep = 0.022;
    FPopper.DownStep = 0.02;
    FPopper.OnDelayedPopHappens = [this](TObject*) { FBreath.StartRising(); };
    FBreath.Setup(0.0012f, 0.0012f, 0.015f, -0.015f);
    // Room for the longest line of a text table, so saying never allocates.
    FPendingText.reserve(MaxTextLineLength + 1);
    FLastText.reserve(MaxTextLineLength + 1);
}

void TMirelBalloon::InitImages() {
    if (const TImageListItem* Balloon = EffectImage(OmgImgList, BalloonImage)) {
        BalloonRefWidth = Balloon->EffectiveTileWidth();
        BalloonRefHeight = Balloon->EffectiveTileHeight();
    }
}

const std::string& TMirelBalloon::LineText(int32_t Line) const {
    static const std::string Empty;
    return TextStringsComp ? TextStringsComp->Balloon(Line) : Empty;
}

void TMirelBalloon::Say(std::string_view Text) { SayText(Text, 0); }

void TMirelBalloon::SayLine(int32_t Line) { SayText(LineText(Line), Line); }

void TMirelBalloon::SayText(std::string_view Text, int32_t Line) {
    // What she says now fades with its balloon while the new text waits.
    FText.VanishText();
    FTargetOpacity = 0;
    FShowing = false;
    FLastText.assign(Text);
    FLastLine = Line;
    FPendingText.assign(Text);
    FPending = !Text.empty();
    FPendingTime = 0;
}

void TMirelBalloon::ShowPending() {
    FPending = false;
    FText.MaxAlpha = BalloonMaxAlpha;
    FText.VanishingAlphaStep = BalloonAlphaDec;
    FText.OmgImgList = OmgImgList;
    const std::string_view Text(FPendingText);
    FFirstLineWidth = FText.TextWidth(Text.substr(0, Text.find('|')));
    FTextLines = std::min(TNarrationText::LineCount(Text), TNarrationText::MaxLines);
    const int32_t W = FFirstLineWidth;
    FBoxWidth = W + BalloonWidthEdge;
    FBoxHeight = FTextLines * LineSpacing + BalloonHeightEdge;
    FPos.X = Left + Round(-(FBoxWidth / 2) + W / 170.0 * LeanPer170);
    FPos.Y = Top - FBoxHeight / 2;
    FText.StartText(FPos.X + TextCentreX + BalloonTextOffset.X - W / 2,
                    FPos.Y + TextCentreY + BalloonTextOffset.Y - (FTextLines * LineSpacing) / 2, Text, TextRed,
                    TextGreen, TextBlue);
    FOpacity = BalloonStartingAlpha;
    FTargetOpacity = BalloonMaxAlpha;
    FShowingTime = std::max(static_cast<int32_t>(Text.size()) * TimePerChar, MinBalloonTime);
    FShownTime = 0;
    FShowing = true;
    FPopper.Reset();
    FPopper.DelayedPop(PopperDelay);
}

void TMirelBalloon::Reset() {
    FPending = false;
    FPendingTime = 0;
    FText.ClearText();
    FOpacity = 0;
    FTargetOpacity = 0;
    FShowing = false;
    FShownTime = 0;
    FShowingTime = ResetShowingTime;
    FPopper.Reset();
}

void TMirelBalloon::UpdateAndDraw() {
    if (FPending) {
        FPendingTime += FrameStep;
        if (FPendingTime >= SayDelayTime) ShowPending();
    }
    FPopper.Update();
    FBreath.Update();
    if (FOpacity > 0) Draw();
    MoveTowards(FOpacity, FOpacity < FTargetOpacity ? BalloonAlphaInc : BalloonAlphaDec, FTargetOpacity);
    FText.OmgImgList = OmgImgList;
    FText.UpdateAndDraw();
    if (FShowing) {
        FShownTime += FrameStep;
        if (FShownTime >= FShowingTime) {
            FShowing = false;
            FTargetOpacity = 0;
            FText.VanishText();
        }
    }
}

void TMirelBalloon::Draw() {
    TImageListItem* Balloon = EffectImage(OmgImgList, BalloonImage);
    if (!Balloon || BalloonRefWidth < 1 || BalloonRefHeight < 1) return;
    const double S = Scale();
    const float ScaleX = static_cast<float>(static_cast<double>(FBoxWidth) / BalloonRefWidth * S);
    const float ScaleY = static_cast<float>(static_cast<double>(FBoxHeight) / BalloonRefHeight * S);
    SetEffectFiltering(OmgImgList, true);
    Balloon->DrawEx(FPos.X, FPos.Y, 0.0f, ScaleCentreX, ScaleCentreY, ScaleX, ScaleY, 255, 255, 255, FOpacity, 0,
                    0);
    SetEffectFiltering(OmgImgList, false);
}

TMirelBalloon::TItemStatus TMirelBalloon::StatusOf(TMirelIslandItemType AItemType) {
    TItemStatus Status;
    if (OnItemStatusQuestion) OnItemStatusQuestion(this, AItemType, Status.Unlocked, Status.AnyBought, Status.AllBought);
    return Status;
}

int32_t TMirelBalloon::ChooseAvoidingLast(const int32_t* Lines, int32_t Count) {
    int32_t Line = Lines[CosmeticRandomInt(Count)];
    for (int32_t Draw = 1; Draw < ChoiceDraws && LineText(Line) == FLastText; ++Draw)
        Line = Lines[CosmeticRandomInt(Count)];
    return Line;
}

int32_t TMirelBalloon::ChooseGardenLine(int32_t GardenLevel) {
    using enum TMirelIslandItemType;
    int32_t Lines[11];
    int32_t Count = 0;
    Lines[Count++] = std::clamp(GardenLevel, 0, GardenLevelCount - 1) + 1;
    const TItemStatus Blue = StatusOf(aiBlueButterflies);
    const TItemStatus Base = StatusOf(aiCastleBase);
    const TItemStatus Sun = StatusOf(aiSunFlowers);
    const TItemStatus Fairies = StatusOf(aiSmallFairies);
    const TItemStatus Pond = StatusOf(aiPond);
    const TItemStatus Roots = StatusOf(aiStandingRoot);
    const TItemStatus Red = StatusOf(aiRedFlowers);
    const TItemStatus Oak = StatusOf(aiFacedOakTree);
    const TItemStatus Stone = StatusOf(aiStone);
    const TItemStatus Fur = StatusOf(aiPinkFurballs);
    const TItemStatus Apple = StatusOf(aiAppleTree);
    const TItemStatus Yellow = StatusOf(aiYellowBush);
    const TItemStatus Pine = StatusOf(aiPineTree);
    const TItemStatus Berry = StatusOf(aiBerryBush);
    if (Blue.Unlocked && !Blue.AnyBought) Lines[Count++] = 11;
    if (Base.Unlocked && !Base.AnyBought) Lines[Count++] = 12;
    if (Sun.Unlocked && Fairies.Unlocked && !Fairies.AnyBought) Lines[Count++] = 13;
    if (Blue.Unlocked && !Pond.AnyBought) Lines[Count++] = 14;
    if (Roots.Unlocked && !Red.AnyBought) Lines[Count++] = 15;
    if (Oak.AnyBought && Stone.Unlocked && !Stone.AnyBought) Lines[Count++] = 17;
    if (Fur.Unlocked && !Fur.AnyBought) Lines[Count++] = 18;
    if (Fur.Unlocked && !Apple.AnyBought) Lines[Count++] = 19;
    if (Yellow.Unlocked && !Pine.AnyBought) Lines[Count++] = 20;
    if (Berry.Unlocked && !Berry.AnyBought) Lines[Count++] = 21;
    return ChooseAvoidingLast(Lines, Count);
}

void TMirelBalloon::SayGardenComment(int32_t GardenLevel) { SayLine(ChooseGardenLine(GardenLevel)); }

int32_t TMirelBalloon::ChooseItemCompletedLine(TMirelIslandItemType AItemType) {
    using enum TMirelIslandItemType;
    switch (AItemType) {
        case aiRainbow: return 23;
        case aiBalloonCactus: return 24;
        case aiStandingRoot: return 25;
        case aiCastleRoof: return 26;
        case aiStone: return 27;
        case aiBonsai: return 28;
        case aiBerryBush: return 29;
        case aiPinkFurballs: return 30;
        case aiRedFlowers: return 31;
        case aiBlueButterflies: return 32;
        case aiPinkButterflies: return 33;
        case aiFacedOakTree: return 34;
        case aiSmallFairies: return 35;
        case aiCastleTower: return 37;
        case aiCastleLogo:
        case aiCastleFlags: {
            // The crest and the flags each ask for the other; with both the castle is complete.
            const TItemStatus Logo = StatusOf(aiCastleLogo);
            const TItemStatus Flags = StatusOf(aiCastleFlags);
            if (AItemType == aiCastleLogo && !Flags.AnyBought) return 39;
            if (AItemType == aiCastleFlags && !Logo.AnyBought) return 38;
            if (Logo.AllBought && Flags.AllBought) return 40;
            break;
        }
        default: break;
    }
    int32_t Lines[LastPurchaseLine - FirstPurchaseLine + 1];
    for (int32_t I = 0; I <= LastPurchaseLine - FirstPurchaseLine; ++I) Lines[I] = FirstPurchaseLine + I;
    return ChooseAvoidingLast(Lines, LastPurchaseLine - FirstPurchaseLine + 1);
}

void TMirelBalloon::SayItemTypeCompleted(TMirelIslandItemType AItemType) {
    SayLine(ChooseItemCompletedLine(AItemType));
}
