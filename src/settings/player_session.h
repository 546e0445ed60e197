#pragma once
// The session the game runs on: the platform's, less what belongs to the player rather than to the
// game. The options screen (F1, a controller's Back), the volume and full-screen keys and the
// window's focus are handled here and never reach the game. While the options screen is open, or
// the window has lost the focus (when the settings say so), the game's clock stands still: the time
// spent so is taken off every clock reading and added to every deadline, so each wait of the game
// keeps its meaning and the game goes on exactly where it stopped. Recorded below and replayed
// below, it does everything again the same way from the same events.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "platform/media.h"
#include "platform/presentation.h"
#include "platform/session.h"
#include "settings/options_overlay.h"
#include "settings/settings.h"
#include "ui/controller_mapping.h"

namespace cw {

class PlayerSession : public Session {
 public:
  static constexpr int64_t kNoteTime = 1500;  // how long a volume note shows, in milliseconds

  PlayerSession(Session& inner, Media& media, Presentation& presentation, Settings settings);

  // Called after every change of the settings, with the new ones (to keep them and to tell the game).
  std::function<void(const Settings&)> on_change;

  const Settings& settings() const { return settings_; }
  // The game's clock stands still.
  bool paused() const { return options_open_ || FocusPause(); }
  bool options_open() const { return options_open_; }
  const OptionsOverlay& options() const { return overlay_; }
  // Milliseconds the game's clock has stood still so far.
  int64_t paused_for() const { return paused_for_; }
  // The session's own clock, which goes on while the game's stands still.
  int64_t RealTicks() { return inner_.Ticks(); }
  // Draws the options screen over a window picture while it is open (for screenshots).
  void DrawOptions(Surface& frame) const;

  int64_t Ticks() override { return inner_.Ticks() - paused_for_; }
  void WaitUntil(int64_t deadline) override { inner_.WaitUntil(deadline + paused_for_); }
  void WaitForEvent(int64_t deadline) override {
    inner_.WaitForEvent(deadline < 0 ? deadline : deadline + paused_for_);
  }
  // Hands out the game's events; while the game stands still it keeps them (and the time) to itself.
  bool PollEvent(InputEvent& event) override;
  void Present(const Surface& frame) override;
  void PresentChanged(const Surface& frame, const FrameArea& changed) override;
  uint64_t RandomSeed() override { return inner_.RandomSeed(); }

  void SetMusicFile(const std::string& path) override { inner_.SetMusicFile(path); }
  void PlayMusic() override { inner_.PlayMusic(); }
  std::string MusicFile() const override { return inner_.MusicFile(); }
  bool MusicPlaying() const override { return inner_.MusicPlaying(); }

 private:
  using PadControl = std::pair<int, int>;  // (pad, button or axis)

  bool FocusPause() const { return focus_lost_ && settings_.pause_on_focus_loss; }
  // Waits, handling the player's events, until the game may go on (or the window is to close).
  void Hold();
  // True when the event is the player's business, not the game's.
  bool Take(const InputEvent& e);
  bool TakeKeyDown(const InputEvent& e);
  bool TakePad(const InputEvent& e);
  // An event of the game's that came while it stood still: kept for later when it must not be lost.
  void Keep(const InputEvent& e);
  // What the game has seen held (keys, buttons, sticks), so a release during a pause reaches it later.
  void Saw(const InputEvent& e);
  void Change(const Settings& s);
  void Apply(const OptionsOverlay::Outcome& outcome);
  void SetOptionsOpen(bool open);
  void Volume(void (Settings::*change)());
  // Shows or takes away the "Paused" note as the focus pause starts or ends.
  void UpdatePauseNote();
  // Shows the game's last picture again, with the options screen over it while that is open.
  void Redraw();

  Session& inner_;
  Media& media_;
  Presentation& presentation_;
  Settings settings_;
  OptionsOverlay overlay_;
  ControllerMapping overlay_pad_;  // a controller on the options screen gives the menu keys
  bool options_open_ = false;
  bool focus_lost_ = false;
  bool pause_note_ = false;
  bool alt_ = false;
  bool ctrl_ = false;
  int64_t paused_for_ = 0;
  std::set<int> player_keys_;            // pressed for the player: their repeats and releases are too
  std::set<PadControl> player_pad_;      // likewise for controller buttons
  std::set<int> game_keys_;              // held as far as the game knows
  std::set<int> game_buttons_;           // mouse buttons
  std::set<PadControl> game_pad_;        // controller buttons
  std::map<PadControl, int> game_axes_;  // the last stick positions the game saw
  std::map<PadControl, int> axes_;       // and where they are
  std::deque<InputEvent> kept_;          // the game's events from while it stood still
  std::optional<InputEvent> quit_;       // the window is to close while the game stands still
  const Surface* last_frame_ = nullptr;
};

}  // namespace cw
