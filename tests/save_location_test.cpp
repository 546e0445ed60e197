#include "app/save_location.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
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
  namespace fs = std::filesystem;
  const auto kReadOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
                         fs::perms::others_read | fs::perms::others_exec;
  if (::geteuid() != 0) {
    fs::permissions(dir.path(), kReadOnly);
    EXPECT_FALSE(FolderWritable(dir.path()));
    fs::permissions(dir.path(), fs::perms::owner_all);
    return;
  }
  // Root may write anywhere: a child that has become nobody asks instead, once of a folder it may
  // only read and once of one it may write.
  auto as_nobody = [&](fs::perms perms) {
    fs::permissions(dir.path(), perms);
    pid_t child = ::fork();
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
      ::_exit(FolderWritable(dir.path()) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  EXPECT_EQ(as_nobody(kReadOnly), 0);
  EXPECT_EQ(as_nobody(fs::perms::all), 1);
  fs::permissions(dir.path(), fs::perms::owner_all);
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
