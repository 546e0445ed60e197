#include "kick.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "filter.h"
#include "oscillator.h"

namespace cw::music {

void Kick::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  const double sr = voice.sampleRate;
  Noise noise(voice.seed);
  SvFilter clickFilter;
  clickFilter.Set(3000.0, 0.7, sr);
  double phase = 0.0;
  const double gain = 0.9 * voice.velocity;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    const double hz = tone_.pitchEnd + tone_.pitchDrop * std::exp(-t / tone_.pitchDecay);
    const double attack = std::min(1.0, t / 0.0015);
    const double body = std::sin(2.0 * std::numbers::pi * phase) * std::exp(-t / tone_.decay);
    const double click = tone_.click * clickFilter.Highpass(noise.Next()) * std::exp(-t / 0.004);
    const double fadeOut = std::min(1.0, (frames - i) / (0.01 * sr));
    const float out = static_cast<float>(gain * attack * fadeOut * std::tanh(1.1 * body + click));
    left[i] += out;
    right[i] += out;
    phase += hz / sr;
    phase -= std::floor(phase);
  }
}

}  // namespace cw::music
