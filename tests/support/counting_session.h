#pragma once
// A session that hands every call on to another one and counts the calls tests ask about.
#include "platform/session.h"

namespace cw::test {

struct CountingSession : Session {
  explicit CountingSession(Session& s) : inner(s) {}
  int64_t Ticks() override { return inner.Ticks(); }
  void WaitUntil(int64_t deadline) override { inner.WaitUntil(deadline); }
  void WaitForEvent(int64_t deadline) override { inner.WaitForEvent(deadline); }
  bool PollEvent(InputEvent& event) override {
    ++polls;
    return inner.PollEvent(event);
  }
  void Present(const Surface& frame) override { inner.Present(frame); }
  uint64_t RandomSeed() override { return inner.RandomSeed(); }
  void SetMusicFile(const std::string& path) override { inner.SetMusicFile(path); }
  void PlayMusic() override {
    ++music_starts;
    inner.PlayMusic();
  }
  std::string MusicFile() const override { return inner.MusicFile(); }
  bool MusicPlaying() const override { return inner.MusicPlaying(); }

  Session& inner;
  int polls = 0;
  int music_starts = 0;
};

}  // namespace cw::test
