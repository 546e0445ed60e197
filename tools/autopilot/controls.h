#pragma once
// The keys a player holds during play. The autopilot says what it wants this pass (go forward, turn,
// fire) and this turns it into key presses and releases, as few as needed.
#include <cstdint>

#include "play/game.h"
#include "recorder.h"

namespace cw::autopilot {

struct Intent {
  bool forward = false;
  int turn = 0;  // +1 raises the heading u, -1 lowers it, 0 holds it
  bool fire = false;
};

class Controls {
 public:
  explicit Controls(Recorder& recorder) : rec_(recorder) {}
  // Presses and releases keys so that the next pass does what `want` says.
  void Apply(const Game& g, const Intent& want);
  // Lets go of every key (before a menu, or when play is not running).
  void ReleaseAll();
  bool AnyHeld() const { return up_ || left_ || right_ || ctrl_; }
  int64_t shots() const { return shots_; }

 private:
  void Down(const char* name, bool& held);
  void Up(const char* name, bool& held);

  Recorder& rec_;
  bool up_ = false, left_ = false, right_ = false, ctrl_ = false;
  int64_t last_fire_ = -1000;
  int64_t shots_ = 0;
};

}  // namespace cw::autopilot
