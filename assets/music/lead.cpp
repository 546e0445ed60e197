#include "lead.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "filter.h"
#include "oscillator.h"

namespace cw::music {

void Lead::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  const double sr = voice.sampleRate;
  Oscillator a(Waveform::kSquare, sr), b(Waveform::kSaw, sr, 0.4);
  a.SetPulseWidth(tone_.pulseWidth);
  SvFilter filterLeft, filterRight;
  const double gain = 0.22 * voice.velocity;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    if (i % 16 == 0) {
      const double depth = tone_.vibratoDepth * std::clamp((t - 0.25) / 0.4, 0.0, 1.0);
      const double hz = voice.frequency * (1.0 + depth * std::sin(2.0 * std::numbers::pi * 5.5 * t));
      a.SetFrequency(hz * 0.997);
      b.SetFrequency(hz * 1.004);
      const double cutoff = tone_.cutoff + tone_.cutoffAttack * std::exp(-t / 0.15);
      filterLeft.Set(cutoff, 0.9, sr);
      filterRight.Set(cutoff * 0.92, 0.9, sr);
    }
    const float x = a.Next(), y = b.Next();
    const double level = gain * tone_.envelope.Level(t, voice.gate);
    left[i] += static_cast<float>(level * filterLeft.Lowpass(0.8f * x + 0.5f * y));
    right[i] += static_cast<float>(level * filterRight.Lowpass(0.5f * x + 0.8f * y));
  }
}

}  // namespace cw::music
