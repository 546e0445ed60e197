#pragma once
// Noise riser: a band of noise whose centre climbs over the held note, for build-ups.
#include "instrument.h"

namespace cw::music {

struct SweepTone {
  double fromHz = 300.0;
  double toHz = 6000.0;
};

class Sweep : public Instrument {
 public:
  explicit Sweep(SweepTone tone) : tone_(tone) {}
  double Tail() const override { return 0.25; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  SweepTone tone_;
};

}  // namespace cw::music
