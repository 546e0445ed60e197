#pragma once
// The game's two pieces of music.
#include "song.h"

namespace cw::music {

// "music2.mp3": start-up, menu and story screens. Calm, A minor, 74 bpm.
Song MenuTheme();

// "music.mp3": while playing. Driving, E minor, 132 bpm.
Song PlayTheme();

}  // namespace cw::music
