#include "route.h"

#include <cmath>

namespace cw::autopilot {
namespace {

constexpr double kLowLife = 0.4;

// Which location a kit entry lies in; empty for an entry no location uses.
const std::string& KitLocation(size_t slot) {
  static const std::vector<std::string> kWhere = [] {
    std::vector<std::string> where;
    for (const LocationInfo& location : Locations())
      for (const KitPlace& kit : location.kits) {
        if (where.size() <= size_t(kit.slot)) where.resize(size_t(kit.slot) + 1);
        where[size_t(kit.slot)] = location.name;
      }
    return where;
  }();
  static const std::string kNowhere;
  return slot < kWhere.size() ? kWhere[slot] : kNowhere;
}

Goal Walk(const Game& g, const std::string& to, const Holdings& holds) {
  Goal goal;
  std::string hop = NextHop(g.GamePhase, to, holds);
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
  return {w * 0.70, h / TheLocationTable().boss_fight.height_divisor - 72};
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
    if (kit.state != 'x' || g.GamePhase != KitLocation(i)) continue;
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
  const Holdings holds{HasKey(g), HasCard(g), bool(g.AccessLab)};
  const std::string& here = g.GamePhase;
  static const std::string kKeyPlace = WhereGiven(Holding::Key), kCardPlace = WhereGiven(Holding::Card),
                           kButtonPlace = WhereGiven(Holding::Lab);
  const LocationTable& world = TheLocationTable();
  if (!holds.key) return here == kKeyPlace ? Take(Effect::Key, "pick up the key") : Walk(g, kKeyPlace, holds);
  if (!holds.card)
    return here == kCardPlace ? Take(Effect::Card, "pick up the access card") : Walk(g, kCardPlace, holds);
  // Saved and loaded again where every game starts.
  if (!progress.saved || !progress.loaded) {
    if (here != world.start.location) return Walk(g, world.start.location, holds);
    Goal goal;
    goal.kind = progress.saved ? Goal::Kind::LoadGame : Goal::Kind::SaveGame;
    goal.why = progress.saved ? "load the game" : "save the game";
    return goal;
  }
  if (!holds.lab)
    return here == kButtonPlace ? Take(Effect::Button, "press the lab button") : Walk(g, kButtonPlace, holds);
  if (here != world.boss_fight.location) return Walk(g, world.boss_fight.location, holds);
  Goal goal;
  goal.kind = Goal::Kind::Boss;
  goal.point = BossPerch(g);
  goal.why = "fight the boss";
  return goal;
}

}  // namespace cw::autopilot
