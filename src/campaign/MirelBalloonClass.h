// Mirel's speech balloon in the garden view (on the menu and in the garden):
// it chooses what she says about her garden, what the shop still holds and
// what was just bought, and shows it a moment later in a balloon sized to the
// text, which pops, breathes gently, stays for a time that follows the text's
// length and fades away.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "GameTypesClass.h"
#include "MirelIslandItemTypeClass.h"
#include "NarrationTextClass.h"
#include "SpritePopperClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;
class TTextStrings;

// The shop answers: is any item of the type unlocked, is any bought, are all bought.
using TItemStatusQuestionEvent = std::function<void(TObject* Sender, TMirelIslandItemType AItemType,
                                                    bool& Unlocked, bool& AnyBought, bool& AllBought)>;

class TMirelBalloon : public TObject {
public:
    static constexpr int32_t LineSpacing = 19;
    static constexpr double FontSize = 0.65;
    static constexpr int32_t FontWidthAdd = -1;
    // Lines of the balloon table.
    static constexpr int32_t NewPlayerLine = 54;
    static constexpr int32_t BackFromStoryLine = 53;
    static constexpr int32_t FirstPurchaseLine = 42;
    static constexpr int32_t LastPurchaseLine = 51;
    // Draws of the random choice that try to avoid repeating the text said last.
    static constexpr int32_t ChoiceDraws = 10;

    TMirelBalloon();
    TMirelBalloon(const TMirelBalloon&) = delete;
    TMirelBalloon& operator=(const TMirelBalloon&) = delete;

    TOmegaImageList* OmgImgList = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    // The point the balloon is centred on (its top-left follows the text's size).
    int32_t Left = 236;
    int32_t Top = 431;
    int32_t BalloonStartingAlpha = 0;
    int32_t BalloonMaxAlpha = 200;
    int32_t BalloonAlphaInc = 8;
    int32_t BalloonAlphaDec = 6;
    int32_t BalloonWidthEdge = 56;
    int32_t BalloonHeightEdge = 54;
    int32_t PopperDelay = 200;     // ms from showing to the pop
    int32_t TimePerChar = 180;     // ms of showing per character
    int32_t SayDelayTime = 800;    // ms from Say to showing
    int32_t MinBalloonTime = 3000; // ms
    // From the settings file: moves the text inside the balloon's artwork.
    TPoint BalloonTextOffset;
    // The size the balloon's scale refers to: the pattern size of "MirelBalloon" (InitImages).
    int32_t BalloonRefWidth = 100;
    int32_t BalloonRefHeight = 70;
    TItemStatusQuestionEvent OnItemStatusQuestion;

    // The reference size from "MirelBalloon", once the images are loaded.
    void InitImages();
    // Says Text after SayDelayTime: the text shown now fades at once. An empty
    // text only lets the shown one fade.
    void Say(std::string_view Text);
    // Says line Line of the balloon table.
    void SayLine(int32_t Line);
    // A comment on the garden at GardenLevel (0 to 8), or one of the shop's hints.
    void SayGardenComment(int32_t GardenLevel);
    // A new player is welcomed to the garden.
    void SayNewPlayerWelcome() { SayLine(NewPlayerLine); }
    // Back in the garden after the story.
    void SayBackFromStory() { SayLine(BackFromStoryLine); }
    // The last item of a type was just bought.
    void SayItemTypeCompleted(TMirelIslandItemType AItemType);
    // The choices the two above make (drawing from the cosmetic stream).
    int32_t ChooseGardenLine(int32_t GardenLevel);
    int32_t ChooseItemCompletedLine(TMirelIslandItemType AItemType);
    // Nothing said or waiting, fully faded.
    void Reset();
    // Once a frame: the waiting text, the pop and breath, the balloon and its text.
    void UpdateAndDraw();

    bool SayPending() const { return FPending; }
    int32_t PendingTime() const { return FPendingTime; }
    // The balloon's top-left, its box and the text's layout, as last shown.
    TPoint BalloonPos() const { return FPos; }
    int32_t BoxWidth() const { return FBoxWidth; }
    int32_t BoxHeight() const { return FBoxHeight; }
    int32_t FirstLineWidth() const { return FFirstLineWidth; }
    int32_t TextLines() const { return FTextLines; }
    TPoint TextPos() const { return FText.Origin(); }
    int32_t Opacity() const { return FOpacity; }
    int32_t TargetOpacity() const { return FTargetOpacity; }
    int32_t ShowingTime() const { return FShowingTime; }
    int32_t ShownTime() const { return FShownTime; }
    bool Showing() const { return FShowing; }
    // Pop scale + breath, the factor both axes are drawn with.
    double Scale() const { return FPopper.Ratio() + FBreath.Value; }
    const TNarrationText& Text() const { return FText; }
    const TSpritePopper& Popper() const { return FPopper; }
    const TValueUpDown& Breath() const { return FBreath; }
    // The line said last (0 for a text given directly, or none yet).
    int32_t LastLine() const { return FLastLine; }

private:
    struct TItemStatus {
        bool Unlocked = false;
        bool AnyBought = false;
        bool AllBought = false;
    };
    TItemStatus StatusOf(TMirelIslandItemType AItemType);
    int32_t ChooseAvoidingLast(const int32_t* Lines, int32_t Count);
    const std::string& LineText(int32_t Line) const;
    void SayText(std::string_view Text, int32_t Line);
    void ShowPending();
    void Draw();

    TNarrationText FText;
    TSpritePopper FPopper;
    TValueUpDown FBreath;
    std::string FPendingText;
    std::string FLastText;
    int32_t FLastLine = 0;
    bool FPending = false;
    int32_t FPendingTime = 0;
    bool FShowing = false;
    int32_t FShownTime = 0;
    int32_t FShowingTime = 10000;
    int32_t FOpacity = 0;
    int32_t FTargetOpacity = 0;
    TPoint FPos;
    int32_t FBoxWidth = 0;
    int32_t FBoxHeight = 0;
    int32_t FFirstLineWidth = 0;
    int32_t FTextLines = 0;
};
