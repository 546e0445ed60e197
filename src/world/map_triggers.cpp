#include "world/map_triggers.h"

#include <array>
#include <cmath>
#include <string_view>

#include "play/game.h"
#include "play/messages.h"
#include "world/location_loader.h"

namespace cw {
namespace {

// What the player stands on: the mask pixel under its centre and its place on the location picture.
struct Probe {
  bool red = false;
  double mx = 0, my = 0;  // map position, unrounded
  float hw = 0, hh = 0;   // half the location's size
  // A position exactly on a half line lies in neither half.
  bool LeftHalf() const { return mx < hw; }
  bool RightHalf() const { return mx > hw; }
  bool UpperHalf() const { return my < hh; }
  bool LowerHalf() const { return my > hh; }
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

bool HasKey(const Game& g) { return g.e.imgKey->visible; }
bool HasCard(const Game& g) { return g.e.imgCard->visible; }

void GoTo(Game& g, const char* location, const char* entry) {
  g.GamePhase = location;
  LoadLocation(g, entry);
}

void AddExperience(Game& g, int points) { g.Experience = double(int64_t(g.Experience)) + points; }

struct TriggerRow {
  std::string_view location;
  bool (*holds)(const Game&, const Probe&);
  void (*act)(Game&);
};

// Within a location the first row that holds acts.
const TriggerRow kTriggers[] = {
    {"city", [](const Game&, const Probe& p) { return p.red && p.my > 1480; },
     [](Game& g) {
       if (HasKey(g)) {
         GoTo(g, "powerplant1", "r");
       } else {
         StartMessage(g, kLockedPlantMessage);
       }
     }},
    {"city", [](const Game&, const Probe& p) { return p.red && 900 < p.my && p.my < 1100; },
     [](Game& g) { GoTo(g, "duvave1", "city"); }},
    {"city", [](const Game&, const Probe& p) { return p.red; }, [](Game& g) { GoTo(g, "hut", "s"); }},

    {"powerplant1", [](const Game&, const Probe& p) { return p.red && p.LeftHalf() && 350 < p.my && p.my < 500; },
     [](Game& g) { GoTo(g, "city", "powerplant1"); }},
    {"powerplant1", [](const Game&, const Probe& p) { return p.red && p.RightHalf() && 312 < p.my && p.my < 520; },
     [](Game& g) { GoTo(g, "powerplant2", "s"); }},
    {"powerplant1", [](const Game&, const Probe& p) { return p.red; }, [](Game& g) { GoTo(g, "powerplant3", "s"); }},

    {"powerplant2", [](const Game&, const Probe& p) { return p.red && p.LeftHalf(); },
     [](Game& g) { GoTo(g, "powerplant1", "powerplant2"); }},
    {"powerplant2", [](const Game& g, const Probe& p) { return p.red && p.RightHalf() && !HasCard(g); },
     [](Game& g) {
       AddExperience(g, 100);
       g.ui.Show(g.e.imgCard);
       StartMessage(g, kCardFoundMessage);
     }},

    {"powerplant3", [](const Game&, const Probe& p) { return p.red; }, [](Game& g) { GoTo(g, "powerplant1", "r"); }},

    {"hut", [](const Game&, const Probe& p) { return p.red && p.LowerHalf(); },
     [](Game& g) { GoTo(g, "city", "hut"); }},
    {"hut", [](const Game& g, const Probe& p) { return p.red && p.UpperHalf() && !HasKey(g); },
     [](Game& g) {
       AddExperience(g, 50);
       g.ui.Show(g.e.imgKey);
       StartMessage(g, kKeyFoundMessage);
     }},

    {"duvave1", [](const Game&, const Probe& p) { return p.red && p.LowerHalf(); },
     [](Game& g) { GoTo(g, "city", "duvave1"); }},
    {"duvave1", [](const Game&, const Probe& p) { return p.red && p.UpperHalf() && 300 < p.mx && p.mx < 400; },
     [](Game& g) { GoTo(g, "duvave2", "s"); }},
    {"duvave1", [](const Game& g, const Probe& p) { return p.red && p.UpperHalf() && bool(g.AccessLab); },
     [](Game& g) { GoTo(g, "duvavelab1", "duvave1"); }},

    {"duvave2", [](const Game&, const Probe& p) { return p.red && p.LowerHalf(); },
     [](Game& g) { GoTo(g, "duvave1", "duvave1"); }},
    {"duvave2", [](const Game& g, const Probe& p) { return p.red && p.UpperHalf() && HasCard(g); },
     [](Game& g) {
       StartMessage(g, kLabOpenedMessage);
       g.AccessLab = true;
     }},
    {"duvave2", [](const Game&, const Probe& p) { return p.red && p.UpperHalf(); },
     [](Game& g) { StartMessage(g, kNoCardMessage); }},

    {"duvavelab1", [](const Game&, const Probe& p) { return p.red && p.LowerHalf() && p.mx < 120; },
     [](Game& g) { GoTo(g, "duvave1", "duvave1"); }},
    {"duvavelab1", [](const Game&, const Probe& p) { return p.red && p.LowerHalf(); },
     [](Game& g) { GoTo(g, "duvavelab3", "s"); }},
    {"duvavelab1", [](const Game&, const Probe& p) { return p.red && p.UpperHalf() && p.mx < 300; },
     [](Game& g) { GoTo(g, "duvavelab3", "s"); }},
    {"duvavelab1", [](const Game&, const Probe& p) { return p.red && p.UpperHalf(); },
     [](Game& g) { GoTo(g, "duvavelab2", "s"); }},

    {"duvavelab2", [](const Game&, const Probe& p) { return p.red; },
     [](Game& g) { GoTo(g, "duvavelab1", "duvavelab2"); }},

    {"duvavelab3", [](const Game&, const Probe& p) { return p.red; }, [](Game& g) { GoTo(g, "duvavelab1", "r"); }},
};

// A move to a location later in this order is tested again in the same call.
constexpr std::array<std::string_view, 10> kCheckOrder = {"city",       "powerplant1", "powerplant2", "powerplant3",
                                                          "hut",        "duvave1",     "duvave2",     "duvavelab1",
                                                          "duvavelab2", "duvavelab3"};

}  // namespace

void CheckMapTriggers(Game& g) {
  for (std::string_view location : kCheckOrder) {
    if (g.GamePhase != location) continue;
    Probe probe = ReadProbe(g);
    for (const TriggerRow& row : kTriggers) {
      if (row.location != location || !row.holds(g, probe)) continue;
      row.act(g);
      break;
    }
  }
}

}  // namespace cw
