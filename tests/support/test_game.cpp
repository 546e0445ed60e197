#include "support/test_game.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <random>

#include <sys/wait.h>

#include "app/event_wiring.h"
#include "ui/embedded_assets.h"

namespace cw::test {
namespace {

std::vector<uint8_t> Bytes(const std::string& asset) {
  auto s = EmbeddedAsset(asset);
  return {s.begin(), s.end()};
}

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

DataCopy::DataCopy() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() / ("cinderwake-test-" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(path_);
  std::filesystem::copy(CINDERWAKE_TEST_DATA_DIR, path_, std::filesystem::copy_options::recursive);
}

DataCopy::~DataCopy() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
  std::filesystem::remove_all(path_, ec);
}

TestGame::TestGame(const std::filesystem::path& data_dir, std::vector<ScriptCommand> script, uint64_t seed)
    : platform(std::move(script), seed, Bytes("font_regular.ttf"), Bytes("font_bold.ttf")),
      g(platform, platform, data_dir) {
  g.ui.presents_frames = false;
  WireEvents(g);
}

void TestGame::Send(const InputEvent& e) {
  platform.Inject(e);
  g.DoEvents();
}

void TestGame::Key(int key_code, int ch) {
  Send({InputEvent::Type::KeyDown, key_code, ch, 0, 0, 0});
  Send({InputEvent::Type::KeyUp, key_code, 0, 0, 0, 0});
}

void TestGame::Click(int x, int y) {
  Send({InputEvent::Type::MouseMove, 0, 0, 0, x, y});
  Send({InputEvent::Type::MouseDown, 0, 0, 1, x, y});
  Send({InputEvent::Type::MouseUp, 0, 0, 1, x, y});
}

RunResult RunHeadless(const std::filesystem::path& dir, const std::string& script_text,
                      const std::vector<std::string>& extra_args) {
  auto script = dir / "script.txt";
  std::ofstream(script) << script_text;
  std::string cmd = Quote(CINDERWAKE_PROGRAM) + " --headless --script " + Quote(script.string());
  for (const auto& a : extra_args) cmd += " " + Quote(a);
  // Never the settings of whoever runs the tests.
  if (std::find(extra_args.begin(), extra_args.end(), "--config-dir") == extra_args.end())
    cmd += " --config-dir " + Quote((dir / "config").string());
  cmd += " 2>&1";
  RunResult r;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

nlohmann::json ReadJson(const std::filesystem::path& file) {
  std::ifstream f(file);
  return nlohmann::json::parse(f);
}

}  // namespace cw::test
