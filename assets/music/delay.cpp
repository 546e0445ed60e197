#include "delay.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace cw::music {

StereoBuffer ApplyDelay(const StereoBuffer& send, DelaySettings settings, double sampleRate) {
  const std::size_t length = static_cast<std::size_t>(std::llround(settings.seconds * sampleRate));
  std::vector<float> lineLeft(length, 0.0f), lineRight(length, 0.0f);
  // One-pole lowpass coefficient for the feedback path.
  const float smooth = static_cast<float>(std::exp(-2.0 * std::numbers::pi * settings.toneHz / sampleRate));
  const float feedback = static_cast<float>(settings.feedback);
  float toneLeft = 0.0f, toneRight = 0.0f;
  StereoBuffer wet(send.Frames());
  std::size_t index = 0;
  for (std::size_t i = 0; i < send.Frames(); ++i) {
    const float outLeft = lineLeft[index];
    const float outRight = lineRight[index];
    toneLeft = outLeft + smooth * (toneLeft - outLeft);
    toneRight = outRight + smooth * (toneRight - outRight);
    // The input enters on the left only; each echo then crosses to the other side.
    lineLeft[index] = 0.5f * (send.left[i] + send.right[i]) + feedback * toneRight;
    lineRight[index] = feedback * toneLeft;
    wet.left[i] = outLeft;
    wet.right[i] = outRight;
    if (++index == length) index = 0;
  }
  return wet;
}

}  // namespace cw::music
