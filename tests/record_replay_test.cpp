#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/recording_session.h"
#include "platform/replay_session.h"
#include "platform/session_log.h"
#include "savegame/save_format.h"
#include "support/play_fixtures.h"
#include "support/screens_fixtures.h"
#include "support/test_game.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

// From the splash through New Game into play: a walk, a turn, a shot, then the in-game menu's Save game
// and more walking.
std::string Session(const fs::path& dump) {
  return "5500 key Down\n"
         "5600 key Down\n"
         "5700 key Enter\n"
         "6500 key Enter\n"
         "14000 key Enter\n"
         "15000 key down Up\n"
         "15500 key Ctrl\n"
         "15700 key down Left\n"
         "15900 key up Left\n"
         "16000 key up Up\n"
         "16200 click 740 50\n"
         "16500 key Down\n"
         "16600 key Enter\n"
         "17000 key down Up\n"
         "17600 key up Up\n"
         "18000 dump " +
         dump.string() + "\n";
}

std::string Saved(const fs::path& dir) { return ReadBytes(dir / "SaveGame.txt"); }

TEST(RecordReplayTest, AReplayReachesTheSameStateAndSavedGame) {
  DataCopy recorded, replayed;
  fs::path recording = recorded.path() / "session.txt";
  auto r = RunHeadless(recorded.path(), Session(recorded.path() / "final.json"),
                       {"--data-dir", recorded.path().string(), "--record", recording.string()});
  ASSERT_EQ(r.status, 0) << r.out;
  auto original = ReadJson(recorded.path() / "final.json");
  // The session saved in play and went on playing.
  ASSERT_EQ(original["state"]["GamePhase"], "city");
  EXPECT_EQ(original["state"]["ShotsFired"], 1);
  EXPECT_EQ(original["focus"], "picCity_base");
  EXPECT_EQ(SplitSaveLines(Saved(recorded.path())).size(), 17u);

  // The replay's saved game goes to a folder of its own, which starts as the recording did: without one.
  fs::path saves = replayed.path() / "saves";
  r = RunHeadless(
      replayed.path(), "18000 dump " + (replayed.path() / "final.json").string() + "\n",
      {"--replay", recording.string(), "--data-dir", replayed.path().string(), "--save-dir", saves.string()});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(ReadJson(replayed.path() / "final.json"), original);
  EXPECT_EQ(Saved(saves), Saved(recorded.path()));
  // The replay's own data folder keeps the saved game it had.
  EXPECT_EQ(Saved(replayed.path()), Saved(DataCopy().path()));
}

TEST(RecordReplayTest, ARecordingCarriesTheSavedGameItStartedFrom) {
  DataCopy recorded, replayed;
  WriteBytes(recorded.path() / "SaveGame.txt", CrLfLines({"-6", "-458", "city", "171", "376", "3", "1", "2", "0", "4",
                                                          "120", "500", "3", "150", "True", "False", "0"}));
  fs::path recording = recorded.path() / "session.txt";
  // Continue Game, then a short walk.
  auto r = RunHeadless(recorded.path(),
                       "5500 key Down\n5600 key Down\n5700 key Down\n5800 key Enter\n"
                       "6500 key down Up\n7000 key up Up\n7500 dump " +
                           (recorded.path() / "final.json").string() + "\n",
                       {"--data-dir", recorded.path().string(), "--record", recording.string()});
  ASSERT_EQ(r.status, 0) << r.out;
  auto original = ReadJson(recorded.path() / "final.json");
  ASSERT_EQ(original["state"]["Level"], 3);
  ASSERT_EQ(original["focus"], "picCity_base");

  r = RunHeadless(replayed.path(), "7500 dump " + (replayed.path() / "final.json").string() + "\n",
                  {"--replay", recording.string(), "--data-dir", replayed.path().string()});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(ReadJson(replayed.path() / "final.json"), original);
  // Without --save-dir the replay's saved game went to a scratch folder, not into the data folder.
  EXPECT_EQ(Saved(replayed.path()), Saved(DataCopy().path()));
}

// What the program says of a damaged recording: its file and line, before anything runs.
TEST(RecordReplayTest, ACutReorderedOrMadeUpRecordingIsRefusedWithItsFileAndLine) {
  DataCopy data;
  const fs::path recording = data.path() / "session.txt";
  auto r = RunHeadless(data.path(), "5500 key Down\n5600 key Down\n6000 quit\n",
                       {"--data-dir", data.path().string(), "--record", recording.string()});
  ASSERT_EQ(r.status, 0) << r.out;
  std::vector<std::string> lines;
  std::istringstream in(ReadBytes(recording));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  auto joined = [](const std::vector<std::string>& v, size_t n) {
    std::string text;
    for (size_t i = 0; i < n; ++i) text += v[i] + "\n";
    return text;
  };
  auto refused = [&](const std::string& name, const std::string& text, const std::string& why) {
    const fs::path file = data.path() / name;
    WriteBytes(file, text);
    auto damaged = RunHeadless(data.path(), "", {"--replay", file.string(), "--data-dir", data.path().string()});
    EXPECT_EQ(damaged.status, 2) << name;
    EXPECT_EQ(damaged.out, "cinderwake: " + file.string() + ": " + why + "\n") << name;
  };
  // Cut in the middle of the first key's line.
  size_t key = 0;
  while (key < lines.size() && lines[key].rfind("E KeyDown ", 0) != 0) ++key;
  ASSERT_LT(key, lines.size());
  refused("cut.txt", joined(lines, key) + lines[key].substr(0, 12),
          "line " + std::to_string(key + 1) + ": an event has nine numbers");
  // Two clock lines that follow each other swapped.
  auto clock_line = [&](size_t from) {
    while (from < lines.size() && lines[from][0] != 'T' && lines[from][0] != 'W') ++from;
    return from;
  };
  size_t a = clock_line(0), b = clock_line(a + 1);
  while (b < lines.size() && std::stoll(lines[b].substr(2)) == std::stoll(lines[a].substr(2))) {
    a = b;
    b = clock_line(a + 1);
  }
  ASSERT_LT(b, lines.size());
  auto swapped = lines;
  std::swap(swapped[a], swapped[b]);
  refused("reordered.txt", joined(swapped, swapped.size()),
          "line " + std::to_string(b + 1) + ": the clock goes back to " + lines[a].substr(2));
  // A made-up event and a made-up entry.
  auto made_up = lines;
  made_up.insert(made_up.begin() + long(key), "E Teleport 1 2 3 4 5 6 7 8");
  refused("made-up.txt", joined(made_up, made_up.size()),
          "line " + std::to_string(key + 1) + ": unknown event Teleport");
  made_up[key] = "Q 12";
  refused("made-up-entry.txt", joined(made_up, made_up.size()), "line " + std::to_string(key + 1) + ": unknown entry");
}

// ---- The recording file and the two sessions

TEST(SessionLogTest, EntriesReadBackAsWritten) {
  std::stringstream file;
  WriteSessionHeader(file, {false, std::string("NoSaveGame\r\n"), std::string("[keys]\n")});
  InputEvent pad;
  pad.type = InputEvent::Type::PadAxis;
  pad.control = int(PadAxis::LeftY);
  pad.value = -32768;
  pad.pad = 3;
  WriteSessionEntry(file, {SessionEntry::Kind::Ticks, 1234, {}});
  WriteSessionEntry(file, {SessionEntry::Kind::Event, 0, {InputEvent::Type::KeyDown, 13, 13, 0, 0, 0}});
  WriteSessionEntry(file, {SessionEntry::Kind::Event, 0, pad});
  WriteSessionEntry(file, {SessionEntry::Kind::NoEvent, 0, {}});
  WriteSessionEntry(file, {SessionEntry::Kind::Event, 0, {InputEvent::Type::FocusLost}});
  WriteSessionEntry(file, {SessionEntry::Kind::Wait, 1254, {}});
  WriteSessionEntry(file, {SessionEntry::Kind::Seed, int64_t(0xFEDCBA9876543210ull), {}});
  EXPECT_EQ(file.str(),
            "cinderwake-session 1\nframes 0\nsave 4e6f5361766547616d650d0a\nsettings 5b6b6579735d0a\n"
            "T 1234\nE KeyDown 13 13 0 0 0 0 0 0\nE PadAxis 0 0 0 0 0 1 -32768 3\nP\nE FocusLost 0 0 0 0 0 0 0 0\n"
            "W 1254\nS 18364758544493064720\n");

  SessionLog log = ReadSessionLog(file);
  EXPECT_FALSE(log.header.frames);
  EXPECT_EQ(log.header.saved_game, "NoSaveGame\r\n");
  EXPECT_EQ(log.header.settings, "[keys]\n");
  ASSERT_EQ(log.entries.size(), 7u);
  EXPECT_EQ(log.entries[0].value, 1234);
  EXPECT_EQ(log.entries[1].event.type, InputEvent::Type::KeyDown);
  EXPECT_EQ(log.entries[1].event.ch, 13);
  EXPECT_EQ(log.entries[2].event.type, InputEvent::Type::PadAxis);
  EXPECT_EQ(log.entries[2].event.value, -32768);
  EXPECT_EQ(log.entries[2].event.pad, 3);
  EXPECT_EQ(log.entries[3].kind, SessionEntry::Kind::NoEvent);
  EXPECT_EQ(log.entries[4].event.type, InputEvent::Type::FocusLost);
  EXPECT_EQ(uint64_t(log.entries[6].value), 0xFEDCBA9876543210ull);
}

TEST(SessionLogTest, DamagedFilesNameTheLine) {
  auto error = [](const std::string& text) {
    std::istringstream in(text);
    try {
      ReadSessionLog(in);
    } catch (const SessionLogError& e) {
      return std::string(e.what());
    }
    return std::string("read");
  };
  EXPECT_EQ(error("hello\n"), "line 1: not a recorded session");
  EXPECT_EQ(error("cinderwake-session 1\nframes 2\nsave -\n"), "line 2: frames is 0 or 1");
  EXPECT_EQ(error("cinderwake-session 1\nframes 1\nsave 4e6\n"), "line 3: the saved game is not hex");
  EXPECT_EQ(error("cinderwake-session 1\nframes 1\nsave -\nT 5\nE Jump 1 2 3 4 5 6 7 8\n"),
            "line 5: unknown event Jump");
  EXPECT_EQ(error("cinderwake-session 1\nframes 1\nsave -\nE KeyUp 1 2\n"), "line 4: an event has nine numbers");
  EXPECT_EQ(error("cinderwake-session 1\nframes 1\nsave -\nT 5 6\n"), "line 4: unexpected \"6\"");
  EXPECT_EQ(error("cinderwake-session 1\nframes 1\nsave -\nX\n"), "line 4: unknown entry");
  EXPECT_EQ(error("cinderwake-session 1\nframes 1\nsave -\nT 5\nW 9\nT 8\n"), "line 6: the clock goes back to 8");
  EXPECT_EQ(error("cinderwake-session 1\nframes 1\nsave -\nT 5\nP\n"), "read");
}

struct Ended {};

TEST(ReplaySessionTest, HandsOutTheRecordingAndEndsWithIt) {
  TestGame t;
  ScratchDir dir;
  std::string path = (dir.path() / "session.txt").string();
  {
    RecordingSession rec(t.platform, path, {true, std::nullopt, std::nullopt});
    t.platform.Inject({InputEvent::Type::KeyDown, 38, 0, 0, 0, 0});
    rec.WaitUntil(40);
    InputEvent e;
    EXPECT_TRUE(rec.PollEvent(e));
    EXPECT_FALSE(rec.PollEvent(e));
    EXPECT_EQ(rec.Ticks(), 40);
    rec.quiet = true;
    EXPECT_EQ(rec.Ticks(), 40);  // not recorded
    rec.quiet = false;
    rec.RandomSeed();
  }
  std::ifstream in(path);
  SessionLog log = ReadSessionLog(in);
  fs::remove(path);
  ASSERT_EQ(log.entries.size(), 5u);
  uint64_t seed = uint64_t(log.entries[4].value);

  HeadlessPlatform inner({}, 1, {}, {});
  ReplaySession replay(inner, log, false);
  replay.on_end = [] { throw Ended{}; };
  replay.WaitForEvent(-1);
  EXPECT_EQ(inner.Ticks(), 40);  // the inner clock follows the recorded waits
  InputEvent e;
  ASSERT_TRUE(replay.PollEvent(e));
  EXPECT_EQ(e.key, 38);
  EXPECT_FALSE(replay.PollEvent(e));
  EXPECT_EQ(replay.Ticks(), 40);
  EXPECT_EQ(replay.RandomSeed(), seed);
  EXPECT_EQ(replay.position(), replay.size());
  EXPECT_THROW(replay.Ticks(), Ended);
}

TEST(ReplaySessionTest, AGameThatAsksForSomethingElseIsToldWhere) {
  auto mismatch = [](const std::string& text, const std::function<void(ReplaySession&)>& ask) -> std::string {
    std::istringstream in(text);
    HeadlessPlatform inner({}, 1, {}, {});
    ReplaySession replay(inner, ReadSessionLog(in), false);
    replay.on_end = [] { throw Ended{}; };
    try {
      ask(replay);
    } catch (const ReplayMismatch& e) {
      return e.what();
    } catch (const Ended&) {
      return "the recording ended";
    }
    return "no mismatch reported";
  };
  const std::string header = "cinderwake-session 1\nframes 0\nsave -\n";
  EXPECT_EQ(mismatch(header + "T 7\n", [](ReplaySession& r) { r.RandomSeed(); }),
            "line 4: the game asked for a random seed where the recording holds a clock reading");
  EXPECT_EQ(mismatch(header + "T 7\n\nP\nW 20\n",
                     [](ReplaySession& r) {
                       InputEvent e;
                       r.Ticks();
                       r.PollEvent(e);
                       r.Ticks();
                     }),
            "line 7: the game asked for a clock reading where the recording holds a wait");
  // A wait never ends before its deadline: a recording that says so is not this game's.
  EXPECT_EQ(mismatch(header + "T 7\nW 20\nT 20\n",
                     [](ReplaySession& r) {
                       r.Ticks();
                       r.WaitUntil(27);
                     }),
            "line 5: the wait ends at 20, before the game's deadline 27");
  // Unless the recording ends there: the program was closed during that wait.
  EXPECT_EQ(mismatch(header + "T 7\nW 20\n",
                     [](ReplaySession& r) {
                       r.Ticks();
                       r.WaitUntil(27);
                     }),
            "the recording ended");
  EXPECT_EQ(mismatch(header + "T 7\nW 27\n",
                     [](ReplaySession& r) {
                       r.Ticks();
                       r.WaitUntil(27);
                     }),
            "no mismatch reported");
}

}  // namespace
}  // namespace cw::test
