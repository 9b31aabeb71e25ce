// Where an executable finds the game's data: beside itself (a build, a game in one
// folder) or, installed, in share/quellow beside its bin folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "FoldersClass.h"
#include "TestSupport.h"

namespace {

TEST(GameDataFolder, BesideTheExecutableThenTheInstalledShareFolder) {
    TTempFolder Root;
    const std::string Build = Root.Path() + "game/";
    const std::string Bin = Root.Path() + "prefix/bin/";
    const std::string Share = Root.Path() + "prefix/share/quellow/";
    const std::string Lonely = Root.Path() + "elsewhere/bin/";
    std::filesystem::create_directories(Build + "Texts");
    std::filesystem::create_directories(Bin);
    std::filesystem::create_directories(Share + "Texts");
    std::filesystem::create_directories(Lonely);
    // A build keeps the data beside the executable, even with a share folder around it.
    std::filesystem::create_directories(Root.Path() + "share/quellow/Texts");
    EXPECT_EQ(GameDataFolder(Build), Build);
    EXPECT_EQ(GameDataFolder(Bin), Share);
    EXPECT_EQ(GameDataFolder(Root.Path() + "prefix/bin"), Share) << "without the trailing slash";
    // Nowhere: the executable's own folder, where the game then says what is missing.
    EXPECT_EQ(GameDataFolder(Lonely), Lonely);
    EXPECT_EQ(GameDataFolder(""), "");
}

}  // namespace
