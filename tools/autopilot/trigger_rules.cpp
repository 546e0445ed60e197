#include "trigger_rules.h"

#include <deque>
#include <map>

namespace cw::autopilot {
namespace {

Trigger Move(const char* to) { return {Effect::Move, to}; }

}  // namespace

Trigger RedAt(const std::string& loc, double mx, double my, int width, int height) {
  // The halves are taken in single precision, as the game does.
  const double hw = double(float(width) / 2.0f), hh = double(float(height) / 2.0f);
  const bool left = mx<hw, right = mx> hw, upper = my<hh, lower = my> hh;
  if (loc == "city") {
    if (my > 1480) return Move("powerplant1");
    if (900 < my && my < 1100) return Move("duvave1");
    return Move("hut");
  }
  if (loc == "powerplant1") {
    if (left && 350 < my && my < 500) return Move("city");
    if (right && 312 < my && my < 520) return Move("powerplant2");
    return Move("powerplant3");
  }
  if (loc == "powerplant2") {
    if (left) return Move("powerplant1");
    if (right) return {Effect::Card, ""};
    return {};
  }
  if (loc == "powerplant3") return Move("powerplant1");
  if (loc == "hut") {
    if (lower) return Move("city");
    if (upper) return {Effect::Key, ""};
    return {};
  }
  if (loc == "duvave1") {
    if (lower) return Move("city");
    if (upper && 300 < mx && mx < 400) return Move("duvave2");
    if (upper) return Move("duvavelab1");
    return {};
  }
  if (loc == "duvave2") {
    if (lower) return Move("duvave1");
    if (upper) return {Effect::Button, ""};
    return {};
  }
  if (loc == "duvavelab1") {
    if (lower && mx < 120) return Move("duvave1");
    if (lower) return Move("duvavelab3");
    if (upper && mx < 300) return Move("duvavelab3");
    if (upper) return Move("duvavelab2");
    return {};
  }
  if (loc == "duvavelab2") return Move("duvavelab1");
  if (loc == "duvavelab3") return Move("duvavelab1");
  return {};
}

std::string NextHop(const std::string& from, const std::string& to, bool has_key, bool lab_open) {
  static const std::multimap<std::string, std::string> kDoors = {
      {"city", "powerplant1"},
      {"city", "hut"},
      {"city", "duvave1"},
      {"powerplant1", "city"},
      {"powerplant1", "powerplant2"},
      {"powerplant1", "powerplant3"},
      {"powerplant2", "powerplant1"},
      {"powerplant3", "powerplant1"},
      {"hut", "city"},
      {"duvave1", "city"},
      {"duvave1", "duvave2"},
      {"duvave1", "duvavelab1"},
      {"duvave2", "duvave1"},
      {"duvavelab1", "duvave1"},
      {"duvavelab1", "duvavelab2"},
      {"duvavelab1", "duvavelab3"},
      {"duvavelab2", "duvavelab1"},
      {"duvavelab3", "duvavelab1"},
  };
  if (from == to) return {};
  std::map<std::string, std::string> came_from{{from, ""}};
  std::deque<std::string> queue{from};
  while (!queue.empty()) {
    std::string at = queue.front();
    queue.pop_front();
    auto [b, e] = kDoors.equal_range(at);
    for (auto it = b; it != e; ++it) {
      const std::string& next = it->second;
      if (at == "city" && next == "powerplant1" && !has_key) continue;
      if (at == "duvave1" && next == "duvavelab1" && !lab_open) continue;
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

}  // namespace cw::autopilot
