#include "NameInputClass.h"

#include <cstring>

#include "GeneralRoutinesClass.h"
#include "SFXPlayerClass.h"
#include "Win1252Class.h"

namespace {
constexpr char Backspace = 8;
constexpr char Enter = 13;
// What a file name cannot hold.
constexpr const char* FileNameForbidden = "\"*/:<>?\\|";

bool UndefinedInCodePage(unsigned char Ch) {
    return Ch == 0x81 || Ch == 0x8D || Ch == 0x8F || Ch == 0x90 || Ch == 0x9D;
}
}  // namespace

bool NameCharacterAllowed(unsigned char Ch, size_t Index) {
    if (Ch < 0x20 || Ch == 0x7F) return false;
    if (UndefinedInCodePage(Ch)) return false;
    if (std::strchr(FileNameForbidden, static_cast<char>(Ch))) return false;
    if (Ch == '.' && Index == 0) return false;
    return true;
}

TNameInput::TNameInput() {
    // Room for the longest name and the cursor, so the display never allocates.
    FEntry.reserve(MaxNameLength + 1);
    FDisplay.reserve(MaxNameLength + 2);
    RefreshDisplay();
}

void TNameInput::Key(char Ch) {
    if (Ch >= 'a' && Ch <= 'z') Ch = static_cast<char>(Ch - 'a' + 'A');
    if (Ch == Backspace) {
        if (!FEntry.empty()) FEntry.pop_back();
        RefreshDisplay();
        if (OnEntryChange) OnEntryChange(this);
        return;
    }
    if (Ch == Enter) {
        if (!AllBlanks() && OnEntryConfirmed) OnEntryConfirmed(this);
        return;
    }
    if (!NameCharacterAllowed(static_cast<unsigned char>(Ch), FEntry.size())) return;
    if (FEntry.size() < MaxNameLength) {
        FEntry += Ch;
        RefreshDisplay();
    } else {
        PlaySoundEffect("DisabledTile");
    }
    if (OnEntryChange) OnEntryChange(this);
}

void TNameInput::KeyText(std::string_view Utf8) {
    size_t Pos = 0;
    while (Pos < Utf8.size()) {
        const int Byte = CodePointToWin1252(DecodeUtf8(Utf8, Pos));
        if (Byte >= 0) Key(static_cast<char>(Byte));
    }
}

void TNameInput::SetText(std::string_view Text) {
    FEntry.clear();
    for (char Ch : Text) {
        if (FEntry.size() >= MaxNameLength) break;
        if (NameCharacterAllowed(static_cast<unsigned char>(Ch), FEntry.size())) FEntry += Ch;
    }
    RefreshDisplay();
}

bool TNameInput::AllBlanks() const { return FEntry.find_first_not_of(' ') == std::string::npos; }

int32_t TNameInput::PrintWidth(std::string_view Text) const {
    int32_t Width = 0;
    for (char Ch : Text) Width += GlyphAdvance(FontKind, Ch, 0, LetterSizeRatio);
    return Width;
}

void TNameInput::Update() {
    FBlinkTimer += FrameStep;
    if (FBlinkTimer >= BlinkInterval) {
        FBlinkTimer = 0;
        FCursorVisible = !FCursorVisible;
    }
    RefreshDisplay();
}

void TNameInput::RefreshDisplay() {
    // Shortened from the front: the end of the name, where the typing happens, stays in view.
    std::string_view Shown = FEntry;
    while (!Shown.empty() && PrintWidth(Shown) > MaxPrintEntryPixelLength) Shown.remove_prefix(1);
    FDisplay.assign(Shown);
    if (FCursorVisible) FDisplay += '|';
}
