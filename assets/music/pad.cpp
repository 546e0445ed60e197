#include "pad.h"

#include <cmath>
#include <numbers>

#include "filter.h"
#include "oscillator.h"

namespace cw::music {

void Pad::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  const double sr = voice.sampleRate;
  Noise phases(voice.seed);
  auto startPhase = [&phases] { return 0.5 + 0.5 * phases.Next(); };
  const double spread = std::exp2(tone_.detuneCents / 1200.0);
  Oscillator low(Waveform::kSaw, sr, startPhase());
  Oscillator mid(Waveform::kSaw, sr, startPhase());
  Oscillator high(Waveform::kSaw, sr, startPhase());
  Oscillator sub(Waveform::kSine, sr, startPhase());
  low.SetFrequency(voice.frequency / spread);
  mid.SetFrequency(voice.frequency);
  high.SetFrequency(voice.frequency * spread);
  sub.SetFrequency(voice.frequency * 0.5);
  SvFilter filterLeft, filterRight;
  const double lfoPhase = startPhase() * 2.0 * std::numbers::pi;
  const double gain = 0.22 * voice.velocity;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    if (i % 32 == 0) {
      const double lfo = std::sin(2.0 * std::numbers::pi * tone_.driftRate * t + lfoPhase);
      const double cutoff = tone_.cutoff * (1.0 + tone_.drift * lfo);
      filterLeft.Set(cutoff, 0.8, sr);
      filterRight.Set(cutoff * 1.07, 0.8, sr);
    }
    const float a = low.Next(), b = mid.Next(), c = high.Next(), s = sub.Next();
    const double level = gain * tone_.envelope.Level(t, voice.gate);
    left[i] += static_cast<float>(level * (filterLeft.Lowpass(a + 0.6f * b) + tone_.subMix * s));
    right[i] += static_cast<float>(level * (filterRight.Lowpass(c + 0.6f * b) + tone_.subMix * s));
  }
}

}  // namespace cw::music
