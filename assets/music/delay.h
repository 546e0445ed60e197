#pragma once
// Tempo-synced ping-pong echo with a darkening feedback path.
#include "stereo_buffer.h"

namespace cw::music {

struct DelaySettings {
  double seconds = 0.375;  // time between echoes
  double feedback = 0.4;   // 0..1
  double toneHz = 3500.0;  // each repeat loses the highs above this
};

// Returns the wet signal of a send buffer, same length as the input.
StereoBuffer ApplyDelay(const StereoBuffer& send, DelaySettings settings, double sampleRate);

}  // namespace cw::music
