#include "world/map_triggers.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void CheckMapTriggers(Game&) {}

}  // namespace cw
