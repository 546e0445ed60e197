#pragma once
// A sound source that renders one note at a time.
#include <cstddef>
#include <cstdint>

namespace cw::music {

struct Voice {
  double frequency = 440.0;
  double gate = 0.5;       // seconds the key is held
  float velocity = 1.0f;   // 0..1
  std::uint32_t seed = 1;  // fixed per note: noise and start phases
  double sampleRate = 44100.0;
};

class Instrument {
 public:
  virtual ~Instrument() = default;
  // Seconds the sound lasts after the key is let go.
  virtual double Tail() const = 0;
  // Adds the note into left/right, starting at the note-on; frames = gate + tail.
  virtual void Render(const Voice& voice, float* left, float* right, std::size_t frames) const = 0;
};

}  // namespace cw::music
