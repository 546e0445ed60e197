#pragma once
// Glassy electric-piano bell: two-operator FM whose brightness fades as the note rings.
#include "envelope.h"
#include "instrument.h"

namespace cw::music {

struct BellTone {
  Adsr envelope{0.008, 1.4, 0.3, 0.9};
  double ratio = 2.0;       // modulator : carrier frequency
  double indexStart = 2.2;  // modulation index at the strike
  double indexEnd = 0.3;
  double indexDecay = 0.5;      // seconds
  double vibratoDepth = 0.004;  // fraction of the pitch, reached after the strike
};

class Bell : public Instrument {
 public:
  explicit Bell(BellTone tone) : tone_(tone) {}
  double Tail() const override { return tone_.envelope.release; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  BellTone tone_;
};

}  // namespace cw::music
