#include "master.h"

#include <cmath>

#include "loop.h"

namespace cw::music {
namespace {

void RemoveMean(std::vector<float>& channel) {
  double sum = 0.0;
  for (float x : channel) sum += x;
  const float mean = static_cast<float>(sum / static_cast<double>(channel.size()));
  for (float& x : channel) x -= mean;
}

}  // namespace

float SoftLimit(float x, float knee, float ceiling) {
  const float magnitude = std::fabs(x);
  if (magnitude <= knee) return x;
  const float room = ceiling - knee;
  const float limited = knee + room * std::tanh((magnitude - knee) / room);
  return x < 0.0f ? -limited : limited;
}

Levels Measure(const StereoBuffer& buffer) {
  Levels levels;
  double energy = 0.0;
  for (std::size_t i = 0; i < buffer.Frames(); ++i) {
    for (float x : {buffer.left[i], buffer.right[i]}) {
      levels.peak = std::max(levels.peak, static_cast<double>(std::fabs(x)));
      energy += static_cast<double>(x) * x;
    }
  }
  if (buffer.Frames() > 0) levels.rms = std::sqrt(energy / (2.0 * static_cast<double>(buffer.Frames())));
  return levels;
}

void Master(StereoBuffer& loop, double loudnessDb) {
  if (loop.Frames() == 0) return;
  RemoveMean(loop.left);
  RemoveMean(loop.right);
  const Levels levels = Measure(loop);
  const float gain = levels.rms > 0.0 ? static_cast<float>(std::pow(10.0, loudnessDb / 20.0) / levels.rms) : 1.0f;
  for (std::size_t i = 0; i < loop.Frames(); ++i) {
    loop.left[i] = SoftLimit(loop.left[i] * gain, kLimiterKnee, kLimiterCeiling);
    loop.right[i] = SoftLimit(loop.right[i] * gain, kLimiterKnee, kLimiterCeiling);
  }
  FadeEdges(loop, kEdgeFadeFrames);
}

}  // namespace cw::music
