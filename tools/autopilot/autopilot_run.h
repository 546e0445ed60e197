#pragma once
// One whole game played by the autopilot inside this process, on the headless platform, from the
// splash to the main menu after the ending. Everything it pressed is written out as a headless script.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cw::autopilot {

struct RunOptions {
  uint64_t seed = 1;
  std::filesystem::path data_dir;           // use a scratch copy: the run saves its game there
  std::filesystem::path out_dir;            // script.txt, final.json; last.json and last.png on failure
  std::string replay_dump = "replay.json";  // where the script's own dump line writes, when replayed
  int64_t time_limit_ms = 20 * 60 * 1000;
  bool trace = false;  // log every pass of play
};

struct RunReport {
  bool finished = false;
  std::string failure;  // why the run did not finish
  int64_t virtual_ms = 0;
  int64_t passes = 0;
  double real_seconds = 0;
  int deaths = 0;
  int lowest_life = 0;
  bool saved = false, loaded = false;  // through the in-game menu
  int64_t shots = 0;
  size_t inputs = 0;       // script lines recorded
  std::string final_dump;  // the state dump at the end
  std::filesystem::path script, last_dump, last_screenshot;
  std::vector<std::string> log;
};

RunReport RunAutopilot(const RunOptions& options);

}  // namespace cw::autopilot
