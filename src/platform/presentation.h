#pragma once
// What the platform does with the player's settings, which the game owns and keeps: the music's volume,
// full screen or a window, how the picture is scaled; and a short note over the picture. None of it
// changes the course of a game, so recording and replay leave it out.
#include <cstdint>
#include <string>

namespace cw {

struct DisplayMode {
  bool full_screen = true;
  // The window's size when not full screen; 0 x 0 is the largest whole multiple of the picture the
  // desktop has room for.
  int window_width = 0;
  int window_height = 0;
  bool smooth = false;  // as large as fits with the shape kept, smoothed; else the largest whole factor

  bool operator==(const DisplayMode&) const = default;
};

class Presentation {
 public:
  virtual ~Presentation() = default;

  // The music's volume in percent, 0..100; muted plays nothing and keeps the volume.
  virtual void SetMusicVolume(int percent, bool muted) = 0;
  virtual void SetDisplay(const DisplayMode& mode) = 0;
  // Shows a line of text at the bottom right of the picture for `shown_for` milliseconds, or until the
  // next note when negative. An empty text takes the note away. Screenshots never show it.
  virtual void ShowNote(const std::string& text, int64_t shown_for) = 0;
  // False when there is no sound at all (no device, or --no-audio).
  virtual bool HasSound() const = 0;
};

}  // namespace cw
