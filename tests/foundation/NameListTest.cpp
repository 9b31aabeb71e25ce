#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FuzzSeeds.h"
#include "NameListClass.h"
#include "SaveFolderFixture.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

TNameList ListOf(std::initializer_list<const char*> Names) {
    TNameList List;
    for (const char* Name : Names) List.Add(Name);
    return List;
}

std::string SlotsOf(const TNameList& List) {
    std::string Text;
    for (int I = 1; I <= NameListSlotCount; ++I) Text += List.NameOf(I) + "|";
    return Text;
}

TEST(NameList, AddTrimsUpperCasesAndSelects) {
    TNameList List = ListOf({"BOB"});
    EXPECT_EQ(List.Add("  anna "), 2);
    EXPECT_EQ(List.NameOf(2), "ANNA");
    EXPECT_EQ(List.Selected(), 2);
    EXPECT_EQ(List.SelectedName(), "ANNA");

    // Only a to z change case; the cut to ten characters comes after trimming.
    EXPECT_EQ(List.Add("\tjos\xE9 ma\xEF" "a-longname "), 3);
    EXPECT_EQ(List.NameOf(3), "JOS\xE9 MA\xEF" "A-");
    // A name of blanks only is no name.
    EXPECT_EQ(List.Add("   "), 0);
    EXPECT_EQ(List.Selected(), 3);
}

TEST(NameList, SeventhPlayerIsIgnored) {
    TNameList List = ListOf({"A", "B", "C", "D", "E", "F"});
    EXPECT_TRUE(List.IsFull());
    List.Select(2);
    EXPECT_EQ(List.Add("GREG"), 0);
    EXPECT_EQ(SlotsOf(List), "A|B|C|D|E|F|");
    EXPECT_EQ(List.Selected(), 2);
}

TEST(NameList, ExistsComparesTheStoredForm) {
    const TNameList List = ListOf({"anna", "Jos\xE9"});
    EXPECT_TRUE(List.Exists(" Anna  "));
    EXPECT_TRUE(List.Exists("jos\xE9"));
    EXPECT_FALSE(List.Exists("jos\xC9"));  // accented letters keep their case
    EXPECT_FALSE(List.Exists("ANN"));
    EXPECT_FALSE(List.Exists(""));
    EXPECT_FALSE(List.Exists("   "));
}

TEST(NameList, DeleteSelectedMovesUpAndSelectsTheNearest) {
    const struct {
        int Count;
        int Deleted;
        const char* Slots;
        int Selected;
    } Cases[] = {
        {4, 2, "P1|P3|P4||||", 2},  // slot 2 of four: 3 and 4 move up, slot 2 stays selected
        {4, 4, "P1|P2|P3||||", 3},  // the last one: its predecessor
        {4, 1, "P2|P3|P4||||", 1},
        {1, 1, "||||||", 1},        // the only one: an empty list, slot 1
        {6, 6, "P1|P2|P3|P4|P5||", 5},
        {6, 3, "P1|P2|P4|P5|P6||", 3},
    };
    for (const auto& C : Cases) {
        TNameList List;
        for (int I = 1; I <= C.Count; ++I) List.Add("P" + std::to_string(I));
        List.Select(C.Deleted);
        List.DeleteSelected();
        EXPECT_EQ(SlotsOf(List), C.Slots) << C.Count << " " << C.Deleted;
        EXPECT_EQ(List.Selected(), C.Selected) << C.Count << " " << C.Deleted;
    }
    // An empty selected slot (a hand-made list with a gap): the nearest filled one before it.
    TNameList Gap;
    const TNameListRecord Bytes = ListOf({"A", "B"}).Record();
    TNameListRecord WithGap{};
    std::copy(Bytes.begin(), Bytes.begin() + 11, WithGap.begin());
    std::copy(Bytes.begin() + 11, Bytes.begin() + 22, WithGap.begin() + 33);  // B in slot 4
    ASSERT_TRUE(Gap.ReadRecord(WithGap));
    Gap.Select(2);
    Gap.DeleteSelected();
    EXPECT_EQ(SlotsOf(Gap), "A||B||||");
    EXPECT_EQ(Gap.Selected(), 1);
}

TEST(NameList, SelectionAndEmptiness) {
    TNameList List;
    EXPECT_TRUE(List.IsEmpty());
    EXPECT_FALSE(List.IsFull());
    EXPECT_EQ(List.Selected(), 1);
    for (int Bad : {0, 7, -1}) {
        List.Select(Bad);
        EXPECT_EQ(List.Selected(), 1);
    }
    List.Select(6);
    EXPECT_EQ(List.Selected(), 6);
    EXPECT_EQ(List.SelectedName(), "");
    EXPECT_EQ(List.NameOf(0), "");
    EXPECT_EQ(List.NameOf(7), "");
}

TEST(NameList, SlotUnderTheMouse) {
    TNameList List = ListOf({"A", "B", "C"});
    List.Left = 100;
    List.Top = 50;  // rows of 28 pixels, 238 wide
    List.Select(2);
    const struct {
        int X, Y, Slot;
    } Cases[] = {
        {100, 50, 1}, {337, 77, 1}, {150, 78, 2}, {150, 133, 3},
        {150, 134, 2},  // row 4 is empty: the selection
        {99, 60, 2},    {338, 60, 2}, {150, 49, 2}, {150, 500, 2},
    };
    for (const auto& C : Cases) EXPECT_EQ(List.NameAt(C.X, C.Y), C.Slot) << C.X << "," << C.Y;

    List.MouseMove(150, 120);
    EXPECT_EQ(List.Hovered(), 3);
    List.MouseMove(150, 200);
    EXPECT_EQ(List.Hovered(), 0);
    List.MouseDown(150, 60);
    EXPECT_EQ(List.Selected(), 1);
    List.MouseDown(150, 200);  // an empty row keeps the selection
    EXPECT_EQ(List.Selected(), 1);
    List.MouseDown(INT32_MIN, INT32_MAX);
    EXPECT_EQ(List.Selected(), 1);
}

using NameListFile = SaveFolderTest;

TEST_F(NameListFile, ByteLayoutAndRoundTrip) {
    TNameList List = ListOf({"ANNA", "abcdefghijklm", "Z\xC9"});
    List.FileName = SaveFolder + "Names.dat";
    ASSERT_TRUE(List.Save());
    const std::string Bytes = ReadWholeFile(List.FileName);
    AddFuzzSeed("NameList", Bytes);
    ASSERT_EQ(Bytes.size(), 66u);
    EXPECT_EQ(Bytes.substr(0, 5), std::string("\x04" "ANNA"));
    EXPECT_EQ(Bytes.substr(11, 11), std::string("\x0A" "ABCDEFGHIJ"));
    EXPECT_EQ(Bytes.substr(22, 3), std::string("\x02" "Z\xC9"));
    for (size_t Slot : {33u, 44u, 55u}) EXPECT_EQ(Bytes[Slot], '\0') << Slot;

    TNameList Again;
    Again.FileName = List.FileName;
    Again.Load();
    EXPECT_EQ(SlotsOf(Again), "ANNA|ABCDEFGHIJ|Z\xC9||||");
}

TEST_F(NameListFile, LengthBytesBeyondTheCapacityAreClamped) {
    std::string Bytes(66, '\0');
    Bytes[0] = '\xFF';
    for (int I = 1; I <= 10; ++I) Bytes[static_cast<size_t>(I)] = static_cast<char>('A' + I - 1);
    Bytes[11] = '\x0B';
    WriteWholeFile(SaveFolder + "Names.dat", Bytes);
    TNameList List;
    List.FileName = SaveFolder + "Names.dat";
    List.Load();
    EXPECT_EQ(List.NameOf(1), "ABCDEFGHIJ");
    EXPECT_EQ(List.NameOf(2), std::string(10, '\0'));
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(NameListFile, MissingOrEmptyFileIsAnEmptyList) {
    TNameList List = ListOf({"STALE"});
    List.FileName = SaveFolder + "Names.dat";
    List.Load();
    EXPECT_TRUE(List.IsEmpty());
    ASSERT_TRUE(fs::exists(List.FileName));
    EXPECT_EQ(fs::file_size(List.FileName), 0u);
    List.Add("x");
    List.Load();  // the empty file it made
    EXPECT_TRUE(List.IsEmpty());
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(NameListFile, DamagedFileIsSetAsideAndTheListStartsEmpty) {
    const std::string Name = SaveFolder + "Names.dat";
    for (size_t Size : {1u, 65u, 67u, 1000u}) {
        Messages.Clear();
        WriteWholeFile(Name, std::string(Size, 'Q'));
        TNameList List;
        List.FileName = Name;
        List.Load();
        EXPECT_TRUE(List.IsEmpty()) << Size;
        EXPECT_EQ(ReadWholeFile(Name + ".damaged"), std::string(Size, 'Q'));
        EXPECT_EQ(fs::file_size(Name), 0u);
        ASSERT_EQ(Messages.Messages().size(), 1u) << Size;
        EXPECT_NE(Messages.Messages()[0].Text.find(Name), std::string::npos);
    }
    // A file that cannot be read at all.
    fs::remove(Name);
    fs::remove(Name + ".damaged");
    fs::create_directory(Name);
    Messages.Clear();
    TNameList List;
    List.FileName = Name;
    List.Load();
    EXPECT_TRUE(List.IsEmpty());
    EXPECT_TRUE(fs::is_directory(Name + ".damaged"));
    EXPECT_TRUE(fs::is_regular_file(Name));
    EXPECT_EQ(Messages.Messages().size(), 1u);
}

}  // namespace
