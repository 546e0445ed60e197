#include "app/data_location.h"

#include <fstream>

#include <gtest/gtest.h>

#include "support/play_fixtures.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

// A scratch prefix laid out like an installation: <prefix>/games and <prefix>/share/games/cinderwake.
struct Prefix {
  ScratchDir dir;
  fs::path games = dir.path() / "games";
  fs::path installed = dir.path() / "share" / "games" / "cinderwake";
  Prefix() { fs::create_directories(games); }
};

TEST(DataLocationTest, TheDataFolderBesideTheProgramComesFirst) {
  Prefix p;
  fs::create_directories(p.games / "data");
  fs::create_directories(p.installed);
  auto found = FindDataFolder(p.games, "../share/games/cinderwake");
  EXPECT_EQ(found.folder, p.games / "data");
  EXPECT_FALSE(found.installed);
}

TEST(DataLocationTest, ElseTheInstalledOneRelativeToTheProgram) {
  Prefix p;
  fs::create_directories(p.installed);
  auto found = FindDataFolder(p.games, "../share/games/cinderwake");
  EXPECT_EQ(found.folder, p.installed.lexically_normal());
  EXPECT_TRUE(found.installed);
}

TEST(DataLocationTest, WithNeitherTheOneBesideTheProgramIsNamed) {
  Prefix p;
  auto found = FindDataFolder(p.games, "../share/games/cinderwake");
  EXPECT_EQ(found.folder, p.games / "data");
  EXPECT_FALSE(found.installed);
  EXPECT_EQ(FindDataFolder(p.games, "").folder, p.games / "data");
}

TEST(DataLocationTest, AFileIsNoDataFolder) {
  Prefix p;
  fs::create_directories(p.installed.parent_path());
  { std::ofstream(p.installed) << "not a folder"; }
  EXPECT_EQ(FindDataFolder(p.games, "../share/games/cinderwake").folder, p.games / "data");
}

}  // namespace
}  // namespace cw::test
