#include "ui/controller_mapping.h"

#include <cstdlib>

#include "platform/key_codes.h"

namespace cw {
namespace {

constexpr int kMenu = -1;

InputEvent Key(InputEvent::Type type, int key) {
  InputEvent e;
  e.type = type;
  e.key = key;
  // Enter and Escape type their own character, as on the keyboard.
  if (type == InputEvent::Type::KeyDown && (key == kKeyEnter || key == kKeyEscape)) e.ch = key;
  return e;
}

// Direction index 0..3 is the arrow key kKeyLeft + index: left, up, right, down.
int DpadDirection(int button) {
  switch (PadButton(button)) {
    case PadButton::DpadLeft: return 0;
    case PadButton::DpadUp: return 1;
    case PadButton::DpadRight: return 2;
    case PadButton::DpadDown: return 3;
    default: return -1;
  }
}

// The stick's new state along one axis, with a gap between pushing and letting go so that a
// stick resting near the edge does not flicker.
int StickState(int old_state, int value) {
  int sign = value < 0 ? -1 : 1;
  int magnitude = std::abs(value);
  if (old_state != 0 && old_state == sign && magnitude >= ControllerMapping::kReleaseAt) return old_state;
  return magnitude > ControllerMapping::kPushAt ? sign : 0;
}

// What a button press gives: a key code, kMenu, or 0 for buttons with no use.
int ButtonGives(int button, bool in_play) {
  switch (PadButton(button)) {
    case PadButton::South: return in_play ? kKeyCtrl : kKeyEnter;
    case PadButton::East: return kKeyEscape;
    case PadButton::Start: return in_play ? kMenu : kKeyEnter;
    default: return 0;
  }
}

}  // namespace

bool ControllerMapping::Held(int direction) const {
  for (const auto& [id, pad] : pads_) {
    if (pad.dpad[direction]) return true;
    if ((direction == 0 && pad.stick_x < 0) || (direction == 2 && pad.stick_x > 0)) return true;
    if ((direction == 1 && pad.stick_y < 0) || (direction == 3 && pad.stick_y > 0)) return true;
  }
  return false;
}

std::vector<PadAction> ControllerMapping::Map(const InputEvent& event, bool in_play) {
  using T = InputEvent::Type;
  std::vector<PadAction> actions;
  bool before[4];
  for (int d = 0; d < 4; ++d) before[d] = Held(d);

  Pad& pad = pads_[event.pad];
  int direction = DpadDirection(event.control);
  if ((event.type == T::PadDown || event.type == T::PadUp) && direction >= 0) {
    pad.dpad[direction] = event.type == T::PadDown;
  } else if (event.type == T::PadDown) {
    int given = ButtonGives(event.control, in_play);
    if (given == kMenu) {
      actions.push_back({true, {}});
    } else if (given != 0) {
      actions.push_back({false, Key(T::KeyDown, given)});
    }
    if (given != 0) pressed_[{event.pad, event.control}] = given;
  } else if (event.type == T::PadUp) {
    auto it = pressed_.find({event.pad, event.control});
    if (it != pressed_.end()) {
      if (it->second != kMenu) actions.push_back({false, Key(T::KeyUp, it->second)});
      pressed_.erase(it);
    }
  } else if (event.type == T::PadAxis) {
    if (PadAxis(event.control) == PadAxis::LeftX) pad.stick_x = StickState(pad.stick_x, event.value);
    if (PadAxis(event.control) == PadAxis::LeftY) pad.stick_y = StickState(pad.stick_y, event.value);
  }

  // Releases first, so that swinging the stick across gives the old key's release before the new press.
  for (int d = 0; d < 4; ++d)
    if (before[d] && !Held(d)) actions.push_back({false, Key(T::KeyUp, kKeyLeft + d)});
  for (int d = 0; d < 4; ++d)
    if (!before[d] && Held(d)) actions.push_back({false, Key(T::KeyDown, kKeyLeft + d)});
  return actions;
}

}  // namespace cw
