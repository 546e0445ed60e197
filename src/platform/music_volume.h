#pragma once
// The music's volume as the mixer takes it. The volume itself is one of the player's settings.

namespace cw {

// 0..128 for a volume of 0..100 percent; 0 when muted.
int MixerLevel(int percent, bool muted);

}  // namespace cw
