#include "actors/player_keys.h"

#include "platform/key_codes.h"
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

void piccity_base_KeyDown(Game& g, int KeyCode, int) {
  switch (KeyCode) {
    case kKeyUp:
      g.upper = true;
      g.downer = false;
      break;
    case kKeyDown:
      g.upper = false;
      g.downer = true;
      break;
    case kKeyRight:
      g.lefter = false;
      g.righter = true;
      break;
    case kKeyLeft:
      g.lefter = true;
      g.righter = false;
      break;
    case kKeyCtrl: Fire(g); break;
    default: break;
  }
}

void picCity_base_KeyUp(Game& g, int KeyCode, int) {
  switch (KeyCode) {
    case kKeyUp:
    case kKeyDown:
      g.upper = false;
      g.downer = false;
      g.r = 0;
      break;
    case kKeyLeft:
    case kKeyRight:
      g.lefter = false;
      g.righter = false;
      break;
    case kKeyCtrl: g.ShotButtonPushed = false; break;
    default: break;
  }
}

void picCity_base_Click(Game&) {}

}  // namespace cw
