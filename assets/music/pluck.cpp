#include "pluck.h"

#include <cmath>

#include "filter.h"
#include "oscillator.h"

namespace cw::music {

void Pluck::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  const double sr = voice.sampleRate;
  Oscillator saw(Waveform::kSaw, sr);
  Oscillator square(Waveform::kSquare, sr, 0.25);
  saw.SetFrequency(voice.frequency);
  square.SetFrequency(voice.frequency * 1.003);
  SvFilter filter;
  const double gain = 0.3 * voice.velocity;
  // Softer notes open the filter less, as a plucked string would.
  const double peak = tone_.cutoffPeak * (0.4 + 0.6 * voice.velocity);
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    if (i % 16 == 0) filter.Set(tone_.cutoffFloor + peak * std::exp(-t / tone_.filterDecay), 1.1, sr);
    const float raw = saw.Next() + static_cast<float>(tone_.squareMix) * square.Next();
    const float out = static_cast<float>(gain * tone_.envelope.Level(t, voice.gate)) * filter.Lowpass(raw);
    left[i] += out;
    right[i] += out;
  }
}

}  // namespace cw::music
