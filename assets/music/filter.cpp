#include "filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cw::music {

void SvFilter::Set(double cutoffHz, double resonance, double sampleRate) {
  const double cutoff = std::clamp(cutoffHz, 10.0, sampleRate * 0.45);
  const double g = std::tan(std::numbers::pi * cutoff / sampleRate);
  k_ = 1.0 / resonance;
  a1_ = 1.0 / (1.0 + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

SvFilter::Output SvFilter::Process(float in) {
  const double v3 = in - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(in - k_ * v1 - v2)};
}

}  // namespace cw::music
