#include "app/save_location.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/play_fixtures.h"

namespace cw::test {
namespace {

TEST(SaveLocationTest, AWritableDataFolderKeepsTheSavedGame) {
  EXPECT_EQ(ChooseSaveFolder("/games/cinderwake/data", true, "/home/ann/.data", "/home/ann"), "/games/cinderwake/data");
}

TEST(SaveLocationTest, OtherwiseThePlayersDataFolderFromTheEnvironment) {
  EXPECT_EQ(ChooseSaveFolder("/usr/lib/cinderwake/data", false, "/home/ann/.data", "/home/ann"),
            "/home/ann/.data/cinderwake");
}

TEST(SaveLocationTest, WithoutXdgDataHomeTheDefaultUnderHome) {
  EXPECT_EQ(ChooseSaveFolder("/usr/lib/cinderwake/data", false, nullptr, "/home/ann"),
            "/home/ann/.local/share/cinderwake");
  EXPECT_EQ(ChooseSaveFolder("/usr/lib/cinderwake/data", false, "", "/home/ann"), "/home/ann/.local/share/cinderwake");
}

TEST(SaveLocationTest, RelativeEnvironmentValuesAreIgnored) {
  EXPECT_EQ(ChooseSaveFolder("/usr/lib/cinderwake/data", false, "data", "/home/ann"),
            "/home/ann/.local/share/cinderwake");
  EXPECT_EQ(ChooseSaveFolder("/usr/lib/cinderwake/data", false, "data", "ann"), "/usr/lib/cinderwake/data");
  EXPECT_EQ(ChooseSaveFolder("/usr/lib/cinderwake/data", false, nullptr, nullptr), "/usr/lib/cinderwake/data");
}

TEST(SaveLocationTest, WritableFoldersAreTold) {
  ScratchDir dir;
  EXPECT_TRUE(FolderWritable(dir.path()));
  EXPECT_FALSE(FolderWritable(dir.path() / "missing"));
  if (::geteuid() != 0) {  // root may write anywhere
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(FolderWritable(dir.path()));
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
  }
}

TEST(SaveLocationTest, OnWindowsAReadOnlyDataFolderSendsTheSavedGameToAppData) {
  namespace fs = std::filesystem;
  fs::path data = fs::path("C:") / "Games" / "Cinderwake" / "data";
  fs::path app_data = fs::path("C:") / "Users" / "ann" / "AppData" / "Roaming";
  EXPECT_EQ(ChooseWindowsSaveFolder(data, true, app_data), data);
  EXPECT_EQ(ChooseWindowsSaveFolder(data, false, app_data), app_data / "Cinderwake");
  // Nowhere better: saving will fail, as it would have in the data folder.
  EXPECT_EQ(ChooseWindowsSaveFolder(data, false, std::nullopt), data);
  EXPECT_EQ(ChooseWindowsSaveFolder(data, false, fs::path()), data);
}

}  // namespace
}  // namespace cw::test
