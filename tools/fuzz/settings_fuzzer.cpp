// libFuzzer target: any settings file reads to settings the game can play with, each line it can't use
// named by its number, and what the game writes back for those settings reads back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  cw::ParsedSettings parsed = cw::ParseSettings(text);
  const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
  int last = 0;
  for (const auto& p : parsed.problems) {
    if (p.line < 1 || p.line > lines || p.line < last || p.message.empty()) __builtin_trap();
    last = p.line;
  }
  cw::ParsedSettings again = cw::ParseSettings(cw::FormatSettings(parsed.settings));
  if (!again.problems.empty() || !(again.settings == parsed.settings)) __builtin_trap();
  return 0;
}
