#pragma once
// Wraps a platform and writes down everything it hands the game (clock readings, the ends of waits,
// events and random seeds), so that the session can be played again exactly.
#include <fstream>
#include <string>

#include "platform/platform.h"
#include "platform/session_log.h"

namespace cw {

class RecordingPlatform : public Platform {
 public:
  // Throws std::runtime_error when the file cannot be written.
  RecordingPlatform(Platform& inner, const std::string& path, const SessionHeader& header);

  // While set, calls pass through unrecorded: work of the program around the game (a headless
  // script's dumps), which a replay does again by itself.
  bool quiet = false;

  int64_t Ticks() override;
  void WaitUntil(int64_t deadline) override;
  void WaitForEvent(int64_t deadline) override;
  bool PollEvent(InputEvent& event) override;
  void Present(const Surface& frame) override { inner_.Present(frame); }
  uint64_t RandomSeed() override;

  void SetMusicFile(const std::string& path) override { inner_.SetMusicFile(path); }
  void PlayMusic() override { inner_.PlayMusic(); }
  std::string MusicFile() const override { return inner_.MusicFile(); }
  bool MusicPlaying() const override { return inner_.MusicPlaying(); }

  std::optional<Surface> DecodePicture(const std::string& path) override { return inner_.DecodePicture(path); }
  std::optional<Surface> DecodePicture(const void* data, size_t size) override {
    return inner_.DecodePicture(data, size);
  }
  TextMask RenderText(const std::string& line, double points, bool bold) override {
    return inner_.RenderText(line, points, bold);
  }
  bool SavePng(const Surface& frame, const std::string& path) override { return inner_.SavePng(frame, path); }

 private:
  void Write(const SessionEntry& entry);
  // Notes where a wait ended, also when the program ends inside it.
  template <typename F>
  void Wait(F wait);

  Platform& inner_;
  std::ofstream out_;
};

}  // namespace cw
