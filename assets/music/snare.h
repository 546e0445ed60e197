#pragma once
// Synthesised snare: a short two-tone body and a band of noise for the wires.
#include "instrument.h"

namespace cw::music {

struct SnareTone {
  double bodyHz = 185.0;
  double bodyDecay = 0.06;   // seconds
  double noiseHz = 2200.0;   // centre of the wire band
  double noiseDecay = 0.12;  // seconds
  double noiseMix = 0.8;
};

class Snare : public Instrument {
 public:
  explicit Snare(SnareTone tone) : tone_(tone) {}
  double Tail() const override { return tone_.noiseDecay * 4.0; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  SnareTone tone_;
};

}  // namespace cw::music
