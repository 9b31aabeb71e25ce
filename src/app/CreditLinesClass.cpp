#include "CreditLinesClass.h"

#include <algorithm>

#include "GeneralRoutinesClass.h"
#include "OmegaFontClass.h"
#include "TextStringsClass.h"

namespace {
constexpr int32_t FadeInStep = 15;
constexpr int32_t FadeOutStep = 20;
}  // namespace

TCreditLines::TCreditLines() {
    // Restarting refills the lines in place, so the loop never allocates.
    for (TLine& Line : FLines) Line.Text.reserve(MaxLineLength);
}

void TCreditLines::Restart() {
    for (int32_t I = 0; I < LineCount; ++I) {
        TLine& Line = FLines[I];
        Line.Active = false;
        Line.Started = false;
        Line.Position = static_cast<float>(MaxVertPos);
        Line.Alpha = 0;
        Line.Text.clear();
        if (I < TextLineCount && TextStringsComp) {
            const std::string& Text = TextStringsComp->Credits(I + 1);
            Line.Text.assign(Text, 0, std::min(Text.size(), MaxLineLength));
        }
        Line.SkipDrawing = Line.Text.empty();
    }
    FLines[0].Active = true;
    FLines[0].Alpha = StartingAlpha;
}

int32_t TCreditLines::ActiveCount() const {
    return static_cast<int32_t>(std::count_if(std::begin(FLines), std::end(FLines), [](const TLine& L) { return L.Active; }));
}

void TCreditLines::Update() {
    for (TLine& Line : FLines) {
        if (!Line.Active) continue;
        Line.Position -= 1.0f;
        // A line fades out from the moment it reaches the top gap of the window.
        if (Line.Position <= static_cast<float>(LineGap)) {
            Line.Alpha = std::max(0, Line.Alpha - FadeOutStep);
        } else {
            Line.Alpha = std::min(MaxAlpha, Line.Alpha + FadeInStep);
        }
    }
    // The next line sets off once this one has risen a line gap: a line sent up
    // now starts from the bottom on the next frame, so the gap stays exact.
    for (int32_t I = 0; I + 1 < LineCount; ++I) {
        TLine& Line = FLines[I];
        if (!Line.Active || Line.Started || Line.Position > static_cast<float>(MaxVertPos - LineGap)) continue;
        Line.Started = true;
        TLine& Next = FLines[I + 1];
        Next.Active = true;
        Next.Position = static_cast<float>(MaxVertPos);
        Next.Alpha = StartingAlpha;
    }
    for (TLine& Line : FLines) {
        if (Line.Active && Line.Position <= 0.0f) Line.Active = false;
    }
    if (ActiveCount() == 0) Restart();
}

void TCreditLines::Draw() {
    if (!OmgFont) return;
    for (const TLine& Line : FLines) {
        if (!Line.Active || Line.SkipDrawing) continue;
        const int32_t X = Left + (HorzAreaWidth - OmgFont->TextWidth(Line.Text)) / 2;
        OmgFont->TextOut(X, Top + Round(Line.Position), Line.Text, 255, 255, 255, Line.Alpha);
    }
}

void TCreditLines::UpdateAndDraw() {
    Update();
    Draw();
}
