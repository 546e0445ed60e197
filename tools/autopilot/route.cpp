#include "route.h"

namespace cw::autopilot {
namespace {

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

Goal NextGoal(const Game& g, const Progress& progress) {
  const bool key = HasKey(g), card = HasCard(g), lab = bool(g.AccessLab);
  const std::string& here = g.GamePhase;
  if (!key) return here == "hut" ? Take(Effect::Key, "pick up the key") : Walk(g, "hut", key, lab);
  if (!card) return here == "powerplant2" ? Take(Effect::Card, "pick up the access card") : Walk(g, "powerplant2", key, lab);
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
