// The player's settings through the real program, headless: the options screen changes them, the file
// keeps them for the next run, a damaged file costs only its bad lines, and neither the options screen
// nor a lost focus changes the course of a game.
#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/screens_fixtures.h"
#include "support/test_game.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Through the menu's New Game, the story and the abilities screen into play, which starts at 14000;
// its passes then run every 21 ms.
const char* const kIntoPlay =
    "5500 key Down\n"
    "5600 key Down\n"
    "5700 key Enter\n"
    "6500 key Enter\n"
    "14000 key Enter\n";

// A time of a pass of play: `n` passes after its start.
int64_t PassTime(int n) { return 14000 + 21 * n; }

// Script lines with their times moved on by `by`.
std::string Later(const std::string& lines, int64_t by) {
  std::istringstream in(lines);
  std::string out, line;
  while (std::getline(in, line)) {
    size_t space = line.find(' ');
    out += std::to_string(std::stoll(line.substr(0, space)) + by) + line.substr(space) + "\n";
  }
  return out;
}

// The lines of a script in time order (lines of the same time keep theirs).
std::string InTimeOrder(const std::string& lines) {
  std::istringstream in(lines);
  std::vector<std::pair<int64_t, std::string>> all;
  for (std::string line; std::getline(in, line);) all.emplace_back(std::stoll(line), line);
  std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string out;
  for (const auto& [t, line] : all) out += line + "\n";
  return out;
}

class SettingsSession : public ::testing::Test {
 protected:
  fs::path config() const { return data.path() / "config"; }
  fs::path file() const { return config() / "settings.ini"; }
  RunResult Run(const std::string& script) {
    return RunHeadless(data.path(), InTimeOrder(script),
                       {"--data-dir", data.path().string(), "--config-dir", config().string()});
  }
  nlohmann::json Dump(const std::string& name) { return ReadJson(data.path() / name); }
  std::string DumpLine(int64_t t, const std::string& name) {
    return std::to_string(t) + " dump " + (data.path() / name).string() + "\n";
  }
  DataCopy data;
};

TEST_F(SettingsSession, TheOptionsScreenChangesSettingsThatTheNextRunStartsWith) {
  // Over the main menu: volume one step down, the music off, fire on Space.
  std::string script =
      "6100 key F1\n"
      "6200 key Left\n"
      "6300 key Down\n"
      "6400 key Enter\n";
  for (int i = 0; i < 9; ++i) script += std::to_string(6500 + 10 * i) + " key Down\n";  // to FIRE
  script +=
      "6700 key Enter\n"
      "6750 key Up\n"  // refused: walking forward has it
      "6800 key Space\n" +
      DumpLine(6850, "open.json") + "6900 key Escape\n" + DumpLine(7000, "first.json") + "7100 quit\n";
  auto r = Run(script);
  ASSERT_EQ(r.status, 0) << r.out;
  auto open = Dump("open.json");
  EXPECT_EQ(open["paused"], true);
  auto first = Dump("first.json");
  EXPECT_EQ(first["paused"], false);
  EXPECT_EQ(first["settings"]["music_volume"], 90);
  EXPECT_EQ(first["settings"]["mute"], true);
  EXPECT_EQ(first["settings"]["keys"]["fire"], "Space");
  EXPECT_EQ(first["settings"]["keys"]["up"], "Up");
  std::string text = ReadBytes(file());
  EXPECT_NE(text.find("music_volume = 90\n"), std::string::npos) << text;
  EXPECT_NE(text.find("mute = true\n"), std::string::npos) << text;
  EXPECT_NE(text.find("fire = Space\n"), std::string::npos) << text;

  // The next run starts with them: Space fires, Ctrl no longer does.
  r = Run(DumpLine(0, "start.json") + kIntoPlay + "15000 key Space\n" + DumpLine(15100, "space.json") +
          "15200 key Ctrl\n" + DumpLine(15300, "ctrl.json") + "15400 quit\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(Dump("start.json")["settings"], first["settings"]);
  auto space = Dump("space.json");
  ASSERT_EQ(space["focus"], "picCity_base");
  EXPECT_EQ(space["state"]["ShotsFired"], 1);
  EXPECT_EQ(Dump("ctrl.json")["state"]["ShotsFired"], 1);
  EXPECT_EQ(ReadBytes(file()), text);  // nothing changed, nothing written
}

TEST_F(SettingsSession, TheVolumeAndFullScreenKeysWorkAnywhereAndAreKept) {
  // On the main menu, after the splash.
  auto r = Run("6100 key Minus\n6200 key Minus\n6300 key M\n6400 key F11\n" + DumpLine(6500, "d.json") + "6600 quit\n");
  ASSERT_EQ(r.status, 0) << r.out;
  auto d = Dump("d.json");
  EXPECT_EQ(d["settings"]["music_volume"], 80);
  EXPECT_EQ(d["settings"]["mute"], true);
  EXPECT_EQ(d["settings"]["full_screen"], false);
  EXPECT_NE(ReadBytes(file()).find("full_screen = false\n"), std::string::npos);
}

TEST_F(SettingsSession, ADamagedFileCostsOnlyItsBadLinesAndIsKeptWhenReplaced) {
  fs::create_directories(config());
  const std::string damaged =
      "[sound]\n"
      "music_volume = 150\n"
      "mute = true\n"
      "[display]\n"
      "garbage without an equals sign\n"
      "scaling = smooth\n"
      "[keys]\n"
      "fire = Hyperspace\n"
      "up = W\n";
  WriteText(file(), damaged);
  auto r = Run(DumpLine(100, "d.json") + "200 quit\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find(file().string() + " line 2: music_volume"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(file().string() + " line 5: "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(file().string() + " line 8: no key is named \"Hyperspace\""), std::string::npos) << r.out;
  auto s = Dump("d.json")["settings"];
  EXPECT_EQ(s["music_volume"], 100);
  EXPECT_EQ(s["mute"], true);
  EXPECT_EQ(s["scaling"], "smooth");
  EXPECT_EQ(s["keys"]["fire"], "Ctrl");
  EXPECT_EQ(s["keys"]["up"], "W");
  EXPECT_EQ(ReadBytes(file()), damaged);
  EXPECT_FALSE(fs::exists(config() / "settings.ini.bak"));

  // A change replaces it, and the player's file stays beside the new one.
  r = Run("6100 key Minus\n6200 quit\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(ReadBytes(config() / "settings.ini.bak"), damaged);
  std::string now = ReadBytes(file());
  EXPECT_NE(now.find("music_volume = 90\n"), std::string::npos) << now;
  EXPECT_NE(now.find("mute = false\n"), std::string::npos) << now;  // a volume key ends the mute
  EXPECT_NE(now.find("up = W\n"), std::string::npos) << now;
  EXPECT_NE(now.find("fire = Ctrl\n"), std::string::npos) << now;
}

TEST_F(SettingsSession, AFileThatCantBeReadGivesTheDefaults) {
  fs::create_directories(file() / "inside");
  auto r = Run(DumpLine(100, "d.json") + "200 quit\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("can't read the settings file " + file().string()), std::string::npos) << r.out;
  EXPECT_EQ(Dump("d.json")["settings"]["music_volume"], 100);
  EXPECT_TRUE(fs::is_directory(file()));
}

// The same walk, shots and turns in play, its lines after `from` moved on by `by`.
std::string Play(int64_t from, int64_t by, const std::string& dump) {
  std::string late =
      "15000 key up Up\n"
      "15100 key Ctrl\n"
      "15300 key down Right\n"
      "15500 key up Right\n"
      "15600 key down Up\n"
      "16400 key Ctrl\n"
      "16900 key up Up\n" +
      std::string("17500 dump ") + dump + "\n";
  (void)from;
  return std::string(kIntoPlay) + "14500 key down Up\n" + Later(late, by);
}

TEST_F(SettingsSession, TenSecondsOfOptionsInPlayChangeNothingButTheClock) {
  auto r = Run(Play(0, 0, (data.path() / "plain.json").string()));
  ASSERT_EQ(r.status, 0) << r.out;
  int64_t at = PassTime(40);  // between 14500 and 15000
  r = Run(Play(0, 10000, (data.path() / "options.json").string()) + std::to_string(at) + " key F1\n" +
          std::to_string(at + 3000) + " key Down\n" + std::to_string(at + 10000) + " key Escape\n");
  ASSERT_EQ(r.status, 0) << r.out;
  auto plain = Dump("plain.json"), options = Dump("options.json");
  EXPECT_EQ(options["tick"], plain["tick"].get<int64_t>() + 10000);
  plain.erase("tick");
  options.erase("tick");
  EXPECT_EQ(options, plain);
  EXPECT_EQ(plain["state"]["ShotsFired"], 2);
}

TEST_F(SettingsSession, TenSecondsWithoutTheFocusInPlayChangeNothingButTheClock) {
  auto r = Run(Play(0, 0, (data.path() / "plain.json").string()));
  ASSERT_EQ(r.status, 0) << r.out;
  int64_t at = PassTime(40);
  r = Run(Play(0, 10000, (data.path() / "away.json").string()) + std::to_string(at) + " focus lost\n" +
          DumpLine(at + 5000, "meanwhile.json") + std::to_string(at + 10000) + " focus gained\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(Dump("meanwhile.json")["paused"], true);
  auto plain = Dump("plain.json"), away = Dump("away.json");
  plain.erase("tick");
  away.erase("tick");
  EXPECT_EQ(away, plain);
}

TEST_F(SettingsSession, ARecordingWithTheOptionsAndALostFocusReplaysTheSame) {
  // Fire rebound to Space in the file: the replay has to play with the recorded keys, not its own.
  fs::create_directories(config());
  WriteText(file(), "[keys]\nfire = Space\n");
  fs::path recording = data.path() / "session.txt";
  int64_t at = PassTime(40);
  std::string script = Play(0, 20000, (data.path() / "recorded.json").string()) + std::to_string(at) + " key F1\n" +
                       std::to_string(at + 2000) + " key Left\n" + std::to_string(at + 10000) + " key F1\n" +
                       std::to_string(at + 10100) + " focus lost\n" + std::to_string(at + 20000) + " focus gained\n" +
                       std::to_string(PassTime(50) + 20000) + " key Space\n";
  auto r = RunHeadless(
      data.path(), InTimeOrder(script),
      {"--data-dir", data.path().string(), "--config-dir", config().string(), "--record", recording.string()});
  ASSERT_EQ(r.status, 0) << r.out;
  auto recorded = Dump("recorded.json");
  EXPECT_EQ(recorded["settings"]["music_volume"], 90);
  EXPECT_EQ(recorded["state"]["ShotsFired"], 1);  // the Space; the two Ctrl presses fire nothing
  WriteText(file(), "[keys]\nfire = Ctrl\n");     // what the player's file says now

  r = RunHeadless(
      data.path(), "37500 dump " + (data.path() / "replayed.json").string() + "\n",
      {"--replay", recording.string(), "--data-dir", data.path().string(), "--config-dir", config().string()});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(Dump("replayed.json"), recorded);
  EXPECT_EQ(ReadBytes(file()), "[keys]\nfire = Ctrl\n");  // a replay writes no settings
}

TEST_F(SettingsSession, WithPausingOffTheGameGoesOnWithoutTheFocus) {
  fs::create_directories(config());
  WriteText(file(), "[display]\npause_on_focus_loss = false\n");
  auto r = Run(std::string(kIntoPlay) + "14500 focus lost\n" + DumpLine(15000, "d.json") + "15100 quit\n");
  ASSERT_EQ(r.status, 0) << r.out;
  auto d = Dump("d.json");
  EXPECT_EQ(d["paused"], false);
  EXPECT_GT(d["passes"].get<int>(), 40);
}

}  // namespace
}  // namespace cw::test
