#include "sweep.h"

#include <algorithm>
#include <cmath>

#include "filter.h"
#include "oscillator.h"

namespace cw::music {

void Sweep::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  const double sr = voice.sampleRate;
  Noise noiseLeft(voice.seed), noiseRight(voice.seed + 7919u);
  SvFilter bandLeft, bandRight;
  const double gain = 0.35 * voice.velocity;
  const double ratio = tone_.toHz / tone_.fromHz;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    const double progress = std::min(1.0, t / voice.gate);
    if (i % 16 == 0) {
      const double hz = tone_.fromHz * std::pow(ratio, progress);
      bandLeft.Set(hz, 2.0, sr);
      bandRight.Set(hz * 1.05, 2.0, sr);
    }
    // Swells with the pitch, then dies away quickly once the key is let go.
    const double level = t < voice.gate ? progress * progress : std::exp(-(t - voice.gate) / 0.05);
    left[i] += static_cast<float>(gain * level * bandLeft.Bandpass(noiseLeft.Next()));
    right[i] += static_cast<float>(gain * level * bandRight.Bandpass(noiseRight.Next()));
  }
}

}  // namespace cw::music
