#pragma once
// Shared by the tests: a game on the headless platform, a scratch copy of the data folder,
// and running the real program headless with a script.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/headless_platform.h"
#include "play/game.h"

namespace cw::test {

// A new temporary folder holding a copy of the built data folder; removed with the object.
class DataCopy {
 public:
  DataCopy();
  ~DataCopy();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A game with its handlers wired, on a headless platform whose clock starts at 0. Nothing has run yet.
struct TestGame {
  explicit TestGame(const std::filesystem::path& data_dir = CINDERWAKE_TEST_DATA_DIR,
                    std::vector<ScriptCommand> script = {}, uint64_t seed = 1);
  HeadlessPlatform platform;
  Game g;
  // Queues an event now and dispatches it (what a yield would do).
  void Send(const InputEvent& e);
  void Key(int key_code, int ch = 0);
  void Click(int x, int y);
};

struct RunResult {
  int status = -1;
  std::string out;  // standard output and error
};
// Runs the program headless on `script_text` (written to a file in `dir`), with its settings in
// `dir`/config unless `extra_args` name a --config-dir.
RunResult RunHeadless(const std::filesystem::path& dir, const std::string& script_text,
                      const std::vector<std::string>& extra_args = {});
nlohmann::json ReadJson(const std::filesystem::path& file);

}  // namespace cw::test
