#include "actors/first_aid_kits.h"

#include <cstdint>

#include "actors/collision.h"
#include "play/life_and_levels.h"
#include "play/life_cap.h"
#include "play/play_area.h"
#include "world/location_catalogue.h"

namespace cw {
namespace {

constexpr double kKitRadius = 8;
constexpr double kKitLife = 20;
constexpr int64_t kKitReturnMs = 60000;

void HandlePresentKit(Game& g, KitRecord& kit) {
  // Handled only while its point lies strictly inside the play area.
  double sx = double(kit.x) + g.helpXCity, sy = double(kit.y) + g.helpYCity;
  const Element& play = *g.e.picCity_base;
  if (!(sx > 0 && sx < play.width && sy > 0 && sy < play.height)) return;
  if (CirclesOverlap(sx, sy, kKitRadius, g.My_x, g.My_y, kPlayerRadius)) {
    ChangeLife(g, kKitLife);
    kit.state = ' ';
    kit.takenAt = g.GetTickCount();
    float cap = MaxLifeHundredLast(g);
    if (double(cap) < double(g.Life)) {
      // Life that would go over the cap stops there, and the kit stays for later.
      ChangeLife(g, double(cap) - double(g.Life));
      kit.state = 'x';
      kit.takenAt = 0;
    }
  }
  DrawSprite(g, *g.e.first_aid, sx, sy, kCyan, 1.0, 1);
}

}  // namespace

void UpdateFirstAidKits(Game& g) {
  // Only the kits of the current location, in the order the location lists them.
  const LocationInfo* here = FindLocation(g.GamePhase);
  if (!here) return;
  for (const KitPlace& place : here->kits) {
    KitRecord& kit = g.FirstAidKits[size_t(place.slot)];
    if (kit.state == 'x') {
      HandlePresentKit(g, kit);
    } else if (int64_t(g.GetTickCount()) - int64_t(kit.takenAt) >= kKitReturnMs) {
      kit.takenAt = 0;
      kit.state = 'x';
    }
  }
}

}  // namespace cw
