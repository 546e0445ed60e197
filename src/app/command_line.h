#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace cw {

struct CommandLine {
  bool headless = false;
  bool windowed = false;
  bool no_audio = false;
  bool help = false;
  bool version = false;
  std::string script;
  std::string data_dir;
  std::string save_dir;
  std::string config_dir;  // where settings.ini lives instead of $XDG_CONFIG_HOME/cinderwake
  std::string record;      // write the session to this file
  std::string replay;      // play the session in this file again
  uint64_t seed = 1;
  bool seed_given = false;
};

// nullopt with `error` set when the options are not understood.
std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string& error);
extern const char* const kUsage;

}  // namespace cw
