#pragma once
// Wide, slowly breathing pad: detuned saws through a lowpass that drifts with an LFO.
#include "envelope.h"
#include "instrument.h"

namespace cw::music {

struct PadTone {
  Adsr envelope{1.2, 1.0, 0.8, 2.0};
  double cutoff = 900.0;    // Hz, centre of the drifting lowpass
  double drift = 0.35;      // LFO depth as a fraction of the cutoff
  double driftRate = 0.15;  // Hz
  double detuneCents = 8.0;
  double subMix = 0.35;  // sine an octave down
};

class Pad : public Instrument {
 public:
  explicit Pad(PadTone tone) : tone_(tone) {}
  double Tail() const override { return tone_.envelope.release; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  PadTone tone_;
};

}  // namespace cw::music
