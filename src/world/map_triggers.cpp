#include "world/map_triggers.h"

#include <cmath>

#include "play/game.h"
#include "play/life_and_levels.h"
#include "play/messages.h"
#include "world/location_catalogue.h"
#include "world/location_loader.h"

namespace cw {
namespace {

// What the player stands on: the mask pixel under its centre and its place on the location picture.
struct Probe {
  bool red = false;
  double mx = 0, my = 0;  // map position, unrounded
  float hw = 0, hh = 0;   // half the location's size
};

Probe ReadProbe(const Game& g) {
  Probe p;
  p.red = g.e.picCity_Collid->buffer.Get(CInt(g.My_x), CInt(g.My_y)) == kRed;
  p.mx = g.My_x + std::fabs(g.helpXCity);
  p.my = g.My_y + std::fabs(g.helpYCity);
  p.hw = float(g.e.picHelp_city_base->width) / 2.0f;
  p.hh = float(g.e.picHelp_city_base->height) / 2.0f;
  return p;
}

// The key and the card are held while their pictures show in the status bar.
bool Holds(const Game& g, Holding what) {
  switch (what) {
    case Holding::Key: return g.e.imgKey->visible;
    case Holding::Card: return g.e.imgCard->visible;
    case Holding::Lab: return bool(g.AccessLab);
  }
  return false;
}

void Give(Game& g, Holding what) {
  switch (what) {
    case Holding::Key: g.ui.Show(g.e.imgKey); break;
    case Holding::Card: g.ui.Show(g.e.imgCard); break;
    case Holding::Lab: g.AccessLab = true; break;
  }
}

bool RowHolds(const Game& g, const Probe& p, const TriggerRow& row) {
  return p.red && InTriggerArea(row, p.mx, p.my, p.hw, p.hh) && (!row.holding || Holds(g, *row.holding)) &&
         (!row.lacking || !Holds(g, *row.lacking));
}

void Act(Game& g, const TriggerRow& row) {
  if (row.experience) ChangeExperience(g, row.experience);
  if (row.gives) Give(g, *row.gives);
  if (!row.message_text.empty()) StartMessage(g, row.message_text);
  if (!row.go.empty()) {
    g.GamePhase = row.go;
    LoadLocation(g, row.entry);
  }
}

}  // namespace

bool InTriggerArea(const TriggerRow& row, double mx, double my, float hw, float hh) {
  // A position exactly on a half line lies in neither half.
  switch (row.half) {
    case Half::Any: break;
    case Half::Left:
      if (!(mx < hw)) return false;
      break;
    case Half::Right:
      if (!(mx > hw)) return false;
      break;
    case Half::Upper:
      if (!(my < hh)) return false;
      break;
    case Half::Lower:
      if (!(my > hh)) return false;
      break;
  }
  return (!row.mx_above || mx > *row.mx_above) && (!row.mx_below || mx < *row.mx_below) &&
         (!row.my_above || my > *row.my_above) && (!row.my_below || my < *row.my_below);
}

void CheckMapTriggers(Game& g) {
  // A move to a location later in the table's order is tested again in the same call.
  for (const LocationInfo& location : Locations()) {
    if (g.GamePhase != location.name) continue;
    Probe probe = ReadProbe(g);
    for (const TriggerRow& row : location.triggers) {
      if (!RowHolds(g, probe, row)) continue;
      Act(g, row);
      break;
    }
  }
}

}  // namespace cw
