#pragma once
// Plays a recorded session again: the clock, the events and the random seeds come from the
// recording, in the order the game asked for them; music and frames go to the session underneath.
// Paced, it keeps the recorded timing on the real clock (for watching in a window); unpaced, it moves
// the inner session's clock to each recorded wait's end, so that a headless script's dumps and
// screenshots fall at their times.
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/session.h"
#include "platform/session_log.h"

namespace cw {

// The game asked for something other than what the recording holds next: it is not the
// program (or the data) the session was recorded with.
struct ReplayMismatch : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class ReplaySession : public Session {
 public:
  ReplaySession(Session& inner, SessionLog log, bool paced);

  // Called when the recording has run out, or the window of a paced replay was closed; it ends the
  // program by throwing.
  std::function<void()> on_end;
  // Called in a paced replay before it sleeps to keep the recorded timing.
  std::function<void()> before_wait;

  // While set, clock readings pass through to the inner session and nothing is taken from the
  // recording (the program's own work around the game, such as a script's dumps).
  bool quiet = false;
  // Entries the game has taken so far, and in all.
  size_t position() const { return next_; }
  size_t size() const { return log_.entries.size(); }

  int64_t Ticks() override;
  void WaitUntil(int64_t deadline) override;
  void WaitForEvent(int64_t deadline) override;
  bool PollEvent(InputEvent& event) override;
  void Present(const Surface& frame) override { inner_.Present(frame); }
  void PresentChanged(const Surface& frame, const FrameArea& changed) override {
    inner_.PresentChanged(frame, changed);
  }
  uint64_t RandomSeed() override;

  void SetMusicFile(const std::string& path) override { inner_.SetMusicFile(path); }
  void PlayMusic() override { inner_.PlayMusic(); }
  std::string MusicFile() const override { return inner_.MusicFile(); }
  bool MusicPlaying() const override { return inner_.MusicPlaying(); }

 private:
  // The next entry, which must be of `kind`; the end of the recording ends the program.
  const SessionEntry& Take(SessionEntry::Kind kind);
  // Lets the inner session's time reach the recorded time `t`.
  void Reach(int64_t t);
  [[noreturn]] void End();

  Session& inner_;
  SessionLog log_;
  bool paced_;
  size_t next_ = 0;
  bool started_ = false;
  int64_t recorded_start_ = 0;
  int64_t inner_start_ = 0;
};

}  // namespace cw
