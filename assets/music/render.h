#pragma once
// Plays a song's parts through their instruments and effects into one seamless loop.
#include <cstddef>

#include "song.h"
#include "stereo_buffer.h"

namespace cw::music {

// Seconds rendered past the loop's end so that releases, echoes and reverb can ring out.
inline constexpr double kTailSeconds = 8.0;

std::size_t LoopFrames(const Song& song, double sampleRate);

// Dry parts plus reverb and delay, loop length plus the tail, lowest rumble removed.
StereoBuffer MixSong(const Song& song, double sampleRate);

// MixSong with the tail folded back onto the start: the end flows into the beginning.
StereoBuffer RenderLoop(const Song& song, double sampleRate);

}  // namespace cw::music
