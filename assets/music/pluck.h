#pragma once
// Short plucked synth for arpeggios: saw plus square, with a snapping filter envelope.
#include "envelope.h"
#include "instrument.h"

namespace cw::music {

struct PluckTone {
  Adsr envelope{0.003, 0.35, 0.0, 0.15};
  double cutoffFloor = 350.0;  // Hz the filter settles to
  double cutoffPeak = 3500.0;  // Hz added at the attack
  double filterDecay = 0.12;   // seconds
  double squareMix = 0.5;
};

class Pluck : public Instrument {
 public:
  explicit Pluck(PluckTone tone) : tone_(tone) {}
  double Tail() const override { return tone_.envelope.release; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  PluckTone tone_;
};

}  // namespace cw::music
