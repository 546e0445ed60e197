#include "app/command_line.h"

#include <cctype>

namespace cw {

const char* const kUsage =
    "usage: cinderwake [--windowed] [--no-audio] [--data-dir DIR] [--save-dir DIR] [--config-dir DIR]\n"
    "                  [--record FILE]\n"
    "       cinderwake --replay FILE [--windowed] [--no-audio] [--data-dir DIR] [--save-dir DIR]\n"
    "       cinderwake --headless --script FILE [--seed N] [--data-dir DIR] [--save-dir DIR] [--config-dir DIR]\n"
    "                  [--record FILE]\n"
    "       cinderwake --headless --replay FILE [--script FILE] [--data-dir DIR] [--save-dir DIR]\n"
    "       cinderwake --help | --version\n"
    "\n"
    "  --windowed       play in a window this time, whatever the settings say (Alt+Enter or F11\n"
    "                   switches while playing; F1 shows the options)\n"
    "  --no-audio       play without sound\n"
    "  --data-dir DIR   use DIR as the data folder instead of the one beside the program or installed\n"
    "                   with it\n"
    "  --save-dir DIR   keep the saved game in DIR (by default the data folder beside the program when\n"
    "                   it can be written, else $XDG_DATA_HOME/cinderwake)\n"
    "  --config-dir DIR keep the player's settings (settings.ini) in DIR instead of\n"
    "                   $XDG_CONFIG_HOME/cinderwake\n"
    "  --record FILE    write the session (input, clock readings, random seeds) to FILE\n"
    "  --replay FILE    play a recorded session again; its saved game is restored into a scratch\n"
    "                   folder, or into --save-dir DIR\n"
    "  --headless       run without a window or sound, on a virtual clock, driven by a script\n"
    "  --script FILE    the headless input script (see docs/headless.md); with --replay, only its\n"
    "                   dump, screenshot and quit lines are used\n"
    "  --seed N         the random seed of a headless run (default 1)\n"
    "  --help           show this text\n"
    "  --version        show the version\n";

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
    } else if (a == "--no-audio") {
      cl.no_audio = true;
    } else if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (a == "--version") {
      cl.version = true;
    } else if (a == "--script") {
      if (!value(cl.script)) return std::nullopt;
    } else if (a == "--data-dir") {
      if (!value(cl.data_dir)) return std::nullopt;
    } else if (a == "--save-dir") {
      if (!value(cl.save_dir)) return std::nullopt;
    } else if (a == "--config-dir") {
      if (!value(cl.config_dir)) return std::nullopt;
    } else if (a == "--record") {
      if (!value(cl.record)) return std::nullopt;
    } else if (a == "--replay") {
      if (!value(cl.replay)) return std::nullopt;
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
      cl.seed_given = true;
    } else {
      error = "unknown option " + a;
      return std::nullopt;
    }
  }
  if (!cl.script.empty() && !cl.headless) {
    error = "--script goes with --headless";
    return std::nullopt;
  }
  if (cl.headless && cl.script.empty() && cl.replay.empty()) {
    error = "--headless needs --script FILE";
    return std::nullopt;
  }
  if (!cl.replay.empty() && !cl.record.empty()) {
    error = "--record and --replay go one at a time";
    return std::nullopt;
  }
  if (!cl.replay.empty() && cl.seed_given) {
    error = "--replay takes its random numbers from the recording, not from --seed";
    return std::nullopt;
  }
  return cl;
}

}  // namespace cw
