// The entry of a player's name: up to 10 characters typed one at a time,
// upper-cased, with a blinking "|" cursor. The name names the player's save
// file, so characters a file name cannot hold are refused silently, and so
// are control characters, bytes the Windows-1252 code page leaves undefined
// and a "." as the first character (the file would be hidden). An eleventh
// character is answered with the "DisabledTile" sound. The owner draws
// DisplayText.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "GameTypesClass.h"

class TOmegaImageList;

constexpr size_t MaxNameLength = 10;

// Whether Ch may stand at position Index (0-based) of a player's name.
bool NameCharacterAllowed(unsigned char Ch, size_t Index);

class TNameInput : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    // The sprite font the display text is measured in.
    TGameFontKind FontKind = fkAirstripNormal;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t BlinkInterval = 350;  // milliseconds of game time
    float LetterSizeRatio = 0.95f;
    int32_t MaxPrintEntryPixelLength = 285;

    TNotifyEvent OnEntryChange;
    TNotifyEvent OnEntryConfirmed;

    TNameInput();

    // One typed character (Windows-1252), or 8 for Backspace and 13 for Enter.
    void Key(char Ch);
    // Typed text as the platform delivers it (UTF-8): each character the code
    // page can hold goes to Key, the others are refused.
    void KeyText(std::string_view Utf8);
    // Replaces the entry (no events); characters a name cannot hold are left out.
    void SetText(std::string_view Text);
    // True when the entry is empty or holds only blanks.
    bool AllBlanks() const;
    // Advances the cursor blink and rebuilds the display text.
    void Update();

    const std::string& Entry() const { return FEntry; }
    const std::string& DisplayText() const { return FDisplay; }
    bool CursorVisible() const { return FCursorVisible; }

private:
    void RefreshDisplay();
    int32_t PrintWidth(std::string_view Text) const;

    std::string FEntry;
    std::string FDisplay;
    bool FCursorVisible = true;
    int32_t FBlinkTimer = 0;
};
