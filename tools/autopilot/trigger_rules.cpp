#include "trigger_rules.h"

#include <deque>
#include <map>

#include "world/map_triggers.h"

namespace cw::autopilot {
namespace {

Trigger EffectOf(const TriggerRow& row) {
  if (!row.go.empty()) return {Effect::Move, row.go};
  if (row.gives == Holding::Key) return {Effect::Key, ""};
  if (row.gives == Holding::Card) return {Effect::Card, ""};
  if (row.gives == Holding::Lab) return {Effect::Button, ""};
  return {};
}

bool Has(const Holdings& holds, Holding what) {
  switch (what) {
    case Holding::Key: return holds.key;
    case Holding::Card: return holds.card;
    case Holding::Lab: return holds.lab;
  }
  return false;
}

}  // namespace

Trigger RedAt(const std::string& loc, double mx, double my, int width, int height) {
  const LocationInfo* location = FindLocation(loc);
  if (!location) return {};
  // The halves are taken in single precision, as the game does.
  const float hw = float(width) / 2.0f, hh = float(height) / 2.0f;
  for (const TriggerRow& row : location->triggers)
    if (InTriggerArea(row, mx, my, hw, hh)) return EffectOf(row);
  return {};
}

std::vector<Door> Doors() {
  std::vector<Door> doors;
  for (const LocationInfo& location : Locations())
    for (const TriggerRow& row : location.triggers)
      if (!row.go.empty()) doors.push_back({location.name, row.go, row.holding, row.lacking});
  return doors;
}

std::string NextHop(const std::string& from, const std::string& to, const Holdings& holds) {
  static const std::vector<Door> kDoors = Doors();
  if (from == to) return {};
  std::map<std::string, std::string> came_from{{from, ""}};
  std::deque<std::string> queue{from};
  while (!queue.empty()) {
    std::string at = queue.front();
    queue.pop_front();
    for (const Door& door : kDoors) {
      if (door.from != at) continue;
      if (door.needs && !Has(holds, *door.needs)) continue;
      if (door.needs_not && Has(holds, *door.needs_not)) continue;
      const std::string& next = door.to;
      if (came_from.count(next)) continue;
      came_from[next] = at;
      if (next == to) {
        std::string step = next;
        while (came_from[step] != from) step = came_from[step];
        return step;
      }
      queue.push_back(next);
    }
  }
  return {};
}

std::string WhereGiven(Holding what) {
  for (const LocationInfo& location : Locations())
    for (const TriggerRow& row : location.triggers)
      if (row.gives == what) return location.name;
  return {};
}

}  // namespace cw::autopilot
