#pragma once
// Every input the autopilot gives goes through here: written as a headless script line and injected
// into the running game one millisecond from now, exactly as the replay will deliver it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless_platform.h"

namespace cw::autopilot {

class Recorder {
 public:
  explicit Recorder(HeadlessPlatform& platform) : platform_(platform) {}

  void KeyDown(const std::string& name) { Emit("key down " + name); }
  void KeyUp(const std::string& name) { Emit("key up " + name); }
  void Tap(const std::string& name) { Emit("key " + name); }
  void Click(int x, int y) { Emit("click " + std::to_string(x) + " " + std::to_string(y)); }
  // Time of the latest input given; it is still on its way while the clock is before it.
  int64_t last_time() const { return last_time_; }

  // The recorded script so far, ended by a dump and a quit at `end_time`.
  std::string Script(int64_t end_time, const std::string& dump_path) const;
  size_t size() const { return lines_.size(); }

 private:
  void Emit(const std::string& command);

  HeadlessPlatform& platform_;
  std::vector<std::string> lines_;
  int64_t last_time_ = -1;
};

}  // namespace cw::autopilot
