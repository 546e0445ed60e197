// autopilot --seed N --data-dir DIR --out DIR [--time-limit SECONDS] [--log] [--trace]
// Plays Cinderwake from the splash to the ending on a copy of DIR and writes the input it gave as a
// headless script (OUT/script.txt) with the final state dump (OUT/final.json); on failure OUT/last.json
// and OUT/last.png show where it stopped.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "autopilot_run.h"

namespace {

int Usage() {
  std::cerr << "usage: autopilot --seed N --data-dir DIR --out DIR [--time-limit SECONDS] [--log] [--trace]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  cw::autopilot::RunOptions options;
  bool show_log = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    if (a == "--seed")
      options.seed = std::strtoull(value().c_str(), nullptr, 10);
    else if (a == "--data-dir")
      options.data_dir = value();
    else if (a == "--out")
      options.out_dir = value();
    else if (a == "--time-limit")
      options.time_limit_ms = std::strtoll(value().c_str(), nullptr, 10) * 1000;
    else if (a == "--log")
      show_log = true;
    else if (a == "--trace")
      show_log = options.trace = true;
    else
      return Usage();
  }
  if (options.data_dir.empty() || options.out_dir.empty()) return Usage();

  // The game saves into its data folder: play on a copy so the shipped one stays as it is.
  namespace fs = std::filesystem;
  fs::path copy = options.out_dir / "data";
  std::error_code ec;
  fs::remove_all(copy, ec);
  fs::create_directories(copy);
  fs::copy(options.data_dir, copy, fs::copy_options::recursive);
  options.data_dir = copy;

  auto report = cw::autopilot::RunAutopilot(options);
  if (show_log)
    for (const auto& line : report.log) std::cout << line << "\n";
  std::printf(
      "seed %llu: %s; virtual time %.1f s, %lld passes, real time %.2f s, %d deaths, lowest life %d, %lld shots, %zu "
      "inputs\n",
      static_cast<unsigned long long>(options.seed), report.finished ? "finished" : report.failure.c_str(),
      report.virtual_ms / 1000.0, static_cast<long long>(report.passes), report.real_seconds, report.deaths,
      report.lowest_life, static_cast<long long>(report.shots), report.inputs);
  std::printf("script: %s\n", report.script.c_str());
  if (!report.finished) std::printf("last state: %s, %s\n", report.last_dump.c_str(), report.last_screenshot.c_str());
  return report.finished ? 0 : 1;
}
