#pragma once
// The input script of a headless run: one timed command per line.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/session.h"

namespace cw {

struct ScriptCommand {
  enum class Kind { Input, Dump, Screenshot, Quit };
  int64_t time = 0;  // virtual milliseconds
  Kind kind = Kind::Input;
  InputEvent input;  // with Kind::Input
  std::string path;  // with Dump and Screenshot
  int line = 0;
};

// A script that can't be run; the message names the line and what is wrong.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Parses the whole text; `key NAME` and `click X Y` expand into their down/up (move/down/up) events.
std::vector<ScriptCommand> ParseScript(const std::string& text);

}  // namespace cw
