#include "loop.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cw::music {

StereoBuffer FoldTail(const StereoBuffer& rendered, std::size_t loopFrames) {
  StereoBuffer loop(loopFrames);
  for (std::size_t i = 0; i < rendered.Frames(); ++i) {
    loop.left[i % loopFrames] += rendered.left[i];
    loop.right[i % loopFrames] += rendered.right[i];
  }
  return loop;
}

void FadeEdges(StereoBuffer& loop, std::size_t frames) {
  const std::size_t total = loop.Frames();
  frames = std::min(frames, total / 2);
  for (std::size_t i = 0; i < frames; ++i) {
    const float gain = static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / frames));
    loop.left[i] *= gain;
    loop.right[i] *= gain;
    loop.left[total - 1 - i] *= gain;
    loop.right[total - 1 - i] *= gain;
  }
}

}  // namespace cw::music
