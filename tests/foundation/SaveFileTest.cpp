#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "SaveFileClass.h"
#include "SaveFolderFixture.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

std::span<const uint8_t> AsBytes(const std::string& Text) {
    return {reinterpret_cast<const uint8_t*>(Text.data()), Text.size()};
}

std::vector<std::string> FolderEntries(const std::string& Folder) {
    std::vector<std::string> Names;
    for (const auto& Entry : fs::directory_iterator(Folder)) Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

using SaveFile = SaveFolderTest;

TEST_F(SaveFile, ReplacesTheWholeFileAndLeavesNothingBehind) {
    const std::string Name = SaveFolder + "Names.dat";
    WriteWholeFile(Name, std::string(500, 'x'));
    ASSERT_TRUE(WriteSaveFile(Name, AsBytes("short")));
    EXPECT_EQ(ReadWholeFile(Name), "short");
    ASSERT_TRUE(WriteSaveFile(Name, {}));
    EXPECT_EQ(ReadWholeFile(Name), "");
    EXPECT_EQ(FolderEntries(SaveFolder), std::vector<std::string>{"Names.dat"});
    // A name near the system's limit still leaves room for its temporary file.
    const std::string Long = SaveFolder + std::string(250, 'L') + ".sav";
    EXPECT_TRUE(WriteSaveFile(Long, AsBytes("long")));
    EXPECT_EQ(ReadWholeFile(Long), "long");
    EXPECT_TRUE(Messages.Messages().empty());
}

// A failed save keeps the old file, removes its temporary file and tells the
// player once, naming the file; a success re-arms the message.
TEST_F(SaveFile, FailureKeepsTheOldFileAndIsReportedOnce) {
    // The rename cannot replace a folder that stands where the file should be.
    const std::string Blocked = SaveFolder + "HighScores.dat";
    fs::create_directory(Blocked);
    WriteWholeFile(Blocked + "/inside", "kept");
    for (int Attempt = 0; Attempt < 3; ++Attempt) EXPECT_FALSE(WriteSaveFile(Blocked, AsBytes("new")));
    EXPECT_EQ(ReadWholeFile(Blocked + "/inside"), "kept");
    EXPECT_EQ(FolderEntries(SaveFolder), std::vector<std::string>{"HighScores.dat"});
    ASSERT_EQ(Messages.Messages().size(), 1u);
    EXPECT_NE(Messages.Messages()[0].Text.find(Blocked), std::string::npos);
    EXPECT_NE(Messages.Messages()[0].Text.find("left as it was"), std::string::npos);

    // A folder that is gone: nothing to keep, still one message per file.
    const std::string Lost = SaveFolder + "gone/Options.dat";
    EXPECT_FALSE(WriteSaveFile(Lost, AsBytes("x")));
    EXPECT_FALSE(WriteSaveFile(Lost, AsBytes("x")));
    EXPECT_EQ(MessagesMentioning(Lost), 1);

    fs::create_directory(SaveFolder + "gone");
    EXPECT_TRUE(WriteSaveFile(Lost, AsBytes("x")));
    fs::remove_all(SaveFolder + "gone");
    EXPECT_FALSE(WriteSaveFile(Lost, AsBytes("x")));
    EXPECT_EQ(MessagesMentioning(Lost), 2);
}

// The disk fills up in the middle of writing: a child process whose file-size
// limit is smaller than the new file plays the full disk.
TEST_F(SaveFile, DiskFullMidWriteKeepsTheOldFile) {
    const std::string Name = SaveFolder + "PLAYER.sav";
    const std::string Old(1360, 'o');
    WriteWholeFile(Name, Old);
    const pid_t Child = fork();
    ASSERT_GE(Child, 0);
    if (Child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit Limit{700, 700};
        setrlimit(RLIMIT_FSIZE, &Limit);
        int Faults = 0;
        if (WriteSaveFile(Name, AsBytes(std::string(1360, 'n')))) Faults |= 1;
        if (ReadWholeFile(Name) != Old) Faults |= 2;
        if (FolderEntries(SaveFolder).size() != 1) Faults |= 4;
        if (MessagesMentioning(Name) != 1) Faults |= 8;
        _exit(Faults);
    }
    int Status = 0;
    ASSERT_EQ(waitpid(Child, &Status, 0), Child);
    ASSERT_TRUE(WIFEXITED(Status));
    EXPECT_EQ(WEXITSTATUS(Status), 0) << "1 saved anyway, 2 old file changed, 4 temporary left, 8 not told once";
}

TEST_F(SaveFile, ReadingTellsMissingUnreadableAndOverlong) {
    EXPECT_EQ(ReadSaveFile(SaveFolder + "none", 10).State, sfMissing);
    EXPECT_EQ(ReadSaveFile(SaveFolder + "none/deeper", 10).State, sfMissing);
    fs::create_directory(SaveFolder + "folder");
    EXPECT_EQ(ReadSaveFile(SaveFolder + "folder", 10).State, sfUnreadable);

    WriteWholeFile(SaveFolder + "long", std::string(5000, 'a'));
    const TSaveFileContent Long = ReadSaveFile(SaveFolder + "long", 16);
    EXPECT_EQ(Long.State, sfRead);
    EXPECT_EQ(Long.Bytes.size(), 17u);  // enough to know it is too long, no more
}

TEST_F(SaveFile, DeletingAMissingFileIsNoFault) {
    WriteWholeFile(SaveFolder + "A.sav", "x");
    EXPECT_TRUE(DeleteSaveFile(SaveFolder + "A.sav"));
    EXPECT_FALSE(fs::exists(SaveFolder + "A.sav"));
    EXPECT_TRUE(DeleteSaveFile(SaveFolder + "A.sav"));
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST(SaveFileNames, OnlyEntriesDirectlyInTheFolder) {
    const std::string Folder = "/home/p/.local/share/Quellow/";
    const struct {
        std::string Name;
        bool Inside;
    } Cases[] = {
        {Folder + "ANNA.sav", true},
        {Folder + "..sav", true},
        {Folder + "...", true},
        {Folder + "..", false},
        {Folder + ".", false},
        {Folder, false},
        {Folder + "../ANNA.sav", false},
        {Folder + "A/B.sav", false},
        {Folder + std::string("A\0B.sav", 7), false},
        {"/home/p/.local/share/Quellow.sav", false},
        {"/etc/passwd", false},
    };
    for (const auto& C : Cases) EXPECT_EQ(IsFileDirectlyIn(Folder, C.Name), C.Inside) << C.Name;
    EXPECT_FALSE(IsFileDirectlyIn("/no/trailing/slash", "/no/trailing/slash/A.sav"));
}

TEST_F(SaveFile, StaleTemporariesAreRemovedAndNothingElse) {
    const std::vector<std::string> Leftovers = {".Names.dat.123-0.tmp", ".ANNA.sav.99-17.tmp"};
    const std::vector<std::string> Kept = {".hidden.tmp", ".ANNA.sav.x-1.tmp", "ANNA.sav", "Names.dat.damaged",
                                           ".ANNA.sav.12-3.tmp.sav"};
    for (const auto& Name : Leftovers) WriteWholeFile(SaveFolder + Name, "x");
    for (const auto& Name : Kept) WriteWholeFile(SaveFolder + Name, "x");
    fs::create_directory(SaveFolder + ".Dir.1-1.tmp");
    EXPECT_EQ(RemoveStaleSaveTemporaries(SaveFolder), 2);
    std::vector<std::string> Expected = Kept;
    Expected.push_back(".Dir.1-1.tmp");
    std::sort(Expected.begin(), Expected.end());
    EXPECT_EQ(FolderEntries(SaveFolder), Expected);
}

}  // namespace
