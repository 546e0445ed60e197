#pragma once
// Room reverb: parallel damped combs into series allpasses per channel, the right
// channel slightly detuned in length for width.
#include <vector>

#include "stereo_buffer.h"

namespace cw::music {

struct ReverbSettings {
  double roomSize = 0.8;  // 0..1, longer tails when larger
  double damping = 0.4;   // 0..1, darker tails when larger
};

// Returns the wet signal of a mono-summed send buffer, same length as the input.
StereoBuffer ApplyReverb(const StereoBuffer& send, ReverbSettings settings);

}  // namespace cw::music
