#pragma once
// What a red area of each location does, by where on the map it lies: the game world as a player
// learns it (this door leads to the hut, that spot holds the key).
#include <string>
#include <vector>

namespace cw::autopilot {

enum class Effect { None, Move, Key, Card, Button };

struct Trigger {
  Effect effect = Effect::None;
  std::string to;  // destination of a Move
};

// The effect of a red pixel at map (mx, my) of `location`, whose picture is width x height.
Trigger RedAt(const std::string& location, double mx, double my, int width, int height);

// The next location on the shortest way from `from` to `to`; empty when there is none.
// Locked doors count only when open: the plant needs the key, the lab needs AccessLab.
std::string NextHop(const std::string& from, const std::string& to, bool has_key, bool lab_open);

}  // namespace cw::autopilot
