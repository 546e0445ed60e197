// Replays everything the fuzzers ever found interesting (and anything that once crashed).
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include <gtest/gtest.h>

#include "app/event_wiring.h"
#include "app/start_up.h"
#include "platform/headless_script.h"
#include "platform/picture_size.h"
#include "platform/replay_session.h"
#include "platform/sdl_media.h"
#include "platform/session_log.h"
#include "savegame/save_format.h"
#include "settings/settings_file.h"
#include "support/play_fixtures.h"
#include "support/screens_fixtures.h"
#include "support/test_game.h"

namespace cw {
namespace {

std::vector<std::string> Corpus(const std::string& target) {
  std::vector<std::string> files;
  auto dir = std::filesystem::path(CINDERWAKE_SOURCE_DIR) / "tests" / "fuzz_corpus" / target;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::ifstream f(entry.path(), std::ios::binary);
    files.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
  return files;
}

TEST(FuzzCorpusTest, ScriptParserAcceptsOrRefusesEveryInputCleanly) {
  auto files = Corpus("script");
  ASSERT_GT(files.size(), 100u);
  size_t accepted = 0;
  for (const auto& text : files) {
    try {
      auto commands = ParseScript(text);
      for (size_t i = 1; i < commands.size(); ++i) ASSERT_GE(commands[i].time, commands[i - 1].time);
      ++accepted;
    } catch (const ScriptError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("script line ", 0), 0u) << e.what();
    }
  }
  EXPECT_GT(accepted, 0u);
}

TEST(FuzzCorpusTest, SavedGameCheckLoadsWholeOrRefusesWhole) {
  auto files = Corpus("savegame");
  ASSERT_GE(files.size(), 3u);
  size_t loadable = 0;
  for (const auto& text : files) {
    auto checked = CheckSaveGame(text);
    if (checked.result == CheckedSave::Result::Loadable) {
      EXPECT_LE(checked.values.size(), 17u);
      ++loadable;
    } else {
      EXPECT_TRUE(checked.values.empty());
    }
  }
  EXPECT_GT(loadable, 0u);
}

TEST(FuzzCorpusTest, PicturesDecodeWholeOrNotAtAll) {
  auto files = Corpus("picture");
  ASSERT_GE(files.size(), 10u);
  SdlMedia media({}, {});
  size_t decoded = 0;
  for (const auto& bytes : files) {
    auto picture = media.DecodePicture(bytes.data(), bytes.size());
    if (!picture) continue;
    ++decoded;
    ASSERT_GT(picture->width, 0);
    ASSERT_GT(picture->height, 0);
    ASSERT_LE(int64_t(picture->width) * picture->height, kLargestPicturePixels);
    ASSERT_EQ(picture->pixels.size(), size_t(picture->width) * size_t(picture->height));
    for (uint32_t c : picture->pixels) ASSERT_EQ(c >> 24, 0u);
  }
  EXPECT_GT(decoded, 0u);
}

TEST(FuzzCorpusTest, SettingsFilesGiveSettingsAndNameTheFileAndLineOfEachBadOne) {
  auto files = Corpus("settings");
  ASSERT_GE(files.size(), 10u);
  test::ScratchDir dir;
  const auto path = dir.path() / kSettingsFileName;
  const std::string named = "cinderwake: " + path.string();
  size_t clean = 0, warned = 0;
  for (const auto& text : files) {
    test::WriteBytes(path, text);
    SettingsFile file(path);
    std::ostringstream warnings;
    const Settings s = file.Load(warnings);
    const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
    std::istringstream w(warnings.str());
    for (std::string line; std::getline(w, line);) {
      ASSERT_EQ(line.rfind(named, 0), 0u) << line;
      if (line.ends_with(" more lines that can't be used")) continue;
      ASSERT_EQ(line.rfind(named + " line ", 0), 0u) << line;
      const int at = std::stoi(line.substr(named.size() + 6));
      EXPECT_GE(at, 1) << line;
      EXPECT_LE(at, lines) << line;
    }
    // Whatever the file held, the game writes back a file it reads without a complaint.
    const ParsedSettings again = ParseSettings(FormatSettings(s));
    EXPECT_TRUE(again.problems.empty());
    EXPECT_EQ(again.settings, s);
    (warnings.str().empty() ? clean : warned) += 1;
  }
  EXPECT_GT(clean, 0u);
  EXPECT_GT(warned, 0u);
}

// A recording read whole, or refused naming the line it could not take.
std::optional<SessionLog> ReadOrRefuse(const std::string& text) {
  std::istringstream in(text);
  try {
    return ReadSessionLog(in);
  } catch (const SessionLogError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("line ", 0), 0u) << e.what();
    return std::nullopt;
  }
}

// What the reader of --replay files alone found: refused naming a line, or written out again and read
// back to the same text.
TEST(FuzzCorpusTest, RecordingReaderRefusesWithALineOrReadsBackTheSame) {
  auto files = Corpus("recording");
  ASSERT_GT(files.size(), 20u);
  auto written = [](const SessionLog& log) {
    std::ostringstream out;
    WriteSessionHeader(out, log.header);
    for (const auto& entry : log.entries) WriteSessionEntry(out, entry);
    return out.str();
  };
  size_t refused = 0, read = 0;
  for (const auto& text : files) {
    std::optional<SessionLog> log = ReadOrRefuse(text);
    if (!log) {
      ++refused;
      continue;
    }
    const std::string once = written(*log);
    std::istringstream again(once);
    EXPECT_EQ(written(ReadSessionLog(again)), once);
    ++read;
  }
  EXPECT_GT(refused, 0u);
  EXPECT_GT(read, 0u);
}

struct RecordingEnded {};

// Each recording is refused with its line, or replayed against the whole game until it ends (all of
// it taken) or parts ways with the game (a mismatch naming the line).
TEST(FuzzCorpusReplayTest, RecordingsAreRefusedOrReplayedToTheirEnd) {
  auto files = Corpus("replay");
  ASSERT_GE(files.size(), 3u);
  test::ScratchDir saves;
  size_t refused = 0, ended = 0, parted = 0;
  for (const auto& text : files) {
    std::optional<SessionLog> log = ReadOrRefuse(text);
    if (!log) {
      ++refused;
      continue;
    }
    test::TestGame t;
    const size_t entries = log->entries.size();
    ReplaySession replay(t.platform, std::move(*log), false);
    replay.on_end = [] { throw RecordingEnded{}; };
    Game g(replay, t.platform, CINDERWAKE_TEST_DATA_DIR);
    g.save_dir = saves.path();
    g.ui.presents_frames = false;
    try {
      WireEvents(g);
      Form_Load(g);
      for (;;) {
        g.session.WaitForEvent(-1);
        g.DoEvents();
      }
    } catch (const RecordingEnded&) {
      EXPECT_EQ(replay.position(), entries);
      ++ended;
    } catch (const ReplayMismatch& e) {
      EXPECT_EQ(std::string(e.what()).rfind("line ", 0), 0u) << e.what();
      ++parted;
    } catch (const ProgramEnd&) {
      ++ended;
    }
  }
  std::cout << files.size() << " recordings: " << refused << " refused, " << ended << " replayed to their end, "
            << parted << " parted ways with the game\n";
  EXPECT_GT(ended, 0u);
}

}  // namespace
}  // namespace cw
