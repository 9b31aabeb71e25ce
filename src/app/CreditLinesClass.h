// The credits: the lines of the credits text rising through the credits window
// one after another, each fading in from below and out near the top, centred
// in the window. Empty lines after the text leave a pause, and when the last
// line has gone the credits start again, for as long as the window is open.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

class TOmegaImageList;
class TOmegaFont;
class TTextStrings;

class TCreditLines : public TObject {
public:
    static constexpr int32_t LineCount = 40;
    static constexpr int32_t TextLineCount = 27;  // the lines of the credits text
    static constexpr size_t MaxLineLength = 40;

    struct TLine {
        bool Active = false;
        bool Started = false;      // the next line has been sent up after it
        bool SkipDrawing = false;  // nothing to write
        std::string Text;
        float Position = 0.0f;     // from the top of the area, rising to 0
        int32_t Alpha = 0;
    };

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t HorzAreaWidth = 250;
    int32_t MaxVertPos = 175;
    int32_t LinesPerView = 11;
    int32_t LineGap = 18;
    int32_t StartingAlpha = 45;
    int32_t MaxAlpha = 240;

    TCreditLines();
    // Every line back at the bottom, the text read again, the first line on its way.
    void Restart();
    // One pixel up for every rising line, the next line sent after it, the
    // whole run again once every line has gone; then the lines are written.
    void UpdateAndDraw();

    const TLine& Line(int32_t Index) const { return FLines[Index - 1]; }  // 1 to LineCount
    int32_t ActiveCount() const;

private:
    void Update();
    void Draw();

    TLine FLines[LineCount];
};
