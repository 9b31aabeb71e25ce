// A game killed at any moment while it saves must leave a progress file that
// loads as the old record or the new one, never a damaged one. A child process
// saves in a loop and is killed at random moments, many times over.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "GeneralRoutinesClass.h"
#include "PlayerProgressClass.h"
#include "RandomClass.h"
#include "SaveFolderFixture.h"

namespace fs = std::filesystem;

namespace {

// Every block of record number Serial carries the serial, so a record torn
// between two saves cannot pass for a whole one.
TProgressRecord RecordNumber(int32_t Serial) {
    TProgressRecord R;
    const auto Byte = static_cast<uint8_t>(Serial * 31 + 7);
    for (auto& Island : R.BestTimes) {
        for (auto& Time : Island) Time = Serial;
    }
    R.ScoreTotal = Serial;
    R.MoneyTotal = Serial;
    for (auto& Flag : R.GardenObjects) Flag = Byte;
    for (auto& Flag : R.ShopBlock) Flag = Byte;
    for (auto& Island : R.PlantsAnnounced) {
        for (auto& Flag : Island) Flag = Byte;
    }
    R.MagicKeys = R.Brooms = R.Aerosols = Serial;
    R.Padding = Byte;
    return R;
}

int TemporaryFilesIn(const std::string& Folder) {
    int Count = 0;
    for (const auto& Entry : fs::directory_iterator(Folder)) Count += Entry.path().extension() == ".tmp";
    return Count;
}

[[noreturn]] void SaveForever(int32_t FirstSerial) {
    TPlayerProgress Progress;
    for (int32_t Serial = FirstSerial; Serial < FirstSerial + 100000; ++Serial) {
        Progress.Record() = RecordNumber(Serial);
        if (!Progress.Save("KILLME")) _exit(3);
    }
    _exit(0);
}

using ProgressKill = SaveFolderTest;

TEST_F(ProgressKill, KilledWhileSavingLeavesTheOldOrTheNewRecord) {
    TPlayerProgress Progress;
    Progress.MakeBlankRecord();
    Progress.Record() = RecordNumber(0);
    ASSERT_TRUE(Progress.Save("KILLME"));

    // How long one save takes here (flushing to disk dominates), to spread the
    // kills over the first few saves of each child.
    const auto Start = std::chrono::steady_clock::now();
    for (int I = 0; I < 5; ++I) ASSERT_TRUE(Progress.Save("KILLME"));
    const auto PerSave = (std::chrono::steady_clock::now() - Start) / 5;
    const int64_t MaxDelayUs =
        std::max<int64_t>(2000, 3 * std::chrono::duration_cast<std::chrono::microseconds>(PerSave).count());

    TRandomStream Delays(77);
    int32_t LastSerial = 0;
    int Advanced = 0;
    int Interrupted = 0;
    // Many kills, yet a few seconds at most on a slow disk.
    constexpr int MostKills = 60;
    constexpr int FewestKills = 20;
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    int Kill = 0;
    for (; Kill < MostKills && (Kill < FewestKills || std::chrono::steady_clock::now() < Deadline); ++Kill) {
        const pid_t Child = fork();
        ASSERT_GE(Child, 0);
        if (Child == 0) SaveForever(LastSerial + 1);
        std::this_thread::sleep_for(std::chrono::microseconds(Delays.Next(static_cast<int32_t>(MaxDelayUs))));
        kill(Child, SIGKILL);
        int Status = 0;
        ASSERT_EQ(waitpid(Child, &Status, 0), Child);
        ASSERT_TRUE(WIFSIGNALED(Status)) << "the child stopped saving by itself: " << WEXITSTATUS(Status);

        ASSERT_EQ(Progress.Load("KILLME"), lrLoaded) << "kill " << Kill;
        const int32_t Serial = Progress.Record().ScoreTotal;
        ASSERT_EQ(Progress.Record(), RecordNumber(Serial)) << "kill " << Kill << ": a torn record";
        ASSERT_GE(Serial, LastSerial) << "kill " << Kill << ": an older record came back";
        Advanced += Serial > LastSerial;
        LastSerial = Serial;
        // A temporary file left behind means this kill struck in the middle of a save.
        const int Left = TemporaryFilesIn(SaveFolder);
        Interrupted += Left > 0;
        EXPECT_EQ(RemoveStaleSaveTemporaries(SaveFolder), Left);
    }
    RecordProperty("Kills", Kill);
    RecordProperty("KillsMidSave", Interrupted);
    RecordProperty("KillsAfterNewSaves", Advanced);
    EXPECT_GT(Interrupted, 0) << "no kill landed inside a save; the test proved nothing";
    EXPECT_EQ(TemporaryFilesIn(SaveFolder), 0);
    EXPECT_TRUE(Messages.Messages().empty());
}

}  // namespace
