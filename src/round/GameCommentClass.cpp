#include "GameCommentClass.h"

#include <algorithm>

#include "GeneralRoutinesClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "TextStringsClass.h"

namespace {

constexpr TPoint EdgePoints[TGameComment::EdgePointCount] = {
    {-101, -70}, {21, -77},  {147, -77}, {260, -78}, {385, -79},  {527, -81},  {660, -78},  {776, -81},
    {895, -63},  {899, 49},  {904, 171}, {905, 287}, {903, 392},  {894, 501},  {893, 605},  {793, 674},
    {685, 673},  {564, 675}, {456, 675}, {335, 672}, {228, 673},  {100, 677},  {-21, 673},  {-102, 592},
    {-111, 482}, {-109, 372}, {-109, 258}, {-110, 148}, {-108, 37}};

// Pixels added to a letter's y at each of its eight wave phases.
constexpr int32_t WaveShifts[2][8] = {{1, 2, 3, 4, 5, 4, 3, 2}, {1, 1, 2, 2, 3, 3, 2, 2}};

constexpr int32_t ScreenWidth = 800;
constexpr int32_t ScreenHeight = 600;
constexpr int32_t MaxAlpha = 255;

}  // namespace

TGameComment::TGameComment() {
    // Each slot starts its wave at its own phase, so a line never bobs as one piece.
    for (int32_t I = 0; I < MaxLetters; ++I) FLetters[I].WavePhase = I % 8 + 1;
}

TPoint TGameComment::EdgePoint(int32_t Index) { return EdgePoints[Index]; }

void TGameComment::ShowComment(TGameCommentType Type) {
    if (Type >= coGo && Type <= coTimeRunningOut) {
        static const std::string NoText;
        const std::string& Line = TextStringsComp ? TextStringsComp->Comments(Type - 1) : NoText;
        if (Line.empty()) {
            // Nothing to show: the comment ends at once, and says so on the next frame.
            HideComment();
            FReportPending = true;
            FPendingType = Type;
        } else {
            ShowCommentText(Line);
        }
    }
    FType = Type;
}

void TGameComment::ShowCommentText(std::string_view Text) {
    if (Text.empty()) return;
    FReportPending = false;
    FLength = static_cast<int32_t>(std::min<size_t>(Text.size(), MaxLetters));
    std::copy_n(Text.data(), FLength, FText);
    FType = coCustomText;
    StartLetters();
}

void TGameComment::StartLetters() {
    // Where each letter starts decides when the line stands and the round goes
    // on: the gameplay stream, an edge point's x and another's y.
    for (int32_t I = 0; I < FLength; ++I) {
        const int32_t FromX = EdgePoints[Random(EdgePointCount)].X;
        const int32_t FromY = EdgePoints[Random(EdgePointCount)].Y;
        FLetters[I].Pos = FloatPoint(FromX, FromY);
    }
    int32_t Widths[MaxLetters] = {};
    int32_t Total = 0;
    for (int32_t I = 0; I < FLength; ++I) {
        Widths[I] = (OmgFont ? OmgFont->TextWidth(Letter(I)) : 0) + AdditionalHorzSpace;
        Total += Widths[I];
    }
    int32_t LineLeft = DefinedLeft;
    int32_t LineTop = DefinedTop;
    if (Alignment == alCenter) {
        LineLeft = (ScreenWidth - Total) / 2;
        LineTop = (ScreenHeight - LetterHeight) / 2 + CenterAdjustY;
    }
    int32_t X = LineLeft + CenterAdjustX;
    for (int32_t I = 0; I < FLength; ++I) {
        TLetter& L = FLetters[I];
        L.Target = FloatPoint(X, LineTop);
        X += Widths[I];
        L.Speed = AxisSpeeds(L.Pos, L.Target, FlySpeed);
        if (WaveOnly) L.Pos = L.Target;
    }
    for (TLetter& L : FLetters) L.Alpha = 0;
    FWavingTimer = 0;
    FPhase = WaveOnly ? cpWaving : cpFlyingIn;
}

void TGameComment::HideComment() {
    FPhase = cpIdle;
    FReportPending = false;
}

void TGameComment::SkipWaving() {
    if (FPhase == cpWaving) FWavingTimer = WavingTime;
}

void TGameComment::Reset() {
    HideComment();
    FType = coNone;
    FLength = 0;
}

void TGameComment::TakeLetterSize() {
    const TImageListItem* Item = OmgImgList ? OmgImgList->Find(LettersImg) : nullptr;
    if (!Item) return;
    LetterWidth = Item->EffectiveTileWidth();
    LetterHeight = Item->EffectiveTileHeight();
}

void TGameComment::UpdateAndDraw() {
    if (!Visible) return;
    if (FReportPending) {
        FReportPending = false;
        if (OnWavingFinished) OnWavingFinished(this, FPendingType);
        return;
    }
    if (FPhase == cpIdle) return;
    UpdateAlphas();
    switch (FPhase) {
        case cpFlyingIn:
            if (FlyLetters()) {
                FWavingTimer = 0;
                FPhase = cpWaving;
            }
            break;
        case cpWaving:
            if (!WaveOnly) FWavingTimer += FrameStep;
            if (FWavingTimer >= WavingTime) {
                FPhase = cpFadingOut;
                if (OnWavingFinished) OnWavingFinished(this, FType);
            }
            break;
        case cpFadingOut: {
            const bool AllGone =
                std::all_of(std::begin(FLetters), std::end(FLetters), [](const TLetter& L) { return L.Alpha == 0; });
            if (AllGone) FPhase = cpIdle;
            break;
        }
        case cpIdle: break;
    }
    // The handler above may have replaced or hidden the comment: draw what is there now.
    if (FPhase != cpIdle) DrawLetters();
}

void TGameComment::UpdateAlphas() {
    for (TLetter& L : FLetters) {
        if (FPhase == cpFadingOut)
            L.Alpha = std::max(L.Alpha - LetterAlphaDec, 0);
        else
            L.Alpha = std::min(L.Alpha + LetterAlphaInc, MaxAlpha);
    }
}

bool TGameComment::FlyLetters() {
    bool AllArrived = true;
    for (int32_t I = 0; I < FLength; ++I) {
        TLetter& L = FLetters[I];
        MoveTowards(L.Pos.X, L.Pos.Y, L.Speed.X, L.Speed.Y, L.Target.X, L.Target.Y);
        if (!SameFloatPoint(L.Pos, L.Target)) AllArrived = false;
    }
    return AllArrived;
}

void TGameComment::DrawLetters() {
    const int32_t* Shifts = WaveShifts[ShiftAdjListKind == slShorter ? 1 : 0];
    for (int32_t I = 0; I < FLength; ++I) {
        TLetter& L = FLetters[I];
        L.WavePhase = L.WavePhase % 8 + 1;
        if (!OmgFont) continue;
        const int32_t X = Round(L.Pos.X);
        const int32_t Y = Round(L.Pos.Y + Shifts[L.WavePhase - 1]);
        OmgFont->TextOut(X + 2, Y + 1, Letter(I), 0, 0, 0, L.Alpha);
        OmgFont->TextOut(X, Y, Letter(I), 255, 255, 255, L.Alpha);
    }
}
