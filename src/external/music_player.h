#pragma once
// MP1: one current music file; playing starts it from the beginning; its end plays it again.
#include <string>

#include "platform/session.h"

namespace cw {

class MusicPlayer {
 public:
  explicit MusicPlayer(Session& session) : session_(session) {}
  void SetFileName(const std::string& path) { session_.SetMusicFile(path); }
  void Play() { session_.PlayMusic(); }
  std::string FileName() const { return session_.MusicFile(); }
  bool Playing() const { return session_.MusicPlaying(); }

 private:
  Session& session_;
};

// The end-of-stream event: the current file starts over.
void MP1_EndOfStream(MusicPlayer& mp1);

}  // namespace cw
