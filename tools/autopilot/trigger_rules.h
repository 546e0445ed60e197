#pragma once
// What a red area of each location does, by where on the map it lies: the game world as a player
// learns it (this door leads to the hut, that spot holds the key). Read from the game's location table.
#include <optional>
#include <string>
#include <vector>

#include "world/location_catalogue.h"

namespace cw::autopilot {

enum class Effect { None, Move, Key, Card, Button };

struct Trigger {
  Effect effect = Effect::None;
  std::string to;  // destination of a Move
};

// The effect of a red pixel at map (mx, my) of `location`, whose picture is width x height: the first
// trigger row of the location whose area holds, whatever the player holds.
Trigger RedAt(const std::string& location, double mx, double my, int width, int height);

// A way from one location to another, and what must be held (or not) for it to open.
struct Door {
  std::string from, to;
  std::optional<Holding> needs, needs_not;
};
std::vector<Door> Doors();

// What the player holds, as far as doors ask.
struct Holdings {
  bool key = false, card = false, lab = false;
};

// The next location on the shortest way from `from` to `to`; empty when there is none.
// Locked doors count only when open: the plant needs the key, the lab needs AccessLab.
std::string NextHop(const std::string& from, const std::string& to, const Holdings& holds);

// The location whose trigger hands out `what`; empty when none does.
std::string WhereGiven(Holding what);

}  // namespace cw::autopilot
