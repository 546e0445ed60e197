#pragma once
// Synthesised kick drum: a sine that drops in pitch, with a short click on top.
#include "instrument.h"

namespace cw::music {

struct KickTone {
  double pitchEnd = 46.0;     // Hz the body settles to
  double pitchDrop = 120.0;   // Hz above it at the hit
  double pitchDecay = 0.035;  // seconds
  double decay = 0.26;        // seconds, amplitude
  double click = 0.12;
};

class Kick : public Instrument {
 public:
  explicit Kick(KickTone tone) : tone_(tone) {}
  double Tail() const override { return tone_.decay * 3.0; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  KickTone tone_;
};

}  // namespace cw::music
