// libFuzzer target for the reader of --replay files alone, fast enough to try millions of files (the
// replay target also plays each one against the game): a file is refused naming its line, or what it
// holds, written out again, reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/session_log.h"

namespace {

std::string Written(const cw::SessionLog& log) {
  std::ostringstream out;
  cw::WriteSessionHeader(out, log.header);
  for (const auto& entry : log.entries) cw::WriteSessionEntry(out, entry);
  return out.str();
}

cw::SessionLog Read(const std::string& text) {
  std::istringstream in(text);
  return cw::ReadSessionLog(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cw::SessionLog log;
  try {
    log = Read(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const cw::SessionLogError& e) {
    if (std::string(e.what()).rfind("line ", 0) != 0) __builtin_trap();
    return 0;
  }
  const std::string once = Written(log);
  try {
    if (Written(Read(once)) != once) __builtin_trap();
  } catch (const cw::SessionLogError&) {
    __builtin_trap();  // the game could not replay a file it wrote itself
  }
  return 0;
}
