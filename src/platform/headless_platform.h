#pragma once
// The headless twin: no window and no audio device. A virtual clock starts at 0 and moves only
// while the program waits, jumping to the instant the wait ends; input comes from a script. It is the
// game's session and media, and takes the player's settings without anything to apply them to.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/headless_script.h"
#include "platform/media.h"
#include "platform/presentation.h"
#include "platform/sdl_media.h"
#include "platform/session.h"

namespace cw {

class HeadlessPlatform : public Session, public Media, public Presentation {
 public:
  HeadlessPlatform(std::vector<ScriptCommand> script, uint64_t seed, std::vector<uint8_t> regular_ttf,
                   std::vector<uint8_t> bold_ttf);

  // Runs a dump, screenshot or quit command at its exact time; set by the program before anything runs.
  std::function<void(const ScriptCommand&)> on_command;
  // Called when the clock would pass the script's last line: the run ends there.
  std::function<void()> on_script_end;

  // Called whenever the clock is about to move: a player looking at the screen between two moments.
  // Events it injects (at a later time than now) are handled as a script's would be.
  std::function<void()> before_clock_moves;

  // Queues an input event at the current virtual time (used by tests and the controller mapping).
  void Inject(const InputEvent& event);
  // Queues an input event for virtual time `time` (not before now).
  void InjectAt(int64_t time, const InputEvent& event);

  int64_t Ticks() override { return now_; }
  void WaitUntil(int64_t deadline) override;
  void WaitForEvent(int64_t deadline) override;
  bool PollEvent(InputEvent& event) override;
  void Present(const Surface&) override {}
  uint64_t RandomSeed() override;

  void SetMusicFile(const std::string& path) override { music_file_ = path; }
  void PlayMusic() override;
  std::string MusicFile() const override { return music_file_; }
  bool MusicPlaying() const override { return music_playing_; }

  // Not kept between loads: a location and its mask were 30 MB held twice, for a decode of a few ms.
  std::optional<Surface> DecodePicture(const std::string& path) override { return media_.DecodePicture(path); }
  std::optional<Surface> DecodePicture(const void* data, size_t size) override {
    return media_.DecodePicture(data, size);
  }
  std::optional<IndexedSurface> DecodeIndexed(const std::string& path) override { return media_.DecodeIndexed(path); }
  TextMask RenderText(const std::string& line, double points, bool bold) override {
    return media_.RenderText(line, points, bold);
  }
  bool SavePng(const Surface& frame, const std::string& path) override { return media_.SavePng(frame, path); }

  // No window and no sound: the settings have nothing to act on.
  void SetMusicVolume(int, bool) override {}
  void SetDisplay(const DisplayMode&) override {}
  void ShowNote(const std::string&, int64_t) override {}
  bool HasSound() const override { return false; }

 private:
  // Moves the clock to `target`, running every command due on the way at its own time.
  void AdvanceTo(int64_t target);
  bool InputDue() const { return !inputs_.empty() && inputs_.front().time <= now_; }

  SdlMedia media_;
  int64_t now_ = 0;
  uint64_t seed_;
  std::deque<ScriptCommand> inputs_;
  std::deque<ScriptCommand> commands_;
  int64_t last_time_ = -1;  // the script's last line; -1 for a run without a script end
  std::string music_file_;
  bool music_playing_ = false;
};

}  // namespace cw
