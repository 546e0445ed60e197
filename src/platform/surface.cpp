#include "platform/surface.h"

#include <algorithm>
#include <cstring>

namespace cw {

bool ClipCopy(int& dx, int& dy, int& w, int& h, int& sx, int& sy, int src_w, int src_h, int dst_w, int dst_h) {
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
  w = std::min({w, src_w - sx, dst_w - dx});
  h = std::min({h, src_h - sy, dst_h - dy});
  return w > 0 && h > 0;
}

void Blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
  if (!ClipCopy(dx, dy, w, h, sx, sy, src.width, src.height, dst.width, dst.height)) return;
  if (&dst == &src && dy > sy) {
    for (int y = h - 1; y >= 0; --y) std::memmove(dst.Row(dy + y) + dx, src.Row(sy + y) + sx, size_t(w) * 4);
    return;
  }
  for (int y = 0; y < h; ++y) std::memmove(dst.Row(dy + y) + dx, src.Row(sy + y) + sx, size_t(w) * 4);
}

}  // namespace cw
