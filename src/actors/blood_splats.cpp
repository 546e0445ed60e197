#include "actors/blood_splats.h"

#include <cmath>
#include <cstdint>

#include "play/play_area.h"

namespace cw {
namespace {

constexpr int kLastSplat = 5;         // six entries, reused in turn
constexpr int64_t kSplatLife = 5000;  // milliseconds a splat stays on the ground

}  // namespace

void MakeBloodSplat(Game& g, const ActorRecord& enemy) {
  int entry = CInt(g.BloodCount);
  if (entry < 0 || entry > kLastSplat) throw RuntimeFault("subscript out of range");
  SplatRecord& splat = g.BloodSplats[size_t(entry)];
  splat.x = enemy.x;
  splat.y = enemy.y;
  splat.state = 'x';
  splat.degrees = std::floor(g.Rnd() * 360);
  splat.madeAt = g.GetTickCount();
  g.BloodCount = g.BloodCount + 1;
  if (g.BloodCount > kLastSplat) g.BloodCount = 0;
}

void UpdateBloodSplats(Game& g) {
  for (SplatRecord& splat : g.BloodSplats) {
    if (splat.state != 'x') continue;
    double x = double(splat.x), y = double(splat.y);
    ShiftWithMap(g, x, y);
    splat.x = x;
    splat.y = y;
    if (int64_t(g.GetTickCount()) - int64_t(splat.madeAt) > kSplatLife) {
      splat.state = ' ';
      splat.madeAt = 0;
    }
    // Drawn once more on the pass that frees it.
    DrawSprite(g, *g.e.picBlood, double(splat.x), double(splat.y), 0x00000000, double(splat.degrees), 1);
  }
}

}  // namespace cw
