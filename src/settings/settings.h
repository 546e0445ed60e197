#pragma once
// The player's settings: sound, display, pausing and the play keys. The game owns them and keeps them
// in a file; the platform only applies them. They never touch the game state or the saved game.
#include <array>
#include <optional>
#include <string>

#include "platform/key_codes.h"

namespace cw {

// The five things the play keys do; the play area's key handlers see these, not the keys.
enum class PlayAction { Up, Down, Left, Right, Fire };
constexpr int kPlayActionCount = 5;
constexpr std::array<PlayAction, kPlayActionCount> kPlayActions = {PlayAction::Up, PlayAction::Down, PlayAction::Left,
                                                                   PlayAction::Right, PlayAction::Fire};
// "up", "down", "left", "right", "fire": the names in the settings file and the state dump.
const char* ActionName(PlayAction action);

enum class Scaling {
  Sharp,   // the largest whole factor that fits, every picture pixel a sharp square
  Smooth,  // as large as fits, keeping the picture's shape, smoothed
};

struct Settings {
  static constexpr int kVolumeStep = 10;
  static constexpr int kMinWindowWidth = 200;
  static constexpr int kMinWindowHeight = 150;
  static constexpr int kMaxWindowSide = 16384;

  int music_volume = 100;  // percent, 0..100 in steps of kVolumeStep
  bool muted = false;      // music off; the volume is kept
  bool full_screen = true;
  // The window's size when not full screen; 0 x 0 is the largest whole multiple of 800 x 600 the
  // desktop has room for.
  int window_width = 0;
  int window_height = 0;
  Scaling scaling = Scaling::Sharp;
  bool pause_on_focus_loss = true;
  std::array<int, kPlayActionCount> keys = {kKeyUp, kKeyDown, kKeyLeft, kKeyRight, kKeyCtrl};

  bool operator==(const Settings&) const = default;

  int& Key(PlayAction action) { return keys[size_t(action)]; }
  int Key(PlayAction action) const { return keys[size_t(action)]; }
  // The action a key is bound to, if any.
  std::optional<PlayAction> ActionOf(int key) const;

  // Louder or softer by one step within 0..100; either one also ends the mute.
  void VolumeUp();
  void VolumeDown();
  void ToggleMute() { muted = !muted; }
  // The short note shown after a change: "Music 70%" or "Music muted".
  std::string VolumeNote() const;
};

// Keys the game keeps for itself (options, full screen, volume, closing screens): they can't be play keys.
bool KeyReserved(int key);

}  // namespace cw
