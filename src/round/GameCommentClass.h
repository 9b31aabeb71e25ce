// The comment writer: a short word or sentence ("Let's go!", "Time's up!", the
// name of a flower just found...) whose letters fly in from the edges of the
// screen, line up, wave for a while and fade away. The round waits for the end
// of the waving, so the flight is timed by the game alone: the letters' starting
// points come from the gameplay stream and their places from the font's widths,
// which the font measures the same with or without a screen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "GameTypesClass.h"

class TOmegaFont;
class TOmegaImageList;
class TTextStrings;

// The comments the writer knows by type; coGo to coTimeRunningOut are the lines
// 1 to 8 of the comments table.
enum TGameCommentType : uint8_t {
    coNone,
    coCustomText,
    coGo,
    coTimeUp,
    coGameRoundClear,
    coBossVictory,
    coBonusRoundClear,
    coShuffling,
    coNoMoreMoves,
    coTimeRunningOut
};
// How far the letters bob while they wave.
enum TShiftAdjListKind : uint8_t { slNormal, slShorter };
// alCenter: the line is centred on the screen and moved by CenterAdjustX, CenterAdjustY;
// alDefined: it starts at (DefinedLeft + CenterAdjustX, DefinedTop).
enum TGameCommentAlignment : uint8_t { alCenter, alDefined };
enum TGameCommentPhase : uint8_t { cpIdle, cpFlyingIn, cpWaving, cpFadingOut };

using TGameCommentFinishedEvent = std::function<void(TObject* Sender, TGameCommentType ACommentType)>;

class TGameComment : public TObject {
public:
    static constexpr int32_t MaxLetters = 30;
    static constexpr int32_t EdgePointCount = 29;
    static constexpr int32_t FlySpeed = 45;  // pixels per frame on the longer axis

    TGameComment();

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;  // the large bold screen font
    TTextStrings* TextStringsComp = nullptr;
    bool Visible = true;
    std::string LettersImg = "CommentFont";  // only its pattern size is read (TakeLetterSize)
    int32_t LetterWidth = 35;
    int32_t LetterHeight = 35;
    int32_t WavingTime = 1500;  // milliseconds the line waves before it fades
    int32_t CenterAdjustX = 35;
    int32_t CenterAdjustY = -50;
    int32_t AdditionalHorzSpace = 8;  // pixels added after every letter
    int32_t LetterAlphaInc = 10;
    int32_t LetterAlphaDec = 20;
    // The letters appear in place and wave until SkipWaving.
    bool WaveOnly = false;
    TShiftAdjListKind ShiftAdjListKind = slNormal;
    TGameCommentAlignment Alignment = alCenter;
    int32_t DefinedLeft = 0;
    int32_t DefinedTop = 0;
    // The waving has ended and the line starts to fade. A comment that was replaced
    // or hidden before that never reports.
    TGameCommentFinishedEvent OnWavingFinished;

    // A typed comment shows its line of the comments table and takes its type
    // (after the text has set coCustomText); any other type is only stored. A
    // typed comment whose line is empty shows nothing and reports on the next
    // frame, so whoever waits for it is not kept waiting.
    void ShowComment(TGameCommentType Type);
    // Shows the first 30 characters of Text as coCustomText (nothing for an empty
    // text): the letters start from random edge points, or in place with WaveOnly.
    void ShowCommentText(std::string_view Text);
    // Gone at once, reporting nothing.
    void HideComment();
    // A waving line stops waving now (its report follows on the next frame).
    void SkipWaving();
    // Once per frame while Visible: fading, flight, waving, and the letters drawn.
    void UpdateAndDraw();
    // LetterWidth and LetterHeight from the pattern size of LettersImg, once the images are loaded.
    void TakeLetterSize();
    // At a round's start: idle with no comment. The letters' wave phases run on.
    void Reset();

    TGameCommentPhase Phase() const { return FPhase; }
    TGameCommentType CommentType() const { return FType; }
    std::string_view Text() const { return std::string_view(FText, static_cast<size_t>(FLength)); }
    int32_t WavingTimer() const { return FWavingTimer; }
    // Letter slots 0 to 29.
    TFloatPoint LetterPos(int32_t I) const { return FLetters[I].Pos; }
    TFloatPoint LetterTarget(int32_t I) const { return FLetters[I].Target; }
    int32_t LetterAlpha(int32_t I) const { return FLetters[I].Alpha; }
    int32_t WavePhase(int32_t I) const { return FLetters[I].WavePhase; }
    // The points around the screen the letters fly in from.
    static TPoint EdgePoint(int32_t Index);

private:
    struct TLetter {
        TFloatPoint Pos;
        TFloatPoint Target;
        TFloatPoint Speed;
        int32_t Alpha = 0;
        int32_t WavePhase = 1;  // 1 to 8
    };
    void StartLetters();
    void UpdateAlphas();
    bool FlyLetters();
    void DrawLetters();
    std::string_view Letter(int32_t I) const { return std::string_view(&FText[I], 1); }

    TGameCommentPhase FPhase = cpIdle;
    TGameCommentType FType = coNone;
    char FText[MaxLetters] = {};
    int32_t FLength = 0;
    TLetter FLetters[MaxLetters];
    int32_t FWavingTimer = 0;
    // An empty typed comment reports this type on the next frame.
    bool FReportPending = false;
    TGameCommentType FPendingType = coNone;
};
