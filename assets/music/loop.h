#pragma once
// Turning a rendering with a ring-out tail into a loop that repeats without a seam.
#include <cstddef>

#include "stereo_buffer.h"

namespace cw::music {

// The first loopFrames frames, with everything after them added back from the start:
// what rings past the end is what the next pass of the loop hears first.
StereoBuffer FoldTail(const StereoBuffer& rendered, std::size_t loopFrames);

// Raised-cosine fade over the given number of frames at both ends: the first and the
// last frame become exactly zero, so a player that restarts the file cannot click.
void FadeEdges(StereoBuffer& loop, std::size_t frames);

}  // namespace cw::music
