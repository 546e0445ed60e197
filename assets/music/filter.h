#pragma once
// State-variable filter (trapezoidal integration): stable under fast cutoff sweeps.

namespace cw::music {

class SvFilter {
 public:
  struct Output {
    float low;
    float band;
    float high;
  };

  // resonance is Q: 0.5 = soft, 0.707 = flat, higher rings.
  void Set(double cutoffHz, double resonance, double sampleRate);
  Output Process(float in);
  float Lowpass(float in) { return Process(in).low; }
  float Highpass(float in) { return Process(in).high; }
  float Bandpass(float in) { return Process(in).band; }

 private:
  double a1_ = 1.0, a2_ = 0.0, a3_ = 0.0, k_ = 1.4142;
  double ic1_ = 0.0, ic2_ = 0.0;
};

}  // namespace cw::music
