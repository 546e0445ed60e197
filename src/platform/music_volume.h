#pragma once
// The player's music volume: steps of 10 % from 0 to 100 and a mute that keeps the level.
#include <string>

namespace cw {

class MusicVolume {
 public:
  static constexpr int kStep = 10;

  int percent() const { return percent_; }
  bool muted() const { return muted_; }

  // Louder or softer by one step, within 0..100; either one also ends the mute.
  void Up();
  void Down();
  void ToggleMute() { muted_ = !muted_; }

  // What the mixer gets, 0..128.
  int MixerLevel() const;
  // The short note shown on screen after a change, e.g. "Music 70%" or "Music muted".
  std::string Note() const;

 private:
  int percent_ = 100;
  bool muted_ = false;
};

}  // namespace cw
