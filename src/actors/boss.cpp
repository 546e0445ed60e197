#include "actors/boss.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void UpdateBoss(Game&) {}

}  // namespace cw
