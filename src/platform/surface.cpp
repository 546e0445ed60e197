#include "platform/surface.h"

#include <algorithm>
#include <cstring>

namespace cw {

void Blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
  // Clip against the source, then the destination, moving both corners together.
  if (sx < 0) {
    dx -= sx;
    w += sx;
    sx = 0;
  }
  if (sy < 0) {
    dy -= sy;
    h += sy;
    sy = 0;
  }
  if (dx < 0) {
    sx -= dx;
    w += dx;
    dx = 0;
  }
  if (dy < 0) {
    sy -= dy;
    h += dy;
    dy = 0;
  }
  w = std::min({w, src.width - sx, dst.width - dx});
  h = std::min({h, src.height - sy, dst.height - dy});
  if (w <= 0 || h <= 0) return;
  if (&dst == &src && dy > sy) {
    for (int y = h - 1; y >= 0; --y) std::memmove(dst.Row(dy + y) + dx, src.Row(sy + y) + sx, size_t(w) * 4);
    return;
  }
  for (int y = 0; y < h; ++y) std::memmove(dst.Row(dy + y) + dx, src.Row(sy + y) + sx, size_t(w) * 4);
}

}  // namespace cw
