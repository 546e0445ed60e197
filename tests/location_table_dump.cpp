// Writes the location table as the game, the data check and the autopilot see it, for
// location_table_test.py to compare with what the build and the map tools see.
#include <iostream>

#include <nlohmann/json.hpp>

#include "app/data_check.h"
#include "trigger_rules.h"
#include "world/location_catalogue.h"

namespace {

using Json = nlohmann::json;
using namespace cw;

Json Point(const MapPoint& p) { return Json::array({p.x, p.y}); }

template <typename T, typename F>
Json Maybe(const std::optional<T>& v, F&& f) {
  return v ? Json(f(*v)) : Json(nullptr);
}

const char* HoldingName(Holding h) {
  switch (h) {
    case Holding::Key: return "key";
    case Holding::Card: return "card";
    case Holding::Lab: return "lab";
  }
  return "?";
}

Json HalfName(Half h) {
  switch (h) {
    case Half::Any: return nullptr;
    case Half::Left: return "left";
    case Half::Right: return "right";
    case Half::Upper: return "upper";
    case Half::Lower: return "lower";
  }
  return "?";
}

Json Text(const std::string& s) { return s.empty() ? Json(nullptr) : Json(s); }

Json Trigger(const TriggerRow& row) {
  auto same = [](double d) { return d; };
  return {{"half", HalfName(row.half)},
          {"mx_above", Maybe(row.mx_above, same)},
          {"mx_below", Maybe(row.mx_below, same)},
          {"my_above", Maybe(row.my_above, same)},
          {"my_below", Maybe(row.my_below, same)},
          {"holding", Maybe(row.holding, HoldingName)},
          {"lacking", Maybe(row.lacking, HoldingName)},
          {"experience", row.experience},
          {"gives", Maybe(row.gives, HoldingName)},
          {"message", Text(row.message)},
          {"go", Text(row.go)},
          {"entry", Text(row.entry)}};
}

Json Location(const LocationInfo& loc) {
  Json arrivals = Json::array(), enemies = Json::array(), kits = Json::array(), triggers = Json::array();
  for (const ArrivalRow& row : loc.arrivals)
    arrivals.push_back({{"entry", row.entry.empty() ? "*" : row.entry},
                        {"view", Point(row.view)},
                        {"player", Point(row.player)},
                        {"places_enemies", row.places_enemies}});
  for (const MapPoint& p : loc.enemies) enemies.push_back(Point(p));
  for (const KitPlace& kit : loc.kits) kits.push_back({{"slot", kit.slot}, {"at", Point(kit.at)}});
  for (const TriggerRow& row : loc.triggers) triggers.push_back(Trigger(row));
  return {{"name", loc.name},   {"picture", loc.picture}, {"mask", loc.mask},    {"arrivals", arrivals},
          {"enemies", enemies}, {"kits", kits},           {"triggers", triggers}};
}

}  // namespace

int main() {
  const LocationTable& table = TheLocationTable();
  Json locations = Json::array();
  for (const LocationInfo& loc : Locations()) locations.push_back(Location(loc));
  const WalkingBossSetUp& walk = table.walking_boss;
  const BossFightSetUp& fight = table.boss_fight;
  Json minions = Json::array();
  for (const MapPoint& p : fight.minions) minions.push_back(Point(p));

  Json files = Json::array();
  for (const auto& [name, jpeg] : RequiredDataFiles()) files.push_back(name);
  Json doors = Json::array();
  for (const autopilot::Door& door : autopilot::Doors())
    doors.push_back({{"from", door.from},
                     {"to", door.to},
                     {"needs", Maybe(door.needs, HoldingName)},
                     {"needs_not", Maybe(door.needs_not, HoldingName)}});

  Json view = {
      {"locations", locations},
      {"start",
       {{"location", table.start.location}, {"view", Point(table.start.view)}, {"player", Point(table.start.player)}}},
      {"walking_boss",
       {{"location", walk.location},
        {"start", Point(walk.start)},
        {"target", Point(walk.target)},
        {"speed", walk.speed},
        {"pose", walk.pose}}},
      {"boss_fight",
       {{"location", fight.location},
        {"width_divisor", fight.width_divisor},
        {"height_divisor", fight.height_divisor},
        {"speed", fight.speed},
        {"pose", fight.pose},
        {"life", fight.life},
        {"minions", minions}}},
      {"data_check", files},
      {"doors", doors},
  };
  std::cout << view.dump(1) << "\n";
  return 0;
}
