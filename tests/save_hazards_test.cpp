// What a player's machine does to a save in progress: the program killed at any moment, a full disk.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <random>
#include <vector>

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include "savegame/save_file.h"
#include "savegame/save_format.h"
#include "settings/settings_file.h"
#include "support/play_fixtures.h"
#include "support/screens_fixtures.h"
#include "support/test_game.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

TEST(SaveHazardsTest, KilledWhileSavingLeavesTheOldSaveOrTheNewOneWhole) {
  ScratchDir dir;
  TestGame t;
  t.g.save_dir = dir.path();
  // Two saved games that differ, as the loop below writes them in turn.
  auto save_as = [&](int x) {
    t.g.My_x = x;
    EXPECT_TRUE(SaveGame(t.g));
    return ReadBytes(dir.path() / kSaveFileName);
  };
  const std::string first = save_as(100), second = save_as(200);
  ASSERT_NE(first, second);

  // The kills land anywhere within the time a forked child takes to start and finish two saves, and
  // at least 3 ms: under sanitizers and a busy machine a fork alone can take longer than that.
  auto child_saves_once = [&] {
    auto start = std::chrono::steady_clock::now();
    pid_t child = ::fork();
    if (child == 0) {
      t.g.My_x = 100;
      SaveGame(t.g);
      ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
  };
  std::vector<int64_t> times;
  for (int i = 0; i < 5; ++i) times.push_back(child_saves_once());
  std::sort(times.begin(), times.end());
  const auto window = useconds_t(std::max<int64_t>(3000, 2 * times[2]));

  std::mt19937 rng(5);
  int kills = 0, saw_first = 0, saw_second = 0;
  for (int round = 0; round < 1000; ++round) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int x = 100;; x = 300 - x) {
        t.g.My_x = x;
        SaveGame(t.g);
      }
    }
    ::usleep(std::uniform_int_distribution<useconds_t>(0, window)(rng));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    kills += WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    const std::string now = ReadBytes(dir.path() / kSaveFileName);
    ASSERT_TRUE(now == first || now == second) << "after kill " << round << ": " << now.size() << " bytes";
    saw_first += now == first;
    saw_second += now == second;
    // At most the one temporary file, which the next save writes over from its start.
    for (const auto& entry : fs::directory_iterator(dir.path())) {
      const auto name = entry.path().filename().string();
      ASSERT_TRUE(name == kSaveFileName || name == kSaveTempName) << name;
    }
  }
  std::cout << kills << " kills while saving, within " << window << " us of the fork: " << saw_first
            << " times the one save, " << saw_second << " times the other\n";
  EXPECT_EQ(kills, 1000);
  EXPECT_GT(saw_first, 0);
  EXPECT_GT(saw_second, 0);

  // The next save and load go on as usual, and leave no temporary file behind.
  const std::string last = save_as(250);
  EXPECT_FALSE(fs::exists(dir.path() / kSaveTempName));
  t.g.My_x = 0;
  ASSERT_TRUE(LoadGame(t.g));
  EXPECT_EQ(double(t.g.My_x), 250);
  EXPECT_EQ(ReadBytes(dir.path() / kSaveFileName), last);
}

// A small file system of its own, mounted for the test; only root may make one.
class TinyDisk {
 public:
  TinyDisk() {
    path_ = scratch_.path() / "disk";
    fs::create_directories(path_);
    mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=16k") == 0;
  }
  ~TinyDisk() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  const fs::path& path() const { return path_; }
  // Writes a file until the disk is full.
  void Fill() {
    std::ofstream out(path_ / "filler", std::ios::binary);
    std::string block(512, 'x');
    for (int i = 0; i < 1000 && out; ++i) out.write(block.data(), std::streamsize(block.size())), out.flush();
  }

 private:
  ScratchDir scratch_;
  fs::path path_;
  bool mounted_ = false;
};

TEST(SaveHazardsTest, AFullDiskSaysSoAndKeepsThePreviousSave) {
  TinyDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small tmpfs can't be mounted here (needs root)";
  DataCopy data;
  const auto dir = data.path();
  // A new game from the keys, then the in-game menu's first entry, Save.
  auto play_and_save = [&](const std::string& walk) {
    const std::string script = "6000 key Down\n6100 key Down\n6200 key Enter\n9500 key Space\n15100 key Enter\n" +
                               walk + "15500 click 742 48\n15800 key Down\n15900 key Enter\n17000 dump " +
                               (dir / "saved.json").string() + "\n17000 quit\n";
    auto r = RunHeadless(dir, script, {"--data-dir", dir.string(), "--save-dir", disk.path().string()});
    EXPECT_EQ(r.status, 0) << r.out;
    return ReadJson(dir / "saved.json")["state"]["TextSMS"].get<std::string>();
  };
  ASSERT_EQ(play_and_save(""), "Game successfully saved !");
  const std::string previous = ReadBytes(disk.path() / kSaveFileName);

  disk.Fill();
  EXPECT_EQ(play_and_save("15200 key down Right\n15450 key up Right\n"), "Can't save game !");
  EXPECT_EQ(ReadBytes(disk.path() / kSaveFileName), previous);
  EXPECT_FALSE(fs::exists(disk.path() / kSaveTempName));
}

// The settings file on a full disk: the change is not kept, the player is told so, and the file keeps
// what it held.
TEST(SaveHazardsTest, AFullDiskSaysSoAndKeepsThePreviousSettingsFile) {
  TinyDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small tmpfs can't be mounted here (needs root)";
  DataCopy data;
  const auto config = disk.path() / "config";
  const auto file = config / kSettingsFileName;
  const auto dump = data.path() / "d.json";
  // The volume key, after the splash, changes a setting and so writes the file.
  auto volume_down = [&](int volume_after) {
    auto r = RunHeadless(data.path(), "6100 key Minus\n6200 dump " + dump.string() + "\n6200 quit\n",
                         {"--data-dir", data.path().string(), "--config-dir", config.string()});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(ReadJson(dump)["settings"]["music_volume"], volume_after);
    return r.out;
  };
  ASSERT_EQ(volume_down(90), "");
  const std::string previous = ReadBytes(file);
  ASSERT_NE(previous.find("music_volume = 90\n"), std::string::npos) << previous;

  disk.Fill();
  // The game plays on with the change it could not keep.
  EXPECT_EQ(volume_down(80),
            "cinderwake: can't write the settings file " + file.string() + ": the new file can't be written\n");
  EXPECT_EQ(ReadBytes(file), previous);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(config)) names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{kSettingsFileName});
}

}  // namespace
}  // namespace cw::test
