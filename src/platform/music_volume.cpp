#include "platform/music_volume.h"

#include <algorithm>

namespace cw {

void MusicVolume::Up() {
  percent_ = std::min(100, percent_ + kStep);
  muted_ = false;
}

void MusicVolume::Down() {
  percent_ = std::max(0, percent_ - kStep);
  muted_ = false;
}

int MusicVolume::MixerLevel() const { return muted_ ? 0 : (percent_ * 128 + 50) / 100; }

std::string MusicVolume::Note() const { return muted_ ? "Music muted" : "Music " + std::to_string(percent_) + "%"; }

}  // namespace cw
