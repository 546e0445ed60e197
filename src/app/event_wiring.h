#pragma once
namespace cw {
class Game;
// Connects every element's events to the game's handlers.
void WireEvents(Game& g);
}  // namespace cw
