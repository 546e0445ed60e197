#include "actors/first_aid_kits.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void UpdateFirstAidKits(Game&) {}

}  // namespace cw
