#include "shell/command_line.h"

#include <cctype>

namespace cw {

const char* const kUsage =
    "usage: cinderwake [--windowed] [--data-dir DIR]\n"
    "       cinderwake --headless --script FILE [--seed N] [--data-dir DIR]\n"
    "       cinderwake --help | --version\n"
    "\n"
    "  --windowed      play in an 800 x 600 window instead of full screen\n"
    "  --data-dir DIR  use DIR as the data folder instead of the one beside the program\n"
    "  --headless      run without a window or sound, on a virtual clock, driven by a script\n"
    "  --script FILE   the headless input script (see docs/headless.md)\n"
    "  --seed N        the random seed of a headless run (default 1)\n";

std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string& error) {
  CommandLine cl;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) {
        error = a + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    if (a == "--headless") {
      cl.headless = true;
    } else if (a == "--windowed") {
      cl.windowed = true;
    } else if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (a == "--version") {
      cl.version = true;
    } else if (a == "--script") {
      if (!value(cl.script)) return std::nullopt;
    } else if (a == "--data-dir") {
      if (!value(cl.data_dir)) return std::nullopt;
    } else if (a == "--seed") {
      std::string s;
      if (!value(s)) return std::nullopt;
      bool digits = !s.empty() && s.size() <= 19;
      for (char c : s) digits = digits && std::isdigit(static_cast<unsigned char>(c));
      if (!digits) {
        error = "--seed takes a whole number, not \"" + s + "\"";
        return std::nullopt;
      }
      cl.seed = std::stoull(s);
    } else {
      error = "unknown option " + a;
      return std::nullopt;
    }
  }
  if (!cl.script.empty() && !cl.headless) {
    error = "--script goes with --headless";
    return std::nullopt;
  }
  if (cl.headless && cl.script.empty()) {
    error = "--headless needs --script FILE";
    return std::nullopt;
  }
  return cl;
}

}  // namespace cw
