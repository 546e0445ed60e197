#include "route.h"

#include <cmath>

namespace cw::autopilot {
namespace {

// Which location each entry of the kit table lies in.
constexpr const char* kKitLocations[] = {"city",        "city",    "city",       "hut",
                                         "powerplant2", "duvave1", "duvavelab3", "powerplant3"};
constexpr double kLowLife = 0.4;

Goal Walk(const Game& g, const std::string& to, bool key, bool lab) {
  Goal goal;
  std::string hop = NextHop(g.GamePhase, to, key, lab);
  goal.red = {Effect::Move, hop};
  goal.why = "walk from " + g.GamePhase + " to " + hop + " on the way to " + to;
  return goal;
}

Goal Take(Effect effect, const char* why) {
  Goal goal;
  goal.red = {effect, ""};
  goal.why = why;
  return goal;
}

}  // namespace

bool HasKey(const Game& g) { return g.e.imgKey->visible; }
bool HasCard(const Game& g) { return g.e.imgCard->visible; }

Point BossPerch(const Game& g) {
  const double w = g.e.picHelp_city_base->width, h = g.e.picHelp_city_base->height;
  return {w * 0.70, h / 3 - 72};
}

void BossPatrolArea(const Game& g, double margin, Point& top_left, Point& bottom_right) {
  // The boss turns at a quarter and three quarters of the picture's width, measured on the play area.
  const double w = g.e.picHelp_city_base->width;
  const double view_x = g.helpXCity, view_y = g.helpYCity;
  const double y = g.BossY - view_y;
  top_left = {w * 0.25 - view_x - margin, y - margin};
  bottom_right = {w * 0.75 - view_x + margin, y + margin};
}

std::optional<Goal> KitGoal(const Game& g, double fraction) {
  const double max_life = 100 + 20.0 * g.Strength.get() + 5.0 * g.Vitality.get();
  if (g.Life.get() >= fraction * max_life) return std::nullopt;
  const double mx = double(g.My_x) - double(g.helpXCity), my = double(g.My_y) - double(g.helpYCity);
  std::optional<Goal> best;
  double best_d = 1e18;
  for (size_t i = 0; i < g.FirstAidKits.size(); ++i) {
    const KitRecord& kit = g.FirstAidKits[i];
    if (kit.state != 'x' || g.GamePhase != kKitLocations[i]) continue;
    double d = std::hypot(kit.x.get() - mx, kit.y.get() - my);
    if (d >= best_d) continue;
    best_d = d;
    Goal goal;
    goal.kind = Goal::Kind::Point;
    goal.point = {double(kit.x.get()), double(kit.y.get())};
    goal.why = "fetch the first-aid kit at " + std::to_string(kit.x.get()) + "," + std::to_string(kit.y.get());
    best = goal;
  }
  return best;
}

Goal NextGoal(const Game& g, const Progress& progress, bool kits) {
  if (auto kit = kits ? KitGoal(g, kLowLife) : std::nullopt) return *kit;
  const bool key = HasKey(g), card = HasCard(g), lab = bool(g.AccessLab);
  const std::string& here = g.GamePhase;
  if (!key) return here == "hut" ? Take(Effect::Key, "pick up the key") : Walk(g, "hut", key, lab);
  if (!card)
    return here == "powerplant2" ? Take(Effect::Card, "pick up the access card") : Walk(g, "powerplant2", key, lab);
  if (!progress.saved || !progress.loaded) {
    if (here != "city") return Walk(g, "city", key, lab);
    Goal goal;
    goal.kind = progress.saved ? Goal::Kind::LoadGame : Goal::Kind::SaveGame;
    goal.why = progress.saved ? "load the game" : "save the game";
    return goal;
  }
  if (!lab) return here == "duvave2" ? Take(Effect::Button, "press the lab button") : Walk(g, "duvave2", key, lab);
  if (here != "duvavelab2") return Walk(g, "duvavelab2", key, lab);
  Goal goal;
  goal.kind = Goal::Kind::Boss;
  goal.point = BossPerch(g);
  goal.why = "fight the boss";
  return goal;
}

}  // namespace cw::autopilot
