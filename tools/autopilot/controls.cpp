#include "controls.h"

namespace cw::autopilot {
namespace {

// A person taps Ctrl at most about seven times a second.
constexpr int64_t kFireEveryMs = 140;

}  // namespace

void Controls::Down(const char* name, bool& held) {
  rec_.KeyDown(name);
  held = true;
}

void Controls::Up(const char* name, bool& held) {
  rec_.KeyUp(name);
  held = false;
}

void Controls::Apply(const Game& g, const Intent& want) {
  // Forward. A location change clears the game's flag: pressing again is the key's auto-repeat.
  if (want.forward) {
    if (!g.upper) Down("Up", up_);
  } else if (up_ || g.upper) {
    Up("Up", up_);
  }

  // Turning. Going backward (after bouncing off a wall) the keys turn the other way round.
  const bool backward = double(g.r) > 0;
  const char* key = nullptr;
  if (want.turn > 0) key = backward ? "Right" : "Left";
  if (want.turn < 0) key = backward ? "Left" : "Right";
  if (!key) {
    if (left_) Up("Left", left_);
    if (right_) Up("Right", right_);
    if ((g.lefter || g.righter) && !left_ && !right_) Up("Left", left_);
  } else {
    const bool want_left = key[0] == 'L';
    const bool flag = want_left ? bool(g.lefter) : g.righter;
    bool& held = want_left ? left_ : right_;
    bool& other = want_left ? right_ : left_;
    if (other) Up(want_left ? "Right" : "Left", other);
    if (!flag || !held) Down(key, held);
  }

  // Fire: one press per shot, released on the next pass.
  const int64_t now = g.session.Ticks();
  if (ctrl_) {
    Up("Ctrl", ctrl_);
  } else if (want.fire && g.ShotButtonPushed) {
    Up("Ctrl", ctrl_);  // a release the game missed while a menu had the keys
  } else if (want.fire && now - last_fire_ >= kFireEveryMs) {
    Down("Ctrl", ctrl_);
    last_fire_ = now;
    ++shots_;
  }
}

void Controls::ReleaseAll() {
  if (up_) Up("Up", up_);
  if (left_) Up("Left", left_);
  if (right_) Up("Right", right_);
  if (ctrl_) Up("Ctrl", ctrl_);
}

}  // namespace cw::autopilot
