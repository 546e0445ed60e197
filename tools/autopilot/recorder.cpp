#include "recorder.h"

namespace cw::autopilot {

void Recorder::Emit(const std::string& command) {
  // Handled at the first yield after now, in this run and in the replay alike.
  last_time_ = platform_.Ticks() + 1;
  std::string line = std::to_string(last_time_) + " " + command;
  for (const ScriptCommand& c : ParseScript(line)) platform_.InjectAt(c.time, c.input);
  lines_.push_back(line);
}

std::string Recorder::Script(int64_t end_time, const std::string& dump_path) const {
  std::string out = "# Recorded by the autopilot.\n";
  for (const auto& l : lines_) out += l + "\n";
  out += std::to_string(end_time) + " dump " + dump_path + "\n";
  out += std::to_string(end_time) + " quit\n";
  return out;
}

}  // namespace cw::autopilot
