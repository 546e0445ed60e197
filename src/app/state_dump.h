#pragma once
// The state dump of a headless run: one JSON object with the clock, the passes, the focus, the music,
// every game-state field and every element.
#include <string>

namespace cw {
class Game;
std::string StateDump(const Game& g);
}  // namespace cw
