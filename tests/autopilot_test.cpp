#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>

#include <gtest/gtest.h>

#include "autopilot_run.h"
#include "support/play_fixtures.h"
#include "support/test_game.h"

namespace cw::test {
namespace {

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
  }
  return out;
}

std::string Tail(const std::vector<std::string>& log, size_t n) {
  std::string out;
  for (size_t i = log.size() > n ? log.size() - n : 0; i < log.size(); ++i) out += "  " + log[i] + "\n";
  return out;
}

// Plays the whole game with the autopilot on a copy of the shipped data, checks that the route was done,
// then replays the recorded script with the real program and compares the final state dumps.
void WinThenReplay(uint64_t seed) {
  namespace fs = std::filesystem;
  ScratchDir scratch;
  const fs::path& out = scratch.path();
  DataCopy play_data;
  autopilot::RunOptions options;
  options.seed = seed;
  options.data_dir = play_data.path();
  options.out_dir = out;
  options.replay_dump = (out / "replay.json").string();
  const auto report = autopilot::RunAutopilot(options);
  std::cout << "seed " << seed << ": virtual time " << report.virtual_ms / 1000.0 << " s, " << report.passes
            << " passes, real time " << report.real_seconds << " s, " << report.deaths << " deaths\n";
  ASSERT_TRUE(report.finished) << "seed " << seed << ": " << report.failure << "\nlast state dump: " << report.last_dump
                               << "\nscreenshot: " << report.last_screenshot << "\nscript: " << report.script
                               << "\nlast moments:\n"
                               << Tail(report.log, 25);
  EXPECT_LE(report.virtual_ms, options.time_limit_ms);

  // The route: key and card held, the lab opened, the boss dead, the ending closed and the menu back.
  const auto final_state = nlohmann::json::parse(report.final_dump);
  const auto& state = final_state["state"];
  const auto& elements = final_state["elements"];
  EXPECT_TRUE(elements["imgKey"]["visible"].get<bool>());
  EXPECT_TRUE(elements["imgCard"]["visible"].get<bool>());
  EXPECT_TRUE(state["AccessLab"].get<bool>());
  EXPECT_TRUE(state["blnEnd"].get<bool>());
  EXPECT_LT(state["BossLife"].get<int>(), 1);
  EXPECT_EQ(final_state["focus"], "picMenu");
  EXPECT_TRUE(elements["picMenu"]["visible"].get<bool>());
  EXPECT_FALSE(elements["picStory"]["visible"].get<bool>());
  // Saved once through the in-game menu, with both items, and loaded back.
  EXPECT_TRUE(report.saved);
  EXPECT_TRUE(report.loaded);
  auto saved = Lines(ReadText(play_data.path() / "SaveGame.txt"));
  ASSERT_EQ(saved.size(), 17u);
  EXPECT_EQ(saved[14], "True");
  EXPECT_EQ(saved[15], "True");

  // The script alone brings the real program to the same state.
  DataCopy replay_data;
  fs::create_directories(out / "replay");
  const auto started = std::chrono::steady_clock::now();
  auto run = RunHeadless(out / "replay", ReadText(report.script),
                         {"--seed", std::to_string(seed), "--data-dir", replay_data.path().string()});
  const double replay_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << "seed " << seed << ": replay real time " << replay_seconds << " s\n";
  ASSERT_EQ(run.status, 0) << run.out;
  const auto replayed = ReadJson(out / "replay.json");
  EXPECT_TRUE(replayed == final_state) << "the replay of " << report.script << " ends elsewhere; first differences:\n"
                                       << nlohmann::json::diff(final_state, replayed).dump(1).substr(0, 2000);
}

TEST(AutopilotSeed1, WinsTheGameAndTheReplayEndsTheSame) { WinThenReplay(1); }
TEST(AutopilotSeed2, WinsTheGameAndTheReplayEndsTheSame) { WinThenReplay(2); }
TEST(AutopilotSeed3, WinsTheGameAndTheReplayEndsTheSame) { WinThenReplay(3); }

}  // namespace
}  // namespace cw::test
