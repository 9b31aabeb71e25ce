// The settings file ("Texts/_settings.txt"): the language of the game's texts
// (number and money formats follow it), the character set of the screen fonts,
// the three font sizes and six small pixel adjustments that move translated
// texts inside fixed artwork. Read once at start-up, read-only afterwards.
//
// Lines are read by position; on a read line everything up to and including
// the first "=" is a free label. Lines 1, 4, 5, 9 and 10 are free text.
#pragma once

#include <stdexcept>
#include <string>

#include "GameTypesClass.h"

// A settings file that is missing, too short or holds a value that is not a whole number.
class ESettingLoaderError : public std::runtime_error {
public:
    ESettingLoaderError(const std::string& FileName, int Line, const std::string& Problem);
    const std::string& FileName() const { return FFileName; }
    // 1-based line number, 0 when the problem concerns the whole file.
    int Line() const { return FLine; }
private:
    std::string FFileName;
    int FLine;
};

// Number of lines a settings file must have.
constexpr int SettingLineCount = 16;

// Font character-set code for a setting number 1..19 (ANSI 0, DEFAULT 1, ...);
// any other number gives 1.
int32_t CharSetCodeOf(int32_t SettingNumber);
// Language for a setting number 1..8 (1 laUS ... 8 laSE); any other number gives laUS.
TSettingLoaderLanguage LanguageOf(int32_t SettingNumber);

class TSettingLoader : public TObject {
public:
    // Reads TextsFolder + "_settings.txt" at once; throws ESettingLoaderError.
    TSettingLoader();
    // Reads the named file at once; throws ESettingLoaderError.
    explicit TSettingLoader(const std::string& FileName);
    // Reads settings from the bytes of a settings file; FileName only names it in errors.
    static TSettingLoader FromText(const std::string& Text, const std::string& FileName);

    TSettingLoaderLanguage Language() const { return FLanguage; }
    int32_t CharSet() const { return FCharSet; }
    int32_t SmallFontSize() const { return FSmallFontSize; }
    int32_t MediumFontSize() const { return FMediumFontSize; }
    int32_t LargeFontSize() const { return FLargeFontSize; }
    TPoint BalloonTextOffset() const { return FBalloonTextOffset; }
    TPoint ConfirmTextOffset() const { return FConfirmTextOffset; }
    TPoint TutorialTextOffset() const { return FTutorialTextOffset; }
    TPoint ShopTextOffset() const { return FShopTextOffset; }
    TPoint NarrationTextOffset() const { return FNarrationTextOffset; }
    TPoint ToolTipTextOffset() const { return FToolTipTextOffset; }

private:
    struct TDefaultsOnly {};
    explicit TSettingLoader(TDefaultsOnly) {}
    void ReadText(const std::string& Text, const std::string& FileName);

    TSettingLoaderLanguage FLanguage = laUS;
    int32_t FCharSet = 1;
    int32_t FSmallFontSize = 10;
    int32_t FMediumFontSize = 12;
    int32_t FLargeFontSize = 20;
    TPoint FBalloonTextOffset;
    TPoint FConfirmTextOffset;
    TPoint FTutorialTextOffset;
    TPoint FShopTextOffset;
    TPoint FNarrationTextOffset;
    TPoint FToolTipTextOffset;
};
