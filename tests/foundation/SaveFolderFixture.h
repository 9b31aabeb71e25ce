// A save folder of its own for each test, with message boxes captured and the
// record of reported save failures cleared.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FoldersClass.h"
#include "SaveFileClass.h"
#include "TestSupport.h"

class SaveFolderTest : public ::testing::Test {
protected:
    SaveFolderTest() : FOldSaveFolder(SaveFolder) {
        SaveFolder = Temp.Path() + "Quellow/";
        std::filesystem::create_directory(SaveFolder);
        ForgetReportedSaveFailures();
    }
    ~SaveFolderTest() override {
        SaveFolder = FOldSaveFolder;
        ForgetReportedSaveFailures();
    }

    // Counts the captured messages whose text holds Fragment.
    int MessagesMentioning(const std::string& Fragment) const {
        int Count = 0;
        for (const auto& M : Messages.Messages()) Count += M.Text.find(Fragment) != std::string::npos;
        return Count;
    }

    TTempFolder Temp;
    TMessageCapture Messages;

private:
    std::string FOldSaveFolder;
};
