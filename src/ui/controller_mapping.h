#pragma once
// A game controller works like the keyboard: the d-pad and the left stick are the arrow keys,
// the south button is Ctrl in play and Enter elsewhere, the east button is Escape, and Start
// is the MENU button in play (Enter elsewhere).
#include <map>
#include <utility>
#include <vector>

#include "platform/session.h"

namespace cw {

struct PadAction {
  bool menu_button = false;  // press the status bar's MENU button
  InputEvent key;            // otherwise: this key event
};

class ControllerMapping {
 public:
  // The stick counts as pushed beyond kPushAt and as let go again below kReleaseAt.
  static constexpr int kPushAt = 16000;
  static constexpr int kReleaseAt = 12000;

  // `in_play`: the play area has the keyboard focus. A button's release gives the release of
  // whatever its press gave, even when the screen has changed in between.
  std::vector<PadAction> Map(const InputEvent& event, bool in_play);

 private:
  struct Pad {
    bool dpad[4] = {false, false, false, false};  // left, up, right, down
    int stick_x = 0;                              // -1 left, 0 centre, 1 right
    int stick_y = 0;                              // -1 up, 0 centre, 1 down
  };
  bool Held(int direction) const;

  std::map<int, Pad> pads_;
  std::map<std::pair<int, int>, int> pressed_;  // (pad, button) -> key code given, or kMenu
};

}  // namespace cw
