#pragma once
#include <string>
namespace cw {
class Game;
// Makes the location named by GamePhase current; Entry is the location left, "r", "s" or "save".
void LoadLocation(Game& g, const std::string& Entry);
}  // namespace cw
