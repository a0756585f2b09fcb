#include "platform/program_location.h"

#include <gtest/gtest.h>

#include "platform/testing/test_folder.h"

namespace platform {
namespace {

TEST(ProgramLocation, AWritableProgramFolderIsUsedAsItIs) {
    basic::testing::TestFolder exe, user;
    EXPECT_EQ(ChooseProgramFolder(exe.path(), user / "Pantrivo"), exe.path());
    EXPECT_FALSE(std::filesystem::exists(user / "Pantrivo"));
}

TEST(ProgramLocation, OtherwiseTheUserFolderIsMadeForIt) {
    basic::testing::TestFolder user;
    const auto chosen = ChooseProgramFolder("/nonexistent/pantrivo/bin", user / "data" / "Pantrivo");
    EXPECT_EQ(chosen, user / "data" / "Pantrivo");
    EXPECT_TRUE(std::filesystem::is_directory(chosen));
}

TEST(ProgramLocation, UserDataFolderFollowsXdgDataHome) {
    ::setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
    EXPECT_EQ(UserDataFolder(), std::filesystem::path("/tmp/xdg-data/Pantrivo"));
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", "/home/cook", 1);
    EXPECT_EQ(UserDataFolder(), std::filesystem::path("/home/cook/.local/share/Pantrivo"));
}

}  // namespace
}  // namespace platform
