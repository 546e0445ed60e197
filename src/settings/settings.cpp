#include "settings/settings.h"

#include <algorithm>

namespace cw {

const char* ActionName(PlayAction action) {
  switch (action) {
    case PlayAction::Up: return "up";
    case PlayAction::Down: return "down";
    case PlayAction::Left: return "left";
    case PlayAction::Right: return "right";
    case PlayAction::Fire: return "fire";
  }
  return "";
}

std::optional<PlayAction> Settings::ActionOf(int key) const {
  for (PlayAction a : kPlayActions)
    if (Key(a) == key) return a;
  return std::nullopt;
}

void Settings::VolumeUp() {
  music_volume = std::min(100, music_volume + kVolumeStep);
  muted = false;
}

void Settings::VolumeDown() {
  music_volume = std::max(0, music_volume - kVolumeStep);
  muted = false;
}

std::string Settings::VolumeNote() const {
  return muted ? "Music muted" : "Music " + std::to_string(music_volume) + "%";
}

bool KeyReserved(int key) {
  switch (key) {
    case kKeyEscape:
    case kKeyF1:
    case kKeyF1 + 10:  // F11
    case kKeyMinus:
    case kKeySubtract:
    case kKeyAdd:
    case kKeyEquals:
    case 'M': return true;
    default: return false;
  }
}

}  // namespace cw
