// libFuzzer target: any saved-game file is either loadable, "no saved game" or refused whole,
// and a loadable one never holds more than 17 values or an unknown location.
#include <cstddef>
#include <cstdint>
#include <string>

#include "savegame/save_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto checked = cw::CheckSaveGame(std::string(reinterpret_cast<const char*>(data), size));
  if (checked.result == cw::CheckedSave::Result::Loadable && checked.values.size() > 17) __builtin_trap();
  if (checked.result != cw::CheckedSave::Result::Loadable && !checked.values.empty()) __builtin_trap();
  return 0;
}
