#include "external/music_player.h"

namespace cw {

void MP1_EndOfStream(MusicPlayer& mp1) { mp1.Play(); }

}  // namespace cw
