#include "hihat.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "filter.h"
#include "oscillator.h"

namespace cw::music {

void HiHat::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  // Inharmonic partials in the ratios of a classic drum machine cymbal.
  static constexpr std::array<double, 6> kPartials = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
  const double sr = voice.sampleRate;
  std::array<Oscillator, 6> metal = {Oscillator(Waveform::kSquare, sr), Oscillator(Waveform::kSquare, sr),
                                     Oscillator(Waveform::kSquare, sr), Oscillator(Waveform::kSquare, sr),
                                     Oscillator(Waveform::kSquare, sr), Oscillator(Waveform::kSquare, sr)};
  for (std::size_t k = 0; k < metal.size(); ++k) metal[k].SetFrequency(kPartials[k] * 1.7);
  Noise noise(voice.seed);
  SvFilter highpass, second;
  highpass.Set(tone_.brightness, 0.8, sr);
  second.Set(tone_.brightness * 1.2, 0.7, sr);
  const double gain = 0.5 * voice.velocity;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    float ring = 0.0f;
    for (Oscillator& partial : metal) ring += partial.Next();
    const float raw = 0.12f * ring + 0.7f * noise.Next();
    const double attack = std::min(1.0, t / 0.0008);
    const double fadeOut = std::min(1.0, (frames - i) / (0.005 * sr));
    const double level = gain * attack * fadeOut * std::exp(-t / tone_.decay);
    const float out = static_cast<float>(level * second.Highpass(highpass.Highpass(raw)));
    left[i] += out;
    right[i] += out;
  }
}

}  // namespace cw::music
