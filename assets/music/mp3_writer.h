#pragma once
// MP3 files through LAME: constant bit rate, no ID3 tag, and an Info/LAME header frame
// that tells decoders the encoder delay and padding, so a loop stays sample-exact.
#include <string>

#include "stereo_buffer.h"

namespace cw::music {

// Throws std::runtime_error when encoding or writing fails.
void WriteMp3(const std::string& path, const StereoBuffer& pcm, int sampleRate, int kbps);

}  // namespace cw::music
