// libFuzzer target: the headless script parser must accept or refuse any text without crashing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/headless_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    auto commands = cw::ParseScript(std::string(reinterpret_cast<const char*>(data), size));
    int64_t last = 0;
    for (const auto& c : commands) {
      if (c.time < last) __builtin_trap();  // times never go back
      last = c.time;
    }
  } catch (const cw::ScriptError&) {
  }
  return 0;
}
