#include "bass.h"

#include <cmath>

#include "filter.h"
#include "oscillator.h"

namespace cw::music {

void Bass::Render(const Voice& voice, float* left, float* right, std::size_t frames) const {
  const double sr = voice.sampleRate;
  Oscillator saw(Waveform::kSaw, sr), sub(Waveform::kSine, sr);
  saw.SetFrequency(voice.frequency);
  sub.SetFrequency(voice.frequency);
  SvFilter filter;
  const double gain = 0.5 * voice.velocity;
  const double norm = 1.0 / std::tanh(tone_.drive);
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = i / sr;
    if (i % 16 == 0) {
      filter.Set(tone_.cutoffFloor + tone_.cutoffPeak * voice.velocity * std::exp(-t / tone_.filterDecay), 1.0, sr);
    }
    const double raw = 0.6 * filter.Lowpass(static_cast<float>(tone_.sawMix) * saw.Next()) + 0.8 * sub.Next();
    const double shaped = norm * std::tanh(tone_.drive * raw);
    const float out = static_cast<float>(gain * tone_.envelope.Level(t, voice.gate) * shaped);
    left[i] += out;
    right[i] += out;
  }
}

}  // namespace cw::music
