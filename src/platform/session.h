#pragma once
// What the game takes from the running session: the clock and its waits, input events, the finished
// frame, random seeds and the music. Everything that decides the course of a game comes through here,
// and nothing else does: a recording writes down exactly these calls and a replay gives them back
// (recording_session, replay_session). Two backends implement it: the SDL window (sdl_platform) and a
// headless twin with a virtual clock (headless_platform).
#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/surface.h"

namespace cw {

// Game-controller buttons and axes, named by where they sit on the pad (south is the lower face button).
enum class PadButton {
  South,
  East,
  West,
  North,
  Back,
  Guide,
  Start,
  LeftStick,
  RightStick,
  LeftShoulder,
  RightShoulder,
  DpadUp,
  DpadDown,
  DpadLeft,
  DpadRight,
  Other
};
enum class PadAxis { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger };

struct InputEvent {
  enum class Type {
    KeyDown,
    KeyUp,
    MouseMove,
    MouseDown,
    MouseUp,
    MusicEnded,
    Quit,
    PadDown,
    PadUp,
    PadAxis,
    FocusLost,  // the window lost the keyboard focus (the player switched away)
    FocusGained
  };
  Type type = Type::Quit;
  int key = 0;     // virtual-key code: 37..40 arrows, 17 Ctrl, 13 Enter, 27 Escape, 32 Space, 'A'..'Z', '0'..'9'
  int ch = 0;      // with KeyDown: the character the key produces (13, 27, 32, letters, digits), else 0
  int button = 0;  // 1 left, 2 right, 4 middle
  int x = 0;       // window pixels of the 800 x 600 picture
  int y = 0;
  int control = 0;  // PadDown / PadUp: a PadButton; PadAxis: a PadAxis
  int value = 0;    // PadAxis: the position, -32768..32767 (down and right are positive)
  int pad = 0;      // which controller, while it stays plugged in
};

// A rectangle of the window picture, in its pixels.
struct FrameArea {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const FrameArea&) const = default;
  // The part of it inside a picture of width x height (empty when none is).
  FrameArea Within(int width, int height) const {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width), y1 = std::min(y + h, height);
    return x0 < x1 && y0 < y1 ? FrameArea{x0, y0, x1 - x0, y1 - y0} : FrameArea{};
  }
  bool Empty() const { return w <= 0 || h <= 0; }
};

class Session {
 public:
  virtual ~Session() = default;

  // Monotonic milliseconds.
  virtual int64_t Ticks() = 0;
  // Returns once Ticks() >= deadline. Sleeps; never returns early.
  virtual void WaitUntil(int64_t deadline) = 0;
  // Returns at the deadline or as soon as an event is pending, whichever comes first.
  // A negative deadline waits for an event with no time limit.
  virtual void WaitForEvent(int64_t deadline) = 0;
  virtual bool PollEvent(InputEvent& event) = 0;
  // Shows the finished 800 x 600 window picture.
  virtual void Present(const Surface& frame) = 0;
  // Shows the finished picture when only `changed` differs from the one presented last. A session
  // that can't make use of that shows the whole picture.
  virtual void PresentChanged(const Surface& frame, const FrameArea& changed) {
    (void)changed;
    Present(frame);
  }
  // A seed for the random generator, taken whenever the game reseeds.
  virtual uint64_t RandomSeed() = 0;

  // Music: one current file; Play starts it from the beginning; the end of the file arrives as MusicEnded.
  virtual void SetMusicFile(const std::string& path) = 0;
  virtual void PlayMusic() = 0;
  virtual std::string MusicFile() const = 0;
  virtual bool MusicPlaying() const = 0;
};

}  // namespace cw
