#pragma once
// Hi-hat: metallic square partials and noise, high-passed, closed or open by its decay.
#include "instrument.h"

namespace cw::music {

struct HiHatTone {
  double decay = 0.045;        // seconds: short closed, long open
  double brightness = 7000.0;  // Hz, high-pass corner
};

class HiHat : public Instrument {
 public:
  explicit HiHat(HiHatTone tone) : tone_(tone) {}
  double Tail() const override { return tone_.decay * 5.0; }
  void Render(const Voice& voice, float* left, float* right, std::size_t frames) const override;

 private:
  HiHatTone tone_;
};

}  // namespace cw::music
