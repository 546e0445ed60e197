#include "platform/music_volume.h"

#include <algorithm>

namespace cw {

int MixerLevel(int percent, bool muted) { return muted ? 0 : (std::clamp(percent, 0, 100) * 128 + 50) / 100; }

}  // namespace cw
