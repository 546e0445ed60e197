#include "snare.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "filter.h"
#include "oscillator.h"

namespace cw::music {

void Snare::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  constexpr double kTwoPi = 2.0 * std::numbers::pi;
  const double sr = voice.sampleRate;
  Noise noise(voice.seed);
  SvFilter band, air;
  band.Set(tone_.noiseHz, 0.6, sr);
  air.Set(5000.0, 0.7, sr);
  const double gain = 0.55 * voice.velocity;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    const double attack = std::min(1.0, t / 0.001);
    const double body = (std::sin(kTwoPi * tone_.bodyHz * t) + 0.5 * std::sin(kTwoPi * tone_.bodyHz * 1.78 * t)) *
                        std::exp(-t / tone_.bodyDecay);
    const float n = noise.Next();
    const double wires = (band.Bandpass(n) + 0.35 * air.Bandpass(n)) * std::exp(-t / tone_.noiseDecay);
    const double fadeOut = std::min(1.0, (frames - i) / (0.01 * sr));
    const float out = static_cast<float>(gain * attack * fadeOut * (0.6 * body + tone_.noiseMix * wires));
    left[i] += out;
    right[i] += out;
  }
}

}  // namespace cw::music
