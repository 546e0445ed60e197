#include "settings/settings_file.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "support/play_fixtures.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

void WriteAll(const fs::path& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << text;
}

TEST(SettingsFileTest, TheDefaults) {
  Settings s;
  EXPECT_EQ(s.music_volume, 100);
  EXPECT_FALSE(s.muted);
  EXPECT_TRUE(s.full_screen);
  EXPECT_EQ(s.window_width, 0);
  EXPECT_EQ(s.scaling, Scaling::Sharp);
  EXPECT_TRUE(s.pause_on_focus_loss);
  EXPECT_EQ(s.Key(PlayAction::Up), kKeyUp);
  EXPECT_EQ(s.Key(PlayAction::Down), kKeyDown);
  EXPECT_EQ(s.Key(PlayAction::Left), kKeyLeft);
  EXPECT_EQ(s.Key(PlayAction::Right), kKeyRight);
  EXPECT_EQ(s.Key(PlayAction::Fire), kKeyCtrl);
}

TEST(SettingsFileTest, EverySettingReadsBack) {
  auto parsed = ParseSettings(
      "[sound]\n"
      "music_volume = 30\n"
      "mute = true\n"
      "[display]\n"
      "full_screen = false\n"
      "window_size = 1200x900\n"
      "scaling = smooth\n"
      "pause_on_focus_loss = false\n"
      "[keys]\n"
      "up = W\n"
      "down = S\n"
      "left = A\n"
      "right = D\n"
      "fire = Space\n");
  EXPECT_TRUE(parsed.problems.empty());
  const Settings& s = parsed.settings;
  EXPECT_EQ(s.music_volume, 30);
  EXPECT_TRUE(s.muted);
  EXPECT_FALSE(s.full_screen);
  EXPECT_EQ(s.window_width, 1200);
  EXPECT_EQ(s.window_height, 900);
  EXPECT_EQ(s.scaling, Scaling::Smooth);
  EXPECT_FALSE(s.pause_on_focus_loss);
  EXPECT_EQ(s.keys, (std::array<int, 5>{'W', 'S', 'A', 'D', kKeySpace}));
}

TEST(SettingsFileTest, WrittenFileReadsBackTheSame) {
  Settings s;
  s.music_volume = 70;
  s.full_screen = false;
  s.window_width = 1600;
  s.window_height = 1200;
  s.Key(PlayAction::Fire) = kKeySpace;
  s.Key(PlayAction::Up) = kKeyF1 + 4;
  std::string text = FormatSettings(s);
  EXPECT_NE(text.find("[sound]\n"), std::string::npos);
  EXPECT_NE(text.find("music_volume = 70\n"), std::string::npos);
  EXPECT_NE(text.find("window_size = 1600x1200\n"), std::string::npos);
  EXPECT_NE(text.find("fire = Space\n"), std::string::npos);
  EXPECT_NE(text.find("up = F5\n"), std::string::npos);
  EXPECT_NE(text.find("\n# "), std::string::npos);  // commented
  auto parsed = ParseSettings(text);
  EXPECT_TRUE(parsed.problems.empty());
  EXPECT_EQ(parsed.settings, s);
  EXPECT_EQ(ParseSettings(FormatSettings(Settings{})).settings, Settings{});
  EXPECT_NE(FormatSettings(Settings{}).find("window_size = auto\n"), std::string::npos);
}

TEST(SettingsFileTest, SpacesCaseCommentsAndCarriageReturnsAreForgiven) {
  auto parsed =
      ParseSettings("; old style\r\n  [ Sound ]\r\n\tMUSIC_VOLUME=40 \r\n# x\r\n[keys]\r\nfire =ctrl\r\nup = w");
  EXPECT_TRUE(parsed.problems.empty());
  EXPECT_EQ(parsed.settings.music_volume, 40);
  EXPECT_EQ(parsed.settings.Key(PlayAction::Fire), kKeyCtrl);
  EXPECT_EQ(parsed.settings.Key(PlayAction::Up), 'W');
}

TEST(SettingsFileTest, EachBadLineCostsOnlyWhatItSets) {
  auto parsed = ParseSettings(
      "[sound]\n"
      "music_volume = 105\n"  // 2: out of range
      "mute = true\n"
      "[display]\n"
      "scaling = blurry\n"     // 5
      "window_size = 10x10\n"  // 6
      "full_screen = false\n"
      "colour = red\n"  // 8: no such setting
      "[keys]\n"
      "fire = Hyper\n"   // 10: no such key
      "left = Escape\n"  // 11: kept by the game
      "right = J\n"
      "just words\n"  // 13
      "[extras]\n"    // 14
      "x = 1\n");
  ASSERT_EQ(parsed.problems.size(), 8u);
  std::vector<int> lines;
  for (const auto& p : parsed.problems) lines.push_back(p.line);
  EXPECT_EQ(lines, (std::vector<int>{2, 5, 6, 8, 10, 11, 13, 14}));
  EXPECT_EQ(parsed.problems[0].message, "music_volume is 0 to 100 in steps of 10, not \"105\"");
  EXPECT_EQ(parsed.problems[4].message, "no key is named \"Hyper\"");
  EXPECT_EQ(parsed.problems[5].message, "Escape is kept for the game's own use");
  const Settings& s = parsed.settings;
  EXPECT_EQ(s.music_volume, 100);
  EXPECT_TRUE(s.muted);
  EXPECT_EQ(s.scaling, Scaling::Sharp);
  EXPECT_EQ(s.window_width, 0);
  EXPECT_FALSE(s.full_screen);
  EXPECT_EQ(s.Key(PlayAction::Fire), kKeyCtrl);
  EXPECT_EQ(s.Key(PlayAction::Left), kKeyLeft);
  EXPECT_EQ(s.Key(PlayAction::Right), 'J');
}

TEST(SettingsFileTest, VolumesOffTheStepsAreRefused) {
  EXPECT_EQ(ParseSettings("[sound]\nmusic_volume = 45\n").problems.size(), 1u);
  EXPECT_EQ(ParseSettings("[sound]\nmusic_volume = -10\n").problems.size(), 1u);
  EXPECT_EQ(ParseSettings("[sound]\nmusic_volume = 0\n").settings.music_volume, 0);
}

TEST(SettingsFileTest, TwoActionsOnOneKeyGiveWayToTheDefault) {
  // fire takes Up from up, which has no line of its own: fire's line gives way.
  auto parsed = ParseSettings("[keys]\nfire = Up\n");
  ASSERT_EQ(parsed.problems.size(), 1u);
  EXPECT_EQ(parsed.problems[0].line, 2);
  EXPECT_EQ(parsed.problems[0].message, "Up is already the key for up");
  EXPECT_EQ(parsed.settings, Settings{});
  // Both from the file: the later line gives way.
  parsed = ParseSettings("[keys]\nup = W\ndown = W\n");
  ASSERT_EQ(parsed.problems.size(), 1u);
  EXPECT_EQ(parsed.problems[0].line, 3);
  EXPECT_EQ(parsed.settings.Key(PlayAction::Up), 'W');
  EXPECT_EQ(parsed.settings.Key(PlayAction::Down), kKeyDown);
  // A swap written out in full is fine.
  parsed = ParseSettings("[keys]\nup = Down\ndown = Up\n");
  EXPECT_TRUE(parsed.problems.empty());
  EXPECT_EQ(parsed.settings.Key(PlayAction::Up), kKeyDown);
}

TEST(SettingsFileTest, TheFolderComesFromTheEnvironment) {
  EXPECT_EQ(SettingsFolder("/home/ann/.cfg", "/home/ann"), fs::path("/home/ann/.cfg/cinderwake"));
  EXPECT_EQ(SettingsFolder(nullptr, "/home/ann"), fs::path("/home/ann/.config/cinderwake"));
  EXPECT_EQ(SettingsFolder("", "/home/ann"), fs::path("/home/ann/.config/cinderwake"));
  EXPECT_EQ(SettingsFolder("cfg", "/home/ann"), fs::path("/home/ann/.config/cinderwake"));
  EXPECT_EQ(SettingsFolder(nullptr, nullptr), fs::path());
}

TEST(SettingsFileTest, CutReorderedAndMadeUpLinesAreNamedByFileAndLine) {
  ScratchDir dir;
  const fs::path path = dir.path() / kSettingsFileName;
  const std::string at = "cinderwake: " + path.string() + " line ";
  auto load = [&](const std::string& text, Settings& s) {
    WriteAll(path, text);
    SettingsFile file(path);
    std::ostringstream warnings;
    s = file.Load(warnings);
    return warnings.str();
  };
  Settings s;
  // Cut in the middle of a value, and in the middle of a section's name.
  EXPECT_EQ(load("[sound]\nmusic_volume = 40\nmute = tr", s),
            at + "3: mute is true or false, not \"tr\"; the line is not used\n");
  EXPECT_EQ(s.music_volume, 40);
  EXPECT_FALSE(s.muted);
  EXPECT_EQ(load("[sound]\nmute = true\n[ke", s), at + "3: a section line is [name]; the line is not used\n");
  EXPECT_TRUE(s.muted);
  // Lines moved out of their sections.
  EXPECT_EQ(load("mute = true\n[keys]\nmusic_volume = 40\nup = W\n[sound]\nfire = Space\n", s),
            at + "1: \"mute\" comes before any [section]; the line is not used\n" + at +
                "3: no setting \"music_volume\" in [keys]; the line is not used\n" + at +
                "6: no setting \"fire\" in [sound]; the line is not used\n");
  Settings expected;
  expected.Key(PlayAction::Up) = 'W';
  EXPECT_EQ(s, expected);
  // Made-up settings, sections and values; the lines of an unknown section go with it.
  EXPECT_EQ(load("[sound]\neffects_volume = 80\n[cheats]\ngod_mode = true\n[display]\nfull_screen = yes\n", s),
            at + "2: no setting \"effects_volume\" in [sound]; the line is not used\n" + at +
                "3: no section [cheats]; the line is not used\n" + at +
                "6: full_screen is true or false, not \"yes\"; the line is not used\n");
  EXPECT_EQ(s, Settings{});
}

TEST(SettingsFileTest, NoFileMeansTheDefaultsAndNothingWritten) {
  ScratchDir dir;
  SettingsFile file(dir.path() / "cfg" / kSettingsFileName);
  std::ostringstream warnings;
  EXPECT_EQ(file.Load(warnings), Settings{});
  EXPECT_EQ(warnings.str(), "");
  EXPECT_FALSE(fs::exists(dir.path() / "cfg"));
}

TEST(SettingsFileTest, SavingMakesTheFolderAndReplacesTheFile) {
  ScratchDir dir;
  fs::path path = dir.path() / "cfg" / kSettingsFileName;
  SettingsFile file(path);
  std::ostringstream warnings;
  file.Load(warnings);
  Settings s;
  s.muted = true;
  ASSERT_TRUE(file.Save(s, warnings));
  EXPECT_EQ(ReadBytes(path), FormatSettings(s));
  s.music_volume = 20;
  ASSERT_TRUE(file.Save(s, warnings));
  EXPECT_EQ(ReadBytes(path), FormatSettings(s));
  EXPECT_FALSE(fs::exists(dir.path() / "cfg" / "settings.ini.bak"));
  EXPECT_FALSE(fs::exists(dir.path() / "cfg" / "settings.ini.new"));
  EXPECT_EQ(warnings.str(), "");
}

TEST(SettingsFileTest, ADamagedFileWarnsAndIsKeptAsBackupAtTheFirstChange) {
  ScratchDir dir;
  fs::path path = dir.path() / kSettingsFileName;
  const std::string damaged = "[sound]\nmusic_volume = 110\nmute = true\n";
  WriteAll(path, damaged);
  SettingsFile file(path);
  std::ostringstream warnings;
  Settings s = file.Load(warnings);
  EXPECT_EQ(warnings.str(),
            "cinderwake: " + path.string() +
                " line 2: music_volume is 0 to 100 in steps of 10, not \"110\"; the line is not used\n");
  EXPECT_EQ(s.music_volume, 100);
  EXPECT_TRUE(s.muted);
  EXPECT_EQ(ReadBytes(path), damaged);
  s.music_volume = 90;
  ASSERT_TRUE(file.Save(s, warnings));
  EXPECT_EQ(ReadBytes(dir.path() / "settings.ini.bak"), damaged);
  EXPECT_EQ(ReadBytes(path), FormatSettings(s));
  // The backup is the player's file, not a later one of ours.
  s.music_volume = 80;
  ASSERT_TRUE(file.Save(s, warnings));
  EXPECT_EQ(ReadBytes(dir.path() / "settings.ini.bak"), damaged);
}

TEST(SettingsFileTest, AGoodFileIsReplacedWithoutBackup) {
  ScratchDir dir;
  fs::path path = dir.path() / kSettingsFileName;
  WriteAll(path, "[sound]\nmute = true\n");
  SettingsFile file(path);
  std::ostringstream warnings;
  Settings s = file.Load(warnings);
  EXPECT_TRUE(s.muted);
  ASSERT_TRUE(file.Save(s, warnings));
  EXPECT_FALSE(fs::exists(dir.path() / "settings.ini.bak"));
}

TEST(SettingsFileTest, GarbageWarnsAFewTimesAndGivesTheDefaults) {
  ScratchDir dir;
  fs::path path = dir.path() / kSettingsFileName;
  std::string garbage;
  for (int i = 0; i < 50; ++i) garbage += std::string("\x01\xfe\xff junk ") + char('a' + i % 26) + "\n";
  WriteAll(path, garbage);
  SettingsFile file(path);
  std::ostringstream warnings;
  EXPECT_EQ(file.Load(warnings), Settings{});
  std::string w = warnings.str();
  EXPECT_EQ(std::count(w.begin(), w.end(), '\n'), 6);
  EXPECT_NE(w.find(path.string() + " line 1: not a \"name = value\" line"), std::string::npos);
  EXPECT_NE(w.find(": 45 more lines that can't be used\n"), std::string::npos);
}

TEST(SettingsFileTest, AnUnreadableFileGivesTheDefaultsAndIsKept) {
  ScratchDir dir;
  fs::path path = dir.path() / kSettingsFileName;
  fs::create_directories(path / "inside");  // a folder where the file should be: nobody can read it as one
  SettingsFile file(path);
  std::ostringstream warnings;
  EXPECT_EQ(file.Load(warnings), Settings{});
  EXPECT_EQ(warnings.str(), "cinderwake: can't read the settings file " + path.string() +
                                " (it is not a file); playing with the default settings\n");
  Settings s;
  s.muted = true;
  ASSERT_TRUE(file.Save(s, warnings));
  EXPECT_TRUE(fs::is_directory(dir.path() / "settings.ini.bak" / "inside"));
  EXPECT_EQ(ReadBytes(path), FormatSettings(s));
}

TEST(SettingsFileTest, VolumeStepsStopAtTheEndsAndEndTheMute) {
  Settings s;
  s.VolumeUp();
  EXPECT_EQ(s.music_volume, 100);
  s.ToggleMute();
  EXPECT_EQ(s.VolumeNote(), "Music muted");
  s.VolumeDown();
  EXPECT_FALSE(s.muted);
  EXPECT_EQ(s.VolumeNote(), "Music 90%");
  for (int i = 0; i < 12; ++i) s.VolumeDown();
  EXPECT_EQ(s.music_volume, 0);
}

}  // namespace
}  // namespace cw::test
