#pragma once
// Final polish of a loop: no DC, a set loudness, peaks rounded off below full scale.
#include <cstddef>

#include "stereo_buffer.h"

namespace cw::music {

inline constexpr float kLimiterKnee = 0.5f;
inline constexpr float kLimiterCeiling = 0.89f;  // about -1 dBFS, room for the encoder's overshoot
inline constexpr std::size_t kEdgeFadeFrames = 128;

// Identity below knee, then a tanh curve that approaches ceiling and never passes it;
// smooth at the knee and memoryless, so it cannot disturb the loop point.
float SoftLimit(float x, float knee, float ceiling);

struct Levels {
  double peak = 0.0;  // largest absolute sample
  double rms = 0.0;   // over both channels
};
Levels Measure(const StereoBuffer& buffer);

// DC removal, gain to the RMS loudness (dB below full scale), soft limiting, edge fades.
void Master(StereoBuffer& loop, double loudnessDb);

}  // namespace cw::music
