#pragma once
// Synth bass: saw over a sine sub, a plucky filter envelope and a little saturation.
#include "envelope.h"
#include "instrument.h"

namespace cw::music {

struct BassTone {
  Adsr envelope{0.003, 0.2, 0.6, 0.06};
  double cutoffFloor = 180.0;  // Hz
  double cutoffPeak = 1400.0;  // Hz added at the attack
  double filterDecay = 0.08;   // seconds
  double drive = 1.6;
  double sawMix = 1.0;  // 0 leaves only the sub sine
};

class Bass : public Instrument {
 public:
  explicit Bass(BassTone tone) : tone_(tone) {}
  double Tail() const override { return tone_.envelope.release; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  BassTone tone_;
};

}  // namespace cw::music
