#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NameInputClass.h"
#include "UiTestSupport.h"

namespace {

struct TInputLog {
    int Changes = 0;
    int Confirms = 0;
    void Attach(TNameInput& Input) {
        Input.OnEntryChange = [this](TObject*) { ++Changes; };
        Input.OnEntryConfirmed = [this](TObject*) { ++Confirms; };
    }
};

void Type(TNameInput& Input, const std::string& Keys) {
    for (char Ch : Keys) Input.Key(Ch);
}

TEST(NameInput, TypingUpperCasesLettersOnly) {
    TNameInput Input;
    TInputLog Log;
    Log.Attach(Input);
    Type(Input, "ann-marie");
    EXPECT_EQ(Input.Entry(), "ANN-MARIE");
    Input.Key('\xE9');  // é stays as typed: only a to z are upper-cased
    EXPECT_EQ(Input.Entry(), "ANN-MARIE\xE9");
    EXPECT_EQ(Log.Changes, 10);
    Input.Key('\b');
    Input.Key('\b');
    EXPECT_EQ(Input.Entry(), "ANN-MARI");
    EXPECT_EQ(Log.Changes, 12);
}

TEST(NameInput, RefusesWhatASaveFileNameCannotHoldSilently) {
    TSoundRecorder Sounds;
    const std::string Refused = std::string("\"*/:<>?\\|") +
                                "\x01\x09\x0A\x1B\x1F\x7F" +  // control characters (Tab, line feed, Escape, Delete...)
                                "\x81\x8D\x8F\x90\x9D";        // bytes the code page leaves undefined
    for (char Ch : Refused) {
        TNameInput Input;
        TInputLog Log;
        Log.Attach(Input);
        Input.Key('A');
        Input.Key(Ch);
        EXPECT_EQ(Input.Entry(), "A") << int(static_cast<unsigned char>(Ch));
        EXPECT_EQ(Log.Changes, 1) << int(static_cast<unsigned char>(Ch));
    }
    EXPECT_TRUE(Sounds.Heard.empty());
    // A name cannot start with a dot (the file would be hidden), but may hold one later.
    TNameInput Input;
    Type(Input, ".j.r.");
    EXPECT_EQ(Input.Entry(), "J.R.");
    // Characters of the code page beyond ASCII are names like any other.
    Input.SetText("");
    Type(Input, "\x80\x8A\xC5\xFF ");
    EXPECT_EQ(Input.Entry(), "\x80\x8A\xC5\xFF ");
}

TEST(NameInput, AnEleventhCharacterIsRefusedWithASoundButStillReported) {
    TSoundRecorder Sounds;
    TNameInput Input;
    TInputLog Log;
    Log.Attach(Input);
    Type(Input, "ABCDEFGHIJ");
    EXPECT_TRUE(Sounds.Heard.empty());
    Input.Key('K');
    EXPECT_EQ(Input.Entry(), "ABCDEFGHIJ");
    EXPECT_EQ(Sounds.Heard, (std::vector<std::string>{"DisabledTile"}));
    EXPECT_EQ(Log.Changes, 11);
    // A refused character on a full entry stays silent and unreported.
    Input.Key('?');
    EXPECT_EQ(Sounds.Heard.size(), 1u);
    EXPECT_EQ(Log.Changes, 11);
}

TEST(NameInput, EnterConfirmsOnlyANameWithSomethingButBlanks) {
    struct TCase { const char* Typed; int Confirms; };
    const TCase Cases[] = {{"", 0}, {"   ", 0}, {" A ", 1}, {"BO", 1}};
    for (const TCase& C : Cases) {
        TNameInput Input;
        TInputLog Log;
        Log.Attach(Input);
        Type(Input, C.Typed);
        EXPECT_EQ(Input.AllBlanks(), C.Confirms == 0) << '"' << C.Typed << '"';
        Input.Key('\r');
        EXPECT_EQ(Log.Confirms, C.Confirms) << '"' << C.Typed << '"';
        EXPECT_EQ(Input.Entry(), C.Typed);  // Enter is never typed into the name
    }
}

TEST(NameInput, TypedTextArrivesAsUtf8) {
    TNameInput Input;
    // "é", the euro sign and "ß" exist in the code page; a Cyrillic letter and an emoji do not.
    Input.KeyText("\xC3\xA9\xE2\x82\xAC\xD0\x96\xF0\x9F\x98\x80\xC3\x9F");
    EXPECT_EQ(Input.Entry(), "\xE9\x80\xDF");
    // Malformed bytes are refused like any other character the code page cannot hold.
    Input.KeyText("\xC3");
    Input.KeyText("z");
    EXPECT_EQ(Input.Entry(), "\xE9\x80\xDFZ");
}

TEST(NameInput, CursorBlinksAndTheDisplayKeepsTheEndOfALongName) {
    TNameInput Input;
    Type(Input, "MAX");
    Input.Update();
    EXPECT_EQ(Input.DisplayText(), "MAX|");
    // 350 ms at 30 ms a frame: the cursor flips on the 12th update.
    for (int I = 0; I < 10; ++I) Input.Update();
    EXPECT_TRUE(Input.CursorVisible());
    Input.Update();
    EXPECT_FALSE(Input.CursorVisible());
    EXPECT_EQ(Input.DisplayText(), "MAX");
    for (int I = 0; I < 12; ++I) Input.Update();
    EXPECT_EQ(Input.DisplayText(), "MAX|");

    // "W" is 18 wide, 17 at 0.95: ten of them are 170; with room for 100, five are shown.
    Input.MaxPrintEntryPixelLength = 100;
    Input.SetText("WWWWWWWWWI");  // I is 7 wide, 7 at 0.95 (Round(6.65))
    Input.Update();
    EXPECT_EQ(Input.DisplayText().substr(0, 6), "WWWWWI");
}

TEST(NameInput, SetTextKeepsTheRulesOfTyping) {
    TNameInput Input;
    Input.SetText(".A/B\tCDEFGHIJKLM");
    EXPECT_EQ(Input.Entry(), "ABCDEFGHIJ");
    Input.SetText("");
    EXPECT_TRUE(Input.AllBlanks());
}

}  // namespace
