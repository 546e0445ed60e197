#include "actors/player_keys.h"

#include "play/game.h"

namespace cw {
namespace {

constexpr int kShotEntries = 6;  // entries 1..6 of Shots take the player's shots in turn

void FillShot(Game& g, int entry) {
  if (entry < 1 || entry >= int(g.Shots.size())) throw RuntimeFault("subscript out of range");
  ActorRecord& shot = g.Shots[size_t(entry)];
  shot.state = "x";
  shot.x = g.My_x;
  shot.y = g.My_y;
  shot.heading = g.u;
  shot.degrees = g.angle;
  shot.kind = "Gun";
  shot.tick = 0;
  shot.step = -6;
}

// One shot per press: auto-repeat of the held key fires nothing more.
void Fire(Game& g) {
  if (g.ShotButtonPushed) return;
  if (g.ShotsFired <= kShotEntries - 1) {
    g.ShotsFired = g.ShotsFired + 1;
    FillShot(g, CInt(g.ShotsFired));
  } else if (g.Shots[kShotEntries].state != "x") {
    // The cycle starts again only once its last shot is gone.
    g.ShotsFired = 1;
    FillShot(g, 1);
  }
  g.ShotButtonPushed = true;
}

}  // namespace

// The play keys are the player's choice (arrows and Ctrl unless changed): a key counts by its action.
void piccity_base_KeyDown(Game& g, int KeyCode, int) {
  auto action = g.settings.ActionOf(KeyCode);
  if (!action) return;
  switch (*action) {
    case PlayAction::Up:
      g.upper = true;
      g.downer = false;
      break;
    case PlayAction::Down:
      g.upper = false;
      g.downer = true;
      break;
    case PlayAction::Right:
      g.lefter = false;
      g.righter = true;
      break;
    case PlayAction::Left:
      g.lefter = true;
      g.righter = false;
      break;
    case PlayAction::Fire: Fire(g); break;
  }
}

void picCity_base_KeyUp(Game& g, int KeyCode, int) {
  auto action = g.settings.ActionOf(KeyCode);
  if (!action) return;
  switch (*action) {
    case PlayAction::Up:
    case PlayAction::Down:
      g.upper = false;
      g.downer = false;
      g.r = 0;
      break;
    case PlayAction::Left:
    case PlayAction::Right:
      g.lefter = false;
      g.righter = false;
      break;
    case PlayAction::Fire: g.ShotButtonPushed = false; break;
  }
}

void picCity_base_Click(Game&) {}

}  // namespace cw
