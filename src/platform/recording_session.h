#pragma once
// Wraps a session and writes down everything it hands the game (clock readings, the ends of waits,
// events and random seeds), so that the session can be played again exactly.
#include <fstream>
#include <string>

#include "platform/session.h"
#include "platform/session_log.h"

namespace cw {

class RecordingSession : public Session {
 public:
  // Throws std::runtime_error when the file cannot be written.
  RecordingSession(Session& inner, const std::string& path, const SessionHeader& header);

  // While set, calls pass through unrecorded: work of the program around the game (a headless
  // script's dumps), which a replay does again by itself.
  bool quiet = false;

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
  void Write(const SessionEntry& entry);
  // Notes where a wait ended, also when the program ends inside it.
  template <typename F>
  void Wait(F wait);

  Session& inner_;
  std::ofstream out_;
};

}  // namespace cw
