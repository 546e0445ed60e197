#include "oscillator.h"

#include <cmath>
#include <numbers>

namespace cw::music {
namespace {

// Correction around a unit step at phase 0 (t = phase, dt = phase increment).
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

double Wrap(double phase) { return phase - std::floor(phase); }

}  // namespace

float Oscillator::Next() {
  const double t = phase_;
  double out = 0.0;
  switch (wave_) {
    case Waveform::kSine: out = std::sin(2.0 * std::numbers::pi * t); break;
    case Waveform::kTriangle: out = 1.0 - 4.0 * std::fabs(t - 0.5); break;
    case Waveform::kSaw: out = 2.0 * t - 1.0 - PolyBlep(t, step_); break;
    case Waveform::kSquare:
      out = (t < width_ ? 1.0 : -1.0) + PolyBlep(t, step_) - PolyBlep(Wrap(t - width_ + 1.0), step_);
      break;
  }
  phase_ = Wrap(phase_ + step_);
  return static_cast<float>(out);
}

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ / 2147483648.0 - 1.0);
}

}  // namespace cw::music
