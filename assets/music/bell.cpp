#include "bell.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cw::music {

void Bell::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  constexpr double kTwoPi = 2.0 * std::numbers::pi;
  const double sr = voice.sampleRate;
  double carrier = 0.0, body = 0.0, modulator = 0.0, vibrato = 0.0;
  const double gain = 0.3 * voice.velocity;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    // Vibrato creeps in after the strike so the attack stays in tune.
    const double depth = tone_.vibratoDepth * std::min(1.0, std::max(0.0, (t - 0.3) / 0.6));
    const double hz = voice.frequency * (1.0 + depth * std::sin(kTwoPi * vibrato));
    const double index = tone_.indexEnd + (tone_.indexStart - tone_.indexEnd) * std::exp(-t / tone_.indexDecay);
    const double mod = index * std::sin(kTwoPi * modulator);
    // A soft sine an octave down gives the thin FM tone some warmth.
    const double tone = std::sin(kTwoPi * carrier + mod) + 0.35 * std::sin(kTwoPi * body);
    const float out = static_cast<float>(gain * tone_.envelope.Level(t, voice.gate) * tone);
    left[i] += out;
    right[i] += out;
    carrier += hz / sr;
    body += hz * 0.5 / sr;
    modulator += hz * tone_.ratio / sr;
    vibrato += 5.2 / sr;
    carrier -= std::floor(carrier);
    body -= std::floor(body);
    modulator -= std::floor(modulator);
    vibrato -= std::floor(vibrato);
  }
}

}  // namespace cw::music
