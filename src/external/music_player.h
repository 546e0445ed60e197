#pragma once
// MP1: one current music file; playing starts it from the beginning; its end plays it again.
#include <string>

#include "platform/platform.h"

namespace cw {

class MusicPlayer {
 public:
  explicit MusicPlayer(Platform& platform) : platform_(platform) {}
  void SetFileName(const std::string& path) { platform_.SetMusicFile(path); }
  void Play() { platform_.PlayMusic(); }
  std::string FileName() const { return platform_.MusicFile(); }
  bool Playing() const { return platform_.MusicPlaying(); }

 private:
  Platform& platform_;
};

// The end-of-stream event: the current file starts over.
void MP1_EndOfStream(MusicPlayer& mp1);

}  // namespace cw
