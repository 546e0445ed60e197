#pragma once
// Band-limited oscillators (polyBLEP edges keep saw and square free of aliasing hiss).
#include <cstdint>

namespace cw::music {

enum class Waveform { kSine, kTriangle, kSaw, kSquare };

class Oscillator {
 public:
  Oscillator(Waveform wave, double sampleRate, double startPhase = 0.0)
      : wave_(wave), sampleRate_(sampleRate), phase_(startPhase) {}

  void SetFrequency(double hz) { step_ = hz / sampleRate_; }
  // Pulse width of the square, 0.5 = symmetric.
  void SetPulseWidth(double width) { width_ = width; }
  // Next sample in [-1, 1].
  float Next();

 private:
  Waveform wave_;
  double sampleRate_;
  double phase_;
  double step_ = 0.0;
  double width_ = 0.5;
};

// Deterministic white noise in [-1, 1) (xorshift32), one stream per seed.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {
    if (state_ == 0) state_ = 1;
  }
  float Next();

 private:
  std::uint32_t state_;
};

}  // namespace cw::music
