#pragma once
// Singing synth lead: two detuned pulses through a lowpass, vibrato once the note is held.
#include "envelope.h"
#include "instrument.h"

namespace cw::music {

struct LeadTone {
  Adsr envelope{0.01, 0.25, 0.7, 0.18};
  double cutoff = 2400.0;        // Hz while sustaining
  double cutoffAttack = 2200.0;  // Hz added at the attack
  double pulseWidth = 0.32;
  double vibratoDepth = 0.006;  // fraction of the pitch
};

class Lead : public Instrument {
 public:
  explicit Lead(LeadTone tone) : tone_(tone) {}
  double Tail() const override { return tone_.envelope.release; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  LeadTone tone_;
};

}  // namespace cw::music
