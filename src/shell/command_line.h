#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace cw {

struct CommandLine {
  bool headless = false;
  bool windowed = false;
  bool help = false;
  bool version = false;
  std::string script;
  std::string data_dir;
  uint64_t seed = 1;
};

// nullopt with `error` set when the options are not understood.
std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string& error);
extern const char* const kUsage;

}  // namespace cw
